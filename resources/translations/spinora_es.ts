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
    <message id="The collection “%1” is damaged, so it was not opened.">
        <source></source>
        <translation>La colección «%1» está dañada, por lo que no se ha abierto.</translation>
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
    <message id="1 page">
        <source></source>
        <translation>1 página</translation>
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
    <message id="Taken">
        <source></source>
        <translation>Tomada</translation>
    </message>
    <message id="Why">
        <source></source>
        <translation>Motivo</translation>
    </message>
    <message id="Plants">
        <source></source>
        <translation>Plantas</translation>
    </message>
    <message id="Size">
        <source></source>
        <translation>Tamaño</translation>
    </message>
    <message id="Spinora quit unexpectedly the last time it was used.">
        <source></source>
        <translation>Spinora se cerró inesperadamente la última vez que se usó.</translation>
    </message>
    <message id="A report of the problem was saved. Would you like to see it?">
        <source></source>
        <translation>Se guardó un informe del problema. ¿Desea verlo?</translation>
    </message>
    <message id="Show Report">
        <source></source>
        <translation>Mostrar informe</translation>
    </message>
    <message id="Not Now">
        <source></source>
        <translation>Ahora no</translation>
    </message>
    <message id="Crash Report">
        <source></source>
        <translation>Informe de fallo</translation>
    </message>
    <message id="Saved as %1">
        <source></source>
        <translation>Guardado como %1</translation>
    </message>
    <message id="The reminder time could not be written to %1.">
        <source></source>
        <translation>No se pudo escribir la hora del recordatorio en %1.</translation>
    </message>
    <message id="Spinora will remind you every day at %1 (systemd user timer %2).">
        <source></source>
        <translation>Spinora se lo recordará cada día a las %1 (temporizador de usuario de systemd %2).</translation>
    </message>
    <message id="Reminders are off.">
        <source></source>
        <translation>Los recordatorios están desactivados.</translation>
    </message>
    <message id="Clear Menu">
        <source></source>
        <translation>Vaciar menú</translation>
    </message>
    <message id="&amp;File">
        <source></source>
        <translation>&amp;Archivo</translation>
    </message>
    <message id="New">
        <source></source>
        <translation>Nuevo</translation>
    </message>
    <message id="Open...">
        <source></source>
        <translation>Abrir...</translation>
    </message>
    <message id="Open Recent">
        <source></source>
        <translation>Abrir reciente</translation>
    </message>
    <message id="Save">
        <source></source>
        <translation>Guardar</translation>
    </message>
    <message id="Save As...">
        <source></source>
        <translation>Guardar como...</translation>
    </message>
    <message id="Page Setup...">
        <source></source>
        <translation>Configurar página...</translation>
    </message>
    <message id="Print Preview...">
        <source></source>
        <translation>Vista previa de impresión...</translation>
    </message>
    <message id="Quit Spinora">
        <source></source>
        <translation>Salir de Spinora</translation>
    </message>
    <message id="&amp;Edit">
        <source></source>
        <translation>&amp;Editar</translation>
    </message>
    <message id="Add Item">
        <source></source>
        <translation>Añadir elemento</translation>
    </message>
    <message id="Remove Item">
        <source></source>
        <translation>Quitar elemento</translation>
    </message>
    <message id="Duplicate Item">
        <source></source>
        <translation>Duplicar elemento</translation>
    </message>
    <message id="Cut">
        <source></source>
        <translation>Cortar</translation>
    </message>
    <message id="Copy">
        <source></source>
        <translation>Copiar</translation>
    </message>
    <message id="Paste">
        <source></source>
        <translation>Pegar</translation>
    </message>
    <message id="Select All">
        <source></source>
        <translation>Seleccionar todo</translation>
    </message>
    <message id="Preferences...">
        <source></source>
        <translation>Preferencias...</translation>
    </message>
    <message id="&amp;View">
        <source></source>
        <translation>&amp;Ver</translation>
    </message>
    <message id="Show Toolbar">
        <source></source>
        <translation>Mostrar barra de herramientas</translation>
    </message>
    <message id="Customize Toolbar">
        <source></source>
        <translation>Personalizar barra de herramientas</translation>
    </message>
    <message id="Icon and Text">
        <source></source>
        <translation>Icono y texto</translation>
    </message>
    <message id="Icon Only">
        <source></source>
        <translation>Solo icono</translation>
    </message>
    <message id="Text Only">
        <source></source>
        <translation>Solo texto</translation>
    </message>
    <message id="Flowering Calendar...">
        <source></source>
        <translation>Calendario de floración...</translation>
    </message>
    <message id="&amp;Tools">
        <source></source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message id="Statistics...">
        <source></source>
        <translation>Estadísticas...</translation>
    </message>
    <message id="&amp;Window">
        <source></source>
        <translation>V&amp;entana</translation>
    </message>
    <message id="Minimize">
        <source></source>
        <translation>Minimizar</translation>
    </message>
    <message id="Zoom">
        <source></source>
        <translation>Zoom</translation>
    </message>
    <message id="Bring All to Front">
        <source></source>
        <translation>Traer todo al frente</translation>
    </message>
    <message id="&amp;Help">
        <source></source>
        <translation>A&amp;yuda</translation>
    </message>
    <message id="Like Spinora on Facebook">
        <source></source>
        <translation>Dar «Me gusta» a Spinora en Facebook</translation>
    </message>
    <message id="Spinora Website...">
        <source></source>
        <translation>Sitio web de Spinora...</translation>
    </message>
    <message id="Frequently Asked Questions...">
        <source></source>
        <translation>Preguntas frecuentes...</translation>
    </message>
    <message id="Check for Updates...">
        <source></source>
        <translation>Buscar actualizaciones...</translation>
    </message>
    <message id="About Spinora">
        <source></source>
        <translation>Acerca de Spinora</translation>
    </message>
    <message id="Preferences">
        <source></source>
        <translation>Preferencias</translation>
    </message>
    <message id="Sort options">
        <source></source>
        <translation>Opciones de ordenación</translation>
    </message>
    <message id="Sort cacti by species">
        <source></source>
        <translation>Ordenar los cactus por especie</translation>
    </message>
    <message id="Database options">
        <source></source>
        <translation>Opciones de la base de datos</translation>
    </message>
    <message id="Add default species and events to new databases">
        <source></source>
        <translation>Añadir las especies y eventos predeterminados a las bases de datos nuevas</translation>
    </message>
    <message id="Reminders">
        <source></source>
        <translation>Recordatorios</translation>
    </message>
    <message id="&amp;Remind me of due plants every day at">
        <source></source>
        <translation>&amp;Recordarme a diario las plantas pendientes a las</translation>
    </message>
    <message id="Reminder time">
        <source></source>
        <translation>Hora del recordatorio</translation>
    </message>
    <message id="Open">
        <source></source>
        <translation>Abrir</translation>
    </message>
    <message id="Collection:">
        <source></source>
        <translation>Colección:</translation>
    </message>
    <message id="Spinora collections (*%1)">
        <source></source>
        <translation>Colecciones de Spinora (*%1)</translation>
    </message>
    <message id="“%1” already exists. Do you want to replace it?">
        <source></source>
        <translation>«%1» ya existe. ¿Desea reemplazarlo?</translation>
    </message>
    <message id="A collection with the same name already exists in “%1”. Replacing it will overwrite its current contents.">
        <source></source>
        <translation>Ya existe una colección con el mismo nombre en «%1». Si la reemplaza, se sobrescribirá su contenido actual.</translation>
    </message>
    <message id="Replace">
        <source></source>
        <translation>Reemplazar</translation>
    </message>
    <message id="Do you want to save the changes made to the document “%1”?">
        <source></source>
        <translation>¿Desea guardar los cambios realizados en el documento «%1»?</translation>
    </message>
    <message id="Your changes will stay in the untitled collection if you don’t save them.">
        <source></source>
        <translation>Sus cambios permanecerán en la colección sin título si no los guarda.</translation>
    </message>
    <message id="Don’t Save">
        <source></source>
        <translation>No guardar</translation>
    </message>
    <message id="Keep Open">
        <source></source>
        <translation>Mantener abierto</translation>
    </message>
    <message id="New Spinora Database">
        <source></source>
        <translation>Nueva base de datos de Spinora</translation>
    </message>
    <message id="Save As">
        <source></source>
        <translation>Guardar como</translation>
    </message>
    <message id="Overwriting an open database is not permitted. Please select a different filename.">
        <source></source>
        <translation>No se permite sobrescribir una base de datos abierta. Seleccione otro nombre de archivo.</translation>
    </message>
    <message id="The collection “%1” could not be opened: it does not exist.">
        <source></source>
        <translation>No se pudo abrir la colección «%1»: no existe.</translation>
    </message>
    <message id="%n of its photo files are missing, the first “%1”." numerus="yes">
        <source></source>
        <translation>
            <numerusform>Falta %n de sus archivos de foto: «%1».</numerusform>
            <numerusform>Faltan %n de sus archivos de foto, el primero «%1».</numerusform>
        </translation>
    </message>
    <message id="%1, %2 and %3">
        <source></source>
        <translation>%1, %2 y %3</translation>
    </message>
    <message id="%n plants" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n planta</numerusform>
            <numerusform>%n plantas</numerusform>
        </translation>
    </message>
    <message id="%n logs" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n registro</numerusform>
            <numerusform>%n registros</numerusform>
        </translation>
    </message>
    <message id="%n photos" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n foto</numerusform>
            <numerusform>%n fotos</numerusform>
        </translation>
    </message>
    <message id="The newest good snapshot was taken on %1 and holds %2. Restoring it replaces the collection; the damaged one is kept as a snapshot first.">
        <source></source>
        <translation>La instantánea válida más reciente es del %1 y contiene %2. Restaurarla reemplaza la colección; la colección dañada se guarda antes como instantánea.</translation>
    </message>
    <message id="The collection will hold %1. Its current state is kept as a snapshot first, so this can be undone by restoring that one.">
        <source></source>
        <translation>La colección contendrá %1. Su estado actual se guarda antes como instantánea, así que puede deshacer esto restaurándola.</translation>
    </message>
    <message id="“%1” could not be replaced.">
        <source></source>
        <translation>No se pudo reemplazar «%1».</translation>
    </message>
    <message id="The catalogue of your cactus and succulent collection: plants, watering schedules and a log of what happened to them.">
        <source></source>
        <translation>El catálogo de su colección de cactus y suculentas: plantas, programas de riego y un registro de lo que les ha pasado.</translation>
    </message>
    <message id="Import From">
        <source></source>
        <translation>Importar desde</translation>
    </message>
    <message id="Export To">
        <source></source>
        <translation>Exportar a</translation>
    </message>
    <message id="Spinora Mobile App">
        <source></source>
        <translation>Aplicación móvil de Spinora</translation>
    </message>
    <message id="SDBI">
        <source></source>
        <translation>SDBI</translation>
    </message>
    <message id="Spinora Database">
        <source></source>
        <translation>Base de datos de Spinora</translation>
    </message>
    <message id="CSV">
        <source></source>
        <translation>CSV</translation>
    </message>
    <message id="CSV Template…">
        <source></source>
        <translation>Plantilla CSV…</translation>
    </message>
    <message id="HTML Report">
        <source></source>
        <translation>Informe HTML</translation>
    </message>
    <message id="Software Update">
        <source></source>
        <translation>Actualización de software</translation>
    </message>
    <message id="A new version of Spinora is available!">
        <source></source>
        <translation>¡Hay una nueva versión de Spinora disponible!</translation>
    </message>
    <message id="Spinora %1 is now available—you have %2. Would you like to download it now?">
        <source></source>
        <translation>Ya está disponible Spinora %1 (usted tiene la %2). ¿Desea descargarlo ahora?</translation>
    </message>
    <message id="Download">
        <source></source>
        <translation>Descargar</translation>
    </message>
    <message id="Remind Me Later">
        <source></source>
        <translation>Recordármelo más tarde</translation>
    </message>
    <message id="You’re up-to-date!">
        <source></source>
        <translation>¡Está al día!</translation>
    </message>
    <message id="Spinora %1 is currently the newest version available.">
        <source></source>
        <translation>Spinora %1 es actualmente la versión más reciente disponible.</translation>
    </message>
    <message id="No update address is set, so Spinora cannot look for updates. Your distribution’s package manager keeps Spinora up to date.">
        <source></source>
        <translation>No hay ninguna dirección de actualización configurada, así que Spinora no puede buscar actualizaciones. El gestor de paquetes de su distribución mantiene Spinora actualizado.</translation>
    </message>
    <message id="Update Error!">
        <source></source>
        <translation>¡Error de actualización!</translation>
    </message>
    <message id="An error occurred in retrieving update information. Please try again later.">
        <source></source>
        <translation>Se produjo un error al obtener la información de actualización. Vuelva a intentarlo más tarde.</translation>
    </message>
    <message id="Spinora keeps the catalogue of a cactus and succulent collection.">
        <source></source>
        <translation>Spinora lleva el catálogo de una colección de cactus y suculentas.</translation>
    </message>
    <message id="Collections to open (folders ending in .sdb); interchange files (.sdbi) are offered for import into the collection shown.">
        <source></source>
        <translation>Colecciones para abrir (carpetas que terminan en .sdb); los archivos de intercambio (.sdbi) se ofrecen para importarlos en la colección mostrada.</translation>
    </message>
    <message id="The list to show: cacti, watering or logs.">
        <source></source>
        <translation>La lista que mostrar: cacti, watering o logs.</translation>
    </message>
    <message id="--show takes cacti, watering or logs, not “%1”">
        <source></source>
        <translation>--show admite cacti, watering o logs, no «%1»</translation>
    </message>
    <message id="Spinora is already running but does not answer.">
        <source></source>
        <translation>Spinora ya se está ejecutando, pero no responde.</translation>
    </message>
    <message id="the line “%1” does not close “%2”">
        <source></source>
        <translation>la línea «%1» no cierra «%2»</translation>
    </message>
    <message id="the file ends before “%1” does">
        <source></source>
        <translation>el archivo termina antes que «%1»</translation>
    </message>
    <message id="the file is empty">
        <source></source>
        <translation>el archivo está vacío</translation>
    </message>
    <message id="it is not an iCalendar file">
        <source></source>
        <translation>no es un archivo iCalendar</translation>
    </message>
    <message id="it does not hold exactly one calendar">
        <source></source>
        <translation>no contiene exactamente un calendario</translation>
    </message>
    <message id="it contains errors">
        <source></source>
        <translation>contiene errores</translation>
    </message>
    <message id="it cannot be read">
        <source></source>
        <translation>no se puede leer</translation>
    </message>
    <message id="The calendar folder “%1” cannot be made.">
        <source></source>
        <translation>No se puede crear la carpeta de calendario «%1».</translation>
    </message>
    <message id="The calendar file “%1” cannot be used: %2.">
        <source></source>
        <translation>No se puede usar el archivo de calendario «%1»: %2.</translation>
    </message>
    <message id="The calendar file “%1” cannot be read.">
        <source></source>
        <translation>No se puede leer el archivo de calendario «%1».</translation>
    </message>
    <message id="The calendar file “%1” cannot be used (%2); it was left as it is.">
        <source></source>
        <translation>No se puede usar el archivo de calendario «%1» (%2); se ha dejado como estaba.</translation>
    </message>
    <message id="The calendar file “%1” keeps being changed by another program; it was left as it is.">
        <source></source>
        <translation>Otro programa modifica continuamente el archivo de calendario «%1»; se ha dejado como estaba.</translation>
    </message>
    <message id="The calendar file “%1” could not be written (%2); it was left as it is.">
        <source></source>
        <translation>No se pudo escribir el archivo de calendario «%1» (%2); se ha dejado como estaba.</translation>
    </message>
    <message id="No space left on device">
        <source></source>
        <translation>No queda espacio en el dispositivo</translation>
    </message>
    <message id="The event ends before it starts.">
        <source></source>
        <translation>El evento termina antes de empezar.</translation>
    </message>
    <message id="The calendar “%1” is not available.">
        <source></source>
        <translation>El calendario «%1» no está disponible.</translation>
    </message>
    <message id="There is no such event.">
        <source></source>
        <translation>Ese evento no existe.</translation>
    </message>
    <message id="The event was removed by another program.">
        <source></source>
        <translation>Otro programa ha eliminado el evento.</translation>
    </message>
    <message id="the Avahi daemon went away">
        <source></source>
        <translation>el demonio Avahi ha desaparecido</translation>
    </message>
    <message id="Click the Import button to restore the complete database from your device.">
        <source></source>
        <translation>Pulse el botón Importar para restaurar la base de datos completa desde su dispositivo.</translation>
    </message>
    <message id="Click the Import button to restore only the cacti and watering schedules in the database from your device.">
        <source></source>
        <translation>Pulse el botón Importar para restaurar solo los cactus y los programas de riego de la base de datos desde su dispositivo.</translation>
    </message>
    <message id="Click the Import button to import the cacti from your device.">
        <source></source>
        <translation>Pulse el botón Importar para importar los cactus desde su dispositivo.</translation>
    </message>
    <message id="Click the Import button to import the watering schedules from your device.">
        <source></source>
        <translation>Pulse el botón Importar para importar los programas de riego desde su dispositivo.</translation>
    </message>
    <message id="Restore Database is selected on your device. Select either Backup Database or Export Data instead.">
        <source></source>
        <translation>Restore Database está seleccionado en su dispositivo. Seleccione en su lugar Backup Database o Export Data.</translation>
    </message>
    <message id="Export Data is selected on your device. Select Backup Database instead to restore both cacti and watering schedules.">
        <source></source>
        <translation>Export Data está seleccionado en su dispositivo. Seleccione en su lugar Backup Database para restaurar tanto los cactus como los programas de riego.</translation>
    </message>
    <message id="Export Data is selected on your device. Only cacti or watering schedules can be imported in this mode.">
        <source></source>
        <translation>Export Data está seleccionado en su dispositivo. En este modo solo se pueden importar cactus o programas de riego.</translation>
    </message>
    <message id="Import Data is selected on your device. Select either Backup Database or Export Data instead.">
        <source></source>
        <translation>Import Data está seleccionado en su dispositivo. Seleccione en su lugar Backup Database o Export Data.</translation>
    </message>
    <message id="Backup Database is selected on your device. Select either Restore Database or Import Data instead.">
        <source></source>
        <translation>Backup Database está seleccionado en su dispositivo. Seleccione en su lugar Restore Database o Import Data.</translation>
    </message>
    <message id="Export Data is selected on your device. Select either Restore Database or Import Data instead.">
        <source></source>
        <translation>Export Data está seleccionado en su dispositivo. Seleccione en su lugar Restore Database o Import Data.</translation>
    </message>
    <message id="Click the Export button to send the database to your device. The app will ask what you want to import.">
        <source></source>
        <translation>Pulse el botón Exportar para enviar la base de datos a su dispositivo. La aplicación le preguntará qué desea importar.</translation>
    </message>
    <message id="The collection was closed.">
        <source></source>
        <translation>Se cerró la colección.</translation>
    </message>
    <message id="Import Database">
        <source></source>
        <translation>Importar base de datos</translation>
    </message>
    <message id="Restore Complete Database">
        <source></source>
        <translation>Restaurar la base de datos completa</translation>
    </message>
    <message id="Import Cacti and Watering Schedules">
        <source></source>
        <translation>Importar cactus y programas de riego</translation>
    </message>
    <message id="Import Cacti">
        <source></source>
        <translation>Importar cactus</translation>
    </message>
    <message id="Import Watering Schedules">
        <source></source>
        <translation>Importar programas de riego</translation>
    </message>
    <message id="Devices">
        <source></source>
        <translation>Dispositivos</translation>
    </message>
    <message id="Messages">
        <source></source>
        <translation>Mensajes</translation>
    </message>
    <message id="Export Database">
        <source></source>
        <translation>Exportar base de datos</translation>
    </message>
    <message id="Flowering Calendar">
        <source></source>
        <translation>Calendario de floración</translation>
    </message>
    <message id="Photo Timeline">
        <source></source>
        <translation>Cronología de fotos</translation>
    </message>
    <message id="Common Name">
        <source></source>
        <translation>Nombre común</translation>
    </message>
    <message id="Open Watering Schedule">
        <source></source>
        <translation>Abrir programa de riego</translation>
    </message>
    <message id="Height">
        <source></source>
        <translation>Altura</translation>
    </message>
    <message id="Width">
        <source></source>
        <translation>Anchura</translation>
    </message>
    <message id="Weight">
        <source></source>
        <translation>Peso</translation>
    </message>
    <message id="Light">
        <source></source>
        <translation>Luz</translation>
    </message>
    <message id="Temperature">
        <source></source>
        <translation>Temperatura</translation>
    </message>
    <message id="Pot Size">
        <source></source>
        <translation>Tamaño de la maceta</translation>
    </message>
    <message id="Pot Shape">
        <source></source>
        <translation>Forma de la maceta</translation>
    </message>
    <message id="Pot Material">
        <source></source>
        <translation>Material de la maceta</translation>
    </message>
    <message id="General">
        <source></source>
        <translation>General</translation>
    </message>
    <message id="Details">
        <source></source>
        <translation>Detalles</translation>
    </message>
    <message id="Alarm">
        <source></source>
        <translation>Alarma</translation>
    </message>
    <message id="Busy">
        <source></source>
        <translation>Ocupado</translation>
    </message>
    <message id="Free">
        <source></source>
        <translation>Libre</translation>
    </message>
    <message id="Title">
        <source></source>
        <translation>Título</translation>
    </message>
    <message id="Starts">
        <source></source>
        <translation>Empieza</translation>
    </message>
    <message id="Ends">
        <source></source>
        <translation>Termina</translation>
    </message>
    <message id="All-Day">
        <source></source>
        <translation>Todo el día</translation>
    </message>
    <message id="Calendar">
        <source></source>
        <translation>Calendario</translation>
    </message>
    <message id="Availability">
        <source></source>
        <translation>Disponibilidad</translation>
    </message>
    <message id="Kept in %1. To see these reminders in your desktop calendar, add this file to it as a calendar.">
        <source></source>
        <translation>Recordatorios guardados en %1. Para verlos en el calendario de su escritorio, añada este archivo como calendario.</translation>
    </message>
    <message id="Add New Event">
        <source></source>
        <translation>Añadir evento nuevo</translation>
    </message>
    <message id="Edit Event">
        <source></source>
        <translation>Editar evento</translation>
    </message>
    <message id="Open Cactus">
        <source></source>
        <translation>Abrir cactus</translation>
    </message>
    <message id="Add Reminder">
        <source></source>
        <translation>Añadir recordatorio</translation>
    </message>
    <message id="Edit Reminder">
        <source></source>
        <translation>Editar recordatorio</translation>
    </message>
    <message id="Add a reminder to your calendar?">
        <source></source>
        <translation>¿Añadir un recordatorio al calendario?</translation>
    </message>
    <message id="Edit the reminder on your calendar?">
        <source></source>
        <translation>¿Editar el recordatorio en el calendario?</translation>
    </message>
    <message id="All Photos">
        <source></source>
        <translation>Todas las fotos</translation>
    </message>
    <message id="Add Photos…">
        <source></source>
        <translation>Añadir fotos…</translation>
    </message>
    <message id="Add photos from picture files. You can also drop picture files on the grid.">
        <source></source>
        <translation>Añadir fotos desde archivos de imagen. También puede soltar archivos de imagen en la cuadrícula.</translation>
    </message>
    <message id="Size of the photos">
        <source></source>
        <translation>Tamaño de las fotos</translation>
    </message>
    <message id="Adding photos">
        <source></source>
        <translation>Añadiendo fotos</translation>
    </message>
    <message id="Add Photos">
        <source></source>
        <translation>Añadir fotos</translation>
    </message>
    <message id="Pictures (*.jpg *.jpeg *.png *.gif *.tif *.tiff *.bmp)">
        <source></source>
        <translation>Imágenes (*.jpg *.jpeg *.png *.gif *.tif *.tiff *.bmp)</translation>
    </message>
    <message id="This file was not added:">
        <source></source>
        <translation>No se añadió este archivo:</translation>
    </message>
    <message id="These files were not added:">
        <source></source>
        <translation>No se añadieron estos archivos:</translation>
    </message>
    <message id="Previous Photo">
        <source></source>
        <translation>Foto anterior</translation>
    </message>
    <message id="Display the previous photo">
        <source></source>
        <translation>Mostrar la foto anterior</translation>
    </message>
    <message id="Edit Caption">
        <source></source>
        <translation>Editar pie de foto</translation>
    </message>
    <message id="Edit the photo caption">
        <source></source>
        <translation>Editar el pie de la foto</translation>
    </message>
    <message id="Next Photo">
        <source></source>
        <translation>Foto siguiente</translation>
    </message>
    <message id="Display the next photo">
        <source></source>
        <translation>Mostrar la foto siguiente</translation>
    </message>
    <message id="Error: the new record is gone.">
        <source></source>
        <translation>Error: el nuevo elemento ha desaparecido.</translation>
    </message>
    <message id="From Date 1">
        <source></source>
        <translation>Fecha inicial 1</translation>
    </message>
    <message id="To Date 2">
        <source></source>
        <translation>Fecha final 2</translation>
    </message>
    <message id="From Date 3">
        <source></source>
        <translation>Fecha inicial 3</translation>
    </message>
    <message id="To Date 4">
        <source></source>
        <translation>Fecha final 4</translation>
    </message>
    <message id="From Date 5">
        <source></source>
        <translation>Fecha inicial 5</translation>
    </message>
    <message id="To Date 6">
        <source></source>
        <translation>Fecha final 6</translation>
    </message>
    <message id="Units">
        <source></source>
        <translation>Unidades</translation>
    </message>
    <message id="Line %1, column %2 (%3): “%4” could not be read and was not imported.">
        <source></source>
        <translation>Línea %1, columna %2 (%3): no se pudo leer «%4» y no se importó.</translation>
    </message>
    <message id="The file is not in the Spinora CSV template layout and these columns could not be placed: “%1”. Give each column its field, for example --map '%2' (the fields are %3).">
        <source></source>
        <translation>El archivo no sigue el formato de la plantilla CSV de Spinora y no se pudieron asignar estas columnas: «%1». Indique el campo de cada columna, por ejemplo --map &apos;%2&apos; (los campos son %3).</translation>
    </message>
    <message id="No cacti, watering schedules or logs were found in the file. It must follow the Spinora CSV template.">
        <source></source>
        <translation>No se encontraron cactus, programas de riego ni registros en el archivo. Debe seguir la plantilla CSV de Spinora.</translation>
    </message>
    <message id="name|plant|plant name|cactus|label">
        <source></source>
        <translation>nombre|planta|nombre de la planta|cactus|etiqueta</translation>
    </message>
    <message id="scientific|scientific name|botanical name|latin name|taxon|genus|species">
        <source></source>
        <translation>científico|nombre científico|nombre botánico|nombre latino|taxón|género|especie</translation>
    </message>
    <message id="common|common name">
        <source></source>
        <translation>común|nombre común</translation>
    </message>
    <message id="type|plant type">
        <source></source>
        <translation>tipo|tipo de planta</translation>
    </message>
    <message id="watering|schedule|watering schedule">
        <source></source>
        <translation>riego|programa|programa de riego</translation>
    </message>
    <message id="last watered">
        <source></source>
        <translation>último riego</translation>
    </message>
    <message id="next watering">
        <source></source>
        <translation>próximo riego</translation>
    </message>
    <message id="planted|plant date|date planted|sown">
        <source></source>
        <translation>plantado|fecha de plantación|plantación|sembrado</translation>
    </message>
    <message id="source|origin">
        <source></source>
        <translation>procedencia|origen</translation>
    </message>
    <message id="acquired|date acquired|bought|purchased|purchase date">
        <source></source>
        <translation>adquirido|fecha de adquisición|comprado|compra|fecha de compra</translation>
    </message>
    <message id="price|purchase price|cost|paid">
        <source></source>
        <translation>precio|precio de compra|coste|pagado</translation>
    </message>
    <message id="value|worth">
        <source></source>
        <translation>valor|valor estimado</translation>
    </message>
    <message id="location|place|position|bench|greenhouse">
        <source></source>
        <translation>ubicación|lugar|posición|mesa|invernadero</translation>
    </message>
    <message id="height">
        <source></source>
        <translation>altura</translation>
    </message>
    <message id="width|diameter">
        <source></source>
        <translation>anchura|diámetro</translation>
    </message>
    <message id="weight">
        <source></source>
        <translation>peso</translation>
    </message>
    <message id="light|sun">
        <source></source>
        <translation>luz|sol</translation>
    </message>
    <message id="temperature|temp|min temp">
        <source></source>
        <translation>temperatura|temp|temp mín</translation>
    </message>
    <message id="pot size|pot">
        <source></source>
        <translation>tamaño de maceta|maceta</translation>
    </message>
    <message id="pot shape|shape">
        <source></source>
        <translation>forma de maceta|forma</translation>
    </message>
    <message id="pot material|material">
        <source></source>
        <translation>material de maceta|material</translation>
    </message>
    <message id="notes|note|comments|comment|remarks|description">
        <source></source>
        <translation>notas|nota|comentarios|comentario|observaciones|descripción</translation>
    </message>
    <message id="id|#|no|no.|number|photo|photos|image|picture">
        <source></source>
        <translation>id|#|n.º|nº|número|foto|fotos|imagen|imágenes</translation>
    </message>
    <message id="“%1” is no COLUMN=FIELD pair.">
        <source></source>
        <translation>«%1» no es un par COLUMN=FIELD.</translation>
    </message>
    <message id="“%1” is no field; the fields are %2.">
        <source></source>
        <translation>«%1» no es un campo; los campos son %2.</translation>
    </message>
    <message id="The file has no column “%1”.">
        <source></source>
        <translation>El archivo no tiene ninguna columna «%1».</translation>
    </message>
    <message id="%1 is a folder; an export never replaces a folder with a file.">
        <source></source>
        <translation>%1 es una carpeta; una exportación nunca reemplaza una carpeta por un archivo.</translation>
    </message>
    <message id="%1 is a folder that is not a Spinora collection; an export never replaces it.">
        <source></source>
        <translation>%1 es una carpeta que no es una colección de Spinora; una exportación nunca la reemplaza.</translation>
    </message>
    <message id="%1 is a collection in use by %2; it cannot be replaced.">
        <source></source>
        <translation>%1 es una colección que está usando %2; no se puede reemplazar.</translation>
    </message>
    <message id="%1 is an existing collection and was not replaced.">
        <source></source>
        <translation>%1 es una colección existente y no se reemplazó.</translation>
    </message>
    <message id="%1 already exists and was not replaced.">
        <source></source>
        <translation>%1 ya existe y no se reemplazó.</translation>
    </message>
    <message id="The collection %1 could not be read: %2">
        <source></source>
        <translation>No se pudo leer la colección %1: %2</translation>
    </message>
    <message id="it holds no %1.">
        <source></source>
        <translation>no contiene ningún %1.</translation>
    </message>
    <message id="The collection %1 was made by a newer version of Spinora (schema %2; this version reads up to %3).">
        <source></source>
        <translation>La colección %1 se creó con una versión más reciente de Spinora (esquema %2; esta versión lee hasta el %3).</translation>
    </message>
    <message id="The collection could not be read: %1">
        <source></source>
        <translation>No se pudo leer la colección: %1</translation>
    </message>
    <message id="The collection was opened read-only, so nothing can be imported into it.">
        <source></source>
        <translation>La colección se abrió en modo de solo lectura, así que no se puede importar nada en ella.</translation>
    </message>
    <message id="The import failed.">
        <source></source>
        <translation>La importación falló.</translation>
    </message>
    <message id="The collection could not be written: %1">
        <source></source>
        <translation>No se pudo escribir la colección: %1</translation>
    </message>
    <message id="The collection's database could not be opened: %1">
        <source></source>
        <translation>No se pudo abrir la base de datos de la colección: %1</translation>
    </message>
    <message id="The folder %1 could not be made.">
        <source></source>
        <translation>No se pudo crear la carpeta %1.</translation>
    </message>
    <message id="The template could not be read: %1">
        <source></source>
        <translation>No se pudo leer la plantilla: %1</translation>
    </message>
    <message id="The collection could not be locked for the import: %1">
        <source></source>
        <translation>No se pudo bloquear la colección para la importación: %1</translation>
    </message>
    <message id="Fertilized">
        <source></source>
        <translation>Abonado</translation>
    </message>
    <message id="Flowered">
        <source></source>
        <translation>Florecido</translation>
    </message>
    <message id="Planted">
        <source></source>
        <translation>Plantado</translation>
    </message>
    <message id="Purchased">
        <source></source>
        <translation>Comprado</translation>
    </message>
    <message id="Sold">
        <source></source>
        <translation>Vendido</translation>
    </message>
    <message id="The import could not be saved: %1">
        <source></source>
        <translation>No se pudo guardar la importación: %1</translation>
    </message>
    <message id="%1 could not be written">
        <source></source>
        <translation>No se pudo escribir %1</translation>
    </message>
    <message id="%1: the export filter could not be run">
        <source></source>
        <translation>%1: no se pudo ejecutar el filtro de exportación</translation>
    </message>
    <message id="%1 could not be replaced">
        <source></source>
        <translation>No se pudo reemplazar %1</translation>
    </message>
    <message id="The file cannot be imported: it holds triggers or views, which Spinora files never have.">
        <source></source>
        <translation>No se puede importar el archivo: contiene disparadores o vistas, que los archivos de Spinora nunca tienen.</translation>
    </message>
    <message id="larger than 64 MiB">
        <source></source>
        <translation>mayor de 64 MiB</translation>
    </message>
    <message id="a link that leads out of the package">
        <source></source>
        <translation>un enlace que sale del paquete</translation>
    </message>
    <message id="not a file that can be read">
        <source></source>
        <translation>no es un archivo legible</translation>
    </message>
    <message id="%1 could not be read.">
        <source></source>
        <translation>No se pudo leer %1.</translation>
    </message>
    <message id="The file could not be opened: %1">
        <source></source>
        <translation>No se pudo abrir el archivo: %1</translation>
    </message>
    <message id="The file is not a Spinora database: %1">
        <source></source>
        <translation>El archivo no es una base de datos de Spinora: %1</translation>
    </message>
    <message id="The file cannot be imported: its schema could not be upgraded (%1).">
        <source></source>
        <translation>No se puede importar el archivo: no se pudo actualizar su esquema (%1).</translation>
    </message>
    <message id="The file could not be closed: %1">
        <source></source>
        <translation>No se pudo cerrar el archivo: %1</translation>
    </message>
    <message id="The file has no version information, so it is not a Spinora database.">
        <source></source>
        <translation>El archivo no tiene información de versión, así que no es una base de datos de Spinora.</translation>
    </message>
    <message id="The file cannot be imported: it was made by a newer version of Spinora (schema %1; this version reads up to %2).">
        <source></source>
        <translation>No se puede importar el archivo: se creó con una versión más reciente de Spinora (esquema %1; esta versión lee hasta el %2).</translation>
    </message>
    <message id="The file's version row holds no record counts.">
        <source></source>
        <translation>La fila de versión del archivo no contiene ningún recuento de elementos.</translation>
    </message>
    <message id="The file cannot be imported: its %1 table cannot be read (%2).">
        <source></source>
        <translation>No se puede importar el archivo: no se puede leer su tabla %1 (%2).</translation>
    </message>
    <message id="The file cannot be imported: its %1 table has keys that are not whole numbers from 0 to 9223372036854775807.">
        <source></source>
        <translation>No se puede importar el archivo: su tabla %1 tiene claves que no son números enteros de 0 a 9223372036854775807.</translation>
    </message>
    <message id="The file cannot be imported: its %1 table has the same key on more than one row.">
        <source></source>
        <translation>No se puede importar el archivo: su tabla %1 tiene la misma clave en más de una fila.</translation>
    </message>
    <message id="The file cannot be imported: the collection has no keys left for its %1 table.">
        <source></source>
        <translation>No se puede importar el archivo: a la colección no le quedan claves para su tabla %1.</translation>
    </message>
    <message id="The records of the file's %1 table could not be read: %2">
        <source></source>
        <translation>No se pudieron leer las filas de la tabla %1 del archivo: %2</translation>
    </message>
    <message id="The file cannot be imported: the %1 column of its %2 table holds values that are not whole numbers.">
        <source></source>
        <translation>No se puede importar el archivo: la columna %1 de su tabla %2 contiene valores que no son números enteros.</translation>
    </message>
    <message id="The file holds no watering schedules.">
        <source></source>
        <translation>El archivo no contiene ningún programa de riego.</translation>
    </message>
    <message id="The file holds no cacti.">
        <source></source>
        <translation>El archivo no contiene ningún cactus.</translation>
    </message>
    <message id="not a picture that can be read">
        <source></source>
        <translation>no es una imagen legible</translation>
    </message>
    <message id="the cactus %1">
        <source></source>
        <translation>el cactus %1</translation>
    </message>
    <message id="the log entry %1">
        <source></source>
        <translation>el registro %1</translation>
    </message>
    <message id="the cactus “%1”">
        <source></source>
        <translation>el cactus «%1»</translation>
    </message>
    <message id="the log entry “%1”">
        <source></source>
        <translation>el registro «%1»</translation>
    </message>
    <message id="The file's photos could not be read: %1">
        <source></source>
        <translation>No se pudieron leer las fotos del archivo: %1</translation>
    </message>
    <message id="The file cannot be imported: the key column of its image table holds values that are not whole numbers.">
        <source></source>
        <translation>No se puede importar el archivo: la columna de claves de su tabla de imágenes contiene valores que no son números enteros.</translation>
    </message>
    <message id="1 photo could not be read and was left out: %1.">
        <source></source>
        <translation>No se pudo leer 1 foto y se omitió: %1.</translation>
    </message>
    <message id="%1 photos could not be read and were left out: %2.">
        <source></source>
        <translation>No se pudieron leer %1 fotos y se omitieron: %2.</translation>
    </message>
    <message id="The file could not be read: %1">
        <source></source>
        <translation>No se pudo leer el archivo: %1</translation>
    </message>
    <message id="No plant has a date acquired.">
        <source></source>
        <translation>Ninguna planta tiene fecha de adquisición.</translation>
    </message>
    <message id="%1 without a date">
        <source></source>
        <translation>%1 sin fecha</translation>
    </message>
    <message id="Plants by Date Acquired">
        <source></source>
        <translation>Plantas por fecha de adquisición</translation>
    </message>
    <message id="Value by Date Acquired">
        <source></source>
        <translation>Valor por fecha de adquisición</translation>
    </message>
    <message id="Plants by Genus">
        <source></source>
        <translation>Plantas por género</translation>
    </message>
    <message id="Waterings Due in the Next %1 Days">
        <source></source>
        <translation>Riegos pendientes en los próximos %1 días</translation>
    </message>
    <message id="Charts">
        <source></source>
        <translation>Gráficos</translation>
    </message>
    <message id="Cacti Report">
        <source></source>
        <translation>Informe de cactus</translation>
    </message>
    <message id="Summary">
        <source></source>
        <translation>Resumen</translation>
    </message>
    <message id="Total Cacti">
        <source></source>
        <translation>Total de cactus</translation>
    </message>
    <message id="Total Watering Schedules">
        <source></source>
        <translation>Total de programas de riego</translation>
    </message>
    <message id="Total Log Entries">
        <source></source>
        <translation>Total de registros</translation>
    </message>
    <message id="Unique Species">
        <source></source>
        <translation>Especies distintas</translation>
    </message>
    <message id="Total Value">
        <source></source>
        <translation>Valor total</translation>
    </message>
    <message id="Species Scientific Name">
        <source></source>
        <translation>Nombre científico de la especie</translation>
    </message>
    <message id="Species Common Name">
        <source></source>
        <translation>Nombre común de la especie</translation>
    </message>
    <message id="Unknown Date">
        <source></source>
        <translation>Fecha desconocida</translation>
    </message>
    <message id="No Event Name">
        <source></source>
        <translation>Sin nombre de evento</translation>
    </message>
    <message id="The report folder %1 cannot be written.">
        <source></source>
        <translation>No se puede escribir en la carpeta de informes %1.</translation>
    </message>
    <message id="The report %1 could not be written.">
        <source></source>
        <translation>No se pudo escribir el informe %1.</translation>
    </message>
    <message id="No folder for the work files was found: the user's caches folder is unknown (set HOME or XDG_CACHE_HOME).">
        <source></source>
        <translation>No se encontró ninguna carpeta para los archivos de trabajo: se desconoce la carpeta de caché del usuario (defina HOME o XDG_CACHE_HOME).</translation>
    </message>
    <message id="The work folder %1 could not be made.">
        <source></source>
        <translation>No se pudo crear la carpeta de trabajo %1.</translation>
    </message>
    <message id="The work folder %1 cannot be used: something that is not a folder is in its place.">
        <source></source>
        <translation>No se puede usar la carpeta de trabajo %1: en su lugar hay algo que no es una carpeta.</translation>
    </message>
    <message id="The work folder %1 cannot be used: it is not writable.">
        <source></source>
        <translation>No se puede usar la carpeta de trabajo %1: no tiene permiso de escritura.</translation>
    </message>
    <message id="Another transfer is running in this program; try again when it has finished.">
        <source></source>
        <translation>Hay otra transferencia en curso en este programa; vuelva a intentarlo cuando haya terminado.</translation>
    </message>
    <message id="Another transfer is running (%1, process %2); try again when it has finished.">
        <source></source>
        <translation>Hay otra transferencia en curso (%1, proceso %2); vuelva a intentarlo cuando haya terminado.</translation>
    </message>
    <message id="another program">
        <source></source>
        <translation>otro programa</translation>
    </message>
    <message id="Another transfer is running; try again when it has finished.">
        <source></source>
        <translation>Hay otra transferencia en curso; vuelva a intentarlo cuando haya terminado.</translation>
    </message>
    <message id="The work folder %1 cannot be used: its lock file could not be made.">
        <source></source>
        <translation>No se puede usar la carpeta de trabajo %1: no se pudo crear su archivo de bloqueo.</translation>
    </message>
    <message id="Import From SDBI">
        <source></source>
        <translation>Importar desde SDBI</translation>
    </message>
    <message id="Import From Spinora Database">
        <source></source>
        <translation>Importar desde base de datos de Spinora</translation>
    </message>
    <message id="Database File">
        <source></source>
        <translation>Archivo de base de datos</translation>
    </message>
    <message id="Import From CSV">
        <source></source>
        <translation>Importar desde CSV</translation>
    </message>
    <message id="Export To SDBI">
        <source></source>
        <translation>Exportar a SDBI</translation>
    </message>
    <message id="Export To Spinora Database">
        <source></source>
        <translation>Exportar a base de datos de Spinora</translation>
    </message>
    <message id="Export To CSV">
        <source></source>
        <translation>Exportar a CSV</translation>
    </message>
    <message id="Type a path, or choose the file with Browse">
        <source></source>
        <translation>Escriba una ruta o elija el archivo con Examinar</translation>
    </message>
    <message id="Choose where to save with Browse">
        <source></source>
        <translation>Elija dónde guardar con Examinar</translation>
    </message>
    <message id="There is no file “%1”.">
        <source></source>
        <translation>No existe el archivo «%1».</translation>
    </message>
    <message id="A4, 3 × 8 labels of 70 × 37 mm">
        <source></source>
        <translation>A4, 3 × 8 etiquetas de 70 × 37 mm</translation>
    </message>
    <message id="US Letter, 3 × 10 labels of 2.625 × 1 in">
        <source></source>
        <translation>US Letter, 3 × 10 etiquetas de 2,625 × 1 in</translation>
    </message>
    <message id="%n labels" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n etiqueta</numerusform>
            <numerusform>%n etiquetas</numerusform>
        </translation>
    </message>
    <message id="%n pages" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n página</numerusform>
            <numerusform>%n páginas</numerusform>
        </translation>
    </message>
    <message id=" mm">
        <source></source>
        <translation> mm</translation>
    </message>
    <message id="Nothing was printed: the printer “%1” could not be used.">
        <source></source>
        <translation>No se imprimió nada: no se pudo usar la impresora «%1».</translation>
    </message>
    <message id="Nothing was printed: the file “%1” could not be written.">
        <source></source>
        <translation>No se imprimió nada: no se pudo escribir el archivo «%1».</translation>
    </message>
    <message id="Error: out of memory.">
        <source></source>
        <translation>Error: memoria insuficiente.</translation>
    </message>
    <message id="Error: unknown exception.">
        <source></source>
        <translation>Error: excepción desconocida.</translation>
    </message>
    <message id="No snapshot of the collection could be kept: %1">
        <source></source>
        <translation>No se pudo guardar ninguna instantánea de la colección: %1</translation>
    </message>
    <message id="the collection as it is now could not be kept first, so nothing was changed: %1">
        <source></source>
        <translation>no se pudo guardar antes la colección en su estado actual, así que no se cambió nada: %1</translation>
    </message>
    <message id="the collection was opened read-only">
        <source></source>
        <translation>la colección se abrió en modo de solo lectura</translation>
    </message>
    <message id="Other">
        <source></source>
        <translation>Otro</translation>
    </message>
    <message id="it does not exist.">
        <source></source>
        <translation>no existe.</translation>
    </message>
    <message id="it is not a collection package (a folder ending in .sdb).">
        <source></source>
        <translation>no es un paquete de colección (una carpeta que termina en .sdb).</translation>
    </message>
    <message id="the folder holds no %1, so it is not a Spinora collection.">
        <source></source>
        <translation>la carpeta no contiene ningún %1, así que no es una colección de Spinora.</translation>
    </message>
    <message id="it is read-only. Make it writable, or copy it to another place, to open it.">
        <source></source>
        <translation>es de solo lectura. Para abrirla, permita la escritura en ella o cópiela a otro lugar.</translation>
    </message>
    <message id="the collection is not open">
        <source></source>
        <translation>la colección no está abierta</translation>
    </message>
    <message id="the collection could not be read again: %1">
        <source></source>
        <translation>no se pudo volver a leer la colección: %1</translation>
    </message>
    <message id="the file is not a picture">
        <source></source>
        <translation>el archivo no es una imagen</translation>
    </message>
    <message id="the picture is too large (%1 × %2 pixels)">
        <source></source>
        <translation>la imagen es demasiado grande (%1 × %2 píxeles)</translation>
    </message>
    <message id="the picture cannot be decoded (%1)">
        <source></source>
        <translation>la imagen no se puede descodificar (%1)</translation>
    </message>
    <message id="the file cannot be read">
        <source></source>
        <translation>no se puede leer el archivo</translation>
    </message>
    <message id="the file is larger than %1 MB">
        <source></source>
        <translation>el archivo supera los %1 MB</translation>
    </message>
    <message id="Error: a photo needs its three prepared files.">
        <source></source>
        <translation>Error: una foto necesita sus tres archivos preparados.</translation>
    </message>
    <message id="a change to it was cut short when Spinora or the computer stopped">
        <source></source>
        <translation>un cambio se interrumpió al detenerse Spinora o el equipo</translation>
    </message>
    <message id="%1, and must be undone before the collection can be read. That takes writing, and the collection is read-only here. Copy the whole collection, with the file %2-journal in it, to a writable place and open the copy.">
        <source></source>
        <translation>%1, y debe deshacerse antes de poder leer la colección. Para ello hay que escribir, y aquí la colección es de solo lectura. Copie toda la colección, con el archivo %2-journal que contiene, a un lugar con permiso de escritura y abra la copia.</translation>
    </message>
    <message id="%1, and cannot be undone: %2">
        <source></source>
        <translation>%1, y no se puede deshacer: %2</translation>
    </message>
    <message id="%1, and undoing it failed: %2.">
        <source></source>
        <translation>%1, y no se pudo deshacer: %2.</translation>
    </message>
    <message id="the collection is not open for writing.">
        <source></source>
        <translation>la colección no está abierta para escritura.</translation>
    </message>
    <message id="no watering moment was given.">
        <source></source>
        <translation>no se indicó ningún momento de riego.</translation>
    </message>
    <message id="it is already open in this program.">
        <source></source>
        <translation>ya está abierta en este programa.</translation>
    </message>
    <message id="another program (process %1)">
        <source></source>
        <translation>otro programa (proceso %1)</translation>
    </message>
    <message id="it is in use by %1. Only one program at a time can change a collection; try again when it has finished.">
        <source></source>
        <translation>la está usando %1. Solo un programa a la vez puede modificar una colección; vuelva a intentarlo cuando haya terminado.</translation>
    </message>
    <message id="its lock file %1 cannot be opened (%2).">
        <source></source>
        <translation>no se puede abrir su archivo de bloqueo %1 (%2).</translation>
    </message>
    <message id="its lock file %1 cannot be locked (%2).">
        <source></source>
        <translation>no se puede bloquear su archivo de bloqueo %1 (%2).</translation>
    </message>
    <message id="its lock file %1 keeps being replaced by another program.">
        <source></source>
        <translation>otro programa reemplaza continuamente su archivo de bloqueo %1.</translation>
    </message>
    <message id="the picture cannot be converted to JPEG">
        <source></source>
        <translation>la imagen no se puede convertir a JPEG</translation>
    </message>
    <message id="no database connection">
        <source></source>
        <translation>no hay conexión con la base de datos</translation>
    </message>
    <message id="the current schema is not available (%1)">
        <source></source>
        <translation>el esquema actual no está disponible (%1)</translation>
    </message>
    <message id="The collection %1 could not be opened: %2">
        <source></source>
        <translation>No se pudo abrir la colección %1: %2</translation>
    </message>
    <message id="The collection %1 could not be made: %2">
        <source></source>
        <translation>No se pudo crear la colección %1: %2</translation>
    </message>
    <message id="The logs of %1 could not be read: %2">
        <source></source>
        <translation>No se pudieron leer los registros de %1: %2</translation>
    </message>
    <message id="%1. So that nothing is lost, the collection is now read-only: nothing in it is changed or deleted. Close it and open it again to try once more.">
        <source></source>
        <translation>%1. Para que no se pierda nada, la colección es ahora de solo lectura: no se cambia ni se elimina nada en ella. Ciérrela y vuelva a abrirla para intentarlo de nuevo.</translation>
    </message>
    <message id="it was made by a newer version of Spinora (schema %1; this version reads up to %2).">
        <source></source>
        <translation>se creó con una versión más reciente de Spinora (esquema %1; esta versión lee hasta el %2).</translation>
    </message>
    <message id="its schema could not be upgraded (%1).">
        <source></source>
        <translation>no se pudo actualizar su esquema (%1).</translation>
    </message>
    <message id="the script %1 could not be read">
        <source></source>
        <translation>no se pudo leer el script %1</translation>
    </message>
    <message id="The collection %1 was opened read-only and cannot be saved.">
        <source></source>
        <translation>La colección %1 se abrió en modo de solo lectura y no se puede guardar.</translation>
    </message>
    <message id="The collection %1 was saved, but could not be opened again: %2">
        <source></source>
        <translation>La colección %1 se guardó, pero no se pudo volver a abrir: %2</translation>
    </message>
    <message id="The collection could not be saved as %1: %2">
        <source></source>
        <translation>No se pudo guardar la colección como %1: %2</translation>
    </message>
    <message id="The collection could not be saved as %1.">
        <source></source>
        <translation>No se pudo guardar la colección como %1.</translation>
    </message>
    <message id="Caudiciform">
        <source></source>
        <translation>Caudiciforme</translation>
    </message>
    <message id="Leaf Succulent">
        <source></source>
        <translation>Suculenta de hoja</translation>
    </message>
    <message id="Root Succulent">
        <source></source>
        <translation>Suculenta de raíz</translation>
    </message>
    <message id="Stem Succulent">
        <source></source>
        <translation>Suculenta de tallo</translation>
    </message>
    <message id="Seed">
        <source></source>
        <translation>Semilla</translation>
    </message>
    <message id="Cutting">
        <source></source>
        <translation>Esqueje</translation>
    </message>
    <message id="Offset">
        <source></source>
        <translation>Hijuelo</translation>
    </message>
    <message id="Grafted">
        <source></source>
        <translation>Injertado</translation>
    </message>
    <message id="Wild">
        <source></source>
        <translation>Silvestre</translation>
    </message>
    <message id="Nursery Stock">
        <source></source>
        <translation>Vivero</translation>
    </message>
    <message id="Private Grower">
        <source></source>
        <translation>Cultivador particular</translation>
    </message>
    <message id="Retailer">
        <source></source>
        <translation>Comercio</translation>
    </message>
    <message id="Ceramic">
        <source></source>
        <translation>Cerámica</translation>
    </message>
    <message id="Concrete">
        <source></source>
        <translation>Hormigón</translation>
    </message>
    <message id="Fiberglass">
        <source></source>
        <translation>Fibra de vidrio</translation>
    </message>
    <message id="Mica">
        <source></source>
        <translation>Mica</translation>
    </message>
    <message id="None (In-Ground)">
        <source></source>
        <translation>Ninguna (en el suelo)</translation>
    </message>
    <message id="Plastic">
        <source></source>
        <translation>Plástico</translation>
    </message>
    <message id="Stone">
        <source></source>
        <translation>Piedra</translation>
    </message>
    <message id="Wood">
        <source></source>
        <translation>Madera</translation>
    </message>
    <message id="Round">
        <source></source>
        <translation>Redonda</translation>
    </message>
    <message id="Oval">
        <source></source>
        <translation>Ovalada</translation>
    </message>
    <message id="Square">
        <source></source>
        <translation>Cuadrada</translation>
    </message>
    <message id="Rectangular">
        <source></source>
        <translation>Rectangular</translation>
    </message>
    <message id="Hexagon">
        <source></source>
        <translation>Hexagonal</translation>
    </message>
    <message id="Octagon">
        <source></source>
        <translation>Octogonal</translation>
    </message>
    <message id="Dish">
        <source></source>
        <translation>Cuenco</translation>
    </message>
    <message id="Lotus">
        <source></source>
        <translation>Loto</translation>
    </message>
    <message id="Flat">
        <source></source>
        <translation>Plana</translation>
    </message>
    <message id="Irregular">
        <source></source>
        <translation>Irregular</translation>
    </message>
    <message id="hours">
        <source></source>
        <translation>horas</translation>
    </message>
    <message id="days">
        <source></source>
        <translation>días</translation>
    </message>
    <message id="weeks">
        <source></source>
        <translation>semanas</translation>
    </message>
    <message id="months">
        <source></source>
        <translation>meses</translation>
    </message>
    <message id="hour">
        <source></source>
        <translation>hora</translation>
    </message>
    <message id="day">
        <source></source>
        <translation>día</translation>
    </message>
    <message id="week">
        <source></source>
        <translation>semana</translation>
    </message>
    <message id="month">
        <source></source>
        <translation>mes</translation>
    </message>
    <message id="Spray">
        <source></source>
        <translation>Pulverización</translation>
    </message>
    <message id="LightQuantity">
        <source></source>
        <translation>Ligero</translation>
    </message>
    <message id="Moderate">
        <source></source>
        <translation>Moderado</translation>
    </message>
    <message id="Soak">
        <source></source>
        <translation>Remojo</translation>
    </message>
    <message id="a cactus">
        <source></source>
        <translation>un cactus</translation>
    </message>
    <message id="a watering schedule">
        <source></source>
        <translation>un programa de riego</translation>
    </message>
    <message id="a log">
        <source></source>
        <translation>un registro</translation>
    </message>
    <message id="a photo">
        <source></source>
        <translation>una foto</translation>
    </message>
    <message id="a record (%1)">
        <source></source>
        <translation>un elemento (%1)</translation>
    </message>
    <message id="%1 it needs is gone">
        <source></source>
        <translation>ya no existe %1 que necesita</translation>
    </message>
    <message id="%1 it would bring back has been made again">
        <source></source>
        <translation>%1 que recuperaría se ha vuelto a crear</translation>
    </message>
    <message id="%1 it touches has been changed since">
        <source></source>
        <translation>%1 de la operación ha cambiado desde entonces</translation>
    </message>
    <message id="what it needs could not be read from %1">
        <source></source>
        <translation>no se pudo leer de %1 lo que necesita</translation>
    </message>
    <message id="the collection as it was before was not kept">
        <source></source>
        <translation>no se guardó la colección tal como estaba antes</translation>
    </message>
    <message id="“%1” could not be undone: %2.">
        <source></source>
        <translation>No se pudo deshacer «%1»: %2.</translation>
    </message>
    <message id="“%1” could not be redone: %2.">
        <source></source>
        <translation>No se pudo rehacer «%1»: %2.</translation>
    </message>
    <message id="the database is damaged (%1).">
        <source></source>
        <translation>la base de datos está dañada (%1).</translation>
    </message>
    <message id="Print the list">
        <source></source>
        <translation>Imprimir la lista</translation>
    </message>
    <message id="Import from device">
        <source></source>
        <translation>Importar desde el dispositivo</translation>
    </message>
    <message id="Import database from Spinora Mobile App">
        <source></source>
        <translation>Importar la base de datos desde la aplicación móvil de Spinora</translation>
    </message>
    <message id="Export to device">
        <source></source>
        <translation>Exportar al dispositivo</translation>
    </message>
    <message id="Export database to Spinora Mobile App">
        <source></source>
        <translation>Exportar la base de datos a la aplicación móvil de Spinora</translation>
    </message>
    <message id="Show database statistics">
        <source></source>
        <translation>Mostrar las estadísticas de la base de datos</translation>
    </message>
    <message id="Delete Item">
        <source></source>
        <translation>Eliminar elemento</translation>
    </message>
    <message id="Remove an item from the list">
        <source></source>
        <translation>Quitar un elemento de la lista</translation>
    </message>
    <message id="Add an item to the list">
        <source></source>
        <translation>Añadir un elemento a la lista</translation>
    </message>
    <message id="%n watering schedules" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n programa de riego</numerusform>
            <numerusform>%n programas de riego</numerusform>
        </translation>
    </message>
    <message id="%1 and its %n cacti" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%1 y su %n cactus</numerusform>
            <numerusform>%1 y sus %n cactus</numerusform>
        </translation>
    </message>
    <message id="%1 and their %n cacti" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%1 y su %n cactus</numerusform>
            <numerusform>%1 y sus %n cactus</numerusform>
        </translation>
    </message>
    <message id="%n cacti" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n cactus</numerusform>
            <numerusform>%n cactus</numerusform>
        </translation>
    </message>
    <message id="No log has the event &quot;Flowered&quot; yet.">
        <source></source>
        <translation>Ningún registro tiene todavía el evento «Florecido».</translation>
    </message>
    <message id="How often each plant flowered in each month, over all years; the plants likely to flower in %1 first.">
        <source></source>
        <translation>Cuántas veces floreció cada planta en cada mes, a lo largo de todos los años; primero las plantas que probablemente florecerán en %1.</translation>
    </message>
    <message id="No date">
        <source></source>
        <translation>Sin fecha</translation>
    </message>
    <message id="%1, %2">
        <source></source>
        <translation>%1, %2</translation>
    </message>
    <message id="Photo Timeline of %1">
        <source></source>
        <translation>Cronología de fotos de %1</translation>
    </message>
    <message id="Photos, oldest first">
        <source></source>
        <translation>Fotos, primero las más antiguas</translation>
    </message>
    <message id="This plant has no photos yet, neither its own nor in its logs.">
        <source></source>
        <translation>Esta planta todavía no tiene fotos, ni propias ni en sus registros.</translation>
    </message>
    <message id="Choose two photos (Ctrl+click) to see them side by side.">
        <source></source>
        <translation>Elija dos fotos (Ctrl+clic) para verlas una junto a otra.</translation>
    </message>
    <message id="Earlier photo">
        <source></source>
        <translation>Foto anterior</translation>
    </message>
    <message id="Later photo">
        <source></source>
        <translation>Foto posterior</translation>
    </message>
    <message id="%1 (%2 without a date)">
        <source></source>
        <translation>%1 (%2 sin fecha)</translation>
    </message>
    <message id="Log Entries">
        <source></source>
        <translation>Registros</translation>
    </message>
    <message id="Watering Due">
        <source></source>
        <translation>Riegos pendientes</translation>
    </message>
    <message id="Reminders Due">
        <source></source>
        <translation>Recordatorios pendientes</translation>
    </message>
    <message id="%1:">
        <source></source>
        <translation>%1:</translation>
    </message>
    <message id="no collection at %1">
        <source></source>
        <translation>no hay ninguna colección en %1</translation>
    </message>
    <message id="no snapshot was kept: %1">
        <source></source>
        <translation>no se guardó ninguna instantánea: %1</translation>
    </message>
    <message id="%1 has no snapshot named %2 (spinora-cli backups %1 lists them); nothing was changed">
        <source></source>
        <translation>%1 no tiene ninguna instantánea llamada %2 (spinora-cli backups %1 las enumera); no se cambió nada</translation>
    </message>
    <message id="%1 was not restored: %2">
        <source></source>
        <translation>No se restauró %1: %2</translation>
    </message>
    <message id="the collection as it was is kept as %1">
        <source></source>
        <translation>la colección tal como estaba se guarda como %1</translation>
    </message>
    <message id="%1 needs a value">
        <source></source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message id="usage: %1">
        <source></source>
        <translation>uso: %1</translation>
    </message>
    <message id="%1 must be a whole number from %2 to %3, not “%4”">
        <source></source>
        <translation>%1 debe ser un número entero de %2 a %3, no «%4»</translation>
    </message>
    <message id="%1 must be a local date and time as YYYY-MM-DD HH:MM, not “%2”">
        <source></source>
        <translation>%1 debe ser una fecha y hora locales con el formato AAAA-MM-DD HH:MM, no «%2»</translation>
    </message>
    <message id="the collection could not be written">
        <source></source>
        <translation>no se pudo escribir la colección</translation>
    </message>
    <message id="%1 is damaged: %2 Nothing was changed. “spinora-cli backups %1” lists its snapshots and “spinora-cli restore %1 SNAPSHOT” brings one back.">
        <source></source>
        <translation>%1 está dañada: %2 No se cambió nada. «spinora-cli backups %1» enumera sus instantáneas y «spinora-cli restore %1 SNAPSHOT» recupera una.</translation>
    </message>
    <message id="its photo file %1 is missing.">
        <source></source>
        <translation>falta su archivo de foto %1.</translation>
    </message>
    <message id="%1 photo files are missing, the first %2.">
        <source></source>
        <translation>Faltan %1 archivos de foto, el primero %2.</translation>
    </message>
    <message id="%1: a collection's name must end in .%2">
        <source></source>
        <translation>%1: el nombre de una colección debe terminar en .%2</translation>
    </message>
    <message id="%1 already exists; nothing was changed">
        <source></source>
        <translation>%1 ya existe; no se cambió nada</translation>
    </message>
    <message id="the folder %1 does not exist">
        <source></source>
        <translation>la carpeta %1 no existe</translation>
    </message>
    <message id="the sample could not be written">
        <source></source>
        <translation>no se pudo escribir el ejemplo</translation>
    </message>
    <message id="created %1 with %2 cacti, %3 watering schedules, %4 logs and %5 photos">
        <source></source>
        <translation>creada el %1 con %2 cactus, %3 programas de riego, %4 registros y %5 fotos</translation>
    </message>
    <message id="list what? “%1” is not cacti, watering or logs">
        <source></source>
        <translation>¿enumerar qué? «%1» no es cacti, watering ni logs</translation>
    </message>
    <message id="at most three --no-water periods">
        <source></source>
        <translation>como máximo tres periodos --no-water</translation>
    </message>
    <message id="--no-water must be MM-DD:MM-DD with real days, not “%1”">
        <source></source>
        <translation>--no-water debe tener el formato MM-DD:MM-DD con días reales, no «%1»</translation>
    </message>
    <message id="warning: %1">
        <source></source>
        <translation>advertencia: %1</translation>
    </message>
    <message id="there is no session bus to post the notification on (%1)">
        <source></source>
        <translation>no hay ningún bus de sesión en el que publicar la notificación (%1)</translation>
    </message>
    <message id="no notification service answers on the session bus (%1)">
        <source></source>
        <translation>ningún servicio de notificaciones responde en el bus de sesión (%1)</translation>
    </message>
    <message id="the notification service refused the notification (%1)">
        <source></source>
        <translation>el servicio de notificaciones rechazó la notificación (%1)</translation>
    </message>
    <message id="%1 wants a device address such as http://host:port, not “%2”">
        <source></source>
        <translation>%1 requiere una dirección de dispositivo como http://host:puerto, no «%2»</translation>
    </message>
    <message id="the import failed; nothing was changed">
        <source></source>
        <translation>la importación falló; no se cambió nada</translation>
    </message>
    <message id="the import failed; nothing was changed: %1">
        <source></source>
        <translation>la importación falló; no se cambió nada: %1</translation>
    </message>
    <message id="download failed: %1">
        <source></source>
        <translation>falló la descarga: %1</translation>
    </message>
    <message id="upload failed: %1 - %2">
        <source></source>
        <translation>falló la subida: %1 - %2</translation>
    </message>
    <message id="service discovery failed: %1; it needs the avahi-daemon service (start it with &quot;systemctl start avahi-daemon&quot;)">
        <source></source>
        <translation>falló el descubrimiento de servicios: %1; necesita el servicio avahi-daemon (inícielo con &quot;systemctl start avahi-daemon&quot;)</translation>
    </message>
    <message id="pull needs --from URL">
        <source></source>
        <translation>pull necesita --from URL</translation>
    </message>
    <message id="import option %1 does not fit a device in mode %2: %3">
        <source></source>
        <translation>la opción de importación %1 no corresponde a un dispositivo en modo %2: %3</translation>
    </message>
    <message id="push needs --to URL">
        <source></source>
        <translation>push necesita --to URL</translation>
    </message>
    <message id="%1 Add --force to replace it.">
        <source></source>
        <translation>%1 Añada --force para reemplazarlo.</translation>
    </message>
    <message id="%1 Nothing was written.">
        <source></source>
        <translation>%1 No se escribió nada.</translation>
    </message>
    <message id="Exporting to the open collection itself is not permitted">
        <source></source>
        <translation>No se permite exportar a la propia colección abierta</translation>
    </message>
    <message id="%1: use export-csv for CSV files">
        <source></source>
        <translation>%1: use export-csv para los archivos CSV</translation>
    </message>
    <message id="%1: a CSV file's name must end in .csv">
        <source></source>
        <translation>%1: el nombre de un archivo CSV debe terminar en .csv</translation>
    </message>
    <message id="Writing a report into the open collection itself is not permitted">
        <source></source>
        <translation>No se permite escribir un informe en la propia colección abierta</translation>
    </message>
    <message id="the file %1 could not be written">
        <source></source>
        <translation>no se pudo escribir el archivo %1</translation>
    </message>
    <message id="nothing to import at %1">
        <source></source>
        <translation>nada que importar en %1</translation>
    </message>
    <message id="--map is for CSV files">
        <source></source>
        <translation>--map es solo para archivos CSV</translation>
    </message>
    <message id="--map: %1">
        <source></source>
        <translation>--map: %1</translation>
    </message>
    <message id="Importing from the open collection itself is not permitted">
        <source></source>
        <translation>No se permite importar desde la propia colección abierta</translation>
    </message>
    <message id="--page-size must be A4 or Letter, not “%1”">
        <source></source>
        <translation>--page-size debe ser A4 o Letter, no «%1»</translation>
    </message>
    <message id="--record must be a record's key (a whole number), not “%1”">
        <source></source>
        <translation>--record debe ser la clave de un elemento (un número entero), no «%1»</translation>
    </message>
    <message id="--record needs a sheet screen (3, 4 or 5)">
        <source></source>
        <translation>--record necesita una pantalla de ficha (3, 4 o 5)</translation>
    </message>
    <message id="the collection has no cactus with the key %1">
        <source></source>
        <translation>la colección no tiene ningún cactus con la clave %1</translation>
    </message>
    <message id="the collection has no cactus to print">
        <source></source>
        <translation>la colección no tiene ningún cactus que imprimir</translation>
    </message>
    <message id="the collection has no watering schedule with the key %1">
        <source></source>
        <translation>la colección no tiene ningún programa de riego con la clave %1</translation>
    </message>
    <message id="the collection has no watering schedule to print">
        <source></source>
        <translation>la colección no tiene ningún programa de riego que imprimir</translation>
    </message>
    <message id="the collection has no log with the key %1">
        <source></source>
        <translation>la colección no tiene ningún registro con la clave %1</translation>
    </message>
    <message id="the collection has no log to print">
        <source></source>
        <translation>la colección no tiene ningún registro que imprimir</translation>
    </message>
    <message id="--layout must be a4-3x8 or letter-3x10, not “%1”">
        <source></source>
        <translation>--layout debe ser a4-3x8 o letter-3x10, no «%1»</translation>
    </message>
    <message id="no cactus matches “%1”">
        <source></source>
        <translation>ningún cactus coincide con «%1»</translation>
    </message>
    <message id="due">
        <source></source>
        <translation>pendiente</translation>
    </message>
    <message id="1 day overdue">
        <source></source>
        <translation>1 día de retraso</translation>
    </message>
    <message id="%1 days overdue">
        <source></source>
        <translation>%1 días de retraso</translation>
    </message>
    <message id="nothing due">
        <source></source>
        <translation>nada pendiente</translation>
    </message>
    <message id="(no schedule)">
        <source></source>
        <translation>(sin programa)</translation>
    </message>
    <message id="(no plants)">
        <source></source>
        <translation>(sin plantas)</translation>
    </message>
    <message id="%1: %2, next watering %3, %4">
        <source></source>
        <translation>%1: %2, próximo riego %3, %4</translation>
    </message>
    <message id="reminder: %1, %2">
        <source></source>
        <translation>recordatorio: %1, %2</translation>
    </message>
    <message id="reminder: %1 (%2), %3">
        <source></source>
        <translation>recordatorio: %1 (%2), %3</translation>
    </message>
    <message id="1 plant to water">
        <source></source>
        <translation>1 planta para regar</translation>
    </message>
    <message id="%1 plants to water">
        <source></source>
        <translation>%1 plantas para regar</translation>
    </message>
    <message id="1 reminder">
        <source></source>
        <translation>1 recordatorio</translation>
    </message>
    <message id="%1 reminders">
        <source></source>
        <translation>%1 recordatorios</translation>
    </message>
    <message id="%1 and %2">
        <source></source>
        <translation>%1 y %2</translation>
    </message>
    <message id="%1 today">
        <source></source>
        <translation>%1 hoy</translation>
    </message>
    <message id="%1 by %2">
        <source></source>
        <translation>%1 por %2</translation>
    </message>
    <message id="%1 and %2 more">
        <source></source>
        <translation>%1 y %2 más</translation>
    </message>
    <message id="nothing due: no notification">
        <source></source>
        <translation>nada pendiente: sin notificación</translation>
    </message>
    <message id="%1 could not be started">
        <source></source>
        <translation>No se pudo iniciar %1</translation>
    </message>
    <message id="--on must be a date as YYYY-MM-DD, not “%1”">
        <source></source>
        <translation>--on debe ser una fecha con el formato AAAA-MM-DD, no «%1»</translation>
    </message>
    <message id="no collection named and no recent collection to check">
        <source></source>
        <translation>no se indicó ninguna colección y no hay ninguna colección reciente que comprobar</translation>
    </message>
    <message id="--at %1 lies in the future; a watering can only be recorded once it is done">
        <source></source>
        <translation>--at %1 está en el futuro; un riego solo puede registrarse una vez hecho</translation>
    </message>
    <message id="no watering schedule is named “%1”; nothing was changed">
        <source></source>
        <translation>ningún programa de riego se llama «%1»; no se cambió nada</translation>
    </message>
    <message id="no cactus is named “%1”; nothing was changed">
        <source></source>
        <translation>ningún cactus se llama «%1»; no se cambió nada</translation>
    </message>
    <message id="the watering could not be recorded">
        <source></source>
        <translation>no se pudo registrar el riego</translation>
    </message>
    <message id="unknown subcommand “%1” (see spinora-cli --help)">
        <source></source>
        <translation>subcomando desconocido «%1» (consulte spinora-cli --help)</translation>
    </message>
    <message id="The latest changes to “%1” could not be written: %2">
        <source></source>
        <translation>No se pudieron escribir los últimos cambios de «%1»: %2</translation>
    </message>
    <message id="The window stays open so that they are not lost. Make room and close it again, or save the collection somewhere else.">
        <source></source>
        <translation>La ventana sigue abierta para que no se pierdan. Libere espacio y vuelva a cerrarla, o guarde la colección en otro lugar.</translation>
    </message>
    <message id="the photo could not be written into the collection (is the disk full?)">
        <source></source>
        <translation>no se pudo escribir la foto en la colección (¿está lleno el disco?)</translation>
    </message>
    <message id="unknown option %1">
        <source></source>
        <translation>opción desconocida %1</translation>
    </message>
    <message id="name at least one --schedule or --cactus">
        <source></source>
        <translation>indique al menos un --schedule o --cactus</translation>
    </message>
    <message id="&lt; 1 year">
        <source></source>
        <translation>&lt; 1 año</translation>
    </message>
    <message id="%n years" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n año</numerusform>
            <numerusform>%n años</numerusform>
        </translation>
    </message>
    <message id="Columns of %1">
        <source></source>
        <translation>Columnas de %1</translation>
    </message>
    <message id="This file is not in the Spinora CSV template layout. Choose what each column holds; its first rows are shown below it.">
        <source></source>
        <translation>Este archivo no sigue la plantilla CSV de Spinora. Elija qué contiene cada columna; debajo se muestran sus primeras filas.</translation>
    </message>
    <message id="Columns of the file">
        <source></source>
        <translation>Columnas del archivo</translation>
    </message>
    <message id="Field of the column “%1”">
        <source></source>
        <translation>Campo de la columna «%1»</translation>
    </message>
    <message id="Skip">
        <source></source>
        <translation>Omitir</translation>
    </message>
    <message id="Choose the column that holds the plants' names.">
        <source></source>
        <translation>Elija la columna que contiene los nombres de las plantas.</translation>
    </message>
    <message id="%n hours" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n hora</numerusform>
            <numerusform>%n horas</numerusform>
        </translation>
    </message>
    <message id="%n days" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n día</numerusform>
            <numerusform>%n días</numerusform>
        </translation>
    </message>
    <message id="%n weeks" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n semana</numerusform>
            <numerusform>%n semanas</numerusform>
        </translation>
    </message>
    <message id="%n months" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n mes</numerusform>
            <numerusform>%n meses</numerusform>
        </translation>
    </message>
    <message id="Keep the &amp;original file of each photo added (full detail, date taken)">
        <source></source>
        <translation>Conservar el archivo &amp;original de cada foto añadida (todo el detalle, fecha de captura)</translation>
    </message>
    <message id="The originals take %1 in the open collections.">
        <source></source>
        <translation>Los originales ocupan %1 en las colecciones abiertas.</translation>
    </message>
    <message id="Print Photo…">
        <source></source>
        <translation>Imprimir foto…</translation>
    </message>
    <message id="Print the photo on a page">
        <source></source>
        <translation>Imprimir la foto en una página</translation>
    </message>
    <message id="Taken on %1 at %2">
        <source></source>
        <translation>Tomada el %1 a las %2</translation>
    </message>
</context>
</TS>
