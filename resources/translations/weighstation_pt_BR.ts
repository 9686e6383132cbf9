<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
      <source>Scale %1 %2</source>
      <translation>Balança %1 %2</translation>
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
  </context>
</TS>
