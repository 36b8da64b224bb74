<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Enabled</source>
        <comment></comment>
        <translation>Włączone</translation>
    </message>
    <message>
        <source>Larkspan Drive has no optional features to change.</source>
        <comment></comment>
        <translation>Larkspan Drive nie ma funkcji opcjonalnych, które można zmienić.</translation>
    </message>
    <message>
        <source>Merge</source>
        <comment></comment>
        <translation>Scal</translation>
    </message>
    <message>
        <source>Open folder</source>
        <comment></comment>
        <translation>Otwórz folder</translation>
    </message>
    <message>
        <source>Sync folder on this computer</source>
        <comment></comment>
        <translation>Folder synchronizacji na tym komputerze</translation>
    </message>
    <message>
        <source>Tutorial that introduces the main features of %1</source>
        <comment></comment>
        <translation>Samouczek przedstawiający główne funkcje aplikacji %1</translation>
    </message>
    <message>
        <source>Renamed on the Larkspan</source>
        <comment></comment>
        <translation>Zmieniono nazwę na serwerze Larkspan</translation>
    </message>
    <message>
        <source>Friday</source>
        <comment></comment>
        <translation>piątek</translation>
    </message>
    <message>
        <source>Thursday</source>
        <comment></comment>
        <translation>czwartek</translation>
    </message>
    <message>
        <source>The setup wizard is ready to begin the installation.</source>
        <comment></comment>
        <translation>Kreator instalacji jest gotowy do rozpoczęcia instalacji.</translation>
    </message>
    <message>
        <source>Select the files to sync</source>
        <comment></comment>
        <translation>Wybierz pliki do synchronizacji</translation>
    </message>
    <message>
        <source>Loading...</source>
        <comment></comment>
        <translation>Wczytywanie...</translation>
    </message>
    <message>
        <source>Sync direction</source>
        <comment></comment>
        <translation>Kierunek synchronizacji</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <comment></comment>
        <translation>Dostępna jest nowa wersja. Kliknij, aby zaktualizować.</translation>
    </message>
    <message>
        <source>Ready to install Larkspan Drive</source>
        <comment></comment>
        <translation>Gotowe do zainstalowania aplikacji Larkspan Drive</translation>
    </message>
    <message>
        <source>User name</source>
        <comment></comment>
        <translation>Nazwa użytkownika</translation>
    </message>
    <message>
        <source>File sharing is not available over a relay connection.</source>
        <comment></comment>
        <translation>Udostępnianie plików jest niedostępne w przypadku połączenia przez przekaźnik.</translation>
    </message>
    <message>
        <source>Last page</source>
        <comment></comment>
        <translation>Ostatnia strona</translation>
    </message>
    <message>
        <source>One-way upload</source>
        <comment></comment>
        <translation>Jednokierunkowe wysyłanie</translation>
    </message>
    <message>
        <source>Setup is complete. %1 now keeps your files in sync.</source>
        <comment></comment>
        <translation>Konfiguracja została zakończona. Aplikacja %1 synchronizuje teraz Twoje pliki.</translation>
    </message>
    <message>
        <source>System default</source>
        <comment></comment>
        <translation>Ustawienie domyślne systemu</translation>
    </message>
    <message>
        <source>A sync folder named %1 already exists. Choose another name.</source>
        <comment></comment>
        <translation>Folder synchronizacji o nazwie %1 już istnieje. Wybierz inną nazwę.</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment></comment>
        <translation>Wyjdź</translation>
    </message>
    <message>
        <source>Choose the display language</source>
        <comment></comment>
        <translation>Wybierz język interfejsu</translation>
    </message>
    <message>
        <source>The Larkspan Drive service is disabled on this Larkspan. Ask your administrator to enable it.</source>
        <comment></comment>
        <translation>Usługa Larkspan Drive jest wyłączona na tym serwerze Larkspan. Poproś administratora o jej włączenie.</translation>
    </message>
    <message>
        <source>Search for Larkspan servers on the local network</source>
        <comment></comment>
        <translation>Wyszukaj serwery Larkspan w sieci lokalnej</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <comment></comment>
        <translation>i jeszcze %1</translation>
    </message>
    <message>
        <source>Connected</source>
        <comment></comment>
        <translation>Połączono</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <comment></comment>
        <translation>wtorek</translation>
    </message>
    <message>
        <source>Read the following license agreement and accept it to continue.</source>
        <comment></comment>
        <translation>Przeczytaj poniższą umowę licencyjną i zaakceptuj ją, aby kontynuować.</translation>
    </message>
    <message>
        <source>Help</source>
        <comment></comment>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Launch Larkspan Drive now</source>
        <comment></comment>
        <translation>Uruchom teraz aplikację Larkspan Drive</translation>
    </message>
    <message>
        <source>User name:</source>
        <comment></comment>
        <translation>Nazwa użytkownika:</translation>
    </message>
    <message>
        <source>Finishing the automatic setup...</source>
        <comment></comment>
        <translation>Kończenie automatycznej konfiguracji...</translation>
    </message>
    <message>
        <source>Summary</source>
        <comment></comment>
        <translation>Podsumowanie</translation>
    </message>
    <message>
        <source>Selective sync mode</source>
        <comment></comment>
        <translation>Tryb synchronizacji selektywnej</translation>
    </message>
    <message>
        <source>Notifications</source>
        <comment></comment>
        <translation>Powiadomienia</translation>
    </message>
    <message>
        <source>Choose a folder on the Larkspan and a folder on this computer to keep in sync.</source>
        <comment></comment>
        <translation>Wybierz folder na serwerze Larkspan i folder na tym komputerze, które mają być synchronizowane.</translation>
    </message>
    <message>
        <source>Files whose names match these patterns are not synced. Use * as a wildcard, for example *.tmp.</source>
        <comment></comment>
        <translation>Pliki, których nazwy pasują do tych wzorców, nie są synchronizowane. Użyj * jako symbolu wieloznacznego, na przykład *.tmp.</translation>
    </message>
    <message>
        <source>OK</source>
        <comment></comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Everyone with the link can view the files.</source>
        <comment></comment>
        <translation>Każda osoba mająca link może wyświetlać pliki.</translation>
    </message>
    <message>
        <source>Set sync folder</source>
        <comment></comment>
        <translation>Ustaw folder synchronizacji</translation>
    </message>
    <message>
        <source>Unlink</source>
        <comment></comment>
        <translation>Odłącz</translation>
    </message>
    <message>
        <source>Value</source>
        <comment></comment>
        <translation>Wartość</translation>
    </message>
    <message>
        <source>Selective sync</source>
        <comment></comment>
        <translation>Synchronizacja selektywna</translation>
    </message>
    <message>
        <source>Continue</source>
        <comment></comment>
        <translation>Kontynuuj</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <comment></comment>
        <translation>Inicjowanie nie powiodło się.</translation>
    </message>
    <message>
        <source>Share files with others</source>
        <comment></comment>
        <translation>Udostępniaj pliki innym</translation>
    </message>
    <message>
        <source>Open Larkspan Drive</source>
        <comment></comment>
        <translation>Otwórz Larkspan Drive</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment></comment>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Change which features of Larkspan Drive are installed</source>
        <comment></comment>
        <translation>Zmień, które funkcje aplikacji Larkspan Drive są zainstalowane</translation>
    </message>
    <message>
        <source>Unable to get the user information.</source>
        <comment></comment>
        <translation>Nie można pobrać informacji o użytkowniku.</translation>
    </message>
    <message>
        <source>Status information</source>
        <comment></comment>
        <translation>Informacje o stanie</translation>
    </message>
    <message>
        <source>The setup wizard will install Larkspan Drive on your computer. Click Next to continue or Cancel to exit.</source>
        <comment></comment>
        <translation>Kreator instalacji zainstaluje aplikację Larkspan Drive na komputerze. Kliknij przycisk Dalej, aby kontynuować, lub przycisk Anuluj, aby zakończyć.</translation>
    </message>
    <message>
        <source>Show sync status icons on files and folders</source>
        <comment></comment>
        <translation>Pokazuj ikony stanu synchronizacji na plikach i folderach</translation>
    </message>
    <message>
        <source>Change</source>
        <comment></comment>
        <translation>Zmień</translation>
    </message>
    <message>
        <source>Cancel setup</source>
        <comment></comment>
        <translation>Anuluj instalację</translation>
    </message>
    <message>
        <source>No proxy</source>
        <comment></comment>
        <translation>Bez serwera proxy</translation>
    </message>
    <message>
        <source>The client could not be upgraded. Please try again later.</source>
        <comment></comment>
        <translation>Nie można uaktualnić klienta. Spróbuj ponownie później.</translation>
    </message>
    <message>
        <source>Apply</source>
        <comment></comment>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Files in use</source>
        <comment></comment>
        <translation>Pliki w użyciu</translation>
    </message>
    <message>
        <source>Service disabled</source>
        <comment></comment>
        <translation>Usługa wyłączona</translation>
    </message>
    <message>
        <source>Reading the connection settings...</source>
        <comment></comment>
        <translation>Odczytywanie ustawień połączenia...</translation>
    </message>
    <message>
        <source>Mentioned you</source>
        <comment></comment>
        <translation>Wspomniano o Tobie</translation>
    </message>
    <message>
        <source>Updating...</source>
        <comment></comment>
        <translation>Aktualizowanie...</translation>
    </message>
    <message>
        <source>Language</source>
        <comment></comment>
        <translation>Język</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <comment></comment>
        <translation>Gratulacje!</translation>
    </message>
    <message>
        <source>Enable sharing</source>
        <comment></comment>
        <translation>Włącz udostępnianie</translation>
    </message>
    <message>
        <source>The home folder service is not enabled for your account. Ask your administrator to enable it.</source>
        <comment></comment>
        <translation>Usługa folderu domowego nie jest włączona dla Twojego konta. Poproś administratora o jej włączenie.</translation>
    </message>
    <message>
        <source>August</source>
        <comment></comment>
        <translation>sierpień</translation>
    </message>
    <message>
        <source>Read and write</source>
        <comment></comment>
        <translation>Odczyt i zapis</translation>
    </message>
    <message>
        <source>Remove</source>
        <comment></comment>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Larkspan Drive notification</source>
        <comment></comment>
        <translation>Powiadomienie Larkspan Drive</translation>
    </message>
    <message>
        <source>Open in the web portal</source>
        <comment></comment>
        <translation>Otwórz w portalu internetowym</translation>
    </message>
    <message>
        <source>The selected sync folder is not valid. Choose another folder.</source>
        <comment></comment>
        <translation>Wybrany folder synchronizacji jest nieprawidłowy. Wybierz inny folder.</translation>
    </message>
    <message>
        <source>This field cannot be left blank.</source>
        <comment></comment>
        <translation>To pole nie może być puste.</translation>
    </message>
    <message>
        <source>Start Larkspan Drive when I sign in</source>
        <comment></comment>
        <translation>Uruchamiaj Larkspan Drive po zalogowaniu</translation>
    </message>
    <message>
        <source>Some files that need to be updated are currently in use.</source>
        <comment></comment>
        <translation>Niektóre pliki, które trzeba zaktualizować, są obecnie w użyciu.</translation>
    </message>
    <message>
        <source>File extensions:</source>
        <comment></comment>
        <translation>Rozszerzenia plików:</translation>
    </message>
    <message>
        <source>Shared with me</source>
        <comment></comment>
        <translation>Udostępnione dla mnie</translation>
    </message>
    <message>
        <source>Stop downloading this version</source>
        <comment></comment>
        <translation>Zatrzymaj pobieranie tej wersji</translation>
    </message>
    <message>
        <source>Browse previous versions</source>
        <comment></comment>
        <translation>Przeglądaj poprzednie wersje</translation>
    </message>
    <message>
        <source>Unable to create the local folder %1.</source>
        <comment></comment>
        <translation>Nie można utworzyć folderu lokalnego %1.</translation>
    </message>
    <message>
        <source>Information</source>
        <comment></comment>
        <translation>Informacje</translation>
    </message>
    <message>
        <source>%1 is running.</source>
        <comment></comment>
        <translation>Aplikacja %1 jest uruchomiona.</translation>
    </message>
    <message>
        <source>Larkspan Drive keeps the files on your Larkspan and your computers in sync.</source>
        <comment></comment>
        <translation>Larkspan Drive synchronizuje pliki między Twoim serwerem Larkspan a Twoimi komputerami.</translation>
    </message>
    <message>
        <source>Do not show this message again</source>
        <comment></comment>
        <translation>Nie pokazuj ponownie tego komunikatu</translation>
    </message>
    <message>
        <source>Open the web portal</source>
        <comment></comment>
        <translation>Otwórz portal internetowy</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <comment></comment>
        <translation>Uaktualnij</translation>
    </message>
    <message>
        <source>Done</source>
        <comment></comment>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Choose how to finish the setup:</source>
        <comment></comment>
        <translation>Wybierz sposób zakończenia konfiguracji:</translation>
    </message>
    <message>
        <source>When a file exists on both sides, both are kept and the local copy is renamed as a conflict file.</source>
        <comment></comment>
        <translation>Gdy plik istnieje po obu stronach, obie wersje są zachowywane, a kopia lokalna otrzymuje nazwę pliku konfliktu.</translation>
    </message>
    <message>
        <source>Only the users and groups you choose can open the files.</source>
        <comment></comment>
        <translation>Tylko wybrani użytkownicy i grupy mogą otwierać pliki.</translation>
    </message>
    <message>
        <source>Invite people</source>
        <comment></comment>
        <translation>Zaproś osoby</translation>
    </message>
    <message>
        <source>This computer</source>
        <comment></comment>
        <translation>Ten komputer</translation>
    </message>
    <message>
        <source>New shared item</source>
        <comment></comment>
        <translation>Nowy udostępniony element</translation>
    </message>
    <message>
        <source>Uploading</source>
        <comment></comment>
        <translation>Wysyłanie</translation>
    </message>
    <message>
        <source>Automatic connection is not allowed by the server settings.</source>
        <comment></comment>
        <translation>Ustawienia serwera nie zezwalają na połączenie automatyczne.</translation>
    </message>
    <message>
        <source>Restricted</source>
        <comment></comment>
        <translation>Ograniczony</translation>
    </message>
    <message>
        <source>Proxy</source>
        <comment></comment>
        <translation>Serwer proxy</translation>
    </message>
    <message>
        <source>Keep both files and add the computer name to the local copy</source>
        <comment></comment>
        <translation>Zachowaj oba pliki i dodaj nazwę komputera do kopii lokalnej</translation>
    </message>
    <message>
        <source>Close the applications automatically and try to restart them afterwards.</source>
        <comment></comment>
        <translation>Automatycznie zamknij aplikacje i spróbuj je później ponownie uruchomić.</translation>
    </message>
    <message>
        <source>This version of the client is too old. Upgrade Larkspan Drive to the latest version.</source>
        <comment></comment>
        <translation>Ta wersja klienta jest zbyt stara. Uaktualnij Larkspan Drive do najnowszej wersji.</translation>
    </message>
    <message>
        <source>Users and groups</source>
        <comment></comment>
        <translation>Użytkownicy i grupy</translation>
    </message>
    <message>
        <source>Right-click a file in your sync folder and choose Share link to share it with anyone.</source>
        <comment></comment>
        <translation>Kliknij prawym przyciskiem myszy plik w folderze synchronizacji i wybierz polecenie Udostępnij link, aby udostępnić go dowolnej osobie.</translation>
    </message>
    <message>
        <source>Link permission</source>
        <comment></comment>
        <translation>Uprawnienia linku</translation>
    </message>
    <message>
        <source>The server&apos;s SSL certificate could not be verified.</source>
        <comment></comment>
        <translation>Nie można zweryfikować certyfikatu SSL serwera.</translation>
    </message>
    <message>
        <source>Repairs the most recent installation by restoring missing or damaged files and shortcuts.</source>
        <comment></comment>
        <translation>Naprawia ostatnią instalację, przywracając brakujące lub uszkodzone pliki i skróty.</translation>
    </message>
    <message>
        <source>Sync mode</source>
        <comment></comment>
        <translation>Tryb synchronizacji</translation>
    </message>
    <message>
        <source>No previous versions are available for this file.</source>
        <comment></comment>
        <translation>Brak poprzednich wersji tego pliku.</translation>
    </message>
    <message>
        <source>The remote folder is not mounted.</source>
        <comment></comment>
        <translation>Folder zdalny nie jest zamontowany.</translation>
    </message>
    <message>
        <source>Type</source>
        <comment></comment>
        <translation>Typ</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <comment></comment>
        <translation>Umowa licencyjna użytkownika końcowego</translation>
    </message>
    <message>
        <source>Expire after a number of visits</source>
        <comment></comment>
        <translation>Wygaś po określonej liczbie odwiedzin</translation>
    </message>
    <message>
        <source>Signed-in users can view the files.</source>
        <comment></comment>
        <translation>Zalogowani użytkownicy mogą wyświetlać pliki.</translation>
    </message>
    <message>
        <source>The Larkspan Drive ID is not valid.</source>
        <comment></comment>
        <translation>Identyfikator Larkspan Drive jest nieprawidłowy.</translation>
    </message>
    <message>
        <source>Change, repair or remove the installation</source>
        <comment></comment>
        <translation>Zmień, napraw lub usuń instalację</translation>
    </message>
    <message>
        <source>Connection unstable</source>
        <comment></comment>
        <translation>Niestabilne połączenie</translation>
    </message>
    <message>
        <source>Date</source>
        <comment></comment>
        <translation>Data</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <comment></comment>
        <translation>Maksymalna liczba znaków: %1.</translation>
    </message>
    <message>
        <source>This computer was linked to a different server. Link %1 again to continue.</source>
        <comment></comment>
        <translation>Ten komputer był połączony z innym serwerem. Połącz ponownie aplikację %1, aby kontynuować.</translation>
    </message>
    <message>
        <source>No valid folder is selected.</source>
        <comment></comment>
        <translation>Nie wybrano prawidłowego folderu.</translation>
    </message>
    <message>
        <source>Version mismatch</source>
        <comment></comment>
        <translation>Niezgodność wersji</translation>
    </message>
    <message>
        <source>No data</source>
        <comment></comment>
        <translation>Brak danych</translation>
    </message>
    <message>
        <source>Setup was interrupted by an error.</source>
        <comment></comment>
        <translation>Instalacja została przerwana z powodu błędu.</translation>
    </message>
    <message>
        <source>Open file</source>
        <comment></comment>
        <translation>Otwórz plik</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment></comment>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>A new version is available. Click to update to %1.</source>
        <comment></comment>
        <translation>Dostępna jest nowa wersja. Kliknij, aby zaktualizować do %1.</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment></comment>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Unable to delete the shared item.</source>
        <comment></comment>
        <translation>Nie można usunąć udostępnionego elementu.</translation>
    </message>
    <message>
        <source>Error</source>
        <comment></comment>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Unable to list the versions of this file.</source>
        <comment></comment>
        <translation>Nie można wyświetlić listy wersji tego pliku.</translation>
    </message>
    <message>
        <source>%1 minutes ago</source>
        <comment></comment>
        <translation>%1 min temu</translation>
    </message>
    <message>
        <source>Larkspan Drive encountered an error.</source>
        <comment></comment>
        <translation>W aplikacji Larkspan Drive wystąpił błąd.</translation>
    </message>
    <message>
        <source>Resume syncing these folders</source>
        <comment></comment>
        <translation>Wznów synchronizację tych folderów</translation>
    </message>
    <message>
        <source>Add folder</source>
        <comment></comment>
        <translation>Dodaj folder</translation>
    </message>
    <message>
        <source>Lets you change the way the features are installed.</source>
        <comment></comment>
        <translation>Umożliwia zmianę sposobu instalacji funkcji.</translation>
    </message>
    <message>
        <source>Choose how you want to set up Larkspan Drive.</source>
        <comment></comment>
        <translation>Wybierz sposób konfiguracji aplikacji Larkspan Drive.</translation>
    </message>
    <message>
        <source>Repair the installation</source>
        <comment></comment>
        <translation>Napraw instalację</translation>
    </message>
    <message>
        <source>When a file was changed on both sides:</source>
        <comment></comment>
        <translation>Gdy plik został zmieniony po obu stronach:</translation>
    </message>
    <message>
        <source>Later</source>
        <comment></comment>
        <translation>Później</translation>
    </message>
    <message>
        <source>The folder %1 already exists. Do you want to merge the two folders?</source>
        <comment></comment>
        <translation>Folder %1 już istnieje. Czy chcesz scalić oba foldery?</translation>
    </message>
    <message>
        <source>New shared item received</source>
        <comment></comment>
        <translation>Otrzymano nowy udostępniony element</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <comment></comment>
        <translation>Pokazuj powiadomienia na pulpicie</translation>
    </message>
    <message>
        <source>Larkspan Drive does not support the protocol used by this server.</source>
        <comment></comment>
        <translation>Larkspan Drive nie obsługuje protokołu używanego przez ten serwer.</translation>
    </message>
    <message>
        <source>The local disk is full. Larkspan Drive has paused syncing.</source>
        <comment></comment>
        <translation>Dysk lokalny jest pełny. Aplikacja Larkspan Drive wstrzymała synchronizację.</translation>
    </message>
    <message>
        <source>No shared items</source>
        <comment></comment>
        <translation>Brak udostępnionych elementów</translation>
    </message>
    <message>
        <source>Authentication failed. Check your user name and password.</source>
        <comment></comment>
        <translation>Uwierzytelnianie nie powiodło się. Sprawdź nazwę użytkownika i hasło.</translation>
    </message>
    <message>
        <source>Choose the folders to keep in sync.</source>
        <comment></comment>
        <translation>Wybierz foldery do synchronizacji.</translation>
    </message>
    <message>
        <source>Paused</source>
        <comment></comment>
        <translation>Wstrzymano</translation>
    </message>
    <message>
        <source>%1 is initializing...</source>
        <comment></comment>
        <translation>Trwa inicjowanie aplikacji %1...</translation>
    </message>
    <message>
        <source>Up to date</source>
        <comment></comment>
        <translation>Aktualne</translation>
    </message>
    <message>
        <source>Download cancelled.</source>
        <comment></comment>
        <translation>Pobieranie zostało anulowane.</translation>
    </message>
    <message>
        <source>Larkspan Drive could not be upgraded.</source>
        <comment></comment>
        <translation>Nie można uaktualnić aplikacji Larkspan Drive.</translation>
    </message>
    <message>
        <source>Your files, everywhere.</source>
        <comment></comment>
        <translation>Twoje pliki, wszędzie.</translation>
    </message>
    <message>
        <source>Sync the files that other users share with you.</source>
        <comment></comment>
        <translation>Synchronizuj pliki udostępniane Ci przez innych użytkowników.</translation>
    </message>
    <message>
        <source>Change, repair or remove Larkspan Drive.</source>
        <comment></comment>
        <translation>Zmień, napraw lub usuń aplikację Larkspan Drive.</translation>
    </message>
    <message>
        <source>Installing Larkspan Drive</source>
        <comment></comment>
        <translation>Instalowanie aplikacji Larkspan Drive</translation>
    </message>
    <message>
        <source>Keep both files and rename the conflicting one</source>
        <comment></comment>
        <translation>Zachowaj oba pliki i zmień nazwę pliku powodującego konflikt</translation>
    </message>
    <message>
        <source>The server version is not supported. Ask your administrator to upgrade the server.</source>
        <comment></comment>
        <translation>Wersja serwera nie jest obsługiwana. Poproś administratora o uaktualnienie serwera.</translation>
    </message>
    <message>
        <source>Version</source>
        <comment></comment>
        <translation>Wersja</translation>
    </message>
    <message>
        <source>Resume syncing this folder</source>
        <comment></comment>
        <translation>Wznów synchronizację tego folderu</translation>
    </message>
    <message>
        <source>Show Larkspan Drive in the file manager&apos;s context menu</source>
        <comment></comment>
        <translation>Pokazuj Larkspan Drive w menu kontekstowym menedżera plików</translation>
    </message>
    <message>
        <source>About</source>
        <comment></comment>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Comments</source>
        <comment></comment>
        <translation>Komentarze</translation>
    </message>
    <message>
        <source>The relay service is disabled on the server.</source>
        <comment></comment>
        <translation>Usługa przekaźnika jest wyłączona na serwerze.</translation>
    </message>
    <message>
        <source>Last week</source>
        <comment></comment>
        <translation>Ostatni tydzień</translation>
    </message>
    <message>
        <source>Checking data...</source>
        <comment></comment>
        <translation>Sprawdzanie danych...</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <comment></comment>
        <translation>Synchronizowanie...</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment></comment>
        <translation>Folder</translation>
    </message>
    <message>
        <source>%1 items</source>
        <comment></comment>
        <translation>Elementy: %1</translation>
    </message>
    <message>
        <source>Download</source>
        <comment></comment>
        <translation>Pobieranie</translation>
    </message>
    <message>
        <source>%1 days ago</source>
        <comment></comment>
        <translation>%1 dni temu</translation>
    </message>
    <message>
        <source>Open settings</source>
        <comment></comment>
        <translation>Otwórz ustawienia</translation>
    </message>
    <message>
        <source>Unable to get the link to the file.</source>
        <comment></comment>
        <translation>Nie można pobrać linku do pliku.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. %1 will merge its content with the server.</source>
        <comment></comment>
        <translation>Wybrany folder nie jest pusty. Aplikacja %1 scali jego zawartość z serwerem.</translation>
    </message>
    <message>
        <source>Reconnect</source>
        <comment></comment>
        <translation>Połącz ponownie</translation>
    </message>
    <message>
        <source>Monday</source>
        <comment></comment>
        <translation>poniedziałek</translation>
    </message>
    <message>
        <source>The shared folder conflicts with an existing sync folder.</source>
        <comment></comment>
        <translation>Folder udostępniony koliduje z istniejącym folderem synchronizacji.</translation>
    </message>
    <message>
        <source>Sync task from %1 to %2</source>
        <comment></comment>
        <translation>Zadanie synchronizacji z %1 do %2</translation>
    </message>
    <message>
        <source>Mount point</source>
        <comment></comment>
        <translation>Punkt montowania</translation>
    </message>
    <message>
        <source>Folder not empty</source>
        <comment></comment>
        <translation>Folder nie jest pusty</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <comment></comment>
        <translation>Odłączanie...</translation>
    </message>
    <message>
        <source>Time</source>
        <comment></comment>
        <translation>Czas</translation>
    </message>
    <message>
        <source>%1 does not support the protocol used by this server.</source>
        <comment></comment>
        <translation>Aplikacja %1 nie obsługuje protokołu używanego przez ten serwer.</translation>
    </message>
    <message>
        <source>Folder path</source>
        <comment></comment>
        <translation>Ścieżka folderu</translation>
    </message>
    <message>
        <source>February</source>
        <comment></comment>
        <translation>luty</translation>
    </message>
    <message>
        <source>The server&apos;s certificate could not be verified. Syncing is paused.</source>
        <comment></comment>
        <translation>Nie można zweryfikować certyfikatu serwera. Synchronizacja została wstrzymana.</translation>
    </message>
    <message>
        <source>Close the applications that use these files.</source>
        <comment></comment>
        <translation>Zamknij aplikacje, które używają tych plików.</translation>
    </message>
    <message>
        <source>Automatic connection failed because of a system error.</source>
        <comment></comment>
        <translation>Połączenie automatyczne nie powiodło się z powodu błędu systemu.</translation>
    </message>
    <message>
        <source>Show icons on files that are not synced</source>
        <comment></comment>
        <translation>Pokazuj ikony na plikach, które nie są synchronizowane</translation>
    </message>
    <message>
        <source>Larkspan Drive setup was interrupted. Your system has not been changed.</source>
        <comment></comment>
        <translation>Instalacja aplikacji Larkspan Drive została przerwana. System nie został zmieniony.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has changed.</source>
        <comment></comment>
        <translation>Certyfikat serwera uległ zmianie.</translation>
    </message>
    <message>
        <source>Files are stored in your local sync folder, for example /home/user/​LarkspanDrive.</source>
        <comment></comment>
        <translation>Pliki są przechowywane w lokalnym folderze synchronizacji, na przykład /home/user/​LarkspanDrive.</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the installation of Larkspan Drive?</source>
        <comment></comment>
        <translation>Czy na pewno chcesz anulować instalację aplikacji Larkspan Drive?</translation>
    </message>
    <message>
        <source>ID</source>
        <comment></comment>
        <translation>Identyfikator</translation>
    </message>
    <message>
        <source>%1 has been downloaded.</source>
        <comment></comment>
        <translation>Pobrano: %1.</translation>
    </message>
    <message>
        <source>The connection is inactive.</source>
        <comment></comment>
        <translation>Połączenie jest nieaktywne.</translation>
    </message>
    <message>
        <source>Changes in folders on network drives may not be detected right away.</source>
        <comment></comment>
        <translation>Zmiany w folderach na dyskach sieciowych mogą nie być wykrywane od razu.</translation>
    </message>
    <message>
        <source>Share</source>
        <comment></comment>
        <translation>Udostępnij</translation>
    </message>
    <message>
        <source>%1 encountered an error.</source>
        <comment></comment>
        <translation>W aplikacji %1 wystąpił błąd.</translation>
    </message>
    <message>
        <source>First page</source>
        <comment></comment>
        <translation>Pierwsza strona</translation>
    </message>
    <message>
        <source>Resume</source>
        <comment></comment>
        <translation>Wznów</translation>
    </message>
    <message>
        <source>Unable to enable sharing.</source>
        <comment></comment>
        <translation>Nie można włączyć udostępniania.</translation>
    </message>
    <message>
        <source>The local disk is full. %1 has paused syncing.</source>
        <comment></comment>
        <translation>Dysk lokalny jest pełny. Aplikacja %1 wstrzymała synchronizację.</translation>
    </message>
    <message>
        <source>Custom duration</source>
        <comment></comment>
        <translation>Niestandardowy czas trwania</translation>
    </message>
    <message>
        <source>Remove this download</source>
        <comment></comment>
        <translation>Usuń to pobieranie</translation>
    </message>
    <message>
        <source>I accept the terms of the License Agreement</source>
        <comment></comment>
        <translation>Akceptuję warunki umowy licencyjnej</translation>
    </message>
    <message>
        <source>Select a folder on your computer to sync.</source>
        <comment></comment>
        <translation>Wybierz folder na komputerze do synchronizacji.</translation>
    </message>
    <message>
        <source>Action</source>
        <comment></comment>
        <translation>Akcja</translation>
    </message>
    <message>
        <source>Sync tasks</source>
        <comment></comment>
        <translation>Zadania synchronizacji</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment></comment>
        <translation>Wstrzymaj</translation>
    </message>
    <message>
        <source>Click Finish to close the setup wizard.</source>
        <comment></comment>
        <translation>Kliknij przycisk Zakończ, aby zamknąć kreatora instalacji.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Larkspan Drive will merge its content with the server.</source>
        <comment></comment>
        <translation>Wybrany folder nie jest pusty. Aplikacja Larkspan Drive scali jego zawartość z serwerem.</translation>
    </message>
    <message>
        <source>The disk of the Larkspan is full.</source>
        <comment></comment>
        <translation>Dysk serwera Larkspan jest pełny.</translation>
    </message>
    <message>
        <source>Manage</source>
        <comment></comment>
        <translation>Zarządzaj</translation>
    </message>
    <message>
        <source>The setup wizard lets you change the way Larkspan Drive is installed, repair it or remove it. Click Next to continue or Cancel to exit.</source>
        <comment></comment>
        <translation>Kreator instalacji umożliwia zmianę sposobu instalacji aplikacji Larkspan Drive, jej naprawę lub usunięcie. Kliknij przycisk Dalej, aby kontynuować, lub przycisk Anuluj, aby zakończyć.</translation>
    </message>
    <message>
        <source>%1 requested access to %2</source>
        <comment></comment>
        <translation>Użytkownik %1 poprosił o dostęp do elementu %2</translation>
    </message>
    <message>
        <source>Connected through the Internet</source>
        <comment></comment>
        <translation>Połączono przez Internet</translation>
    </message>
    <message>
        <source>Sync your files</source>
        <comment></comment>
        <translation>Synchronizuj pliki</translation>
    </message>
    <message>
        <source>Unable to download this version.</source>
        <comment></comment>
        <translation>Nie można pobrać tej wersji.</translation>
    </message>
    <message>
        <source>Larkspan Drive setup ended because of an error. Your system has not been changed.</source>
        <comment></comment>
        <translation>Instalacja aplikacji Larkspan Drive została zakończona z powodu błędu. System nie został zmieniony.</translation>
    </message>
    <message>
        <source>Files shared with you appear in the %1 folder on this computer.</source>
        <comment></comment>
        <translation>Pliki udostępnione Tobie są widoczne w folderze %1 na tym komputerze.</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this connection?</source>
        <comment></comment>
        <translation>Czy na pewno chcesz odłączyć to połączenie?</translation>
    </message>
    <message>
        <source>Retry</source>
        <comment></comment>
        <translation>Ponów próbę</translation>
    </message>
    <message>
        <source>The proxy server requires a password</source>
        <comment></comment>
        <translation>Serwer proxy wymaga hasła</translation>
    </message>
    <message>
        <source>Update to the latest version to use selective sync.</source>
        <comment></comment>
        <translation>Zaktualizuj do najnowszej wersji, aby korzystać z synchronizacji selektywnej.</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again in %1 minutes.</source>
        <comment></comment>
        <translation>Zbyt wiele nieudanych prób. Spróbuj ponownie za %1 min.</translation>
    </message>
    <message>
        <source>File name</source>
        <comment></comment>
        <translation>Nazwa pliku</translation>
    </message>
    <message>
        <source>Inactive</source>
        <comment></comment>
        <translation>Nieaktywne</translation>
    </message>
    <message>
        <source>You can change these settings at any time in %1.</source>
        <comment></comment>
        <translation>Te ustawienia można w każdej chwili zmienić w aplikacji %1.</translation>
    </message>
    <message>
        <source>This version of Larkspan Drive is already installed. Do you want to install it again?</source>
        <comment></comment>
        <translation>Ta wersja aplikacji Larkspan Drive jest już zainstalowana. Czy chcesz zainstalować ją ponownie?</translation>
    </message>
    <message>
        <source>The quota of the shared folder is full.</source>
        <comment></comment>
        <translation>Limit miejsca folderu udostępnionego został wyczerpany.</translation>
    </message>
    <message>
        <source>The shared folder is not mounted.</source>
        <comment></comment>
        <translation>Folder udostępniony nie jest zamontowany.</translation>
    </message>
    <message>
        <source>%1 hours ago</source>
        <comment></comment>
        <translation>%1 godz. temu</translation>
    </message>
    <message>
        <source>Completed the Larkspan Drive Setup Wizard</source>
        <comment></comment>
        <translation>Kreator instalacji aplikacji Larkspan Drive zakończył pracę</translation>
    </message>
    <message>
        <source>January</source>
        <comment></comment>
        <translation>styczeń</translation>
    </message>
    <message>
        <source>Choose the folders to sync and the sync settings yourself.</source>
        <comment></comment>
        <translation>Samodzielnie wybierz foldery do synchronizacji i ustawienia synchronizacji.</translation>
    </message>
    <message>
        <source>The Larkspan has changed. Link it again to continue.</source>
        <comment></comment>
        <translation>Serwer Larkspan uległ zmianie. Połącz go ponownie, aby kontynuować.</translation>
    </message>
    <message>
        <source>%1 is now syncing your files.</source>
        <comment></comment>
        <translation>Aplikacja %1 synchronizuje teraz Twoje pliki.</translation>
    </message>
    <message>
        <source>Unable to create a link for this item.</source>
        <comment></comment>
        <translation>Nie można utworzyć linku do tego elementu.</translation>
    </message>
    <message>
        <source>I do not accept the terms of the License Agreement</source>
        <comment></comment>
        <translation>Nie akceptuję warunków umowy licencyjnej</translation>
    </message>
    <message>
        <source>Sync</source>
        <comment></comment>
        <translation>Synchronizacja</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <comment></comment>
        <translation>Wczoraj</translation>
    </message>
    <message>
        <source>Downloads of previous versions</source>
        <comment></comment>
        <translation>Pobrane poprzednie wersje</translation>
    </message>
    <message>
        <source>Sync history</source>
        <comment></comment>
        <translation>Historia synchronizacji</translation>
    </message>
    <message>
        <source>Share link</source>
        <comment></comment>
        <translation>Udostępnij link</translation>
    </message>
    <message>
        <source>Repair</source>
        <comment></comment>
        <translation>Napraw</translation>
    </message>
    <message>
        <source>Open the Larkspan in your browser</source>
        <comment></comment>
        <translation>Otwórz serwer Larkspan w przeglądarce</translation>
    </message>
    <message>
        <source>%1 commented on %2</source>
        <comment></comment>
        <translation>Użytkownik %1 skomentował element %2</translation>
    </message>
    <message>
        <source>The maximum number of shared items has been reached.</source>
        <comment></comment>
        <translation>Osiągnięto maksymalną liczbę udostępnionych elementów.</translation>
    </message>
    <message>
        <source>Shared</source>
        <comment></comment>
        <translation>Udostępnione</translation>
    </message>
    <message>
        <source>The local disk is full.</source>
        <comment></comment>
        <translation>Dysk lokalny jest pełny.</translation>
    </message>
    <message>
        <source>Setup interrupted</source>
        <comment></comment>
        <translation>Instalacja przerwana</translation>
    </message>
    <message>
        <source>The local sync folder cannot be found.</source>
        <comment></comment>
        <translation>Nie można odnaleźć lokalnego folderu synchronizacji.</translation>
    </message>
    <message>
        <source>Put your files in the sync folder, and they stay up to date on all your devices.</source>
        <comment></comment>
        <translation>Umieść pliki w folderze synchronizacji, a będą aktualne na wszystkich Twoich urządzeniach.</translation>
    </message>
    <message>
        <source>Expire after</source>
        <comment></comment>
        <translation>Wygaś po</translation>
    </message>
    <message>
        <source>June</source>
        <comment></comment>
        <translation>czerwiec</translation>
    </message>
    <message>
        <source>Select the operation you want to perform.</source>
        <comment></comment>
        <translation>Wybierz operację, którą chcesz wykonać.</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <comment></comment>
        <translation>Pliki tymczasowe</translation>
    </message>
    <message>
        <source>Your quota on the Larkspan is full. Free some space or choose another folder.</source>
        <comment></comment>
        <translation>Twój limit miejsca na serwerze Larkspan został wyczerpany. Zwolnij miejsce lub wybierz inny folder.</translation>
    </message>
    <message>
        <source>Enter the address and port of the proxy server.</source>
        <comment></comment>
        <translation>Wprowadź adres i port serwera proxy.</translation>
    </message>
    <message>
        <source>Folder on the Larkspan</source>
        <comment></comment>
        <translation>Folder na serwerze Larkspan</translation>
    </message>
    <message>
        <source>Renamed on this computer</source>
        <comment></comment>
        <translation>Zmieniono nazwę na tym komputerze</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <comment></comment>
        <translation>Uwierzytelnianie nie powiodło się</translation>
    </message>
    <message>
        <source>Sunday</source>
        <comment></comment>
        <translation>niedziela</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <comment></comment>
        <translation>środa</translation>
    </message>
    <message>
        <source>Automatic setup is configured.</source>
        <comment></comment>
        <translation>Konfiguracja automatyczna jest ustawiona.</translation>
    </message>
    <message>
        <source>New folder on the Larkspan</source>
        <comment></comment>
        <translation>Nowy folder na serwerze Larkspan</translation>
    </message>
    <message>
        <source>Display</source>
        <comment></comment>
        <translation>Wyświetlanie</translation>
    </message>
    <message>
        <source>A newer version of %1 is already installed. Setup will now exit.</source>
        <comment></comment>
        <translation>Nowsza wersja aplikacji %1 jest już zainstalowana. Instalator zostanie teraz zamknięty.</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment></comment>
        <translation>Tak</translation>
    </message>
    <message>
        <source>Local sync folder</source>
        <comment></comment>
        <translation>Lokalny folder synchronizacji</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <comment></comment>
        <translation>Maksymalny rozmiar pliku (MB):</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <comment></comment>
        <translation>Łączenie...</translation>
    </message>
    <message>
        <source>Access request</source>
        <comment></comment>
        <translation>Prośba o dostęp</translation>
    </message>
    <message>
        <source>Larkspan Drive is ready.</source>
        <comment></comment>
        <translation>Aplikacja Larkspan Drive jest gotowa.</translation>
    </message>
    <message>
        <source>Set up</source>
        <comment></comment>
        <translation>Konfiguruj</translation>
    </message>
    <message>
        <source>Do not sync this folder</source>
        <comment></comment>
        <translation>Nie synchronizuj tego folderu</translation>
    </message>
    <message>
        <source>This server needs a newer version of Larkspan Drive. Upgrade now?</source>
        <comment></comment>
        <translation>Ten serwer wymaga nowszej wersji aplikacji Larkspan Drive. Uaktualnić teraz?</translation>
    </message>
    <message>
        <source>Choose a sync folder</source>
        <comment></comment>
        <translation>Wybierz folder synchronizacji</translation>
    </message>
    <message>
        <source>Password</source>
        <comment></comment>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>Today</source>
        <comment></comment>
        <translation>Dzisiaj</translation>
    </message>
    <message>
        <source>Your quota on the Larkspan is full.</source>
        <comment></comment>
        <translation>Twój limit miejsca na serwerze Larkspan został wyczerpany.</translation>
    </message>
    <message>
        <source>Sync and share files across all your devices.</source>
        <comment></comment>
        <translation>Synchronizuj i udostępniaj pliki na wszystkich swoich urządzeniach.</translation>
    </message>
    <message>
        <source>No permission</source>
        <comment></comment>
        <translation>Brak uprawnień</translation>
    </message>
    <message>
        <source>Destination</source>
        <comment></comment>
        <translation>Miejsce docelowe</translation>
    </message>
    <message>
        <source>The sync folder is on a volume that is not mounted.</source>
        <comment></comment>
        <translation>Folder synchronizacji znajduje się na woluminie, który nie jest zamontowany.</translation>
    </message>
    <message>
        <source>Choose a different folder on this computer.</source>
        <comment></comment>
        <translation>Wybierz inny folder na tym komputerze.</translation>
    </message>
    <message>
        <source>Use a black-and-white tray icon</source>
        <comment></comment>
        <translation>Używaj czarno-białej ikony w zasobniku systemowym</translation>
    </message>
    <message>
        <source>The verification code is not valid.</source>
        <comment></comment>
        <translation>Kod weryfikacyjny jest nieprawidłowy.</translation>
    </message>
    <message>
        <source>No connection is available for this file.</source>
        <comment></comment>
        <translation>Brak dostępnego połączenia dla tego pliku.</translation>
    </message>
    <message>
        <source>Keep files on the Larkspan when they are deleted from this computer</source>
        <comment></comment>
        <translation>Zachowuj pliki na serwerze Larkspan po usunięciu ich z tego komputera</translation>
    </message>
    <message>
        <source>One-way download</source>
        <comment></comment>
        <translation>Jednokierunkowe pobieranie</translation>
    </message>
    <message>
        <source>Port:</source>
        <comment></comment>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Last month</source>
        <comment></comment>
        <translation>Ostatni miesiąc</translation>
    </message>
    <message>
        <source>Version %1.%2.%3, build %4</source>
        <comment></comment>
        <translation>Wersja %1.%2.%3, kompilacja %4</translation>
    </message>
    <message>
        <source>Your IP address is not allowed to connect.</source>
        <comment></comment>
        <translation>Twój adres IP nie ma zezwolenia na połączenie.</translation>
    </message>
    <message>
        <source>Sync a folder that someone shared with you.</source>
        <comment></comment>
        <translation>Synchronizuj folder, który ktoś Ci udostępnił.</translation>
    </message>
    <message>
        <source>Filter the sync log</source>
        <comment></comment>
        <translation>Filtruj dziennik synchronizacji</translation>
    </message>
    <message>
        <source>You can only read this folder. Changes you make to it are not uploaded.</source>
        <comment></comment>
        <translation>Ten folder jest dostępny tylko do odczytu. Wprowadzone w nim zmiany nie są wysyłane.</translation>
    </message>
    <message>
        <source>Keyword</source>
        <comment></comment>
        <translation>Słowo kluczowe</translation>
    </message>
    <message>
        <source>Do not sync files larger than %1 MB</source>
        <comment></comment>
        <translation>Nie synchronizuj plików większych niż %1 MB</translation>
    </message>
    <message>
        <source>Next month</source>
        <comment></comment>
        <translation>Następny miesiąc</translation>
    </message>
    <message>
        <source>Remote destination</source>
        <comment></comment>
        <translation>Zdalne miejsce docelowe</translation>
    </message>
    <message>
        <source>Your account is not allowed to sync this folder.</source>
        <comment></comment>
        <translation>Twoje konto nie ma uprawnień do synchronizacji tego folderu.</translation>
    </message>
    <message>
        <source>Unable to download %1.</source>
        <comment></comment>
        <translation>Nie można pobrać: %1.</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <comment></comment>
        <translation>Ustawienia zaawansowane</translation>
    </message>
    <message>
        <source>Welcome to %1. Sign in to get started.</source>
        <comment></comment>
        <translation>Witamy w aplikacji %1. Zaloguj się, aby rozpocząć.</translation>
    </message>
    <message>
        <source>Welcome to the Larkspan Drive Setup Wizard</source>
        <comment></comment>
        <translation>Witamy w kreatorze instalacji aplikacji Larkspan Drive</translation>
    </message>
    <message>
        <source>This computer was linked to a different Larkspan. Link it again to continue.</source>
        <comment></comment>
        <translation>Ten komputer był połączony z innym serwerem Larkspan. Połącz go ponownie, aby kontynuować.</translation>
    </message>
    <message>
        <source>The shared folder no longer exists.</source>
        <comment></comment>
        <translation>Folder udostępniony już nie istnieje.</translation>
    </message>
    <message>
        <source>December</source>
        <comment></comment>
        <translation>grudzień</translation>
    </message>
    <message>
        <source>Overview</source>
        <comment></comment>
        <translation>Przegląd</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <comment></comment>
        <translation>Użyj systemowych ustawień serwera proxy</translation>
    </message>
    <message>
        <source>No sync history</source>
        <comment></comment>
        <translation>Brak historii synchronizacji</translation>
    </message>
    <message>
        <source>Some files could not be synced. Click to see the details.</source>
        <comment></comment>
        <translation>Nie można zsynchronizować niektórych plików. Kliknij, aby wyświetlić szczegóły.</translation>
    </message>
    <message>
        <source>Setup ended because of an error</source>
        <comment></comment>
        <translation>Instalacja zakończyła się z powodu błędu</translation>
    </message>
    <message>
        <source>Drive</source>
        <comment></comment>
        <translation>Drive</translation>
    </message>
    <message>
        <source>October</source>
        <comment></comment>
        <translation>październik</translation>
    </message>
    <message>
        <source>Your changes have not been saved. Save them now?</source>
        <comment></comment>
        <translation>Zmiany nie zostały zapisane. Zapisać je teraz?</translation>
    </message>
    <message>
        <source>This computer is already linked to this Larkspan.</source>
        <comment></comment>
        <translation>Ten komputer jest już połączony z tym serwerem Larkspan.</translation>
    </message>
    <message>
        <source>There is not enough space on the local disk for Larkspan Drive.</source>
        <comment></comment>
        <translation>Na dysku lokalnym jest za mało miejsca dla aplikacji Larkspan Drive.</translation>
    </message>
    <message>
        <source>Do not sync files with these names:</source>
        <comment></comment>
        <translation>Nie synchronizuj plików o tych nazwach:</translation>
    </message>
    <message>
        <source>Available from</source>
        <comment></comment>
        <translation>Dostępne od</translation>
    </message>
    <message>
        <source>Shows the tray icon in black and white to match your desktop theme.</source>
        <comment></comment>
        <translation>Wyświetla ikonę w zasobniku systemowym w czerni i bieli, aby pasowała do motywu pulpitu.</translation>
    </message>
    <message>
        <source>Status</source>
        <comment></comment>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Sync one of your folders on the Larkspan with this computer.</source>
        <comment></comment>
        <translation>Synchronizuj jeden ze swoich folderów na serwerze Larkspan z tym komputerem.</translation>
    </message>
    <message>
        <source>Indexing the folder...</source>
        <comment></comment>
        <translation>Indeksowanie folderu...</translation>
    </message>
    <message>
        <source>Your user name or password is incorrect.</source>
        <comment></comment>
        <translation>Nazwa użytkownika lub hasło są nieprawidłowe.</translation>
    </message>
    <message>
        <source>You do not have permission to use Larkspan Drive. Ask your administrator.</source>
        <comment></comment>
        <translation>Nie masz uprawnień do korzystania z aplikacji Larkspan Drive. Skontaktuj się z administratorem.</translation>
    </message>
    <message>
        <source>Try syncing again</source>
        <comment></comment>
        <translation>Spróbuj ponownie zsynchronizować</translation>
    </message>
    <message>
        <source>Filter settings</source>
        <comment></comment>
        <translation>Ustawienia filtrów</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <comment></comment>
        <translation>Ręczna konfiguracja serwera proxy</translation>
    </message>
    <message>
        <source>Status:</source>
        <comment></comment>
        <translation>Stan:</translation>
    </message>
    <message>
        <source>July</source>
        <comment></comment>
        <translation>lipiec</translation>
    </message>
    <message>
        <source>No</source>
        <comment></comment>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Version not supported</source>
        <comment></comment>
        <translation>Nieobsługiwana wersja</translation>
    </message>
    <message>
        <source>Sync now</source>
        <comment></comment>
        <translation>Synchronizuj teraz</translation>
    </message>
    <message>
        <source>This folder was synced by another user. Choose another folder.</source>
        <comment></comment>
        <translation>Ten folder był synchronizowany przez innego użytkownika. Wybierz inny folder.</translation>
    </message>
    <message>
        <source>Create a KestrinDrive folder in the selected location</source>
        <comment></comment>
        <translation>Utwórz folder KestrinDrive w wybranej lokalizacji</translation>
    </message>
    <message>
        <source>You do not have permission to write to this folder. Choose another folder.</source>
        <comment></comment>
        <translation>Nie masz uprawnień do zapisu w tym folderze. Wybierz inny folder.</translation>
    </message>
    <message>
        <source>This folder is read-only. Changes are not synced to %1.</source>
        <comment></comment>
        <translation>Ten folder jest tylko do odczytu. Zmiany nie są synchronizowane z aplikacją %1.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment></comment>
        <translation>od %1 do %2</translation>
    </message>
    <message>
        <source>Got it</source>
        <comment></comment>
        <translation>Rozumiem</translation>
    </message>
    <message>
        <source>Welcome to Larkspan Drive</source>
        <comment></comment>
        <translation>Witamy w aplikacji Larkspan Drive</translation>
    </message>
    <message>
        <source>Network settings</source>
        <comment></comment>
        <translation>Ustawienia sieci</translation>
    </message>
    <message>
        <source>The setup wizard is ready to begin the repair.</source>
        <comment></comment>
        <translation>Kreator instalacji jest gotowy do rozpoczęcia naprawy.</translation>
    </message>
    <message>
        <source>This client version is not supported by the server. Upgrade to continue syncing.</source>
        <comment></comment>
        <translation>Serwer nie obsługuje tej wersji klienta. Uaktualnij ją, aby kontynuować synchronizację.</translation>
    </message>
    <message>
        <source>Size</source>
        <comment></comment>
        <translation>Rozmiar</translation>
    </message>
    <message>
        <source>The server version is too old. Ask your administrator to upgrade it.</source>
        <comment></comment>
        <translation>Wersja serwera jest zbyt stara. Poproś administratora o jego uaktualnienie.</translation>
    </message>
    <message>
        <source>Everyone with the link can view and edit the files.</source>
        <comment></comment>
        <translation>Każda osoba mająca link może wyświetlać i edytować pliki.</translation>
    </message>
    <message>
        <source>Edit</source>
        <comment></comment>
        <translation>Edytuj</translation>
    </message>
    <message>
        <source>Signed-in users can view and edit the files.</source>
        <comment></comment>
        <translation>Zalogowani użytkownicy mogą wyświetlać i edytować pliki.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <comment></comment>
        <translation>Wyłączone</translation>
    </message>
    <message>
        <source>Change, repair or remove the installation.</source>
        <comment></comment>
        <translation>Zmień, napraw lub usuń instalację.</translation>
    </message>
    <message>
        <source>Just now</source>
        <comment></comment>
        <translation>Przed chwilą</translation>
    </message>
    <message>
        <source>New sync folder</source>
        <comment></comment>
        <translation>Nowy folder synchronizacji</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <comment></comment>
        <translation>Udostępnianie włączone</translation>
    </message>
    <message>
        <source>Sync error</source>
        <comment></comment>
        <translation>Błąd synchronizacji</translation>
    </message>
    <message>
        <source>Merge mode</source>
        <comment></comment>
        <translation>Tryb scalania</translation>
    </message>
    <message>
        <source>Connection information</source>
        <comment></comment>
        <translation>Informacje o połączeniu</translation>
    </message>
    <message>
        <source>Remove Larkspan Drive</source>
        <comment></comment>
        <translation>Usuń aplikację Larkspan Drive</translation>
    </message>
    <message>
        <source>Next %1 pages</source>
        <comment></comment>
        <translation>Następne strony (%1)</translation>
    </message>
    <message>
        <source>Show sync status</source>
        <comment></comment>
        <translation>Pokaż stan synchronizacji</translation>
    </message>
    <message>
        <source>My files</source>
        <comment></comment>
        <translation>Moje pliki</translation>
    </message>
    <message>
        <source>Create a sync task</source>
        <comment></comment>
        <translation>Utwórz zadanie synchronizacji</translation>
    </message>
    <message>
        <source>Create a LarkspanDrive folder in the selected location</source>
        <comment></comment>
        <translation>Utwórz folder LarkspanDrive w wybranej lokalizacji</translation>
    </message>
    <message>
        <source>Skipped file names</source>
        <comment></comment>
        <translation>Pomijane nazwy plików</translation>
    </message>
    <message>
        <source>The %1 ID is not valid.</source>
        <comment></comment>
        <translation>Identyfikator %1 jest nieprawidłowy.</translation>
    </message>
    <message>
        <source>Expire on</source>
        <comment></comment>
        <translation>Wygaś dnia</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <comment></comment>
        <translation>Uaktualnianie...</translation>
    </message>
    <message>
        <source>Start now</source>
        <comment></comment>
        <translation>Rozpocznij teraz</translation>
    </message>
    <message>
        <source>Standby</source>
        <comment></comment>
        <translation>Tryb gotowości</translation>
    </message>
    <message>
        <source>Progress</source>
        <comment></comment>
        <translation>Postęp</translation>
    </message>
    <message>
        <source>%1 changes detected</source>
        <comment></comment>
        <translation>Wykryte zmiany: %1</translation>
    </message>
    <message>
        <source>Only download changes from the Larkspan; local changes are not uploaded.</source>
        <comment></comment>
        <translation>Tylko pobieraj zmiany z serwera Larkspan; zmiany lokalne nie są wysyłane.</translation>
    </message>
    <message>
        <source>A database error occurred.</source>
        <comment></comment>
        <translation>Wystąpił błąd bazy danych.</translation>
    </message>
    <message>
        <source>Enter the address of your Larkspan and your account.</source>
        <comment></comment>
        <translation>Wprowadź adres serwera Larkspan i dane konta.</translation>
    </message>
    <message>
        <source>On-demand sync</source>
        <comment></comment>
        <translation>Synchronizacja na żądanie</translation>
    </message>
    <message>
        <source>New sync task</source>
        <comment></comment>
        <translation>Nowe zadanie synchronizacji</translation>
    </message>
    <message>
        <source>Upload</source>
        <comment></comment>
        <translation>Wysyłanie</translation>
    </message>
    <message>
        <source>Restrict access</source>
        <comment></comment>
        <translation>Ogranicz dostęp</translation>
    </message>
    <message>
        <source>Select the folders to sync</source>
        <comment></comment>
        <translation>Wybierz foldery do synchronizacji</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <comment></comment>
        <translation>Wybierz folder</translation>
    </message>
    <message>
        <source>Setup mode</source>
        <comment></comment>
        <translation>Tryb konfiguracji</translation>
    </message>
    <message>
        <source>Download only</source>
        <comment></comment>
        <translation>Tylko pobieranie</translation>
    </message>
    <message>
        <source>General</source>
        <comment></comment>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>Saturday</source>
        <comment></comment>
        <translation>sobota</translation>
    </message>
    <message>
        <source>Larkspan Drive works with a Larkspan server from Kestrin.</source>
        <comment></comment>
        <translation>Larkspan Drive współpracuje z serwerem Larkspan firmy Kestrin.</translation>
    </message>
    <message>
        <source>Unable to connect to the Larkspan.</source>
        <comment></comment>
        <translation>Nie można połączyć się z serwerem Larkspan.</translation>
    </message>
    <message>
        <source>Connected through a relay</source>
        <comment></comment>
        <translation>Połączono przez przekaźnik</translation>
    </message>
    <message>
        <source>Larkspan Drive is initializing...</source>
        <comment></comment>
        <translation>Trwa inicjowanie aplikacji Larkspan Drive...</translation>
    </message>
    <message>
        <source>Automatic setup failed. Set up Larkspan Drive manually.</source>
        <comment></comment>
        <translation>Konfiguracja automatyczna nie powiodła się. Skonfiguruj aplikację Larkspan Drive ręcznie.</translation>
    </message>
    <message>
        <source>Local destination</source>
        <comment></comment>
        <translation>Lokalne miejsce docelowe</translation>
    </message>
    <message>
        <source>This folder is read-only. Changes are not synced to Larkspan Drive.</source>
        <comment></comment>
        <translation>Ten folder jest tylko do odczytu. Zmiany nie są synchronizowane z aplikacją Larkspan Drive.</translation>
    </message>
    <message>
        <source>Ignore</source>
        <comment></comment>
        <translation>Ignoruj</translation>
    </message>
    <message>
        <source>All events</source>
        <comment></comment>
        <translation>Wszystkie zdarzenia</translation>
    </message>
    <message>
        <source>Sharing</source>
        <comment></comment>
        <translation>Udostępnianie</translation>
    </message>
    <message>
        <source>Click Remove to remove Larkspan Drive from your computer.</source>
        <comment></comment>
        <translation>Kliknij przycisk Usuń, aby usunąć aplikację Larkspan Drive z komputera.</translation>
    </message>
    <message>
        <source>This folder is already part of another sync task.</source>
        <comment></comment>
        <translation>Ten folder należy już do innego zadania synchronizacji.</translation>
    </message>
    <message>
        <source>A network error occurred. Check your connection and try again.</source>
        <comment></comment>
        <translation>Wystąpił błąd sieci. Sprawdź połączenie i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Finish</source>
        <comment></comment>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Enter a port number from %1 to %2.</source>
        <comment></comment>
        <translation>Wprowadź numer portu z zakresu od %1 do %2.</translation>
    </message>
    <message>
        <source>More information</source>
        <comment></comment>
        <translation>Więcej informacji</translation>
    </message>
    <message>
        <source>This folder is already synced.</source>
        <comment></comment>
        <translation>Ten folder jest już synchronizowany.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <comment></comment>
        <translation>Odmowa dostępu.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <comment></comment>
        <translation>Wystąpił nieznany błąd.</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change your settings.</source>
        <comment></comment>
        <translation>Kliknij przycisk Zainstaluj, aby rozpocząć instalację. Kliknij przycisk Wstecz, aby przejrzeć lub zmienić ustawienia.</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <comment></comment>
        <translation>Synchronizacja dwukierunkowa</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <comment></comment>
        <translation>Pobieranie: %1...</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <comment></comment>
        <translation>Stosowanie ustawień...</translation>
    </message>
    <message>
        <source>Switch Larkspan</source>
        <comment></comment>
        <translation>Przełącz serwer Larkspan</translation>
    </message>
    <message>
        <source>The file or folder does not exist.</source>
        <comment></comment>
        <translation>Plik lub folder nie istnieje.</translation>
    </message>
    <message>
        <source>Next</source>
        <comment></comment>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Change folder</source>
        <comment></comment>
        <translation>Zmień folder</translation>
    </message>
    <message>
        <source>April</source>
        <comment></comment>
        <translation>kwiecień</translation>
    </message>
    <message>
        <source>The new language takes effect after Larkspan Drive restarts.</source>
        <comment></comment>
        <translation>Nowy język zostanie zastosowany po ponownym uruchomieniu aplikacji Larkspan Drive.</translation>
    </message>
    <message>
        <source>Choose another</source>
        <comment></comment>
        <translation>Wybierz inny</translation>
    </message>
    <message>
        <source>Invalid argument.</source>
        <comment></comment>
        <translation>Nieprawidłowy argument.</translation>
    </message>
    <message>
        <source>Syncing %1 files</source>
        <comment></comment>
        <translation>Synchronizowanie plików: %1</translation>
    </message>
    <message>
        <source>Sharing links is not enabled on the Larkspan.</source>
        <comment></comment>
        <translation>Udostępnianie linków nie jest włączone na serwerze Larkspan.</translation>
    </message>
    <message>
        <source>Recently updated files</source>
        <comment></comment>
        <translation>Ostatnio zaktualizowane pliki</translation>
    </message>
    <message>
        <source>Security warning</source>
        <comment></comment>
        <translation>Ostrzeżenie o zabezpieczeniach</translation>
    </message>
    <message>
        <source>The following applications use files that setup needs to update. Close them and click Retry, or click Ignore to continue anyway.</source>
        <comment></comment>
        <translation>Następujące aplikacje używają plików, które instalator musi zaktualizować. Zamknij je i kliknij przycisk Ponów próbę lub kliknij przycisk Ignoruj, aby mimo to kontynuować.</translation>
    </message>
    <message>
        <source>Reach your files anywhere</source>
        <comment></comment>
        <translation>Korzystaj z plików w dowolnym miejscu</translation>
    </message>
    <message>
        <source>Print</source>
        <comment></comment>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Create a new folder to sync.</source>
        <comment></comment>
        <translation>Utwórz nowy folder do synchronizacji.</translation>
    </message>
    <message>
        <source>The certificate of %1 has changed. Do you trust the new certificate?</source>
        <comment></comment>
        <translation>Certyfikat serwera %1 uległ zmianie. Czy ufasz nowemu certyfikatowi?</translation>
    </message>
    <message>
        <source>Larkspan Drive</source>
        <comment></comment>
        <translation>Larkspan Drive</translation>
    </message>
    <message>
        <source>Rename</source>
        <comment></comment>
        <translation>Zmiana nazwy</translation>
    </message>
    <message>
        <source>Folder already synced</source>
        <comment></comment>
        <translation>Folder jest już synchronizowany</translation>
    </message>
    <message>
        <source>Do not sync these folders</source>
        <comment></comment>
        <translation>Nie synchronizuj tych folderów</translation>
    </message>
    <message>
        <source>Folders that others share with you</source>
        <comment></comment>
        <translation>Foldery udostępnione Ci przez innych</translation>
    </message>
    <message>
        <source>Repair Larkspan Drive</source>
        <comment></comment>
        <translation>Napraw aplikację Larkspan Drive</translation>
    </message>
    <message>
        <source>Sync log category</source>
        <comment></comment>
        <translation>Kategoria dziennika synchronizacji</translation>
    </message>
    <message>
        <source>Close these applications before setup continues:</source>
        <comment></comment>
        <translation>Zamknij te aplikacje, zanim instalacja będzie kontynuowana:</translation>
    </message>
    <message>
        <source>Add</source>
        <comment></comment>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>No options available</source>
        <comment></comment>
        <translation>Brak dostępnych opcji</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of Larkspan Drive.</source>
        <comment></comment>
        <translation>Kliknij przycisk Napraw, aby naprawić instalację aplikacji Larkspan Drive.</translation>
    </message>
    <message>
        <source>The sync direction does not match your permission on the folder.</source>
        <comment></comment>
        <translation>Kierunek synchronizacji nie odpowiada Twoim uprawnieniom do folderu.</translation>
    </message>
    <message>
        <source>You have chosen to remove the program from your computer.</source>
        <comment></comment>
        <translation>Wybrano usunięcie programu z komputera.</translation>
    </message>
    <message>
        <source>You are ready to use Larkspan Drive.</source>
        <comment></comment>
        <translation>Możesz już korzystać z aplikacji Larkspan Drive.</translation>
    </message>
    <message>
        <source>Edit connection</source>
        <comment></comment>
        <translation>Edytuj połączenie</translation>
    </message>
    <message>
        <source>Upgrade to version %1</source>
        <comment></comment>
        <translation>Uaktualnij do wersji %1</translation>
    </message>
    <message>
        <source>A newer version of Larkspan Drive is already installed. Setup will now exit.</source>
        <comment></comment>
        <translation>Nowsza wersja aplikacji Larkspan Drive jest już zainstalowana. Instalator zostanie teraz zamknięty.</translation>
    </message>
    <message>
        <source>Larkspan Drive is now syncing your files.</source>
        <comment></comment>
        <translation>Aplikacja Larkspan Drive synchronizuje teraz Twoje pliki.</translation>
    </message>
    <message>
        <source>%1 files updated</source>
        <comment></comment>
        <translation>Zaktualizowane pliki: %1</translation>
    </message>
    <message>
        <source>Enter a user name.</source>
        <comment></comment>
        <translation>Wprowadź nazwę użytkownika.</translation>
    </message>
    <message>
        <source>There is not enough space on the local disk for %1.</source>
        <comment></comment>
        <translation>Na dysku lokalnym jest za mało miejsca dla aplikacji %1.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <comment></comment>
        <translation>Preferencje</translation>
    </message>
    <message>
        <source>Files shared with you appear in the Larkspan Drive folder on this computer.</source>
        <comment></comment>
        <translation>Pliki udostępnione Tobie są widoczne w folderze Larkspan Drive na tym komputerze.</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <comment></comment>
        <translation>Nie, dziękuję</translation>
    </message>
    <message>
        <source>Public</source>
        <comment></comment>
        <translation>Publiczny</translation>
    </message>
    <message>
        <source>Setup is complete.</source>
        <comment></comment>
        <translation>Konfiguracja została zakończona.</translation>
    </message>
    <message>
        <source>Open containing folder</source>
        <comment></comment>
        <translation>Otwórz folder zawierający</translation>
    </message>
    <message>
        <source>Removes Larkspan Drive from your computer.</source>
        <comment></comment>
        <translation>Usuwa aplikację Larkspan Drive z komputera.</translation>
    </message>
    <message>
        <source>Show the Larkspan Drive tutorial</source>
        <comment></comment>
        <translation>Pokaż samouczek aplikacji Larkspan Drive</translation>
    </message>
    <message>
        <source>Previous month</source>
        <comment></comment>
        <translation>Poprzedni miesiąc</translation>
    </message>
    <message>
        <source>Shared folders</source>
        <comment></comment>
        <translation>Foldery udostępnione</translation>
    </message>
    <message>
        <source>Created</source>
        <comment></comment>
        <translation>Utworzono</translation>
    </message>
    <message>
        <source>Files you change on one device are updated on the others.</source>
        <comment></comment>
        <translation>Pliki zmienione na jednym urządzeniu są aktualizowane na pozostałych.</translation>
    </message>
    <message>
        <source>September</source>
        <comment></comment>
        <translation>wrzesień</translation>
    </message>
    <message>
        <source>Click Remove to continue, or Back to review your choice.</source>
        <comment></comment>
        <translation>Kliknij przycisk Usuń, aby kontynuować, lub przycisk Wstecz, aby przejrzeć wybór.</translation>
    </message>
    <message>
        <source>Back</source>
        <comment></comment>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Folder name</source>
        <comment></comment>
        <translation>Nazwa folderu</translation>
    </message>
    <message>
        <source>Setup is complete. Larkspan Drive now keeps your files in sync.</source>
        <comment></comment>
        <translation>Konfiguracja została zakończona. Aplikacja Larkspan Drive synchronizuje teraz Twoje pliki.</translation>
    </message>
    <message>
        <source>May</source>
        <comment></comment>
        <translation>maj</translation>
    </message>
    <message>
        <source>Connected through the local network</source>
        <comment></comment>
        <translation>Połączono przez sieć lokalną</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully.</source>
        <comment></comment>
        <translation>Uważnie przeczytaj poniższą umowę licencyjną.</translation>
    </message>
    <message>
        <source>Keep the most recently modified file</source>
        <comment></comment>
        <translation>Zachowaj ostatnio zmodyfikowany plik</translation>
    </message>
    <message>
        <source>%1 mentioned you in %2</source>
        <comment></comment>
        <translation>Użytkownik %1 wspomniał o Tobie w elemencie %2</translation>
    </message>
    <message>
        <source>Access to the selected folder was denied.</source>
        <comment></comment>
        <translation>Odmowa dostępu do wybranego folderu.</translation>
    </message>
    <message>
        <source>Disk full</source>
        <comment></comment>
        <translation>Dysk pełny</translation>
    </message>
    <message>
        <source>Signed-in users</source>
        <comment></comment>
        <translation>Zalogowani użytkownicy</translation>
    </message>
    <message>
        <source>Tutorial that introduces the main features of Larkspan Drive</source>
        <comment></comment>
        <translation>Samouczek przedstawiający główne funkcje aplikacji Larkspan Drive</translation>
    </message>
    <message>
        <source>Checking your password...</source>
        <comment></comment>
        <translation>Sprawdzanie hasła...</translation>
    </message>
    <message>
        <source>All files are up to date.</source>
        <comment></comment>
        <translation>Wszystkie pliki są aktualne.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <comment></comment>
        <translation>Tylko do odczytu</translation>
    </message>
    <message>
        <source>Your password has expired.</source>
        <comment></comment>
        <translation>Twoje hasło wygasło.</translation>
    </message>
    <message>
        <source>Calendar</source>
        <comment></comment>
        <translation>Kalendarz</translation>
    </message>
    <message>
        <source>Replace the file on this computer with the copy on the server</source>
        <comment></comment>
        <translation>Zastąp plik na tym komputerze kopią z serwera</translation>
    </message>
    <message>
        <source>Do not close the applications. A restart will be required.</source>
        <comment></comment>
        <translation>Nie zamykaj aplikacji. Konieczne będzie ponowne uruchomienie.</translation>
    </message>
    <message>
        <source>November</source>
        <comment></comment>
        <translation>listopad</translation>
    </message>
    <message>
        <source>Find a Larkspan on your local network</source>
        <comment></comment>
        <translation>Znajdź serwer Larkspan w sieci lokalnej</translation>
    </message>
    <message>
        <source>File name:</source>
        <comment></comment>
        <translation>Nazwa pliku:</translation>
    </message>
    <message>
        <source>Add file name</source>
        <comment></comment>
        <translation>Dodaj nazwę pliku</translation>
    </message>
    <message>
        <source>Sync your home folder on the Larkspan with a folder on this computer, using the recommended settings.</source>
        <comment></comment>
        <translation>Synchronizuj folder domowy na serwerze Larkspan z folderem na tym komputerze przy użyciu zalecanych ustawień.</translation>
    </message>
    <message>
        <source>Skip files whose names begin with a dot</source>
        <comment></comment>
        <translation>Pomijaj pliki, których nazwy zaczynają się od kropki</translation>
    </message>
    <message>
        <source>Setup was cancelled.</source>
        <comment></comment>
        <translation>Instalacja została anulowana.</translation>
    </message>
    <message>
        <source>Name</source>
        <comment></comment>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Encrypt data transfers (SSL)</source>
        <comment></comment>
        <translation>Szyfruj przesyłane dane (SSL)</translation>
    </message>
    <message>
        <source>File type</source>
        <comment></comment>
        <translation>Typ pliku</translation>
    </message>
    <message>
        <source>Your quota on the Larkspan is full. Syncing is paused.</source>
        <comment></comment>
        <translation>Twój limit miejsca na serwerze Larkspan został wyczerpany. Synchronizacja została wstrzymana.</translation>
    </message>
    <message>
        <source>Share name</source>
        <comment></comment>
        <translation>Nazwa udziału</translation>
    </message>
    <message>
        <source>Setup is not running as an administrator, so Larkspan Drive will be installed for the current user only. Continue?</source>
        <comment></comment>
        <translation>Instalator nie działa z uprawnieniami administratora, więc aplikacja Larkspan Drive zostanie zainstalowana tylko dla bieżącego użytkownika. Kontynuować?</translation>
    </message>
    <message>
        <source>Close the tutorial</source>
        <comment></comment>
        <translation>Zamknij samouczek</translation>
    </message>
    <message>
        <source>About Larkspan Drive</source>
        <comment></comment>
        <translation>Larkspan Drive – informacje</translation>
    </message>
    <message>
        <source>Apply and copy link</source>
        <comment></comment>
        <translation>Zastosuj i skopiuj link</translation>
    </message>
    <message>
        <source>Password:</source>
        <comment></comment>
        <translation>Hasło:</translation>
    </message>
    <message>
        <source>Computer name</source>
        <comment></comment>
        <translation>Nazwa komputera</translation>
    </message>
    <message>
        <source>Synced on all devices</source>
        <comment></comment>
        <translation>Zsynchronizowano na wszystkich urządzeniach</translation>
    </message>
    <message>
        <source>Currently syncing: %1</source>
        <comment></comment>
        <translation>Trwa synchronizacja: %1</translation>
    </message>
    <message>
        <source>Apply to all subfolders</source>
        <comment></comment>
        <translation>Zastosuj do wszystkich podfolderów</translation>
    </message>
    <message>
        <source>Files that match these rules are not synced.</source>
        <comment></comment>
        <translation>Pliki zgodne z tymi regułami nie są synchronizowane.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected shared items?</source>
        <comment></comment>
        <translation>Czy na pewno chcesz usunąć wybrane udostępnione elementy?</translation>
    </message>
    <message>
        <source>IP address</source>
        <comment></comment>
        <translation>Adres IP</translation>
    </message>
    <message>
        <source>Your files are now syncing.</source>
        <comment></comment>
        <translation>Trwa synchronizacja plików.</translation>
    </message>
    <message>
        <source>Some of the entries are not valid.</source>
        <comment></comment>
        <translation>Niektóre wpisy są nieprawidłowe.</translation>
    </message>
    <message>
        <source>A system error occurred while checking the folder.</source>
        <comment></comment>
        <translation>Podczas sprawdzania folderu wystąpił błąd systemu.</translation>
    </message>
    <message>
        <source>Unlink this sync task? Files that are already synced stay on this computer.</source>
        <comment></comment>
        <translation>Odłączyć to zadanie synchronizacji? Pliki, które zostały już zsynchronizowane, pozostaną na tym komputerze.</translation>
    </message>
    <message>
        <source>The sign-in test failed. Check the user name and password.</source>
        <comment></comment>
        <translation>Test logowania nie powiódł się. Sprawdź nazwę użytkownika i hasło.</translation>
    </message>
    <message>
        <source>Turning off sharing removes all existing links. Continue?</source>
        <comment></comment>
        <translation>Wyłączenie udostępniania spowoduje usunięcie wszystkich istniejących linków. Kontynuować?</translation>
    </message>
    <message>
        <source>Test connection</source>
        <comment></comment>
        <translation>Testuj połączenie</translation>
    </message>
    <message>
        <source>Install</source>
        <comment></comment>
        <translation>Zainstaluj</translation>
    </message>
    <message>
        <source>Advanced setup</source>
        <comment></comment>
        <translation>Konfiguracja zaawansowana</translation>
    </message>
    <message>
        <source>Click Repair to continue, or Back to review your choice.</source>
        <comment></comment>
        <translation>Kliknij przycisk Napraw, aby kontynuować, lub przycisk Wstecz, aby przejrzeć wybór.</translation>
    </message>
    <message>
        <source>Installing the program files...</source>
        <comment></comment>
        <translation>Instalowanie plików programu...</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app</source>
        <comment></comment>
        <translation>Wprowadź kod weryfikacyjny z aplikacji uwierzytelniającej</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <comment></comment>
        <translation>Kontynuuj mimo to</translation>
    </message>
    <message>
        <source>March</source>
        <comment></comment>
        <translation>marzec</translation>
    </message>
    <message>
        <source>You can change these settings at any time in Larkspan Drive.</source>
        <comment></comment>
        <translation>Te ustawienia można w każdej chwili zmienić w aplikacji Larkspan Drive.</translation>
    </message>
    <message>
        <source>Proxy settings</source>
        <comment></comment>
        <translation>Ustawienia serwera proxy</translation>
    </message>
    <message>
        <source>Remove the installation</source>
        <comment></comment>
        <translation>Usuń instalację</translation>
    </message>
    <message>
        <source>Send to %1</source>
        <comment></comment>
        <translation>Wyślij do: %1</translation>
    </message>
    <message>
        <source>Synchronization mode</source>
        <comment></comment>
        <translation>Tryb synchronizacji</translation>
    </message>
    <message>
        <source>Refresh the sync log</source>
        <comment></comment>
        <translation>Odśwież dziennik synchronizacji</translation>
    </message>
    <message>
        <source>The content of both folders is merged. Nothing is deleted.</source>
        <comment></comment>
        <translation>Zawartość obu folderów zostanie scalona. Nic nie zostanie usunięte.</translation>
    </message>
    <message>
        <source>This version of %1 is already installed. Do you want to install it again?</source>
        <comment></comment>
        <translation>Ta wersja aplikacji %1 jest już zainstalowana. Czy chcesz zainstalować ją ponownie?</translation>
    </message>
    <message>
        <source>When the tray icon is double-clicked</source>
        <comment></comment>
        <translation>Po dwukrotnym kliknięciu ikony w zasobniku systemowym</translation>
    </message>
    <message>
        <source>Open the web portal to reach your files from any browser.</source>
        <comment></comment>
        <translation>Otwórz portal internetowy, aby korzystać z plików w dowolnej przeglądarce.</translation>
    </message>
    <message>
        <source>Click Finish to close the setup wizard and start using Larkspan Drive.</source>
        <comment></comment>
        <translation>Kliknij przycisk Zakończ, aby zamknąć kreatora instalacji i zacząć korzystać z aplikacji Larkspan Drive.</translation>
    </message>
    <message>
        <source>There are no changes to apply.</source>
        <comment></comment>
        <translation>Brak zmian do zastosowania.</translation>
    </message>
    <message>
        <source>Network error.</source>
        <comment></comment>
        <translation>Błąd sieci.</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <comment></comment>
        <translation>Przygotowywanie...</translation>
    </message>
    <message>
        <source>More tutorials</source>
        <comment></comment>
        <translation>Więcej samouczków</translation>
    </message>
    <message>
        <source>Read-only folder</source>
        <comment></comment>
        <translation>Folder tylko do odczytu</translation>
    </message>
    <message>
        <source>Previous %1 pages</source>
        <comment></comment>
        <translation>Poprzednie strony (%1)</translation>
    </message>
    <message>
        <source>Start the tour</source>
        <comment></comment>
        <translation>Rozpocznij prezentację</translation>
    </message>
    <message>
        <source>IP address details</source>
        <comment></comment>
        <translation>Szczegóły adresu IP</translation>
    </message>
    <message>
        <source>From</source>
        <comment></comment>
        <translation>Od</translation>
    </message>
    <message>
        <source>Welcome to Larkspan Drive. Sign in to get started.</source>
        <comment></comment>
        <translation>Witamy w aplikacji Larkspan Drive. Zaloguj się, aby rozpocząć.</translation>
    </message>
    <message>
        <source>Sync problem</source>
        <comment></comment>
        <translation>Problem z synchronizacją</translation>
    </message>
    <message>
        <source>Local usage</source>
        <comment></comment>
        <translation>Użycie lokalne</translation>
    </message>
    <message>
        <source>Enable on-demand sync</source>
        <comment></comment>
        <translation>Włącz synchronizację na żądanie</translation>
    </message>
    <message>
        <source>Larkspan Drive has been installed.</source>
        <comment></comment>
        <translation>Aplikacja Larkspan Drive została zainstalowana.</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <comment></comment>
        <translation>Rozłączono</translation>
    </message>
    <message>
        <source>Locked</source>
        <comment></comment>
        <translation>Zablokowany</translation>
    </message>
    <message>
        <source>Change sync folder</source>
        <comment></comment>
        <translation>Zmień folder synchronizacji</translation>
    </message>
    <message>
        <source>Setup has finished.</source>
        <comment></comment>
        <translation>Instalacja została zakończona.</translation>
    </message>
    <message>
        <source>%1 shared %2 with you</source>
        <comment></comment>
        <translation>Użytkownik %1 udostępnił Ci element %2</translation>
    </message>
    <message>
        <source>Not found</source>
        <comment></comment>
        <translation>Nie znaleziono</translation>
    </message>
    <message>
        <source>Reset</source>
        <comment></comment>
        <translation>Resetuj</translation>
    </message>
    <message>
        <source>Installing the features you selected.</source>
        <comment></comment>
        <translation>Instalowanie wybranych funkcji.</translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <comment></comment>
        <translation>Wymagany jest kod weryfikacyjny.</translation>
    </message>
    <message>
        <source>%1 keeps the files on your Larkspan and your computers in sync.</source>
        <comment></comment>
        <translation>Aplikacja %1 synchronizuje pliki między Twoim serwerem Larkspan a Twoimi komputerami.</translation>
    </message>
    <message>
        <source>There is not enough space on the disk of this computer.</source>
        <comment></comment>
        <translation>Na dysku tego komputera jest za mało miejsca.</translation>
    </message>
    <message>
        <source>Connection type</source>
        <comment></comment>
        <translation>Typ połączenia</translation>
    </message>
    <message>
        <source>Show the %1 tutorial</source>
        <comment></comment>
        <translation>Pokaż samouczek aplikacji %1</translation>
    </message>
    <message>
        <source>You can also invite people to folders you own.</source>
        <comment></comment>
        <translation>Możesz też zapraszać osoby do swoich folderów.</translation>
    </message>
    <message>
        <source>%1 could not be upgraded.</source>
        <comment></comment>
        <translation>Nie można uaktualnić aplikacji %1.</translation>
    </message>
    <message>
        <source>%1 works with a Larkspan server from Kestrin.</source>
        <comment></comment>
        <translation>Aplikacja %1 współpracuje z serwerem Larkspan firmy Kestrin.</translation>
    </message>
    <message>
        <source>Welcome</source>
        <comment></comment>
        <translation>Witamy</translation>
    </message>
    <message>
        <source>Custom range</source>
        <comment></comment>
        <translation>Zakres niestandardowy</translation>
    </message>
    <message>
        <source>Sync %1 to this computer?</source>
        <comment></comment>
        <translation>Zsynchronizować %1 z tym komputerem?</translation>
    </message>
    <message>
        <source>Quick setup</source>
        <comment></comment>
        <translation>Szybka konfiguracja</translation>
    </message>
    <message>
        <source>Download history</source>
        <comment></comment>
        <translation>Historia pobierania</translation>
    </message>
    <message>
        <source>Use a relay connection when a direct connection is not possible</source>
        <comment></comment>
        <translation>Używaj połączenia przez przekaźnik, gdy połączenie bezpośrednie nie jest możliwe</translation>
    </message>
    <message>
        <source>Folders you clear are removed from this computer but kept on the Larkspan.</source>
        <comment></comment>
        <translation>Odznaczone foldery zostaną usunięte z tego komputera, ale pozostaną na serwerze Larkspan.</translation>
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
        <translation>Pobieranie zostało zakończone.</translation>
    </message>
    <message>
        <source>Setup has all the information it needs to start copying the program files.</source>
        <comment></comment>
        <translation>Instalator ma wszystkie informacje potrzebne do rozpoczęcia kopiowania plików programu.</translation>
    </message>
    <message>
        <source>Sync activity</source>
        <comment></comment>
        <translation>Aktywność synchronizacji</translation>
    </message>
    <message>
        <source>Downloading</source>
        <comment></comment>
        <translation>Pobieranie</translation>
    </message>
    <message>
        <source>This wizard installs Larkspan Drive on your computer.</source>
        <comment></comment>
        <translation>Ten kreator zainstaluje aplikację Larkspan Drive na komputerze.</translation>
    </message>
    <message>
        <source>To</source>
        <comment></comment>
        <translation>Do</translation>
    </message>
    <message>
        <source>The server&apos;s certificate could not be verified. Connect anyway?</source>
        <comment></comment>
        <translation>Nie można zweryfikować certyfikatu serwera. Połączyć mimo to?</translation>
    </message>
    <message>
        <source>Larkspan Drive is running.</source>
        <comment></comment>
        <translation>Aplikacja Larkspan Drive jest uruchomiona.</translation>
    </message>
    <message>
        <source>%1 has shared a new item with you.</source>
        <comment></comment>
        <translation>Użytkownik %1 udostępnił Ci nowy element.</translation>
    </message>
    <message>
        <source>A conflict occurred.</source>
        <comment></comment>
        <translation>Wystąpił konflikt.</translation>
    </message>
    <message>
        <source>The selected folder is a mount point. Choose a folder on a local disk.</source>
        <comment></comment>
        <translation>Wybrany folder jest punktem montowania. Wybierz folder na dysku lokalnym.</translation>
    </message>
    <message>
        <source>Encryption</source>
        <comment></comment>
        <translation>Szyfrowanie</translation>
    </message>
    <message>
        <source>Changes you make in your sync folder are synced with the Larkspan.</source>
        <comment></comment>
        <translation>Zmiany wprowadzone w folderze synchronizacji są synchronizowane z serwerem Larkspan.</translation>
    </message>
    <message>
        <source>Please wait while the setup wizard installs Larkspan Drive. This may take several minutes.</source>
        <comment></comment>
        <translation>Poczekaj, aż kreator instalacji zainstaluje aplikację Larkspan Drive. Może to potrwać kilka minut.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has changed since your last connection. Continue?</source>
        <comment></comment>
        <translation>Certyfikat serwera zmienił się od ostatniego połączenia. Kontynuować?</translation>
    </message>
    <message>
        <source>%1 is ready.</source>
        <comment></comment>
        <translation>Aplikacja %1 jest gotowa.</translation>
    </message>
    <message>
        <source>Search</source>
        <comment></comment>
        <translation>Szukaj</translation>
    </message>
    <message>
        <source>Link a new Larkspan</source>
        <comment></comment>
        <translation>Połącz nowy serwer Larkspan</translation>
    </message>
    <message>
        <source>Certificate verification failed.</source>
        <comment></comment>
        <translation>Weryfikacja certyfikatu nie powiodła się.</translation>
    </message>
    <message>
        <source>Starting Larkspan Drive...</source>
        <comment></comment>
        <translation>Uruchamianie aplikacji Larkspan Drive...</translation>
    </message>
    <message>
        <source>On-demand sync could not be enabled.</source>
        <comment></comment>
        <translation>Nie można włączyć synchronizacji na żądanie.</translation>
    </message>
    <message>
        <source>Setup complete</source>
        <comment></comment>
        <translation>Konfiguracja zakończona</translation>
    </message>
    <message>
        <source>Your administrator requires two-step verification for your account.</source>
        <comment></comment>
        <translation>Administrator wymaga weryfikacji dwuetapowej dla Twojego konta.</translation>
    </message>
    <message>
        <source>Start %1 when I sign in</source>
        <comment></comment>
        <translation>Uruchamiaj aplikację %1 po zalogowaniu</translation>
    </message>
    <message>
        <source>The selected folder is already synced by another task.</source>
        <comment></comment>
        <translation>Wybrany folder jest już synchronizowany przez inne zadanie.</translation>
    </message>
    <message>
        <source>File</source>
        <comment></comment>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Recently changed</source>
        <comment></comment>
        <translation>Ostatnio zmienione</translation>
    </message>
</context>
</TS>
