<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name></name>
    <message id="Daily">
        <source></source>
        <translation>Diaria</translation>
    </message>
    <message id="Before an import">
        <source></source>
        <translation>Antes de una importación</translation>
    </message>
    <message id="Before a restore">
        <source></source>
        <translation>Antes de una restauración</translation>
    </message>
    <message id="Kept by hand">
        <source></source>
        <translation>Guardada manualmente</translation>
    </message>
    <message id="%1, damaged">
        <source></source>
        <translation>%1, dañada</translation>
    </message>
    <message id="Restore “%1” From Backup">
        <source></source>
        <translation>Restaurar «%1» desde una copia de seguridad</translation>
    </message>
    <message id="Snapshots are kept every day, before each import and before each restore. Open one to look at it or to import records from it, or restore the whole collection as it was.">
        <source></source>
        <translation>Se guardan instantáneas cada día, antes de cada importación y antes de cada restauración. Abra una para consultarla o para importar datos de ella, o restaure toda la colección tal como estaba.</translation>
    </message>
    <message id="Snapshots">
        <source></source>
        <translation>Instantáneas</translation>
    </message>
    <message id="&amp;Open Backup">
        <source></source>
        <translation>&amp;Abrir copia de seguridad</translation>
    </message>
    <message id="&amp;Restore…">
        <source></source>
        <translation>&amp;Restaurar…</translation>
    </message>
    <message id="Spinora cannot set a daily reminder on this desktop: its login entry %1 could not be written.">
        <source></source>
        <translation>Spinora no puede configurar un recordatorio diario en este escritorio: no se pudo escribir su entrada de inicio de sesión %1.</translation>
    </message>
    <message id="This desktop cannot wake Spinora at a set time, so it will look for plants to water each time you log in instead of every day at %1.">
        <source></source>
        <translation>Este escritorio no puede activar Spinora a una hora fija, así que buscará plantas que regar cada vez que inicie sesión en lugar de cada día a las %1.</translation>
    </message>
    <message id="Restore From Backup…">
        <source></source>
        <translation>Restaurar desde copia de seguridad…</translation>
    </message>
    <message id="&amp;Keep snapshots of each collection: daily, and before each import or restore">
        <source></source>
        <translation>&amp;Guardar instantáneas de cada colección: a diario y antes de cada importación o restauración</translation>
    </message>
    <message id="&amp;Folder:">
        <source></source>
        <translation>&amp;Carpeta:</translation>
    </message>
    <message id="C&amp;hoose…">
        <source></source>
        <translation>&amp;Elegir…</translation>
    </message>
    <message id=" GB">
        <source></source>
        <translation> GB</translation>
    </message>
    <message id="&amp;Use at most:">
        <source></source>
        <translation>&amp;Usar como máximo:</translation>
    </message>
    <message id="Snapshot Folder">
        <source></source>
        <translation>Carpeta de instantáneas</translation>
    </message>
    <message id="Restore Snapshot">
        <source></source>
        <translation>Restaurar instantánea</translation>
    </message>
    <message id="Open Anyway">
        <source></source>
        <translation>Abrir de todos modos</translation>
    </message>
    <message id="Its photo file “%1” is missing.">
        <source></source>
        <translation>Falta su archivo de foto «%1».</translation>
    </message>
    <message id="%1 of its photo files are missing, the first “%2”.">
        <source></source>
        <translation>Faltan %1 de sus archivos de foto, el primero «%2».</translation>
    </message>
    <message id="The collection “%1” is damaged, so it was not opened.">
        <source></source>
        <translation>La colección «%1» está dañada, por lo que no se ha abierto.</translation>
    </message>
    <message id="The newest good snapshot was taken on %1 and holds %2 plants, %3 logs and %4 photos. Restoring it replaces the collection; the damaged one is kept as a snapshot first.">
        <source></source>
        <translation>La instantánea válida más reciente es del %1 y contiene %2 plantas, %3 registros y %4 fotos. Restaurarla reemplaza la colección; la colección dañada se guarda antes como instantánea.</translation>
    </message>
    <message id="There is no snapshot of it to restore.">
        <source></source>
        <translation>No hay ninguna instantánea de ella que restaurar.</translation>
    </message>
    <message id="The snapshot could not be restored: %1">
        <source></source>
        <translation>No se pudo restaurar la instantánea: %1</translation>
    </message>
    <message id="%1. The collection is open as usual; free some space or choose another backup folder in Preferences.">
        <source></source>
        <translation>%1. La colección está abierta con normalidad; libere espacio o elija otra carpeta de copias de seguridad en Preferencias.</translation>
    </message>
    <message id="Restore “%1” as it was on %2?">
        <source></source>
        <translation>¿Restaurar «%1» tal como estaba el %2?</translation>
    </message>
    <message id="The collection will hold %1 plants, %2 logs and %3 photos. Its current state is kept as a snapshot first, so this can be undone by restoring that one.">
        <source></source>
        <translation>La colección contendrá %1 plantas, %2 registros y %3 fotos. Su estado actual se guarda antes como instantánea, así que puede deshacer esto restaurándola.</translation>
    </message>
    <message id="Restore">
        <source></source>
        <translation>Restaurar</translation>
    </message>
    <message id="The collection was not restored: %1">
        <source></source>
        <translation>No se restauró la colección: %1</translation>
    </message>
    <message id="Spinora">
        <source></source>
        <translation>Spinora</translation>
    </message>
    <message id="Spinora Lite">
        <source></source>
        <translation>Spinora Lite</translation>
    </message>
    <message id="No devices found. Load Spinora on your iPhone, iPad, or iPod touch, and select Backup Database or Export Data on the Tools screen.">
        <source></source>
        <translation>No se encontró ningún dispositivo. Abra Spinora en su iPhone, iPad o iPod touch y seleccione Backup Database o Export Data en la pantalla Tools.</translation>
    </message>
    <message id="No devices found. Load Spinora on your iPhone, iPad, or iPod touch, and select Restore Database or Import Data on the Tools screen.">
        <source></source>
        <translation>No se encontró ningún dispositivo. Abra Spinora en su iPhone, iPad o iPod touch y seleccione Restore Database o Import Data en la pantalla Tools.</translation>
    </message>
    <message id="Select a device from the list.">
        <source></source>
        <translation>Seleccione un dispositivo de la lista.</translation>
    </message>
    <message id="No devices found: the search for devices on the network failed (%1). It needs the avahi-daemon service: start it (for example with &quot;systemctl start avahi-daemon&quot;), then open this window again.">
        <source></source>
        <translation>No se encontró ningún dispositivo: falló la búsqueda de dispositivos en la red (%1). Necesita el servicio avahi-daemon: inícielo (por ejemplo, con &quot;systemctl start avahi-daemon&quot;) y vuelva a abrir esta ventana.</translation>
    </message>
    <message id="it stopped">
        <source></source>
        <translation>se detuvo</translation>
    </message>
    <message id="Click the Export button to send the database to your device.">
        <source></source>
        <translation>Pulse el botón Exportar para enviar la base de datos a su dispositivo.</translation>
    </message>
    <message id="The app will ask what you want to import.">
        <source></source>
        <translation>La aplicación le preguntará qué desea importar.</translation>
    </message>
    <message id="Import Complete">
        <source></source>
        <translation>Importación completada</translation>
    </message>
    <message id="Database import complete!">
        <source></source>
        <translation>¡Importación de la base de datos completada!</translation>
    </message>
    <message id="Import Error">
        <source></source>
        <translation>Error de importación</translation>
    </message>
    <message id="An error occurred during the import! Database import was aborted and no changes were made.">
        <source></source>
        <translation>¡Se produjo un error durante la importación! Se canceló la importación de la base de datos y no se realizó ningún cambio.</translation>
    </message>
    <message id="WARNING">
        <source></source>
        <translation>ADVERTENCIA</translation>
    </message>
    <message id="Error transferring database!">
        <source></source>
        <translation>¡Error al transferir la base de datos!</translation>
    </message>
    <message id="Check Device">
        <source></source>
        <translation>Compruebe el dispositivo</translation>
    </message>
    <message id="Database transferred! Check your device for further instructions.">
        <source></source>
        <translation>¡Base de datos transferida! Consulte su dispositivo para ver más instrucciones.</translation>
    </message>
    <message id="No collection is open.">
        <source></source>
        <translation>No hay ninguna colección abierta.</translation>
    </message>
    <message id="The request timed out.">
        <source></source>
        <translation>Se agotó el tiempo de espera de la solicitud.</translation>
    </message>
    <message id="Not a device address: %1">
        <source></source>
        <translation>No es una dirección de dispositivo: %1</translation>
    </message>
    <message id="No folder for temporary files.">
        <source></source>
        <translation>No hay carpeta para archivos temporales.</translation>
    </message>
    <message id="HTTP error %1">
        <source></source>
        <translation>Error HTTP %1</translation>
    </message>
    <message id="The file on the device is larger than %1 MB.">
        <source></source>
        <translation>El archivo del dispositivo ocupa más de %1 MB.</translation>
    </message>
    <message id="The device did not send a Spinora database.">
        <source></source>
        <translation>El dispositivo no envió una base de datos de Spinora.</translation>
    </message>
    <message id="The device closed the connection before the whole file had arrived.">
        <source></source>
        <translation>El dispositivo cerró la conexión antes de que llegara el archivo completo.</translation>
    </message>
    <message id="The downloaded file could not be written.">
        <source></source>
        <translation>No se pudo escribir el archivo descargado.</translation>
    </message>
    <message id="File read error">
        <source></source>
        <translation>Error de lectura del archivo</translation>
    </message>
    <message id="Stream open error">
        <source></source>
        <translation>Error al abrir el flujo</translation>
    </message>
    <message id="Network write error">
        <source></source>
        <translation>Error de escritura en la red</translation>
    </message>
    <message id="Import Options">
        <source></source>
        <translation>Opciones de importación</translation>
    </message>
    <message id="Cancel">
        <source></source>
        <translation>Cancelar</translation>
    </message>
    <message id="Import">
        <source></source>
        <translation>Importar</translation>
    </message>
    <message id="Export">
        <source></source>
        <translation>Exportar</translation>
    </message>
    <message id="Importing Database">
        <source></source>
        <translation>Importando la base de datos</translation>
    </message>
    <message id="Exporting Database">
        <source></source>
        <translation>Exportando la base de datos</translation>
    </message>
    <message id="OK">
        <source></source>
        <translation>Aceptar</translation>
    </message>
    <message id="A name is needed to save">
        <source></source>
        <translation>Se necesita un nombre para guardar</translation>
    </message>
    <message id="Name">
        <source></source>
        <translation>Nombre</translation>
    </message>
    <message id="Remove">
        <source></source>
        <translation>Quitar</translation>
    </message>
    <message id="Remove the currently selected species from the list.">
        <source></source>
        <translation>Quitar de la lista la especie seleccionada.</translation>
    </message>
    <message id="Species">
        <source></source>
        <translation>Especie</translation>
    </message>
    <message id="New species are automatically added to the list when saving the Cactus Info">
        <source></source>
        <translation>Las especies nuevas se añaden automáticamente a la lista al guardar la información del cactus</translation>
    </message>
    <message id="Type">
        <source></source>
        <translation>Tipo</translation>
    </message>
    <message id="Open…">
        <source></source>
        <translation>Abrir…</translation>
    </message>
    <message id="Open the watering schedule">
        <source></source>
        <translation>Abrir el programa de riego</translation>
    </message>
    <message id="Watering">
        <source></source>
        <translation>Riego</translation>
    </message>
    <message id="Next Watering">
        <source></source>
        <translation>Próximo riego</translation>
    </message>
    <message id="Plant Date">
        <source></source>
        <translation>Fecha de plantación</translation>
    </message>
    <message id="Age">
        <source></source>
        <translation>Edad</translation>
    </message>
    <message id="Date Acquired">
        <source></source>
        <translation>Fecha de adquisición</translation>
    </message>
    <message id="Changing the Last Watered date may cause watering for this plant to become out of sync with its associated watering schedule">
        <source></source>
        <translation>Cambiar la fecha del último riego puede hacer que el riego de esta planta deje de estar sincronizado con su programa de riego</translation>
    </message>
    <message id="Remove Species">
        <source></source>
        <translation>Quitar especie</translation>
    </message>
    <message id="Purchase Price">
        <source></source>
        <translation>Precio de compra</translation>
    </message>
    <message id="Value">
        <source></source>
        <translation>Valor</translation>
    </message>
    <message id="Add Cactus">
        <source></source>
        <translation>Añadir cactus</translation>
    </message>
    <message id="Edit Cactus">
        <source></source>
        <translation>Editar cactus</translation>
    </message>
    <message id="New Cactus">
        <source></source>
        <translation>Nuevo cactus</translation>
    </message>
    <message id="Cactus Info">
        <source></source>
        <translation>Información del cactus</translation>
    </message>
    <message id="Adding photos…">
        <source></source>
        <translation>Añadiendo fotos…</translation>
    </message>
    <message id="Keep Editing">
        <source></source>
        <translation>Seguir editando</translation>
    </message>
    <message id="%1: “%2” is not an amount such as %3.">
        <source></source>
        <translation>%1: «%2» no es un importe como %3.</translation>
    </message>
    <message id="%1: a whole number of %2 or more is needed.">
        <source></source>
        <translation>%1: se necesita un número entero igual o mayor que %2.</translation>
    </message>
    <message id="%1: “%2” is not a whole number of %3 or more.">
        <source></source>
        <translation>%1: «%2» no es un número entero igual o mayor que %3.</translation>
    </message>
    <message id="%1 can hold at most %2 characters.">
        <source></source>
        <translation>%1 admite como máximo %2 caracteres.</translation>
    </message>
    <message id="Of the %1 characters inserted, %2 fit.">
        <source></source>
        <translation>De los %1 caracteres insertados, caben %2.</translation>
    </message>
    <message id="Insert the First %1">
        <source></source>
        <translation>Insertar los primeros %1</translation>
    </message>
    <message id="Insert Nothing">
        <source></source>
        <translation>No insertar nada</translation>
    </message>
    <message id="Just Watered">
        <source></source>
        <translation>Recién regado</translation>
    </message>
    <message id="Last Watered">
        <source></source>
        <translation>Último riego</translation>
    </message>
    <message id="None Scheduled">
        <source></source>
        <translation>Sin programar</translation>
    </message>
    <message id="Reminder: No">
        <source></source>
        <translation>Recordatorio: no</translation>
    </message>
    <message id="Reminder: Yes">
        <source></source>
        <translation>Recordatorio: sí</translation>
    </message>
    <message id="An event name is needed to save">
        <source></source>
        <translation>Se necesita un nombre de evento para guardar</translation>
    </message>
    <message id="Remove the event name from the list.">
        <source></source>
        <translation>Quitar el nombre del evento de la lista.</translation>
    </message>
    <message id="Event">
        <source></source>
        <translation>Evento</translation>
    </message>
    <message id="Date">
        <source></source>
        <translation>Fecha</translation>
    </message>
    <message id="Reminder">
        <source></source>
        <translation>Recordatorio</translation>
    </message>
    <message id="Open the cactus">
        <source></source>
        <translation>Abrir el cactus</translation>
    </message>
    <message id="New…">
        <source></source>
        <translation>Nuevo…</translation>
    </message>
    <message id="Add a new cactus">
        <source></source>
        <translation>Añadir un cactus nuevo</translation>
    </message>
    <message id="Cactus">
        <source></source>
        <translation>Cactus</translation>
    </message>
    <message id="Remove Event">
        <source></source>
        <translation>Quitar evento</translation>
    </message>
    <message id="Unnamed Cactus">
        <source></source>
        <translation>Cactus sin nombre</translation>
    </message>
    <message id="No Notes">
        <source></source>
        <translation>Sin notas</translation>
    </message>
    <message id="Note">
        <source></source>
        <translation>Nota</translation>
    </message>
    <message id="Add Log">
        <source></source>
        <translation>Añadir registro</translation>
    </message>
    <message id="Edit Log">
        <source></source>
        <translation>Editar registro</translation>
    </message>
    <message id="New Log">
        <source></source>
        <translation>Nuevo registro</translation>
    </message>
    <message id="Log Info">
        <source></source>
        <translation>Información del registro</translation>
    </message>
    <message id="Photo %1">
        <source></source>
        <translation>Foto %1</translation>
    </message>
    <message id="Add Photo…">
        <source></source>
        <translation>Añadir foto…</translation>
    </message>
    <message id="Add photos from files">
        <source></source>
        <translation>Añadir fotos desde archivos</translation>
    </message>
    <message id="Caption">
        <source></source>
        <translation>Pie de foto</translation>
    </message>
    <message id="Print">
        <source></source>
        <translation>Imprimir</translation>
    </message>
    <message id="Photos">
        <source></source>
        <translation>Fotos</translation>
    </message>
    <message id="Notes">
        <source></source>
        <translation>Notas</translation>
    </message>
    <message id="“%1” is already open in another window. Finish editing it there first.">
        <source></source>
        <translation>«%1» ya está abierto en otra ventana. Termine primero de editarlo allí.</translation>
    </message>
    <message id="Cacti To Water">
        <source></source>
        <translation>Cactus para regar</translation>
    </message>
    <message id="Close">
        <source></source>
        <translation>Cerrar</translation>
    </message>
    <message id="%1, Day">
        <source></source>
        <translation>%1, día</translation>
    </message>
    <message id="Water Every">
        <source></source>
        <translation>Regar cada</translation>
    </message>
    <message id="Quantity">
        <source></source>
        <translation>Cantidad</translation>
    </message>
    <message id="Clear Date">
        <source></source>
        <translation>Borrar fecha</translation>
    </message>
    <message id="No Water Between">
        <source></source>
        <translation>Sin riego entre</translation>
    </message>
    <message id="Choose the cacti that follow this schedule">
        <source></source>
        <translation>Elegir los cactus que siguen este programa</translation>
    </message>
    <message id="Add Cacti">
        <source></source>
        <translation>Añadir cactus</translation>
    </message>
    <message id="Remove the selected cacti from this schedule">
        <source></source>
        <translation>Quitar de este programa los cactus seleccionados</translation>
    </message>
    <message id="Remove Cacti">
        <source></source>
        <translation>Quitar cactus</translation>
    </message>
    <message id="Remove Cactus">
        <source></source>
        <translation>Quitar cactus</translation>
    </message>
    <message id="Add Watering Schedule">
        <source></source>
        <translation>Añadir programa de riego</translation>
    </message>
    <message id="Edit Watering Schedule">
        <source></source>
        <translation>Editar programa de riego</translation>
    </message>
    <message id="New Watering Schedule">
        <source></source>
        <translation>Nuevo programa de riego</translation>
    </message>
    <message id="Watering Schedule Info">
        <source></source>
        <translation>Información del programa de riego</translation>
    </message>
    <message id="Never">
        <source></source>
        <translation>Nunca</translation>
    </message>
    <message id="Example Cactus">
        <source></source>
        <translation>Cactus de ejemplo</translation>
    </message>
    <message id="Greenhouse">
        <source></source>
        <translation>Invernadero</translation>
    </message>
    <message id="One plant a line; empty columns are left out.">
        <source></source>
        <translation>Una planta por línea; las columnas vacías se omiten.</translation>
    </message>
    <message id="Example Schedule">
        <source></source>
        <translation>Programa de ejemplo</translation>
    </message>
    <message id="Repotted">
        <source></source>
        <translation>Trasplantado</translation>
    </message>
    <message id="Cacti">
        <source></source>
        <translation>Cactus</translation>
    </message>
    <message id="Logs">
        <source></source>
        <translation>Registros</translation>
    </message>
    <message id="Line %1, column %2 (%3): &quot;%4&quot; could not be read and was not imported.">
        <source></source>
        <translation>Línea %1, columna %2 (%3): no se pudo leer «%4» y no se importó.</translation>
    </message>
    <message id="%1 more fields could not be read and were not imported.">
        <source></source>
        <translation>No se pudieron leer otros %1 campos y no se importaron.</translation>
    </message>
    <message id="No column of the mapping gives the plants' names.">
        <source></source>
        <translation>Ninguna columna de la asignación indica el nombre de las plantas.</translation>
    </message>
    <message id="(a column of plant names)">
        <source></source>
        <translation>(una columna de nombres de plantas)</translation>
    </message>
    <message id="The file is not in the Spinora CSV template layout and these columns could not be placed: &quot;%1&quot;. Give each column its field, for example --map &quot;%2&quot; (the fields are %3).">
        <source></source>
        <translation>El archivo no sigue el formato de la plantilla CSV de Spinora y no se pudieron asignar estas columnas: «%1». Indique el campo de cada columna, por ejemplo --map &quot;%2&quot; (los campos son %3).</translation>
    </message>
    <message id="&quot;%1&quot; is no COLUMN=FIELD pair.">
        <source></source>
        <translation>«%1» no es un par COLUMN=FIELD.</translation>
    </message>
    <message id="&quot;%1&quot; is no field; the fields are %2.">
        <source></source>
        <translation>«%1» no es un campo; los campos son %2.</translation>
    </message>
    <message id="The file has no column &quot;%1&quot;.">
        <source></source>
        <translation>El archivo no tiene ninguna columna «%1».</translation>
    </message>
    <message id="%1. Nothing was imported. Free some space or choose another backup folder in Preferences, then try again.">
        <source></source>
        <translation>%1. No se importó nada. Libere espacio o elija otra carpeta de copias de seguridad en Preferencias y vuelva a intentarlo.</translation>
    </message>
    <message id="The import was saved, but the collection could not be read again (%1), so it was taken back.">
        <source></source>
        <translation>La importación se guardó, pero no se pudo volver a leer la colección (%1), por lo que se ha revertido.</translation>
    </message>
    <message id="The import was saved, but the collection could not be read again (%1). This window still shows the collection as it was before: close it and open the collection again, or undo the import (Edit > Undo Import).">
        <source></source>
        <translation>La importación se guardó, pero no se pudo volver a leer la colección (%1). Esta ventana todavía muestra la colección como estaba antes: ciérrela y vuelva a abrir la colección, o deshaga la importación (Editar &gt; Deshacer importación).</translation>
    </message>
    <message id="The import was saved, but the collection could not be read again (%1). This window still shows the collection as it was before: close it and open the collection again.">
        <source></source>
        <translation>La importación se guardó, pero no se pudo volver a leer la colección (%1). Esta ventana todavía muestra la colección como estaba antes: ciérrela y vuelva a abrir la colección.</translation>
    </message>
    <message id="Cacti imported: %1">
        <source></source>
        <translation>Cactus importados: %1</translation>
    </message>
    <message id="Watering schedules imported: %1">
        <source></source>
        <translation>Programas de riego importados: %1</translation>
    </message>
    <message id="Logs imported: %1">
        <source></source>
        <translation>Registros importados: %1</translation>
    </message>
    <message id="Not everything could be imported:">
        <source></source>
        <translation>No se pudo importar todo:</translation>
    </message>
    <message id="... and %1 more.">
        <source></source>
        <translation>... y %1 más.</translation>
    </message>
    <message id="Report Folder">
        <source></source>
        <translation>Carpeta del informe</translation>
    </message>
    <message id="Report File">
        <source></source>
        <translation>Archivo del informe</translation>
    </message>
    <message id="Export Options">
        <source></source>
        <translation>Opciones de exportación</translation>
    </message>
    <message id="Browse">
        <source></source>
        <translation>Examinar</translation>
    </message>
    <message id="Small photos">
        <source></source>
        <translation>Fotos pequeñas</translation>
    </message>
    <message id="Medium photos">
        <source></source>
        <translation>Fotos medianas</translation>
    </message>
    <message id="Large photos">
        <source></source>
        <translation>Fotos grandes</translation>
    </message>
    <message id="Extra-Large photos">
        <source></source>
        <translation>Fotos muy grandes</translation>
    </message>
    <message id="Export to HTML Report">
        <source></source>
        <translation>Exportar a informe HTML</translation>
    </message>
    <message id="Choose Folder">
        <source></source>
        <translation>Elegir carpeta</translation>
    </message>
    <message id="Exporting Report">
        <source></source>
        <translation>Exportando el informe</translation>
    </message>
    <message id="Export Complete">
        <source></source>
        <translation>Exportación completada</translation>
    </message>
    <message id="Report export complete!">
        <source></source>
        <translation>¡Exportación del informe completada!</translation>
    </message>
    <message id="Export Error">
        <source></source>
        <translation>Error de exportación</translation>
    </message>
    <message id="An error occurred during report export.">
        <source></source>
        <translation>Se produjo un error durante la exportación del informe.</translation>
    </message>
    <message id="Complete Database">
        <source></source>
        <translation>Base de datos completa</translation>
    </message>
    <message id="Cacti and Watering Schedules">
        <source></source>
        <translation>Cactus y programas de riego</translation>
    </message>
    <message id="Watering Schedules">
        <source></source>
        <translation>Programas de riego</translation>
    </message>
    <message id="Note: The CSV file must be formatted according to the Spinora CSV Template">
        <source></source>
        <translation>Nota: el archivo CSV debe tener el formato de la plantilla CSV de Spinora</translation>
    </message>
    <message id="save it">
        <source></source>
        <translation>guardarla</translation>
    </message>
    <message id="or be a spreadsheet of plants, one a line, whose column headers name their fields.">
        <source></source>
        <translation>o ser una hoja de cálculo de plantas, una por línea, cuyos encabezados de columna indiquen sus campos.</translation>
    </message>
    <message id="Choose">
        <source></source>
        <translation>Elegir</translation>
    </message>
    <message id="The chosen folder is not a Spinora database. Please select a folder ending in .sdb, or the spinora.db file inside one.">
        <source></source>
        <translation>La carpeta elegida no es una base de datos de Spinora. Seleccione una carpeta terminada en .sdb o el archivo spinora.db que contiene.</translation>
    </message>
    <message id="Importing from a currently open database is not permitted. Please select another database for import.">
        <source></source>
        <translation>No se permite importar desde una base de datos que está abierta. Seleccione otra base de datos para importar.</translation>
    </message>
    <message id="Exporting to a currently open database is not permitted. Please select another database for export.">
        <source></source>
        <translation>No se permite exportar a una base de datos que está abierta. Seleccione otra base de datos para exportar.</translation>
    </message>
    <message id="There is no file &quot;%1&quot;.">
        <source></source>
        <translation>No existe el archivo «%1».</translation>
    </message>
    <message id="Database export complete!">
        <source></source>
        <translation>¡Exportación de la base de datos completada!</translation>
    </message>
    <message id="An error occurred during the export! Database export was aborted and no changes were made.">
        <source></source>
        <translation>¡Se produjo un error durante la exportación! Se canceló la exportación de la base de datos y no se realizó ningún cambio.</translation>
    </message>
    <message id="Save the CSV Template">
        <source></source>
        <translation>Guardar la plantilla CSV</translation>
    </message>
    <message id="Spinora CSV Template">
        <source></source>
        <translation>Plantilla CSV de Spinora</translation>
    </message>
    <message id="CSV File">
        <source></source>
        <translation>Archivo CSV</translation>
    </message>
    <message id="The file %1 could not be written.">
        <source></source>
        <translation>No se pudo escribir el archivo %1.</translation>
    </message>
    <message id="Stopping...">
        <source></source>
        <translation>Deteniendo...</translation>
    </message>
    <message id="&quot;%1&quot; already exists. Do you want to replace it?">
        <source></source>
        <translation>«%1» ya existe. ¿Desea reemplazarlo?</translation>
    </message>
    <message id="More Toolbar Items">
        <source></source>
        <translation>Más elementos de la barra de herramientas</translation>
    </message>
    <message id="Exported from %1 v%2 on %3">
        <source></source>
        <translation>Exportado desde %1 v%2 el %3</translation>
    </message>
    <message id="Source">
        <source></source>
        <translation>Procedencia</translation>
    </message>
    <message id="Location">
        <source></source>
        <translation>Ubicación</translation>
    </message>
    <message id="Log History">
        <source></source>
        <translation>Historial de registros</translation>
    </message>
    <message id="None">
        <source></source>
        <translation>Ninguno</translation>
    </message>
    <message id="Yes">
        <source></source>
        <translation>Sí</translation>
    </message>
    <message id="No">
        <source></source>
        <translation>No</translation>
    </message>
    <message id="Print Labels">
        <source></source>
        <translation>Imprimir etiquetas</translation>
    </message>
    <message id="Selected cacti (%1)">
        <source></source>
        <translation>Cactus seleccionados (%1)</translation>
    </message>
    <message id="All listed cacti (%1)">
        <source></source>
        <translation>Todos los cactus de la lista (%1)</translation>
    </message>
    <message id="Layout:">
        <source></source>
        <translation>Diseño:</translation>
    </message>
    <message id="Labels for:">
        <source></source>
        <translation>Etiquetas para:</translation>
    </message>
    <message id="Print...">
        <source></source>
        <translation>Imprimir...</translation>
    </message>
    <message id="1 label">
        <source></source>
        <translation>1 etiqueta</translation>
    </message>
    <message id="%1 labels">
        <source></source>
        <translation>%1 etiquetas</translation>
    </message>
    <message id="1 page">
        <source></source>
        <translation>1 página</translation>
    </message>
    <message id="%1 pages">
        <source></source>
        <translation>%1 páginas</translation>
    </message>
    <message id="%1 Labels">
        <source></source>
        <translation>Etiquetas %1</translation>
    </message>
    <message id="Page Setup">
        <source></source>
        <translation>Configurar página</translation>
    </message>
    <message id="Portrait">
        <source></source>
        <translation>Vertical</translation>
    </message>
    <message id="Landscape">
        <source></source>
        <translation>Horizontal</translation>
    </message>
    <message id="Paper Size">
        <source></source>
        <translation>Tamaño del papel</translation>
    </message>
    <message id="Orientation">
        <source></source>
        <translation>Orientación</translation>
    </message>
    <message id="Top Margin">
        <source></source>
        <translation>Margen superior</translation>
    </message>
    <message id="Bottom Margin">
        <source></source>
        <translation>Margen inferior</translation>
    </message>
    <message id="Left Margin">
        <source></source>
        <translation>Margen izquierdo</translation>
    </message>
    <message id="Right Margin">
        <source></source>
        <translation>Margen derecho</translation>
    </message>
    <message id="Nothing was printed: the printer &quot;%1&quot; could not be used.">
        <source></source>
        <translation>No se imprimió nada: no se pudo usar la impresora «%1».</translation>
    </message>
    <message id="Nothing was printed: the file &quot;%1&quot; could not be written.">
        <source></source>
        <translation>No se imprimió nada: no se pudo escribir el archivo «%1».</translation>
    </message>
    <message id="Print Preview">
        <source></source>
        <translation>Vista previa de impresión</translation>
    </message>
    <message id="Nothing was changed.">
        <source></source>
        <translation>No se cambió nada.</translation>
    </message>
    <message id="No title">
        <source></source>
        <translation>Sin título</translation>
    </message>
    <message id="Unknown">
        <source></source>
        <translation>Desconocido</translation>
    </message>
    <message id="year">
        <source></source>
        <translation>año</translation>
    </message>
    <message id="years">
        <source></source>
        <translation>años</translation>
    </message>
    <message id="No event">
        <source></source>
        <translation>Ningún evento</translation>
    </message>
    <message id="Today">
        <source></source>
        <translation>Hoy</translation>
    </message>
    <message id="overdue since %1">
        <source></source>
        <translation>atrasado desde el %1</translation>
    </message>
    <message id="resting until %1">
        <source></source>
        <translation>en reposo hasta el %1</translation>
    </message>
    <message id="Tomorrow">
        <source></source>
        <translation>Mañana</translation>
    </message>
    <message id="in %1 days">
        <source></source>
        <translation>dentro de %1 días</translation>
    </message>
    <message id="Mark as Watered">
        <source></source>
        <translation>Marcar como regado</translation>
    </message>
    <message id="There is no space left on the disk. Free some space, then try again.">
        <source></source>
        <translation>No queda espacio en el disco. Libere espacio y vuelva a intentarlo.</translation>
    </message>
    <message id="The collection cannot be written: its disk or folder is read-only.">
        <source></source>
        <translation>No se puede escribir en la colección: su disco o carpeta es de solo lectura.</translation>
    </message>
    <message id="Another program is using the collection. Try again once it has finished.">
        <source></source>
        <translation>Otro programa está usando la colección. Vuelva a intentarlo cuando haya terminado.</translation>
    </message>
    <message id="The disk could not be read or written. Check the disk, then try again.">
        <source></source>
        <translation>No se pudo leer o escribir en el disco. Compruebe el disco y vuelva a intentarlo.</translation>
    </message>
    <message id="The collection's database file is damaged.">
        <source></source>
        <translation>El archivo de base de datos de la colección está dañado.</translation>
    </message>
    <message id="No species">
        <source></source>
        <translation>Sin especie</translation>
    </message>
    <message id="Print Labels...">
        <source></source>
        <translation>Imprimir etiquetas...</translation>
    </message>
    <message id="Deleting this cactus will also delete all of its logs">
        <source></source>
        <translation>Al eliminar este cactus también se eliminarán todos sus registros</translation>
    </message>
    <message id="Deleting these cacti will also delete all their associated logs">
        <source></source>
        <translation>Al eliminar estos cactus también se eliminarán todos sus registros asociados</translation>
    </message>
    <message id="Delete">
        <source></source>
        <translation>Eliminar</translation>
    </message>
    <message id="Delete Cactus">
        <source></source>
        <translation>Eliminar cactus</translation>
    </message>
    <message id="Delete Cacti">
        <source></source>
        <translation>Eliminar cactus</translation>
    </message>
    <message id="Duplicate Cactus">
        <source></source>
        <translation>Duplicar cactus</translation>
    </message>
    <message id="Duplicate Cacti">
        <source></source>
        <translation>Duplicar cactus</translation>
    </message>
    <message id="Toolbar">
        <source></source>
        <translation>Barra de herramientas</translation>
    </message>
    <message id="Search">
        <source></source>
        <translation>Buscar</translation>
    </message>
    <message id="Search list">
        <source></source>
        <translation>Buscar en la lista</translation>
    </message>
    <message id="Search the currently visible list">
        <source></source>
        <translation>Buscar en la lista visible</translation>
    </message>
    <message id="Recent Searches">
        <source></source>
        <translation>Búsquedas recientes</translation>
    </message>
    <message id="Due">
        <source></source>
        <translation>Pendientes</translation>
    </message>
    <message id="Show only what is due by the end of today">
        <source></source>
        <translation>Mostrar solo lo pendiente hasta el final del día</translation>
    </message>
    <message id="Sort By">
        <source></source>
        <translation>Ordenar por</translation>
    </message>
    <message id="Duplicate">
        <source></source>
        <translation>Duplicar</translation>
    </message>
    <message id="No Recent Searches">
        <source></source>
        <translation>No hay búsquedas recientes</translation>
    </message>
    <message id="Clear Search History">
        <source></source>
        <translation>Borrar historial de búsqueda</translation>
    </message>
    <message id="Mark as Watered...">
        <source></source>
        <translation>Marcar como regado...</translation>
    </message>
    <message id="Watered">
        <source></source>
        <translation>Regado</translation>
    </message>
    <message id="Record that the selected plants or schedules were watered">
        <source></source>
        <translation>Registrar que las plantas o los programas seleccionados se han regado</translation>
    </message>
    <message id="Untitled">
        <source></source>
        <translation>Sin título</translation>
    </message>
    <message id="%1 (read-only)">
        <source></source>
        <translation>%1 (solo lectura)</translation>
    </message>
    <message id="History">
        <source></source>
        <translation>Historial</translation>
    </message>
    <message id="Delete Log">
        <source></source>
        <translation>Eliminar registro</translation>
    </message>
    <message id="Delete Logs">
        <source></source>
        <translation>Eliminar registros</translation>
    </message>
    <message id="Duplicate Log">
        <source></source>
        <translation>Duplicar registro</translation>
    </message>
    <message id="Duplicate Logs">
        <source></source>
        <translation>Duplicar registros</translation>
    </message>
    <message id="Add">
        <source></source>
        <translation>Añadir</translation>
    </message>
    <message id="Edit">
        <source></source>
        <translation>Editar</translation>
    </message>
    <message id="Loading…">
        <source></source>
        <translation>Cargando…</translation>
    </message>
    <message id="Searching…">
        <source></source>
        <translation>Buscando…</translation>
    </message>
    <message id="Scientific Name">
        <source></source>
        <translation>Nombre científico</translation>
    </message>
    <message id="When were they watered?">
        <source></source>
        <translation>¿Cuándo se regaron?</translation>
    </message>
    <message id="Watered on">
        <source></source>
        <translation>Regado el</translation>
    </message>
    <message id="What:">
        <source></source>
        <translation>Qué:</translation>
    </message>
    <message id="&amp;Watered on:">
        <source></source>
        <translation>&amp;Regado el:</translation>
    </message>
    <message id="Statistics">
        <source></source>
        <translation>Estadísticas</translation>
    </message>
    <message id="Undo">
        <source></source>
        <translation>Deshacer</translation>
    </message>
    <message id="Redo">
        <source></source>
        <translation>Rehacer</translation>
    </message>
    <message id="Undo %1">
        <source></source>
        <translation>Deshacer %1</translation>
    </message>
    <message id="Redo %1">
        <source></source>
        <translation>Rehacer %1</translation>
    </message>
    <message id="Delete Watering Schedule">
        <source></source>
        <translation>Eliminar programa de riego</translation>
    </message>
    <message id="Delete Watering Schedules">
        <source></source>
        <translation>Eliminar programas de riego</translation>
    </message>
    <message id="Duplicate Watering Schedule">
        <source></source>
        <translation>Duplicar programa de riego</translation>
    </message>
    <message id="Duplicate Watering Schedules">
        <source></source>
        <translation>Duplicar programas de riego</translation>
    </message>
    <message id="Language">
        <source></source>
        <translation>Idioma</translation>
    </message>
    <message id="System">
        <source></source>
        <translation>Sistema</translation>
    </message>
    <message id="&amp;Language:">
        <source></source>
        <translation>&amp;Idioma:</translation>
    </message>
    <message id="Applied the next time Spinora starts.">
        <source></source>
        <translation>Se aplicará la próxima vez que se inicie Spinora.</translation>
    </message>
</context>
<context>
    <name>PhotoStore</name>
    <message>
        <source>the photo could not be written into the collection (is the disk full?)</source>
        <translation>no se pudo escribir la foto en la colección (¿está lleno el disco?)</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Page setup</source>
        <translation>Configurar página</translation>
    </message>
</context>
<context>
    <name>Spinora</name>
    <message>
        <source>name|plant|plant name|cactus|label</source>
        <translation>nombre|planta|nombre de la planta|cactus|etiqueta</translation>
    </message>
    <message>
        <source>scientific|scientific name|botanical name|latin name|taxon|genus|species</source>
        <translation>científico|nombre científico|nombre botánico|nombre latino|taxón|género|especie</translation>
    </message>
    <message>
        <source>common|common name</source>
        <translation>común|nombre común</translation>
    </message>
    <message>
        <source>type|plant type</source>
        <translation>tipo|tipo de planta</translation>
    </message>
    <message>
        <source>watering|schedule|watering schedule</source>
        <translation>riego|programa|programa de riego</translation>
    </message>
    <message>
        <source>last watered</source>
        <translation>último riego</translation>
    </message>
    <message>
        <source>next watering</source>
        <translation>próximo riego</translation>
    </message>
    <message>
        <source>planted|plant date|date planted|sown</source>
        <translation>plantado|fecha de plantación|plantación|sembrado</translation>
    </message>
    <message>
        <source>source|origin</source>
        <translation>procedencia|origen</translation>
    </message>
    <message>
        <source>acquired|date acquired|bought|purchased|purchase date</source>
        <translation>adquirido|fecha de adquisición|comprado|compra|fecha de compra</translation>
    </message>
    <message>
        <source>price|purchase price|cost|paid</source>
        <translation>precio|precio de compra|coste|pagado</translation>
    </message>
    <message>
        <source>value|worth</source>
        <translation>valor|valor estimado</translation>
    </message>
    <message>
        <source>location|place|position|bench|greenhouse</source>
        <translation>ubicación|lugar|posición|mesa|invernadero</translation>
    </message>
    <message>
        <source>height</source>
        <translation>altura</translation>
    </message>
    <message>
        <source>width|diameter</source>
        <translation>anchura|diámetro</translation>
    </message>
    <message>
        <source>weight</source>
        <translation>peso</translation>
    </message>
    <message>
        <source>light|sun</source>
        <translation>luz|sol</translation>
    </message>
    <message>
        <source>temperature|temp|min temp</source>
        <translation>temperatura|temp|temp mín</translation>
    </message>
    <message>
        <source>pot size|pot</source>
        <translation>tamaño de maceta|maceta</translation>
    </message>
    <message>
        <source>pot shape|shape</source>
        <translation>forma de maceta|forma</translation>
    </message>
    <message>
        <source>pot material|material</source>
        <translation>material de maceta|material</translation>
    </message>
    <message>
        <source>notes|note|comments|comment|remarks|description</source>
        <translation>notas|nota|comentarios|comentario|observaciones|descripción</translation>
    </message>
    <message>
        <source>id|#|no|no.|number|photo|photos|image|picture</source>
        <translation>id|#|n.º|nº|número|foto|fotos|imagen|imágenes</translation>
    </message>
</context>
<context>
    <name>spinora</name>
    <message>
        <source>Photos</source>
        <translation>Fotos</translation>
    </message>
</context>
<context>
    <name>spinora::EventViewController</name>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarma</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Ocupado</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Libre</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Empieza</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Termina</translation>
    </message>
    <message>
        <source>All-Day</source>
        <translation>Todo el día</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>Availability</source>
        <translation>Disponibilidad</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Kept in %1. To see these reminders in your desktop calendar, add this file to it as a calendar.</source>
        <translation>Recordatorios guardados en %1. Para verlos en el calendario de su escritorio, añada este archivo como calendario.</translation>
    </message>
    <message>
        <source>Add New Event</source>
        <translation>Añadir evento nuevo</translation>
    </message>
    <message>
        <source>Edit Event</source>
        <translation>Editar evento</translation>
    </message>
</context>
<context>
    <name>spinora::PhotoGridViewController</name>
    <message>
        <source>All Photos</source>
        <translation>Todas las fotos</translation>
    </message>
    <message>
        <source>Add Photos…</source>
        <translation>Añadir fotos…</translation>
    </message>
    <message>
        <source>Add photos from picture files. You can also drop picture files on the grid.</source>
        <translation>Añadir fotos desde archivos de imagen. También puede soltar archivos de imagen en la cuadrícula.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Size of the photos</source>
        <translation>Tamaño de las fotos</translation>
    </message>
    <message>
        <source>Adding photos</source>
        <translation>Añadiendo fotos</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>Añadir fotos</translation>
    </message>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.gif *.tif *.tiff *.bmp)</source>
        <translation>Imágenes (*.jpg *.jpeg *.png *.gif *.tif *.tiff *.bmp)</translation>
    </message>
    <message>
        <source>No collection is open.</source>
        <translation>No hay ninguna colección abierta.</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>ADVERTENCIA</translation>
    </message>
    <message>
        <source>This file was not added:</source>
        <translation>No se añadió este archivo:</translation>
    </message>
    <message>
        <source>These files were not added:</source>
        <translation>No se añadieron estos archivos:</translation>
    </message>
</context>
<context>
    <name>spinora::PhotoViewController</name>
    <message>
        <source>Caption</source>
        <translation>Pie de foto</translation>
    </message>
</context>
<context>
    <name>spinora::ReportExport</name>
    <message>
        <source>photos</source>
        <translation>fotos</translation>
    </message>
    <message>
        <source>Cacti Report</source>
        <translation>Informe de cactus</translation>
    </message>
    <message>
        <source>Exported from %1 v%2 on %3</source>
        <translation>Exportado desde %1 v%2 el %3</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>Total Cacti</source>
        <translation>Total de cactus</translation>
    </message>
    <message>
        <source>Total Watering Schedules</source>
        <translation>Total de programas de riego</translation>
    </message>
    <message>
        <source>Total Log Entries</source>
        <translation>Total de registros</translation>
    </message>
    <message>
        <source>Unique Species</source>
        <translation>Especies distintas</translation>
    </message>
    <message>
        <source>Total Value</source>
        <translation>Valor total</translation>
    </message>
    <message>
        <source>Log History</source>
        <translation>Historial de registros</translation>
    </message>
    <message>
        <source>No Event Name</source>
        <translation>Sin nombre de evento</translation>
    </message>
    <message>
        <source>No Notes</source>
        <translation>Sin notas</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>No Water Between</source>
        <translation>Sin riego entre</translation>
    </message>
    <message>
        <source>Cacti To Water</source>
        <translation>Cactus para regar</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
</TS>
