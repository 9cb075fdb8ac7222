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
    <message id="The collection “%1” is damaged, so it was not opened.">
        <source></source>
        <translation>La collection «&#xa0;%1&#xa0;» est endommagée&#x202f;; elle n&apos;a donc pas été ouverte.</translation>
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
    <message id="1 page">
        <source></source>
        <translation>1 page</translation>
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
    <message id="Taken">
        <source></source>
        <translation>Prise le</translation>
    </message>
    <message id="Why">
        <source></source>
        <translation>Pourquoi</translation>
    </message>
    <message id="Plants">
        <source></source>
        <translation>Plantes</translation>
    </message>
    <message id="Size">
        <source></source>
        <translation>Taille</translation>
    </message>
    <message id="Spinora quit unexpectedly the last time it was used.">
        <source></source>
        <translation>Spinora s&apos;est arrêté de manière inattendue lors de sa dernière utilisation.</translation>
    </message>
    <message id="A report of the problem was saved. Would you like to see it?">
        <source></source>
        <translation>Un rapport du problème a été enregistré. Voulez-vous le consulter ?</translation>
    </message>
    <message id="Show Report">
        <source></source>
        <translation>Afficher le rapport</translation>
    </message>
    <message id="Not Now">
        <source></source>
        <translation>Pas maintenant</translation>
    </message>
    <message id="Crash Report">
        <source></source>
        <translation>Rapport de plantage</translation>
    </message>
    <message id="Saved as %1">
        <source></source>
        <translation>Enregistré sous %1</translation>
    </message>
    <message id="The reminder time could not be written to %1.">
        <source></source>
        <translation>L&apos;heure du rappel n&apos;a pas pu être écrite dans %1.</translation>
    </message>
    <message id="Spinora will remind you every day at %1 (systemd user timer %2).">
        <source></source>
        <translation>Spinora vous le rappellera chaque jour à %1 (minuteur utilisateur systemd %2).</translation>
    </message>
    <message id="Reminders are off.">
        <source></source>
        <translation>Les rappels sont désactivés.</translation>
    </message>
    <message id="Clear Menu">
        <source></source>
        <translation>Effacer le menu</translation>
    </message>
    <message id="&amp;File">
        <source></source>
        <translation>&amp;Fichier</translation>
    </message>
    <message id="New">
        <source></source>
        <translation>Nouveau</translation>
    </message>
    <message id="Open...">
        <source></source>
        <translation>Ouvrir...</translation>
    </message>
    <message id="Open Recent">
        <source></source>
        <translation>Ouvrir un fichier récent</translation>
    </message>
    <message id="Save">
        <source></source>
        <translation>Enregistrer</translation>
    </message>
    <message id="Save As...">
        <source></source>
        <translation>Enregistrer sous...</translation>
    </message>
    <message id="Page Setup...">
        <source></source>
        <translation>Mise en page...</translation>
    </message>
    <message id="Print Preview...">
        <source></source>
        <translation>Aperçu avant impression...</translation>
    </message>
    <message id="Quit Spinora">
        <source></source>
        <translation>Quitter Spinora</translation>
    </message>
    <message id="&amp;Edit">
        <source></source>
        <translation>&amp;Édition</translation>
    </message>
    <message id="Add Item">
        <source></source>
        <translation>Ajouter un élément</translation>
    </message>
    <message id="Remove Item">
        <source></source>
        <translation>Retirer l&apos;élément</translation>
    </message>
    <message id="Duplicate Item">
        <source></source>
        <translation>Dupliquer l&apos;élément</translation>
    </message>
    <message id="Cut">
        <source></source>
        <translation>Couper</translation>
    </message>
    <message id="Copy">
        <source></source>
        <translation>Copier</translation>
    </message>
    <message id="Paste">
        <source></source>
        <translation>Coller</translation>
    </message>
    <message id="Select All">
        <source></source>
        <translation>Tout sélectionner</translation>
    </message>
    <message id="Preferences...">
        <source></source>
        <translation>Préférences...</translation>
    </message>
    <message id="&amp;View">
        <source></source>
        <translation>&amp;Affichage</translation>
    </message>
    <message id="Show Toolbar">
        <source></source>
        <translation>Afficher la barre d&apos;outils</translation>
    </message>
    <message id="Customize Toolbar">
        <source></source>
        <translation>Personnaliser la barre d&apos;outils</translation>
    </message>
    <message id="Icon and Text">
        <source></source>
        <translation>Icône et texte</translation>
    </message>
    <message id="Icon Only">
        <source></source>
        <translation>Icône seule</translation>
    </message>
    <message id="Text Only">
        <source></source>
        <translation>Texte seul</translation>
    </message>
    <message id="Flowering Calendar...">
        <source></source>
        <translation>Calendrier de floraison...</translation>
    </message>
    <message id="&amp;Tools">
        <source></source>
        <translation>&amp;Outils</translation>
    </message>
    <message id="Statistics...">
        <source></source>
        <translation>Statistiques...</translation>
    </message>
    <message id="&amp;Window">
        <source></source>
        <translation>Fe&amp;nêtre</translation>
    </message>
    <message id="Minimize">
        <source></source>
        <translation>Réduire</translation>
    </message>
    <message id="Zoom">
        <source></source>
        <translation>Zoom</translation>
    </message>
    <message id="Bring All to Front">
        <source></source>
        <translation>Tout ramener au premier plan</translation>
    </message>
    <message id="&amp;Help">
        <source></source>
        <translation>&amp;Aide</translation>
    </message>
    <message id="Like Spinora on Facebook">
        <source></source>
        <translation>Aimer Spinora sur Facebook</translation>
    </message>
    <message id="Spinora Website...">
        <source></source>
        <translation>Site web de Spinora...</translation>
    </message>
    <message id="Frequently Asked Questions...">
        <source></source>
        <translation>Foire aux questions...</translation>
    </message>
    <message id="Check for Updates...">
        <source></source>
        <translation>Rechercher des mises à jour...</translation>
    </message>
    <message id="About Spinora">
        <source></source>
        <translation>À propos de Spinora</translation>
    </message>
    <message id="Preferences">
        <source></source>
        <translation>Préférences</translation>
    </message>
    <message id="Sort options">
        <source></source>
        <translation>Options de tri</translation>
    </message>
    <message id="Sort cacti by species">
        <source></source>
        <translation>Trier les cactus par espèce</translation>
    </message>
    <message id="Database options">
        <source></source>
        <translation>Options de la base de données</translation>
    </message>
    <message id="Add default species and events to new databases">
        <source></source>
        <translation>Ajouter les espèces et événements par défaut aux nouvelles bases de données</translation>
    </message>
    <message id="Reminders">
        <source></source>
        <translation>Rappels</translation>
    </message>
    <message id="&amp;Remind me of due plants every day at">
        <source></source>
        <translation>&amp;Me rappeler chaque jour les plantes à arroser à</translation>
    </message>
    <message id="Reminder time">
        <source></source>
        <translation>Heure du rappel</translation>
    </message>
    <message id="Open">
        <source></source>
        <translation>Ouvrir</translation>
    </message>
    <message id="Collection:">
        <source></source>
        <translation>Collection :</translation>
    </message>
    <message id="Spinora collections (*%1)">
        <source></source>
        <translation>Collections Spinora (*%1)</translation>
    </message>
    <message id="“%1” already exists. Do you want to replace it?">
        <source></source>
        <translation>« %1 » existe déjà. Voulez-vous le remplacer ?</translation>
    </message>
    <message id="A collection with the same name already exists in “%1”. Replacing it will overwrite its current contents.">
        <source></source>
        <translation>Une collection du même nom existe déjà dans « %1 ». La remplacer écrasera son contenu actuel.</translation>
    </message>
    <message id="Replace">
        <source></source>
        <translation>Remplacer</translation>
    </message>
    <message id="Do you want to save the changes made to the document “%1”?">
        <source></source>
        <translation>Voulez-vous enregistrer les modifications apportées au document « %1 » ?</translation>
    </message>
    <message id="Your changes will stay in the untitled collection if you don’t save them.">
        <source></source>
        <translation>Vos modifications resteront dans la collection sans titre si vous ne les enregistrez pas.</translation>
    </message>
    <message id="Don’t Save">
        <source></source>
        <translation>Ne pas enregistrer</translation>
    </message>
    <message id="Keep Open">
        <source></source>
        <translation>Garder ouvert</translation>
    </message>
    <message id="New Spinora Database">
        <source></source>
        <translation>Nouvelle base de données Spinora</translation>
    </message>
    <message id="Save As">
        <source></source>
        <translation>Enregistrer sous</translation>
    </message>
    <message id="Overwriting an open database is not permitted. Please select a different filename.">
        <source></source>
        <translation>L&apos;écrasement d&apos;une base de données ouverte n&apos;est pas autorisé. Veuillez choisir un autre nom de fichier.</translation>
    </message>
    <message id="The collection “%1” could not be opened: it does not exist.">
        <source></source>
        <translation>La collection « %1 » n&apos;a pas pu être ouverte : elle n&apos;existe pas.</translation>
    </message>
    <message id="%n of its photo files are missing, the first “%1”." numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n de ses fichiers photo est manquant : « %1 ».</numerusform>
            <numerusform>%n de ses fichiers photo sont manquants, le premier étant « %1 ».</numerusform>
        </translation>
    </message>
    <message id="%1, %2 and %3">
        <source></source>
        <translation>%1, %2 et %3</translation>
    </message>
    <message id="%n plants" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n plante</numerusform>
            <numerusform>%n plantes</numerusform>
        </translation>
    </message>
    <message id="%n logs" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n entrée de journal</numerusform>
            <numerusform>%n entrées de journal</numerusform>
        </translation>
    </message>
    <message id="%n photos" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n photo</numerusform>
            <numerusform>%n photos</numerusform>
        </translation>
    </message>
    <message id="The newest good snapshot was taken on %1 and holds %2. Restoring it replaces the collection; the damaged one is kept as a snapshot first.">
        <source></source>
        <translation>Le dernier instantané intact date du %1 et contient %2. Le restaurer remplace la collection ; la collection endommagée est d&apos;abord conservée sous forme d&apos;instantané.</translation>
    </message>
    <message id="The collection will hold %1. Its current state is kept as a snapshot first, so this can be undone by restoring that one.">
        <source></source>
        <translation>La collection contiendra %1. Son état actuel est d&apos;abord conservé sous forme d&apos;instantané : vous pourrez donc annuler cette opération en restaurant celui-ci.</translation>
    </message>
    <message id="“%1” could not be replaced.">
        <source></source>
        <translation>« %1 » n&apos;a pas pu être remplacé.</translation>
    </message>
    <message id="The catalogue of your cactus and succulent collection: plants, watering schedules and a log of what happened to them.">
        <source></source>
        <translation>Le catalogue de votre collection de cactus et de plantes succulentes : plantes, programmes d&apos;arrosage et journal de ce qui leur est arrivé.</translation>
    </message>
    <message id="Import From">
        <source></source>
        <translation>Importer depuis</translation>
    </message>
    <message id="Export To">
        <source></source>
        <translation>Exporter vers</translation>
    </message>
    <message id="Spinora Mobile App">
        <source></source>
        <translation>Application mobile Spinora</translation>
    </message>
    <message id="SDBI">
        <source></source>
        <translation>SDBI</translation>
    </message>
    <message id="Spinora Database">
        <source></source>
        <translation>Base de données Spinora</translation>
    </message>
    <message id="CSV">
        <source></source>
        <translation>CSV</translation>
    </message>
    <message id="CSV Template…">
        <source></source>
        <translation>Modèle CSV…</translation>
    </message>
    <message id="HTML Report">
        <source></source>
        <translation>Rapport HTML</translation>
    </message>
    <message id="Software Update">
        <source></source>
        <translation>Mise à jour du logiciel</translation>
    </message>
    <message id="A new version of Spinora is available!">
        <source></source>
        <translation>Une nouvelle version de Spinora est disponible !</translation>
    </message>
    <message id="Spinora %1 is now available—you have %2. Would you like to download it now?">
        <source></source>
        <translation>Spinora %1 est disponible (vous avez la version %2). Voulez-vous la télécharger maintenant ?</translation>
    </message>
    <message id="Download">
        <source></source>
        <translation>Télécharger</translation>
    </message>
    <message id="Remind Me Later">
        <source></source>
        <translation>Me le rappeler plus tard</translation>
    </message>
    <message id="You’re up-to-date!">
        <source></source>
        <translation>Vous êtes à jour !</translation>
    </message>
    <message id="Spinora %1 is currently the newest version available.">
        <source></source>
        <translation>Spinora %1 est actuellement la version la plus récente disponible.</translation>
    </message>
    <message id="No update address is set, so Spinora cannot look for updates. Your distribution’s package manager keeps Spinora up to date.">
        <source></source>
        <translation>Aucune adresse de mise à jour n&apos;est définie : Spinora ne peut donc pas rechercher de mises à jour. Le gestionnaire de paquets de votre distribution maintient Spinora à jour.</translation>
    </message>
    <message id="Update Error!">
        <source></source>
        <translation>Erreur de mise à jour !</translation>
    </message>
    <message id="An error occurred in retrieving update information. Please try again later.">
        <source></source>
        <translation>Une erreur est survenue lors de la récupération des informations de mise à jour. Veuillez réessayer plus tard.</translation>
    </message>
    <message id="Spinora keeps the catalogue of a cactus and succulent collection.">
        <source></source>
        <translation>Spinora tient le catalogue d&apos;une collection de cactus et de plantes succulentes.</translation>
    </message>
    <message id="Collections to open (folders ending in .sdb); interchange files (.sdbi) are offered for import into the collection shown.">
        <source></source>
        <translation>Collections à ouvrir (dossiers se terminant par .sdb) ; les fichiers d&apos;échange (.sdbi) sont proposés pour une importation dans la collection affichée.</translation>
    </message>
    <message id="The list to show: cacti, watering or logs.">
        <source></source>
        <translation>La liste à afficher : cacti, watering ou logs.</translation>
    </message>
    <message id="--show takes cacti, watering or logs, not “%1”">
        <source></source>
        <translation>--show accepte cacti, watering ou logs, et non « %1 »</translation>
    </message>
    <message id="Spinora is already running but does not answer.">
        <source></source>
        <translation>Spinora est déjà en cours d&apos;exécution mais ne répond pas.</translation>
    </message>
    <message id="the line “%1” does not close “%2”">
        <source></source>
        <translation>la ligne « %1 » ne ferme pas « %2 »</translation>
    </message>
    <message id="the file ends before “%1” does">
        <source></source>
        <translation>le fichier se termine avant « %1 »</translation>
    </message>
    <message id="the file is empty">
        <source></source>
        <translation>le fichier est vide</translation>
    </message>
    <message id="it is not an iCalendar file">
        <source></source>
        <translation>ce n&apos;est pas un fichier iCalendar</translation>
    </message>
    <message id="it does not hold exactly one calendar">
        <source></source>
        <translation>il ne contient pas exactement un calendrier</translation>
    </message>
    <message id="it contains errors">
        <source></source>
        <translation>elle contient des erreurs</translation>
    </message>
    <message id="it cannot be read">
        <source></source>
        <translation>elle ne peut pas être lue</translation>
    </message>
    <message id="The calendar folder “%1” cannot be made.">
        <source></source>
        <translation>Le dossier de calendrier « %1 » ne peut pas être créé.</translation>
    </message>
    <message id="The calendar file “%1” cannot be used: %2.">
        <source></source>
        <translation>Le fichier de calendrier « %1 » ne peut pas être utilisé : %2.</translation>
    </message>
    <message id="The calendar file “%1” cannot be read.">
        <source></source>
        <translation>Le fichier de calendrier « %1 » ne peut pas être lu.</translation>
    </message>
    <message id="The calendar file “%1” cannot be used (%2); it was left as it is.">
        <source></source>
        <translation>Le fichier de calendrier « %1 » ne peut pas être utilisé (%2) ; il a été laissé tel quel.</translation>
    </message>
    <message id="The calendar file “%1” keeps being changed by another program; it was left as it is.">
        <source></source>
        <translation>Le fichier de calendrier « %1 » est sans cesse modifié par un autre programme ; il a été laissé tel quel.</translation>
    </message>
    <message id="The calendar file “%1” could not be written (%2); it was left as it is.">
        <source></source>
        <translation>Le fichier de calendrier « %1 » n&apos;a pas pu être écrit (%2) ; il a été laissé tel quel.</translation>
    </message>
    <message id="No space left on device">
        <source></source>
        <translation>Plus d&apos;espace disponible sur l&apos;appareil</translation>
    </message>
    <message id="The event ends before it starts.">
        <source></source>
        <translation>L&apos;événement se termine avant de commencer.</translation>
    </message>
    <message id="The calendar “%1” is not available.">
        <source></source>
        <translation>Le calendrier « %1 » n&apos;est pas disponible.</translation>
    </message>
    <message id="There is no such event.">
        <source></source>
        <translation>Cet événement n&apos;existe pas.</translation>
    </message>
    <message id="The event was removed by another program.">
        <source></source>
        <translation>L&apos;événement a été supprimé par un autre programme.</translation>
    </message>
    <message id="the Avahi daemon went away">
        <source></source>
        <translation>le démon Avahi a disparu</translation>
    </message>
    <message id="Click the Import button to restore the complete database from your device.">
        <source></source>
        <translation>Cliquez sur le bouton Importer pour restaurer la base de données complète depuis votre appareil.</translation>
    </message>
    <message id="Click the Import button to restore only the cacti and watering schedules in the database from your device.">
        <source></source>
        <translation>Cliquez sur le bouton Importer pour restaurer uniquement les cactus et les programmes d&apos;arrosage de la base de données depuis votre appareil.</translation>
    </message>
    <message id="Click the Import button to import the cacti from your device.">
        <source></source>
        <translation>Cliquez sur le bouton Importer pour importer les cactus depuis votre appareil.</translation>
    </message>
    <message id="Click the Import button to import the watering schedules from your device.">
        <source></source>
        <translation>Cliquez sur le bouton Importer pour importer les programmes d&apos;arrosage depuis votre appareil.</translation>
    </message>
    <message id="Restore Database is selected on your device. Select either Backup Database or Export Data instead.">
        <source></source>
        <translation>Restore Database est sélectionné sur votre appareil. Sélectionnez plutôt Backup Database ou Export Data.</translation>
    </message>
    <message id="Export Data is selected on your device. Select Backup Database instead to restore both cacti and watering schedules.">
        <source></source>
        <translation>Export Data est sélectionné sur votre appareil. Sélectionnez plutôt Backup Database pour restaurer à la fois les cactus et les programmes d&apos;arrosage.</translation>
    </message>
    <message id="Export Data is selected on your device. Only cacti or watering schedules can be imported in this mode.">
        <source></source>
        <translation>Export Data est sélectionné sur votre appareil. Seuls les cactus ou les programmes d&apos;arrosage peuvent être importés dans ce mode.</translation>
    </message>
    <message id="Import Data is selected on your device. Select either Backup Database or Export Data instead.">
        <source></source>
        <translation>Import Data est sélectionné sur votre appareil. Sélectionnez plutôt Backup Database ou Export Data.</translation>
    </message>
    <message id="Backup Database is selected on your device. Select either Restore Database or Import Data instead.">
        <source></source>
        <translation>Backup Database est sélectionné sur votre appareil. Sélectionnez plutôt Restore Database ou Import Data.</translation>
    </message>
    <message id="Export Data is selected on your device. Select either Restore Database or Import Data instead.">
        <source></source>
        <translation>Export Data est sélectionné sur votre appareil. Sélectionnez plutôt Restore Database ou Import Data.</translation>
    </message>
    <message id="Click the Export button to send the database to your device. The app will ask what you want to import.">
        <source></source>
        <translation>Cliquez sur le bouton Exporter pour envoyer la base de données vers votre appareil. L&apos;application vous demandera ce que vous souhaitez importer.</translation>
    </message>
    <message id="The collection was closed.">
        <source></source>
        <translation>La collection a été fermée.</translation>
    </message>
    <message id="Import Database">
        <source></source>
        <translation>Importer une base de données</translation>
    </message>
    <message id="Restore Complete Database">
        <source></source>
        <translation>Restaurer la base de données complète</translation>
    </message>
    <message id="Import Cacti and Watering Schedules">
        <source></source>
        <translation>Importer des cactus et des programmes d&apos;arrosage</translation>
    </message>
    <message id="Import Cacti">
        <source></source>
        <translation>Importer des cactus</translation>
    </message>
    <message id="Import Watering Schedules">
        <source></source>
        <translation>Importer des programmes d&apos;arrosage</translation>
    </message>
    <message id="Devices">
        <source></source>
        <translation>Appareils</translation>
    </message>
    <message id="Messages">
        <source></source>
        <translation>Messages</translation>
    </message>
    <message id="Export Database">
        <source></source>
        <translation>Exporter la base de données</translation>
    </message>
    <message id="Flowering Calendar">
        <source></source>
        <translation>Calendrier de floraison</translation>
    </message>
    <message id="Photo Timeline">
        <source></source>
        <translation>Chronologie des photos</translation>
    </message>
    <message id="Common Name">
        <source></source>
        <translation>Nom commun</translation>
    </message>
    <message id="Open Watering Schedule">
        <source></source>
        <translation>Ouvrir le programme d&apos;arrosage</translation>
    </message>
    <message id="Height">
        <source></source>
        <translation>Hauteur</translation>
    </message>
    <message id="Width">
        <source></source>
        <translation>Largeur</translation>
    </message>
    <message id="Weight">
        <source></source>
        <translation>Poids</translation>
    </message>
    <message id="Light">
        <source></source>
        <translation>Lumière</translation>
    </message>
    <message id="Temperature">
        <source></source>
        <translation>Température</translation>
    </message>
    <message id="Pot Size">
        <source></source>
        <translation>Taille du pot</translation>
    </message>
    <message id="Pot Shape">
        <source></source>
        <translation>Forme du pot</translation>
    </message>
    <message id="Pot Material">
        <source></source>
        <translation>Matériau du pot</translation>
    </message>
    <message id="General">
        <source></source>
        <translation>Général</translation>
    </message>
    <message id="Details">
        <source></source>
        <translation>Détails</translation>
    </message>
    <message id="Alarm">
        <source></source>
        <translation>Alarme</translation>
    </message>
    <message id="Busy">
        <source></source>
        <translation>Occupé</translation>
    </message>
    <message id="Free">
        <source></source>
        <translation>Libre</translation>
    </message>
    <message id="Title">
        <source></source>
        <translation>Titre</translation>
    </message>
    <message id="Starts">
        <source></source>
        <translation>Début</translation>
    </message>
    <message id="Ends">
        <source></source>
        <translation>Fin</translation>
    </message>
    <message id="All-Day">
        <source></source>
        <translation>Journée entière</translation>
    </message>
    <message id="Calendar">
        <source></source>
        <translation>Calendrier</translation>
    </message>
    <message id="Availability">
        <source></source>
        <translation>Disponibilité</translation>
    </message>
    <message id="Kept in %1. To see these reminders in your desktop calendar, add this file to it as a calendar.">
        <source></source>
        <translation>Rappels enregistrés dans %1. Pour voir ces rappels dans le calendrier de votre bureau, ajoutez-y ce fichier comme calendrier.</translation>
    </message>
    <message id="Add New Event">
        <source></source>
        <translation>Ajouter un nouvel événement</translation>
    </message>
    <message id="Edit Event">
        <source></source>
        <translation>Modifier l&apos;événement</translation>
    </message>
    <message id="Open Cactus">
        <source></source>
        <translation>Ouvrir le cactus</translation>
    </message>
    <message id="Add Reminder">
        <source></source>
        <translation>Ajouter un rappel</translation>
    </message>
    <message id="Edit Reminder">
        <source></source>
        <translation>Modifier le rappel</translation>
    </message>
    <message id="Add a reminder to your calendar?">
        <source></source>
        <translation>Ajouter un rappel à votre calendrier ?</translation>
    </message>
    <message id="Edit the reminder on your calendar?">
        <source></source>
        <translation>Modifier le rappel dans votre calendrier ?</translation>
    </message>
    <message id="All Photos">
        <source></source>
        <translation>Toutes les photos</translation>
    </message>
    <message id="Add Photos…">
        <source></source>
        <translation>Ajouter des photos…</translation>
    </message>
    <message id="Add photos from picture files. You can also drop picture files on the grid.">
        <source></source>
        <translation>Ajouter des photos depuis des fichiers image. Vous pouvez aussi déposer des fichiers image sur la grille.</translation>
    </message>
    <message id="Size of the photos">
        <source></source>
        <translation>Taille des photos</translation>
    </message>
    <message id="Adding photos">
        <source></source>
        <translation>Ajout des photos</translation>
    </message>
    <message id="Add Photos">
        <source></source>
        <translation>Ajouter des photos</translation>
    </message>
    <message id="Pictures (*.jpg *.jpeg *.png *.gif *.tif *.tiff *.bmp)">
        <source></source>
        <translation>Images (*.jpg *.jpeg *.png *.gif *.tif *.tiff *.bmp)</translation>
    </message>
    <message id="This file was not added:">
        <source></source>
        <translation>Ce fichier n&apos;a pas été ajouté&#xa0;:</translation>
    </message>
    <message id="These files were not added:">
        <source></source>
        <translation>Ces fichiers n&apos;ont pas été ajoutés&#xa0;:</translation>
    </message>
    <message id="Previous Photo">
        <source></source>
        <translation>Photo précédente</translation>
    </message>
    <message id="Display the previous photo">
        <source></source>
        <translation>Afficher la photo précédente</translation>
    </message>
    <message id="Edit Caption">
        <source></source>
        <translation>Modifier la légende</translation>
    </message>
    <message id="Edit the photo caption">
        <source></source>
        <translation>Modifier la légende de la photo</translation>
    </message>
    <message id="Next Photo">
        <source></source>
        <translation>Photo suivante</translation>
    </message>
    <message id="Display the next photo">
        <source></source>
        <translation>Afficher la photo suivante</translation>
    </message>
    <message id="Error: the new record is gone.">
        <source></source>
        <translation>Erreur : le nouvel enregistrement a disparu.</translation>
    </message>
    <message id="From Date 1">
        <source></source>
        <translation>Date de début 1</translation>
    </message>
    <message id="To Date 2">
        <source></source>
        <translation>Date de fin 2</translation>
    </message>
    <message id="From Date 3">
        <source></source>
        <translation>Date de début 3</translation>
    </message>
    <message id="To Date 4">
        <source></source>
        <translation>Date de fin 4</translation>
    </message>
    <message id="From Date 5">
        <source></source>
        <translation>Date de début 5</translation>
    </message>
    <message id="To Date 6">
        <source></source>
        <translation>Date de fin 6</translation>
    </message>
    <message id="Units">
        <source></source>
        <translation>Unités</translation>
    </message>
    <message id="Line %1, column %2 (%3): “%4” could not be read and was not imported.">
        <source></source>
        <translation>Ligne %1, colonne %2 (%3) : « %4 » n&apos;a pas pu être lu et n&apos;a pas été importé.</translation>
    </message>
    <message id="The file is not in the Spinora CSV template layout and these columns could not be placed: “%1”. Give each column its field, for example --map '%2' (the fields are %3).">
        <source></source>
        <translation>Le fichier ne suit pas la disposition du modèle CSV de Spinora et ces colonnes n&apos;ont pas pu être attribuées : « %1 ». Indiquez le champ de chaque colonne, par exemple --map &apos;%2&apos; (les champs sont %3).</translation>
    </message>
    <message id="No cacti, watering schedules or logs were found in the file. It must follow the Spinora CSV template.">
        <source></source>
        <translation>Aucun cactus, programme d&apos;arrosage ou entrée de journal n&apos;a été trouvé dans le fichier. Il doit suivre le modèle CSV de Spinora.</translation>
    </message>
    <message id="name|plant|plant name|cactus|label">
        <source></source>
        <translation>nom|plante|nom de la plante|cactus|étiquette</translation>
    </message>
    <message id="scientific|scientific name|botanical name|latin name|taxon|genus|species">
        <source></source>
        <translation>scientifique|nom scientifique|nom botanique|nom latin|taxon|genre|espèce</translation>
    </message>
    <message id="common|common name">
        <source></source>
        <translation>commun|nom commun</translation>
    </message>
    <message id="type|plant type">
        <source></source>
        <translation>type|type de plante</translation>
    </message>
    <message id="watering|schedule|watering schedule">
        <source></source>
        <translation>arrosage|programme|programme d&apos;arrosage</translation>
    </message>
    <message id="last watered">
        <source></source>
        <translation>dernier arrosage</translation>
    </message>
    <message id="next watering">
        <source></source>
        <translation>prochain arrosage</translation>
    </message>
    <message id="planted|plant date|date planted|sown">
        <source></source>
        <translation>planté|date de plantation|plantation|semé</translation>
    </message>
    <message id="source|origin">
        <source></source>
        <translation>provenance|origine</translation>
    </message>
    <message id="acquired|date acquired|bought|purchased|purchase date">
        <source></source>
        <translation>acquis|date d&apos;acquisition|acheté|achat|date d&apos;achat</translation>
    </message>
    <message id="price|purchase price|cost|paid">
        <source></source>
        <translation>prix|prix d&apos;achat|coût|payé</translation>
    </message>
    <message id="value|worth">
        <source></source>
        <translation>valeur|valeur estimée</translation>
    </message>
    <message id="location|place|position|bench|greenhouse">
        <source></source>
        <translation>emplacement|lieu|position|tablette|serre</translation>
    </message>
    <message id="height">
        <source></source>
        <translation>hauteur</translation>
    </message>
    <message id="width|diameter">
        <source></source>
        <translation>largeur|diamètre</translation>
    </message>
    <message id="weight">
        <source></source>
        <translation>poids</translation>
    </message>
    <message id="light|sun">
        <source></source>
        <translation>lumière|soleil</translation>
    </message>
    <message id="temperature|temp|min temp">
        <source></source>
        <translation>température|temp|temp min</translation>
    </message>
    <message id="pot size|pot">
        <source></source>
        <translation>taille du pot|pot</translation>
    </message>
    <message id="pot shape|shape">
        <source></source>
        <translation>forme du pot|forme</translation>
    </message>
    <message id="pot material|material">
        <source></source>
        <translation>matériau du pot|matériau</translation>
    </message>
    <message id="notes|note|comments|comment|remarks|description">
        <source></source>
        <translation>notes|note|commentaires|commentaire|remarques|description</translation>
    </message>
    <message id="id|#|no|no.|number|photo|photos|image|picture">
        <source></source>
        <translation>id|#|n°|no|numéro|photo|photos|image|illustration</translation>
    </message>
    <message id="“%1” is no COLUMN=FIELD pair.">
        <source></source>
        <translation>« %1 » n&apos;est pas une paire COLUMN=FIELD.</translation>
    </message>
    <message id="“%1” is no field; the fields are %2.">
        <source></source>
        <translation>« %1 » n&apos;est pas un champ ; les champs sont %2.</translation>
    </message>
    <message id="The file has no column “%1”.">
        <source></source>
        <translation>Le fichier n&apos;a pas de colonne « %1 ».</translation>
    </message>
    <message id="%1 is a folder; an export never replaces a folder with a file.">
        <source></source>
        <translation>%1 est un dossier ; une exportation ne remplace jamais un dossier par un fichier.</translation>
    </message>
    <message id="%1 is a folder that is not a Spinora collection; an export never replaces it.">
        <source></source>
        <translation>%1 est un dossier qui n&apos;est pas une collection Spinora ; une exportation ne le remplace jamais.</translation>
    </message>
    <message id="%1 is a collection in use by %2; it cannot be replaced.">
        <source></source>
        <translation>%1 est une collection utilisée par %2 ; elle ne peut pas être remplacée.</translation>
    </message>
    <message id="%1 is an existing collection and was not replaced.">
        <source></source>
        <translation>%1 est une collection existante et n&apos;a pas été remplacée.</translation>
    </message>
    <message id="%1 already exists and was not replaced.">
        <source></source>
        <translation>%1 existe déjà et n&apos;a pas été remplacé.</translation>
    </message>
    <message id="The collection %1 could not be read: %2">
        <source></source>
        <translation>La collection %1 n&apos;a pas pu être lue : %2</translation>
    </message>
    <message id="it holds no %1.">
        <source></source>
        <translation>elle ne contient aucun %1.</translation>
    </message>
    <message id="The collection %1 was made by a newer version of Spinora (schema %2; this version reads up to %3).">
        <source></source>
        <translation>La collection %1 a été créée par une version plus récente de Spinora (schéma %2 ; cette version lit jusqu&apos;au schéma %3).</translation>
    </message>
    <message id="The collection could not be read: %1">
        <source></source>
        <translation>La collection n&apos;a pas pu être lue : %1</translation>
    </message>
    <message id="The collection was opened read-only, so nothing can be imported into it.">
        <source></source>
        <translation>La collection a été ouverte en lecture seule : rien ne peut donc y être importé.</translation>
    </message>
    <message id="The import failed.">
        <source></source>
        <translation>L&apos;importation a échoué.</translation>
    </message>
    <message id="The collection could not be written: %1">
        <source></source>
        <translation>La collection n&apos;a pas pu être écrite : %1</translation>
    </message>
    <message id="The collection's database could not be opened: %1">
        <source></source>
        <translation>La base de données de la collection n&apos;a pas pu être ouverte : %1</translation>
    </message>
    <message id="The folder %1 could not be made.">
        <source></source>
        <translation>Le dossier %1 n&apos;a pas pu être créé.</translation>
    </message>
    <message id="The template could not be read: %1">
        <source></source>
        <translation>Le modèle n&apos;a pas pu être lu : %1</translation>
    </message>
    <message id="The collection could not be locked for the import: %1">
        <source></source>
        <translation>La collection n&apos;a pas pu être verrouillée pour l&apos;importation : %1</translation>
    </message>
    <message id="Fertilized">
        <source></source>
        <translation>Fertilisé</translation>
    </message>
    <message id="Flowered">
        <source></source>
        <translation>Fleuri</translation>
    </message>
    <message id="Planted">
        <source></source>
        <translation>Planté</translation>
    </message>
    <message id="Purchased">
        <source></source>
        <translation>Acheté</translation>
    </message>
    <message id="Sold">
        <source></source>
        <translation>Vendu</translation>
    </message>
    <message id="The import could not be saved: %1">
        <source></source>
        <translation>L&apos;importation n&apos;a pas pu être enregistrée : %1</translation>
    </message>
    <message id="%1 could not be written">
        <source></source>
        <translation>%1 n&apos;a pas pu être écrit</translation>
    </message>
    <message id="%1: the export filter could not be run">
        <source></source>
        <translation>%1 : le filtre d&apos;exportation n&apos;a pas pu être exécuté</translation>
    </message>
    <message id="%1 could not be replaced">
        <source></source>
        <translation>%1 n&apos;a pas pu être remplacé</translation>
    </message>
    <message id="The file cannot be imported: it holds triggers or views, which Spinora files never have.">
        <source></source>
        <translation>Le fichier ne peut pas être importé : il contient des déclencheurs ou des vues, ce que les fichiers Spinora n&apos;ont jamais.</translation>
    </message>
    <message id="larger than 64 MiB">
        <source></source>
        <translation>dépasse 64 Mio</translation>
    </message>
    <message id="a link that leads out of the package">
        <source></source>
        <translation>un lien qui mène hors du paquet</translation>
    </message>
    <message id="not a file that can be read">
        <source></source>
        <translation>ce n&apos;est pas un fichier lisible</translation>
    </message>
    <message id="%1 could not be read.">
        <source></source>
        <translation>%1 n&apos;a pas pu être lu.</translation>
    </message>
    <message id="The file could not be opened: %1">
        <source></source>
        <translation>Le fichier n&apos;a pas pu être ouvert : %1</translation>
    </message>
    <message id="The file is not a Spinora database: %1">
        <source></source>
        <translation>Le fichier n&apos;est pas une base de données Spinora : %1</translation>
    </message>
    <message id="The file cannot be imported: its schema could not be upgraded (%1).">
        <source></source>
        <translation>Le fichier ne peut pas être importé : son schéma n&apos;a pas pu être mis à niveau (%1).</translation>
    </message>
    <message id="The file could not be closed: %1">
        <source></source>
        <translation>Le fichier n&apos;a pas pu être fermé : %1</translation>
    </message>
    <message id="The file has no version information, so it is not a Spinora database.">
        <source></source>
        <translation>Le fichier ne contient aucune information de version : ce n&apos;est donc pas une base de données Spinora.</translation>
    </message>
    <message id="The file cannot be imported: it was made by a newer version of Spinora (schema %1; this version reads up to %2).">
        <source></source>
        <translation>Le fichier ne peut pas être importé : il a été créé par une version plus récente de Spinora (schéma %1 ; cette version lit jusqu&apos;au schéma %2).</translation>
    </message>
    <message id="The file's version row holds no record counts.">
        <source></source>
        <translation>La ligne de version du fichier ne contient aucun nombre d&apos;enregistrements.</translation>
    </message>
    <message id="The file cannot be imported: its %1 table cannot be read (%2).">
        <source></source>
        <translation>Le fichier ne peut pas être importé : sa table %1 ne peut pas être lue (%2).</translation>
    </message>
    <message id="The file cannot be imported: its %1 table has keys that are not whole numbers from 0 to 9223372036854775807.">
        <source></source>
        <translation>Le fichier ne peut pas être importé : sa table %1 contient des clés qui ne sont pas des nombres entiers de 0 à 9223372036854775807.</translation>
    </message>
    <message id="The file cannot be imported: its %1 table has the same key on more than one row.">
        <source></source>
        <translation>Le fichier ne peut pas être importé : sa table %1 contient la même clé sur plusieurs lignes.</translation>
    </message>
    <message id="The file cannot be imported: the collection has no keys left for its %1 table.">
        <source></source>
        <translation>Le fichier ne peut pas être importé : la collection n&apos;a plus de clés disponibles pour sa table %1.</translation>
    </message>
    <message id="The records of the file's %1 table could not be read: %2">
        <source></source>
        <translation>Les enregistrements de la table %1 du fichier n&apos;ont pas pu être lus : %2</translation>
    </message>
    <message id="The file cannot be imported: the %1 column of its %2 table holds values that are not whole numbers.">
        <source></source>
        <translation>Le fichier ne peut pas être importé : la colonne %1 de sa table %2 contient des valeurs qui ne sont pas des nombres entiers.</translation>
    </message>
    <message id="The file holds no watering schedules.">
        <source></source>
        <translation>Le fichier ne contient aucun programme d&apos;arrosage.</translation>
    </message>
    <message id="The file holds no cacti.">
        <source></source>
        <translation>Le fichier ne contient aucun cactus.</translation>
    </message>
    <message id="not a picture that can be read">
        <source></source>
        <translation>ce n&apos;est pas une image lisible</translation>
    </message>
    <message id="the cactus %1">
        <source></source>
        <translation>le cactus %1</translation>
    </message>
    <message id="the log entry %1">
        <source></source>
        <translation>l&apos;entrée de journal %1</translation>
    </message>
    <message id="the cactus “%1”">
        <source></source>
        <translation>le cactus « %1 »</translation>
    </message>
    <message id="the log entry “%1”">
        <source></source>
        <translation>l&apos;entrée de journal « %1 »</translation>
    </message>
    <message id="The file's photos could not be read: %1">
        <source></source>
        <translation>Les photos du fichier n&apos;ont pas pu être lues : %1</translation>
    </message>
    <message id="The file cannot be imported: the key column of its image table holds values that are not whole numbers.">
        <source></source>
        <translation>Le fichier ne peut pas être importé : la colonne de clé de sa table d&apos;images contient des valeurs qui ne sont pas des nombres entiers.</translation>
    </message>
    <message id="1 photo could not be read and was left out: %1.">
        <source></source>
        <translation>1 photo n&apos;a pas pu être lue et a été ignorée : %1.</translation>
    </message>
    <message id="%1 photos could not be read and were left out: %2.">
        <source></source>
        <translation>%1 photos n&apos;ont pas pu être lues et ont été ignorées : %2.</translation>
    </message>
    <message id="The file could not be read: %1">
        <source></source>
        <translation>Le fichier n&apos;a pas pu être lu : %1</translation>
    </message>
    <message id="No plant has a date acquired.">
        <source></source>
        <translation>Aucune plante n&apos;a de date d&apos;acquisition.</translation>
    </message>
    <message id="%1 without a date">
        <source></source>
        <translation>%1 sans date</translation>
    </message>
    <message id="Plants by Date Acquired">
        <source></source>
        <translation>Plantes par date d&apos;acquisition</translation>
    </message>
    <message id="Value by Date Acquired">
        <source></source>
        <translation>Valeur par date d&apos;acquisition</translation>
    </message>
    <message id="Plants by Genus">
        <source></source>
        <translation>Plantes par genre</translation>
    </message>
    <message id="Waterings Due in the Next %1 Days">
        <source></source>
        <translation>Arrosages à faire dans les %1 prochains jours</translation>
    </message>
    <message id="Charts">
        <source></source>
        <translation>Graphiques</translation>
    </message>
    <message id="Cacti Report">
        <source></source>
        <translation>Rapport des cactus</translation>
    </message>
    <message id="Summary">
        <source></source>
        <translation>Résumé</translation>
    </message>
    <message id="Total Cacti">
        <source></source>
        <translation>Nombre total de cactus</translation>
    </message>
    <message id="Total Watering Schedules">
        <source></source>
        <translation>Nombre total de programmes d&apos;arrosage</translation>
    </message>
    <message id="Total Log Entries">
        <source></source>
        <translation>Nombre total d&apos;entrées de journal</translation>
    </message>
    <message id="Unique Species">
        <source></source>
        <translation>Espèces distinctes</translation>
    </message>
    <message id="Total Value">
        <source></source>
        <translation>Valeur totale</translation>
    </message>
    <message id="Species Scientific Name">
        <source></source>
        <translation>Nom scientifique de l&apos;espèce</translation>
    </message>
    <message id="Species Common Name">
        <source></source>
        <translation>Nom commun de l&apos;espèce</translation>
    </message>
    <message id="Unknown Date">
        <source></source>
        <translation>Date inconnue</translation>
    </message>
    <message id="No Event Name">
        <source></source>
        <translation>Aucun nom d&apos;événement</translation>
    </message>
    <message id="The report folder %1 cannot be written.">
        <source></source>
        <translation>Le dossier du rapport %1 n&apos;est pas accessible en écriture.</translation>
    </message>
    <message id="The report %1 could not be written.">
        <source></source>
        <translation>Le rapport %1 n&apos;a pas pu être écrit.</translation>
    </message>
    <message id="No folder for the work files was found: the user's caches folder is unknown (set HOME or XDG_CACHE_HOME).">
        <source></source>
        <translation>Aucun dossier pour les fichiers de travail n&apos;a été trouvé : le dossier de cache de l&apos;utilisateur est inconnu (définissez HOME ou XDG_CACHE_HOME).</translation>
    </message>
    <message id="The work folder %1 could not be made.">
        <source></source>
        <translation>Le dossier de travail %1 n&apos;a pas pu être créé.</translation>
    </message>
    <message id="The work folder %1 cannot be used: something that is not a folder is in its place.">
        <source></source>
        <translation>Le dossier de travail %1 ne peut pas être utilisé : quelque chose qui n&apos;est pas un dossier occupe sa place.</translation>
    </message>
    <message id="The work folder %1 cannot be used: it is not writable.">
        <source></source>
        <translation>Le dossier de travail %1 ne peut pas être utilisé : il n&apos;est pas accessible en écriture.</translation>
    </message>
    <message id="Another transfer is running in this program; try again when it has finished.">
        <source></source>
        <translation>Un autre transfert est en cours dans ce programme ; réessayez lorsqu&apos;il sera terminé.</translation>
    </message>
    <message id="Another transfer is running (%1, process %2); try again when it has finished.">
        <source></source>
        <translation>Un autre transfert est en cours (%1, processus %2) ; réessayez lorsqu&apos;il sera terminé.</translation>
    </message>
    <message id="another program">
        <source></source>
        <translation>un autre programme</translation>
    </message>
    <message id="Another transfer is running; try again when it has finished.">
        <source></source>
        <translation>Un autre transfert est en cours ; réessayez lorsqu&apos;il sera terminé.</translation>
    </message>
    <message id="The work folder %1 cannot be used: its lock file could not be made.">
        <source></source>
        <translation>Le dossier de travail %1 ne peut pas être utilisé : son fichier de verrouillage n&apos;a pas pu être créé.</translation>
    </message>
    <message id="Import From SDBI">
        <source></source>
        <translation>Importer depuis un SDBI</translation>
    </message>
    <message id="Import From Spinora Database">
        <source></source>
        <translation>Importer depuis une base de données Spinora</translation>
    </message>
    <message id="Database File">
        <source></source>
        <translation>Fichier de base de données</translation>
    </message>
    <message id="Import From CSV">
        <source></source>
        <translation>Importer depuis un CSV</translation>
    </message>
    <message id="Export To SDBI">
        <source></source>
        <translation>Exporter en SDBI</translation>
    </message>
    <message id="Export To Spinora Database">
        <source></source>
        <translation>Exporter vers une base de données Spinora</translation>
    </message>
    <message id="Export To CSV">
        <source></source>
        <translation>Exporter en CSV</translation>
    </message>
    <message id="Type a path, or choose the file with Browse">
        <source></source>
        <translation>Saisissez un chemin ou choisissez le fichier avec Parcourir</translation>
    </message>
    <message id="Choose where to save with Browse">
        <source></source>
        <translation>Choisissez l&apos;emplacement d&apos;enregistrement avec Parcourir</translation>
    </message>
    <message id="There is no file “%1”.">
        <source></source>
        <translation>Il n&apos;existe aucun fichier « %1 ».</translation>
    </message>
    <message id="A4, 3 × 8 labels of 70 × 37 mm">
        <source></source>
        <translation>A4, 3 × 8 étiquettes de 70 × 37 mm</translation>
    </message>
    <message id="US Letter, 3 × 10 labels of 2.625 × 1 in">
        <source></source>
        <translation>US Letter, 3 × 10 étiquettes de 2,625 × 1 po</translation>
    </message>
    <message id="%n labels" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n étiquette</numerusform>
            <numerusform>%n étiquettes</numerusform>
        </translation>
    </message>
    <message id="%n pages" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n page</numerusform>
            <numerusform>%n pages</numerusform>
        </translation>
    </message>
    <message id=" mm">
        <source></source>
        <translation> mm</translation>
    </message>
    <message id="Nothing was printed: the printer “%1” could not be used.">
        <source></source>
        <translation>Rien n&apos;a été imprimé : l&apos;imprimante « %1 » n&apos;a pas pu être utilisée.</translation>
    </message>
    <message id="Nothing was printed: the file “%1” could not be written.">
        <source></source>
        <translation>Rien n&apos;a été imprimé : le fichier « %1 » n&apos;a pas pu être écrit.</translation>
    </message>
    <message id="Error: out of memory.">
        <source></source>
        <translation>Erreur : mémoire insuffisante.</translation>
    </message>
    <message id="Error: unknown exception.">
        <source></source>
        <translation>Erreur : exception inconnue.</translation>
    </message>
    <message id="No snapshot of the collection could be kept: %1">
        <source></source>
        <translation>Aucun instantané de la collection n&apos;a pu être conservé : %1</translation>
    </message>
    <message id="the collection as it is now could not be kept first, so nothing was changed: %1">
        <source></source>
        <translation>la collection dans son état actuel n&apos;a pas pu être conservée au préalable : rien n&apos;a donc été modifié : %1</translation>
    </message>
    <message id="the collection was opened read-only">
        <source></source>
        <translation>la collection a été ouverte en lecture seule</translation>
    </message>
    <message id="Other">
        <source></source>
        <translation>Autre</translation>
    </message>
    <message id="it does not exist.">
        <source></source>
        <translation>elle n&apos;existe pas.</translation>
    </message>
    <message id="it is not a collection package (a folder ending in .sdb).">
        <source></source>
        <translation>ce n&apos;est pas un paquet de collection (un dossier se terminant par .sdb).</translation>
    </message>
    <message id="the folder holds no %1, so it is not a Spinora collection.">
        <source></source>
        <translation>le dossier ne contient aucun %1 : ce n&apos;est donc pas une collection Spinora.</translation>
    </message>
    <message id="it is read-only. Make it writable, or copy it to another place, to open it.">
        <source></source>
        <translation>elle est en lecture seule. Rendez-la accessible en écriture, ou copiez-la ailleurs, pour l&apos;ouvrir.</translation>
    </message>
    <message id="the collection is not open">
        <source></source>
        <translation>la collection n&apos;est pas ouverte</translation>
    </message>
    <message id="the collection could not be read again: %1">
        <source></source>
        <translation>la collection n&apos;a pas pu être relue : %1</translation>
    </message>
    <message id="the file is not a picture">
        <source></source>
        <translation>le fichier n&apos;est pas une image</translation>
    </message>
    <message id="the picture is too large (%1 × %2 pixels)">
        <source></source>
        <translation>l&apos;image est trop grande (%1 × %2 pixels)</translation>
    </message>
    <message id="the picture cannot be decoded (%1)">
        <source></source>
        <translation>l&apos;image ne peut pas être décodée (%1)</translation>
    </message>
    <message id="the file cannot be read">
        <source></source>
        <translation>le fichier ne peut pas être lu</translation>
    </message>
    <message id="the file is larger than %1 MB">
        <source></source>
        <translation>le fichier dépasse %1 Mo</translation>
    </message>
    <message id="Error: a photo needs its three prepared files.">
        <source></source>
        <translation>Erreur : une photo nécessite ses trois fichiers préparés.</translation>
    </message>
    <message id="a change to it was cut short when Spinora or the computer stopped">
        <source></source>
        <translation>une modification a été interrompue par l&apos;arrêt de Spinora ou de l&apos;ordinateur</translation>
    </message>
    <message id="%1, and must be undone before the collection can be read. That takes writing, and the collection is read-only here. Copy the whole collection, with the file %2-journal in it, to a writable place and open the copy.">
        <source></source>
        <translation>%1, et doit être annulé avant que la collection puisse être lue. Cela nécessite une écriture, et la collection est ici en lecture seule. Copiez toute la collection, avec le fichier %2-journal qu&apos;elle contient, dans un emplacement accessible en écriture et ouvrez la copie.</translation>
    </message>
    <message id="%1, and cannot be undone: %2">
        <source></source>
        <translation>%1, et ne peut pas être annulé : %2</translation>
    </message>
    <message id="%1, and undoing it failed: %2.">
        <source></source>
        <translation>%1, et son annulation a échoué : %2.</translation>
    </message>
    <message id="the collection is not open for writing.">
        <source></source>
        <translation>la collection n&apos;est pas ouverte en écriture.</translation>
    </message>
    <message id="no watering moment was given.">
        <source></source>
        <translation>aucun moment d&apos;arrosage n&apos;a été indiqué.</translation>
    </message>
    <message id="it is already open in this program.">
        <source></source>
        <translation>elle est déjà ouverte dans ce programme.</translation>
    </message>
    <message id="another program (process %1)">
        <source></source>
        <translation>un autre programme (processus %1)</translation>
    </message>
    <message id="it is in use by %1. Only one program at a time can change a collection; try again when it has finished.">
        <source></source>
        <translation>elle est utilisée par %1. Un seul programme à la fois peut modifier une collection ; réessayez lorsqu&apos;il aura terminé.</translation>
    </message>
    <message id="its lock file %1 cannot be opened (%2).">
        <source></source>
        <translation>son fichier de verrouillage %1 ne peut pas être ouvert (%2).</translation>
    </message>
    <message id="its lock file %1 cannot be locked (%2).">
        <source></source>
        <translation>son fichier de verrouillage %1 ne peut pas être verrouillé (%2).</translation>
    </message>
    <message id="its lock file %1 keeps being replaced by another program.">
        <source></source>
        <translation>son fichier de verrouillage %1 est sans cesse remplacé par un autre programme.</translation>
    </message>
    <message id="the picture cannot be converted to JPEG">
        <source></source>
        <translation>l&apos;image ne peut pas être convertie en JPEG</translation>
    </message>
    <message id="no database connection">
        <source></source>
        <translation>aucune connexion à la base de données</translation>
    </message>
    <message id="the current schema is not available (%1)">
        <source></source>
        <translation>le schéma actuel n&apos;est pas disponible (%1)</translation>
    </message>
    <message id="The collection %1 could not be opened: %2">
        <source></source>
        <translation>La collection %1 n&apos;a pas pu être ouverte : %2</translation>
    </message>
    <message id="The collection %1 could not be made: %2">
        <source></source>
        <translation>La collection %1 n&apos;a pas pu être créée : %2</translation>
    </message>
    <message id="The logs of %1 could not be read: %2">
        <source></source>
        <translation>Les entrées de journal de %1 n&apos;ont pas pu être lues : %2</translation>
    </message>
    <message id="%1. So that nothing is lost, the collection is now read-only: nothing in it is changed or deleted. Close it and open it again to try once more.">
        <source></source>
        <translation>%1. Pour que rien ne soit perdu, la collection est désormais en lecture seule : rien n&apos;y est modifié ni supprimé. Fermez-la et rouvrez-la pour réessayer.</translation>
    </message>
    <message id="it was made by a newer version of Spinora (schema %1; this version reads up to %2).">
        <source></source>
        <translation>elle a été créée par une version plus récente de Spinora (schéma %1 ; cette version lit jusqu&apos;au schéma %2).</translation>
    </message>
    <message id="its schema could not be upgraded (%1).">
        <source></source>
        <translation>son schéma n&apos;a pas pu être mis à niveau (%1).</translation>
    </message>
    <message id="the script %1 could not be read">
        <source></source>
        <translation>le script %1 n&apos;a pas pu être lu</translation>
    </message>
    <message id="The collection %1 was opened read-only and cannot be saved.">
        <source></source>
        <translation>La collection %1 a été ouverte en lecture seule et ne peut pas être enregistrée.</translation>
    </message>
    <message id="The collection %1 was saved, but could not be opened again: %2">
        <source></source>
        <translation>La collection %1 a été enregistrée, mais n&apos;a pas pu être rouverte : %2</translation>
    </message>
    <message id="The collection could not be saved as %1: %2">
        <source></source>
        <translation>La collection n&apos;a pas pu être enregistrée sous %1 : %2</translation>
    </message>
    <message id="The collection could not be saved as %1.">
        <source></source>
        <translation>La collection n&apos;a pas pu être enregistrée sous %1.</translation>
    </message>
    <message id="Caudiciform">
        <source></source>
        <translation>Caudiciforme</translation>
    </message>
    <message id="Leaf Succulent">
        <source></source>
        <translation>Succulente à feuilles</translation>
    </message>
    <message id="Root Succulent">
        <source></source>
        <translation>Succulente à racine tubérisée</translation>
    </message>
    <message id="Stem Succulent">
        <source></source>
        <translation>Succulente à tige</translation>
    </message>
    <message id="Seed">
        <source></source>
        <translation>Semis</translation>
    </message>
    <message id="Cutting">
        <source></source>
        <translation>Bouture</translation>
    </message>
    <message id="Offset">
        <source></source>
        <translation>Rejet</translation>
    </message>
    <message id="Grafted">
        <source></source>
        <translation>Greffé</translation>
    </message>
    <message id="Wild">
        <source></source>
        <translation>Milieu naturel</translation>
    </message>
    <message id="Nursery Stock">
        <source></source>
        <translation>Pépinière</translation>
    </message>
    <message id="Private Grower">
        <source></source>
        <translation>Collectionneur privé</translation>
    </message>
    <message id="Retailer">
        <source></source>
        <translation>Revendeur</translation>
    </message>
    <message id="Ceramic">
        <source></source>
        <translation>Céramique</translation>
    </message>
    <message id="Concrete">
        <source></source>
        <translation>Béton</translation>
    </message>
    <message id="Fiberglass">
        <source></source>
        <translation>Fibre de verre</translation>
    </message>
    <message id="Mica">
        <source></source>
        <translation>Mica</translation>
    </message>
    <message id="None (In-Ground)">
        <source></source>
        <translation>Aucun (pleine terre)</translation>
    </message>
    <message id="Plastic">
        <source></source>
        <translation>Plastique</translation>
    </message>
    <message id="Stone">
        <source></source>
        <translation>Pierre</translation>
    </message>
    <message id="Wood">
        <source></source>
        <translation>Bois</translation>
    </message>
    <message id="Round">
        <source></source>
        <translation>Rond</translation>
    </message>
    <message id="Oval">
        <source></source>
        <translation>Ovale</translation>
    </message>
    <message id="Square">
        <source></source>
        <translation>Carré</translation>
    </message>
    <message id="Rectangular">
        <source></source>
        <translation>Rectangulaire</translation>
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
        <translation>Coupe</translation>
    </message>
    <message id="Lotus">
        <source></source>
        <translation>Lotus</translation>
    </message>
    <message id="Flat">
        <source></source>
        <translation>Plat</translation>
    </message>
    <message id="Irregular">
        <source></source>
        <translation>Irrégulier</translation>
    </message>
    <message id="hours">
        <source></source>
        <translation>heures</translation>
    </message>
    <message id="days">
        <source></source>
        <translation>jours</translation>
    </message>
    <message id="weeks">
        <source></source>
        <translation>semaines</translation>
    </message>
    <message id="months">
        <source></source>
        <translation>mois</translation>
    </message>
    <message id="hour">
        <source></source>
        <translation>heure</translation>
    </message>
    <message id="day">
        <source></source>
        <translation>jour</translation>
    </message>
    <message id="week">
        <source></source>
        <translation>semaine</translation>
    </message>
    <message id="month">
        <source></source>
        <translation>mois</translation>
    </message>
    <message id="Spray">
        <source></source>
        <translation>Pulvérisation</translation>
    </message>
    <message id="LightQuantity">
        <source></source>
        <translation>Léger</translation>
    </message>
    <message id="Moderate">
        <source></source>
        <translation>Modéré</translation>
    </message>
    <message id="Soak">
        <source></source>
        <translation>Trempage</translation>
    </message>
    <message id="a cactus">
        <source></source>
        <translation>un cactus</translation>
    </message>
    <message id="a watering schedule">
        <source></source>
        <translation>un programme d&apos;arrosage</translation>
    </message>
    <message id="a log">
        <source></source>
        <translation>une entrée de journal</translation>
    </message>
    <message id="a photo">
        <source></source>
        <translation>une photo</translation>
    </message>
    <message id="a record (%1)">
        <source></source>
        <translation>un enregistrement (%1)</translation>
    </message>
    <message id="%1 it needs is gone">
        <source></source>
        <translation>%1 dont elle a besoin n&apos;existe plus</translation>
    </message>
    <message id="%1 it would bring back has been made again">
        <source></source>
        <translation>%1 qu&apos;elle rétablirait existe de nouveau</translation>
    </message>
    <message id="%1 it touches has been changed since">
        <source></source>
        <translation>%1 qu&apos;elle concerne a changé depuis</translation>
    </message>
    <message id="what it needs could not be read from %1">
        <source></source>
        <translation>ce dont elle a besoin n&apos;a pas pu être lu depuis %1</translation>
    </message>
    <message id="the collection as it was before was not kept">
        <source></source>
        <translation>la collection dans son état précédent n&apos;a pas été conservée</translation>
    </message>
    <message id="“%1” could not be undone: %2.">
        <source></source>
        <translation>« %1 » n&apos;a pas pu être annulé : %2.</translation>
    </message>
    <message id="“%1” could not be redone: %2.">
        <source></source>
        <translation>« %1 » n&apos;a pas pu être refait : %2.</translation>
    </message>
    <message id="the database is damaged (%1).">
        <source></source>
        <translation>la base de données est endommagée (%1).</translation>
    </message>
    <message id="Print the list">
        <source></source>
        <translation>Imprimer la liste</translation>
    </message>
    <message id="Import from device">
        <source></source>
        <translation>Importer depuis l&apos;appareil</translation>
    </message>
    <message id="Import database from Spinora Mobile App">
        <source></source>
        <translation>Importer la base de données depuis l&apos;application mobile Spinora</translation>
    </message>
    <message id="Export to device">
        <source></source>
        <translation>Exporter vers l&apos;appareil</translation>
    </message>
    <message id="Export database to Spinora Mobile App">
        <source></source>
        <translation>Exporter la base de données vers l&apos;application mobile Spinora</translation>
    </message>
    <message id="Show database statistics">
        <source></source>
        <translation>Afficher les statistiques de la base de données</translation>
    </message>
    <message id="Delete Item">
        <source></source>
        <translation>Supprimer l&apos;élément</translation>
    </message>
    <message id="Remove an item from the list">
        <source></source>
        <translation>Retirer un élément de la liste</translation>
    </message>
    <message id="Add an item to the list">
        <source></source>
        <translation>Ajouter un élément à la liste</translation>
    </message>
    <message id="%n watering schedules" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n programme d&apos;arrosage</numerusform>
            <numerusform>%n programmes d&apos;arrosage</numerusform>
        </translation>
    </message>
    <message id="%1 and its %n cacti" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%1 et son %n cactus</numerusform>
            <numerusform>%1 et ses %n cactus</numerusform>
        </translation>
    </message>
    <message id="%1 and their %n cacti" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%1 et leur %n cactus</numerusform>
            <numerusform>%1 et leurs %n cactus</numerusform>
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
        <translation>Aucune entrée de journal n&apos;a encore l&apos;événement « Fleuri ».</translation>
    </message>
    <message id="How often each plant flowered in each month, over all years; the plants likely to flower in %1 first.">
        <source></source>
        <translation>Fréquence de floraison de chaque plante pour chaque mois, toutes années confondues ; les plantes susceptibles de fleurir en %1 en premier.</translation>
    </message>
    <message id="No date">
        <source></source>
        <translation>Sans date</translation>
    </message>
    <message id="%1, %2">
        <source></source>
        <translation>%1, %2</translation>
    </message>
    <message id="Photo Timeline of %1">
        <source></source>
        <translation>Chronologie des photos de %1</translation>
    </message>
    <message id="Photos, oldest first">
        <source></source>
        <translation>Photos, les plus anciennes en premier</translation>
    </message>
    <message id="This plant has no photos yet, neither its own nor in its logs.">
        <source></source>
        <translation>Cette plante n&apos;a encore aucune photo, ni à elle ni dans ses entrées de journal.</translation>
    </message>
    <message id="Choose two photos (Ctrl+click) to see them side by side.">
        <source></source>
        <translation>Choisissez deux photos (Ctrl+clic) pour les voir côte à côte.</translation>
    </message>
    <message id="Earlier photo">
        <source></source>
        <translation>Photo plus ancienne</translation>
    </message>
    <message id="Later photo">
        <source></source>
        <translation>Photo plus récente</translation>
    </message>
    <message id="%1 (%2 without a date)">
        <source></source>
        <translation>%1 (%2 sans date)</translation>
    </message>
    <message id="Log Entries">
        <source></source>
        <translation>Entrées de journal</translation>
    </message>
    <message id="Watering Due">
        <source></source>
        <translation>Arrosages à faire</translation>
    </message>
    <message id="Reminders Due">
        <source></source>
        <translation>Rappels à faire</translation>
    </message>
    <message id="%1:">
        <source></source>
        <translation>%1 :</translation>
    </message>
    <message id="no collection at %1">
        <source></source>
        <translation>aucune collection dans %1</translation>
    </message>
    <message id="no snapshot was kept: %1">
        <source></source>
        <translation>aucun instantané n&apos;a été conservé : %1</translation>
    </message>
    <message id="%1 has no snapshot named %2 (spinora-cli backups %1 lists them); nothing was changed">
        <source></source>
        <translation>%1 n&apos;a aucun instantané nommé %2 (spinora-cli backups %1 les liste) ; rien n&apos;a été modifié</translation>
    </message>
    <message id="%1 was not restored: %2">
        <source></source>
        <translation>%1 n&apos;a pas été restauré : %2</translation>
    </message>
    <message id="the collection as it was is kept as %1">
        <source></source>
        <translation>la collection dans son état précédent est conservée sous %1</translation>
    </message>
    <message id="%1 needs a value">
        <source></source>
        <translation>%1 nécessite une valeur</translation>
    </message>
    <message id="usage: %1">
        <source></source>
        <translation>usage : %1</translation>
    </message>
    <message id="%1 must be a whole number from %2 to %3, not “%4”">
        <source></source>
        <translation>%1 doit être un nombre entier de %2 à %3, et non « %4 »</translation>
    </message>
    <message id="%1 must be a local date and time as YYYY-MM-DD HH:MM, not “%2”">
        <source></source>
        <translation>%1 doit être une date et une heure locales au format AAAA-MM-JJ HH:MM, et non « %2 »</translation>
    </message>
    <message id="the collection could not be written">
        <source></source>
        <translation>la collection n&apos;a pas pu être écrite</translation>
    </message>
    <message id="%1 is damaged: %2 Nothing was changed. “spinora-cli backups %1” lists its snapshots and “spinora-cli restore %1 SNAPSHOT” brings one back.">
        <source></source>
        <translation>%1 est endommagée : %2 Rien n&apos;a été modifié. « spinora-cli backups %1 » liste ses instantanés et « spinora-cli restore %1 SNAPSHOT » en restaure un.</translation>
    </message>
    <message id="its photo file %1 is missing.">
        <source></source>
        <translation>son fichier photo %1 est manquant.</translation>
    </message>
    <message id="%1 photo files are missing, the first %2.">
        <source></source>
        <translation>%1 fichiers photo sont manquants, le premier étant %2.</translation>
    </message>
    <message id="%1: a collection's name must end in .%2">
        <source></source>
        <translation>%1 : le nom d&apos;une collection doit se terminer par .%2</translation>
    </message>
    <message id="%1 already exists; nothing was changed">
        <source></source>
        <translation>%1 existe déjà ; rien n&apos;a été modifié</translation>
    </message>
    <message id="the folder %1 does not exist">
        <source></source>
        <translation>le dossier %1 n&apos;existe pas</translation>
    </message>
    <message id="the sample could not be written">
        <source></source>
        <translation>l&apos;exemple n&apos;a pas pu être écrit</translation>
    </message>
    <message id="created %1 with %2 cacti, %3 watering schedules, %4 logs and %5 photos">
        <source></source>
        <translation>créée le %1 avec %2 cactus, %3 programmes d&apos;arrosage, %4 entrées de journal et %5 photos</translation>
    </message>
    <message id="list what? “%1” is not cacti, watering or logs">
        <source></source>
        <translation>lister quoi ? « %1 » n&apos;est ni cacti, ni watering, ni logs</translation>
    </message>
    <message id="at most three --no-water periods">
        <source></source>
        <translation>au plus trois périodes --no-water</translation>
    </message>
    <message id="--no-water must be MM-DD:MM-DD with real days, not “%1”">
        <source></source>
        <translation>--no-water doit être au format MM-JJ:MM-JJ avec des jours réels, et non « %1 »</translation>
    </message>
    <message id="warning: %1">
        <source></source>
        <translation>avertissement : %1</translation>
    </message>
    <message id="there is no session bus to post the notification on (%1)">
        <source></source>
        <translation>il n&apos;y a aucun bus de session sur lequel publier la notification (%1)</translation>
    </message>
    <message id="no notification service answers on the session bus (%1)">
        <source></source>
        <translation>aucun service de notification ne répond sur le bus de session (%1)</translation>
    </message>
    <message id="the notification service refused the notification (%1)">
        <source></source>
        <translation>le service de notification a refusé la notification (%1)</translation>
    </message>
    <message id="%1 wants a device address such as http://host:port, not “%2”">
        <source></source>
        <translation>%1 attend une adresse d&apos;appareil telle que http://hôte:port, et non « %2 »</translation>
    </message>
    <message id="the import failed; nothing was changed">
        <source></source>
        <translation>l&apos;importation a échoué ; rien n&apos;a été modifié</translation>
    </message>
    <message id="the import failed; nothing was changed: %1">
        <source></source>
        <translation>l&apos;importation a échoué ; rien n&apos;a été modifié : %1</translation>
    </message>
    <message id="download failed: %1">
        <source></source>
        <translation>échec du téléchargement : %1</translation>
    </message>
    <message id="upload failed: %1 - %2">
        <source></source>
        <translation>échec de l&apos;envoi : %1 - %2</translation>
    </message>
    <message id="service discovery failed: %1; it needs the avahi-daemon service (start it with &quot;systemctl start avahi-daemon&quot;)">
        <source></source>
        <translation>la découverte de services a échoué : %1 ; elle nécessite le service avahi-daemon (démarrez-le avec &quot;systemctl start avahi-daemon&quot;)</translation>
    </message>
    <message id="pull needs --from URL">
        <source></source>
        <translation>pull nécessite --from URL</translation>
    </message>
    <message id="import option %1 does not fit a device in mode %2: %3">
        <source></source>
        <translation>l&apos;option d&apos;importation %1 ne convient pas à un appareil en mode %2 : %3</translation>
    </message>
    <message id="push needs --to URL">
        <source></source>
        <translation>push nécessite --to URL</translation>
    </message>
    <message id="%1 Add --force to replace it.">
        <source></source>
        <translation>%1 Ajoutez --force pour le remplacer.</translation>
    </message>
    <message id="%1 Nothing was written.">
        <source></source>
        <translation>%1 Rien n&apos;a été écrit.</translation>
    </message>
    <message id="Exporting to the open collection itself is not permitted">
        <source></source>
        <translation>L&apos;exportation vers la collection ouverte elle-même n&apos;est pas autorisée</translation>
    </message>
    <message id="%1: use export-csv for CSV files">
        <source></source>
        <translation>%1 : utilisez export-csv pour les fichiers CSV</translation>
    </message>
    <message id="%1: a CSV file's name must end in .csv">
        <source></source>
        <translation>%1 : le nom d&apos;un fichier CSV doit se terminer par .csv</translation>
    </message>
    <message id="Writing a report into the open collection itself is not permitted">
        <source></source>
        <translation>L&apos;écriture d&apos;un rapport dans la collection ouverte elle-même n&apos;est pas autorisée</translation>
    </message>
    <message id="the file %1 could not be written">
        <source></source>
        <translation>le fichier %1 n&apos;a pas pu être écrit</translation>
    </message>
    <message id="nothing to import at %1">
        <source></source>
        <translation>rien à importer dans %1</translation>
    </message>
    <message id="--map is for CSV files">
        <source></source>
        <translation>--map est réservé aux fichiers CSV</translation>
    </message>
    <message id="--map: %1">
        <source></source>
        <translation>--map : %1</translation>
    </message>
    <message id="Importing from the open collection itself is not permitted">
        <source></source>
        <translation>L&apos;importation depuis la collection ouverte elle-même n&apos;est pas autorisée</translation>
    </message>
    <message id="--page-size must be A4 or Letter, not “%1”">
        <source></source>
        <translation>--page-size doit valoir A4 ou Letter, et non « %1 »</translation>
    </message>
    <message id="--record must be a record's key (a whole number), not “%1”">
        <source></source>
        <translation>--record doit être la clé d&apos;un enregistrement (un nombre entier), et non « %1 »</translation>
    </message>
    <message id="--record needs a sheet screen (3, 4 or 5)">
        <source></source>
        <translation>--record nécessite un écran de fiche (3, 4 ou 5)</translation>
    </message>
    <message id="the collection has no cactus with the key %1">
        <source></source>
        <translation>la collection ne contient aucun cactus ayant la clé %1</translation>
    </message>
    <message id="the collection has no cactus to print">
        <source></source>
        <translation>la collection ne contient aucun cactus à imprimer</translation>
    </message>
    <message id="the collection has no watering schedule with the key %1">
        <source></source>
        <translation>la collection ne contient aucun programme d&apos;arrosage ayant la clé %1</translation>
    </message>
    <message id="the collection has no watering schedule to print">
        <source></source>
        <translation>la collection ne contient aucun programme d&apos;arrosage à imprimer</translation>
    </message>
    <message id="the collection has no log with the key %1">
        <source></source>
        <translation>la collection ne contient aucune entrée de journal ayant la clé %1</translation>
    </message>
    <message id="the collection has no log to print">
        <source></source>
        <translation>la collection ne contient aucune entrée de journal à imprimer</translation>
    </message>
    <message id="--layout must be a4-3x8 or letter-3x10, not “%1”">
        <source></source>
        <translation>--layout doit valoir a4-3x8 ou letter-3x10, et non « %1 »</translation>
    </message>
    <message id="no cactus matches “%1”">
        <source></source>
        <translation>aucun cactus ne correspond à « %1 »</translation>
    </message>
    <message id="due">
        <source></source>
        <translation>à faire</translation>
    </message>
    <message id="1 day overdue">
        <source></source>
        <translation>1 jour de retard</translation>
    </message>
    <message id="%1 days overdue">
        <source></source>
        <translation>%1 jours de retard</translation>
    </message>
    <message id="nothing due">
        <source></source>
        <translation>rien à faire</translation>
    </message>
    <message id="(no schedule)">
        <source></source>
        <translation>(aucun programme)</translation>
    </message>
    <message id="(no plants)">
        <source></source>
        <translation>(aucune plante)</translation>
    </message>
    <message id="%1: %2, next watering %3, %4">
        <source></source>
        <translation>%1 : %2, prochain arrosage %3, %4</translation>
    </message>
    <message id="reminder: %1, %2">
        <source></source>
        <translation>rappel : %1, %2</translation>
    </message>
    <message id="reminder: %1 (%2), %3">
        <source></source>
        <translation>rappel : %1 (%2), %3</translation>
    </message>
    <message id="1 plant to water">
        <source></source>
        <translation>1 plante à arroser</translation>
    </message>
    <message id="%1 plants to water">
        <source></source>
        <translation>%1 plantes à arroser</translation>
    </message>
    <message id="1 reminder">
        <source></source>
        <translation>1 rappel</translation>
    </message>
    <message id="%1 reminders">
        <source></source>
        <translation>%1 rappels</translation>
    </message>
    <message id="%1 and %2">
        <source></source>
        <translation>%1 et %2</translation>
    </message>
    <message id="%1 today">
        <source></source>
        <translation>%1 aujourd&apos;hui</translation>
    </message>
    <message id="%1 by %2">
        <source></source>
        <translation>%1 par %2</translation>
    </message>
    <message id="%1 and %2 more">
        <source></source>
        <translation>%1 et %2 autres</translation>
    </message>
    <message id="nothing due: no notification">
        <source></source>
        <translation>rien à faire : aucune notification</translation>
    </message>
    <message id="%1 could not be started">
        <source></source>
        <translation>%1 n&apos;a pas pu être lancé</translation>
    </message>
    <message id="--on must be a date as YYYY-MM-DD, not “%1”">
        <source></source>
        <translation>--on doit être une date au format AAAA-MM-JJ, et non « %1 »</translation>
    </message>
    <message id="no collection named and no recent collection to check">
        <source></source>
        <translation>aucune collection indiquée et aucune collection récente à vérifier</translation>
    </message>
    <message id="--at %1 lies in the future; a watering can only be recorded once it is done">
        <source></source>
        <translation>--at %1 est dans le futur ; un arrosage ne peut être enregistré qu&apos;une fois effectué</translation>
    </message>
    <message id="no watering schedule is named “%1”; nothing was changed">
        <source></source>
        <translation>aucun programme d&apos;arrosage ne s&apos;appelle « %1 » ; rien n&apos;a été modifié</translation>
    </message>
    <message id="no cactus is named “%1”; nothing was changed">
        <source></source>
        <translation>aucun cactus ne s&apos;appelle « %1 » ; rien n&apos;a été modifié</translation>
    </message>
    <message id="the watering could not be recorded">
        <source></source>
        <translation>l&apos;arrosage n&apos;a pas pu être enregistré</translation>
    </message>
    <message id="unknown subcommand “%1” (see spinora-cli --help)">
        <source></source>
        <translation>sous-commande inconnue « %1 » (voir spinora-cli --help)</translation>
    </message>
    <message id="The latest changes to “%1” could not be written: %2">
        <source></source>
        <translation>Les dernières modifications de « %1 » n&apos;ont pas pu être écrites : %2</translation>
    </message>
    <message id="The window stays open so that they are not lost. Make room and close it again, or save the collection somewhere else.">
        <source></source>
        <translation>La fenêtre reste ouverte afin qu&apos;elles ne soient pas perdues. Libérez de l&apos;espace et fermez-la de nouveau, ou enregistrez la collection ailleurs.</translation>
    </message>
    <message id="the photo could not be written into the collection (is the disk full?)">
        <source></source>
        <translation>la photo n&apos;a pas pu être écrite dans la collection (le disque est-il plein&#x202f;?)</translation>
    </message>
    <message id="unknown option %1">
        <source></source>
        <translation>option inconnue %1</translation>
    </message>
    <message id="name at least one --schedule or --cactus">
        <source></source>
        <translation>indiquez au moins un --schedule ou --cactus</translation>
    </message>
    <message id="&lt; 1 year">
        <source></source>
        <translation>&lt; 1 an</translation>
    </message>
    <message id="%n years" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n an</numerusform>
            <numerusform>%n ans</numerusform>
        </translation>
    </message>
    <message id="Columns of %1">
        <source></source>
        <translation>Colonnes de %1</translation>
    </message>
    <message id="This file is not in the Spinora CSV template layout. Choose what each column holds; its first rows are shown below it.">
        <source></source>
        <translation>Ce fichier ne suit pas le modèle CSV de Spinora. Choisissez ce que contient chaque colonne ; ses premières lignes sont affichées en dessous.</translation>
    </message>
    <message id="Columns of the file">
        <source></source>
        <translation>Colonnes du fichier</translation>
    </message>
    <message id="Field of the column “%1”">
        <source></source>
        <translation>Champ de la colonne « %1 »</translation>
    </message>
    <message id="Skip">
        <source></source>
        <translation>Ignorer</translation>
    </message>
    <message id="Choose the column that holds the plants' names.">
        <source></source>
        <translation>Choisissez la colonne qui contient les noms des plantes.</translation>
    </message>
    <message id="%n hours" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n heure</numerusform>
            <numerusform>%n heures</numerusform>
        </translation>
    </message>
    <message id="%n days" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
        </translation>
    </message>
    <message id="%n weeks" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n semaine</numerusform>
            <numerusform>%n semaines</numerusform>
        </translation>
    </message>
    <message id="%n months" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n mois</numerusform>
            <numerusform>%n mois</numerusform>
        </translation>
    </message>
    <message id="Keep the &amp;original file of each photo added (full detail, date taken)">
        <source></source>
        <translation>Conserver le fichier &amp;original de chaque photo ajoutée (tous les détails, date de prise de vue)</translation>
    </message>
    <message id="The originals take %1 in the open collections.">
        <source></source>
        <translation>Les originaux occupent %1 dans les collections ouvertes.</translation>
    </message>
    <message id="Print Photo…">
        <source></source>
        <translation>Imprimer la photo…</translation>
    </message>
    <message id="Print the photo on a page">
        <source></source>
        <translation>Imprimer la photo sur une page</translation>
    </message>
    <message id="Taken on %1 at %2">
        <source></source>
        <translation>Prise le %1 à %2</translation>
    </message>
</context>
</TS>
