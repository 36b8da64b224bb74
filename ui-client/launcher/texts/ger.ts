<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Enabled</source>
        <comment></comment>
        <translation>Aktiviert</translation>
    </message>
    <message>
        <source>Larkspan Drive has no optional features to change.</source>
        <comment></comment>
        <translation>Larkspan Drive hat keine optionalen Funktionen, die geändert werden können.</translation>
    </message>
    <message>
        <source>Merge</source>
        <comment></comment>
        <translation>Zusammenführen</translation>
    </message>
    <message>
        <source>Open folder</source>
        <comment></comment>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Sync folder on this computer</source>
        <comment></comment>
        <translation>Synchronisierungsordner auf diesem Computer</translation>
    </message>
    <message>
        <source>Tutorial that introduces the main features of %1</source>
        <comment></comment>
        <translation>Tutorial, das die wichtigsten Funktionen von %1 vorstellt</translation>
    </message>
    <message>
        <source>Renamed on the Larkspan</source>
        <comment></comment>
        <translation>Auf dem Larkspan umbenannt</translation>
    </message>
    <message>
        <source>Friday</source>
        <comment></comment>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Thursday</source>
        <comment></comment>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>The setup wizard is ready to begin the installation.</source>
        <comment></comment>
        <translation>Der Setup-Assistent ist bereit, mit der Installation zu beginnen.</translation>
    </message>
    <message>
        <source>Select the files to sync</source>
        <comment></comment>
        <translation>Zu synchronisierende Dateien auswählen</translation>
    </message>
    <message>
        <source>Loading...</source>
        <comment></comment>
        <translation>Wird geladen...</translation>
    </message>
    <message>
        <source>Sync direction</source>
        <comment></comment>
        <translation>Synchronisierungsrichtung</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <comment></comment>
        <translation>Eine neue Version ist verfügbar. Klicken Sie hier, um zu aktualisieren.</translation>
    </message>
    <message>
        <source>Ready to install Larkspan Drive</source>
        <comment></comment>
        <translation>Bereit zur Installation von Larkspan Drive</translation>
    </message>
    <message>
        <source>User name</source>
        <comment></comment>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>File sharing is not available over a relay connection.</source>
        <comment></comment>
        <translation>Die Dateifreigabe ist über eine Relay-Verbindung nicht verfügbar.</translation>
    </message>
    <message>
        <source>Last page</source>
        <comment></comment>
        <translation>Letzte Seite</translation>
    </message>
    <message>
        <source>One-way upload</source>
        <comment></comment>
        <translation>Einseitiger Upload</translation>
    </message>
    <message>
        <source>Setup is complete. %1 now keeps your files in sync.</source>
        <comment></comment>
        <translation>Die Einrichtung ist abgeschlossen. %1 hält Ihre Dateien jetzt synchron.</translation>
    </message>
    <message>
        <source>System default</source>
        <comment></comment>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>A sync folder named %1 already exists. Choose another name.</source>
        <comment></comment>
        <translation>Ein Synchronisierungsordner mit dem Namen %1 ist bereits vorhanden. Wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment></comment>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Choose the display language</source>
        <comment></comment>
        <translation>Anzeigesprache auswählen</translation>
    </message>
    <message>
        <source>The Larkspan Drive service is disabled on this Larkspan. Ask your administrator to enable it.</source>
        <comment></comment>
        <translation>Der Dienst Larkspan Drive ist auf diesem Larkspan deaktiviert. Bitten Sie Ihren Administrator, ihn zu aktivieren.</translation>
    </message>
    <message>
        <source>Search for Larkspan servers on the local network</source>
        <comment></comment>
        <translation>Im lokalen Netzwerk nach Larkspan-Servern suchen</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <comment></comment>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>Connected</source>
        <comment></comment>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <comment></comment>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Read the following license agreement and accept it to continue.</source>
        <comment></comment>
        <translation>Lesen Sie den folgenden Lizenzvertrag und akzeptieren Sie ihn, um fortzufahren.</translation>
    </message>
    <message>
        <source>Help</source>
        <comment></comment>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Launch Larkspan Drive now</source>
        <comment></comment>
        <translation>Larkspan Drive jetzt starten</translation>
    </message>
    <message>
        <source>User name:</source>
        <comment></comment>
        <translation>Benutzername:</translation>
    </message>
    <message>
        <source>Finishing the automatic setup...</source>
        <comment></comment>
        <translation>Automatische Einrichtung wird abgeschlossen...</translation>
    </message>
    <message>
        <source>Summary</source>
        <comment></comment>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <source>Selective sync mode</source>
        <comment></comment>
        <translation>Modus der selektiven Synchronisierung</translation>
    </message>
    <message>
        <source>Notifications</source>
        <comment></comment>
        <translation>Benachrichtigungen</translation>
    </message>
    <message>
        <source>Choose a folder on the Larkspan and a folder on this computer to keep in sync.</source>
        <comment></comment>
        <translation>Wählen Sie einen Ordner auf dem Larkspan und einen Ordner auf diesem Computer, die synchron gehalten werden sollen.</translation>
    </message>
    <message>
        <source>Files whose names match these patterns are not synced. Use * as a wildcard, for example *.tmp.</source>
        <comment></comment>
        <translation>Dateien, deren Namen diesen Mustern entsprechen, werden nicht synchronisiert. Verwenden Sie * als Platzhalter, zum Beispiel *.tmp.</translation>
    </message>
    <message>
        <source>OK</source>
        <comment></comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Everyone with the link can view the files.</source>
        <comment></comment>
        <translation>Jeder mit dem Link kann die Dateien anzeigen.</translation>
    </message>
    <message>
        <source>Set sync folder</source>
        <comment></comment>
        <translation>Synchronisierungsordner festlegen</translation>
    </message>
    <message>
        <source>Unlink</source>
        <comment></comment>
        <translation>Verbindung trennen</translation>
    </message>
    <message>
        <source>Value</source>
        <comment></comment>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Selective sync</source>
        <comment></comment>
        <translation>Selektive Synchronisierung</translation>
    </message>
    <message>
        <source>Continue</source>
        <comment></comment>
        <translation>Fortfahren</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <comment></comment>
        <translation>Die Initialisierung ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Share files with others</source>
        <comment></comment>
        <translation>Dateien für andere freigeben</translation>
    </message>
    <message>
        <source>Open Larkspan Drive</source>
        <comment></comment>
        <translation>Larkspan Drive öffnen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment></comment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Change which features of Larkspan Drive are installed</source>
        <comment></comment>
        <translation>Ändern, welche Funktionen von Larkspan Drive installiert sind</translation>
    </message>
    <message>
        <source>Unable to get the user information.</source>
        <comment></comment>
        <translation>Die Benutzerinformationen konnten nicht abgerufen werden.</translation>
    </message>
    <message>
        <source>Status information</source>
        <comment></comment>
        <translation>Statusinformationen</translation>
    </message>
    <message>
        <source>The setup wizard will install Larkspan Drive on your computer. Click Next to continue or Cancel to exit.</source>
        <comment></comment>
        <translation>Der Setup-Assistent installiert Larkspan Drive auf Ihrem Computer. Klicken Sie auf Weiter, um fortzufahren, oder auf Abbrechen, um das Setup zu beenden.</translation>
    </message>
    <message>
        <source>Show sync status icons on files and folders</source>
        <comment></comment>
        <translation>Synchronisierungsstatus als Symbol auf Dateien und Ordnern anzeigen</translation>
    </message>
    <message>
        <source>Change</source>
        <comment></comment>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Cancel setup</source>
        <comment></comment>
        <translation>Setup abbrechen</translation>
    </message>
    <message>
        <source>No proxy</source>
        <comment></comment>
        <translation>Kein Proxy</translation>
    </message>
    <message>
        <source>The client could not be upgraded. Please try again later.</source>
        <comment></comment>
        <translation>Der Client konnte nicht aktualisiert werden. Versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>Apply</source>
        <comment></comment>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Files in use</source>
        <comment></comment>
        <translation>Dateien in Verwendung</translation>
    </message>
    <message>
        <source>Service disabled</source>
        <comment></comment>
        <translation>Dienst deaktiviert</translation>
    </message>
    <message>
        <source>Reading the connection settings...</source>
        <comment></comment>
        <translation>Verbindungseinstellungen werden gelesen...</translation>
    </message>
    <message>
        <source>Mentioned you</source>
        <comment></comment>
        <translation>Hat Sie erwähnt</translation>
    </message>
    <message>
        <source>Updating...</source>
        <comment></comment>
        <translation>Wird aktualisiert...</translation>
    </message>
    <message>
        <source>Language</source>
        <comment></comment>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <comment></comment>
        <translation>Herzlichen Glückwunsch!</translation>
    </message>
    <message>
        <source>Enable sharing</source>
        <comment></comment>
        <translation>Freigabe aktivieren</translation>
    </message>
    <message>
        <source>The home folder service is not enabled for your account. Ask your administrator to enable it.</source>
        <comment></comment>
        <translation>Der Home-Ordner-Dienst ist für Ihr Konto nicht aktiviert. Bitten Sie Ihren Administrator, ihn zu aktivieren.</translation>
    </message>
    <message>
        <source>August</source>
        <comment></comment>
        <translation>August</translation>
    </message>
    <message>
        <source>Read and write</source>
        <comment></comment>
        <translation>Lesen und Schreiben</translation>
    </message>
    <message>
        <source>Remove</source>
        <comment></comment>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Larkspan Drive notification</source>
        <comment></comment>
        <translation>Benachrichtigung von Larkspan Drive</translation>
    </message>
    <message>
        <source>Open in the web portal</source>
        <comment></comment>
        <translation>Im Webportal öffnen</translation>
    </message>
    <message>
        <source>The selected sync folder is not valid. Choose another folder.</source>
        <comment></comment>
        <translation>Der ausgewählte Synchronisierungsordner ist ungültig. Wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <source>This field cannot be left blank.</source>
        <comment></comment>
        <translation>Dieses Feld darf nicht leer sein.</translation>
    </message>
    <message>
        <source>Start Larkspan Drive when I sign in</source>
        <comment></comment>
        <translation>Larkspan Drive bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>Some files that need to be updated are currently in use.</source>
        <comment></comment>
        <translation>Einige Dateien, die aktualisiert werden müssen, werden zurzeit verwendet.</translation>
    </message>
    <message>
        <source>File extensions:</source>
        <comment></comment>
        <translation>Dateierweiterungen:</translation>
    </message>
    <message>
        <source>Shared with me</source>
        <comment></comment>
        <translation>Für mich freigegeben</translation>
    </message>
    <message>
        <source>Stop downloading this version</source>
        <comment></comment>
        <translation>Download dieser Version abbrechen</translation>
    </message>
    <message>
        <source>Browse previous versions</source>
        <comment></comment>
        <translation>Frühere Versionen durchsuchen</translation>
    </message>
    <message>
        <source>Unable to create the local folder %1.</source>
        <comment></comment>
        <translation>Der lokale Ordner %1 konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Information</source>
        <comment></comment>
        <translation>Information</translation>
    </message>
    <message>
        <source>%1 is running.</source>
        <comment></comment>
        <translation>%1 wird ausgeführt.</translation>
    </message>
    <message>
        <source>Larkspan Drive keeps the files on your Larkspan and your computers in sync.</source>
        <comment></comment>
        <translation>Larkspan Drive hält die Dateien auf Ihrem Larkspan und Ihren Computern synchron.</translation>
    </message>
    <message>
        <source>Do not show this message again</source>
        <comment></comment>
        <translation>Diese Meldung nicht mehr anzeigen</translation>
    </message>
    <message>
        <source>Open the web portal</source>
        <comment></comment>
        <translation>Webportal öffnen</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <comment></comment>
        <translation>Aktualisierung</translation>
    </message>
    <message>
        <source>Done</source>
        <comment></comment>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Choose how to finish the setup:</source>
        <comment></comment>
        <translation>Wählen Sie, wie die Einrichtung abgeschlossen werden soll:</translation>
    </message>
    <message>
        <source>When a file exists on both sides, both are kept and the local copy is renamed as a conflict file.</source>
        <comment></comment>
        <translation>Wenn eine Datei auf beiden Seiten vorhanden ist, werden beide behalten und die lokale Kopie wird als Konfliktdatei umbenannt.</translation>
    </message>
    <message>
        <source>Only the users and groups you choose can open the files.</source>
        <comment></comment>
        <translation>Nur die von Ihnen ausgewählten Benutzer und Gruppen können die Dateien öffnen.</translation>
    </message>
    <message>
        <source>Invite people</source>
        <comment></comment>
        <translation>Personen einladen</translation>
    </message>
    <message>
        <source>This computer</source>
        <comment></comment>
        <translation>Dieser Computer</translation>
    </message>
    <message>
        <source>New shared item</source>
        <comment></comment>
        <translation>Neues freigegebenes Element</translation>
    </message>
    <message>
        <source>Uploading</source>
        <comment></comment>
        <translation>Wird hochgeladen</translation>
    </message>
    <message>
        <source>Automatic connection is not allowed by the server settings.</source>
        <comment></comment>
        <translation>Die Servereinstellungen lassen keine automatische Verbindung zu.</translation>
    </message>
    <message>
        <source>Restricted</source>
        <comment></comment>
        <translation>Eingeschränkt</translation>
    </message>
    <message>
        <source>Proxy</source>
        <comment></comment>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Keep both files and add the computer name to the local copy</source>
        <comment></comment>
        <translation>Beide Dateien behalten und den Computernamen an die lokale Kopie anhängen</translation>
    </message>
    <message>
        <source>Close the applications automatically and try to restart them afterwards.</source>
        <comment></comment>
        <translation>Anwendungen automatisch schließen und anschließend versuchen, sie neu zu starten.</translation>
    </message>
    <message>
        <source>This version of the client is too old. Upgrade Larkspan Drive to the latest version.</source>
        <comment></comment>
        <translation>Diese Version des Clients ist zu alt. Aktualisieren Sie Larkspan Drive auf die neueste Version.</translation>
    </message>
    <message>
        <source>Users and groups</source>
        <comment></comment>
        <translation>Benutzer und Gruppen</translation>
    </message>
    <message>
        <source>Right-click a file in your sync folder and choose Share link to share it with anyone.</source>
        <comment></comment>
        <translation>Klicken Sie mit der rechten Maustaste auf eine Datei in Ihrem Synchronisierungsordner und wählen Sie Link freigeben, um sie für beliebige Personen freizugeben.</translation>
    </message>
    <message>
        <source>Link permission</source>
        <comment></comment>
        <translation>Link-Berechtigung</translation>
    </message>
    <message>
        <source>The server&apos;s SSL certificate could not be verified.</source>
        <comment></comment>
        <translation>Das SSL-Zertifikat des Servers konnte nicht überprüft werden.</translation>
    </message>
    <message>
        <source>Repairs the most recent installation by restoring missing or damaged files and shortcuts.</source>
        <comment></comment>
        <translation>Repariert die letzte Installation, indem fehlende oder beschädigte Dateien und Verknüpfungen wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>Sync mode</source>
        <comment></comment>
        <translation>Synchronisierungsmodus</translation>
    </message>
    <message>
        <source>No previous versions are available for this file.</source>
        <comment></comment>
        <translation>Für diese Datei sind keine früheren Versionen verfügbar.</translation>
    </message>
    <message>
        <source>The remote folder is not mounted.</source>
        <comment></comment>
        <translation>Der Remote-Ordner ist nicht eingebunden.</translation>
    </message>
    <message>
        <source>Type</source>
        <comment></comment>
        <translation>Typ</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <comment></comment>
        <translation>Endbenutzer-Lizenzvertrag</translation>
    </message>
    <message>
        <source>Expire after a number of visits</source>
        <comment></comment>
        <translation>Nach einer bestimmten Anzahl von Zugriffen ablaufen</translation>
    </message>
    <message>
        <source>Signed-in users can view the files.</source>
        <comment></comment>
        <translation>Angemeldete Benutzer können die Dateien anzeigen.</translation>
    </message>
    <message>
        <source>The Larkspan Drive ID is not valid.</source>
        <comment></comment>
        <translation>Die ID von Larkspan Drive ist ungültig.</translation>
    </message>
    <message>
        <source>Change, repair or remove the installation</source>
        <comment></comment>
        <translation>Installation ändern, reparieren oder entfernen</translation>
    </message>
    <message>
        <source>Connection unstable</source>
        <comment></comment>
        <translation>Verbindung instabil</translation>
    </message>
    <message>
        <source>Date</source>
        <comment></comment>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <comment></comment>
        <translation>Geben Sie höchstens %1 Zeichen ein.</translation>
    </message>
    <message>
        <source>This computer was linked to a different server. Link %1 again to continue.</source>
        <comment></comment>
        <translation>Dieser Computer war mit einem anderen Server verbunden. Verbinden Sie %1 erneut, um fortzufahren.</translation>
    </message>
    <message>
        <source>No valid folder is selected.</source>
        <comment></comment>
        <translation>Es ist kein gültiger Ordner ausgewählt.</translation>
    </message>
    <message>
        <source>Version mismatch</source>
        <comment></comment>
        <translation>Versionskonflikt</translation>
    </message>
    <message>
        <source>No data</source>
        <comment></comment>
        <translation>Keine Daten</translation>
    </message>
    <message>
        <source>Setup was interrupted by an error.</source>
        <comment></comment>
        <translation>Das Setup wurde durch einen Fehler unterbrochen.</translation>
    </message>
    <message>
        <source>Open file</source>
        <comment></comment>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment></comment>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>A new version is available. Click to update to %1.</source>
        <comment></comment>
        <translation>Eine neue Version ist verfügbar. Klicken Sie hier, um auf %1 zu aktualisieren.</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment></comment>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Unable to delete the shared item.</source>
        <comment></comment>
        <translation>Das freigegebene Element konnte nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Error</source>
        <comment></comment>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Unable to list the versions of this file.</source>
        <comment></comment>
        <translation>Die Versionen dieser Datei konnten nicht aufgelistet werden.</translation>
    </message>
    <message>
        <source>%1 minutes ago</source>
        <comment></comment>
        <translation>vor %1 Minuten</translation>
    </message>
    <message>
        <source>Larkspan Drive encountered an error.</source>
        <comment></comment>
        <translation>In Larkspan Drive ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>Resume syncing these folders</source>
        <comment></comment>
        <translation>Synchronisierung dieser Ordner fortsetzen</translation>
    </message>
    <message>
        <source>Add folder</source>
        <comment></comment>
        <translation>Ordner hinzufügen</translation>
    </message>
    <message>
        <source>Lets you change the way the features are installed.</source>
        <comment></comment>
        <translation>Hiermit können Sie ändern, wie die Funktionen installiert werden.</translation>
    </message>
    <message>
        <source>Choose how you want to set up Larkspan Drive.</source>
        <comment></comment>
        <translation>Wählen Sie, wie Sie Larkspan Drive einrichten möchten.</translation>
    </message>
    <message>
        <source>Repair the installation</source>
        <comment></comment>
        <translation>Installation reparieren</translation>
    </message>
    <message>
        <source>When a file was changed on both sides:</source>
        <comment></comment>
        <translation>Wenn eine Datei auf beiden Seiten geändert wurde:</translation>
    </message>
    <message>
        <source>Later</source>
        <comment></comment>
        <translation>Später</translation>
    </message>
    <message>
        <source>The folder %1 already exists. Do you want to merge the two folders?</source>
        <comment></comment>
        <translation>Der Ordner %1 ist bereits vorhanden. Möchten Sie die beiden Ordner zusammenführen?</translation>
    </message>
    <message>
        <source>New shared item received</source>
        <comment></comment>
        <translation>Neues freigegebenes Element erhalten</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <comment></comment>
        <translation>Desktopbenachrichtigungen anzeigen</translation>
    </message>
    <message>
        <source>Larkspan Drive does not support the protocol used by this server.</source>
        <comment></comment>
        <translation>Larkspan Drive unterstützt das von diesem Server verwendete Protokoll nicht.</translation>
    </message>
    <message>
        <source>The local disk is full. Larkspan Drive has paused syncing.</source>
        <comment></comment>
        <translation>Der lokale Datenträger ist voll. Larkspan Drive hat die Synchronisierung angehalten.</translation>
    </message>
    <message>
        <source>No shared items</source>
        <comment></comment>
        <translation>Keine freigegebenen Elemente</translation>
    </message>
    <message>
        <source>Authentication failed. Check your user name and password.</source>
        <comment></comment>
        <translation>Die Authentifizierung ist fehlgeschlagen. Überprüfen Sie Ihren Benutzernamen und Ihr Passwort.</translation>
    </message>
    <message>
        <source>Choose the folders to keep in sync.</source>
        <comment></comment>
        <translation>Wählen Sie die Ordner aus, die synchron gehalten werden sollen.</translation>
    </message>
    <message>
        <source>Paused</source>
        <comment></comment>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>%1 is initializing...</source>
        <comment></comment>
        <translation>%1 wird initialisiert...</translation>
    </message>
    <message>
        <source>Up to date</source>
        <comment></comment>
        <translation>Auf dem neuesten Stand</translation>
    </message>
    <message>
        <source>Download cancelled.</source>
        <comment></comment>
        <translation>Download abgebrochen.</translation>
    </message>
    <message>
        <source>Larkspan Drive could not be upgraded.</source>
        <comment></comment>
        <translation>Larkspan Drive konnte nicht aktualisiert werden.</translation>
    </message>
    <message>
        <source>Your files, everywhere.</source>
        <comment></comment>
        <translation>Ihre Dateien, überall.</translation>
    </message>
    <message>
        <source>Sync the files that other users share with you.</source>
        <comment></comment>
        <translation>Synchronisieren Sie die Dateien, die andere Benutzer für Sie freigeben.</translation>
    </message>
    <message>
        <source>Change, repair or remove Larkspan Drive.</source>
        <comment></comment>
        <translation>Larkspan Drive ändern, reparieren oder entfernen.</translation>
    </message>
    <message>
        <source>Installing Larkspan Drive</source>
        <comment></comment>
        <translation>Larkspan Drive wird installiert</translation>
    </message>
    <message>
        <source>Keep both files and rename the conflicting one</source>
        <comment></comment>
        <translation>Beide Dateien behalten und die Datei im Konflikt umbenennen</translation>
    </message>
    <message>
        <source>The server version is not supported. Ask your administrator to upgrade the server.</source>
        <comment></comment>
        <translation>Die Serverversion wird nicht unterstützt. Bitten Sie Ihren Administrator, den Server zu aktualisieren.</translation>
    </message>
    <message>
        <source>Version</source>
        <comment></comment>
        <translation>Version</translation>
    </message>
    <message>
        <source>Resume syncing this folder</source>
        <comment></comment>
        <translation>Synchronisierung dieses Ordners fortsetzen</translation>
    </message>
    <message>
        <source>Show Larkspan Drive in the file manager&apos;s context menu</source>
        <comment></comment>
        <translation>Larkspan Drive im Kontextmenü des Dateimanagers anzeigen</translation>
    </message>
    <message>
        <source>About</source>
        <comment></comment>
        <translation>Info</translation>
    </message>
    <message>
        <source>Comments</source>
        <comment></comment>
        <translation>Kommentare</translation>
    </message>
    <message>
        <source>The relay service is disabled on the server.</source>
        <comment></comment>
        <translation>Der Relay-Dienst ist auf dem Server deaktiviert.</translation>
    </message>
    <message>
        <source>Last week</source>
        <comment></comment>
        <translation>Letzte Woche</translation>
    </message>
    <message>
        <source>Checking data...</source>
        <comment></comment>
        <translation>Daten werden überprüft...</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <comment></comment>
        <translation>Wird synchronisiert...</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment></comment>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>%1 items</source>
        <comment></comment>
        <translation>%1 Elemente</translation>
    </message>
    <message>
        <source>Download</source>
        <comment></comment>
        <translation>Download</translation>
    </message>
    <message>
        <source>%1 days ago</source>
        <comment></comment>
        <translation>vor %1 Tagen</translation>
    </message>
    <message>
        <source>Open settings</source>
        <comment></comment>
        <translation>Einstellungen öffnen</translation>
    </message>
    <message>
        <source>Unable to get the link to the file.</source>
        <comment></comment>
        <translation>Der Link zur Datei konnte nicht abgerufen werden.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. %1 will merge its content with the server.</source>
        <comment></comment>
        <translation>Der ausgewählte Ordner ist nicht leer. %1 führt seinen Inhalt mit dem Server zusammen.</translation>
    </message>
    <message>
        <source>Reconnect</source>
        <comment></comment>
        <translation>Erneut verbinden</translation>
    </message>
    <message>
        <source>Monday</source>
        <comment></comment>
        <translation>Montag</translation>
    </message>
    <message>
        <source>The shared folder conflicts with an existing sync folder.</source>
        <comment></comment>
        <translation>Der freigegebene Ordner steht in Konflikt mit einem vorhandenen Synchronisierungsordner.</translation>
    </message>
    <message>
        <source>Sync task from %1 to %2</source>
        <comment></comment>
        <translation>Synchronisierungsaufgabe von %1 nach %2</translation>
    </message>
    <message>
        <source>Mount point</source>
        <comment></comment>
        <translation>Einhängepunkt</translation>
    </message>
    <message>
        <source>Folder not empty</source>
        <comment></comment>
        <translation>Ordner nicht leer</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <comment></comment>
        <translation>Verbindung wird getrennt...</translation>
    </message>
    <message>
        <source>Time</source>
        <comment></comment>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>%1 does not support the protocol used by this server.</source>
        <comment></comment>
        <translation>%1 unterstützt das von diesem Server verwendete Protokoll nicht.</translation>
    </message>
    <message>
        <source>Folder path</source>
        <comment></comment>
        <translation>Ordnerpfad</translation>
    </message>
    <message>
        <source>February</source>
        <comment></comment>
        <translation>Februar</translation>
    </message>
    <message>
        <source>The server&apos;s certificate could not be verified. Syncing is paused.</source>
        <comment></comment>
        <translation>Das Zertifikat des Servers konnte nicht überprüft werden. Die Synchronisierung ist angehalten.</translation>
    </message>
    <message>
        <source>Close the applications that use these files.</source>
        <comment></comment>
        <translation>Schließen Sie die Anwendungen, die diese Dateien verwenden.</translation>
    </message>
    <message>
        <source>Automatic connection failed because of a system error.</source>
        <comment></comment>
        <translation>Die automatische Verbindung ist aufgrund eines Systemfehlers fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Show icons on files that are not synced</source>
        <comment></comment>
        <translation>Symbole auf nicht synchronisierten Dateien anzeigen</translation>
    </message>
    <message>
        <source>Larkspan Drive setup was interrupted. Your system has not been changed.</source>
        <comment></comment>
        <translation>Das Setup von Larkspan Drive wurde unterbrochen. Ihr System wurde nicht verändert.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has changed.</source>
        <comment></comment>
        <translation>Das Zertifikat des Servers hat sich geändert.</translation>
    </message>
    <message>
        <source>Files are stored in your local sync folder, for example /home/user/​LarkspanDrive.</source>
        <comment></comment>
        <translation>Dateien werden in Ihrem lokalen Synchronisierungsordner gespeichert, zum Beispiel /home/user/​LarkspanDrive.</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the installation of Larkspan Drive?</source>
        <comment></comment>
        <translation>Möchten Sie die Installation von Larkspan Drive wirklich abbrechen?</translation>
    </message>
    <message>
        <source>ID</source>
        <comment></comment>
        <translation>ID</translation>
    </message>
    <message>
        <source>%1 has been downloaded.</source>
        <comment></comment>
        <translation>%1 wurde heruntergeladen.</translation>
    </message>
    <message>
        <source>The connection is inactive.</source>
        <comment></comment>
        <translation>Die Verbindung ist inaktiv.</translation>
    </message>
    <message>
        <source>Changes in folders on network drives may not be detected right away.</source>
        <comment></comment>
        <translation>Änderungen in Ordnern auf Netzlaufwerken werden möglicherweise nicht sofort erkannt.</translation>
    </message>
    <message>
        <source>Share</source>
        <comment></comment>
        <translation>Freigeben</translation>
    </message>
    <message>
        <source>%1 encountered an error.</source>
        <comment></comment>
        <translation>In %1 ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>First page</source>
        <comment></comment>
        <translation>Erste Seite</translation>
    </message>
    <message>
        <source>Resume</source>
        <comment></comment>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Unable to enable sharing.</source>
        <comment></comment>
        <translation>Die Freigabe konnte nicht aktiviert werden.</translation>
    </message>
    <message>
        <source>The local disk is full. %1 has paused syncing.</source>
        <comment></comment>
        <translation>Der lokale Datenträger ist voll. %1 hat die Synchronisierung angehalten.</translation>
    </message>
    <message>
        <source>Custom duration</source>
        <comment></comment>
        <translation>Benutzerdefinierte Dauer</translation>
    </message>
    <message>
        <source>Remove this download</source>
        <comment></comment>
        <translation>Diesen Download entfernen</translation>
    </message>
    <message>
        <source>I accept the terms of the License Agreement</source>
        <comment></comment>
        <translation>Ich akzeptiere die Bedingungen des Lizenzvertrags</translation>
    </message>
    <message>
        <source>Select a folder on your computer to sync.</source>
        <comment></comment>
        <translation>Wählen Sie einen Ordner auf Ihrem Computer aus, der synchronisiert werden soll.</translation>
    </message>
    <message>
        <source>Action</source>
        <comment></comment>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Sync tasks</source>
        <comment></comment>
        <translation>Synchronisierungsaufgaben</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment></comment>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Click Finish to close the setup wizard.</source>
        <comment></comment>
        <translation>Klicken Sie auf Fertig stellen, um den Setup-Assistenten zu schließen.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Larkspan Drive will merge its content with the server.</source>
        <comment></comment>
        <translation>Der ausgewählte Ordner ist nicht leer. Larkspan Drive führt seinen Inhalt mit dem Server zusammen.</translation>
    </message>
    <message>
        <source>The disk of the Larkspan is full.</source>
        <comment></comment>
        <translation>Der Datenträger des Larkspan ist voll.</translation>
    </message>
    <message>
        <source>Manage</source>
        <comment></comment>
        <translation>Verwalten</translation>
    </message>
    <message>
        <source>The setup wizard lets you change the way Larkspan Drive is installed, repair it or remove it. Click Next to continue or Cancel to exit.</source>
        <comment></comment>
        <translation>Mit dem Setup-Assistenten können Sie die Installation von Larkspan Drive ändern, reparieren oder entfernen. Klicken Sie auf Weiter, um fortzufahren, oder auf Abbrechen, um das Setup zu beenden.</translation>
    </message>
    <message>
        <source>%1 requested access to %2</source>
        <comment></comment>
        <translation>%1 hat Zugriff auf %2 angefordert</translation>
    </message>
    <message>
        <source>Connected through the Internet</source>
        <comment></comment>
        <translation>Über das Internet verbunden</translation>
    </message>
    <message>
        <source>Sync your files</source>
        <comment></comment>
        <translation>Dateien synchronisieren</translation>
    </message>
    <message>
        <source>Unable to download this version.</source>
        <comment></comment>
        <translation>Diese Version konnte nicht heruntergeladen werden.</translation>
    </message>
    <message>
        <source>Larkspan Drive setup ended because of an error. Your system has not been changed.</source>
        <comment></comment>
        <translation>Das Setup von Larkspan Drive wurde aufgrund eines Fehlers beendet. Ihr System wurde nicht verändert.</translation>
    </message>
    <message>
        <source>Files shared with you appear in the %1 folder on this computer.</source>
        <comment></comment>
        <translation>Für Sie freigegebene Dateien werden auf diesem Computer im Ordner %1 angezeigt.</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this connection?</source>
        <comment></comment>
        <translation>Möchten Sie diese Verbindung wirklich trennen?</translation>
    </message>
    <message>
        <source>Retry</source>
        <comment></comment>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>The proxy server requires a password</source>
        <comment></comment>
        <translation>Der Proxyserver erfordert ein Passwort</translation>
    </message>
    <message>
        <source>Update to the latest version to use selective sync.</source>
        <comment></comment>
        <translation>Aktualisieren Sie auf die neueste Version, um die selektive Synchronisierung zu verwenden.</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again in %1 minutes.</source>
        <comment></comment>
        <translation>Zu viele fehlgeschlagene Versuche. Versuchen Sie es in %1 Minuten erneut.</translation>
    </message>
    <message>
        <source>File name</source>
        <comment></comment>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Inactive</source>
        <comment></comment>
        <translation>Inaktiv</translation>
    </message>
    <message>
        <source>You can change these settings at any time in %1.</source>
        <comment></comment>
        <translation>Sie können diese Einstellungen jederzeit in %1 ändern.</translation>
    </message>
    <message>
        <source>This version of Larkspan Drive is already installed. Do you want to install it again?</source>
        <comment></comment>
        <translation>Diese Version von Larkspan Drive ist bereits installiert. Möchten Sie sie erneut installieren?</translation>
    </message>
    <message>
        <source>The quota of the shared folder is full.</source>
        <comment></comment>
        <translation>Das Kontingent des freigegebenen Ordners ist ausgeschöpft.</translation>
    </message>
    <message>
        <source>The shared folder is not mounted.</source>
        <comment></comment>
        <translation>Der freigegebene Ordner ist nicht eingebunden.</translation>
    </message>
    <message>
        <source>%1 hours ago</source>
        <comment></comment>
        <translation>vor %1 Stunden</translation>
    </message>
    <message>
        <source>Completed the Larkspan Drive Setup Wizard</source>
        <comment></comment>
        <translation>Der Setup-Assistent von Larkspan Drive wurde abgeschlossen</translation>
    </message>
    <message>
        <source>January</source>
        <comment></comment>
        <translation>Januar</translation>
    </message>
    <message>
        <source>Choose the folders to sync and the sync settings yourself.</source>
        <comment></comment>
        <translation>Wählen Sie die zu synchronisierenden Ordner und die Synchronisierungseinstellungen selbst.</translation>
    </message>
    <message>
        <source>The Larkspan has changed. Link it again to continue.</source>
        <comment></comment>
        <translation>Der Larkspan hat sich geändert. Verbinden Sie ihn erneut, um fortzufahren.</translation>
    </message>
    <message>
        <source>%1 is now syncing your files.</source>
        <comment></comment>
        <translation>%1 synchronisiert jetzt Ihre Dateien.</translation>
    </message>
    <message>
        <source>Unable to create a link for this item.</source>
        <comment></comment>
        <translation>Für dieses Element konnte kein Link erstellt werden.</translation>
    </message>
    <message>
        <source>I do not accept the terms of the License Agreement</source>
        <comment></comment>
        <translation>Ich akzeptiere die Bedingungen des Lizenzvertrags nicht</translation>
    </message>
    <message>
        <source>Sync</source>
        <comment></comment>
        <translation>Synchronisierung</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <comment></comment>
        <translation>Gestern</translation>
    </message>
    <message>
        <source>Downloads of previous versions</source>
        <comment></comment>
        <translation>Downloads früherer Versionen</translation>
    </message>
    <message>
        <source>Sync history</source>
        <comment></comment>
        <translation>Synchronisierungsverlauf</translation>
    </message>
    <message>
        <source>Share link</source>
        <comment></comment>
        <translation>Link freigeben</translation>
    </message>
    <message>
        <source>Repair</source>
        <comment></comment>
        <translation>Reparieren</translation>
    </message>
    <message>
        <source>Open the Larkspan in your browser</source>
        <comment></comment>
        <translation>Larkspan im Browser öffnen</translation>
    </message>
    <message>
        <source>%1 commented on %2</source>
        <comment></comment>
        <translation>%1 hat %2 kommentiert</translation>
    </message>
    <message>
        <source>The maximum number of shared items has been reached.</source>
        <comment></comment>
        <translation>Die maximale Anzahl freigegebener Elemente wurde erreicht.</translation>
    </message>
    <message>
        <source>Shared</source>
        <comment></comment>
        <translation>Freigegeben</translation>
    </message>
    <message>
        <source>The local disk is full.</source>
        <comment></comment>
        <translation>Der lokale Datenträger ist voll.</translation>
    </message>
    <message>
        <source>Setup interrupted</source>
        <comment></comment>
        <translation>Setup unterbrochen</translation>
    </message>
    <message>
        <source>The local sync folder cannot be found.</source>
        <comment></comment>
        <translation>Der lokale Synchronisierungsordner wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Put your files in the sync folder, and they stay up to date on all your devices.</source>
        <comment></comment>
        <translation>Legen Sie Ihre Dateien im Synchronisierungsordner ab, und sie bleiben auf allen Ihren Geräten auf dem neuesten Stand.</translation>
    </message>
    <message>
        <source>Expire after</source>
        <comment></comment>
        <translation>Ablaufen nach</translation>
    </message>
    <message>
        <source>June</source>
        <comment></comment>
        <translation>Juni</translation>
    </message>
    <message>
        <source>Select the operation you want to perform.</source>
        <comment></comment>
        <translation>Wählen Sie den gewünschten Vorgang aus.</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <comment></comment>
        <translation>Temporäre Dateien</translation>
    </message>
    <message>
        <source>Your quota on the Larkspan is full. Free some space or choose another folder.</source>
        <comment></comment>
        <translation>Ihr Kontingent auf dem Larkspan ist ausgeschöpft. Geben Sie Speicherplatz frei oder wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <source>Enter the address and port of the proxy server.</source>
        <comment></comment>
        <translation>Geben Sie die Adresse und den Port des Proxyservers ein.</translation>
    </message>
    <message>
        <source>Folder on the Larkspan</source>
        <comment></comment>
        <translation>Ordner auf dem Larkspan</translation>
    </message>
    <message>
        <source>Renamed on this computer</source>
        <comment></comment>
        <translation>Auf diesem Computer umbenannt</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <comment></comment>
        <translation>Authentifizierung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Sunday</source>
        <comment></comment>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <comment></comment>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Automatic setup is configured.</source>
        <comment></comment>
        <translation>Die automatische Einrichtung ist konfiguriert.</translation>
    </message>
    <message>
        <source>New folder on the Larkspan</source>
        <comment></comment>
        <translation>Neuer Ordner auf dem Larkspan</translation>
    </message>
    <message>
        <source>Display</source>
        <comment></comment>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>A newer version of %1 is already installed. Setup will now exit.</source>
        <comment></comment>
        <translation>Eine neuere Version von %1 ist bereits installiert. Das Setup wird jetzt beendet.</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment></comment>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Local sync folder</source>
        <comment></comment>
        <translation>Lokaler Synchronisierungsordner</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <comment></comment>
        <translation>Maximale Dateigröße (MB):</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <comment></comment>
        <translation>Verbindung wird hergestellt...</translation>
    </message>
    <message>
        <source>Access request</source>
        <comment></comment>
        <translation>Zugriffsanfrage</translation>
    </message>
    <message>
        <source>Larkspan Drive is ready.</source>
        <comment></comment>
        <translation>Larkspan Drive ist bereit.</translation>
    </message>
    <message>
        <source>Set up</source>
        <comment></comment>
        <translation>Einrichten</translation>
    </message>
    <message>
        <source>Do not sync this folder</source>
        <comment></comment>
        <translation>Diesen Ordner nicht synchronisieren</translation>
    </message>
    <message>
        <source>This server needs a newer version of Larkspan Drive. Upgrade now?</source>
        <comment></comment>
        <translation>Dieser Server erfordert eine neuere Version von Larkspan Drive. Jetzt aktualisieren?</translation>
    </message>
    <message>
        <source>Choose a sync folder</source>
        <comment></comment>
        <translation>Synchronisierungsordner auswählen</translation>
    </message>
    <message>
        <source>Password</source>
        <comment></comment>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Today</source>
        <comment></comment>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Your quota on the Larkspan is full.</source>
        <comment></comment>
        <translation>Ihr Kontingent auf dem Larkspan ist ausgeschöpft.</translation>
    </message>
    <message>
        <source>Sync and share files across all your devices.</source>
        <comment></comment>
        <translation>Dateien auf allen Ihren Geräten synchronisieren und freigeben.</translation>
    </message>
    <message>
        <source>No permission</source>
        <comment></comment>
        <translation>Keine Berechtigung</translation>
    </message>
    <message>
        <source>Destination</source>
        <comment></comment>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>The sync folder is on a volume that is not mounted.</source>
        <comment></comment>
        <translation>Der Synchronisierungsordner befindet sich auf einem Volume, das nicht eingebunden ist.</translation>
    </message>
    <message>
        <source>Choose a different folder on this computer.</source>
        <comment></comment>
        <translation>Wählen Sie einen anderen Ordner auf diesem Computer.</translation>
    </message>
    <message>
        <source>Use a black-and-white tray icon</source>
        <comment></comment>
        <translation>Schwarz-weißes Symbol im Infobereich verwenden</translation>
    </message>
    <message>
        <source>The verification code is not valid.</source>
        <comment></comment>
        <translation>Der Bestätigungscode ist ungültig.</translation>
    </message>
    <message>
        <source>No connection is available for this file.</source>
        <comment></comment>
        <translation>Für diese Datei ist keine Verbindung verfügbar.</translation>
    </message>
    <message>
        <source>Keep files on the Larkspan when they are deleted from this computer</source>
        <comment></comment>
        <translation>Dateien auf dem Larkspan behalten, wenn sie auf diesem Computer gelöscht werden</translation>
    </message>
    <message>
        <source>One-way download</source>
        <comment></comment>
        <translation>Einseitiger Download</translation>
    </message>
    <message>
        <source>Port:</source>
        <comment></comment>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Last month</source>
        <comment></comment>
        <translation>Letzter Monat</translation>
    </message>
    <message>
        <source>Version %1.%2.%3, build %4</source>
        <comment></comment>
        <translation>Version %1.%2.%3, Build %4</translation>
    </message>
    <message>
        <source>Your IP address is not allowed to connect.</source>
        <comment></comment>
        <translation>Ihre IP-Adresse darf keine Verbindung herstellen.</translation>
    </message>
    <message>
        <source>Sync a folder that someone shared with you.</source>
        <comment></comment>
        <translation>Synchronisieren Sie einen Ordner, den jemand für Sie freigegeben hat.</translation>
    </message>
    <message>
        <source>Filter the sync log</source>
        <comment></comment>
        <translation>Synchronisierungsprotokoll filtern</translation>
    </message>
    <message>
        <source>You can only read this folder. Changes you make to it are not uploaded.</source>
        <comment></comment>
        <translation>Sie haben nur Lesezugriff auf diesen Ordner. Ihre Änderungen daran werden nicht hochgeladen.</translation>
    </message>
    <message>
        <source>Keyword</source>
        <comment></comment>
        <translation>Stichwort</translation>
    </message>
    <message>
        <source>Do not sync files larger than %1 MB</source>
        <comment></comment>
        <translation>Dateien größer als %1 MB nicht synchronisieren</translation>
    </message>
    <message>
        <source>Next month</source>
        <comment></comment>
        <translation>Nächster Monat</translation>
    </message>
    <message>
        <source>Remote destination</source>
        <comment></comment>
        <translation>Remote-Ziel</translation>
    </message>
    <message>
        <source>Your account is not allowed to sync this folder.</source>
        <comment></comment>
        <translation>Ihr Konto darf diesen Ordner nicht synchronisieren.</translation>
    </message>
    <message>
        <source>Unable to download %1.</source>
        <comment></comment>
        <translation>%1 konnte nicht heruntergeladen werden.</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <comment></comment>
        <translation>Erweiterte Einstellungen</translation>
    </message>
    <message>
        <source>Welcome to %1. Sign in to get started.</source>
        <comment></comment>
        <translation>Willkommen bei %1. Melden Sie sich an, um loszulegen.</translation>
    </message>
    <message>
        <source>Welcome to the Larkspan Drive Setup Wizard</source>
        <comment></comment>
        <translation>Willkommen beim Setup-Assistenten von Larkspan Drive</translation>
    </message>
    <message>
        <source>This computer was linked to a different Larkspan. Link it again to continue.</source>
        <comment></comment>
        <translation>Dieser Computer war mit einem anderen Larkspan verbunden. Verbinden Sie ihn erneut, um fortzufahren.</translation>
    </message>
    <message>
        <source>The shared folder no longer exists.</source>
        <comment></comment>
        <translation>Der freigegebene Ordner ist nicht mehr vorhanden.</translation>
    </message>
    <message>
        <source>December</source>
        <comment></comment>
        <translation>Dezember</translation>
    </message>
    <message>
        <source>Overview</source>
        <comment></comment>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <comment></comment>
        <translation>Proxyeinstellungen des Systems verwenden</translation>
    </message>
    <message>
        <source>No sync history</source>
        <comment></comment>
        <translation>Kein Synchronisierungsverlauf</translation>
    </message>
    <message>
        <source>Some files could not be synced. Click to see the details.</source>
        <comment></comment>
        <translation>Einige Dateien konnten nicht synchronisiert werden. Klicken Sie hier, um die Details anzuzeigen.</translation>
    </message>
    <message>
        <source>Setup ended because of an error</source>
        <comment></comment>
        <translation>Das Setup wurde aufgrund eines Fehlers beendet</translation>
    </message>
    <message>
        <source>Drive</source>
        <comment></comment>
        <translation>Drive</translation>
    </message>
    <message>
        <source>October</source>
        <comment></comment>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>Your changes have not been saved. Save them now?</source>
        <comment></comment>
        <translation>Ihre Änderungen wurden nicht gespeichert. Jetzt speichern?</translation>
    </message>
    <message>
        <source>This computer is already linked to this Larkspan.</source>
        <comment></comment>
        <translation>Dieser Computer ist bereits mit diesem Larkspan verbunden.</translation>
    </message>
    <message>
        <source>There is not enough space on the local disk for Larkspan Drive.</source>
        <comment></comment>
        <translation>Auf dem lokalen Datenträger ist nicht genügend Speicherplatz für Larkspan Drive vorhanden.</translation>
    </message>
    <message>
        <source>Do not sync files with these names:</source>
        <comment></comment>
        <translation>Dateien mit diesen Namen nicht synchronisieren:</translation>
    </message>
    <message>
        <source>Available from</source>
        <comment></comment>
        <translation>Verfügbar ab</translation>
    </message>
    <message>
        <source>Shows the tray icon in black and white to match your desktop theme.</source>
        <comment></comment>
        <translation>Zeigt das Symbol im Infobereich passend zu Ihrem Desktop-Design in Schwarz-Weiß an.</translation>
    </message>
    <message>
        <source>Status</source>
        <comment></comment>
        <translation>Status</translation>
    </message>
    <message>
        <source>Sync one of your folders on the Larkspan with this computer.</source>
        <comment></comment>
        <translation>Synchronisieren Sie einen Ihrer Ordner auf dem Larkspan mit diesem Computer.</translation>
    </message>
    <message>
        <source>Indexing the folder...</source>
        <comment></comment>
        <translation>Ordner wird indiziert...</translation>
    </message>
    <message>
        <source>Your user name or password is incorrect.</source>
        <comment></comment>
        <translation>Ihr Benutzername oder Passwort ist falsch.</translation>
    </message>
    <message>
        <source>You do not have permission to use Larkspan Drive. Ask your administrator.</source>
        <comment></comment>
        <translation>Sie haben keine Berechtigung, Larkspan Drive zu verwenden. Wenden Sie sich an Ihren Administrator.</translation>
    </message>
    <message>
        <source>Try syncing again</source>
        <comment></comment>
        <translation>Synchronisierung erneut versuchen</translation>
    </message>
    <message>
        <source>Filter settings</source>
        <comment></comment>
        <translation>Filtereinstellungen</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <comment></comment>
        <translation>Manuelle Proxykonfiguration</translation>
    </message>
    <message>
        <source>Status:</source>
        <comment></comment>
        <translation>Status:</translation>
    </message>
    <message>
        <source>July</source>
        <comment></comment>
        <translation>Juli</translation>
    </message>
    <message>
        <source>No</source>
        <comment></comment>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Version not supported</source>
        <comment></comment>
        <translation>Version nicht unterstützt</translation>
    </message>
    <message>
        <source>Sync now</source>
        <comment></comment>
        <translation>Jetzt synchronisieren</translation>
    </message>
    <message>
        <source>This folder was synced by another user. Choose another folder.</source>
        <comment></comment>
        <translation>Dieser Ordner wurde von einem anderen Benutzer synchronisiert. Wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <source>Create a KestrinDrive folder in the selected location</source>
        <comment></comment>
        <translation>Ordner KestrinDrive am ausgewählten Speicherort erstellen</translation>
    </message>
    <message>
        <source>You do not have permission to write to this folder. Choose another folder.</source>
        <comment></comment>
        <translation>Sie haben keine Schreibberechtigung für diesen Ordner. Wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <source>This folder is read-only. Changes are not synced to %1.</source>
        <comment></comment>
        <translation>Dieser Ordner ist schreibgeschützt. Änderungen werden nicht mit %1 synchronisiert.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment></comment>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>Got it</source>
        <comment></comment>
        <translation>Verstanden</translation>
    </message>
    <message>
        <source>Welcome to Larkspan Drive</source>
        <comment></comment>
        <translation>Willkommen bei Larkspan Drive</translation>
    </message>
    <message>
        <source>Network settings</source>
        <comment></comment>
        <translation>Netzwerkeinstellungen</translation>
    </message>
    <message>
        <source>The setup wizard is ready to begin the repair.</source>
        <comment></comment>
        <translation>Der Setup-Assistent ist bereit, mit der Reparatur zu beginnen.</translation>
    </message>
    <message>
        <source>This client version is not supported by the server. Upgrade to continue syncing.</source>
        <comment></comment>
        <translation>Diese Clientversion wird vom Server nicht unterstützt. Aktualisieren Sie den Client, um weiter zu synchronisieren.</translation>
    </message>
    <message>
        <source>Size</source>
        <comment></comment>
        <translation>Größe</translation>
    </message>
    <message>
        <source>The server version is too old. Ask your administrator to upgrade it.</source>
        <comment></comment>
        <translation>Die Serverversion ist zu alt. Bitten Sie Ihren Administrator, den Server zu aktualisieren.</translation>
    </message>
    <message>
        <source>Everyone with the link can view and edit the files.</source>
        <comment></comment>
        <translation>Jeder mit dem Link kann die Dateien anzeigen und bearbeiten.</translation>
    </message>
    <message>
        <source>Edit</source>
        <comment></comment>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Signed-in users can view and edit the files.</source>
        <comment></comment>
        <translation>Angemeldete Benutzer können die Dateien anzeigen und bearbeiten.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <comment></comment>
        <translation>Deaktiviert</translation>
    </message>
    <message>
        <source>Change, repair or remove the installation.</source>
        <comment></comment>
        <translation>Installation ändern, reparieren oder entfernen.</translation>
    </message>
    <message>
        <source>Just now</source>
        <comment></comment>
        <translation>Gerade eben</translation>
    </message>
    <message>
        <source>New sync folder</source>
        <comment></comment>
        <translation>Neuer Synchronisierungsordner</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <comment></comment>
        <translation>Freigabe aktiviert</translation>
    </message>
    <message>
        <source>Sync error</source>
        <comment></comment>
        <translation>Synchronisierungsfehler</translation>
    </message>
    <message>
        <source>Merge mode</source>
        <comment></comment>
        <translation>Zusammenführungsmodus</translation>
    </message>
    <message>
        <source>Connection information</source>
        <comment></comment>
        <translation>Verbindungsinformationen</translation>
    </message>
    <message>
        <source>Remove Larkspan Drive</source>
        <comment></comment>
        <translation>Larkspan Drive entfernen</translation>
    </message>
    <message>
        <source>Next %1 pages</source>
        <comment></comment>
        <translation>Nächste %1 Seiten</translation>
    </message>
    <message>
        <source>Show sync status</source>
        <comment></comment>
        <translation>Synchronisierungsstatus anzeigen</translation>
    </message>
    <message>
        <source>My files</source>
        <comment></comment>
        <translation>Meine Dateien</translation>
    </message>
    <message>
        <source>Create a sync task</source>
        <comment></comment>
        <translation>Synchronisierungsaufgabe erstellen</translation>
    </message>
    <message>
        <source>Create a LarkspanDrive folder in the selected location</source>
        <comment></comment>
        <translation>Ordner LarkspanDrive am ausgewählten Speicherort erstellen</translation>
    </message>
    <message>
        <source>Skipped file names</source>
        <comment></comment>
        <translation>Übersprungene Dateinamen</translation>
    </message>
    <message>
        <source>The %1 ID is not valid.</source>
        <comment></comment>
        <translation>Die ID von %1 ist ungültig.</translation>
    </message>
    <message>
        <source>Expire on</source>
        <comment></comment>
        <translation>Ablaufen am</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <comment></comment>
        <translation>Wird aktualisiert...</translation>
    </message>
    <message>
        <source>Start now</source>
        <comment></comment>
        <translation>Jetzt starten</translation>
    </message>
    <message>
        <source>Standby</source>
        <comment></comment>
        <translation>Standby</translation>
    </message>
    <message>
        <source>Progress</source>
        <comment></comment>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>%1 changes detected</source>
        <comment></comment>
        <translation>%1 Änderungen erkannt</translation>
    </message>
    <message>
        <source>Only download changes from the Larkspan; local changes are not uploaded.</source>
        <comment></comment>
        <translation>Nur Änderungen vom Larkspan herunterladen; lokale Änderungen werden nicht hochgeladen.</translation>
    </message>
    <message>
        <source>A database error occurred.</source>
        <comment></comment>
        <translation>Ein Datenbankfehler ist aufgetreten.</translation>
    </message>
    <message>
        <source>Enter the address of your Larkspan and your account.</source>
        <comment></comment>
        <translation>Geben Sie die Adresse Ihres Larkspan und Ihre Kontodaten ein.</translation>
    </message>
    <message>
        <source>On-demand sync</source>
        <comment></comment>
        <translation>Synchronisierung bei Bedarf</translation>
    </message>
    <message>
        <source>New sync task</source>
        <comment></comment>
        <translation>Neue Synchronisierungsaufgabe</translation>
    </message>
    <message>
        <source>Upload</source>
        <comment></comment>
        <translation>Upload</translation>
    </message>
    <message>
        <source>Restrict access</source>
        <comment></comment>
        <translation>Zugriff einschränken</translation>
    </message>
    <message>
        <source>Select the folders to sync</source>
        <comment></comment>
        <translation>Zu synchronisierende Ordner auswählen</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <comment></comment>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <source>Setup mode</source>
        <comment></comment>
        <translation>Einrichtungsmodus</translation>
    </message>
    <message>
        <source>Download only</source>
        <comment></comment>
        <translation>Nur herunterladen</translation>
    </message>
    <message>
        <source>General</source>
        <comment></comment>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Saturday</source>
        <comment></comment>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Larkspan Drive works with a Larkspan server from Kestrin.</source>
        <comment></comment>
        <translation>Larkspan Drive funktioniert mit einem Larkspan-Server von Kestrin.</translation>
    </message>
    <message>
        <source>Unable to connect to the Larkspan.</source>
        <comment></comment>
        <translation>Es konnte keine Verbindung zum Larkspan hergestellt werden.</translation>
    </message>
    <message>
        <source>Connected through a relay</source>
        <comment></comment>
        <translation>Über ein Relay verbunden</translation>
    </message>
    <message>
        <source>Larkspan Drive is initializing...</source>
        <comment></comment>
        <translation>Larkspan Drive wird initialisiert...</translation>
    </message>
    <message>
        <source>Automatic setup failed. Set up Larkspan Drive manually.</source>
        <comment></comment>
        <translation>Die automatische Einrichtung ist fehlgeschlagen. Richten Sie Larkspan Drive manuell ein.</translation>
    </message>
    <message>
        <source>Local destination</source>
        <comment></comment>
        <translation>Lokales Ziel</translation>
    </message>
    <message>
        <source>This folder is read-only. Changes are not synced to Larkspan Drive.</source>
        <comment></comment>
        <translation>Dieser Ordner ist schreibgeschützt. Änderungen werden nicht mit Larkspan Drive synchronisiert.</translation>
    </message>
    <message>
        <source>Ignore</source>
        <comment></comment>
        <translation>Ignorieren</translation>
    </message>
    <message>
        <source>All events</source>
        <comment></comment>
        <translation>Alle Ereignisse</translation>
    </message>
    <message>
        <source>Sharing</source>
        <comment></comment>
        <translation>Freigabe</translation>
    </message>
    <message>
        <source>Click Remove to remove Larkspan Drive from your computer.</source>
        <comment></comment>
        <translation>Klicken Sie auf Entfernen, um Larkspan Drive von Ihrem Computer zu entfernen.</translation>
    </message>
    <message>
        <source>This folder is already part of another sync task.</source>
        <comment></comment>
        <translation>Dieser Ordner gehört bereits zu einer anderen Synchronisierungsaufgabe.</translation>
    </message>
    <message>
        <source>A network error occurred. Check your connection and try again.</source>
        <comment></comment>
        <translation>Ein Netzwerkfehler ist aufgetreten. Überprüfen Sie Ihre Verbindung und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Finish</source>
        <comment></comment>
        <translation>Fertig stellen</translation>
    </message>
    <message>
        <source>Enter a port number from %1 to %2.</source>
        <comment></comment>
        <translation>Geben Sie eine Portnummer von %1 bis %2 ein.</translation>
    </message>
    <message>
        <source>More information</source>
        <comment></comment>
        <translation>Weitere Informationen</translation>
    </message>
    <message>
        <source>This folder is already synced.</source>
        <comment></comment>
        <translation>Dieser Ordner wird bereits synchronisiert.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <comment></comment>
        <translation>Zugriff verweigert.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <comment></comment>
        <translation>Ein unbekannter Fehler ist aufgetreten.</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change your settings.</source>
        <comment></comment>
        <translation>Klicken Sie auf Installieren, um mit der Installation zu beginnen. Klicken Sie auf Zurück, um Ihre Einstellungen zu überprüfen oder zu ändern.</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <comment></comment>
        <translation>Beidseitige Synchronisierung</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <comment></comment>
        <translation>%1 wird heruntergeladen...</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <comment></comment>
        <translation>Einstellungen werden übernommen...</translation>
    </message>
    <message>
        <source>Switch Larkspan</source>
        <comment></comment>
        <translation>Larkspan wechseln</translation>
    </message>
    <message>
        <source>The file or folder does not exist.</source>
        <comment></comment>
        <translation>Die Datei oder der Ordner ist nicht vorhanden.</translation>
    </message>
    <message>
        <source>Next</source>
        <comment></comment>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Change folder</source>
        <comment></comment>
        <translation>Ordner ändern</translation>
    </message>
    <message>
        <source>April</source>
        <comment></comment>
        <translation>April</translation>
    </message>
    <message>
        <source>The new language takes effect after Larkspan Drive restarts.</source>
        <comment></comment>
        <translation>Die neue Sprache wird nach dem Neustart von Larkspan Drive wirksam.</translation>
    </message>
    <message>
        <source>Choose another</source>
        <comment></comment>
        <translation>Andere auswählen</translation>
    </message>
    <message>
        <source>Invalid argument.</source>
        <comment></comment>
        <translation>Ungültiges Argument.</translation>
    </message>
    <message>
        <source>Syncing %1 files</source>
        <comment></comment>
        <translation>%1 Dateien werden synchronisiert</translation>
    </message>
    <message>
        <source>Sharing links is not enabled on the Larkspan.</source>
        <comment></comment>
        <translation>Das Freigeben von Links ist auf dem Larkspan nicht aktiviert.</translation>
    </message>
    <message>
        <source>Recently updated files</source>
        <comment></comment>
        <translation>Kürzlich aktualisierte Dateien</translation>
    </message>
    <message>
        <source>Security warning</source>
        <comment></comment>
        <translation>Sicherheitswarnung</translation>
    </message>
    <message>
        <source>The following applications use files that setup needs to update. Close them and click Retry, or click Ignore to continue anyway.</source>
        <comment></comment>
        <translation>Die folgenden Anwendungen verwenden Dateien, die das Setup aktualisieren muss. Schließen Sie die Anwendungen und klicken Sie auf Wiederholen, oder klicken Sie auf Ignorieren, um trotzdem fortzufahren.</translation>
    </message>
    <message>
        <source>Reach your files anywhere</source>
        <comment></comment>
        <translation>Überall auf Ihre Dateien zugreifen</translation>
    </message>
    <message>
        <source>Print</source>
        <comment></comment>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Create a new folder to sync.</source>
        <comment></comment>
        <translation>Erstellen Sie einen neuen Ordner zum Synchronisieren.</translation>
    </message>
    <message>
        <source>The certificate of %1 has changed. Do you trust the new certificate?</source>
        <comment></comment>
        <translation>Das Zertifikat von %1 hat sich geändert. Vertrauen Sie dem neuen Zertifikat?</translation>
    </message>
    <message>
        <source>Larkspan Drive</source>
        <comment></comment>
        <translation>Larkspan Drive</translation>
    </message>
    <message>
        <source>Rename</source>
        <comment></comment>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Folder already synced</source>
        <comment></comment>
        <translation>Ordner bereits synchronisiert</translation>
    </message>
    <message>
        <source>Do not sync these folders</source>
        <comment></comment>
        <translation>Diese Ordner nicht synchronisieren</translation>
    </message>
    <message>
        <source>Folders that others share with you</source>
        <comment></comment>
        <translation>Ordner, die andere für Sie freigeben</translation>
    </message>
    <message>
        <source>Repair Larkspan Drive</source>
        <comment></comment>
        <translation>Larkspan Drive reparieren</translation>
    </message>
    <message>
        <source>Sync log category</source>
        <comment></comment>
        <translation>Kategorie des Synchronisierungsprotokolls</translation>
    </message>
    <message>
        <source>Close these applications before setup continues:</source>
        <comment></comment>
        <translation>Schließen Sie diese Anwendungen, bevor das Setup fortgesetzt wird:</translation>
    </message>
    <message>
        <source>Add</source>
        <comment></comment>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>No options available</source>
        <comment></comment>
        <translation>Keine Optionen verfügbar</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of Larkspan Drive.</source>
        <comment></comment>
        <translation>Klicken Sie auf Reparieren, um die Installation von Larkspan Drive zu reparieren.</translation>
    </message>
    <message>
        <source>The sync direction does not match your permission on the folder.</source>
        <comment></comment>
        <translation>Die Synchronisierungsrichtung passt nicht zu Ihrer Berechtigung für den Ordner.</translation>
    </message>
    <message>
        <source>You have chosen to remove the program from your computer.</source>
        <comment></comment>
        <translation>Sie haben ausgewählt, das Programm von Ihrem Computer zu entfernen.</translation>
    </message>
    <message>
        <source>You are ready to use Larkspan Drive.</source>
        <comment></comment>
        <translation>Sie können Larkspan Drive jetzt verwenden.</translation>
    </message>
    <message>
        <source>Edit connection</source>
        <comment></comment>
        <translation>Verbindung bearbeiten</translation>
    </message>
    <message>
        <source>Upgrade to version %1</source>
        <comment></comment>
        <translation>Auf Version %1 aktualisieren</translation>
    </message>
    <message>
        <source>A newer version of Larkspan Drive is already installed. Setup will now exit.</source>
        <comment></comment>
        <translation>Eine neuere Version von Larkspan Drive ist bereits installiert. Das Setup wird jetzt beendet.</translation>
    </message>
    <message>
        <source>Larkspan Drive is now syncing your files.</source>
        <comment></comment>
        <translation>Larkspan Drive synchronisiert jetzt Ihre Dateien.</translation>
    </message>
    <message>
        <source>%1 files updated</source>
        <comment></comment>
        <translation>%1 Dateien aktualisiert</translation>
    </message>
    <message>
        <source>Enter a user name.</source>
        <comment></comment>
        <translation>Geben Sie einen Benutzernamen ein.</translation>
    </message>
    <message>
        <source>There is not enough space on the local disk for %1.</source>
        <comment></comment>
        <translation>Auf dem lokalen Datenträger ist nicht genügend Speicherplatz für %1 vorhanden.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <comment></comment>
        <translation>Voreinstellungen</translation>
    </message>
    <message>
        <source>Files shared with you appear in the Larkspan Drive folder on this computer.</source>
        <comment></comment>
        <translation>Für Sie freigegebene Dateien werden auf diesem Computer im Ordner Larkspan Drive angezeigt.</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <comment></comment>
        <translation>Nein, danke</translation>
    </message>
    <message>
        <source>Public</source>
        <comment></comment>
        <translation>Öffentlich</translation>
    </message>
    <message>
        <source>Setup is complete.</source>
        <comment></comment>
        <translation>Die Einrichtung ist abgeschlossen.</translation>
    </message>
    <message>
        <source>Open containing folder</source>
        <comment></comment>
        <translation>Übergeordneten Ordner öffnen</translation>
    </message>
    <message>
        <source>Removes Larkspan Drive from your computer.</source>
        <comment></comment>
        <translation>Entfernt Larkspan Drive von Ihrem Computer.</translation>
    </message>
    <message>
        <source>Show the Larkspan Drive tutorial</source>
        <comment></comment>
        <translation>Tutorial zu Larkspan Drive anzeigen</translation>
    </message>
    <message>
        <source>Previous month</source>
        <comment></comment>
        <translation>Vorheriger Monat</translation>
    </message>
    <message>
        <source>Shared folders</source>
        <comment></comment>
        <translation>Freigegebene Ordner</translation>
    </message>
    <message>
        <source>Created</source>
        <comment></comment>
        <translation>Erstellt</translation>
    </message>
    <message>
        <source>Files you change on one device are updated on the others.</source>
        <comment></comment>
        <translation>Dateien, die Sie auf einem Gerät ändern, werden auf den anderen aktualisiert.</translation>
    </message>
    <message>
        <source>September</source>
        <comment></comment>
        <translation>September</translation>
    </message>
    <message>
        <source>Click Remove to continue, or Back to review your choice.</source>
        <comment></comment>
        <translation>Klicken Sie auf Entfernen, um fortzufahren, oder auf Zurück, um Ihre Auswahl zu überprüfen.</translation>
    </message>
    <message>
        <source>Back</source>
        <comment></comment>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Folder name</source>
        <comment></comment>
        <translation>Ordnername</translation>
    </message>
    <message>
        <source>Setup is complete. Larkspan Drive now keeps your files in sync.</source>
        <comment></comment>
        <translation>Die Einrichtung ist abgeschlossen. Larkspan Drive hält Ihre Dateien jetzt synchron.</translation>
    </message>
    <message>
        <source>May</source>
        <comment></comment>
        <translation>Mai</translation>
    </message>
    <message>
        <source>Connected through the local network</source>
        <comment></comment>
        <translation>Über das lokale Netzwerk verbunden</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully.</source>
        <comment></comment>
        <translation>Lesen Sie den folgenden Lizenzvertrag bitte sorgfältig durch.</translation>
    </message>
    <message>
        <source>Keep the most recently modified file</source>
        <comment></comment>
        <translation>Die zuletzt geänderte Datei behalten</translation>
    </message>
    <message>
        <source>%1 mentioned you in %2</source>
        <comment></comment>
        <translation>%1 hat Sie in %2 erwähnt</translation>
    </message>
    <message>
        <source>Access to the selected folder was denied.</source>
        <comment></comment>
        <translation>Der Zugriff auf den ausgewählten Ordner wurde verweigert.</translation>
    </message>
    <message>
        <source>Disk full</source>
        <comment></comment>
        <translation>Datenträger voll</translation>
    </message>
    <message>
        <source>Signed-in users</source>
        <comment></comment>
        <translation>Angemeldete Benutzer</translation>
    </message>
    <message>
        <source>Tutorial that introduces the main features of Larkspan Drive</source>
        <comment></comment>
        <translation>Tutorial, das die wichtigsten Funktionen von Larkspan Drive vorstellt</translation>
    </message>
    <message>
        <source>Checking your password...</source>
        <comment></comment>
        <translation>Passwort wird überprüft...</translation>
    </message>
    <message>
        <source>All files are up to date.</source>
        <comment></comment>
        <translation>Alle Dateien sind auf dem neuesten Stand.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <comment></comment>
        <translation>Nur Lesen</translation>
    </message>
    <message>
        <source>Your password has expired.</source>
        <comment></comment>
        <translation>Ihr Passwort ist abgelaufen.</translation>
    </message>
    <message>
        <source>Calendar</source>
        <comment></comment>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Replace the file on this computer with the copy on the server</source>
        <comment></comment>
        <translation>Datei auf diesem Computer durch die Kopie auf dem Server ersetzen</translation>
    </message>
    <message>
        <source>Do not close the applications. A restart will be required.</source>
        <comment></comment>
        <translation>Anwendungen nicht schließen. Ein Neustart ist erforderlich.</translation>
    </message>
    <message>
        <source>November</source>
        <comment></comment>
        <translation>November</translation>
    </message>
    <message>
        <source>Find a Larkspan on your local network</source>
        <comment></comment>
        <translation>Larkspan im lokalen Netzwerk suchen</translation>
    </message>
    <message>
        <source>File name:</source>
        <comment></comment>
        <translation>Dateiname:</translation>
    </message>
    <message>
        <source>Add file name</source>
        <comment></comment>
        <translation>Dateinamen hinzufügen</translation>
    </message>
    <message>
        <source>Sync your home folder on the Larkspan with a folder on this computer, using the recommended settings.</source>
        <comment></comment>
        <translation>Synchronisieren Sie Ihren Home-Ordner auf dem Larkspan mit den empfohlenen Einstellungen mit einem Ordner auf diesem Computer.</translation>
    </message>
    <message>
        <source>Skip files whose names begin with a dot</source>
        <comment></comment>
        <translation>Dateien überspringen, deren Namen mit einem Punkt beginnen</translation>
    </message>
    <message>
        <source>Setup was cancelled.</source>
        <comment></comment>
        <translation>Das Setup wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Name</source>
        <comment></comment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Encrypt data transfers (SSL)</source>
        <comment></comment>
        <translation>Datenübertragungen verschlüsseln (SSL)</translation>
    </message>
    <message>
        <source>File type</source>
        <comment></comment>
        <translation>Dateityp</translation>
    </message>
    <message>
        <source>Your quota on the Larkspan is full. Syncing is paused.</source>
        <comment></comment>
        <translation>Ihr Kontingent auf dem Larkspan ist ausgeschöpft. Die Synchronisierung ist angehalten.</translation>
    </message>
    <message>
        <source>Share name</source>
        <comment></comment>
        <translation>Freigabename</translation>
    </message>
    <message>
        <source>Setup is not running as an administrator, so Larkspan Drive will be installed for the current user only. Continue?</source>
        <comment></comment>
        <translation>Das Setup wird nicht als Administrator ausgeführt, daher wird Larkspan Drive nur für den aktuellen Benutzer installiert. Fortfahren?</translation>
    </message>
    <message>
        <source>Close the tutorial</source>
        <comment></comment>
        <translation>Tutorial schließen</translation>
    </message>
    <message>
        <source>About Larkspan Drive</source>
        <comment></comment>
        <translation>Über Larkspan Drive</translation>
    </message>
    <message>
        <source>Apply and copy link</source>
        <comment></comment>
        <translation>Übernehmen und Link kopieren</translation>
    </message>
    <message>
        <source>Password:</source>
        <comment></comment>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Computer name</source>
        <comment></comment>
        <translation>Computername</translation>
    </message>
    <message>
        <source>Synced on all devices</source>
        <comment></comment>
        <translation>Auf allen Geräten synchronisiert</translation>
    </message>
    <message>
        <source>Currently syncing: %1</source>
        <comment></comment>
        <translation>Wird synchronisiert: %1</translation>
    </message>
    <message>
        <source>Apply to all subfolders</source>
        <comment></comment>
        <translation>Auf alle Unterordner anwenden</translation>
    </message>
    <message>
        <source>Files that match these rules are not synced.</source>
        <comment></comment>
        <translation>Dateien, die diesen Regeln entsprechen, werden nicht synchronisiert.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected shared items?</source>
        <comment></comment>
        <translation>Möchten Sie die ausgewählten freigegebenen Elemente wirklich löschen?</translation>
    </message>
    <message>
        <source>IP address</source>
        <comment></comment>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>Your files are now syncing.</source>
        <comment></comment>
        <translation>Ihre Dateien werden jetzt synchronisiert.</translation>
    </message>
    <message>
        <source>Some of the entries are not valid.</source>
        <comment></comment>
        <translation>Einige Eingaben sind ungültig.</translation>
    </message>
    <message>
        <source>A system error occurred while checking the folder.</source>
        <comment></comment>
        <translation>Beim Überprüfen des Ordners ist ein Systemfehler aufgetreten.</translation>
    </message>
    <message>
        <source>Unlink this sync task? Files that are already synced stay on this computer.</source>
        <comment></comment>
        <translation>Verbindung für diese Synchronisierungsaufgabe trennen? Bereits synchronisierte Dateien bleiben auf diesem Computer.</translation>
    </message>
    <message>
        <source>The sign-in test failed. Check the user name and password.</source>
        <comment></comment>
        <translation>Der Anmeldetest ist fehlgeschlagen. Überprüfen Sie Benutzername und Passwort.</translation>
    </message>
    <message>
        <source>Turning off sharing removes all existing links. Continue?</source>
        <comment></comment>
        <translation>Wenn Sie die Freigabe deaktivieren, werden alle vorhandenen Links entfernt. Fortfahren?</translation>
    </message>
    <message>
        <source>Test connection</source>
        <comment></comment>
        <translation>Verbindung testen</translation>
    </message>
    <message>
        <source>Install</source>
        <comment></comment>
        <translation>Installieren</translation>
    </message>
    <message>
        <source>Advanced setup</source>
        <comment></comment>
        <translation>Erweiterte Einrichtung</translation>
    </message>
    <message>
        <source>Click Repair to continue, or Back to review your choice.</source>
        <comment></comment>
        <translation>Klicken Sie auf Reparieren, um fortzufahren, oder auf Zurück, um Ihre Auswahl zu überprüfen.</translation>
    </message>
    <message>
        <source>Installing the program files...</source>
        <comment></comment>
        <translation>Programmdateien werden installiert...</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app</source>
        <comment></comment>
        <translation>Geben Sie den Bestätigungscode aus Ihrer Authentifizierungs-App ein</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <comment></comment>
        <translation>Trotzdem fortfahren</translation>
    </message>
    <message>
        <source>March</source>
        <comment></comment>
        <translation>März</translation>
    </message>
    <message>
        <source>You can change these settings at any time in Larkspan Drive.</source>
        <comment></comment>
        <translation>Sie können diese Einstellungen jederzeit in Larkspan Drive ändern.</translation>
    </message>
    <message>
        <source>Proxy settings</source>
        <comment></comment>
        <translation>Proxyeinstellungen</translation>
    </message>
    <message>
        <source>Remove the installation</source>
        <comment></comment>
        <translation>Installation entfernen</translation>
    </message>
    <message>
        <source>Send to %1</source>
        <comment></comment>
        <translation>An %1 senden</translation>
    </message>
    <message>
        <source>Synchronization mode</source>
        <comment></comment>
        <translation>Synchronisierungsmodus</translation>
    </message>
    <message>
        <source>Refresh the sync log</source>
        <comment></comment>
        <translation>Synchronisierungsprotokoll aktualisieren</translation>
    </message>
    <message>
        <source>The content of both folders is merged. Nothing is deleted.</source>
        <comment></comment>
        <translation>Der Inhalt beider Ordner wird zusammengeführt. Es wird nichts gelöscht.</translation>
    </message>
    <message>
        <source>This version of %1 is already installed. Do you want to install it again?</source>
        <comment></comment>
        <translation>Diese Version von %1 ist bereits installiert. Möchten Sie sie erneut installieren?</translation>
    </message>
    <message>
        <source>When the tray icon is double-clicked</source>
        <comment></comment>
        <translation>Bei Doppelklick auf das Symbol im Infobereich</translation>
    </message>
    <message>
        <source>Open the web portal to reach your files from any browser.</source>
        <comment></comment>
        <translation>Öffnen Sie das Webportal, um von jedem Browser aus auf Ihre Dateien zuzugreifen.</translation>
    </message>
    <message>
        <source>Click Finish to close the setup wizard and start using Larkspan Drive.</source>
        <comment></comment>
        <translation>Klicken Sie auf Fertig stellen, um den Setup-Assistenten zu schließen und Larkspan Drive zu verwenden.</translation>
    </message>
    <message>
        <source>There are no changes to apply.</source>
        <comment></comment>
        <translation>Es gibt keine Änderungen, die übernommen werden können.</translation>
    </message>
    <message>
        <source>Network error.</source>
        <comment></comment>
        <translation>Netzwerkfehler.</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <comment></comment>
        <translation>Wird vorbereitet...</translation>
    </message>
    <message>
        <source>More tutorials</source>
        <comment></comment>
        <translation>Weitere Tutorials</translation>
    </message>
    <message>
        <source>Read-only folder</source>
        <comment></comment>
        <translation>Schreibgeschützter Ordner</translation>
    </message>
    <message>
        <source>Previous %1 pages</source>
        <comment></comment>
        <translation>Vorherige %1 Seiten</translation>
    </message>
    <message>
        <source>Start the tour</source>
        <comment></comment>
        <translation>Tour starten</translation>
    </message>
    <message>
        <source>IP address details</source>
        <comment></comment>
        <translation>Details zur IP-Adresse</translation>
    </message>
    <message>
        <source>From</source>
        <comment></comment>
        <translation>Von</translation>
    </message>
    <message>
        <source>Welcome to Larkspan Drive. Sign in to get started.</source>
        <comment></comment>
        <translation>Willkommen bei Larkspan Drive. Melden Sie sich an, um loszulegen.</translation>
    </message>
    <message>
        <source>Sync problem</source>
        <comment></comment>
        <translation>Synchronisierungsproblem</translation>
    </message>
    <message>
        <source>Local usage</source>
        <comment></comment>
        <translation>Lokale Nutzung</translation>
    </message>
    <message>
        <source>Enable on-demand sync</source>
        <comment></comment>
        <translation>Synchronisierung bei Bedarf aktivieren</translation>
    </message>
    <message>
        <source>Larkspan Drive has been installed.</source>
        <comment></comment>
        <translation>Larkspan Drive wurde installiert.</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <comment></comment>
        <translation>Getrennt</translation>
    </message>
    <message>
        <source>Locked</source>
        <comment></comment>
        <translation>Gesperrt</translation>
    </message>
    <message>
        <source>Change sync folder</source>
        <comment></comment>
        <translation>Synchronisierungsordner ändern</translation>
    </message>
    <message>
        <source>Setup has finished.</source>
        <comment></comment>
        <translation>Das Setup ist abgeschlossen.</translation>
    </message>
    <message>
        <source>%1 shared %2 with you</source>
        <comment></comment>
        <translation>%1 hat %2 für Sie freigegeben</translation>
    </message>
    <message>
        <source>Not found</source>
        <comment></comment>
        <translation>Nicht gefunden</translation>
    </message>
    <message>
        <source>Reset</source>
        <comment></comment>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Installing the features you selected.</source>
        <comment></comment>
        <translation>Die ausgewählten Funktionen werden installiert.</translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <comment></comment>
        <translation>Ein Bestätigungscode ist erforderlich.</translation>
    </message>
    <message>
        <source>%1 keeps the files on your Larkspan and your computers in sync.</source>
        <comment></comment>
        <translation>%1 hält die Dateien auf Ihrem Larkspan und Ihren Computern synchron.</translation>
    </message>
    <message>
        <source>There is not enough space on the disk of this computer.</source>
        <comment></comment>
        <translation>Auf dem Datenträger dieses Computers ist nicht genügend Speicherplatz vorhanden.</translation>
    </message>
    <message>
        <source>Connection type</source>
        <comment></comment>
        <translation>Verbindungstyp</translation>
    </message>
    <message>
        <source>Show the %1 tutorial</source>
        <comment></comment>
        <translation>Tutorial zu %1 anzeigen</translation>
    </message>
    <message>
        <source>You can also invite people to folders you own.</source>
        <comment></comment>
        <translation>Sie können auch Personen zu Ordnern einladen, die Ihnen gehören.</translation>
    </message>
    <message>
        <source>%1 could not be upgraded.</source>
        <comment></comment>
        <translation>%1 konnte nicht aktualisiert werden.</translation>
    </message>
    <message>
        <source>%1 works with a Larkspan server from Kestrin.</source>
        <comment></comment>
        <translation>%1 funktioniert mit einem Larkspan-Server von Kestrin.</translation>
    </message>
    <message>
        <source>Welcome</source>
        <comment></comment>
        <translation>Willkommen</translation>
    </message>
    <message>
        <source>Custom range</source>
        <comment></comment>
        <translation>Benutzerdefinierter Zeitraum</translation>
    </message>
    <message>
        <source>Sync %1 to this computer?</source>
        <comment></comment>
        <translation>%1 mit diesem Computer synchronisieren?</translation>
    </message>
    <message>
        <source>Quick setup</source>
        <comment></comment>
        <translation>Schnelleinrichtung</translation>
    </message>
    <message>
        <source>Download history</source>
        <comment></comment>
        <translation>Downloadverlauf</translation>
    </message>
    <message>
        <source>Use a relay connection when a direct connection is not possible</source>
        <comment></comment>
        <translation>Relay-Verbindung verwenden, wenn keine direkte Verbindung möglich ist</translation>
    </message>
    <message>
        <source>Folders you clear are removed from this computer but kept on the Larkspan.</source>
        <comment></comment>
        <translation>Ordner, deren Auswahl Sie aufheben, werden von diesem Computer entfernt, bleiben aber auf dem Larkspan erhalten.</translation>
    </message>
    <message>
        <source>Link</source>
        <comment></comment>
        <translation>Link</translation>
    </message>
    <message>
        <source>Address:</source>
        <comment></comment>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>Download complete.</source>
        <comment></comment>
        <translation>Download abgeschlossen.</translation>
    </message>
    <message>
        <source>Setup has all the information it needs to start copying the program files.</source>
        <comment></comment>
        <translation>Das Setup verfügt über alle Informationen, die zum Kopieren der Programmdateien erforderlich sind.</translation>
    </message>
    <message>
        <source>Sync activity</source>
        <comment></comment>
        <translation>Synchronisierungsaktivität</translation>
    </message>
    <message>
        <source>Downloading</source>
        <comment></comment>
        <translation>Wird heruntergeladen</translation>
    </message>
    <message>
        <source>This wizard installs Larkspan Drive on your computer.</source>
        <comment></comment>
        <translation>Dieser Assistent installiert Larkspan Drive auf Ihrem Computer.</translation>
    </message>
    <message>
        <source>To</source>
        <comment></comment>
        <translation>Bis</translation>
    </message>
    <message>
        <source>The server&apos;s certificate could not be verified. Connect anyway?</source>
        <comment></comment>
        <translation>Das Zertifikat des Servers konnte nicht überprüft werden. Trotzdem verbinden?</translation>
    </message>
    <message>
        <source>Larkspan Drive is running.</source>
        <comment></comment>
        <translation>Larkspan Drive wird ausgeführt.</translation>
    </message>
    <message>
        <source>%1 has shared a new item with you.</source>
        <comment></comment>
        <translation>%1 hat ein neues Element für Sie freigegeben.</translation>
    </message>
    <message>
        <source>A conflict occurred.</source>
        <comment></comment>
        <translation>Ein Konflikt ist aufgetreten.</translation>
    </message>
    <message>
        <source>The selected folder is a mount point. Choose a folder on a local disk.</source>
        <comment></comment>
        <translation>Der ausgewählte Ordner ist ein Einhängepunkt. Wählen Sie einen Ordner auf einem lokalen Datenträger.</translation>
    </message>
    <message>
        <source>Encryption</source>
        <comment></comment>
        <translation>Verschlüsselung</translation>
    </message>
    <message>
        <source>Changes you make in your sync folder are synced with the Larkspan.</source>
        <comment></comment>
        <translation>Änderungen in Ihrem Synchronisierungsordner werden mit dem Larkspan synchronisiert.</translation>
    </message>
    <message>
        <source>Please wait while the setup wizard installs Larkspan Drive. This may take several minutes.</source>
        <comment></comment>
        <translation>Bitte warten Sie, während der Setup-Assistent Larkspan Drive installiert. Dies kann einige Minuten dauern.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has changed since your last connection. Continue?</source>
        <comment></comment>
        <translation>Das Zertifikat des Servers hat sich seit Ihrer letzten Verbindung geändert. Fortfahren?</translation>
    </message>
    <message>
        <source>%1 is ready.</source>
        <comment></comment>
        <translation>%1 ist bereit.</translation>
    </message>
    <message>
        <source>Search</source>
        <comment></comment>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Link a new Larkspan</source>
        <comment></comment>
        <translation>Neuen Larkspan verbinden</translation>
    </message>
    <message>
        <source>Certificate verification failed.</source>
        <comment></comment>
        <translation>Die Zertifikatsüberprüfung ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Starting Larkspan Drive...</source>
        <comment></comment>
        <translation>Larkspan Drive wird gestartet...</translation>
    </message>
    <message>
        <source>On-demand sync could not be enabled.</source>
        <comment></comment>
        <translation>Die Synchronisierung bei Bedarf konnte nicht aktiviert werden.</translation>
    </message>
    <message>
        <source>Setup complete</source>
        <comment></comment>
        <translation>Einrichtung abgeschlossen</translation>
    </message>
    <message>
        <source>Your administrator requires two-step verification for your account.</source>
        <comment></comment>
        <translation>Ihr Administrator schreibt für Ihr Konto die Bestätigung in zwei Schritten vor.</translation>
    </message>
    <message>
        <source>Start %1 when I sign in</source>
        <comment></comment>
        <translation>%1 bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>The selected folder is already synced by another task.</source>
        <comment></comment>
        <translation>Der ausgewählte Ordner wird bereits von einer anderen Aufgabe synchronisiert.</translation>
    </message>
    <message>
        <source>File</source>
        <comment></comment>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Recently changed</source>
        <comment></comment>
        <translation>Kürzlich geändert</translation>
    </message>
</context>
</TS>
