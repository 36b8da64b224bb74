<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Enabled</source>
        <comment></comment>
        <translation>Ingeschakeld</translation>
    </message>
    <message>
        <source>Larkspan Drive has no optional features to change.</source>
        <comment></comment>
        <translation>Larkspan Drive heeft geen optionele onderdelen om te wijzigen.</translation>
    </message>
    <message>
        <source>Merge</source>
        <comment></comment>
        <translation>Samenvoegen</translation>
    </message>
    <message>
        <source>Open folder</source>
        <comment></comment>
        <translation>Map openen</translation>
    </message>
    <message>
        <source>Sync folder on this computer</source>
        <comment></comment>
        <translation>Synchronisatiemap op deze computer</translation>
    </message>
    <message>
        <source>Tutorial that introduces the main features of %1</source>
        <comment></comment>
        <translation>Zelfstudie die de belangrijkste functies van %1 introduceert</translation>
    </message>
    <message>
        <source>Renamed on the Larkspan</source>
        <comment></comment>
        <translation>Hernoemd op de Larkspan</translation>
    </message>
    <message>
        <source>Friday</source>
        <comment></comment>
        <translation>Vrijdag</translation>
    </message>
    <message>
        <source>Thursday</source>
        <comment></comment>
        <translation>Donderdag</translation>
    </message>
    <message>
        <source>The setup wizard is ready to begin the installation.</source>
        <comment></comment>
        <translation>De installatiewizard is gereed om met de installatie te beginnen.</translation>
    </message>
    <message>
        <source>Select the files to sync</source>
        <comment></comment>
        <translation>Selecteer de bestanden die u wilt synchroniseren</translation>
    </message>
    <message>
        <source>Loading...</source>
        <comment></comment>
        <translation>Laden...</translation>
    </message>
    <message>
        <source>Sync direction</source>
        <comment></comment>
        <translation>Synchronisatierichting</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <comment></comment>
        <translation>Er is een nieuwe versie beschikbaar. Klik om bij te werken.</translation>
    </message>
    <message>
        <source>Ready to install Larkspan Drive</source>
        <comment></comment>
        <translation>Gereed om Larkspan Drive te installeren</translation>
    </message>
    <message>
        <source>User name</source>
        <comment></comment>
        <translation>Gebruikersnaam</translation>
    </message>
    <message>
        <source>File sharing is not available over a relay connection.</source>
        <comment></comment>
        <translation>Bestanden delen is niet beschikbaar via een relayverbinding.</translation>
    </message>
    <message>
        <source>Last page</source>
        <comment></comment>
        <translation>Laatste pagina</translation>
    </message>
    <message>
        <source>One-way upload</source>
        <comment></comment>
        <translation>Upload in één richting</translation>
    </message>
    <message>
        <source>Setup is complete. %1 now keeps your files in sync.</source>
        <comment></comment>
        <translation>De configuratie is voltooid. %1 houdt uw bestanden nu gesynchroniseerd.</translation>
    </message>
    <message>
        <source>System default</source>
        <comment></comment>
        <translation>Systeemstandaard</translation>
    </message>
    <message>
        <source>A sync folder named %1 already exists. Choose another name.</source>
        <comment></comment>
        <translation>Er bestaat al een synchronisatiemap met de naam %1. Kies een andere naam.</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment></comment>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Choose the display language</source>
        <comment></comment>
        <translation>De weergavetaal kiezen</translation>
    </message>
    <message>
        <source>The Larkspan Drive service is disabled on this Larkspan. Ask your administrator to enable it.</source>
        <comment></comment>
        <translation>De Larkspan Drive-service is uitgeschakeld op deze Larkspan. Vraag uw beheerder de service in te schakelen.</translation>
    </message>
    <message>
        <source>Search for Larkspan servers on the local network</source>
        <comment></comment>
        <translation>Larkspan-servers zoeken in het lokale netwerk</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <comment></comment>
        <translation>en nog %1</translation>
    </message>
    <message>
        <source>Connected</source>
        <comment></comment>
        <translation>Verbonden</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <comment></comment>
        <translation>Dinsdag</translation>
    </message>
    <message>
        <source>Read the following license agreement and accept it to continue.</source>
        <comment></comment>
        <translation>Lees de volgende licentieovereenkomst en accepteer deze om door te gaan.</translation>
    </message>
    <message>
        <source>Help</source>
        <comment></comment>
        <translation>Help</translation>
    </message>
    <message>
        <source>Launch Larkspan Drive now</source>
        <comment></comment>
        <translation>Larkspan Drive nu starten</translation>
    </message>
    <message>
        <source>User name:</source>
        <comment></comment>
        <translation>Gebruikersnaam:</translation>
    </message>
    <message>
        <source>Finishing the automatic setup...</source>
        <comment></comment>
        <translation>Automatische configuratie wordt voltooid...</translation>
    </message>
    <message>
        <source>Summary</source>
        <comment></comment>
        <translation>Samenvatting</translation>
    </message>
    <message>
        <source>Selective sync mode</source>
        <comment></comment>
        <translation>Selectieve synchronisatiemodus</translation>
    </message>
    <message>
        <source>Notifications</source>
        <comment></comment>
        <translation>Meldingen</translation>
    </message>
    <message>
        <source>Choose a folder on the Larkspan and a folder on this computer to keep in sync.</source>
        <comment></comment>
        <translation>Kies een map op de Larkspan en een map op deze computer die gesynchroniseerd moeten blijven.</translation>
    </message>
    <message>
        <source>Files whose names match these patterns are not synced. Use * as a wildcard, for example *.tmp.</source>
        <comment></comment>
        <translation>Bestanden waarvan de naam overeenkomt met deze patronen, worden niet gesynchroniseerd. Gebruik * als jokerteken, bijvoorbeeld *.tmp.</translation>
    </message>
    <message>
        <source>OK</source>
        <comment></comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Everyone with the link can view the files.</source>
        <comment></comment>
        <translation>Iedereen met de link kan de bestanden bekijken.</translation>
    </message>
    <message>
        <source>Set sync folder</source>
        <comment></comment>
        <translation>Synchronisatiemap instellen</translation>
    </message>
    <message>
        <source>Unlink</source>
        <comment></comment>
        <translation>Ontkoppelen</translation>
    </message>
    <message>
        <source>Value</source>
        <comment></comment>
        <translation>Waarde</translation>
    </message>
    <message>
        <source>Selective sync</source>
        <comment></comment>
        <translation>Selectieve synchronisatie</translation>
    </message>
    <message>
        <source>Continue</source>
        <comment></comment>
        <translation>Doorgaan</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <comment></comment>
        <translation>Initialisatie mislukt.</translation>
    </message>
    <message>
        <source>Share files with others</source>
        <comment></comment>
        <translation>Bestanden delen met anderen</translation>
    </message>
    <message>
        <source>Open Larkspan Drive</source>
        <comment></comment>
        <translation>Larkspan Drive openen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment></comment>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Change which features of Larkspan Drive are installed</source>
        <comment></comment>
        <translation>Wijzigen welke onderdelen van Larkspan Drive zijn geïnstalleerd</translation>
    </message>
    <message>
        <source>Unable to get the user information.</source>
        <comment></comment>
        <translation>Kan de gebruikersgegevens niet ophalen.</translation>
    </message>
    <message>
        <source>Status information</source>
        <comment></comment>
        <translation>Statusinformatie</translation>
    </message>
    <message>
        <source>The setup wizard will install Larkspan Drive on your computer. Click Next to continue or Cancel to exit.</source>
        <comment></comment>
        <translation>De installatiewizard installeert Larkspan Drive op uw computer. Klik op Volgende om door te gaan of op Annuleren om af te sluiten.</translation>
    </message>
    <message>
        <source>Show sync status icons on files and folders</source>
        <comment></comment>
        <translation>Synchronisatiestatus weergeven op bestanden en mappen</translation>
    </message>
    <message>
        <source>Change</source>
        <comment></comment>
        <translation>Wijzigen</translation>
    </message>
    <message>
        <source>Cancel setup</source>
        <comment></comment>
        <translation>Installatie annuleren</translation>
    </message>
    <message>
        <source>No proxy</source>
        <comment></comment>
        <translation>Geen proxy</translation>
    </message>
    <message>
        <source>The client could not be upgraded. Please try again later.</source>
        <comment></comment>
        <translation>De client kan niet worden bijgewerkt. Probeer het later opnieuw.</translation>
    </message>
    <message>
        <source>Apply</source>
        <comment></comment>
        <translation>Toepassen</translation>
    </message>
    <message>
        <source>Files in use</source>
        <comment></comment>
        <translation>Bestanden in gebruik</translation>
    </message>
    <message>
        <source>Service disabled</source>
        <comment></comment>
        <translation>Service uitgeschakeld</translation>
    </message>
    <message>
        <source>Reading the connection settings...</source>
        <comment></comment>
        <translation>Verbindingsinstellingen worden gelezen...</translation>
    </message>
    <message>
        <source>Mentioned you</source>
        <comment></comment>
        <translation>Vermeldingen</translation>
    </message>
    <message>
        <source>Updating...</source>
        <comment></comment>
        <translation>Bijwerken...</translation>
    </message>
    <message>
        <source>Language</source>
        <comment></comment>
        <translation>Taal</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <comment></comment>
        <translation>Gefeliciteerd!</translation>
    </message>
    <message>
        <source>Enable sharing</source>
        <comment></comment>
        <translation>Delen inschakelen</translation>
    </message>
    <message>
        <source>The home folder service is not enabled for your account. Ask your administrator to enable it.</source>
        <comment></comment>
        <translation>De service voor de thuismap is niet ingeschakeld voor uw account. Vraag uw beheerder deze in te schakelen.</translation>
    </message>
    <message>
        <source>August</source>
        <comment></comment>
        <translation>Augustus</translation>
    </message>
    <message>
        <source>Read and write</source>
        <comment></comment>
        <translation>Lezen en schrijven</translation>
    </message>
    <message>
        <source>Remove</source>
        <comment></comment>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Larkspan Drive notification</source>
        <comment></comment>
        <translation>Larkspan Drive-melding</translation>
    </message>
    <message>
        <source>Open in the web portal</source>
        <comment></comment>
        <translation>Openen in de webportal</translation>
    </message>
    <message>
        <source>The selected sync folder is not valid. Choose another folder.</source>
        <comment></comment>
        <translation>De geselecteerde synchronisatiemap is ongeldig. Kies een andere map.</translation>
    </message>
    <message>
        <source>This field cannot be left blank.</source>
        <comment></comment>
        <translation>Dit veld mag niet leeg zijn.</translation>
    </message>
    <message>
        <source>Start Larkspan Drive when I sign in</source>
        <comment></comment>
        <translation>Larkspan Drive starten wanneer ik me aanmeld</translation>
    </message>
    <message>
        <source>Some files that need to be updated are currently in use.</source>
        <comment></comment>
        <translation>Sommige bestanden die moeten worden bijgewerkt, zijn momenteel in gebruik.</translation>
    </message>
    <message>
        <source>File extensions:</source>
        <comment></comment>
        <translation>Bestandsextensies:</translation>
    </message>
    <message>
        <source>Shared with me</source>
        <comment></comment>
        <translation>Gedeeld met mij</translation>
    </message>
    <message>
        <source>Stop downloading this version</source>
        <comment></comment>
        <translation>Het downloaden van deze versie stoppen</translation>
    </message>
    <message>
        <source>Browse previous versions</source>
        <comment></comment>
        <translation>Eerdere versies bekijken</translation>
    </message>
    <message>
        <source>Unable to create the local folder %1.</source>
        <comment></comment>
        <translation>Kan de lokale map %1 niet maken.</translation>
    </message>
    <message>
        <source>Information</source>
        <comment></comment>
        <translation>Informatie</translation>
    </message>
    <message>
        <source>%1 is running.</source>
        <comment></comment>
        <translation>%1 is actief.</translation>
    </message>
    <message>
        <source>Larkspan Drive keeps the files on your Larkspan and your computers in sync.</source>
        <comment></comment>
        <translation>Larkspan Drive houdt de bestanden op uw Larkspan en uw computers gesynchroniseerd.</translation>
    </message>
    <message>
        <source>Do not show this message again</source>
        <comment></comment>
        <translation>Dit bericht niet meer weergeven</translation>
    </message>
    <message>
        <source>Open the web portal</source>
        <comment></comment>
        <translation>De webportal openen</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <comment></comment>
        <translation>Upgrade</translation>
    </message>
    <message>
        <source>Done</source>
        <comment></comment>
        <translation>Gereed</translation>
    </message>
    <message>
        <source>Choose how to finish the setup:</source>
        <comment></comment>
        <translation>Kies hoe u de configuratie wilt voltooien:</translation>
    </message>
    <message>
        <source>When a file exists on both sides, both are kept and the local copy is renamed as a conflict file.</source>
        <comment></comment>
        <translation>Als een bestand aan beide kanten bestaat, blijven beide behouden en krijgt de lokale kopie de naam van een conflictbestand.</translation>
    </message>
    <message>
        <source>Only the users and groups you choose can open the files.</source>
        <comment></comment>
        <translation>Alleen de gebruikers en groepen die u kiest, kunnen de bestanden openen.</translation>
    </message>
    <message>
        <source>Invite people</source>
        <comment></comment>
        <translation>Personen uitnodigen</translation>
    </message>
    <message>
        <source>This computer</source>
        <comment></comment>
        <translation>Deze computer</translation>
    </message>
    <message>
        <source>New shared item</source>
        <comment></comment>
        <translation>Nieuw gedeeld item</translation>
    </message>
    <message>
        <source>Uploading</source>
        <comment></comment>
        <translation>Uploaden</translation>
    </message>
    <message>
        <source>Automatic connection is not allowed by the server settings.</source>
        <comment></comment>
        <translation>Automatisch verbinden is niet toegestaan door de serverinstellingen.</translation>
    </message>
    <message>
        <source>Restricted</source>
        <comment></comment>
        <translation>Beperkt</translation>
    </message>
    <message>
        <source>Proxy</source>
        <comment></comment>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Keep both files and add the computer name to the local copy</source>
        <comment></comment>
        <translation>Beide bestanden behouden en de computernaam toevoegen aan de lokale kopie</translation>
    </message>
    <message>
        <source>Close the applications automatically and try to restart them afterwards.</source>
        <comment></comment>
        <translation>De toepassingen automatisch sluiten en proberen ze daarna opnieuw te starten.</translation>
    </message>
    <message>
        <source>This version of the client is too old. Upgrade Larkspan Drive to the latest version.</source>
        <comment></comment>
        <translation>Deze versie van de client is te oud. Werk Larkspan Drive bij naar de nieuwste versie.</translation>
    </message>
    <message>
        <source>Users and groups</source>
        <comment></comment>
        <translation>Gebruikers en groepen</translation>
    </message>
    <message>
        <source>Right-click a file in your sync folder and choose Share link to share it with anyone.</source>
        <comment></comment>
        <translation>Klik met de rechtermuisknop op een bestand in uw synchronisatiemap en kies Link delen om het met iedereen te delen.</translation>
    </message>
    <message>
        <source>Link permission</source>
        <comment></comment>
        <translation>Machtiging voor de link</translation>
    </message>
    <message>
        <source>The server&apos;s SSL certificate could not be verified.</source>
        <comment></comment>
        <translation>Het SSL-certificaat van de server kan niet worden geverifieerd.</translation>
    </message>
    <message>
        <source>Repairs the most recent installation by restoring missing or damaged files and shortcuts.</source>
        <comment></comment>
        <translation>Herstelt de meest recente installatie door ontbrekende of beschadigde bestanden en snelkoppelingen terug te zetten.</translation>
    </message>
    <message>
        <source>Sync mode</source>
        <comment></comment>
        <translation>Synchronisatiemodus</translation>
    </message>
    <message>
        <source>No previous versions are available for this file.</source>
        <comment></comment>
        <translation>Er zijn geen eerdere versies van dit bestand beschikbaar.</translation>
    </message>
    <message>
        <source>The remote folder is not mounted.</source>
        <comment></comment>
        <translation>De externe map is niet aangekoppeld.</translation>
    </message>
    <message>
        <source>Type</source>
        <comment></comment>
        <translation>Type</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <comment></comment>
        <translation>Licentieovereenkomst voor eindgebruikers</translation>
    </message>
    <message>
        <source>Expire after a number of visits</source>
        <comment></comment>
        <translation>Verlopen na een aantal bezoeken</translation>
    </message>
    <message>
        <source>Signed-in users can view the files.</source>
        <comment></comment>
        <translation>Aangemelde gebruikers kunnen de bestanden bekijken.</translation>
    </message>
    <message>
        <source>The Larkspan Drive ID is not valid.</source>
        <comment></comment>
        <translation>De Larkspan Drive-ID is ongeldig.</translation>
    </message>
    <message>
        <source>Change, repair or remove the installation</source>
        <comment></comment>
        <translation>De installatie wijzigen, herstellen of verwijderen</translation>
    </message>
    <message>
        <source>Connection unstable</source>
        <comment></comment>
        <translation>Verbinding instabiel</translation>
    </message>
    <message>
        <source>Date</source>
        <comment></comment>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <comment></comment>
        <translation>Voer niet meer dan %1 tekens in.</translation>
    </message>
    <message>
        <source>This computer was linked to a different server. Link %1 again to continue.</source>
        <comment></comment>
        <translation>Deze computer is gekoppeld aan een andere server. Koppel %1 opnieuw om door te gaan.</translation>
    </message>
    <message>
        <source>No valid folder is selected.</source>
        <comment></comment>
        <translation>Er is geen geldige map geselecteerd.</translation>
    </message>
    <message>
        <source>Version mismatch</source>
        <comment></comment>
        <translation>Versie komt niet overeen</translation>
    </message>
    <message>
        <source>No data</source>
        <comment></comment>
        <translation>Geen gegevens</translation>
    </message>
    <message>
        <source>Setup was interrupted by an error.</source>
        <comment></comment>
        <translation>De installatie is onderbroken door een fout.</translation>
    </message>
    <message>
        <source>Open file</source>
        <comment></comment>
        <translation>Bestand openen</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment></comment>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>A new version is available. Click to update to %1.</source>
        <comment></comment>
        <translation>Er is een nieuwe versie beschikbaar. Klik om bij te werken naar %1.</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment></comment>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Unable to delete the shared item.</source>
        <comment></comment>
        <translation>Kan het gedeelde item niet verwijderen.</translation>
    </message>
    <message>
        <source>Error</source>
        <comment></comment>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Unable to list the versions of this file.</source>
        <comment></comment>
        <translation>Kan de versies van dit bestand niet weergeven.</translation>
    </message>
    <message>
        <source>%1 minutes ago</source>
        <comment></comment>
        <translation>%1 minuten geleden</translation>
    </message>
    <message>
        <source>Larkspan Drive encountered an error.</source>
        <comment></comment>
        <translation>Er is een fout opgetreden in Larkspan Drive.</translation>
    </message>
    <message>
        <source>Resume syncing these folders</source>
        <comment></comment>
        <translation>Synchronisatie van deze mappen hervatten</translation>
    </message>
    <message>
        <source>Add folder</source>
        <comment></comment>
        <translation>Map toevoegen</translation>
    </message>
    <message>
        <source>Lets you change the way the features are installed.</source>
        <comment></comment>
        <translation>Hiermee wijzigt u de manier waarop de onderdelen worden geïnstalleerd.</translation>
    </message>
    <message>
        <source>Choose how you want to set up Larkspan Drive.</source>
        <comment></comment>
        <translation>Kies hoe u Larkspan Drive wilt instellen.</translation>
    </message>
    <message>
        <source>Repair the installation</source>
        <comment></comment>
        <translation>De installatie herstellen</translation>
    </message>
    <message>
        <source>When a file was changed on both sides:</source>
        <comment></comment>
        <translation>Als een bestand aan beide kanten is gewijzigd:</translation>
    </message>
    <message>
        <source>Later</source>
        <comment></comment>
        <translation>Later</translation>
    </message>
    <message>
        <source>The folder %1 already exists. Do you want to merge the two folders?</source>
        <comment></comment>
        <translation>De map %1 bestaat al. Wilt u de twee mappen samenvoegen?</translation>
    </message>
    <message>
        <source>New shared item received</source>
        <comment></comment>
        <translation>Nieuw gedeeld item ontvangen</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <comment></comment>
        <translation>Bureaubladmeldingen weergeven</translation>
    </message>
    <message>
        <source>Larkspan Drive does not support the protocol used by this server.</source>
        <comment></comment>
        <translation>Larkspan Drive ondersteunt het protocol van deze server niet.</translation>
    </message>
    <message>
        <source>The local disk is full. Larkspan Drive has paused syncing.</source>
        <comment></comment>
        <translation>De lokale schijf is vol. Larkspan Drive heeft de synchronisatie onderbroken.</translation>
    </message>
    <message>
        <source>No shared items</source>
        <comment></comment>
        <translation>Geen gedeelde items</translation>
    </message>
    <message>
        <source>Authentication failed. Check your user name and password.</source>
        <comment></comment>
        <translation>Verificatie mislukt. Controleer uw gebruikersnaam en wachtwoord.</translation>
    </message>
    <message>
        <source>Choose the folders to keep in sync.</source>
        <comment></comment>
        <translation>Kies de mappen die gesynchroniseerd moeten blijven.</translation>
    </message>
    <message>
        <source>Paused</source>
        <comment></comment>
        <translation>Onderbroken</translation>
    </message>
    <message>
        <source>%1 is initializing...</source>
        <comment></comment>
        <translation>%1 wordt geïnitialiseerd...</translation>
    </message>
    <message>
        <source>Up to date</source>
        <comment></comment>
        <translation>Bijgewerkt</translation>
    </message>
    <message>
        <source>Download cancelled.</source>
        <comment></comment>
        <translation>Downloaden geannuleerd.</translation>
    </message>
    <message>
        <source>Larkspan Drive could not be upgraded.</source>
        <comment></comment>
        <translation>Larkspan Drive kan niet worden bijgewerkt.</translation>
    </message>
    <message>
        <source>Your files, everywhere.</source>
        <comment></comment>
        <translation>Uw bestanden, overal.</translation>
    </message>
    <message>
        <source>Sync the files that other users share with you.</source>
        <comment></comment>
        <translation>Synchroniseer de bestanden die andere gebruikers met u delen.</translation>
    </message>
    <message>
        <source>Change, repair or remove Larkspan Drive.</source>
        <comment></comment>
        <translation>Larkspan Drive wijzigen, herstellen of verwijderen.</translation>
    </message>
    <message>
        <source>Installing Larkspan Drive</source>
        <comment></comment>
        <translation>Larkspan Drive wordt geïnstalleerd</translation>
    </message>
    <message>
        <source>Keep both files and rename the conflicting one</source>
        <comment></comment>
        <translation>Beide bestanden behouden en het conflicterende bestand hernoemen</translation>
    </message>
    <message>
        <source>The server version is not supported. Ask your administrator to upgrade the server.</source>
        <comment></comment>
        <translation>De serverversie wordt niet ondersteund. Vraag uw beheerder de server bij te werken.</translation>
    </message>
    <message>
        <source>Version</source>
        <comment></comment>
        <translation>Versie</translation>
    </message>
    <message>
        <source>Resume syncing this folder</source>
        <comment></comment>
        <translation>Synchronisatie van deze map hervatten</translation>
    </message>
    <message>
        <source>Show Larkspan Drive in the file manager&apos;s context menu</source>
        <comment></comment>
        <translation>Larkspan Drive weergeven in het contextmenu van de bestandsbeheerder</translation>
    </message>
    <message>
        <source>About</source>
        <comment></comment>
        <translation>Over</translation>
    </message>
    <message>
        <source>Comments</source>
        <comment></comment>
        <translation>Opmerkingen</translation>
    </message>
    <message>
        <source>The relay service is disabled on the server.</source>
        <comment></comment>
        <translation>De relayservice is uitgeschakeld op de server.</translation>
    </message>
    <message>
        <source>Last week</source>
        <comment></comment>
        <translation>Vorige week</translation>
    </message>
    <message>
        <source>Checking data...</source>
        <comment></comment>
        <translation>Gegevens worden gecontroleerd...</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <comment></comment>
        <translation>Synchroniseren...</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment></comment>
        <translation>Map</translation>
    </message>
    <message>
        <source>%1 items</source>
        <comment></comment>
        <translation>%1 items</translation>
    </message>
    <message>
        <source>Download</source>
        <comment></comment>
        <translation>Download</translation>
    </message>
    <message>
        <source>%1 days ago</source>
        <comment></comment>
        <translation>%1 dagen geleden</translation>
    </message>
    <message>
        <source>Open settings</source>
        <comment></comment>
        <translation>Instellingen openen</translation>
    </message>
    <message>
        <source>Unable to get the link to the file.</source>
        <comment></comment>
        <translation>Kan de link naar het bestand niet ophalen.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. %1 will merge its content with the server.</source>
        <comment></comment>
        <translation>De geselecteerde map is niet leeg. %1 voegt de inhoud ervan samen met de server.</translation>
    </message>
    <message>
        <source>Reconnect</source>
        <comment></comment>
        <translation>Opnieuw verbinden</translation>
    </message>
    <message>
        <source>Monday</source>
        <comment></comment>
        <translation>Maandag</translation>
    </message>
    <message>
        <source>The shared folder conflicts with an existing sync folder.</source>
        <comment></comment>
        <translation>De gedeelde map conflicteert met een bestaande synchronisatiemap.</translation>
    </message>
    <message>
        <source>Sync task from %1 to %2</source>
        <comment></comment>
        <translation>Synchronisatietaak van %1 naar %2</translation>
    </message>
    <message>
        <source>Mount point</source>
        <comment></comment>
        <translation>Aankoppelpunt</translation>
    </message>
    <message>
        <source>Folder not empty</source>
        <comment></comment>
        <translation>Map niet leeg</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <comment></comment>
        <translation>Ontkoppelen...</translation>
    </message>
    <message>
        <source>Time</source>
        <comment></comment>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>%1 does not support the protocol used by this server.</source>
        <comment></comment>
        <translation>%1 ondersteunt het protocol van deze server niet.</translation>
    </message>
    <message>
        <source>Folder path</source>
        <comment></comment>
        <translation>Mappad</translation>
    </message>
    <message>
        <source>February</source>
        <comment></comment>
        <translation>Februari</translation>
    </message>
    <message>
        <source>The server&apos;s certificate could not be verified. Syncing is paused.</source>
        <comment></comment>
        <translation>Het certificaat van de server kan niet worden geverifieerd. De synchronisatie is onderbroken.</translation>
    </message>
    <message>
        <source>Close the applications that use these files.</source>
        <comment></comment>
        <translation>Sluit de toepassingen die deze bestanden gebruiken.</translation>
    </message>
    <message>
        <source>Automatic connection failed because of a system error.</source>
        <comment></comment>
        <translation>Automatisch verbinden is mislukt door een systeemfout.</translation>
    </message>
    <message>
        <source>Show icons on files that are not synced</source>
        <comment></comment>
        <translation>Pictogrammen weergeven op bestanden die niet worden gesynchroniseerd</translation>
    </message>
    <message>
        <source>Larkspan Drive setup was interrupted. Your system has not been changed.</source>
        <comment></comment>
        <translation>De installatie van Larkspan Drive is onderbroken. Uw systeem is niet gewijzigd.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has changed.</source>
        <comment></comment>
        <translation>Het certificaat van de server is gewijzigd.</translation>
    </message>
    <message>
        <source>Files are stored in your local sync folder, for example /home/user/​LarkspanDrive.</source>
        <comment></comment>
        <translation>Bestanden worden opgeslagen in uw lokale synchronisatiemap, bijvoorbeeld /home/user/​LarkspanDrive.</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the installation of Larkspan Drive?</source>
        <comment></comment>
        <translation>Weet u zeker dat u de installatie van Larkspan Drive wilt annuleren?</translation>
    </message>
    <message>
        <source>ID</source>
        <comment></comment>
        <translation>ID</translation>
    </message>
    <message>
        <source>%1 has been downloaded.</source>
        <comment></comment>
        <translation>%1 is gedownload.</translation>
    </message>
    <message>
        <source>The connection is inactive.</source>
        <comment></comment>
        <translation>De verbinding is inactief.</translation>
    </message>
    <message>
        <source>Changes in folders on network drives may not be detected right away.</source>
        <comment></comment>
        <translation>Wijzigingen in mappen op netwerkstations worden mogelijk niet direct gedetecteerd.</translation>
    </message>
    <message>
        <source>Share</source>
        <comment></comment>
        <translation>Delen</translation>
    </message>
    <message>
        <source>%1 encountered an error.</source>
        <comment></comment>
        <translation>Er is een fout opgetreden in %1.</translation>
    </message>
    <message>
        <source>First page</source>
        <comment></comment>
        <translation>Eerste pagina</translation>
    </message>
    <message>
        <source>Resume</source>
        <comment></comment>
        <translation>Hervatten</translation>
    </message>
    <message>
        <source>Unable to enable sharing.</source>
        <comment></comment>
        <translation>Kan delen niet inschakelen.</translation>
    </message>
    <message>
        <source>The local disk is full. %1 has paused syncing.</source>
        <comment></comment>
        <translation>De lokale schijf is vol. %1 heeft de synchronisatie onderbroken.</translation>
    </message>
    <message>
        <source>Custom duration</source>
        <comment></comment>
        <translation>Aangepaste duur</translation>
    </message>
    <message>
        <source>Remove this download</source>
        <comment></comment>
        <translation>Deze download verwijderen</translation>
    </message>
    <message>
        <source>I accept the terms of the License Agreement</source>
        <comment></comment>
        <translation>Ik ga akkoord met de voorwaarden van de licentieovereenkomst</translation>
    </message>
    <message>
        <source>Select a folder on your computer to sync.</source>
        <comment></comment>
        <translation>Selecteer een map op uw computer om te synchroniseren.</translation>
    </message>
    <message>
        <source>Action</source>
        <comment></comment>
        <translation>Actie</translation>
    </message>
    <message>
        <source>Sync tasks</source>
        <comment></comment>
        <translation>Synchronisatietaken</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment></comment>
        <translation>Onderbreken</translation>
    </message>
    <message>
        <source>Click Finish to close the setup wizard.</source>
        <comment></comment>
        <translation>Klik op Voltooien om de installatiewizard te sluiten.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Larkspan Drive will merge its content with the server.</source>
        <comment></comment>
        <translation>De geselecteerde map is niet leeg. Larkspan Drive voegt de inhoud ervan samen met de server.</translation>
    </message>
    <message>
        <source>The disk of the Larkspan is full.</source>
        <comment></comment>
        <translation>De schijf van de Larkspan is vol.</translation>
    </message>
    <message>
        <source>Manage</source>
        <comment></comment>
        <translation>Beheren</translation>
    </message>
    <message>
        <source>The setup wizard lets you change the way Larkspan Drive is installed, repair it or remove it. Click Next to continue or Cancel to exit.</source>
        <comment></comment>
        <translation>Met de installatiewizard kunt u de manier wijzigen waarop Larkspan Drive is geïnstalleerd, of het programma herstellen of verwijderen. Klik op Volgende om door te gaan of op Annuleren om af te sluiten.</translation>
    </message>
    <message>
        <source>%1 requested access to %2</source>
        <comment></comment>
        <translation>%1 heeft toegang tot %2 aangevraagd</translation>
    </message>
    <message>
        <source>Connected through the Internet</source>
        <comment></comment>
        <translation>Verbonden via internet</translation>
    </message>
    <message>
        <source>Sync your files</source>
        <comment></comment>
        <translation>Uw bestanden synchroniseren</translation>
    </message>
    <message>
        <source>Unable to download this version.</source>
        <comment></comment>
        <translation>Kan deze versie niet downloaden.</translation>
    </message>
    <message>
        <source>Larkspan Drive setup ended because of an error. Your system has not been changed.</source>
        <comment></comment>
        <translation>De installatie van Larkspan Drive is beëindigd door een fout. Uw systeem is niet gewijzigd.</translation>
    </message>
    <message>
        <source>Files shared with you appear in the %1 folder on this computer.</source>
        <comment></comment>
        <translation>Bestanden die met u worden gedeeld, verschijnen in de map %1 op deze computer.</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this connection?</source>
        <comment></comment>
        <translation>Weet u zeker dat u deze verbinding wilt ontkoppelen?</translation>
    </message>
    <message>
        <source>Retry</source>
        <comment></comment>
        <translation>Opnieuw proberen</translation>
    </message>
    <message>
        <source>The proxy server requires a password</source>
        <comment></comment>
        <translation>De proxyserver vereist een wachtwoord</translation>
    </message>
    <message>
        <source>Update to the latest version to use selective sync.</source>
        <comment></comment>
        <translation>Werk bij naar de nieuwste versie om selectieve synchronisatie te gebruiken.</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again in %1 minutes.</source>
        <comment></comment>
        <translation>Te veel mislukte pogingen. Probeer het over %1 minuten opnieuw.</translation>
    </message>
    <message>
        <source>File name</source>
        <comment></comment>
        <translation>Bestandsnaam</translation>
    </message>
    <message>
        <source>Inactive</source>
        <comment></comment>
        <translation>Inactief</translation>
    </message>
    <message>
        <source>You can change these settings at any time in %1.</source>
        <comment></comment>
        <translation>U kunt deze instellingen op elk moment wijzigen in %1.</translation>
    </message>
    <message>
        <source>This version of Larkspan Drive is already installed. Do you want to install it again?</source>
        <comment></comment>
        <translation>Deze versie van Larkspan Drive is al geïnstalleerd. Wilt u deze opnieuw installeren?</translation>
    </message>
    <message>
        <source>The quota of the shared folder is full.</source>
        <comment></comment>
        <translation>Het quotum van de gedeelde map is vol.</translation>
    </message>
    <message>
        <source>The shared folder is not mounted.</source>
        <comment></comment>
        <translation>De gedeelde map is niet aangekoppeld.</translation>
    </message>
    <message>
        <source>%1 hours ago</source>
        <comment></comment>
        <translation>%1 uur geleden</translation>
    </message>
    <message>
        <source>Completed the Larkspan Drive Setup Wizard</source>
        <comment></comment>
        <translation>De installatiewizard van Larkspan Drive is voltooid</translation>
    </message>
    <message>
        <source>January</source>
        <comment></comment>
        <translation>Januari</translation>
    </message>
    <message>
        <source>Choose the folders to sync and the sync settings yourself.</source>
        <comment></comment>
        <translation>Kies zelf de mappen die u wilt synchroniseren en de synchronisatie-instellingen.</translation>
    </message>
    <message>
        <source>The Larkspan has changed. Link it again to continue.</source>
        <comment></comment>
        <translation>De Larkspan is gewijzigd. Koppel deze opnieuw om door te gaan.</translation>
    </message>
    <message>
        <source>%1 is now syncing your files.</source>
        <comment></comment>
        <translation>%1 synchroniseert nu uw bestanden.</translation>
    </message>
    <message>
        <source>Unable to create a link for this item.</source>
        <comment></comment>
        <translation>Kan geen link voor dit item maken.</translation>
    </message>
    <message>
        <source>I do not accept the terms of the License Agreement</source>
        <comment></comment>
        <translation>Ik ga niet akkoord met de voorwaarden van de licentieovereenkomst</translation>
    </message>
    <message>
        <source>Sync</source>
        <comment></comment>
        <translation>Synchronisatie</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <comment></comment>
        <translation>Gisteren</translation>
    </message>
    <message>
        <source>Downloads of previous versions</source>
        <comment></comment>
        <translation>Downloads van eerdere versies</translation>
    </message>
    <message>
        <source>Sync history</source>
        <comment></comment>
        <translation>Synchronisatiegeschiedenis</translation>
    </message>
    <message>
        <source>Share link</source>
        <comment></comment>
        <translation>Link delen</translation>
    </message>
    <message>
        <source>Repair</source>
        <comment></comment>
        <translation>Herstellen</translation>
    </message>
    <message>
        <source>Open the Larkspan in your browser</source>
        <comment></comment>
        <translation>De Larkspan openen in uw browser</translation>
    </message>
    <message>
        <source>%1 commented on %2</source>
        <comment></comment>
        <translation>%1 heeft gereageerd op %2</translation>
    </message>
    <message>
        <source>The maximum number of shared items has been reached.</source>
        <comment></comment>
        <translation>Het maximumaantal gedeelde items is bereikt.</translation>
    </message>
    <message>
        <source>Shared</source>
        <comment></comment>
        <translation>Gedeeld</translation>
    </message>
    <message>
        <source>The local disk is full.</source>
        <comment></comment>
        <translation>De lokale schijf is vol.</translation>
    </message>
    <message>
        <source>Setup interrupted</source>
        <comment></comment>
        <translation>Installatie onderbroken</translation>
    </message>
    <message>
        <source>The local sync folder cannot be found.</source>
        <comment></comment>
        <translation>De lokale synchronisatiemap kan niet worden gevonden.</translation>
    </message>
    <message>
        <source>Put your files in the sync folder, and they stay up to date on all your devices.</source>
        <comment></comment>
        <translation>Plaats uw bestanden in de synchronisatiemap en ze blijven up-to-date op al uw apparaten.</translation>
    </message>
    <message>
        <source>Expire after</source>
        <comment></comment>
        <translation>Verlopen na</translation>
    </message>
    <message>
        <source>June</source>
        <comment></comment>
        <translation>Juni</translation>
    </message>
    <message>
        <source>Select the operation you want to perform.</source>
        <comment></comment>
        <translation>Selecteer de bewerking die u wilt uitvoeren.</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <comment></comment>
        <translation>Tijdelijke bestanden</translation>
    </message>
    <message>
        <source>Your quota on the Larkspan is full. Free some space or choose another folder.</source>
        <comment></comment>
        <translation>Uw quotum op de Larkspan is vol. Maak ruimte vrij of kies een andere map.</translation>
    </message>
    <message>
        <source>Enter the address and port of the proxy server.</source>
        <comment></comment>
        <translation>Voer het adres en de poort van de proxyserver in.</translation>
    </message>
    <message>
        <source>Folder on the Larkspan</source>
        <comment></comment>
        <translation>Map op de Larkspan</translation>
    </message>
    <message>
        <source>Renamed on this computer</source>
        <comment></comment>
        <translation>Hernoemd op deze computer</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <comment></comment>
        <translation>Verificatie mislukt</translation>
    </message>
    <message>
        <source>Sunday</source>
        <comment></comment>
        <translation>Zondag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <comment></comment>
        <translation>Woensdag</translation>
    </message>
    <message>
        <source>Automatic setup is configured.</source>
        <comment></comment>
        <translation>Automatische configuratie is ingesteld.</translation>
    </message>
    <message>
        <source>New folder on the Larkspan</source>
        <comment></comment>
        <translation>Nieuwe map op de Larkspan</translation>
    </message>
    <message>
        <source>Display</source>
        <comment></comment>
        <translation>Weergave</translation>
    </message>
    <message>
        <source>A newer version of %1 is already installed. Setup will now exit.</source>
        <comment></comment>
        <translation>Er is al een nieuwere versie van %1 geïnstalleerd. De installatie wordt nu afgesloten.</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment></comment>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Local sync folder</source>
        <comment></comment>
        <translation>Lokale synchronisatiemap</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <comment></comment>
        <translation>Maximale bestandsgrootte (MB):</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <comment></comment>
        <translation>Verbinden...</translation>
    </message>
    <message>
        <source>Access request</source>
        <comment></comment>
        <translation>Toegangsaanvraag</translation>
    </message>
    <message>
        <source>Larkspan Drive is ready.</source>
        <comment></comment>
        <translation>Larkspan Drive is gereed.</translation>
    </message>
    <message>
        <source>Set up</source>
        <comment></comment>
        <translation>Instellen</translation>
    </message>
    <message>
        <source>Do not sync this folder</source>
        <comment></comment>
        <translation>Deze map niet synchroniseren</translation>
    </message>
    <message>
        <source>This server needs a newer version of Larkspan Drive. Upgrade now?</source>
        <comment></comment>
        <translation>Deze server vereist een nieuwere versie van Larkspan Drive. Nu bijwerken?</translation>
    </message>
    <message>
        <source>Choose a sync folder</source>
        <comment></comment>
        <translation>Kies een synchronisatiemap</translation>
    </message>
    <message>
        <source>Password</source>
        <comment></comment>
        <translation>Wachtwoord</translation>
    </message>
    <message>
        <source>Today</source>
        <comment></comment>
        <translation>Vandaag</translation>
    </message>
    <message>
        <source>Your quota on the Larkspan is full.</source>
        <comment></comment>
        <translation>Uw quotum op de Larkspan is vol.</translation>
    </message>
    <message>
        <source>Sync and share files across all your devices.</source>
        <comment></comment>
        <translation>Synchroniseer en deel bestanden op al uw apparaten.</translation>
    </message>
    <message>
        <source>No permission</source>
        <comment></comment>
        <translation>Geen machtiging</translation>
    </message>
    <message>
        <source>Destination</source>
        <comment></comment>
        <translation>Bestemming</translation>
    </message>
    <message>
        <source>The sync folder is on a volume that is not mounted.</source>
        <comment></comment>
        <translation>De synchronisatiemap staat op een volume dat niet is aangekoppeld.</translation>
    </message>
    <message>
        <source>Choose a different folder on this computer.</source>
        <comment></comment>
        <translation>Kies een andere map op deze computer.</translation>
    </message>
    <message>
        <source>Use a black-and-white tray icon</source>
        <comment></comment>
        <translation>Een zwart-wit pictogram in het systeemvak gebruiken</translation>
    </message>
    <message>
        <source>The verification code is not valid.</source>
        <comment></comment>
        <translation>De verificatiecode is ongeldig.</translation>
    </message>
    <message>
        <source>No connection is available for this file.</source>
        <comment></comment>
        <translation>Er is geen verbinding beschikbaar voor dit bestand.</translation>
    </message>
    <message>
        <source>Keep files on the Larkspan when they are deleted from this computer</source>
        <comment></comment>
        <translation>Bestanden op de Larkspan behouden wanneer ze op deze computer worden verwijderd</translation>
    </message>
    <message>
        <source>One-way download</source>
        <comment></comment>
        <translation>Download in één richting</translation>
    </message>
    <message>
        <source>Port:</source>
        <comment></comment>
        <translation>Poort:</translation>
    </message>
    <message>
        <source>Last month</source>
        <comment></comment>
        <translation>Vorige maand</translation>
    </message>
    <message>
        <source>Version %1.%2.%3, build %4</source>
        <comment></comment>
        <translation>Versie %1.%2.%3, build %4</translation>
    </message>
    <message>
        <source>Your IP address is not allowed to connect.</source>
        <comment></comment>
        <translation>Uw IP-adres mag geen verbinding maken.</translation>
    </message>
    <message>
        <source>Sync a folder that someone shared with you.</source>
        <comment></comment>
        <translation>Synchroniseer een map die iemand met u heeft gedeeld.</translation>
    </message>
    <message>
        <source>Filter the sync log</source>
        <comment></comment>
        <translation>Het synchronisatielogboek filteren</translation>
    </message>
    <message>
        <source>You can only read this folder. Changes you make to it are not uploaded.</source>
        <comment></comment>
        <translation>U kunt deze map alleen lezen. Wijzigingen die u erin aanbrengt, worden niet geüpload.</translation>
    </message>
    <message>
        <source>Keyword</source>
        <comment></comment>
        <translation>Trefwoord</translation>
    </message>
    <message>
        <source>Do not sync files larger than %1 MB</source>
        <comment></comment>
        <translation>Geen bestanden synchroniseren die groter zijn dan %1 MB</translation>
    </message>
    <message>
        <source>Next month</source>
        <comment></comment>
        <translation>Volgende maand</translation>
    </message>
    <message>
        <source>Remote destination</source>
        <comment></comment>
        <translation>Externe bestemming</translation>
    </message>
    <message>
        <source>Your account is not allowed to sync this folder.</source>
        <comment></comment>
        <translation>Uw account mag deze map niet synchroniseren.</translation>
    </message>
    <message>
        <source>Unable to download %1.</source>
        <comment></comment>
        <translation>Kan %1 niet downloaden.</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <comment></comment>
        <translation>Geavanceerde instellingen</translation>
    </message>
    <message>
        <source>Welcome to %1. Sign in to get started.</source>
        <comment></comment>
        <translation>Welkom bij %1. Meld u aan om te beginnen.</translation>
    </message>
    <message>
        <source>Welcome to the Larkspan Drive Setup Wizard</source>
        <comment></comment>
        <translation>Welkom bij de installatiewizard van Larkspan Drive</translation>
    </message>
    <message>
        <source>This computer was linked to a different Larkspan. Link it again to continue.</source>
        <comment></comment>
        <translation>Deze computer is gekoppeld aan een andere Larkspan. Koppel deze opnieuw om door te gaan.</translation>
    </message>
    <message>
        <source>The shared folder no longer exists.</source>
        <comment></comment>
        <translation>De gedeelde map bestaat niet meer.</translation>
    </message>
    <message>
        <source>December</source>
        <comment></comment>
        <translation>December</translation>
    </message>
    <message>
        <source>Overview</source>
        <comment></comment>
        <translation>Overzicht</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <comment></comment>
        <translation>De proxy-instellingen van het systeem gebruiken</translation>
    </message>
    <message>
        <source>No sync history</source>
        <comment></comment>
        <translation>Geen synchronisatiegeschiedenis</translation>
    </message>
    <message>
        <source>Some files could not be synced. Click to see the details.</source>
        <comment></comment>
        <translation>Sommige bestanden kunnen niet worden gesynchroniseerd. Klik voor meer informatie.</translation>
    </message>
    <message>
        <source>Setup ended because of an error</source>
        <comment></comment>
        <translation>De installatie is beëindigd door een fout</translation>
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
        <translation>Uw wijzigingen zijn niet opgeslagen. Nu opslaan?</translation>
    </message>
    <message>
        <source>This computer is already linked to this Larkspan.</source>
        <comment></comment>
        <translation>Deze computer is al gekoppeld aan deze Larkspan.</translation>
    </message>
    <message>
        <source>There is not enough space on the local disk for Larkspan Drive.</source>
        <comment></comment>
        <translation>Er is niet genoeg ruimte op de lokale schijf voor Larkspan Drive.</translation>
    </message>
    <message>
        <source>Do not sync files with these names:</source>
        <comment></comment>
        <translation>Geen bestanden met deze namen synchroniseren:</translation>
    </message>
    <message>
        <source>Available from</source>
        <comment></comment>
        <translation>Beschikbaar vanaf</translation>
    </message>
    <message>
        <source>Shows the tray icon in black and white to match your desktop theme.</source>
        <comment></comment>
        <translation>Geeft het pictogram in het systeemvak in zwart-wit weer, passend bij uw bureaubladthema.</translation>
    </message>
    <message>
        <source>Status</source>
        <comment></comment>
        <translation>Status</translation>
    </message>
    <message>
        <source>Sync one of your folders on the Larkspan with this computer.</source>
        <comment></comment>
        <translation>Synchroniseer een van uw mappen op de Larkspan met deze computer.</translation>
    </message>
    <message>
        <source>Indexing the folder...</source>
        <comment></comment>
        <translation>Map wordt geïndexeerd...</translation>
    </message>
    <message>
        <source>Your user name or password is incorrect.</source>
        <comment></comment>
        <translation>Uw gebruikersnaam of wachtwoord is onjuist.</translation>
    </message>
    <message>
        <source>You do not have permission to use Larkspan Drive. Ask your administrator.</source>
        <comment></comment>
        <translation>U hebt geen toestemming om Larkspan Drive te gebruiken. Neem contact op met uw beheerder.</translation>
    </message>
    <message>
        <source>Try syncing again</source>
        <comment></comment>
        <translation>Opnieuw proberen te synchroniseren</translation>
    </message>
    <message>
        <source>Filter settings</source>
        <comment></comment>
        <translation>Filterinstellingen</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <comment></comment>
        <translation>Handmatige proxyconfiguratie</translation>
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
        <translation>Nee</translation>
    </message>
    <message>
        <source>Version not supported</source>
        <comment></comment>
        <translation>Versie niet ondersteund</translation>
    </message>
    <message>
        <source>Sync now</source>
        <comment></comment>
        <translation>Nu synchroniseren</translation>
    </message>
    <message>
        <source>This folder was synced by another user. Choose another folder.</source>
        <comment></comment>
        <translation>Deze map is gesynchroniseerd door een andere gebruiker. Kies een andere map.</translation>
    </message>
    <message>
        <source>Create a KestrinDrive folder in the selected location</source>
        <comment></comment>
        <translation>Een map KestrinDrive maken op de geselecteerde locatie</translation>
    </message>
    <message>
        <source>You do not have permission to write to this folder. Choose another folder.</source>
        <comment></comment>
        <translation>U hebt geen schrijfmachtiging voor deze map. Kies een andere map.</translation>
    </message>
    <message>
        <source>This folder is read-only. Changes are not synced to %1.</source>
        <comment></comment>
        <translation>Deze map is alleen-lezen. Wijzigingen worden niet gesynchroniseerd met %1.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment></comment>
        <translation>%1 tot %2</translation>
    </message>
    <message>
        <source>Got it</source>
        <comment></comment>
        <translation>Begrepen</translation>
    </message>
    <message>
        <source>Welcome to Larkspan Drive</source>
        <comment></comment>
        <translation>Welkom bij Larkspan Drive</translation>
    </message>
    <message>
        <source>Network settings</source>
        <comment></comment>
        <translation>Netwerkinstellingen</translation>
    </message>
    <message>
        <source>The setup wizard is ready to begin the repair.</source>
        <comment></comment>
        <translation>De installatiewizard is gereed om met het herstel te beginnen.</translation>
    </message>
    <message>
        <source>This client version is not supported by the server. Upgrade to continue syncing.</source>
        <comment></comment>
        <translation>Deze clientversie wordt niet ondersteund door de server. Werk bij om verder te synchroniseren.</translation>
    </message>
    <message>
        <source>Size</source>
        <comment></comment>
        <translation>Grootte</translation>
    </message>
    <message>
        <source>The server version is too old. Ask your administrator to upgrade it.</source>
        <comment></comment>
        <translation>De serverversie is te oud. Vraag uw beheerder de server bij te werken.</translation>
    </message>
    <message>
        <source>Everyone with the link can view and edit the files.</source>
        <comment></comment>
        <translation>Iedereen met de link kan de bestanden bekijken en bewerken.</translation>
    </message>
    <message>
        <source>Edit</source>
        <comment></comment>
        <translation>Bewerken</translation>
    </message>
    <message>
        <source>Signed-in users can view and edit the files.</source>
        <comment></comment>
        <translation>Aangemelde gebruikers kunnen de bestanden bekijken en bewerken.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <comment></comment>
        <translation>Uitgeschakeld</translation>
    </message>
    <message>
        <source>Change, repair or remove the installation.</source>
        <comment></comment>
        <translation>De installatie wijzigen, herstellen of verwijderen.</translation>
    </message>
    <message>
        <source>Just now</source>
        <comment></comment>
        <translation>Zojuist</translation>
    </message>
    <message>
        <source>New sync folder</source>
        <comment></comment>
        <translation>Nieuwe synchronisatiemap</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <comment></comment>
        <translation>Delen ingeschakeld</translation>
    </message>
    <message>
        <source>Sync error</source>
        <comment></comment>
        <translation>Synchronisatiefout</translation>
    </message>
    <message>
        <source>Merge mode</source>
        <comment></comment>
        <translation>Samenvoegmodus</translation>
    </message>
    <message>
        <source>Connection information</source>
        <comment></comment>
        <translation>Verbindingsinformatie</translation>
    </message>
    <message>
        <source>Remove Larkspan Drive</source>
        <comment></comment>
        <translation>Larkspan Drive verwijderen</translation>
    </message>
    <message>
        <source>Next %1 pages</source>
        <comment></comment>
        <translation>Volgende %1 pagina&apos;s</translation>
    </message>
    <message>
        <source>Show sync status</source>
        <comment></comment>
        <translation>Synchronisatiestatus weergeven</translation>
    </message>
    <message>
        <source>My files</source>
        <comment></comment>
        <translation>Mijn bestanden</translation>
    </message>
    <message>
        <source>Create a sync task</source>
        <comment></comment>
        <translation>Een synchronisatietaak maken</translation>
    </message>
    <message>
        <source>Create a LarkspanDrive folder in the selected location</source>
        <comment></comment>
        <translation>Een map LarkspanDrive maken op de geselecteerde locatie</translation>
    </message>
    <message>
        <source>Skipped file names</source>
        <comment></comment>
        <translation>Overgeslagen bestandsnamen</translation>
    </message>
    <message>
        <source>The %1 ID is not valid.</source>
        <comment></comment>
        <translation>De %1-ID is ongeldig.</translation>
    </message>
    <message>
        <source>Expire on</source>
        <comment></comment>
        <translation>Verloopt op</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <comment></comment>
        <translation>Upgraden...</translation>
    </message>
    <message>
        <source>Start now</source>
        <comment></comment>
        <translation>Nu starten</translation>
    </message>
    <message>
        <source>Standby</source>
        <comment></comment>
        <translation>Stand-by</translation>
    </message>
    <message>
        <source>Progress</source>
        <comment></comment>
        <translation>Voortgang</translation>
    </message>
    <message>
        <source>%1 changes detected</source>
        <comment></comment>
        <translation>%1 wijzigingen gedetecteerd</translation>
    </message>
    <message>
        <source>Only download changes from the Larkspan; local changes are not uploaded.</source>
        <comment></comment>
        <translation>Alleen wijzigingen van de Larkspan downloaden; lokale wijzigingen worden niet geüpload.</translation>
    </message>
    <message>
        <source>A database error occurred.</source>
        <comment></comment>
        <translation>Er is een databasefout opgetreden.</translation>
    </message>
    <message>
        <source>Enter the address of your Larkspan and your account.</source>
        <comment></comment>
        <translation>Voer het adres van uw Larkspan en uw accountgegevens in.</translation>
    </message>
    <message>
        <source>On-demand sync</source>
        <comment></comment>
        <translation>Synchronisatie op aanvraag</translation>
    </message>
    <message>
        <source>New sync task</source>
        <comment></comment>
        <translation>Nieuwe synchronisatietaak</translation>
    </message>
    <message>
        <source>Upload</source>
        <comment></comment>
        <translation>Upload</translation>
    </message>
    <message>
        <source>Restrict access</source>
        <comment></comment>
        <translation>Toegang beperken</translation>
    </message>
    <message>
        <source>Select the folders to sync</source>
        <comment></comment>
        <translation>Selecteer de mappen die u wilt synchroniseren</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <comment></comment>
        <translation>Selecteer een map</translation>
    </message>
    <message>
        <source>Setup mode</source>
        <comment></comment>
        <translation>Configuratiemodus</translation>
    </message>
    <message>
        <source>Download only</source>
        <comment></comment>
        <translation>Alleen downloaden</translation>
    </message>
    <message>
        <source>General</source>
        <comment></comment>
        <translation>Algemeen</translation>
    </message>
    <message>
        <source>Saturday</source>
        <comment></comment>
        <translation>Zaterdag</translation>
    </message>
    <message>
        <source>Larkspan Drive works with a Larkspan server from Kestrin.</source>
        <comment></comment>
        <translation>Larkspan Drive werkt met een Larkspan-server van Kestrin.</translation>
    </message>
    <message>
        <source>Unable to connect to the Larkspan.</source>
        <comment></comment>
        <translation>Kan geen verbinding maken met de Larkspan.</translation>
    </message>
    <message>
        <source>Connected through a relay</source>
        <comment></comment>
        <translation>Verbonden via een relay</translation>
    </message>
    <message>
        <source>Larkspan Drive is initializing...</source>
        <comment></comment>
        <translation>Larkspan Drive wordt geïnitialiseerd...</translation>
    </message>
    <message>
        <source>Automatic setup failed. Set up Larkspan Drive manually.</source>
        <comment></comment>
        <translation>Automatische configuratie is mislukt. Stel Larkspan Drive handmatig in.</translation>
    </message>
    <message>
        <source>Local destination</source>
        <comment></comment>
        <translation>Lokale bestemming</translation>
    </message>
    <message>
        <source>This folder is read-only. Changes are not synced to Larkspan Drive.</source>
        <comment></comment>
        <translation>Deze map is alleen-lezen. Wijzigingen worden niet gesynchroniseerd met Larkspan Drive.</translation>
    </message>
    <message>
        <source>Ignore</source>
        <comment></comment>
        <translation>Negeren</translation>
    </message>
    <message>
        <source>All events</source>
        <comment></comment>
        <translation>Alle gebeurtenissen</translation>
    </message>
    <message>
        <source>Sharing</source>
        <comment></comment>
        <translation>Delen</translation>
    </message>
    <message>
        <source>Click Remove to remove Larkspan Drive from your computer.</source>
        <comment></comment>
        <translation>Klik op Verwijderen om Larkspan Drive van uw computer te verwijderen.</translation>
    </message>
    <message>
        <source>This folder is already part of another sync task.</source>
        <comment></comment>
        <translation>Deze map maakt al deel uit van een andere synchronisatietaak.</translation>
    </message>
    <message>
        <source>A network error occurred. Check your connection and try again.</source>
        <comment></comment>
        <translation>Er is een netwerkfout opgetreden. Controleer uw verbinding en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Finish</source>
        <comment></comment>
        <translation>Voltooien</translation>
    </message>
    <message>
        <source>Enter a port number from %1 to %2.</source>
        <comment></comment>
        <translation>Voer een poortnummer in van %1 tot en met %2.</translation>
    </message>
    <message>
        <source>More information</source>
        <comment></comment>
        <translation>Meer informatie</translation>
    </message>
    <message>
        <source>This folder is already synced.</source>
        <comment></comment>
        <translation>Deze map wordt al gesynchroniseerd.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <comment></comment>
        <translation>Toegang geweigerd.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <comment></comment>
        <translation>Er is een onbekende fout opgetreden.</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change your settings.</source>
        <comment></comment>
        <translation>Klik op Installeren om met de installatie te beginnen. Klik op Vorige om uw instellingen te controleren of te wijzigen.</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <comment></comment>
        <translation>Synchronisatie in twee richtingen</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <comment></comment>
        <translation>%1 wordt gedownload...</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <comment></comment>
        <translation>Instellingen worden toegepast...</translation>
    </message>
    <message>
        <source>Switch Larkspan</source>
        <comment></comment>
        <translation>Andere Larkspan kiezen</translation>
    </message>
    <message>
        <source>The file or folder does not exist.</source>
        <comment></comment>
        <translation>Het bestand of de map bestaat niet.</translation>
    </message>
    <message>
        <source>Next</source>
        <comment></comment>
        <translation>Volgende</translation>
    </message>
    <message>
        <source>Change folder</source>
        <comment></comment>
        <translation>Map wijzigen</translation>
    </message>
    <message>
        <source>April</source>
        <comment></comment>
        <translation>April</translation>
    </message>
    <message>
        <source>The new language takes effect after Larkspan Drive restarts.</source>
        <comment></comment>
        <translation>De nieuwe taal wordt van kracht nadat Larkspan Drive opnieuw is gestart.</translation>
    </message>
    <message>
        <source>Choose another</source>
        <comment></comment>
        <translation>Andere kiezen</translation>
    </message>
    <message>
        <source>Invalid argument.</source>
        <comment></comment>
        <translation>Ongeldig argument.</translation>
    </message>
    <message>
        <source>Syncing %1 files</source>
        <comment></comment>
        <translation>%1 bestanden worden gesynchroniseerd</translation>
    </message>
    <message>
        <source>Sharing links is not enabled on the Larkspan.</source>
        <comment></comment>
        <translation>Links delen is niet ingeschakeld op de Larkspan.</translation>
    </message>
    <message>
        <source>Recently updated files</source>
        <comment></comment>
        <translation>Recent bijgewerkte bestanden</translation>
    </message>
    <message>
        <source>Security warning</source>
        <comment></comment>
        <translation>Beveiligingswaarschuwing</translation>
    </message>
    <message>
        <source>The following applications use files that setup needs to update. Close them and click Retry, or click Ignore to continue anyway.</source>
        <comment></comment>
        <translation>De volgende toepassingen gebruiken bestanden die door de installatie moeten worden bijgewerkt. Sluit deze toepassingen en klik op Opnieuw proberen, of klik op Negeren om toch door te gaan.</translation>
    </message>
    <message>
        <source>Reach your files anywhere</source>
        <comment></comment>
        <translation>Overal bij uw bestanden</translation>
    </message>
    <message>
        <source>Print</source>
        <comment></comment>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Create a new folder to sync.</source>
        <comment></comment>
        <translation>Maak een nieuwe map om te synchroniseren.</translation>
    </message>
    <message>
        <source>The certificate of %1 has changed. Do you trust the new certificate?</source>
        <comment></comment>
        <translation>Het certificaat van %1 is gewijzigd. Vertrouwt u het nieuwe certificaat?</translation>
    </message>
    <message>
        <source>Larkspan Drive</source>
        <comment></comment>
        <translation>Larkspan Drive</translation>
    </message>
    <message>
        <source>Rename</source>
        <comment></comment>
        <translation>Naam wijzigen</translation>
    </message>
    <message>
        <source>Folder already synced</source>
        <comment></comment>
        <translation>Map al gesynchroniseerd</translation>
    </message>
    <message>
        <source>Do not sync these folders</source>
        <comment></comment>
        <translation>Deze mappen niet synchroniseren</translation>
    </message>
    <message>
        <source>Folders that others share with you</source>
        <comment></comment>
        <translation>Mappen die anderen met u delen</translation>
    </message>
    <message>
        <source>Repair Larkspan Drive</source>
        <comment></comment>
        <translation>Larkspan Drive herstellen</translation>
    </message>
    <message>
        <source>Sync log category</source>
        <comment></comment>
        <translation>Categorie van het synchronisatielogboek</translation>
    </message>
    <message>
        <source>Close these applications before setup continues:</source>
        <comment></comment>
        <translation>Sluit deze toepassingen voordat de installatie verdergaat:</translation>
    </message>
    <message>
        <source>Add</source>
        <comment></comment>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>No options available</source>
        <comment></comment>
        <translation>Geen opties beschikbaar</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of Larkspan Drive.</source>
        <comment></comment>
        <translation>Klik op Herstellen om de installatie van Larkspan Drive te herstellen.</translation>
    </message>
    <message>
        <source>The sync direction does not match your permission on the folder.</source>
        <comment></comment>
        <translation>De synchronisatierichting komt niet overeen met uw machtiging voor de map.</translation>
    </message>
    <message>
        <source>You have chosen to remove the program from your computer.</source>
        <comment></comment>
        <translation>U hebt ervoor gekozen het programma van uw computer te verwijderen.</translation>
    </message>
    <message>
        <source>You are ready to use Larkspan Drive.</source>
        <comment></comment>
        <translation>U kunt Larkspan Drive nu gebruiken.</translation>
    </message>
    <message>
        <source>Edit connection</source>
        <comment></comment>
        <translation>Verbinding bewerken</translation>
    </message>
    <message>
        <source>Upgrade to version %1</source>
        <comment></comment>
        <translation>Upgraden naar versie %1</translation>
    </message>
    <message>
        <source>A newer version of Larkspan Drive is already installed. Setup will now exit.</source>
        <comment></comment>
        <translation>Er is al een nieuwere versie van Larkspan Drive geïnstalleerd. De installatie wordt nu afgesloten.</translation>
    </message>
    <message>
        <source>Larkspan Drive is now syncing your files.</source>
        <comment></comment>
        <translation>Larkspan Drive synchroniseert nu uw bestanden.</translation>
    </message>
    <message>
        <source>%1 files updated</source>
        <comment></comment>
        <translation>%1 bestanden bijgewerkt</translation>
    </message>
    <message>
        <source>Enter a user name.</source>
        <comment></comment>
        <translation>Voer een gebruikersnaam in.</translation>
    </message>
    <message>
        <source>There is not enough space on the local disk for %1.</source>
        <comment></comment>
        <translation>Er is niet genoeg ruimte op de lokale schijf voor %1.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <comment></comment>
        <translation>Voorkeuren</translation>
    </message>
    <message>
        <source>Files shared with you appear in the Larkspan Drive folder on this computer.</source>
        <comment></comment>
        <translation>Bestanden die met u worden gedeeld, verschijnen in de map Larkspan Drive op deze computer.</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <comment></comment>
        <translation>Nee, bedankt</translation>
    </message>
    <message>
        <source>Public</source>
        <comment></comment>
        <translation>Openbaar</translation>
    </message>
    <message>
        <source>Setup is complete.</source>
        <comment></comment>
        <translation>De configuratie is voltooid.</translation>
    </message>
    <message>
        <source>Open containing folder</source>
        <comment></comment>
        <translation>Bovenliggende map openen</translation>
    </message>
    <message>
        <source>Removes Larkspan Drive from your computer.</source>
        <comment></comment>
        <translation>Verwijdert Larkspan Drive van uw computer.</translation>
    </message>
    <message>
        <source>Show the Larkspan Drive tutorial</source>
        <comment></comment>
        <translation>De zelfstudie van Larkspan Drive weergeven</translation>
    </message>
    <message>
        <source>Previous month</source>
        <comment></comment>
        <translation>Vorige maand</translation>
    </message>
    <message>
        <source>Shared folders</source>
        <comment></comment>
        <translation>Gedeelde mappen</translation>
    </message>
    <message>
        <source>Created</source>
        <comment></comment>
        <translation>Gemaakt op</translation>
    </message>
    <message>
        <source>Files you change on one device are updated on the others.</source>
        <comment></comment>
        <translation>Bestanden die u op het ene apparaat wijzigt, worden op de andere bijgewerkt.</translation>
    </message>
    <message>
        <source>September</source>
        <comment></comment>
        <translation>September</translation>
    </message>
    <message>
        <source>Click Remove to continue, or Back to review your choice.</source>
        <comment></comment>
        <translation>Klik op Verwijderen om door te gaan of op Vorige om uw keuze te controleren.</translation>
    </message>
    <message>
        <source>Back</source>
        <comment></comment>
        <translation>Vorige</translation>
    </message>
    <message>
        <source>Folder name</source>
        <comment></comment>
        <translation>Mapnaam</translation>
    </message>
    <message>
        <source>Setup is complete. Larkspan Drive now keeps your files in sync.</source>
        <comment></comment>
        <translation>De configuratie is voltooid. Larkspan Drive houdt uw bestanden nu gesynchroniseerd.</translation>
    </message>
    <message>
        <source>May</source>
        <comment></comment>
        <translation>Mei</translation>
    </message>
    <message>
        <source>Connected through the local network</source>
        <comment></comment>
        <translation>Verbonden via het lokale netwerk</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully.</source>
        <comment></comment>
        <translation>Lees de volgende licentieovereenkomst zorgvuldig.</translation>
    </message>
    <message>
        <source>Keep the most recently modified file</source>
        <comment></comment>
        <translation>Het meest recent gewijzigde bestand behouden</translation>
    </message>
    <message>
        <source>%1 mentioned you in %2</source>
        <comment></comment>
        <translation>%1 heeft u vermeld in %2</translation>
    </message>
    <message>
        <source>Access to the selected folder was denied.</source>
        <comment></comment>
        <translation>De toegang tot de geselecteerde map is geweigerd.</translation>
    </message>
    <message>
        <source>Disk full</source>
        <comment></comment>
        <translation>Schijf vol</translation>
    </message>
    <message>
        <source>Signed-in users</source>
        <comment></comment>
        <translation>Aangemelde gebruikers</translation>
    </message>
    <message>
        <source>Tutorial that introduces the main features of Larkspan Drive</source>
        <comment></comment>
        <translation>Zelfstudie die de belangrijkste functies van Larkspan Drive introduceert</translation>
    </message>
    <message>
        <source>Checking your password...</source>
        <comment></comment>
        <translation>Uw wachtwoord wordt gecontroleerd...</translation>
    </message>
    <message>
        <source>All files are up to date.</source>
        <comment></comment>
        <translation>Alle bestanden zijn bijgewerkt.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <comment></comment>
        <translation>Alleen-lezen</translation>
    </message>
    <message>
        <source>Your password has expired.</source>
        <comment></comment>
        <translation>Uw wachtwoord is verlopen.</translation>
    </message>
    <message>
        <source>Calendar</source>
        <comment></comment>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Replace the file on this computer with the copy on the server</source>
        <comment></comment>
        <translation>Het bestand op deze computer vervangen door de kopie op de server</translation>
    </message>
    <message>
        <source>Do not close the applications. A restart will be required.</source>
        <comment></comment>
        <translation>De toepassingen niet sluiten. Opnieuw opstarten is dan vereist.</translation>
    </message>
    <message>
        <source>November</source>
        <comment></comment>
        <translation>November</translation>
    </message>
    <message>
        <source>Find a Larkspan on your local network</source>
        <comment></comment>
        <translation>Een Larkspan zoeken in uw lokale netwerk</translation>
    </message>
    <message>
        <source>File name:</source>
        <comment></comment>
        <translation>Bestandsnaam:</translation>
    </message>
    <message>
        <source>Add file name</source>
        <comment></comment>
        <translation>Bestandsnaam toevoegen</translation>
    </message>
    <message>
        <source>Sync your home folder on the Larkspan with a folder on this computer, using the recommended settings.</source>
        <comment></comment>
        <translation>Synchroniseer uw thuismap op de Larkspan met een map op deze computer, met de aanbevolen instellingen.</translation>
    </message>
    <message>
        <source>Skip files whose names begin with a dot</source>
        <comment></comment>
        <translation>Bestanden overslaan waarvan de naam met een punt begint</translation>
    </message>
    <message>
        <source>Setup was cancelled.</source>
        <comment></comment>
        <translation>De installatie is geannuleerd.</translation>
    </message>
    <message>
        <source>Name</source>
        <comment></comment>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Encrypt data transfers (SSL)</source>
        <comment></comment>
        <translation>Gegevensoverdracht versleutelen (SSL)</translation>
    </message>
    <message>
        <source>File type</source>
        <comment></comment>
        <translation>Bestandstype</translation>
    </message>
    <message>
        <source>Your quota on the Larkspan is full. Syncing is paused.</source>
        <comment></comment>
        <translation>Uw quotum op de Larkspan is vol. De synchronisatie is onderbroken.</translation>
    </message>
    <message>
        <source>Share name</source>
        <comment></comment>
        <translation>Naam van de gedeelde map</translation>
    </message>
    <message>
        <source>Setup is not running as an administrator, so Larkspan Drive will be installed for the current user only. Continue?</source>
        <comment></comment>
        <translation>De installatie wordt niet uitgevoerd als beheerder. Larkspan Drive wordt daarom alleen voor de huidige gebruiker geïnstalleerd. Doorgaan?</translation>
    </message>
    <message>
        <source>Close the tutorial</source>
        <comment></comment>
        <translation>De zelfstudie sluiten</translation>
    </message>
    <message>
        <source>About Larkspan Drive</source>
        <comment></comment>
        <translation>Over Larkspan Drive</translation>
    </message>
    <message>
        <source>Apply and copy link</source>
        <comment></comment>
        <translation>Toepassen en link kopiëren</translation>
    </message>
    <message>
        <source>Password:</source>
        <comment></comment>
        <translation>Wachtwoord:</translation>
    </message>
    <message>
        <source>Computer name</source>
        <comment></comment>
        <translation>Computernaam</translation>
    </message>
    <message>
        <source>Synced on all devices</source>
        <comment></comment>
        <translation>Gesynchroniseerd op alle apparaten</translation>
    </message>
    <message>
        <source>Currently syncing: %1</source>
        <comment></comment>
        <translation>Wordt nu gesynchroniseerd: %1</translation>
    </message>
    <message>
        <source>Apply to all subfolders</source>
        <comment></comment>
        <translation>Toepassen op alle submappen</translation>
    </message>
    <message>
        <source>Files that match these rules are not synced.</source>
        <comment></comment>
        <translation>Bestanden die aan deze regels voldoen, worden niet gesynchroniseerd.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected shared items?</source>
        <comment></comment>
        <translation>Weet u zeker dat u de geselecteerde gedeelde items wilt verwijderen?</translation>
    </message>
    <message>
        <source>IP address</source>
        <comment></comment>
        <translation>IP-adres</translation>
    </message>
    <message>
        <source>Your files are now syncing.</source>
        <comment></comment>
        <translation>Uw bestanden worden nu gesynchroniseerd.</translation>
    </message>
    <message>
        <source>Some of the entries are not valid.</source>
        <comment></comment>
        <translation>Sommige invoer is ongeldig.</translation>
    </message>
    <message>
        <source>A system error occurred while checking the folder.</source>
        <comment></comment>
        <translation>Er is een systeemfout opgetreden bij het controleren van de map.</translation>
    </message>
    <message>
        <source>Unlink this sync task? Files that are already synced stay on this computer.</source>
        <comment></comment>
        <translation>Deze synchronisatietaak ontkoppelen? Bestanden die al zijn gesynchroniseerd, blijven op deze computer staan.</translation>
    </message>
    <message>
        <source>The sign-in test failed. Check the user name and password.</source>
        <comment></comment>
        <translation>De aanmeldingstest is mislukt. Controleer de gebruikersnaam en het wachtwoord.</translation>
    </message>
    <message>
        <source>Turning off sharing removes all existing links. Continue?</source>
        <comment></comment>
        <translation>Als u delen uitschakelt, worden alle bestaande links verwijderd. Doorgaan?</translation>
    </message>
    <message>
        <source>Test connection</source>
        <comment></comment>
        <translation>Verbinding testen</translation>
    </message>
    <message>
        <source>Install</source>
        <comment></comment>
        <translation>Installeren</translation>
    </message>
    <message>
        <source>Advanced setup</source>
        <comment></comment>
        <translation>Geavanceerde configuratie</translation>
    </message>
    <message>
        <source>Click Repair to continue, or Back to review your choice.</source>
        <comment></comment>
        <translation>Klik op Herstellen om door te gaan of op Vorige om uw keuze te controleren.</translation>
    </message>
    <message>
        <source>Installing the program files...</source>
        <comment></comment>
        <translation>Programmabestanden worden geïnstalleerd...</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app</source>
        <comment></comment>
        <translation>Voer de verificatiecode uit uw authenticator-app in</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <comment></comment>
        <translation>Toch doorgaan</translation>
    </message>
    <message>
        <source>March</source>
        <comment></comment>
        <translation>Maart</translation>
    </message>
    <message>
        <source>You can change these settings at any time in Larkspan Drive.</source>
        <comment></comment>
        <translation>U kunt deze instellingen op elk moment wijzigen in Larkspan Drive.</translation>
    </message>
    <message>
        <source>Proxy settings</source>
        <comment></comment>
        <translation>Proxy-instellingen</translation>
    </message>
    <message>
        <source>Remove the installation</source>
        <comment></comment>
        <translation>De installatie verwijderen</translation>
    </message>
    <message>
        <source>Send to %1</source>
        <comment></comment>
        <translation>Verzenden naar %1</translation>
    </message>
    <message>
        <source>Synchronization mode</source>
        <comment></comment>
        <translation>Synchronisatiemodus</translation>
    </message>
    <message>
        <source>Refresh the sync log</source>
        <comment></comment>
        <translation>Het synchronisatielogboek vernieuwen</translation>
    </message>
    <message>
        <source>The content of both folders is merged. Nothing is deleted.</source>
        <comment></comment>
        <translation>De inhoud van beide mappen wordt samengevoegd. Er wordt niets verwijderd.</translation>
    </message>
    <message>
        <source>This version of %1 is already installed. Do you want to install it again?</source>
        <comment></comment>
        <translation>Deze versie van %1 is al geïnstalleerd. Wilt u deze opnieuw installeren?</translation>
    </message>
    <message>
        <source>When the tray icon is double-clicked</source>
        <comment></comment>
        <translation>Bij dubbelklikken op het pictogram in het systeemvak</translation>
    </message>
    <message>
        <source>Open the web portal to reach your files from any browser.</source>
        <comment></comment>
        <translation>Open de webportal om vanuit elke browser bij uw bestanden te komen.</translation>
    </message>
    <message>
        <source>Click Finish to close the setup wizard and start using Larkspan Drive.</source>
        <comment></comment>
        <translation>Klik op Voltooien om de installatiewizard te sluiten en Larkspan Drive te gaan gebruiken.</translation>
    </message>
    <message>
        <source>There are no changes to apply.</source>
        <comment></comment>
        <translation>Er zijn geen wijzigingen om toe te passen.</translation>
    </message>
    <message>
        <source>Network error.</source>
        <comment></comment>
        <translation>Netwerkfout.</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <comment></comment>
        <translation>Voorbereiden...</translation>
    </message>
    <message>
        <source>More tutorials</source>
        <comment></comment>
        <translation>Meer zelfstudies</translation>
    </message>
    <message>
        <source>Read-only folder</source>
        <comment></comment>
        <translation>Alleen-lezen map</translation>
    </message>
    <message>
        <source>Previous %1 pages</source>
        <comment></comment>
        <translation>Vorige %1 pagina&apos;s</translation>
    </message>
    <message>
        <source>Start the tour</source>
        <comment></comment>
        <translation>De rondleiding starten</translation>
    </message>
    <message>
        <source>IP address details</source>
        <comment></comment>
        <translation>Details van het IP-adres</translation>
    </message>
    <message>
        <source>From</source>
        <comment></comment>
        <translation>Van</translation>
    </message>
    <message>
        <source>Welcome to Larkspan Drive. Sign in to get started.</source>
        <comment></comment>
        <translation>Welkom bij Larkspan Drive. Meld u aan om te beginnen.</translation>
    </message>
    <message>
        <source>Sync problem</source>
        <comment></comment>
        <translation>Synchronisatieprobleem</translation>
    </message>
    <message>
        <source>Local usage</source>
        <comment></comment>
        <translation>Lokaal gebruik</translation>
    </message>
    <message>
        <source>Enable on-demand sync</source>
        <comment></comment>
        <translation>Synchronisatie op aanvraag inschakelen</translation>
    </message>
    <message>
        <source>Larkspan Drive has been installed.</source>
        <comment></comment>
        <translation>Larkspan Drive is geïnstalleerd.</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <comment></comment>
        <translation>Verbinding verbroken</translation>
    </message>
    <message>
        <source>Locked</source>
        <comment></comment>
        <translation>Vergrendeld</translation>
    </message>
    <message>
        <source>Change sync folder</source>
        <comment></comment>
        <translation>Synchronisatiemap wijzigen</translation>
    </message>
    <message>
        <source>Setup has finished.</source>
        <comment></comment>
        <translation>De installatie is voltooid.</translation>
    </message>
    <message>
        <source>%1 shared %2 with you</source>
        <comment></comment>
        <translation>%1 heeft %2 met u gedeeld</translation>
    </message>
    <message>
        <source>Not found</source>
        <comment></comment>
        <translation>Niet gevonden</translation>
    </message>
    <message>
        <source>Reset</source>
        <comment></comment>
        <translation>Opnieuw instellen</translation>
    </message>
    <message>
        <source>Installing the features you selected.</source>
        <comment></comment>
        <translation>De geselecteerde onderdelen worden geïnstalleerd.</translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <comment></comment>
        <translation>Er is een verificatiecode vereist.</translation>
    </message>
    <message>
        <source>%1 keeps the files on your Larkspan and your computers in sync.</source>
        <comment></comment>
        <translation>%1 houdt de bestanden op uw Larkspan en uw computers gesynchroniseerd.</translation>
    </message>
    <message>
        <source>There is not enough space on the disk of this computer.</source>
        <comment></comment>
        <translation>Er is niet genoeg ruimte op de schijf van deze computer.</translation>
    </message>
    <message>
        <source>Connection type</source>
        <comment></comment>
        <translation>Verbindingstype</translation>
    </message>
    <message>
        <source>Show the %1 tutorial</source>
        <comment></comment>
        <translation>De zelfstudie van %1 weergeven</translation>
    </message>
    <message>
        <source>You can also invite people to folders you own.</source>
        <comment></comment>
        <translation>U kunt ook personen uitnodigen voor mappen waarvan u de eigenaar bent.</translation>
    </message>
    <message>
        <source>%1 could not be upgraded.</source>
        <comment></comment>
        <translation>%1 kan niet worden bijgewerkt.</translation>
    </message>
    <message>
        <source>%1 works with a Larkspan server from Kestrin.</source>
        <comment></comment>
        <translation>%1 werkt met een Larkspan-server van Kestrin.</translation>
    </message>
    <message>
        <source>Welcome</source>
        <comment></comment>
        <translation>Welkom</translation>
    </message>
    <message>
        <source>Custom range</source>
        <comment></comment>
        <translation>Aangepast bereik</translation>
    </message>
    <message>
        <source>Sync %1 to this computer?</source>
        <comment></comment>
        <translation>%1 synchroniseren met deze computer?</translation>
    </message>
    <message>
        <source>Quick setup</source>
        <comment></comment>
        <translation>Snelle configuratie</translation>
    </message>
    <message>
        <source>Download history</source>
        <comment></comment>
        <translation>Downloadgeschiedenis</translation>
    </message>
    <message>
        <source>Use a relay connection when a direct connection is not possible</source>
        <comment></comment>
        <translation>Een relayverbinding gebruiken als een directe verbinding niet mogelijk is</translation>
    </message>
    <message>
        <source>Folders you clear are removed from this computer but kept on the Larkspan.</source>
        <comment></comment>
        <translation>Mappen die u uitvinkt, worden van deze computer verwijderd, maar blijven op de Larkspan staan.</translation>
    </message>
    <message>
        <source>Link</source>
        <comment></comment>
        <translation>Link</translation>
    </message>
    <message>
        <source>Address:</source>
        <comment></comment>
        <translation>Adres:</translation>
    </message>
    <message>
        <source>Download complete.</source>
        <comment></comment>
        <translation>Downloaden voltooid.</translation>
    </message>
    <message>
        <source>Setup has all the information it needs to start copying the program files.</source>
        <comment></comment>
        <translation>De installatie beschikt over alle gegevens die nodig zijn om de programmabestanden te kopiëren.</translation>
    </message>
    <message>
        <source>Sync activity</source>
        <comment></comment>
        <translation>Synchronisatieactiviteit</translation>
    </message>
    <message>
        <source>Downloading</source>
        <comment></comment>
        <translation>Downloaden</translation>
    </message>
    <message>
        <source>This wizard installs Larkspan Drive on your computer.</source>
        <comment></comment>
        <translation>Deze wizard installeert Larkspan Drive op uw computer.</translation>
    </message>
    <message>
        <source>To</source>
        <comment></comment>
        <translation>Tot</translation>
    </message>
    <message>
        <source>The server&apos;s certificate could not be verified. Connect anyway?</source>
        <comment></comment>
        <translation>Het certificaat van de server kan niet worden geverifieerd. Toch verbinding maken?</translation>
    </message>
    <message>
        <source>Larkspan Drive is running.</source>
        <comment></comment>
        <translation>Larkspan Drive is actief.</translation>
    </message>
    <message>
        <source>%1 has shared a new item with you.</source>
        <comment></comment>
        <translation>%1 heeft een nieuw item met u gedeeld.</translation>
    </message>
    <message>
        <source>A conflict occurred.</source>
        <comment></comment>
        <translation>Er is een conflict opgetreden.</translation>
    </message>
    <message>
        <source>The selected folder is a mount point. Choose a folder on a local disk.</source>
        <comment></comment>
        <translation>De geselecteerde map is een aankoppelpunt. Kies een map op een lokale schijf.</translation>
    </message>
    <message>
        <source>Encryption</source>
        <comment></comment>
        <translation>Versleuteling</translation>
    </message>
    <message>
        <source>Changes you make in your sync folder are synced with the Larkspan.</source>
        <comment></comment>
        <translation>Wijzigingen die u in uw synchronisatiemap aanbrengt, worden gesynchroniseerd met de Larkspan.</translation>
    </message>
    <message>
        <source>Please wait while the setup wizard installs Larkspan Drive. This may take several minutes.</source>
        <comment></comment>
        <translation>Een ogenblik geduld. De installatiewizard installeert Larkspan Drive. Dit kan enkele minuten duren.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has changed since your last connection. Continue?</source>
        <comment></comment>
        <translation>Het certificaat van de server is gewijzigd sinds uw laatste verbinding. Doorgaan?</translation>
    </message>
    <message>
        <source>%1 is ready.</source>
        <comment></comment>
        <translation>%1 is gereed.</translation>
    </message>
    <message>
        <source>Search</source>
        <comment></comment>
        <translation>Zoeken</translation>
    </message>
    <message>
        <source>Link a new Larkspan</source>
        <comment></comment>
        <translation>Een nieuwe Larkspan koppelen</translation>
    </message>
    <message>
        <source>Certificate verification failed.</source>
        <comment></comment>
        <translation>Certificaatverificatie mislukt.</translation>
    </message>
    <message>
        <source>Starting Larkspan Drive...</source>
        <comment></comment>
        <translation>Larkspan Drive wordt gestart...</translation>
    </message>
    <message>
        <source>On-demand sync could not be enabled.</source>
        <comment></comment>
        <translation>Synchronisatie op aanvraag kan niet worden ingeschakeld.</translation>
    </message>
    <message>
        <source>Setup complete</source>
        <comment></comment>
        <translation>Configuratie voltooid</translation>
    </message>
    <message>
        <source>Your administrator requires two-step verification for your account.</source>
        <comment></comment>
        <translation>Uw beheerder vereist verificatie in twee stappen voor uw account.</translation>
    </message>
    <message>
        <source>Start %1 when I sign in</source>
        <comment></comment>
        <translation>%1 starten wanneer ik me aanmeld</translation>
    </message>
    <message>
        <source>The selected folder is already synced by another task.</source>
        <comment></comment>
        <translation>De geselecteerde map wordt al door een andere taak gesynchroniseerd.</translation>
    </message>
    <message>
        <source>File</source>
        <comment></comment>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>Recently changed</source>
        <comment></comment>
        <translation>Recent gewijzigd</translation>
    </message>
</context>
</TS>
