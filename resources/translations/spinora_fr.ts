<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name></name>
    <message id="Daily">
        <source></source>
        <translation>Quotidien</translation>
    </message>
    <message id="Before an import">
        <source></source>
        <translation>Avant une importation</translation>
    </message>
    <message id="Before a restore">
        <source></source>
        <translation>Avant une restauration</translation>
    </message>
    <message id="Kept by hand">
        <source></source>
        <translation>Conservé manuellement</translation>
    </message>
    <message id="%1, damaged">
        <source></source>
        <translation>%1, endommagé</translation>
    </message>
    <message id="Restore “%1” From Backup">
        <source></source>
        <translation>Restaurer «&#xa0;%1&#xa0;» depuis une sauvegarde</translation>
    </message>
    <message id="Snapshots are kept every day, before each import and before each restore. Open one to look at it or to import records from it, or restore the whole collection as it was.">
        <source></source>
        <translation>Des instantanés sont conservés chaque jour, avant chaque importation et avant chaque restauration. Ouvrez-en un pour le consulter ou pour en importer des données, ou restaurez toute la collection telle qu&apos;elle était.</translation>
    </message>
    <message id="Snapshots">
        <source></source>
        <translation>Instantanés</translation>
    </message>
    <message id="&amp;Open Backup">
        <source></source>
        <translation>&amp;Ouvrir la sauvegarde</translation>
    </message>
    <message id="&amp;Restore…">
        <source></source>
        <translation>&amp;Restaurer…</translation>
    </message>
    <message id="Spinora cannot set a daily reminder on this desktop: its login entry %1 could not be written.">
        <source></source>
        <translation>Spinora ne peut pas programmer de rappel quotidien sur ce bureau&#xa0;: son entrée de démarrage %1 n&apos;a pas pu être écrite.</translation>
    </message>
    <message id="This desktop cannot wake Spinora at a set time, so it will look for plants to water each time you log in instead of every day at %1.">
        <source></source>
        <translation>Ce bureau ne peut pas réveiller Spinora à une heure donnée&#xa0;: il cherchera donc les plantes à arroser à chaque ouverture de session au lieu de chaque jour à %1.</translation>
    </message>
    <message id="Restore From Backup…">
        <source></source>
        <translation>Restaurer depuis une sauvegarde…</translation>
    </message>
    <message id="&amp;Keep snapshots of each collection: daily, and before each import or restore">
        <source></source>
        <translation>&amp;Conserver des instantanés de chaque collection&#xa0;: chaque jour, et avant chaque importation ou restauration</translation>
    </message>
    <message id="&amp;Folder:">
        <source></source>
        <translation>&amp;Dossier&#xa0;:</translation>
    </message>
    <message id="C&amp;hoose…">
        <source></source>
        <translation>C&amp;hoisir…</translation>
    </message>
    <message id=" GB">
        <source></source>
        <translation> Go</translation>
    </message>
    <message id="&amp;Use at most:">
        <source></source>
        <translation>&amp;Utiliser au maximum&#xa0;:</translation>
    </message>
    <message id="Snapshot Folder">
        <source></source>
        <translation>Dossier des instantanés</translation>
    </message>
    <message id="Restore Snapshot">
        <source></source>
        <translation>Restaurer l&apos;instantané</translation>
    </message>
    <message id="Open Anyway">
        <source></source>
        <translation>Ouvrir quand même</translation>
    </message>
    <message id="Its photo file “%1” is missing.">
        <source></source>
        <translation>Son fichier photo «&#xa0;%1&#xa0;» est manquant.</translation>
    </message>
    <message id="%1 of its photo files are missing, the first “%2”.">
        <source></source>
        <translation>%1 de ses fichiers photo sont manquants, le premier étant «&#xa0;%2&#xa0;».</translation>
    </message>
    <message id="The collection “%1” is damaged, so it was not opened.">
        <source></source>
        <translation>La collection «&#xa0;%1&#xa0;» est endommagée&#x202f;; elle n&apos;a donc pas été ouverte.</translation>
    </message>
    <message id="The newest good snapshot was taken on %1 and holds %2 plants, %3 logs and %4 photos. Restoring it replaces the collection; the damaged one is kept as a snapshot first.">
        <source></source>
        <translation>Le dernier instantané intact date du %1 et contient %2 plantes, %3 entrées de journal et %4 photos. Le restaurer remplace la collection&#x202f;; la collection endommagée est d&apos;abord conservée sous forme d&apos;instantané.</translation>
    </message>
    <message id="There is no snapshot of it to restore.">
        <source></source>
        <translation>Il n&apos;existe aucun instantané de celle-ci à restaurer.</translation>
    </message>
    <message id="The snapshot could not be restored: %1">
        <source></source>
        <translation>L&apos;instantané n&apos;a pas pu être restauré&#xa0;: %1</translation>
    </message>
    <message id="%1. The collection is open as usual; free some space or choose another backup folder in Preferences.">
        <source></source>
        <translation>%1. La collection est ouverte normalement&#x202f;; libérez de l&apos;espace ou choisissez un autre dossier de sauvegarde dans les Préférences.</translation>
    </message>
    <message id="Restore “%1” as it was on %2?">
        <source></source>
        <translation>Restaurer «&#xa0;%1&#xa0;» dans son état du %2&#x202f;?</translation>
    </message>
    <message id="The collection will hold %1 plants, %2 logs and %3 photos. Its current state is kept as a snapshot first, so this can be undone by restoring that one.">
        <source></source>
        <translation>La collection contiendra %1 plantes, %2 entrées de journal et %3 photos. Son état actuel est d&apos;abord conservé sous forme d&apos;instantané&#xa0;: vous pourrez donc annuler cette opération en restaurant celui-ci.</translation>
    </message>
    <message id="Restore">
        <source></source>
        <translation>Restaurer</translation>
    </message>
    <message id="The collection was not restored: %1">
        <source></source>
        <translation>La collection n&apos;a pas été restaurée&#xa0;: %1</translation>
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
        <translation>Aucun appareil trouvé. Lancez Spinora sur votre iPhone, iPad ou iPod touch, puis sélectionnez Backup Database ou Export Data dans l&apos;écran Tools.</translation>
    </message>
    <message id="No devices found. Load Spinora on your iPhone, iPad, or iPod touch, and select Restore Database or Import Data on the Tools screen.">
        <source></source>
        <translation>Aucun appareil trouvé. Lancez Spinora sur votre iPhone, iPad ou iPod touch, puis sélectionnez Restore Database ou Import Data dans l&apos;écran Tools.</translation>
    </message>
    <message id="Select a device from the list.">
        <source></source>
        <translation>Sélectionnez un appareil dans la liste.</translation>
    </message>
    <message id="No devices found: the search for devices on the network failed (%1). It needs the avahi-daemon service: start it (for example with &quot;systemctl start avahi-daemon&quot;), then open this window again.">
        <source></source>
        <translation>Aucun appareil trouvé&#xa0;: la recherche d&apos;appareils sur le réseau a échoué (%1). Elle nécessite le service avahi-daemon&#xa0;: démarrez-le (par exemple avec &quot;systemctl start avahi-daemon&quot;), puis rouvrez cette fenêtre.</translation>
    </message>
    <message id="it stopped">
        <source></source>
        <translation>elle s&apos;est arrêtée</translation>
    </message>
    <message id="Click the Export button to send the database to your device.">
        <source></source>
        <translation>Cliquez sur le bouton Exporter pour envoyer la base de données vers votre appareil.</translation>
    </message>
    <message id="The app will ask what you want to import.">
        <source></source>
        <translation>L&apos;application vous demandera ce que vous souhaitez importer.</translation>
    </message>
    <message id="Import Complete">
        <source></source>
        <translation>Importation terminée</translation>
    </message>
    <message id="Database import complete!">
        <source></source>
        <translation>Importation de la base de données terminée&#x202f;!</translation>
    </message>
    <message id="Import Error">
        <source></source>
        <translation>Erreur d&apos;importation</translation>
    </message>
    <message id="An error occurred during the import! Database import was aborted and no changes were made.">
        <source></source>
        <translation>Une erreur est survenue pendant l&apos;importation&#x202f;! L&apos;importation de la base de données a été interrompue et aucune modification n&apos;a été effectuée.</translation>
    </message>
    <message id="WARNING">
        <source></source>
        <translation>AVERTISSEMENT</translation>
    </message>
    <message id="Error transferring database!">
        <source></source>
        <translation>Erreur lors du transfert de la base de données&#x202f;!</translation>
    </message>
    <message id="Check Device">
        <source></source>
        <translation>Vérifiez l&apos;appareil</translation>
    </message>
    <message id="Database transferred! Check your device for further instructions.">
        <source></source>
        <translation>Base de données transférée&#x202f;! Consultez votre appareil pour la suite des instructions.</translation>
    </message>
    <message id="No collection is open.">
        <source></source>
        <translation>Aucune collection n&apos;est ouverte.</translation>
    </message>
    <message id="The request timed out.">
        <source></source>
        <translation>Le délai de la requête a expiré.</translation>
    </message>
    <message id="Not a device address: %1">
        <source></source>
        <translation>Ce n&apos;est pas une adresse d&apos;appareil&#xa0;: %1</translation>
    </message>
    <message id="No folder for temporary files.">
        <source></source>
        <translation>Aucun dossier pour les fichiers temporaires.</translation>
    </message>
    <message id="HTTP error %1">
        <source></source>
        <translation>Erreur HTTP %1</translation>
    </message>
    <message id="The file on the device is larger than %1 MB.">
        <source></source>
        <translation>Le fichier sur l&apos;appareil dépasse %1 Mo.</translation>
    </message>
    <message id="The device did not send a Spinora database.">
        <source></source>
        <translation>L&apos;appareil n&apos;a pas envoyé de base de données Spinora.</translation>
    </message>
    <message id="The device closed the connection before the whole file had arrived.">
        <source></source>
        <translation>L&apos;appareil a fermé la connexion avant la réception complète du fichier.</translation>
    </message>
    <message id="The downloaded file could not be written.">
        <source></source>
        <translation>Le fichier téléchargé n&apos;a pas pu être écrit.</translation>
    </message>
    <message id="File read error">
        <source></source>
        <translation>Erreur de lecture du fichier</translation>
    </message>
    <message id="Stream open error">
        <source></source>
        <translation>Erreur d&apos;ouverture du flux</translation>
    </message>
    <message id="Network write error">
        <source></source>
        <translation>Erreur d&apos;écriture réseau</translation>
    </message>
    <message id="Import Options">
        <source></source>
        <translation>Options d&apos;importation</translation>
    </message>
    <message id="Cancel">
        <source></source>
        <translation>Annuler</translation>
    </message>
    <message id="Import">
        <source></source>
        <translation>Importer</translation>
    </message>
    <message id="Export">
        <source></source>
        <translation>Exporter</translation>
    </message>
    <message id="Importing Database">
        <source></source>
        <translation>Importation de la base de données</translation>
    </message>
    <message id="Exporting Database">
        <source></source>
        <translation>Exportation de la base de données</translation>
    </message>
    <message id="OK">
        <source></source>
        <translation>OK</translation>
    </message>
    <message id="A name is needed to save">
        <source></source>
        <translation>Un nom est nécessaire pour enregistrer</translation>
    </message>
    <message id="Name">
        <source></source>
        <translation>Nom</translation>
    </message>
    <message id="Remove">
        <source></source>
        <translation>Retirer</translation>
    </message>
    <message id="Remove the currently selected species from the list.">
        <source></source>
        <translation>Retirer de la liste l&apos;espèce actuellement sélectionnée.</translation>
    </message>
    <message id="Species">
        <source></source>
        <translation>Espèce</translation>
    </message>
    <message id="New species are automatically added to the list when saving the Cactus Info">
        <source></source>
        <translation>Les nouvelles espèces sont ajoutées automatiquement à la liste lors de l&apos;enregistrement des informations du cactus</translation>
    </message>
    <message id="Type">
        <source></source>
        <translation>Type</translation>
    </message>
    <message id="Open…">
        <source></source>
        <translation>Ouvrir…</translation>
    </message>
    <message id="Open the watering schedule">
        <source></source>
        <translation>Ouvrir le programme d&apos;arrosage</translation>
    </message>
    <message id="Watering">
        <source></source>
        <translation>Arrosage</translation>
    </message>
    <message id="Next Watering">
        <source></source>
        <translation>Prochain arrosage</translation>
    </message>
    <message id="Plant Date">
        <source></source>
        <translation>Date de plantation</translation>
    </message>
    <message id="Age">
        <source></source>
        <translation>Âge</translation>
    </message>
    <message id="Date Acquired">
        <source></source>
        <translation>Date d&apos;acquisition</translation>
    </message>
    <message id="Changing the Last Watered date may cause watering for this plant to become out of sync with its associated watering schedule">
        <source></source>
        <translation>Modifier la date du dernier arrosage peut désynchroniser l&apos;arrosage de cette plante par rapport à son programme d&apos;arrosage</translation>
    </message>
    <message id="Remove Species">
        <source></source>
        <translation>Retirer l&apos;espèce</translation>
    </message>
    <message id="Purchase Price">
        <source></source>
        <translation>Prix d&apos;achat</translation>
    </message>
    <message id="Value">
        <source></source>
        <translation>Valeur</translation>
    </message>
    <message id="Add Cactus">
        <source></source>
        <translation>Ajouter un cactus</translation>
    </message>
    <message id="Edit Cactus">
        <source></source>
        <translation>Modifier le cactus</translation>
    </message>
    <message id="New Cactus">
        <source></source>
        <translation>Nouveau cactus</translation>
    </message>
    <message id="Cactus Info">
        <source></source>
        <translation>Informations sur le cactus</translation>
    </message>
    <message id="Adding photos…">
        <source></source>
        <translation>Ajout des photos…</translation>
    </message>
    <message id="Keep Editing">
        <source></source>
        <translation>Continuer la modification</translation>
    </message>
    <message id="%1: “%2” is not an amount such as %3.">
        <source></source>
        <translation>%1&#xa0;: «&#xa0;%2&#xa0;» n&apos;est pas un montant tel que %3.</translation>
    </message>
    <message id="%1: a whole number of %2 or more is needed.">
        <source></source>
        <translation>%1&#xa0;: un nombre entier supérieur ou égal à %2 est nécessaire.</translation>
    </message>
    <message id="%1: “%2” is not a whole number of %3 or more.">
        <source></source>
        <translation>%1&#xa0;: «&#xa0;%2&#xa0;» n&apos;est pas un nombre entier supérieur ou égal à %3.</translation>
    </message>
    <message id="%1 can hold at most %2 characters.">
        <source></source>
        <translation>%1 peut contenir au maximum %2 caractères.</translation>
    </message>
    <message id="Of the %1 characters inserted, %2 fit.">
        <source></source>
        <translation>Sur les %1 caractères insérés, %2 tiennent dans le champ.</translation>
    </message>
    <message id="Insert the First %1">
        <source></source>
        <translation>Insérer les %1 premiers</translation>
    </message>
    <message id="Insert Nothing">
        <source></source>
        <translation>Ne rien insérer</translation>
    </message>
    <message id="Just Watered">
        <source></source>
        <translation>Arrosé à l&apos;instant</translation>
    </message>
    <message id="Last Watered">
        <source></source>
        <translation>Dernier arrosage</translation>
    </message>
    <message id="None Scheduled">
        <source></source>
        <translation>Non programmé</translation>
    </message>
    <message id="Reminder: No">
        <source></source>
        <translation>Rappel&#xa0;: non</translation>
    </message>
    <message id="Reminder: Yes">
        <source></source>
        <translation>Rappel&#xa0;: oui</translation>
    </message>
    <message id="An event name is needed to save">
        <source></source>
        <translation>Un nom d&apos;événement est nécessaire pour enregistrer</translation>
    </message>
    <message id="Remove the event name from the list.">
        <source></source>
        <translation>Retirer le nom d&apos;événement de la liste.</translation>
    </message>
    <message id="Event">
        <source></source>
        <translation>Événement</translation>
    </message>
    <message id="Date">
        <source></source>
        <translation>Date</translation>
    </message>
    <message id="Reminder">
        <source></source>
        <translation>Rappel</translation>
    </message>
    <message id="Open the cactus">
        <source></source>
        <translation>Ouvrir le cactus</translation>
    </message>
    <message id="New…">
        <source></source>
        <translation>Nouveau…</translation>
    </message>
    <message id="Add a new cactus">
        <source></source>
        <translation>Ajouter un nouveau cactus</translation>
    </message>
    <message id="Cactus">
        <source></source>
        <translation>Cactus</translation>
    </message>
    <message id="Remove Event">
        <source></source>
        <translation>Retirer l&apos;événement</translation>
    </message>
    <message id="Unnamed Cactus">
        <source></source>
        <translation>Cactus sans nom</translation>
    </message>
    <message id="No Notes">
        <source></source>
        <translation>Aucune note</translation>
    </message>
    <message id="Note">
        <source></source>
        <translation>Note</translation>
    </message>
    <message id="Add Log">
        <source></source>
        <translation>Ajouter une entrée de journal</translation>
    </message>
    <message id="Edit Log">
        <source></source>
        <translation>Modifier l&apos;entrée de journal</translation>
    </message>
    <message id="New Log">
        <source></source>
        <translation>Nouvelle entrée de journal</translation>
    </message>
    <message id="Log Info">
        <source></source>
        <translation>Informations sur l&apos;entrée de journal</translation>
    </message>
    <message id="Photo %1">
        <source></source>
        <translation>Photo %1</translation>
    </message>
    <message id="Add Photo…">
        <source></source>
        <translation>Ajouter une photo…</translation>
    </message>
    <message id="Add photos from files">
        <source></source>
        <translation>Ajouter des photos depuis des fichiers</translation>
    </message>
    <message id="Caption">
        <source></source>
        <translation>Légende</translation>
    </message>
    <message id="Print">
        <source></source>
        <translation>Imprimer</translation>
    </message>
    <message id="Photos">
        <source></source>
        <translation>Photos</translation>
    </message>
    <message id="Notes">
        <source></source>
        <translation>Notes</translation>
    </message>
    <message id="“%1” is already open in another window. Finish editing it there first.">
        <source></source>
        <translation>«&#xa0;%1&#xa0;» est déjà ouvert dans une autre fenêtre. Terminez d&apos;abord sa modification dans celle-ci.</translation>
    </message>
    <message id="Cacti To Water">
        <source></source>
        <translation>Cactus à arroser</translation>
    </message>
    <message id="Close">
        <source></source>
        <translation>Fermer</translation>
    </message>
    <message id="%1, Day">
        <source></source>
        <translation>%1, jour</translation>
    </message>
    <message id="Water Every">
        <source></source>
        <translation>Arroser tous les</translation>
    </message>
    <message id="Quantity">
        <source></source>
        <translation>Quantité</translation>
    </message>
    <message id="Clear Date">
        <source></source>
        <translation>Effacer la date</translation>
    </message>
    <message id="No Water Between">
        <source></source>
        <translation>Pas d&apos;arrosage entre</translation>
    </message>
    <message id="Choose the cacti that follow this schedule">
        <source></source>
        <translation>Choisir les cactus qui suivent ce programme</translation>
    </message>
    <message id="Add Cacti">
        <source></source>
        <translation>Ajouter des cactus</translation>
    </message>
    <message id="Remove the selected cacti from this schedule">
        <source></source>
        <translation>Retirer les cactus sélectionnés de ce programme</translation>
    </message>
    <message id="Remove Cacti">
        <source></source>
        <translation>Retirer les cactus</translation>
    </message>
    <message id="Remove Cactus">
        <source></source>
        <translation>Retirer le cactus</translation>
    </message>
    <message id="Add Watering Schedule">
        <source></source>
        <translation>Ajouter un programme d&apos;arrosage</translation>
    </message>
    <message id="Edit Watering Schedule">
        <source></source>
        <translation>Modifier le programme d&apos;arrosage</translation>
    </message>
    <message id="New Watering Schedule">
        <source></source>
        <translation>Nouveau programme d&apos;arrosage</translation>
    </message>
    <message id="Watering Schedule Info">
        <source></source>
        <translation>Informations sur le programme d&apos;arrosage</translation>
    </message>
    <message id="Never">
        <source></source>
        <translation>Jamais</translation>
    </message>
    <message id="Example Cactus">
        <source></source>
        <translation>Cactus d&apos;exemple</translation>
    </message>
    <message id="Greenhouse">
        <source></source>
        <translation>Serre</translation>
    </message>
    <message id="One plant a line; empty columns are left out.">
        <source></source>
        <translation>Une plante par ligne&#x202f;; les colonnes vides sont ignorées.</translation>
    </message>
    <message id="Example Schedule">
        <source></source>
        <translation>Programme d&apos;exemple</translation>
    </message>
    <message id="Repotted">
        <source></source>
        <translation>Rempoté</translation>
    </message>
    <message id="Cacti">
        <source></source>
        <translation>Cactus</translation>
    </message>
    <message id="Logs">
        <source></source>
        <translation>Journal</translation>
    </message>
    <message id="Line %1, column %2 (%3): &quot;%4&quot; could not be read and was not imported.">
        <source></source>
        <translation>Ligne %1, colonne %2 (%3)&#xa0;: «&#xa0;%4&#xa0;» n&apos;a pas pu être lu et n&apos;a pas été importé.</translation>
    </message>
    <message id="%1 more fields could not be read and were not imported.">
        <source></source>
        <translation>%1 autres champs n&apos;ont pas pu être lus et n&apos;ont pas été importés.</translation>
    </message>
    <message id="No column of the mapping gives the plants' names.">
        <source></source>
        <translation>Aucune colonne de la correspondance ne donne le nom des plantes.</translation>
    </message>
    <message id="(a column of plant names)">
        <source></source>
        <translation>(une colonne de noms de plantes)</translation>
    </message>
    <message id="The file is not in the Spinora CSV template layout and these columns could not be placed: &quot;%1&quot;. Give each column its field, for example --map &quot;%2&quot; (the fields are %3).">
        <source></source>
        <translation>Le fichier ne suit pas la disposition du modèle CSV de Spinora et ces colonnes n&apos;ont pas pu être attribuées&#xa0;: «&#xa0;%1&#xa0;». Indiquez le champ de chaque colonne, par exemple --map &quot;%2&quot; (les champs sont %3).</translation>
    </message>
    <message id="&quot;%1&quot; is no COLUMN=FIELD pair.">
        <source></source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une paire COLUMN=FIELD.</translation>
    </message>
    <message id="&quot;%1&quot; is no field; the fields are %2.">
        <source></source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un champ&#x202f;; les champs sont %2.</translation>
    </message>
    <message id="The file has no column &quot;%1&quot;.">
        <source></source>
        <translation>Le fichier n&apos;a pas de colonne «&#xa0;%1&#xa0;».</translation>
    </message>
    <message id="%1. Nothing was imported. Free some space or choose another backup folder in Preferences, then try again.">
        <source></source>
        <translation>%1. Rien n&apos;a été importé. Libérez de l&apos;espace ou choisissez un autre dossier de sauvegarde dans les Préférences, puis réessayez.</translation>
    </message>
    <message id="The import was saved, but the collection could not be read again (%1), so it was taken back.">
        <source></source>
        <translation>L&apos;importation a été enregistrée, mais la collection n&apos;a pas pu être relue (%1)&#x202f;; elle a donc été annulée.</translation>
    </message>
    <message id="The import was saved, but the collection could not be read again (%1). This window still shows the collection as it was before: close it and open the collection again, or undo the import (Edit > Undo Import).">
        <source></source>
        <translation>L&apos;importation a été enregistrée, mais la collection n&apos;a pas pu être relue (%1). Cette fenêtre affiche encore la collection telle qu&apos;elle était auparavant&#xa0;: fermez-la et rouvrez la collection, ou annulez l&apos;importation (Édition &gt; Annuler l&apos;importation).</translation>
    </message>
    <message id="The import was saved, but the collection could not be read again (%1). This window still shows the collection as it was before: close it and open the collection again.">
        <source></source>
        <translation>L&apos;importation a été enregistrée, mais la collection n&apos;a pas pu être relue (%1). Cette fenêtre affiche encore la collection telle qu&apos;elle était auparavant&#xa0;: fermez-la et rouvrez la collection.</translation>
    </message>
    <message id="Cacti imported: %1">
        <source></source>
        <translation>Cactus importés&#xa0;: %1</translation>
    </message>
    <message id="Watering schedules imported: %1">
        <source></source>
        <translation>Programmes d&apos;arrosage importés&#xa0;: %1</translation>
    </message>
    <message id="Logs imported: %1">
        <source></source>
        <translation>Entrées de journal importées&#xa0;: %1</translation>
    </message>
    <message id="Not everything could be imported:">
        <source></source>
        <translation>Tout n&apos;a pas pu être importé&#xa0;:</translation>
    </message>
    <message id="... and %1 more.">
        <source></source>
        <translation>... et %1 autres.</translation>
    </message>
    <message id="Report Folder">
        <source></source>
        <translation>Dossier du rapport</translation>
    </message>
    <message id="Report File">
        <source></source>
        <translation>Fichier du rapport</translation>
    </message>
    <message id="Export Options">
        <source></source>
        <translation>Options d&apos;exportation</translation>
    </message>
    <message id="Browse">
        <source></source>
        <translation>Parcourir</translation>
    </message>
    <message id="Small photos">
        <source></source>
        <translation>Petites photos</translation>
    </message>
    <message id="Medium photos">
        <source></source>
        <translation>Photos moyennes</translation>
    </message>
    <message id="Large photos">
        <source></source>
        <translation>Grandes photos</translation>
    </message>
    <message id="Extra-Large photos">
        <source></source>
        <translation>Très grandes photos</translation>
    </message>
    <message id="Export to HTML Report">
        <source></source>
        <translation>Exporter en rapport HTML</translation>
    </message>
    <message id="Choose Folder">
        <source></source>
        <translation>Choisir un dossier</translation>
    </message>
    <message id="Exporting Report">
        <source></source>
        <translation>Exportation du rapport</translation>
    </message>
    <message id="Export Complete">
        <source></source>
        <translation>Exportation terminée</translation>
    </message>
    <message id="Report export complete!">
        <source></source>
        <translation>Exportation du rapport terminée&#x202f;!</translation>
    </message>
    <message id="Export Error">
        <source></source>
        <translation>Erreur d&apos;exportation</translation>
    </message>
    <message id="An error occurred during report export.">
        <source></source>
        <translation>Une erreur est survenue pendant l&apos;exportation du rapport.</translation>
    </message>
    <message id="Complete Database">
        <source></source>
        <translation>Base de données complète</translation>
    </message>
    <message id="Cacti and Watering Schedules">
        <source></source>
        <translation>Cactus et programmes d&apos;arrosage</translation>
    </message>
    <message id="Watering Schedules">
        <source></source>
        <translation>Programmes d&apos;arrosage</translation>
    </message>
    <message id="Note: The CSV file must be formatted according to the Spinora CSV Template">
        <source></source>
        <translation>Remarque&#xa0;: le fichier CSV doit être mis en forme selon le modèle CSV de Spinora</translation>
    </message>
    <message id="save it">
        <source></source>
        <translation>l&apos;enregistrer</translation>
    </message>
    <message id="or be a spreadsheet of plants, one a line, whose column headers name their fields.">
        <source></source>
        <translation>ou être un tableau de plantes, une par ligne, dont les en-têtes de colonnes indiquent les champs.</translation>
    </message>
    <message id="Choose">
        <source></source>
        <translation>Choisir</translation>
    </message>
    <message id="The chosen folder is not a Spinora database. Please select a folder ending in .sdb, or the spinora.db file inside one.">
        <source></source>
        <translation>Le dossier choisi n&apos;est pas une base de données Spinora. Veuillez sélectionner un dossier se terminant par .sdb, ou le fichier spinora.db qu&apos;il contient.</translation>
    </message>
    <message id="Importing from a currently open database is not permitted. Please select another database for import.">
        <source></source>
        <translation>L&apos;importation depuis une base de données actuellement ouverte n&apos;est pas autorisée. Veuillez sélectionner une autre base de données à importer.</translation>
    </message>
    <message id="Exporting to a currently open database is not permitted. Please select another database for export.">
        <source></source>
        <translation>L&apos;exportation vers une base de données actuellement ouverte n&apos;est pas autorisée. Veuillez sélectionner une autre base de données pour l&apos;exportation.</translation>
    </message>
    <message id="There is no file &quot;%1&quot;.">
        <source></source>
        <translation>Il n&apos;existe aucun fichier «&#xa0;%1&#xa0;».</translation>
    </message>
    <message id="Database export complete!">
        <source></source>
        <translation>Exportation de la base de données terminée&#x202f;!</translation>
    </message>
    <message id="An error occurred during the export! Database export was aborted and no changes were made.">
        <source></source>
        <translation>Une erreur est survenue pendant l&apos;exportation&#x202f;! L&apos;exportation de la base de données a été interrompue et aucune modification n&apos;a été effectuée.</translation>
    </message>
    <message id="Save the CSV Template">
        <source></source>
        <translation>Enregistrer le modèle CSV</translation>
    </message>
    <message id="Spinora CSV Template">
        <source></source>
        <translation>Modèle CSV de Spinora</translation>
    </message>
    <message id="CSV File">
        <source></source>
        <translation>Fichier CSV</translation>
    </message>
    <message id="The file %1 could not be written.">
        <source></source>
        <translation>Le fichier %1 n&apos;a pas pu être écrit.</translation>
    </message>
    <message id="Stopping...">
        <source></source>
        <translation>Arrêt en cours...</translation>
    </message>
    <message id="&quot;%1&quot; already exists. Do you want to replace it?">
        <source></source>
        <translation>«&#xa0;%1&#xa0;» existe déjà. Voulez-vous le remplacer&#x202f;?</translation>
    </message>
    <message id="More Toolbar Items">
        <source></source>
        <translation>Autres éléments de la barre d&apos;outils</translation>
    </message>
    <message id="Exported from %1 v%2 on %3">
        <source></source>
        <translation>Exporté depuis %1 v%2 le %3</translation>
    </message>
    <message id="Source">
        <source></source>
        <translation>Provenance</translation>
    </message>
    <message id="Location">
        <source></source>
        <translation>Emplacement</translation>
    </message>
    <message id="Log History">
        <source></source>
        <translation>Historique du journal</translation>
    </message>
    <message id="None">
        <source></source>
        <translation>Aucun</translation>
    </message>
    <message id="Yes">
        <source></source>
        <translation>Oui</translation>
    </message>
    <message id="No">
        <source></source>
        <translation>Non</translation>
    </message>
    <message id="Print Labels">
        <source></source>
        <translation>Imprimer des étiquettes</translation>
    </message>
    <message id="Selected cacti (%1)">
        <source></source>
        <translation>Cactus sélectionnés (%1)</translation>
    </message>
    <message id="All listed cacti (%1)">
        <source></source>
        <translation>Tous les cactus de la liste (%1)</translation>
    </message>
    <message id="Layout:">
        <source></source>
        <translation>Disposition&#xa0;:</translation>
    </message>
    <message id="Labels for:">
        <source></source>
        <translation>Étiquettes pour&#xa0;:</translation>
    </message>
    <message id="Print...">
        <source></source>
        <translation>Imprimer...</translation>
    </message>
    <message id="1 label">
        <source></source>
        <translation>1 étiquette</translation>
    </message>
    <message id="%1 labels">
        <source></source>
        <translation>%1 étiquettes</translation>
    </message>
    <message id="1 page">
        <source></source>
        <translation>1 page</translation>
    </message>
    <message id="%1 pages">
        <source></source>
        <translation>%1 pages</translation>
    </message>
    <message id="%1 Labels">
        <source></source>
        <translation>Étiquettes %1</translation>
    </message>
    <message id="Page Setup">
        <source></source>
        <translation>Mise en page</translation>
    </message>
    <message id="Portrait">
        <source></source>
        <translation>Portrait</translation>
    </message>
    <message id="Landscape">
        <source></source>
        <translation>Paysage</translation>
    </message>
    <message id="Paper Size">
        <source></source>
        <translation>Format du papier</translation>
    </message>
    <message id="Orientation">
        <source></source>
        <translation>Orientation</translation>
    </message>
    <message id="Top Margin">
        <source></source>
        <translation>Marge supérieure</translation>
    </message>
    <message id="Bottom Margin">
        <source></source>
        <translation>Marge inférieure</translation>
    </message>
    <message id="Left Margin">
        <source></source>
        <translation>Marge gauche</translation>
    </message>
    <message id="Right Margin">
        <source></source>
        <translation>Marge droite</translation>
    </message>
    <message id="Nothing was printed: the printer &quot;%1&quot; could not be used.">
        <source></source>
        <translation>Rien n&apos;a été imprimé&#xa0;: l&apos;imprimante «&#xa0;%1&#xa0;» n&apos;a pas pu être utilisée.</translation>
    </message>
    <message id="Nothing was printed: the file &quot;%1&quot; could not be written.">
        <source></source>
        <translation>Rien n&apos;a été imprimé&#xa0;: le fichier «&#xa0;%1&#xa0;» n&apos;a pas pu être écrit.</translation>
    </message>
    <message id="Print Preview">
        <source></source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message id="Nothing was changed.">
        <source></source>
        <translation>Rien n&apos;a été modifié.</translation>
    </message>
    <message id="No title">
        <source></source>
        <translation>Sans titre</translation>
    </message>
    <message id="Unknown">
        <source></source>
        <translation>Inconnu</translation>
    </message>
    <message id="year">
        <source></source>
        <translation>an</translation>
    </message>
    <message id="years">
        <source></source>
        <translation>ans</translation>
    </message>
    <message id="No event">
        <source></source>
        <translation>Aucun événement</translation>
    </message>
    <message id="Today">
        <source></source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message id="overdue since %1">
        <source></source>
        <translation>en retard depuis le %1</translation>
    </message>
    <message id="resting until %1">
        <source></source>
        <translation>au repos jusqu&apos;au %1</translation>
    </message>
    <message id="Tomorrow">
        <source></source>
        <translation>Demain</translation>
    </message>
    <message id="in %1 days">
        <source></source>
        <translation>dans %1 jours</translation>
    </message>
    <message id="Mark as Watered">
        <source></source>
        <translation>Marquer comme arrosé</translation>
    </message>
    <message id="There is no space left on the disk. Free some space, then try again.">
        <source></source>
        <translation>Il n&apos;y a plus d&apos;espace sur le disque. Libérez de l&apos;espace, puis réessayez.</translation>
    </message>
    <message id="The collection cannot be written: its disk or folder is read-only.">
        <source></source>
        <translation>La collection ne peut pas être écrite&#xa0;: son disque ou son dossier est en lecture seule.</translation>
    </message>
    <message id="Another program is using the collection. Try again once it has finished.">
        <source></source>
        <translation>Un autre programme utilise la collection. Réessayez lorsqu&apos;il aura terminé.</translation>
    </message>
    <message id="The disk could not be read or written. Check the disk, then try again.">
        <source></source>
        <translation>Le disque n&apos;a pas pu être lu ou écrit. Vérifiez le disque, puis réessayez.</translation>
    </message>
    <message id="The collection's database file is damaged.">
        <source></source>
        <translation>Le fichier de base de données de la collection est endommagé.</translation>
    </message>
    <message id="No species">
        <source></source>
        <translation>Aucune espèce</translation>
    </message>
    <message id="Print Labels...">
        <source></source>
        <translation>Imprimer des étiquettes...</translation>
    </message>
    <message id="Deleting this cactus will also delete all of its logs">
        <source></source>
        <translation>La suppression de ce cactus supprimera aussi toutes ses entrées de journal</translation>
    </message>
    <message id="Deleting these cacti will also delete all their associated logs">
        <source></source>
        <translation>La suppression de ces cactus supprimera aussi toutes les entrées de journal associées</translation>
    </message>
    <message id="Delete">
        <source></source>
        <translation>Supprimer</translation>
    </message>
    <message id="Delete Cactus">
        <source></source>
        <translation>Supprimer le cactus</translation>
    </message>
    <message id="Delete Cacti">
        <source></source>
        <translation>Supprimer les cactus</translation>
    </message>
    <message id="Duplicate Cactus">
        <source></source>
        <translation>Dupliquer le cactus</translation>
    </message>
    <message id="Duplicate Cacti">
        <source></source>
        <translation>Dupliquer les cactus</translation>
    </message>
    <message id="Toolbar">
        <source></source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message id="Search">
        <source></source>
        <translation>Rechercher</translation>
    </message>
    <message id="Search list">
        <source></source>
        <translation>Rechercher dans la liste</translation>
    </message>
    <message id="Search the currently visible list">
        <source></source>
        <translation>Rechercher dans la liste actuellement affichée</translation>
    </message>
    <message id="Recent Searches">
        <source></source>
        <translation>Recherches récentes</translation>
    </message>
    <message id="Due">
        <source></source>
        <translation>À faire</translation>
    </message>
    <message id="Show only what is due by the end of today">
        <source></source>
        <translation>N&apos;afficher que ce qui est à faire d&apos;ici la fin de la journée</translation>
    </message>
    <message id="Sort By">
        <source></source>
        <translation>Trier par</translation>
    </message>
    <message id="Duplicate">
        <source></source>
        <translation>Dupliquer</translation>
    </message>
    <message id="No Recent Searches">
        <source></source>
        <translation>Aucune recherche récente</translation>
    </message>
    <message id="Clear Search History">
        <source></source>
        <translation>Effacer l&apos;historique des recherches</translation>
    </message>
    <message id="Mark as Watered...">
        <source></source>
        <translation>Marquer comme arrosé...</translation>
    </message>
    <message id="Watered">
        <source></source>
        <translation>Arrosé</translation>
    </message>
    <message id="Record that the selected plants or schedules were watered">
        <source></source>
        <translation>Enregistrer que les plantes ou les programmes sélectionnés ont été arrosés</translation>
    </message>
    <message id="Untitled">
        <source></source>
        <translation>Sans titre</translation>
    </message>
    <message id="%1 (read-only)">
        <source></source>
        <translation>%1 (lecture seule)</translation>
    </message>
    <message id="History">
        <source></source>
        <translation>Historique</translation>
    </message>
    <message id="Delete Log">
        <source></source>
        <translation>Supprimer l&apos;entrée de journal</translation>
    </message>
    <message id="Delete Logs">
        <source></source>
        <translation>Supprimer les entrées de journal</translation>
    </message>
    <message id="Duplicate Log">
        <source></source>
        <translation>Dupliquer l&apos;entrée de journal</translation>
    </message>
    <message id="Duplicate Logs">
        <source></source>
        <translation>Dupliquer les entrées de journal</translation>
    </message>
    <message id="Add">
        <source></source>
        <translation>Ajouter</translation>
    </message>
    <message id="Edit">
        <source></source>
        <translation>Modifier</translation>
    </message>
    <message id="Loading…">
        <source></source>
        <translation>Chargement…</translation>
    </message>
    <message id="Searching…">
        <source></source>
        <translation>Recherche…</translation>
    </message>
    <message id="Scientific Name">
        <source></source>
        <translation>Nom scientifique</translation>
    </message>
    <message id="When were they watered?">
        <source></source>
        <translation>Quand ont-ils été arrosés&#x202f;?</translation>
    </message>
    <message id="Watered on">
        <source></source>
        <translation>Arrosé le</translation>
    </message>
    <message id="What:">
        <source></source>
        <translation>Quoi&#xa0;:</translation>
    </message>
    <message id="&amp;Watered on:">
        <source></source>
        <translation>&amp;Arrosé le&#xa0;:</translation>
    </message>
    <message id="Statistics">
        <source></source>
        <translation>Statistiques</translation>
    </message>
    <message id="Undo">
        <source></source>
        <translation>Annuler</translation>
    </message>
    <message id="Redo">
        <source></source>
        <translation>Refaire</translation>
    </message>
    <message id="Undo %1">
        <source></source>
        <translation>Annuler %1</translation>
    </message>
    <message id="Redo %1">
        <source></source>
        <translation>Refaire %1</translation>
    </message>
    <message id="Delete Watering Schedule">
        <source></source>
        <translation>Supprimer le programme d&apos;arrosage</translation>
    </message>
    <message id="Delete Watering Schedules">
        <source></source>
        <translation>Supprimer les programmes d&apos;arrosage</translation>
    </message>
    <message id="Duplicate Watering Schedule">
        <source></source>
        <translation>Dupliquer le programme d&apos;arrosage</translation>
    </message>
    <message id="Duplicate Watering Schedules">
        <source></source>
        <translation>Dupliquer les programmes d&apos;arrosage</translation>
    </message>
    <message id="Language">
        <source></source>
        <translation>Langue</translation>
    </message>
    <message id="System">
        <source></source>
        <translation>Système</translation>
    </message>
    <message id="&amp;Language:">
        <source></source>
        <translation>&amp;Langue&#xa0;:</translation>
    </message>
    <message id="Applied the next time Spinora starts.">
        <source></source>
        <translation>Appliqué au prochain démarrage de Spinora.</translation>
    </message>
</context>
<context>
    <name>PhotoStore</name>
    <message>
        <source>the photo could not be written into the collection (is the disk full?)</source>
        <translation>la photo n&apos;a pas pu être écrite dans la collection (le disque est-il plein&#x202f;?)</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Page setup</source>
        <translation>Mise en page</translation>
    </message>
</context>
<context>
    <name>Spinora</name>
    <message>
        <source>name|plant|plant name|cactus|label</source>
        <translation>nom|plante|nom de la plante|cactus|étiquette</translation>
    </message>
    <message>
        <source>scientific|scientific name|botanical name|latin name|taxon|genus|species</source>
        <translation>scientifique|nom scientifique|nom botanique|nom latin|taxon|genre|espèce</translation>
    </message>
    <message>
        <source>common|common name</source>
        <translation>commun|nom commun</translation>
    </message>
    <message>
        <source>type|plant type</source>
        <translation>type|type de plante</translation>
    </message>
    <message>
        <source>watering|schedule|watering schedule</source>
        <translation>arrosage|programme|programme d&apos;arrosage</translation>
    </message>
    <message>
        <source>last watered</source>
        <translation>dernier arrosage</translation>
    </message>
    <message>
        <source>next watering</source>
        <translation>prochain arrosage</translation>
    </message>
    <message>
        <source>planted|plant date|date planted|sown</source>
        <translation>planté|date de plantation|plantation|semé</translation>
    </message>
    <message>
        <source>source|origin</source>
        <translation>provenance|origine</translation>
    </message>
    <message>
        <source>acquired|date acquired|bought|purchased|purchase date</source>
        <translation>acquis|date d&apos;acquisition|acheté|achat|date d&apos;achat</translation>
    </message>
    <message>
        <source>price|purchase price|cost|paid</source>
        <translation>prix|prix d&apos;achat|coût|payé</translation>
    </message>
    <message>
        <source>value|worth</source>
        <translation>valeur|valeur estimée</translation>
    </message>
    <message>
        <source>location|place|position|bench|greenhouse</source>
        <translation>emplacement|lieu|position|tablette|serre</translation>
    </message>
    <message>
        <source>height</source>
        <translation>hauteur</translation>
    </message>
    <message>
        <source>width|diameter</source>
        <translation>largeur|diamètre</translation>
    </message>
    <message>
        <source>weight</source>
        <translation>poids</translation>
    </message>
    <message>
        <source>light|sun</source>
        <translation>lumière|soleil</translation>
    </message>
    <message>
        <source>temperature|temp|min temp</source>
        <translation>température|temp|temp min</translation>
    </message>
    <message>
        <source>pot size|pot</source>
        <translation>taille du pot|pot</translation>
    </message>
    <message>
        <source>pot shape|shape</source>
        <translation>forme du pot|forme</translation>
    </message>
    <message>
        <source>pot material|material</source>
        <translation>matériau du pot|matériau</translation>
    </message>
    <message>
        <source>notes|note|comments|comment|remarks|description</source>
        <translation>notes|note|commentaires|commentaire|remarques|description</translation>
    </message>
    <message>
        <source>id|#|no|no.|number|photo|photos|image|picture</source>
        <translation>id|#|n°|no|numéro|photo|photos|image|illustration</translation>
    </message>
</context>
<context>
    <name>spinora</name>
    <message>
        <source>Photos</source>
        <translation>Photos</translation>
    </message>
</context>
<context>
    <name>spinora::EventViewController</name>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Occupé</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Libre</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>All-Day</source>
        <translation>Journée entière</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>Availability</source>
        <translation>Disponibilité</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Kept in %1. To see these reminders in your desktop calendar, add this file to it as a calendar.</source>
        <translation>Rappels enregistrés dans %1. Pour voir ces rappels dans le calendrier de votre bureau, ajoutez-y ce fichier comme calendrier.</translation>
    </message>
    <message>
        <source>Add New Event</source>
        <translation>Ajouter un nouvel événement</translation>
    </message>
    <message>
        <source>Edit Event</source>
        <translation>Modifier l&apos;événement</translation>
    </message>
</context>
<context>
    <name>spinora::PhotoGridViewController</name>
    <message>
        <source>All Photos</source>
        <translation>Toutes les photos</translation>
    </message>
    <message>
        <source>Add Photos…</source>
        <translation>Ajouter des photos…</translation>
    </message>
    <message>
        <source>Add photos from picture files. You can also drop picture files on the grid.</source>
        <translation>Ajouter des photos depuis des fichiers image. Vous pouvez aussi déposer des fichiers image sur la grille.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Size of the photos</source>
        <translation>Taille des photos</translation>
    </message>
    <message>
        <source>Adding photos</source>
        <translation>Ajout des photos</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>Ajouter des photos</translation>
    </message>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.gif *.tif *.tiff *.bmp)</source>
        <translation>Images (*.jpg *.jpeg *.png *.gif *.tif *.tiff *.bmp)</translation>
    </message>
    <message>
        <source>No collection is open.</source>
        <translation>Aucune collection n&apos;est ouverte.</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>AVERTISSEMENT</translation>
    </message>
    <message>
        <source>This file was not added:</source>
        <translation>Ce fichier n&apos;a pas été ajouté&#xa0;:</translation>
    </message>
    <message>
        <source>These files were not added:</source>
        <translation>Ces fichiers n&apos;ont pas été ajoutés&#xa0;:</translation>
    </message>
</context>
<context>
    <name>spinora::PhotoViewController</name>
    <message>
        <source>Caption</source>
        <translation>Légende</translation>
    </message>
</context>
<context>
    <name>spinora::ReportExport</name>
    <message>
        <source>photos</source>
        <translation>photos</translation>
    </message>
    <message>
        <source>Cacti Report</source>
        <translation>Rapport des cactus</translation>
    </message>
    <message>
        <source>Exported from %1 v%2 on %3</source>
        <translation>Exporté depuis %1 v%2 le %3</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Résumé</translation>
    </message>
    <message>
        <source>Total Cacti</source>
        <translation>Nombre total de cactus</translation>
    </message>
    <message>
        <source>Total Watering Schedules</source>
        <translation>Nombre total de programmes d&apos;arrosage</translation>
    </message>
    <message>
        <source>Total Log Entries</source>
        <translation>Nombre total d&apos;entrées de journal</translation>
    </message>
    <message>
        <source>Unique Species</source>
        <translation>Espèces distinctes</translation>
    </message>
    <message>
        <source>Total Value</source>
        <translation>Valeur totale</translation>
    </message>
    <message>
        <source>Log History</source>
        <translation>Historique du journal</translation>
    </message>
    <message>
        <source>No Event Name</source>
        <translation>Aucun nom d&apos;événement</translation>
    </message>
    <message>
        <source>No Notes</source>
        <translation>Aucune note</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>No Water Between</source>
        <translation>Pas d&apos;arrosage entre</translation>
    </message>
    <message>
        <source>Cacti To Water</source>
        <translation>Cactus à arroser</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
</TS>
