<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
  <context>
    <name>Central</name>
    <message>
      <source>the central column %1 is not of the type the journal's records are kept in</source>
      <translation>la columna central %1 no es del tipo en que se guardan los registros del diario</translation>
    </message>
    <message>
      <source>the central column %1 holds a value of another size</source>
      <translation>la columna central %1 contiene un valor de otro tamaño</translation>
    </message>
    <message>
      <source>cannot read the central records</source>
      <translation>no se pueden leer los registros centrales</translation>
    </message>
    <message>
      <source>a damaged one (%1)</source>
      <translation>una dañada (%1)</translation>
    </message>
    <message>
      <source>%1 of station %2</source>
      <translation>%1 de la estación %2</translation>
    </message>
    <message>
      <source>the verification key %1 (journal %2) is not registered for station %3: a person who compared it registers it with weighstation-records central-register --station %3 --fingerprint %4</source>
      <translation>la clave de verificación %1 (diario %2) no está registrada para la estación %3: una persona que la comparó la registra con weighstation-records central-register --station %3 --fingerprint %4</translation>
    </message>
    <message>
      <source>seq %1: not in the central copy (refused by it, or removed there)</source>
      <translation>n.º %1: no está en la copia central (rechazado por ella, o quitado allí)</translation>
    </message>
    <message>
      <source>the journal %1 holds no record of station %2 (its records are of: %3)</source>
      <translation>el diario %1 no contiene ningún registro de la estación %2 (sus registros son de: %3)</translation>
    </message>
    <message>
      <source>seq %1: in the central copy, not in the journal</source>
      <translation>n.º %1: en la copia central, no en el diario</translation>
    </message>
    <message>
      <source>seq %1: differs from the central copy</source>
      <translation>n.º %1: difiere de la copia central</translation>
    </message>
    <message>
      <source>cannot read the central copy</source>
      <translation>no se puede leer la copia central</translation>
    </message>
    <message>
      <source>the journal ends at seq %1, its central copy at seq %2 (records removed, or an older journal and head put back)</source>
      <translation>el diario termina en el n.º %1, su copia central en el n.º %2 (registros quitados, o un diario y testigo más antiguos repuestos)</translation>
    </message>
    <message>
      <source>'%1' is not a postgresql:// connection URI</source>
      <translation>'%1' no es una URI de conexión postgresql://</translation>
    </message>
    <message>
      <source>'%1' in the URI %2 cannot be passed to the server's connection (a name of letters and '_', a value without ';')</source>
      <translation>'%1' en la URI %2 no se puede pasar a la conexión del servidor (un nombre de letras y '_', un valor sin ';')</translation>
    </message>
    <message>
      <source>(not a URI)</source>
      <translation>(no es una URI)</translation>
    </message>
    <message>
      <source>no PostgreSQL driver (QPSQL) is installed</source>
      <translation>no hay ningún controlador PostgreSQL (QPSQL) instalado</translation>
    </message>
    <message>
      <source>cannot %1</source>
      <translation>falló: %1</translation>
    </message>
    <message>
      <source>cannot read the central tables</source>
      <translation>no se pueden leer las tablas centrales</translation>
    </message>
    <message>
      <source>the central database has no weigh_records table: its owner creates the tables with weighstation-records central-sql (a station never does)</source>
      <translation>la base central no tiene tabla weigh_records: su propietario crea las tablas con weighstation-records central-sql (nunca una estación)</translation>
    </message>
    <message>
      <source>the central table weigh_records has no weigh_schema_version beside it</source>
      <translation>la tabla central weigh_records no tiene weigh_schema_version al lado</translation>
    </message>
    <message>
      <source>the central tables have a newer version (%1) than this program's (%2)</source>
      <translation>las tablas centrales tienen una versión más nueva (%1) que este programa (%2)</translation>
    </message>
    <message>
      <source>upgrade the central tables from version %1 (their owner can run weighstation-records central-sql --upgrade)</source>
      <translation>actualizar las tablas centrales desde la versión %1 (su propietario puede ejecutar weighstation-records central-sql --upgrade)</translation>
    </message>
    <message>
      <source>not a PostgreSQL connection (%1)</source>
      <translation>no es una conexión PostgreSQL (%1)</translation>
    </message>
    <message>
      <source>cannot read the central epoch keys</source>
      <translation>no se pueden leer las claves de época centrales</translation>
    </message>
    <message>
      <source>cannot send the epoch keys</source>
      <translation>no se pueden enviar las claves de época</translation>
    </message>
    <message>
      <source>cannot claim journal %1</source>
      <translation>no se puede reclamar el diario %1</translation>
    </message>
    <message>
      <source>cannot read the owner of journal %1</source>
      <translation>no se puede leer el propietario del diario %1</translation>
    </message>
    <message>
      <source>journal %1 belongs to the role %2 in the central database, not to this station's</source>
      <translation>el diario %1 pertenece al rol %2 en la base central, no al de esta estación</translation>
    </message>
    <message>
      <source>cannot read the registered keys</source>
      <translation>no se pueden leer las claves registradas</translation>
    </message>
    <message>
      <source>cannot register the fingerprint</source>
      <translation>no se puede registrar la huella</translation>
    </message>
    <message>
      <source>cannot read the verification keys sent</source>
      <translation>no se pueden leer las claves de verificación enviadas</translation>
    </message>
    <message>
      <source>seq %1 is held differently by the central database</source>
      <translation>el n.º %1 está de otro modo en la base central</translation>
    </message>
    <message>
      <source>records refused</source>
      <translation>registros rechazados</translation>
    </message>
    <message>
      <source>central records: seq %1 refused: %2</source>
      <translation>registros centrales: n.º %1 rechazado: %2</translation>
    </message>
    <message>
      <source>central records: journal %1 seq %2 is held differently by the central database (a conflict, left as it is)</source>
      <translation>registros centrales: el diario %1 n.º %2 está de otro modo en la base central (un conflicto, dejado tal cual)</translation>
    </message>
    <message>
      <source>the central chain is read on a connection of its own, not inside a transaction</source>
      <translation>la cadena central se lee en una conexión propia, no dentro de una transacción</translation>
    </message>
    <message>
      <source>cannot send the desk's transactions</source>
      <translation>no se pueden enviar las transacciones del puesto de pesaje</translation>
    </message>
    <message>
      <source>cannot read the central transactions</source>
      <translation>no se pueden leer las transacciones centrales</translation>
    </message>
    <message>
      <source>central records: journal %1 transaction %2 is held differently by the central database (a conflict, left as it is)</source>
      <translation>registros centrales: diario %1 transacción %2 está de otro modo en la base central (un conflicto, se deja como está)</translation>
    </message>
  </context>
  <context>
    <name>Desk</name>
    <message>
      <source>cannot make the folder of %1</source>
      <translation>no se puede crear la carpeta de %1</translation>
    </message>
    <message>
      <source>cannot open the desk's data %1</source>
      <translation>no se pueden abrir los datos del puesto de pesaje %1</translation>
    </message>
    <message>
      <source>cannot make the desk's tables</source>
      <translation>no se pueden crear las tablas del puesto de pesaje</translation>
    </message>
    <message>
      <source>cannot read the desk's data</source>
      <translation>no se pueden leer los datos del puesto de pesaje</translation>
    </message>
    <message>
      <source>a row of %1 takes %2 values, its key first</source>
      <translation>una fila de %1 lleva los valores %2, la clave primero</translation>
    </message>
    <message>
      <source>cannot write the desk's data</source>
      <translation>no se pueden escribir los datos del puesto de pesaje</translation>
    </message>
    <message>
      <source>%1 holds no %2</source>
      <translation>%1 no contiene %2</translation>
    </message>
    <message>
      <source>cannot write %1: %2</source>
      <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
      <source>cannot read %1: %2</source>
      <translation>no se puede leer %1: %2</translation>
    </message>
    <message>
      <source>%1, line %2: not a CSV field</source>
      <translation>%1, línea %2: no es un campo CSV</translation>
    </message>
    <message>
      <source>%1 does not begin with the columns %2</source>
      <translation>%1 no empieza con las columnas %2</translation>
    </message>
    <message>
      <source>%1, row %2: %3 values, not %4</source>
      <translation>%1, fila %2: %3 valores, no %4</translation>
    </message>
    <message>
      <source>this weighing needs the vehicle's registration</source>
      <translation>esta pesada necesita la matrícula del vehículo</translation>
    </message>
    <message>
      <source>vehicle %1 is not registered: check the registration, or add the vehicle first</source>
      <translation>el vehículo %1 no está registrado: compruebe la matrícula o añada primero el vehículo</translation>
    </message>
    <message>
      <source>the journal holds no record %1</source>
      <translation>el diario no contiene el registro %1</translation>
    </message>
    <message>
      <source>record %1 was taken at station %2, not at this station (%3)</source>
      <translation>el registro %1 se tomó en la estación %2, no en esta estación (%3)</translation>
    </message>
    <message>
      <source>record %1 is bound to transaction %2 already</source>
      <translation>el registro %1 ya está vinculado a la transacción %2</translation>
    </message>
    <message>
      <source>only a supervisor may void or correct, and the site names none (the setting desk_supervisors)</source>
      <translation>solo un supervisor puede anular o corregir, y el sitio no nombra ninguno (el ajuste desk_supervisors)</translation>
    </message>
    <message>
      <source>only a supervisor may void or correct (%1), not %2</source>
      <translation>solo un supervisor puede anular o corregir (%1), no %2</translation>
    </message>
    <message>
      <source>vehicle %1 has no stored tare</source>
      <translation>el vehículo %1 no tiene tara guardada</translation>
    </message>
    <message>
      <source>vehicle %1 has no stored tare with container %2</source>
      <translation>el vehículo %1 no tiene tara guardada con el contenedor %2</translation>
    </message>
    <message>
      <source>the stored tare of vehicle %1 (transaction %2) expired on %3: weigh it empty and store its tare again</source>
      <translation>la tara guardada del vehículo %1 (transacción %2) venció el %3: péselo vacío y guarde de nuevo su tara</translation>
    </message>
    <message>
      <source>a first weighing is inbound (in) or outbound (out), not "%1"</source>
      <translation>una primera pesada es de entrada (in) o de salida (out), no «%1»</translation>
    </message>
    <message>
      <source>vehicle %1 is on site already (transaction %2): weigh it out first</source>
      <translation>el vehículo %1 ya está en planta (transacción %2): péselo primero a la salida</translation>
    </message>
    <message>
      <source>no vehicle on site has the interim ticket %1</source>
      <translation>ningún vehículo en planta tiene el ticket provisional %1</translation>
    </message>
    <message>
      <source>vehicle %1 is not on site: no first weighing is open for it</source>
      <translation>el vehículo %1 no está en planta: no hay ninguna primera pesada abierta para él</translation>
    </message>
    <message>
      <source>vehicle %1 was weighed in %2 hours before this weighing: check that the interim ticket was its own</source>
      <translation>el vehículo %1 se pesó a la entrada %2 horas antes de esta pesada: compruebe que el ticket provisional era el suyo</translation>
    </message>
    <message>
      <source>transaction %1 is a void: it stands</source>
      <translation>la transacción %1 es una anulación: se mantiene</translation>
    </message>
    <message>
      <source>transaction %1 was closed, voided or corrected by transaction %2 already</source>
      <translation>la transacción %1 ya fue cerrada, anulada o corregida por la transacción %2</translation>
    </message>
    <message>
      <source>the journal holds no transaction %1</source>
      <translation>el diario no contiene la transacción %1</translation>
    </message>
    <message>
      <source>a void needs its reason</source>
      <translation>una anulación necesita su motivo</translation>
    </message>
    <message>
      <source>transaction %1 is no live weighing to correct</source>
      <translation>la transacción %1 no es una pesada vigente que corregir</translation>
    </message>
    <message>
      <source>a correction needs its reason</source>
      <translation>una corrección necesita su motivo</translation>
    </message>
    <message>
      <source>Weighing Desk</source>
      <translation>Puesto de pesaje</translation>
    </message>
    <message>
      <source>Single weighing</source>
      <translation>Pesada única</translation>
    </message>
    <message>
      <source>With the stored tare</source>
      <translation>Con la tara guardada</translation>
    </message>
    <message>
      <source>Store the vehicle's tare</source>
      <translation>Guardar la tara del vehículo</translation>
    </message>
    <message>
      <source>First weighing, inbound</source>
      <translation>Primera pesada, de entrada</translation>
    </message>
    <message>
      <source>First weighing, outbound</source>
      <translation>Primera pesada, de salida</translation>
    </message>
    <message>
      <source>Second weighing</source>
      <translation>Segunda pesada</translation>
    </message>
    <message>
      <source>Kind</source>
      <translation>Tipo</translation>
    </message>
    <message>
      <source>Interim ticket or registration</source>
      <translation>Ticket provisional o matrícula</translation>
    </message>
    <message>
      <source>Vehicle</source>
      <translation>Vehículo</translation>
    </message>
    <message>
      <source>Container</source>
      <translation>Contenedor</translation>
    </message>
    <message>
      <source>Customer</source>
      <translation>Cliente</translation>
    </message>
    <message>
      <source>Product</source>
      <translation>Producto</translation>
    </message>
    <message>
      <source>Haulier</source>
      <translation>Transportista</translation>
    </message>
    <message>
      <source>Reference</source>
      <translation>Referencia</translation>
    </message>
    <message>
      <source>Operator</source>
      <translation>Operador</translation>
    </message>
    <message>
      <source>Note</source>
      <translation>Nota</translation>
    </message>
    <message>
      <source>Prepare for the next record</source>
      <translation>Preparar para el próximo registro</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Cancelar</translation>
    </message>
    <message>
      <source>Vehicles on site</source>
      <translation>Vehículos en planta</translation>
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
      <translation>Tomado</translation>
    </message>
    <message>
      <source>Total</source>
      <translation>Total</translation>
    </message>
    <message>
      <source>Transaction</source>
      <translation>Transacción</translation>
    </message>
    <message>
      <source>Bind the selected record to the prepared transaction</source>
      <translation>Vincular el registro elegido a la transacción preparada</translation>
    </message>
    <message>
      <source>Transactions</source>
      <translation>Transacciones</translation>
    </message>
    <message>
      <source>Net</source>
      <translation>Neto</translation>
    </message>
    <message>
      <source>State</source>
      <translation>Estado</translation>
    </message>
    <message>
      <source>Print again</source>
      <translation>Imprimir de nuevo</translation>
    </message>
    <message>
      <source>Void...</source>
      <translation>Anular...</translation>
    </message>
    <message>
      <source>Correct with the form's data...</source>
      <translation>Corregir con los datos del formulario...</translation>
    </message>
    <message>
      <source>Tickets waiting to print</source>
      <translation>Tickets en espera de impresión</translation>
    </message>
    <message>
      <source>&amp;Tickets</source>
      <translation>&amp;Tickets</translation>
    </message>
    <message>
      <source>Choose the printer...</source>
      <translation>Elegir la impresora...</translation>
    </message>
    <message>
      <source>Tickets go to the %1.</source>
      <translation>Los tickets van a: %1.</translation>
    </message>
    <message>
      <source>Print to a folder of PDF files...</source>
      <translation>Imprimir en una carpeta de archivos PDF...</translation>
    </message>
    <message>
      <source>Folder for the tickets</source>
      <translation>Carpeta de los tickets</translation>
    </message>
    <message>
      <source>Page size</source>
      <translation>Tamaño de página</translation>
    </message>
    <message>
      <source>Print the waiting tickets</source>
      <translation>Imprimir los tickets en espera</translation>
    </message>
    <message>
      <source>Check the journal again</source>
      <translation>Comprobar de nuevo el diario</translation>
    </message>
    <message>
      <source>&amp;Data</source>
      <translation>&amp;Datos</translation>
    </message>
    <message>
      <source>Edit the %1...</source>
      <translation>Editar %1...</translation>
    </message>
    <message>
      <source>Waiting for the journal %1: the monitor makes it with its first record.</source>
      <translation>Esperando el diario %1: el monitor lo crea con su primer registro.</translation>
    </message>
    <message>
      <source>The desk cannot use the journal: %1</source>
      <translation>El puesto no puede usar el diario: %1</translation>
    </message>
    <message>
      <source>Following the journal %1; tickets go to the %2.</source>
      <translation>Sigue el diario %1; los tickets van a: %2.</translation>
    </message>
    <message>
      <source>Vehicle %1 is not registered, and this site weighs only registered vehicles.

Add it to the vehicles list?</source>
      <translation>El vehículo %1 no está registrado, y este sitio solo pesa vehículos registrados.

¿Añadirlo a la lista de vehículos?</translation>
    </message>
    <message>
      <source>Vehicle %1 is not registered.

Add it to the vehicles list? (No weighs it as a temporary vehicle.)</source>
      <translation>El vehículo %1 no está registrado.

¿Añadirlo a la lista de vehículos? (No lo pesa como vehículo temporal.)</translation>
    </message>
    <message>
      <source>A second weighing needs its interim ticket (scan it) or the vehicle's registration.</source>
      <translation>Una segunda pesada necesita su ticket provisional (escanéelo) o la matrícula del vehículo.</translation>
    </message>
    <message>
      <source>Waiting for the next record of station %1: press RECORD NOW on the monitor.</source>
      <translation>Esperando el próximo registro de la estación %1: pulse GRABAR AHORA en el monitor.</translation>
    </message>
    <message>
      <source>Record %1 is not bound: %2</source>
      <translation>El registro %1 no está vinculado: %2</translation>
    </message>
    <message>
      <source>Transaction %1 sealed; its ticket went to the %2.</source>
      <translation>Transacción %1 sellada; su ticket fue a: %2.</translation>
    </message>
    <message>
      <source>Transaction %1 sealed; its ticket waits to print: %2</source>
      <translation>Transacción %1 sellada; su ticket espera la impresión: %2</translation>
    </message>
    <message>
      <source>Void transaction %1</source>
      <translation>Anular la transacción %1</translation>
    </message>
    <message>
      <source>Why is transaction %1 void? (It stays in the journal, marked VOID.)</source>
      <translation>¿Por qué se anula la transacción %1? (Queda en el diario, marcada VOID.)</translation>
    </message>
    <message>
      <source>Correct transaction %1</source>
      <translation>Corregir la transacción %1</translation>
    </message>
    <message>
      <source>Transaction %1 is replaced by one with the form's data and its own records and weights. Why?</source>
      <translation>La transacción %1 se sustituye por otra con los datos del formulario y sus propios registros y pesos. ¿Por qué?</translation>
    </message>
    <message>
      <source>VOID (transaction %1)</source>
      <translation>VOID (transacción %1)</translation>
    </message>
    <message>
      <source>replaced by %1</source>
      <translation>sustituida por %1</translation>
    </message>
    <message>
      <source>closed by %1</source>
      <translation>cerrada por %1</translation>
    </message>
    <message>
      <source>%1, in since %2, interim ticket %3</source>
      <translation>%1, dentro desde %2, ticket provisional %3</translation>
    </message>
    <message>
      <source>Transaction %1</source>
      <translation>Transacción %1</translation>
    </message>
    <message>
      <source>The journal fails its check: %1. Tickets print marked UNVERIFIED.</source>
      <translation>El diario no supera su comprobación: %1. Los tickets se imprimen marcados UNVERIFIED.</translation>
    </message>
    <message>
      <source>Weighing Desk: %1</source>
      <translation>Puesto de pesaje: %1</translation>
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
      <translation>Añadir una fila</translation>
    </message>
    <message>
      <source>Remove the row</source>
      <translation>Quitar la fila</translation>
    </message>
    <message>
      <source>Import %1</source>
      <translation>Importar %1</translation>
    </message>
    <message>
      <source>CSV files (*.csv)</source>
      <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
      <source>Export %1</source>
      <translation>Exportar %1</translation>
    </message>
    <message>
      <source>printer %1</source>
      <translation>impresora %1</translation>
    </message>
    <message>
      <source>folder %1</source>
      <translation>carpeta %1</translation>
    </message>
    <message>
      <source>nowhere chosen yet</source>
      <translation>ningún sitio elegido aún</translation>
    </message>
    <message>
      <source>no printer or folder is chosen for the tickets (Tickets menu)</source>
      <translation>no se ha elegido impresora ni carpeta para los tickets (menú Tickets)</translation>
    </message>
    <message>
      <source>the printer %1 is not there</source>
      <translation>la impresora %1 no está</translation>
    </message>
    <message>
      <source>the printer %1 cannot print</source>
      <translation>la impresora %1 no puede imprimir</translation>
    </message>
    <message>
      <source>The weighing desk: transactions on the monitor's records, their tickets printed.</source>
      <translation>El puesto de pesaje: transacciones sobre los registros del monitor, con sus tickets impresos.</translation>
    </message>
    <message>
      <source>The journal (default: the setting).</source>
      <translation>El diario (por defecto: el ajuste).</translation>
    </message>
    <message>
      <source>Its key (default: the setting).</source>
      <translation>Su clave (por defecto: el ajuste).</translation>
    </message>
    <message>
      <source>Print the tickets as PDF files into FOLDER.</source>
      <translation>Imprimir los tickets como archivos PDF en FOLDER.</translation>
    </message>
    <message>
      <source>%1 transactions, net %2</source>
      <translation>%1 transacciones, neto %2</translation>
    </message>
    <message>
      <source>Group</source>
      <translation>Grupo</translation>
    </message>
    <message>
      <source>Sealed</source>
      <translation>Sellada</translation>
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
      <translation>Unidad</translation>
    </message>
    <message>
      <source>Transactions per shift</source>
      <translation>Transacciones por turno</translation>
    </message>
    <message>
      <source>Transactions per day</source>
      <translation>Transacciones por día</translation>
    </message>
    <message>
      <source>Transactions per customer</source>
      <translation>Transacciones por cliente</translation>
    </message>
    <message>
      <source>Transactions per product</source>
      <translation>Transacciones por producto</translation>
    </message>
    <message>
      <source>Transactions per vehicle</source>
      <translation>Transacciones por vehículo</translation>
    </message>
    <message>
      <source>no journal at %1: the monitor makes it with its first record</source>
      <translation>no hay diario en %1: el monitor lo crea con su primer registro</translation>
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
      <translation>no se puede abrir el diario %1</translation>
    </message>
    <message>
      <source>the journal %1 cannot be put in WAL mode</source>
      <translation>el diario %1 no se puede poner en modo WAL</translation>
    </message>
    <message>
      <source>no journal at %1</source>
      <translation>ningún diario en %1</translation>
    </message>
    <message>
      <source>cannot read the journal %1: its write-ahead log %2 holds records, and without a shared-memory file (%3) it can only be read from a folder that can be written: copy the journal with its -wal file to one</source>
      <translation>no se puede leer el diario %1: su registro de escritura anticipada %2 contiene registros, y sin archivo de memoria compartida (%3) solo se puede leer desde una carpeta con permiso de escritura: copie el diario con su archivo -wal a una</translation>
    </message>
    <message>
      <source>not a journal head</source>
      <translation>no es un testigo final de diario</translation>
    </message>
    <message>
      <source>not sealed with this key</source>
      <translation>no sellado con esta clave</translation>
    </message>
    <message>
      <source>cannot make the key's folder %1</source>
      <translation>no se puede crear la carpeta de la clave %1</translation>
    </message>
    <message>
      <source>cannot write the key %1: %2</source>
      <translation>no se puede escribir la clave %1: %2</translation>
    </message>
    <message>
      <source>cannot read the key %1: %2</source>
      <translation>no se puede leer la clave %1: %2</translation>
    </message>
    <message>
      <source>the key %1 is not a key: it is larger than %2 bytes</source>
      <translation>la clave %1 no es una clave: supera los %2 bytes</translation>
    </message>
    <message>
      <source>the key %1 is not %2 bytes in hex</source>
      <translation>la clave %1 no tiene %2 bytes en hexadecimal</translation>
    </message>
    <message>
      <source>no head at %1 (%2)</source>
      <translation>ningún testigo final en %1 (%2)</translation>
    </message>
    <message>
      <source>the head %1 is %2</source>
      <translation>el testigo final %1 es %2</translation>
    </message>
    <message>
      <source>cannot make the head's folder %1</source>
      <translation>no se puede crear la carpeta del testigo final %1</translation>
    </message>
    <message>
      <source>cannot open the head %1: %2</source>
      <translation>no se puede abrir el testigo final %1: %2</translation>
    </message>
    <message>
      <source>cannot write the journal's head: %1</source>
      <translation>no se puede escribir el testigo final del diario: %1</translation>
    </message>
    <message>
      <source>cannot read the journal</source>
      <translation>no se puede leer el diario</translation>
    </message>
    <message>
      <source>the journal gave no answer</source>
      <translation>el diario no dio respuesta</translation>
    </message>
    <message>
      <source>cannot read the journal %1</source>
      <translation>no se puede leer el diario %1</translation>
    </message>
    <message>
      <source>%1 is not a record journal of format 1 or %2</source>
      <translation>%1 no es un diario de registros del formato 1 o %2</translation>
    </message>
    <message>
      <source>cannot read the epoch keys of %1</source>
      <translation>no se pueden leer las claves de época de %1</translation>
    </message>
    <message>
      <source>cannot read the journal %1 through SQLite</source>
      <translation>no se puede leer el diario %1 mediante SQLite</translation>
    </message>
    <message>
      <source>no record %1</source>
      <translation>ningún registro %1</translation>
    </message>
    <message>
      <source>no record of the journal went to the workbook %1</source>
      <translation>ningún registro del diario fue al libro %1</translation>
    </message>
    <message>
      <source>'%1' is not a date (yyyy-MM-dd, optionally with THH:mm[:ss])</source>
      <translation>'%1' no es una fecha (yyyy-MM-dd, opcionalmente con THH:mm[:ss])</translation>
    </message>
    <message>
      <source>no journal at %1 and no key at %2: nothing to retire (the monitor makes a new journal at its first record)</source>
      <translation>ningún diario en %1 ni clave en %2: nada que retirar (el monitor crea un diario nuevo en su primer registro)</translation>
    </message>
    <message>
      <source>the journal %1 is open in process %2: end the monitor (and every viewer) first</source>
      <translation>el diario %1 está abierto en el proceso %2: cierre primero el monitor (y cada visor)</translation>
    </message>
    <message>
      <source>cannot retire the journal: %1 exists already</source>
      <translation>no se puede retirar el diario: %1 ya existe</translation>
    </message>
    <message>
      <source>cannot erase the signing secrets of the journal retired: %1 (nothing renamed)</source>
      <translation>no se pueden borrar los secretos de firma del diario retirado: %1 (no se renombró nada)</translation>
    </message>
    <message>
      <source>cannot rename %1 to %2: %3 (renamed before it: %4)</source>
      <translation>no se puede renombrar %1 a %2: %3 (renombrados antes: %4)</translation>
    </message>
    <message>
      <source>cannot write %1: no folder %2</source>
      <translation>no se puede escribir %1: no existe la carpeta %2</translation>
    </message>
    <message>
      <source>cannot write %1: %2</source>
      <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
      <source>%1: refused, it is the record journal's file %2 (nothing written)</source>
      <translation>%1: rechazado, es el archivo %2 del diario de registros (no se escribió nada)</translation>
    </message>
    <message>
      <source>%1: refused, it bears the name of the record journal's files (a key, a head, a retired journal; nothing written)</source>
      <translation>%1: rechazado, lleva el nombre de los archivos del diario de registros (una clave, un testigo final, un diario retirado; no se escribió nada)</translation>
    </message>
    <message>
      <source>cannot read %1: %2</source>
      <translation>no se puede leer %1: %2</translation>
    </message>
    <message>
      <source>%1 is not a key file: it is larger than %2 bytes</source>
      <translation>%1 no es un archivo de clave: supera los %2 bytes</translation>
    </message>
    <message>
      <source>not a verification key of format 2</source>
      <translation>no es una clave de verificación del formato 2</translation>
    </message>
    <message>
      <source>its root key is not %1 bytes in hex</source>
      <translation>su clave raíz no tiene %1 bytes en hexadecimal</translation>
    </message>
    <message>
      <source>its fingerprint line does not match its key (changed)</source>
      <translation>su línea de huella no coincide con su clave (cambiada)</translation>
    </message>
    <message>
      <source>its format line is not signed by its root (changed)</source>
      <translation>su línea de formato no está firmada por su raíz (cambiada)</translation>
    </message>
    <message>
      <source>the verification key %1</source>
      <translation>la clave de verificación %1</translation>
    </message>
    <message>
      <source>cannot make a signing key: no random source</source>
      <translation>no se puede crear una clave de firma: no hay fuente aleatoria</translation>
    </message>
    <message>
      <source>cannot make the folder %1</source>
      <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
      <source>cannot read the signing keys %1: %2</source>
      <translation>no se pueden leer las claves de firma %1: %2</translation>
    </message>
    <message>
      <source>the signing keys %1 may be read by others (mode %2): they must be mode 0600</source>
      <translation>las claves de firma %1 pueden ser leídas por otros (modo %2): deben tener modo 0600</translation>
    </message>
    <message>
      <source>the signing keys %1 are damaged: </source>
      <translation>las claves de firma %1 están dañadas: </translation>
    </message>
    <message>
      <source>not signing keys of format 2</source>
      <translation>no son claves de firma del formato 2</translation>
    </message>
    <message>
      <source>line %1 is not an epoch key</source>
      <translation>la línea %1 no es una clave de época</translation>
    </message>
    <message>
      <source>no epoch keys</source>
      <translation>ninguna clave de época</translation>
    </message>
    <message>
      <source>cannot erase past signing keys in %1: %2</source>
      <translation>no se pueden borrar las claves de firma pasadas en %1: %2</translation>
    </message>
    <message>
      <source>the station's clock is %1 epochs ahead of the signing keys' last use (epoch %2, until %3): if the clock is right, a person confirms it with weighstation-records confirm-clock and starts the monitor again; if not, set the clock right</source>
      <translation>el reloj de la estación va %1 épocas por delante del último uso de las claves de firma (época %2, hasta %3): si el reloj es correcto, una persona lo confirma con weighstation-records confirm-clock y reinicia el monitor; si no, ponga el reloj en hora</translation>
    </message>
    <message>
      <source>the signing keys end on %1: retire the journal with weighstation-records new-journal before then</source>
      <translation>las claves de firma terminan el %1: retire el diario con weighstation-records new-journal antes</translation>
    </message>
    <message>
      <source>not a weighstation ticket code of format 2</source>
      <translation>no es un código de ticket de weighstation del formato 2</translation>
    </message>
    <message>
      <source>the code is cut or has extra parts (%1 of %2 fields)</source>
      <translation>el código está cortado o tiene partes de más (%1 de %2 campos)</translation>
    </message>
    <message>
      <source>a part of the code is not what a ticket holds (cut, or a changed character?)</source>
      <translation>una parte del código no es lo que contiene un ticket (cortado, o un carácter cambiado?)</translation>
    </message>
    <message>
      <source>its epoch key is not certified by the verification key %1 (station %2): another station's ticket, or changed</source>
      <translation>su clave de época no está certificada por la clave de verificación %1 (estación %2): el ticket de otra estación, o cambiado</translation>
    </message>
    <message>
      <source>it is dated outside the epoch that sealed it</source>
      <translation>está fechado fuera de la época que lo selló</translation>
    </message>
    <message>
      <source>its signature does not match what it says (a changed digit?)</source>
      <translation>su firma no coincide con lo que dice (¿un dígito cambiado?)</translation>
    </message>
    <message>
      <source>cannot sync %1: %2</source>
      <translation>no se puede sincronizar %1: %2</translation>
    </message>
    <message>
      <source>cannot read the head %1: %2</source>
      <translation>no se puede leer el testigo final %1: %2</translation>
    </message>
    <message>
      <source>the head %1 is empty</source>
      <translation>el testigo final %1 está vacío</translation>
    </message>
    <message>
      <source>cannot copy %1 to %2</source>
      <translation>no se puede copiar %1 a %2</translation>
    </message>
    <message>
      <source>cannot name %1 %2: %3</source>
      <translation>no se puede nombrar %1 como %2: %3</translation>
    </message>
    <message>
      <source>cannot check %1</source>
      <translation>no se puede comprobar %1</translation>
    </message>
    <message>
      <source>%1 does not check intact (%2): %3</source>
      <translation>%1 no se comprueba intacto (%2): %3</translation>
    </message>
    <message>
      <source>%1 is not a backup's manifest</source>
      <translation>%1 no es el manifiesto de una copia de seguridad</translation>
    </message>
    <message>
      <source>%1 is not a whole backup manifest</source>
      <translation>%1 no es un manifiesto de copia completo</translation>
    </message>
    <message>
      <source>cannot copy the journal %1 to %2: %3</source>
      <translation>no se puede copiar el diario %1 a %2: %3</translation>
    </message>
    <message>
      <source>the backup folder %1 is missing (is its disk mounted?)</source>
      <translation>falta la carpeta de copias %1 (¿está montado su disco?)</translation>
    </message>
    <message>
      <source>the backup folder %1 is the station's own folder %2</source>
      <translation>la carpeta de copias %1 es la propia carpeta de la estación %2</translation>
    </message>
    <message>
      <source>the last backup is kept; a person looks at it</source>
      <translation>se conserva la última copia; una persona la revisa</translation>
    </message>
    <message>
      <source>the copy</source>
      <translation>la copia</translation>
    </message>
    <message>
      <source>no backup made; verify the journal</source>
      <translation>no se hizo copia; compruebe el diario</translation>
    </message>
    <message>
      <source>the journal holds %1 records, its last backup %2: the last backup is kept; verify the journal</source>
      <translation>el diario contiene %1 registros, su última copia %2: se conserva la última copia; compruebe el diario</translation>
    </message>
    <message>
      <source>the last good backup of journal %1 in %2 was made %3</source>
      <translation>la última copia buena del diario %1 en %2 se hizo el %3</translation>
    </message>
    <message>
      <source>journal %1 has no good backup in %2</source>
      <translation>el diario %1 no tiene ninguna copia buena en %2</translation>
    </message>
    <message>
      <source>a journal is at %1: a journal is never replaced; move it away first, or retire it with weighstation-records new-journal</source>
      <translation>hay un diario en %1: un diario nunca se reemplaza; muévalo antes, o retírelo con weighstation-records new-journal</translation>
    </message>
    <message>
      <source>%1 is not a finished backup</source>
      <translation>%1 no es una copia de seguridad terminada</translation>
    </message>
    <message>
      <source>the backup was sealed under another verification key (fingerprint %1; the station's is %2)</source>
      <translation>la copia se selló con otra clave de verificación (huella %1; la de la estación es %2)</translation>
    </message>
    <message>
      <source>the backup</source>
      <translation>la copia de seguridad</translation>
    </message>
    <message>
      <source>nothing restored</source>
      <translation>no se restauró nada</translation>
    </message>
    <message>
      <source>cannot write %1</source>
      <translation>no se puede escribir %1</translation>
    </message>
    <message>
      <source>cannot write %1: cannot add a sheet</source>
      <translation>no se puede escribir %1: no se puede añadir una hoja</translation>
    </message>
    <message>
      <source>cannot make the journal's folder %1</source>
      <translation>no se puede crear la carpeta del diario %1</translation>
    </message>
    <message>
      <source>is missing</source>
      <translation>falta</translation>
    </message>
    <message>
      <source>is empty</source>
      <translation>está vacío</translation>
    </message>
    <message>
      <source>is another journal (%1)</source>
      <translation>es otro diario (%1)</translation>
    </message>
    <message>
      <source>the journal %1 %2; its key sealed %3 records of journal %4</source>
      <translation>el diario %1 %2; su clave selló %3 registros del diario %4</translation>
    </message>
    <message>
      <source>cannot lock the journal</source>
      <translation>no se puede bloquear el diario</translation>
    </message>
    <message>
      <source>cannot set the journal up</source>
      <translation>no se puede preparar el diario</translation>
    </message>
    <message>
      <source>cannot read the journal's identity</source>
      <translation>no se puede leer la identidad del diario</translation>
    </message>
    <message>
      <source>the journal %1 has format '%2', not 1 or %3</source>
      <translation>el diario %1 tiene el formato '%2', no 1 ni %3</translation>
    </message>
    <message>
      <source>cannot read the journal's end</source>
      <translation>no se puede leer el final del diario</translation>
    </message>
    <message>
      <source>the journal %1 ends at seq %2, but its verification key was made for format 2 after seq %3 (another monitor wrote on): start the monitor again</source>
      <translation>el diario %1 termina en el n.º %2, pero su clave de verificación se hizo para el formato 2 tras el n.º %3 (otro monitor siguió escribiendo): reinicie el monitor</translation>
    </message>
    <message>
      <source>cannot continue the journal in format 2</source>
      <translation>no se puede continuar el diario en formato 2</translation>
    </message>
    <message>
      <source>the signing keys %1 are damaged: epoch %2 is not certified by its root</source>
      <translation>las claves de firma %1 están dañadas: la época %2 no está certificada por su raíz</translation>
    </message>
    <message>
      <source>the signing secret of epoch %1 is not in %2</source>
      <translation>el secreto de firma de la época %1 no está en %2</translation>
    </message>
    <message>
      <source>the journal %1 fails its check: </source>
      <translation>el diario %1 no supera su comprobación: </translation>
    </message>
    <message>
      <source>the head %1 is not signed by its epoch's key</source>
      <translation>el testigo final %1 no está firmado con la clave de su época</translation>
    </message>
    <message>
      <source>no head witnesses its end (%1)</source>
      <translation>ningún testigo final da fe de su final (%1)</translation>
    </message>
    <message>
      <source>cannot read the journal's epoch keys</source>
      <translation>no se pueden leer las claves de época del diario</translation>
    </message>
    <message>
      <source>cannot prepare the journal's insert</source>
      <translation>no se puede preparar la inserción del diario</translation>
    </message>
    <message>
      <source>cannot prepare the journal's reads</source>
      <translation>no se pueden preparar las lecturas del diario</translation>
    </message>
    <message>
      <source>the station's signing keys ended on %1: the journal needs new keys (weighstation-records new-journal)</source>
      <translation>las claves de firma de la estación terminaron el %1: el diario necesita claves nuevas (weighstation-records new-journal)</translation>
    </message>
    <message>
      <source>cannot write the epoch's key</source>
      <translation>no se puede escribir la clave de la época</translation>
    </message>
    <message>
      <source>it is dated %1, before its sealing epoch %2 began (the station's clock went back): the journal's check reports it</source>
      <translation>está fechado el %1, antes de que empezara su época de sellado %2 (el reloj de la estación retrocedió): la comprobación del diario lo indica</translation>
    </message>
    <message>
      <source>its head was not advanced to seq %1: %2</source>
      <translation>su testigo final no avanzó al n.º %1: %2</translation>
    </message>
    <message>
      <source>cannot write the record</source>
      <translation>no se puede escribir el registro</translation>
    </message>
    <message>
      <source>cannot commit the record</source>
      <translation>no se puede confirmar el registro</translation>
    </message>
    <message>
      <source>cannot read seq %1 back</source>
      <translation>no se puede releer el n.º %1</translation>
    </message>
    <message>
      <source>seq %1 read back differs from what was written</source>
      <translation>el n.º %1 releído difiere de lo escrito</translation>
    </message>
    <message>
      <source>the journal is not open</source>
      <translation>el diario no está abierto</translation>
    </message>
    <message>
      <source>cannot note the text log</source>
      <translation>no se puede anotar el registro de texto</translation>
    </message>
    <message>
      <source>no journal yet at %1</source>
      <translation>aún no hay diario en %1</translation>
    </message>
    <message>
      <source>the journal %1 has no id</source>
      <translation>el diario %1 no tiene identificador</translation>
    </message>
    <message>
      <source>cannot use the journal %1</source>
      <translation>no se puede usar el diario %1</translation>
    </message>
    <message>
      <source>cannot read the shipping cursor</source>
      <translation>no se puede leer el cursor de envío</translation>
    </message>
    <message>
      <source>cannot read the journal's verification key</source>
      <translation>no se puede leer la clave de verificación del diario</translation>
    </message>
    <message>
      <source>no record %1 in the journal</source>
      <translation>ningún registro %1 en el diario</translation>
    </message>
    <message>
      <source>cannot note what was shipped</source>
      <translation>no se puede anotar lo enviado</translation>
    </message>
    <message>
      <source>cannot note a shipping problem</source>
      <translation>no se puede anotar un problema de envío</translation>
    </message>
    <message>
      <source>cannot note the last try</source>
      <translation>no se puede anotar el último intento</translation>
    </message>
    <message>
      <source>cannot note a record set aside</source>
      <translation>no se puede anotar un registro apartado</translation>
    </message>
    <message>
      <source>cannot read the records set aside</source>
      <translation>no se pueden leer los registros apartados</translation>
    </message>
    <message>
      <source>cannot note a record set aside as shipped</source>
      <translation>no se puede anotar un registro apartado como enviado</translation>
    </message>
    <message>
      <source>cannot read the shipping cursors</source>
      <translation>no se pueden leer los cursores de envío</translation>
    </message>
    <message>
      <source>cannot read the shipping problems</source>
      <translation>no se pueden leer los problemas de envío</translation>
    </message>
    <message>
      <source>ticket NOT genuine: %1</source>
      <translation>ticket NO auténtico: %1</translation>
    </message>
    <message>
      <source>ticket genuine: station %1, seq %2, %3, %4</source>
      <translation>ticket auténtico: estación %1, n.º %2, %3, %4</translation>
    </message>
    <message>
      <source>its records of format 1 need its key</source>
      <translation>sus registros de formato 1 necesitan su clave</translation>
    </message>
    <message>
      <source>line %1 is not a run's links</source>
      <translation>la línea %1 no es el enlace de una serie de claves</translation>
    </message>
    <message>
      <source>the signing keys %1 cannot certify a next run: the secret of their last epoch %2 is gone</source>
      <translation>las claves de firma %1 no pueden certificar una serie siguiente: el secreto de su última época %2 ya no está</translation>
    </message>
    <message>
      <source>cannot make the journal's transactions</source>
      <translation>no se puede crear la tabla de transacciones del diario</translation>
    </message>
    <message>
      <source>the journal holds no record to bind</source>
      <translation>el diario no contiene ningún registro que vincular</translation>
    </message>
    <message>
      <source>the journal's last record is of format 1: a transaction needs one of format 2</source>
      <translation>el último registro del diario es del formato 1: una transacción necesita uno del formato 2</translation>
    </message>
    <message>
      <source>cannot write the transaction</source>
      <translation>no se puede escribir la transacción</translation>
    </message>
    <message>
      <source>record %1 shows no unit</source>
      <translation>el registro %1 no muestra ninguna unidad</translation>
    </message>
    <message>
      <source>a tare of %1 %2 is not above zero</source>
      <translation>una tara de %1 %2 no es mayor que cero</translation>
    </message>
    <message>
      <source>the second weighing is in %1, the first in %2</source>
      <translation>la segunda pesada está en %1, la primera en %2</translation>
    </message>
    <message>
      <source>the stored tare is in %1, the weighing in %2</source>
      <translation>la tara guardada está en %1, la pesada en %2</translation>
    </message>
    <message>
      <source>the stored tare %1 %3 is heavier than the gross %2 %3</source>
      <translation>la tara guardada %1 %3 pesa más que el bruto %2 %3</translation>
    </message>
    <message>
      <source>not a kind of transaction: %1</source>
      <translation>no es un tipo de transacción: %1</translation>
    </message>
    <message>
      <source>a net of %1 %2 is not above zero</source>
      <translation>un neto de %1 %2 no es mayor que cero</translation>
    </message>
    <message>
      <source>it closes transaction %1, which is no open first weighing of its vehicle and record</source>
      <translation>cierra la transacción %1, que no es una primera pesada abierta de su vehículo y su registro</translation>
    </message>
    <message>
      <source>it refers to transaction %1, which is not live</source>
      <translation>se refiere a la transacción %1, que ya no está vigente</translation>
    </message>
    <message>
      <source>it does not keep the records and weights of transaction %1</source>
      <translation>no conserva los registros y pesos de la transacción %1</translation>
    </message>
    <message>
      <source>it gives no reason</source>
      <translation>no indica ningún motivo</translation>
    </message>
    <message>
      <source>it refers to transaction %1, which its kind never does</source>
      <translation>se refiere a la transacción %1, cosa que su tipo nunca hace</translation>
    </message>
    <message>
      <source>a void binds no record</source>
      <translation>una anulación no vincula ningún registro</translation>
    </message>
    <message>
      <source>record %1 is not in the journal as the transaction copied it</source>
      <translation>el registro %1 no está en el diario tal como la transacción lo copió</translation>
    </message>
    <message>
      <source>record %1 is bound to transaction %2 already</source>
      <translation>el registro %1 ya está vinculado a la transacción %2</translation>
    </message>
    <message>
      <source>it binds other records than its kind does</source>
      <translation>vincula otros registros de los que vincula su tipo</translation>
    </message>
    <message>
      <source>its stored tare %1 is not a valid tare of its vehicle at the weighing</source>
      <translation>su tara guardada %1 no es una tara válida de su vehículo en la pesada</translation>
    </message>
    <message>
      <source>its weights %1/%2/%3 %4 do not follow from its records (%5/%6/%7 %8)</source>
      <translation>sus pesos %1/%2/%3 %4 no se deducen de sus registros (%5/%6/%7 %8)</translation>
    </message>
    <message>
      <source>out of its place, after transaction %1</source>
      <translation>fuera de su lugar, después de la transacción %1</translation>
    </message>
    <message>
      <source>it names no station or time</source>
      <translation>no nombra ninguna estación ni hora</translation>
    </message>
    <message>
      <source>its seal does not match its contents and the transaction before</source>
      <translation>su sello no coincide con su contenido y la transacción anterior</translation>
    </message>
    <message>
      <source>its seal is not signed by its epoch's key</source>
      <translation>su sello no está firmado por la clave de su época</translation>
    </message>
    <message>
      <source>it is dated %1, outside its sealing epoch %2</source>
      <translation>está fechada el %1, fuera de su época de sellado %2</translation>
    </message>
    <message>
      <source>the journal's transactions fail their check: %1</source>
      <translation>las transacciones del diario no superan su comprobación: %1</translation>
    </message>
    <message>
      <source>ticket genuine: station %1, transaction %2 (%3), %4, vehicle %5, records %6, gross %7 tare %8 net %9</source>
      <translation>ticket auténtico: estación %1, transacción %2 (%3), %4, vehículo %5, registros %6, bruto %7 tara %8 neto %9</translation>
    </message>
  </context>
  <context>
    <name>MainWindow</name>
    <message>
      <source>SCALE 1</source>
      <translation>BÁSCULA 1</translation>
    </message>
    <message>
      <source>Serial 1 Settings</source>
      <translation>Puerto serie 1</translation>
    </message>
    <message>
      <source>SCALE 2</source>
      <translation>BÁSCULA 2</translation>
    </message>
    <message>
      <source>Serial 2 Settings</source>
      <translation>Puerto serie 2</translation>
    </message>
    <message>
      <source>SCALE 3</source>
      <translation>BÁSCULA 3</translation>
    </message>
    <message>
      <source>Serial 3 Settings</source>
      <translation>Puerto serie 3</translation>
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
      <translation>Exceso</translation>
    </message>
    <message>
      <source>Zero</source>
      <translation>Cero</translation>
    </message>
    <message>
      <source>Tare
Net</source>
      <translation>Tara
Neto</translation>
    </message>
    <message>
      <source>Gross</source>
      <translation>Bruto</translation>
    </message>
    <message>
      <source>COM PORT:</source>
      <translation>PUERTO:</translation>
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
      <translation>Salir</translation>
    </message>
    <message>
      <source>Current Time &amp;&amp; Date</source>
      <translation>Hora &amp;&amp; fecha</translation>
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
      <translation>Cant.:</translation>
    </message>
    <message>
      <source>0</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Select File</source>
      <translation>Elegir</translation>
    </message>
    <message>
      <source>Start Text File Log</source>
      <translation>Registro de texto</translation>
    </message>
    <message>
      <source>Under Limit</source>
      <translation>Lím. inf.</translation>
    </message>
    <message>
      <source>Over Limit</source>
      <translation>Lím. sup.</translation>
    </message>
    <message>
      <source>10000</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Start Excel File Log</source>
      <translation>Registro en Excel</translation>
    </message>
    <message>
      <source> RECORD
NOW</source>
      <translation> GRABAR
AHORA</translation>
    </message>
    <message>
      <source>TOTAL =</source>
      <translation>TOTAL =</translation>
    </message>
    <message>
      <source>File</source>
      <translation>Archivo</translation>
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
      <translation>Estos son los registros propios del monitor de la estación de pesaje, no el impreso verificado de un instrumento.</translation>
    </message>
    <message>
      <source>Journal checked: intact, seq %1..%2</source>
      <translation>Diario comprobado: intacto, nº %1..%2</translation>
    </message>
    <message>
      <source>Journal checked: intact, no records</source>
      <translation>Diario comprobado: intacto, sin registros</translation>
    </message>
    <message>
      <source>Journal checked: records intact, seq %1..%2; its end not witnessed</source>
      <translation>Diario comprobado: registros intactos, nº %1..%2; su final no atestiguado</translation>
    </message>
    <message>
      <source>UNVERIFIED: the journal fails its check at seq %1</source>
      <translation>NO VERIFICADO: el diario falla su comprobación en el nº %1</translation>
    </message>
    <message>
      <source>UNVERIFIED: check not finished</source>
      <translation>NO VERIFICADO: comprobación sin terminar</translation>
    </message>
    <message>
      <source>Seq</source>
      <translation>Nº</translation>
    </message>
    <message>
      <source>Date</source>
      <translation>Fecha</translation>
    </message>
    <message>
      <source>Time</source>
      <translation>Hora</translation>
    </message>
    <message>
      <source>Station</source>
      <translation>Estación</translation>
    </message>
    <message>
      <source>Total</source>
      <translation>Total</translation>
    </message>
    <message>
      <source>Unit</source>
      <translation>Unidad</translation>
    </message>
    <message>
      <source>Net/Gross</source>
      <translation>Neto/Bruto</translation>
    </message>
    <message>
      <source>Scale 1</source>
      <translation>Báscula 1</translation>
    </message>
    <message>
      <source>Scale 2</source>
      <translation>Báscula 2</translation>
    </message>
    <message>
      <source>Scale 3</source>
      <translation>Báscula 3</translation>
    </message>
    <message>
      <source>Verification</source>
      <translation>Verificación</translation>
    </message>
    <message>
      <source>day: %1</source>
      <translation>día: %1</translation>
    </message>
    <message>
      <source>total: %1</source>
      <translation>total: %1</translation>
    </message>
    <message>
      <source>Printed %1</source>
      <translation>Impreso %1</translation>
    </message>
    <message>
      <source>Scale</source>
      <translation>Báscula</translation>
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
      <translation>Neto</translation>
    </message>
    <message>
      <source>Scale %1</source>
      <translation>Báscula %1</translation>
    </message>
    <message>
      <source>not connected</source>
      <translation>no conectada</translation>
    </message>
    <message>
      <source>Limits: over %1 %3, under %2 %3</source>
      <translation>Límites: por encima de %1 %3, por debajo de %2 %3</translation>
    </message>
    <message>
      <source>Verification code: %1</source>
      <translation>Código de verificación: %1</translation>
    </message>
    <message>
      <source>Operator</source>
      <translation>Operador</translation>
    </message>
    <message>
      <source>Signature</source>
      <translation>Firma</translation>
    </message>
    <message>
      <source>Weighing ticket</source>
      <translation>Tique de pesaje</translation>
    </message>
    <message>
      <source>Station: %1</source>
      <translation>Estación: %1</translation>
    </message>
    <message>
      <source>Seq: %1</source>
      <translation>Nº: %1</translation>
    </message>
    <message>
      <source>Date and time: %1</source>
      <translation>Fecha y hora: %1</translation>
    </message>
    <message>
      <source>Weighing report</source>
      <translation>Informe de pesajes</translation>
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
      <translation>Ningún registro coincide</translation>
    </message>
    <message>
      <source>all records</source>
      <translation>todos los registros</translation>
    </message>
    <message>
      <source>up to %1</source>
      <translation>hasta %1</translation>
    </message>
    <message>
      <source>from %1</source>
      <translation>desde %1</translation>
    </message>
    <message>
      <source>%1 to %2</source>
      <translation>%1 a %2</translation>
    </message>
    <message>
      <source>Interim weighing ticket</source>
      <translation>Ticket de pesada provisional</translation>
    </message>
    <message>
      <source>Tare ticket</source>
      <translation>Ticket de tara</translation>
    </message>
    <message>
      <source>Void notice</source>
      <translation>Aviso de anulación</translation>
    </message>
    <message>
      <source>Vehicle: %1</source>
      <translation>Vehículo: %1</translation>
    </message>
    <message>
      <source>Container: %1</source>
      <translation>Contenedor: %1</translation>
    </message>
    <message>
      <source>Customer: %1</source>
      <translation>Cliente: %1</translation>
    </message>
    <message>
      <source>Product: %1</source>
      <translation>Producto: %1</translation>
    </message>
    <message>
      <source>Haulier: %1</source>
      <translation>Transportista: %1</translation>
    </message>
    <message>
      <source>Reference: %1</source>
      <translation>Referencia: %1</translation>
    </message>
    <message>
      <source>Direction: %1</source>
      <translation>Dirección: %1</translation>
    </message>
    <message>
      <source>inbound</source>
      <translation>de entrada</translation>
    </message>
    <message>
      <source>outbound</source>
      <translation>de salida</translation>
    </message>
    <message>
      <source>Operator: %1</source>
      <translation>Operador: %1</translation>
    </message>
    <message>
      <source>Note: %1</source>
      <translation>Nota: %1</translation>
    </message>
    <message>
      <source>Reason: %1</source>
      <translation>Motivo: %1</translation>
    </message>
    <message>
      <source>Transaction: %1</source>
      <translation>Transacción: %1</translation>
    </message>
    <message>
      <source>Weighing: seq %1, %2, %3</source>
      <translation>Pesada: n.º %1, %2, %3</translation>
    </message>
    <message>
      <source>First weighing: seq %1, %2, %3</source>
      <translation>Primera pesada: n.º %1, %2, %3</translation>
    </message>
    <message>
      <source>Second weighing: seq %1, %2, %3</source>
      <translation>Segunda pesada: n.º %1, %2, %3</translation>
    </message>
    <message>
      <source>Tare stored on transaction %1, valid until %2</source>
      <translation>Tara guardada en la transacción %1, válida hasta %2</translation>
    </message>
    <message>
      <source>Voids transaction %1</source>
      <translation>Anula la transacción %1</translation>
    </message>
    <message>
      <source>Replaces the ticket of transaction %1</source>
      <translation>Sustituye el ticket de la transacción %1</translation>
    </message>
    <message>
      <source>Tare: %1</source>
      <translation>Tara: %1</translation>
    </message>
    <message>
      <source>Valid until %1</source>
      <translation>Válida hasta %1</translation>
    </message>
    <message>
      <source>VOID (transaction %1)</source>
      <translation>VOID (transacción %1)</translation>
    </message>
    <message>
      <source>REPLACED by transaction %1</source>
      <translation>SUSTITUIDA por la transacción %1</translation>
    </message>
    <message>
      <source>Interim ticket: %1</source>
      <translation>Ticket provisional: %1</translation>
    </message>
    <message>
      <source>Sealed %1</source>
      <translation>Sellada el %1</translation>
    </message>
    <message>
      <source>Total: %1</source>
      <translation>Total: %1</translation>
    </message>
    <message>
      <source>Voided and replaced, not summed</source>
      <translation>Anuladas y sustituidas, sin sumar</translation>
    </message>
  </context>
  <context>
    <name>Publishing</name>
    <message>
      <source>%1: the connection was lost (%2)</source>
      <translation>%1: se perdió la conexión (%2)</translation>
    </message>
    <message>
      <source>%1 did not take record seq %2 (%3); the records from it on wait and are sent again every minute</source>
      <translation>%1 no aceptó el registro n.º %2 (%3); los registros desde él esperan y se reenvían cada minuto</translation>
    </message>
    <message>
      <source>%1 is set, but '%2' is not mqtts:// (TLS)</source>
      <translation>%1 está definido, pero '%2' no es mqtts:// (TLS)</translation>
    </message>
    <message>
      <source>%1: cannot read %2</source>
      <translation>%1: no se puede leer %2</translation>
    </message>
    <message>
      <source>the topic prefix in '%1' is not one to publish to (no '#', '+', NUL or empty level)</source>
      <translation>el prefijo de tema en '%1' no sirve para publicar (sin '#', '+', NUL ni nivel vacío)</translation>
    </message>
    <message>
      <source>'%1' is not mqtt://[user@]host[:port][/prefix]</source>
      <translation>'%1' no es mqtt://[usuario@]host[:puerto][/prefijo]</translation>
    </message>
    <message>
      <source>'%1' is neither mqtt:// nor mqtts://</source>
      <translation>'%1' no es ni mqtt:// ni mqtts://</translation>
    </message>
    <message>
      <source>a password in the URI is refused; give it in WEIGHSTATION_MQTT_PASSWORD_FILE</source>
      <translation>se rechaza una contraseña en la URI; indíquela en WEIGHSTATION_MQTT_PASSWORD_FILE</translation>
    </message>
    <message>
      <source>'%1' has a query or fragment, which it does not take</source>
      <translation>'%1' tiene una consulta o un fragmento, que no admite</translation>
    </message>
    <message>
      <source>the topic prefix '%1' is not one to publish to (no '#', '+', NUL or empty level)</source>
      <translation>el prefijo de tema '%1' no sirve para publicar (sin '#', '+', NUL ni nivel vacío)</translation>
    </message>
    <message>
      <source>%1 did not take transaction %2 (%3); it is sent again</source>
      <translation>%1 no aceptó la transacción %2 (%3); se envía de nuevo</translation>
    </message>
  </context>
  <context>
    <name>Records</name>
    <message>
      <source>The journal (default: $WEIGHSTATION_JOURNAL or ~/.local/share/weighstation/journal.sqlite).</source>
      <translation>El diario (por defecto: $WEIGHSTATION_JOURNAL o ~/.local/share/weighstation/journal.sqlite).</translation>
    </message>
    <message>
      <source>Its key (default: $WEIGHSTATION_JOURNAL_KEY or ~/.config/weighstation/journal.key).</source>
      <translation>Su clave (por defecto: $WEIGHSTATION_JOURNAL_KEY o ~/.config/weighstation/journal.key).</translation>
    </message>
    <message>
      <source>The head that witnesses its end (default: beside the key).</source>
      <translation>El testigo final (head) que da fe de su final (por defecto: junto a la clave).</translation>
    </message>
    <message>
      <source>takes %1, not %2 (try --help)</source>
      <translation>admite %1, no %2 (véase --help)</translation>
    </message>
    <message>
      <source>no arguments</source>
      <translation>ningún argumento</translation>
    </message>
    <message>
      <source>one argument</source>
      <translation>un argumento</translation>
    </message>
    <message>
      <source>%1 arguments</source>
      <translation>%1 argumentos</translation>
    </message>
    <message>
      <source>Records taken from this local date (yyyy-MM-dd, optionally THH:mm[:ss]) on.</source>
      <translation>Registros a partir de esta fecha local (yyyy-MM-dd, opcionalmente THH:mm[:ss]).</translation>
    </message>
    <message>
      <source>Records taken up to the end of this local date.</source>
      <translation>Registros hasta el final de esta fecha local.</translation>
    </message>
    <message>
      <source>--from %1 is not before --to %2</source>
      <translation>--from %1 no es anterior a --to %2</translation>
    </message>
    <message>
      <source>'%1' is not a range of seq numbers A-B</source>
      <translation>'%1' no es un rango de números A-B</translation>
    </message>
    <message>
      <source>Read the site's central database (postgresql:// URI) instead of the journal.</source>
      <translation>Leer la base de datos central del sitio (URI postgresql://) en lugar del diario.</translation>
    </message>
    <message>
      <source>Only the journals of this station.</source>
      <translation>Solo los diarios de esta estación.</translation>
    </message>
    <message>
      <source>Only this journal.</source>
      <translation>Solo este diario.</translation>
    </message>
    <message>
      <source>cannot check the journal</source>
      <translation>no se puede comprobar el diario</translation>
    </message>
    <message>
      <source>cannot write %1: its folder is missing or not writable</source>
      <translation>no se puede escribir %1: su carpeta falta o no admite escritura</translation>
    </message>
    <message>
      <source>cannot reach %1</source>
      <translation>no se puede alcanzar %1</translation>
    </message>
    <message>
      <source>the records viewer, "Weigh Station Records"</source>
      <translation>el visor de registros, "Weigh Station Records"</translation>
    </message>
    <message>
      <source>check every record, the chain and the end</source>
      <translation>comprobar cada registro, la cadena y el final</translation>
    </message>
    <message>
      <source>the records as CSV or .xlsx</source>
      <translation>los registros como CSV o .xlsx</translation>
    </message>
    <message>
      <source>rebuild the last workbook that went to FILE</source>
      <translation>reconstruir el último libro escrito en FILE</translation>
    </message>
    <message>
      <source>a record's weighing ticket, as a PDF</source>
      <translation>el ticket de pesaje de un registro, en PDF</translation>
    </message>
    <message>
      <source>a report of the records, as a PDF</source>
      <translation>un informe de los registros, en PDF</translation>
    </message>
    <message>
      <source>a station's journals in the central database</source>
      <translation>los diarios de una estación en la base central</translation>
    </message>
    <message>
      <source>the central records, of one station or all</source>
      <translation>los registros centrales, de una estación o de todas</translation>
    </message>
    <message>
      <source>the SQL of the central tables, for a DBA</source>
      <translation>el SQL de las tablas centrales, para un DBA</translation>
    </message>
    <message>
      <source>every setting in force and where it came from</source>
      <translation>cada ajuste vigente y su origen</translation>
    </message>
    <message>
      <source>retire the journal, its key and heads (renamed, kept); the monitor then starts a new journal</source>
      <translation>retirar el diario, su clave y testigos (renombrados, conservados); el monitor empieza entonces un diario nuevo</translation>
    </message>
    <message>
      <source>Views, verifies, lists, exports and recovers the monitor's record journal.</source>
      <translation>Muestra, comprueba, lista, exporta y recupera el diario de registros del monitor.</translation>
    </message>
    <message>
      <source>Commands:</source>
      <translation>Órdenes:</translation>
    </message>
    <message>
      <source>The commands that read the journal take --journal PATH, --key PATH and --head PATH
(those they use); each command's --help lists its own options.
Exit codes: 0 done, 1 the journal does not verify, 2 cannot be done.</source>
      <translation>Las órdenes que leen el diario admiten --journal PATH, --key PATH y --head PATH
(las que usan); --help de cada orden lista sus opciones.
Códigos de salida: 0 hecho, 1 el diario no se verifica, 2 no se puede hacer.</translation>
    </message>
    <message>
      <source>Opens the records viewer over the journal, read-only.</source>
      <translation>Abre el visor de registros sobre el diario, solo lectura.</translation>
    </message>
    <message>
      <source>Prints every setting in force: key, value, and where it came from (default, system file, user file, environment).</source>
      <translation>Muestra cada ajuste vigente: clave, valor y origen (default, system file, user file, environment).</translation>
    </message>
    <message>
      <source>Prints the SQL that creates the central tables, for a database administrator who creates them by hand.</source>
      <translation>Muestra el SQL que crea las tablas centrales, para un administrador que las crea a mano.</translation>
    </message>
    <message>
      <source>Retires the journal, its key and its heads (renamed with the journal's id, nothing deleted), so that the monitor starts a new journal with a new key at its next record.</source>
      <translation>Retira el diario, su clave y sus testigos (renombrados con el identificador del diario, nada se borra), para que el monitor empiece un diario nuevo con una clave nueva en su próximo registro.</translation>
    </message>
    <message>
      <source>Only the newest N.</source>
      <translation>Solo los N más recientes.</translation>
    </message>
    <message>
      <source>--last takes a number above 0</source>
      <translation>--last admite un número mayor que 0</translation>
    </message>
    <message>
      <source>Exports records to CSV or .xlsx; a journal that does not verify is refused unless --unverified is given.</source>
      <translation>Exporta registros a CSV o .xlsx; un diario que no se verifica se rechaza salvo con --unverified.</translation>
    </message>
    <message>
      <source>Only seq A to B.</source>
      <translation>Solo los números A a B.</translation>
    </message>
    <message>
      <source>Write CSV to FILE.</source>
      <translation>Escribir CSV en FILE.</translation>
    </message>
    <message>
      <source>Write .xlsx to FILE.</source>
      <translation>Escribir .xlsx en FILE.</translation>
    </message>
    <message>
      <source>Export a journal that does not verify, marked as such.</source>
      <translation>Exportar un diario que no se verifica, marcado como tal.</translation>
    </message>
    <message>
      <source>export takes one of --csv FILE and --xlsx FILE</source>
      <translation>export admite uno de --csv FILE y --xlsx FILE</translation>
    </message>
    <message>
      <source>Rebuilds, from the journal, the workbook of the last spreadsheet-log session that went to FILE, as its stop would have saved it.</source>
      <translation>Reconstruye, a partir del diario, el libro de la última sesión de registro en hoja de cálculo escrita en FILE, como su parada lo habría guardado.</translation>
    </message>
    <message>
      <source>The workbook's file name.</source>
      <translation>El nombre de archivo del libro.</translation>
    </message>
    <message>
      <source>Write the workbook here (default: FILE, if it does not exist).</source>
      <translation>Escribir el libro aquí (por defecto: FILE, si no existe).</translation>
    </message>
    <message>
      <source>Rebuild from a journal that does not verify.</source>
      <translation>Reconstruir a partir de un diario que no se verifica.</translation>
    </message>
    <message>
      <source>%1 exists: give --output OUT for the rebuilt workbook</source>
      <translation>%1 existe: indique --output OUT para el libro reconstruido</translation>
    </message>
    <message>
      <source>Write the PDF to FILE.</source>
      <translation>Escribir el PDF en FILE.</translation>
    </message>
    <message>
      <source>takes --pdf FILE</source>
      <translation>admite --pdf FILE</translation>
    </message>
    <message>
      <source>Prints the weighing ticket of one record to a PDF file, with the journal's check result; a record the check does not vouch for is refused unless --unverified is given, and then marked.</source>
      <translation>Imprime el ticket de pesaje de un registro en un archivo PDF, con el resultado de la comprobación del diario; un registro que la comprobación no avala se rechaza salvo con --unverified, y entonces se marca.</translation>
    </message>
    <message>
      <source>The record.</source>
      <translation>El registro.</translation>
    </message>
    <message>
      <source>Print a record the journal's check does not vouch for, marked UNVERIFIED.</source>
      <translation>Imprimir un registro que la comprobación no avala, marcado UNVERIFIED.</translation>
    </message>
    <message>
      <source>ticket takes --seq N, a record's seq</source>
      <translation>ticket admite --seq N, el número de un registro</translation>
    </message>
    <message>
      <source>no record %1 in the journal</source>
      <translation>ningún registro %1 en el diario</translation>
    </message>
    <message>
      <source>Prints a report of the records to a PDF file: a line a record, day subtotals and totals, the journal's check result on every page. A journal that fails its check gives a report marked UNVERIFIED, and exit code 1.</source>
      <translation>Imprime un informe de los registros en un archivo PDF: una línea por registro, subtotales por día y totales, el resultado de la comprobación del diario en cada página. Un diario que no pasa su comprobación da un informe marcado UNVERIFIED y el código de salida 1.</translation>
    </message>
    <message>
      <source>Only this station's records.</source>
      <translation>Solo los registros de esta estación.</translation>
    </message>
    <message>
      <source>Settings</source>
      <translation>Ajustes</translation>
    </message>
    <message>
      <source>The station's verification key, for records of format 2 (default: beside the key, journal.verification-key).</source>
      <translation>La clave de verificación de la estación, para registros del formato 2 (por defecto: junto a la clave, journal.verification-key).</translation>
    </message>
    <message>
      <source>Writes the station's verification key (public: it checks records of format 2 and tickets, and seals nothing) and prints the station, the journal and the key's fingerprint, for a person to register and compare.</source>
      <translation>Escribe la clave de verificación de la estación (pública: comprueba registros del formato 2 y tickets, y no sella nada) e imprime la estación, el diario y la huella de la clave, para registrarla y compararla.</translation>
    </message>
    <message>
      <source>Write the key to FILE (default: only print).</source>
      <translation>Escribir la clave en FILE (por defecto: solo imprimir).</translation>
    </message>
    <message>
      <source>the station's public key that checks its seals</source>
      <translation>la clave pública de la estación que comprueba sus sellos</translation>
    </message>
    <message>
      <source>check a ticket's QR code with the verification key</source>
      <translation>comprobar el código QR de un ticket con la clave de verificación</translation>
    </message>
    <message>
      <source>the journal, and its central copy against it</source>
      <translation>el diario, y su copia central comparada con él</translation>
    </message>
    <message>
      <source>trust a station's verification key centrally</source>
      <translation>confiar centralmente en la clave de verificación de una estación</translation>
    </message>
    <message>
      <source>The SQL that upgrades central tables of an earlier version (--from, default 1: keyed by station and seq) to this version, for their owner.</source>
      <translation>El SQL que actualiza tablas centrales de una versión anterior (--from, por defecto 1: con clave por estación y seq) a esta versión, para su propietario.</translation>
    </message>
    <message>
      <source>Registers a station's verification key by its fingerprint in the central database, once a person has compared it with the station's: central checks trust only the verification keys registered.</source>
      <translation>Registra la clave de verificación de una estación por su huella en la base de datos central, una vez que una persona la ha comparado con la de la estación: las comprobaciones centrales solo confían en las claves registradas.</translation>
    </message>
    <message>
      <source>The central database (postgresql:// URI).</source>
      <translation>La base de datos central (URI postgresql://).</translation>
    </message>
    <message>
      <source>The station.</source>
      <translation>La estación.</translation>
    </message>
    <message>
      <source>Its verification key's fingerprint.</source>
      <translation>La huella de su clave de verificación.</translation>
    </message>
    <message>
      <source>Also compare the journal with its copy in the central database (postgresql:// URI): every central record equal to the local one, the journal not shorter.</source>
      <translation>Comparar además el diario con su copia en la base de datos central (URI postgresql://): cada registro central igual al local, el diario no más corto.</translation>
    </message>
    <message>
      <source>Checks a ticket's QR code offline, with the station's verification key alone: the code's text as an argument, or --image with a photo or scan of the ticket.</source>
      <translation>Comprueba el código QR de un ticket sin conexión, solo con la clave de verificación de la estación: el texto del código como argumento, o --image con una foto o un escaneo del ticket.</translation>
    </message>
    <message>
      <source>A photo or scan of the ticket (PNG, JPEG).</source>
      <translation>Una foto o un escaneo del ticket (PNG, JPEG).</translation>
    </message>
    <message>
      <source>--page-size takes A4, A5, A6, Letter or Roll80, not '%1'</source>
      <translation>--page-size admite A4, A5, A6, Letter o Roll80, no '%1'</translation>
    </message>
    <message>
      <source>none</source>
      <translation>ninguno</translation>
    </message>
    <message>
      <source>one line per record, checked</source>
      <translation>una línea por registro, verificada</translation>
    </message>
    <message>
      <source>UNVERIFIED: not checked (--unchecked); every record is marked</source>
      <translation>UNVERIFIED: no verificado (--unchecked); cada registro se marca</translation>
    </message>
    <message>
      <source>UNVERIFIED: cannot check the journal (%1); every record is marked</source>
      <translation>UNVERIFIED: no se puede verificar el diario (%1); cada registro se marca</translation>
    </message>
    <message>
      <source>Lists the journal's records, after checking the journal: a record the check does not trust is marked UNVERIFIED.</source>
      <translation>Lista los registros del diario tras verificarlo: un registro en el que la verificación no confía se marca UNVERIFIED.</translation>
    </message>
    <message>
      <source>Lists without checking: every record is marked.</source>
      <translation>Lista sin verificar: cada registro se marca.</translation>
    </message>
    <message>
      <source>the station's clock is right after it moved far ahead: the monitor seals again</source>
      <translation>el reloj de la estación es correcto tras adelantarse mucho: el monitor vuelve a sellar</translation>
    </message>
    <message>
      <source>Confirms that the station's clock is right after it moved far ahead of the signing keys' last use: erases the secrets of every epoch before now, so that the monitor seals again once started again. Run it only once the clock was checked.</source>
      <translation>Confirma que el reloj de la estación es correcto tras adelantarse mucho respecto al último uso de las claves de firma: borra los secretos de cada época anterior a ahora, para que el monitor vuelva a sellar al reiniciarse. Ejecútelo solo tras comprobar el reloj.</translation>
    </message>
    <message>
      <source>Copies the journal (SQLite's online backup, while the monitor records), its head and its verification key into DIR/&lt;journal id&gt;, checks the copy, and only then replaces the last backup there. The signing keys are never copied.</source>
      <translation>Copia el diario (con la copia en línea de SQLite, mientras el monitor registra), su cabecera y su clave de verificación en DIR/&lt;id del diario&gt;, comprueba la copia y solo entonces sustituye la última copia de seguridad allí. Las claves de firma nunca se copian.</translation>
    </message>
    <message>
      <source>The backup folder DIR (default: the setting backup_folder); it must exist: a missing folder is a disk not mounted.</source>
      <translation>La carpeta de copias DIR (por defecto: el ajuste backup_folder); debe existir: una carpeta que falta es un disco no montado.</translation>
    </message>
    <message>
      <source>no backup folder: give --to DIR or set backup_folder</source>
      <translation>no hay carpeta de copias: indique --to DIR o ajuste backup_folder</translation>
    </message>
    <message>
      <source>backed up journal %1 (%2 records, checked intact) to %3</source>
      <translation>copia del diario %1 hecha (%2 registros, comprobados intactos) en %3</translation>
    </message>
    <message>
      <source>Puts the backup in DIR/&lt;journal id&gt; back as the journal, once it checks intact with its own head and verification key; never over a journal.</source>
      <translation>Restaura la copia de DIR/&lt;id del diario&gt; como diario, una vez comprobada intacta con su propia cabecera y clave de verificación; nunca sobre un diario.</translation>
    </message>
    <message>
      <source>The backup's folder, DIR/&lt;journal id&gt;.</source>
      <translation>La carpeta de la copia, DIR/&lt;id del diario&gt;.</translation>
    </message>
    <message>
      <source>give the backup with --from DIR/ID</source>
      <translation>indique la copia con --from DIR/ID</translation>
    </message>
    <message>
      <source>restored journal %1 (%2 records, backed up %3) to %4</source>
      <translation>diario %1 restaurado (%2 registros, copiados %3) en %4</translation>
    </message>
    <message>
      <source>the station's key sealed %1 records after the backup: they are not in it; the monitor refuses to record until a person retires this journal with weighstation-records new-journal</source>
      <translation>la clave de la estación selló %1 registros después de la copia: no están en ella; el monitor no registra hasta que una persona retire este diario con weighstation-records new-journal</translation>
    </message>
    <message>
      <source>a checked copy of the journal, its head and verification key in DIR/&lt;journal id&gt;</source>
      <translation>una copia comprobada del diario, su cabecera y su clave de verificación en DIR/&lt;id del diario&gt;</translation>
    </message>
    <message>
      <source>put a checked backup back where no journal is</source>
      <translation>restaurar una copia comprobada donde no hay diario</translation>
    </message>
    <message>
      <source>registered the verification key %1 for station %2</source>
      <translation>clave de verificación %1 registrada para la estación %2</translation>
    </message>
    <message>
      <source>it is the verification key sent with journal %1</source>
      <translation>es la clave de verificación enviada con el diario %1</translation>
    </message>
    <message>
      <source>central copy agrees: %1 of journal %2</source>
      <translation>la copia central coincide: %1 del diario %2</translation>
    </message>
    <message>
      <source>central copy agrees: %1 of station %2 in journal %3</source>
      <translation>la copia central coincide: %1 de la estación %2 en el diario %3</translation>
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
      <translation>exportación de %1 a %2 hecha, en %3 hojas</translation>
    </message>
    <message>
      <source>exported %1 to %2</source>
      <translation>exportación de %1 a %2 hecha</translation>
    </message>
    <message>
      <source>rebuilt %1 rows of %2 into %3</source>
      <translation>%1 filas de %2 reconstruidas en %3</translation>
    </message>
    <message>
      <source>retired journal %1:</source>
      <translation>diario %1 retirado:</translation>
    </message>
    <message>
      <source>the monitor starts a new journal with a new key at its next record</source>
      <translation>el monitor empieza un diario nuevo con una clave nueva en su próximo registro</translation>
    </message>
    <message>
      <source>seq %1 is not printed: %2 (--unverified prints it marked UNVERIFIED)</source>
      <translation>el nº %1 no se imprime: %2 (--unverified lo imprime marcado NO VERIFICADO)</translation>
    </message>
    <message>
      <source>printed the ticket of seq %1 to %2</source>
      <translation>tique del nº %1 impreso en %2</translation>
    </message>
    <message>
      <source>printed the ticket of seq %1 to %2 (marked UNVERIFIED)</source>
      <translation>tique del nº %1 impreso en %2 (marcado NO VERIFICADO)</translation>
    </message>
    <message>
      <source>station %1</source>
      <translation>estación %1</translation>
    </message>
    <message>
      <source>printed the report (%1: %2) to %3</source>
      <translation>informe (%1: %2) impreso en %3</translation>
    </message>
    <message>
      <source>printed the report (%1: %2) to %3 (marked UNVERIFIED)</source>
      <translation>informe (%1: %2) impreso en %3 (marcado NO VERIFICADO)</translation>
    </message>
    <message>
      <source>'%1' is not a date (yyyy-MM-dd, optionally with THH:mm[:ss])</source>
      <translation>'%1' no es una fecha (yyyy-MM-dd, opcionalmente con THH:mm[:ss])</translation>
    </message>
    <message>
      <source>Checks every record's mac, the chain, the sequence and the journal's end; with --central, a station's chain in the central database (without --station or --journal-id: every journal there, each by the key registered for its station).</source>
      <translation>Comprueba el MAC de cada registro, la cadena, la secuencia y el final del diario; con --central, la cadena de una estación en la base central (sin --station ni --journal-id: cada diario de allí, cada uno con la clave registrada para su estación).</translation>
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
      <translation>la base central no contiene registros del diario %1</translation>
    </message>
    <message>
      <source>the central database holds no records of station %1</source>
      <translation>la base central no contiene registros de la estación %1</translation>
    </message>
    <message>
      <source>the central database holds no records</source>
      <translation>la base central no contiene registros</translation>
    </message>
    <message>
      <source>exported</source>
      <translation>exportado</translation>
    </message>
    <message>
      <source>--from takes a version from 1 to %1</source>
      <translation>--from requiere una versión de 1 a %1</translation>
    </message>
    <message>
      <source>central-register takes --station NAME and --fingerprint XXXX-XXXX-XXXX-XXXX (16 hex digits)</source>
      <translation>central-register requiere --station NOMBRE y --fingerprint XXXX-XXXX-XXXX-XXXX (16 dígitos hexadecimales)</translation>
    </message>
    <message>
      <source>no verification key sent for station %1 matches it yet (%2); central checks trust it once the station ships records sealed with it</source>
      <translation>aún no coincide ninguna clave de verificación enviada para la estación %1 (%2); las comprobaciones centrales confían en ella cuando la estación envíe registros sellados con ella</translation>
    </message>
    <message>
      <source>none was sent</source>
      <translation>no se envió ninguna</translation>
    </message>
    <message>
      <source>sent: %1</source>
      <translation>enviadas: %1</translation>
    </message>
    <message>
      <source>verify --central checks every journal by the verification key registered for its station; with a key or a journal of your own it takes --station NAME or --journal-id ID: a chain is a journal's</source>
      <translation>verify --central comprueba cada diario con la clave de verificación registrada para su estación; con una clave o un diario propios requiere --station NOMBRE o --journal-id ID: una cadena es de un diario</translation>
    </message>
    <message>
      <source>checking: %1 of %2 records</source>
      <translation>comprobando: %1 de %2 registros</translation>
    </message>
    <message>
      <source>... and %1 more problems</source>
      <translation>... y %1 problemas más</translation>
    </message>
    <message>
      <source>the journal does not verify (%1); nothing %2 (--unverified writes it marked as unverified)</source>
      <translation>el diario no supera la comprobación (%1); nada %2 (--unverified lo escribe marcado como no verificado)</translation>
    </message>
    <message>
      <source>exporting: %1 of %2 records (%3%)</source>
      <translation>exportando: %1 de %2 registros (%3 %)</translation>
    </message>
    <message>
      <source>rebuilt</source>
      <translation>reconstruido</translation>
    </message>
    <message>
      <source>cannot write %1: %2</source>
      <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
      <source>the clock (%1) is outside the signing keys' run; nothing erased</source>
      <translation>el reloj (%1) está fuera del periodo de las claves de firma; no se borró nada</translation>
    </message>
    <message>
      <source>unknown command '%1' (try --help)</source>
      <translation>orden desconocida '%1' (pruebe --help)</translation>
    </message>
    <message>
      <source>the weighing desk's transactions: single, tare, stored-tare, open, close, void, correct, list</source>
      <translation>las transacciones del puesto de pesaje: single, tare, stored-tare, open, close, void, correct, list</translation>
    </message>
    <message>
      <source>the desk's vehicles, customers and products; CSV in and out</source>
      <translation>los vehículos, clientes y productos del puesto; CSV de entrada y salida</translation>
    </message>
    <message>
      <source>The vehicle's registration.</source>
      <translation>La matrícula del vehículo.</translation>
    </message>
    <message>
      <source>The vehicle's container (its stored tare's).</source>
      <translation>El contenedor del vehículo (el de su tara guardada).</translation>
    </message>
    <message>
      <source>The customer.</source>
      <translation>El cliente.</translation>
    </message>
    <message>
      <source>The product.</source>
      <translation>El producto.</translation>
    </message>
    <message>
      <source>The haulier.</source>
      <translation>El transportista.</translation>
    </message>
    <message>
      <source>The order or reference number.</source>
      <translation>El número de pedido o de referencia.</translation>
    </message>
    <message>
      <source>A first weighing's direction: in or out.</source>
      <translation>La dirección de una primera pesada: in (entrada) u out (salida).</translation>
    </message>
    <message>
      <source>The operator (a supervisor to void or correct).</source>
      <translation>El operador (un supervisor para anular o corregir).</translation>
    </message>
    <message>
      <source>A note on the transaction.</source>
      <translation>Una nota sobre la transacción.</translation>
    </message>
    <message>
      <source>The second weighing's interim ticket code, or its registration.</source>
      <translation>El código del ticket provisional de la segunda pesada, o su matrícula.</translation>
    </message>
    <message>
      <source>Why a transaction is voided or corrected.</source>
      <translation>Por qué se anula o corrige una transacción.</translation>
    </message>
    <message>
      <source>gross %1 tare %2 net %3 %4</source>
      <translation>bruto %1 tara %2 neto %3 %4</translation>
    </message>
    <message>
      <source>tare %1 %2 until %3</source>
      <translation>tara %1 %2 hasta %3</translation>
    </message>
    <message>
      <source>on transaction %1</source>
      <translation>sobre la transacción %1</translation>
    </message>
    <message>
      <source>VOID (transaction %1)</source>
      <translation>VOID (transacción %1)</translation>
    </message>
    <message>
      <source>replaced by transaction %1</source>
      <translation>sustituida por la transacción %1</translation>
    </message>
    <message>
      <source>closed by transaction %1</source>
      <translation>cerrada por la transacción %1</translation>
    </message>
    <message>
      <source>on site, interim ticket %1</source>
      <translation>en planta, ticket provisional %1</translation>
    </message>
    <message>
      <source>Seals a weighing desk's transaction on the journal's records, or lists them. ACTION: single, tare (store a vehicle's tare), stored-tare, open (a first weighing), close (its second), void, correct, list. Weights are never typed: they follow from the records.</source>
      <translation>Sella una transacción del puesto de pesaje sobre los registros del diario, o las lista. ACTION: single, tare (guardar la tara de un vehículo), stored-tare, open (una primera pesada), close (su segunda), void, correct, list. Los pesos nunca se teclean: se deducen de los registros.</translation>
    </message>
    <message>
      <source>What to do.</source>
      <translation>Qué hacer.</translation>
    </message>
    <message>
      <source>The record (its seq) weighed.</source>
      <translation>El registro pesado (su número).</translation>
    </message>
    <message>
      <source>The transaction to void or correct.</source>
      <translation>La transacción que anular o corregir.</translation>
    </message>
    <message>
      <source>List only the vehicles on site.</source>
      <translation>Listar solo los vehículos en planta.</translation>
    </message>
    <message>
      <source>%1 needs --transaction SEQ</source>
      <translation>%1 necesita --transaction SEQ</translation>
    </message>
    <message>
      <source>%1 needs --record SEQ</source>
      <translation>%1 necesita --record SEQ</translation>
    </message>
    <message>
      <source>no action %1 (try --help)</source>
      <translation>no existe la acción %1 (pruebe --help)</translation>
    </message>
    <message>
      <source>The weighing desk's vehicles, customers and products. TABLE: vehicles, customers, products. ACTION: list, add VALUES..., remove KEY, import FILE, export FILE (CSV, a header line of the columns first).</source>
      <translation>Los vehículos, clientes y productos del puesto de pesaje. TABLE: vehicles, customers, products. ACTION: list, add VALUES..., remove KEY, import FILE, export FILE (CSV, primero una línea de cabecera con las columnas).</translation>
    </message>
    <message>
      <source>The table.</source>
      <translation>La tabla.</translation>
    </message>
    <message>
      <source>no table %1: vehicles, customers or products</source>
      <translation>no existe la tabla %1: vehicles, customers o products</translation>
    </message>
    <message>
      <source>%1 rows of %2 imported</source>
      <translation>%1 filas de %2 importadas</translation>
    </message>
    <message>
      <source>a transaction's ticket, as a PDF</source>
      <translation>el ticket de una transacción, en PDF</translation>
    </message>
    <message>
      <source>Prints the ticket of a weighing desk's transaction to a PDF file, with the journal's check result; refused when the journal fails its check unless --unverified is given, and then marked.</source>
      <translation>Imprime el ticket de una transacción del puesto de pesaje en un archivo PDF, con el resultado de la comprobación del diario; se rechaza si el diario no supera su comprobación, salvo con --unverified, y entonces se marca.</translation>
    </message>
    <message>
      <source>The transaction.</source>
      <translation>La transacción.</translation>
    </message>
    <message>
      <source>Print it though the journal fails its check, marked UNVERIFIED.</source>
      <translation>Imprimirlo aunque el diario no supere su comprobación, marcado UNVERIFIED.</translation>
    </message>
    <message>
      <source>transaction-ticket takes --transaction N</source>
      <translation>transaction-ticket lleva --transaction N</translation>
    </message>
    <message>
      <source>transaction %1 is not printed: %2 (--unverified prints it marked UNVERIFIED)</source>
      <translation>la transacción %1 no se imprime: %2 (--unverified la imprime marcada UNVERIFIED)</translation>
    </message>
    <message>
      <source>no transaction %1 in the journal</source>
      <translation>no existe la transacción %1 en el diario</translation>
    </message>
    <message>
      <source>printed the ticket of transaction %1 to %2</source>
      <translation>ticket de la transacción %1 impreso en %2</translation>
    </message>
    <message>
      <source>the transactions per shift, day, customer, product or vehicle</source>
      <translation>las transacciones por turno, día, cliente, producto o vehículo</translation>
    </message>
    <message>
      <source>A report of the weighing desk's transactions: per shift, day, customer, product or vehicle, each group's count and net sums per unit, the voided and replaced ones apart; as a PDF (with the journal's check result) or a CSV or .xlsx table.</source>
      <translation>Un informe de las transacciones del puesto de pesaje: por turno, día, cliente, producto o vehículo, con el número y las sumas netas por unidad de cada grupo, las anuladas y sustituidas aparte; en PDF (con el resultado de la comprobación del diario) o como tabla CSV o .xlsx.</translation>
    </message>
    <message>
      <source>shift, day (the default), customer, product or vehicle.</source>
      <translation>shift, day (por defecto), customer, product o vehicle.</translation>
    </message>
    <message>
      <source>Write a CSV table to FILE.</source>
      <translation>Escribir una tabla CSV en FILE.</translation>
    </message>
    <message>
      <source>Write an .xlsx table to FILE.</source>
      <translation>Escribir una tabla .xlsx en FILE.</translation>
    </message>
    <message>
      <source>--by takes shift, day, customer, product or vehicle, not '%1'</source>
      <translation>--by lleva shift, day, customer, product o vehicle, no «%1»</translation>
    </message>
    <message>
      <source>desk_shifts is not a list of times HH:mm: '%1'</source>
      <translation>desk_shifts no es una lista de horas HH:mm: «%1»</translation>
    </message>
    <message>
      <source>wrote %1 to %2</source>
      <translation>%1 escrito en %2</translation>
    </message>
    <message>
      <source>The version of the tables to upgrade (1 to 4).</source>
      <translation>La versión de las tablas a actualizar (1 a 4).</translation>
    </message>
  </context>
  <context>
    <name>Settings</name>
    <message>
      <source>not a whole number</source>
      <translation>no es un número entero</translation>
    </message>
    <message>
      <source>not from %1 to %2</source>
      <translation>no está entre %1 y %2</translation>
    </message>
    <message>
      <source>not a file name</source>
      <translation>no es un nombre de archivo</translation>
    </message>
    <message>
      <source>not an absolute path (start it with / or ~/)</source>
      <translation>no es una ruta absoluta (empiécela con / o ~/)</translation>
    </message>
    <message>
      <source>not a setting (key = value)</source>
      <translation>no es un ajuste (clave = valor)</translation>
    </message>
    <message>
      <source>holds a NUL byte; it is not used</source>
      <translation>contiene un byte NUL; no se usa</translation>
    </message>
    <message>
      <source>a quote is left open; it is not used</source>
      <translation>queda una comilla abierta; no se usa</translation>
    </message>
    <message>
      <source>%1: %2; its settings are not used</source>
      <translation>%1: %2; sus ajustes no se usan</translation>
    </message>
    <message>
      <source>a link to nothing (or a loop of links)</source>
      <translation>un enlace a nada (o un bucle de enlaces)</translation>
    </message>
    <message>
      <source>cannot be read</source>
      <translation>no se puede leer</translation>
    </message>
    <message>
      <source>not a plain file</source>
      <translation>no es un archivo normal</translation>
    </message>
    <message>
      <source>larger than a settings file (1 MiB)</source>
      <translation>mayor que un archivo de ajustes (1 MiB)</translation>
    </message>
    <message>
      <source>; the %1 is used</source>
      <translation>; se usa %1</translation>
    </message>
    <message>
      <source>default</source>
      <translation>el valor por defecto</translation>
    </message>
    <message>
      <source>default (%1)</source>
      <translation>el valor por defecto (%1)</translation>
    </message>
    <message>
      <source>%1: cannot be read; its settings are not used</source>
      <translation>%1: no se puede leer; sus ajustes no se usan</translation>
    </message>
    <message>
      <source>%1: not a settings file (lines of key = value); its settings are not used</source>
      <translation>%1: no es un archivo de ajustes (líneas clave = valor); sus ajustes no se usan</translation>
    </message>
    <message>
      <source>%1: %2 = "%3": no such setting; it is not used</source>
      <translation>%1: %2 = "%3": no existe ese ajuste; no se usa</translation>
    </message>
    <message>
      <source>%1 = "%2": no such setting; it is not used</source>
      <translation>%1 = "%2": no existe ese ajuste; no se usa</translation>
    </message>
  </context>
  <context>
    <name>Verifier</name>
    <message>
      <source>seq %1: missing</source>
      <translation>n.º %1: falta</translation>
    </message>
    <message>
      <source>seq %1: missing, and the %2 after it</source>
      <translation>n.º %1: falta, y los %2 siguientes</translation>
    </message>
    <message>
      <source>seq %1: its mac does not match its contents and the record before (changed, moved, inserted or sealed with another key)</source>
      <translation>n.º %1: su MAC no coincide con su contenido y el registro anterior (cambiado, movido, insertado o sellado con otra clave)</translation>
    </message>
    <message>
      <source>seq %1: its seal is not a seal of format 2 (%2)</source>
      <translation>n.º %1: su sello no es un sello del formato 2 (%2)</translation>
    </message>
    <message>
      <source>seq %1: its seal does not match its contents and the record before (changed, moved or inserted)</source>
      <translation>n.º %1: su sello no coincide con su contenido y el registro anterior (cambiado, movido o insertado)</translation>
    </message>
    <message>
      <source>seq %1: sealed in epoch %2 after a record of epoch %3 (an epoch never goes back)</source>
      <translation>n.º %1: sellado en la época %2 tras un registro de la época %3 (una época nunca retrocede)</translation>
    </message>
    <message>
      <source>seq %1: its epoch %2 has no key certified by the verification key</source>
      <translation>n.º %1: su época %2 no tiene clave certificada por la clave de verificación</translation>
    </message>
    <message>
      <source>seq %1: dated %2, outside its sealing epoch %3 (%4 to %5): sealed later than its time, or the station's clock went back</source>
      <translation>n.º %1: fechado %2, fuera de su época de sellado %3 (%4 a %5): sellado después de su hora, o el reloj de la estación retrocedió</translation>
    </message>
    <message>
      <source>seq %1: its signature does not match (forged, changed, or sealed with another station's keys)</source>
      <translation>n.º %1: su firma no coincide (falsificado, cambiado o sellado con las claves de otra estación)</translation>
    </message>
    <message>
      <source>the head %1 is not signed by a key of the journal's epochs</source>
      <translation>el testigo final %1 no está firmado con una clave de las épocas del diario</translation>
    </message>
    <message>
      <source>the head %1 witnesses another journal</source>
      <translation>el testigo final %1 da fe de otro diario</translation>
    </message>
    <message>
      <source>seq %1: missing at the end: the journal ends at seq %2, its head witnessed seq %3 (records removed, or an older copy put back)</source>
      <translation>n.º %1: falta al final: el diario termina en el n.º %2, su testigo final daba fe del n.º %3 (registros quitados, o una copia más antigua repuesta)</translation>
    </message>
    <message>
      <source>seq %1: not the record its head witnessed</source>
      <translation>n.º %1: no es el registro del que daba fe su testigo final</translation>
    </message>
    <message>
      <source>the %1 cannot be read: %2</source>
      <translation>%1 no se puede leer: %2</translation>
    </message>
    <message>
      <source>%4 %1: %2 in %3, a value of the wrong kind</source>
      <translation>%4 %1: %2 en %3, un valor del tipo equivocado</translation>
    </message>
    <message>
      <source>the text log notes cannot be read: %1</source>
      <translation>las notas del registro de texto no se pueden leer: %1</translation>
    </message>
    <message>
      <source>seq %1: its text log note's signature does not match</source>
      <translation>n.º %1: la firma de su nota del registro de texto no coincide</translation>
    </message>
    <message>
      <source>seq %1: its text log note does not match</source>
      <translation>n.º %1: su nota del registro de texto no coincide</translation>
    </message>
    <message>
      <source>the journal's schema cannot be read: %1</source>
      <translation>el esquema del diario no se puede leer: %1</translation>
    </message>
    <message>
      <source>the journal's schema defines the %1 %2 otherwise than a journal's: %3</source>
      <translation>el esquema del diario define %1 %2 de otro modo que un diario: %3</translation>
    </message>
    <message>
      <source>the journal's schema holds a %1 %2 that is not a journal's</source>
      <translation>el esquema del diario contiene %1 %2 que no es de un diario</translation>
    </message>
    <message>
      <source>the journal's records cannot be read: %1</source>
      <translation>los registros del diario no se pueden leer: %1</translation>
    </message>
    <message>
      <source>a row of %1 outside the journal's sequence, at seq %2</source>
      <translation>una fila de %1 fuera de la secuencia del diario, en el n.º %2</translation>
    </message>
    <message>
      <source>seq %1: its text log note is missing</source>
      <translation>n.º %1: falta su nota del registro de texto</translation>
    </message>
    <message>
      <source>the epoch keys cannot be read: %1</source>
      <translation>las claves de época no se pueden leer: %1</translation>
    </message>
    <message>
      <source>epoch key %1 is not certified by the verification key %2 (station %3)</source>
      <translation>la clave de época %1 no está certificada por la clave de verificación %2 (estación %3)</translation>
    </message>
    <message>
      <source>the journal's identity cannot be read: %1</source>
      <translation>la identidad del diario no se puede leer: %1</translation>
    </message>
    <message>
      <source>the journal names another verification key than the one given (%1)</source>
      <translation>el diario nombra otra clave de verificación que la dada (%1)</translation>
    </message>
    <message>
      <source>the transition from format 1 cannot be read: %1</source>
      <translation>la transición desde el formato 1 no se puede leer: %1</translation>
    </message>
    <message>
      <source>the transition to format 2 after seq %1 is not sealed with format 1's key</source>
      <translation>la transición al formato 2 tras el n.º %1 no está sellada con la clave del formato 1</translation>
    </message>
    <message>
      <source>the transition to format 2 names the verification key %1, not the one given (%2)</source>
      <translation>la transición al formato 2 nombra la clave de verificación %1, no la dada (%2)</translation>
    </message>
    <message>
      <source>the journal has more than one transition from format 1</source>
      <translation>el diario tiene más de una transición desde el formato 1</translation>
    </message>
    <message>
      <source>seq %1: the journal says it is of format %2, but its verification key seals every record after seq %3 in format 2</source>
      <translation>n.º %1: el diario dice ser del formato %2, pero su clave de verificación sella cada registro tras el n.º %3 en formato 2</translation>
    </message>
    <message>
      <source>the journal's transition from format 1 is after seq %1, but its verification key binds it after seq %2</source>
      <translation>la transición del diario desde el formato 1 está tras el n.º %1, pero su clave de verificación la fija tras el n.º %2</translation>
    </message>
    <message>
      <source>the key also sealed %1 of journal %2 (head %3): a journal of this key is missing or was replaced</source>
      <translation>la clave también selló %1 del diario %2 (testigo final %3): falta un diario de esta clave o fue reemplazado</translation>
    </message>
    <message>
      <source>the check did not finish</source>
      <translation>la comprobación no terminó</translation>
    </message>
    <message>
      <source>it fails its check</source>
      <translation>no supera su comprobación</translation>
    </message>
    <message>
      <source>no key at %1</source>
      <translation>ninguna clave en %1</translation>
    </message>
    <message>
      <source>seq %1</source>
      <translation>n.º %1</translation>
    </message>
    <message>
      <source>seq %1..%2</source>
      <translation>n.º %1..%2</translation>
    </message>
    <message>
      <source>the journal cannot be read: %1</source>
      <translation>el diario no se puede leer: %1</translation>
    </message>
    <message>
      <source>the journal's file is damaged: %1</source>
      <translation>el archivo del diario está dañado: %1</translation>
    </message>
    <message>
      <source>%1: format 1, with the key %2</source>
      <translation>%1: formato 1, con la clave %2</translation>
    </message>
    <message>
      <source>%1: format 2, with the verification key %2 (station %3)</source>
      <translation>%1: formato 2, con la clave de verificación %2 (estación %3)</translation>
    </message>
    <message>
      <source>records of format 1 are checked with its key: %1</source>
      <translation>los registros del formato 1 se comprueban con su clave: %1</translation>
    </message>
    <message>
      <source>cancelled</source>
      <translation>cancelado</translation>
    </message>
    <message>
      <source>seq %1: out of its place, after seq %2</source>
      <translation>n.º %1: fuera de su lugar, después del n.º %2</translation>
    </message>
    <message>
      <source>seq %1: its text log note, which the head witnessed, is missing or changed</source>
      <translation>n.º %1: su nota del registro de texto, atestiguada por el testigo final, falta o fue cambiada</translation>
    </message>
    <message>
      <source>transaction %1, which the head witnessed, is missing or changed</source>
      <translation>la transacción %1, atestiguada por la cabecera, falta o ha cambiado</translation>
    </message>
    <message>
      <source>the journal's transactions cannot be read: %1</source>
      <translation>las transacciones del diario no se pueden leer: %1</translation>
    </message>
    <message>
      <source>transaction %1: a value of the wrong kind</source>
      <translation>transacción %1: un valor del tipo equivocado</translation>
    </message>
    <message>
      <source>transaction %1: %2</source>
      <translation>transacción %1: %2</translation>
    </message>
  </context>
  <context>
    <name>Viewer</name>
    <message>
      <source>No records match</source>
      <translation>Ningún registro coincide</translation>
    </message>
    <message>
      <source>Totals of the newest %1 of %2 records</source>
      <translation>Totales de los %1 más recientes de %2 registros</translation>
    </message>
    <message>
      <source>Totals of %1 records</source>
      <translation>Totales de %1 registros</translation>
    </message>
    <message>
      <source>Over Limit</source>
      <translation>Lím. sup.</translation>
    </message>
    <message>
      <source>Under Limit</source>
      <translation>Lím. inf.</translation>
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
      <translation>todo enviado</translation>
    </message>
    <message>
      <source>%1 records waiting</source>
      <translation>%1 registros en espera</translation>
    </message>
    <message>
      <source>, %1 problems (see the monitor's output)</source>
      <translation>, %1 problemas (ver la salida del monitor)</translation>
    </message>
    <message>
      <source>Central records</source>
      <translation>Registros centrales</translation>
    </message>
    <message>
      <source>Checking the journal...</source>
      <translation>Comprobando el diario...</translation>
    </message>
    <message>
      <source>Journal intact: %1 records</source>
      <translation>Diario íntegro: %1 registros</translation>
    </message>
    <message>
      <source>Journal broken at seq %1: %2</source>
      <translation>Diario alterado en el n.º %1: %2</translation>
    </message>
    <message>
      <source>Journal broken: %1</source>
      <translation>Diario alterado: %1</translation>
    </message>
    <message>
      <source>Journal not checked: %1</source>
      <translation>Diario no comprobado: %1</translation>
    </message>
    <message>
      <source>Weigh Station Records</source>
      <translation>Estación de pesaje – registros</translation>
    </message>
    <message>
      <source>Records</source>
      <translation>Registros</translation>
    </message>
    <message>
      <source>The selected record's text log block</source>
      <translation>El bloque del registro de texto del registro elegido</translation>
    </message>
    <message>
      <source>From</source>
      <translation>Desde</translation>
    </message>
    <message>
      <source>To</source>
      <translation>Hasta</translation>
    </message>
    <message>
      <source>Text in the total line or the record</source>
      <translation>Texto de la línea del total o del registro</translation>
    </message>
    <message>
      <source>&amp;File</source>
      <translation>&amp;Archivo</translation>
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
      <translation>Imprimir ticket...</translation>
    </message>
    <message>
      <source>Save Ticket as PDF...</source>
      <translation>Guardar ticket como PDF...</translation>
    </message>
    <message>
      <source>Print Report...</source>
      <translation>Imprimir informe...</translation>
    </message>
    <message>
      <source>Save Report as PDF...</source>
      <translation>Guardar informe como PDF...</translation>
    </message>
    <message>
      <source>Quit</source>
      <translation>Salir</translation>
    </message>
    <message>
      <source>counting...</source>
      <translation>contando...</translation>
    </message>
    <message>
      <source>cannot count the records</source>
      <translation>no se pueden contar los registros</translation>
    </message>
    <message>
      <source>%1 cancelled: nothing written</source>
      <translation>%1 cancelado: nada escrito</translation>
    </message>
    <message>
      <source>Export</source>
      <translation>Exportación</translation>
    </message>
    <message>
      <source>%1

Export the records marked as UNVERIFIED?</source>
      <translation>%1

¿Exportar los registros marcados como UNVERIFIED?</translation>
    </message>
    <message>
      <source>Export records</source>
      <translation>Exportar registros</translation>
    </message>
    <message>
      <source>CSV files (*.csv)</source>
      <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
      <source>Excel files (*.xlsx)</source>
      <translation>Archivos Excel (*.xlsx)</translation>
    </message>
    <message>
      <source>Exporting records to %1...</source>
      <translation>Exportando registros a %1...</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Cancelar</translation>
    </message>
    <message>
      <source>Exported %1 records to %2</source>
      <translation>%1 registros exportados a %2</translation>
    </message>
    <message>
      <source>Ticket</source>
      <translation>Ticket</translation>
    </message>
    <message>
      <source>%1.

Print the ticket of seq %2 marked as UNVERIFIED?</source>
      <translation>%1.

¿Imprimir el ticket del n.º %2 marcado como UNVERIFIED?</translation>
    </message>
    <message>
      <source>Select a record first.</source>
      <translation>Elija primero un registro.</translation>
    </message>
    <message>
      <source>Save ticket</source>
      <translation>Guardar ticket</translation>
    </message>
    <message>
      <source>PDF files (*.pdf)</source>
      <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
      <source>Save report</source>
      <translation>Guardar informe</translation>
    </message>
    <message>
      <source>Report</source>
      <translation>Informe</translation>
    </message>
    <message>
      <source>, refused: seq %1 (tried again at each start)</source>
      <translation>, rechazados: n.º %1 (se reintentan en cada inicio)</translation>
    </message>
    <message>
      <source>Journal records intact: %1 records; its end not witnessed (%2)</source>
      <translation>Registros del diario íntegros: %1 registros; su final no atestiguado (%2)</translation>
    </message>
    <message>
      <source>%1 (%2): not yet shipped: %3 records, last try: %4</source>
      <translation>%1 (%2): aún sin enviar: %3 registros, último intento: %4</translation>
    </message>
    <message>
      <source>Seq</source>
      <translation>Nº</translation>
    </message>
    <message>
      <source>Date and time</source>
      <translation>Fecha y hora</translation>
    </message>
    <message>
      <source>Station</source>
      <translation>Estación</translation>
    </message>
    <message>
      <source>Scale %1 gross</source>
      <translation>Báscula %1 bruto</translation>
    </message>
    <message>
      <source>Scale %1 net</source>
      <translation>Báscula %1 neto</translation>
    </message>
    <message>
      <source>Scale %1 tare</source>
      <translation>Báscula %1 tara</translation>
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
      <translation>%1, suma %2</translation>
    </message>
  </context>
</TS>
