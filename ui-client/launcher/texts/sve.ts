<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Enabled</source>
        <comment></comment>
        <translation>Aktiverad</translation>
    </message>
    <message>
        <source>Larkspan Drive has no optional features to change.</source>
        <comment></comment>
        <translation>Larkspan Drive har inga valfria funktioner att ändra.</translation>
    </message>
    <message>
        <source>Merge</source>
        <comment></comment>
        <translation>Sammanfoga</translation>
    </message>
    <message>
        <source>Open folder</source>
        <comment></comment>
        <translation>Öppna mapp</translation>
    </message>
    <message>
        <source>Sync folder on this computer</source>
        <comment></comment>
        <translation>Synkroniseringsmapp på den här datorn</translation>
    </message>
    <message>
        <source>Tutorial that introduces the main features of %1</source>
        <comment></comment>
        <translation>Självstudie som presenterar huvudfunktionerna i %1</translation>
    </message>
    <message>
        <source>Renamed on the Larkspan</source>
        <comment></comment>
        <translation>Namnet ändrades på Larkspan</translation>
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
        <translation>Installationsguiden är redo att påbörja installationen.</translation>
    </message>
    <message>
        <source>Select the files to sync</source>
        <comment></comment>
        <translation>Välj de filer som ska synkroniseras</translation>
    </message>
    <message>
        <source>Loading...</source>
        <comment></comment>
        <translation>Läser in...</translation>
    </message>
    <message>
        <source>Sync direction</source>
        <comment></comment>
        <translation>Synkroniseringsriktning</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <comment></comment>
        <translation>En ny version är tillgänglig. Klicka för att uppdatera.</translation>
    </message>
    <message>
        <source>Ready to install Larkspan Drive</source>
        <comment></comment>
        <translation>Redo att installera Larkspan Drive</translation>
    </message>
    <message>
        <source>User name</source>
        <comment></comment>
        <translation>Användarnamn</translation>
    </message>
    <message>
        <source>File sharing is not available over a relay connection.</source>
        <comment></comment>
        <translation>Fildelning är inte tillgänglig via en reläanslutning.</translation>
    </message>
    <message>
        <source>Last page</source>
        <comment></comment>
        <translation>Sista sidan</translation>
    </message>
    <message>
        <source>One-way upload</source>
        <comment></comment>
        <translation>Enkelriktad uppladdning</translation>
    </message>
    <message>
        <source>Setup is complete. %1 now keeps your files in sync.</source>
        <comment></comment>
        <translation>Konfigurationen är klar. %1 håller nu dina filer synkroniserade.</translation>
    </message>
    <message>
        <source>System default</source>
        <comment></comment>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>A sync folder named %1 already exists. Choose another name.</source>
        <comment></comment>
        <translation>Det finns redan en synkroniseringsmapp med namnet %1. Välj ett annat namn.</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment></comment>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>Choose the display language</source>
        <comment></comment>
        <translation>Välj visningsspråk</translation>
    </message>
    <message>
        <source>The Larkspan Drive service is disabled on this Larkspan. Ask your administrator to enable it.</source>
        <comment></comment>
        <translation>Larkspan Drive-tjänsten är inaktiverad på den här Larkspan. Be administratören att aktivera den.</translation>
    </message>
    <message>
        <source>Search for Larkspan servers on the local network</source>
        <comment></comment>
        <translation>Sök efter Larkspan-servrar i det lokala nätverket</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <comment></comment>
        <translation>och %1 till</translation>
    </message>
    <message>
        <source>Connected</source>
        <comment></comment>
        <translation>Ansluten</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <comment></comment>
        <translation>tisdag</translation>
    </message>
    <message>
        <source>Read the following license agreement and accept it to continue.</source>
        <comment></comment>
        <translation>Läs följande licensavtal och godkänn det för att fortsätta.</translation>
    </message>
    <message>
        <source>Help</source>
        <comment></comment>
        <translation>Hjälp</translation>
    </message>
    <message>
        <source>Launch Larkspan Drive now</source>
        <comment></comment>
        <translation>Starta Larkspan Drive nu</translation>
    </message>
    <message>
        <source>User name:</source>
        <comment></comment>
        <translation>Användarnamn:</translation>
    </message>
    <message>
        <source>Finishing the automatic setup...</source>
        <comment></comment>
        <translation>Slutför den automatiska konfigurationen...</translation>
    </message>
    <message>
        <source>Summary</source>
        <comment></comment>
        <translation>Sammanfattning</translation>
    </message>
    <message>
        <source>Selective sync mode</source>
        <comment></comment>
        <translation>Läge för selektiv synkronisering</translation>
    </message>
    <message>
        <source>Notifications</source>
        <comment></comment>
        <translation>Aviseringar</translation>
    </message>
    <message>
        <source>Choose a folder on the Larkspan and a folder on this computer to keep in sync.</source>
        <comment></comment>
        <translation>Välj en mapp på Larkspan och en mapp på den här datorn som ska hållas synkroniserade.</translation>
    </message>
    <message>
        <source>Files whose names match these patterns are not synced. Use * as a wildcard, for example *.tmp.</source>
        <comment></comment>
        <translation>Filer vars namn matchar de här mönstren synkroniseras inte. Använd * som jokertecken, till exempel *.tmp.</translation>
    </message>
    <message>
        <source>OK</source>
        <comment></comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Everyone with the link can view the files.</source>
        <comment></comment>
        <translation>Alla som har länken kan visa filerna.</translation>
    </message>
    <message>
        <source>Set sync folder</source>
        <comment></comment>
        <translation>Ange synkroniseringsmapp</translation>
    </message>
    <message>
        <source>Unlink</source>
        <comment></comment>
        <translation>Koppla från</translation>
    </message>
    <message>
        <source>Value</source>
        <comment></comment>
        <translation>Värde</translation>
    </message>
    <message>
        <source>Selective sync</source>
        <comment></comment>
        <translation>Selektiv synkronisering</translation>
    </message>
    <message>
        <source>Continue</source>
        <comment></comment>
        <translation>Fortsätt</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <comment></comment>
        <translation>Initieringen misslyckades.</translation>
    </message>
    <message>
        <source>Share files with others</source>
        <comment></comment>
        <translation>Dela filer med andra</translation>
    </message>
    <message>
        <source>Open Larkspan Drive</source>
        <comment></comment>
        <translation>Öppna Larkspan Drive</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment></comment>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Change which features of Larkspan Drive are installed</source>
        <comment></comment>
        <translation>Ändra vilka funktioner i Larkspan Drive som installeras</translation>
    </message>
    <message>
        <source>Unable to get the user information.</source>
        <comment></comment>
        <translation>Det gick inte att hämta användarinformationen.</translation>
    </message>
    <message>
        <source>Status information</source>
        <comment></comment>
        <translation>Statusinformation</translation>
    </message>
    <message>
        <source>The setup wizard will install Larkspan Drive on your computer. Click Next to continue or Cancel to exit.</source>
        <comment></comment>
        <translation>Installationsguiden installerar Larkspan Drive på datorn. Klicka på Nästa för att fortsätta eller på Avbryt för att avsluta.</translation>
    </message>
    <message>
        <source>Show sync status icons on files and folders</source>
        <comment></comment>
        <translation>Visa ikoner för synkroniseringsstatus på filer och mappar</translation>
    </message>
    <message>
        <source>Change</source>
        <comment></comment>
        <translation>Ändra</translation>
    </message>
    <message>
        <source>Cancel setup</source>
        <comment></comment>
        <translation>Avbryt installationen</translation>
    </message>
    <message>
        <source>No proxy</source>
        <comment></comment>
        <translation>Ingen proxy</translation>
    </message>
    <message>
        <source>The client could not be upgraded. Please try again later.</source>
        <comment></comment>
        <translation>Klienten kunde inte uppgraderas. Försök igen senare.</translation>
    </message>
    <message>
        <source>Apply</source>
        <comment></comment>
        <translation>Verkställ</translation>
    </message>
    <message>
        <source>Files in use</source>
        <comment></comment>
        <translation>Filer som används</translation>
    </message>
    <message>
        <source>Service disabled</source>
        <comment></comment>
        <translation>Tjänsten är inaktiverad</translation>
    </message>
    <message>
        <source>Reading the connection settings...</source>
        <comment></comment>
        <translation>Läser anslutningsinställningarna...</translation>
    </message>
    <message>
        <source>Mentioned you</source>
        <comment></comment>
        <translation>Nämnde dig</translation>
    </message>
    <message>
        <source>Updating...</source>
        <comment></comment>
        <translation>Uppdaterar...</translation>
    </message>
    <message>
        <source>Language</source>
        <comment></comment>
        <translation>Språk</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <comment></comment>
        <translation>Grattis!</translation>
    </message>
    <message>
        <source>Enable sharing</source>
        <comment></comment>
        <translation>Aktivera delning</translation>
    </message>
    <message>
        <source>The home folder service is not enabled for your account. Ask your administrator to enable it.</source>
        <comment></comment>
        <translation>Tjänsten för hemmappar är inte aktiverad för ditt konto. Be administratören att aktivera den.</translation>
    </message>
    <message>
        <source>August</source>
        <comment></comment>
        <translation>augusti</translation>
    </message>
    <message>
        <source>Read and write</source>
        <comment></comment>
        <translation>Läsa och skriva</translation>
    </message>
    <message>
        <source>Remove</source>
        <comment></comment>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>Larkspan Drive notification</source>
        <comment></comment>
        <translation>Avisering från Larkspan Drive</translation>
    </message>
    <message>
        <source>Open in the web portal</source>
        <comment></comment>
        <translation>Öppna i webbportalen</translation>
    </message>
    <message>
        <source>The selected sync folder is not valid. Choose another folder.</source>
        <comment></comment>
        <translation>Den valda synkroniseringsmappen är ogiltig. Välj en annan mapp.</translation>
    </message>
    <message>
        <source>This field cannot be left blank.</source>
        <comment></comment>
        <translation>Det här fältet får inte vara tomt.</translation>
    </message>
    <message>
        <source>Start Larkspan Drive when I sign in</source>
        <comment></comment>
        <translation>Starta Larkspan Drive när jag loggar in</translation>
    </message>
    <message>
        <source>Some files that need to be updated are currently in use.</source>
        <comment></comment>
        <translation>Vissa filer som behöver uppdateras används för närvarande.</translation>
    </message>
    <message>
        <source>File extensions:</source>
        <comment></comment>
        <translation>Filtillägg:</translation>
    </message>
    <message>
        <source>Shared with me</source>
        <comment></comment>
        <translation>Delat med mig</translation>
    </message>
    <message>
        <source>Stop downloading this version</source>
        <comment></comment>
        <translation>Sluta ladda ned den här versionen</translation>
    </message>
    <message>
        <source>Browse previous versions</source>
        <comment></comment>
        <translation>Bläddra bland tidigare versioner</translation>
    </message>
    <message>
        <source>Unable to create the local folder %1.</source>
        <comment></comment>
        <translation>Det gick inte att skapa den lokala mappen %1.</translation>
    </message>
    <message>
        <source>Information</source>
        <comment></comment>
        <translation>Information</translation>
    </message>
    <message>
        <source>%1 is running.</source>
        <comment></comment>
        <translation>%1 körs.</translation>
    </message>
    <message>
        <source>Larkspan Drive keeps the files on your Larkspan and your computers in sync.</source>
        <comment></comment>
        <translation>Larkspan Drive håller filerna på din Larkspan och dina datorer synkroniserade.</translation>
    </message>
    <message>
        <source>Do not show this message again</source>
        <comment></comment>
        <translation>Visa inte det här meddelandet igen</translation>
    </message>
    <message>
        <source>Open the web portal</source>
        <comment></comment>
        <translation>Öppna webbportalen</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <comment></comment>
        <translation>Uppgradera</translation>
    </message>
    <message>
        <source>Done</source>
        <comment></comment>
        <translation>Klar</translation>
    </message>
    <message>
        <source>Choose how to finish the setup:</source>
        <comment></comment>
        <translation>Välj hur konfigurationen ska slutföras:</translation>
    </message>
    <message>
        <source>When a file exists on both sides, both are kept and the local copy is renamed as a conflict file.</source>
        <comment></comment>
        <translation>När en fil finns på båda sidor behålls båda och den lokala kopian byter namn till en konfliktfil.</translation>
    </message>
    <message>
        <source>Only the users and groups you choose can open the files.</source>
        <comment></comment>
        <translation>Endast de användare och grupper som du väljer kan öppna filerna.</translation>
    </message>
    <message>
        <source>Invite people</source>
        <comment></comment>
        <translation>Bjud in personer</translation>
    </message>
    <message>
        <source>This computer</source>
        <comment></comment>
        <translation>Den här datorn</translation>
    </message>
    <message>
        <source>New shared item</source>
        <comment></comment>
        <translation>Nytt delat objekt</translation>
    </message>
    <message>
        <source>Uploading</source>
        <comment></comment>
        <translation>Laddar upp</translation>
    </message>
    <message>
        <source>Automatic connection is not allowed by the server settings.</source>
        <comment></comment>
        <translation>Automatisk anslutning tillåts inte av serverinställningarna.</translation>
    </message>
    <message>
        <source>Restricted</source>
        <comment></comment>
        <translation>Begränsad</translation>
    </message>
    <message>
        <source>Proxy</source>
        <comment></comment>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Keep both files and add the computer name to the local copy</source>
        <comment></comment>
        <translation>Behåll båda filerna och lägg till datornamnet i den lokala kopian</translation>
    </message>
    <message>
        <source>Close the applications automatically and try to restart them afterwards.</source>
        <comment></comment>
        <translation>Stäng programmen automatiskt och försök starta om dem efteråt.</translation>
    </message>
    <message>
        <source>This version of the client is too old. Upgrade Larkspan Drive to the latest version.</source>
        <comment></comment>
        <translation>Den här versionen av klienten är för gammal. Uppgradera Larkspan Drive till den senaste versionen.</translation>
    </message>
    <message>
        <source>Users and groups</source>
        <comment></comment>
        <translation>Användare och grupper</translation>
    </message>
    <message>
        <source>Right-click a file in your sync folder and choose Share link to share it with anyone.</source>
        <comment></comment>
        <translation>Högerklicka på en fil i synkroniseringsmappen och välj Dela länk för att dela den med vem som helst.</translation>
    </message>
    <message>
        <source>Link permission</source>
        <comment></comment>
        <translation>Behörighet för länken</translation>
    </message>
    <message>
        <source>The server&apos;s SSL certificate could not be verified.</source>
        <comment></comment>
        <translation>Serverns SSL-certifikat kunde inte verifieras.</translation>
    </message>
    <message>
        <source>Repairs the most recent installation by restoring missing or damaged files and shortcuts.</source>
        <comment></comment>
        <translation>Reparerar den senaste installationen genom att återställa saknade eller skadade filer och genvägar.</translation>
    </message>
    <message>
        <source>Sync mode</source>
        <comment></comment>
        <translation>Synkroniseringsläge</translation>
    </message>
    <message>
        <source>No previous versions are available for this file.</source>
        <comment></comment>
        <translation>Det finns inga tidigare versioner av den här filen.</translation>
    </message>
    <message>
        <source>The remote folder is not mounted.</source>
        <comment></comment>
        <translation>Fjärrmappen är inte monterad.</translation>
    </message>
    <message>
        <source>Type</source>
        <comment></comment>
        <translation>Typ</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <comment></comment>
        <translation>Licensavtal för slutanvändare</translation>
    </message>
    <message>
        <source>Expire after a number of visits</source>
        <comment></comment>
        <translation>Upphör efter ett antal besök</translation>
    </message>
    <message>
        <source>Signed-in users can view the files.</source>
        <comment></comment>
        <translation>Inloggade användare kan visa filerna.</translation>
    </message>
    <message>
        <source>The Larkspan Drive ID is not valid.</source>
        <comment></comment>
        <translation>Larkspan Drive-ID:t är ogiltigt.</translation>
    </message>
    <message>
        <source>Change, repair or remove the installation</source>
        <comment></comment>
        <translation>Ändra, reparera eller ta bort installationen</translation>
    </message>
    <message>
        <source>Connection unstable</source>
        <comment></comment>
        <translation>Instabil anslutning</translation>
    </message>
    <message>
        <source>Date</source>
        <comment></comment>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <comment></comment>
        <translation>Ange högst %1 tecken.</translation>
    </message>
    <message>
        <source>This computer was linked to a different server. Link %1 again to continue.</source>
        <comment></comment>
        <translation>Den här datorn var kopplad till en annan server. Koppla %1 igen för att fortsätta.</translation>
    </message>
    <message>
        <source>No valid folder is selected.</source>
        <comment></comment>
        <translation>Ingen giltig mapp har valts.</translation>
    </message>
    <message>
        <source>Version mismatch</source>
        <comment></comment>
        <translation>Versionerna stämmer inte överens</translation>
    </message>
    <message>
        <source>No data</source>
        <comment></comment>
        <translation>Inga data</translation>
    </message>
    <message>
        <source>Setup was interrupted by an error.</source>
        <comment></comment>
        <translation>Installationen avbröts av ett fel.</translation>
    </message>
    <message>
        <source>Open file</source>
        <comment></comment>
        <translation>Öppna fil</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment></comment>
        <translation>Radera</translation>
    </message>
    <message>
        <source>A new version is available. Click to update to %1.</source>
        <comment></comment>
        <translation>En ny version är tillgänglig. Klicka för att uppdatera till %1.</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment></comment>
        <translation>Inställningar</translation>
    </message>
    <message>
        <source>Unable to delete the shared item.</source>
        <comment></comment>
        <translation>Det gick inte att radera det delade objektet.</translation>
    </message>
    <message>
        <source>Error</source>
        <comment></comment>
        <translation>Fel</translation>
    </message>
    <message>
        <source>Unable to list the versions of this file.</source>
        <comment></comment>
        <translation>Det gick inte att lista versionerna av den här filen.</translation>
    </message>
    <message>
        <source>%1 minutes ago</source>
        <comment></comment>
        <translation>för %1 minuter sedan</translation>
    </message>
    <message>
        <source>Larkspan Drive encountered an error.</source>
        <comment></comment>
        <translation>Ett fel uppstod i Larkspan Drive.</translation>
    </message>
    <message>
        <source>Resume syncing these folders</source>
        <comment></comment>
        <translation>Återuppta synkroniseringen av de här mapparna</translation>
    </message>
    <message>
        <source>Add folder</source>
        <comment></comment>
        <translation>Lägg till mapp</translation>
    </message>
    <message>
        <source>Lets you change the way the features are installed.</source>
        <comment></comment>
        <translation>Låter dig ändra hur funktionerna installeras.</translation>
    </message>
    <message>
        <source>Choose how you want to set up Larkspan Drive.</source>
        <comment></comment>
        <translation>Välj hur du vill konfigurera Larkspan Drive.</translation>
    </message>
    <message>
        <source>Repair the installation</source>
        <comment></comment>
        <translation>Reparera installationen</translation>
    </message>
    <message>
        <source>When a file was changed on both sides:</source>
        <comment></comment>
        <translation>När en fil har ändrats på båda sidor:</translation>
    </message>
    <message>
        <source>Later</source>
        <comment></comment>
        <translation>Senare</translation>
    </message>
    <message>
        <source>The folder %1 already exists. Do you want to merge the two folders?</source>
        <comment></comment>
        <translation>Mappen %1 finns redan. Vill du sammanfoga de två mapparna?</translation>
    </message>
    <message>
        <source>New shared item received</source>
        <comment></comment>
        <translation>Nytt delat objekt har tagits emot</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <comment></comment>
        <translation>Visa skrivbordsaviseringar</translation>
    </message>
    <message>
        <source>Larkspan Drive does not support the protocol used by this server.</source>
        <comment></comment>
        <translation>Larkspan Drive har inte stöd för protokollet som den här servern använder.</translation>
    </message>
    <message>
        <source>The local disk is full. Larkspan Drive has paused syncing.</source>
        <comment></comment>
        <translation>Den lokala disken är full. Larkspan Drive har pausat synkroniseringen.</translation>
    </message>
    <message>
        <source>No shared items</source>
        <comment></comment>
        <translation>Inga delade objekt</translation>
    </message>
    <message>
        <source>Authentication failed. Check your user name and password.</source>
        <comment></comment>
        <translation>Autentiseringen misslyckades. Kontrollera användarnamn och lösenord.</translation>
    </message>
    <message>
        <source>Choose the folders to keep in sync.</source>
        <comment></comment>
        <translation>Välj de mappar som ska hållas synkroniserade.</translation>
    </message>
    <message>
        <source>Paused</source>
        <comment></comment>
        <translation>Pausad</translation>
    </message>
    <message>
        <source>%1 is initializing...</source>
        <comment></comment>
        <translation>%1 initieras...</translation>
    </message>
    <message>
        <source>Up to date</source>
        <comment></comment>
        <translation>Uppdaterad</translation>
    </message>
    <message>
        <source>Download cancelled.</source>
        <comment></comment>
        <translation>Nedladdningen avbröts.</translation>
    </message>
    <message>
        <source>Larkspan Drive could not be upgraded.</source>
        <comment></comment>
        <translation>Larkspan Drive kunde inte uppgraderas.</translation>
    </message>
    <message>
        <source>Your files, everywhere.</source>
        <comment></comment>
        <translation>Dina filer, överallt.</translation>
    </message>
    <message>
        <source>Sync the files that other users share with you.</source>
        <comment></comment>
        <translation>Synkronisera filerna som andra användare delar med dig.</translation>
    </message>
    <message>
        <source>Change, repair or remove Larkspan Drive.</source>
        <comment></comment>
        <translation>Ändra, reparera eller ta bort Larkspan Drive.</translation>
    </message>
    <message>
        <source>Installing Larkspan Drive</source>
        <comment></comment>
        <translation>Installerar Larkspan Drive</translation>
    </message>
    <message>
        <source>Keep both files and rename the conflicting one</source>
        <comment></comment>
        <translation>Behåll båda filerna och byt namn på den som står i konflikt</translation>
    </message>
    <message>
        <source>The server version is not supported. Ask your administrator to upgrade the server.</source>
        <comment></comment>
        <translation>Serverversionen stöds inte. Be administratören att uppgradera servern.</translation>
    </message>
    <message>
        <source>Version</source>
        <comment></comment>
        <translation>Version</translation>
    </message>
    <message>
        <source>Resume syncing this folder</source>
        <comment></comment>
        <translation>Återuppta synkroniseringen av den här mappen</translation>
    </message>
    <message>
        <source>Show Larkspan Drive in the file manager&apos;s context menu</source>
        <comment></comment>
        <translation>Visa Larkspan Drive i filhanterarens snabbmeny</translation>
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
        <translation>Relätjänsten är inaktiverad på servern.</translation>
    </message>
    <message>
        <source>Last week</source>
        <comment></comment>
        <translation>Förra veckan</translation>
    </message>
    <message>
        <source>Checking data...</source>
        <comment></comment>
        <translation>Kontrollerar data...</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <comment></comment>
        <translation>Synkroniserar...</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment></comment>
        <translation>Mapp</translation>
    </message>
    <message>
        <source>%1 items</source>
        <comment></comment>
        <translation>%1 objekt</translation>
    </message>
    <message>
        <source>Download</source>
        <comment></comment>
        <translation>Nedladdning</translation>
    </message>
    <message>
        <source>%1 days ago</source>
        <comment></comment>
        <translation>för %1 dagar sedan</translation>
    </message>
    <message>
        <source>Open settings</source>
        <comment></comment>
        <translation>Öppna inställningar</translation>
    </message>
    <message>
        <source>Unable to get the link to the file.</source>
        <comment></comment>
        <translation>Det gick inte att hämta länken till filen.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. %1 will merge its content with the server.</source>
        <comment></comment>
        <translation>Den valda mappen är inte tom. %1 sammanfogar dess innehåll med servern.</translation>
    </message>
    <message>
        <source>Reconnect</source>
        <comment></comment>
        <translation>Återanslut</translation>
    </message>
    <message>
        <source>Monday</source>
        <comment></comment>
        <translation>måndag</translation>
    </message>
    <message>
        <source>The shared folder conflicts with an existing sync folder.</source>
        <comment></comment>
        <translation>Den delade mappen står i konflikt med en befintlig synkroniseringsmapp.</translation>
    </message>
    <message>
        <source>Sync task from %1 to %2</source>
        <comment></comment>
        <translation>Synkroniseringsuppgift från %1 till %2</translation>
    </message>
    <message>
        <source>Mount point</source>
        <comment></comment>
        <translation>Monteringspunkt</translation>
    </message>
    <message>
        <source>Folder not empty</source>
        <comment></comment>
        <translation>Mappen är inte tom</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <comment></comment>
        <translation>Kopplar från...</translation>
    </message>
    <message>
        <source>Time</source>
        <comment></comment>
        <translation>Tid</translation>
    </message>
    <message>
        <source>%1 does not support the protocol used by this server.</source>
        <comment></comment>
        <translation>%1 har inte stöd för protokollet som den här servern använder.</translation>
    </message>
    <message>
        <source>Folder path</source>
        <comment></comment>
        <translation>Mappsökväg</translation>
    </message>
    <message>
        <source>February</source>
        <comment></comment>
        <translation>februari</translation>
    </message>
    <message>
        <source>The server&apos;s certificate could not be verified. Syncing is paused.</source>
        <comment></comment>
        <translation>Serverns certifikat kunde inte verifieras. Synkroniseringen är pausad.</translation>
    </message>
    <message>
        <source>Close the applications that use these files.</source>
        <comment></comment>
        <translation>Stäng programmen som använder de här filerna.</translation>
    </message>
    <message>
        <source>Automatic connection failed because of a system error.</source>
        <comment></comment>
        <translation>Automatisk anslutning misslyckades på grund av ett systemfel.</translation>
    </message>
    <message>
        <source>Show icons on files that are not synced</source>
        <comment></comment>
        <translation>Visa ikoner på filer som inte synkroniseras</translation>
    </message>
    <message>
        <source>Larkspan Drive setup was interrupted. Your system has not been changed.</source>
        <comment></comment>
        <translation>Installationen av Larkspan Drive avbröts. Systemet har inte ändrats.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has changed.</source>
        <comment></comment>
        <translation>Serverns certifikat har ändrats.</translation>
    </message>
    <message>
        <source>Files are stored in your local sync folder, for example /home/user/​LarkspanDrive.</source>
        <comment></comment>
        <translation>Filerna lagras i din lokala synkroniseringsmapp, till exempel /home/user/​LarkspanDrive.</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the installation of Larkspan Drive?</source>
        <comment></comment>
        <translation>Vill du avbryta installationen av Larkspan Drive?</translation>
    </message>
    <message>
        <source>ID</source>
        <comment></comment>
        <translation>ID</translation>
    </message>
    <message>
        <source>%1 has been downloaded.</source>
        <comment></comment>
        <translation>%1 har laddats ned.</translation>
    </message>
    <message>
        <source>The connection is inactive.</source>
        <comment></comment>
        <translation>Anslutningen är inaktiv.</translation>
    </message>
    <message>
        <source>Changes in folders on network drives may not be detected right away.</source>
        <comment></comment>
        <translation>Ändringar i mappar på nätverksenheter kanske inte upptäcks direkt.</translation>
    </message>
    <message>
        <source>Share</source>
        <comment></comment>
        <translation>Dela</translation>
    </message>
    <message>
        <source>%1 encountered an error.</source>
        <comment></comment>
        <translation>Ett fel uppstod i %1.</translation>
    </message>
    <message>
        <source>First page</source>
        <comment></comment>
        <translation>Första sidan</translation>
    </message>
    <message>
        <source>Resume</source>
        <comment></comment>
        <translation>Återuppta</translation>
    </message>
    <message>
        <source>Unable to enable sharing.</source>
        <comment></comment>
        <translation>Det gick inte att aktivera delning.</translation>
    </message>
    <message>
        <source>The local disk is full. %1 has paused syncing.</source>
        <comment></comment>
        <translation>Den lokala disken är full. %1 har pausat synkroniseringen.</translation>
    </message>
    <message>
        <source>Custom duration</source>
        <comment></comment>
        <translation>Anpassad varaktighet</translation>
    </message>
    <message>
        <source>Remove this download</source>
        <comment></comment>
        <translation>Ta bort den här nedladdningen</translation>
    </message>
    <message>
        <source>I accept the terms of the License Agreement</source>
        <comment></comment>
        <translation>Jag godkänner villkoren i licensavtalet</translation>
    </message>
    <message>
        <source>Select a folder on your computer to sync.</source>
        <comment></comment>
        <translation>Välj en mapp på datorn som ska synkroniseras.</translation>
    </message>
    <message>
        <source>Action</source>
        <comment></comment>
        <translation>Åtgärd</translation>
    </message>
    <message>
        <source>Sync tasks</source>
        <comment></comment>
        <translation>Synkroniseringsuppgifter</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment></comment>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Click Finish to close the setup wizard.</source>
        <comment></comment>
        <translation>Klicka på Slutför för att stänga installationsguiden.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Larkspan Drive will merge its content with the server.</source>
        <comment></comment>
        <translation>Den valda mappen är inte tom. Larkspan Drive sammanfogar dess innehåll med servern.</translation>
    </message>
    <message>
        <source>The disk of the Larkspan is full.</source>
        <comment></comment>
        <translation>Disken på Larkspan är full.</translation>
    </message>
    <message>
        <source>Manage</source>
        <comment></comment>
        <translation>Hantera</translation>
    </message>
    <message>
        <source>The setup wizard lets you change the way Larkspan Drive is installed, repair it or remove it. Click Next to continue or Cancel to exit.</source>
        <comment></comment>
        <translation>Med installationsguiden kan du ändra hur Larkspan Drive är installerat, reparera det eller ta bort det. Klicka på Nästa för att fortsätta eller på Avbryt för att avsluta.</translation>
    </message>
    <message>
        <source>%1 requested access to %2</source>
        <comment></comment>
        <translation>%1 begärde åtkomst till %2</translation>
    </message>
    <message>
        <source>Connected through the Internet</source>
        <comment></comment>
        <translation>Ansluten via internet</translation>
    </message>
    <message>
        <source>Sync your files</source>
        <comment></comment>
        <translation>Synkronisera dina filer</translation>
    </message>
    <message>
        <source>Unable to download this version.</source>
        <comment></comment>
        <translation>Det gick inte att ladda ned den här versionen.</translation>
    </message>
    <message>
        <source>Larkspan Drive setup ended because of an error. Your system has not been changed.</source>
        <comment></comment>
        <translation>Installationen av Larkspan Drive avslutades på grund av ett fel. Systemet har inte ändrats.</translation>
    </message>
    <message>
        <source>Files shared with you appear in the %1 folder on this computer.</source>
        <comment></comment>
        <translation>Filer som delas med dig visas i mappen %1 på den här datorn.</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this connection?</source>
        <comment></comment>
        <translation>Vill du koppla från den här anslutningen?</translation>
    </message>
    <message>
        <source>Retry</source>
        <comment></comment>
        <translation>Försök igen</translation>
    </message>
    <message>
        <source>The proxy server requires a password</source>
        <comment></comment>
        <translation>Proxyservern kräver ett lösenord</translation>
    </message>
    <message>
        <source>Update to the latest version to use selective sync.</source>
        <comment></comment>
        <translation>Uppdatera till den senaste versionen för att använda selektiv synkronisering.</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again in %1 minutes.</source>
        <comment></comment>
        <translation>För många misslyckade försök. Försök igen om %1 minuter.</translation>
    </message>
    <message>
        <source>File name</source>
        <comment></comment>
        <translation>Filnamn</translation>
    </message>
    <message>
        <source>Inactive</source>
        <comment></comment>
        <translation>Inaktiv</translation>
    </message>
    <message>
        <source>You can change these settings at any time in %1.</source>
        <comment></comment>
        <translation>Du kan när som helst ändra de här inställningarna i %1.</translation>
    </message>
    <message>
        <source>This version of Larkspan Drive is already installed. Do you want to install it again?</source>
        <comment></comment>
        <translation>Den här versionen av Larkspan Drive är redan installerad. Vill du installera den igen?</translation>
    </message>
    <message>
        <source>The quota of the shared folder is full.</source>
        <comment></comment>
        <translation>Kvoten för den delade mappen är full.</translation>
    </message>
    <message>
        <source>The shared folder is not mounted.</source>
        <comment></comment>
        <translation>Den delade mappen är inte monterad.</translation>
    </message>
    <message>
        <source>%1 hours ago</source>
        <comment></comment>
        <translation>för %1 timmar sedan</translation>
    </message>
    <message>
        <source>Completed the Larkspan Drive Setup Wizard</source>
        <comment></comment>
        <translation>Installationsguiden för Larkspan Drive är klar</translation>
    </message>
    <message>
        <source>January</source>
        <comment></comment>
        <translation>januari</translation>
    </message>
    <message>
        <source>Choose the folders to sync and the sync settings yourself.</source>
        <comment></comment>
        <translation>Välj själv vilka mappar som ska synkroniseras och vilka synkroniseringsinställningar som ska gälla.</translation>
    </message>
    <message>
        <source>The Larkspan has changed. Link it again to continue.</source>
        <comment></comment>
        <translation>Larkspan har ändrats. Koppla den igen för att fortsätta.</translation>
    </message>
    <message>
        <source>%1 is now syncing your files.</source>
        <comment></comment>
        <translation>%1 synkroniserar nu dina filer.</translation>
    </message>
    <message>
        <source>Unable to create a link for this item.</source>
        <comment></comment>
        <translation>Det gick inte att skapa en länk för det här objektet.</translation>
    </message>
    <message>
        <source>I do not accept the terms of the License Agreement</source>
        <comment></comment>
        <translation>Jag godkänner inte villkoren i licensavtalet</translation>
    </message>
    <message>
        <source>Sync</source>
        <comment></comment>
        <translation>Synkronisering</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <comment></comment>
        <translation>Igår</translation>
    </message>
    <message>
        <source>Downloads of previous versions</source>
        <comment></comment>
        <translation>Nedladdningar av tidigare versioner</translation>
    </message>
    <message>
        <source>Sync history</source>
        <comment></comment>
        <translation>Synkroniseringshistorik</translation>
    </message>
    <message>
        <source>Share link</source>
        <comment></comment>
        <translation>Dela länk</translation>
    </message>
    <message>
        <source>Repair</source>
        <comment></comment>
        <translation>Reparera</translation>
    </message>
    <message>
        <source>Open the Larkspan in your browser</source>
        <comment></comment>
        <translation>Öppna Larkspan i webbläsaren</translation>
    </message>
    <message>
        <source>%1 commented on %2</source>
        <comment></comment>
        <translation>%1 kommenterade %2</translation>
    </message>
    <message>
        <source>The maximum number of shared items has been reached.</source>
        <comment></comment>
        <translation>Det maximala antalet delade objekt har uppnåtts.</translation>
    </message>
    <message>
        <source>Shared</source>
        <comment></comment>
        <translation>Delat</translation>
    </message>
    <message>
        <source>The local disk is full.</source>
        <comment></comment>
        <translation>Den lokala disken är full.</translation>
    </message>
    <message>
        <source>Setup interrupted</source>
        <comment></comment>
        <translation>Installationen avbröts</translation>
    </message>
    <message>
        <source>The local sync folder cannot be found.</source>
        <comment></comment>
        <translation>Den lokala synkroniseringsmappen hittades inte.</translation>
    </message>
    <message>
        <source>Put your files in the sync folder, and they stay up to date on all your devices.</source>
        <comment></comment>
        <translation>Lägg dina filer i synkroniseringsmappen så hålls de uppdaterade på alla dina enheter.</translation>
    </message>
    <message>
        <source>Expire after</source>
        <comment></comment>
        <translation>Upphör efter</translation>
    </message>
    <message>
        <source>June</source>
        <comment></comment>
        <translation>juni</translation>
    </message>
    <message>
        <source>Select the operation you want to perform.</source>
        <comment></comment>
        <translation>Välj den åtgärd du vill utföra.</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <comment></comment>
        <translation>Tillfälliga filer</translation>
    </message>
    <message>
        <source>Your quota on the Larkspan is full. Free some space or choose another folder.</source>
        <comment></comment>
        <translation>Din kvot på Larkspan är full. Frigör utrymme eller välj en annan mapp.</translation>
    </message>
    <message>
        <source>Enter the address and port of the proxy server.</source>
        <comment></comment>
        <translation>Ange proxyserverns adress och port.</translation>
    </message>
    <message>
        <source>Folder on the Larkspan</source>
        <comment></comment>
        <translation>Mapp på Larkspan</translation>
    </message>
    <message>
        <source>Renamed on this computer</source>
        <comment></comment>
        <translation>Namnet ändrades på den här datorn</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <comment></comment>
        <translation>Autentiseringen misslyckades</translation>
    </message>
    <message>
        <source>Sunday</source>
        <comment></comment>
        <translation>söndag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <comment></comment>
        <translation>onsdag</translation>
    </message>
    <message>
        <source>Automatic setup is configured.</source>
        <comment></comment>
        <translation>Automatisk konfiguration är inställd.</translation>
    </message>
    <message>
        <source>New folder on the Larkspan</source>
        <comment></comment>
        <translation>Ny mapp på Larkspan</translation>
    </message>
    <message>
        <source>Display</source>
        <comment></comment>
        <translation>Visning</translation>
    </message>
    <message>
        <source>A newer version of %1 is already installed. Setup will now exit.</source>
        <comment></comment>
        <translation>En nyare version av %1 är redan installerad. Installationsprogrammet avslutas nu.</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment></comment>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Local sync folder</source>
        <comment></comment>
        <translation>Lokal synkroniseringsmapp</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <comment></comment>
        <translation>Maximal filstorlek (MB):</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <comment></comment>
        <translation>Ansluter...</translation>
    </message>
    <message>
        <source>Access request</source>
        <comment></comment>
        <translation>Begäran om åtkomst</translation>
    </message>
    <message>
        <source>Larkspan Drive is ready.</source>
        <comment></comment>
        <translation>Larkspan Drive är redo.</translation>
    </message>
    <message>
        <source>Set up</source>
        <comment></comment>
        <translation>Konfigurera</translation>
    </message>
    <message>
        <source>Do not sync this folder</source>
        <comment></comment>
        <translation>Synkronisera inte den här mappen</translation>
    </message>
    <message>
        <source>This server needs a newer version of Larkspan Drive. Upgrade now?</source>
        <comment></comment>
        <translation>Den här servern kräver en nyare version av Larkspan Drive. Vill du uppgradera nu?</translation>
    </message>
    <message>
        <source>Choose a sync folder</source>
        <comment></comment>
        <translation>Välj en synkroniseringsmapp</translation>
    </message>
    <message>
        <source>Password</source>
        <comment></comment>
        <translation>Lösenord</translation>
    </message>
    <message>
        <source>Today</source>
        <comment></comment>
        <translation>Idag</translation>
    </message>
    <message>
        <source>Your quota on the Larkspan is full.</source>
        <comment></comment>
        <translation>Din kvot på Larkspan är full.</translation>
    </message>
    <message>
        <source>Sync and share files across all your devices.</source>
        <comment></comment>
        <translation>Synkronisera och dela filer mellan alla dina enheter.</translation>
    </message>
    <message>
        <source>No permission</source>
        <comment></comment>
        <translation>Behörighet saknas</translation>
    </message>
    <message>
        <source>Destination</source>
        <comment></comment>
        <translation>Mål</translation>
    </message>
    <message>
        <source>The sync folder is on a volume that is not mounted.</source>
        <comment></comment>
        <translation>Synkroniseringsmappen finns på en volym som inte är monterad.</translation>
    </message>
    <message>
        <source>Choose a different folder on this computer.</source>
        <comment></comment>
        <translation>Välj en annan mapp på den här datorn.</translation>
    </message>
    <message>
        <source>Use a black-and-white tray icon</source>
        <comment></comment>
        <translation>Använd en svartvit ikon i systemfältet</translation>
    </message>
    <message>
        <source>The verification code is not valid.</source>
        <comment></comment>
        <translation>Verifieringskoden är ogiltig.</translation>
    </message>
    <message>
        <source>No connection is available for this file.</source>
        <comment></comment>
        <translation>Det finns ingen anslutning för den här filen.</translation>
    </message>
    <message>
        <source>Keep files on the Larkspan when they are deleted from this computer</source>
        <comment></comment>
        <translation>Behåll filer på Larkspan när de raderas från den här datorn</translation>
    </message>
    <message>
        <source>One-way download</source>
        <comment></comment>
        <translation>Enkelriktad nedladdning</translation>
    </message>
    <message>
        <source>Port:</source>
        <comment></comment>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Last month</source>
        <comment></comment>
        <translation>Förra månaden</translation>
    </message>
    <message>
        <source>Version %1.%2.%3, build %4</source>
        <comment></comment>
        <translation>Version %1.%2.%3, bygge %4</translation>
    </message>
    <message>
        <source>Your IP address is not allowed to connect.</source>
        <comment></comment>
        <translation>Din IP-adress får inte ansluta.</translation>
    </message>
    <message>
        <source>Sync a folder that someone shared with you.</source>
        <comment></comment>
        <translation>Synkronisera en mapp som någon har delat med dig.</translation>
    </message>
    <message>
        <source>Filter the sync log</source>
        <comment></comment>
        <translation>Filtrera synkroniseringsloggen</translation>
    </message>
    <message>
        <source>You can only read this folder. Changes you make to it are not uploaded.</source>
        <comment></comment>
        <translation>Du har bara läsbehörighet till den här mappen. Ändringar som du gör i den laddas inte upp.</translation>
    </message>
    <message>
        <source>Keyword</source>
        <comment></comment>
        <translation>Nyckelord</translation>
    </message>
    <message>
        <source>Do not sync files larger than %1 MB</source>
        <comment></comment>
        <translation>Synkronisera inte filer som är större än %1 MB</translation>
    </message>
    <message>
        <source>Next month</source>
        <comment></comment>
        <translation>Nästa månad</translation>
    </message>
    <message>
        <source>Remote destination</source>
        <comment></comment>
        <translation>Fjärrmål</translation>
    </message>
    <message>
        <source>Your account is not allowed to sync this folder.</source>
        <comment></comment>
        <translation>Ditt konto får inte synkronisera den här mappen.</translation>
    </message>
    <message>
        <source>Unable to download %1.</source>
        <comment></comment>
        <translation>Det gick inte att ladda ned %1.</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <comment></comment>
        <translation>Avancerade inställningar</translation>
    </message>
    <message>
        <source>Welcome to %1. Sign in to get started.</source>
        <comment></comment>
        <translation>Välkommen till %1. Logga in för att komma igång.</translation>
    </message>
    <message>
        <source>Welcome to the Larkspan Drive Setup Wizard</source>
        <comment></comment>
        <translation>Välkommen till installationsguiden för Larkspan Drive</translation>
    </message>
    <message>
        <source>This computer was linked to a different Larkspan. Link it again to continue.</source>
        <comment></comment>
        <translation>Den här datorn var kopplad till en annan Larkspan. Koppla den igen för att fortsätta.</translation>
    </message>
    <message>
        <source>The shared folder no longer exists.</source>
        <comment></comment>
        <translation>Den delade mappen finns inte längre.</translation>
    </message>
    <message>
        <source>December</source>
        <comment></comment>
        <translation>december</translation>
    </message>
    <message>
        <source>Overview</source>
        <comment></comment>
        <translation>Översikt</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <comment></comment>
        <translation>Använd systemets proxyinställningar</translation>
    </message>
    <message>
        <source>No sync history</source>
        <comment></comment>
        <translation>Ingen synkroniseringshistorik</translation>
    </message>
    <message>
        <source>Some files could not be synced. Click to see the details.</source>
        <comment></comment>
        <translation>Vissa filer kunde inte synkroniseras. Klicka för att visa detaljerna.</translation>
    </message>
    <message>
        <source>Setup ended because of an error</source>
        <comment></comment>
        <translation>Installationen avslutades på grund av ett fel</translation>
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
        <translation>Dina ändringar har inte sparats. Vill du spara dem nu?</translation>
    </message>
    <message>
        <source>This computer is already linked to this Larkspan.</source>
        <comment></comment>
        <translation>Den här datorn är redan kopplad till den här Larkspan.</translation>
    </message>
    <message>
        <source>There is not enough space on the local disk for Larkspan Drive.</source>
        <comment></comment>
        <translation>Det finns inte tillräckligt med utrymme på den lokala disken för Larkspan Drive.</translation>
    </message>
    <message>
        <source>Do not sync files with these names:</source>
        <comment></comment>
        <translation>Synkronisera inte filer med de här namnen:</translation>
    </message>
    <message>
        <source>Available from</source>
        <comment></comment>
        <translation>Tillgänglig från</translation>
    </message>
    <message>
        <source>Shows the tray icon in black and white to match your desktop theme.</source>
        <comment></comment>
        <translation>Visar ikonen i systemfältet i svartvitt så att den passar skrivbordstemat.</translation>
    </message>
    <message>
        <source>Status</source>
        <comment></comment>
        <translation>Status</translation>
    </message>
    <message>
        <source>Sync one of your folders on the Larkspan with this computer.</source>
        <comment></comment>
        <translation>Synkronisera en av dina mappar på Larkspan med den här datorn.</translation>
    </message>
    <message>
        <source>Indexing the folder...</source>
        <comment></comment>
        <translation>Indexerar mappen...</translation>
    </message>
    <message>
        <source>Your user name or password is incorrect.</source>
        <comment></comment>
        <translation>Användarnamnet eller lösenordet är felaktigt.</translation>
    </message>
    <message>
        <source>You do not have permission to use Larkspan Drive. Ask your administrator.</source>
        <comment></comment>
        <translation>Du har inte behörighet att använda Larkspan Drive. Kontakta administratören.</translation>
    </message>
    <message>
        <source>Try syncing again</source>
        <comment></comment>
        <translation>Försök synkronisera igen</translation>
    </message>
    <message>
        <source>Filter settings</source>
        <comment></comment>
        <translation>Filterinställningar</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <comment></comment>
        <translation>Manuell proxykonfiguration</translation>
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
        <translation>Nej</translation>
    </message>
    <message>
        <source>Version not supported</source>
        <comment></comment>
        <translation>Versionen stöds inte</translation>
    </message>
    <message>
        <source>Sync now</source>
        <comment></comment>
        <translation>Synkronisera nu</translation>
    </message>
    <message>
        <source>This folder was synced by another user. Choose another folder.</source>
        <comment></comment>
        <translation>Den här mappen har synkroniserats av en annan användare. Välj en annan mapp.</translation>
    </message>
    <message>
        <source>Create a KestrinDrive folder in the selected location</source>
        <comment></comment>
        <translation>Skapa en KestrinDrive-mapp på den valda platsen</translation>
    </message>
    <message>
        <source>You do not have permission to write to this folder. Choose another folder.</source>
        <comment></comment>
        <translation>Du har inte skrivbehörighet till den här mappen. Välj en annan mapp.</translation>
    </message>
    <message>
        <source>This folder is read-only. Changes are not synced to %1.</source>
        <comment></comment>
        <translation>Den här mappen är skrivskyddad. Ändringar synkroniseras inte till %1.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment></comment>
        <translation>%1 till %2</translation>
    </message>
    <message>
        <source>Got it</source>
        <comment></comment>
        <translation>Jag förstår</translation>
    </message>
    <message>
        <source>Welcome to Larkspan Drive</source>
        <comment></comment>
        <translation>Välkommen till Larkspan Drive</translation>
    </message>
    <message>
        <source>Network settings</source>
        <comment></comment>
        <translation>Nätverksinställningar</translation>
    </message>
    <message>
        <source>The setup wizard is ready to begin the repair.</source>
        <comment></comment>
        <translation>Installationsguiden är redo att påbörja reparationen.</translation>
    </message>
    <message>
        <source>This client version is not supported by the server. Upgrade to continue syncing.</source>
        <comment></comment>
        <translation>Den här klientversionen stöds inte av servern. Uppgradera för att fortsätta synkronisera.</translation>
    </message>
    <message>
        <source>Size</source>
        <comment></comment>
        <translation>Storlek</translation>
    </message>
    <message>
        <source>The server version is too old. Ask your administrator to upgrade it.</source>
        <comment></comment>
        <translation>Serverversionen är för gammal. Be administratören att uppgradera den.</translation>
    </message>
    <message>
        <source>Everyone with the link can view and edit the files.</source>
        <comment></comment>
        <translation>Alla som har länken kan visa och redigera filerna.</translation>
    </message>
    <message>
        <source>Edit</source>
        <comment></comment>
        <translation>Redigera</translation>
    </message>
    <message>
        <source>Signed-in users can view and edit the files.</source>
        <comment></comment>
        <translation>Inloggade användare kan visa och redigera filerna.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <comment></comment>
        <translation>Inaktiverad</translation>
    </message>
    <message>
        <source>Change, repair or remove the installation.</source>
        <comment></comment>
        <translation>Ändra, reparera eller ta bort installationen.</translation>
    </message>
    <message>
        <source>Just now</source>
        <comment></comment>
        <translation>Nyss</translation>
    </message>
    <message>
        <source>New sync folder</source>
        <comment></comment>
        <translation>Ny synkroniseringsmapp</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <comment></comment>
        <translation>Delning aktiverad</translation>
    </message>
    <message>
        <source>Sync error</source>
        <comment></comment>
        <translation>Synkroniseringsfel</translation>
    </message>
    <message>
        <source>Merge mode</source>
        <comment></comment>
        <translation>Sammanfogningsläge</translation>
    </message>
    <message>
        <source>Connection information</source>
        <comment></comment>
        <translation>Anslutningsinformation</translation>
    </message>
    <message>
        <source>Remove Larkspan Drive</source>
        <comment></comment>
        <translation>Ta bort Larkspan Drive</translation>
    </message>
    <message>
        <source>Next %1 pages</source>
        <comment></comment>
        <translation>Nästa %1 sidor</translation>
    </message>
    <message>
        <source>Show sync status</source>
        <comment></comment>
        <translation>Visa synkroniseringsstatus</translation>
    </message>
    <message>
        <source>My files</source>
        <comment></comment>
        <translation>Mina filer</translation>
    </message>
    <message>
        <source>Create a sync task</source>
        <comment></comment>
        <translation>Skapa en synkroniseringsuppgift</translation>
    </message>
    <message>
        <source>Create a LarkspanDrive folder in the selected location</source>
        <comment></comment>
        <translation>Skapa en LarkspanDrive-mapp på den valda platsen</translation>
    </message>
    <message>
        <source>Skipped file names</source>
        <comment></comment>
        <translation>Överhoppade filnamn</translation>
    </message>
    <message>
        <source>The %1 ID is not valid.</source>
        <comment></comment>
        <translation>%1-ID:t är ogiltigt.</translation>
    </message>
    <message>
        <source>Expire on</source>
        <comment></comment>
        <translation>Upphör den</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <comment></comment>
        <translation>Uppgraderar...</translation>
    </message>
    <message>
        <source>Start now</source>
        <comment></comment>
        <translation>Starta nu</translation>
    </message>
    <message>
        <source>Standby</source>
        <comment></comment>
        <translation>Vänteläge</translation>
    </message>
    <message>
        <source>Progress</source>
        <comment></comment>
        <translation>Förlopp</translation>
    </message>
    <message>
        <source>%1 changes detected</source>
        <comment></comment>
        <translation>%1 ändringar har upptäckts</translation>
    </message>
    <message>
        <source>Only download changes from the Larkspan; local changes are not uploaded.</source>
        <comment></comment>
        <translation>Ladda bara ned ändringar från Larkspan. Lokala ändringar laddas inte upp.</translation>
    </message>
    <message>
        <source>A database error occurred.</source>
        <comment></comment>
        <translation>Ett databasfel uppstod.</translation>
    </message>
    <message>
        <source>Enter the address of your Larkspan and your account.</source>
        <comment></comment>
        <translation>Ange adressen till din Larkspan och ditt konto.</translation>
    </message>
    <message>
        <source>On-demand sync</source>
        <comment></comment>
        <translation>Synkronisering vid behov</translation>
    </message>
    <message>
        <source>New sync task</source>
        <comment></comment>
        <translation>Ny synkroniseringsuppgift</translation>
    </message>
    <message>
        <source>Upload</source>
        <comment></comment>
        <translation>Uppladdning</translation>
    </message>
    <message>
        <source>Restrict access</source>
        <comment></comment>
        <translation>Begränsa åtkomst</translation>
    </message>
    <message>
        <source>Select the folders to sync</source>
        <comment></comment>
        <translation>Välj de mappar som ska synkroniseras</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <comment></comment>
        <translation>Välj en mapp</translation>
    </message>
    <message>
        <source>Setup mode</source>
        <comment></comment>
        <translation>Konfigurationsläge</translation>
    </message>
    <message>
        <source>Download only</source>
        <comment></comment>
        <translation>Endast nedladdning</translation>
    </message>
    <message>
        <source>General</source>
        <comment></comment>
        <translation>Allmänt</translation>
    </message>
    <message>
        <source>Saturday</source>
        <comment></comment>
        <translation>lördag</translation>
    </message>
    <message>
        <source>Larkspan Drive works with a Larkspan server from Kestrin.</source>
        <comment></comment>
        <translation>Larkspan Drive fungerar med en Larkspan-server från Kestrin.</translation>
    </message>
    <message>
        <source>Unable to connect to the Larkspan.</source>
        <comment></comment>
        <translation>Det gick inte att ansluta till Larkspan.</translation>
    </message>
    <message>
        <source>Connected through a relay</source>
        <comment></comment>
        <translation>Ansluten via relä</translation>
    </message>
    <message>
        <source>Larkspan Drive is initializing...</source>
        <comment></comment>
        <translation>Larkspan Drive initieras...</translation>
    </message>
    <message>
        <source>Automatic setup failed. Set up Larkspan Drive manually.</source>
        <comment></comment>
        <translation>Den automatiska konfigurationen misslyckades. Konfigurera Larkspan Drive manuellt.</translation>
    </message>
    <message>
        <source>Local destination</source>
        <comment></comment>
        <translation>Lokalt mål</translation>
    </message>
    <message>
        <source>This folder is read-only. Changes are not synced to Larkspan Drive.</source>
        <comment></comment>
        <translation>Den här mappen är skrivskyddad. Ändringar synkroniseras inte till Larkspan Drive.</translation>
    </message>
    <message>
        <source>Ignore</source>
        <comment></comment>
        <translation>Ignorera</translation>
    </message>
    <message>
        <source>All events</source>
        <comment></comment>
        <translation>Alla händelser</translation>
    </message>
    <message>
        <source>Sharing</source>
        <comment></comment>
        <translation>Delning</translation>
    </message>
    <message>
        <source>Click Remove to remove Larkspan Drive from your computer.</source>
        <comment></comment>
        <translation>Klicka på Ta bort för att ta bort Larkspan Drive från datorn.</translation>
    </message>
    <message>
        <source>This folder is already part of another sync task.</source>
        <comment></comment>
        <translation>Den här mappen ingår redan i en annan synkroniseringsuppgift.</translation>
    </message>
    <message>
        <source>A network error occurred. Check your connection and try again.</source>
        <comment></comment>
        <translation>Ett nätverksfel uppstod. Kontrollera anslutningen och försök igen.</translation>
    </message>
    <message>
        <source>Finish</source>
        <comment></comment>
        <translation>Slutför</translation>
    </message>
    <message>
        <source>Enter a port number from %1 to %2.</source>
        <comment></comment>
        <translation>Ange ett portnummer från %1 till %2.</translation>
    </message>
    <message>
        <source>More information</source>
        <comment></comment>
        <translation>Mer information</translation>
    </message>
    <message>
        <source>This folder is already synced.</source>
        <comment></comment>
        <translation>Den här mappen synkroniseras redan.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <comment></comment>
        <translation>Åtkomst nekad.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <comment></comment>
        <translation>Ett okänt fel uppstod.</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change your settings.</source>
        <comment></comment>
        <translation>Klicka på Installera för att påbörja installationen. Klicka på Tillbaka för att granska eller ändra inställningarna.</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <comment></comment>
        <translation>Dubbelriktad synkronisering</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <comment></comment>
        <translation>Laddar ned %1...</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <comment></comment>
        <translation>Verkställer inställningarna...</translation>
    </message>
    <message>
        <source>Switch Larkspan</source>
        <comment></comment>
        <translation>Byt Larkspan</translation>
    </message>
    <message>
        <source>The file or folder does not exist.</source>
        <comment></comment>
        <translation>Filen eller mappen finns inte.</translation>
    </message>
    <message>
        <source>Next</source>
        <comment></comment>
        <translation>Nästa</translation>
    </message>
    <message>
        <source>Change folder</source>
        <comment></comment>
        <translation>Byt mapp</translation>
    </message>
    <message>
        <source>April</source>
        <comment></comment>
        <translation>april</translation>
    </message>
    <message>
        <source>The new language takes effect after Larkspan Drive restarts.</source>
        <comment></comment>
        <translation>Det nya språket börjar gälla när Larkspan Drive har startats om.</translation>
    </message>
    <message>
        <source>Choose another</source>
        <comment></comment>
        <translation>Välj en annan</translation>
    </message>
    <message>
        <source>Invalid argument.</source>
        <comment></comment>
        <translation>Ogiltigt argument.</translation>
    </message>
    <message>
        <source>Syncing %1 files</source>
        <comment></comment>
        <translation>Synkroniserar %1 filer</translation>
    </message>
    <message>
        <source>Sharing links is not enabled on the Larkspan.</source>
        <comment></comment>
        <translation>Delning av länkar är inte aktiverad på Larkspan.</translation>
    </message>
    <message>
        <source>Recently updated files</source>
        <comment></comment>
        <translation>Nyligen uppdaterade filer</translation>
    </message>
    <message>
        <source>Security warning</source>
        <comment></comment>
        <translation>Säkerhetsvarning</translation>
    </message>
    <message>
        <source>The following applications use files that setup needs to update. Close them and click Retry, or click Ignore to continue anyway.</source>
        <comment></comment>
        <translation>Följande program använder filer som installationsprogrammet behöver uppdatera. Stäng dem och klicka på Försök igen, eller klicka på Ignorera för att fortsätta ändå.</translation>
    </message>
    <message>
        <source>Reach your files anywhere</source>
        <comment></comment>
        <translation>Nå dina filer var du än är</translation>
    </message>
    <message>
        <source>Print</source>
        <comment></comment>
        <translation>Skriv ut</translation>
    </message>
    <message>
        <source>Create a new folder to sync.</source>
        <comment></comment>
        <translation>Skapa en ny mapp att synkronisera.</translation>
    </message>
    <message>
        <source>The certificate of %1 has changed. Do you trust the new certificate?</source>
        <comment></comment>
        <translation>Certifikatet för %1 har ändrats. Litar du på det nya certifikatet?</translation>
    </message>
    <message>
        <source>Larkspan Drive</source>
        <comment></comment>
        <translation>Larkspan Drive</translation>
    </message>
    <message>
        <source>Rename</source>
        <comment></comment>
        <translation>Byt namn</translation>
    </message>
    <message>
        <source>Folder already synced</source>
        <comment></comment>
        <translation>Mappen synkroniseras redan</translation>
    </message>
    <message>
        <source>Do not sync these folders</source>
        <comment></comment>
        <translation>Synkronisera inte de här mapparna</translation>
    </message>
    <message>
        <source>Folders that others share with you</source>
        <comment></comment>
        <translation>Mappar som andra delar med dig</translation>
    </message>
    <message>
        <source>Repair Larkspan Drive</source>
        <comment></comment>
        <translation>Reparera Larkspan Drive</translation>
    </message>
    <message>
        <source>Sync log category</source>
        <comment></comment>
        <translation>Kategori i synkroniseringsloggen</translation>
    </message>
    <message>
        <source>Close these applications before setup continues:</source>
        <comment></comment>
        <translation>Stäng de här programmen innan installationen fortsätter:</translation>
    </message>
    <message>
        <source>Add</source>
        <comment></comment>
        <translation>Lägg till</translation>
    </message>
    <message>
        <source>No options available</source>
        <comment></comment>
        <translation>Inga alternativ tillgängliga</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of Larkspan Drive.</source>
        <comment></comment>
        <translation>Klicka på Reparera för att reparera installationen av Larkspan Drive.</translation>
    </message>
    <message>
        <source>The sync direction does not match your permission on the folder.</source>
        <comment></comment>
        <translation>Synkroniseringsriktningen stämmer inte med din behörighet för mappen.</translation>
    </message>
    <message>
        <source>You have chosen to remove the program from your computer.</source>
        <comment></comment>
        <translation>Du har valt att ta bort programmet från datorn.</translation>
    </message>
    <message>
        <source>You are ready to use Larkspan Drive.</source>
        <comment></comment>
        <translation>Nu kan du börja använda Larkspan Drive.</translation>
    </message>
    <message>
        <source>Edit connection</source>
        <comment></comment>
        <translation>Redigera anslutning</translation>
    </message>
    <message>
        <source>Upgrade to version %1</source>
        <comment></comment>
        <translation>Uppgradera till version %1</translation>
    </message>
    <message>
        <source>A newer version of Larkspan Drive is already installed. Setup will now exit.</source>
        <comment></comment>
        <translation>En nyare version av Larkspan Drive är redan installerad. Installationsprogrammet avslutas nu.</translation>
    </message>
    <message>
        <source>Larkspan Drive is now syncing your files.</source>
        <comment></comment>
        <translation>Larkspan Drive synkroniserar nu dina filer.</translation>
    </message>
    <message>
        <source>%1 files updated</source>
        <comment></comment>
        <translation>%1 filer har uppdaterats</translation>
    </message>
    <message>
        <source>Enter a user name.</source>
        <comment></comment>
        <translation>Ange ett användarnamn.</translation>
    </message>
    <message>
        <source>There is not enough space on the local disk for %1.</source>
        <comment></comment>
        <translation>Det finns inte tillräckligt med utrymme på den lokala disken för %1.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <comment></comment>
        <translation>Alternativ</translation>
    </message>
    <message>
        <source>Files shared with you appear in the Larkspan Drive folder on this computer.</source>
        <comment></comment>
        <translation>Filer som delas med dig visas i mappen Larkspan Drive på den här datorn.</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <comment></comment>
        <translation>Nej tack</translation>
    </message>
    <message>
        <source>Public</source>
        <comment></comment>
        <translation>Offentlig</translation>
    </message>
    <message>
        <source>Setup is complete.</source>
        <comment></comment>
        <translation>Konfigurationen är klar.</translation>
    </message>
    <message>
        <source>Open containing folder</source>
        <comment></comment>
        <translation>Öppna överordnad mapp</translation>
    </message>
    <message>
        <source>Removes Larkspan Drive from your computer.</source>
        <comment></comment>
        <translation>Tar bort Larkspan Drive från datorn.</translation>
    </message>
    <message>
        <source>Show the Larkspan Drive tutorial</source>
        <comment></comment>
        <translation>Visa självstudien för Larkspan Drive</translation>
    </message>
    <message>
        <source>Previous month</source>
        <comment></comment>
        <translation>Föregående månad</translation>
    </message>
    <message>
        <source>Shared folders</source>
        <comment></comment>
        <translation>Delade mappar</translation>
    </message>
    <message>
        <source>Created</source>
        <comment></comment>
        <translation>Skapad</translation>
    </message>
    <message>
        <source>Files you change on one device are updated on the others.</source>
        <comment></comment>
        <translation>Filer som du ändrar på en enhet uppdateras på de andra.</translation>
    </message>
    <message>
        <source>September</source>
        <comment></comment>
        <translation>september</translation>
    </message>
    <message>
        <source>Click Remove to continue, or Back to review your choice.</source>
        <comment></comment>
        <translation>Klicka på Ta bort för att fortsätta eller på Tillbaka för att granska ditt val.</translation>
    </message>
    <message>
        <source>Back</source>
        <comment></comment>
        <translation>Tillbaka</translation>
    </message>
    <message>
        <source>Folder name</source>
        <comment></comment>
        <translation>Mappnamn</translation>
    </message>
    <message>
        <source>Setup is complete. Larkspan Drive now keeps your files in sync.</source>
        <comment></comment>
        <translation>Konfigurationen är klar. Larkspan Drive håller nu dina filer synkroniserade.</translation>
    </message>
    <message>
        <source>May</source>
        <comment></comment>
        <translation>maj</translation>
    </message>
    <message>
        <source>Connected through the local network</source>
        <comment></comment>
        <translation>Ansluten via det lokala nätverket</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully.</source>
        <comment></comment>
        <translation>Läs följande licensavtal noggrant.</translation>
    </message>
    <message>
        <source>Keep the most recently modified file</source>
        <comment></comment>
        <translation>Behåll den senast ändrade filen</translation>
    </message>
    <message>
        <source>%1 mentioned you in %2</source>
        <comment></comment>
        <translation>%1 nämnde dig i %2</translation>
    </message>
    <message>
        <source>Access to the selected folder was denied.</source>
        <comment></comment>
        <translation>Åtkomst till den valda mappen nekades.</translation>
    </message>
    <message>
        <source>Disk full</source>
        <comment></comment>
        <translation>Disken är full</translation>
    </message>
    <message>
        <source>Signed-in users</source>
        <comment></comment>
        <translation>Inloggade användare</translation>
    </message>
    <message>
        <source>Tutorial that introduces the main features of Larkspan Drive</source>
        <comment></comment>
        <translation>Självstudie som presenterar huvudfunktionerna i Larkspan Drive</translation>
    </message>
    <message>
        <source>Checking your password...</source>
        <comment></comment>
        <translation>Kontrollerar lösenordet...</translation>
    </message>
    <message>
        <source>All files are up to date.</source>
        <comment></comment>
        <translation>Alla filer är uppdaterade.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <comment></comment>
        <translation>Skrivskyddad</translation>
    </message>
    <message>
        <source>Your password has expired.</source>
        <comment></comment>
        <translation>Ditt lösenord har gått ut.</translation>
    </message>
    <message>
        <source>Calendar</source>
        <comment></comment>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Replace the file on this computer with the copy on the server</source>
        <comment></comment>
        <translation>Ersätt filen på den här datorn med kopian på servern</translation>
    </message>
    <message>
        <source>Do not close the applications. A restart will be required.</source>
        <comment></comment>
        <translation>Stäng inte programmen. En omstart krävs.</translation>
    </message>
    <message>
        <source>November</source>
        <comment></comment>
        <translation>november</translation>
    </message>
    <message>
        <source>Find a Larkspan on your local network</source>
        <comment></comment>
        <translation>Hitta en Larkspan i ditt lokala nätverk</translation>
    </message>
    <message>
        <source>File name:</source>
        <comment></comment>
        <translation>Filnamn:</translation>
    </message>
    <message>
        <source>Add file name</source>
        <comment></comment>
        <translation>Lägg till filnamn</translation>
    </message>
    <message>
        <source>Sync your home folder on the Larkspan with a folder on this computer, using the recommended settings.</source>
        <comment></comment>
        <translation>Synkronisera din hemmapp på Larkspan med en mapp på den här datorn med de rekommenderade inställningarna.</translation>
    </message>
    <message>
        <source>Skip files whose names begin with a dot</source>
        <comment></comment>
        <translation>Hoppa över filer vars namn börjar med en punkt</translation>
    </message>
    <message>
        <source>Setup was cancelled.</source>
        <comment></comment>
        <translation>Installationen avbröts.</translation>
    </message>
    <message>
        <source>Name</source>
        <comment></comment>
        <translation>Namn</translation>
    </message>
    <message>
        <source>Encrypt data transfers (SSL)</source>
        <comment></comment>
        <translation>Kryptera dataöverföringar (SSL)</translation>
    </message>
    <message>
        <source>File type</source>
        <comment></comment>
        <translation>Filtyp</translation>
    </message>
    <message>
        <source>Your quota on the Larkspan is full. Syncing is paused.</source>
        <comment></comment>
        <translation>Din kvot på Larkspan är full. Synkroniseringen är pausad.</translation>
    </message>
    <message>
        <source>Share name</source>
        <comment></comment>
        <translation>Delningsnamn</translation>
    </message>
    <message>
        <source>Setup is not running as an administrator, so Larkspan Drive will be installed for the current user only. Continue?</source>
        <comment></comment>
        <translation>Installationsprogrammet körs inte som administratör, så Larkspan Drive installeras endast för den aktuella användaren. Vill du fortsätta?</translation>
    </message>
    <message>
        <source>Close the tutorial</source>
        <comment></comment>
        <translation>Stäng självstudien</translation>
    </message>
    <message>
        <source>About Larkspan Drive</source>
        <comment></comment>
        <translation>Om Larkspan Drive</translation>
    </message>
    <message>
        <source>Apply and copy link</source>
        <comment></comment>
        <translation>Verkställ och kopiera länk</translation>
    </message>
    <message>
        <source>Password:</source>
        <comment></comment>
        <translation>Lösenord:</translation>
    </message>
    <message>
        <source>Computer name</source>
        <comment></comment>
        <translation>Datornamn</translation>
    </message>
    <message>
        <source>Synced on all devices</source>
        <comment></comment>
        <translation>Synkroniserat på alla enheter</translation>
    </message>
    <message>
        <source>Currently syncing: %1</source>
        <comment></comment>
        <translation>Synkroniserar just nu: %1</translation>
    </message>
    <message>
        <source>Apply to all subfolders</source>
        <comment></comment>
        <translation>Tillämpa på alla undermappar</translation>
    </message>
    <message>
        <source>Files that match these rules are not synced.</source>
        <comment></comment>
        <translation>Filer som matchar de här reglerna synkroniseras inte.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected shared items?</source>
        <comment></comment>
        <translation>Vill du radera de valda delade objekten?</translation>
    </message>
    <message>
        <source>IP address</source>
        <comment></comment>
        <translation>IP-adress</translation>
    </message>
    <message>
        <source>Your files are now syncing.</source>
        <comment></comment>
        <translation>Dina filer synkroniseras nu.</translation>
    </message>
    <message>
        <source>Some of the entries are not valid.</source>
        <comment></comment>
        <translation>Vissa av posterna är ogiltiga.</translation>
    </message>
    <message>
        <source>A system error occurred while checking the folder.</source>
        <comment></comment>
        <translation>Ett systemfel uppstod när mappen kontrollerades.</translation>
    </message>
    <message>
        <source>Unlink this sync task? Files that are already synced stay on this computer.</source>
        <comment></comment>
        <translation>Vill du koppla från den här synkroniseringsuppgiften? Filer som redan har synkroniserats finns kvar på den här datorn.</translation>
    </message>
    <message>
        <source>The sign-in test failed. Check the user name and password.</source>
        <comment></comment>
        <translation>Inloggningstestet misslyckades. Kontrollera användarnamnet och lösenordet.</translation>
    </message>
    <message>
        <source>Turning off sharing removes all existing links. Continue?</source>
        <comment></comment>
        <translation>Om du inaktiverar delning tas alla befintliga länkar bort. Vill du fortsätta?</translation>
    </message>
    <message>
        <source>Test connection</source>
        <comment></comment>
        <translation>Testa anslutningen</translation>
    </message>
    <message>
        <source>Install</source>
        <comment></comment>
        <translation>Installera</translation>
    </message>
    <message>
        <source>Advanced setup</source>
        <comment></comment>
        <translation>Avancerad konfiguration</translation>
    </message>
    <message>
        <source>Click Repair to continue, or Back to review your choice.</source>
        <comment></comment>
        <translation>Klicka på Reparera för att fortsätta eller på Tillbaka för att granska ditt val.</translation>
    </message>
    <message>
        <source>Installing the program files...</source>
        <comment></comment>
        <translation>Installerar programfilerna...</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app</source>
        <comment></comment>
        <translation>Ange verifieringskoden från din autentiseringsapp</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <comment></comment>
        <translation>Fortsätt ändå</translation>
    </message>
    <message>
        <source>March</source>
        <comment></comment>
        <translation>mars</translation>
    </message>
    <message>
        <source>You can change these settings at any time in Larkspan Drive.</source>
        <comment></comment>
        <translation>Du kan när som helst ändra de här inställningarna i Larkspan Drive.</translation>
    </message>
    <message>
        <source>Proxy settings</source>
        <comment></comment>
        <translation>Proxyinställningar</translation>
    </message>
    <message>
        <source>Remove the installation</source>
        <comment></comment>
        <translation>Ta bort installationen</translation>
    </message>
    <message>
        <source>Send to %1</source>
        <comment></comment>
        <translation>Skicka till %1</translation>
    </message>
    <message>
        <source>Synchronization mode</source>
        <comment></comment>
        <translation>Synkroniseringsläge</translation>
    </message>
    <message>
        <source>Refresh the sync log</source>
        <comment></comment>
        <translation>Uppdatera synkroniseringsloggen</translation>
    </message>
    <message>
        <source>The content of both folders is merged. Nothing is deleted.</source>
        <comment></comment>
        <translation>Innehållet i båda mapparna sammanfogas. Ingenting raderas.</translation>
    </message>
    <message>
        <source>This version of %1 is already installed. Do you want to install it again?</source>
        <comment></comment>
        <translation>Den här versionen av %1 är redan installerad. Vill du installera den igen?</translation>
    </message>
    <message>
        <source>When the tray icon is double-clicked</source>
        <comment></comment>
        <translation>När ikonen i systemfältet dubbelklickas</translation>
    </message>
    <message>
        <source>Open the web portal to reach your files from any browser.</source>
        <comment></comment>
        <translation>Öppna webbportalen för att nå dina filer från valfri webbläsare.</translation>
    </message>
    <message>
        <source>Click Finish to close the setup wizard and start using Larkspan Drive.</source>
        <comment></comment>
        <translation>Klicka på Slutför för att stänga installationsguiden och börja använda Larkspan Drive.</translation>
    </message>
    <message>
        <source>There are no changes to apply.</source>
        <comment></comment>
        <translation>Det finns inga ändringar att verkställa.</translation>
    </message>
    <message>
        <source>Network error.</source>
        <comment></comment>
        <translation>Nätverksfel.</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <comment></comment>
        <translation>Förbereder...</translation>
    </message>
    <message>
        <source>More tutorials</source>
        <comment></comment>
        <translation>Fler självstudier</translation>
    </message>
    <message>
        <source>Read-only folder</source>
        <comment></comment>
        <translation>Skrivskyddad mapp</translation>
    </message>
    <message>
        <source>Previous %1 pages</source>
        <comment></comment>
        <translation>Föregående %1 sidor</translation>
    </message>
    <message>
        <source>Start the tour</source>
        <comment></comment>
        <translation>Starta rundturen</translation>
    </message>
    <message>
        <source>IP address details</source>
        <comment></comment>
        <translation>Information om IP-adress</translation>
    </message>
    <message>
        <source>From</source>
        <comment></comment>
        <translation>Från</translation>
    </message>
    <message>
        <source>Welcome to Larkspan Drive. Sign in to get started.</source>
        <comment></comment>
        <translation>Välkommen till Larkspan Drive. Logga in för att komma igång.</translation>
    </message>
    <message>
        <source>Sync problem</source>
        <comment></comment>
        <translation>Synkroniseringsproblem</translation>
    </message>
    <message>
        <source>Local usage</source>
        <comment></comment>
        <translation>Lokal användning</translation>
    </message>
    <message>
        <source>Enable on-demand sync</source>
        <comment></comment>
        <translation>Aktivera synkronisering vid behov</translation>
    </message>
    <message>
        <source>Larkspan Drive has been installed.</source>
        <comment></comment>
        <translation>Larkspan Drive har installerats.</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <comment></comment>
        <translation>Frånkopplad</translation>
    </message>
    <message>
        <source>Locked</source>
        <comment></comment>
        <translation>Låst</translation>
    </message>
    <message>
        <source>Change sync folder</source>
        <comment></comment>
        <translation>Byt synkroniseringsmapp</translation>
    </message>
    <message>
        <source>Setup has finished.</source>
        <comment></comment>
        <translation>Installationen är klar.</translation>
    </message>
    <message>
        <source>%1 shared %2 with you</source>
        <comment></comment>
        <translation>%1 delade %2 med dig</translation>
    </message>
    <message>
        <source>Not found</source>
        <comment></comment>
        <translation>Hittades inte</translation>
    </message>
    <message>
        <source>Reset</source>
        <comment></comment>
        <translation>Återställ</translation>
    </message>
    <message>
        <source>Installing the features you selected.</source>
        <comment></comment>
        <translation>Installerar de funktioner som du har valt.</translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <comment></comment>
        <translation>En verifieringskod krävs.</translation>
    </message>
    <message>
        <source>%1 keeps the files on your Larkspan and your computers in sync.</source>
        <comment></comment>
        <translation>%1 håller filerna på din Larkspan och dina datorer synkroniserade.</translation>
    </message>
    <message>
        <source>There is not enough space on the disk of this computer.</source>
        <comment></comment>
        <translation>Det finns inte tillräckligt med utrymme på den här datorns disk.</translation>
    </message>
    <message>
        <source>Connection type</source>
        <comment></comment>
        <translation>Anslutningstyp</translation>
    </message>
    <message>
        <source>Show the %1 tutorial</source>
        <comment></comment>
        <translation>Visa självstudien för %1</translation>
    </message>
    <message>
        <source>You can also invite people to folders you own.</source>
        <comment></comment>
        <translation>Du kan också bjuda in personer till mappar som du äger.</translation>
    </message>
    <message>
        <source>%1 could not be upgraded.</source>
        <comment></comment>
        <translation>%1 kunde inte uppgraderas.</translation>
    </message>
    <message>
        <source>%1 works with a Larkspan server from Kestrin.</source>
        <comment></comment>
        <translation>%1 fungerar med en Larkspan-server från Kestrin.</translation>
    </message>
    <message>
        <source>Welcome</source>
        <comment></comment>
        <translation>Välkommen</translation>
    </message>
    <message>
        <source>Custom range</source>
        <comment></comment>
        <translation>Anpassat intervall</translation>
    </message>
    <message>
        <source>Sync %1 to this computer?</source>
        <comment></comment>
        <translation>Vill du synkronisera %1 till den här datorn?</translation>
    </message>
    <message>
        <source>Quick setup</source>
        <comment></comment>
        <translation>Snabbkonfiguration</translation>
    </message>
    <message>
        <source>Download history</source>
        <comment></comment>
        <translation>Nedladdningshistorik</translation>
    </message>
    <message>
        <source>Use a relay connection when a direct connection is not possible</source>
        <comment></comment>
        <translation>Använd en reläanslutning när en direktanslutning inte är möjlig</translation>
    </message>
    <message>
        <source>Folders you clear are removed from this computer but kept on the Larkspan.</source>
        <comment></comment>
        <translation>Mappar som du avmarkerar tas bort från den här datorn men finns kvar på Larkspan.</translation>
    </message>
    <message>
        <source>Link</source>
        <comment></comment>
        <translation>Länk</translation>
    </message>
    <message>
        <source>Address:</source>
        <comment></comment>
        <translation>Adress:</translation>
    </message>
    <message>
        <source>Download complete.</source>
        <comment></comment>
        <translation>Nedladdningen är klar.</translation>
    </message>
    <message>
        <source>Setup has all the information it needs to start copying the program files.</source>
        <comment></comment>
        <translation>Installationsprogrammet har all information som behövs för att börja kopiera programfilerna.</translation>
    </message>
    <message>
        <source>Sync activity</source>
        <comment></comment>
        <translation>Synkroniseringsaktivitet</translation>
    </message>
    <message>
        <source>Downloading</source>
        <comment></comment>
        <translation>Laddar ned</translation>
    </message>
    <message>
        <source>This wizard installs Larkspan Drive on your computer.</source>
        <comment></comment>
        <translation>Den här guiden installerar Larkspan Drive på datorn.</translation>
    </message>
    <message>
        <source>To</source>
        <comment></comment>
        <translation>Till</translation>
    </message>
    <message>
        <source>The server&apos;s certificate could not be verified. Connect anyway?</source>
        <comment></comment>
        <translation>Serverns certifikat kunde inte verifieras. Vill du ansluta ändå?</translation>
    </message>
    <message>
        <source>Larkspan Drive is running.</source>
        <comment></comment>
        <translation>Larkspan Drive körs.</translation>
    </message>
    <message>
        <source>%1 has shared a new item with you.</source>
        <comment></comment>
        <translation>%1 har delat ett nytt objekt med dig.</translation>
    </message>
    <message>
        <source>A conflict occurred.</source>
        <comment></comment>
        <translation>En konflikt uppstod.</translation>
    </message>
    <message>
        <source>The selected folder is a mount point. Choose a folder on a local disk.</source>
        <comment></comment>
        <translation>Den valda mappen är en monteringspunkt. Välj en mapp på en lokal disk.</translation>
    </message>
    <message>
        <source>Encryption</source>
        <comment></comment>
        <translation>Kryptering</translation>
    </message>
    <message>
        <source>Changes you make in your sync folder are synced with the Larkspan.</source>
        <comment></comment>
        <translation>Ändringar som du gör i synkroniseringsmappen synkroniseras med Larkspan.</translation>
    </message>
    <message>
        <source>Please wait while the setup wizard installs Larkspan Drive. This may take several minutes.</source>
        <comment></comment>
        <translation>Vänta medan installationsguiden installerar Larkspan Drive. Det kan ta flera minuter.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has changed since your last connection. Continue?</source>
        <comment></comment>
        <translation>Serverns certifikat har ändrats sedan din senaste anslutning. Vill du fortsätta?</translation>
    </message>
    <message>
        <source>%1 is ready.</source>
        <comment></comment>
        <translation>%1 är redo.</translation>
    </message>
    <message>
        <source>Search</source>
        <comment></comment>
        <translation>Sök</translation>
    </message>
    <message>
        <source>Link a new Larkspan</source>
        <comment></comment>
        <translation>Koppla en ny Larkspan</translation>
    </message>
    <message>
        <source>Certificate verification failed.</source>
        <comment></comment>
        <translation>Certifikatverifieringen misslyckades.</translation>
    </message>
    <message>
        <source>Starting Larkspan Drive...</source>
        <comment></comment>
        <translation>Startar Larkspan Drive...</translation>
    </message>
    <message>
        <source>On-demand sync could not be enabled.</source>
        <comment></comment>
        <translation>Synkronisering vid behov kunde inte aktiveras.</translation>
    </message>
    <message>
        <source>Setup complete</source>
        <comment></comment>
        <translation>Konfigurationen är klar</translation>
    </message>
    <message>
        <source>Your administrator requires two-step verification for your account.</source>
        <comment></comment>
        <translation>Administratören kräver tvåstegsverifiering för ditt konto.</translation>
    </message>
    <message>
        <source>Start %1 when I sign in</source>
        <comment></comment>
        <translation>Starta %1 när jag loggar in</translation>
    </message>
    <message>
        <source>The selected folder is already synced by another task.</source>
        <comment></comment>
        <translation>Den valda mappen synkroniseras redan av en annan uppgift.</translation>
    </message>
    <message>
        <source>File</source>
        <comment></comment>
        <translation>Fil</translation>
    </message>
    <message>
        <source>Recently changed</source>
        <comment></comment>
        <translation>Nyligen ändrade</translation>
    </message>
</context>
</TS>
