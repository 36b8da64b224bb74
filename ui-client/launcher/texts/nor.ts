<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Enabled</source>
        <comment></comment>
        <translation>Aktivert</translation>
    </message>
    <message>
        <source>Larkspan Drive has no optional features to change.</source>
        <comment></comment>
        <translation>Larkspan Drive har ingen valgfrie funksjoner som kan endres.</translation>
    </message>
    <message>
        <source>Merge</source>
        <comment></comment>
        <translation>Slå sammen</translation>
    </message>
    <message>
        <source>Open folder</source>
        <comment></comment>
        <translation>Åpne mappe</translation>
    </message>
    <message>
        <source>Sync folder on this computer</source>
        <comment></comment>
        <translation>Synkroniseringsmappe på denne datamaskinen</translation>
    </message>
    <message>
        <source>Tutorial that introduces the main features of %1</source>
        <comment></comment>
        <translation>Veiledning som presenterer hovedfunksjonene i %1</translation>
    </message>
    <message>
        <source>Renamed on the Larkspan</source>
        <comment></comment>
        <translation>Omdøpt på Larkspan</translation>
    </message>
    <message>
        <source>Friday</source>
        <comment></comment>
        <translation>fredag</translation>
    </message>
    <message>
        <source>Thursday</source>
        <comment></comment>
        <translation>torsdag</translation>
    </message>
    <message>
        <source>The setup wizard is ready to begin the installation.</source>
        <comment></comment>
        <translation>Installasjonsveiviseren er klar til å starte installasjonen.</translation>
    </message>
    <message>
        <source>Select the files to sync</source>
        <comment></comment>
        <translation>Velg filene som skal synkroniseres</translation>
    </message>
    <message>
        <source>Loading...</source>
        <comment></comment>
        <translation>Laster inn...</translation>
    </message>
    <message>
        <source>Sync direction</source>
        <comment></comment>
        <translation>Synkroniseringsretning</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <comment></comment>
        <translation>En ny versjon er tilgjengelig. Klikk for å oppdatere.</translation>
    </message>
    <message>
        <source>Ready to install Larkspan Drive</source>
        <comment></comment>
        <translation>Klar til å installere Larkspan Drive</translation>
    </message>
    <message>
        <source>User name</source>
        <comment></comment>
        <translation>Brukernavn</translation>
    </message>
    <message>
        <source>File sharing is not available over a relay connection.</source>
        <comment></comment>
        <translation>Fildeling er ikke tilgjengelig via en reléforbindelse.</translation>
    </message>
    <message>
        <source>Last page</source>
        <comment></comment>
        <translation>Siste side</translation>
    </message>
    <message>
        <source>One-way upload</source>
        <comment></comment>
        <translation>Enveis opplasting</translation>
    </message>
    <message>
        <source>Setup is complete. %1 now keeps your files in sync.</source>
        <comment></comment>
        <translation>Oppsettet er fullført. %1 holder nå filene dine synkronisert.</translation>
    </message>
    <message>
        <source>System default</source>
        <comment></comment>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>A sync folder named %1 already exists. Choose another name.</source>
        <comment></comment>
        <translation>Det finnes allerede en synkroniseringsmappe med navnet %1. Velg et annet navn.</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment></comment>
        <translation>Avslutt</translation>
    </message>
    <message>
        <source>Choose the display language</source>
        <comment></comment>
        <translation>Velg visningsspråk</translation>
    </message>
    <message>
        <source>The Larkspan Drive service is disabled on this Larkspan. Ask your administrator to enable it.</source>
        <comment></comment>
        <translation>Larkspan Drive-tjenesten er deaktivert på denne Larkspan. Be administratoren om å aktivere den.</translation>
    </message>
    <message>
        <source>Search for Larkspan servers on the local network</source>
        <comment></comment>
        <translation>Søk etter Larkspan-servere i det lokale nettverket</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <comment></comment>
        <translation>og %1 til</translation>
    </message>
    <message>
        <source>Connected</source>
        <comment></comment>
        <translation>Tilkoblet</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <comment></comment>
        <translation>tirsdag</translation>
    </message>
    <message>
        <source>Read the following license agreement and accept it to continue.</source>
        <comment></comment>
        <translation>Les følgende lisensavtale, og godta den for å fortsette.</translation>
    </message>
    <message>
        <source>Help</source>
        <comment></comment>
        <translation>Hjelp</translation>
    </message>
    <message>
        <source>Launch Larkspan Drive now</source>
        <comment></comment>
        <translation>Start Larkspan Drive nå</translation>
    </message>
    <message>
        <source>User name:</source>
        <comment></comment>
        <translation>Brukernavn:</translation>
    </message>
    <message>
        <source>Finishing the automatic setup...</source>
        <comment></comment>
        <translation>Fullfører det automatiske oppsettet...</translation>
    </message>
    <message>
        <source>Summary</source>
        <comment></comment>
        <translation>Sammendrag</translation>
    </message>
    <message>
        <source>Selective sync mode</source>
        <comment></comment>
        <translation>Modus for selektiv synkronisering</translation>
    </message>
    <message>
        <source>Notifications</source>
        <comment></comment>
        <translation>Varsler</translation>
    </message>
    <message>
        <source>Choose a folder on the Larkspan and a folder on this computer to keep in sync.</source>
        <comment></comment>
        <translation>Velg en mappe på Larkspan og en mappe på denne datamaskinen som skal holdes synkronisert.</translation>
    </message>
    <message>
        <source>Files whose names match these patterns are not synced. Use * as a wildcard, for example *.tmp.</source>
        <comment></comment>
        <translation>Filer med navn som samsvarer med disse mønstrene, synkroniseres ikke. Bruk * som jokertegn, for eksempel *.tmp.</translation>
    </message>
    <message>
        <source>OK</source>
        <comment></comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Everyone with the link can view the files.</source>
        <comment></comment>
        <translation>Alle som har lenken, kan se filene.</translation>
    </message>
    <message>
        <source>Set sync folder</source>
        <comment></comment>
        <translation>Angi synkroniseringsmappe</translation>
    </message>
    <message>
        <source>Unlink</source>
        <comment></comment>
        <translation>Koble fra</translation>
    </message>
    <message>
        <source>Value</source>
        <comment></comment>
        <translation>Verdi</translation>
    </message>
    <message>
        <source>Selective sync</source>
        <comment></comment>
        <translation>Selektiv synkronisering</translation>
    </message>
    <message>
        <source>Continue</source>
        <comment></comment>
        <translation>Fortsett</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <comment></comment>
        <translation>Initialiseringen mislyktes.</translation>
    </message>
    <message>
        <source>Share files with others</source>
        <comment></comment>
        <translation>Del filer med andre</translation>
    </message>
    <message>
        <source>Open Larkspan Drive</source>
        <comment></comment>
        <translation>Åpne Larkspan Drive</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment></comment>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Change which features of Larkspan Drive are installed</source>
        <comment></comment>
        <translation>Endre hvilke funksjoner i Larkspan Drive som installeres</translation>
    </message>
    <message>
        <source>Unable to get the user information.</source>
        <comment></comment>
        <translation>Kan ikke hente brukerinformasjonen.</translation>
    </message>
    <message>
        <source>Status information</source>
        <comment></comment>
        <translation>Statusinformasjon</translation>
    </message>
    <message>
        <source>The setup wizard will install Larkspan Drive on your computer. Click Next to continue or Cancel to exit.</source>
        <comment></comment>
        <translation>Installasjonsveiviseren installerer Larkspan Drive på datamaskinen. Klikk på Neste for å fortsette eller på Avbryt for å avslutte.</translation>
    </message>
    <message>
        <source>Show sync status icons on files and folders</source>
        <comment></comment>
        <translation>Vis ikoner for synkroniseringsstatus på filer og mapper</translation>
    </message>
    <message>
        <source>Change</source>
        <comment></comment>
        <translation>Endre</translation>
    </message>
    <message>
        <source>Cancel setup</source>
        <comment></comment>
        <translation>Avbryt installasjonen</translation>
    </message>
    <message>
        <source>No proxy</source>
        <comment></comment>
        <translation>Ingen proxy</translation>
    </message>
    <message>
        <source>The client could not be upgraded. Please try again later.</source>
        <comment></comment>
        <translation>Klienten kunne ikke oppgraderes. Prøv igjen senere.</translation>
    </message>
    <message>
        <source>Apply</source>
        <comment></comment>
        <translation>Bruk</translation>
    </message>
    <message>
        <source>Files in use</source>
        <comment></comment>
        <translation>Filer i bruk</translation>
    </message>
    <message>
        <source>Service disabled</source>
        <comment></comment>
        <translation>Tjenesten er deaktivert</translation>
    </message>
    <message>
        <source>Reading the connection settings...</source>
        <comment></comment>
        <translation>Leser tilkoblingsinnstillingene...</translation>
    </message>
    <message>
        <source>Mentioned you</source>
        <comment></comment>
        <translation>Nevnte deg</translation>
    </message>
    <message>
        <source>Updating...</source>
        <comment></comment>
        <translation>Oppdaterer...</translation>
    </message>
    <message>
        <source>Language</source>
        <comment></comment>
        <translation>Språk</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <comment></comment>
        <translation>Gratulerer!</translation>
    </message>
    <message>
        <source>Enable sharing</source>
        <comment></comment>
        <translation>Aktiver deling</translation>
    </message>
    <message>
        <source>The home folder service is not enabled for your account. Ask your administrator to enable it.</source>
        <comment></comment>
        <translation>Hjemmemappetjenesten er ikke aktivert for kontoen din. Be administratoren om å aktivere den.</translation>
    </message>
    <message>
        <source>August</source>
        <comment></comment>
        <translation>august</translation>
    </message>
    <message>
        <source>Read and write</source>
        <comment></comment>
        <translation>Lese og skrive</translation>
    </message>
    <message>
        <source>Remove</source>
        <comment></comment>
        <translation>Fjern</translation>
    </message>
    <message>
        <source>Larkspan Drive notification</source>
        <comment></comment>
        <translation>Varsel fra Larkspan Drive</translation>
    </message>
    <message>
        <source>Open in the web portal</source>
        <comment></comment>
        <translation>Åpne i nettportalen</translation>
    </message>
    <message>
        <source>The selected sync folder is not valid. Choose another folder.</source>
        <comment></comment>
        <translation>Den valgte synkroniseringsmappen er ugyldig. Velg en annen mappe.</translation>
    </message>
    <message>
        <source>This field cannot be left blank.</source>
        <comment></comment>
        <translation>Dette feltet kan ikke stå tomt.</translation>
    </message>
    <message>
        <source>Start Larkspan Drive when I sign in</source>
        <comment></comment>
        <translation>Start Larkspan Drive når jeg logger på</translation>
    </message>
    <message>
        <source>Some files that need to be updated are currently in use.</source>
        <comment></comment>
        <translation>Noen filer som må oppdateres, er i bruk.</translation>
    </message>
    <message>
        <source>File extensions:</source>
        <comment></comment>
        <translation>Filetternavn:</translation>
    </message>
    <message>
        <source>Shared with me</source>
        <comment></comment>
        <translation>Delt med meg</translation>
    </message>
    <message>
        <source>Stop downloading this version</source>
        <comment></comment>
        <translation>Stopp nedlastingen av denne versjonen</translation>
    </message>
    <message>
        <source>Browse previous versions</source>
        <comment></comment>
        <translation>Bla gjennom tidligere versjoner</translation>
    </message>
    <message>
        <source>Unable to create the local folder %1.</source>
        <comment></comment>
        <translation>Kan ikke opprette den lokale mappen %1.</translation>
    </message>
    <message>
        <source>Information</source>
        <comment></comment>
        <translation>Informasjon</translation>
    </message>
    <message>
        <source>%1 is running.</source>
        <comment></comment>
        <translation>%1 kjører.</translation>
    </message>
    <message>
        <source>Larkspan Drive keeps the files on your Larkspan and your computers in sync.</source>
        <comment></comment>
        <translation>Larkspan Drive holder filene på Larkspan og datamaskinene dine synkronisert.</translation>
    </message>
    <message>
        <source>Do not show this message again</source>
        <comment></comment>
        <translation>Ikke vis denne meldingen igjen</translation>
    </message>
    <message>
        <source>Open the web portal</source>
        <comment></comment>
        <translation>Åpne nettportalen</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <comment></comment>
        <translation>Oppgrader</translation>
    </message>
    <message>
        <source>Done</source>
        <comment></comment>
        <translation>Ferdig</translation>
    </message>
    <message>
        <source>Choose how to finish the setup:</source>
        <comment></comment>
        <translation>Velg hvordan oppsettet skal fullføres:</translation>
    </message>
    <message>
        <source>When a file exists on both sides, both are kept and the local copy is renamed as a conflict file.</source>
        <comment></comment>
        <translation>Når en fil finnes på begge sider, beholdes begge, og den lokale kopien får nytt navn som konfliktfil.</translation>
    </message>
    <message>
        <source>Only the users and groups you choose can open the files.</source>
        <comment></comment>
        <translation>Bare brukerne og gruppene du velger, kan åpne filene.</translation>
    </message>
    <message>
        <source>Invite people</source>
        <comment></comment>
        <translation>Inviter personer</translation>
    </message>
    <message>
        <source>This computer</source>
        <comment></comment>
        <translation>Denne datamaskinen</translation>
    </message>
    <message>
        <source>New shared item</source>
        <comment></comment>
        <translation>Nytt delt element</translation>
    </message>
    <message>
        <source>Uploading</source>
        <comment></comment>
        <translation>Laster opp</translation>
    </message>
    <message>
        <source>Automatic connection is not allowed by the server settings.</source>
        <comment></comment>
        <translation>Automatisk tilkobling er ikke tillatt av serverinnstillingene.</translation>
    </message>
    <message>
        <source>Restricted</source>
        <comment></comment>
        <translation>Begrenset</translation>
    </message>
    <message>
        <source>Proxy</source>
        <comment></comment>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Keep both files and add the computer name to the local copy</source>
        <comment></comment>
        <translation>Behold begge filene, og legg til datamaskinnavnet i den lokale kopien</translation>
    </message>
    <message>
        <source>Close the applications automatically and try to restart them afterwards.</source>
        <comment></comment>
        <translation>Lukk programmene automatisk, og prøv å starte dem på nytt etterpå.</translation>
    </message>
    <message>
        <source>This version of the client is too old. Upgrade Larkspan Drive to the latest version.</source>
        <comment></comment>
        <translation>Denne versjonen av klienten er for gammel. Oppgrader Larkspan Drive til den nyeste versjonen.</translation>
    </message>
    <message>
        <source>Users and groups</source>
        <comment></comment>
        <translation>Brukere og grupper</translation>
    </message>
    <message>
        <source>Right-click a file in your sync folder and choose Share link to share it with anyone.</source>
        <comment></comment>
        <translation>Høyreklikk på en fil i synkroniseringsmappen, og velg Del lenke for å dele den med hvem som helst.</translation>
    </message>
    <message>
        <source>Link permission</source>
        <comment></comment>
        <translation>Lenketillatelse</translation>
    </message>
    <message>
        <source>The server&apos;s SSL certificate could not be verified.</source>
        <comment></comment>
        <translation>Serverens SSL-sertifikat kunne ikke bekreftes.</translation>
    </message>
    <message>
        <source>Repairs the most recent installation by restoring missing or damaged files and shortcuts.</source>
        <comment></comment>
        <translation>Reparerer den nyeste installasjonen ved å gjenopprette manglende eller skadde filer og snarveier.</translation>
    </message>
    <message>
        <source>Sync mode</source>
        <comment></comment>
        <translation>Synkroniseringsmodus</translation>
    </message>
    <message>
        <source>No previous versions are available for this file.</source>
        <comment></comment>
        <translation>Det finnes ingen tidligere versjoner av denne filen.</translation>
    </message>
    <message>
        <source>The remote folder is not mounted.</source>
        <comment></comment>
        <translation>Den eksterne mappen er ikke montert.</translation>
    </message>
    <message>
        <source>Type</source>
        <comment></comment>
        <translation>Type</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <comment></comment>
        <translation>Lisensavtale for sluttbrukere</translation>
    </message>
    <message>
        <source>Expire after a number of visits</source>
        <comment></comment>
        <translation>Utløper etter et antall besøk</translation>
    </message>
    <message>
        <source>Signed-in users can view the files.</source>
        <comment></comment>
        <translation>Påloggede brukere kan se filene.</translation>
    </message>
    <message>
        <source>The Larkspan Drive ID is not valid.</source>
        <comment></comment>
        <translation>Larkspan Drive-ID-en er ugyldig.</translation>
    </message>
    <message>
        <source>Change, repair or remove the installation</source>
        <comment></comment>
        <translation>Endre, reparer eller fjern installasjonen</translation>
    </message>
    <message>
        <source>Connection unstable</source>
        <comment></comment>
        <translation>Ustabil tilkobling</translation>
    </message>
    <message>
        <source>Date</source>
        <comment></comment>
        <translation>Dato</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <comment></comment>
        <translation>Skriv inn maksimalt %1 tegn.</translation>
    </message>
    <message>
        <source>This computer was linked to a different server. Link %1 again to continue.</source>
        <comment></comment>
        <translation>Denne datamaskinen var koblet til en annen server. Koble til %1 på nytt for å fortsette.</translation>
    </message>
    <message>
        <source>No valid folder is selected.</source>
        <comment></comment>
        <translation>Ingen gyldig mappe er valgt.</translation>
    </message>
    <message>
        <source>Version mismatch</source>
        <comment></comment>
        <translation>Versjonene samsvarer ikke</translation>
    </message>
    <message>
        <source>No data</source>
        <comment></comment>
        <translation>Ingen data</translation>
    </message>
    <message>
        <source>Setup was interrupted by an error.</source>
        <comment></comment>
        <translation>Installasjonen ble avbrutt av en feil.</translation>
    </message>
    <message>
        <source>Open file</source>
        <comment></comment>
        <translation>Åpne fil</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment></comment>
        <translation>Slett</translation>
    </message>
    <message>
        <source>A new version is available. Click to update to %1.</source>
        <comment></comment>
        <translation>En ny versjon er tilgjengelig. Klikk for å oppdatere til %1.</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment></comment>
        <translation>Innstillinger</translation>
    </message>
    <message>
        <source>Unable to delete the shared item.</source>
        <comment></comment>
        <translation>Kan ikke slette det delte elementet.</translation>
    </message>
    <message>
        <source>Error</source>
        <comment></comment>
        <translation>Feil</translation>
    </message>
    <message>
        <source>Unable to list the versions of this file.</source>
        <comment></comment>
        <translation>Kan ikke vise versjonene av denne filen.</translation>
    </message>
    <message>
        <source>%1 minutes ago</source>
        <comment></comment>
        <translation>for %1 minutter siden</translation>
    </message>
    <message>
        <source>Larkspan Drive encountered an error.</source>
        <comment></comment>
        <translation>Larkspan Drive har støtt på en feil.</translation>
    </message>
    <message>
        <source>Resume syncing these folders</source>
        <comment></comment>
        <translation>Gjenoppta synkroniseringen av disse mappene</translation>
    </message>
    <message>
        <source>Add folder</source>
        <comment></comment>
        <translation>Legg til mappe</translation>
    </message>
    <message>
        <source>Lets you change the way the features are installed.</source>
        <comment></comment>
        <translation>Lar deg endre hvordan funksjonene installeres.</translation>
    </message>
    <message>
        <source>Choose how you want to set up Larkspan Drive.</source>
        <comment></comment>
        <translation>Velg hvordan du vil konfigurere Larkspan Drive.</translation>
    </message>
    <message>
        <source>Repair the installation</source>
        <comment></comment>
        <translation>Reparer installasjonen</translation>
    </message>
    <message>
        <source>When a file was changed on both sides:</source>
        <comment></comment>
        <translation>Når en fil er endret på begge sider:</translation>
    </message>
    <message>
        <source>Later</source>
        <comment></comment>
        <translation>Senere</translation>
    </message>
    <message>
        <source>The folder %1 already exists. Do you want to merge the two folders?</source>
        <comment></comment>
        <translation>Mappen %1 finnes allerede. Vil du slå sammen de to mappene?</translation>
    </message>
    <message>
        <source>New shared item received</source>
        <comment></comment>
        <translation>Nytt delt element mottatt</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <comment></comment>
        <translation>Vis skrivebordsvarsler</translation>
    </message>
    <message>
        <source>Larkspan Drive does not support the protocol used by this server.</source>
        <comment></comment>
        <translation>Larkspan Drive støtter ikke protokollen denne serveren bruker.</translation>
    </message>
    <message>
        <source>The local disk is full. Larkspan Drive has paused syncing.</source>
        <comment></comment>
        <translation>Den lokale disken er full. Larkspan Drive har satt synkroniseringen på pause.</translation>
    </message>
    <message>
        <source>No shared items</source>
        <comment></comment>
        <translation>Ingen delte elementer</translation>
    </message>
    <message>
        <source>Authentication failed. Check your user name and password.</source>
        <comment></comment>
        <translation>Autentiseringen mislyktes. Kontroller brukernavnet og passordet.</translation>
    </message>
    <message>
        <source>Choose the folders to keep in sync.</source>
        <comment></comment>
        <translation>Velg mappene som skal holdes synkronisert.</translation>
    </message>
    <message>
        <source>Paused</source>
        <comment></comment>
        <translation>Satt på pause</translation>
    </message>
    <message>
        <source>%1 is initializing...</source>
        <comment></comment>
        <translation>%1 initialiseres...</translation>
    </message>
    <message>
        <source>Up to date</source>
        <comment></comment>
        <translation>Oppdatert</translation>
    </message>
    <message>
        <source>Download cancelled.</source>
        <comment></comment>
        <translation>Nedlastingen ble avbrutt.</translation>
    </message>
    <message>
        <source>Larkspan Drive could not be upgraded.</source>
        <comment></comment>
        <translation>Larkspan Drive kunne ikke oppgraderes.</translation>
    </message>
    <message>
        <source>Your files, everywhere.</source>
        <comment></comment>
        <translation>Filene dine, overalt.</translation>
    </message>
    <message>
        <source>Sync the files that other users share with you.</source>
        <comment></comment>
        <translation>Synkroniser filene som andre brukere deler med deg.</translation>
    </message>
    <message>
        <source>Change, repair or remove Larkspan Drive.</source>
        <comment></comment>
        <translation>Endre, reparer eller fjern Larkspan Drive.</translation>
    </message>
    <message>
        <source>Installing Larkspan Drive</source>
        <comment></comment>
        <translation>Installerer Larkspan Drive</translation>
    </message>
    <message>
        <source>Keep both files and rename the conflicting one</source>
        <comment></comment>
        <translation>Behold begge filene, og gi den som er i konflikt, nytt navn</translation>
    </message>
    <message>
        <source>The server version is not supported. Ask your administrator to upgrade the server.</source>
        <comment></comment>
        <translation>Serverversjonen støttes ikke. Be administratoren om å oppgradere serveren.</translation>
    </message>
    <message>
        <source>Version</source>
        <comment></comment>
        <translation>Versjon</translation>
    </message>
    <message>
        <source>Resume syncing this folder</source>
        <comment></comment>
        <translation>Gjenoppta synkroniseringen av denne mappen</translation>
    </message>
    <message>
        <source>Show Larkspan Drive in the file manager&apos;s context menu</source>
        <comment></comment>
        <translation>Vis Larkspan Drive i filbehandlerens hurtigmeny</translation>
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
        <translation>Relétjenesten er deaktivert på serveren.</translation>
    </message>
    <message>
        <source>Last week</source>
        <comment></comment>
        <translation>Forrige uke</translation>
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
        <translation>Nedlasting</translation>
    </message>
    <message>
        <source>%1 days ago</source>
        <comment></comment>
        <translation>for %1 dager siden</translation>
    </message>
    <message>
        <source>Open settings</source>
        <comment></comment>
        <translation>Åpne innstillinger</translation>
    </message>
    <message>
        <source>Unable to get the link to the file.</source>
        <comment></comment>
        <translation>Kan ikke hente lenken til filen.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. %1 will merge its content with the server.</source>
        <comment></comment>
        <translation>Den valgte mappen er ikke tom. %1 slår sammen innholdet med serveren.</translation>
    </message>
    <message>
        <source>Reconnect</source>
        <comment></comment>
        <translation>Koble til på nytt</translation>
    </message>
    <message>
        <source>Monday</source>
        <comment></comment>
        <translation>mandag</translation>
    </message>
    <message>
        <source>The shared folder conflicts with an existing sync folder.</source>
        <comment></comment>
        <translation>Den delte mappen er i konflikt med en eksisterende synkroniseringsmappe.</translation>
    </message>
    <message>
        <source>Sync task from %1 to %2</source>
        <comment></comment>
        <translation>Synkroniseringsoppgave fra %1 til %2</translation>
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
        <translation>Kobler fra...</translation>
    </message>
    <message>
        <source>Time</source>
        <comment></comment>
        <translation>Tid</translation>
    </message>
    <message>
        <source>%1 does not support the protocol used by this server.</source>
        <comment></comment>
        <translation>%1 støtter ikke protokollen denne serveren bruker.</translation>
    </message>
    <message>
        <source>Folder path</source>
        <comment></comment>
        <translation>Mappebane</translation>
    </message>
    <message>
        <source>February</source>
        <comment></comment>
        <translation>februar</translation>
    </message>
    <message>
        <source>The server&apos;s certificate could not be verified. Syncing is paused.</source>
        <comment></comment>
        <translation>Serverens sertifikat kunne ikke bekreftes. Synkroniseringen er satt på pause.</translation>
    </message>
    <message>
        <source>Close the applications that use these files.</source>
        <comment></comment>
        <translation>Lukk programmene som bruker disse filene.</translation>
    </message>
    <message>
        <source>Automatic connection failed because of a system error.</source>
        <comment></comment>
        <translation>Automatisk tilkobling mislyktes på grunn av en systemfeil.</translation>
    </message>
    <message>
        <source>Show icons on files that are not synced</source>
        <comment></comment>
        <translation>Vis ikoner på filer som ikke synkroniseres</translation>
    </message>
    <message>
        <source>Larkspan Drive setup was interrupted. Your system has not been changed.</source>
        <comment></comment>
        <translation>Installasjonen av Larkspan Drive ble avbrutt. Systemet er ikke endret.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has changed.</source>
        <comment></comment>
        <translation>Serverens sertifikat er endret.</translation>
    </message>
    <message>
        <source>Files are stored in your local sync folder, for example /home/user/​LarkspanDrive.</source>
        <comment></comment>
        <translation>Filene lagres i den lokale synkroniseringsmappen, for eksempel /home/user/​LarkspanDrive.</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the installation of Larkspan Drive?</source>
        <comment></comment>
        <translation>Er du sikker på at du vil avbryte installasjonen av Larkspan Drive?</translation>
    </message>
    <message>
        <source>ID</source>
        <comment></comment>
        <translation>ID</translation>
    </message>
    <message>
        <source>%1 has been downloaded.</source>
        <comment></comment>
        <translation>%1 er lastet ned.</translation>
    </message>
    <message>
        <source>The connection is inactive.</source>
        <comment></comment>
        <translation>Tilkoblingen er inaktiv.</translation>
    </message>
    <message>
        <source>Changes in folders on network drives may not be detected right away.</source>
        <comment></comment>
        <translation>Endringer i mapper på nettverksstasjoner blir kanskje ikke oppdaget med en gang.</translation>
    </message>
    <message>
        <source>Share</source>
        <comment></comment>
        <translation>Del</translation>
    </message>
    <message>
        <source>%1 encountered an error.</source>
        <comment></comment>
        <translation>%1 har støtt på en feil.</translation>
    </message>
    <message>
        <source>First page</source>
        <comment></comment>
        <translation>Første side</translation>
    </message>
    <message>
        <source>Resume</source>
        <comment></comment>
        <translation>Gjenoppta</translation>
    </message>
    <message>
        <source>Unable to enable sharing.</source>
        <comment></comment>
        <translation>Kan ikke aktivere deling.</translation>
    </message>
    <message>
        <source>The local disk is full. %1 has paused syncing.</source>
        <comment></comment>
        <translation>Den lokale disken er full. %1 har satt synkroniseringen på pause.</translation>
    </message>
    <message>
        <source>Custom duration</source>
        <comment></comment>
        <translation>Egendefinert varighet</translation>
    </message>
    <message>
        <source>Remove this download</source>
        <comment></comment>
        <translation>Fjern denne nedlastingen</translation>
    </message>
    <message>
        <source>I accept the terms of the License Agreement</source>
        <comment></comment>
        <translation>Jeg godtar vilkårene i lisensavtalen</translation>
    </message>
    <message>
        <source>Select a folder on your computer to sync.</source>
        <comment></comment>
        <translation>Velg en mappe på datamaskinen som skal synkroniseres.</translation>
    </message>
    <message>
        <source>Action</source>
        <comment></comment>
        <translation>Handling</translation>
    </message>
    <message>
        <source>Sync tasks</source>
        <comment></comment>
        <translation>Synkroniseringsoppgaver</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment></comment>
        <translation>Sett på pause</translation>
    </message>
    <message>
        <source>Click Finish to close the setup wizard.</source>
        <comment></comment>
        <translation>Klikk på Fullfør for å lukke installasjonsveiviseren.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Larkspan Drive will merge its content with the server.</source>
        <comment></comment>
        <translation>Den valgte mappen er ikke tom. Larkspan Drive slår sammen innholdet med serveren.</translation>
    </message>
    <message>
        <source>The disk of the Larkspan is full.</source>
        <comment></comment>
        <translation>Disken på Larkspan er full.</translation>
    </message>
    <message>
        <source>Manage</source>
        <comment></comment>
        <translation>Administrer</translation>
    </message>
    <message>
        <source>The setup wizard lets you change the way Larkspan Drive is installed, repair it or remove it. Click Next to continue or Cancel to exit.</source>
        <comment></comment>
        <translation>Med installasjonsveiviseren kan du endre hvordan Larkspan Drive er installert, reparere det eller fjerne det. Klikk på Neste for å fortsette eller på Avbryt for å avslutte.</translation>
    </message>
    <message>
        <source>%1 requested access to %2</source>
        <comment></comment>
        <translation>%1 ba om tilgang til %2</translation>
    </message>
    <message>
        <source>Connected through the Internet</source>
        <comment></comment>
        <translation>Tilkoblet via Internett</translation>
    </message>
    <message>
        <source>Sync your files</source>
        <comment></comment>
        <translation>Synkroniser filene dine</translation>
    </message>
    <message>
        <source>Unable to download this version.</source>
        <comment></comment>
        <translation>Kan ikke laste ned denne versjonen.</translation>
    </message>
    <message>
        <source>Larkspan Drive setup ended because of an error. Your system has not been changed.</source>
        <comment></comment>
        <translation>Installasjonen av Larkspan Drive ble avsluttet på grunn av en feil. Systemet er ikke endret.</translation>
    </message>
    <message>
        <source>Files shared with you appear in the %1 folder on this computer.</source>
        <comment></comment>
        <translation>Filer som deles med deg, vises i mappen %1 på denne datamaskinen.</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this connection?</source>
        <comment></comment>
        <translation>Er du sikker på at du vil koble fra denne tilkoblingen?</translation>
    </message>
    <message>
        <source>Retry</source>
        <comment></comment>
        <translation>Prøv igjen</translation>
    </message>
    <message>
        <source>The proxy server requires a password</source>
        <comment></comment>
        <translation>Proxyserveren krever et passord</translation>
    </message>
    <message>
        <source>Update to the latest version to use selective sync.</source>
        <comment></comment>
        <translation>Oppdater til den nyeste versjonen for å bruke selektiv synkronisering.</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again in %1 minutes.</source>
        <comment></comment>
        <translation>For mange mislykkede forsøk. Prøv igjen om %1 minutter.</translation>
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
        <translation>Du kan når som helst endre disse innstillingene i %1.</translation>
    </message>
    <message>
        <source>This version of Larkspan Drive is already installed. Do you want to install it again?</source>
        <comment></comment>
        <translation>Denne versjonen av Larkspan Drive er allerede installert. Vil du installere den på nytt?</translation>
    </message>
    <message>
        <source>The quota of the shared folder is full.</source>
        <comment></comment>
        <translation>Kvoten for den delte mappen er full.</translation>
    </message>
    <message>
        <source>The shared folder is not mounted.</source>
        <comment></comment>
        <translation>Den delte mappen er ikke montert.</translation>
    </message>
    <message>
        <source>%1 hours ago</source>
        <comment></comment>
        <translation>for %1 timer siden</translation>
    </message>
    <message>
        <source>Completed the Larkspan Drive Setup Wizard</source>
        <comment></comment>
        <translation>Installasjonsveiviseren for Larkspan Drive er fullført</translation>
    </message>
    <message>
        <source>January</source>
        <comment></comment>
        <translation>januar</translation>
    </message>
    <message>
        <source>Choose the folders to sync and the sync settings yourself.</source>
        <comment></comment>
        <translation>Velg selv hvilke mapper som skal synkroniseres, og hvilke synkroniseringsinnstillinger som skal gjelde.</translation>
    </message>
    <message>
        <source>The Larkspan has changed. Link it again to continue.</source>
        <comment></comment>
        <translation>Larkspan er endret. Koble den til på nytt for å fortsette.</translation>
    </message>
    <message>
        <source>%1 is now syncing your files.</source>
        <comment></comment>
        <translation>%1 synkroniserer nå filene dine.</translation>
    </message>
    <message>
        <source>Unable to create a link for this item.</source>
        <comment></comment>
        <translation>Kan ikke opprette en lenke for dette elementet.</translation>
    </message>
    <message>
        <source>I do not accept the terms of the License Agreement</source>
        <comment></comment>
        <translation>Jeg godtar ikke vilkårene i lisensavtalen</translation>
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
        <translation>Nedlastinger av tidligere versjoner</translation>
    </message>
    <message>
        <source>Sync history</source>
        <comment></comment>
        <translation>Synkroniseringshistorikk</translation>
    </message>
    <message>
        <source>Share link</source>
        <comment></comment>
        <translation>Del lenke</translation>
    </message>
    <message>
        <source>Repair</source>
        <comment></comment>
        <translation>Reparer</translation>
    </message>
    <message>
        <source>Open the Larkspan in your browser</source>
        <comment></comment>
        <translation>Åpne Larkspan i nettleseren</translation>
    </message>
    <message>
        <source>%1 commented on %2</source>
        <comment></comment>
        <translation>%1 kommenterte %2</translation>
    </message>
    <message>
        <source>The maximum number of shared items has been reached.</source>
        <comment></comment>
        <translation>Maksimalt antall delte elementer er nådd.</translation>
    </message>
    <message>
        <source>Shared</source>
        <comment></comment>
        <translation>Delt</translation>
    </message>
    <message>
        <source>The local disk is full.</source>
        <comment></comment>
        <translation>Den lokale disken er full.</translation>
    </message>
    <message>
        <source>Setup interrupted</source>
        <comment></comment>
        <translation>Installasjonen ble avbrutt</translation>
    </message>
    <message>
        <source>The local sync folder cannot be found.</source>
        <comment></comment>
        <translation>Finner ikke den lokale synkroniseringsmappen.</translation>
    </message>
    <message>
        <source>Put your files in the sync folder, and they stay up to date on all your devices.</source>
        <comment></comment>
        <translation>Legg filene dine i synkroniseringsmappen, så holdes de oppdatert på alle enhetene dine.</translation>
    </message>
    <message>
        <source>Expire after</source>
        <comment></comment>
        <translation>Utløper etter</translation>
    </message>
    <message>
        <source>June</source>
        <comment></comment>
        <translation>juni</translation>
    </message>
    <message>
        <source>Select the operation you want to perform.</source>
        <comment></comment>
        <translation>Velg handlingen du vil utføre.</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <comment></comment>
        <translation>Midlertidige filer</translation>
    </message>
    <message>
        <source>Your quota on the Larkspan is full. Free some space or choose another folder.</source>
        <comment></comment>
        <translation>Kvoten din på Larkspan er full. Frigjør plass eller velg en annen mappe.</translation>
    </message>
    <message>
        <source>Enter the address and port of the proxy server.</source>
        <comment></comment>
        <translation>Angi adressen og porten til proxyserveren.</translation>
    </message>
    <message>
        <source>Folder on the Larkspan</source>
        <comment></comment>
        <translation>Mappe på Larkspan</translation>
    </message>
    <message>
        <source>Renamed on this computer</source>
        <comment></comment>
        <translation>Omdøpt på denne datamaskinen</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <comment></comment>
        <translation>Autentiseringen mislyktes</translation>
    </message>
    <message>
        <source>Sunday</source>
        <comment></comment>
        <translation>søndag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <comment></comment>
        <translation>onsdag</translation>
    </message>
    <message>
        <source>Automatic setup is configured.</source>
        <comment></comment>
        <translation>Automatisk oppsett er konfigurert.</translation>
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
        <translation>En nyere versjon av %1 er allerede installert. Installasjonsprogrammet avsluttes nå.</translation>
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
        <translation>Kobler til...</translation>
    </message>
    <message>
        <source>Access request</source>
        <comment></comment>
        <translation>Forespørsel om tilgang</translation>
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
        <translation>Ikke synkroniser denne mappen</translation>
    </message>
    <message>
        <source>This server needs a newer version of Larkspan Drive. Upgrade now?</source>
        <comment></comment>
        <translation>Denne serveren krever en nyere versjon av Larkspan Drive. Vil du oppgradere nå?</translation>
    </message>
    <message>
        <source>Choose a sync folder</source>
        <comment></comment>
        <translation>Velg en synkroniseringsmappe</translation>
    </message>
    <message>
        <source>Password</source>
        <comment></comment>
        <translation>Passord</translation>
    </message>
    <message>
        <source>Today</source>
        <comment></comment>
        <translation>I dag</translation>
    </message>
    <message>
        <source>Your quota on the Larkspan is full.</source>
        <comment></comment>
        <translation>Kvoten din på Larkspan er full.</translation>
    </message>
    <message>
        <source>Sync and share files across all your devices.</source>
        <comment></comment>
        <translation>Synkroniser og del filer på tvers av alle enhetene dine.</translation>
    </message>
    <message>
        <source>No permission</source>
        <comment></comment>
        <translation>Ingen tillatelse</translation>
    </message>
    <message>
        <source>Destination</source>
        <comment></comment>
        <translation>Mål</translation>
    </message>
    <message>
        <source>The sync folder is on a volume that is not mounted.</source>
        <comment></comment>
        <translation>Synkroniseringsmappen ligger på et volum som ikke er montert.</translation>
    </message>
    <message>
        <source>Choose a different folder on this computer.</source>
        <comment></comment>
        <translation>Velg en annen mappe på denne datamaskinen.</translation>
    </message>
    <message>
        <source>Use a black-and-white tray icon</source>
        <comment></comment>
        <translation>Bruk et svart-hvitt ikon i systemstatusfeltet</translation>
    </message>
    <message>
        <source>The verification code is not valid.</source>
        <comment></comment>
        <translation>Bekreftelseskoden er ugyldig.</translation>
    </message>
    <message>
        <source>No connection is available for this file.</source>
        <comment></comment>
        <translation>Ingen tilkobling er tilgjengelig for denne filen.</translation>
    </message>
    <message>
        <source>Keep files on the Larkspan when they are deleted from this computer</source>
        <comment></comment>
        <translation>Behold filer på Larkspan når de slettes fra denne datamaskinen</translation>
    </message>
    <message>
        <source>One-way download</source>
        <comment></comment>
        <translation>Enveis nedlasting</translation>
    </message>
    <message>
        <source>Port:</source>
        <comment></comment>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Last month</source>
        <comment></comment>
        <translation>Forrige måned</translation>
    </message>
    <message>
        <source>Version %1.%2.%3, build %4</source>
        <comment></comment>
        <translation>Versjon %1.%2.%3, bygg %4</translation>
    </message>
    <message>
        <source>Your IP address is not allowed to connect.</source>
        <comment></comment>
        <translation>IP-adressen din har ikke tillatelse til å koble til.</translation>
    </message>
    <message>
        <source>Sync a folder that someone shared with you.</source>
        <comment></comment>
        <translation>Synkroniser en mappe som noen har delt med deg.</translation>
    </message>
    <message>
        <source>Filter the sync log</source>
        <comment></comment>
        <translation>Filtrer synkroniseringsloggen</translation>
    </message>
    <message>
        <source>You can only read this folder. Changes you make to it are not uploaded.</source>
        <comment></comment>
        <translation>Du har bare lesetilgang til denne mappen. Endringer du gjør i den, lastes ikke opp.</translation>
    </message>
    <message>
        <source>Keyword</source>
        <comment></comment>
        <translation>Nøkkelord</translation>
    </message>
    <message>
        <source>Do not sync files larger than %1 MB</source>
        <comment></comment>
        <translation>Ikke synkroniser filer som er større enn %1 MB</translation>
    </message>
    <message>
        <source>Next month</source>
        <comment></comment>
        <translation>Neste måned</translation>
    </message>
    <message>
        <source>Remote destination</source>
        <comment></comment>
        <translation>Eksternt mål</translation>
    </message>
    <message>
        <source>Your account is not allowed to sync this folder.</source>
        <comment></comment>
        <translation>Kontoen din har ikke tillatelse til å synkronisere denne mappen.</translation>
    </message>
    <message>
        <source>Unable to download %1.</source>
        <comment></comment>
        <translation>Kan ikke laste ned %1.</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <comment></comment>
        <translation>Avanserte innstillinger</translation>
    </message>
    <message>
        <source>Welcome to %1. Sign in to get started.</source>
        <comment></comment>
        <translation>Velkommen til %1. Logg på for å komme i gang.</translation>
    </message>
    <message>
        <source>Welcome to the Larkspan Drive Setup Wizard</source>
        <comment></comment>
        <translation>Velkommen til installasjonsveiviseren for Larkspan Drive</translation>
    </message>
    <message>
        <source>This computer was linked to a different Larkspan. Link it again to continue.</source>
        <comment></comment>
        <translation>Denne datamaskinen var koblet til en annen Larkspan. Koble den til på nytt for å fortsette.</translation>
    </message>
    <message>
        <source>The shared folder no longer exists.</source>
        <comment></comment>
        <translation>Den delte mappen finnes ikke lenger.</translation>
    </message>
    <message>
        <source>December</source>
        <comment></comment>
        <translation>desember</translation>
    </message>
    <message>
        <source>Overview</source>
        <comment></comment>
        <translation>Oversikt</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <comment></comment>
        <translation>Bruk systemets proxyinnstillinger</translation>
    </message>
    <message>
        <source>No sync history</source>
        <comment></comment>
        <translation>Ingen synkroniseringshistorikk</translation>
    </message>
    <message>
        <source>Some files could not be synced. Click to see the details.</source>
        <comment></comment>
        <translation>Noen filer kunne ikke synkroniseres. Klikk for å se detaljene.</translation>
    </message>
    <message>
        <source>Setup ended because of an error</source>
        <comment></comment>
        <translation>Installasjonen ble avsluttet på grunn av en feil</translation>
    </message>
    <message>
        <source>Drive</source>
        <comment></comment>
        <translation>Drive</translation>
    </message>
    <message>
        <source>October</source>
        <comment></comment>
        <translation>oktober</translation>
    </message>
    <message>
        <source>Your changes have not been saved. Save them now?</source>
        <comment></comment>
        <translation>Endringene dine er ikke lagret. Vil du lagre dem nå?</translation>
    </message>
    <message>
        <source>This computer is already linked to this Larkspan.</source>
        <comment></comment>
        <translation>Denne datamaskinen er allerede koblet til denne Larkspan.</translation>
    </message>
    <message>
        <source>There is not enough space on the local disk for Larkspan Drive.</source>
        <comment></comment>
        <translation>Det er ikke nok plass på den lokale disken for Larkspan Drive.</translation>
    </message>
    <message>
        <source>Do not sync files with these names:</source>
        <comment></comment>
        <translation>Ikke synkroniser filer med disse navnene:</translation>
    </message>
    <message>
        <source>Available from</source>
        <comment></comment>
        <translation>Tilgjengelig fra</translation>
    </message>
    <message>
        <source>Shows the tray icon in black and white to match your desktop theme.</source>
        <comment></comment>
        <translation>Viser ikonet i systemstatusfeltet i svart-hvitt slik at det passer til skrivebordstemaet.</translation>
    </message>
    <message>
        <source>Status</source>
        <comment></comment>
        <translation>Status</translation>
    </message>
    <message>
        <source>Sync one of your folders on the Larkspan with this computer.</source>
        <comment></comment>
        <translation>Synkroniser en av mappene dine på Larkspan med denne datamaskinen.</translation>
    </message>
    <message>
        <source>Indexing the folder...</source>
        <comment></comment>
        <translation>Indekserer mappen...</translation>
    </message>
    <message>
        <source>Your user name or password is incorrect.</source>
        <comment></comment>
        <translation>Brukernavnet eller passordet er feil.</translation>
    </message>
    <message>
        <source>You do not have permission to use Larkspan Drive. Ask your administrator.</source>
        <comment></comment>
        <translation>Du har ikke tillatelse til å bruke Larkspan Drive. Kontakt administratoren.</translation>
    </message>
    <message>
        <source>Try syncing again</source>
        <comment></comment>
        <translation>Prøv å synkronisere på nytt</translation>
    </message>
    <message>
        <source>Filter settings</source>
        <comment></comment>
        <translation>Filterinnstillinger</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <comment></comment>
        <translation>Manuell proxykonfigurasjon</translation>
    </message>
    <message>
        <source>Status:</source>
        <comment></comment>
        <translation>Status:</translation>
    </message>
    <message>
        <source>July</source>
        <comment></comment>
        <translation>juli</translation>
    </message>
    <message>
        <source>No</source>
        <comment></comment>
        <translation>Nei</translation>
    </message>
    <message>
        <source>Version not supported</source>
        <comment></comment>
        <translation>Versjonen støttes ikke</translation>
    </message>
    <message>
        <source>Sync now</source>
        <comment></comment>
        <translation>Synkroniser nå</translation>
    </message>
    <message>
        <source>This folder was synced by another user. Choose another folder.</source>
        <comment></comment>
        <translation>Denne mappen er synkronisert av en annen bruker. Velg en annen mappe.</translation>
    </message>
    <message>
        <source>Create a KestrinDrive folder in the selected location</source>
        <comment></comment>
        <translation>Opprett en KestrinDrive-mappe på den valgte plasseringen</translation>
    </message>
    <message>
        <source>You do not have permission to write to this folder. Choose another folder.</source>
        <comment></comment>
        <translation>Du har ikke skrivetilgang til denne mappen. Velg en annen mappe.</translation>
    </message>
    <message>
        <source>This folder is read-only. Changes are not synced to %1.</source>
        <comment></comment>
        <translation>Denne mappen er skrivebeskyttet. Endringer synkroniseres ikke til %1.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment></comment>
        <translation>%1 til %2</translation>
    </message>
    <message>
        <source>Got it</source>
        <comment></comment>
        <translation>Jeg forstår</translation>
    </message>
    <message>
        <source>Welcome to Larkspan Drive</source>
        <comment></comment>
        <translation>Velkommen til Larkspan Drive</translation>
    </message>
    <message>
        <source>Network settings</source>
        <comment></comment>
        <translation>Nettverksinnstillinger</translation>
    </message>
    <message>
        <source>The setup wizard is ready to begin the repair.</source>
        <comment></comment>
        <translation>Installasjonsveiviseren er klar til å starte reparasjonen.</translation>
    </message>
    <message>
        <source>This client version is not supported by the server. Upgrade to continue syncing.</source>
        <comment></comment>
        <translation>Denne klientversjonen støttes ikke av serveren. Oppgrader for å fortsette synkroniseringen.</translation>
    </message>
    <message>
        <source>Size</source>
        <comment></comment>
        <translation>Størrelse</translation>
    </message>
    <message>
        <source>The server version is too old. Ask your administrator to upgrade it.</source>
        <comment></comment>
        <translation>Serverversjonen er for gammel. Be administratoren om å oppgradere den.</translation>
    </message>
    <message>
        <source>Everyone with the link can view and edit the files.</source>
        <comment></comment>
        <translation>Alle som har lenken, kan se og redigere filene.</translation>
    </message>
    <message>
        <source>Edit</source>
        <comment></comment>
        <translation>Rediger</translation>
    </message>
    <message>
        <source>Signed-in users can view and edit the files.</source>
        <comment></comment>
        <translation>Påloggede brukere kan se og redigere filene.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <comment></comment>
        <translation>Deaktivert</translation>
    </message>
    <message>
        <source>Change, repair or remove the installation.</source>
        <comment></comment>
        <translation>Endre, reparer eller fjern installasjonen.</translation>
    </message>
    <message>
        <source>Just now</source>
        <comment></comment>
        <translation>Akkurat nå</translation>
    </message>
    <message>
        <source>New sync folder</source>
        <comment></comment>
        <translation>Ny synkroniseringsmappe</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <comment></comment>
        <translation>Deling er aktivert</translation>
    </message>
    <message>
        <source>Sync error</source>
        <comment></comment>
        <translation>Synkroniseringsfeil</translation>
    </message>
    <message>
        <source>Merge mode</source>
        <comment></comment>
        <translation>Sammenslåingsmodus</translation>
    </message>
    <message>
        <source>Connection information</source>
        <comment></comment>
        <translation>Tilkoblingsinformasjon</translation>
    </message>
    <message>
        <source>Remove Larkspan Drive</source>
        <comment></comment>
        <translation>Fjern Larkspan Drive</translation>
    </message>
    <message>
        <source>Next %1 pages</source>
        <comment></comment>
        <translation>Neste %1 sider</translation>
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
        <translation>Opprett en synkroniseringsoppgave</translation>
    </message>
    <message>
        <source>Create a LarkspanDrive folder in the selected location</source>
        <comment></comment>
        <translation>Opprett en LarkspanDrive-mappe på den valgte plasseringen</translation>
    </message>
    <message>
        <source>Skipped file names</source>
        <comment></comment>
        <translation>Filnavn som hoppes over</translation>
    </message>
    <message>
        <source>The %1 ID is not valid.</source>
        <comment></comment>
        <translation>%1-ID-en er ugyldig.</translation>
    </message>
    <message>
        <source>Expire on</source>
        <comment></comment>
        <translation>Utløper den</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <comment></comment>
        <translation>Oppgraderer...</translation>
    </message>
    <message>
        <source>Start now</source>
        <comment></comment>
        <translation>Start nå</translation>
    </message>
    <message>
        <source>Standby</source>
        <comment></comment>
        <translation>Ventemodus</translation>
    </message>
    <message>
        <source>Progress</source>
        <comment></comment>
        <translation>Fremdrift</translation>
    </message>
    <message>
        <source>%1 changes detected</source>
        <comment></comment>
        <translation>%1 endringer oppdaget</translation>
    </message>
    <message>
        <source>Only download changes from the Larkspan; local changes are not uploaded.</source>
        <comment></comment>
        <translation>Bare last ned endringer fra Larkspan. Lokale endringer lastes ikke opp.</translation>
    </message>
    <message>
        <source>A database error occurred.</source>
        <comment></comment>
        <translation>Det oppstod en databasefeil.</translation>
    </message>
    <message>
        <source>Enter the address of your Larkspan and your account.</source>
        <comment></comment>
        <translation>Angi adressen til Larkspan og kontoen din.</translation>
    </message>
    <message>
        <source>On-demand sync</source>
        <comment></comment>
        <translation>Synkronisering ved behov</translation>
    </message>
    <message>
        <source>New sync task</source>
        <comment></comment>
        <translation>Ny synkroniseringsoppgave</translation>
    </message>
    <message>
        <source>Upload</source>
        <comment></comment>
        <translation>Opplasting</translation>
    </message>
    <message>
        <source>Restrict access</source>
        <comment></comment>
        <translation>Begrens tilgang</translation>
    </message>
    <message>
        <source>Select the folders to sync</source>
        <comment></comment>
        <translation>Velg mappene som skal synkroniseres</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <comment></comment>
        <translation>Velg en mappe</translation>
    </message>
    <message>
        <source>Setup mode</source>
        <comment></comment>
        <translation>Oppsettsmodus</translation>
    </message>
    <message>
        <source>Download only</source>
        <comment></comment>
        <translation>Bare nedlasting</translation>
    </message>
    <message>
        <source>General</source>
        <comment></comment>
        <translation>Generelt</translation>
    </message>
    <message>
        <source>Saturday</source>
        <comment></comment>
        <translation>lørdag</translation>
    </message>
    <message>
        <source>Larkspan Drive works with a Larkspan server from Kestrin.</source>
        <comment></comment>
        <translation>Larkspan Drive fungerer med en Larkspan-server fra Kestrin.</translation>
    </message>
    <message>
        <source>Unable to connect to the Larkspan.</source>
        <comment></comment>
        <translation>Kan ikke koble til Larkspan.</translation>
    </message>
    <message>
        <source>Connected through a relay</source>
        <comment></comment>
        <translation>Tilkoblet via relé</translation>
    </message>
    <message>
        <source>Larkspan Drive is initializing...</source>
        <comment></comment>
        <translation>Larkspan Drive initialiseres...</translation>
    </message>
    <message>
        <source>Automatic setup failed. Set up Larkspan Drive manually.</source>
        <comment></comment>
        <translation>Det automatiske oppsettet mislyktes. Konfigurer Larkspan Drive manuelt.</translation>
    </message>
    <message>
        <source>Local destination</source>
        <comment></comment>
        <translation>Lokalt mål</translation>
    </message>
    <message>
        <source>This folder is read-only. Changes are not synced to Larkspan Drive.</source>
        <comment></comment>
        <translation>Denne mappen er skrivebeskyttet. Endringer synkroniseres ikke til Larkspan Drive.</translation>
    </message>
    <message>
        <source>Ignore</source>
        <comment></comment>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>All events</source>
        <comment></comment>
        <translation>Alle hendelser</translation>
    </message>
    <message>
        <source>Sharing</source>
        <comment></comment>
        <translation>Deling</translation>
    </message>
    <message>
        <source>Click Remove to remove Larkspan Drive from your computer.</source>
        <comment></comment>
        <translation>Klikk på Fjern for å fjerne Larkspan Drive fra datamaskinen.</translation>
    </message>
    <message>
        <source>This folder is already part of another sync task.</source>
        <comment></comment>
        <translation>Denne mappen er allerede en del av en annen synkroniseringsoppgave.</translation>
    </message>
    <message>
        <source>A network error occurred. Check your connection and try again.</source>
        <comment></comment>
        <translation>Det oppstod en nettverksfeil. Kontroller tilkoblingen og prøv igjen.</translation>
    </message>
    <message>
        <source>Finish</source>
        <comment></comment>
        <translation>Fullfør</translation>
    </message>
    <message>
        <source>Enter a port number from %1 to %2.</source>
        <comment></comment>
        <translation>Angi et portnummer fra %1 til %2.</translation>
    </message>
    <message>
        <source>More information</source>
        <comment></comment>
        <translation>Mer informasjon</translation>
    </message>
    <message>
        <source>This folder is already synced.</source>
        <comment></comment>
        <translation>Denne mappen synkroniseres allerede.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <comment></comment>
        <translation>Tilgang nektet.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <comment></comment>
        <translation>Det oppstod en ukjent feil.</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change your settings.</source>
        <comment></comment>
        <translation>Klikk på Installer for å starte installasjonen. Klikk på Tilbake for å se gjennom eller endre innstillingene.</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <comment></comment>
        <translation>Toveis synkronisering</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <comment></comment>
        <translation>Laster ned %1...</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <comment></comment>
        <translation>Tar i bruk innstillingene...</translation>
    </message>
    <message>
        <source>Switch Larkspan</source>
        <comment></comment>
        <translation>Bytt Larkspan</translation>
    </message>
    <message>
        <source>The file or folder does not exist.</source>
        <comment></comment>
        <translation>Filen eller mappen finnes ikke.</translation>
    </message>
    <message>
        <source>Next</source>
        <comment></comment>
        <translation>Neste</translation>
    </message>
    <message>
        <source>Change folder</source>
        <comment></comment>
        <translation>Bytt mappe</translation>
    </message>
    <message>
        <source>April</source>
        <comment></comment>
        <translation>april</translation>
    </message>
    <message>
        <source>The new language takes effect after Larkspan Drive restarts.</source>
        <comment></comment>
        <translation>Det nye språket tas i bruk når Larkspan Drive startes på nytt.</translation>
    </message>
    <message>
        <source>Choose another</source>
        <comment></comment>
        <translation>Velg en annen</translation>
    </message>
    <message>
        <source>Invalid argument.</source>
        <comment></comment>
        <translation>Ugyldig argument.</translation>
    </message>
    <message>
        <source>Syncing %1 files</source>
        <comment></comment>
        <translation>Synkroniserer %1 filer</translation>
    </message>
    <message>
        <source>Sharing links is not enabled on the Larkspan.</source>
        <comment></comment>
        <translation>Deling av lenker er ikke aktivert på Larkspan.</translation>
    </message>
    <message>
        <source>Recently updated files</source>
        <comment></comment>
        <translation>Nylig oppdaterte filer</translation>
    </message>
    <message>
        <source>Security warning</source>
        <comment></comment>
        <translation>Sikkerhetsadvarsel</translation>
    </message>
    <message>
        <source>The following applications use files that setup needs to update. Close them and click Retry, or click Ignore to continue anyway.</source>
        <comment></comment>
        <translation>Følgende programmer bruker filer som installasjonsprogrammet må oppdatere. Lukk dem og klikk på Prøv igjen, eller klikk på Ignorer for å fortsette likevel.</translation>
    </message>
    <message>
        <source>Reach your files anywhere</source>
        <comment></comment>
        <translation>Nå filene dine hvor som helst</translation>
    </message>
    <message>
        <source>Print</source>
        <comment></comment>
        <translation>Skriv ut</translation>
    </message>
    <message>
        <source>Create a new folder to sync.</source>
        <comment></comment>
        <translation>Opprett en ny mappe som skal synkroniseres.</translation>
    </message>
    <message>
        <source>The certificate of %1 has changed. Do you trust the new certificate?</source>
        <comment></comment>
        <translation>Sertifikatet for %1 er endret. Stoler du på det nye sertifikatet?</translation>
    </message>
    <message>
        <source>Larkspan Drive</source>
        <comment></comment>
        <translation>Larkspan Drive</translation>
    </message>
    <message>
        <source>Rename</source>
        <comment></comment>
        <translation>Gi nytt navn</translation>
    </message>
    <message>
        <source>Folder already synced</source>
        <comment></comment>
        <translation>Mappen synkroniseres allerede</translation>
    </message>
    <message>
        <source>Do not sync these folders</source>
        <comment></comment>
        <translation>Ikke synkroniser disse mappene</translation>
    </message>
    <message>
        <source>Folders that others share with you</source>
        <comment></comment>
        <translation>Mapper som andre deler med deg</translation>
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
        <translation>Lukk disse programmene før installasjonen fortsetter:</translation>
    </message>
    <message>
        <source>Add</source>
        <comment></comment>
        <translation>Legg til</translation>
    </message>
    <message>
        <source>No options available</source>
        <comment></comment>
        <translation>Ingen tilgjengelige alternativer</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of Larkspan Drive.</source>
        <comment></comment>
        <translation>Klikk på Reparer for å reparere installasjonen av Larkspan Drive.</translation>
    </message>
    <message>
        <source>The sync direction does not match your permission on the folder.</source>
        <comment></comment>
        <translation>Synkroniseringsretningen samsvarer ikke med tillatelsen din for mappen.</translation>
    </message>
    <message>
        <source>You have chosen to remove the program from your computer.</source>
        <comment></comment>
        <translation>Du har valgt å fjerne programmet fra datamaskinen.</translation>
    </message>
    <message>
        <source>You are ready to use Larkspan Drive.</source>
        <comment></comment>
        <translation>Nå er du klar til å bruke Larkspan Drive.</translation>
    </message>
    <message>
        <source>Edit connection</source>
        <comment></comment>
        <translation>Rediger tilkobling</translation>
    </message>
    <message>
        <source>Upgrade to version %1</source>
        <comment></comment>
        <translation>Oppgrader til versjon %1</translation>
    </message>
    <message>
        <source>A newer version of Larkspan Drive is already installed. Setup will now exit.</source>
        <comment></comment>
        <translation>En nyere versjon av Larkspan Drive er allerede installert. Installasjonsprogrammet avsluttes nå.</translation>
    </message>
    <message>
        <source>Larkspan Drive is now syncing your files.</source>
        <comment></comment>
        <translation>Larkspan Drive synkroniserer nå filene dine.</translation>
    </message>
    <message>
        <source>%1 files updated</source>
        <comment></comment>
        <translation>%1 filer er oppdatert</translation>
    </message>
    <message>
        <source>Enter a user name.</source>
        <comment></comment>
        <translation>Angi et brukernavn.</translation>
    </message>
    <message>
        <source>There is not enough space on the local disk for %1.</source>
        <comment></comment>
        <translation>Det er ikke nok plass på den lokale disken for %1.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <comment></comment>
        <translation>Alternativer</translation>
    </message>
    <message>
        <source>Files shared with you appear in the Larkspan Drive folder on this computer.</source>
        <comment></comment>
        <translation>Filer som deles med deg, vises i mappen Larkspan Drive på denne datamaskinen.</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <comment></comment>
        <translation>Nei takk</translation>
    </message>
    <message>
        <source>Public</source>
        <comment></comment>
        <translation>Offentlig</translation>
    </message>
    <message>
        <source>Setup is complete.</source>
        <comment></comment>
        <translation>Oppsettet er fullført.</translation>
    </message>
    <message>
        <source>Open containing folder</source>
        <comment></comment>
        <translation>Åpne mappen filen ligger i</translation>
    </message>
    <message>
        <source>Removes Larkspan Drive from your computer.</source>
        <comment></comment>
        <translation>Fjerner Larkspan Drive fra datamaskinen.</translation>
    </message>
    <message>
        <source>Show the Larkspan Drive tutorial</source>
        <comment></comment>
        <translation>Vis veiledningen for Larkspan Drive</translation>
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
        <translation>Opprettet</translation>
    </message>
    <message>
        <source>Files you change on one device are updated on the others.</source>
        <comment></comment>
        <translation>Filer du endrer på én enhet, oppdateres på de andre.</translation>
    </message>
    <message>
        <source>September</source>
        <comment></comment>
        <translation>september</translation>
    </message>
    <message>
        <source>Click Remove to continue, or Back to review your choice.</source>
        <comment></comment>
        <translation>Klikk på Fjern for å fortsette eller på Tilbake for å se gjennom valget ditt.</translation>
    </message>
    <message>
        <source>Back</source>
        <comment></comment>
        <translation>Tilbake</translation>
    </message>
    <message>
        <source>Folder name</source>
        <comment></comment>
        <translation>Mappenavn</translation>
    </message>
    <message>
        <source>Setup is complete. Larkspan Drive now keeps your files in sync.</source>
        <comment></comment>
        <translation>Oppsettet er fullført. Larkspan Drive holder nå filene dine synkronisert.</translation>
    </message>
    <message>
        <source>May</source>
        <comment></comment>
        <translation>mai</translation>
    </message>
    <message>
        <source>Connected through the local network</source>
        <comment></comment>
        <translation>Tilkoblet via det lokale nettverket</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully.</source>
        <comment></comment>
        <translation>Les følgende lisensavtale nøye.</translation>
    </message>
    <message>
        <source>Keep the most recently modified file</source>
        <comment></comment>
        <translation>Behold filen som sist ble endret</translation>
    </message>
    <message>
        <source>%1 mentioned you in %2</source>
        <comment></comment>
        <translation>%1 nevnte deg i %2</translation>
    </message>
    <message>
        <source>Access to the selected folder was denied.</source>
        <comment></comment>
        <translation>Tilgang til den valgte mappen ble nektet.</translation>
    </message>
    <message>
        <source>Disk full</source>
        <comment></comment>
        <translation>Disken er full</translation>
    </message>
    <message>
        <source>Signed-in users</source>
        <comment></comment>
        <translation>Påloggede brukere</translation>
    </message>
    <message>
        <source>Tutorial that introduces the main features of Larkspan Drive</source>
        <comment></comment>
        <translation>Veiledning som presenterer hovedfunksjonene i Larkspan Drive</translation>
    </message>
    <message>
        <source>Checking your password...</source>
        <comment></comment>
        <translation>Kontrollerer passordet...</translation>
    </message>
    <message>
        <source>All files are up to date.</source>
        <comment></comment>
        <translation>Alle filene er oppdatert.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <comment></comment>
        <translation>Skrivebeskyttet</translation>
    </message>
    <message>
        <source>Your password has expired.</source>
        <comment></comment>
        <translation>Passordet ditt er utløpt.</translation>
    </message>
    <message>
        <source>Calendar</source>
        <comment></comment>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Replace the file on this computer with the copy on the server</source>
        <comment></comment>
        <translation>Erstatt filen på denne datamaskinen med kopien på serveren</translation>
    </message>
    <message>
        <source>Do not close the applications. A restart will be required.</source>
        <comment></comment>
        <translation>Ikke lukk programmene. En omstart vil være nødvendig.</translation>
    </message>
    <message>
        <source>November</source>
        <comment></comment>
        <translation>november</translation>
    </message>
    <message>
        <source>Find a Larkspan on your local network</source>
        <comment></comment>
        <translation>Finn en Larkspan i det lokale nettverket</translation>
    </message>
    <message>
        <source>File name:</source>
        <comment></comment>
        <translation>Filnavn:</translation>
    </message>
    <message>
        <source>Add file name</source>
        <comment></comment>
        <translation>Legg til filnavn</translation>
    </message>
    <message>
        <source>Sync your home folder on the Larkspan with a folder on this computer, using the recommended settings.</source>
        <comment></comment>
        <translation>Synkroniser hjemmemappen din på Larkspan med en mappe på denne datamaskinen med de anbefalte innstillingene.</translation>
    </message>
    <message>
        <source>Skip files whose names begin with a dot</source>
        <comment></comment>
        <translation>Hopp over filer med navn som begynner med punktum</translation>
    </message>
    <message>
        <source>Setup was cancelled.</source>
        <comment></comment>
        <translation>Installasjonen ble avbrutt.</translation>
    </message>
    <message>
        <source>Name</source>
        <comment></comment>
        <translation>Navn</translation>
    </message>
    <message>
        <source>Encrypt data transfers (SSL)</source>
        <comment></comment>
        <translation>Krypter dataoverføringer (SSL)</translation>
    </message>
    <message>
        <source>File type</source>
        <comment></comment>
        <translation>Filtype</translation>
    </message>
    <message>
        <source>Your quota on the Larkspan is full. Syncing is paused.</source>
        <comment></comment>
        <translation>Kvoten din på Larkspan er full. Synkroniseringen er satt på pause.</translation>
    </message>
    <message>
        <source>Share name</source>
        <comment></comment>
        <translation>Navn på delt ressurs</translation>
    </message>
    <message>
        <source>Setup is not running as an administrator, so Larkspan Drive will be installed for the current user only. Continue?</source>
        <comment></comment>
        <translation>Installasjonsprogrammet kjører ikke som administrator, så Larkspan Drive installeres bare for gjeldende bruker. Vil du fortsette?</translation>
    </message>
    <message>
        <source>Close the tutorial</source>
        <comment></comment>
        <translation>Lukk veiledningen</translation>
    </message>
    <message>
        <source>About Larkspan Drive</source>
        <comment></comment>
        <translation>Om Larkspan Drive</translation>
    </message>
    <message>
        <source>Apply and copy link</source>
        <comment></comment>
        <translation>Bruk og kopier lenke</translation>
    </message>
    <message>
        <source>Password:</source>
        <comment></comment>
        <translation>Passord:</translation>
    </message>
    <message>
        <source>Computer name</source>
        <comment></comment>
        <translation>Datamaskinnavn</translation>
    </message>
    <message>
        <source>Synced on all devices</source>
        <comment></comment>
        <translation>Synkronisert på alle enheter</translation>
    </message>
    <message>
        <source>Currently syncing: %1</source>
        <comment></comment>
        <translation>Synkroniserer nå: %1</translation>
    </message>
    <message>
        <source>Apply to all subfolders</source>
        <comment></comment>
        <translation>Bruk for alle undermapper</translation>
    </message>
    <message>
        <source>Files that match these rules are not synced.</source>
        <comment></comment>
        <translation>Filer som samsvarer med disse reglene, synkroniseres ikke.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected shared items?</source>
        <comment></comment>
        <translation>Er du sikker på at du vil slette de valgte delte elementene?</translation>
    </message>
    <message>
        <source>IP address</source>
        <comment></comment>
        <translation>IP-adresse</translation>
    </message>
    <message>
        <source>Your files are now syncing.</source>
        <comment></comment>
        <translation>Filene dine synkroniseres nå.</translation>
    </message>
    <message>
        <source>Some of the entries are not valid.</source>
        <comment></comment>
        <translation>Noen av oppføringene er ugyldige.</translation>
    </message>
    <message>
        <source>A system error occurred while checking the folder.</source>
        <comment></comment>
        <translation>Det oppstod en systemfeil under kontrollen av mappen.</translation>
    </message>
    <message>
        <source>Unlink this sync task? Files that are already synced stay on this computer.</source>
        <comment></comment>
        <translation>Vil du koble fra denne synkroniseringsoppgaven? Filer som allerede er synkronisert, blir værende på denne datamaskinen.</translation>
    </message>
    <message>
        <source>The sign-in test failed. Check the user name and password.</source>
        <comment></comment>
        <translation>Påloggingstesten mislyktes. Kontroller brukernavnet og passordet.</translation>
    </message>
    <message>
        <source>Turning off sharing removes all existing links. Continue?</source>
        <comment></comment>
        <translation>Hvis du slår av deling, fjernes alle eksisterende lenker. Vil du fortsette?</translation>
    </message>
    <message>
        <source>Test connection</source>
        <comment></comment>
        <translation>Test tilkoblingen</translation>
    </message>
    <message>
        <source>Install</source>
        <comment></comment>
        <translation>Installer</translation>
    </message>
    <message>
        <source>Advanced setup</source>
        <comment></comment>
        <translation>Avansert oppsett</translation>
    </message>
    <message>
        <source>Click Repair to continue, or Back to review your choice.</source>
        <comment></comment>
        <translation>Klikk på Reparer for å fortsette eller på Tilbake for å se gjennom valget ditt.</translation>
    </message>
    <message>
        <source>Installing the program files...</source>
        <comment></comment>
        <translation>Installerer programfilene...</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app</source>
        <comment></comment>
        <translation>Skriv inn bekreftelseskoden fra autentiseringsappen</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <comment></comment>
        <translation>Fortsett likevel</translation>
    </message>
    <message>
        <source>March</source>
        <comment></comment>
        <translation>mars</translation>
    </message>
    <message>
        <source>You can change these settings at any time in Larkspan Drive.</source>
        <comment></comment>
        <translation>Du kan når som helst endre disse innstillingene i Larkspan Drive.</translation>
    </message>
    <message>
        <source>Proxy settings</source>
        <comment></comment>
        <translation>Proxyinnstillinger</translation>
    </message>
    <message>
        <source>Remove the installation</source>
        <comment></comment>
        <translation>Fjern installasjonen</translation>
    </message>
    <message>
        <source>Send to %1</source>
        <comment></comment>
        <translation>Send til %1</translation>
    </message>
    <message>
        <source>Synchronization mode</source>
        <comment></comment>
        <translation>Synkroniseringsmodus</translation>
    </message>
    <message>
        <source>Refresh the sync log</source>
        <comment></comment>
        <translation>Oppdater synkroniseringsloggen</translation>
    </message>
    <message>
        <source>The content of both folders is merged. Nothing is deleted.</source>
        <comment></comment>
        <translation>Innholdet i begge mappene slås sammen. Ingenting slettes.</translation>
    </message>
    <message>
        <source>This version of %1 is already installed. Do you want to install it again?</source>
        <comment></comment>
        <translation>Denne versjonen av %1 er allerede installert. Vil du installere den på nytt?</translation>
    </message>
    <message>
        <source>When the tray icon is double-clicked</source>
        <comment></comment>
        <translation>Når det dobbeltklikkes på ikonet i systemstatusfeltet</translation>
    </message>
    <message>
        <source>Open the web portal to reach your files from any browser.</source>
        <comment></comment>
        <translation>Åpne nettportalen for å nå filene dine fra hvilken som helst nettleser.</translation>
    </message>
    <message>
        <source>Click Finish to close the setup wizard and start using Larkspan Drive.</source>
        <comment></comment>
        <translation>Klikk på Fullfør for å lukke installasjonsveiviseren og begynne å bruke Larkspan Drive.</translation>
    </message>
    <message>
        <source>There are no changes to apply.</source>
        <comment></comment>
        <translation>Det er ingen endringer å ta i bruk.</translation>
    </message>
    <message>
        <source>Network error.</source>
        <comment></comment>
        <translation>Nettverksfeil.</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <comment></comment>
        <translation>Forbereder...</translation>
    </message>
    <message>
        <source>More tutorials</source>
        <comment></comment>
        <translation>Flere veiledninger</translation>
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
        <translation>Start omvisningen</translation>
    </message>
    <message>
        <source>IP address details</source>
        <comment></comment>
        <translation>Detaljer om IP-adressen</translation>
    </message>
    <message>
        <source>From</source>
        <comment></comment>
        <translation>Fra</translation>
    </message>
    <message>
        <source>Welcome to Larkspan Drive. Sign in to get started.</source>
        <comment></comment>
        <translation>Velkommen til Larkspan Drive. Logg på for å komme i gang.</translation>
    </message>
    <message>
        <source>Sync problem</source>
        <comment></comment>
        <translation>Synkroniseringsproblem</translation>
    </message>
    <message>
        <source>Local usage</source>
        <comment></comment>
        <translation>Lokal bruk</translation>
    </message>
    <message>
        <source>Enable on-demand sync</source>
        <comment></comment>
        <translation>Aktiver synkronisering ved behov</translation>
    </message>
    <message>
        <source>Larkspan Drive has been installed.</source>
        <comment></comment>
        <translation>Larkspan Drive er installert.</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <comment></comment>
        <translation>Frakoblet</translation>
    </message>
    <message>
        <source>Locked</source>
        <comment></comment>
        <translation>Låst</translation>
    </message>
    <message>
        <source>Change sync folder</source>
        <comment></comment>
        <translation>Bytt synkroniseringsmappe</translation>
    </message>
    <message>
        <source>Setup has finished.</source>
        <comment></comment>
        <translation>Installasjonen er fullført.</translation>
    </message>
    <message>
        <source>%1 shared %2 with you</source>
        <comment></comment>
        <translation>%1 delte %2 med deg</translation>
    </message>
    <message>
        <source>Not found</source>
        <comment></comment>
        <translation>Ikke funnet</translation>
    </message>
    <message>
        <source>Reset</source>
        <comment></comment>
        <translation>Tilbakestill</translation>
    </message>
    <message>
        <source>Installing the features you selected.</source>
        <comment></comment>
        <translation>Installerer funksjonene du valgte.</translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <comment></comment>
        <translation>Det kreves en bekreftelseskode.</translation>
    </message>
    <message>
        <source>%1 keeps the files on your Larkspan and your computers in sync.</source>
        <comment></comment>
        <translation>%1 holder filene på Larkspan og datamaskinene dine synkronisert.</translation>
    </message>
    <message>
        <source>There is not enough space on the disk of this computer.</source>
        <comment></comment>
        <translation>Det er ikke nok plass på disken på denne datamaskinen.</translation>
    </message>
    <message>
        <source>Connection type</source>
        <comment></comment>
        <translation>Tilkoblingstype</translation>
    </message>
    <message>
        <source>Show the %1 tutorial</source>
        <comment></comment>
        <translation>Vis veiledningen for %1</translation>
    </message>
    <message>
        <source>You can also invite people to folders you own.</source>
        <comment></comment>
        <translation>Du kan også invitere personer til mapper du eier.</translation>
    </message>
    <message>
        <source>%1 could not be upgraded.</source>
        <comment></comment>
        <translation>%1 kunne ikke oppgraderes.</translation>
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
        <translation>Egendefinert periode</translation>
    </message>
    <message>
        <source>Sync %1 to this computer?</source>
        <comment></comment>
        <translation>Vil du synkronisere %1 til denne datamaskinen?</translation>
    </message>
    <message>
        <source>Quick setup</source>
        <comment></comment>
        <translation>Hurtigoppsett</translation>
    </message>
    <message>
        <source>Download history</source>
        <comment></comment>
        <translation>Nedlastingshistorikk</translation>
    </message>
    <message>
        <source>Use a relay connection when a direct connection is not possible</source>
        <comment></comment>
        <translation>Bruk en reléforbindelse når en direkte tilkobling ikke er mulig</translation>
    </message>
    <message>
        <source>Folders you clear are removed from this computer but kept on the Larkspan.</source>
        <comment></comment>
        <translation>Mapper du fjerner merket for, fjernes fra denne datamaskinen, men beholdes på Larkspan.</translation>
    </message>
    <message>
        <source>Link</source>
        <comment></comment>
        <translation>Lenke</translation>
    </message>
    <message>
        <source>Address:</source>
        <comment></comment>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>Download complete.</source>
        <comment></comment>
        <translation>Nedlastingen er fullført.</translation>
    </message>
    <message>
        <source>Setup has all the information it needs to start copying the program files.</source>
        <comment></comment>
        <translation>Installasjonsprogrammet har all informasjonen det trenger for å begynne å kopiere programfilene.</translation>
    </message>
    <message>
        <source>Sync activity</source>
        <comment></comment>
        <translation>Synkroniseringsaktivitet</translation>
    </message>
    <message>
        <source>Downloading</source>
        <comment></comment>
        <translation>Laster ned</translation>
    </message>
    <message>
        <source>This wizard installs Larkspan Drive on your computer.</source>
        <comment></comment>
        <translation>Denne veiviseren installerer Larkspan Drive på datamaskinen.</translation>
    </message>
    <message>
        <source>To</source>
        <comment></comment>
        <translation>Til</translation>
    </message>
    <message>
        <source>The server&apos;s certificate could not be verified. Connect anyway?</source>
        <comment></comment>
        <translation>Serverens sertifikat kunne ikke bekreftes. Vil du koble til likevel?</translation>
    </message>
    <message>
        <source>Larkspan Drive is running.</source>
        <comment></comment>
        <translation>Larkspan Drive kjører.</translation>
    </message>
    <message>
        <source>%1 has shared a new item with you.</source>
        <comment></comment>
        <translation>%1 har delt et nytt element med deg.</translation>
    </message>
    <message>
        <source>A conflict occurred.</source>
        <comment></comment>
        <translation>Det oppstod en konflikt.</translation>
    </message>
    <message>
        <source>The selected folder is a mount point. Choose a folder on a local disk.</source>
        <comment></comment>
        <translation>Den valgte mappen er et monteringspunkt. Velg en mappe på en lokal disk.</translation>
    </message>
    <message>
        <source>Encryption</source>
        <comment></comment>
        <translation>Kryptering</translation>
    </message>
    <message>
        <source>Changes you make in your sync folder are synced with the Larkspan.</source>
        <comment></comment>
        <translation>Endringer du gjør i synkroniseringsmappen, synkroniseres med Larkspan.</translation>
    </message>
    <message>
        <source>Please wait while the setup wizard installs Larkspan Drive. This may take several minutes.</source>
        <comment></comment>
        <translation>Vent mens installasjonsveiviseren installerer Larkspan Drive. Dette kan ta flere minutter.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has changed since your last connection. Continue?</source>
        <comment></comment>
        <translation>Serverens sertifikat er endret siden forrige tilkobling. Vil du fortsette?</translation>
    </message>
    <message>
        <source>%1 is ready.</source>
        <comment></comment>
        <translation>%1 er klar.</translation>
    </message>
    <message>
        <source>Search</source>
        <comment></comment>
        <translation>Søk</translation>
    </message>
    <message>
        <source>Link a new Larkspan</source>
        <comment></comment>
        <translation>Koble til en ny Larkspan</translation>
    </message>
    <message>
        <source>Certificate verification failed.</source>
        <comment></comment>
        <translation>Sertifikatbekreftelsen mislyktes.</translation>
    </message>
    <message>
        <source>Starting Larkspan Drive...</source>
        <comment></comment>
        <translation>Starter Larkspan Drive...</translation>
    </message>
    <message>
        <source>On-demand sync could not be enabled.</source>
        <comment></comment>
        <translation>Synkronisering ved behov kunne ikke aktiveres.</translation>
    </message>
    <message>
        <source>Setup complete</source>
        <comment></comment>
        <translation>Oppsettet er fullført</translation>
    </message>
    <message>
        <source>Your administrator requires two-step verification for your account.</source>
        <comment></comment>
        <translation>Administratoren krever totrinnsbekreftelse for kontoen din.</translation>
    </message>
    <message>
        <source>Start %1 when I sign in</source>
        <comment></comment>
        <translation>Start %1 når jeg logger på</translation>
    </message>
    <message>
        <source>The selected folder is already synced by another task.</source>
        <comment></comment>
        <translation>Den valgte mappen synkroniseres allerede av en annen oppgave.</translation>
    </message>
    <message>
        <source>File</source>
        <comment></comment>
        <translation>Fil</translation>
    </message>
    <message>
        <source>Recently changed</source>
        <comment></comment>
        <translation>Nylig endret</translation>
    </message>
</context>
</TS>
