<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da_DK" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Enabled</source>
        <comment></comment>
        <translation>Aktiveret</translation>
    </message>
    <message>
        <source>Larkspan Drive has no optional features to change.</source>
        <comment></comment>
        <translation>Larkspan Drive har ingen valgfrie funktioner, der kan ændres.</translation>
    </message>
    <message>
        <source>Merge</source>
        <comment></comment>
        <translation>Flet</translation>
    </message>
    <message>
        <source>Open folder</source>
        <comment></comment>
        <translation>Åbn mappe</translation>
    </message>
    <message>
        <source>Sync folder on this computer</source>
        <comment></comment>
        <translation>Synkroniseringsmappe på denne computer</translation>
    </message>
    <message>
        <source>Tutorial that introduces the main features of %1</source>
        <comment></comment>
        <translation>Selvstudium, der introducerer de vigtigste funktioner i %1</translation>
    </message>
    <message>
        <source>Renamed on the Larkspan</source>
        <comment></comment>
        <translation>Omdøbt på Larkspan</translation>
    </message>
    <message>
        <source>Friday</source>
        <comment></comment>
        <translation>Fredag</translation>
    </message>
    <message>
        <source>Thursday</source>
        <comment></comment>
        <translation>Torsdag</translation>
    </message>
    <message>
        <source>The setup wizard is ready to begin the installation.</source>
        <comment></comment>
        <translation>Installationsguiden er klar til at starte installationen.</translation>
    </message>
    <message>
        <source>Select the files to sync</source>
        <comment></comment>
        <translation>Vælg de filer, der skal synkroniseres</translation>
    </message>
    <message>
        <source>Loading...</source>
        <comment></comment>
        <translation>Indlæser...</translation>
    </message>
    <message>
        <source>Sync direction</source>
        <comment></comment>
        <translation>Synkroniseringsretning</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <comment></comment>
        <translation>Der er en ny version tilgængelig. Klik for at opdatere.</translation>
    </message>
    <message>
        <source>Ready to install Larkspan Drive</source>
        <comment></comment>
        <translation>Klar til at installere Larkspan Drive</translation>
    </message>
    <message>
        <source>User name</source>
        <comment></comment>
        <translation>Brugernavn</translation>
    </message>
    <message>
        <source>File sharing is not available over a relay connection.</source>
        <comment></comment>
        <translation>Fildeling er ikke tilgængelig via en relæforbindelse.</translation>
    </message>
    <message>
        <source>Last page</source>
        <comment></comment>
        <translation>Sidste side</translation>
    </message>
    <message>
        <source>One-way upload</source>
        <comment></comment>
        <translation>Envejsupload</translation>
    </message>
    <message>
        <source>Setup is complete. %1 now keeps your files in sync.</source>
        <comment></comment>
        <translation>Opsætningen er fuldført. %1 holder nu dine filer synkroniseret.</translation>
    </message>
    <message>
        <source>System default</source>
        <comment></comment>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>A sync folder named %1 already exists. Choose another name.</source>
        <comment></comment>
        <translation>Der findes allerede en synkroniseringsmappe med navnet %1. Vælg et andet navn.</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment></comment>
        <translation>Afslut</translation>
    </message>
    <message>
        <source>Choose the display language</source>
        <comment></comment>
        <translation>Vælg visningssprog</translation>
    </message>
    <message>
        <source>The Larkspan Drive service is disabled on this Larkspan. Ask your administrator to enable it.</source>
        <comment></comment>
        <translation>Larkspan Drive-tjenesten er deaktiveret på denne Larkspan. Bed din administrator om at aktivere den.</translation>
    </message>
    <message>
        <source>Search for Larkspan servers on the local network</source>
        <comment></comment>
        <translation>Søg efter Larkspan-servere på det lokale netværk</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <comment></comment>
        <translation>og %1 til</translation>
    </message>
    <message>
        <source>Connected</source>
        <comment></comment>
        <translation>Forbundet</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <comment></comment>
        <translation>Tirsdag</translation>
    </message>
    <message>
        <source>Read the following license agreement and accept it to continue.</source>
        <comment></comment>
        <translation>Læs følgende licensaftale, og accepter den for at fortsætte.</translation>
    </message>
    <message>
        <source>Help</source>
        <comment></comment>
        <translation>Hjælp</translation>
    </message>
    <message>
        <source>Launch Larkspan Drive now</source>
        <comment></comment>
        <translation>Start Larkspan Drive nu</translation>
    </message>
    <message>
        <source>User name:</source>
        <comment></comment>
        <translation>Brugernavn:</translation>
    </message>
    <message>
        <source>Finishing the automatic setup...</source>
        <comment></comment>
        <translation>Afslutter den automatiske opsætning...</translation>
    </message>
    <message>
        <source>Summary</source>
        <comment></comment>
        <translation>Resumé</translation>
    </message>
    <message>
        <source>Selective sync mode</source>
        <comment></comment>
        <translation>Tilstand for selektiv synkronisering</translation>
    </message>
    <message>
        <source>Notifications</source>
        <comment></comment>
        <translation>Meddelelser</translation>
    </message>
    <message>
        <source>Choose a folder on the Larkspan and a folder on this computer to keep in sync.</source>
        <comment></comment>
        <translation>Vælg en mappe på Larkspan og en mappe på denne computer, der skal holdes synkroniseret.</translation>
    </message>
    <message>
        <source>Files whose names match these patterns are not synced. Use * as a wildcard, for example *.tmp.</source>
        <comment></comment>
        <translation>Filer, hvis navne matcher disse mønstre, synkroniseres ikke. Brug * som jokertegn, for eksempel *.tmp.</translation>
    </message>
    <message>
        <source>OK</source>
        <comment></comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Everyone with the link can view the files.</source>
        <comment></comment>
        <translation>Alle med linket kan se filerne.</translation>
    </message>
    <message>
        <source>Set sync folder</source>
        <comment></comment>
        <translation>Angiv synkroniseringsmappe</translation>
    </message>
    <message>
        <source>Unlink</source>
        <comment></comment>
        <translation>Fjern tilknytning</translation>
    </message>
    <message>
        <source>Value</source>
        <comment></comment>
        <translation>Værdi</translation>
    </message>
    <message>
        <source>Selective sync</source>
        <comment></comment>
        <translation>Selektiv synkronisering</translation>
    </message>
    <message>
        <source>Continue</source>
        <comment></comment>
        <translation>Fortsæt</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <comment></comment>
        <translation>Initialiseringen mislykkedes.</translation>
    </message>
    <message>
        <source>Share files with others</source>
        <comment></comment>
        <translation>Del filer med andre</translation>
    </message>
    <message>
        <source>Open Larkspan Drive</source>
        <comment></comment>
        <translation>Åbn Larkspan Drive</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment></comment>
        <translation>Annuller</translation>
    </message>
    <message>
        <source>Change which features of Larkspan Drive are installed</source>
        <comment></comment>
        <translation>Ændr, hvilke funktioner i Larkspan Drive der er installeret</translation>
    </message>
    <message>
        <source>Unable to get the user information.</source>
        <comment></comment>
        <translation>Brugeroplysningerne kunne ikke hentes.</translation>
    </message>
    <message>
        <source>Status information</source>
        <comment></comment>
        <translation>Statusoplysninger</translation>
    </message>
    <message>
        <source>The setup wizard will install Larkspan Drive on your computer. Click Next to continue or Cancel to exit.</source>
        <comment></comment>
        <translation>Installationsguiden installerer Larkspan Drive på din computer. Klik på Næste for at fortsætte eller på Annuller for at afslutte.</translation>
    </message>
    <message>
        <source>Show sync status icons on files and folders</source>
        <comment></comment>
        <translation>Vis ikoner for synkroniseringsstatus på filer og mapper</translation>
    </message>
    <message>
        <source>Change</source>
        <comment></comment>
        <translation>Ændr</translation>
    </message>
    <message>
        <source>Cancel setup</source>
        <comment></comment>
        <translation>Annuller installationen</translation>
    </message>
    <message>
        <source>No proxy</source>
        <comment></comment>
        <translation>Ingen proxy</translation>
    </message>
    <message>
        <source>The client could not be upgraded. Please try again later.</source>
        <comment></comment>
        <translation>Klienten kunne ikke opgraderes. Prøv igen senere.</translation>
    </message>
    <message>
        <source>Apply</source>
        <comment></comment>
        <translation>Anvend</translation>
    </message>
    <message>
        <source>Files in use</source>
        <comment></comment>
        <translation>Filer i brug</translation>
    </message>
    <message>
        <source>Service disabled</source>
        <comment></comment>
        <translation>Tjenesten er deaktiveret</translation>
    </message>
    <message>
        <source>Reading the connection settings...</source>
        <comment></comment>
        <translation>Læser forbindelsesindstillingerne...</translation>
    </message>
    <message>
        <source>Mentioned you</source>
        <comment></comment>
        <translation>Omtaler af dig</translation>
    </message>
    <message>
        <source>Updating...</source>
        <comment></comment>
        <translation>Opdaterer...</translation>
    </message>
    <message>
        <source>Language</source>
        <comment></comment>
        <translation>Sprog</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <comment></comment>
        <translation>Tillykke!</translation>
    </message>
    <message>
        <source>Enable sharing</source>
        <comment></comment>
        <translation>Aktivér deling</translation>
    </message>
    <message>
        <source>The home folder service is not enabled for your account. Ask your administrator to enable it.</source>
        <comment></comment>
        <translation>Tjenesten for hjemmemappen er ikke aktiveret for din konto. Bed din administrator om at aktivere den.</translation>
    </message>
    <message>
        <source>August</source>
        <comment></comment>
        <translation>August</translation>
    </message>
    <message>
        <source>Read and write</source>
        <comment></comment>
        <translation>Læse og skrive</translation>
    </message>
    <message>
        <source>Remove</source>
        <comment></comment>
        <translation>Fjern</translation>
    </message>
    <message>
        <source>Larkspan Drive notification</source>
        <comment></comment>
        <translation>Meddelelse fra Larkspan Drive</translation>
    </message>
    <message>
        <source>Open in the web portal</source>
        <comment></comment>
        <translation>Åbn i webportalen</translation>
    </message>
    <message>
        <source>The selected sync folder is not valid. Choose another folder.</source>
        <comment></comment>
        <translation>Den valgte synkroniseringsmappe er ugyldig. Vælg en anden mappe.</translation>
    </message>
    <message>
        <source>This field cannot be left blank.</source>
        <comment></comment>
        <translation>Dette felt skal udfyldes.</translation>
    </message>
    <message>
        <source>Start Larkspan Drive when I sign in</source>
        <comment></comment>
        <translation>Start Larkspan Drive, når jeg logger på</translation>
    </message>
    <message>
        <source>Some files that need to be updated are currently in use.</source>
        <comment></comment>
        <translation>Nogle filer, der skal opdateres, er i brug i øjeblikket.</translation>
    </message>
    <message>
        <source>File extensions:</source>
        <comment></comment>
        <translation>Filtypenavne:</translation>
    </message>
    <message>
        <source>Shared with me</source>
        <comment></comment>
        <translation>Delt med mig</translation>
    </message>
    <message>
        <source>Stop downloading this version</source>
        <comment></comment>
        <translation>Stop download af denne version</translation>
    </message>
    <message>
        <source>Browse previous versions</source>
        <comment></comment>
        <translation>Gennemse tidligere versioner</translation>
    </message>
    <message>
        <source>Unable to create the local folder %1.</source>
        <comment></comment>
        <translation>Den lokale mappe %1 kunne ikke oprettes.</translation>
    </message>
    <message>
        <source>Information</source>
        <comment></comment>
        <translation>Oplysninger</translation>
    </message>
    <message>
        <source>%1 is running.</source>
        <comment></comment>
        <translation>%1 kører.</translation>
    </message>
    <message>
        <source>Larkspan Drive keeps the files on your Larkspan and your computers in sync.</source>
        <comment></comment>
        <translation>Larkspan Drive holder filerne på din Larkspan og dine computere synkroniseret.</translation>
    </message>
    <message>
        <source>Do not show this message again</source>
        <comment></comment>
        <translation>Vis ikke denne meddelelse igen</translation>
    </message>
    <message>
        <source>Open the web portal</source>
        <comment></comment>
        <translation>Åbn webportalen</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <comment></comment>
        <translation>Opgradering</translation>
    </message>
    <message>
        <source>Done</source>
        <comment></comment>
        <translation>Færdig</translation>
    </message>
    <message>
        <source>Choose how to finish the setup:</source>
        <comment></comment>
        <translation>Vælg, hvordan opsætningen skal afsluttes:</translation>
    </message>
    <message>
        <source>When a file exists on both sides, both are kept and the local copy is renamed as a conflict file.</source>
        <comment></comment>
        <translation>Når en fil findes begge steder, beholdes begge, og den lokale kopi omdøbes til en konfliktfil.</translation>
    </message>
    <message>
        <source>Only the users and groups you choose can open the files.</source>
        <comment></comment>
        <translation>Kun de brugere og grupper, du vælger, kan åbne filerne.</translation>
    </message>
    <message>
        <source>Invite people</source>
        <comment></comment>
        <translation>Inviter personer</translation>
    </message>
    <message>
        <source>This computer</source>
        <comment></comment>
        <translation>Denne computer</translation>
    </message>
    <message>
        <source>New shared item</source>
        <comment></comment>
        <translation>Nyt delt element</translation>
    </message>
    <message>
        <source>Uploading</source>
        <comment></comment>
        <translation>Uploader</translation>
    </message>
    <message>
        <source>Automatic connection is not allowed by the server settings.</source>
        <comment></comment>
        <translation>Automatisk forbindelse er ikke tilladt af serverindstillingerne.</translation>
    </message>
    <message>
        <source>Restricted</source>
        <comment></comment>
        <translation>Begrænset</translation>
    </message>
    <message>
        <source>Proxy</source>
        <comment></comment>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Keep both files and add the computer name to the local copy</source>
        <comment></comment>
        <translation>Behold begge filer, og føj computerens navn til den lokale kopi</translation>
    </message>
    <message>
        <source>Close the applications automatically and try to restart them afterwards.</source>
        <comment></comment>
        <translation>Luk programmerne automatisk, og forsøg at genstarte dem bagefter.</translation>
    </message>
    <message>
        <source>This version of the client is too old. Upgrade Larkspan Drive to the latest version.</source>
        <comment></comment>
        <translation>Denne version af klienten er for gammel. Opgrader Larkspan Drive til den nyeste version.</translation>
    </message>
    <message>
        <source>Users and groups</source>
        <comment></comment>
        <translation>Brugere og grupper</translation>
    </message>
    <message>
        <source>Right-click a file in your sync folder and choose Share link to share it with anyone.</source>
        <comment></comment>
        <translation>Højreklik på en fil i din synkroniseringsmappe, og vælg Del link for at dele den med alle.</translation>
    </message>
    <message>
        <source>Link permission</source>
        <comment></comment>
        <translation>Tilladelse for link</translation>
    </message>
    <message>
        <source>The server&apos;s SSL certificate could not be verified.</source>
        <comment></comment>
        <translation>Serverens SSL-certifikat kunne ikke bekræftes.</translation>
    </message>
    <message>
        <source>Repairs the most recent installation by restoring missing or damaged files and shortcuts.</source>
        <comment></comment>
        <translation>Reparerer den seneste installation ved at gendanne manglende eller beskadigede filer og genveje.</translation>
    </message>
    <message>
        <source>Sync mode</source>
        <comment></comment>
        <translation>Synkroniseringstilstand</translation>
    </message>
    <message>
        <source>No previous versions are available for this file.</source>
        <comment></comment>
        <translation>Der er ingen tidligere versioner af denne fil.</translation>
    </message>
    <message>
        <source>The remote folder is not mounted.</source>
        <comment></comment>
        <translation>Fjernmappen er ikke monteret.</translation>
    </message>
    <message>
        <source>Type</source>
        <comment></comment>
        <translation>Type</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <comment></comment>
        <translation>Slutbrugerlicensaftale</translation>
    </message>
    <message>
        <source>Expire after a number of visits</source>
        <comment></comment>
        <translation>Udløber efter et antal besøg</translation>
    </message>
    <message>
        <source>Signed-in users can view the files.</source>
        <comment></comment>
        <translation>Brugere, der er logget på, kan se filerne.</translation>
    </message>
    <message>
        <source>The Larkspan Drive ID is not valid.</source>
        <comment></comment>
        <translation>Larkspan Drive-id&apos;et er ugyldigt.</translation>
    </message>
    <message>
        <source>Change, repair or remove the installation</source>
        <comment></comment>
        <translation>Ændr, reparer eller fjern installationen</translation>
    </message>
    <message>
        <source>Connection unstable</source>
        <comment></comment>
        <translation>Ustabil forbindelse</translation>
    </message>
    <message>
        <source>Date</source>
        <comment></comment>
        <translation>Dato</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <comment></comment>
        <translation>Angiv højst %1 tegn.</translation>
    </message>
    <message>
        <source>This computer was linked to a different server. Link %1 again to continue.</source>
        <comment></comment>
        <translation>Denne computer blev tilknyttet en anden server. Tilknyt %1 igen for at fortsætte.</translation>
    </message>
    <message>
        <source>No valid folder is selected.</source>
        <comment></comment>
        <translation>Der er ikke valgt nogen gyldig mappe.</translation>
    </message>
    <message>
        <source>Version mismatch</source>
        <comment></comment>
        <translation>Versionerne passer ikke sammen</translation>
    </message>
    <message>
        <source>No data</source>
        <comment></comment>
        <translation>Ingen data</translation>
    </message>
    <message>
        <source>Setup was interrupted by an error.</source>
        <comment></comment>
        <translation>Installationen blev afbrudt af en fejl.</translation>
    </message>
    <message>
        <source>Open file</source>
        <comment></comment>
        <translation>Åbn fil</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment></comment>
        <translation>Slet</translation>
    </message>
    <message>
        <source>A new version is available. Click to update to %1.</source>
        <comment></comment>
        <translation>Der er en ny version tilgængelig. Klik for at opdatere til %1.</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment></comment>
        <translation>Indstillinger</translation>
    </message>
    <message>
        <source>Unable to delete the shared item.</source>
        <comment></comment>
        <translation>Det delte element kunne ikke slettes.</translation>
    </message>
    <message>
        <source>Error</source>
        <comment></comment>
        <translation>Fejl</translation>
    </message>
    <message>
        <source>Unable to list the versions of this file.</source>
        <comment></comment>
        <translation>Versionerne af denne fil kunne ikke vises.</translation>
    </message>
    <message>
        <source>%1 minutes ago</source>
        <comment></comment>
        <translation>For %1 minutter siden</translation>
    </message>
    <message>
        <source>Larkspan Drive encountered an error.</source>
        <comment></comment>
        <translation>Der opstod en fejl i Larkspan Drive.</translation>
    </message>
    <message>
        <source>Resume syncing these folders</source>
        <comment></comment>
        <translation>Genoptag synkroniseringen af disse mapper</translation>
    </message>
    <message>
        <source>Add folder</source>
        <comment></comment>
        <translation>Tilføj mappe</translation>
    </message>
    <message>
        <source>Lets you change the way the features are installed.</source>
        <comment></comment>
        <translation>Giver dig mulighed for at ændre, hvordan funktionerne installeres.</translation>
    </message>
    <message>
        <source>Choose how you want to set up Larkspan Drive.</source>
        <comment></comment>
        <translation>Vælg, hvordan du vil konfigurere Larkspan Drive.</translation>
    </message>
    <message>
        <source>Repair the installation</source>
        <comment></comment>
        <translation>Reparer installationen</translation>
    </message>
    <message>
        <source>When a file was changed on both sides:</source>
        <comment></comment>
        <translation>Når en fil er blevet ændret begge steder:</translation>
    </message>
    <message>
        <source>Later</source>
        <comment></comment>
        <translation>Senere</translation>
    </message>
    <message>
        <source>The folder %1 already exists. Do you want to merge the two folders?</source>
        <comment></comment>
        <translation>Mappen %1 findes allerede. Vil du flette de to mapper?</translation>
    </message>
    <message>
        <source>New shared item received</source>
        <comment></comment>
        <translation>Nyt delt element modtaget</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <comment></comment>
        <translation>Vis skrivebordsmeddelelser</translation>
    </message>
    <message>
        <source>Larkspan Drive does not support the protocol used by this server.</source>
        <comment></comment>
        <translation>Larkspan Drive understøtter ikke den protokol, som denne server bruger.</translation>
    </message>
    <message>
        <source>The local disk is full. Larkspan Drive has paused syncing.</source>
        <comment></comment>
        <translation>Den lokale disk er fuld. Larkspan Drive har sat synkroniseringen på pause.</translation>
    </message>
    <message>
        <source>No shared items</source>
        <comment></comment>
        <translation>Ingen delte elementer</translation>
    </message>
    <message>
        <source>Authentication failed. Check your user name and password.</source>
        <comment></comment>
        <translation>Godkendelsen mislykkedes. Kontrollér dit brugernavn og din adgangskode.</translation>
    </message>
    <message>
        <source>Choose the folders to keep in sync.</source>
        <comment></comment>
        <translation>Vælg de mapper, der skal holdes synkroniseret.</translation>
    </message>
    <message>
        <source>Paused</source>
        <comment></comment>
        <translation>Sat på pause</translation>
    </message>
    <message>
        <source>%1 is initializing...</source>
        <comment></comment>
        <translation>%1 initialiseres...</translation>
    </message>
    <message>
        <source>Up to date</source>
        <comment></comment>
        <translation>Opdateret</translation>
    </message>
    <message>
        <source>Download cancelled.</source>
        <comment></comment>
        <translation>Download annulleret.</translation>
    </message>
    <message>
        <source>Larkspan Drive could not be upgraded.</source>
        <comment></comment>
        <translation>Larkspan Drive kunne ikke opgraderes.</translation>
    </message>
    <message>
        <source>Your files, everywhere.</source>
        <comment></comment>
        <translation>Dine filer, overalt.</translation>
    </message>
    <message>
        <source>Sync the files that other users share with you.</source>
        <comment></comment>
        <translation>Synkroniser de filer, som andre brugere deler med dig.</translation>
    </message>
    <message>
        <source>Change, repair or remove Larkspan Drive.</source>
        <comment></comment>
        <translation>Ændr, reparer eller fjern Larkspan Drive.</translation>
    </message>
    <message>
        <source>Installing Larkspan Drive</source>
        <comment></comment>
        <translation>Installerer Larkspan Drive</translation>
    </message>
    <message>
        <source>Keep both files and rename the conflicting one</source>
        <comment></comment>
        <translation>Behold begge filer, og omdøb den fil, der er i konflikt</translation>
    </message>
    <message>
        <source>The server version is not supported. Ask your administrator to upgrade the server.</source>
        <comment></comment>
        <translation>Serverversionen understøttes ikke. Bed din administrator om at opgradere serveren.</translation>
    </message>
    <message>
        <source>Version</source>
        <comment></comment>
        <translation>Version</translation>
    </message>
    <message>
        <source>Resume syncing this folder</source>
        <comment></comment>
        <translation>Genoptag synkroniseringen af denne mappe</translation>
    </message>
    <message>
        <source>Show Larkspan Drive in the file manager&apos;s context menu</source>
        <comment></comment>
        <translation>Vis Larkspan Drive i filhåndteringens genvejsmenu</translation>
    </message>
    <message>
        <source>About</source>
        <comment></comment>
        <translation>Om</translation>
    </message>
    <message>
        <source>Comments</source>
        <comment></comment>
        <translation>Kommentarer</translation>
    </message>
    <message>
        <source>The relay service is disabled on the server.</source>
        <comment></comment>
        <translation>Relætjenesten er deaktiveret på serveren.</translation>
    </message>
    <message>
        <source>Last week</source>
        <comment></comment>
        <translation>Sidste uge</translation>
    </message>
    <message>
        <source>Checking data...</source>
        <comment></comment>
        <translation>Kontrollerer data...</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <comment></comment>
        <translation>Synkroniserer...</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment></comment>
        <translation>Mappe</translation>
    </message>
    <message>
        <source>%1 items</source>
        <comment></comment>
        <translation>%1 elementer</translation>
    </message>
    <message>
        <source>Download</source>
        <comment></comment>
        <translation>Download</translation>
    </message>
    <message>
        <source>%1 days ago</source>
        <comment></comment>
        <translation>For %1 dage siden</translation>
    </message>
    <message>
        <source>Open settings</source>
        <comment></comment>
        <translation>Åbn indstillinger</translation>
    </message>
    <message>
        <source>Unable to get the link to the file.</source>
        <comment></comment>
        <translation>Linket til filen kunne ikke hentes.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. %1 will merge its content with the server.</source>
        <comment></comment>
        <translation>Den valgte mappe er ikke tom. %1 fletter dens indhold med serveren.</translation>
    </message>
    <message>
        <source>Reconnect</source>
        <comment></comment>
        <translation>Opret forbindelse igen</translation>
    </message>
    <message>
        <source>Monday</source>
        <comment></comment>
        <translation>Mandag</translation>
    </message>
    <message>
        <source>The shared folder conflicts with an existing sync folder.</source>
        <comment></comment>
        <translation>Den delte mappe er i konflikt med en eksisterende synkroniseringsmappe.</translation>
    </message>
    <message>
        <source>Sync task from %1 to %2</source>
        <comment></comment>
        <translation>Synkroniseringsopgave fra %1 til %2</translation>
    </message>
    <message>
        <source>Mount point</source>
        <comment></comment>
        <translation>Monteringspunkt</translation>
    </message>
    <message>
        <source>Folder not empty</source>
        <comment></comment>
        <translation>Mappen er ikke tom</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <comment></comment>
        <translation>Fjerner tilknytning...</translation>
    </message>
    <message>
        <source>Time</source>
        <comment></comment>
        <translation>Tidspunkt</translation>
    </message>
    <message>
        <source>%1 does not support the protocol used by this server.</source>
        <comment></comment>
        <translation>%1 understøtter ikke den protokol, som denne server bruger.</translation>
    </message>
    <message>
        <source>Folder path</source>
        <comment></comment>
        <translation>Mappesti</translation>
    </message>
    <message>
        <source>February</source>
        <comment></comment>
        <translation>Februar</translation>
    </message>
    <message>
        <source>The server&apos;s certificate could not be verified. Syncing is paused.</source>
        <comment></comment>
        <translation>Serverens certifikat kunne ikke bekræftes. Synkroniseringen er sat på pause.</translation>
    </message>
    <message>
        <source>Close the applications that use these files.</source>
        <comment></comment>
        <translation>Luk de programmer, der bruger disse filer.</translation>
    </message>
    <message>
        <source>Automatic connection failed because of a system error.</source>
        <comment></comment>
        <translation>Automatisk forbindelse mislykkedes på grund af en systemfejl.</translation>
    </message>
    <message>
        <source>Show icons on files that are not synced</source>
        <comment></comment>
        <translation>Vis ikoner på filer, der ikke synkroniseres</translation>
    </message>
    <message>
        <source>Larkspan Drive setup was interrupted. Your system has not been changed.</source>
        <comment></comment>
        <translation>Installationen af Larkspan Drive blev afbrudt. Dit system er ikke blevet ændret.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has changed.</source>
        <comment></comment>
        <translation>Serverens certifikat er blevet ændret.</translation>
    </message>
    <message>
        <source>Files are stored in your local sync folder, for example /home/user/​LarkspanDrive.</source>
        <comment></comment>
        <translation>Filerne gemmes i din lokale synkroniseringsmappe, for eksempel /home/user/​LarkspanDrive.</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the installation of Larkspan Drive?</source>
        <comment></comment>
        <translation>Er du sikker på, at du vil annullere installationen af Larkspan Drive?</translation>
    </message>
    <message>
        <source>ID</source>
        <comment></comment>
        <translation>Id</translation>
    </message>
    <message>
        <source>%1 has been downloaded.</source>
        <comment></comment>
        <translation>%1 er blevet downloadet.</translation>
    </message>
    <message>
        <source>The connection is inactive.</source>
        <comment></comment>
        <translation>Forbindelsen er inaktiv.</translation>
    </message>
    <message>
        <source>Changes in folders on network drives may not be detected right away.</source>
        <comment></comment>
        <translation>Ændringer i mapper på netværksdrev registreres muligvis ikke med det samme.</translation>
    </message>
    <message>
        <source>Share</source>
        <comment></comment>
        <translation>Del</translation>
    </message>
    <message>
        <source>%1 encountered an error.</source>
        <comment></comment>
        <translation>Der opstod en fejl i %1.</translation>
    </message>
    <message>
        <source>First page</source>
        <comment></comment>
        <translation>Første side</translation>
    </message>
    <message>
        <source>Resume</source>
        <comment></comment>
        <translation>Genoptag</translation>
    </message>
    <message>
        <source>Unable to enable sharing.</source>
        <comment></comment>
        <translation>Deling kunne ikke aktiveres.</translation>
    </message>
    <message>
        <source>The local disk is full. %1 has paused syncing.</source>
        <comment></comment>
        <translation>Den lokale disk er fuld. %1 har sat synkroniseringen på pause.</translation>
    </message>
    <message>
        <source>Custom duration</source>
        <comment></comment>
        <translation>Brugerdefineret varighed</translation>
    </message>
    <message>
        <source>Remove this download</source>
        <comment></comment>
        <translation>Fjern denne download</translation>
    </message>
    <message>
        <source>I accept the terms of the License Agreement</source>
        <comment></comment>
        <translation>Jeg accepterer betingelserne i licensaftalen</translation>
    </message>
    <message>
        <source>Select a folder on your computer to sync.</source>
        <comment></comment>
        <translation>Vælg en mappe på din computer, der skal synkroniseres.</translation>
    </message>
    <message>
        <source>Action</source>
        <comment></comment>
        <translation>Handling</translation>
    </message>
    <message>
        <source>Sync tasks</source>
        <comment></comment>
        <translation>Synkroniseringsopgaver</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment></comment>
        <translation>Sæt på pause</translation>
    </message>
    <message>
        <source>Click Finish to close the setup wizard.</source>
        <comment></comment>
        <translation>Klik på Udfør for at lukke installationsguiden.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Larkspan Drive will merge its content with the server.</source>
        <comment></comment>
        <translation>Den valgte mappe er ikke tom. Larkspan Drive fletter dens indhold med serveren.</translation>
    </message>
    <message>
        <source>The disk of the Larkspan is full.</source>
        <comment></comment>
        <translation>Disken på Larkspan er fuld.</translation>
    </message>
    <message>
        <source>Manage</source>
        <comment></comment>
        <translation>Administrer</translation>
    </message>
    <message>
        <source>The setup wizard lets you change the way Larkspan Drive is installed, repair it or remove it. Click Next to continue or Cancel to exit.</source>
        <comment></comment>
        <translation>Med installationsguiden kan du ændre, hvordan Larkspan Drive er installeret, eller reparere eller fjerne programmet. Klik på Næste for at fortsætte eller på Annuller for at afslutte.</translation>
    </message>
    <message>
        <source>%1 requested access to %2</source>
        <comment></comment>
        <translation>%1 har anmodet om adgang til %2</translation>
    </message>
    <message>
        <source>Connected through the Internet</source>
        <comment></comment>
        <translation>Forbundet via internettet</translation>
    </message>
    <message>
        <source>Sync your files</source>
        <comment></comment>
        <translation>Synkroniser dine filer</translation>
    </message>
    <message>
        <source>Unable to download this version.</source>
        <comment></comment>
        <translation>Denne version kunne ikke downloades.</translation>
    </message>
    <message>
        <source>Larkspan Drive setup ended because of an error. Your system has not been changed.</source>
        <comment></comment>
        <translation>Installationen af Larkspan Drive blev afsluttet på grund af en fejl. Dit system er ikke blevet ændret.</translation>
    </message>
    <message>
        <source>Files shared with you appear in the %1 folder on this computer.</source>
        <comment></comment>
        <translation>Filer, der er delt med dig, vises i mappen %1 på denne computer.</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this connection?</source>
        <comment></comment>
        <translation>Er du sikker på, at du vil fjerne tilknytningen af denne forbindelse?</translation>
    </message>
    <message>
        <source>Retry</source>
        <comment></comment>
        <translation>Prøv igen</translation>
    </message>
    <message>
        <source>The proxy server requires a password</source>
        <comment></comment>
        <translation>Proxyserveren kræver en adgangskode</translation>
    </message>
    <message>
        <source>Update to the latest version to use selective sync.</source>
        <comment></comment>
        <translation>Opdater til den nyeste version for at bruge selektiv synkronisering.</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again in %1 minutes.</source>
        <comment></comment>
        <translation>For mange mislykkede forsøg. Prøv igen om %1 minutter.</translation>
    </message>
    <message>
        <source>File name</source>
        <comment></comment>
        <translation>Filnavn</translation>
    </message>
    <message>
        <source>Inactive</source>
        <comment></comment>
        <translation>Inaktiv</translation>
    </message>
    <message>
        <source>You can change these settings at any time in %1.</source>
        <comment></comment>
        <translation>Du kan til enhver tid ændre disse indstillinger i %1.</translation>
    </message>
    <message>
        <source>This version of Larkspan Drive is already installed. Do you want to install it again?</source>
        <comment></comment>
        <translation>Denne version af Larkspan Drive er allerede installeret. Vil du installere den igen?</translation>
    </message>
    <message>
        <source>The quota of the shared folder is full.</source>
        <comment></comment>
        <translation>Den delte mappes kvote er opbrugt.</translation>
    </message>
    <message>
        <source>The shared folder is not mounted.</source>
        <comment></comment>
        <translation>Den delte mappe er ikke monteret.</translation>
    </message>
    <message>
        <source>%1 hours ago</source>
        <comment></comment>
        <translation>For %1 timer siden</translation>
    </message>
    <message>
        <source>Completed the Larkspan Drive Setup Wizard</source>
        <comment></comment>
        <translation>Installationsguiden til Larkspan Drive er fuldført</translation>
    </message>
    <message>
        <source>January</source>
        <comment></comment>
        <translation>Januar</translation>
    </message>
    <message>
        <source>Choose the folders to sync and the sync settings yourself.</source>
        <comment></comment>
        <translation>Vælg selv de mapper, der skal synkroniseres, og synkroniseringsindstillingerne.</translation>
    </message>
    <message>
        <source>The Larkspan has changed. Link it again to continue.</source>
        <comment></comment>
        <translation>Larkspan er blevet ændret. Tilknyt den igen for at fortsætte.</translation>
    </message>
    <message>
        <source>%1 is now syncing your files.</source>
        <comment></comment>
        <translation>%1 synkroniserer nu dine filer.</translation>
    </message>
    <message>
        <source>Unable to create a link for this item.</source>
        <comment></comment>
        <translation>Der kunne ikke oprettes et link til dette element.</translation>
    </message>
    <message>
        <source>I do not accept the terms of the License Agreement</source>
        <comment></comment>
        <translation>Jeg accepterer ikke betingelserne i licensaftalen</translation>
    </message>
    <message>
        <source>Sync</source>
        <comment></comment>
        <translation>Synkronisering</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <comment></comment>
        <translation>I går</translation>
    </message>
    <message>
        <source>Downloads of previous versions</source>
        <comment></comment>
        <translation>Downloads af tidligere versioner</translation>
    </message>
    <message>
        <source>Sync history</source>
        <comment></comment>
        <translation>Synkroniseringshistorik</translation>
    </message>
    <message>
        <source>Share link</source>
        <comment></comment>
        <translation>Del link</translation>
    </message>
    <message>
        <source>Repair</source>
        <comment></comment>
        <translation>Reparer</translation>
    </message>
    <message>
        <source>Open the Larkspan in your browser</source>
        <comment></comment>
        <translation>Åbn Larkspan i din browser</translation>
    </message>
    <message>
        <source>%1 commented on %2</source>
        <comment></comment>
        <translation>%1 har kommenteret %2</translation>
    </message>
    <message>
        <source>The maximum number of shared items has been reached.</source>
        <comment></comment>
        <translation>Det maksimale antal delte elementer er nået.</translation>
    </message>
    <message>
        <source>Shared</source>
        <comment></comment>
        <translation>Delt</translation>
    </message>
    <message>
        <source>The local disk is full.</source>
        <comment></comment>
        <translation>Den lokale disk er fuld.</translation>
    </message>
    <message>
        <source>Setup interrupted</source>
        <comment></comment>
        <translation>Installationen blev afbrudt</translation>
    </message>
    <message>
        <source>The local sync folder cannot be found.</source>
        <comment></comment>
        <translation>Den lokale synkroniseringsmappe blev ikke fundet.</translation>
    </message>
    <message>
        <source>Put your files in the sync folder, and they stay up to date on all your devices.</source>
        <comment></comment>
        <translation>Læg dine filer i synkroniseringsmappen, så holdes de opdateret på alle dine enheder.</translation>
    </message>
    <message>
        <source>Expire after</source>
        <comment></comment>
        <translation>Udløber efter</translation>
    </message>
    <message>
        <source>June</source>
        <comment></comment>
        <translation>Juni</translation>
    </message>
    <message>
        <source>Select the operation you want to perform.</source>
        <comment></comment>
        <translation>Vælg den handling, du vil udføre.</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <comment></comment>
        <translation>Midlertidige filer</translation>
    </message>
    <message>
        <source>Your quota on the Larkspan is full. Free some space or choose another folder.</source>
        <comment></comment>
        <translation>Din kvote på Larkspan er opbrugt. Frigør plads, eller vælg en anden mappe.</translation>
    </message>
    <message>
        <source>Enter the address and port of the proxy server.</source>
        <comment></comment>
        <translation>Angiv proxyserverens adresse og port.</translation>
    </message>
    <message>
        <source>Folder on the Larkspan</source>
        <comment></comment>
        <translation>Mappe på Larkspan</translation>
    </message>
    <message>
        <source>Renamed on this computer</source>
        <comment></comment>
        <translation>Omdøbt på denne computer</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <comment></comment>
        <translation>Godkendelsen mislykkedes</translation>
    </message>
    <message>
        <source>Sunday</source>
        <comment></comment>
        <translation>Søndag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <comment></comment>
        <translation>Onsdag</translation>
    </message>
    <message>
        <source>Automatic setup is configured.</source>
        <comment></comment>
        <translation>Den automatiske opsætning er konfigureret.</translation>
    </message>
    <message>
        <source>New folder on the Larkspan</source>
        <comment></comment>
        <translation>Ny mappe på Larkspan</translation>
    </message>
    <message>
        <source>Display</source>
        <comment></comment>
        <translation>Visning</translation>
    </message>
    <message>
        <source>A newer version of %1 is already installed. Setup will now exit.</source>
        <comment></comment>
        <translation>En nyere version af %1 er allerede installeret. Installationen afsluttes nu.</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment></comment>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Local sync folder</source>
        <comment></comment>
        <translation>Lokal synkroniseringsmappe</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <comment></comment>
        <translation>Maksimal filstørrelse (MB):</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <comment></comment>
        <translation>Opretter forbindelse...</translation>
    </message>
    <message>
        <source>Access request</source>
        <comment></comment>
        <translation>Anmodning om adgang</translation>
    </message>
    <message>
        <source>Larkspan Drive is ready.</source>
        <comment></comment>
        <translation>Larkspan Drive er klar.</translation>
    </message>
    <message>
        <source>Set up</source>
        <comment></comment>
        <translation>Konfigurer</translation>
    </message>
    <message>
        <source>Do not sync this folder</source>
        <comment></comment>
        <translation>Synkroniser ikke denne mappe</translation>
    </message>
    <message>
        <source>This server needs a newer version of Larkspan Drive. Upgrade now?</source>
        <comment></comment>
        <translation>Denne server kræver en nyere version af Larkspan Drive. Vil du opgradere nu?</translation>
    </message>
    <message>
        <source>Choose a sync folder</source>
        <comment></comment>
        <translation>Vælg en synkroniseringsmappe</translation>
    </message>
    <message>
        <source>Password</source>
        <comment></comment>
        <translation>Adgangskode</translation>
    </message>
    <message>
        <source>Today</source>
        <comment></comment>
        <translation>I dag</translation>
    </message>
    <message>
        <source>Your quota on the Larkspan is full.</source>
        <comment></comment>
        <translation>Din kvote på Larkspan er opbrugt.</translation>
    </message>
    <message>
        <source>Sync and share files across all your devices.</source>
        <comment></comment>
        <translation>Synkroniser og del filer på tværs af alle dine enheder.</translation>
    </message>
    <message>
        <source>No permission</source>
        <comment></comment>
        <translation>Ingen tilladelse</translation>
    </message>
    <message>
        <source>Destination</source>
        <comment></comment>
        <translation>Destination</translation>
    </message>
    <message>
        <source>The sync folder is on a volume that is not mounted.</source>
        <comment></comment>
        <translation>Synkroniseringsmappen ligger på en diskenhed, der ikke er monteret.</translation>
    </message>
    <message>
        <source>Choose a different folder on this computer.</source>
        <comment></comment>
        <translation>Vælg en anden mappe på denne computer.</translation>
    </message>
    <message>
        <source>Use a black-and-white tray icon</source>
        <comment></comment>
        <translation>Brug et sort-hvidt ikon i meddelelsesområdet</translation>
    </message>
    <message>
        <source>The verification code is not valid.</source>
        <comment></comment>
        <translation>Bekræftelseskoden er ugyldig.</translation>
    </message>
    <message>
        <source>No connection is available for this file.</source>
        <comment></comment>
        <translation>Der er ingen tilgængelig forbindelse til denne fil.</translation>
    </message>
    <message>
        <source>Keep files on the Larkspan when they are deleted from this computer</source>
        <comment></comment>
        <translation>Behold filer på Larkspan, når de slettes fra denne computer</translation>
    </message>
    <message>
        <source>One-way download</source>
        <comment></comment>
        <translation>Envejsdownload</translation>
    </message>
    <message>
        <source>Port:</source>
        <comment></comment>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Last month</source>
        <comment></comment>
        <translation>Sidste måned</translation>
    </message>
    <message>
        <source>Version %1.%2.%3, build %4</source>
        <comment></comment>
        <translation>Version %1.%2.%3, build %4</translation>
    </message>
    <message>
        <source>Your IP address is not allowed to connect.</source>
        <comment></comment>
        <translation>Din IP-adresse har ikke tilladelse til at oprette forbindelse.</translation>
    </message>
    <message>
        <source>Sync a folder that someone shared with you.</source>
        <comment></comment>
        <translation>Synkroniser en mappe, som en anden har delt med dig.</translation>
    </message>
    <message>
        <source>Filter the sync log</source>
        <comment></comment>
        <translation>Filtrer synkroniseringsloggen</translation>
    </message>
    <message>
        <source>You can only read this folder. Changes you make to it are not uploaded.</source>
        <comment></comment>
        <translation>Du kan kun læse denne mappe. Ændringer, du foretager i den, uploades ikke.</translation>
    </message>
    <message>
        <source>Keyword</source>
        <comment></comment>
        <translation>Nøgleord</translation>
    </message>
    <message>
        <source>Do not sync files larger than %1 MB</source>
        <comment></comment>
        <translation>Synkroniser ikke filer, der er større end %1 MB</translation>
    </message>
    <message>
        <source>Next month</source>
        <comment></comment>
        <translation>Næste måned</translation>
    </message>
    <message>
        <source>Remote destination</source>
        <comment></comment>
        <translation>Fjerndestination</translation>
    </message>
    <message>
        <source>Your account is not allowed to sync this folder.</source>
        <comment></comment>
        <translation>Din konto har ikke tilladelse til at synkronisere denne mappe.</translation>
    </message>
    <message>
        <source>Unable to download %1.</source>
        <comment></comment>
        <translation>%1 kunne ikke downloades.</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <comment></comment>
        <translation>Avancerede indstillinger</translation>
    </message>
    <message>
        <source>Welcome to %1. Sign in to get started.</source>
        <comment></comment>
        <translation>Velkommen til %1. Log på for at komme i gang.</translation>
    </message>
    <message>
        <source>Welcome to the Larkspan Drive Setup Wizard</source>
        <comment></comment>
        <translation>Velkommen til installationsguiden til Larkspan Drive</translation>
    </message>
    <message>
        <source>This computer was linked to a different Larkspan. Link it again to continue.</source>
        <comment></comment>
        <translation>Denne computer blev tilknyttet en anden Larkspan. Tilknyt den igen for at fortsætte.</translation>
    </message>
    <message>
        <source>The shared folder no longer exists.</source>
        <comment></comment>
        <translation>Den delte mappe findes ikke længere.</translation>
    </message>
    <message>
        <source>December</source>
        <comment></comment>
        <translation>December</translation>
    </message>
    <message>
        <source>Overview</source>
        <comment></comment>
        <translation>Oversigt</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <comment></comment>
        <translation>Brug systemets proxyindstillinger</translation>
    </message>
    <message>
        <source>No sync history</source>
        <comment></comment>
        <translation>Ingen synkroniseringshistorik</translation>
    </message>
    <message>
        <source>Some files could not be synced. Click to see the details.</source>
        <comment></comment>
        <translation>Nogle filer kunne ikke synkroniseres. Klik for at se detaljerne.</translation>
    </message>
    <message>
        <source>Setup ended because of an error</source>
        <comment></comment>
        <translation>Installationen blev afsluttet på grund af en fejl</translation>
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
        <translation>Dine ændringer er ikke gemt. Vil du gemme dem nu?</translation>
    </message>
    <message>
        <source>This computer is already linked to this Larkspan.</source>
        <comment></comment>
        <translation>Denne computer er allerede tilknyttet denne Larkspan.</translation>
    </message>
    <message>
        <source>There is not enough space on the local disk for Larkspan Drive.</source>
        <comment></comment>
        <translation>Der er ikke nok plads på den lokale disk til Larkspan Drive.</translation>
    </message>
    <message>
        <source>Do not sync files with these names:</source>
        <comment></comment>
        <translation>Synkroniser ikke filer med disse navne:</translation>
    </message>
    <message>
        <source>Available from</source>
        <comment></comment>
        <translation>Tilgængelig fra</translation>
    </message>
    <message>
        <source>Shows the tray icon in black and white to match your desktop theme.</source>
        <comment></comment>
        <translation>Viser ikonet i meddelelsesområdet i sort-hvid, så det passer til dit skrivebordstema.</translation>
    </message>
    <message>
        <source>Status</source>
        <comment></comment>
        <translation>Status</translation>
    </message>
    <message>
        <source>Sync one of your folders on the Larkspan with this computer.</source>
        <comment></comment>
        <translation>Synkroniser en af dine mapper på Larkspan med denne computer.</translation>
    </message>
    <message>
        <source>Indexing the folder...</source>
        <comment></comment>
        <translation>Indekserer mappen...</translation>
    </message>
    <message>
        <source>Your user name or password is incorrect.</source>
        <comment></comment>
        <translation>Dit brugernavn eller din adgangskode er forkert.</translation>
    </message>
    <message>
        <source>You do not have permission to use Larkspan Drive. Ask your administrator.</source>
        <comment></comment>
        <translation>Du har ikke tilladelse til at bruge Larkspan Drive. Kontakt din administrator.</translation>
    </message>
    <message>
        <source>Try syncing again</source>
        <comment></comment>
        <translation>Prøv at synkronisere igen</translation>
    </message>
    <message>
        <source>Filter settings</source>
        <comment></comment>
        <translation>Filterindstillinger</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <comment></comment>
        <translation>Manuel proxykonfiguration</translation>
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
        <translation>Nej</translation>
    </message>
    <message>
        <source>Version not supported</source>
        <comment></comment>
        <translation>Versionen understøttes ikke</translation>
    </message>
    <message>
        <source>Sync now</source>
        <comment></comment>
        <translation>Synkroniser nu</translation>
    </message>
    <message>
        <source>This folder was synced by another user. Choose another folder.</source>
        <comment></comment>
        <translation>Denne mappe er blevet synkroniseret af en anden bruger. Vælg en anden mappe.</translation>
    </message>
    <message>
        <source>Create a KestrinDrive folder in the selected location</source>
        <comment></comment>
        <translation>Opret en KestrinDrive-mappe på den valgte placering</translation>
    </message>
    <message>
        <source>You do not have permission to write to this folder. Choose another folder.</source>
        <comment></comment>
        <translation>Du har ikke tilladelse til at skrive i denne mappe. Vælg en anden mappe.</translation>
    </message>
    <message>
        <source>This folder is read-only. Changes are not synced to %1.</source>
        <comment></comment>
        <translation>Denne mappe er skrivebeskyttet. Ændringer synkroniseres ikke til %1.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment></comment>
        <translation>%1 til %2</translation>
    </message>
    <message>
        <source>Got it</source>
        <comment></comment>
        <translation>Forstået</translation>
    </message>
    <message>
        <source>Welcome to Larkspan Drive</source>
        <comment></comment>
        <translation>Velkommen til Larkspan Drive</translation>
    </message>
    <message>
        <source>Network settings</source>
        <comment></comment>
        <translation>Netværksindstillinger</translation>
    </message>
    <message>
        <source>The setup wizard is ready to begin the repair.</source>
        <comment></comment>
        <translation>Installationsguiden er klar til at starte reparationen.</translation>
    </message>
    <message>
        <source>This client version is not supported by the server. Upgrade to continue syncing.</source>
        <comment></comment>
        <translation>Denne klientversion understøttes ikke af serveren. Opgrader for at fortsætte synkroniseringen.</translation>
    </message>
    <message>
        <source>Size</source>
        <comment></comment>
        <translation>Størrelse</translation>
    </message>
    <message>
        <source>The server version is too old. Ask your administrator to upgrade it.</source>
        <comment></comment>
        <translation>Serverversionen er for gammel. Bed din administrator om at opgradere den.</translation>
    </message>
    <message>
        <source>Everyone with the link can view and edit the files.</source>
        <comment></comment>
        <translation>Alle med linket kan se og redigere filerne.</translation>
    </message>
    <message>
        <source>Edit</source>
        <comment></comment>
        <translation>Rediger</translation>
    </message>
    <message>
        <source>Signed-in users can view and edit the files.</source>
        <comment></comment>
        <translation>Brugere, der er logget på, kan se og redigere filerne.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <comment></comment>
        <translation>Deaktiveret</translation>
    </message>
    <message>
        <source>Change, repair or remove the installation.</source>
        <comment></comment>
        <translation>Ændr, reparer eller fjern installationen.</translation>
    </message>
    <message>
        <source>Just now</source>
        <comment></comment>
        <translation>Lige nu</translation>
    </message>
    <message>
        <source>New sync folder</source>
        <comment></comment>
        <translation>Ny synkroniseringsmappe</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <comment></comment>
        <translation>Deling er aktiveret</translation>
    </message>
    <message>
        <source>Sync error</source>
        <comment></comment>
        <translation>Synkroniseringsfejl</translation>
    </message>
    <message>
        <source>Merge mode</source>
        <comment></comment>
        <translation>Fletningstilstand</translation>
    </message>
    <message>
        <source>Connection information</source>
        <comment></comment>
        <translation>Forbindelsesoplysninger</translation>
    </message>
    <message>
        <source>Remove Larkspan Drive</source>
        <comment></comment>
        <translation>Fjern Larkspan Drive</translation>
    </message>
    <message>
        <source>Next %1 pages</source>
        <comment></comment>
        <translation>Næste %1 sider</translation>
    </message>
    <message>
        <source>Show sync status</source>
        <comment></comment>
        <translation>Vis synkroniseringsstatus</translation>
    </message>
    <message>
        <source>My files</source>
        <comment></comment>
        <translation>Mine filer</translation>
    </message>
    <message>
        <source>Create a sync task</source>
        <comment></comment>
        <translation>Opret en synkroniseringsopgave</translation>
    </message>
    <message>
        <source>Create a LarkspanDrive folder in the selected location</source>
        <comment></comment>
        <translation>Opret en LarkspanDrive-mappe på den valgte placering</translation>
    </message>
    <message>
        <source>Skipped file names</source>
        <comment></comment>
        <translation>Oversprungne filnavne</translation>
    </message>
    <message>
        <source>The %1 ID is not valid.</source>
        <comment></comment>
        <translation>%1-id&apos;et er ugyldigt.</translation>
    </message>
    <message>
        <source>Expire on</source>
        <comment></comment>
        <translation>Udløber den</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <comment></comment>
        <translation>Opgraderer...</translation>
    </message>
    <message>
        <source>Start now</source>
        <comment></comment>
        <translation>Start nu</translation>
    </message>
    <message>
        <source>Standby</source>
        <comment></comment>
        <translation>Standby</translation>
    </message>
    <message>
        <source>Progress</source>
        <comment></comment>
        <translation>Forløb</translation>
    </message>
    <message>
        <source>%1 changes detected</source>
        <comment></comment>
        <translation>%1 ændringer registreret</translation>
    </message>
    <message>
        <source>Only download changes from the Larkspan; local changes are not uploaded.</source>
        <comment></comment>
        <translation>Download kun ændringer fra Larkspan; lokale ændringer uploades ikke.</translation>
    </message>
    <message>
        <source>A database error occurred.</source>
        <comment></comment>
        <translation>Der opstod en databasefejl.</translation>
    </message>
    <message>
        <source>Enter the address of your Larkspan and your account.</source>
        <comment></comment>
        <translation>Angiv adressen på din Larkspan og dine kontooplysninger.</translation>
    </message>
    <message>
        <source>On-demand sync</source>
        <comment></comment>
        <translation>Synkronisering efter behov</translation>
    </message>
    <message>
        <source>New sync task</source>
        <comment></comment>
        <translation>Ny synkroniseringsopgave</translation>
    </message>
    <message>
        <source>Upload</source>
        <comment></comment>
        <translation>Upload</translation>
    </message>
    <message>
        <source>Restrict access</source>
        <comment></comment>
        <translation>Begræns adgang</translation>
    </message>
    <message>
        <source>Select the folders to sync</source>
        <comment></comment>
        <translation>Vælg de mapper, der skal synkroniseres</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <comment></comment>
        <translation>Vælg en mappe</translation>
    </message>
    <message>
        <source>Setup mode</source>
        <comment></comment>
        <translation>Opsætningstilstand</translation>
    </message>
    <message>
        <source>Download only</source>
        <comment></comment>
        <translation>Kun download</translation>
    </message>
    <message>
        <source>General</source>
        <comment></comment>
        <translation>Generelt</translation>
    </message>
    <message>
        <source>Saturday</source>
        <comment></comment>
        <translation>Lørdag</translation>
    </message>
    <message>
        <source>Larkspan Drive works with a Larkspan server from Kestrin.</source>
        <comment></comment>
        <translation>Larkspan Drive fungerer med en Larkspan-server fra Kestrin.</translation>
    </message>
    <message>
        <source>Unable to connect to the Larkspan.</source>
        <comment></comment>
        <translation>Der kunne ikke oprettes forbindelse til Larkspan.</translation>
    </message>
    <message>
        <source>Connected through a relay</source>
        <comment></comment>
        <translation>Forbundet via et relæ</translation>
    </message>
    <message>
        <source>Larkspan Drive is initializing...</source>
        <comment></comment>
        <translation>Larkspan Drive initialiseres...</translation>
    </message>
    <message>
        <source>Automatic setup failed. Set up Larkspan Drive manually.</source>
        <comment></comment>
        <translation>Den automatiske opsætning mislykkedes. Konfigurer Larkspan Drive manuelt.</translation>
    </message>
    <message>
        <source>Local destination</source>
        <comment></comment>
        <translation>Lokal destination</translation>
    </message>
    <message>
        <source>This folder is read-only. Changes are not synced to Larkspan Drive.</source>
        <comment></comment>
        <translation>Denne mappe er skrivebeskyttet. Ændringer synkroniseres ikke til Larkspan Drive.</translation>
    </message>
    <message>
        <source>Ignore</source>
        <comment></comment>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>All events</source>
        <comment></comment>
        <translation>Alle hændelser</translation>
    </message>
    <message>
        <source>Sharing</source>
        <comment></comment>
        <translation>Deling</translation>
    </message>
    <message>
        <source>Click Remove to remove Larkspan Drive from your computer.</source>
        <comment></comment>
        <translation>Klik på Fjern for at fjerne Larkspan Drive fra din computer.</translation>
    </message>
    <message>
        <source>This folder is already part of another sync task.</source>
        <comment></comment>
        <translation>Denne mappe er allerede en del af en anden synkroniseringsopgave.</translation>
    </message>
    <message>
        <source>A network error occurred. Check your connection and try again.</source>
        <comment></comment>
        <translation>Der opstod en netværksfejl. Kontrollér din forbindelse, og prøv igen.</translation>
    </message>
    <message>
        <source>Finish</source>
        <comment></comment>
        <translation>Udfør</translation>
    </message>
    <message>
        <source>Enter a port number from %1 to %2.</source>
        <comment></comment>
        <translation>Angiv et portnummer fra %1 til %2.</translation>
    </message>
    <message>
        <source>More information</source>
        <comment></comment>
        <translation>Flere oplysninger</translation>
    </message>
    <message>
        <source>This folder is already synced.</source>
        <comment></comment>
        <translation>Denne mappe synkroniseres allerede.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <comment></comment>
        <translation>Adgang nægtet.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <comment></comment>
        <translation>Der opstod en ukendt fejl.</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change your settings.</source>
        <comment></comment>
        <translation>Klik på Installer for at starte installationen. Klik på Tilbage for at gennemse eller ændre dine indstillinger.</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <comment></comment>
        <translation>Tovejssynkronisering</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <comment></comment>
        <translation>Downloader %1...</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <comment></comment>
        <translation>Anvender indstillingerne...</translation>
    </message>
    <message>
        <source>Switch Larkspan</source>
        <comment></comment>
        <translation>Skift Larkspan</translation>
    </message>
    <message>
        <source>The file or folder does not exist.</source>
        <comment></comment>
        <translation>Filen eller mappen findes ikke.</translation>
    </message>
    <message>
        <source>Next</source>
        <comment></comment>
        <translation>Næste</translation>
    </message>
    <message>
        <source>Change folder</source>
        <comment></comment>
        <translation>Skift mappe</translation>
    </message>
    <message>
        <source>April</source>
        <comment></comment>
        <translation>April</translation>
    </message>
    <message>
        <source>The new language takes effect after Larkspan Drive restarts.</source>
        <comment></comment>
        <translation>Det nye sprog træder i kraft, når Larkspan Drive genstartes.</translation>
    </message>
    <message>
        <source>Choose another</source>
        <comment></comment>
        <translation>Vælg en anden</translation>
    </message>
    <message>
        <source>Invalid argument.</source>
        <comment></comment>
        <translation>Ugyldigt argument.</translation>
    </message>
    <message>
        <source>Syncing %1 files</source>
        <comment></comment>
        <translation>Synkroniserer %1 filer</translation>
    </message>
    <message>
        <source>Sharing links is not enabled on the Larkspan.</source>
        <comment></comment>
        <translation>Deling af links er ikke aktiveret på Larkspan.</translation>
    </message>
    <message>
        <source>Recently updated files</source>
        <comment></comment>
        <translation>Senest opdaterede filer</translation>
    </message>
    <message>
        <source>Security warning</source>
        <comment></comment>
        <translation>Sikkerhedsadvarsel</translation>
    </message>
    <message>
        <source>The following applications use files that setup needs to update. Close them and click Retry, or click Ignore to continue anyway.</source>
        <comment></comment>
        <translation>Følgende programmer bruger filer, som installationen skal opdatere. Luk dem, og klik på Prøv igen, eller klik på Ignorer for at fortsætte alligevel.</translation>
    </message>
    <message>
        <source>Reach your files anywhere</source>
        <comment></comment>
        <translation>Få adgang til dine filer overalt</translation>
    </message>
    <message>
        <source>Print</source>
        <comment></comment>
        <translation>Udskriv</translation>
    </message>
    <message>
        <source>Create a new folder to sync.</source>
        <comment></comment>
        <translation>Opret en ny mappe, der skal synkroniseres.</translation>
    </message>
    <message>
        <source>The certificate of %1 has changed. Do you trust the new certificate?</source>
        <comment></comment>
        <translation>Certifikatet for %1 er blevet ændret. Har du tillid til det nye certifikat?</translation>
    </message>
    <message>
        <source>Larkspan Drive</source>
        <comment></comment>
        <translation>Larkspan Drive</translation>
    </message>
    <message>
        <source>Rename</source>
        <comment></comment>
        <translation>Omdøb</translation>
    </message>
    <message>
        <source>Folder already synced</source>
        <comment></comment>
        <translation>Mappen synkroniseres allerede</translation>
    </message>
    <message>
        <source>Do not sync these folders</source>
        <comment></comment>
        <translation>Synkroniser ikke disse mapper</translation>
    </message>
    <message>
        <source>Folders that others share with you</source>
        <comment></comment>
        <translation>Mapper, som andre deler med dig</translation>
    </message>
    <message>
        <source>Repair Larkspan Drive</source>
        <comment></comment>
        <translation>Reparer Larkspan Drive</translation>
    </message>
    <message>
        <source>Sync log category</source>
        <comment></comment>
        <translation>Kategori i synkroniseringsloggen</translation>
    </message>
    <message>
        <source>Close these applications before setup continues:</source>
        <comment></comment>
        <translation>Luk disse programmer, før installationen fortsætter:</translation>
    </message>
    <message>
        <source>Add</source>
        <comment></comment>
        <translation>Tilføj</translation>
    </message>
    <message>
        <source>No options available</source>
        <comment></comment>
        <translation>Ingen tilgængelige indstillinger</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of Larkspan Drive.</source>
        <comment></comment>
        <translation>Klik på Reparer for at reparere installationen af Larkspan Drive.</translation>
    </message>
    <message>
        <source>The sync direction does not match your permission on the folder.</source>
        <comment></comment>
        <translation>Synkroniseringsretningen passer ikke til din tilladelse til mappen.</translation>
    </message>
    <message>
        <source>You have chosen to remove the program from your computer.</source>
        <comment></comment>
        <translation>Du har valgt at fjerne programmet fra din computer.</translation>
    </message>
    <message>
        <source>You are ready to use Larkspan Drive.</source>
        <comment></comment>
        <translation>Du er klar til at bruge Larkspan Drive.</translation>
    </message>
    <message>
        <source>Edit connection</source>
        <comment></comment>
        <translation>Rediger forbindelse</translation>
    </message>
    <message>
        <source>Upgrade to version %1</source>
        <comment></comment>
        <translation>Opgrader til version %1</translation>
    </message>
    <message>
        <source>A newer version of Larkspan Drive is already installed. Setup will now exit.</source>
        <comment></comment>
        <translation>En nyere version af Larkspan Drive er allerede installeret. Installationen afsluttes nu.</translation>
    </message>
    <message>
        <source>Larkspan Drive is now syncing your files.</source>
        <comment></comment>
        <translation>Larkspan Drive synkroniserer nu dine filer.</translation>
    </message>
    <message>
        <source>%1 files updated</source>
        <comment></comment>
        <translation>%1 filer opdateret</translation>
    </message>
    <message>
        <source>Enter a user name.</source>
        <comment></comment>
        <translation>Angiv et brugernavn.</translation>
    </message>
    <message>
        <source>There is not enough space on the local disk for %1.</source>
        <comment></comment>
        <translation>Der er ikke nok plads på den lokale disk til %1.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <comment></comment>
        <translation>Præferencer</translation>
    </message>
    <message>
        <source>Files shared with you appear in the Larkspan Drive folder on this computer.</source>
        <comment></comment>
        <translation>Filer, der er delt med dig, vises i mappen Larkspan Drive på denne computer.</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <comment></comment>
        <translation>Nej tak</translation>
    </message>
    <message>
        <source>Public</source>
        <comment></comment>
        <translation>Offentlig</translation>
    </message>
    <message>
        <source>Setup is complete.</source>
        <comment></comment>
        <translation>Opsætningen er fuldført.</translation>
    </message>
    <message>
        <source>Open containing folder</source>
        <comment></comment>
        <translation>Åbn mappen med filen</translation>
    </message>
    <message>
        <source>Removes Larkspan Drive from your computer.</source>
        <comment></comment>
        <translation>Fjerner Larkspan Drive fra din computer.</translation>
    </message>
    <message>
        <source>Show the Larkspan Drive tutorial</source>
        <comment></comment>
        <translation>Vis selvstudiet til Larkspan Drive</translation>
    </message>
    <message>
        <source>Previous month</source>
        <comment></comment>
        <translation>Forrige måned</translation>
    </message>
    <message>
        <source>Shared folders</source>
        <comment></comment>
        <translation>Delte mapper</translation>
    </message>
    <message>
        <source>Created</source>
        <comment></comment>
        <translation>Oprettet</translation>
    </message>
    <message>
        <source>Files you change on one device are updated on the others.</source>
        <comment></comment>
        <translation>Filer, du ændrer på én enhed, opdateres på de andre.</translation>
    </message>
    <message>
        <source>September</source>
        <comment></comment>
        <translation>September</translation>
    </message>
    <message>
        <source>Click Remove to continue, or Back to review your choice.</source>
        <comment></comment>
        <translation>Klik på Fjern for at fortsætte eller på Tilbage for at gennemse dit valg.</translation>
    </message>
    <message>
        <source>Back</source>
        <comment></comment>
        <translation>Tilbage</translation>
    </message>
    <message>
        <source>Folder name</source>
        <comment></comment>
        <translation>Mappenavn</translation>
    </message>
    <message>
        <source>Setup is complete. Larkspan Drive now keeps your files in sync.</source>
        <comment></comment>
        <translation>Opsætningen er fuldført. Larkspan Drive holder nu dine filer synkroniseret.</translation>
    </message>
    <message>
        <source>May</source>
        <comment></comment>
        <translation>Maj</translation>
    </message>
    <message>
        <source>Connected through the local network</source>
        <comment></comment>
        <translation>Forbundet via det lokale netværk</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully.</source>
        <comment></comment>
        <translation>Læs følgende licensaftale omhyggeligt.</translation>
    </message>
    <message>
        <source>Keep the most recently modified file</source>
        <comment></comment>
        <translation>Behold den senest ændrede fil</translation>
    </message>
    <message>
        <source>%1 mentioned you in %2</source>
        <comment></comment>
        <translation>%1 har nævnt dig i %2</translation>
    </message>
    <message>
        <source>Access to the selected folder was denied.</source>
        <comment></comment>
        <translation>Adgang til den valgte mappe blev nægtet.</translation>
    </message>
    <message>
        <source>Disk full</source>
        <comment></comment>
        <translation>Disken er fuld</translation>
    </message>
    <message>
        <source>Signed-in users</source>
        <comment></comment>
        <translation>Brugere, der er logget på</translation>
    </message>
    <message>
        <source>Tutorial that introduces the main features of Larkspan Drive</source>
        <comment></comment>
        <translation>Selvstudium, der introducerer de vigtigste funktioner i Larkspan Drive</translation>
    </message>
    <message>
        <source>Checking your password...</source>
        <comment></comment>
        <translation>Kontrollerer din adgangskode...</translation>
    </message>
    <message>
        <source>All files are up to date.</source>
        <comment></comment>
        <translation>Alle filer er opdaterede.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <comment></comment>
        <translation>Skrivebeskyttet</translation>
    </message>
    <message>
        <source>Your password has expired.</source>
        <comment></comment>
        <translation>Din adgangskode er udløbet.</translation>
    </message>
    <message>
        <source>Calendar</source>
        <comment></comment>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Replace the file on this computer with the copy on the server</source>
        <comment></comment>
        <translation>Erstat filen på denne computer med kopien på serveren</translation>
    </message>
    <message>
        <source>Do not close the applications. A restart will be required.</source>
        <comment></comment>
        <translation>Luk ikke programmerne. En genstart vil være nødvendig.</translation>
    </message>
    <message>
        <source>November</source>
        <comment></comment>
        <translation>November</translation>
    </message>
    <message>
        <source>Find a Larkspan on your local network</source>
        <comment></comment>
        <translation>Find en Larkspan på dit lokale netværk</translation>
    </message>
    <message>
        <source>File name:</source>
        <comment></comment>
        <translation>Filnavn:</translation>
    </message>
    <message>
        <source>Add file name</source>
        <comment></comment>
        <translation>Tilføj filnavn</translation>
    </message>
    <message>
        <source>Sync your home folder on the Larkspan with a folder on this computer, using the recommended settings.</source>
        <comment></comment>
        <translation>Synkroniser din hjemmemappe på Larkspan med en mappe på denne computer med de anbefalede indstillinger.</translation>
    </message>
    <message>
        <source>Skip files whose names begin with a dot</source>
        <comment></comment>
        <translation>Spring filer over, hvis navne begynder med et punktum</translation>
    </message>
    <message>
        <source>Setup was cancelled.</source>
        <comment></comment>
        <translation>Installationen blev annulleret.</translation>
    </message>
    <message>
        <source>Name</source>
        <comment></comment>
        <translation>Navn</translation>
    </message>
    <message>
        <source>Encrypt data transfers (SSL)</source>
        <comment></comment>
        <translation>Krypter dataoverførsler (SSL)</translation>
    </message>
    <message>
        <source>File type</source>
        <comment></comment>
        <translation>Filtype</translation>
    </message>
    <message>
        <source>Your quota on the Larkspan is full. Syncing is paused.</source>
        <comment></comment>
        <translation>Din kvote på Larkspan er opbrugt. Synkroniseringen er sat på pause.</translation>
    </message>
    <message>
        <source>Share name</source>
        <comment></comment>
        <translation>Navn på delt mappe</translation>
    </message>
    <message>
        <source>Setup is not running as an administrator, so Larkspan Drive will be installed for the current user only. Continue?</source>
        <comment></comment>
        <translation>Installationen kører ikke som administrator, så Larkspan Drive installeres kun for den aktuelle bruger. Vil du fortsætte?</translation>
    </message>
    <message>
        <source>Close the tutorial</source>
        <comment></comment>
        <translation>Luk selvstudiet</translation>
    </message>
    <message>
        <source>About Larkspan Drive</source>
        <comment></comment>
        <translation>Om Larkspan Drive</translation>
    </message>
    <message>
        <source>Apply and copy link</source>
        <comment></comment>
        <translation>Anvend og kopiér link</translation>
    </message>
    <message>
        <source>Password:</source>
        <comment></comment>
        <translation>Adgangskode:</translation>
    </message>
    <message>
        <source>Computer name</source>
        <comment></comment>
        <translation>Computernavn</translation>
    </message>
    <message>
        <source>Synced on all devices</source>
        <comment></comment>
        <translation>Synkroniseret på alle enheder</translation>
    </message>
    <message>
        <source>Currently syncing: %1</source>
        <comment></comment>
        <translation>Synkroniserer nu: %1</translation>
    </message>
    <message>
        <source>Apply to all subfolders</source>
        <comment></comment>
        <translation>Anvend på alle undermapper</translation>
    </message>
    <message>
        <source>Files that match these rules are not synced.</source>
        <comment></comment>
        <translation>Filer, der matcher disse regler, synkroniseres ikke.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected shared items?</source>
        <comment></comment>
        <translation>Er du sikker på, at du vil slette de valgte delte elementer?</translation>
    </message>
    <message>
        <source>IP address</source>
        <comment></comment>
        <translation>IP-adresse</translation>
    </message>
    <message>
        <source>Your files are now syncing.</source>
        <comment></comment>
        <translation>Dine filer synkroniseres nu.</translation>
    </message>
    <message>
        <source>Some of the entries are not valid.</source>
        <comment></comment>
        <translation>Nogle af indtastningerne er ugyldige.</translation>
    </message>
    <message>
        <source>A system error occurred while checking the folder.</source>
        <comment></comment>
        <translation>Der opstod en systemfejl under kontrollen af mappen.</translation>
    </message>
    <message>
        <source>Unlink this sync task? Files that are already synced stay on this computer.</source>
        <comment></comment>
        <translation>Vil du fjerne tilknytningen af denne synkroniseringsopgave? Filer, der allerede er synkroniseret, bliver på denne computer.</translation>
    </message>
    <message>
        <source>The sign-in test failed. Check the user name and password.</source>
        <comment></comment>
        <translation>Testen af logon mislykkedes. Kontrollér brugernavnet og adgangskoden.</translation>
    </message>
    <message>
        <source>Turning off sharing removes all existing links. Continue?</source>
        <comment></comment>
        <translation>Hvis du slår deling fra, fjernes alle eksisterende links. Vil du fortsætte?</translation>
    </message>
    <message>
        <source>Test connection</source>
        <comment></comment>
        <translation>Test forbindelsen</translation>
    </message>
    <message>
        <source>Install</source>
        <comment></comment>
        <translation>Installer</translation>
    </message>
    <message>
        <source>Advanced setup</source>
        <comment></comment>
        <translation>Avanceret opsætning</translation>
    </message>
    <message>
        <source>Click Repair to continue, or Back to review your choice.</source>
        <comment></comment>
        <translation>Klik på Reparer for at fortsætte eller på Tilbage for at gennemse dit valg.</translation>
    </message>
    <message>
        <source>Installing the program files...</source>
        <comment></comment>
        <translation>Installerer programfilerne...</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app</source>
        <comment></comment>
        <translation>Angiv bekræftelseskoden fra din godkendelsesapp</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <comment></comment>
        <translation>Fortsæt alligevel</translation>
    </message>
    <message>
        <source>March</source>
        <comment></comment>
        <translation>Marts</translation>
    </message>
    <message>
        <source>You can change these settings at any time in Larkspan Drive.</source>
        <comment></comment>
        <translation>Du kan til enhver tid ændre disse indstillinger i Larkspan Drive.</translation>
    </message>
    <message>
        <source>Proxy settings</source>
        <comment></comment>
        <translation>Proxyindstillinger</translation>
    </message>
    <message>
        <source>Remove the installation</source>
        <comment></comment>
        <translation>Fjern installationen</translation>
    </message>
    <message>
        <source>Send to %1</source>
        <comment></comment>
        <translation>Send til %1</translation>
    </message>
    <message>
        <source>Synchronization mode</source>
        <comment></comment>
        <translation>Synkroniseringstilstand</translation>
    </message>
    <message>
        <source>Refresh the sync log</source>
        <comment></comment>
        <translation>Opdater synkroniseringsloggen</translation>
    </message>
    <message>
        <source>The content of both folders is merged. Nothing is deleted.</source>
        <comment></comment>
        <translation>Indholdet af de to mapper flettes. Intet slettes.</translation>
    </message>
    <message>
        <source>This version of %1 is already installed. Do you want to install it again?</source>
        <comment></comment>
        <translation>Denne version af %1 er allerede installeret. Vil du installere den igen?</translation>
    </message>
    <message>
        <source>When the tray icon is double-clicked</source>
        <comment></comment>
        <translation>Når der dobbeltklikkes på ikonet i meddelelsesområdet</translation>
    </message>
    <message>
        <source>Open the web portal to reach your files from any browser.</source>
        <comment></comment>
        <translation>Åbn webportalen for at få adgang til dine filer fra enhver browser.</translation>
    </message>
    <message>
        <source>Click Finish to close the setup wizard and start using Larkspan Drive.</source>
        <comment></comment>
        <translation>Klik på Udfør for at lukke installationsguiden og begynde at bruge Larkspan Drive.</translation>
    </message>
    <message>
        <source>There are no changes to apply.</source>
        <comment></comment>
        <translation>Der er ingen ændringer at anvende.</translation>
    </message>
    <message>
        <source>Network error.</source>
        <comment></comment>
        <translation>Netværksfejl.</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <comment></comment>
        <translation>Forbereder...</translation>
    </message>
    <message>
        <source>More tutorials</source>
        <comment></comment>
        <translation>Flere selvstudier</translation>
    </message>
    <message>
        <source>Read-only folder</source>
        <comment></comment>
        <translation>Skrivebeskyttet mappe</translation>
    </message>
    <message>
        <source>Previous %1 pages</source>
        <comment></comment>
        <translation>Forrige %1 sider</translation>
    </message>
    <message>
        <source>Start the tour</source>
        <comment></comment>
        <translation>Start rundvisningen</translation>
    </message>
    <message>
        <source>IP address details</source>
        <comment></comment>
        <translation>Oplysninger om IP-adresse</translation>
    </message>
    <message>
        <source>From</source>
        <comment></comment>
        <translation>Fra</translation>
    </message>
    <message>
        <source>Welcome to Larkspan Drive. Sign in to get started.</source>
        <comment></comment>
        <translation>Velkommen til Larkspan Drive. Log på for at komme i gang.</translation>
    </message>
    <message>
        <source>Sync problem</source>
        <comment></comment>
        <translation>Synkroniseringsproblem</translation>
    </message>
    <message>
        <source>Local usage</source>
        <comment></comment>
        <translation>Lokalt forbrug</translation>
    </message>
    <message>
        <source>Enable on-demand sync</source>
        <comment></comment>
        <translation>Aktivér synkronisering efter behov</translation>
    </message>
    <message>
        <source>Larkspan Drive has been installed.</source>
        <comment></comment>
        <translation>Larkspan Drive er blevet installeret.</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <comment></comment>
        <translation>Afbrudt</translation>
    </message>
    <message>
        <source>Locked</source>
        <comment></comment>
        <translation>Låst</translation>
    </message>
    <message>
        <source>Change sync folder</source>
        <comment></comment>
        <translation>Skift synkroniseringsmappe</translation>
    </message>
    <message>
        <source>Setup has finished.</source>
        <comment></comment>
        <translation>Installationen er fuldført.</translation>
    </message>
    <message>
        <source>%1 shared %2 with you</source>
        <comment></comment>
        <translation>%1 har delt %2 med dig</translation>
    </message>
    <message>
        <source>Not found</source>
        <comment></comment>
        <translation>Ikke fundet</translation>
    </message>
    <message>
        <source>Reset</source>
        <comment></comment>
        <translation>Nulstil</translation>
    </message>
    <message>
        <source>Installing the features you selected.</source>
        <comment></comment>
        <translation>Installerer de funktioner, du har valgt.</translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <comment></comment>
        <translation>Der kræves en bekræftelseskode.</translation>
    </message>
    <message>
        <source>%1 keeps the files on your Larkspan and your computers in sync.</source>
        <comment></comment>
        <translation>%1 holder filerne på din Larkspan og dine computere synkroniseret.</translation>
    </message>
    <message>
        <source>There is not enough space on the disk of this computer.</source>
        <comment></comment>
        <translation>Der er ikke nok plads på denne computers disk.</translation>
    </message>
    <message>
        <source>Connection type</source>
        <comment></comment>
        <translation>Forbindelsestype</translation>
    </message>
    <message>
        <source>Show the %1 tutorial</source>
        <comment></comment>
        <translation>Vis selvstudiet til %1</translation>
    </message>
    <message>
        <source>You can also invite people to folders you own.</source>
        <comment></comment>
        <translation>Du kan også invitere personer til mapper, du ejer.</translation>
    </message>
    <message>
        <source>%1 could not be upgraded.</source>
        <comment></comment>
        <translation>%1 kunne ikke opgraderes.</translation>
    </message>
    <message>
        <source>%1 works with a Larkspan server from Kestrin.</source>
        <comment></comment>
        <translation>%1 fungerer med en Larkspan-server fra Kestrin.</translation>
    </message>
    <message>
        <source>Welcome</source>
        <comment></comment>
        <translation>Velkommen</translation>
    </message>
    <message>
        <source>Custom range</source>
        <comment></comment>
        <translation>Brugerdefineret periode</translation>
    </message>
    <message>
        <source>Sync %1 to this computer?</source>
        <comment></comment>
        <translation>Vil du synkronisere %1 med denne computer?</translation>
    </message>
    <message>
        <source>Quick setup</source>
        <comment></comment>
        <translation>Hurtig opsætning</translation>
    </message>
    <message>
        <source>Download history</source>
        <comment></comment>
        <translation>Downloadhistorik</translation>
    </message>
    <message>
        <source>Use a relay connection when a direct connection is not possible</source>
        <comment></comment>
        <translation>Brug en relæforbindelse, når en direkte forbindelse ikke er mulig</translation>
    </message>
    <message>
        <source>Folders you clear are removed from this computer but kept on the Larkspan.</source>
        <comment></comment>
        <translation>Mapper, du fravælger, fjernes fra denne computer, men beholdes på Larkspan.</translation>
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
        <translation>Download fuldført.</translation>
    </message>
    <message>
        <source>Setup has all the information it needs to start copying the program files.</source>
        <comment></comment>
        <translation>Installationen har alle de oplysninger, den skal bruge for at begynde at kopiere programfilerne.</translation>
    </message>
    <message>
        <source>Sync activity</source>
        <comment></comment>
        <translation>Synkroniseringsaktivitet</translation>
    </message>
    <message>
        <source>Downloading</source>
        <comment></comment>
        <translation>Downloader</translation>
    </message>
    <message>
        <source>This wizard installs Larkspan Drive on your computer.</source>
        <comment></comment>
        <translation>Denne guide installerer Larkspan Drive på din computer.</translation>
    </message>
    <message>
        <source>To</source>
        <comment></comment>
        <translation>Til</translation>
    </message>
    <message>
        <source>The server&apos;s certificate could not be verified. Connect anyway?</source>
        <comment></comment>
        <translation>Serverens certifikat kunne ikke bekræftes. Vil du oprette forbindelse alligevel?</translation>
    </message>
    <message>
        <source>Larkspan Drive is running.</source>
        <comment></comment>
        <translation>Larkspan Drive kører.</translation>
    </message>
    <message>
        <source>%1 has shared a new item with you.</source>
        <comment></comment>
        <translation>%1 har delt et nyt element med dig.</translation>
    </message>
    <message>
        <source>A conflict occurred.</source>
        <comment></comment>
        <translation>Der opstod en konflikt.</translation>
    </message>
    <message>
        <source>The selected folder is a mount point. Choose a folder on a local disk.</source>
        <comment></comment>
        <translation>Den valgte mappe er et monteringspunkt. Vælg en mappe på en lokal disk.</translation>
    </message>
    <message>
        <source>Encryption</source>
        <comment></comment>
        <translation>Kryptering</translation>
    </message>
    <message>
        <source>Changes you make in your sync folder are synced with the Larkspan.</source>
        <comment></comment>
        <translation>Ændringer, du foretager i din synkroniseringsmappe, synkroniseres med Larkspan.</translation>
    </message>
    <message>
        <source>Please wait while the setup wizard installs Larkspan Drive. This may take several minutes.</source>
        <comment></comment>
        <translation>Vent, mens installationsguiden installerer Larkspan Drive. Det kan tage flere minutter.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has changed since your last connection. Continue?</source>
        <comment></comment>
        <translation>Serverens certifikat er blevet ændret siden din sidste forbindelse. Vil du fortsætte?</translation>
    </message>
    <message>
        <source>%1 is ready.</source>
        <comment></comment>
        <translation>%1 er klar.</translation>
    </message>
    <message>
        <source>Search</source>
        <comment></comment>
        <translation>Søg</translation>
    </message>
    <message>
        <source>Link a new Larkspan</source>
        <comment></comment>
        <translation>Tilknyt en ny Larkspan</translation>
    </message>
    <message>
        <source>Certificate verification failed.</source>
        <comment></comment>
        <translation>Certifikatbekræftelsen mislykkedes.</translation>
    </message>
    <message>
        <source>Starting Larkspan Drive...</source>
        <comment></comment>
        <translation>Starter Larkspan Drive...</translation>
    </message>
    <message>
        <source>On-demand sync could not be enabled.</source>
        <comment></comment>
        <translation>Synkronisering efter behov kunne ikke aktiveres.</translation>
    </message>
    <message>
        <source>Setup complete</source>
        <comment></comment>
        <translation>Opsætningen er fuldført</translation>
    </message>
    <message>
        <source>Your administrator requires two-step verification for your account.</source>
        <comment></comment>
        <translation>Din administrator kræver totrinsbekræftelse for din konto.</translation>
    </message>
    <message>
        <source>Start %1 when I sign in</source>
        <comment></comment>
        <translation>Start %1, når jeg logger på</translation>
    </message>
    <message>
        <source>The selected folder is already synced by another task.</source>
        <comment></comment>
        <translation>Den valgte mappe synkroniseres allerede af en anden opgave.</translation>
    </message>
    <message>
        <source>File</source>
        <comment></comment>
        <translation>Fil</translation>
    </message>
    <message>
        <source>Recently changed</source>
        <comment></comment>
        <translation>Senest ændret</translation>
    </message>
</context>
</TS>
