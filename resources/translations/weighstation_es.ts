<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
      <source>Scale %1 %2</source>
      <translation>Báscula %1 %2</translation>
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
  </context>
</TS>
