<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Enabled</source>
        <comment></comment>
        <translation>Engedélyezve</translation>
    </message>
    <message>
        <source>Larkspan Drive has no optional features to change.</source>
        <comment></comment>
        <translation>A Larkspan Drive nem tartalmaz módosítható választható szolgáltatásokat.</translation>
    </message>
    <message>
        <source>Merge</source>
        <comment></comment>
        <translation>Egyesítés</translation>
    </message>
    <message>
        <source>Open folder</source>
        <comment></comment>
        <translation>Mappa megnyitása</translation>
    </message>
    <message>
        <source>Sync folder on this computer</source>
        <comment></comment>
        <translation>Szinkronizálási mappa ezen a számítógépen</translation>
    </message>
    <message>
        <source>Tutorial that introduces the main features of %1</source>
        <comment></comment>
        <translation>Bemutató, amely ismerteti a(z) %1 fő funkcióit</translation>
    </message>
    <message>
        <source>Renamed on the Larkspan</source>
        <comment></comment>
        <translation>Átnevezve a Larkspanon</translation>
    </message>
    <message>
        <source>Friday</source>
        <comment></comment>
        <translation>Péntek</translation>
    </message>
    <message>
        <source>Thursday</source>
        <comment></comment>
        <translation>Csütörtök</translation>
    </message>
    <message>
        <source>The setup wizard is ready to begin the installation.</source>
        <comment></comment>
        <translation>A telepítővarázsló készen áll a telepítés megkezdésére.</translation>
    </message>
    <message>
        <source>Select the files to sync</source>
        <comment></comment>
        <translation>Válassza ki a szinkronizálandó fájlokat</translation>
    </message>
    <message>
        <source>Loading...</source>
        <comment></comment>
        <translation>Betöltés...</translation>
    </message>
    <message>
        <source>Sync direction</source>
        <comment></comment>
        <translation>Szinkronizálás iránya</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <comment></comment>
        <translation>Új verzió érhető el. Kattintson ide a frissítéshez.</translation>
    </message>
    <message>
        <source>Ready to install Larkspan Drive</source>
        <comment></comment>
        <translation>Készen áll a Larkspan Drive telepítésére</translation>
    </message>
    <message>
        <source>User name</source>
        <comment></comment>
        <translation>Felhasználónév</translation>
    </message>
    <message>
        <source>File sharing is not available over a relay connection.</source>
        <comment></comment>
        <translation>A fájlmegosztás közvetítő kapcsolaton keresztül nem érhető el.</translation>
    </message>
    <message>
        <source>Last page</source>
        <comment></comment>
        <translation>Utolsó oldal</translation>
    </message>
    <message>
        <source>One-way upload</source>
        <comment></comment>
        <translation>Egyirányú feltöltés</translation>
    </message>
    <message>
        <source>Setup is complete. %1 now keeps your files in sync.</source>
        <comment></comment>
        <translation>A beállítás befejeződött. Mostantól a(z) %1 szinkronban tartja a fájljait.</translation>
    </message>
    <message>
        <source>System default</source>
        <comment></comment>
        <translation>Rendszer alapértelmezése</translation>
    </message>
    <message>
        <source>A sync folder named %1 already exists. Choose another name.</source>
        <comment></comment>
        <translation>Már létezik %1 nevű szinkronizálási mappa. Válasszon másik nevet.</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment></comment>
        <translation>Kilépés</translation>
    </message>
    <message>
        <source>Choose the display language</source>
        <comment></comment>
        <translation>Megjelenítési nyelv kiválasztása</translation>
    </message>
    <message>
        <source>The Larkspan Drive service is disabled on this Larkspan. Ask your administrator to enable it.</source>
        <comment></comment>
        <translation>A Larkspan Drive szolgáltatás le van tiltva ezen a Larkspanon. Kérje meg a rendszergazdát, hogy engedélyezze.</translation>
    </message>
    <message>
        <source>Search for Larkspan servers on the local network</source>
        <comment></comment>
        <translation>Larkspan kiszolgálók keresése a helyi hálózaton</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <comment></comment>
        <translation>és még %1</translation>
    </message>
    <message>
        <source>Connected</source>
        <comment></comment>
        <translation>Csatlakozva</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <comment></comment>
        <translation>Kedd</translation>
    </message>
    <message>
        <source>Read the following license agreement and accept it to continue.</source>
        <comment></comment>
        <translation>Olvassa el az alábbi licencszerződést, és a folytatáshoz fogadja el.</translation>
    </message>
    <message>
        <source>Help</source>
        <comment></comment>
        <translation>Súgó</translation>
    </message>
    <message>
        <source>Launch Larkspan Drive now</source>
        <comment></comment>
        <translation>A Larkspan Drive indítása most</translation>
    </message>
    <message>
        <source>User name:</source>
        <comment></comment>
        <translation>Felhasználónév:</translation>
    </message>
    <message>
        <source>Finishing the automatic setup...</source>
        <comment></comment>
        <translation>Az automatikus beállítás befejezése...</translation>
    </message>
    <message>
        <source>Summary</source>
        <comment></comment>
        <translation>Összegzés</translation>
    </message>
    <message>
        <source>Selective sync mode</source>
        <comment></comment>
        <translation>Szelektív szinkronizálási mód</translation>
    </message>
    <message>
        <source>Notifications</source>
        <comment></comment>
        <translation>Értesítések</translation>
    </message>
    <message>
        <source>Choose a folder on the Larkspan and a folder on this computer to keep in sync.</source>
        <comment></comment>
        <translation>Válasszon egy mappát a Larkspanon és egy mappát ezen a számítógépen, amelyeket szinkronban szeretne tartani.</translation>
    </message>
    <message>
        <source>Files whose names match these patterns are not synced. Use * as a wildcard, for example *.tmp.</source>
        <comment></comment>
        <translation>A mintáknak megfelelő nevű fájlok nem lesznek szinkronizálva. Helyettesítő karakterként a * használható, például: *.tmp.</translation>
    </message>
    <message>
        <source>OK</source>
        <comment></comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Everyone with the link can view the files.</source>
        <comment></comment>
        <translation>A hivatkozás birtokában bárki megtekintheti a fájlokat.</translation>
    </message>
    <message>
        <source>Set sync folder</source>
        <comment></comment>
        <translation>Szinkronizálási mappa beállítása</translation>
    </message>
    <message>
        <source>Unlink</source>
        <comment></comment>
        <translation>Leválasztás</translation>
    </message>
    <message>
        <source>Value</source>
        <comment></comment>
        <translation>Érték</translation>
    </message>
    <message>
        <source>Selective sync</source>
        <comment></comment>
        <translation>Szelektív szinkronizálás</translation>
    </message>
    <message>
        <source>Continue</source>
        <comment></comment>
        <translation>Folytatás</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <comment></comment>
        <translation>Az inicializálás sikertelen.</translation>
    </message>
    <message>
        <source>Share files with others</source>
        <comment></comment>
        <translation>Fájlok megosztása másokkal</translation>
    </message>
    <message>
        <source>Open Larkspan Drive</source>
        <comment></comment>
        <translation>Larkspan Drive megnyitása</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment></comment>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>Change which features of Larkspan Drive are installed</source>
        <comment></comment>
        <translation>A Larkspan Drive telepített szolgáltatásainak módosítása</translation>
    </message>
    <message>
        <source>Unable to get the user information.</source>
        <comment></comment>
        <translation>Nem sikerült lekérni a felhasználói adatokat.</translation>
    </message>
    <message>
        <source>Status information</source>
        <comment></comment>
        <translation>Állapotinformáció</translation>
    </message>
    <message>
        <source>The setup wizard will install Larkspan Drive on your computer. Click Next to continue or Cancel to exit.</source>
        <comment></comment>
        <translation>A telepítővarázsló telepíti a Larkspan Drive-ot a számítógépére. A folytatáshoz kattintson a Tovább, a kilépéshez a Mégse gombra.</translation>
    </message>
    <message>
        <source>Show sync status icons on files and folders</source>
        <comment></comment>
        <translation>Szinkronizálási állapotikonok megjelenítése a fájlokon és mappákon</translation>
    </message>
    <message>
        <source>Change</source>
        <comment></comment>
        <translation>Módosítás</translation>
    </message>
    <message>
        <source>Cancel setup</source>
        <comment></comment>
        <translation>Telepítés megszakítása</translation>
    </message>
    <message>
        <source>No proxy</source>
        <comment></comment>
        <translation>Nincs proxy</translation>
    </message>
    <message>
        <source>The client could not be upgraded. Please try again later.</source>
        <comment></comment>
        <translation>Nem sikerült frissíteni a klienst. Próbálja újra később.</translation>
    </message>
    <message>
        <source>Apply</source>
        <comment></comment>
        <translation>Alkalmaz</translation>
    </message>
    <message>
        <source>Files in use</source>
        <comment></comment>
        <translation>Használatban lévő fájlok</translation>
    </message>
    <message>
        <source>Service disabled</source>
        <comment></comment>
        <translation>Szolgáltatás letiltva</translation>
    </message>
    <message>
        <source>Reading the connection settings...</source>
        <comment></comment>
        <translation>Kapcsolatbeállítások beolvasása...</translation>
    </message>
    <message>
        <source>Mentioned you</source>
        <comment></comment>
        <translation>Megemlítette Önt</translation>
    </message>
    <message>
        <source>Updating...</source>
        <comment></comment>
        <translation>Frissítés...</translation>
    </message>
    <message>
        <source>Language</source>
        <comment></comment>
        <translation>Nyelv</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <comment></comment>
        <translation>Gratulálunk!</translation>
    </message>
    <message>
        <source>Enable sharing</source>
        <comment></comment>
        <translation>Megosztás engedélyezése</translation>
    </message>
    <message>
        <source>The home folder service is not enabled for your account. Ask your administrator to enable it.</source>
        <comment></comment>
        <translation>A saját mappa szolgáltatás nincs engedélyezve a fiókjához. Kérje meg a rendszergazdát, hogy engedélyezze.</translation>
    </message>
    <message>
        <source>August</source>
        <comment></comment>
        <translation>Augusztus</translation>
    </message>
    <message>
        <source>Read and write</source>
        <comment></comment>
        <translation>Olvasás és írás</translation>
    </message>
    <message>
        <source>Remove</source>
        <comment></comment>
        <translation>Eltávolítás</translation>
    </message>
    <message>
        <source>Larkspan Drive notification</source>
        <comment></comment>
        <translation>Larkspan Drive értesítés</translation>
    </message>
    <message>
        <source>Open in the web portal</source>
        <comment></comment>
        <translation>Megnyitás a webportálon</translation>
    </message>
    <message>
        <source>The selected sync folder is not valid. Choose another folder.</source>
        <comment></comment>
        <translation>A kiválasztott szinkronizálási mappa érvénytelen. Válasszon másik mappát.</translation>
    </message>
    <message>
        <source>This field cannot be left blank.</source>
        <comment></comment>
        <translation>Ez a mező nem maradhat üresen.</translation>
    </message>
    <message>
        <source>Start Larkspan Drive when I sign in</source>
        <comment></comment>
        <translation>A Larkspan Drive indítása bejelentkezéskor</translation>
    </message>
    <message>
        <source>Some files that need to be updated are currently in use.</source>
        <comment></comment>
        <translation>Néhány frissítendő fájl jelenleg használatban van.</translation>
    </message>
    <message>
        <source>File extensions:</source>
        <comment></comment>
        <translation>Fájlkiterjesztések:</translation>
    </message>
    <message>
        <source>Shared with me</source>
        <comment></comment>
        <translation>Velem megosztott</translation>
    </message>
    <message>
        <source>Stop downloading this version</source>
        <comment></comment>
        <translation>E verzió letöltésének leállítása</translation>
    </message>
    <message>
        <source>Browse previous versions</source>
        <comment></comment>
        <translation>Korábbi verziók böngészése</translation>
    </message>
    <message>
        <source>Unable to create the local folder %1.</source>
        <comment></comment>
        <translation>Nem sikerült létrehozni a(z) %1 helyi mappát.</translation>
    </message>
    <message>
        <source>Information</source>
        <comment></comment>
        <translation>Információ</translation>
    </message>
    <message>
        <source>%1 is running.</source>
        <comment></comment>
        <translation>A(z) %1 fut.</translation>
    </message>
    <message>
        <source>Larkspan Drive keeps the files on your Larkspan and your computers in sync.</source>
        <comment></comment>
        <translation>A Larkspan Drive szinkronban tartja a Larkspanon és a számítógépein lévő fájlokat.</translation>
    </message>
    <message>
        <source>Do not show this message again</source>
        <comment></comment>
        <translation>Ne jelenjen meg többé ez az üzenet</translation>
    </message>
    <message>
        <source>Open the web portal</source>
        <comment></comment>
        <translation>A webportál megnyitása</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <comment></comment>
        <translation>Frissítés</translation>
    </message>
    <message>
        <source>Done</source>
        <comment></comment>
        <translation>Kész</translation>
    </message>
    <message>
        <source>Choose how to finish the setup:</source>
        <comment></comment>
        <translation>Válassza ki, hogyan szeretné befejezni a beállítást:</translation>
    </message>
    <message>
        <source>When a file exists on both sides, both are kept and the local copy is renamed as a conflict file.</source>
        <comment></comment>
        <translation>Ha egy fájl mindkét oldalon létezik, mindkettő megmarad, és a helyi példány ütközési fájlként új nevet kap.</translation>
    </message>
    <message>
        <source>Only the users and groups you choose can open the files.</source>
        <comment></comment>
        <translation>Csak az Ön által kiválasztott felhasználók és csoportok nyithatják meg a fájlokat.</translation>
    </message>
    <message>
        <source>Invite people</source>
        <comment></comment>
        <translation>Személyek meghívása</translation>
    </message>
    <message>
        <source>This computer</source>
        <comment></comment>
        <translation>Ez a számítógép</translation>
    </message>
    <message>
        <source>New shared item</source>
        <comment></comment>
        <translation>Új megosztott elem</translation>
    </message>
    <message>
        <source>Uploading</source>
        <comment></comment>
        <translation>Feltöltés</translation>
    </message>
    <message>
        <source>Automatic connection is not allowed by the server settings.</source>
        <comment></comment>
        <translation>A kiszolgáló beállításai nem engedélyezik az automatikus csatlakozást.</translation>
    </message>
    <message>
        <source>Restricted</source>
        <comment></comment>
        <translation>Korlátozott</translation>
    </message>
    <message>
        <source>Proxy</source>
        <comment></comment>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Keep both files and add the computer name to the local copy</source>
        <comment></comment>
        <translation>Mindkét fájl megtartása, és a számítógép nevének hozzáadása a helyi példányhoz</translation>
    </message>
    <message>
        <source>Close the applications automatically and try to restart them afterwards.</source>
        <comment></comment>
        <translation>Az alkalmazások automatikus bezárása, majd újraindításuk megkísérlése.</translation>
    </message>
    <message>
        <source>This version of the client is too old. Upgrade Larkspan Drive to the latest version.</source>
        <comment></comment>
        <translation>A kliens ezen verziója túl régi. Frissítse a Larkspan Drive-ot a legújabb verzióra.</translation>
    </message>
    <message>
        <source>Users and groups</source>
        <comment></comment>
        <translation>Felhasználók és csoportok</translation>
    </message>
    <message>
        <source>Right-click a file in your sync folder and choose Share link to share it with anyone.</source>
        <comment></comment>
        <translation>Kattintson a jobb gombbal egy fájlra a szinkronizálási mappában, és válassza a Hivatkozás megosztása parancsot, hogy bárkivel megoszthassa.</translation>
    </message>
    <message>
        <source>Link permission</source>
        <comment></comment>
        <translation>Hivatkozás jogosultsága</translation>
    </message>
    <message>
        <source>The server&apos;s SSL certificate could not be verified.</source>
        <comment></comment>
        <translation>Nem sikerült ellenőrizni a kiszolgáló SSL-tanúsítványát.</translation>
    </message>
    <message>
        <source>Repairs the most recent installation by restoring missing or damaged files and shortcuts.</source>
        <comment></comment>
        <translation>Kijavítja a legutóbbi telepítést a hiányzó vagy sérült fájlok és parancsikonok helyreállításával.</translation>
    </message>
    <message>
        <source>Sync mode</source>
        <comment></comment>
        <translation>Szinkronizálási mód</translation>
    </message>
    <message>
        <source>No previous versions are available for this file.</source>
        <comment></comment>
        <translation>Ehhez a fájlhoz nem érhetők el korábbi verziók.</translation>
    </message>
    <message>
        <source>The remote folder is not mounted.</source>
        <comment></comment>
        <translation>A távoli mappa nincs csatlakoztatva.</translation>
    </message>
    <message>
        <source>Type</source>
        <comment></comment>
        <translation>Típus</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <comment></comment>
        <translation>Végfelhasználói licencszerződés</translation>
    </message>
    <message>
        <source>Expire after a number of visits</source>
        <comment></comment>
        <translation>Lejárat adott számú megtekintés után</translation>
    </message>
    <message>
        <source>Signed-in users can view the files.</source>
        <comment></comment>
        <translation>A bejelentkezett felhasználók megtekinthetik a fájlokat.</translation>
    </message>
    <message>
        <source>The Larkspan Drive ID is not valid.</source>
        <comment></comment>
        <translation>A Larkspan Drive-azonosító érvénytelen.</translation>
    </message>
    <message>
        <source>Change, repair or remove the installation</source>
        <comment></comment>
        <translation>A telepítés módosítása, javítása vagy eltávolítása</translation>
    </message>
    <message>
        <source>Connection unstable</source>
        <comment></comment>
        <translation>Instabil kapcsolat</translation>
    </message>
    <message>
        <source>Date</source>
        <comment></comment>
        <translation>Dátum</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <comment></comment>
        <translation>Legfeljebb %1 karaktert adjon meg.</translation>
    </message>
    <message>
        <source>This computer was linked to a different server. Link %1 again to continue.</source>
        <comment></comment>
        <translation>Ez a számítógép egy másik kiszolgálóhoz volt társítva. A folytatáshoz társítsa újra a(z) %1 alkalmazást.</translation>
    </message>
    <message>
        <source>No valid folder is selected.</source>
        <comment></comment>
        <translation>Nincs kiválasztva érvényes mappa.</translation>
    </message>
    <message>
        <source>Version mismatch</source>
        <comment></comment>
        <translation>Verzióeltérés</translation>
    </message>
    <message>
        <source>No data</source>
        <comment></comment>
        <translation>Nincs adat</translation>
    </message>
    <message>
        <source>Setup was interrupted by an error.</source>
        <comment></comment>
        <translation>A telepítés hiba miatt megszakadt.</translation>
    </message>
    <message>
        <source>Open file</source>
        <comment></comment>
        <translation>Fájl megnyitása</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment></comment>
        <translation>Törlés</translation>
    </message>
    <message>
        <source>A new version is available. Click to update to %1.</source>
        <comment></comment>
        <translation>Új verzió érhető el. Kattintson ide a frissítéshez: %1.</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment></comment>
        <translation>Beállítások</translation>
    </message>
    <message>
        <source>Unable to delete the shared item.</source>
        <comment></comment>
        <translation>Nem sikerült törölni a megosztott elemet.</translation>
    </message>
    <message>
        <source>Error</source>
        <comment></comment>
        <translation>Hiba</translation>
    </message>
    <message>
        <source>Unable to list the versions of this file.</source>
        <comment></comment>
        <translation>Nem sikerült lekérni a fájl verzióinak listáját.</translation>
    </message>
    <message>
        <source>%1 minutes ago</source>
        <comment></comment>
        <translation>%1 perce</translation>
    </message>
    <message>
        <source>Larkspan Drive encountered an error.</source>
        <comment></comment>
        <translation>A Larkspan Drive hibába ütközött.</translation>
    </message>
    <message>
        <source>Resume syncing these folders</source>
        <comment></comment>
        <translation>E mappák szinkronizálásának folytatása</translation>
    </message>
    <message>
        <source>Add folder</source>
        <comment></comment>
        <translation>Mappa hozzáadása</translation>
    </message>
    <message>
        <source>Lets you change the way the features are installed.</source>
        <comment></comment>
        <translation>Lehetővé teszi a szolgáltatások telepítési módjának módosítását.</translation>
    </message>
    <message>
        <source>Choose how you want to set up Larkspan Drive.</source>
        <comment></comment>
        <translation>Válassza ki, hogyan szeretné beállítani a Larkspan Drive-ot.</translation>
    </message>
    <message>
        <source>Repair the installation</source>
        <comment></comment>
        <translation>A telepítés javítása</translation>
    </message>
    <message>
        <source>When a file was changed on both sides:</source>
        <comment></comment>
        <translation>Ha egy fájl mindkét oldalon módosult:</translation>
    </message>
    <message>
        <source>Later</source>
        <comment></comment>
        <translation>Később</translation>
    </message>
    <message>
        <source>The folder %1 already exists. Do you want to merge the two folders?</source>
        <comment></comment>
        <translation>A(z) %1 mappa már létezik. Egyesíti a két mappát?</translation>
    </message>
    <message>
        <source>New shared item received</source>
        <comment></comment>
        <translation>Új megosztott elem érkezett</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <comment></comment>
        <translation>Asztali értesítések megjelenítése</translation>
    </message>
    <message>
        <source>Larkspan Drive does not support the protocol used by this server.</source>
        <comment></comment>
        <translation>A Larkspan Drive nem támogatja a kiszolgáló által használt protokollt.</translation>
    </message>
    <message>
        <source>The local disk is full. Larkspan Drive has paused syncing.</source>
        <comment></comment>
        <translation>A helyi lemez megtelt. A Larkspan Drive szüneteltette a szinkronizálást.</translation>
    </message>
    <message>
        <source>No shared items</source>
        <comment></comment>
        <translation>Nincsenek megosztott elemek</translation>
    </message>
    <message>
        <source>Authentication failed. Check your user name and password.</source>
        <comment></comment>
        <translation>A hitelesítés sikertelen. Ellenőrizze a felhasználónevet és a jelszót.</translation>
    </message>
    <message>
        <source>Choose the folders to keep in sync.</source>
        <comment></comment>
        <translation>Válassza ki a szinkronban tartandó mappákat.</translation>
    </message>
    <message>
        <source>Paused</source>
        <comment></comment>
        <translation>Szüneteltetve</translation>
    </message>
    <message>
        <source>%1 is initializing...</source>
        <comment></comment>
        <translation>A(z) %1 inicializálása...</translation>
    </message>
    <message>
        <source>Up to date</source>
        <comment></comment>
        <translation>Naprakész</translation>
    </message>
    <message>
        <source>Download cancelled.</source>
        <comment></comment>
        <translation>A letöltés megszakítva.</translation>
    </message>
    <message>
        <source>Larkspan Drive could not be upgraded.</source>
        <comment></comment>
        <translation>Nem sikerült frissíteni a Larkspan Drive-ot.</translation>
    </message>
    <message>
        <source>Your files, everywhere.</source>
        <comment></comment>
        <translation>Az Ön fájljai, mindenhol.</translation>
    </message>
    <message>
        <source>Sync the files that other users share with you.</source>
        <comment></comment>
        <translation>Szinkronizálja azokat a fájlokat, amelyeket más felhasználók megosztanak Önnel.</translation>
    </message>
    <message>
        <source>Change, repair or remove Larkspan Drive.</source>
        <comment></comment>
        <translation>A Larkspan Drive módosítása, javítása vagy eltávolítása.</translation>
    </message>
    <message>
        <source>Installing Larkspan Drive</source>
        <comment></comment>
        <translation>A Larkspan Drive telepítése</translation>
    </message>
    <message>
        <source>Keep both files and rename the conflicting one</source>
        <comment></comment>
        <translation>Mindkét fájl megtartása, az ütköző fájl átnevezésével</translation>
    </message>
    <message>
        <source>The server version is not supported. Ask your administrator to upgrade the server.</source>
        <comment></comment>
        <translation>A kiszolgáló verziója nem támogatott. Kérje meg a rendszergazdát, hogy frissítse a kiszolgálót.</translation>
    </message>
    <message>
        <source>Version</source>
        <comment></comment>
        <translation>Verzió</translation>
    </message>
    <message>
        <source>Resume syncing this folder</source>
        <comment></comment>
        <translation>A mappa szinkronizálásának folytatása</translation>
    </message>
    <message>
        <source>Show Larkspan Drive in the file manager&apos;s context menu</source>
        <comment></comment>
        <translation>A Larkspan Drive megjelenítése a fájlkezelő helyi menüjében</translation>
    </message>
    <message>
        <source>About</source>
        <comment></comment>
        <translation>Névjegy</translation>
    </message>
    <message>
        <source>Comments</source>
        <comment></comment>
        <translation>Megjegyzések</translation>
    </message>
    <message>
        <source>The relay service is disabled on the server.</source>
        <comment></comment>
        <translation>A közvetítő szolgáltatás le van tiltva a kiszolgálón.</translation>
    </message>
    <message>
        <source>Last week</source>
        <comment></comment>
        <translation>Múlt hét</translation>
    </message>
    <message>
        <source>Checking data...</source>
        <comment></comment>
        <translation>Adatok ellenőrzése...</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <comment></comment>
        <translation>Szinkronizálás...</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment></comment>
        <translation>Mappa</translation>
    </message>
    <message>
        <source>%1 items</source>
        <comment></comment>
        <translation>%1 elem</translation>
    </message>
    <message>
        <source>Download</source>
        <comment></comment>
        <translation>Letöltés</translation>
    </message>
    <message>
        <source>%1 days ago</source>
        <comment></comment>
        <translation>%1 napja</translation>
    </message>
    <message>
        <source>Open settings</source>
        <comment></comment>
        <translation>Beállítások megnyitása</translation>
    </message>
    <message>
        <source>Unable to get the link to the file.</source>
        <comment></comment>
        <translation>Nem sikerült lekérni a fájl hivatkozását.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. %1 will merge its content with the server.</source>
        <comment></comment>
        <translation>A kiválasztott mappa nem üres. A(z) %1 egyesíti a tartalmát a kiszolgálón lévő tartalommal.</translation>
    </message>
    <message>
        <source>Reconnect</source>
        <comment></comment>
        <translation>Újracsatlakozás</translation>
    </message>
    <message>
        <source>Monday</source>
        <comment></comment>
        <translation>Hétfő</translation>
    </message>
    <message>
        <source>The shared folder conflicts with an existing sync folder.</source>
        <comment></comment>
        <translation>A megosztott mappa ütközik egy meglévő szinkronizálási mappával.</translation>
    </message>
    <message>
        <source>Sync task from %1 to %2</source>
        <comment></comment>
        <translation>Szinkronizálási feladat innen: %1, ide: %2</translation>
    </message>
    <message>
        <source>Mount point</source>
        <comment></comment>
        <translation>Csatlakoztatási pont</translation>
    </message>
    <message>
        <source>Folder not empty</source>
        <comment></comment>
        <translation>A mappa nem üres</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <comment></comment>
        <translation>Leválasztás...</translation>
    </message>
    <message>
        <source>Time</source>
        <comment></comment>
        <translation>Idő</translation>
    </message>
    <message>
        <source>%1 does not support the protocol used by this server.</source>
        <comment></comment>
        <translation>A(z) %1 nem támogatja a kiszolgáló által használt protokollt.</translation>
    </message>
    <message>
        <source>Folder path</source>
        <comment></comment>
        <translation>Mappa elérési útja</translation>
    </message>
    <message>
        <source>February</source>
        <comment></comment>
        <translation>Február</translation>
    </message>
    <message>
        <source>The server&apos;s certificate could not be verified. Syncing is paused.</source>
        <comment></comment>
        <translation>Nem sikerült ellenőrizni a kiszolgáló tanúsítványát. A szinkronizálás szünetel.</translation>
    </message>
    <message>
        <source>Close the applications that use these files.</source>
        <comment></comment>
        <translation>Zárja be a fájlokat használó alkalmazásokat.</translation>
    </message>
    <message>
        <source>Automatic connection failed because of a system error.</source>
        <comment></comment>
        <translation>Az automatikus csatlakozás rendszerhiba miatt sikertelen.</translation>
    </message>
    <message>
        <source>Show icons on files that are not synced</source>
        <comment></comment>
        <translation>Ikonok megjelenítése a nem szinkronizált fájlokon</translation>
    </message>
    <message>
        <source>Larkspan Drive setup was interrupted. Your system has not been changed.</source>
        <comment></comment>
        <translation>A Larkspan Drive telepítése megszakadt. A rendszer nem módosult.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has changed.</source>
        <comment></comment>
        <translation>A kiszolgáló tanúsítványa megváltozott.</translation>
    </message>
    <message>
        <source>Files are stored in your local sync folder, for example /home/user/​LarkspanDrive.</source>
        <comment></comment>
        <translation>A fájlok a helyi szinkronizálási mappában tárolódnak, például: /home/user/​LarkspanDrive.</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the installation of Larkspan Drive?</source>
        <comment></comment>
        <translation>Biztosan megszakítja a Larkspan Drive telepítését?</translation>
    </message>
    <message>
        <source>ID</source>
        <comment></comment>
        <translation>Azonosító</translation>
    </message>
    <message>
        <source>%1 has been downloaded.</source>
        <comment></comment>
        <translation>A(z) %1 letöltése befejeződött.</translation>
    </message>
    <message>
        <source>The connection is inactive.</source>
        <comment></comment>
        <translation>A kapcsolat inaktív.</translation>
    </message>
    <message>
        <source>Changes in folders on network drives may not be detected right away.</source>
        <comment></comment>
        <translation>A hálózati meghajtókon lévő mappák változásai nem feltétlenül észlelhetők azonnal.</translation>
    </message>
    <message>
        <source>Share</source>
        <comment></comment>
        <translation>Megosztás</translation>
    </message>
    <message>
        <source>%1 encountered an error.</source>
        <comment></comment>
        <translation>A(z) %1 hibába ütközött.</translation>
    </message>
    <message>
        <source>First page</source>
        <comment></comment>
        <translation>Első oldal</translation>
    </message>
    <message>
        <source>Resume</source>
        <comment></comment>
        <translation>Folytatás</translation>
    </message>
    <message>
        <source>Unable to enable sharing.</source>
        <comment></comment>
        <translation>Nem sikerült engedélyezni a megosztást.</translation>
    </message>
    <message>
        <source>The local disk is full. %1 has paused syncing.</source>
        <comment></comment>
        <translation>A helyi lemez megtelt. A(z) %1 szüneteltette a szinkronizálást.</translation>
    </message>
    <message>
        <source>Custom duration</source>
        <comment></comment>
        <translation>Egyéni időtartam</translation>
    </message>
    <message>
        <source>Remove this download</source>
        <comment></comment>
        <translation>A letöltés eltávolítása</translation>
    </message>
    <message>
        <source>I accept the terms of the License Agreement</source>
        <comment></comment>
        <translation>Elfogadom a licencszerződés feltételeit</translation>
    </message>
    <message>
        <source>Select a folder on your computer to sync.</source>
        <comment></comment>
        <translation>Válassza ki a szinkronizálandó mappát a számítógépén.</translation>
    </message>
    <message>
        <source>Action</source>
        <comment></comment>
        <translation>Művelet</translation>
    </message>
    <message>
        <source>Sync tasks</source>
        <comment></comment>
        <translation>Szinkronizálási feladatok</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment></comment>
        <translation>Szüneteltetés</translation>
    </message>
    <message>
        <source>Click Finish to close the setup wizard.</source>
        <comment></comment>
        <translation>A telepítővarázsló bezárásához kattintson a Befejezés gombra.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Larkspan Drive will merge its content with the server.</source>
        <comment></comment>
        <translation>A kiválasztott mappa nem üres. A Larkspan Drive egyesíti a tartalmát a kiszolgálón lévő tartalommal.</translation>
    </message>
    <message>
        <source>The disk of the Larkspan is full.</source>
        <comment></comment>
        <translation>A Larkspan lemeze megtelt.</translation>
    </message>
    <message>
        <source>Manage</source>
        <comment></comment>
        <translation>Kezelés</translation>
    </message>
    <message>
        <source>The setup wizard lets you change the way Larkspan Drive is installed, repair it or remove it. Click Next to continue or Cancel to exit.</source>
        <comment></comment>
        <translation>A telepítővarázslóval módosíthatja a Larkspan Drive telepítési módját, kijavíthatja vagy eltávolíthatja a programot. A folytatáshoz kattintson a Tovább, a kilépéshez a Mégse gombra.</translation>
    </message>
    <message>
        <source>%1 requested access to %2</source>
        <comment></comment>
        <translation>%1 hozzáférést kért a következőhöz: %2</translation>
    </message>
    <message>
        <source>Connected through the Internet</source>
        <comment></comment>
        <translation>Csatlakozva az interneten keresztül</translation>
    </message>
    <message>
        <source>Sync your files</source>
        <comment></comment>
        <translation>Szinkronizálja a fájljait</translation>
    </message>
    <message>
        <source>Unable to download this version.</source>
        <comment></comment>
        <translation>Nem sikerült letölteni ezt a verziót.</translation>
    </message>
    <message>
        <source>Larkspan Drive setup ended because of an error. Your system has not been changed.</source>
        <comment></comment>
        <translation>A Larkspan Drive telepítése hiba miatt leállt. A rendszer nem módosult.</translation>
    </message>
    <message>
        <source>Files shared with you appear in the %1 folder on this computer.</source>
        <comment></comment>
        <translation>Az Önnel megosztott fájlok ezen a számítógépen a(z) %1 mappában jelennek meg.</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this connection?</source>
        <comment></comment>
        <translation>Biztosan leválasztja ezt a kapcsolatot?</translation>
    </message>
    <message>
        <source>Retry</source>
        <comment></comment>
        <translation>Újra</translation>
    </message>
    <message>
        <source>The proxy server requires a password</source>
        <comment></comment>
        <translation>A proxykiszolgáló jelszót igényel</translation>
    </message>
    <message>
        <source>Update to the latest version to use selective sync.</source>
        <comment></comment>
        <translation>A szelektív szinkronizálás használatához frissítsen a legújabb verzióra.</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again in %1 minutes.</source>
        <comment></comment>
        <translation>Túl sok sikertelen próbálkozás. Próbálja újra %1 perc múlva.</translation>
    </message>
    <message>
        <source>File name</source>
        <comment></comment>
        <translation>Fájlnév</translation>
    </message>
    <message>
        <source>Inactive</source>
        <comment></comment>
        <translation>Inaktív</translation>
    </message>
    <message>
        <source>You can change these settings at any time in %1.</source>
        <comment></comment>
        <translation>Ezeket a beállításokat bármikor módosíthatja a(z) %1 alkalmazásban.</translation>
    </message>
    <message>
        <source>This version of Larkspan Drive is already installed. Do you want to install it again?</source>
        <comment></comment>
        <translation>A Larkspan Drive ezen verziója már telepítve van. Szeretné újratelepíteni?</translation>
    </message>
    <message>
        <source>The quota of the shared folder is full.</source>
        <comment></comment>
        <translation>A megosztott mappa kvótája megtelt.</translation>
    </message>
    <message>
        <source>The shared folder is not mounted.</source>
        <comment></comment>
        <translation>A megosztott mappa nincs csatlakoztatva.</translation>
    </message>
    <message>
        <source>%1 hours ago</source>
        <comment></comment>
        <translation>%1 órája</translation>
    </message>
    <message>
        <source>Completed the Larkspan Drive Setup Wizard</source>
        <comment></comment>
        <translation>A Larkspan Drive telepítővarázsló befejeződött</translation>
    </message>
    <message>
        <source>January</source>
        <comment></comment>
        <translation>Január</translation>
    </message>
    <message>
        <source>Choose the folders to sync and the sync settings yourself.</source>
        <comment></comment>
        <translation>Saját maga választhatja ki a szinkronizálandó mappákat és a szinkronizálási beállításokat.</translation>
    </message>
    <message>
        <source>The Larkspan has changed. Link it again to continue.</source>
        <comment></comment>
        <translation>A Larkspan megváltozott. A folytatáshoz társítsa újra.</translation>
    </message>
    <message>
        <source>%1 is now syncing your files.</source>
        <comment></comment>
        <translation>A(z) %1 most szinkronizálja a fájljait.</translation>
    </message>
    <message>
        <source>Unable to create a link for this item.</source>
        <comment></comment>
        <translation>Nem sikerült hivatkozást létrehozni ehhez az elemhez.</translation>
    </message>
    <message>
        <source>I do not accept the terms of the License Agreement</source>
        <comment></comment>
        <translation>Nem fogadom el a licencszerződés feltételeit</translation>
    </message>
    <message>
        <source>Sync</source>
        <comment></comment>
        <translation>Szinkronizálás</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <comment></comment>
        <translation>Tegnap</translation>
    </message>
    <message>
        <source>Downloads of previous versions</source>
        <comment></comment>
        <translation>Korábbi verziók letöltései</translation>
    </message>
    <message>
        <source>Sync history</source>
        <comment></comment>
        <translation>Szinkronizálási előzmények</translation>
    </message>
    <message>
        <source>Share link</source>
        <comment></comment>
        <translation>Hivatkozás megosztása</translation>
    </message>
    <message>
        <source>Repair</source>
        <comment></comment>
        <translation>Javítás</translation>
    </message>
    <message>
        <source>Open the Larkspan in your browser</source>
        <comment></comment>
        <translation>A Larkspan megnyitása a böngészőben</translation>
    </message>
    <message>
        <source>%1 commented on %2</source>
        <comment></comment>
        <translation>%1 megjegyzést fűzött a következőhöz: %2</translation>
    </message>
    <message>
        <source>The maximum number of shared items has been reached.</source>
        <comment></comment>
        <translation>A megosztott elemek száma elérte a felső korlátot.</translation>
    </message>
    <message>
        <source>Shared</source>
        <comment></comment>
        <translation>Megosztva</translation>
    </message>
    <message>
        <source>The local disk is full.</source>
        <comment></comment>
        <translation>A helyi lemez megtelt.</translation>
    </message>
    <message>
        <source>Setup interrupted</source>
        <comment></comment>
        <translation>A telepítés megszakadt</translation>
    </message>
    <message>
        <source>The local sync folder cannot be found.</source>
        <comment></comment>
        <translation>A helyi szinkronizálási mappa nem található.</translation>
    </message>
    <message>
        <source>Put your files in the sync folder, and they stay up to date on all your devices.</source>
        <comment></comment>
        <translation>Helyezze a fájljait a szinkronizálási mappába, és azok minden eszközén naprakészek maradnak.</translation>
    </message>
    <message>
        <source>Expire after</source>
        <comment></comment>
        <translation>Lejárat ennyi után</translation>
    </message>
    <message>
        <source>June</source>
        <comment></comment>
        <translation>Június</translation>
    </message>
    <message>
        <source>Select the operation you want to perform.</source>
        <comment></comment>
        <translation>Válassza ki a végrehajtani kívánt műveletet.</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <comment></comment>
        <translation>Ideiglenes fájlok</translation>
    </message>
    <message>
        <source>Your quota on the Larkspan is full. Free some space or choose another folder.</source>
        <comment></comment>
        <translation>Az Ön kvótája a Larkspanon megtelt. Szabadítson fel helyet, vagy válasszon másik mappát.</translation>
    </message>
    <message>
        <source>Enter the address and port of the proxy server.</source>
        <comment></comment>
        <translation>Adja meg a proxykiszolgáló címét és portját.</translation>
    </message>
    <message>
        <source>Folder on the Larkspan</source>
        <comment></comment>
        <translation>Mappa a Larkspanon</translation>
    </message>
    <message>
        <source>Renamed on this computer</source>
        <comment></comment>
        <translation>Átnevezve ezen a számítógépen</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <comment></comment>
        <translation>A hitelesítés sikertelen</translation>
    </message>
    <message>
        <source>Sunday</source>
        <comment></comment>
        <translation>Vasárnap</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <comment></comment>
        <translation>Szerda</translation>
    </message>
    <message>
        <source>Automatic setup is configured.</source>
        <comment></comment>
        <translation>Az automatikus beállítás konfigurálva van.</translation>
    </message>
    <message>
        <source>New folder on the Larkspan</source>
        <comment></comment>
        <translation>Új mappa a Larkspanon</translation>
    </message>
    <message>
        <source>Display</source>
        <comment></comment>
        <translation>Megjelenítés</translation>
    </message>
    <message>
        <source>A newer version of %1 is already installed. Setup will now exit.</source>
        <comment></comment>
        <translation>A(z) %1 egy újabb verziója már telepítve van. A telepítő most kilép.</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment></comment>
        <translation>Igen</translation>
    </message>
    <message>
        <source>Local sync folder</source>
        <comment></comment>
        <translation>Helyi szinkronizálási mappa</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <comment></comment>
        <translation>Maximális fájlméret (MB):</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <comment></comment>
        <translation>Csatlakozás...</translation>
    </message>
    <message>
        <source>Access request</source>
        <comment></comment>
        <translation>Hozzáférési kérelem</translation>
    </message>
    <message>
        <source>Larkspan Drive is ready.</source>
        <comment></comment>
        <translation>A Larkspan Drive használatra kész.</translation>
    </message>
    <message>
        <source>Set up</source>
        <comment></comment>
        <translation>Beállítás</translation>
    </message>
    <message>
        <source>Do not sync this folder</source>
        <comment></comment>
        <translation>Mappa kizárása a szinkronizálásból</translation>
    </message>
    <message>
        <source>This server needs a newer version of Larkspan Drive. Upgrade now?</source>
        <comment></comment>
        <translation>Ehhez a kiszolgálóhoz a Larkspan Drive újabb verziója szükséges. Frissíti most?</translation>
    </message>
    <message>
        <source>Choose a sync folder</source>
        <comment></comment>
        <translation>Szinkronizálási mappa kiválasztása</translation>
    </message>
    <message>
        <source>Password</source>
        <comment></comment>
        <translation>Jelszó</translation>
    </message>
    <message>
        <source>Today</source>
        <comment></comment>
        <translation>Ma</translation>
    </message>
    <message>
        <source>Your quota on the Larkspan is full.</source>
        <comment></comment>
        <translation>Az Ön kvótája a Larkspanon megtelt.</translation>
    </message>
    <message>
        <source>Sync and share files across all your devices.</source>
        <comment></comment>
        <translation>Szinkronizálja és ossza meg fájljait minden eszközén.</translation>
    </message>
    <message>
        <source>No permission</source>
        <comment></comment>
        <translation>Nincs jogosultság</translation>
    </message>
    <message>
        <source>Destination</source>
        <comment></comment>
        <translation>Cél</translation>
    </message>
    <message>
        <source>The sync folder is on a volume that is not mounted.</source>
        <comment></comment>
        <translation>A szinkronizálási mappa nem csatlakoztatott köteten található.</translation>
    </message>
    <message>
        <source>Choose a different folder on this computer.</source>
        <comment></comment>
        <translation>Válasszon másik mappát ezen a számítógépen.</translation>
    </message>
    <message>
        <source>Use a black-and-white tray icon</source>
        <comment></comment>
        <translation>Fekete-fehér tálcaikon használata</translation>
    </message>
    <message>
        <source>The verification code is not valid.</source>
        <comment></comment>
        <translation>Az ellenőrző kód érvénytelen.</translation>
    </message>
    <message>
        <source>No connection is available for this file.</source>
        <comment></comment>
        <translation>Ehhez a fájlhoz nem érhető el kapcsolat.</translation>
    </message>
    <message>
        <source>Keep files on the Larkspan when they are deleted from this computer</source>
        <comment></comment>
        <translation>A fájlok megtartása a Larkspanon, ha törlődnek erről a számítógépről</translation>
    </message>
    <message>
        <source>One-way download</source>
        <comment></comment>
        <translation>Egyirányú letöltés</translation>
    </message>
    <message>
        <source>Port:</source>
        <comment></comment>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Last month</source>
        <comment></comment>
        <translation>Múlt hónap</translation>
    </message>
    <message>
        <source>Version %1.%2.%3, build %4</source>
        <comment></comment>
        <translation>Verzió: %1.%2.%3 (összeállítás: %4)</translation>
    </message>
    <message>
        <source>Your IP address is not allowed to connect.</source>
        <comment></comment>
        <translation>Az Ön IP-címéről nem engedélyezett a csatlakozás.</translation>
    </message>
    <message>
        <source>Sync a folder that someone shared with you.</source>
        <comment></comment>
        <translation>Szinkronizáljon egy mappát, amelyet valaki megosztott Önnel.</translation>
    </message>
    <message>
        <source>Filter the sync log</source>
        <comment></comment>
        <translation>A szinkronizálási napló szűrése</translation>
    </message>
    <message>
        <source>You can only read this folder. Changes you make to it are not uploaded.</source>
        <comment></comment>
        <translation>Ez a mappa az Ön számára csak olvasható. Az itt végzett módosítások nem töltődnek fel.</translation>
    </message>
    <message>
        <source>Keyword</source>
        <comment></comment>
        <translation>Kulcsszó</translation>
    </message>
    <message>
        <source>Do not sync files larger than %1 MB</source>
        <comment></comment>
        <translation>%1 MB-nál nagyobb fájlok kihagyása a szinkronizálásból</translation>
    </message>
    <message>
        <source>Next month</source>
        <comment></comment>
        <translation>Következő hónap</translation>
    </message>
    <message>
        <source>Remote destination</source>
        <comment></comment>
        <translation>Távoli cél</translation>
    </message>
    <message>
        <source>Your account is not allowed to sync this folder.</source>
        <comment></comment>
        <translation>Az Ön fiókja nem szinkronizálhatja ezt a mappát.</translation>
    </message>
    <message>
        <source>Unable to download %1.</source>
        <comment></comment>
        <translation>Nem sikerült letölteni: %1.</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <comment></comment>
        <translation>Speciális beállítások</translation>
    </message>
    <message>
        <source>Welcome to %1. Sign in to get started.</source>
        <comment></comment>
        <translation>Üdvözli a(z) %1! A kezdéshez jelentkezzen be.</translation>
    </message>
    <message>
        <source>Welcome to the Larkspan Drive Setup Wizard</source>
        <comment></comment>
        <translation>Üdvözli a Larkspan Drive telepítővarázsló</translation>
    </message>
    <message>
        <source>This computer was linked to a different Larkspan. Link it again to continue.</source>
        <comment></comment>
        <translation>Ez a számítógép egy másik Larkspanhoz volt társítva. A folytatáshoz társítsa újra.</translation>
    </message>
    <message>
        <source>The shared folder no longer exists.</source>
        <comment></comment>
        <translation>A megosztott mappa már nem létezik.</translation>
    </message>
    <message>
        <source>December</source>
        <comment></comment>
        <translation>December</translation>
    </message>
    <message>
        <source>Overview</source>
        <comment></comment>
        <translation>Áttekintés</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <comment></comment>
        <translation>A rendszer proxybeállításainak használata</translation>
    </message>
    <message>
        <source>No sync history</source>
        <comment></comment>
        <translation>Nincsenek szinkronizálási előzmények</translation>
    </message>
    <message>
        <source>Some files could not be synced. Click to see the details.</source>
        <comment></comment>
        <translation>Néhány fájlt nem sikerült szinkronizálni. A részletekért kattintson ide.</translation>
    </message>
    <message>
        <source>Setup ended because of an error</source>
        <comment></comment>
        <translation>A telepítés hiba miatt leállt</translation>
    </message>
    <message>
        <source>Drive</source>
        <comment></comment>
        <translation>Drive</translation>
    </message>
    <message>
        <source>October</source>
        <comment></comment>
        <translation>Október</translation>
    </message>
    <message>
        <source>Your changes have not been saved. Save them now?</source>
        <comment></comment>
        <translation>A módosítások nincsenek mentve. Menti őket most?</translation>
    </message>
    <message>
        <source>This computer is already linked to this Larkspan.</source>
        <comment></comment>
        <translation>Ez a számítógép már társítva van ehhez a Larkspanhoz.</translation>
    </message>
    <message>
        <source>There is not enough space on the local disk for Larkspan Drive.</source>
        <comment></comment>
        <translation>Nincs elég hely a helyi lemezen a Larkspan Drive számára.</translation>
    </message>
    <message>
        <source>Do not sync files with these names:</source>
        <comment></comment>
        <translation>Az alábbi nevű fájlok kihagyása a szinkronizálásból:</translation>
    </message>
    <message>
        <source>Available from</source>
        <comment></comment>
        <translation>Elérhetőség kezdete</translation>
    </message>
    <message>
        <source>Shows the tray icon in black and white to match your desktop theme.</source>
        <comment></comment>
        <translation>Az asztali témához illően fekete-fehéren jeleníti meg a tálcaikont.</translation>
    </message>
    <message>
        <source>Status</source>
        <comment></comment>
        <translation>Állapot</translation>
    </message>
    <message>
        <source>Sync one of your folders on the Larkspan with this computer.</source>
        <comment></comment>
        <translation>Szinkronizálja a Larkspanon lévő egyik mappáját ezzel a számítógéppel.</translation>
    </message>
    <message>
        <source>Indexing the folder...</source>
        <comment></comment>
        <translation>A mappa indexelése...</translation>
    </message>
    <message>
        <source>Your user name or password is incorrect.</source>
        <comment></comment>
        <translation>Helytelen felhasználónév vagy jelszó.</translation>
    </message>
    <message>
        <source>You do not have permission to use Larkspan Drive. Ask your administrator.</source>
        <comment></comment>
        <translation>Nincs jogosultsága a Larkspan Drive használatához. Forduljon a rendszergazdához.</translation>
    </message>
    <message>
        <source>Try syncing again</source>
        <comment></comment>
        <translation>Szinkronizálás újrapróbálása</translation>
    </message>
    <message>
        <source>Filter settings</source>
        <comment></comment>
        <translation>Szűrőbeállítások</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <comment></comment>
        <translation>Proxy kézi beállítása</translation>
    </message>
    <message>
        <source>Status:</source>
        <comment></comment>
        <translation>Állapot:</translation>
    </message>
    <message>
        <source>July</source>
        <comment></comment>
        <translation>Július</translation>
    </message>
    <message>
        <source>No</source>
        <comment></comment>
        <translation>Nem</translation>
    </message>
    <message>
        <source>Version not supported</source>
        <comment></comment>
        <translation>Nem támogatott verzió</translation>
    </message>
    <message>
        <source>Sync now</source>
        <comment></comment>
        <translation>Szinkronizálás most</translation>
    </message>
    <message>
        <source>This folder was synced by another user. Choose another folder.</source>
        <comment></comment>
        <translation>Ezt a mappát egy másik felhasználó szinkronizálta. Válasszon másik mappát.</translation>
    </message>
    <message>
        <source>Create a KestrinDrive folder in the selected location</source>
        <comment></comment>
        <translation>KestrinDrive mappa létrehozása a kiválasztott helyen</translation>
    </message>
    <message>
        <source>You do not have permission to write to this folder. Choose another folder.</source>
        <comment></comment>
        <translation>Nincs írási jogosultsága ehhez a mappához. Válasszon másik mappát.</translation>
    </message>
    <message>
        <source>This folder is read-only. Changes are not synced to %1.</source>
        <comment></comment>
        <translation>Ez a mappa csak olvasható. A módosításokat a(z) %1 nem szinkronizálja.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment></comment>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>Got it</source>
        <comment></comment>
        <translation>Értem</translation>
    </message>
    <message>
        <source>Welcome to Larkspan Drive</source>
        <comment></comment>
        <translation>Üdvözli a Larkspan Drive</translation>
    </message>
    <message>
        <source>Network settings</source>
        <comment></comment>
        <translation>Hálózati beállítások</translation>
    </message>
    <message>
        <source>The setup wizard is ready to begin the repair.</source>
        <comment></comment>
        <translation>A telepítővarázsló készen áll a javítás megkezdésére.</translation>
    </message>
    <message>
        <source>This client version is not supported by the server. Upgrade to continue syncing.</source>
        <comment></comment>
        <translation>A kiszolgáló nem támogatja a kliens ezen verzióját. A szinkronizálás folytatásához frissítsen.</translation>
    </message>
    <message>
        <source>Size</source>
        <comment></comment>
        <translation>Méret</translation>
    </message>
    <message>
        <source>The server version is too old. Ask your administrator to upgrade it.</source>
        <comment></comment>
        <translation>A kiszolgáló verziója túl régi. Kérje meg a rendszergazdát, hogy frissítse.</translation>
    </message>
    <message>
        <source>Everyone with the link can view and edit the files.</source>
        <comment></comment>
        <translation>A hivatkozás birtokában bárki megtekintheti és szerkesztheti a fájlokat.</translation>
    </message>
    <message>
        <source>Edit</source>
        <comment></comment>
        <translation>Szerkesztés</translation>
    </message>
    <message>
        <source>Signed-in users can view and edit the files.</source>
        <comment></comment>
        <translation>A bejelentkezett felhasználók megtekinthetik és szerkeszthetik a fájlokat.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <comment></comment>
        <translation>Letiltva</translation>
    </message>
    <message>
        <source>Change, repair or remove the installation.</source>
        <comment></comment>
        <translation>A telepítés módosítása, javítása vagy eltávolítása.</translation>
    </message>
    <message>
        <source>Just now</source>
        <comment></comment>
        <translation>Az imént</translation>
    </message>
    <message>
        <source>New sync folder</source>
        <comment></comment>
        <translation>Új szinkronizálási mappa</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <comment></comment>
        <translation>Megosztás engedélyezve</translation>
    </message>
    <message>
        <source>Sync error</source>
        <comment></comment>
        <translation>Szinkronizálási hiba</translation>
    </message>
    <message>
        <source>Merge mode</source>
        <comment></comment>
        <translation>Egyesítési mód</translation>
    </message>
    <message>
        <source>Connection information</source>
        <comment></comment>
        <translation>Kapcsolatadatok</translation>
    </message>
    <message>
        <source>Remove Larkspan Drive</source>
        <comment></comment>
        <translation>A Larkspan Drive eltávolítása</translation>
    </message>
    <message>
        <source>Next %1 pages</source>
        <comment></comment>
        <translation>Következő %1 oldal</translation>
    </message>
    <message>
        <source>Show sync status</source>
        <comment></comment>
        <translation>Szinkronizálási állapot megjelenítése</translation>
    </message>
    <message>
        <source>My files</source>
        <comment></comment>
        <translation>Saját fájlok</translation>
    </message>
    <message>
        <source>Create a sync task</source>
        <comment></comment>
        <translation>Szinkronizálási feladat létrehozása</translation>
    </message>
    <message>
        <source>Create a LarkspanDrive folder in the selected location</source>
        <comment></comment>
        <translation>LarkspanDrive mappa létrehozása a kiválasztott helyen</translation>
    </message>
    <message>
        <source>Skipped file names</source>
        <comment></comment>
        <translation>Kihagyott fájlnevek</translation>
    </message>
    <message>
        <source>The %1 ID is not valid.</source>
        <comment></comment>
        <translation>A(z) %1 azonosító érvénytelen.</translation>
    </message>
    <message>
        <source>Expire on</source>
        <comment></comment>
        <translation>Lejárat dátuma</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <comment></comment>
        <translation>Frissítés...</translation>
    </message>
    <message>
        <source>Start now</source>
        <comment></comment>
        <translation>Indítás most</translation>
    </message>
    <message>
        <source>Standby</source>
        <comment></comment>
        <translation>Készenlét</translation>
    </message>
    <message>
        <source>Progress</source>
        <comment></comment>
        <translation>Folyamat</translation>
    </message>
    <message>
        <source>%1 changes detected</source>
        <comment></comment>
        <translation>%1 változás észlelve</translation>
    </message>
    <message>
        <source>Only download changes from the Larkspan; local changes are not uploaded.</source>
        <comment></comment>
        <translation>Csak a Larkspanon történt változások letöltése; a helyi változások nem töltődnek fel.</translation>
    </message>
    <message>
        <source>A database error occurred.</source>
        <comment></comment>
        <translation>Adatbázishiba történt.</translation>
    </message>
    <message>
        <source>Enter the address of your Larkspan and your account.</source>
        <comment></comment>
        <translation>Adja meg a Larkspan címét és a fiókadatait.</translation>
    </message>
    <message>
        <source>On-demand sync</source>
        <comment></comment>
        <translation>Igény szerinti szinkronizálás</translation>
    </message>
    <message>
        <source>New sync task</source>
        <comment></comment>
        <translation>Új szinkronizálási feladat</translation>
    </message>
    <message>
        <source>Upload</source>
        <comment></comment>
        <translation>Feltöltés</translation>
    </message>
    <message>
        <source>Restrict access</source>
        <comment></comment>
        <translation>Hozzáférés korlátozása</translation>
    </message>
    <message>
        <source>Select the folders to sync</source>
        <comment></comment>
        <translation>Válassza ki a szinkronizálandó mappákat</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <comment></comment>
        <translation>Válasszon mappát</translation>
    </message>
    <message>
        <source>Setup mode</source>
        <comment></comment>
        <translation>Beállítási mód</translation>
    </message>
    <message>
        <source>Download only</source>
        <comment></comment>
        <translation>Csak letöltés</translation>
    </message>
    <message>
        <source>General</source>
        <comment></comment>
        <translation>Általános</translation>
    </message>
    <message>
        <source>Saturday</source>
        <comment></comment>
        <translation>Szombat</translation>
    </message>
    <message>
        <source>Larkspan Drive works with a Larkspan server from Kestrin.</source>
        <comment></comment>
        <translation>A Larkspan Drive a Kestrin Larkspan kiszolgálóival működik együtt.</translation>
    </message>
    <message>
        <source>Unable to connect to the Larkspan.</source>
        <comment></comment>
        <translation>Nem sikerült csatlakozni a Larkspanhoz.</translation>
    </message>
    <message>
        <source>Connected through a relay</source>
        <comment></comment>
        <translation>Csatlakozva közvetítőn keresztül</translation>
    </message>
    <message>
        <source>Larkspan Drive is initializing...</source>
        <comment></comment>
        <translation>A Larkspan Drive inicializálása...</translation>
    </message>
    <message>
        <source>Automatic setup failed. Set up Larkspan Drive manually.</source>
        <comment></comment>
        <translation>Az automatikus beállítás sikertelen. Állítsa be kézzel a Larkspan Drive-ot.</translation>
    </message>
    <message>
        <source>Local destination</source>
        <comment></comment>
        <translation>Helyi cél</translation>
    </message>
    <message>
        <source>This folder is read-only. Changes are not synced to Larkspan Drive.</source>
        <comment></comment>
        <translation>Ez a mappa csak olvasható. A módosításokat a Larkspan Drive nem szinkronizálja.</translation>
    </message>
    <message>
        <source>Ignore</source>
        <comment></comment>
        <translation>Kihagyás</translation>
    </message>
    <message>
        <source>All events</source>
        <comment></comment>
        <translation>Minden esemény</translation>
    </message>
    <message>
        <source>Sharing</source>
        <comment></comment>
        <translation>Megosztás</translation>
    </message>
    <message>
        <source>Click Remove to remove Larkspan Drive from your computer.</source>
        <comment></comment>
        <translation>A Larkspan Drive számítógépről való eltávolításához kattintson az Eltávolítás gombra.</translation>
    </message>
    <message>
        <source>This folder is already part of another sync task.</source>
        <comment></comment>
        <translation>Ez a mappa már egy másik szinkronizálási feladat része.</translation>
    </message>
    <message>
        <source>A network error occurred. Check your connection and try again.</source>
        <comment></comment>
        <translation>Hálózati hiba történt. Ellenőrizze a kapcsolatot, és próbálja újra.</translation>
    </message>
    <message>
        <source>Finish</source>
        <comment></comment>
        <translation>Befejezés</translation>
    </message>
    <message>
        <source>Enter a port number from %1 to %2.</source>
        <comment></comment>
        <translation>Adjon meg egy portszámot %1 és %2 között.</translation>
    </message>
    <message>
        <source>More information</source>
        <comment></comment>
        <translation>További információ</translation>
    </message>
    <message>
        <source>This folder is already synced.</source>
        <comment></comment>
        <translation>Ez a mappa már szinkronizálva van.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <comment></comment>
        <translation>Hozzáférés megtagadva.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <comment></comment>
        <translation>Ismeretlen hiba történt.</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change your settings.</source>
        <comment></comment>
        <translation>A telepítés megkezdéséhez kattintson a Telepítés gombra. A beállítások áttekintéséhez vagy módosításához kattintson a Vissza gombra.</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <comment></comment>
        <translation>Kétirányú szinkronizálás</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <comment></comment>
        <translation>%1 letöltése...</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <comment></comment>
        <translation>Beállítások alkalmazása...</translation>
    </message>
    <message>
        <source>Switch Larkspan</source>
        <comment></comment>
        <translation>Váltás másik Larkspanra</translation>
    </message>
    <message>
        <source>The file or folder does not exist.</source>
        <comment></comment>
        <translation>A fájl vagy mappa nem létezik.</translation>
    </message>
    <message>
        <source>Next</source>
        <comment></comment>
        <translation>Tovább</translation>
    </message>
    <message>
        <source>Change folder</source>
        <comment></comment>
        <translation>Mappa módosítása</translation>
    </message>
    <message>
        <source>April</source>
        <comment></comment>
        <translation>Április</translation>
    </message>
    <message>
        <source>The new language takes effect after Larkspan Drive restarts.</source>
        <comment></comment>
        <translation>Az új nyelv a Larkspan Drive újraindítása után lép életbe.</translation>
    </message>
    <message>
        <source>Choose another</source>
        <comment></comment>
        <translation>Másik választása</translation>
    </message>
    <message>
        <source>Invalid argument.</source>
        <comment></comment>
        <translation>Érvénytelen argumentum.</translation>
    </message>
    <message>
        <source>Syncing %1 files</source>
        <comment></comment>
        <translation>%1 fájl szinkronizálása</translation>
    </message>
    <message>
        <source>Sharing links is not enabled on the Larkspan.</source>
        <comment></comment>
        <translation>A hivatkozások megosztása nincs engedélyezve a Larkspanon.</translation>
    </message>
    <message>
        <source>Recently updated files</source>
        <comment></comment>
        <translation>Nemrég frissített fájlok</translation>
    </message>
    <message>
        <source>Security warning</source>
        <comment></comment>
        <translation>Biztonsági figyelmeztetés</translation>
    </message>
    <message>
        <source>The following applications use files that setup needs to update. Close them and click Retry, or click Ignore to continue anyway.</source>
        <comment></comment>
        <translation>Az alábbi alkalmazások olyan fájlokat használnak, amelyeket a telepítőnek frissítenie kell. Zárja be őket, és kattintson az Újra gombra, vagy a folytatáshoz kattintson a Kihagyás gombra.</translation>
    </message>
    <message>
        <source>Reach your files anywhere</source>
        <comment></comment>
        <translation>Fájljait bárhonnan elérheti</translation>
    </message>
    <message>
        <source>Print</source>
        <comment></comment>
        <translation>Nyomtatás</translation>
    </message>
    <message>
        <source>Create a new folder to sync.</source>
        <comment></comment>
        <translation>Hozzon létre egy új mappát a szinkronizáláshoz.</translation>
    </message>
    <message>
        <source>The certificate of %1 has changed. Do you trust the new certificate?</source>
        <comment></comment>
        <translation>A(z) %1 tanúsítványa megváltozott. Megbízik az új tanúsítványban?</translation>
    </message>
    <message>
        <source>Larkspan Drive</source>
        <comment></comment>
        <translation>Larkspan Drive</translation>
    </message>
    <message>
        <source>Rename</source>
        <comment></comment>
        <translation>Átnevezés</translation>
    </message>
    <message>
        <source>Folder already synced</source>
        <comment></comment>
        <translation>A mappa már szinkronizálva van</translation>
    </message>
    <message>
        <source>Do not sync these folders</source>
        <comment></comment>
        <translation>Mappák kizárása a szinkronizálásból</translation>
    </message>
    <message>
        <source>Folders that others share with you</source>
        <comment></comment>
        <translation>Mások által Önnel megosztott mappák</translation>
    </message>
    <message>
        <source>Repair Larkspan Drive</source>
        <comment></comment>
        <translation>A Larkspan Drive javítása</translation>
    </message>
    <message>
        <source>Sync log category</source>
        <comment></comment>
        <translation>Szinkronizálási napló kategóriája</translation>
    </message>
    <message>
        <source>Close these applications before setup continues:</source>
        <comment></comment>
        <translation>Zárja be ezeket az alkalmazásokat, mielőtt a telepítés folytatódik:</translation>
    </message>
    <message>
        <source>Add</source>
        <comment></comment>
        <translation>Hozzáadás</translation>
    </message>
    <message>
        <source>No options available</source>
        <comment></comment>
        <translation>Nincsenek elérhető lehetőségek</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of Larkspan Drive.</source>
        <comment></comment>
        <translation>A Larkspan Drive telepítésének javításához kattintson a Javítás gombra.</translation>
    </message>
    <message>
        <source>The sync direction does not match your permission on the folder.</source>
        <comment></comment>
        <translation>A szinkronizálás iránya nem egyezik a mappára vonatkozó jogosultságával.</translation>
    </message>
    <message>
        <source>You have chosen to remove the program from your computer.</source>
        <comment></comment>
        <translation>Ön a program eltávolítását választotta a számítógépről.</translation>
    </message>
    <message>
        <source>You are ready to use Larkspan Drive.</source>
        <comment></comment>
        <translation>Most már használhatja a Larkspan Drive-ot.</translation>
    </message>
    <message>
        <source>Edit connection</source>
        <comment></comment>
        <translation>Kapcsolat szerkesztése</translation>
    </message>
    <message>
        <source>Upgrade to version %1</source>
        <comment></comment>
        <translation>Frissítés a(z) %1 verzióra</translation>
    </message>
    <message>
        <source>A newer version of Larkspan Drive is already installed. Setup will now exit.</source>
        <comment></comment>
        <translation>A Larkspan Drive egy újabb verziója már telepítve van. A telepítő most kilép.</translation>
    </message>
    <message>
        <source>Larkspan Drive is now syncing your files.</source>
        <comment></comment>
        <translation>A Larkspan Drive most szinkronizálja a fájljait.</translation>
    </message>
    <message>
        <source>%1 files updated</source>
        <comment></comment>
        <translation>%1 fájl frissítve</translation>
    </message>
    <message>
        <source>Enter a user name.</source>
        <comment></comment>
        <translation>Adjon meg egy felhasználónevet.</translation>
    </message>
    <message>
        <source>There is not enough space on the local disk for %1.</source>
        <comment></comment>
        <translation>Nincs elég hely a helyi lemezen a(z) %1 számára.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <comment></comment>
        <translation>Beállítások</translation>
    </message>
    <message>
        <source>Files shared with you appear in the Larkspan Drive folder on this computer.</source>
        <comment></comment>
        <translation>Az Önnel megosztott fájlok ezen a számítógépen a Larkspan Drive mappában jelennek meg.</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <comment></comment>
        <translation>Nem, köszönöm</translation>
    </message>
    <message>
        <source>Public</source>
        <comment></comment>
        <translation>Nyilvános</translation>
    </message>
    <message>
        <source>Setup is complete.</source>
        <comment></comment>
        <translation>A beállítás befejeződött.</translation>
    </message>
    <message>
        <source>Open containing folder</source>
        <comment></comment>
        <translation>Tartalmazó mappa megnyitása</translation>
    </message>
    <message>
        <source>Removes Larkspan Drive from your computer.</source>
        <comment></comment>
        <translation>Eltávolítja a Larkspan Drive-ot a számítógépről.</translation>
    </message>
    <message>
        <source>Show the Larkspan Drive tutorial</source>
        <comment></comment>
        <translation>A Larkspan Drive bemutatójának megjelenítése</translation>
    </message>
    <message>
        <source>Previous month</source>
        <comment></comment>
        <translation>Előző hónap</translation>
    </message>
    <message>
        <source>Shared folders</source>
        <comment></comment>
        <translation>Megosztott mappák</translation>
    </message>
    <message>
        <source>Created</source>
        <comment></comment>
        <translation>Létrehozva</translation>
    </message>
    <message>
        <source>Files you change on one device are updated on the others.</source>
        <comment></comment>
        <translation>Az egyik eszközön módosított fájlok a többin is frissülnek.</translation>
    </message>
    <message>
        <source>September</source>
        <comment></comment>
        <translation>Szeptember</translation>
    </message>
    <message>
        <source>Click Remove to continue, or Back to review your choice.</source>
        <comment></comment>
        <translation>A folytatáshoz kattintson az Eltávolítás, a választás áttekintéséhez a Vissza gombra.</translation>
    </message>
    <message>
        <source>Back</source>
        <comment></comment>
        <translation>Vissza</translation>
    </message>
    <message>
        <source>Folder name</source>
        <comment></comment>
        <translation>Mappanév</translation>
    </message>
    <message>
        <source>Setup is complete. Larkspan Drive now keeps your files in sync.</source>
        <comment></comment>
        <translation>A beállítás befejeződött. Mostantól a Larkspan Drive szinkronban tartja a fájljait.</translation>
    </message>
    <message>
        <source>May</source>
        <comment></comment>
        <translation>Május</translation>
    </message>
    <message>
        <source>Connected through the local network</source>
        <comment></comment>
        <translation>Csatlakozva a helyi hálózaton keresztül</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully.</source>
        <comment></comment>
        <translation>Olvassa el figyelmesen az alábbi licencszerződést.</translation>
    </message>
    <message>
        <source>Keep the most recently modified file</source>
        <comment></comment>
        <translation>A legutóbb módosított fájl megtartása</translation>
    </message>
    <message>
        <source>%1 mentioned you in %2</source>
        <comment></comment>
        <translation>%1 megemlítette Önt itt: %2</translation>
    </message>
    <message>
        <source>Access to the selected folder was denied.</source>
        <comment></comment>
        <translation>A kiválasztott mappához való hozzáférés megtagadva.</translation>
    </message>
    <message>
        <source>Disk full</source>
        <comment></comment>
        <translation>A lemez megtelt</translation>
    </message>
    <message>
        <source>Signed-in users</source>
        <comment></comment>
        <translation>Bejelentkezett felhasználók</translation>
    </message>
    <message>
        <source>Tutorial that introduces the main features of Larkspan Drive</source>
        <comment></comment>
        <translation>Bemutató, amely ismerteti a Larkspan Drive fő funkcióit</translation>
    </message>
    <message>
        <source>Checking your password...</source>
        <comment></comment>
        <translation>Jelszó ellenőrzése...</translation>
    </message>
    <message>
        <source>All files are up to date.</source>
        <comment></comment>
        <translation>Minden fájl naprakész.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <comment></comment>
        <translation>Csak olvasható</translation>
    </message>
    <message>
        <source>Your password has expired.</source>
        <comment></comment>
        <translation>A jelszava lejárt.</translation>
    </message>
    <message>
        <source>Calendar</source>
        <comment></comment>
        <translation>Naptár</translation>
    </message>
    <message>
        <source>Replace the file on this computer with the copy on the server</source>
        <comment></comment>
        <translation>A számítógépen lévő fájl lecserélése a kiszolgálón lévő példányra</translation>
    </message>
    <message>
        <source>Do not close the applications. A restart will be required.</source>
        <comment></comment>
        <translation>Ne zárja be az alkalmazásokat. Újraindításra lesz szükség.</translation>
    </message>
    <message>
        <source>November</source>
        <comment></comment>
        <translation>November</translation>
    </message>
    <message>
        <source>Find a Larkspan on your local network</source>
        <comment></comment>
        <translation>Larkspan keresése a helyi hálózaton</translation>
    </message>
    <message>
        <source>File name:</source>
        <comment></comment>
        <translation>Fájlnév:</translation>
    </message>
    <message>
        <source>Add file name</source>
        <comment></comment>
        <translation>Fájlnév hozzáadása</translation>
    </message>
    <message>
        <source>Sync your home folder on the Larkspan with a folder on this computer, using the recommended settings.</source>
        <comment></comment>
        <translation>Szinkronizálja a Larkspanon lévő saját mappáját egy mappával ezen a számítógépen, az ajánlott beállításokkal.</translation>
    </message>
    <message>
        <source>Skip files whose names begin with a dot</source>
        <comment></comment>
        <translation>Ponttal kezdődő nevű fájlok kihagyása</translation>
    </message>
    <message>
        <source>Setup was cancelled.</source>
        <comment></comment>
        <translation>A telepítés megszakítva.</translation>
    </message>
    <message>
        <source>Name</source>
        <comment></comment>
        <translation>Név</translation>
    </message>
    <message>
        <source>Encrypt data transfers (SSL)</source>
        <comment></comment>
        <translation>Adatátvitel titkosítása (SSL)</translation>
    </message>
    <message>
        <source>File type</source>
        <comment></comment>
        <translation>Fájltípus</translation>
    </message>
    <message>
        <source>Your quota on the Larkspan is full. Syncing is paused.</source>
        <comment></comment>
        <translation>Az Ön kvótája a Larkspanon megtelt. A szinkronizálás szünetel.</translation>
    </message>
    <message>
        <source>Share name</source>
        <comment></comment>
        <translation>Megosztás neve</translation>
    </message>
    <message>
        <source>Setup is not running as an administrator, so Larkspan Drive will be installed for the current user only. Continue?</source>
        <comment></comment>
        <translation>A telepítő nem rendszergazdaként fut, ezért a Larkspan Drive csak az aktuális felhasználó számára lesz telepítve. Folytatja?</translation>
    </message>
    <message>
        <source>Close the tutorial</source>
        <comment></comment>
        <translation>A bemutató bezárása</translation>
    </message>
    <message>
        <source>About Larkspan Drive</source>
        <comment></comment>
        <translation>A Larkspan Drive névjegye</translation>
    </message>
    <message>
        <source>Apply and copy link</source>
        <comment></comment>
        <translation>Alkalmazás és hivatkozás másolása</translation>
    </message>
    <message>
        <source>Password:</source>
        <comment></comment>
        <translation>Jelszó:</translation>
    </message>
    <message>
        <source>Computer name</source>
        <comment></comment>
        <translation>Számítógépnév</translation>
    </message>
    <message>
        <source>Synced on all devices</source>
        <comment></comment>
        <translation>Minden eszközön szinkronizálva</translation>
    </message>
    <message>
        <source>Currently syncing: %1</source>
        <comment></comment>
        <translation>Szinkronizálás folyamatban: %1</translation>
    </message>
    <message>
        <source>Apply to all subfolders</source>
        <comment></comment>
        <translation>Alkalmazás minden almappára</translation>
    </message>
    <message>
        <source>Files that match these rules are not synced.</source>
        <comment></comment>
        <translation>Az ezeknek a szabályoknak megfelelő fájlok nem lesznek szinkronizálva.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected shared items?</source>
        <comment></comment>
        <translation>Biztosan törli a kiválasztott megosztott elemeket?</translation>
    </message>
    <message>
        <source>IP address</source>
        <comment></comment>
        <translation>IP-cím</translation>
    </message>
    <message>
        <source>Your files are now syncing.</source>
        <comment></comment>
        <translation>A fájlok szinkronizálása folyamatban van.</translation>
    </message>
    <message>
        <source>Some of the entries are not valid.</source>
        <comment></comment>
        <translation>Néhány bejegyzés érvénytelen.</translation>
    </message>
    <message>
        <source>A system error occurred while checking the folder.</source>
        <comment></comment>
        <translation>Rendszerhiba történt a mappa ellenőrzése közben.</translation>
    </message>
    <message>
        <source>Unlink this sync task? Files that are already synced stay on this computer.</source>
        <comment></comment>
        <translation>Leválasztja ezt a szinkronizálási feladatot? A már szinkronizált fájlok ezen a számítógépen maradnak.</translation>
    </message>
    <message>
        <source>The sign-in test failed. Check the user name and password.</source>
        <comment></comment>
        <translation>A bejelentkezési teszt sikertelen. Ellenőrizze a felhasználónevet és a jelszót.</translation>
    </message>
    <message>
        <source>Turning off sharing removes all existing links. Continue?</source>
        <comment></comment>
        <translation>A megosztás kikapcsolása eltávolítja az összes meglévő hivatkozást. Folytatja?</translation>
    </message>
    <message>
        <source>Test connection</source>
        <comment></comment>
        <translation>Kapcsolat tesztelése</translation>
    </message>
    <message>
        <source>Install</source>
        <comment></comment>
        <translation>Telepítés</translation>
    </message>
    <message>
        <source>Advanced setup</source>
        <comment></comment>
        <translation>Speciális beállítás</translation>
    </message>
    <message>
        <source>Click Repair to continue, or Back to review your choice.</source>
        <comment></comment>
        <translation>A folytatáshoz kattintson a Javítás, a választás áttekintéséhez a Vissza gombra.</translation>
    </message>
    <message>
        <source>Installing the program files...</source>
        <comment></comment>
        <translation>A programfájlok telepítése...</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app</source>
        <comment></comment>
        <translation>Adja meg a hitelesítő alkalmazásban megjelenő ellenőrző kódot</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <comment></comment>
        <translation>Folytatás mindenképp</translation>
    </message>
    <message>
        <source>March</source>
        <comment></comment>
        <translation>Március</translation>
    </message>
    <message>
        <source>You can change these settings at any time in Larkspan Drive.</source>
        <comment></comment>
        <translation>Ezeket a beállításokat bármikor módosíthatja a Larkspan Drive-ban.</translation>
    </message>
    <message>
        <source>Proxy settings</source>
        <comment></comment>
        <translation>Proxybeállítások</translation>
    </message>
    <message>
        <source>Remove the installation</source>
        <comment></comment>
        <translation>A telepítés eltávolítása</translation>
    </message>
    <message>
        <source>Send to %1</source>
        <comment></comment>
        <translation>Küldés ide: %1</translation>
    </message>
    <message>
        <source>Synchronization mode</source>
        <comment></comment>
        <translation>Szinkronizálási mód</translation>
    </message>
    <message>
        <source>Refresh the sync log</source>
        <comment></comment>
        <translation>A szinkronizálási napló frissítése</translation>
    </message>
    <message>
        <source>The content of both folders is merged. Nothing is deleted.</source>
        <comment></comment>
        <translation>A két mappa tartalma egyesül. Semmi nem törlődik.</translation>
    </message>
    <message>
        <source>This version of %1 is already installed. Do you want to install it again?</source>
        <comment></comment>
        <translation>A(z) %1 ezen verziója már telepítve van. Szeretné újratelepíteni?</translation>
    </message>
    <message>
        <source>When the tray icon is double-clicked</source>
        <comment></comment>
        <translation>A tálcaikonra való dupla kattintáskor</translation>
    </message>
    <message>
        <source>Open the web portal to reach your files from any browser.</source>
        <comment></comment>
        <translation>Nyissa meg a webportált, hogy bármely böngészőből elérje a fájljait.</translation>
    </message>
    <message>
        <source>Click Finish to close the setup wizard and start using Larkspan Drive.</source>
        <comment></comment>
        <translation>Kattintson a Befejezés gombra a telepítővarázsló bezárásához és a Larkspan Drive használatának megkezdéséhez.</translation>
    </message>
    <message>
        <source>There are no changes to apply.</source>
        <comment></comment>
        <translation>Nincsenek alkalmazandó módosítások.</translation>
    </message>
    <message>
        <source>Network error.</source>
        <comment></comment>
        <translation>Hálózati hiba.</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <comment></comment>
        <translation>Előkészítés...</translation>
    </message>
    <message>
        <source>More tutorials</source>
        <comment></comment>
        <translation>További bemutatók</translation>
    </message>
    <message>
        <source>Read-only folder</source>
        <comment></comment>
        <translation>Csak olvasható mappa</translation>
    </message>
    <message>
        <source>Previous %1 pages</source>
        <comment></comment>
        <translation>Előző %1 oldal</translation>
    </message>
    <message>
        <source>Start the tour</source>
        <comment></comment>
        <translation>A bemutató indítása</translation>
    </message>
    <message>
        <source>IP address details</source>
        <comment></comment>
        <translation>IP-cím részletei</translation>
    </message>
    <message>
        <source>From</source>
        <comment></comment>
        <translation>Ettől</translation>
    </message>
    <message>
        <source>Welcome to Larkspan Drive. Sign in to get started.</source>
        <comment></comment>
        <translation>Üdvözli a Larkspan Drive! A kezdéshez jelentkezzen be.</translation>
    </message>
    <message>
        <source>Sync problem</source>
        <comment></comment>
        <translation>Szinkronizálási probléma</translation>
    </message>
    <message>
        <source>Local usage</source>
        <comment></comment>
        <translation>Helyi tárhelyhasználat</translation>
    </message>
    <message>
        <source>Enable on-demand sync</source>
        <comment></comment>
        <translation>Igény szerinti szinkronizálás engedélyezése</translation>
    </message>
    <message>
        <source>Larkspan Drive has been installed.</source>
        <comment></comment>
        <translation>A Larkspan Drive telepítése befejeződött.</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <comment></comment>
        <translation>Kapcsolat bontva</translation>
    </message>
    <message>
        <source>Locked</source>
        <comment></comment>
        <translation>Zárolva</translation>
    </message>
    <message>
        <source>Change sync folder</source>
        <comment></comment>
        <translation>Szinkronizálási mappa módosítása</translation>
    </message>
    <message>
        <source>Setup has finished.</source>
        <comment></comment>
        <translation>A telepítés befejeződött.</translation>
    </message>
    <message>
        <source>%1 shared %2 with you</source>
        <comment></comment>
        <translation>%1 megosztotta Önnel a következőt: %2</translation>
    </message>
    <message>
        <source>Not found</source>
        <comment></comment>
        <translation>Nem található</translation>
    </message>
    <message>
        <source>Reset</source>
        <comment></comment>
        <translation>Visszaállítás</translation>
    </message>
    <message>
        <source>Installing the features you selected.</source>
        <comment></comment>
        <translation>A kiválasztott szolgáltatások telepítése.</translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <comment></comment>
        <translation>Ellenőrző kód megadása szükséges.</translation>
    </message>
    <message>
        <source>%1 keeps the files on your Larkspan and your computers in sync.</source>
        <comment></comment>
        <translation>A(z) %1 szinkronban tartja a Larkspanon és a számítógépein lévő fájlokat.</translation>
    </message>
    <message>
        <source>There is not enough space on the disk of this computer.</source>
        <comment></comment>
        <translation>Nincs elég hely a számítógép lemezén.</translation>
    </message>
    <message>
        <source>Connection type</source>
        <comment></comment>
        <translation>Kapcsolat típusa</translation>
    </message>
    <message>
        <source>Show the %1 tutorial</source>
        <comment></comment>
        <translation>A(z) %1 bemutatójának megjelenítése</translation>
    </message>
    <message>
        <source>You can also invite people to folders you own.</source>
        <comment></comment>
        <translation>A saját mappáiba másokat is meghívhat.</translation>
    </message>
    <message>
        <source>%1 could not be upgraded.</source>
        <comment></comment>
        <translation>A(z) %1 frissítése sikertelen.</translation>
    </message>
    <message>
        <source>%1 works with a Larkspan server from Kestrin.</source>
        <comment></comment>
        <translation>A(z) %1 a Kestrin Larkspan kiszolgálóival működik együtt.</translation>
    </message>
    <message>
        <source>Welcome</source>
        <comment></comment>
        <translation>Üdvözöljük</translation>
    </message>
    <message>
        <source>Custom range</source>
        <comment></comment>
        <translation>Egyéni időszak</translation>
    </message>
    <message>
        <source>Sync %1 to this computer?</source>
        <comment></comment>
        <translation>Szinkronizálja a(z) %1 mappát ezzel a számítógéppel?</translation>
    </message>
    <message>
        <source>Quick setup</source>
        <comment></comment>
        <translation>Gyors beállítás</translation>
    </message>
    <message>
        <source>Download history</source>
        <comment></comment>
        <translation>Letöltési előzmények</translation>
    </message>
    <message>
        <source>Use a relay connection when a direct connection is not possible</source>
        <comment></comment>
        <translation>Közvetítő kapcsolat használata, ha a közvetlen kapcsolat nem lehetséges</translation>
    </message>
    <message>
        <source>Folders you clear are removed from this computer but kept on the Larkspan.</source>
        <comment></comment>
        <translation>A kijelölésből eltávolított mappák törlődnek erről a számítógépről, de a Larkspanon megmaradnak.</translation>
    </message>
    <message>
        <source>Link</source>
        <comment></comment>
        <translation>Hivatkozás</translation>
    </message>
    <message>
        <source>Address:</source>
        <comment></comment>
        <translation>Cím:</translation>
    </message>
    <message>
        <source>Download complete.</source>
        <comment></comment>
        <translation>A letöltés befejeződött.</translation>
    </message>
    <message>
        <source>Setup has all the information it needs to start copying the program files.</source>
        <comment></comment>
        <translation>A telepítő minden szükséges információval rendelkezik a programfájlok másolásának megkezdéséhez.</translation>
    </message>
    <message>
        <source>Sync activity</source>
        <comment></comment>
        <translation>Szinkronizálási tevékenység</translation>
    </message>
    <message>
        <source>Downloading</source>
        <comment></comment>
        <translation>Letöltés</translation>
    </message>
    <message>
        <source>This wizard installs Larkspan Drive on your computer.</source>
        <comment></comment>
        <translation>A varázsló telepíti a Larkspan Drive-ot a számítógépére.</translation>
    </message>
    <message>
        <source>To</source>
        <comment></comment>
        <translation>Eddig</translation>
    </message>
    <message>
        <source>The server&apos;s certificate could not be verified. Connect anyway?</source>
        <comment></comment>
        <translation>Nem sikerült ellenőrizni a kiszolgáló tanúsítványát. Mégis csatlakozik?</translation>
    </message>
    <message>
        <source>Larkspan Drive is running.</source>
        <comment></comment>
        <translation>A Larkspan Drive fut.</translation>
    </message>
    <message>
        <source>%1 has shared a new item with you.</source>
        <comment></comment>
        <translation>%1 megosztott Önnel egy új elemet.</translation>
    </message>
    <message>
        <source>A conflict occurred.</source>
        <comment></comment>
        <translation>Ütközés történt.</translation>
    </message>
    <message>
        <source>The selected folder is a mount point. Choose a folder on a local disk.</source>
        <comment></comment>
        <translation>A kiválasztott mappa egy csatlakoztatási pont. Válasszon egy mappát a helyi lemezen.</translation>
    </message>
    <message>
        <source>Encryption</source>
        <comment></comment>
        <translation>Titkosítás</translation>
    </message>
    <message>
        <source>Changes you make in your sync folder are synced with the Larkspan.</source>
        <comment></comment>
        <translation>A szinkronizálási mappában végzett módosítások szinkronizálódnak a Larkspannal.</translation>
    </message>
    <message>
        <source>Please wait while the setup wizard installs Larkspan Drive. This may take several minutes.</source>
        <comment></comment>
        <translation>Várjon, amíg a telepítővarázsló telepíti a Larkspan Drive-ot. Ez több percig is eltarthat.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has changed since your last connection. Continue?</source>
        <comment></comment>
        <translation>A kiszolgáló tanúsítványa megváltozott a legutóbbi csatlakozás óta. Folytatja?</translation>
    </message>
    <message>
        <source>%1 is ready.</source>
        <comment></comment>
        <translation>A(z) %1 használatra kész.</translation>
    </message>
    <message>
        <source>Search</source>
        <comment></comment>
        <translation>Keresés</translation>
    </message>
    <message>
        <source>Link a new Larkspan</source>
        <comment></comment>
        <translation>Új Larkspan társítása</translation>
    </message>
    <message>
        <source>Certificate verification failed.</source>
        <comment></comment>
        <translation>A tanúsítvány ellenőrzése sikertelen.</translation>
    </message>
    <message>
        <source>Starting Larkspan Drive...</source>
        <comment></comment>
        <translation>A Larkspan Drive indítása...</translation>
    </message>
    <message>
        <source>On-demand sync could not be enabled.</source>
        <comment></comment>
        <translation>Nem sikerült engedélyezni az igény szerinti szinkronizálást.</translation>
    </message>
    <message>
        <source>Setup complete</source>
        <comment></comment>
        <translation>A beállítás befejeződött</translation>
    </message>
    <message>
        <source>Your administrator requires two-step verification for your account.</source>
        <comment></comment>
        <translation>A rendszergazda kétlépéses ellenőrzést ír elő a fiókjához.</translation>
    </message>
    <message>
        <source>Start %1 when I sign in</source>
        <comment></comment>
        <translation>A(z) %1 indítása bejelentkezéskor</translation>
    </message>
    <message>
        <source>The selected folder is already synced by another task.</source>
        <comment></comment>
        <translation>A kiválasztott mappát már egy másik feladat szinkronizálja.</translation>
    </message>
    <message>
        <source>File</source>
        <comment></comment>
        <translation>Fájl</translation>
    </message>
    <message>
        <source>Recently changed</source>
        <comment></comment>
        <translation>Nemrég módosított</translation>
    </message>
</context>
</TS>
