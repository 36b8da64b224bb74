<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Enabled</source>
        <comment></comment>
        <translation>Attivato</translation>
    </message>
    <message>
        <source>Larkspan Drive has no optional features to change.</source>
        <comment></comment>
        <translation>Larkspan Drive non ha funzionalità opzionali da modificare.</translation>
    </message>
    <message>
        <source>Merge</source>
        <comment></comment>
        <translation>Unisci</translation>
    </message>
    <message>
        <source>Open folder</source>
        <comment></comment>
        <translation>Apri cartella</translation>
    </message>
    <message>
        <source>Sync folder on this computer</source>
        <comment></comment>
        <translation>Cartella di sincronizzazione su questo computer</translation>
    </message>
    <message>
        <source>Tutorial that introduces the main features of %1</source>
        <comment></comment>
        <translation>Tutorial che presenta le funzionalità principali di %1</translation>
    </message>
    <message>
        <source>Renamed on the Larkspan</source>
        <comment></comment>
        <translation>Rinominato sul Larkspan</translation>
    </message>
    <message>
        <source>Friday</source>
        <comment></comment>
        <translation>Venerdì</translation>
    </message>
    <message>
        <source>Thursday</source>
        <comment></comment>
        <translation>Giovedì</translation>
    </message>
    <message>
        <source>The setup wizard is ready to begin the installation.</source>
        <comment></comment>
        <translation>L&apos;installazione guidata è pronta per iniziare l&apos;installazione.</translation>
    </message>
    <message>
        <source>Select the files to sync</source>
        <comment></comment>
        <translation>Seleziona i file da sincronizzare</translation>
    </message>
    <message>
        <source>Loading...</source>
        <comment></comment>
        <translation>Caricamento in corso...</translation>
    </message>
    <message>
        <source>Sync direction</source>
        <comment></comment>
        <translation>Direzione di sincronizzazione</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <comment></comment>
        <translation>È disponibile una nuova versione. Fai clic per aggiornare.</translation>
    </message>
    <message>
        <source>Ready to install Larkspan Drive</source>
        <comment></comment>
        <translation>Pronto per installare Larkspan Drive</translation>
    </message>
    <message>
        <source>User name</source>
        <comment></comment>
        <translation>Nome utente</translation>
    </message>
    <message>
        <source>File sharing is not available over a relay connection.</source>
        <comment></comment>
        <translation>La condivisione di file non è disponibile tramite una connessione relay.</translation>
    </message>
    <message>
        <source>Last page</source>
        <comment></comment>
        <translation>Ultima pagina</translation>
    </message>
    <message>
        <source>One-way upload</source>
        <comment></comment>
        <translation>Upload unidirezionale</translation>
    </message>
    <message>
        <source>Setup is complete. %1 now keeps your files in sync.</source>
        <comment></comment>
        <translation>La configurazione è completata. Ora %1 mantiene sincronizzati i tuoi file.</translation>
    </message>
    <message>
        <source>System default</source>
        <comment></comment>
        <translation>Predefinita di sistema</translation>
    </message>
    <message>
        <source>A sync folder named %1 already exists. Choose another name.</source>
        <comment></comment>
        <translation>Esiste già una cartella di sincronizzazione denominata %1. Scegli un altro nome.</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment></comment>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Choose the display language</source>
        <comment></comment>
        <translation>Scegli la lingua di visualizzazione</translation>
    </message>
    <message>
        <source>The Larkspan Drive service is disabled on this Larkspan. Ask your administrator to enable it.</source>
        <comment></comment>
        <translation>Il servizio Larkspan Drive è disattivato su questo Larkspan. Chiedi all&apos;amministratore di attivarlo.</translation>
    </message>
    <message>
        <source>Search for Larkspan servers on the local network</source>
        <comment></comment>
        <translation>Cerca server Larkspan nella rete locale</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <comment></comment>
        <translation>e altri %1</translation>
    </message>
    <message>
        <source>Connected</source>
        <comment></comment>
        <translation>Connesso</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <comment></comment>
        <translation>Martedì</translation>
    </message>
    <message>
        <source>Read the following license agreement and accept it to continue.</source>
        <comment></comment>
        <translation>Leggi il seguente contratto di licenza e accettalo per continuare.</translation>
    </message>
    <message>
        <source>Help</source>
        <comment></comment>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Launch Larkspan Drive now</source>
        <comment></comment>
        <translation>Avvia Larkspan Drive ora</translation>
    </message>
    <message>
        <source>User name:</source>
        <comment></comment>
        <translation>Nome utente:</translation>
    </message>
    <message>
        <source>Finishing the automatic setup...</source>
        <comment></comment>
        <translation>Completamento della configurazione automatica...</translation>
    </message>
    <message>
        <source>Summary</source>
        <comment></comment>
        <translation>Riepilogo</translation>
    </message>
    <message>
        <source>Selective sync mode</source>
        <comment></comment>
        <translation>Modalità di sincronizzazione selettiva</translation>
    </message>
    <message>
        <source>Notifications</source>
        <comment></comment>
        <translation>Notifiche</translation>
    </message>
    <message>
        <source>Choose a folder on the Larkspan and a folder on this computer to keep in sync.</source>
        <comment></comment>
        <translation>Scegli una cartella sul Larkspan e una cartella su questo computer da mantenere sincronizzate.</translation>
    </message>
    <message>
        <source>Files whose names match these patterns are not synced. Use * as a wildcard, for example *.tmp.</source>
        <comment></comment>
        <translation>I file i cui nomi corrispondono a questi modelli non vengono sincronizzati. Usa * come carattere jolly, ad esempio *.tmp.</translation>
    </message>
    <message>
        <source>OK</source>
        <comment></comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Everyone with the link can view the files.</source>
        <comment></comment>
        <translation>Chiunque disponga del link può visualizzare i file.</translation>
    </message>
    <message>
        <source>Set sync folder</source>
        <comment></comment>
        <translation>Imposta cartella di sincronizzazione</translation>
    </message>
    <message>
        <source>Unlink</source>
        <comment></comment>
        <translation>Dissocia</translation>
    </message>
    <message>
        <source>Value</source>
        <comment></comment>
        <translation>Valore</translation>
    </message>
    <message>
        <source>Selective sync</source>
        <comment></comment>
        <translation>Sincronizzazione selettiva</translation>
    </message>
    <message>
        <source>Continue</source>
        <comment></comment>
        <translation>Continua</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <comment></comment>
        <translation>Inizializzazione non riuscita.</translation>
    </message>
    <message>
        <source>Share files with others</source>
        <comment></comment>
        <translation>Condividi i file con altri</translation>
    </message>
    <message>
        <source>Open Larkspan Drive</source>
        <comment></comment>
        <translation>Apri Larkspan Drive</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment></comment>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Change which features of Larkspan Drive are installed</source>
        <comment></comment>
        <translation>Modifica le funzionalità di Larkspan Drive installate</translation>
    </message>
    <message>
        <source>Unable to get the user information.</source>
        <comment></comment>
        <translation>Impossibile ottenere le informazioni utente.</translation>
    </message>
    <message>
        <source>Status information</source>
        <comment></comment>
        <translation>Informazioni sullo stato</translation>
    </message>
    <message>
        <source>The setup wizard will install Larkspan Drive on your computer. Click Next to continue or Cancel to exit.</source>
        <comment></comment>
        <translation>L&apos;installazione guidata installerà Larkspan Drive nel computer. Fai clic su Avanti per continuare o su Annulla per uscire.</translation>
    </message>
    <message>
        <source>Show sync status icons on files and folders</source>
        <comment></comment>
        <translation>Mostra le icone dello stato di sincronizzazione su file e cartelle</translation>
    </message>
    <message>
        <source>Change</source>
        <comment></comment>
        <translation>Cambia</translation>
    </message>
    <message>
        <source>Cancel setup</source>
        <comment></comment>
        <translation>Annulla installazione</translation>
    </message>
    <message>
        <source>No proxy</source>
        <comment></comment>
        <translation>Nessun proxy</translation>
    </message>
    <message>
        <source>The client could not be upgraded. Please try again later.</source>
        <comment></comment>
        <translation>Impossibile aggiornare il client. Riprova più tardi.</translation>
    </message>
    <message>
        <source>Apply</source>
        <comment></comment>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Files in use</source>
        <comment></comment>
        <translation>File in uso</translation>
    </message>
    <message>
        <source>Service disabled</source>
        <comment></comment>
        <translation>Servizio disattivato</translation>
    </message>
    <message>
        <source>Reading the connection settings...</source>
        <comment></comment>
        <translation>Lettura delle impostazioni di connessione...</translation>
    </message>
    <message>
        <source>Mentioned you</source>
        <comment></comment>
        <translation>Ti ha menzionato</translation>
    </message>
    <message>
        <source>Updating...</source>
        <comment></comment>
        <translation>Aggiornamento in corso...</translation>
    </message>
    <message>
        <source>Language</source>
        <comment></comment>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <comment></comment>
        <translation>Congratulazioni!</translation>
    </message>
    <message>
        <source>Enable sharing</source>
        <comment></comment>
        <translation>Attiva la condivisione</translation>
    </message>
    <message>
        <source>The home folder service is not enabled for your account. Ask your administrator to enable it.</source>
        <comment></comment>
        <translation>Il servizio cartella home non è attivato per il tuo account. Chiedi all&apos;amministratore di attivarlo.</translation>
    </message>
    <message>
        <source>August</source>
        <comment></comment>
        <translation>Agosto</translation>
    </message>
    <message>
        <source>Read and write</source>
        <comment></comment>
        <translation>Lettura e scrittura</translation>
    </message>
    <message>
        <source>Remove</source>
        <comment></comment>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Larkspan Drive notification</source>
        <comment></comment>
        <translation>Notifica di Larkspan Drive</translation>
    </message>
    <message>
        <source>Open in the web portal</source>
        <comment></comment>
        <translation>Apri nel portale web</translation>
    </message>
    <message>
        <source>The selected sync folder is not valid. Choose another folder.</source>
        <comment></comment>
        <translation>La cartella di sincronizzazione selezionata non è valida. Scegli un&apos;altra cartella.</translation>
    </message>
    <message>
        <source>This field cannot be left blank.</source>
        <comment></comment>
        <translation>Questo campo non può essere vuoto.</translation>
    </message>
    <message>
        <source>Start Larkspan Drive when I sign in</source>
        <comment></comment>
        <translation>Avvia Larkspan Drive all&apos;accesso</translation>
    </message>
    <message>
        <source>Some files that need to be updated are currently in use.</source>
        <comment></comment>
        <translation>Alcuni file da aggiornare sono attualmente in uso.</translation>
    </message>
    <message>
        <source>File extensions:</source>
        <comment></comment>
        <translation>Estensioni file:</translation>
    </message>
    <message>
        <source>Shared with me</source>
        <comment></comment>
        <translation>Condivisi con me</translation>
    </message>
    <message>
        <source>Stop downloading this version</source>
        <comment></comment>
        <translation>Interrompi il download di questa versione</translation>
    </message>
    <message>
        <source>Browse previous versions</source>
        <comment></comment>
        <translation>Sfoglia le versioni precedenti</translation>
    </message>
    <message>
        <source>Unable to create the local folder %1.</source>
        <comment></comment>
        <translation>Impossibile creare la cartella locale %1.</translation>
    </message>
    <message>
        <source>Information</source>
        <comment></comment>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>%1 is running.</source>
        <comment></comment>
        <translation>%1 è in esecuzione.</translation>
    </message>
    <message>
        <source>Larkspan Drive keeps the files on your Larkspan and your computers in sync.</source>
        <comment></comment>
        <translation>Larkspan Drive mantiene sincronizzati i file del tuo Larkspan e dei tuoi computer.</translation>
    </message>
    <message>
        <source>Do not show this message again</source>
        <comment></comment>
        <translation>Non mostrare più questo messaggio</translation>
    </message>
    <message>
        <source>Open the web portal</source>
        <comment></comment>
        <translation>Apri il portale web</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <comment></comment>
        <translation>Aggiornamento</translation>
    </message>
    <message>
        <source>Done</source>
        <comment></comment>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Choose how to finish the setup:</source>
        <comment></comment>
        <translation>Scegli come completare la configurazione:</translation>
    </message>
    <message>
        <source>When a file exists on both sides, both are kept and the local copy is renamed as a conflict file.</source>
        <comment></comment>
        <translation>Se un file esiste su entrambi i lati, vengono mantenute entrambe le versioni e la copia locale viene rinominata come file in conflitto.</translation>
    </message>
    <message>
        <source>Only the users and groups you choose can open the files.</source>
        <comment></comment>
        <translation>Solo gli utenti e i gruppi che scegli possono aprire i file.</translation>
    </message>
    <message>
        <source>Invite people</source>
        <comment></comment>
        <translation>Invita persone</translation>
    </message>
    <message>
        <source>This computer</source>
        <comment></comment>
        <translation>Questo computer</translation>
    </message>
    <message>
        <source>New shared item</source>
        <comment></comment>
        <translation>Nuovo elemento condiviso</translation>
    </message>
    <message>
        <source>Uploading</source>
        <comment></comment>
        <translation>Upload in corso</translation>
    </message>
    <message>
        <source>Automatic connection is not allowed by the server settings.</source>
        <comment></comment>
        <translation>Le impostazioni del server non consentono la connessione automatica.</translation>
    </message>
    <message>
        <source>Restricted</source>
        <comment></comment>
        <translation>Limitato</translation>
    </message>
    <message>
        <source>Proxy</source>
        <comment></comment>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Keep both files and add the computer name to the local copy</source>
        <comment></comment>
        <translation>Mantieni entrambi i file e aggiungi il nome del computer alla copia locale</translation>
    </message>
    <message>
        <source>Close the applications automatically and try to restart them afterwards.</source>
        <comment></comment>
        <translation>Chiudi automaticamente le applicazioni e prova a riavviarle in seguito.</translation>
    </message>
    <message>
        <source>This version of the client is too old. Upgrade Larkspan Drive to the latest version.</source>
        <comment></comment>
        <translation>Questa versione del client è troppo vecchia. Aggiorna Larkspan Drive alla versione più recente.</translation>
    </message>
    <message>
        <source>Users and groups</source>
        <comment></comment>
        <translation>Utenti e gruppi</translation>
    </message>
    <message>
        <source>Right-click a file in your sync folder and choose Share link to share it with anyone.</source>
        <comment></comment>
        <translation>Fai clic con il pulsante destro del mouse su un file nella cartella di sincronizzazione e scegli Condividi link per condividerlo con chiunque.</translation>
    </message>
    <message>
        <source>Link permission</source>
        <comment></comment>
        <translation>Autorizzazione del link</translation>
    </message>
    <message>
        <source>The server&apos;s SSL certificate could not be verified.</source>
        <comment></comment>
        <translation>Impossibile verificare il certificato SSL del server.</translation>
    </message>
    <message>
        <source>Repairs the most recent installation by restoring missing or damaged files and shortcuts.</source>
        <comment></comment>
        <translation>Ripara l&apos;installazione più recente ripristinando i file e i collegamenti mancanti o danneggiati.</translation>
    </message>
    <message>
        <source>Sync mode</source>
        <comment></comment>
        <translation>Modalità di sincronizzazione</translation>
    </message>
    <message>
        <source>No previous versions are available for this file.</source>
        <comment></comment>
        <translation>Non sono disponibili versioni precedenti per questo file.</translation>
    </message>
    <message>
        <source>The remote folder is not mounted.</source>
        <comment></comment>
        <translation>La cartella remota non è montata.</translation>
    </message>
    <message>
        <source>Type</source>
        <comment></comment>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <comment></comment>
        <translation>Contratto di licenza con l&apos;utente finale</translation>
    </message>
    <message>
        <source>Expire after a number of visits</source>
        <comment></comment>
        <translation>Scadenza dopo un numero di visite</translation>
    </message>
    <message>
        <source>Signed-in users can view the files.</source>
        <comment></comment>
        <translation>Gli utenti che hanno eseguito l&apos;accesso possono visualizzare i file.</translation>
    </message>
    <message>
        <source>The Larkspan Drive ID is not valid.</source>
        <comment></comment>
        <translation>L&apos;ID di Larkspan Drive non è valido.</translation>
    </message>
    <message>
        <source>Change, repair or remove the installation</source>
        <comment></comment>
        <translation>Modifica, ripara o rimuovi l&apos;installazione</translation>
    </message>
    <message>
        <source>Connection unstable</source>
        <comment></comment>
        <translation>Connessione instabile</translation>
    </message>
    <message>
        <source>Date</source>
        <comment></comment>
        <translation>Data</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <comment></comment>
        <translation>Inserisci al massimo %1 caratteri.</translation>
    </message>
    <message>
        <source>This computer was linked to a different server. Link %1 again to continue.</source>
        <comment></comment>
        <translation>Questo computer era associato a un server diverso. Associa di nuovo %1 per continuare.</translation>
    </message>
    <message>
        <source>No valid folder is selected.</source>
        <comment></comment>
        <translation>Nessuna cartella valida selezionata.</translation>
    </message>
    <message>
        <source>Version mismatch</source>
        <comment></comment>
        <translation>Versione non corrispondente</translation>
    </message>
    <message>
        <source>No data</source>
        <comment></comment>
        <translation>Nessun dato</translation>
    </message>
    <message>
        <source>Setup was interrupted by an error.</source>
        <comment></comment>
        <translation>L&apos;installazione è stata interrotta da un errore.</translation>
    </message>
    <message>
        <source>Open file</source>
        <comment></comment>
        <translation>Apri file</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment></comment>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>A new version is available. Click to update to %1.</source>
        <comment></comment>
        <translation>È disponibile una nuova versione. Fai clic per aggiornare a %1.</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment></comment>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Unable to delete the shared item.</source>
        <comment></comment>
        <translation>Impossibile eliminare l&apos;elemento condiviso.</translation>
    </message>
    <message>
        <source>Error</source>
        <comment></comment>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Unable to list the versions of this file.</source>
        <comment></comment>
        <translation>Impossibile elencare le versioni di questo file.</translation>
    </message>
    <message>
        <source>%1 minutes ago</source>
        <comment></comment>
        <translation>%1 minuti fa</translation>
    </message>
    <message>
        <source>Larkspan Drive encountered an error.</source>
        <comment></comment>
        <translation>Si è verificato un errore in Larkspan Drive.</translation>
    </message>
    <message>
        <source>Resume syncing these folders</source>
        <comment></comment>
        <translation>Riprendi la sincronizzazione di queste cartelle</translation>
    </message>
    <message>
        <source>Add folder</source>
        <comment></comment>
        <translation>Aggiungi cartella</translation>
    </message>
    <message>
        <source>Lets you change the way the features are installed.</source>
        <comment></comment>
        <translation>Consente di modificare la modalità di installazione delle funzionalità.</translation>
    </message>
    <message>
        <source>Choose how you want to set up Larkspan Drive.</source>
        <comment></comment>
        <translation>Scegli come configurare Larkspan Drive.</translation>
    </message>
    <message>
        <source>Repair the installation</source>
        <comment></comment>
        <translation>Ripara l&apos;installazione</translation>
    </message>
    <message>
        <source>When a file was changed on both sides:</source>
        <comment></comment>
        <translation>Se un file è stato modificato su entrambi i lati:</translation>
    </message>
    <message>
        <source>Later</source>
        <comment></comment>
        <translation>Più tardi</translation>
    </message>
    <message>
        <source>The folder %1 already exists. Do you want to merge the two folders?</source>
        <comment></comment>
        <translation>La cartella %1 esiste già. Vuoi unire le due cartelle?</translation>
    </message>
    <message>
        <source>New shared item received</source>
        <comment></comment>
        <translation>Nuovo elemento condiviso ricevuto</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <comment></comment>
        <translation>Mostra le notifiche sul desktop</translation>
    </message>
    <message>
        <source>Larkspan Drive does not support the protocol used by this server.</source>
        <comment></comment>
        <translation>Larkspan Drive non supporta il protocollo utilizzato da questo server.</translation>
    </message>
    <message>
        <source>The local disk is full. Larkspan Drive has paused syncing.</source>
        <comment></comment>
        <translation>Il disco locale è pieno. Larkspan Drive ha sospeso la sincronizzazione.</translation>
    </message>
    <message>
        <source>No shared items</source>
        <comment></comment>
        <translation>Nessun elemento condiviso</translation>
    </message>
    <message>
        <source>Authentication failed. Check your user name and password.</source>
        <comment></comment>
        <translation>Autenticazione non riuscita. Controlla il nome utente e la password.</translation>
    </message>
    <message>
        <source>Choose the folders to keep in sync.</source>
        <comment></comment>
        <translation>Scegli le cartelle da mantenere sincronizzate.</translation>
    </message>
    <message>
        <source>Paused</source>
        <comment></comment>
        <translation>In pausa</translation>
    </message>
    <message>
        <source>%1 is initializing...</source>
        <comment></comment>
        <translation>Inizializzazione di %1 in corso...</translation>
    </message>
    <message>
        <source>Up to date</source>
        <comment></comment>
        <translation>Aggiornato</translation>
    </message>
    <message>
        <source>Download cancelled.</source>
        <comment></comment>
        <translation>Download annullato.</translation>
    </message>
    <message>
        <source>Larkspan Drive could not be upgraded.</source>
        <comment></comment>
        <translation>Impossibile aggiornare Larkspan Drive.</translation>
    </message>
    <message>
        <source>Your files, everywhere.</source>
        <comment></comment>
        <translation>I tuoi file, ovunque.</translation>
    </message>
    <message>
        <source>Sync the files that other users share with you.</source>
        <comment></comment>
        <translation>Sincronizza i file che altri utenti condividono con te.</translation>
    </message>
    <message>
        <source>Change, repair or remove Larkspan Drive.</source>
        <comment></comment>
        <translation>Modifica, ripara o rimuovi Larkspan Drive.</translation>
    </message>
    <message>
        <source>Installing Larkspan Drive</source>
        <comment></comment>
        <translation>Installazione di Larkspan Drive</translation>
    </message>
    <message>
        <source>Keep both files and rename the conflicting one</source>
        <comment></comment>
        <translation>Mantieni entrambi i file e rinomina quello in conflitto</translation>
    </message>
    <message>
        <source>The server version is not supported. Ask your administrator to upgrade the server.</source>
        <comment></comment>
        <translation>La versione del server non è supportata. Chiedi all&apos;amministratore di aggiornare il server.</translation>
    </message>
    <message>
        <source>Version</source>
        <comment></comment>
        <translation>Versione</translation>
    </message>
    <message>
        <source>Resume syncing this folder</source>
        <comment></comment>
        <translation>Riprendi la sincronizzazione di questa cartella</translation>
    </message>
    <message>
        <source>Show Larkspan Drive in the file manager&apos;s context menu</source>
        <comment></comment>
        <translation>Mostra Larkspan Drive nel menu contestuale del file manager</translation>
    </message>
    <message>
        <source>About</source>
        <comment></comment>
        <translation>Info</translation>
    </message>
    <message>
        <source>Comments</source>
        <comment></comment>
        <translation>Commenti</translation>
    </message>
    <message>
        <source>The relay service is disabled on the server.</source>
        <comment></comment>
        <translation>Il servizio relay è disattivato sul server.</translation>
    </message>
    <message>
        <source>Last week</source>
        <comment></comment>
        <translation>Settimana scorsa</translation>
    </message>
    <message>
        <source>Checking data...</source>
        <comment></comment>
        <translation>Verifica dei dati in corso...</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <comment></comment>
        <translation>Sincronizzazione in corso...</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment></comment>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>%1 items</source>
        <comment></comment>
        <translation>%1 elementi</translation>
    </message>
    <message>
        <source>Download</source>
        <comment></comment>
        <translation>Download</translation>
    </message>
    <message>
        <source>%1 days ago</source>
        <comment></comment>
        <translation>%1 giorni fa</translation>
    </message>
    <message>
        <source>Open settings</source>
        <comment></comment>
        <translation>Apri impostazioni</translation>
    </message>
    <message>
        <source>Unable to get the link to the file.</source>
        <comment></comment>
        <translation>Impossibile ottenere il link al file.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. %1 will merge its content with the server.</source>
        <comment></comment>
        <translation>La cartella selezionata non è vuota. %1 ne unirà il contenuto con quello del server.</translation>
    </message>
    <message>
        <source>Reconnect</source>
        <comment></comment>
        <translation>Riconnetti</translation>
    </message>
    <message>
        <source>Monday</source>
        <comment></comment>
        <translation>Lunedì</translation>
    </message>
    <message>
        <source>The shared folder conflicts with an existing sync folder.</source>
        <comment></comment>
        <translation>La cartella condivisa è in conflitto con una cartella di sincronizzazione esistente.</translation>
    </message>
    <message>
        <source>Sync task from %1 to %2</source>
        <comment></comment>
        <translation>Attività di sincronizzazione da %1 a %2</translation>
    </message>
    <message>
        <source>Mount point</source>
        <comment></comment>
        <translation>Punto di montaggio</translation>
    </message>
    <message>
        <source>Folder not empty</source>
        <comment></comment>
        <translation>Cartella non vuota</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <comment></comment>
        <translation>Dissociazione in corso...</translation>
    </message>
    <message>
        <source>Time</source>
        <comment></comment>
        <translation>Ora</translation>
    </message>
    <message>
        <source>%1 does not support the protocol used by this server.</source>
        <comment></comment>
        <translation>%1 non supporta il protocollo utilizzato da questo server.</translation>
    </message>
    <message>
        <source>Folder path</source>
        <comment></comment>
        <translation>Percorso cartella</translation>
    </message>
    <message>
        <source>February</source>
        <comment></comment>
        <translation>Febbraio</translation>
    </message>
    <message>
        <source>The server&apos;s certificate could not be verified. Syncing is paused.</source>
        <comment></comment>
        <translation>Impossibile verificare il certificato del server. La sincronizzazione è in pausa.</translation>
    </message>
    <message>
        <source>Close the applications that use these files.</source>
        <comment></comment>
        <translation>Chiudi le applicazioni che usano questi file.</translation>
    </message>
    <message>
        <source>Automatic connection failed because of a system error.</source>
        <comment></comment>
        <translation>Connessione automatica non riuscita a causa di un errore di sistema.</translation>
    </message>
    <message>
        <source>Show icons on files that are not synced</source>
        <comment></comment>
        <translation>Mostra icone sui file non sincronizzati</translation>
    </message>
    <message>
        <source>Larkspan Drive setup was interrupted. Your system has not been changed.</source>
        <comment></comment>
        <translation>L&apos;installazione di Larkspan Drive è stata interrotta. Il sistema non è stato modificato.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has changed.</source>
        <comment></comment>
        <translation>Il certificato del server è cambiato.</translation>
    </message>
    <message>
        <source>Files are stored in your local sync folder, for example /home/user/​LarkspanDrive.</source>
        <comment></comment>
        <translation>I file vengono archiviati nella cartella di sincronizzazione locale, ad esempio /home/user/​LarkspanDrive.</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the installation of Larkspan Drive?</source>
        <comment></comment>
        <translation>Vuoi davvero annullare l&apos;installazione di Larkspan Drive?</translation>
    </message>
    <message>
        <source>ID</source>
        <comment></comment>
        <translation>ID</translation>
    </message>
    <message>
        <source>%1 has been downloaded.</source>
        <comment></comment>
        <translation>Download di %1 completato.</translation>
    </message>
    <message>
        <source>The connection is inactive.</source>
        <comment></comment>
        <translation>La connessione non è attiva.</translation>
    </message>
    <message>
        <source>Changes in folders on network drives may not be detected right away.</source>
        <comment></comment>
        <translation>Le modifiche nelle cartelle delle unità di rete potrebbero non essere rilevate immediatamente.</translation>
    </message>
    <message>
        <source>Share</source>
        <comment></comment>
        <translation>Condividi</translation>
    </message>
    <message>
        <source>%1 encountered an error.</source>
        <comment></comment>
        <translation>Si è verificato un errore in %1.</translation>
    </message>
    <message>
        <source>First page</source>
        <comment></comment>
        <translation>Prima pagina</translation>
    </message>
    <message>
        <source>Resume</source>
        <comment></comment>
        <translation>Riprendi</translation>
    </message>
    <message>
        <source>Unable to enable sharing.</source>
        <comment></comment>
        <translation>Impossibile attivare la condivisione.</translation>
    </message>
    <message>
        <source>The local disk is full. %1 has paused syncing.</source>
        <comment></comment>
        <translation>Il disco locale è pieno. %1 ha sospeso la sincronizzazione.</translation>
    </message>
    <message>
        <source>Custom duration</source>
        <comment></comment>
        <translation>Durata personalizzata</translation>
    </message>
    <message>
        <source>Remove this download</source>
        <comment></comment>
        <translation>Rimuovi questo download</translation>
    </message>
    <message>
        <source>I accept the terms of the License Agreement</source>
        <comment></comment>
        <translation>Accetto i termini del contratto di licenza</translation>
    </message>
    <message>
        <source>Select a folder on your computer to sync.</source>
        <comment></comment>
        <translation>Seleziona una cartella del computer da sincronizzare.</translation>
    </message>
    <message>
        <source>Action</source>
        <comment></comment>
        <translation>Azione</translation>
    </message>
    <message>
        <source>Sync tasks</source>
        <comment></comment>
        <translation>Attività di sincronizzazione</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment></comment>
        <translation>Sospendi</translation>
    </message>
    <message>
        <source>Click Finish to close the setup wizard.</source>
        <comment></comment>
        <translation>Fai clic su Fine per chiudere l&apos;installazione guidata.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Larkspan Drive will merge its content with the server.</source>
        <comment></comment>
        <translation>La cartella selezionata non è vuota. Larkspan Drive ne unirà il contenuto con quello del server.</translation>
    </message>
    <message>
        <source>The disk of the Larkspan is full.</source>
        <comment></comment>
        <translation>Il disco del Larkspan è pieno.</translation>
    </message>
    <message>
        <source>Manage</source>
        <comment></comment>
        <translation>Gestisci</translation>
    </message>
    <message>
        <source>The setup wizard lets you change the way Larkspan Drive is installed, repair it or remove it. Click Next to continue or Cancel to exit.</source>
        <comment></comment>
        <translation>L&apos;installazione guidata consente di modificare l&apos;installazione di Larkspan Drive, di ripararla o di rimuoverla. Fai clic su Avanti per continuare o su Annulla per uscire.</translation>
    </message>
    <message>
        <source>%1 requested access to %2</source>
        <comment></comment>
        <translation>%1 ha richiesto l&apos;accesso a %2</translation>
    </message>
    <message>
        <source>Connected through the Internet</source>
        <comment></comment>
        <translation>Connesso tramite Internet</translation>
    </message>
    <message>
        <source>Sync your files</source>
        <comment></comment>
        <translation>Sincronizza i tuoi file</translation>
    </message>
    <message>
        <source>Unable to download this version.</source>
        <comment></comment>
        <translation>Impossibile scaricare questa versione.</translation>
    </message>
    <message>
        <source>Larkspan Drive setup ended because of an error. Your system has not been changed.</source>
        <comment></comment>
        <translation>L&apos;installazione di Larkspan Drive è terminata a causa di un errore. Il sistema non è stato modificato.</translation>
    </message>
    <message>
        <source>Files shared with you appear in the %1 folder on this computer.</source>
        <comment></comment>
        <translation>I file condivisi con te vengono visualizzati nella cartella %1 di questo computer.</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this connection?</source>
        <comment></comment>
        <translation>Vuoi davvero dissociare questa connessione?</translation>
    </message>
    <message>
        <source>Retry</source>
        <comment></comment>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>The proxy server requires a password</source>
        <comment></comment>
        <translation>Il server proxy richiede una password</translation>
    </message>
    <message>
        <source>Update to the latest version to use selective sync.</source>
        <comment></comment>
        <translation>Aggiorna alla versione più recente per usare la sincronizzazione selettiva.</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again in %1 minutes.</source>
        <comment></comment>
        <translation>Troppi tentativi non riusciti. Riprova tra %1 minuti.</translation>
    </message>
    <message>
        <source>File name</source>
        <comment></comment>
        <translation>Nome file</translation>
    </message>
    <message>
        <source>Inactive</source>
        <comment></comment>
        <translation>Inattivo</translation>
    </message>
    <message>
        <source>You can change these settings at any time in %1.</source>
        <comment></comment>
        <translation>Puoi modificare queste impostazioni in qualsiasi momento in %1.</translation>
    </message>
    <message>
        <source>This version of Larkspan Drive is already installed. Do you want to install it again?</source>
        <comment></comment>
        <translation>Questa versione di Larkspan Drive è già installata. Vuoi installarla di nuovo?</translation>
    </message>
    <message>
        <source>The quota of the shared folder is full.</source>
        <comment></comment>
        <translation>La quota della cartella condivisa è esaurita.</translation>
    </message>
    <message>
        <source>The shared folder is not mounted.</source>
        <comment></comment>
        <translation>La cartella condivisa non è montata.</translation>
    </message>
    <message>
        <source>%1 hours ago</source>
        <comment></comment>
        <translation>%1 ore fa</translation>
    </message>
    <message>
        <source>Completed the Larkspan Drive Setup Wizard</source>
        <comment></comment>
        <translation>Completamento dell&apos;installazione guidata di Larkspan Drive</translation>
    </message>
    <message>
        <source>January</source>
        <comment></comment>
        <translation>Gennaio</translation>
    </message>
    <message>
        <source>Choose the folders to sync and the sync settings yourself.</source>
        <comment></comment>
        <translation>Scegli tu le cartelle da sincronizzare e le impostazioni di sincronizzazione.</translation>
    </message>
    <message>
        <source>The Larkspan has changed. Link it again to continue.</source>
        <comment></comment>
        <translation>Il Larkspan è cambiato. Associalo di nuovo per continuare.</translation>
    </message>
    <message>
        <source>%1 is now syncing your files.</source>
        <comment></comment>
        <translation>Ora %1 sta sincronizzando i tuoi file.</translation>
    </message>
    <message>
        <source>Unable to create a link for this item.</source>
        <comment></comment>
        <translation>Impossibile creare un link per questo elemento.</translation>
    </message>
    <message>
        <source>I do not accept the terms of the License Agreement</source>
        <comment></comment>
        <translation>Non accetto i termini del contratto di licenza</translation>
    </message>
    <message>
        <source>Sync</source>
        <comment></comment>
        <translation>Sincronizzazione</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <comment></comment>
        <translation>Ieri</translation>
    </message>
    <message>
        <source>Downloads of previous versions</source>
        <comment></comment>
        <translation>Download delle versioni precedenti</translation>
    </message>
    <message>
        <source>Sync history</source>
        <comment></comment>
        <translation>Cronologia sincronizzazione</translation>
    </message>
    <message>
        <source>Share link</source>
        <comment></comment>
        <translation>Condividi link</translation>
    </message>
    <message>
        <source>Repair</source>
        <comment></comment>
        <translation>Ripara</translation>
    </message>
    <message>
        <source>Open the Larkspan in your browser</source>
        <comment></comment>
        <translation>Apri il Larkspan nel browser</translation>
    </message>
    <message>
        <source>%1 commented on %2</source>
        <comment></comment>
        <translation>%1 ha commentato %2</translation>
    </message>
    <message>
        <source>The maximum number of shared items has been reached.</source>
        <comment></comment>
        <translation>È stato raggiunto il numero massimo di elementi condivisi.</translation>
    </message>
    <message>
        <source>Shared</source>
        <comment></comment>
        <translation>Condiviso</translation>
    </message>
    <message>
        <source>The local disk is full.</source>
        <comment></comment>
        <translation>Il disco locale è pieno.</translation>
    </message>
    <message>
        <source>Setup interrupted</source>
        <comment></comment>
        <translation>Installazione interrotta</translation>
    </message>
    <message>
        <source>The local sync folder cannot be found.</source>
        <comment></comment>
        <translation>Impossibile trovare la cartella di sincronizzazione locale.</translation>
    </message>
    <message>
        <source>Put your files in the sync folder, and they stay up to date on all your devices.</source>
        <comment></comment>
        <translation>Metti i tuoi file nella cartella di sincronizzazione e rimarranno aggiornati su tutti i tuoi dispositivi.</translation>
    </message>
    <message>
        <source>Expire after</source>
        <comment></comment>
        <translation>Scadenza dopo</translation>
    </message>
    <message>
        <source>June</source>
        <comment></comment>
        <translation>Giugno</translation>
    </message>
    <message>
        <source>Select the operation you want to perform.</source>
        <comment></comment>
        <translation>Seleziona l&apos;operazione da eseguire.</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <comment></comment>
        <translation>File temporanei</translation>
    </message>
    <message>
        <source>Your quota on the Larkspan is full. Free some space or choose another folder.</source>
        <comment></comment>
        <translation>La tua quota sul Larkspan è esaurita. Libera spazio o scegli un&apos;altra cartella.</translation>
    </message>
    <message>
        <source>Enter the address and port of the proxy server.</source>
        <comment></comment>
        <translation>Inserisci l&apos;indirizzo e la porta del server proxy.</translation>
    </message>
    <message>
        <source>Folder on the Larkspan</source>
        <comment></comment>
        <translation>Cartella sul Larkspan</translation>
    </message>
    <message>
        <source>Renamed on this computer</source>
        <comment></comment>
        <translation>Rinominato su questo computer</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <comment></comment>
        <translation>Autenticazione non riuscita</translation>
    </message>
    <message>
        <source>Sunday</source>
        <comment></comment>
        <translation>Domenica</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <comment></comment>
        <translation>Mercoledì</translation>
    </message>
    <message>
        <source>Automatic setup is configured.</source>
        <comment></comment>
        <translation>La configurazione automatica è impostata.</translation>
    </message>
    <message>
        <source>New folder on the Larkspan</source>
        <comment></comment>
        <translation>Nuova cartella sul Larkspan</translation>
    </message>
    <message>
        <source>Display</source>
        <comment></comment>
        <translation>Visualizzazione</translation>
    </message>
    <message>
        <source>A newer version of %1 is already installed. Setup will now exit.</source>
        <comment></comment>
        <translation>Una versione più recente di %1 è già installata. L&apos;installazione verrà chiusa.</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment></comment>
        <translation>Sì</translation>
    </message>
    <message>
        <source>Local sync folder</source>
        <comment></comment>
        <translation>Cartella di sincronizzazione locale</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <comment></comment>
        <translation>Dimensione massima file (MB):</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <comment></comment>
        <translation>Connessione in corso...</translation>
    </message>
    <message>
        <source>Access request</source>
        <comment></comment>
        <translation>Richiesta di accesso</translation>
    </message>
    <message>
        <source>Larkspan Drive is ready.</source>
        <comment></comment>
        <translation>Larkspan Drive è pronto.</translation>
    </message>
    <message>
        <source>Set up</source>
        <comment></comment>
        <translation>Configura</translation>
    </message>
    <message>
        <source>Do not sync this folder</source>
        <comment></comment>
        <translation>Non sincronizzare questa cartella</translation>
    </message>
    <message>
        <source>This server needs a newer version of Larkspan Drive. Upgrade now?</source>
        <comment></comment>
        <translation>Questo server richiede una versione più recente di Larkspan Drive. Aggiornare ora?</translation>
    </message>
    <message>
        <source>Choose a sync folder</source>
        <comment></comment>
        <translation>Scegli una cartella di sincronizzazione</translation>
    </message>
    <message>
        <source>Password</source>
        <comment></comment>
        <translation>Password</translation>
    </message>
    <message>
        <source>Today</source>
        <comment></comment>
        <translation>Oggi</translation>
    </message>
    <message>
        <source>Your quota on the Larkspan is full.</source>
        <comment></comment>
        <translation>La tua quota sul Larkspan è esaurita.</translation>
    </message>
    <message>
        <source>Sync and share files across all your devices.</source>
        <comment></comment>
        <translation>Sincronizza e condividi i file su tutti i tuoi dispositivi.</translation>
    </message>
    <message>
        <source>No permission</source>
        <comment></comment>
        <translation>Nessuna autorizzazione</translation>
    </message>
    <message>
        <source>Destination</source>
        <comment></comment>
        <translation>Destinazione</translation>
    </message>
    <message>
        <source>The sync folder is on a volume that is not mounted.</source>
        <comment></comment>
        <translation>La cartella di sincronizzazione si trova su un volume non montato.</translation>
    </message>
    <message>
        <source>Choose a different folder on this computer.</source>
        <comment></comment>
        <translation>Scegli un&apos;altra cartella su questo computer.</translation>
    </message>
    <message>
        <source>Use a black-and-white tray icon</source>
        <comment></comment>
        <translation>Usa un&apos;icona in bianco e nero nell&apos;area di notifica</translation>
    </message>
    <message>
        <source>The verification code is not valid.</source>
        <comment></comment>
        <translation>Il codice di verifica non è valido.</translation>
    </message>
    <message>
        <source>No connection is available for this file.</source>
        <comment></comment>
        <translation>Nessuna connessione disponibile per questo file.</translation>
    </message>
    <message>
        <source>Keep files on the Larkspan when they are deleted from this computer</source>
        <comment></comment>
        <translation>Mantieni i file sul Larkspan quando vengono eliminati da questo computer</translation>
    </message>
    <message>
        <source>One-way download</source>
        <comment></comment>
        <translation>Download unidirezionale</translation>
    </message>
    <message>
        <source>Port:</source>
        <comment></comment>
        <translation>Porta:</translation>
    </message>
    <message>
        <source>Last month</source>
        <comment></comment>
        <translation>Mese scorso</translation>
    </message>
    <message>
        <source>Version %1.%2.%3, build %4</source>
        <comment></comment>
        <translation>Versione %1.%2.%3, build %4</translation>
    </message>
    <message>
        <source>Your IP address is not allowed to connect.</source>
        <comment></comment>
        <translation>Il tuo indirizzo IP non è autorizzato a connettersi.</translation>
    </message>
    <message>
        <source>Sync a folder that someone shared with you.</source>
        <comment></comment>
        <translation>Sincronizza una cartella che qualcuno ha condiviso con te.</translation>
    </message>
    <message>
        <source>Filter the sync log</source>
        <comment></comment>
        <translation>Filtra il registro di sincronizzazione</translation>
    </message>
    <message>
        <source>You can only read this folder. Changes you make to it are not uploaded.</source>
        <comment></comment>
        <translation>Puoi solo leggere questa cartella. Le modifiche che apporti non vengono caricate.</translation>
    </message>
    <message>
        <source>Keyword</source>
        <comment></comment>
        <translation>Parola chiave</translation>
    </message>
    <message>
        <source>Do not sync files larger than %1 MB</source>
        <comment></comment>
        <translation>Non sincronizzare i file più grandi di %1 MB</translation>
    </message>
    <message>
        <source>Next month</source>
        <comment></comment>
        <translation>Mese successivo</translation>
    </message>
    <message>
        <source>Remote destination</source>
        <comment></comment>
        <translation>Destinazione remota</translation>
    </message>
    <message>
        <source>Your account is not allowed to sync this folder.</source>
        <comment></comment>
        <translation>Il tuo account non è autorizzato a sincronizzare questa cartella.</translation>
    </message>
    <message>
        <source>Unable to download %1.</source>
        <comment></comment>
        <translation>Impossibile scaricare %1.</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <comment></comment>
        <translation>Impostazioni avanzate</translation>
    </message>
    <message>
        <source>Welcome to %1. Sign in to get started.</source>
        <comment></comment>
        <translation>Benvenuto in %1. Accedi per iniziare.</translation>
    </message>
    <message>
        <source>Welcome to the Larkspan Drive Setup Wizard</source>
        <comment></comment>
        <translation>Benvenuto nell&apos;installazione guidata di Larkspan Drive</translation>
    </message>
    <message>
        <source>This computer was linked to a different Larkspan. Link it again to continue.</source>
        <comment></comment>
        <translation>Questo computer era associato a un altro Larkspan. Associalo di nuovo per continuare.</translation>
    </message>
    <message>
        <source>The shared folder no longer exists.</source>
        <comment></comment>
        <translation>La cartella condivisa non esiste più.</translation>
    </message>
    <message>
        <source>December</source>
        <comment></comment>
        <translation>Dicembre</translation>
    </message>
    <message>
        <source>Overview</source>
        <comment></comment>
        <translation>Panoramica</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <comment></comment>
        <translation>Usa le impostazioni proxy di sistema</translation>
    </message>
    <message>
        <source>No sync history</source>
        <comment></comment>
        <translation>Nessuna cronologia di sincronizzazione</translation>
    </message>
    <message>
        <source>Some files could not be synced. Click to see the details.</source>
        <comment></comment>
        <translation>Alcuni file non sono stati sincronizzati. Fai clic per visualizzare i dettagli.</translation>
    </message>
    <message>
        <source>Setup ended because of an error</source>
        <comment></comment>
        <translation>Installazione terminata a causa di un errore</translation>
    </message>
    <message>
        <source>Drive</source>
        <comment></comment>
        <translation>Drive</translation>
    </message>
    <message>
        <source>October</source>
        <comment></comment>
        <translation>Ottobre</translation>
    </message>
    <message>
        <source>Your changes have not been saved. Save them now?</source>
        <comment></comment>
        <translation>Le modifiche non sono state salvate. Salvarle ora?</translation>
    </message>
    <message>
        <source>This computer is already linked to this Larkspan.</source>
        <comment></comment>
        <translation>Questo computer è già associato a questo Larkspan.</translation>
    </message>
    <message>
        <source>There is not enough space on the local disk for Larkspan Drive.</source>
        <comment></comment>
        <translation>Spazio insufficiente sul disco locale per Larkspan Drive.</translation>
    </message>
    <message>
        <source>Do not sync files with these names:</source>
        <comment></comment>
        <translation>Non sincronizzare i file con questi nomi:</translation>
    </message>
    <message>
        <source>Available from</source>
        <comment></comment>
        <translation>Disponibile dal</translation>
    </message>
    <message>
        <source>Shows the tray icon in black and white to match your desktop theme.</source>
        <comment></comment>
        <translation>Mostra l&apos;icona dell&apos;area di notifica in bianco e nero per adattarla al tema del desktop.</translation>
    </message>
    <message>
        <source>Status</source>
        <comment></comment>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Sync one of your folders on the Larkspan with this computer.</source>
        <comment></comment>
        <translation>Sincronizza una delle tue cartelle sul Larkspan con questo computer.</translation>
    </message>
    <message>
        <source>Indexing the folder...</source>
        <comment></comment>
        <translation>Indicizzazione della cartella in corso...</translation>
    </message>
    <message>
        <source>Your user name or password is incorrect.</source>
        <comment></comment>
        <translation>Nome utente o password non corretti.</translation>
    </message>
    <message>
        <source>You do not have permission to use Larkspan Drive. Ask your administrator.</source>
        <comment></comment>
        <translation>Non sei autorizzato a usare Larkspan Drive. Rivolgiti all&apos;amministratore.</translation>
    </message>
    <message>
        <source>Try syncing again</source>
        <comment></comment>
        <translation>Riprova la sincronizzazione</translation>
    </message>
    <message>
        <source>Filter settings</source>
        <comment></comment>
        <translation>Impostazioni filtro</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <comment></comment>
        <translation>Configurazione manuale del proxy</translation>
    </message>
    <message>
        <source>Status:</source>
        <comment></comment>
        <translation>Stato:</translation>
    </message>
    <message>
        <source>July</source>
        <comment></comment>
        <translation>Luglio</translation>
    </message>
    <message>
        <source>No</source>
        <comment></comment>
        <translation>No</translation>
    </message>
    <message>
        <source>Version not supported</source>
        <comment></comment>
        <translation>Versione non supportata</translation>
    </message>
    <message>
        <source>Sync now</source>
        <comment></comment>
        <translation>Sincronizza ora</translation>
    </message>
    <message>
        <source>This folder was synced by another user. Choose another folder.</source>
        <comment></comment>
        <translation>Questa cartella è stata sincronizzata da un altro utente. Scegli un&apos;altra cartella.</translation>
    </message>
    <message>
        <source>Create a KestrinDrive folder in the selected location</source>
        <comment></comment>
        <translation>Crea una cartella KestrinDrive nel percorso selezionato</translation>
    </message>
    <message>
        <source>You do not have permission to write to this folder. Choose another folder.</source>
        <comment></comment>
        <translation>Non hai l&apos;autorizzazione di scrittura per questa cartella. Scegli un&apos;altra cartella.</translation>
    </message>
    <message>
        <source>This folder is read-only. Changes are not synced to %1.</source>
        <comment></comment>
        <translation>Questa cartella è di sola lettura. Le modifiche non vengono sincronizzate con %1.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment></comment>
        <translation>Da %1 a %2</translation>
    </message>
    <message>
        <source>Got it</source>
        <comment></comment>
        <translation>Ho capito</translation>
    </message>
    <message>
        <source>Welcome to Larkspan Drive</source>
        <comment></comment>
        <translation>Benvenuto in Larkspan Drive</translation>
    </message>
    <message>
        <source>Network settings</source>
        <comment></comment>
        <translation>Impostazioni di rete</translation>
    </message>
    <message>
        <source>The setup wizard is ready to begin the repair.</source>
        <comment></comment>
        <translation>L&apos;installazione guidata è pronta per iniziare la riparazione.</translation>
    </message>
    <message>
        <source>This client version is not supported by the server. Upgrade to continue syncing.</source>
        <comment></comment>
        <translation>Questa versione del client non è supportata dal server. Aggiorna il client per continuare la sincronizzazione.</translation>
    </message>
    <message>
        <source>Size</source>
        <comment></comment>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>The server version is too old. Ask your administrator to upgrade it.</source>
        <comment></comment>
        <translation>La versione del server è troppo vecchia. Chiedi all&apos;amministratore di aggiornarla.</translation>
    </message>
    <message>
        <source>Everyone with the link can view and edit the files.</source>
        <comment></comment>
        <translation>Chiunque disponga del link può visualizzare e modificare i file.</translation>
    </message>
    <message>
        <source>Edit</source>
        <comment></comment>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Signed-in users can view and edit the files.</source>
        <comment></comment>
        <translation>Gli utenti che hanno eseguito l&apos;accesso possono visualizzare e modificare i file.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <comment></comment>
        <translation>Disattivato</translation>
    </message>
    <message>
        <source>Change, repair or remove the installation.</source>
        <comment></comment>
        <translation>Modifica, ripara o rimuovi l&apos;installazione.</translation>
    </message>
    <message>
        <source>Just now</source>
        <comment></comment>
        <translation>Adesso</translation>
    </message>
    <message>
        <source>New sync folder</source>
        <comment></comment>
        <translation>Nuova cartella di sincronizzazione</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <comment></comment>
        <translation>Condivisione attivata</translation>
    </message>
    <message>
        <source>Sync error</source>
        <comment></comment>
        <translation>Errore di sincronizzazione</translation>
    </message>
    <message>
        <source>Merge mode</source>
        <comment></comment>
        <translation>Modalità di unione</translation>
    </message>
    <message>
        <source>Connection information</source>
        <comment></comment>
        <translation>Informazioni sulla connessione</translation>
    </message>
    <message>
        <source>Remove Larkspan Drive</source>
        <comment></comment>
        <translation>Rimuovi Larkspan Drive</translation>
    </message>
    <message>
        <source>Next %1 pages</source>
        <comment></comment>
        <translation>%1 pagine successive</translation>
    </message>
    <message>
        <source>Show sync status</source>
        <comment></comment>
        <translation>Mostra lo stato della sincronizzazione</translation>
    </message>
    <message>
        <source>My files</source>
        <comment></comment>
        <translation>I miei file</translation>
    </message>
    <message>
        <source>Create a sync task</source>
        <comment></comment>
        <translation>Crea un&apos;attività di sincronizzazione</translation>
    </message>
    <message>
        <source>Create a LarkspanDrive folder in the selected location</source>
        <comment></comment>
        <translation>Crea una cartella LarkspanDrive nel percorso selezionato</translation>
    </message>
    <message>
        <source>Skipped file names</source>
        <comment></comment>
        <translation>Nomi di file esclusi</translation>
    </message>
    <message>
        <source>The %1 ID is not valid.</source>
        <comment></comment>
        <translation>L&apos;ID di %1 non è valido.</translation>
    </message>
    <message>
        <source>Expire on</source>
        <comment></comment>
        <translation>Scadenza il</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <comment></comment>
        <translation>Aggiornamento in corso...</translation>
    </message>
    <message>
        <source>Start now</source>
        <comment></comment>
        <translation>Avvia ora</translation>
    </message>
    <message>
        <source>Standby</source>
        <comment></comment>
        <translation>In attesa</translation>
    </message>
    <message>
        <source>Progress</source>
        <comment></comment>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>%1 changes detected</source>
        <comment></comment>
        <translation>%1 modifiche rilevate</translation>
    </message>
    <message>
        <source>Only download changes from the Larkspan; local changes are not uploaded.</source>
        <comment></comment>
        <translation>Scarica solo le modifiche dal Larkspan; le modifiche locali non vengono caricate.</translation>
    </message>
    <message>
        <source>A database error occurred.</source>
        <comment></comment>
        <translation>Si è verificato un errore del database.</translation>
    </message>
    <message>
        <source>Enter the address of your Larkspan and your account.</source>
        <comment></comment>
        <translation>Inserisci l&apos;indirizzo del tuo Larkspan e i dati del tuo account.</translation>
    </message>
    <message>
        <source>On-demand sync</source>
        <comment></comment>
        <translation>Sincronizzazione su richiesta</translation>
    </message>
    <message>
        <source>New sync task</source>
        <comment></comment>
        <translation>Nuova attività di sincronizzazione</translation>
    </message>
    <message>
        <source>Upload</source>
        <comment></comment>
        <translation>Upload</translation>
    </message>
    <message>
        <source>Restrict access</source>
        <comment></comment>
        <translation>Limita l&apos;accesso</translation>
    </message>
    <message>
        <source>Select the folders to sync</source>
        <comment></comment>
        <translation>Seleziona le cartelle da sincronizzare</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <comment></comment>
        <translation>Seleziona una cartella</translation>
    </message>
    <message>
        <source>Setup mode</source>
        <comment></comment>
        <translation>Modalità di configurazione</translation>
    </message>
    <message>
        <source>Download only</source>
        <comment></comment>
        <translation>Solo download</translation>
    </message>
    <message>
        <source>General</source>
        <comment></comment>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Saturday</source>
        <comment></comment>
        <translation>Sabato</translation>
    </message>
    <message>
        <source>Larkspan Drive works with a Larkspan server from Kestrin.</source>
        <comment></comment>
        <translation>Larkspan Drive funziona con un server Larkspan di Kestrin.</translation>
    </message>
    <message>
        <source>Unable to connect to the Larkspan.</source>
        <comment></comment>
        <translation>Impossibile connettersi al Larkspan.</translation>
    </message>
    <message>
        <source>Connected through a relay</source>
        <comment></comment>
        <translation>Connesso tramite relay</translation>
    </message>
    <message>
        <source>Larkspan Drive is initializing...</source>
        <comment></comment>
        <translation>Inizializzazione di Larkspan Drive in corso...</translation>
    </message>
    <message>
        <source>Automatic setup failed. Set up Larkspan Drive manually.</source>
        <comment></comment>
        <translation>Configurazione automatica non riuscita. Configura Larkspan Drive manualmente.</translation>
    </message>
    <message>
        <source>Local destination</source>
        <comment></comment>
        <translation>Destinazione locale</translation>
    </message>
    <message>
        <source>This folder is read-only. Changes are not synced to Larkspan Drive.</source>
        <comment></comment>
        <translation>Questa cartella è di sola lettura. Le modifiche non vengono sincronizzate con Larkspan Drive.</translation>
    </message>
    <message>
        <source>Ignore</source>
        <comment></comment>
        <translation>Ignora</translation>
    </message>
    <message>
        <source>All events</source>
        <comment></comment>
        <translation>Tutti gli eventi</translation>
    </message>
    <message>
        <source>Sharing</source>
        <comment></comment>
        <translation>Condivisione</translation>
    </message>
    <message>
        <source>Click Remove to remove Larkspan Drive from your computer.</source>
        <comment></comment>
        <translation>Fai clic su Rimuovi per rimuovere Larkspan Drive dal computer.</translation>
    </message>
    <message>
        <source>This folder is already part of another sync task.</source>
        <comment></comment>
        <translation>Questa cartella fa già parte di un&apos;altra attività di sincronizzazione.</translation>
    </message>
    <message>
        <source>A network error occurred. Check your connection and try again.</source>
        <comment></comment>
        <translation>Si è verificato un errore di rete. Controlla la connessione e riprova.</translation>
    </message>
    <message>
        <source>Finish</source>
        <comment></comment>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Enter a port number from %1 to %2.</source>
        <comment></comment>
        <translation>Inserisci un numero di porta compreso tra %1 e %2.</translation>
    </message>
    <message>
        <source>More information</source>
        <comment></comment>
        <translation>Altre informazioni</translation>
    </message>
    <message>
        <source>This folder is already synced.</source>
        <comment></comment>
        <translation>Questa cartella è già sincronizzata.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <comment></comment>
        <translation>Autorizzazione negata.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <comment></comment>
        <translation>Si è verificato un errore sconosciuto.</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change your settings.</source>
        <comment></comment>
        <translation>Fai clic su Installa per iniziare l&apos;installazione. Fai clic su Indietro per rivedere o modificare le impostazioni.</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <comment></comment>
        <translation>Sincronizzazione bidirezionale</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <comment></comment>
        <translation>Download di %1 in corso...</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <comment></comment>
        <translation>Applicazione delle impostazioni in corso...</translation>
    </message>
    <message>
        <source>Switch Larkspan</source>
        <comment></comment>
        <translation>Cambia Larkspan</translation>
    </message>
    <message>
        <source>The file or folder does not exist.</source>
        <comment></comment>
        <translation>Il file o la cartella non esiste.</translation>
    </message>
    <message>
        <source>Next</source>
        <comment></comment>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Change folder</source>
        <comment></comment>
        <translation>Cambia cartella</translation>
    </message>
    <message>
        <source>April</source>
        <comment></comment>
        <translation>Aprile</translation>
    </message>
    <message>
        <source>The new language takes effect after Larkspan Drive restarts.</source>
        <comment></comment>
        <translation>La nuova lingua verrà applicata al riavvio di Larkspan Drive.</translation>
    </message>
    <message>
        <source>Choose another</source>
        <comment></comment>
        <translation>Scegli un altro</translation>
    </message>
    <message>
        <source>Invalid argument.</source>
        <comment></comment>
        <translation>Argomento non valido.</translation>
    </message>
    <message>
        <source>Syncing %1 files</source>
        <comment></comment>
        <translation>Sincronizzazione di %1 file in corso</translation>
    </message>
    <message>
        <source>Sharing links is not enabled on the Larkspan.</source>
        <comment></comment>
        <translation>La condivisione di link non è attivata sul Larkspan.</translation>
    </message>
    <message>
        <source>Recently updated files</source>
        <comment></comment>
        <translation>File aggiornati di recente</translation>
    </message>
    <message>
        <source>Security warning</source>
        <comment></comment>
        <translation>Avviso di sicurezza</translation>
    </message>
    <message>
        <source>The following applications use files that setup needs to update. Close them and click Retry, or click Ignore to continue anyway.</source>
        <comment></comment>
        <translation>Le seguenti applicazioni usano file che l&apos;installazione deve aggiornare. Chiudile e fai clic su Riprova, oppure fai clic su Ignora per continuare comunque.</translation>
    </message>
    <message>
        <source>Reach your files anywhere</source>
        <comment></comment>
        <translation>Accedi ai tuoi file ovunque</translation>
    </message>
    <message>
        <source>Print</source>
        <comment></comment>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Create a new folder to sync.</source>
        <comment></comment>
        <translation>Crea una nuova cartella da sincronizzare.</translation>
    </message>
    <message>
        <source>The certificate of %1 has changed. Do you trust the new certificate?</source>
        <comment></comment>
        <translation>Il certificato di %1 è cambiato. Consideri attendibile il nuovo certificato?</translation>
    </message>
    <message>
        <source>Larkspan Drive</source>
        <comment></comment>
        <translation>Larkspan Drive</translation>
    </message>
    <message>
        <source>Rename</source>
        <comment></comment>
        <translation>Rinomina</translation>
    </message>
    <message>
        <source>Folder already synced</source>
        <comment></comment>
        <translation>Cartella già sincronizzata</translation>
    </message>
    <message>
        <source>Do not sync these folders</source>
        <comment></comment>
        <translation>Non sincronizzare queste cartelle</translation>
    </message>
    <message>
        <source>Folders that others share with you</source>
        <comment></comment>
        <translation>Cartelle che altri condividono con te</translation>
    </message>
    <message>
        <source>Repair Larkspan Drive</source>
        <comment></comment>
        <translation>Ripara Larkspan Drive</translation>
    </message>
    <message>
        <source>Sync log category</source>
        <comment></comment>
        <translation>Categoria del registro di sincronizzazione</translation>
    </message>
    <message>
        <source>Close these applications before setup continues:</source>
        <comment></comment>
        <translation>Chiudi queste applicazioni prima che l&apos;installazione continui:</translation>
    </message>
    <message>
        <source>Add</source>
        <comment></comment>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>No options available</source>
        <comment></comment>
        <translation>Nessuna opzione disponibile</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of Larkspan Drive.</source>
        <comment></comment>
        <translation>Fai clic su Ripara per riparare l&apos;installazione di Larkspan Drive.</translation>
    </message>
    <message>
        <source>The sync direction does not match your permission on the folder.</source>
        <comment></comment>
        <translation>La direzione di sincronizzazione non corrisponde alla tua autorizzazione sulla cartella.</translation>
    </message>
    <message>
        <source>You have chosen to remove the program from your computer.</source>
        <comment></comment>
        <translation>Hai scelto di rimuovere il programma dal computer.</translation>
    </message>
    <message>
        <source>You are ready to use Larkspan Drive.</source>
        <comment></comment>
        <translation>Ora puoi usare Larkspan Drive.</translation>
    </message>
    <message>
        <source>Edit connection</source>
        <comment></comment>
        <translation>Modifica connessione</translation>
    </message>
    <message>
        <source>Upgrade to version %1</source>
        <comment></comment>
        <translation>Aggiorna alla versione %1</translation>
    </message>
    <message>
        <source>A newer version of Larkspan Drive is already installed. Setup will now exit.</source>
        <comment></comment>
        <translation>Una versione più recente di Larkspan Drive è già installata. L&apos;installazione verrà chiusa.</translation>
    </message>
    <message>
        <source>Larkspan Drive is now syncing your files.</source>
        <comment></comment>
        <translation>Ora Larkspan Drive sta sincronizzando i tuoi file.</translation>
    </message>
    <message>
        <source>%1 files updated</source>
        <comment></comment>
        <translation>%1 file aggiornati</translation>
    </message>
    <message>
        <source>Enter a user name.</source>
        <comment></comment>
        <translation>Inserisci un nome utente.</translation>
    </message>
    <message>
        <source>There is not enough space on the local disk for %1.</source>
        <comment></comment>
        <translation>Spazio insufficiente sul disco locale per %1.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <comment></comment>
        <translation>Preferenze</translation>
    </message>
    <message>
        <source>Files shared with you appear in the Larkspan Drive folder on this computer.</source>
        <comment></comment>
        <translation>I file condivisi con te vengono visualizzati nella cartella Larkspan Drive di questo computer.</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <comment></comment>
        <translation>No, grazie</translation>
    </message>
    <message>
        <source>Public</source>
        <comment></comment>
        <translation>Pubblico</translation>
    </message>
    <message>
        <source>Setup is complete.</source>
        <comment></comment>
        <translation>La configurazione è completata.</translation>
    </message>
    <message>
        <source>Open containing folder</source>
        <comment></comment>
        <translation>Apri cartella contenitore</translation>
    </message>
    <message>
        <source>Removes Larkspan Drive from your computer.</source>
        <comment></comment>
        <translation>Rimuove Larkspan Drive dal computer.</translation>
    </message>
    <message>
        <source>Show the Larkspan Drive tutorial</source>
        <comment></comment>
        <translation>Mostra il tutorial di Larkspan Drive</translation>
    </message>
    <message>
        <source>Previous month</source>
        <comment></comment>
        <translation>Mese precedente</translation>
    </message>
    <message>
        <source>Shared folders</source>
        <comment></comment>
        <translation>Cartelle condivise</translation>
    </message>
    <message>
        <source>Created</source>
        <comment></comment>
        <translation>Data creazione</translation>
    </message>
    <message>
        <source>Files you change on one device are updated on the others.</source>
        <comment></comment>
        <translation>I file che modifichi su un dispositivo vengono aggiornati sugli altri.</translation>
    </message>
    <message>
        <source>September</source>
        <comment></comment>
        <translation>Settembre</translation>
    </message>
    <message>
        <source>Click Remove to continue, or Back to review your choice.</source>
        <comment></comment>
        <translation>Fai clic su Rimuovi per continuare o su Indietro per rivedere la scelta.</translation>
    </message>
    <message>
        <source>Back</source>
        <comment></comment>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Folder name</source>
        <comment></comment>
        <translation>Nome cartella</translation>
    </message>
    <message>
        <source>Setup is complete. Larkspan Drive now keeps your files in sync.</source>
        <comment></comment>
        <translation>La configurazione è completata. Ora Larkspan Drive mantiene sincronizzati i tuoi file.</translation>
    </message>
    <message>
        <source>May</source>
        <comment></comment>
        <translation>Maggio</translation>
    </message>
    <message>
        <source>Connected through the local network</source>
        <comment></comment>
        <translation>Connesso tramite la rete locale</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully.</source>
        <comment></comment>
        <translation>Leggi attentamente il seguente contratto di licenza.</translation>
    </message>
    <message>
        <source>Keep the most recently modified file</source>
        <comment></comment>
        <translation>Mantieni il file modificato più di recente</translation>
    </message>
    <message>
        <source>%1 mentioned you in %2</source>
        <comment></comment>
        <translation>%1 ti ha menzionato in %2</translation>
    </message>
    <message>
        <source>Access to the selected folder was denied.</source>
        <comment></comment>
        <translation>Accesso alla cartella selezionata negato.</translation>
    </message>
    <message>
        <source>Disk full</source>
        <comment></comment>
        <translation>Disco pieno</translation>
    </message>
    <message>
        <source>Signed-in users</source>
        <comment></comment>
        <translation>Utenti che hanno eseguito l&apos;accesso</translation>
    </message>
    <message>
        <source>Tutorial that introduces the main features of Larkspan Drive</source>
        <comment></comment>
        <translation>Tutorial che presenta le funzionalità principali di Larkspan Drive</translation>
    </message>
    <message>
        <source>Checking your password...</source>
        <comment></comment>
        <translation>Verifica della password in corso...</translation>
    </message>
    <message>
        <source>All files are up to date.</source>
        <comment></comment>
        <translation>Tutti i file sono aggiornati.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <comment></comment>
        <translation>Sola lettura</translation>
    </message>
    <message>
        <source>Your password has expired.</source>
        <comment></comment>
        <translation>La password è scaduta.</translation>
    </message>
    <message>
        <source>Calendar</source>
        <comment></comment>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>Replace the file on this computer with the copy on the server</source>
        <comment></comment>
        <translation>Sostituisci il file su questo computer con la copia sul server</translation>
    </message>
    <message>
        <source>Do not close the applications. A restart will be required.</source>
        <comment></comment>
        <translation>Non chiudere le applicazioni. Sarà necessario un riavvio.</translation>
    </message>
    <message>
        <source>November</source>
        <comment></comment>
        <translation>Novembre</translation>
    </message>
    <message>
        <source>Find a Larkspan on your local network</source>
        <comment></comment>
        <translation>Trova un Larkspan nella rete locale</translation>
    </message>
    <message>
        <source>File name:</source>
        <comment></comment>
        <translation>Nome file:</translation>
    </message>
    <message>
        <source>Add file name</source>
        <comment></comment>
        <translation>Aggiungi nome file</translation>
    </message>
    <message>
        <source>Sync your home folder on the Larkspan with a folder on this computer, using the recommended settings.</source>
        <comment></comment>
        <translation>Sincronizza la tua cartella home sul Larkspan con una cartella su questo computer, usando le impostazioni consigliate.</translation>
    </message>
    <message>
        <source>Skip files whose names begin with a dot</source>
        <comment></comment>
        <translation>Ignora i file il cui nome inizia con un punto</translation>
    </message>
    <message>
        <source>Setup was cancelled.</source>
        <comment></comment>
        <translation>L&apos;installazione è stata annullata.</translation>
    </message>
    <message>
        <source>Name</source>
        <comment></comment>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Encrypt data transfers (SSL)</source>
        <comment></comment>
        <translation>Crittografa i trasferimenti di dati (SSL)</translation>
    </message>
    <message>
        <source>File type</source>
        <comment></comment>
        <translation>Tipo di file</translation>
    </message>
    <message>
        <source>Your quota on the Larkspan is full. Syncing is paused.</source>
        <comment></comment>
        <translation>La tua quota sul Larkspan è esaurita. La sincronizzazione è in pausa.</translation>
    </message>
    <message>
        <source>Share name</source>
        <comment></comment>
        <translation>Nome condivisione</translation>
    </message>
    <message>
        <source>Setup is not running as an administrator, so Larkspan Drive will be installed for the current user only. Continue?</source>
        <comment></comment>
        <translation>L&apos;installazione non è in esecuzione come amministratore, quindi Larkspan Drive verrà installato solo per l&apos;utente corrente. Continuare?</translation>
    </message>
    <message>
        <source>Close the tutorial</source>
        <comment></comment>
        <translation>Chiudi il tutorial</translation>
    </message>
    <message>
        <source>About Larkspan Drive</source>
        <comment></comment>
        <translation>Informazioni su Larkspan Drive</translation>
    </message>
    <message>
        <source>Apply and copy link</source>
        <comment></comment>
        <translation>Applica e copia link</translation>
    </message>
    <message>
        <source>Password:</source>
        <comment></comment>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Computer name</source>
        <comment></comment>
        <translation>Nome computer</translation>
    </message>
    <message>
        <source>Synced on all devices</source>
        <comment></comment>
        <translation>Sincronizzato su tutti i dispositivi</translation>
    </message>
    <message>
        <source>Currently syncing: %1</source>
        <comment></comment>
        <translation>Sincronizzazione in corso: %1</translation>
    </message>
    <message>
        <source>Apply to all subfolders</source>
        <comment></comment>
        <translation>Applica a tutte le sottocartelle</translation>
    </message>
    <message>
        <source>Files that match these rules are not synced.</source>
        <comment></comment>
        <translation>I file che corrispondono a queste regole non vengono sincronizzati.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected shared items?</source>
        <comment></comment>
        <translation>Vuoi davvero eliminare gli elementi condivisi selezionati?</translation>
    </message>
    <message>
        <source>IP address</source>
        <comment></comment>
        <translation>Indirizzo IP</translation>
    </message>
    <message>
        <source>Your files are now syncing.</source>
        <comment></comment>
        <translation>Sincronizzazione dei file in corso.</translation>
    </message>
    <message>
        <source>Some of the entries are not valid.</source>
        <comment></comment>
        <translation>Alcune voci non sono valide.</translation>
    </message>
    <message>
        <source>A system error occurred while checking the folder.</source>
        <comment></comment>
        <translation>Si è verificato un errore di sistema durante la verifica della cartella.</translation>
    </message>
    <message>
        <source>Unlink this sync task? Files that are already synced stay on this computer.</source>
        <comment></comment>
        <translation>Dissociare questa attività di sincronizzazione? I file già sincronizzati restano su questo computer.</translation>
    </message>
    <message>
        <source>The sign-in test failed. Check the user name and password.</source>
        <comment></comment>
        <translation>Test di accesso non riuscito. Controlla il nome utente e la password.</translation>
    </message>
    <message>
        <source>Turning off sharing removes all existing links. Continue?</source>
        <comment></comment>
        <translation>La disattivazione della condivisione rimuove tutti i link esistenti. Continuare?</translation>
    </message>
    <message>
        <source>Test connection</source>
        <comment></comment>
        <translation>Verifica connessione</translation>
    </message>
    <message>
        <source>Install</source>
        <comment></comment>
        <translation>Installa</translation>
    </message>
    <message>
        <source>Advanced setup</source>
        <comment></comment>
        <translation>Configurazione avanzata</translation>
    </message>
    <message>
        <source>Click Repair to continue, or Back to review your choice.</source>
        <comment></comment>
        <translation>Fai clic su Ripara per continuare o su Indietro per rivedere la scelta.</translation>
    </message>
    <message>
        <source>Installing the program files...</source>
        <comment></comment>
        <translation>Installazione dei file del programma in corso...</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app</source>
        <comment></comment>
        <translation>Inserisci il codice di verifica dell&apos;app di autenticazione</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <comment></comment>
        <translation>Continua comunque</translation>
    </message>
    <message>
        <source>March</source>
        <comment></comment>
        <translation>Marzo</translation>
    </message>
    <message>
        <source>You can change these settings at any time in Larkspan Drive.</source>
        <comment></comment>
        <translation>Puoi modificare queste impostazioni in qualsiasi momento in Larkspan Drive.</translation>
    </message>
    <message>
        <source>Proxy settings</source>
        <comment></comment>
        <translation>Impostazioni proxy</translation>
    </message>
    <message>
        <source>Remove the installation</source>
        <comment></comment>
        <translation>Rimuovi l&apos;installazione</translation>
    </message>
    <message>
        <source>Send to %1</source>
        <comment></comment>
        <translation>Invia a %1</translation>
    </message>
    <message>
        <source>Synchronization mode</source>
        <comment></comment>
        <translation>Modalità di sincronizzazione</translation>
    </message>
    <message>
        <source>Refresh the sync log</source>
        <comment></comment>
        <translation>Aggiorna il registro di sincronizzazione</translation>
    </message>
    <message>
        <source>The content of both folders is merged. Nothing is deleted.</source>
        <comment></comment>
        <translation>Il contenuto delle due cartelle viene unito. Non viene eliminato nulla.</translation>
    </message>
    <message>
        <source>This version of %1 is already installed. Do you want to install it again?</source>
        <comment></comment>
        <translation>Questa versione di %1 è già installata. Vuoi installarla di nuovo?</translation>
    </message>
    <message>
        <source>When the tray icon is double-clicked</source>
        <comment></comment>
        <translation>Al doppio clic sull&apos;icona nell&apos;area di notifica</translation>
    </message>
    <message>
        <source>Open the web portal to reach your files from any browser.</source>
        <comment></comment>
        <translation>Apri il portale web per accedere ai tuoi file da qualsiasi browser.</translation>
    </message>
    <message>
        <source>Click Finish to close the setup wizard and start using Larkspan Drive.</source>
        <comment></comment>
        <translation>Fai clic su Fine per chiudere l&apos;installazione guidata e iniziare a usare Larkspan Drive.</translation>
    </message>
    <message>
        <source>There are no changes to apply.</source>
        <comment></comment>
        <translation>Non ci sono modifiche da applicare.</translation>
    </message>
    <message>
        <source>Network error.</source>
        <comment></comment>
        <translation>Errore di rete.</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <comment></comment>
        <translation>Preparazione in corso...</translation>
    </message>
    <message>
        <source>More tutorials</source>
        <comment></comment>
        <translation>Altri tutorial</translation>
    </message>
    <message>
        <source>Read-only folder</source>
        <comment></comment>
        <translation>Cartella di sola lettura</translation>
    </message>
    <message>
        <source>Previous %1 pages</source>
        <comment></comment>
        <translation>%1 pagine precedenti</translation>
    </message>
    <message>
        <source>Start the tour</source>
        <comment></comment>
        <translation>Inizia il tour</translation>
    </message>
    <message>
        <source>IP address details</source>
        <comment></comment>
        <translation>Dettagli dell&apos;indirizzo IP</translation>
    </message>
    <message>
        <source>From</source>
        <comment></comment>
        <translation>Da</translation>
    </message>
    <message>
        <source>Welcome to Larkspan Drive. Sign in to get started.</source>
        <comment></comment>
        <translation>Benvenuto in Larkspan Drive. Accedi per iniziare.</translation>
    </message>
    <message>
        <source>Sync problem</source>
        <comment></comment>
        <translation>Problema di sincronizzazione</translation>
    </message>
    <message>
        <source>Local usage</source>
        <comment></comment>
        <translation>Utilizzo locale</translation>
    </message>
    <message>
        <source>Enable on-demand sync</source>
        <comment></comment>
        <translation>Attiva la sincronizzazione su richiesta</translation>
    </message>
    <message>
        <source>Larkspan Drive has been installed.</source>
        <comment></comment>
        <translation>Larkspan Drive è stato installato.</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <comment></comment>
        <translation>Disconnesso</translation>
    </message>
    <message>
        <source>Locked</source>
        <comment></comment>
        <translation>Bloccato</translation>
    </message>
    <message>
        <source>Change sync folder</source>
        <comment></comment>
        <translation>Cambia cartella di sincronizzazione</translation>
    </message>
    <message>
        <source>Setup has finished.</source>
        <comment></comment>
        <translation>L&apos;installazione è stata completata.</translation>
    </message>
    <message>
        <source>%1 shared %2 with you</source>
        <comment></comment>
        <translation>%1 ha condiviso %2 con te</translation>
    </message>
    <message>
        <source>Not found</source>
        <comment></comment>
        <translation>Non trovato</translation>
    </message>
    <message>
        <source>Reset</source>
        <comment></comment>
        <translation>Reimposta</translation>
    </message>
    <message>
        <source>Installing the features you selected.</source>
        <comment></comment>
        <translation>Installazione delle funzionalità selezionate in corso.</translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <comment></comment>
        <translation>È richiesto un codice di verifica.</translation>
    </message>
    <message>
        <source>%1 keeps the files on your Larkspan and your computers in sync.</source>
        <comment></comment>
        <translation>%1 mantiene sincronizzati i file del tuo Larkspan e dei tuoi computer.</translation>
    </message>
    <message>
        <source>There is not enough space on the disk of this computer.</source>
        <comment></comment>
        <translation>Spazio insufficiente sul disco di questo computer.</translation>
    </message>
    <message>
        <source>Connection type</source>
        <comment></comment>
        <translation>Tipo di connessione</translation>
    </message>
    <message>
        <source>Show the %1 tutorial</source>
        <comment></comment>
        <translation>Mostra il tutorial di %1</translation>
    </message>
    <message>
        <source>You can also invite people to folders you own.</source>
        <comment></comment>
        <translation>Puoi anche invitare altre persone nelle cartelle di cui sei proprietario.</translation>
    </message>
    <message>
        <source>%1 could not be upgraded.</source>
        <comment></comment>
        <translation>Impossibile aggiornare %1.</translation>
    </message>
    <message>
        <source>%1 works with a Larkspan server from Kestrin.</source>
        <comment></comment>
        <translation>%1 funziona con un server Larkspan di Kestrin.</translation>
    </message>
    <message>
        <source>Welcome</source>
        <comment></comment>
        <translation>Benvenuto</translation>
    </message>
    <message>
        <source>Custom range</source>
        <comment></comment>
        <translation>Intervallo personalizzato</translation>
    </message>
    <message>
        <source>Sync %1 to this computer?</source>
        <comment></comment>
        <translation>Sincronizzare %1 con questo computer?</translation>
    </message>
    <message>
        <source>Quick setup</source>
        <comment></comment>
        <translation>Configurazione rapida</translation>
    </message>
    <message>
        <source>Download history</source>
        <comment></comment>
        <translation>Cronologia download</translation>
    </message>
    <message>
        <source>Use a relay connection when a direct connection is not possible</source>
        <comment></comment>
        <translation>Usa una connessione relay quando non è possibile una connessione diretta</translation>
    </message>
    <message>
        <source>Folders you clear are removed from this computer but kept on the Larkspan.</source>
        <comment></comment>
        <translation>Le cartelle deselezionate vengono rimosse da questo computer ma restano sul Larkspan.</translation>
    </message>
    <message>
        <source>Link</source>
        <comment></comment>
        <translation>Link</translation>
    </message>
    <message>
        <source>Address:</source>
        <comment></comment>
        <translation>Indirizzo:</translation>
    </message>
    <message>
        <source>Download complete.</source>
        <comment></comment>
        <translation>Download completato.</translation>
    </message>
    <message>
        <source>Setup has all the information it needs to start copying the program files.</source>
        <comment></comment>
        <translation>L&apos;installazione dispone di tutte le informazioni necessarie per iniziare a copiare i file del programma.</translation>
    </message>
    <message>
        <source>Sync activity</source>
        <comment></comment>
        <translation>Andamento della sincronizzazione</translation>
    </message>
    <message>
        <source>Downloading</source>
        <comment></comment>
        <translation>Download in corso</translation>
    </message>
    <message>
        <source>This wizard installs Larkspan Drive on your computer.</source>
        <comment></comment>
        <translation>Questa procedura guidata installa Larkspan Drive nel computer.</translation>
    </message>
    <message>
        <source>To</source>
        <comment></comment>
        <translation>A</translation>
    </message>
    <message>
        <source>The server&apos;s certificate could not be verified. Connect anyway?</source>
        <comment></comment>
        <translation>Impossibile verificare il certificato del server. Connettersi comunque?</translation>
    </message>
    <message>
        <source>Larkspan Drive is running.</source>
        <comment></comment>
        <translation>Larkspan Drive è in esecuzione.</translation>
    </message>
    <message>
        <source>%1 has shared a new item with you.</source>
        <comment></comment>
        <translation>%1 ha condiviso un nuovo elemento con te.</translation>
    </message>
    <message>
        <source>A conflict occurred.</source>
        <comment></comment>
        <translation>Si è verificato un conflitto.</translation>
    </message>
    <message>
        <source>The selected folder is a mount point. Choose a folder on a local disk.</source>
        <comment></comment>
        <translation>La cartella selezionata è un punto di montaggio. Scegli una cartella su un disco locale.</translation>
    </message>
    <message>
        <source>Encryption</source>
        <comment></comment>
        <translation>Crittografia</translation>
    </message>
    <message>
        <source>Changes you make in your sync folder are synced with the Larkspan.</source>
        <comment></comment>
        <translation>Le modifiche apportate nella cartella di sincronizzazione vengono sincronizzate con il Larkspan.</translation>
    </message>
    <message>
        <source>Please wait while the setup wizard installs Larkspan Drive. This may take several minutes.</source>
        <comment></comment>
        <translation>Attendi mentre l&apos;installazione guidata installa Larkspan Drive. L&apos;operazione potrebbe richiedere alcuni minuti.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has changed since your last connection. Continue?</source>
        <comment></comment>
        <translation>Il certificato del server è cambiato dall&apos;ultima connessione. Continuare?</translation>
    </message>
    <message>
        <source>%1 is ready.</source>
        <comment></comment>
        <translation>%1 è pronto.</translation>
    </message>
    <message>
        <source>Search</source>
        <comment></comment>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Link a new Larkspan</source>
        <comment></comment>
        <translation>Associa un nuovo Larkspan</translation>
    </message>
    <message>
        <source>Certificate verification failed.</source>
        <comment></comment>
        <translation>Verifica del certificato non riuscita.</translation>
    </message>
    <message>
        <source>Starting Larkspan Drive...</source>
        <comment></comment>
        <translation>Avvio di Larkspan Drive in corso...</translation>
    </message>
    <message>
        <source>On-demand sync could not be enabled.</source>
        <comment></comment>
        <translation>Impossibile attivare la sincronizzazione su richiesta.</translation>
    </message>
    <message>
        <source>Setup complete</source>
        <comment></comment>
        <translation>Configurazione completata</translation>
    </message>
    <message>
        <source>Your administrator requires two-step verification for your account.</source>
        <comment></comment>
        <translation>L&apos;amministratore richiede la verifica in due passaggi per il tuo account.</translation>
    </message>
    <message>
        <source>Start %1 when I sign in</source>
        <comment></comment>
        <translation>Avvia %1 all&apos;accesso</translation>
    </message>
    <message>
        <source>The selected folder is already synced by another task.</source>
        <comment></comment>
        <translation>La cartella selezionata è già sincronizzata da un&apos;altra attività.</translation>
    </message>
    <message>
        <source>File</source>
        <comment></comment>
        <translation>File</translation>
    </message>
    <message>
        <source>Recently changed</source>
        <comment></comment>
        <translation>Modificati di recente</translation>
    </message>
</context>
</TS>
