<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
  <context>
    <name>Central</name>
    <message>
      <source>the central column %1 is not of the type the journal's records are kept in</source>
      <translation>a coluna central %1 não é do tipo em que os registros do diário são guardados</translation>
    </message>
    <message>
      <source>the central column %1 holds a value of another size</source>
      <translation>a coluna central %1 contém um valor de outro tamanho</translation>
    </message>
    <message>
      <source>cannot read the central records</source>
      <translation>não é possível ler os registros centrais</translation>
    </message>
    <message>
      <source>a damaged one (%1)</source>
      <translation>uma danificada (%1)</translation>
    </message>
    <message>
      <source>%1 of station %2</source>
      <translation>%1 da estação %2</translation>
    </message>
    <message>
      <source>the verification key %1 (journal %2) is not registered for station %3: a person who compared it registers it with weighstation-records central-register --station %3 --fingerprint %4</source>
      <translation>a chave de verificação %1 (diário %2) não está registrada para a estação %3: uma pessoa que a comparou a registra com weighstation-records central-register --station %3 --fingerprint %4</translation>
    </message>
    <message>
      <source>seq %1: not in the central copy (refused by it, or removed there)</source>
      <translation>nº %1: não está na cópia central (recusado por ela, ou removido lá)</translation>
    </message>
    <message>
      <source>the journal %1 holds no record of station %2 (its records are of: %3)</source>
      <translation>o diário %1 não contém nenhum registro da estação %2 (seus registros são de: %3)</translation>
    </message>
    <message>
      <source>seq %1: in the central copy, not in the journal</source>
      <translation>nº %1: na cópia central, não no diário</translation>
    </message>
    <message>
      <source>seq %1: differs from the central copy</source>
      <translation>nº %1: difere da cópia central</translation>
    </message>
    <message>
      <source>cannot read the central copy</source>
      <translation>não é possível ler a cópia central</translation>
    </message>
    <message>
      <source>the journal ends at seq %1, its central copy at seq %2 (records removed, or an older journal and head put back)</source>
      <translation>o diário termina no nº %1, sua cópia central no nº %2 (registros removidos, ou um diário e testemunha mais antigos repostos)</translation>
    </message>
    <message>
      <source>'%1' is not a postgresql:// connection URI</source>
      <translation>'%1' não é uma URI de conexão postgresql://</translation>
    </message>
    <message>
      <source>'%1' in the URI %2 cannot be passed to the server's connection (a name of letters and '_', a value without ';')</source>
      <translation>'%1' na URI %2 não pode ser passado à conexão do servidor (um nome de letras e '_', um valor sem ';')</translation>
    </message>
    <message>
      <source>(not a URI)</source>
      <translation>(não é uma URI)</translation>
    </message>
    <message>
      <source>no PostgreSQL driver (QPSQL) is installed</source>
      <translation>nenhum driver PostgreSQL (QPSQL) está instalado</translation>
    </message>
    <message>
      <source>cannot %1</source>
      <translation>falhou: %1</translation>
    </message>
    <message>
      <source>cannot read the central tables</source>
      <translation>não é possível ler as tabelas centrais</translation>
    </message>
    <message>
      <source>the central database has no weigh_records table: its owner creates the tables with weighstation-records central-sql (a station never does)</source>
      <translation>o banco central não tem a tabela weigh_records: seu dono cria as tabelas com weighstation-records central-sql (nunca uma estação)</translation>
    </message>
    <message>
      <source>the central table weigh_records has no weigh_schema_version beside it</source>
      <translation>a tabela central weigh_records não tem weigh_schema_version ao lado</translation>
    </message>
    <message>
      <source>the central tables have a newer version (%1) than this program's (%2)</source>
      <translation>as tabelas centrais têm uma versão mais nova (%1) que este programa (%2)</translation>
    </message>
    <message>
      <source>upgrade the central tables from version %1 (their owner can run weighstation-records central-sql --upgrade)</source>
      <translation>atualizar as tabelas centrais a partir da versão %1 (seu dono pode executar weighstation-records central-sql --upgrade)</translation>
    </message>
    <message>
      <source>not a PostgreSQL connection (%1)</source>
      <translation>não é uma conexão PostgreSQL (%1)</translation>
    </message>
    <message>
      <source>cannot read the central epoch keys</source>
      <translation>não é possível ler as chaves de época centrais</translation>
    </message>
    <message>
      <source>cannot send the epoch keys</source>
      <translation>não é possível enviar as chaves de época</translation>
    </message>
    <message>
      <source>cannot claim journal %1</source>
      <translation>não é possível reivindicar o diário %1</translation>
    </message>
    <message>
      <source>cannot read the owner of journal %1</source>
      <translation>não é possível ler o dono do diário %1</translation>
    </message>
    <message>
      <source>journal %1 belongs to the role %2 in the central database, not to this station's</source>
      <translation>o diário %1 pertence ao papel %2 no banco central, não ao desta estação</translation>
    </message>
    <message>
      <source>cannot read the registered keys</source>
      <translation>não é possível ler as chaves registradas</translation>
    </message>
    <message>
      <source>cannot register the fingerprint</source>
      <translation>não é possível registrar a impressão digital</translation>
    </message>
    <message>
      <source>cannot read the verification keys sent</source>
      <translation>não é possível ler as chaves de verificação enviadas</translation>
    </message>
    <message>
      <source>seq %1 is held differently by the central database</source>
      <translation>o nº %1 está de outro modo no banco central</translation>
    </message>
    <message>
      <source>records refused</source>
      <translation>registros recusados</translation>
    </message>
    <message>
      <source>central records: seq %1 refused: %2</source>
      <translation>registros centrais: nº %1 recusado: %2</translation>
    </message>
    <message>
      <source>central records: journal %1 seq %2 is held differently by the central database (a conflict, left as it is)</source>
      <translation>registros centrais: o diário %1 nº %2 está de outro modo no banco central (um conflito, deixado como está)</translation>
    </message>
    <message>
      <source>the central chain is read on a connection of its own, not inside a transaction</source>
      <translation>a cadeia central é lida em uma conexão própria, não dentro de uma transação</translation>
    </message>
    <message>
      <source>cannot send the desk's transactions</source>
      <translation>não é possível enviar as transações do posto de pesagem</translation>
    </message>
    <message>
      <source>cannot read the central transactions</source>
      <translation>não é possível ler as transações centrais</translation>
    </message>
    <message>
      <source>central records: journal %1 transaction %2 is held differently by the central database (a conflict, left as it is)</source>
      <translation>registros centrais: diário %1 transação %2 está de outra forma no banco central (um conflito, deixado como está)</translation>
    </message>
  </context>
  <context>
    <name>Desk</name>
    <message>
      <source>cannot make the folder of %1</source>
      <translation>não é possível criar a pasta de %1</translation>
    </message>
    <message>
      <source>cannot open the desk's data %1</source>
      <translation>não é possível abrir os dados do posto de pesagem %1</translation>
    </message>
    <message>
      <source>cannot make the desk's tables</source>
      <translation>não é possível criar as tabelas do posto de pesagem</translation>
    </message>
    <message>
      <source>cannot read the desk's data</source>
      <translation>não é possível ler os dados do posto de pesagem</translation>
    </message>
    <message>
      <source>a row of %1 takes %2 values, its key first</source>
      <translation>uma linha de %1 leva os valores %2, a chave primeiro</translation>
    </message>
    <message>
      <source>cannot write the desk's data</source>
      <translation>não é possível gravar os dados do posto de pesagem</translation>
    </message>
    <message>
      <source>%1 holds no %2</source>
      <translation>%1 não contém %2</translation>
    </message>
    <message>
      <source>cannot write %1: %2</source>
      <translation>não é possível gravar %1: %2</translation>
    </message>
    <message>
      <source>cannot read %1: %2</source>
      <translation>não é possível ler %1: %2</translation>
    </message>
    <message>
      <source>%1, line %2: not a CSV field</source>
      <translation>%1, linha %2: não é um campo CSV</translation>
    </message>
    <message>
      <source>%1 does not begin with the columns %2</source>
      <translation>%1 não começa com as colunas %2</translation>
    </message>
    <message>
      <source>%1, row %2: %3 values, not %4</source>
      <translation>%1, linha %2: %3 valores, não %4</translation>
    </message>
    <message>
      <source>this weighing needs the vehicle's registration</source>
      <translation>esta pesagem precisa da placa do veículo</translation>
    </message>
    <message>
      <source>vehicle %1 is not registered: check the registration, or add the vehicle first</source>
      <translation>o veículo %1 não está cadastrado: confira a placa ou cadastre o veículo primeiro</translation>
    </message>
    <message>
      <source>the journal holds no record %1</source>
      <translation>o diário não contém o registro %1</translation>
    </message>
    <message>
      <source>record %1 was taken at station %2, not at this station (%3)</source>
      <translation>o registro %1 foi feito na estação %2, não nesta estação (%3)</translation>
    </message>
    <message>
      <source>record %1 is bound to transaction %2 already</source>
      <translation>o registro %1 já está vinculado à transação %2</translation>
    </message>
    <message>
      <source>only a supervisor may void or correct, and the site names none (the setting desk_supervisors)</source>
      <translation>só um supervisor pode anular ou corrigir, e o local não indica nenhum (a configuração desk_supervisors)</translation>
    </message>
    <message>
      <source>only a supervisor may void or correct (%1), not %2</source>
      <translation>só um supervisor pode anular ou corrigir (%1), não %2</translation>
    </message>
    <message>
      <source>vehicle %1 has no stored tare</source>
      <translation>o veículo %1 não tem tara armazenada</translation>
    </message>
    <message>
      <source>vehicle %1 has no stored tare with container %2</source>
      <translation>o veículo %1 não tem tara armazenada com o contêiner %2</translation>
    </message>
    <message>
      <source>the stored tare of vehicle %1 (transaction %2) expired on %3: weigh it empty and store its tare again</source>
      <translation>a tara armazenada do veículo %1 (transação %2) venceu em %3: pese-o vazio e armazene sua tara de novo</translation>
    </message>
    <message>
      <source>a first weighing is inbound (in) or outbound (out), not "%1"</source>
      <translation>uma primeira pesagem é de entrada (in) ou de saída (out), não "%1"</translation>
    </message>
    <message>
      <source>vehicle %1 is on site already (transaction %2): weigh it out first</source>
      <translation>o veículo %1 já está no pátio (transação %2): pese-o na saída primeiro</translation>
    </message>
    <message>
      <source>no vehicle on site has the interim ticket %1</source>
      <translation>nenhum veículo no pátio tem o ticket provisório %1</translation>
    </message>
    <message>
      <source>vehicle %1 is not on site: no first weighing is open for it</source>
      <translation>o veículo %1 não está no pátio: nenhuma primeira pesagem está aberta para ele</translation>
    </message>
    <message>
      <source>vehicle %1 was weighed in %2 hours before this weighing: check that the interim ticket was its own</source>
      <translation>o veículo %1 foi pesado na entrada %2 horas antes desta pesagem: confira se o ticket provisório era o dele</translation>
    </message>
    <message>
      <source>transaction %1 is a void: it stands</source>
      <translation>a transação %1 é uma anulação: ela permanece</translation>
    </message>
    <message>
      <source>transaction %1 was closed, voided or corrected by transaction %2 already</source>
      <translation>a transação %1 já foi fechada, anulada ou corrigida pela transação %2</translation>
    </message>
    <message>
      <source>the journal holds no transaction %1</source>
      <translation>o diário não contém a transação %1</translation>
    </message>
    <message>
      <source>a void needs its reason</source>
      <translation>uma anulação precisa do seu motivo</translation>
    </message>
    <message>
      <source>transaction %1 is no live weighing to correct</source>
      <translation>a transação %1 não é uma pesagem vigente a corrigir</translation>
    </message>
    <message>
      <source>a correction needs its reason</source>
      <translation>uma correção precisa do seu motivo</translation>
    </message>
    <message>
      <source>Weighing Desk</source>
      <translation>Posto de pesagem</translation>
    </message>
    <message>
      <source>Single weighing</source>
      <translation>Pesagem única</translation>
    </message>
    <message>
      <source>With the stored tare</source>
      <translation>Com a tara armazenada</translation>
    </message>
    <message>
      <source>Store the vehicle's tare</source>
      <translation>Armazenar a tara do veículo</translation>
    </message>
    <message>
      <source>First weighing, inbound</source>
      <translation>Primeira pesagem, de entrada</translation>
    </message>
    <message>
      <source>First weighing, outbound</source>
      <translation>Primeira pesagem, de saída</translation>
    </message>
    <message>
      <source>Second weighing</source>
      <translation>Segunda pesagem</translation>
    </message>
    <message>
      <source>Kind</source>
      <translation>Tipo</translation>
    </message>
    <message>
      <source>Interim ticket or registration</source>
      <translation>Ticket provisório ou placa</translation>
    </message>
    <message>
      <source>Vehicle</source>
      <translation>Veículo</translation>
    </message>
    <message>
      <source>Container</source>
      <translation>Contêiner</translation>
    </message>
    <message>
      <source>Customer</source>
      <translation>Cliente</translation>
    </message>
    <message>
      <source>Product</source>
      <translation>Produto</translation>
    </message>
    <message>
      <source>Haulier</source>
      <translation>Transportadora</translation>
    </message>
    <message>
      <source>Reference</source>
      <translation>Referência</translation>
    </message>
    <message>
      <source>Operator</source>
      <translation>Operador</translation>
    </message>
    <message>
      <source>Note</source>
      <translation>Observação</translation>
    </message>
    <message>
      <source>Prepare for the next record</source>
      <translation>Preparar para o próximo registro</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Cancelar</translation>
    </message>
    <message>
      <source>Vehicles on site</source>
      <translation>Veículos no pátio</translation>
    </message>
    <message>
      <source>Latest records</source>
      <translation>Últimos registros</translation>
    </message>
    <message>
      <source>Seq</source>
      <translation>Nº</translation>
    </message>
    <message>
      <source>Taken</source>
      <translation>Feito</translation>
    </message>
    <message>
      <source>Total</source>
      <translation>Total</translation>
    </message>
    <message>
      <source>Transaction</source>
      <translation>Transação</translation>
    </message>
    <message>
      <source>Bind the selected record to the prepared transaction</source>
      <translation>Vincular o registro escolhido à transação preparada</translation>
    </message>
    <message>
      <source>Transactions</source>
      <translation>Transações</translation>
    </message>
    <message>
      <source>Net</source>
      <translation>Líquido</translation>
    </message>
    <message>
      <source>State</source>
      <translation>Situação</translation>
    </message>
    <message>
      <source>Print again</source>
      <translation>Imprimir de novo</translation>
    </message>
    <message>
      <source>Void...</source>
      <translation>Anular...</translation>
    </message>
    <message>
      <source>Correct with the form's data...</source>
      <translation>Corrigir com os dados do formulário...</translation>
    </message>
    <message>
      <source>Tickets waiting to print</source>
      <translation>Tickets aguardando impressão</translation>
    </message>
    <message>
      <source>&amp;Tickets</source>
      <translation>&amp;Tickets</translation>
    </message>
    <message>
      <source>Choose the printer...</source>
      <translation>Escolher a impressora...</translation>
    </message>
    <message>
      <source>Tickets go to the %1.</source>
      <translation>Os tickets vão para: %1.</translation>
    </message>
    <message>
      <source>Print to a folder of PDF files...</source>
      <translation>Imprimir numa pasta de arquivos PDF...</translation>
    </message>
    <message>
      <source>Folder for the tickets</source>
      <translation>Pasta dos tickets</translation>
    </message>
    <message>
      <source>Page size</source>
      <translation>Tamanho da página</translation>
    </message>
    <message>
      <source>Print the waiting tickets</source>
      <translation>Imprimir os tickets em espera</translation>
    </message>
    <message>
      <source>Check the journal again</source>
      <translation>Verificar o diário de novo</translation>
    </message>
    <message>
      <source>&amp;Data</source>
      <translation>&amp;Dados</translation>
    </message>
    <message>
      <source>Edit the %1...</source>
      <translation>Editar %1...</translation>
    </message>
    <message>
      <source>Waiting for the journal %1: the monitor makes it with its first record.</source>
      <translation>Aguardando o diário %1: o monitor o cria com seu primeiro registro.</translation>
    </message>
    <message>
      <source>The desk cannot use the journal: %1</source>
      <translation>O posto não pode usar o diário: %1</translation>
    </message>
    <message>
      <source>Following the journal %1; tickets go to the %2.</source>
      <translation>Acompanha o diário %1; os tickets vão para: %2.</translation>
    </message>
    <message>
      <source>Vehicle %1 is not registered, and this site weighs only registered vehicles.

Add it to the vehicles list?</source>
      <translation>O veículo %1 não está cadastrado, e este local só pesa veículos cadastrados.

Adicioná-lo à lista de veículos?</translation>
    </message>
    <message>
      <source>Vehicle %1 is not registered.

Add it to the vehicles list? (No weighs it as a temporary vehicle.)</source>
      <translation>O veículo %1 não está cadastrado.

Adicioná-lo à lista de veículos? (Não o pesa como veículo temporário.)</translation>
    </message>
    <message>
      <source>A second weighing needs its interim ticket (scan it) or the vehicle's registration.</source>
      <translation>Uma segunda pesagem precisa do seu ticket provisório (escaneie-o) ou da placa do veículo.</translation>
    </message>
    <message>
      <source>Waiting for the next record of station %1: press RECORD NOW on the monitor.</source>
      <translation>Aguardando o próximo registro da estação %1: pressione GRAVAR AGORA no monitor.</translation>
    </message>
    <message>
      <source>Record %1 is not bound: %2</source>
      <translation>O registro %1 não está vinculado: %2</translation>
    </message>
    <message>
      <source>Transaction %1 sealed; its ticket went to the %2.</source>
      <translation>Transação %1 selada; seu ticket foi para: %2.</translation>
    </message>
    <message>
      <source>Transaction %1 sealed; its ticket waits to print: %2</source>
      <translation>Transação %1 selada; seu ticket aguarda impressão: %2</translation>
    </message>
    <message>
      <source>Void transaction %1</source>
      <translation>Anular a transação %1</translation>
    </message>
    <message>
      <source>Why is transaction %1 void? (It stays in the journal, marked VOID.)</source>
      <translation>Por que a transação %1 é anulada? (Ela fica no diário, marcada VOID.)</translation>
    </message>
    <message>
      <source>Correct transaction %1</source>
      <translation>Corrigir a transação %1</translation>
    </message>
    <message>
      <source>Transaction %1 is replaced by one with the form's data and its own records and weights. Why?</source>
      <translation>A transação %1 é substituída por outra com os dados do formulário e seus próprios registros e pesos. Por quê?</translation>
    </message>
    <message>
      <source>VOID (transaction %1)</source>
      <translation>VOID (transação %1)</translation>
    </message>
    <message>
      <source>replaced by %1</source>
      <translation>substituída por %1</translation>
    </message>
    <message>
      <source>closed by %1</source>
      <translation>fechada por %1</translation>
    </message>
    <message>
      <source>%1, in since %2, interim ticket %3</source>
      <translation>%1, dentro desde %2, ticket provisório %3</translation>
    </message>
    <message>
      <source>Transaction %1</source>
      <translation>Transação %1</translation>
    </message>
    <message>
      <source>The journal fails its check: %1. Tickets print marked UNVERIFIED.</source>
      <translation>O diário falha na verificação: %1. Os tickets são impressos marcados UNVERIFIED.</translation>
    </message>
    <message>
      <source>Weighing Desk: %1</source>
      <translation>Posto de pesagem: %1</translation>
    </message>
    <message>
      <source>Import CSV...</source>
      <translation>Importar CSV...</translation>
    </message>
    <message>
      <source>Export CSV...</source>
      <translation>Exportar CSV...</translation>
    </message>
    <message>
      <source>Add a row</source>
      <translation>Adicionar uma linha</translation>
    </message>
    <message>
      <source>Remove the row</source>
      <translation>Remover a linha</translation>
    </message>
    <message>
      <source>Import %1</source>
      <translation>Importar %1</translation>
    </message>
    <message>
      <source>CSV files (*.csv)</source>
      <translation>Arquivos CSV (*.csv)</translation>
    </message>
    <message>
      <source>Export %1</source>
      <translation>Exportar %1</translation>
    </message>
    <message>
      <source>printer %1</source>
      <translation>impressora %1</translation>
    </message>
    <message>
      <source>folder %1</source>
      <translation>pasta %1</translation>
    </message>
    <message>
      <source>nowhere chosen yet</source>
      <translation>nenhum lugar escolhido ainda</translation>
    </message>
    <message>
      <source>no printer or folder is chosen for the tickets (Tickets menu)</source>
      <translation>nenhuma impressora ou pasta foi escolhida para os tickets (menu Tickets)</translation>
    </message>
    <message>
      <source>the printer %1 is not there</source>
      <translation>a impressora %1 não está disponível</translation>
    </message>
    <message>
      <source>the printer %1 cannot print</source>
      <translation>a impressora %1 não consegue imprimir</translation>
    </message>
    <message>
      <source>The weighing desk: transactions on the monitor's records, their tickets printed.</source>
      <translation>O posto de pesagem: transações sobre os registros do monitor, com seus tickets impressos.</translation>
    </message>
    <message>
      <source>The journal (default: the setting).</source>
      <translation>O diário (padrão: a configuração).</translation>
    </message>
    <message>
      <source>Its key (default: the setting).</source>
      <translation>Sua chave (padrão: a configuração).</translation>
    </message>
    <message>
      <source>Print the tickets as PDF files into FOLDER.</source>
      <translation>Imprimir os tickets como arquivos PDF em FOLDER.</translation>
    </message>
    <message>
      <source>%1 transactions, net %2</source>
      <translation>%1 transações, líquido %2</translation>
    </message>
    <message>
      <source>Group</source>
      <translation>Grupo</translation>
    </message>
    <message>
      <source>Sealed</source>
      <translation>Selada</translation>
    </message>
    <message>
      <source>Gross</source>
      <translation>Bruto</translation>
    </message>
    <message>
      <source>Tare</source>
      <translation>Tara</translation>
    </message>
    <message>
      <source>Unit</source>
      <translation>Unidade</translation>
    </message>
    <message>
      <source>Transactions per shift</source>
      <translation>Transações por turno</translation>
    </message>
    <message>
      <source>Transactions per day</source>
      <translation>Transações por dia</translation>
    </message>
    <message>
      <source>Transactions per customer</source>
      <translation>Transações por cliente</translation>
    </message>
    <message>
      <source>Transactions per product</source>
      <translation>Transações por produto</translation>
    </message>
    <message>
      <source>Transactions per vehicle</source>
      <translation>Transações por veículo</translation>
    </message>
    <message>
      <source>no journal at %1: the monitor makes it with its first record</source>
      <translation>não há diário em %1: o monitor o cria com seu primeiro registro</translation>
    </message>
  </context>
  <context>
    <name>Journal</name>
    <message>
      <source>1 record</source>
      <translation>1 registro</translation>
    </message>
    <message>
      <source>%1 records</source>
      <translation>%1 registros</translation>
    </message>
    <message>
      <source>cannot open the journal %1</source>
      <translation>não é possível abrir o diário %1</translation>
    </message>
    <message>
      <source>the journal %1 cannot be put in WAL mode</source>
      <translation>o diário %1 não pode ser posto em modo WAL</translation>
    </message>
    <message>
      <source>no journal at %1</source>
      <translation>nenhum diário em %1</translation>
    </message>
    <message>
      <source>cannot read the journal %1: its write-ahead log %2 holds records, and without a shared-memory file (%3) it can only be read from a folder that can be written: copy the journal with its -wal file to one</source>
      <translation>não é possível ler o diário %1: seu log de escrita antecipada %2 contém registros, e sem arquivo de memória compartilhada (%3) ele só pode ser lido de uma pasta gravável: copie o diário com seu arquivo -wal para uma</translation>
    </message>
    <message>
      <source>not a journal head</source>
      <translation>não é uma testemunha final de diário</translation>
    </message>
    <message>
      <source>not sealed with this key</source>
      <translation>não selado com esta chave</translation>
    </message>
    <message>
      <source>cannot make the key's folder %1</source>
      <translation>não é possível criar a pasta da chave %1</translation>
    </message>
    <message>
      <source>cannot write the key %1: %2</source>
      <translation>não é possível gravar a chave %1: %2</translation>
    </message>
    <message>
      <source>cannot read the key %1: %2</source>
      <translation>não é possível ler a chave %1: %2</translation>
    </message>
    <message>
      <source>the key %1 is not a key: it is larger than %2 bytes</source>
      <translation>a chave %1 não é uma chave: é maior que %2 bytes</translation>
    </message>
    <message>
      <source>the key %1 is not %2 bytes in hex</source>
      <translation>a chave %1 não tem %2 bytes em hexadecimal</translation>
    </message>
    <message>
      <source>no head at %1 (%2)</source>
      <translation>nenhuma testemunha final em %1 (%2)</translation>
    </message>
    <message>
      <source>the head %1 is %2</source>
      <translation>a testemunha final %1 é %2</translation>
    </message>
    <message>
      <source>cannot make the head's folder %1</source>
      <translation>não é possível criar a pasta da testemunha final %1</translation>
    </message>
    <message>
      <source>cannot open the head %1: %2</source>
      <translation>não é possível abrir a testemunha final %1: %2</translation>
    </message>
    <message>
      <source>cannot write the journal's head: %1</source>
      <translation>não é possível gravar a testemunha final do diário: %1</translation>
    </message>
    <message>
      <source>cannot read the journal</source>
      <translation>não é possível ler o diário</translation>
    </message>
    <message>
      <source>the journal gave no answer</source>
      <translation>o diário não deu resposta</translation>
    </message>
    <message>
      <source>cannot read the journal %1</source>
      <translation>não é possível ler o diário %1</translation>
    </message>
    <message>
      <source>%1 is not a record journal of format 1 or %2</source>
      <translation>%1 não é um diário de registros do formato 1 ou %2</translation>
    </message>
    <message>
      <source>cannot read the epoch keys of %1</source>
      <translation>não é possível ler as chaves de época de %1</translation>
    </message>
    <message>
      <source>cannot read the journal %1 through SQLite</source>
      <translation>não é possível ler o diário %1 pelo SQLite</translation>
    </message>
    <message>
      <source>no record %1</source>
      <translation>nenhum registro %1</translation>
    </message>
    <message>
      <source>no record of the journal went to the workbook %1</source>
      <translation>nenhum registro do diário foi para a pasta de trabalho %1</translation>
    </message>
    <message>
      <source>'%1' is not a date (yyyy-MM-dd, optionally with THH:mm[:ss])</source>
      <translation>'%1' não é uma data (yyyy-MM-dd, opcionalmente com THH:mm[:ss])</translation>
    </message>
    <message>
      <source>no journal at %1 and no key at %2: nothing to retire (the monitor makes a new journal at its first record)</source>
      <translation>nenhum diário em %1 nem chave em %2: nada a aposentar (o monitor cria um novo diário no primeiro registro)</translation>
    </message>
    <message>
      <source>the journal %1 is open in process %2: end the monitor (and every viewer) first</source>
      <translation>o diário %1 está aberto no processo %2: encerre primeiro o monitor (e cada visualizador)</translation>
    </message>
    <message>
      <source>cannot retire the journal: %1 exists already</source>
      <translation>não é possível aposentar o diário: %1 já existe</translation>
    </message>
    <message>
      <source>cannot erase the signing secrets of the journal retired: %1 (nothing renamed)</source>
      <translation>não é possível apagar os segredos de assinatura do diário aposentado: %1 (nada renomeado)</translation>
    </message>
    <message>
      <source>cannot rename %1 to %2: %3 (renamed before it: %4)</source>
      <translation>não é possível renomear %1 para %2: %3 (renomeados antes: %4)</translation>
    </message>
    <message>
      <source>cannot write %1: no folder %2</source>
      <translation>não é possível gravar %1: não existe a pasta %2</translation>
    </message>
    <message>
      <source>cannot write %1: %2</source>
      <translation>não é possível gravar %1: %2</translation>
    </message>
    <message>
      <source>%1: refused, it is the record journal's file %2 (nothing written)</source>
      <translation>%1: recusado, é o arquivo %2 do diário de registros (nada gravado)</translation>
    </message>
    <message>
      <source>%1: refused, it bears the name of the record journal's files (a key, a head, a retired journal; nothing written)</source>
      <translation>%1: recusado, tem o nome dos arquivos do diário de registros (uma chave, uma testemunha final, um diário aposentado; nada gravado)</translation>
    </message>
    <message>
      <source>cannot read %1: %2</source>
      <translation>não é possível ler %1: %2</translation>
    </message>
    <message>
      <source>%1 is not a key file: it is larger than %2 bytes</source>
      <translation>%1 não é um arquivo de chave: é maior que %2 bytes</translation>
    </message>
    <message>
      <source>not a verification key of format 2</source>
      <translation>não é uma chave de verificação do formato 2</translation>
    </message>
    <message>
      <source>its root key is not %1 bytes in hex</source>
      <translation>sua chave raiz não tem %1 bytes em hexadecimal</translation>
    </message>
    <message>
      <source>its fingerprint line does not match its key (changed)</source>
      <translation>sua linha de impressão digital não corresponde à sua chave (alterada)</translation>
    </message>
    <message>
      <source>its format line is not signed by its root (changed)</source>
      <translation>sua linha de formato não está assinada por sua raiz (alterada)</translation>
    </message>
    <message>
      <source>the verification key %1</source>
      <translation>a chave de verificação %1</translation>
    </message>
    <message>
      <source>cannot make a signing key: no random source</source>
      <translation>não é possível criar uma chave de assinatura: nenhuma fonte aleatória</translation>
    </message>
    <message>
      <source>cannot make the folder %1</source>
      <translation>não é possível criar a pasta %1</translation>
    </message>
    <message>
      <source>cannot read the signing keys %1: %2</source>
      <translation>não é possível ler as chaves de assinatura %1: %2</translation>
    </message>
    <message>
      <source>the signing keys %1 may be read by others (mode %2): they must be mode 0600</source>
      <translation>as chaves de assinatura %1 podem ser lidas por outros (modo %2): devem ter modo 0600</translation>
    </message>
    <message>
      <source>the signing keys %1 are damaged: </source>
      <translation>as chaves de assinatura %1 estão danificadas: </translation>
    </message>
    <message>
      <source>not signing keys of format 2</source>
      <translation>não são chaves de assinatura do formato 2</translation>
    </message>
    <message>
      <source>line %1 is not an epoch key</source>
      <translation>a linha %1 não é uma chave de época</translation>
    </message>
    <message>
      <source>no epoch keys</source>
      <translation>nenhuma chave de época</translation>
    </message>
    <message>
      <source>cannot erase past signing keys in %1: %2</source>
      <translation>não é possível apagar as chaves de assinatura passadas em %1: %2</translation>
    </message>
    <message>
      <source>the station's clock is %1 epochs ahead of the signing keys' last use (epoch %2, until %3): if the clock is right, a person confirms it with weighstation-records confirm-clock and starts the monitor again; if not, set the clock right</source>
      <translation>o relógio da estação está %1 épocas à frente do último uso das chaves de assinatura (época %2, até %3): se o relógio está certo, uma pessoa confirma com weighstation-records confirm-clock e reinicia o monitor; se não, acerte o relógio</translation>
    </message>
    <message>
      <source>the signing keys end on %1: retire the journal with weighstation-records new-journal before then</source>
      <translation>as chaves de assinatura terminam em %1: aposente o diário com weighstation-records new-journal antes disso</translation>
    </message>
    <message>
      <source>not a weighstation ticket code of format 2</source>
      <translation>não é um código de tíquete weighstation do formato 2</translation>
    </message>
    <message>
      <source>the code is cut or has extra parts (%1 of %2 fields)</source>
      <translation>o código está cortado ou tem partes a mais (%1 de %2 campos)</translation>
    </message>
    <message>
      <source>a part of the code is not what a ticket holds (cut, or a changed character?)</source>
      <translation>uma parte do código não é o que um tíquete contém (cortado, ou um caractere alterado?)</translation>
    </message>
    <message>
      <source>its epoch key is not certified by the verification key %1 (station %2): another station's ticket, or changed</source>
      <translation>sua chave de época não é certificada pela chave de verificação %1 (estação %2): o tíquete de outra estação, ou alterado</translation>
    </message>
    <message>
      <source>it is dated outside the epoch that sealed it</source>
      <translation>está datado fora da época que o selou</translation>
    </message>
    <message>
      <source>its signature does not match what it says (a changed digit?)</source>
      <translation>sua assinatura não corresponde ao que ele diz (um dígito alterado?)</translation>
    </message>
    <message>
      <source>cannot sync %1: %2</source>
      <translation>não é possível sincronizar %1: %2</translation>
    </message>
    <message>
      <source>cannot read the head %1: %2</source>
      <translation>não é possível ler a testemunha final %1: %2</translation>
    </message>
    <message>
      <source>the head %1 is empty</source>
      <translation>a testemunha final %1 está vazia</translation>
    </message>
    <message>
      <source>cannot copy %1 to %2</source>
      <translation>não é possível copiar %1 para %2</translation>
    </message>
    <message>
      <source>cannot name %1 %2: %3</source>
      <translation>não é possível nomear %1 como %2: %3</translation>
    </message>
    <message>
      <source>cannot check %1</source>
      <translation>não é possível verificar %1</translation>
    </message>
    <message>
      <source>%1 does not check intact (%2): %3</source>
      <translation>%1 não se verifica íntegro (%2): %3</translation>
    </message>
    <message>
      <source>%1 is not a backup's manifest</source>
      <translation>%1 não é o manifesto de um backup</translation>
    </message>
    <message>
      <source>%1 is not a whole backup manifest</source>
      <translation>%1 não é um manifesto de backup completo</translation>
    </message>
    <message>
      <source>cannot copy the journal %1 to %2: %3</source>
      <translation>não é possível copiar o diário %1 para %2: %3</translation>
    </message>
    <message>
      <source>the backup folder %1 is missing (is its disk mounted?)</source>
      <translation>a pasta de backup %1 não existe (o disco dela está montado?)</translation>
    </message>
    <message>
      <source>the backup folder %1 is the station's own folder %2</source>
      <translation>a pasta de backup %1 é a própria pasta da estação %2</translation>
    </message>
    <message>
      <source>the last backup is kept; a person looks at it</source>
      <translation>o último backup é mantido; uma pessoa o examina</translation>
    </message>
    <message>
      <source>the copy</source>
      <translation>a cópia</translation>
    </message>
    <message>
      <source>no backup made; verify the journal</source>
      <translation>nenhum backup feito; verifique o diário</translation>
    </message>
    <message>
      <source>the journal holds %1 records, its last backup %2: the last backup is kept; verify the journal</source>
      <translation>o diário contém %1 registros, seu último backup %2: o último backup é mantido; verifique o diário</translation>
    </message>
    <message>
      <source>the last good backup of journal %1 in %2 was made %3</source>
      <translation>o último backup bom do diário %1 em %2 foi feito em %3</translation>
    </message>
    <message>
      <source>journal %1 has no good backup in %2</source>
      <translation>o diário %1 não tem nenhum backup bom em %2</translation>
    </message>
    <message>
      <source>a journal is at %1: a journal is never replaced; move it away first, or retire it with weighstation-records new-journal</source>
      <translation>há um diário em %1: um diário nunca é substituído; mova-o antes, ou aposente-o com weighstation-records new-journal</translation>
    </message>
    <message>
      <source>%1 is not a finished backup</source>
      <translation>%1 não é um backup concluído</translation>
    </message>
    <message>
      <source>the backup was sealed under another verification key (fingerprint %1; the station's is %2)</source>
      <translation>o backup foi selado com outra chave de verificação (impressão digital %1; a da estação é %2)</translation>
    </message>
    <message>
      <source>the backup</source>
      <translation>o backup</translation>
    </message>
    <message>
      <source>nothing restored</source>
      <translation>nada restaurado</translation>
    </message>
    <message>
      <source>cannot write %1</source>
      <translation>não é possível gravar %1</translation>
    </message>
    <message>
      <source>cannot write %1: cannot add a sheet</source>
      <translation>não é possível gravar %1: não é possível adicionar uma planilha</translation>
    </message>
    <message>
      <source>cannot make the journal's folder %1</source>
      <translation>não é possível criar a pasta do diário %1</translation>
    </message>
    <message>
      <source>is missing</source>
      <translation>está ausente</translation>
    </message>
    <message>
      <source>is empty</source>
      <translation>está vazio</translation>
    </message>
    <message>
      <source>is another journal (%1)</source>
      <translation>é outro diário (%1)</translation>
    </message>
    <message>
      <source>the journal %1 %2; its key sealed %3 records of journal %4</source>
      <translation>o diário %1 %2; sua chave selou %3 registros do diário %4</translation>
    </message>
    <message>
      <source>cannot lock the journal</source>
      <translation>não é possível bloquear o diário</translation>
    </message>
    <message>
      <source>cannot set the journal up</source>
      <translation>não é possível preparar o diário</translation>
    </message>
    <message>
      <source>cannot read the journal's identity</source>
      <translation>não é possível ler a identidade do diário</translation>
    </message>
    <message>
      <source>the journal %1 has format '%2', not 1 or %3</source>
      <translation>o diário %1 tem o formato '%2', não 1 nem %3</translation>
    </message>
    <message>
      <source>cannot read the journal's end</source>
      <translation>não é possível ler o fim do diário</translation>
    </message>
    <message>
      <source>the journal %1 ends at seq %2, but its verification key was made for format 2 after seq %3 (another monitor wrote on): start the monitor again</source>
      <translation>o diário %1 termina no nº %2, mas sua chave de verificação foi feita para o formato 2 após o nº %3 (outro monitor continuou gravando): reinicie o monitor</translation>
    </message>
    <message>
      <source>cannot continue the journal in format 2</source>
      <translation>não é possível continuar o diário no formato 2</translation>
    </message>
    <message>
      <source>the signing keys %1 are damaged: epoch %2 is not certified by its root</source>
      <translation>as chaves de assinatura %1 estão danificadas: a época %2 não é certificada por sua raiz</translation>
    </message>
    <message>
      <source>the signing secret of epoch %1 is not in %2</source>
      <translation>o segredo de assinatura da época %1 não está em %2</translation>
    </message>
    <message>
      <source>the journal %1 fails its check: </source>
      <translation>o diário %1 não passa na sua verificação: </translation>
    </message>
    <message>
      <source>the head %1 is not signed by its epoch's key</source>
      <translation>a testemunha final %1 não está assinada pela chave de sua época</translation>
    </message>
    <message>
      <source>no head witnesses its end (%1)</source>
      <translation>nenhuma testemunha final atesta seu fim (%1)</translation>
    </message>
    <message>
      <source>cannot read the journal's epoch keys</source>
      <translation>não é possível ler as chaves de época do diário</translation>
    </message>
    <message>
      <source>cannot prepare the journal's insert</source>
      <translation>não é possível preparar a inserção do diário</translation>
    </message>
    <message>
      <source>cannot prepare the journal's reads</source>
      <translation>não é possível preparar as leituras do diário</translation>
    </message>
    <message>
      <source>the station's signing keys ended on %1: the journal needs new keys (weighstation-records new-journal)</source>
      <translation>as chaves de assinatura da estação terminaram em %1: o diário precisa de novas chaves (weighstation-records new-journal)</translation>
    </message>
    <message>
      <source>cannot write the epoch's key</source>
      <translation>não é possível gravar a chave da época</translation>
    </message>
    <message>
      <source>it is dated %1, before its sealing epoch %2 began (the station's clock went back): the journal's check reports it</source>
      <translation>está datado de %1, antes do início de sua época de selagem %2 (o relógio da estação voltou): a verificação do diário o aponta</translation>
    </message>
    <message>
      <source>its head was not advanced to seq %1: %2</source>
      <translation>sua testemunha final não avançou para o nº %1: %2</translation>
    </message>
    <message>
      <source>cannot write the record</source>
      <translation>não é possível gravar o registro</translation>
    </message>
    <message>
      <source>cannot commit the record</source>
      <translation>não é possível confirmar o registro</translation>
    </message>
    <message>
      <source>cannot read seq %1 back</source>
      <translation>não é possível reler o nº %1</translation>
    </message>
    <message>
      <source>seq %1 read back differs from what was written</source>
      <translation>o nº %1 relido difere do que foi gravado</translation>
    </message>
    <message>
      <source>the journal is not open</source>
      <translation>o diário não está aberto</translation>
    </message>
    <message>
      <source>cannot note the text log</source>
      <translation>não é possível anotar o registro em texto</translation>
    </message>
    <message>
      <source>no journal yet at %1</source>
      <translation>ainda não há diário em %1</translation>
    </message>
    <message>
      <source>the journal %1 has no id</source>
      <translation>o diário %1 não tem identificador</translation>
    </message>
    <message>
      <source>cannot use the journal %1</source>
      <translation>não é possível usar o diário %1</translation>
    </message>
    <message>
      <source>cannot read the shipping cursor</source>
      <translation>não é possível ler o cursor de envio</translation>
    </message>
    <message>
      <source>cannot read the journal's verification key</source>
      <translation>não é possível ler a chave de verificação do diário</translation>
    </message>
    <message>
      <source>no record %1 in the journal</source>
      <translation>nenhum registro %1 no diário</translation>
    </message>
    <message>
      <source>cannot note what was shipped</source>
      <translation>não é possível anotar o que foi enviado</translation>
    </message>
    <message>
      <source>cannot note a shipping problem</source>
      <translation>não é possível anotar um problema de envio</translation>
    </message>
    <message>
      <source>cannot note the last try</source>
      <translation>não é possível anotar a última tentativa</translation>
    </message>
    <message>
      <source>cannot note a record set aside</source>
      <translation>não é possível anotar um registro separado</translation>
    </message>
    <message>
      <source>cannot read the records set aside</source>
      <translation>não é possível ler os registros separados</translation>
    </message>
    <message>
      <source>cannot note a record set aside as shipped</source>
      <translation>não é possível anotar um registro separado como enviado</translation>
    </message>
    <message>
      <source>cannot read the shipping cursors</source>
      <translation>não é possível ler os cursores de envio</translation>
    </message>
    <message>
      <source>cannot read the shipping problems</source>
      <translation>não é possível ler os problemas de envio</translation>
    </message>
    <message>
      <source>ticket NOT genuine: %1</source>
      <translation>tíquete NÃO autêntico: %1</translation>
    </message>
    <message>
      <source>ticket genuine: station %1, seq %2, %3, %4</source>
      <translation>tíquete autêntico: estação %1, nº %2, %3, %4</translation>
    </message>
    <message>
      <source>its records of format 1 need its key</source>
      <translation>seus registros de formato 1 precisam de sua chave</translation>
    </message>
    <message>
      <source>line %1 is not a run's links</source>
      <translation>a linha %1 não é o elo de uma série de chaves</translation>
    </message>
    <message>
      <source>the signing keys %1 cannot certify a next run: the secret of their last epoch %2 is gone</source>
      <translation>as chaves de assinatura %1 não podem certificar uma próxima série: o segredo da sua última época %2 não existe mais</translation>
    </message>
    <message>
      <source>cannot make the journal's transactions</source>
      <translation>não é possível criar a tabela de transações do diário</translation>
    </message>
    <message>
      <source>the journal holds no record to bind</source>
      <translation>o diário não contém nenhum registro para vincular</translation>
    </message>
    <message>
      <source>the journal's last record is of format 1: a transaction needs one of format 2</source>
      <translation>o último registro do diário é do formato 1: uma transação precisa de um do formato 2</translation>
    </message>
    <message>
      <source>cannot write the transaction</source>
      <translation>não é possível gravar a transação</translation>
    </message>
    <message>
      <source>record %1 shows no unit</source>
      <translation>o registro %1 não mostra nenhuma unidade</translation>
    </message>
    <message>
      <source>a tare of %1 %2 is not above zero</source>
      <translation>uma tara de %1 %2 não é maior que zero</translation>
    </message>
    <message>
      <source>the second weighing is in %1, the first in %2</source>
      <translation>a segunda pesagem está em %1, a primeira em %2</translation>
    </message>
    <message>
      <source>the stored tare is in %1, the weighing in %2</source>
      <translation>a tara armazenada está em %1, a pesagem em %2</translation>
    </message>
    <message>
      <source>the stored tare %1 %3 is heavier than the gross %2 %3</source>
      <translation>a tara armazenada %1 %3 é mais pesada que o bruto %2 %3</translation>
    </message>
    <message>
      <source>not a kind of transaction: %1</source>
      <translation>não é um tipo de transação: %1</translation>
    </message>
    <message>
      <source>a net of %1 %2 is not above zero</source>
      <translation>um líquido de %1 %2 não é maior que zero</translation>
    </message>
    <message>
      <source>it closes transaction %1, which is no open first weighing of its vehicle and record</source>
      <translation>fecha a transação %1, que não é uma primeira pesagem aberta do seu veículo e registro</translation>
    </message>
    <message>
      <source>it refers to transaction %1, which is not live</source>
      <translation>refere-se à transação %1, que não está mais vigente</translation>
    </message>
    <message>
      <source>it does not keep the records and weights of transaction %1</source>
      <translation>não mantém os registros e pesos da transação %1</translation>
    </message>
    <message>
      <source>it gives no reason</source>
      <translation>não informa nenhum motivo</translation>
    </message>
    <message>
      <source>it refers to transaction %1, which its kind never does</source>
      <translation>refere-se à transação %1, o que o seu tipo nunca faz</translation>
    </message>
    <message>
      <source>a void binds no record</source>
      <translation>uma anulação não vincula nenhum registro</translation>
    </message>
    <message>
      <source>record %1 is not in the journal as the transaction copied it</source>
      <translation>o registro %1 não está no diário como a transação o copiou</translation>
    </message>
    <message>
      <source>record %1 is bound to transaction %2 already</source>
      <translation>o registro %1 já está vinculado à transação %2</translation>
    </message>
    <message>
      <source>it binds other records than its kind does</source>
      <translation>vincula outros registros que os do seu tipo</translation>
    </message>
    <message>
      <source>its stored tare %1 is not a valid tare of its vehicle at the weighing</source>
      <translation>sua tara armazenada %1 não é uma tara válida do seu veículo na pesagem</translation>
    </message>
    <message>
      <source>its weights %1/%2/%3 %4 do not follow from its records (%5/%6/%7 %8)</source>
      <translation>seus pesos %1/%2/%3 %4 não decorrem de seus registros (%5/%6/%7 %8)</translation>
    </message>
    <message>
      <source>out of its place, after transaction %1</source>
      <translation>fora do seu lugar, após a transação %1</translation>
    </message>
    <message>
      <source>it names no station or time</source>
      <translation>não indica nenhuma estação ou hora</translation>
    </message>
    <message>
      <source>its seal does not match its contents and the transaction before</source>
      <translation>seu selo não corresponde ao seu conteúdo e à transação anterior</translation>
    </message>
    <message>
      <source>its seal is not signed by its epoch's key</source>
      <translation>seu selo não está assinado pela chave da sua época</translation>
    </message>
    <message>
      <source>it is dated %1, outside its sealing epoch %2</source>
      <translation>está datada de %1, fora da sua época de selagem %2</translation>
    </message>
    <message>
      <source>the journal's transactions fail their check: %1</source>
      <translation>as transações do diário falham na verificação: %1</translation>
    </message>
    <message>
      <source>ticket genuine: station %1, transaction %2 (%3), %4, vehicle %5, records %6, gross %7 tare %8 net %9</source>
      <translation>ticket autêntico: estação %1, transação %2 (%3), %4, veículo %5, registros %6, bruto %7 tara %8 líquido %9</translation>
    </message>
  </context>
  <context>
    <name>MainWindow</name>
    <message>
      <source>SCALE 1</source>
      <translation>BALANÇA 1</translation>
    </message>
    <message>
      <source>Serial 1 Settings</source>
      <translation>Porta serial 1</translation>
    </message>
    <message>
      <source>SCALE 2</source>
      <translation>BALANÇA 2</translation>
    </message>
    <message>
      <source>Serial 2 Settings</source>
      <translation>Porta serial 2</translation>
    </message>
    <message>
      <source>SCALE 3</source>
      <translation>BALANÇA 3</translation>
    </message>
    <message>
      <source>Serial 3 Settings</source>
      <translation>Porta serial 3</translation>
    </message>
    <message>
      <source>+</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>.</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>GROSS</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>KG</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Overload</source>
      <translation>Excesso</translation>
    </message>
    <message>
      <source>Zero</source>
      <translation>Zero</translation>
    </message>
    <message>
      <source>Tare
Net</source>
      <translation>Tara
Líq.</translation>
    </message>
    <message>
      <source>Gross</source>
      <translation>Bruto</translation>
    </message>
    <message>
      <source>COM PORT:</source>
      <translation>PORTA:</translation>
    </message>
    <message>
      <source>Connect</source>
      <translation>Conectar</translation>
    </message>
    <message>
      <source>STATUS:</source>
      <translation>ESTADO:</translation>
    </message>
    <message>
      <source>Not Connected</source>
      <translation>Desconectado</translation>
    </message>
    <message>
      <source>Korvel Weigh Station</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Exit</source>
      <translation>Sair</translation>
    </message>
    <message>
      <source>Current Time &amp;&amp; Date</source>
      <translation>Hora &amp;&amp; data</translation>
    </message>
    <message>
      <source>TextLabel</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Data Log</source>
      <translation>Registro</translation>
    </message>
    <message>
      <source>Sensitivity</source>
      <translation>Sensib.</translation>
    </message>
    <message>
      <source>Count:</source>
      <translation>Qtd.:</translation>
    </message>
    <message>
      <source>0</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Select File</source>
      <translation>Escolher</translation>
    </message>
    <message>
      <source>Start Text File Log</source>
      <translation>Registro em texto</translation>
    </message>
    <message>
      <source>Under Limit</source>
      <translation>Lim. inf.</translation>
    </message>
    <message>
      <source>Over Limit</source>
      <translation>Lim. sup.</translation>
    </message>
    <message>
      <source>10000</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Start Excel File Log</source>
      <translation>Registro em Excel</translation>
    </message>
    <message>
      <source> RECORD
NOW</source>
      <translation> GRAVAR
AGORA</translation>
    </message>
    <message>
      <source>TOTAL =</source>
      <translation>TOTAL =</translation>
    </message>
    <message>
      <source>File</source>
      <translation>Arquivo</translation>
    </message>
    <message>
      <source>Connected</source>
      <translation>Conectado</translation>
    </message>
  </context>
  <context>
    <name>Printouts</name>
    <message>
      <source>These are the weigh station monitor's own records, not an instrument's verified printout.</source>
      <translation>Estes são os registros próprios do monitor da estação de pesagem, não a impressão verificada de um instrumento.</translation>
    </message>
    <message>
      <source>Journal checked: intact, seq %1..%2</source>
      <translation>Diário verificado: íntegro, nº %1..%2</translation>
    </message>
    <message>
      <source>Journal checked: intact, no records</source>
      <translation>Diário verificado: íntegro, sem registros</translation>
    </message>
    <message>
      <source>Journal checked: records intact, seq %1..%2; its end not witnessed</source>
      <translation>Diário verificado: registros íntegros, nº %1..%2; seu fim não atestado</translation>
    </message>
    <message>
      <source>UNVERIFIED: the journal fails its check at seq %1</source>
      <translation>NÃO VERIFICADO: o diário falha na verificação no nº %1</translation>
    </message>
    <message>
      <source>UNVERIFIED: check not finished</source>
      <translation>NÃO VERIFICADO: verificação não concluída</translation>
    </message>
    <message>
      <source>Seq</source>
      <translation>Nº</translation>
    </message>
    <message>
      <source>Date</source>
      <translation>Data</translation>
    </message>
    <message>
      <source>Time</source>
      <translation>Hora</translation>
    </message>
    <message>
      <source>Station</source>
      <translation>Estação</translation>
    </message>
    <message>
      <source>Total</source>
      <translation>Total</translation>
    </message>
    <message>
      <source>Unit</source>
      <translation>Unidade</translation>
    </message>
    <message>
      <source>Net/Gross</source>
      <translation>Líquido/Bruto</translation>
    </message>
    <message>
      <source>Scale 1</source>
      <translation>Balança 1</translation>
    </message>
    <message>
      <source>Scale 2</source>
      <translation>Balança 2</translation>
    </message>
    <message>
      <source>Scale 3</source>
      <translation>Balança 3</translation>
    </message>
    <message>
      <source>Verification</source>
      <translation>Verificação</translation>
    </message>
    <message>
      <source>day: %1</source>
      <translation>dia: %1</translation>
    </message>
    <message>
      <source>total: %1</source>
      <translation>total: %1</translation>
    </message>
    <message>
      <source>Printed %1</source>
      <translation>Impresso %1</translation>
    </message>
    <message>
      <source>Scale</source>
      <translation>Balança</translation>
    </message>
    <message>
      <source>Gross</source>
      <translation>Bruto</translation>
    </message>
    <message>
      <source>Tare</source>
      <translation>Tara</translation>
    </message>
    <message>
      <source>Net</source>
      <translation>Líquido</translation>
    </message>
    <message>
      <source>Scale %1</source>
      <translation>Balança %1</translation>
    </message>
    <message>
      <source>not connected</source>
      <translation>não conectada</translation>
    </message>
    <message>
      <source>Limits: over %1 %3, under %2 %3</source>
      <translation>Limites: acima de %1 %3, abaixo de %2 %3</translation>
    </message>
    <message>
      <source>Verification code: %1</source>
      <translation>Código de verificação: %1</translation>
    </message>
    <message>
      <source>Operator</source>
      <translation>Operador</translation>
    </message>
    <message>
      <source>Signature</source>
      <translation>Assinatura</translation>
    </message>
    <message>
      <source>Weighing ticket</source>
      <translation>Ticket de pesagem</translation>
    </message>
    <message>
      <source>Station: %1</source>
      <translation>Estação: %1</translation>
    </message>
    <message>
      <source>Seq: %1</source>
      <translation>Nº: %1</translation>
    </message>
    <message>
      <source>Date and time: %1</source>
      <translation>Data e hora: %1</translation>
    </message>
    <message>
      <source>Weighing report</source>
      <translation>Relatório de pesagens</translation>
    </message>
    <message>
      <source>Period: %1</source>
      <translation>Período: %1</translation>
    </message>
    <message>
      <source>page %1 of %2</source>
      <translation>página %1 de %2</translation>
    </message>
    <message>
      <source>No records match</source>
      <translation>Nenhum registro corresponde</translation>
    </message>
    <message>
      <source>all records</source>
      <translation>todos os registros</translation>
    </message>
    <message>
      <source>up to %1</source>
      <translation>até %1</translation>
    </message>
    <message>
      <source>from %1</source>
      <translation>a partir de %1</translation>
    </message>
    <message>
      <source>%1 to %2</source>
      <translation>%1 a %2</translation>
    </message>
    <message>
      <source>Interim weighing ticket</source>
      <translation>Ticket de pesagem provisório</translation>
    </message>
    <message>
      <source>Tare ticket</source>
      <translation>Ticket de tara</translation>
    </message>
    <message>
      <source>Void notice</source>
      <translation>Aviso de anulação</translation>
    </message>
    <message>
      <source>Vehicle: %1</source>
      <translation>Veículo: %1</translation>
    </message>
    <message>
      <source>Container: %1</source>
      <translation>Contêiner: %1</translation>
    </message>
    <message>
      <source>Customer: %1</source>
      <translation>Cliente: %1</translation>
    </message>
    <message>
      <source>Product: %1</source>
      <translation>Produto: %1</translation>
    </message>
    <message>
      <source>Haulier: %1</source>
      <translation>Transportadora: %1</translation>
    </message>
    <message>
      <source>Reference: %1</source>
      <translation>Referência: %1</translation>
    </message>
    <message>
      <source>Direction: %1</source>
      <translation>Direção: %1</translation>
    </message>
    <message>
      <source>inbound</source>
      <translation>de entrada</translation>
    </message>
    <message>
      <source>outbound</source>
      <translation>de saída</translation>
    </message>
    <message>
      <source>Operator: %1</source>
      <translation>Operador: %1</translation>
    </message>
    <message>
      <source>Note: %1</source>
      <translation>Observação: %1</translation>
    </message>
    <message>
      <source>Reason: %1</source>
      <translation>Motivo: %1</translation>
    </message>
    <message>
      <source>Transaction: %1</source>
      <translation>Transação: %1</translation>
    </message>
    <message>
      <source>Weighing: seq %1, %2, %3</source>
      <translation>Pesagem: nº %1, %2, %3</translation>
    </message>
    <message>
      <source>First weighing: seq %1, %2, %3</source>
      <translation>Primeira pesagem: nº %1, %2, %3</translation>
    </message>
    <message>
      <source>Second weighing: seq %1, %2, %3</source>
      <translation>Segunda pesagem: nº %1, %2, %3</translation>
    </message>
    <message>
      <source>Tare stored on transaction %1, valid until %2</source>
      <translation>Tara armazenada na transação %1, válida até %2</translation>
    </message>
    <message>
      <source>Voids transaction %1</source>
      <translation>Anula a transação %1</translation>
    </message>
    <message>
      <source>Replaces the ticket of transaction %1</source>
      <translation>Substitui o ticket da transação %1</translation>
    </message>
    <message>
      <source>Tare: %1</source>
      <translation>Tara: %1</translation>
    </message>
    <message>
      <source>Valid until %1</source>
      <translation>Válida até %1</translation>
    </message>
    <message>
      <source>VOID (transaction %1)</source>
      <translation>VOID (transação %1)</translation>
    </message>
    <message>
      <source>REPLACED by transaction %1</source>
      <translation>SUBSTITUÍDA pela transação %1</translation>
    </message>
    <message>
      <source>Interim ticket: %1</source>
      <translation>Ticket provisório: %1</translation>
    </message>
    <message>
      <source>Sealed %1</source>
      <translation>Selada em %1</translation>
    </message>
    <message>
      <source>Total: %1</source>
      <translation>Total: %1</translation>
    </message>
    <message>
      <source>Voided and replaced, not summed</source>
      <translation>Anuladas e substituídas, não somadas</translation>
    </message>
  </context>
  <context>
    <name>Publishing</name>
    <message>
      <source>%1: the connection was lost (%2)</source>
      <translation>%1: a conexão foi perdida (%2)</translation>
    </message>
    <message>
      <source>%1 did not take record seq %2 (%3); the records from it on wait and are sent again every minute</source>
      <translation>%1 não aceitou o registro nº %2 (%3); os registros a partir dele aguardam e são reenviados a cada minuto</translation>
    </message>
    <message>
      <source>%1 is set, but '%2' is not mqtts:// (TLS)</source>
      <translation>%1 está definido, mas '%2' não é mqtts:// (TLS)</translation>
    </message>
    <message>
      <source>%1: cannot read %2</source>
      <translation>%1: não é possível ler %2</translation>
    </message>
    <message>
      <source>the topic prefix in '%1' is not one to publish to (no '#', '+', NUL or empty level)</source>
      <translation>o prefixo de tópico em '%1' não serve para publicar (sem '#', '+', NUL ou nível vazio)</translation>
    </message>
    <message>
      <source>'%1' is not mqtt://[user@]host[:port][/prefix]</source>
      <translation>'%1' não é mqtt://[usuário@]host[:porta][/prefixo]</translation>
    </message>
    <message>
      <source>'%1' is neither mqtt:// nor mqtts://</source>
      <translation>'%1' não é nem mqtt:// nem mqtts://</translation>
    </message>
    <message>
      <source>a password in the URI is refused; give it in WEIGHSTATION_MQTT_PASSWORD_FILE</source>
      <translation>uma senha na URI é recusada; informe-a em WEIGHSTATION_MQTT_PASSWORD_FILE</translation>
    </message>
    <message>
      <source>'%1' has a query or fragment, which it does not take</source>
      <translation>'%1' tem uma consulta ou fragmento, que não aceita</translation>
    </message>
    <message>
      <source>the topic prefix '%1' is not one to publish to (no '#', '+', NUL or empty level)</source>
      <translation>o prefixo de tópico '%1' não serve para publicar (sem '#', '+', NUL ou nível vazio)</translation>
    </message>
    <message>
      <source>%1 did not take transaction %2 (%3); it is sent again</source>
      <translation>%1 não aceitou a transação %2 (%3); ela é enviada de novo</translation>
    </message>
  </context>
  <context>
    <name>Records</name>
    <message>
      <source>The journal (default: $WEIGHSTATION_JOURNAL or ~/.local/share/weighstation/journal.sqlite).</source>
      <translation>O diário (padrão: $WEIGHSTATION_JOURNAL ou ~/.local/share/weighstation/journal.sqlite).</translation>
    </message>
    <message>
      <source>Its key (default: $WEIGHSTATION_JOURNAL_KEY or ~/.config/weighstation/journal.key).</source>
      <translation>Sua chave (padrão: $WEIGHSTATION_JOURNAL_KEY ou ~/.config/weighstation/journal.key).</translation>
    </message>
    <message>
      <source>The head that witnesses its end (default: beside the key).</source>
      <translation>A testemunha final (head) que atesta seu fim (padrão: ao lado da chave).</translation>
    </message>
    <message>
      <source>takes %1, not %2 (try --help)</source>
      <translation>aceita %1, não %2 (veja --help)</translation>
    </message>
    <message>
      <source>no arguments</source>
      <translation>nenhum argumento</translation>
    </message>
    <message>
      <source>one argument</source>
      <translation>um argumento</translation>
    </message>
    <message>
      <source>%1 arguments</source>
      <translation>%1 argumentos</translation>
    </message>
    <message>
      <source>Records taken from this local date (yyyy-MM-dd, optionally THH:mm[:ss]) on.</source>
      <translation>Registros a partir desta data local (yyyy-MM-dd, opcionalmente THH:mm[:ss]).</translation>
    </message>
    <message>
      <source>Records taken up to the end of this local date.</source>
      <translation>Registros até o fim desta data local.</translation>
    </message>
    <message>
      <source>--from %1 is not before --to %2</source>
      <translation>--from %1 não é anterior a --to %2</translation>
    </message>
    <message>
      <source>'%1' is not a range of seq numbers A-B</source>
      <translation>'%1' não é um intervalo de números A-B</translation>
    </message>
    <message>
      <source>Read the site's central database (postgresql:// URI) instead of the journal.</source>
      <translation>Ler o banco de dados central do local (URI postgresql://) em vez do diário.</translation>
    </message>
    <message>
      <source>Only the journals of this station.</source>
      <translation>Somente os diários desta estação.</translation>
    </message>
    <message>
      <source>Only this journal.</source>
      <translation>Somente este diário.</translation>
    </message>
    <message>
      <source>cannot check the journal</source>
      <translation>não é possível verificar o diário</translation>
    </message>
    <message>
      <source>cannot write %1: its folder is missing or not writable</source>
      <translation>não é possível gravar %1: a pasta não existe ou não permite gravação</translation>
    </message>
    <message>
      <source>cannot reach %1</source>
      <translation>não é possível alcançar %1</translation>
    </message>
    <message>
      <source>the records viewer, "Weigh Station Records"</source>
      <translation>o visualizador de registros, "Weigh Station Records"</translation>
    </message>
    <message>
      <source>check every record, the chain and the end</source>
      <translation>verificar cada registro, a cadeia e o fim</translation>
    </message>
    <message>
      <source>the records as CSV or .xlsx</source>
      <translation>os registros como CSV ou .xlsx</translation>
    </message>
    <message>
      <source>rebuild the last workbook that went to FILE</source>
      <translation>reconstruir a última pasta de trabalho gravada em FILE</translation>
    </message>
    <message>
      <source>a record's weighing ticket, as a PDF</source>
      <translation>o tíquete de pesagem de um registro, em PDF</translation>
    </message>
    <message>
      <source>a report of the records, as a PDF</source>
      <translation>um relatório dos registros, em PDF</translation>
    </message>
    <message>
      <source>a station's journals in the central database</source>
      <translation>os diários de uma estação no banco central</translation>
    </message>
    <message>
      <source>the central records, of one station or all</source>
      <translation>os registros centrais, de uma estação ou de todas</translation>
    </message>
    <message>
      <source>the SQL of the central tables, for a DBA</source>
      <translation>o SQL das tabelas centrais, para um DBA</translation>
    </message>
    <message>
      <source>every setting in force and where it came from</source>
      <translation>cada configuração em vigor e sua origem</translation>
    </message>
    <message>
      <source>retire the journal, its key and heads (renamed, kept); the monitor then starts a new journal</source>
      <translation>aposentar o diário, sua chave e testemunhas (renomeados, mantidos); o monitor então inicia um novo diário</translation>
    </message>
    <message>
      <source>Views, verifies, lists, exports and recovers the monitor's record journal.</source>
      <translation>Mostra, verifica, lista, exporta e recupera o diário de registros do monitor.</translation>
    </message>
    <message>
      <source>Commands:</source>
      <translation>Comandos:</translation>
    </message>
    <message>
      <source>The commands that read the journal take --journal PATH, --key PATH and --head PATH
(those they use); each command's --help lists its own options.
Exit codes: 0 done, 1 the journal does not verify, 2 cannot be done.</source>
      <translation>Os comandos que leem o diário aceitam --journal PATH, --key PATH e --head PATH
(os que usam); --help de cada comando lista suas opções.
Códigos de saída: 0 feito, 1 o diário não se verifica, 2 não é possível.</translation>
    </message>
    <message>
      <source>Opens the records viewer over the journal, read-only.</source>
      <translation>Abre o visualizador de registros sobre o diário, somente leitura.</translation>
    </message>
    <message>
      <source>Prints every setting in force: key, value, and where it came from (default, system file, user file, environment).</source>
      <translation>Mostra cada configuração em vigor: chave, valor e origem (default, system file, user file, environment).</translation>
    </message>
    <message>
      <source>Prints the SQL that creates the central tables, for a database administrator who creates them by hand.</source>
      <translation>Mostra o SQL que cria as tabelas centrais, para um administrador que as cria à mão.</translation>
    </message>
    <message>
      <source>Retires the journal, its key and its heads (renamed with the journal's id, nothing deleted), so that the monitor starts a new journal with a new key at its next record.</source>
      <translation>Aposenta o diário, sua chave e suas testemunhas (renomeados com o identificador do diário, nada é apagado), para que o monitor inicie um novo diário com uma nova chave no próximo registro.</translation>
    </message>
    <message>
      <source>Only the newest N.</source>
      <translation>Somente os N mais recentes.</translation>
    </message>
    <message>
      <source>--last takes a number above 0</source>
      <translation>--last aceita um número maior que 0</translation>
    </message>
    <message>
      <source>Exports records to CSV or .xlsx; a journal that does not verify is refused unless --unverified is given.</source>
      <translation>Exporta registros para CSV ou .xlsx; um diário que não se verifica é recusado, salvo com --unverified.</translation>
    </message>
    <message>
      <source>Only seq A to B.</source>
      <translation>Somente os números A a B.</translation>
    </message>
    <message>
      <source>Write CSV to FILE.</source>
      <translation>Gravar CSV em FILE.</translation>
    </message>
    <message>
      <source>Write .xlsx to FILE.</source>
      <translation>Gravar .xlsx em FILE.</translation>
    </message>
    <message>
      <source>Export a journal that does not verify, marked as such.</source>
      <translation>Exportar um diário que não se verifica, marcado como tal.</translation>
    </message>
    <message>
      <source>export takes one of --csv FILE and --xlsx FILE</source>
      <translation>export aceita um de --csv FILE e --xlsx FILE</translation>
    </message>
    <message>
      <source>Rebuilds, from the journal, the workbook of the last spreadsheet-log session that went to FILE, as its stop would have saved it.</source>
      <translation>Reconstrói, a partir do diário, a pasta de trabalho da última sessão de registro em planilha gravada em FILE, como sua parada a teria salvo.</translation>
    </message>
    <message>
      <source>The workbook's file name.</source>
      <translation>O nome de arquivo da pasta de trabalho.</translation>
    </message>
    <message>
      <source>Write the workbook here (default: FILE, if it does not exist).</source>
      <translation>Gravar a pasta de trabalho aqui (padrão: FILE, se não existir).</translation>
    </message>
    <message>
      <source>Rebuild from a journal that does not verify.</source>
      <translation>Reconstruir a partir de um diário que não se verifica.</translation>
    </message>
    <message>
      <source>%1 exists: give --output OUT for the rebuilt workbook</source>
      <translation>%1 existe: informe --output OUT para a pasta reconstruída</translation>
    </message>
    <message>
      <source>Write the PDF to FILE.</source>
      <translation>Gravar o PDF em FILE.</translation>
    </message>
    <message>
      <source>takes --pdf FILE</source>
      <translation>aceita --pdf FILE</translation>
    </message>
    <message>
      <source>Prints the weighing ticket of one record to a PDF file, with the journal's check result; a record the check does not vouch for is refused unless --unverified is given, and then marked.</source>
      <translation>Imprime o tíquete de pesagem de um registro em um arquivo PDF, com o resultado da verificação do diário; um registro que a verificação não garante é recusado, salvo com --unverified, e então marcado.</translation>
    </message>
    <message>
      <source>The record.</source>
      <translation>O registro.</translation>
    </message>
    <message>
      <source>Print a record the journal's check does not vouch for, marked UNVERIFIED.</source>
      <translation>Imprimir um registro que a verificação não garante, marcado UNVERIFIED.</translation>
    </message>
    <message>
      <source>ticket takes --seq N, a record's seq</source>
      <translation>ticket aceita --seq N, o número de um registro</translation>
    </message>
    <message>
      <source>no record %1 in the journal</source>
      <translation>nenhum registro %1 no diário</translation>
    </message>
    <message>
      <source>Prints a report of the records to a PDF file: a line a record, day subtotals and totals, the journal's check result on every page. A journal that fails its check gives a report marked UNVERIFIED, and exit code 1.</source>
      <translation>Imprime um relatório dos registros em um arquivo PDF: uma linha por registro, subtotais por dia e totais, o resultado da verificação do diário em cada página. Um diário que falha na verificação gera um relatório marcado UNVERIFIED e o código de saída 1.</translation>
    </message>
    <message>
      <source>Only this station's records.</source>
      <translation>Somente os registros desta estação.</translation>
    </message>
    <message>
      <source>Settings</source>
      <translation>Configurações</translation>
    </message>
    <message>
      <source>The station's verification key, for records of format 2 (default: beside the key, journal.verification-key).</source>
      <translation>A chave de verificação da estação, para registros do formato 2 (padrão: ao lado da chave, journal.verification-key).</translation>
    </message>
    <message>
      <source>Writes the station's verification key (public: it checks records of format 2 and tickets, and seals nothing) and prints the station, the journal and the key's fingerprint, for a person to register and compare.</source>
      <translation>Grava a chave de verificação da estação (pública: verifica registros do formato 2 e tíquetes, e não sela nada) e mostra a estação, o diário e a impressão digital da chave, para registrar e comparar.</translation>
    </message>
    <message>
      <source>Write the key to FILE (default: only print).</source>
      <translation>Gravar a chave em FILE (padrão: só mostrar).</translation>
    </message>
    <message>
      <source>the station's public key that checks its seals</source>
      <translation>a chave pública da estação que verifica seus selos</translation>
    </message>
    <message>
      <source>check a ticket's QR code with the verification key</source>
      <translation>verificar o código QR de um tíquete com a chave de verificação</translation>
    </message>
    <message>
      <source>the journal, and its central copy against it</source>
      <translation>o diário, e sua cópia central comparada com ele</translation>
    </message>
    <message>
      <source>trust a station's verification key centrally</source>
      <translation>confiar centralmente na chave de verificação de uma estação</translation>
    </message>
    <message>
      <source>The SQL that upgrades central tables of an earlier version (--from, default 1: keyed by station and seq) to this version, for their owner.</source>
      <translation>O SQL que atualiza tabelas centrais de uma versão anterior (--from, padrão 1: chaveadas por estação e seq) para esta versão, para o seu dono.</translation>
    </message>
    <message>
      <source>Registers a station's verification key by its fingerprint in the central database, once a person has compared it with the station's: central checks trust only the verification keys registered.</source>
      <translation>Registra a chave de verificação de uma estação pela sua impressão digital no banco central, depois que uma pessoa a comparou com a da estação: as verificações centrais só confiam nas chaves registradas.</translation>
    </message>
    <message>
      <source>The central database (postgresql:// URI).</source>
      <translation>O banco de dados central (URI postgresql://).</translation>
    </message>
    <message>
      <source>The station.</source>
      <translation>A estação.</translation>
    </message>
    <message>
      <source>Its verification key's fingerprint.</source>
      <translation>A impressão digital da sua chave de verificação.</translation>
    </message>
    <message>
      <source>Also compare the journal with its copy in the central database (postgresql:// URI): every central record equal to the local one, the journal not shorter.</source>
      <translation>Comparar também o diário com sua cópia no banco central (URI postgresql://): cada registro central igual ao local, o diário não mais curto.</translation>
    </message>
    <message>
      <source>Checks a ticket's QR code offline, with the station's verification key alone: the code's text as an argument, or --image with a photo or scan of the ticket.</source>
      <translation>Verifica o código QR de um tíquete sem rede, só com a chave de verificação da estação: o texto do código como argumento, ou --image com uma foto ou digitalização do tíquete.</translation>
    </message>
    <message>
      <source>A photo or scan of the ticket (PNG, JPEG).</source>
      <translation>Uma foto ou digitalização do tíquete (PNG, JPEG).</translation>
    </message>
    <message>
      <source>--page-size takes A4, A5, A6, Letter or Roll80, not '%1'</source>
      <translation>--page-size aceita A4, A5, A6, Letter ou Roll80, não '%1'</translation>
    </message>
    <message>
      <source>none</source>
      <translation>nenhum</translation>
    </message>
    <message>
      <source>one line per record, checked</source>
      <translation>uma linha por registro, verificada</translation>
    </message>
    <message>
      <source>UNVERIFIED: not checked (--unchecked); every record is marked</source>
      <translation>UNVERIFIED: não verificado (--unchecked); cada registro é marcado</translation>
    </message>
    <message>
      <source>UNVERIFIED: cannot check the journal (%1); every record is marked</source>
      <translation>UNVERIFIED: não é possível verificar o diário (%1); cada registro é marcado</translation>
    </message>
    <message>
      <source>Lists the journal's records, after checking the journal: a record the check does not trust is marked UNVERIFIED.</source>
      <translation>Lista os registros do diário após verificá-lo: um registro em que a verificação não confia é marcado UNVERIFIED.</translation>
    </message>
    <message>
      <source>Lists without checking: every record is marked.</source>
      <translation>Lista sem verificar: cada registro é marcado.</translation>
    </message>
    <message>
      <source>the station's clock is right after it moved far ahead: the monitor seals again</source>
      <translation>o relógio da estação está certo depois de adiantar muito: o monitor volta a selar</translation>
    </message>
    <message>
      <source>Confirms that the station's clock is right after it moved far ahead of the signing keys' last use: erases the secrets of every epoch before now, so that the monitor seals again once started again. Run it only once the clock was checked.</source>
      <translation>Confirma que o relógio da estação está certo depois de adiantar muito além do último uso das chaves de assinatura: apaga os segredos de cada época antes de agora, para que o monitor volte a selar ao ser reiniciado. Execute somente depois de verificar o relógio.</translation>
    </message>
    <message>
      <source>Copies the journal (SQLite's online backup, while the monitor records), its head and its verification key into DIR/&lt;journal id&gt;, checks the copy, and only then replaces the last backup there. The signing keys are never copied.</source>
      <translation>Copia o diário (backup on-line do SQLite, enquanto o monitor registra), seu cabeçalho e sua chave de verificação para DIR/&lt;id do diário&gt;, verifica a cópia e só então substitui o último backup ali. As chaves de assinatura nunca são copiadas.</translation>
    </message>
    <message>
      <source>The backup folder DIR (default: the setting backup_folder); it must exist: a missing folder is a disk not mounted.</source>
      <translation>A pasta de backup DIR (padrão: a configuração backup_folder); ela deve existir: uma pasta ausente é um disco não montado.</translation>
    </message>
    <message>
      <source>no backup folder: give --to DIR or set backup_folder</source>
      <translation>nenhuma pasta de backup: informe --to DIR ou defina backup_folder</translation>
    </message>
    <message>
      <source>backed up journal %1 (%2 records, checked intact) to %3</source>
      <translation>backup do diário %1 feito (%2 registros, verificados íntegros) em %3</translation>
    </message>
    <message>
      <source>Puts the backup in DIR/&lt;journal id&gt; back as the journal, once it checks intact with its own head and verification key; never over a journal.</source>
      <translation>Restaura o backup em DIR/&lt;id do diário&gt; como diário, depois de verificado íntegro com seu próprio cabeçalho e chave de verificação; nunca sobre um diário.</translation>
    </message>
    <message>
      <source>The backup's folder, DIR/&lt;journal id&gt;.</source>
      <translation>A pasta do backup, DIR/&lt;id do diário&gt;.</translation>
    </message>
    <message>
      <source>give the backup with --from DIR/ID</source>
      <translation>informe o backup com --from DIR/ID</translation>
    </message>
    <message>
      <source>restored journal %1 (%2 records, backed up %3) to %4</source>
      <translation>diário %1 restaurado (%2 registros, backup de %3) em %4</translation>
    </message>
    <message>
      <source>the station's key sealed %1 records after the backup: they are not in it; the monitor refuses to record until a person retires this journal with weighstation-records new-journal</source>
      <translation>a chave da estação selou %1 registros depois do backup: eles não estão nele; o monitor não registra até que uma pessoa aposente este diário com weighstation-records new-journal</translation>
    </message>
    <message>
      <source>a checked copy of the journal, its head and verification key in DIR/&lt;journal id&gt;</source>
      <translation>uma cópia verificada do diário, seu cabeçalho e chave de verificação em DIR/&lt;id do diário&gt;</translation>
    </message>
    <message>
      <source>put a checked backup back where no journal is</source>
      <translation>restaurar um backup verificado onde não há diário</translation>
    </message>
    <message>
      <source>registered the verification key %1 for station %2</source>
      <translation>chave de verificação %1 registrada para a estação %2</translation>
    </message>
    <message>
      <source>it is the verification key sent with journal %1</source>
      <translation>é a chave de verificação enviada com o diário %1</translation>
    </message>
    <message>
      <source>central copy agrees: %1 of journal %2</source>
      <translation>a cópia central confere: %1 do diário %2</translation>
    </message>
    <message>
      <source>central copy agrees: %1 of station %2 in journal %3</source>
      <translation>a cópia central confere: %1 da estação %2 no diário %3</translation>
    </message>
    <message>
      <source>1 record</source>
      <translation>1 registro</translation>
    </message>
    <message>
      <source>%1 records</source>
      <translation>%1 registros</translation>
    </message>
    <message>
      <source>exported %1 to %2 on %3 sheets</source>
      <translation>exportação de %1 para %2 concluída, em %3 planilhas</translation>
    </message>
    <message>
      <source>exported %1 to %2</source>
      <translation>exportação de %1 para %2 concluída</translation>
    </message>
    <message>
      <source>rebuilt %1 rows of %2 into %3</source>
      <translation>%1 linhas de %2 reconstruídas em %3</translation>
    </message>
    <message>
      <source>retired journal %1:</source>
      <translation>diário %1 aposentado:</translation>
    </message>
    <message>
      <source>the monitor starts a new journal with a new key at its next record</source>
      <translation>o monitor começa um novo diário com uma nova chave no próximo registro</translation>
    </message>
    <message>
      <source>seq %1 is not printed: %2 (--unverified prints it marked UNVERIFIED)</source>
      <translation>o nº %1 não é impresso: %2 (--unverified o imprime marcado NÃO VERIFICADO)</translation>
    </message>
    <message>
      <source>printed the ticket of seq %1 to %2</source>
      <translation>ticket do nº %1 impresso em %2</translation>
    </message>
    <message>
      <source>printed the ticket of seq %1 to %2 (marked UNVERIFIED)</source>
      <translation>ticket do nº %1 impresso em %2 (marcado NÃO VERIFICADO)</translation>
    </message>
    <message>
      <source>station %1</source>
      <translation>estação %1</translation>
    </message>
    <message>
      <source>printed the report (%1: %2) to %3</source>
      <translation>relatório (%1: %2) impresso em %3</translation>
    </message>
    <message>
      <source>printed the report (%1: %2) to %3 (marked UNVERIFIED)</source>
      <translation>relatório (%1: %2) impresso em %3 (marcado NÃO VERIFICADO)</translation>
    </message>
    <message>
      <source>'%1' is not a date (yyyy-MM-dd, optionally with THH:mm[:ss])</source>
      <translation>'%1' não é uma data (yyyy-MM-dd, opcionalmente com THH:mm[:ss])</translation>
    </message>
    <message>
      <source>Checks every record's mac, the chain, the sequence and the journal's end; with --central, a station's chain in the central database (without --station or --journal-id: every journal there, each by the key registered for its station).</source>
      <translation>Verifica o MAC de cada registro, a cadeia, a sequência e o fim do diário; com --central, a cadeia de uma estação no banco central (sem --station nem --journal-id: cada diário de lá, cada um pela chave registrada para sua estação).</translation>
    </message>
    <message>
      <source>%1: %2 of %3 pages</source>
      <translation>%1: %2 de %3 páginas</translation>
    </message>
    <message>
      <source>copying</source>
      <translation>copiando</translation>
    </message>
    <message>
      <source>restoring</source>
      <translation>restaurando</translation>
    </message>
    <message>
      <source>the central database holds no records of journal %1</source>
      <translation>o banco central não contém registros do diário %1</translation>
    </message>
    <message>
      <source>the central database holds no records of station %1</source>
      <translation>o banco central não contém registros da estação %1</translation>
    </message>
    <message>
      <source>the central database holds no records</source>
      <translation>o banco central não contém registros</translation>
    </message>
    <message>
      <source>exported</source>
      <translation>exportado</translation>
    </message>
    <message>
      <source>--from takes a version from 1 to %1</source>
      <translation>--from exige uma versão de 1 a %1</translation>
    </message>
    <message>
      <source>central-register takes --station NAME and --fingerprint XXXX-XXXX-XXXX-XXXX (16 hex digits)</source>
      <translation>central-register exige --station NOME e --fingerprint XXXX-XXXX-XXXX-XXXX (16 dígitos hexadecimais)</translation>
    </message>
    <message>
      <source>no verification key sent for station %1 matches it yet (%2); central checks trust it once the station ships records sealed with it</source>
      <translation>nenhuma chave de verificação enviada para a estação %1 corresponde ainda (%2); as verificações centrais confiam nela assim que a estação enviar registros selados com ela</translation>
    </message>
    <message>
      <source>none was sent</source>
      <translation>nenhuma foi enviada</translation>
    </message>
    <message>
      <source>sent: %1</source>
      <translation>enviadas: %1</translation>
    </message>
    <message>
      <source>verify --central checks every journal by the verification key registered for its station; with a key or a journal of your own it takes --station NAME or --journal-id ID: a chain is a journal's</source>
      <translation>verify --central verifica cada diário pela chave de verificação registrada para sua estação; com uma chave ou um diário seu, exige --station NOME ou --journal-id ID: uma cadeia é de um diário</translation>
    </message>
    <message>
      <source>checking: %1 of %2 records</source>
      <translation>verificando: %1 de %2 registros</translation>
    </message>
    <message>
      <source>... and %1 more problems</source>
      <translation>... e mais %1 problemas</translation>
    </message>
    <message>
      <source>the journal does not verify (%1); nothing %2 (--unverified writes it marked as unverified)</source>
      <translation>o diário não passa na verificação (%1); nada %2 (--unverified o grava marcado como não verificado)</translation>
    </message>
    <message>
      <source>exporting: %1 of %2 records (%3%)</source>
      <translation>exportando: %1 de %2 registros (%3%)</translation>
    </message>
    <message>
      <source>rebuilt</source>
      <translation>reconstruído</translation>
    </message>
    <message>
      <source>cannot write %1: %2</source>
      <translation>não é possível gravar %1: %2</translation>
    </message>
    <message>
      <source>the clock (%1) is outside the signing keys' run; nothing erased</source>
      <translation>o relógio (%1) está fora do período das chaves de assinatura; nada apagado</translation>
    </message>
    <message>
      <source>unknown command '%1' (try --help)</source>
      <translation>comando desconhecido '%1' (tente --help)</translation>
    </message>
    <message>
      <source>the weighing desk's transactions: single, tare, stored-tare, open, close, void, correct, list</source>
      <translation>as transações do posto de pesagem: single, tare, stored-tare, open, close, void, correct, list</translation>
    </message>
    <message>
      <source>the desk's vehicles, customers and products; CSV in and out</source>
      <translation>os veículos, clientes e produtos do posto; CSV de entrada e saída</translation>
    </message>
    <message>
      <source>The vehicle's registration.</source>
      <translation>A placa do veículo.</translation>
    </message>
    <message>
      <source>The vehicle's container (its stored tare's).</source>
      <translation>O contêiner do veículo (o da sua tara armazenada).</translation>
    </message>
    <message>
      <source>The customer.</source>
      <translation>O cliente.</translation>
    </message>
    <message>
      <source>The product.</source>
      <translation>O produto.</translation>
    </message>
    <message>
      <source>The haulier.</source>
      <translation>A transportadora.</translation>
    </message>
    <message>
      <source>The order or reference number.</source>
      <translation>O número do pedido ou de referência.</translation>
    </message>
    <message>
      <source>A first weighing's direction: in or out.</source>
      <translation>A direção de uma primeira pesagem: in (entrada) ou out (saída).</translation>
    </message>
    <message>
      <source>The operator (a supervisor to void or correct).</source>
      <translation>O operador (um supervisor para anular ou corrigir).</translation>
    </message>
    <message>
      <source>A note on the transaction.</source>
      <translation>Uma observação sobre a transação.</translation>
    </message>
    <message>
      <source>The second weighing's interim ticket code, or its registration.</source>
      <translation>O código do ticket provisório da segunda pesagem, ou sua placa.</translation>
    </message>
    <message>
      <source>Why a transaction is voided or corrected.</source>
      <translation>Por que uma transação é anulada ou corrigida.</translation>
    </message>
    <message>
      <source>gross %1 tare %2 net %3 %4</source>
      <translation>bruto %1 tara %2 líquido %3 %4</translation>
    </message>
    <message>
      <source>tare %1 %2 until %3</source>
      <translation>tara %1 %2 até %3</translation>
    </message>
    <message>
      <source>on transaction %1</source>
      <translation>sobre a transação %1</translation>
    </message>
    <message>
      <source>VOID (transaction %1)</source>
      <translation>VOID (transação %1)</translation>
    </message>
    <message>
      <source>replaced by transaction %1</source>
      <translation>substituída pela transação %1</translation>
    </message>
    <message>
      <source>closed by transaction %1</source>
      <translation>fechada pela transação %1</translation>
    </message>
    <message>
      <source>on site, interim ticket %1</source>
      <translation>no pátio, ticket provisório %1</translation>
    </message>
    <message>
      <source>Seals a weighing desk's transaction on the journal's records, or lists them. ACTION: single, tare (store a vehicle's tare), stored-tare, open (a first weighing), close (its second), void, correct, list. Weights are never typed: they follow from the records.</source>
      <translation>Sela uma transação do posto de pesagem sobre os registros do diário, ou as lista. ACTION: single, tare (armazenar a tara de um veículo), stored-tare, open (uma primeira pesagem), close (a segunda), void, correct, list. Os pesos nunca são digitados: decorrem dos registros.</translation>
    </message>
    <message>
      <source>What to do.</source>
      <translation>O que fazer.</translation>
    </message>
    <message>
      <source>The record (its seq) weighed.</source>
      <translation>O registro pesado (seu número).</translation>
    </message>
    <message>
      <source>The transaction to void or correct.</source>
      <translation>A transação a anular ou corrigir.</translation>
    </message>
    <message>
      <source>List only the vehicles on site.</source>
      <translation>Listar só os veículos no pátio.</translation>
    </message>
    <message>
      <source>%1 needs --transaction SEQ</source>
      <translation>%1 precisa de --transaction SEQ</translation>
    </message>
    <message>
      <source>%1 needs --record SEQ</source>
      <translation>%1 precisa de --record SEQ</translation>
    </message>
    <message>
      <source>no action %1 (try --help)</source>
      <translation>não existe a ação %1 (tente --help)</translation>
    </message>
    <message>
      <source>The weighing desk's vehicles, customers and products. TABLE: vehicles, customers, products. ACTION: list, add VALUES..., remove KEY, import FILE, export FILE (CSV, a header line of the columns first).</source>
      <translation>Os veículos, clientes e produtos do posto de pesagem. TABLE: vehicles, customers, products. ACTION: list, add VALUES..., remove KEY, import FILE, export FILE (CSV, primeiro uma linha de cabeçalho com as colunas).</translation>
    </message>
    <message>
      <source>The table.</source>
      <translation>A tabela.</translation>
    </message>
    <message>
      <source>no table %1: vehicles, customers or products</source>
      <translation>não existe a tabela %1: vehicles, customers ou products</translation>
    </message>
    <message>
      <source>%1 rows of %2 imported</source>
      <translation>%1 linhas de %2 importadas</translation>
    </message>
    <message>
      <source>a transaction's ticket, as a PDF</source>
      <translation>o ticket de uma transação, em PDF</translation>
    </message>
    <message>
      <source>Prints the ticket of a weighing desk's transaction to a PDF file, with the journal's check result; refused when the journal fails its check unless --unverified is given, and then marked.</source>
      <translation>Imprime o ticket de uma transação do posto de pesagem num arquivo PDF, com o resultado da verificação do diário; recusado se o diário falhar na verificação, salvo com --unverified, e então marcado.</translation>
    </message>
    <message>
      <source>The transaction.</source>
      <translation>A transação.</translation>
    </message>
    <message>
      <source>Print it though the journal fails its check, marked UNVERIFIED.</source>
      <translation>Imprimi-lo mesmo que o diário falhe na verificação, marcado UNVERIFIED.</translation>
    </message>
    <message>
      <source>transaction-ticket takes --transaction N</source>
      <translation>transaction-ticket recebe --transaction N</translation>
    </message>
    <message>
      <source>transaction %1 is not printed: %2 (--unverified prints it marked UNVERIFIED)</source>
      <translation>a transação %1 não é impressa: %2 (--unverified a imprime marcada UNVERIFIED)</translation>
    </message>
    <message>
      <source>no transaction %1 in the journal</source>
      <translation>não existe a transação %1 no diário</translation>
    </message>
    <message>
      <source>printed the ticket of transaction %1 to %2</source>
      <translation>ticket da transação %1 impresso em %2</translation>
    </message>
    <message>
      <source>the transactions per shift, day, customer, product or vehicle</source>
      <translation>as transações por turno, dia, cliente, produto ou veículo</translation>
    </message>
    <message>
      <source>A report of the weighing desk's transactions: per shift, day, customer, product or vehicle, each group's count and net sums per unit, the voided and replaced ones apart; as a PDF (with the journal's check result) or a CSV or .xlsx table.</source>
      <translation>Um relatório das transações do posto de pesagem: por turno, dia, cliente, produto ou veículo, com a contagem e as somas líquidas por unidade de cada grupo, as anuladas e substituídas à parte; em PDF (com o resultado da verificação do diário) ou como tabela CSV ou .xlsx.</translation>
    </message>
    <message>
      <source>shift, day (the default), customer, product or vehicle.</source>
      <translation>shift, day (padrão), customer, product ou vehicle.</translation>
    </message>
    <message>
      <source>Write a CSV table to FILE.</source>
      <translation>Gravar uma tabela CSV em FILE.</translation>
    </message>
    <message>
      <source>Write an .xlsx table to FILE.</source>
      <translation>Gravar uma tabela .xlsx em FILE.</translation>
    </message>
    <message>
      <source>--by takes shift, day, customer, product or vehicle, not '%1'</source>
      <translation>--by recebe shift, day, customer, product ou vehicle, não "%1"</translation>
    </message>
    <message>
      <source>desk_shifts is not a list of times HH:mm: '%1'</source>
      <translation>desk_shifts não é uma lista de horas HH:mm: "%1"</translation>
    </message>
    <message>
      <source>wrote %1 to %2</source>
      <translation>%1 gravado em %2</translation>
    </message>
    <message>
      <source>The version of the tables to upgrade (1 to 4).</source>
      <translation>A versão das tabelas a atualizar (1 a 4).</translation>
    </message>
  </context>
  <context>
    <name>Settings</name>
    <message>
      <source>not a whole number</source>
      <translation>não é um número inteiro</translation>
    </message>
    <message>
      <source>not from %1 to %2</source>
      <translation>não está entre %1 e %2</translation>
    </message>
    <message>
      <source>not a file name</source>
      <translation>não é um nome de arquivo</translation>
    </message>
    <message>
      <source>not an absolute path (start it with / or ~/)</source>
      <translation>não é um caminho absoluto (comece-o com / ou ~/)</translation>
    </message>
    <message>
      <source>not a setting (key = value)</source>
      <translation>não é uma configuração (chave = valor)</translation>
    </message>
    <message>
      <source>holds a NUL byte; it is not used</source>
      <translation>contém um byte NUL; não é usado</translation>
    </message>
    <message>
      <source>a quote is left open; it is not used</source>
      <translation>uma aspa ficou aberta; não é usado</translation>
    </message>
    <message>
      <source>%1: %2; its settings are not used</source>
      <translation>%1: %2; suas configurações não são usadas</translation>
    </message>
    <message>
      <source>a link to nothing (or a loop of links)</source>
      <translation>um link para nada (ou um laço de links)</translation>
    </message>
    <message>
      <source>cannot be read</source>
      <translation>não pode ser lido</translation>
    </message>
    <message>
      <source>not a plain file</source>
      <translation>não é um arquivo comum</translation>
    </message>
    <message>
      <source>larger than a settings file (1 MiB)</source>
      <translation>maior que um arquivo de configurações (1 MiB)</translation>
    </message>
    <message>
      <source>; the %1 is used</source>
      <translation>; é usado %1</translation>
    </message>
    <message>
      <source>default</source>
      <translation>o padrão</translation>
    </message>
    <message>
      <source>default (%1)</source>
      <translation>o padrão (%1)</translation>
    </message>
    <message>
      <source>%1: cannot be read; its settings are not used</source>
      <translation>%1: não pode ser lido; suas configurações não são usadas</translation>
    </message>
    <message>
      <source>%1: not a settings file (lines of key = value); its settings are not used</source>
      <translation>%1: não é um arquivo de configurações (linhas chave = valor); suas configurações não são usadas</translation>
    </message>
    <message>
      <source>%1: %2 = "%3": no such setting; it is not used</source>
      <translation>%1: %2 = "%3": não existe essa configuração; não é usada</translation>
    </message>
    <message>
      <source>%1 = "%2": no such setting; it is not used</source>
      <translation>%1 = "%2": não existe essa configuração; não é usada</translation>
    </message>
  </context>
  <context>
    <name>Verifier</name>
    <message>
      <source>seq %1: missing</source>
      <translation>nº %1: ausente</translation>
    </message>
    <message>
      <source>seq %1: missing, and the %2 after it</source>
      <translation>nº %1: ausente, e os %2 seguintes</translation>
    </message>
    <message>
      <source>seq %1: its mac does not match its contents and the record before (changed, moved, inserted or sealed with another key)</source>
      <translation>nº %1: seu MAC não corresponde ao seu conteúdo e ao registro anterior (alterado, movido, inserido ou selado com outra chave)</translation>
    </message>
    <message>
      <source>seq %1: its seal is not a seal of format 2 (%2)</source>
      <translation>nº %1: seu selo não é um selo do formato 2 (%2)</translation>
    </message>
    <message>
      <source>seq %1: its seal does not match its contents and the record before (changed, moved or inserted)</source>
      <translation>nº %1: seu selo não corresponde ao seu conteúdo e ao registro anterior (alterado, movido ou inserido)</translation>
    </message>
    <message>
      <source>seq %1: sealed in epoch %2 after a record of epoch %3 (an epoch never goes back)</source>
      <translation>nº %1: selado na época %2 após um registro da época %3 (uma época nunca volta)</translation>
    </message>
    <message>
      <source>seq %1: its epoch %2 has no key certified by the verification key</source>
      <translation>nº %1: sua época %2 não tem chave certificada pela chave de verificação</translation>
    </message>
    <message>
      <source>seq %1: dated %2, outside its sealing epoch %3 (%4 to %5): sealed later than its time, or the station's clock went back</source>
      <translation>nº %1: datado de %2, fora de sua época de selagem %3 (%4 a %5): selado depois de sua hora, ou o relógio da estação voltou</translation>
    </message>
    <message>
      <source>seq %1: its signature does not match (forged, changed, or sealed with another station's keys)</source>
      <translation>nº %1: sua assinatura não corresponde (falsificado, alterado ou selado com as chaves de outra estação)</translation>
    </message>
    <message>
      <source>the head %1 is not signed by a key of the journal's epochs</source>
      <translation>a testemunha final %1 não está assinada por uma chave das épocas do diário</translation>
    </message>
    <message>
      <source>the head %1 witnesses another journal</source>
      <translation>a testemunha final %1 atesta outro diário</translation>
    </message>
    <message>
      <source>seq %1: missing at the end: the journal ends at seq %2, its head witnessed seq %3 (records removed, or an older copy put back)</source>
      <translation>nº %1: ausente no fim: o diário termina no nº %2, sua testemunha final atestava o nº %3 (registros removidos, ou uma cópia mais antiga reposta)</translation>
    </message>
    <message>
      <source>seq %1: not the record its head witnessed</source>
      <translation>nº %1: não é o registro que sua testemunha final atestava</translation>
    </message>
    <message>
      <source>the %1 cannot be read: %2</source>
      <translation>%1 não pode ser lido: %2</translation>
    </message>
    <message>
      <source>%4 %1: %2 in %3, a value of the wrong kind</source>
      <translation>%4 %1: %2 em %3, um valor do tipo errado</translation>
    </message>
    <message>
      <source>the text log notes cannot be read: %1</source>
      <translation>as notas do registro em texto não podem ser lidas: %1</translation>
    </message>
    <message>
      <source>seq %1: its text log note's signature does not match</source>
      <translation>nº %1: a assinatura de sua nota do registro em texto não corresponde</translation>
    </message>
    <message>
      <source>seq %1: its text log note does not match</source>
      <translation>nº %1: sua nota do registro em texto não corresponde</translation>
    </message>
    <message>
      <source>the journal's schema cannot be read: %1</source>
      <translation>o esquema do diário não pode ser lido: %1</translation>
    </message>
    <message>
      <source>the journal's schema defines the %1 %2 otherwise than a journal's: %3</source>
      <translation>o esquema do diário define %1 %2 de outro modo que um diário: %3</translation>
    </message>
    <message>
      <source>the journal's schema holds a %1 %2 that is not a journal's</source>
      <translation>o esquema do diário contém %1 %2 que não é de um diário</translation>
    </message>
    <message>
      <source>the journal's records cannot be read: %1</source>
      <translation>os registros do diário não podem ser lidos: %1</translation>
    </message>
    <message>
      <source>a row of %1 outside the journal's sequence, at seq %2</source>
      <translation>uma linha de %1 fora da sequência do diário, no nº %2</translation>
    </message>
    <message>
      <source>seq %1: its text log note is missing</source>
      <translation>nº %1: sua nota do registro em texto está ausente</translation>
    </message>
    <message>
      <source>the epoch keys cannot be read: %1</source>
      <translation>as chaves de época não podem ser lidas: %1</translation>
    </message>
    <message>
      <source>epoch key %1 is not certified by the verification key %2 (station %3)</source>
      <translation>a chave de época %1 não é certificada pela chave de verificação %2 (estação %3)</translation>
    </message>
    <message>
      <source>the journal's identity cannot be read: %1</source>
      <translation>a identidade do diário não pode ser lida: %1</translation>
    </message>
    <message>
      <source>the journal names another verification key than the one given (%1)</source>
      <translation>o diário nomeia outra chave de verificação que a fornecida (%1)</translation>
    </message>
    <message>
      <source>the transition from format 1 cannot be read: %1</source>
      <translation>a transição do formato 1 não pode ser lida: %1</translation>
    </message>
    <message>
      <source>the transition to format 2 after seq %1 is not sealed with format 1's key</source>
      <translation>a transição para o formato 2 após o nº %1 não está selada com a chave do formato 1</translation>
    </message>
    <message>
      <source>the transition to format 2 names the verification key %1, not the one given (%2)</source>
      <translation>a transição para o formato 2 nomeia a chave de verificação %1, não a fornecida (%2)</translation>
    </message>
    <message>
      <source>the journal has more than one transition from format 1</source>
      <translation>o diário tem mais de uma transição do formato 1</translation>
    </message>
    <message>
      <source>seq %1: the journal says it is of format %2, but its verification key seals every record after seq %3 in format 2</source>
      <translation>nº %1: o diário diz ser do formato %2, mas sua chave de verificação sela cada registro após o nº %3 no formato 2</translation>
    </message>
    <message>
      <source>the journal's transition from format 1 is after seq %1, but its verification key binds it after seq %2</source>
      <translation>a transição do diário do formato 1 está após o nº %1, mas sua chave de verificação a fixa após o nº %2</translation>
    </message>
    <message>
      <source>the key also sealed %1 of journal %2 (head %3): a journal of this key is missing or was replaced</source>
      <translation>a chave também selou %1 do diário %2 (testemunha final %3): um diário desta chave está ausente ou foi substituído</translation>
    </message>
    <message>
      <source>the check did not finish</source>
      <translation>a verificação não terminou</translation>
    </message>
    <message>
      <source>it fails its check</source>
      <translation>não passa na sua verificação</translation>
    </message>
    <message>
      <source>no key at %1</source>
      <translation>nenhuma chave em %1</translation>
    </message>
    <message>
      <source>seq %1</source>
      <translation>nº %1</translation>
    </message>
    <message>
      <source>seq %1..%2</source>
      <translation>nº %1..%2</translation>
    </message>
    <message>
      <source>the journal cannot be read: %1</source>
      <translation>o diário não pode ser lido: %1</translation>
    </message>
    <message>
      <source>the journal's file is damaged: %1</source>
      <translation>o arquivo do diário está danificado: %1</translation>
    </message>
    <message>
      <source>%1: format 1, with the key %2</source>
      <translation>%1: formato 1, com a chave %2</translation>
    </message>
    <message>
      <source>%1: format 2, with the verification key %2 (station %3)</source>
      <translation>%1: formato 2, com a chave de verificação %2 (estação %3)</translation>
    </message>
    <message>
      <source>records of format 1 are checked with its key: %1</source>
      <translation>os registros do formato 1 são verificados com sua chave: %1</translation>
    </message>
    <message>
      <source>cancelled</source>
      <translation>cancelado</translation>
    </message>
    <message>
      <source>seq %1: out of its place, after seq %2</source>
      <translation>nº %1: fora do seu lugar, depois do nº %2</translation>
    </message>
    <message>
      <source>seq %1: its text log note, which the head witnessed, is missing or changed</source>
      <translation>nº %1: sua nota do log de texto, atestada pela testemunha final, está ausente ou foi alterada</translation>
    </message>
    <message>
      <source>transaction %1, which the head witnessed, is missing or changed</source>
      <translation>a transação %1, atestada pelo cabeçalho, está faltando ou foi alterada</translation>
    </message>
    <message>
      <source>the journal's transactions cannot be read: %1</source>
      <translation>as transações do diário não podem ser lidas: %1</translation>
    </message>
    <message>
      <source>transaction %1: a value of the wrong kind</source>
      <translation>transação %1: um valor do tipo errado</translation>
    </message>
    <message>
      <source>transaction %1: %2</source>
      <translation>transação %1: %2</translation>
    </message>
  </context>
  <context>
    <name>Viewer</name>
    <message>
      <source>No records match</source>
      <translation>Nenhum registro corresponde</translation>
    </message>
    <message>
      <source>Totals of the newest %1 of %2 records</source>
      <translation>Totais dos %1 mais recentes de %2 registros</translation>
    </message>
    <message>
      <source>Totals of %1 records</source>
      <translation>Totais de %1 registros</translation>
    </message>
    <message>
      <source>Over Limit</source>
      <translation>Lim. sup.</translation>
    </message>
    <message>
      <source>Under Limit</source>
      <translation>Lim. inf.</translation>
    </message>
    <message>
      <source>Total</source>
      <translation>Total</translation>
    </message>
    <message>
      <source>Total (%1)</source>
      <translation>Total (%1)</translation>
    </message>
    <message>
      <source>%1 (%2): %3, last shipped %4%5</source>
      <translation>%1 (%2): %3, último enviado %4%5</translation>
    </message>
    <message>
      <source>all shipped</source>
      <translation>tudo enviado</translation>
    </message>
    <message>
      <source>%1 records waiting</source>
      <translation>%1 registros aguardando</translation>
    </message>
    <message>
      <source>, %1 problems (see the monitor's output)</source>
      <translation>, %1 problemas (veja a saída do monitor)</translation>
    </message>
    <message>
      <source>Central records</source>
      <translation>Registros centrais</translation>
    </message>
    <message>
      <source>Checking the journal...</source>
      <translation>Verificando o diário...</translation>
    </message>
    <message>
      <source>Journal intact: %1 records</source>
      <translation>Diário íntegro: %1 registros</translation>
    </message>
    <message>
      <source>Journal broken at seq %1: %2</source>
      <translation>Diário violado no nº %1: %2</translation>
    </message>
    <message>
      <source>Journal broken: %1</source>
      <translation>Diário violado: %1</translation>
    </message>
    <message>
      <source>Journal not checked: %1</source>
      <translation>Diário não verificado: %1</translation>
    </message>
    <message>
      <source>Weigh Station Records</source>
      <translation>Estação de pesagem – registros</translation>
    </message>
    <message>
      <source>Records</source>
      <translation>Registros</translation>
    </message>
    <message>
      <source>The selected record's text log block</source>
      <translation>O bloco do registro em texto do registro escolhido</translation>
    </message>
    <message>
      <source>From</source>
      <translation>De</translation>
    </message>
    <message>
      <source>To</source>
      <translation>Até</translation>
    </message>
    <message>
      <source>Text in the total line or the record</source>
      <translation>Texto da linha do total ou do registro</translation>
    </message>
    <message>
      <source>&amp;File</source>
      <translation>&amp;Arquivo</translation>
    </message>
    <message>
      <source>Export CSV...</source>
      <translation>Exportar CSV...</translation>
    </message>
    <message>
      <source>Export xlsx...</source>
      <translation>Exportar xlsx...</translation>
    </message>
    <message>
      <source>Print Ticket...</source>
      <translation>Imprimir tíquete...</translation>
    </message>
    <message>
      <source>Save Ticket as PDF...</source>
      <translation>Salvar tíquete como PDF...</translation>
    </message>
    <message>
      <source>Print Report...</source>
      <translation>Imprimir relatório...</translation>
    </message>
    <message>
      <source>Save Report as PDF...</source>
      <translation>Salvar relatório como PDF...</translation>
    </message>
    <message>
      <source>Quit</source>
      <translation>Sair</translation>
    </message>
    <message>
      <source>counting...</source>
      <translation>contando...</translation>
    </message>
    <message>
      <source>cannot count the records</source>
      <translation>não é possível contar os registros</translation>
    </message>
    <message>
      <source>%1 cancelled: nothing written</source>
      <translation>%1 cancelado: nada gravado</translation>
    </message>
    <message>
      <source>Export</source>
      <translation>Exportação</translation>
    </message>
    <message>
      <source>%1

Export the records marked as UNVERIFIED?</source>
      <translation>%1

Exportar os registros marcados como UNVERIFIED?</translation>
    </message>
    <message>
      <source>Export records</source>
      <translation>Exportar registros</translation>
    </message>
    <message>
      <source>CSV files (*.csv)</source>
      <translation>Arquivos CSV (*.csv)</translation>
    </message>
    <message>
      <source>Excel files (*.xlsx)</source>
      <translation>Arquivos Excel (*.xlsx)</translation>
    </message>
    <message>
      <source>Exporting records to %1...</source>
      <translation>Exportando registros para %1...</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Cancelar</translation>
    </message>
    <message>
      <source>Exported %1 records to %2</source>
      <translation>%1 registros exportados para %2</translation>
    </message>
    <message>
      <source>Ticket</source>
      <translation>Tíquete</translation>
    </message>
    <message>
      <source>%1.

Print the ticket of seq %2 marked as UNVERIFIED?</source>
      <translation>%1.

Imprimir o tíquete do nº %2 marcado como UNVERIFIED?</translation>
    </message>
    <message>
      <source>Select a record first.</source>
      <translation>Escolha um registro primeiro.</translation>
    </message>
    <message>
      <source>Save ticket</source>
      <translation>Salvar tíquete</translation>
    </message>
    <message>
      <source>PDF files (*.pdf)</source>
      <translation>Arquivos PDF (*.pdf)</translation>
    </message>
    <message>
      <source>Save report</source>
      <translation>Salvar relatório</translation>
    </message>
    <message>
      <source>Report</source>
      <translation>Relatório</translation>
    </message>
    <message>
      <source>, refused: seq %1 (tried again at each start)</source>
      <translation>, recusados: nº %1 (tentados de novo a cada início)</translation>
    </message>
    <message>
      <source>Journal records intact: %1 records; its end not witnessed (%2)</source>
      <translation>Registros do diário íntegros: %1 registros; seu fim não testemunhado (%2)</translation>
    </message>
    <message>
      <source>%1 (%2): not yet shipped: %3 records, last try: %4</source>
      <translation>%1 (%2): ainda não enviados: %3 registros, última tentativa: %4</translation>
    </message>
    <message>
      <source>Seq</source>
      <translation>Nº</translation>
    </message>
    <message>
      <source>Date and time</source>
      <translation>Data e hora</translation>
    </message>
    <message>
      <source>Station</source>
      <translation>Estação</translation>
    </message>
    <message>
      <source>Scale %1 gross</source>
      <translation>Balança %1 bruto</translation>
    </message>
    <message>
      <source>Scale %1 net</source>
      <translation>Balança %1 líquido</translation>
    </message>
    <message>
      <source>Scale %1 tare</source>
      <translation>Balança %1 tara</translation>
    </message>
    <message>
      <source>1 record</source>
      <translation>1 registro</translation>
    </message>
    <message>
      <source>%1 records</source>
      <translation>%1 registros</translation>
    </message>
    <message>
      <source>%1, summed %2</source>
      <translation>%1, soma %2</translation>
    </message>
  </context>
</TS>
