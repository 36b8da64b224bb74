<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Enabled</source>
        <comment></comment>
        <translation>Povoleno</translation>
    </message>
    <message>
        <source>Larkspan Drive has no optional features to change.</source>
        <comment></comment>
        <translation>Aplikace Larkspan Drive nemá žádné volitelné funkce, které by bylo možné změnit.</translation>
    </message>
    <message>
        <source>Merge</source>
        <comment></comment>
        <translation>Sloučit</translation>
    </message>
    <message>
        <source>Open folder</source>
        <comment></comment>
        <translation>Otevřít složku</translation>
    </message>
    <message>
        <source>Sync folder on this computer</source>
        <comment></comment>
        <translation>Synchronizační složka v tomto počítači</translation>
    </message>
    <message>
        <source>Tutorial that introduces the main features of %1</source>
        <comment></comment>
        <translation>Výukový průvodce hlavními funkcemi aplikace %1</translation>
    </message>
    <message>
        <source>Renamed on the Larkspan</source>
        <comment></comment>
        <translation>Přejmenováno na serveru Larkspan</translation>
    </message>
    <message>
        <source>Friday</source>
        <comment></comment>
        <translation>pátek</translation>
    </message>
    <message>
        <source>Thursday</source>
        <comment></comment>
        <translation>čtvrtek</translation>
    </message>
    <message>
        <source>The setup wizard is ready to begin the installation.</source>
        <comment></comment>
        <translation>Průvodce instalací je připraven zahájit instalaci.</translation>
    </message>
    <message>
        <source>Select the files to sync</source>
        <comment></comment>
        <translation>Vyberte soubory k synchronizaci</translation>
    </message>
    <message>
        <source>Loading...</source>
        <comment></comment>
        <translation>Načítání...</translation>
    </message>
    <message>
        <source>Sync direction</source>
        <comment></comment>
        <translation>Směr synchronizace</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <comment></comment>
        <translation>Je k dispozici nová verze. Kliknutím provedete aktualizaci.</translation>
    </message>
    <message>
        <source>Ready to install Larkspan Drive</source>
        <comment></comment>
        <translation>Připraveno k instalaci aplikace Larkspan Drive</translation>
    </message>
    <message>
        <source>User name</source>
        <comment></comment>
        <translation>Uživatelské jméno</translation>
    </message>
    <message>
        <source>File sharing is not available over a relay connection.</source>
        <comment></comment>
        <translation>Sdílení souborů není při připojení přes přenosový server k dispozici.</translation>
    </message>
    <message>
        <source>Last page</source>
        <comment></comment>
        <translation>Poslední stránka</translation>
    </message>
    <message>
        <source>One-way upload</source>
        <comment></comment>
        <translation>Jednosměrné nahrávání</translation>
    </message>
    <message>
        <source>Setup is complete. %1 now keeps your files in sync.</source>
        <comment></comment>
        <translation>Nastavení je dokončeno. Aplikace %1 nyní synchronizuje vaše soubory.</translation>
    </message>
    <message>
        <source>System default</source>
        <comment></comment>
        <translation>Výchozí nastavení systému</translation>
    </message>
    <message>
        <source>A sync folder named %1 already exists. Choose another name.</source>
        <comment></comment>
        <translation>Synchronizační složka s názvem %1 již existuje. Zvolte jiný název.</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment></comment>
        <translation>Ukončit</translation>
    </message>
    <message>
        <source>Choose the display language</source>
        <comment></comment>
        <translation>Zvolte jazyk zobrazení</translation>
    </message>
    <message>
        <source>The Larkspan Drive service is disabled on this Larkspan. Ask your administrator to enable it.</source>
        <comment></comment>
        <translation>Služba Larkspan Drive je na tomto serveru Larkspan zakázána. Požádejte správce o její povolení.</translation>
    </message>
    <message>
        <source>Search for Larkspan servers on the local network</source>
        <comment></comment>
        <translation>Hledat servery Larkspan v místní síti</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <comment></comment>
        <translation>a další (%1)</translation>
    </message>
    <message>
        <source>Connected</source>
        <comment></comment>
        <translation>Připojeno</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <comment></comment>
        <translation>úterý</translation>
    </message>
    <message>
        <source>Read the following license agreement and accept it to continue.</source>
        <comment></comment>
        <translation>Přečtěte si následující licenční smlouvu a pokračujte jejím přijetím.</translation>
    </message>
    <message>
        <source>Help</source>
        <comment></comment>
        <translation>Nápověda</translation>
    </message>
    <message>
        <source>Launch Larkspan Drive now</source>
        <comment></comment>
        <translation>Spustit aplikaci Larkspan Drive nyní</translation>
    </message>
    <message>
        <source>User name:</source>
        <comment></comment>
        <translation>Uživatelské jméno:</translation>
    </message>
    <message>
        <source>Finishing the automatic setup...</source>
        <comment></comment>
        <translation>Dokončování automatického nastavení...</translation>
    </message>
    <message>
        <source>Summary</source>
        <comment></comment>
        <translation>Souhrn</translation>
    </message>
    <message>
        <source>Selective sync mode</source>
        <comment></comment>
        <translation>Režim selektivní synchronizace</translation>
    </message>
    <message>
        <source>Notifications</source>
        <comment></comment>
        <translation>Oznámení</translation>
    </message>
    <message>
        <source>Choose a folder on the Larkspan and a folder on this computer to keep in sync.</source>
        <comment></comment>
        <translation>Vyberte složku na serveru Larkspan a složku v tomto počítači, které se mají synchronizovat.</translation>
    </message>
    <message>
        <source>Files whose names match these patterns are not synced. Use * as a wildcard, for example *.tmp.</source>
        <comment></comment>
        <translation>Soubory, jejichž názvy odpovídají těmto vzorům, se nesynchronizují. Jako zástupný znak použijte *, například *.tmp.</translation>
    </message>
    <message>
        <source>OK</source>
        <comment></comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Everyone with the link can view the files.</source>
        <comment></comment>
        <translation>Soubory může zobrazit každý, kdo má odkaz.</translation>
    </message>
    <message>
        <source>Set sync folder</source>
        <comment></comment>
        <translation>Nastavit synchronizační složku</translation>
    </message>
    <message>
        <source>Unlink</source>
        <comment></comment>
        <translation>Odpojit</translation>
    </message>
    <message>
        <source>Value</source>
        <comment></comment>
        <translation>Hodnota</translation>
    </message>
    <message>
        <source>Selective sync</source>
        <comment></comment>
        <translation>Selektivní synchronizace</translation>
    </message>
    <message>
        <source>Continue</source>
        <comment></comment>
        <translation>Pokračovat</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <comment></comment>
        <translation>Inicializace se nezdařila.</translation>
    </message>
    <message>
        <source>Share files with others</source>
        <comment></comment>
        <translation>Sdílejte soubory s ostatními</translation>
    </message>
    <message>
        <source>Open Larkspan Drive</source>
        <comment></comment>
        <translation>Otevřít Larkspan Drive</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment></comment>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Change which features of Larkspan Drive are installed</source>
        <comment></comment>
        <translation>Změnit nainstalované funkce aplikace Larkspan Drive</translation>
    </message>
    <message>
        <source>Unable to get the user information.</source>
        <comment></comment>
        <translation>Nelze získat informace o uživateli.</translation>
    </message>
    <message>
        <source>Status information</source>
        <comment></comment>
        <translation>Informace o stavu</translation>
    </message>
    <message>
        <source>The setup wizard will install Larkspan Drive on your computer. Click Next to continue or Cancel to exit.</source>
        <comment></comment>
        <translation>Průvodce instalací nainstaluje aplikaci Larkspan Drive do počítače. Pokračujte kliknutím na Další nebo průvodce ukončete kliknutím na Zrušit.</translation>
    </message>
    <message>
        <source>Show sync status icons on files and folders</source>
        <comment></comment>
        <translation>Zobrazovat ikony stavu synchronizace u souborů a složek</translation>
    </message>
    <message>
        <source>Change</source>
        <comment></comment>
        <translation>Změnit</translation>
    </message>
    <message>
        <source>Cancel setup</source>
        <comment></comment>
        <translation>Zrušit instalaci</translation>
    </message>
    <message>
        <source>No proxy</source>
        <comment></comment>
        <translation>Bez proxy serveru</translation>
    </message>
    <message>
        <source>The client could not be upgraded. Please try again later.</source>
        <comment></comment>
        <translation>Klienta nelze upgradovat. Zkuste to znovu později.</translation>
    </message>
    <message>
        <source>Apply</source>
        <comment></comment>
        <translation>Použít</translation>
    </message>
    <message>
        <source>Files in use</source>
        <comment></comment>
        <translation>Používané soubory</translation>
    </message>
    <message>
        <source>Service disabled</source>
        <comment></comment>
        <translation>Služba zakázána</translation>
    </message>
    <message>
        <source>Reading the connection settings...</source>
        <comment></comment>
        <translation>Načítání nastavení připojení...</translation>
    </message>
    <message>
        <source>Mentioned you</source>
        <comment></comment>
        <translation>Zmínky o vás</translation>
    </message>
    <message>
        <source>Updating...</source>
        <comment></comment>
        <translation>Aktualizace...</translation>
    </message>
    <message>
        <source>Language</source>
        <comment></comment>
        <translation>Jazyk</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <comment></comment>
        <translation>Blahopřejeme!</translation>
    </message>
    <message>
        <source>Enable sharing</source>
        <comment></comment>
        <translation>Povolit sdílení</translation>
    </message>
    <message>
        <source>The home folder service is not enabled for your account. Ask your administrator to enable it.</source>
        <comment></comment>
        <translation>Služba domovských složek není pro váš účet povolena. Požádejte správce o její povolení.</translation>
    </message>
    <message>
        <source>August</source>
        <comment></comment>
        <translation>srpen</translation>
    </message>
    <message>
        <source>Read and write</source>
        <comment></comment>
        <translation>Čtení a zápis</translation>
    </message>
    <message>
        <source>Remove</source>
        <comment></comment>
        <translation>Odebrat</translation>
    </message>
    <message>
        <source>Larkspan Drive notification</source>
        <comment></comment>
        <translation>Oznámení aplikace Larkspan Drive</translation>
    </message>
    <message>
        <source>Open in the web portal</source>
        <comment></comment>
        <translation>Otevřít ve webovém portálu</translation>
    </message>
    <message>
        <source>The selected sync folder is not valid. Choose another folder.</source>
        <comment></comment>
        <translation>Vybraná synchronizační složka není platná. Zvolte jinou složku.</translation>
    </message>
    <message>
        <source>This field cannot be left blank.</source>
        <comment></comment>
        <translation>Toto pole nesmí zůstat prázdné.</translation>
    </message>
    <message>
        <source>Start Larkspan Drive when I sign in</source>
        <comment></comment>
        <translation>Spouštět aplikaci Larkspan Drive po přihlášení</translation>
    </message>
    <message>
        <source>Some files that need to be updated are currently in use.</source>
        <comment></comment>
        <translation>Některé soubory, které je třeba aktualizovat, se právě používají.</translation>
    </message>
    <message>
        <source>File extensions:</source>
        <comment></comment>
        <translation>Přípony souborů:</translation>
    </message>
    <message>
        <source>Shared with me</source>
        <comment></comment>
        <translation>Sdíleno se mnou</translation>
    </message>
    <message>
        <source>Stop downloading this version</source>
        <comment></comment>
        <translation>Zastavit stahování této verze</translation>
    </message>
    <message>
        <source>Browse previous versions</source>
        <comment></comment>
        <translation>Procházet předchozí verze</translation>
    </message>
    <message>
        <source>Unable to create the local folder %1.</source>
        <comment></comment>
        <translation>Nelze vytvořit místní složku %1.</translation>
    </message>
    <message>
        <source>Information</source>
        <comment></comment>
        <translation>Informace</translation>
    </message>
    <message>
        <source>%1 is running.</source>
        <comment></comment>
        <translation>Aplikace %1 je spuštěna.</translation>
    </message>
    <message>
        <source>Larkspan Drive keeps the files on your Larkspan and your computers in sync.</source>
        <comment></comment>
        <translation>Aplikace Larkspan Drive udržuje soubory na vašem serveru Larkspan a ve vašich počítačích synchronizované.</translation>
    </message>
    <message>
        <source>Do not show this message again</source>
        <comment></comment>
        <translation>Tuto zprávu již nezobrazovat</translation>
    </message>
    <message>
        <source>Open the web portal</source>
        <comment></comment>
        <translation>Otevřít webový portál</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <comment></comment>
        <translation>Upgradovat</translation>
    </message>
    <message>
        <source>Done</source>
        <comment></comment>
        <translation>Hotovo</translation>
    </message>
    <message>
        <source>Choose how to finish the setup:</source>
        <comment></comment>
        <translation>Zvolte způsob dokončení nastavení:</translation>
    </message>
    <message>
        <source>When a file exists on both sides, both are kept and the local copy is renamed as a conflict file.</source>
        <comment></comment>
        <translation>Pokud soubor existuje na obou stranách, zachovají se oba a místní kopie se přejmenuje na konfliktní soubor.</translation>
    </message>
    <message>
        <source>Only the users and groups you choose can open the files.</source>
        <comment></comment>
        <translation>Soubory mohou otevřít pouze vybraní uživatelé a skupiny.</translation>
    </message>
    <message>
        <source>Invite people</source>
        <comment></comment>
        <translation>Pozvat další osoby</translation>
    </message>
    <message>
        <source>This computer</source>
        <comment></comment>
        <translation>Tento počítač</translation>
    </message>
    <message>
        <source>New shared item</source>
        <comment></comment>
        <translation>Nová sdílená položka</translation>
    </message>
    <message>
        <source>Uploading</source>
        <comment></comment>
        <translation>Nahrávání</translation>
    </message>
    <message>
        <source>Automatic connection is not allowed by the server settings.</source>
        <comment></comment>
        <translation>Nastavení serveru nepovoluje automatické připojení.</translation>
    </message>
    <message>
        <source>Restricted</source>
        <comment></comment>
        <translation>Omezený</translation>
    </message>
    <message>
        <source>Proxy</source>
        <comment></comment>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Keep both files and add the computer name to the local copy</source>
        <comment></comment>
        <translation>Zachovat oba soubory a k místní kopii přidat název počítače</translation>
    </message>
    <message>
        <source>Close the applications automatically and try to restart them afterwards.</source>
        <comment></comment>
        <translation>Automaticky zavřít aplikace a poté se je pokusit znovu spustit.</translation>
    </message>
    <message>
        <source>This version of the client is too old. Upgrade Larkspan Drive to the latest version.</source>
        <comment></comment>
        <translation>Tato verze klienta je příliš stará. Upgradujte aplikaci Larkspan Drive na nejnovější verzi.</translation>
    </message>
    <message>
        <source>Users and groups</source>
        <comment></comment>
        <translation>Uživatelé a skupiny</translation>
    </message>
    <message>
        <source>Right-click a file in your sync folder and choose Share link to share it with anyone.</source>
        <comment></comment>
        <translation>Klikněte pravým tlačítkem na soubor v synchronizační složce a zvolte Sdílet odkaz, abyste jej mohli sdílet s kýmkoli.</translation>
    </message>
    <message>
        <source>Link permission</source>
        <comment></comment>
        <translation>Oprávnění odkazu</translation>
    </message>
    <message>
        <source>The server&apos;s SSL certificate could not be verified.</source>
        <comment></comment>
        <translation>Certifikát SSL serveru nelze ověřit.</translation>
    </message>
    <message>
        <source>Repairs the most recent installation by restoring missing or damaged files and shortcuts.</source>
        <comment></comment>
        <translation>Opraví poslední instalaci obnovením chybějících nebo poškozených souborů a zástupců.</translation>
    </message>
    <message>
        <source>Sync mode</source>
        <comment></comment>
        <translation>Režim synchronizace</translation>
    </message>
    <message>
        <source>No previous versions are available for this file.</source>
        <comment></comment>
        <translation>Pro tento soubor nejsou k dispozici žádné předchozí verze.</translation>
    </message>
    <message>
        <source>The remote folder is not mounted.</source>
        <comment></comment>
        <translation>Vzdálená složka není připojena.</translation>
    </message>
    <message>
        <source>Type</source>
        <comment></comment>
        <translation>Typ</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <comment></comment>
        <translation>Licenční smlouva s koncovým uživatelem</translation>
    </message>
    <message>
        <source>Expire after a number of visits</source>
        <comment></comment>
        <translation>Platnost vyprší po určitém počtu návštěv</translation>
    </message>
    <message>
        <source>Signed-in users can view the files.</source>
        <comment></comment>
        <translation>Přihlášení uživatelé mohou soubory zobrazit.</translation>
    </message>
    <message>
        <source>The Larkspan Drive ID is not valid.</source>
        <comment></comment>
        <translation>ID Larkspan Drive není platné.</translation>
    </message>
    <message>
        <source>Change, repair or remove the installation</source>
        <comment></comment>
        <translation>Změnit, opravit nebo odebrat instalaci</translation>
    </message>
    <message>
        <source>Connection unstable</source>
        <comment></comment>
        <translation>Nestabilní připojení</translation>
    </message>
    <message>
        <source>Date</source>
        <comment></comment>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <comment></comment>
        <translation>Maximální počet znaků: %1.</translation>
    </message>
    <message>
        <source>This computer was linked to a different server. Link %1 again to continue.</source>
        <comment></comment>
        <translation>Tento počítač byl propojen s jiným serverem. Chcete-li pokračovat, propojte aplikaci %1 znovu.</translation>
    </message>
    <message>
        <source>No valid folder is selected.</source>
        <comment></comment>
        <translation>Není vybrána žádná platná složka.</translation>
    </message>
    <message>
        <source>Version mismatch</source>
        <comment></comment>
        <translation>Neshoda verzí</translation>
    </message>
    <message>
        <source>No data</source>
        <comment></comment>
        <translation>Žádná data</translation>
    </message>
    <message>
        <source>Setup was interrupted by an error.</source>
        <comment></comment>
        <translation>Instalace byla přerušena chybou.</translation>
    </message>
    <message>
        <source>Open file</source>
        <comment></comment>
        <translation>Otevřít soubor</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment></comment>
        <translation>Odstranit</translation>
    </message>
    <message>
        <source>A new version is available. Click to update to %1.</source>
        <comment></comment>
        <translation>Je k dispozici nová verze. Kliknutím provedete aktualizaci na %1.</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment></comment>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>Unable to delete the shared item.</source>
        <comment></comment>
        <translation>Sdílenou položku nelze odstranit.</translation>
    </message>
    <message>
        <source>Error</source>
        <comment></comment>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>Unable to list the versions of this file.</source>
        <comment></comment>
        <translation>Nelze zobrazit seznam verzí tohoto souboru.</translation>
    </message>
    <message>
        <source>%1 minutes ago</source>
        <comment></comment>
        <translation>před %1 min</translation>
    </message>
    <message>
        <source>Larkspan Drive encountered an error.</source>
        <comment></comment>
        <translation>V aplikaci Larkspan Drive došlo k chybě.</translation>
    </message>
    <message>
        <source>Resume syncing these folders</source>
        <comment></comment>
        <translation>Obnovit synchronizaci těchto složek</translation>
    </message>
    <message>
        <source>Add folder</source>
        <comment></comment>
        <translation>Přidat složku</translation>
    </message>
    <message>
        <source>Lets you change the way the features are installed.</source>
        <comment></comment>
        <translation>Umožňuje změnit způsob instalace funkcí.</translation>
    </message>
    <message>
        <source>Choose how you want to set up Larkspan Drive.</source>
        <comment></comment>
        <translation>Zvolte, jak chcete aplikaci Larkspan Drive nastavit.</translation>
    </message>
    <message>
        <source>Repair the installation</source>
        <comment></comment>
        <translation>Opravit instalaci</translation>
    </message>
    <message>
        <source>When a file was changed on both sides:</source>
        <comment></comment>
        <translation>Když byl soubor změněn na obou stranách:</translation>
    </message>
    <message>
        <source>Later</source>
        <comment></comment>
        <translation>Později</translation>
    </message>
    <message>
        <source>The folder %1 already exists. Do you want to merge the two folders?</source>
        <comment></comment>
        <translation>Složka %1 již existuje. Chcete obě složky sloučit?</translation>
    </message>
    <message>
        <source>New shared item received</source>
        <comment></comment>
        <translation>Byla přijata nová sdílená položka</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <comment></comment>
        <translation>Zobrazovat oznámení na ploše</translation>
    </message>
    <message>
        <source>Larkspan Drive does not support the protocol used by this server.</source>
        <comment></comment>
        <translation>Aplikace Larkspan Drive nepodporuje protokol, který tento server používá.</translation>
    </message>
    <message>
        <source>The local disk is full. Larkspan Drive has paused syncing.</source>
        <comment></comment>
        <translation>Místní disk je plný. Aplikace Larkspan Drive pozastavila synchronizaci.</translation>
    </message>
    <message>
        <source>No shared items</source>
        <comment></comment>
        <translation>Žádné sdílené položky</translation>
    </message>
    <message>
        <source>Authentication failed. Check your user name and password.</source>
        <comment></comment>
        <translation>Ověření se nezdařilo. Zkontrolujte uživatelské jméno a heslo.</translation>
    </message>
    <message>
        <source>Choose the folders to keep in sync.</source>
        <comment></comment>
        <translation>Zvolte složky, které se mají synchronizovat.</translation>
    </message>
    <message>
        <source>Paused</source>
        <comment></comment>
        <translation>Pozastaveno</translation>
    </message>
    <message>
        <source>%1 is initializing...</source>
        <comment></comment>
        <translation>Inicializace aplikace %1...</translation>
    </message>
    <message>
        <source>Up to date</source>
        <comment></comment>
        <translation>Aktuální</translation>
    </message>
    <message>
        <source>Download cancelled.</source>
        <comment></comment>
        <translation>Stahování bylo zrušeno.</translation>
    </message>
    <message>
        <source>Larkspan Drive could not be upgraded.</source>
        <comment></comment>
        <translation>Aplikaci Larkspan Drive nelze upgradovat.</translation>
    </message>
    <message>
        <source>Your files, everywhere.</source>
        <comment></comment>
        <translation>Vaše soubory všude.</translation>
    </message>
    <message>
        <source>Sync the files that other users share with you.</source>
        <comment></comment>
        <translation>Synchronizujte soubory, které s vámi sdílejí jiní uživatelé.</translation>
    </message>
    <message>
        <source>Change, repair or remove Larkspan Drive.</source>
        <comment></comment>
        <translation>Změnit, opravit nebo odebrat aplikaci Larkspan Drive.</translation>
    </message>
    <message>
        <source>Installing Larkspan Drive</source>
        <comment></comment>
        <translation>Instalace aplikace Larkspan Drive</translation>
    </message>
    <message>
        <source>Keep both files and rename the conflicting one</source>
        <comment></comment>
        <translation>Zachovat oba soubory a přejmenovat konfliktní soubor</translation>
    </message>
    <message>
        <source>The server version is not supported. Ask your administrator to upgrade the server.</source>
        <comment></comment>
        <translation>Verze serveru není podporována. Požádejte správce o upgrade serveru.</translation>
    </message>
    <message>
        <source>Version</source>
        <comment></comment>
        <translation>Verze</translation>
    </message>
    <message>
        <source>Resume syncing this folder</source>
        <comment></comment>
        <translation>Obnovit synchronizaci této složky</translation>
    </message>
    <message>
        <source>Show Larkspan Drive in the file manager&apos;s context menu</source>
        <comment></comment>
        <translation>Zobrazovat Larkspan Drive v místní nabídce správce souborů</translation>
    </message>
    <message>
        <source>About</source>
        <comment></comment>
        <translation>O aplikaci</translation>
    </message>
    <message>
        <source>Comments</source>
        <comment></comment>
        <translation>Komentáře</translation>
    </message>
    <message>
        <source>The relay service is disabled on the server.</source>
        <comment></comment>
        <translation>Přenosová služba je na serveru zakázána.</translation>
    </message>
    <message>
        <source>Last week</source>
        <comment></comment>
        <translation>Minulý týden</translation>
    </message>
    <message>
        <source>Checking data...</source>
        <comment></comment>
        <translation>Kontrola dat...</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <comment></comment>
        <translation>Synchronizace...</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment></comment>
        <translation>Složka</translation>
    </message>
    <message>
        <source>%1 items</source>
        <comment></comment>
        <translation>Položky: %1</translation>
    </message>
    <message>
        <source>Download</source>
        <comment></comment>
        <translation>Stahování</translation>
    </message>
    <message>
        <source>%1 days ago</source>
        <comment></comment>
        <translation>před %1 dny</translation>
    </message>
    <message>
        <source>Open settings</source>
        <comment></comment>
        <translation>Otevřít nastavení</translation>
    </message>
    <message>
        <source>Unable to get the link to the file.</source>
        <comment></comment>
        <translation>Nelze získat odkaz na soubor.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. %1 will merge its content with the server.</source>
        <comment></comment>
        <translation>Vybraná složka není prázdná. Aplikace %1 sloučí její obsah se serverem.</translation>
    </message>
    <message>
        <source>Reconnect</source>
        <comment></comment>
        <translation>Znovu připojit</translation>
    </message>
    <message>
        <source>Monday</source>
        <comment></comment>
        <translation>pondělí</translation>
    </message>
    <message>
        <source>The shared folder conflicts with an existing sync folder.</source>
        <comment></comment>
        <translation>Sdílená složka je v konfliktu s existující synchronizační složkou.</translation>
    </message>
    <message>
        <source>Sync task from %1 to %2</source>
        <comment></comment>
        <translation>Synchronizační úloha z %1 do %2</translation>
    </message>
    <message>
        <source>Mount point</source>
        <comment></comment>
        <translation>Přípojný bod</translation>
    </message>
    <message>
        <source>Folder not empty</source>
        <comment></comment>
        <translation>Složka není prázdná</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <comment></comment>
        <translation>Odpojování...</translation>
    </message>
    <message>
        <source>Time</source>
        <comment></comment>
        <translation>Čas</translation>
    </message>
    <message>
        <source>%1 does not support the protocol used by this server.</source>
        <comment></comment>
        <translation>Aplikace %1 nepodporuje protokol, který tento server používá.</translation>
    </message>
    <message>
        <source>Folder path</source>
        <comment></comment>
        <translation>Cesta ke složce</translation>
    </message>
    <message>
        <source>February</source>
        <comment></comment>
        <translation>únor</translation>
    </message>
    <message>
        <source>The server&apos;s certificate could not be verified. Syncing is paused.</source>
        <comment></comment>
        <translation>Certifikát serveru nelze ověřit. Synchronizace je pozastavena.</translation>
    </message>
    <message>
        <source>Close the applications that use these files.</source>
        <comment></comment>
        <translation>Zavřete aplikace, které tyto soubory používají.</translation>
    </message>
    <message>
        <source>Automatic connection failed because of a system error.</source>
        <comment></comment>
        <translation>Automatické připojení se nezdařilo kvůli systémové chybě.</translation>
    </message>
    <message>
        <source>Show icons on files that are not synced</source>
        <comment></comment>
        <translation>Zobrazovat ikony u souborů, které se nesynchronizují</translation>
    </message>
    <message>
        <source>Larkspan Drive setup was interrupted. Your system has not been changed.</source>
        <comment></comment>
        <translation>Instalace aplikace Larkspan Drive byla přerušena. Systém nebyl změněn.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has changed.</source>
        <comment></comment>
        <translation>Certifikát serveru se změnil.</translation>
    </message>
    <message>
        <source>Files are stored in your local sync folder, for example /home/user/​LarkspanDrive.</source>
        <comment></comment>
        <translation>Soubory jsou uloženy v místní synchronizační složce, například /home/user/​LarkspanDrive.</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the installation of Larkspan Drive?</source>
        <comment></comment>
        <translation>Opravdu chcete zrušit instalaci aplikace Larkspan Drive?</translation>
    </message>
    <message>
        <source>ID</source>
        <comment></comment>
        <translation>ID</translation>
    </message>
    <message>
        <source>%1 has been downloaded.</source>
        <comment></comment>
        <translation>Soubor %1 byl stažen.</translation>
    </message>
    <message>
        <source>The connection is inactive.</source>
        <comment></comment>
        <translation>Připojení je neaktivní.</translation>
    </message>
    <message>
        <source>Changes in folders on network drives may not be detected right away.</source>
        <comment></comment>
        <translation>Změny ve složkách na síťových jednotkách nemusí být zjištěny okamžitě.</translation>
    </message>
    <message>
        <source>Share</source>
        <comment></comment>
        <translation>Sdílet</translation>
    </message>
    <message>
        <source>%1 encountered an error.</source>
        <comment></comment>
        <translation>V aplikaci %1 došlo k chybě.</translation>
    </message>
    <message>
        <source>First page</source>
        <comment></comment>
        <translation>První stránka</translation>
    </message>
    <message>
        <source>Resume</source>
        <comment></comment>
        <translation>Obnovit</translation>
    </message>
    <message>
        <source>Unable to enable sharing.</source>
        <comment></comment>
        <translation>Sdílení nelze povolit.</translation>
    </message>
    <message>
        <source>The local disk is full. %1 has paused syncing.</source>
        <comment></comment>
        <translation>Místní disk je plný. Aplikace %1 pozastavila synchronizaci.</translation>
    </message>
    <message>
        <source>Custom duration</source>
        <comment></comment>
        <translation>Vlastní doba trvání</translation>
    </message>
    <message>
        <source>Remove this download</source>
        <comment></comment>
        <translation>Odebrat toto stahování</translation>
    </message>
    <message>
        <source>I accept the terms of the License Agreement</source>
        <comment></comment>
        <translation>Souhlasím s podmínkami licenční smlouvy</translation>
    </message>
    <message>
        <source>Select a folder on your computer to sync.</source>
        <comment></comment>
        <translation>Vyberte složku v počítači, kterou chcete synchronizovat.</translation>
    </message>
    <message>
        <source>Action</source>
        <comment></comment>
        <translation>Akce</translation>
    </message>
    <message>
        <source>Sync tasks</source>
        <comment></comment>
        <translation>Synchronizační úlohy</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment></comment>
        <translation>Pozastavit</translation>
    </message>
    <message>
        <source>Click Finish to close the setup wizard.</source>
        <comment></comment>
        <translation>Kliknutím na Dokončit zavřete průvodce instalací.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Larkspan Drive will merge its content with the server.</source>
        <comment></comment>
        <translation>Vybraná složka není prázdná. Aplikace Larkspan Drive sloučí její obsah se serverem.</translation>
    </message>
    <message>
        <source>The disk of the Larkspan is full.</source>
        <comment></comment>
        <translation>Disk serveru Larkspan je plný.</translation>
    </message>
    <message>
        <source>Manage</source>
        <comment></comment>
        <translation>Spravovat</translation>
    </message>
    <message>
        <source>The setup wizard lets you change the way Larkspan Drive is installed, repair it or remove it. Click Next to continue or Cancel to exit.</source>
        <comment></comment>
        <translation>Průvodce instalací umožňuje změnit způsob instalace aplikace Larkspan Drive, opravit ji nebo ji odebrat. Pokračujte kliknutím na Další nebo průvodce ukončete kliknutím na Zrušit.</translation>
    </message>
    <message>
        <source>%1 requested access to %2</source>
        <comment></comment>
        <translation>Uživatel %1 požádal o přístup k položce %2</translation>
    </message>
    <message>
        <source>Connected through the Internet</source>
        <comment></comment>
        <translation>Připojeno přes internet</translation>
    </message>
    <message>
        <source>Sync your files</source>
        <comment></comment>
        <translation>Synchronizujte své soubory</translation>
    </message>
    <message>
        <source>Unable to download this version.</source>
        <comment></comment>
        <translation>Tuto verzi nelze stáhnout.</translation>
    </message>
    <message>
        <source>Larkspan Drive setup ended because of an error. Your system has not been changed.</source>
        <comment></comment>
        <translation>Instalace aplikace Larkspan Drive byla ukončena kvůli chybě. Systém nebyl změněn.</translation>
    </message>
    <message>
        <source>Files shared with you appear in the %1 folder on this computer.</source>
        <comment></comment>
        <translation>Soubory, které s vámi ostatní sdílejí, se zobrazují ve složce %1 v tomto počítači.</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this connection?</source>
        <comment></comment>
        <translation>Opravdu chcete toto připojení odpojit?</translation>
    </message>
    <message>
        <source>Retry</source>
        <comment></comment>
        <translation>Opakovat</translation>
    </message>
    <message>
        <source>The proxy server requires a password</source>
        <comment></comment>
        <translation>Proxy server vyžaduje heslo</translation>
    </message>
    <message>
        <source>Update to the latest version to use selective sync.</source>
        <comment></comment>
        <translation>Chcete-li používat selektivní synchronizaci, aktualizujte na nejnovější verzi.</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again in %1 minutes.</source>
        <comment></comment>
        <translation>Příliš mnoho neúspěšných pokusů. Zkuste to znovu za %1 min.</translation>
    </message>
    <message>
        <source>File name</source>
        <comment></comment>
        <translation>Název souboru</translation>
    </message>
    <message>
        <source>Inactive</source>
        <comment></comment>
        <translation>Neaktivní</translation>
    </message>
    <message>
        <source>You can change these settings at any time in %1.</source>
        <comment></comment>
        <translation>Tato nastavení můžete kdykoli změnit v aplikaci %1.</translation>
    </message>
    <message>
        <source>This version of Larkspan Drive is already installed. Do you want to install it again?</source>
        <comment></comment>
        <translation>Tato verze aplikace Larkspan Drive je již nainstalována. Chcete ji nainstalovat znovu?</translation>
    </message>
    <message>
        <source>The quota of the shared folder is full.</source>
        <comment></comment>
        <translation>Kvóta sdílené složky je vyčerpána.</translation>
    </message>
    <message>
        <source>The shared folder is not mounted.</source>
        <comment></comment>
        <translation>Sdílená složka není připojena.</translation>
    </message>
    <message>
        <source>%1 hours ago</source>
        <comment></comment>
        <translation>před %1 h</translation>
    </message>
    <message>
        <source>Completed the Larkspan Drive Setup Wizard</source>
        <comment></comment>
        <translation>Dokončení Průvodce instalací aplikace Larkspan Drive</translation>
    </message>
    <message>
        <source>January</source>
        <comment></comment>
        <translation>leden</translation>
    </message>
    <message>
        <source>Choose the folders to sync and the sync settings yourself.</source>
        <comment></comment>
        <translation>Sami zvolte složky k synchronizaci a nastavení synchronizace.</translation>
    </message>
    <message>
        <source>The Larkspan has changed. Link it again to continue.</source>
        <comment></comment>
        <translation>Server Larkspan se změnil. Chcete-li pokračovat, propojte jej znovu.</translation>
    </message>
    <message>
        <source>%1 is now syncing your files.</source>
        <comment></comment>
        <translation>Aplikace %1 nyní synchronizuje vaše soubory.</translation>
    </message>
    <message>
        <source>Unable to create a link for this item.</source>
        <comment></comment>
        <translation>Pro tuto položku nelze vytvořit odkaz.</translation>
    </message>
    <message>
        <source>I do not accept the terms of the License Agreement</source>
        <comment></comment>
        <translation>Nesouhlasím s podmínkami licenční smlouvy</translation>
    </message>
    <message>
        <source>Sync</source>
        <comment></comment>
        <translation>Synchronizace</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <comment></comment>
        <translation>Včera</translation>
    </message>
    <message>
        <source>Downloads of previous versions</source>
        <comment></comment>
        <translation>Stažené předchozí verze</translation>
    </message>
    <message>
        <source>Sync history</source>
        <comment></comment>
        <translation>Historie synchronizace</translation>
    </message>
    <message>
        <source>Share link</source>
        <comment></comment>
        <translation>Sdílet odkaz</translation>
    </message>
    <message>
        <source>Repair</source>
        <comment></comment>
        <translation>Opravit</translation>
    </message>
    <message>
        <source>Open the Larkspan in your browser</source>
        <comment></comment>
        <translation>Otevřít server Larkspan v prohlížeči</translation>
    </message>
    <message>
        <source>%1 commented on %2</source>
        <comment></comment>
        <translation>Uživatel %1 okomentoval položku %2</translation>
    </message>
    <message>
        <source>The maximum number of shared items has been reached.</source>
        <comment></comment>
        <translation>Bylo dosaženo maximálního počtu sdílených položek.</translation>
    </message>
    <message>
        <source>Shared</source>
        <comment></comment>
        <translation>Sdíleno</translation>
    </message>
    <message>
        <source>The local disk is full.</source>
        <comment></comment>
        <translation>Místní disk je plný.</translation>
    </message>
    <message>
        <source>Setup interrupted</source>
        <comment></comment>
        <translation>Instalace přerušena</translation>
    </message>
    <message>
        <source>The local sync folder cannot be found.</source>
        <comment></comment>
        <translation>Místní synchronizační složku nelze najít.</translation>
    </message>
    <message>
        <source>Put your files in the sync folder, and they stay up to date on all your devices.</source>
        <comment></comment>
        <translation>Vložte soubory do synchronizační složky a budou aktuální na všech vašich zařízeních.</translation>
    </message>
    <message>
        <source>Expire after</source>
        <comment></comment>
        <translation>Platnost vyprší po</translation>
    </message>
    <message>
        <source>June</source>
        <comment></comment>
        <translation>červen</translation>
    </message>
    <message>
        <source>Select the operation you want to perform.</source>
        <comment></comment>
        <translation>Vyberte operaci, kterou chcete provést.</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <comment></comment>
        <translation>Dočasné soubory</translation>
    </message>
    <message>
        <source>Your quota on the Larkspan is full. Free some space or choose another folder.</source>
        <comment></comment>
        <translation>Vaše kvóta na serveru Larkspan je vyčerpána. Uvolněte místo nebo zvolte jinou složku.</translation>
    </message>
    <message>
        <source>Enter the address and port of the proxy server.</source>
        <comment></comment>
        <translation>Zadejte adresu a port proxy serveru.</translation>
    </message>
    <message>
        <source>Folder on the Larkspan</source>
        <comment></comment>
        <translation>Složka na serveru Larkspan</translation>
    </message>
    <message>
        <source>Renamed on this computer</source>
        <comment></comment>
        <translation>Přejmenováno v tomto počítači</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <comment></comment>
        <translation>Ověření se nezdařilo</translation>
    </message>
    <message>
        <source>Sunday</source>
        <comment></comment>
        <translation>neděle</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <comment></comment>
        <translation>středa</translation>
    </message>
    <message>
        <source>Automatic setup is configured.</source>
        <comment></comment>
        <translation>Automatické nastavení je nakonfigurováno.</translation>
    </message>
    <message>
        <source>New folder on the Larkspan</source>
        <comment></comment>
        <translation>Nová složka na serveru Larkspan</translation>
    </message>
    <message>
        <source>Display</source>
        <comment></comment>
        <translation>Zobrazení</translation>
    </message>
    <message>
        <source>A newer version of %1 is already installed. Setup will now exit.</source>
        <comment></comment>
        <translation>Novější verze aplikace %1 je již nainstalována. Instalační program bude nyní ukončen.</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment></comment>
        <translation>Ano</translation>
    </message>
    <message>
        <source>Local sync folder</source>
        <comment></comment>
        <translation>Místní synchronizační složka</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <comment></comment>
        <translation>Maximální velikost souboru (MB):</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <comment></comment>
        <translation>Připojování...</translation>
    </message>
    <message>
        <source>Access request</source>
        <comment></comment>
        <translation>Žádost o přístup</translation>
    </message>
    <message>
        <source>Larkspan Drive is ready.</source>
        <comment></comment>
        <translation>Aplikace Larkspan Drive je připravena.</translation>
    </message>
    <message>
        <source>Set up</source>
        <comment></comment>
        <translation>Nastavit</translation>
    </message>
    <message>
        <source>Do not sync this folder</source>
        <comment></comment>
        <translation>Nesynchronizovat tuto složku</translation>
    </message>
    <message>
        <source>This server needs a newer version of Larkspan Drive. Upgrade now?</source>
        <comment></comment>
        <translation>Tento server vyžaduje novější verzi aplikace Larkspan Drive. Upgradovat nyní?</translation>
    </message>
    <message>
        <source>Choose a sync folder</source>
        <comment></comment>
        <translation>Zvolte synchronizační složku</translation>
    </message>
    <message>
        <source>Password</source>
        <comment></comment>
        <translation>Heslo</translation>
    </message>
    <message>
        <source>Today</source>
        <comment></comment>
        <translation>Dnes</translation>
    </message>
    <message>
        <source>Your quota on the Larkspan is full.</source>
        <comment></comment>
        <translation>Vaše kvóta na serveru Larkspan je vyčerpána.</translation>
    </message>
    <message>
        <source>Sync and share files across all your devices.</source>
        <comment></comment>
        <translation>Synchronizujte a sdílejte soubory na všech svých zařízeních.</translation>
    </message>
    <message>
        <source>No permission</source>
        <comment></comment>
        <translation>Chybí oprávnění</translation>
    </message>
    <message>
        <source>Destination</source>
        <comment></comment>
        <translation>Cíl</translation>
    </message>
    <message>
        <source>The sync folder is on a volume that is not mounted.</source>
        <comment></comment>
        <translation>Synchronizační složka je na svazku, který není připojen.</translation>
    </message>
    <message>
        <source>Choose a different folder on this computer.</source>
        <comment></comment>
        <translation>Zvolte jinou složku v tomto počítači.</translation>
    </message>
    <message>
        <source>Use a black-and-white tray icon</source>
        <comment></comment>
        <translation>Používat černobílou ikonu v oznamovací oblasti</translation>
    </message>
    <message>
        <source>The verification code is not valid.</source>
        <comment></comment>
        <translation>Ověřovací kód není platný.</translation>
    </message>
    <message>
        <source>No connection is available for this file.</source>
        <comment></comment>
        <translation>Pro tento soubor není k dispozici žádné připojení.</translation>
    </message>
    <message>
        <source>Keep files on the Larkspan when they are deleted from this computer</source>
        <comment></comment>
        <translation>Ponechat soubory na serveru Larkspan, když jsou odstraněny z tohoto počítače</translation>
    </message>
    <message>
        <source>One-way download</source>
        <comment></comment>
        <translation>Jednosměrné stahování</translation>
    </message>
    <message>
        <source>Port:</source>
        <comment></comment>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Last month</source>
        <comment></comment>
        <translation>Minulý měsíc</translation>
    </message>
    <message>
        <source>Version %1.%2.%3, build %4</source>
        <comment></comment>
        <translation>Verze %1.%2.%3, sestavení %4</translation>
    </message>
    <message>
        <source>Your IP address is not allowed to connect.</source>
        <comment></comment>
        <translation>Vaše IP adresa nemá povoleno připojení.</translation>
    </message>
    <message>
        <source>Sync a folder that someone shared with you.</source>
        <comment></comment>
        <translation>Synchronizujte složku, kterou s vámi někdo sdílí.</translation>
    </message>
    <message>
        <source>Filter the sync log</source>
        <comment></comment>
        <translation>Filtrovat protokol synchronizace</translation>
    </message>
    <message>
        <source>You can only read this folder. Changes you make to it are not uploaded.</source>
        <comment></comment>
        <translation>Tuto složku můžete pouze číst. Provedené změny se nenahrají.</translation>
    </message>
    <message>
        <source>Keyword</source>
        <comment></comment>
        <translation>Klíčové slovo</translation>
    </message>
    <message>
        <source>Do not sync files larger than %1 MB</source>
        <comment></comment>
        <translation>Nesynchronizovat soubory větší než %1 MB</translation>
    </message>
    <message>
        <source>Next month</source>
        <comment></comment>
        <translation>Další měsíc</translation>
    </message>
    <message>
        <source>Remote destination</source>
        <comment></comment>
        <translation>Vzdálený cíl</translation>
    </message>
    <message>
        <source>Your account is not allowed to sync this folder.</source>
        <comment></comment>
        <translation>Váš účet nemá oprávnění synchronizovat tuto složku.</translation>
    </message>
    <message>
        <source>Unable to download %1.</source>
        <comment></comment>
        <translation>Nelze stáhnout %1.</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <comment></comment>
        <translation>Pokročilá nastavení</translation>
    </message>
    <message>
        <source>Welcome to %1. Sign in to get started.</source>
        <comment></comment>
        <translation>Vítá vás aplikace %1. Začněte přihlášením.</translation>
    </message>
    <message>
        <source>Welcome to the Larkspan Drive Setup Wizard</source>
        <comment></comment>
        <translation>Vítá vás Průvodce instalací aplikace Larkspan Drive</translation>
    </message>
    <message>
        <source>This computer was linked to a different Larkspan. Link it again to continue.</source>
        <comment></comment>
        <translation>Tento počítač byl propojen s jiným serverem Larkspan. Chcete-li pokračovat, propojte jej znovu.</translation>
    </message>
    <message>
        <source>The shared folder no longer exists.</source>
        <comment></comment>
        <translation>Sdílená složka již neexistuje.</translation>
    </message>
    <message>
        <source>December</source>
        <comment></comment>
        <translation>prosinec</translation>
    </message>
    <message>
        <source>Overview</source>
        <comment></comment>
        <translation>Přehled</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <comment></comment>
        <translation>Použít nastavení proxy systému</translation>
    </message>
    <message>
        <source>No sync history</source>
        <comment></comment>
        <translation>Žádná historie synchronizace</translation>
    </message>
    <message>
        <source>Some files could not be synced. Click to see the details.</source>
        <comment></comment>
        <translation>Některé soubory nelze synchronizovat. Kliknutím zobrazíte podrobnosti.</translation>
    </message>
    <message>
        <source>Setup ended because of an error</source>
        <comment></comment>
        <translation>Instalace byla ukončena kvůli chybě</translation>
    </message>
    <message>
        <source>Drive</source>
        <comment></comment>
        <translation>Drive</translation>
    </message>
    <message>
        <source>October</source>
        <comment></comment>
        <translation>říjen</translation>
    </message>
    <message>
        <source>Your changes have not been saved. Save them now?</source>
        <comment></comment>
        <translation>Změny nebyly uloženy. Uložit je nyní?</translation>
    </message>
    <message>
        <source>This computer is already linked to this Larkspan.</source>
        <comment></comment>
        <translation>Tento počítač je již propojen s tímto serverem Larkspan.</translation>
    </message>
    <message>
        <source>There is not enough space on the local disk for Larkspan Drive.</source>
        <comment></comment>
        <translation>Na místním disku není dostatek místa pro aplikaci Larkspan Drive.</translation>
    </message>
    <message>
        <source>Do not sync files with these names:</source>
        <comment></comment>
        <translation>Nesynchronizovat soubory s těmito názvy:</translation>
    </message>
    <message>
        <source>Available from</source>
        <comment></comment>
        <translation>Dostupné od</translation>
    </message>
    <message>
        <source>Shows the tray icon in black and white to match your desktop theme.</source>
        <comment></comment>
        <translation>Zobrazuje ikonu v oznamovací oblasti černobíle, aby odpovídala motivu plochy.</translation>
    </message>
    <message>
        <source>Status</source>
        <comment></comment>
        <translation>Stav</translation>
    </message>
    <message>
        <source>Sync one of your folders on the Larkspan with this computer.</source>
        <comment></comment>
        <translation>Synchronizujte jednu ze svých složek na serveru Larkspan s tímto počítačem.</translation>
    </message>
    <message>
        <source>Indexing the folder...</source>
        <comment></comment>
        <translation>Indexování složky...</translation>
    </message>
    <message>
        <source>Your user name or password is incorrect.</source>
        <comment></comment>
        <translation>Uživatelské jméno nebo heslo je nesprávné.</translation>
    </message>
    <message>
        <source>You do not have permission to use Larkspan Drive. Ask your administrator.</source>
        <comment></comment>
        <translation>Nemáte oprávnění používat aplikaci Larkspan Drive. Obraťte se na správce.</translation>
    </message>
    <message>
        <source>Try syncing again</source>
        <comment></comment>
        <translation>Zkusit synchronizovat znovu</translation>
    </message>
    <message>
        <source>Filter settings</source>
        <comment></comment>
        <translation>Nastavení filtru</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <comment></comment>
        <translation>Ruční konfigurace proxy</translation>
    </message>
    <message>
        <source>Status:</source>
        <comment></comment>
        <translation>Stav:</translation>
    </message>
    <message>
        <source>July</source>
        <comment></comment>
        <translation>červenec</translation>
    </message>
    <message>
        <source>No</source>
        <comment></comment>
        <translation>Ne</translation>
    </message>
    <message>
        <source>Version not supported</source>
        <comment></comment>
        <translation>Nepodporovaná verze</translation>
    </message>
    <message>
        <source>Sync now</source>
        <comment></comment>
        <translation>Synchronizovat nyní</translation>
    </message>
    <message>
        <source>This folder was synced by another user. Choose another folder.</source>
        <comment></comment>
        <translation>Tuto složku synchronizoval jiný uživatel. Zvolte jinou složku.</translation>
    </message>
    <message>
        <source>Create a KestrinDrive folder in the selected location</source>
        <comment></comment>
        <translation>Vytvořit složku KestrinDrive ve vybraném umístění</translation>
    </message>
    <message>
        <source>You do not have permission to write to this folder. Choose another folder.</source>
        <comment></comment>
        <translation>Nemáte oprávnění k zápisu do této složky. Zvolte jinou složku.</translation>
    </message>
    <message>
        <source>This folder is read-only. Changes are not synced to %1.</source>
        <comment></comment>
        <translation>Tato složka je jen pro čtení. Změny se nesynchronizují s aplikací %1.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment></comment>
        <translation>%1 až %2</translation>
    </message>
    <message>
        <source>Got it</source>
        <comment></comment>
        <translation>Rozumím</translation>
    </message>
    <message>
        <source>Welcome to Larkspan Drive</source>
        <comment></comment>
        <translation>Vítá vás aplikace Larkspan Drive</translation>
    </message>
    <message>
        <source>Network settings</source>
        <comment></comment>
        <translation>Nastavení sítě</translation>
    </message>
    <message>
        <source>The setup wizard is ready to begin the repair.</source>
        <comment></comment>
        <translation>Průvodce instalací je připraven zahájit opravu.</translation>
    </message>
    <message>
        <source>This client version is not supported by the server. Upgrade to continue syncing.</source>
        <comment></comment>
        <translation>Server tuto verzi klienta nepodporuje. Chcete-li pokračovat v synchronizaci, proveďte upgrade.</translation>
    </message>
    <message>
        <source>Size</source>
        <comment></comment>
        <translation>Velikost</translation>
    </message>
    <message>
        <source>The server version is too old. Ask your administrator to upgrade it.</source>
        <comment></comment>
        <translation>Verze serveru je příliš stará. Požádejte správce o upgrade serveru.</translation>
    </message>
    <message>
        <source>Everyone with the link can view and edit the files.</source>
        <comment></comment>
        <translation>Soubory může zobrazit a upravit každý, kdo má odkaz.</translation>
    </message>
    <message>
        <source>Edit</source>
        <comment></comment>
        <translation>Upravit</translation>
    </message>
    <message>
        <source>Signed-in users can view and edit the files.</source>
        <comment></comment>
        <translation>Přihlášení uživatelé mohou soubory zobrazit a upravit.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <comment></comment>
        <translation>Zakázáno</translation>
    </message>
    <message>
        <source>Change, repair or remove the installation.</source>
        <comment></comment>
        <translation>Změnit, opravit nebo odebrat instalaci.</translation>
    </message>
    <message>
        <source>Just now</source>
        <comment></comment>
        <translation>Právě teď</translation>
    </message>
    <message>
        <source>New sync folder</source>
        <comment></comment>
        <translation>Nová synchronizační složka</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <comment></comment>
        <translation>Sdílení povoleno</translation>
    </message>
    <message>
        <source>Sync error</source>
        <comment></comment>
        <translation>Chyba synchronizace</translation>
    </message>
    <message>
        <source>Merge mode</source>
        <comment></comment>
        <translation>Režim sloučení</translation>
    </message>
    <message>
        <source>Connection information</source>
        <comment></comment>
        <translation>Informace o připojení</translation>
    </message>
    <message>
        <source>Remove Larkspan Drive</source>
        <comment></comment>
        <translation>Odebrat aplikaci Larkspan Drive</translation>
    </message>
    <message>
        <source>Next %1 pages</source>
        <comment></comment>
        <translation>Další stránky (%1)</translation>
    </message>
    <message>
        <source>Show sync status</source>
        <comment></comment>
        <translation>Zobrazit stav synchronizace</translation>
    </message>
    <message>
        <source>My files</source>
        <comment></comment>
        <translation>Moje soubory</translation>
    </message>
    <message>
        <source>Create a sync task</source>
        <comment></comment>
        <translation>Vytvořit synchronizační úlohu</translation>
    </message>
    <message>
        <source>Create a LarkspanDrive folder in the selected location</source>
        <comment></comment>
        <translation>Vytvořit složku LarkspanDrive ve vybraném umístění</translation>
    </message>
    <message>
        <source>Skipped file names</source>
        <comment></comment>
        <translation>Přeskakované názvy souborů</translation>
    </message>
    <message>
        <source>The %1 ID is not valid.</source>
        <comment></comment>
        <translation>ID %1 není platné.</translation>
    </message>
    <message>
        <source>Expire on</source>
        <comment></comment>
        <translation>Platnost vyprší dne</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <comment></comment>
        <translation>Probíhá upgrade...</translation>
    </message>
    <message>
        <source>Start now</source>
        <comment></comment>
        <translation>Spustit nyní</translation>
    </message>
    <message>
        <source>Standby</source>
        <comment></comment>
        <translation>Pohotovostní režim</translation>
    </message>
    <message>
        <source>Progress</source>
        <comment></comment>
        <translation>Průběh</translation>
    </message>
    <message>
        <source>%1 changes detected</source>
        <comment></comment>
        <translation>Zjištěné změny: %1</translation>
    </message>
    <message>
        <source>Only download changes from the Larkspan; local changes are not uploaded.</source>
        <comment></comment>
        <translation>Pouze stahovat změny ze serveru Larkspan; místní změny se nenahrávají.</translation>
    </message>
    <message>
        <source>A database error occurred.</source>
        <comment></comment>
        <translation>Došlo k chybě databáze.</translation>
    </message>
    <message>
        <source>Enter the address of your Larkspan and your account.</source>
        <comment></comment>
        <translation>Zadejte adresu serveru Larkspan a údaje svého účtu.</translation>
    </message>
    <message>
        <source>On-demand sync</source>
        <comment></comment>
        <translation>Synchronizace na vyžádání</translation>
    </message>
    <message>
        <source>New sync task</source>
        <comment></comment>
        <translation>Nová synchronizační úloha</translation>
    </message>
    <message>
        <source>Upload</source>
        <comment></comment>
        <translation>Nahrávání</translation>
    </message>
    <message>
        <source>Restrict access</source>
        <comment></comment>
        <translation>Omezit přístup</translation>
    </message>
    <message>
        <source>Select the folders to sync</source>
        <comment></comment>
        <translation>Vyberte složky k synchronizaci</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <comment></comment>
        <translation>Vyberte složku</translation>
    </message>
    <message>
        <source>Setup mode</source>
        <comment></comment>
        <translation>Režim nastavení</translation>
    </message>
    <message>
        <source>Download only</source>
        <comment></comment>
        <translation>Pouze stahování</translation>
    </message>
    <message>
        <source>General</source>
        <comment></comment>
        <translation>Obecné</translation>
    </message>
    <message>
        <source>Saturday</source>
        <comment></comment>
        <translation>sobota</translation>
    </message>
    <message>
        <source>Larkspan Drive works with a Larkspan server from Kestrin.</source>
        <comment></comment>
        <translation>Aplikace Larkspan Drive funguje se serverem Larkspan od společnosti Kestrin.</translation>
    </message>
    <message>
        <source>Unable to connect to the Larkspan.</source>
        <comment></comment>
        <translation>Nelze se připojit k serveru Larkspan.</translation>
    </message>
    <message>
        <source>Connected through a relay</source>
        <comment></comment>
        <translation>Připojeno přes přenosový server</translation>
    </message>
    <message>
        <source>Larkspan Drive is initializing...</source>
        <comment></comment>
        <translation>Inicializace aplikace Larkspan Drive...</translation>
    </message>
    <message>
        <source>Automatic setup failed. Set up Larkspan Drive manually.</source>
        <comment></comment>
        <translation>Automatické nastavení se nezdařilo. Nastavte aplikaci Larkspan Drive ručně.</translation>
    </message>
    <message>
        <source>Local destination</source>
        <comment></comment>
        <translation>Místní cíl</translation>
    </message>
    <message>
        <source>This folder is read-only. Changes are not synced to Larkspan Drive.</source>
        <comment></comment>
        <translation>Tato složka je jen pro čtení. Změny se nesynchronizují s aplikací Larkspan Drive.</translation>
    </message>
    <message>
        <source>Ignore</source>
        <comment></comment>
        <translation>Ignorovat</translation>
    </message>
    <message>
        <source>All events</source>
        <comment></comment>
        <translation>Všechny události</translation>
    </message>
    <message>
        <source>Sharing</source>
        <comment></comment>
        <translation>Sdílení</translation>
    </message>
    <message>
        <source>Click Remove to remove Larkspan Drive from your computer.</source>
        <comment></comment>
        <translation>Kliknutím na Odebrat odeberete aplikaci Larkspan Drive z počítače.</translation>
    </message>
    <message>
        <source>This folder is already part of another sync task.</source>
        <comment></comment>
        <translation>Tato složka je již součástí jiné synchronizační úlohy.</translation>
    </message>
    <message>
        <source>A network error occurred. Check your connection and try again.</source>
        <comment></comment>
        <translation>Došlo k chybě sítě. Zkontrolujte připojení a zkuste to znovu.</translation>
    </message>
    <message>
        <source>Finish</source>
        <comment></comment>
        <translation>Dokončit</translation>
    </message>
    <message>
        <source>Enter a port number from %1 to %2.</source>
        <comment></comment>
        <translation>Zadejte číslo portu od %1 do %2.</translation>
    </message>
    <message>
        <source>More information</source>
        <comment></comment>
        <translation>Další informace</translation>
    </message>
    <message>
        <source>This folder is already synced.</source>
        <comment></comment>
        <translation>Tato složka se již synchronizuje.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <comment></comment>
        <translation>Přístup odepřen.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <comment></comment>
        <translation>Došlo k neznámé chybě.</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change your settings.</source>
        <comment></comment>
        <translation>Kliknutím na Nainstalovat zahájíte instalaci. Chcete-li zkontrolovat nebo změnit nastavení, klikněte na Zpět.</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <comment></comment>
        <translation>Obousměrná synchronizace</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <comment></comment>
        <translation>Stahování %1...</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <comment></comment>
        <translation>Použití nastavení...</translation>
    </message>
    <message>
        <source>Switch Larkspan</source>
        <comment></comment>
        <translation>Přepnout server Larkspan</translation>
    </message>
    <message>
        <source>The file or folder does not exist.</source>
        <comment></comment>
        <translation>Soubor nebo složka neexistuje.</translation>
    </message>
    <message>
        <source>Next</source>
        <comment></comment>
        <translation>Další</translation>
    </message>
    <message>
        <source>Change folder</source>
        <comment></comment>
        <translation>Změnit složku</translation>
    </message>
    <message>
        <source>April</source>
        <comment></comment>
        <translation>duben</translation>
    </message>
    <message>
        <source>The new language takes effect after Larkspan Drive restarts.</source>
        <comment></comment>
        <translation>Nový jazyk se projeví po restartování aplikace Larkspan Drive.</translation>
    </message>
    <message>
        <source>Choose another</source>
        <comment></comment>
        <translation>Zvolit jiný</translation>
    </message>
    <message>
        <source>Invalid argument.</source>
        <comment></comment>
        <translation>Neplatný argument.</translation>
    </message>
    <message>
        <source>Syncing %1 files</source>
        <comment></comment>
        <translation>Synchronizace souborů: %1</translation>
    </message>
    <message>
        <source>Sharing links is not enabled on the Larkspan.</source>
        <comment></comment>
        <translation>Sdílení odkazů není na serveru Larkspan povoleno.</translation>
    </message>
    <message>
        <source>Recently updated files</source>
        <comment></comment>
        <translation>Nedávno aktualizované soubory</translation>
    </message>
    <message>
        <source>Security warning</source>
        <comment></comment>
        <translation>Upozornění zabezpečení</translation>
    </message>
    <message>
        <source>The following applications use files that setup needs to update. Close them and click Retry, or click Ignore to continue anyway.</source>
        <comment></comment>
        <translation>Následující aplikace používají soubory, které musí instalační program aktualizovat. Zavřete je a klikněte na Opakovat, nebo klikněte na Ignorovat a pokračujte i tak.</translation>
    </message>
    <message>
        <source>Reach your files anywhere</source>
        <comment></comment>
        <translation>Přistupujte ke svým souborům odkudkoli</translation>
    </message>
    <message>
        <source>Print</source>
        <comment></comment>
        <translation>Tisk</translation>
    </message>
    <message>
        <source>Create a new folder to sync.</source>
        <comment></comment>
        <translation>Vytvořte novou složku k synchronizaci.</translation>
    </message>
    <message>
        <source>The certificate of %1 has changed. Do you trust the new certificate?</source>
        <comment></comment>
        <translation>Certifikát serveru %1 se změnil. Důvěřujete novému certifikátu?</translation>
    </message>
    <message>
        <source>Larkspan Drive</source>
        <comment></comment>
        <translation>Larkspan Drive</translation>
    </message>
    <message>
        <source>Rename</source>
        <comment></comment>
        <translation>Přejmenování</translation>
    </message>
    <message>
        <source>Folder already synced</source>
        <comment></comment>
        <translation>Složka se již synchronizuje</translation>
    </message>
    <message>
        <source>Do not sync these folders</source>
        <comment></comment>
        <translation>Nesynchronizovat tyto složky</translation>
    </message>
    <message>
        <source>Folders that others share with you</source>
        <comment></comment>
        <translation>Složky, které s vámi sdílejí ostatní</translation>
    </message>
    <message>
        <source>Repair Larkspan Drive</source>
        <comment></comment>
        <translation>Opravit aplikaci Larkspan Drive</translation>
    </message>
    <message>
        <source>Sync log category</source>
        <comment></comment>
        <translation>Kategorie protokolu synchronizace</translation>
    </message>
    <message>
        <source>Close these applications before setup continues:</source>
        <comment></comment>
        <translation>Před pokračováním instalace zavřete tyto aplikace:</translation>
    </message>
    <message>
        <source>Add</source>
        <comment></comment>
        <translation>Přidat</translation>
    </message>
    <message>
        <source>No options available</source>
        <comment></comment>
        <translation>Žádné možnosti nejsou k dispozici</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of Larkspan Drive.</source>
        <comment></comment>
        <translation>Kliknutím na Opravit opravíte instalaci aplikace Larkspan Drive.</translation>
    </message>
    <message>
        <source>The sync direction does not match your permission on the folder.</source>
        <comment></comment>
        <translation>Směr synchronizace neodpovídá vašemu oprávnění ke složce.</translation>
    </message>
    <message>
        <source>You have chosen to remove the program from your computer.</source>
        <comment></comment>
        <translation>Zvolili jste odebrání programu z počítače.</translation>
    </message>
    <message>
        <source>You are ready to use Larkspan Drive.</source>
        <comment></comment>
        <translation>Nyní můžete začít používat aplikaci Larkspan Drive.</translation>
    </message>
    <message>
        <source>Edit connection</source>
        <comment></comment>
        <translation>Upravit připojení</translation>
    </message>
    <message>
        <source>Upgrade to version %1</source>
        <comment></comment>
        <translation>Upgradovat na verzi %1</translation>
    </message>
    <message>
        <source>A newer version of Larkspan Drive is already installed. Setup will now exit.</source>
        <comment></comment>
        <translation>Novější verze aplikace Larkspan Drive je již nainstalována. Instalační program bude nyní ukončen.</translation>
    </message>
    <message>
        <source>Larkspan Drive is now syncing your files.</source>
        <comment></comment>
        <translation>Aplikace Larkspan Drive nyní synchronizuje vaše soubory.</translation>
    </message>
    <message>
        <source>%1 files updated</source>
        <comment></comment>
        <translation>Aktualizované soubory: %1</translation>
    </message>
    <message>
        <source>Enter a user name.</source>
        <comment></comment>
        <translation>Zadejte uživatelské jméno.</translation>
    </message>
    <message>
        <source>There is not enough space on the local disk for %1.</source>
        <comment></comment>
        <translation>Na místním disku není dostatek místa pro aplikaci %1.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <comment></comment>
        <translation>Předvolby</translation>
    </message>
    <message>
        <source>Files shared with you appear in the Larkspan Drive folder on this computer.</source>
        <comment></comment>
        <translation>Soubory, které s vámi ostatní sdílejí, se zobrazují ve složce Larkspan Drive v tomto počítači.</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <comment></comment>
        <translation>Ne, děkuji</translation>
    </message>
    <message>
        <source>Public</source>
        <comment></comment>
        <translation>Veřejné</translation>
    </message>
    <message>
        <source>Setup is complete.</source>
        <comment></comment>
        <translation>Nastavení je dokončeno.</translation>
    </message>
    <message>
        <source>Open containing folder</source>
        <comment></comment>
        <translation>Otevřít nadřazenou složku</translation>
    </message>
    <message>
        <source>Removes Larkspan Drive from your computer.</source>
        <comment></comment>
        <translation>Odebere aplikaci Larkspan Drive z počítače.</translation>
    </message>
    <message>
        <source>Show the Larkspan Drive tutorial</source>
        <comment></comment>
        <translation>Zobrazit výukového průvodce aplikací Larkspan Drive</translation>
    </message>
    <message>
        <source>Previous month</source>
        <comment></comment>
        <translation>Předchozí měsíc</translation>
    </message>
    <message>
        <source>Shared folders</source>
        <comment></comment>
        <translation>Sdílené složky</translation>
    </message>
    <message>
        <source>Created</source>
        <comment></comment>
        <translation>Vytvořeno</translation>
    </message>
    <message>
        <source>Files you change on one device are updated on the others.</source>
        <comment></comment>
        <translation>Soubory, které změníte v jednom zařízení, se aktualizují i v ostatních.</translation>
    </message>
    <message>
        <source>September</source>
        <comment></comment>
        <translation>září</translation>
    </message>
    <message>
        <source>Click Remove to continue, or Back to review your choice.</source>
        <comment></comment>
        <translation>Pokračujte kliknutím na Odebrat nebo se kliknutím na Zpět vraťte a zkontrolujte svou volbu.</translation>
    </message>
    <message>
        <source>Back</source>
        <comment></comment>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Folder name</source>
        <comment></comment>
        <translation>Název složky</translation>
    </message>
    <message>
        <source>Setup is complete. Larkspan Drive now keeps your files in sync.</source>
        <comment></comment>
        <translation>Nastavení je dokončeno. Aplikace Larkspan Drive nyní synchronizuje vaše soubory.</translation>
    </message>
    <message>
        <source>May</source>
        <comment></comment>
        <translation>květen</translation>
    </message>
    <message>
        <source>Connected through the local network</source>
        <comment></comment>
        <translation>Připojeno přes místní síť</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully.</source>
        <comment></comment>
        <translation>Pečlivě si přečtěte následující licenční smlouvu.</translation>
    </message>
    <message>
        <source>Keep the most recently modified file</source>
        <comment></comment>
        <translation>Zachovat naposledy změněný soubor</translation>
    </message>
    <message>
        <source>%1 mentioned you in %2</source>
        <comment></comment>
        <translation>Uživatel %1 vás zmínil v položce %2</translation>
    </message>
    <message>
        <source>Access to the selected folder was denied.</source>
        <comment></comment>
        <translation>Přístup k vybrané složce byl odepřen.</translation>
    </message>
    <message>
        <source>Disk full</source>
        <comment></comment>
        <translation>Disk je plný</translation>
    </message>
    <message>
        <source>Signed-in users</source>
        <comment></comment>
        <translation>Přihlášení uživatelé</translation>
    </message>
    <message>
        <source>Tutorial that introduces the main features of Larkspan Drive</source>
        <comment></comment>
        <translation>Výukový průvodce hlavními funkcemi aplikace Larkspan Drive</translation>
    </message>
    <message>
        <source>Checking your password...</source>
        <comment></comment>
        <translation>Kontrola hesla...</translation>
    </message>
    <message>
        <source>All files are up to date.</source>
        <comment></comment>
        <translation>Všechny soubory jsou aktuální.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <comment></comment>
        <translation>Jen pro čtení</translation>
    </message>
    <message>
        <source>Your password has expired.</source>
        <comment></comment>
        <translation>Platnost vašeho hesla vypršela.</translation>
    </message>
    <message>
        <source>Calendar</source>
        <comment></comment>
        <translation>Kalendář</translation>
    </message>
    <message>
        <source>Replace the file on this computer with the copy on the server</source>
        <comment></comment>
        <translation>Nahradit soubor v tomto počítači kopií ze serveru</translation>
    </message>
    <message>
        <source>Do not close the applications. A restart will be required.</source>
        <comment></comment>
        <translation>Nezavírat aplikace. Bude nutné restartovat počítač.</translation>
    </message>
    <message>
        <source>November</source>
        <comment></comment>
        <translation>listopad</translation>
    </message>
    <message>
        <source>Find a Larkspan on your local network</source>
        <comment></comment>
        <translation>Najít server Larkspan v místní síti</translation>
    </message>
    <message>
        <source>File name:</source>
        <comment></comment>
        <translation>Název souboru:</translation>
    </message>
    <message>
        <source>Add file name</source>
        <comment></comment>
        <translation>Přidat název souboru</translation>
    </message>
    <message>
        <source>Sync your home folder on the Larkspan with a folder on this computer, using the recommended settings.</source>
        <comment></comment>
        <translation>Synchronizujte svou domovskou složku na serveru Larkspan se složkou v tomto počítači pomocí doporučeného nastavení.</translation>
    </message>
    <message>
        <source>Skip files whose names begin with a dot</source>
        <comment></comment>
        <translation>Přeskakovat soubory, jejichž názvy začínají tečkou</translation>
    </message>
    <message>
        <source>Setup was cancelled.</source>
        <comment></comment>
        <translation>Instalace byla zrušena.</translation>
    </message>
    <message>
        <source>Name</source>
        <comment></comment>
        <translation>Název</translation>
    </message>
    <message>
        <source>Encrypt data transfers (SSL)</source>
        <comment></comment>
        <translation>Šifrovat přenosy dat (SSL)</translation>
    </message>
    <message>
        <source>File type</source>
        <comment></comment>
        <translation>Typ souboru</translation>
    </message>
    <message>
        <source>Your quota on the Larkspan is full. Syncing is paused.</source>
        <comment></comment>
        <translation>Vaše kvóta na serveru Larkspan je vyčerpána. Synchronizace je pozastavena.</translation>
    </message>
    <message>
        <source>Share name</source>
        <comment></comment>
        <translation>Název sdílené složky</translation>
    </message>
    <message>
        <source>Setup is not running as an administrator, so Larkspan Drive will be installed for the current user only. Continue?</source>
        <comment></comment>
        <translation>Instalační program není spuštěn jako správce, proto bude aplikace Larkspan Drive nainstalována pouze pro aktuálního uživatele. Pokračovat?</translation>
    </message>
    <message>
        <source>Close the tutorial</source>
        <comment></comment>
        <translation>Zavřít výukového průvodce</translation>
    </message>
    <message>
        <source>About Larkspan Drive</source>
        <comment></comment>
        <translation>O aplikaci Larkspan Drive</translation>
    </message>
    <message>
        <source>Apply and copy link</source>
        <comment></comment>
        <translation>Použít a zkopírovat odkaz</translation>
    </message>
    <message>
        <source>Password:</source>
        <comment></comment>
        <translation>Heslo:</translation>
    </message>
    <message>
        <source>Computer name</source>
        <comment></comment>
        <translation>Název počítače</translation>
    </message>
    <message>
        <source>Synced on all devices</source>
        <comment></comment>
        <translation>Synchronizováno na všech zařízeních</translation>
    </message>
    <message>
        <source>Currently syncing: %1</source>
        <comment></comment>
        <translation>Právě se synchronizuje: %1</translation>
    </message>
    <message>
        <source>Apply to all subfolders</source>
        <comment></comment>
        <translation>Použít na všechny podsložky</translation>
    </message>
    <message>
        <source>Files that match these rules are not synced.</source>
        <comment></comment>
        <translation>Soubory, které odpovídají těmto pravidlům, se nesynchronizují.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected shared items?</source>
        <comment></comment>
        <translation>Opravdu chcete odstranit vybrané sdílené položky?</translation>
    </message>
    <message>
        <source>IP address</source>
        <comment></comment>
        <translation>IP adresa</translation>
    </message>
    <message>
        <source>Your files are now syncing.</source>
        <comment></comment>
        <translation>Vaše soubory se nyní synchronizují.</translation>
    </message>
    <message>
        <source>Some of the entries are not valid.</source>
        <comment></comment>
        <translation>Některé položky nejsou platné.</translation>
    </message>
    <message>
        <source>A system error occurred while checking the folder.</source>
        <comment></comment>
        <translation>Při kontrole složky došlo k systémové chybě.</translation>
    </message>
    <message>
        <source>Unlink this sync task? Files that are already synced stay on this computer.</source>
        <comment></comment>
        <translation>Odpojit tuto synchronizační úlohu? Již synchronizované soubory zůstanou v tomto počítači.</translation>
    </message>
    <message>
        <source>The sign-in test failed. Check the user name and password.</source>
        <comment></comment>
        <translation>Test přihlášení se nezdařil. Zkontrolujte uživatelské jméno a heslo.</translation>
    </message>
    <message>
        <source>Turning off sharing removes all existing links. Continue?</source>
        <comment></comment>
        <translation>Vypnutím sdílení odeberete všechny existující odkazy. Pokračovat?</translation>
    </message>
    <message>
        <source>Test connection</source>
        <comment></comment>
        <translation>Otestovat připojení</translation>
    </message>
    <message>
        <source>Install</source>
        <comment></comment>
        <translation>Nainstalovat</translation>
    </message>
    <message>
        <source>Advanced setup</source>
        <comment></comment>
        <translation>Pokročilé nastavení</translation>
    </message>
    <message>
        <source>Click Repair to continue, or Back to review your choice.</source>
        <comment></comment>
        <translation>Pokračujte kliknutím na Opravit nebo se kliknutím na Zpět vraťte a zkontrolujte svou volbu.</translation>
    </message>
    <message>
        <source>Installing the program files...</source>
        <comment></comment>
        <translation>Instalace souborů programu...</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app</source>
        <comment></comment>
        <translation>Zadejte ověřovací kód z ověřovací aplikace</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <comment></comment>
        <translation>Přesto pokračovat</translation>
    </message>
    <message>
        <source>March</source>
        <comment></comment>
        <translation>březen</translation>
    </message>
    <message>
        <source>You can change these settings at any time in Larkspan Drive.</source>
        <comment></comment>
        <translation>Tato nastavení můžete kdykoli změnit v aplikaci Larkspan Drive.</translation>
    </message>
    <message>
        <source>Proxy settings</source>
        <comment></comment>
        <translation>Nastavení proxy</translation>
    </message>
    <message>
        <source>Remove the installation</source>
        <comment></comment>
        <translation>Odebrat instalaci</translation>
    </message>
    <message>
        <source>Send to %1</source>
        <comment></comment>
        <translation>Odeslat do %1</translation>
    </message>
    <message>
        <source>Synchronization mode</source>
        <comment></comment>
        <translation>Režim synchronizace</translation>
    </message>
    <message>
        <source>Refresh the sync log</source>
        <comment></comment>
        <translation>Aktualizovat protokol synchronizace</translation>
    </message>
    <message>
        <source>The content of both folders is merged. Nothing is deleted.</source>
        <comment></comment>
        <translation>Obsah obou složek se sloučí. Nic se neodstraní.</translation>
    </message>
    <message>
        <source>This version of %1 is already installed. Do you want to install it again?</source>
        <comment></comment>
        <translation>Tato verze aplikace %1 je již nainstalována. Chcete ji nainstalovat znovu?</translation>
    </message>
    <message>
        <source>When the tray icon is double-clicked</source>
        <comment></comment>
        <translation>Při poklepání na ikonu v oznamovací oblasti</translation>
    </message>
    <message>
        <source>Open the web portal to reach your files from any browser.</source>
        <comment></comment>
        <translation>Otevřete webový portál a přistupujte ke svým souborům z libovolného prohlížeče.</translation>
    </message>
    <message>
        <source>Click Finish to close the setup wizard and start using Larkspan Drive.</source>
        <comment></comment>
        <translation>Kliknutím na Dokončit zavřete průvodce instalací a můžete začít používat aplikaci Larkspan Drive.</translation>
    </message>
    <message>
        <source>There are no changes to apply.</source>
        <comment></comment>
        <translation>Nejsou žádné změny k použití.</translation>
    </message>
    <message>
        <source>Network error.</source>
        <comment></comment>
        <translation>Chyba sítě.</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <comment></comment>
        <translation>Příprava...</translation>
    </message>
    <message>
        <source>More tutorials</source>
        <comment></comment>
        <translation>Další výukoví průvodci</translation>
    </message>
    <message>
        <source>Read-only folder</source>
        <comment></comment>
        <translation>Složka jen pro čtení</translation>
    </message>
    <message>
        <source>Previous %1 pages</source>
        <comment></comment>
        <translation>Předchozí stránky (%1)</translation>
    </message>
    <message>
        <source>Start the tour</source>
        <comment></comment>
        <translation>Zahájit prohlídku</translation>
    </message>
    <message>
        <source>IP address details</source>
        <comment></comment>
        <translation>Podrobnosti o IP adrese</translation>
    </message>
    <message>
        <source>From</source>
        <comment></comment>
        <translation>Od</translation>
    </message>
    <message>
        <source>Welcome to Larkspan Drive. Sign in to get started.</source>
        <comment></comment>
        <translation>Vítá vás aplikace Larkspan Drive. Začněte přihlášením.</translation>
    </message>
    <message>
        <source>Sync problem</source>
        <comment></comment>
        <translation>Problém se synchronizací</translation>
    </message>
    <message>
        <source>Local usage</source>
        <comment></comment>
        <translation>Místní využití</translation>
    </message>
    <message>
        <source>Enable on-demand sync</source>
        <comment></comment>
        <translation>Povolit synchronizaci na vyžádání</translation>
    </message>
    <message>
        <source>Larkspan Drive has been installed.</source>
        <comment></comment>
        <translation>Aplikace Larkspan Drive byla nainstalována.</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <comment></comment>
        <translation>Odpojeno</translation>
    </message>
    <message>
        <source>Locked</source>
        <comment></comment>
        <translation>Uzamčeno</translation>
    </message>
    <message>
        <source>Change sync folder</source>
        <comment></comment>
        <translation>Změnit synchronizační složku</translation>
    </message>
    <message>
        <source>Setup has finished.</source>
        <comment></comment>
        <translation>Instalace byla dokončena.</translation>
    </message>
    <message>
        <source>%1 shared %2 with you</source>
        <comment></comment>
        <translation>Uživatel %1 s vámi sdílí položku %2</translation>
    </message>
    <message>
        <source>Not found</source>
        <comment></comment>
        <translation>Nenalezeno</translation>
    </message>
    <message>
        <source>Reset</source>
        <comment></comment>
        <translation>Obnovit výchozí</translation>
    </message>
    <message>
        <source>Installing the features you selected.</source>
        <comment></comment>
        <translation>Instalace vybraných funkcí.</translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <comment></comment>
        <translation>Je vyžadován ověřovací kód.</translation>
    </message>
    <message>
        <source>%1 keeps the files on your Larkspan and your computers in sync.</source>
        <comment></comment>
        <translation>Aplikace %1 udržuje soubory na vašem serveru Larkspan a ve vašich počítačích synchronizované.</translation>
    </message>
    <message>
        <source>There is not enough space on the disk of this computer.</source>
        <comment></comment>
        <translation>Na disku tohoto počítače není dostatek místa.</translation>
    </message>
    <message>
        <source>Connection type</source>
        <comment></comment>
        <translation>Typ připojení</translation>
    </message>
    <message>
        <source>Show the %1 tutorial</source>
        <comment></comment>
        <translation>Zobrazit výukového průvodce aplikací %1</translation>
    </message>
    <message>
        <source>You can also invite people to folders you own.</source>
        <comment></comment>
        <translation>Do složek, které vlastníte, můžete také pozvat další osoby.</translation>
    </message>
    <message>
        <source>%1 could not be upgraded.</source>
        <comment></comment>
        <translation>Aplikaci %1 nelze upgradovat.</translation>
    </message>
    <message>
        <source>%1 works with a Larkspan server from Kestrin.</source>
        <comment></comment>
        <translation>Aplikace %1 funguje se serverem Larkspan od společnosti Kestrin.</translation>
    </message>
    <message>
        <source>Welcome</source>
        <comment></comment>
        <translation>Vítejte</translation>
    </message>
    <message>
        <source>Custom range</source>
        <comment></comment>
        <translation>Vlastní rozsah</translation>
    </message>
    <message>
        <source>Sync %1 to this computer?</source>
        <comment></comment>
        <translation>Synchronizovat %1 do tohoto počítače?</translation>
    </message>
    <message>
        <source>Quick setup</source>
        <comment></comment>
        <translation>Rychlé nastavení</translation>
    </message>
    <message>
        <source>Download history</source>
        <comment></comment>
        <translation>Historie stahování</translation>
    </message>
    <message>
        <source>Use a relay connection when a direct connection is not possible</source>
        <comment></comment>
        <translation>Použít připojení přes přenosový server, když přímé připojení není možné</translation>
    </message>
    <message>
        <source>Folders you clear are removed from this computer but kept on the Larkspan.</source>
        <comment></comment>
        <translation>Složky, u kterých zrušíte výběr, se odeberou z tohoto počítače, ale zůstanou na serveru Larkspan.</translation>
    </message>
    <message>
        <source>Link</source>
        <comment></comment>
        <translation>Odkaz</translation>
    </message>
    <message>
        <source>Address:</source>
        <comment></comment>
        <translation>Adresa:</translation>
    </message>
    <message>
        <source>Download complete.</source>
        <comment></comment>
        <translation>Stahování bylo dokončeno.</translation>
    </message>
    <message>
        <source>Setup has all the information it needs to start copying the program files.</source>
        <comment></comment>
        <translation>Instalační program má všechny informace potřebné k zahájení kopírování souborů programu.</translation>
    </message>
    <message>
        <source>Sync activity</source>
        <comment></comment>
        <translation>Aktivita synchronizace</translation>
    </message>
    <message>
        <source>Downloading</source>
        <comment></comment>
        <translation>Stahování</translation>
    </message>
    <message>
        <source>This wizard installs Larkspan Drive on your computer.</source>
        <comment></comment>
        <translation>Tento průvodce nainstaluje aplikaci Larkspan Drive do počítače.</translation>
    </message>
    <message>
        <source>To</source>
        <comment></comment>
        <translation>Do</translation>
    </message>
    <message>
        <source>The server&apos;s certificate could not be verified. Connect anyway?</source>
        <comment></comment>
        <translation>Certifikát serveru nelze ověřit. Přesto se připojit?</translation>
    </message>
    <message>
        <source>Larkspan Drive is running.</source>
        <comment></comment>
        <translation>Aplikace Larkspan Drive je spuštěna.</translation>
    </message>
    <message>
        <source>%1 has shared a new item with you.</source>
        <comment></comment>
        <translation>Uživatel %1 s vámi sdílí novou položku.</translation>
    </message>
    <message>
        <source>A conflict occurred.</source>
        <comment></comment>
        <translation>Došlo ke konfliktu.</translation>
    </message>
    <message>
        <source>The selected folder is a mount point. Choose a folder on a local disk.</source>
        <comment></comment>
        <translation>Vybraná složka je přípojný bod. Zvolte složku na místním disku.</translation>
    </message>
    <message>
        <source>Encryption</source>
        <comment></comment>
        <translation>Šifrování</translation>
    </message>
    <message>
        <source>Changes you make in your sync folder are synced with the Larkspan.</source>
        <comment></comment>
        <translation>Změny, které provedete v synchronizační složce, se synchronizují se serverem Larkspan.</translation>
    </message>
    <message>
        <source>Please wait while the setup wizard installs Larkspan Drive. This may take several minutes.</source>
        <comment></comment>
        <translation>Počkejte, než průvodce instalací nainstaluje aplikaci Larkspan Drive. Může to trvat několik minut.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has changed since your last connection. Continue?</source>
        <comment></comment>
        <translation>Certifikát serveru se od posledního připojení změnil. Pokračovat?</translation>
    </message>
    <message>
        <source>%1 is ready.</source>
        <comment></comment>
        <translation>Aplikace %1 je připravena.</translation>
    </message>
    <message>
        <source>Search</source>
        <comment></comment>
        <translation>Hledat</translation>
    </message>
    <message>
        <source>Link a new Larkspan</source>
        <comment></comment>
        <translation>Propojit nový server Larkspan</translation>
    </message>
    <message>
        <source>Certificate verification failed.</source>
        <comment></comment>
        <translation>Ověření certifikátu se nezdařilo.</translation>
    </message>
    <message>
        <source>Starting Larkspan Drive...</source>
        <comment></comment>
        <translation>Spouštění aplikace Larkspan Drive...</translation>
    </message>
    <message>
        <source>On-demand sync could not be enabled.</source>
        <comment></comment>
        <translation>Synchronizaci na vyžádání nelze povolit.</translation>
    </message>
    <message>
        <source>Setup complete</source>
        <comment></comment>
        <translation>Nastavení dokončeno</translation>
    </message>
    <message>
        <source>Your administrator requires two-step verification for your account.</source>
        <comment></comment>
        <translation>Správce vyžaduje pro váš účet dvoustupňové ověření.</translation>
    </message>
    <message>
        <source>Start %1 when I sign in</source>
        <comment></comment>
        <translation>Spouštět aplikaci %1 po přihlášení</translation>
    </message>
    <message>
        <source>The selected folder is already synced by another task.</source>
        <comment></comment>
        <translation>Vybraná složka se již synchronizuje jinou úlohou.</translation>
    </message>
    <message>
        <source>File</source>
        <comment></comment>
        <translation>Soubor</translation>
    </message>
    <message>
        <source>Recently changed</source>
        <comment></comment>
        <translation>Nedávno změněné</translation>
    </message>
</context>
</TS>
