<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Enabled</source>
        <comment></comment>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Larkspan Drive has no optional features to change.</source>
        <comment></comment>
        <translation>Larkspan Drive ne comporte aucune fonctionnalité facultative à modifier.</translation>
    </message>
    <message>
        <source>Merge</source>
        <comment></comment>
        <translation>Fusionner</translation>
    </message>
    <message>
        <source>Open folder</source>
        <comment></comment>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Sync folder on this computer</source>
        <comment></comment>
        <translation>Dossier de synchronisation sur cet ordinateur</translation>
    </message>
    <message>
        <source>Tutorial that introduces the main features of %1</source>
        <comment></comment>
        <translation>Didacticiel présentant les principales fonctionnalités de %1</translation>
    </message>
    <message>
        <source>Renamed on the Larkspan</source>
        <comment></comment>
        <translation>Renommé sur le Larkspan</translation>
    </message>
    <message>
        <source>Friday</source>
        <comment></comment>
        <translation>Vendredi</translation>
    </message>
    <message>
        <source>Thursday</source>
        <comment></comment>
        <translation>Jeudi</translation>
    </message>
    <message>
        <source>The setup wizard is ready to begin the installation.</source>
        <comment></comment>
        <translation>L&apos;assistant d&apos;installation est prêt à commencer l&apos;installation.</translation>
    </message>
    <message>
        <source>Select the files to sync</source>
        <comment></comment>
        <translation>Sélectionner les fichiers à synchroniser</translation>
    </message>
    <message>
        <source>Loading...</source>
        <comment></comment>
        <translation>Chargement...</translation>
    </message>
    <message>
        <source>Sync direction</source>
        <comment></comment>
        <translation>Sens de synchronisation</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <comment></comment>
        <translation>Une nouvelle version est disponible. Cliquez pour mettre à jour.</translation>
    </message>
    <message>
        <source>Ready to install Larkspan Drive</source>
        <comment></comment>
        <translation>Prêt à installer Larkspan Drive</translation>
    </message>
    <message>
        <source>User name</source>
        <comment></comment>
        <translation>Nom d&apos;utilisateur</translation>
    </message>
    <message>
        <source>File sharing is not available over a relay connection.</source>
        <comment></comment>
        <translation>Le partage de fichiers n&apos;est pas disponible via une connexion relais.</translation>
    </message>
    <message>
        <source>Last page</source>
        <comment></comment>
        <translation>Dernière page</translation>
    </message>
    <message>
        <source>One-way upload</source>
        <comment></comment>
        <translation>Envoi unidirectionnel</translation>
    </message>
    <message>
        <source>Setup is complete. %1 now keeps your files in sync.</source>
        <comment></comment>
        <translation>La configuration est terminée. %1 synchronise désormais vos fichiers.</translation>
    </message>
    <message>
        <source>System default</source>
        <comment></comment>
        <translation>Valeur par défaut du système</translation>
    </message>
    <message>
        <source>A sync folder named %1 already exists. Choose another name.</source>
        <comment></comment>
        <translation>Un dossier de synchronisation nommé %1 existe déjà. Choisissez un autre nom.</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment></comment>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Choose the display language</source>
        <comment></comment>
        <translation>Choisir la langue d&apos;affichage</translation>
    </message>
    <message>
        <source>The Larkspan Drive service is disabled on this Larkspan. Ask your administrator to enable it.</source>
        <comment></comment>
        <translation>Le service Larkspan Drive est désactivé sur ce Larkspan. Demandez à votre administrateur de l&apos;activer.</translation>
    </message>
    <message>
        <source>Search for Larkspan servers on the local network</source>
        <comment></comment>
        <translation>Rechercher des serveurs Larkspan sur le réseau local</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <comment></comment>
        <translation>et %1 autres</translation>
    </message>
    <message>
        <source>Connected</source>
        <comment></comment>
        <translation>Connecté</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <comment></comment>
        <translation>Mardi</translation>
    </message>
    <message>
        <source>Read the following license agreement and accept it to continue.</source>
        <comment></comment>
        <translation>Lisez le contrat de licence suivant et acceptez-le pour continuer.</translation>
    </message>
    <message>
        <source>Help</source>
        <comment></comment>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Launch Larkspan Drive now</source>
        <comment></comment>
        <translation>Lancer Larkspan Drive maintenant</translation>
    </message>
    <message>
        <source>User name:</source>
        <comment></comment>
        <translation>Nom d&apos;utilisateur :</translation>
    </message>
    <message>
        <source>Finishing the automatic setup...</source>
        <comment></comment>
        <translation>Finalisation de la configuration automatique...</translation>
    </message>
    <message>
        <source>Summary</source>
        <comment></comment>
        <translation>Résumé</translation>
    </message>
    <message>
        <source>Selective sync mode</source>
        <comment></comment>
        <translation>Mode de synchronisation sélective</translation>
    </message>
    <message>
        <source>Notifications</source>
        <comment></comment>
        <translation>Notifications</translation>
    </message>
    <message>
        <source>Choose a folder on the Larkspan and a folder on this computer to keep in sync.</source>
        <comment></comment>
        <translation>Choisissez un dossier sur le Larkspan et un dossier sur cet ordinateur à maintenir synchronisés.</translation>
    </message>
    <message>
        <source>Files whose names match these patterns are not synced. Use * as a wildcard, for example *.tmp.</source>
        <comment></comment>
        <translation>Les fichiers dont le nom correspond à ces modèles ne sont pas synchronisés. Utilisez * comme caractère générique, par exemple *.tmp.</translation>
    </message>
    <message>
        <source>OK</source>
        <comment></comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Everyone with the link can view the files.</source>
        <comment></comment>
        <translation>Toute personne disposant du lien peut afficher les fichiers.</translation>
    </message>
    <message>
        <source>Set sync folder</source>
        <comment></comment>
        <translation>Définir le dossier de synchronisation</translation>
    </message>
    <message>
        <source>Unlink</source>
        <comment></comment>
        <translation>Dissocier</translation>
    </message>
    <message>
        <source>Value</source>
        <comment></comment>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Selective sync</source>
        <comment></comment>
        <translation>Synchronisation sélective</translation>
    </message>
    <message>
        <source>Continue</source>
        <comment></comment>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <comment></comment>
        <translation>Échec de l&apos;initialisation.</translation>
    </message>
    <message>
        <source>Share files with others</source>
        <comment></comment>
        <translation>Partagez des fichiers avec d&apos;autres personnes</translation>
    </message>
    <message>
        <source>Open Larkspan Drive</source>
        <comment></comment>
        <translation>Ouvrir Larkspan Drive</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment></comment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Change which features of Larkspan Drive are installed</source>
        <comment></comment>
        <translation>Modifier les fonctionnalités de Larkspan Drive qui sont installées</translation>
    </message>
    <message>
        <source>Unable to get the user information.</source>
        <comment></comment>
        <translation>Impossible d&apos;obtenir les informations sur l&apos;utilisateur.</translation>
    </message>
    <message>
        <source>Status information</source>
        <comment></comment>
        <translation>Informations d&apos;état</translation>
    </message>
    <message>
        <source>The setup wizard will install Larkspan Drive on your computer. Click Next to continue or Cancel to exit.</source>
        <comment></comment>
        <translation>L&apos;assistant d&apos;installation va installer Larkspan Drive sur votre ordinateur. Cliquez sur Suivant pour continuer ou sur Annuler pour quitter.</translation>
    </message>
    <message>
        <source>Show sync status icons on files and folders</source>
        <comment></comment>
        <translation>Afficher les icônes d&apos;état de synchronisation sur les fichiers et les dossiers</translation>
    </message>
    <message>
        <source>Change</source>
        <comment></comment>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Cancel setup</source>
        <comment></comment>
        <translation>Annuler l&apos;installation</translation>
    </message>
    <message>
        <source>No proxy</source>
        <comment></comment>
        <translation>Aucun proxy</translation>
    </message>
    <message>
        <source>The client could not be upgraded. Please try again later.</source>
        <comment></comment>
        <translation>Impossible de mettre à niveau le client. Réessayez plus tard.</translation>
    </message>
    <message>
        <source>Apply</source>
        <comment></comment>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Files in use</source>
        <comment></comment>
        <translation>Fichiers en cours d&apos;utilisation</translation>
    </message>
    <message>
        <source>Service disabled</source>
        <comment></comment>
        <translation>Service désactivé</translation>
    </message>
    <message>
        <source>Reading the connection settings...</source>
        <comment></comment>
        <translation>Lecture des paramètres de connexion...</translation>
    </message>
    <message>
        <source>Mentioned you</source>
        <comment></comment>
        <translation>Vous a mentionné</translation>
    </message>
    <message>
        <source>Updating...</source>
        <comment></comment>
        <translation>Mise à jour...</translation>
    </message>
    <message>
        <source>Language</source>
        <comment></comment>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <comment></comment>
        <translation>Félicitations !</translation>
    </message>
    <message>
        <source>Enable sharing</source>
        <comment></comment>
        <translation>Activer le partage</translation>
    </message>
    <message>
        <source>The home folder service is not enabled for your account. Ask your administrator to enable it.</source>
        <comment></comment>
        <translation>Le service de dossier personnel n&apos;est pas activé pour votre compte. Demandez à votre administrateur de l&apos;activer.</translation>
    </message>
    <message>
        <source>August</source>
        <comment></comment>
        <translation>Août</translation>
    </message>
    <message>
        <source>Read and write</source>
        <comment></comment>
        <translation>Lecture et écriture</translation>
    </message>
    <message>
        <source>Remove</source>
        <comment></comment>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Larkspan Drive notification</source>
        <comment></comment>
        <translation>Notification de Larkspan Drive</translation>
    </message>
    <message>
        <source>Open in the web portal</source>
        <comment></comment>
        <translation>Ouvrir dans le portail web</translation>
    </message>
    <message>
        <source>The selected sync folder is not valid. Choose another folder.</source>
        <comment></comment>
        <translation>Le dossier de synchronisation sélectionné n&apos;est pas valide. Choisissez un autre dossier.</translation>
    </message>
    <message>
        <source>This field cannot be left blank.</source>
        <comment></comment>
        <translation>Ce champ ne peut pas rester vide.</translation>
    </message>
    <message>
        <source>Start Larkspan Drive when I sign in</source>
        <comment></comment>
        <translation>Démarrer Larkspan Drive à l&apos;ouverture de session</translation>
    </message>
    <message>
        <source>Some files that need to be updated are currently in use.</source>
        <comment></comment>
        <translation>Certains fichiers qui doivent être mis à jour sont en cours d&apos;utilisation.</translation>
    </message>
    <message>
        <source>File extensions:</source>
        <comment></comment>
        <translation>Extensions de fichier :</translation>
    </message>
    <message>
        <source>Shared with me</source>
        <comment></comment>
        <translation>Partagés avec moi</translation>
    </message>
    <message>
        <source>Stop downloading this version</source>
        <comment></comment>
        <translation>Arrêter le téléchargement de cette version</translation>
    </message>
    <message>
        <source>Browse previous versions</source>
        <comment></comment>
        <translation>Parcourir les versions précédentes</translation>
    </message>
    <message>
        <source>Unable to create the local folder %1.</source>
        <comment></comment>
        <translation>Impossible de créer le dossier local %1.</translation>
    </message>
    <message>
        <source>Information</source>
        <comment></comment>
        <translation>Informations</translation>
    </message>
    <message>
        <source>%1 is running.</source>
        <comment></comment>
        <translation>%1 est en cours d&apos;exécution.</translation>
    </message>
    <message>
        <source>Larkspan Drive keeps the files on your Larkspan and your computers in sync.</source>
        <comment></comment>
        <translation>Larkspan Drive synchronise les fichiers de votre Larkspan et de vos ordinateurs.</translation>
    </message>
    <message>
        <source>Do not show this message again</source>
        <comment></comment>
        <translation>Ne plus afficher ce message</translation>
    </message>
    <message>
        <source>Open the web portal</source>
        <comment></comment>
        <translation>Ouvrir le portail web</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <comment></comment>
        <translation>Mise à niveau</translation>
    </message>
    <message>
        <source>Done</source>
        <comment></comment>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Choose how to finish the setup:</source>
        <comment></comment>
        <translation>Choisissez comment terminer la configuration :</translation>
    </message>
    <message>
        <source>When a file exists on both sides, both are kept and the local copy is renamed as a conflict file.</source>
        <comment></comment>
        <translation>Lorsqu&apos;un fichier existe des deux côtés, les deux sont conservés et la copie locale est renommée en fichier de conflit.</translation>
    </message>
    <message>
        <source>Only the users and groups you choose can open the files.</source>
        <comment></comment>
        <translation>Seuls les utilisateurs et les groupes que vous choisissez peuvent ouvrir les fichiers.</translation>
    </message>
    <message>
        <source>Invite people</source>
        <comment></comment>
        <translation>Inviter des personnes</translation>
    </message>
    <message>
        <source>This computer</source>
        <comment></comment>
        <translation>Cet ordinateur</translation>
    </message>
    <message>
        <source>New shared item</source>
        <comment></comment>
        <translation>Nouvel élément partagé</translation>
    </message>
    <message>
        <source>Uploading</source>
        <comment></comment>
        <translation>Envoi en cours</translation>
    </message>
    <message>
        <source>Automatic connection is not allowed by the server settings.</source>
        <comment></comment>
        <translation>Les paramètres du serveur n&apos;autorisent pas la connexion automatique.</translation>
    </message>
    <message>
        <source>Restricted</source>
        <comment></comment>
        <translation>Restreint</translation>
    </message>
    <message>
        <source>Proxy</source>
        <comment></comment>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Keep both files and add the computer name to the local copy</source>
        <comment></comment>
        <translation>Conserver les deux fichiers et ajouter le nom de l&apos;ordinateur à la copie locale</translation>
    </message>
    <message>
        <source>Close the applications automatically and try to restart them afterwards.</source>
        <comment></comment>
        <translation>Fermer automatiquement les applications et tenter de les redémarrer ensuite.</translation>
    </message>
    <message>
        <source>This version of the client is too old. Upgrade Larkspan Drive to the latest version.</source>
        <comment></comment>
        <translation>Cette version du client est trop ancienne. Mettez Larkspan Drive à niveau vers la dernière version.</translation>
    </message>
    <message>
        <source>Users and groups</source>
        <comment></comment>
        <translation>Utilisateurs et groupes</translation>
    </message>
    <message>
        <source>Right-click a file in your sync folder and choose Share link to share it with anyone.</source>
        <comment></comment>
        <translation>Cliquez avec le bouton droit sur un fichier de votre dossier de synchronisation et choisissez Partager le lien pour le partager avec n&apos;importe qui.</translation>
    </message>
    <message>
        <source>Link permission</source>
        <comment></comment>
        <translation>Autorisation du lien</translation>
    </message>
    <message>
        <source>The server&apos;s SSL certificate could not be verified.</source>
        <comment></comment>
        <translation>Le certificat SSL du serveur n&apos;a pas pu être vérifié.</translation>
    </message>
    <message>
        <source>Repairs the most recent installation by restoring missing or damaged files and shortcuts.</source>
        <comment></comment>
        <translation>Répare l&apos;installation la plus récente en restaurant les fichiers et les raccourcis manquants ou endommagés.</translation>
    </message>
    <message>
        <source>Sync mode</source>
        <comment></comment>
        <translation>Mode de synchronisation</translation>
    </message>
    <message>
        <source>No previous versions are available for this file.</source>
        <comment></comment>
        <translation>Aucune version précédente n&apos;est disponible pour ce fichier.</translation>
    </message>
    <message>
        <source>The remote folder is not mounted.</source>
        <comment></comment>
        <translation>Le dossier distant n&apos;est pas monté.</translation>
    </message>
    <message>
        <source>Type</source>
        <comment></comment>
        <translation>Type</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <comment></comment>
        <translation>Contrat de licence utilisateur final</translation>
    </message>
    <message>
        <source>Expire after a number of visits</source>
        <comment></comment>
        <translation>Expirer après un certain nombre de visites</translation>
    </message>
    <message>
        <source>Signed-in users can view the files.</source>
        <comment></comment>
        <translation>Les utilisateurs connectés peuvent afficher les fichiers.</translation>
    </message>
    <message>
        <source>The Larkspan Drive ID is not valid.</source>
        <comment></comment>
        <translation>L&apos;ID Larkspan Drive n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>Change, repair or remove the installation</source>
        <comment></comment>
        <translation>Modifier, réparer ou supprimer l&apos;installation</translation>
    </message>
    <message>
        <source>Connection unstable</source>
        <comment></comment>
        <translation>Connexion instable</translation>
    </message>
    <message>
        <source>Date</source>
        <comment></comment>
        <translation>Date</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <comment></comment>
        <translation>Saisissez %1 caractères au maximum.</translation>
    </message>
    <message>
        <source>This computer was linked to a different server. Link %1 again to continue.</source>
        <comment></comment>
        <translation>Cet ordinateur était associé à un autre serveur. Associez de nouveau %1 pour continuer.</translation>
    </message>
    <message>
        <source>No valid folder is selected.</source>
        <comment></comment>
        <translation>Aucun dossier valide n&apos;est sélectionné.</translation>
    </message>
    <message>
        <source>Version mismatch</source>
        <comment></comment>
        <translation>Versions incompatibles</translation>
    </message>
    <message>
        <source>No data</source>
        <comment></comment>
        <translation>Aucune donnée</translation>
    </message>
    <message>
        <source>Setup was interrupted by an error.</source>
        <comment></comment>
        <translation>L&apos;installation a été interrompue par une erreur.</translation>
    </message>
    <message>
        <source>Open file</source>
        <comment></comment>
        <translation>Ouvrir le fichier</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment></comment>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>A new version is available. Click to update to %1.</source>
        <comment></comment>
        <translation>Une nouvelle version est disponible. Cliquez pour mettre à jour vers %1.</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment></comment>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Unable to delete the shared item.</source>
        <comment></comment>
        <translation>Impossible de supprimer l&apos;élément partagé.</translation>
    </message>
    <message>
        <source>Error</source>
        <comment></comment>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Unable to list the versions of this file.</source>
        <comment></comment>
        <translation>Impossible de répertorier les versions de ce fichier.</translation>
    </message>
    <message>
        <source>%1 minutes ago</source>
        <comment></comment>
        <translation>Il y a %1 minutes</translation>
    </message>
    <message>
        <source>Larkspan Drive encountered an error.</source>
        <comment></comment>
        <translation>Larkspan Drive a rencontré une erreur.</translation>
    </message>
    <message>
        <source>Resume syncing these folders</source>
        <comment></comment>
        <translation>Reprendre la synchronisation de ces dossiers</translation>
    </message>
    <message>
        <source>Add folder</source>
        <comment></comment>
        <translation>Ajouter un dossier</translation>
    </message>
    <message>
        <source>Lets you change the way the features are installed.</source>
        <comment></comment>
        <translation>Permet de modifier la façon dont les fonctionnalités sont installées.</translation>
    </message>
    <message>
        <source>Choose how you want to set up Larkspan Drive.</source>
        <comment></comment>
        <translation>Choisissez comment configurer Larkspan Drive.</translation>
    </message>
    <message>
        <source>Repair the installation</source>
        <comment></comment>
        <translation>Réparer l&apos;installation</translation>
    </message>
    <message>
        <source>When a file was changed on both sides:</source>
        <comment></comment>
        <translation>Lorsqu&apos;un fichier a été modifié des deux côtés :</translation>
    </message>
    <message>
        <source>Later</source>
        <comment></comment>
        <translation>Plus tard</translation>
    </message>
    <message>
        <source>The folder %1 already exists. Do you want to merge the two folders?</source>
        <comment></comment>
        <translation>Le dossier %1 existe déjà. Voulez-vous fusionner les deux dossiers ?</translation>
    </message>
    <message>
        <source>New shared item received</source>
        <comment></comment>
        <translation>Nouvel élément partagé reçu</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <comment></comment>
        <translation>Afficher les notifications sur le bureau</translation>
    </message>
    <message>
        <source>Larkspan Drive does not support the protocol used by this server.</source>
        <comment></comment>
        <translation>Larkspan Drive ne prend pas en charge le protocole utilisé par ce serveur.</translation>
    </message>
    <message>
        <source>The local disk is full. Larkspan Drive has paused syncing.</source>
        <comment></comment>
        <translation>Le disque local est plein. Larkspan Drive a suspendu la synchronisation.</translation>
    </message>
    <message>
        <source>No shared items</source>
        <comment></comment>
        <translation>Aucun élément partagé</translation>
    </message>
    <message>
        <source>Authentication failed. Check your user name and password.</source>
        <comment></comment>
        <translation>Échec de l&apos;authentification. Vérifiez votre nom d&apos;utilisateur et votre mot de passe.</translation>
    </message>
    <message>
        <source>Choose the folders to keep in sync.</source>
        <comment></comment>
        <translation>Choisissez les dossiers à maintenir synchronisés.</translation>
    </message>
    <message>
        <source>Paused</source>
        <comment></comment>
        <translation>En pause</translation>
    </message>
    <message>
        <source>%1 is initializing...</source>
        <comment></comment>
        <translation>Initialisation de %1...</translation>
    </message>
    <message>
        <source>Up to date</source>
        <comment></comment>
        <translation>À jour</translation>
    </message>
    <message>
        <source>Download cancelled.</source>
        <comment></comment>
        <translation>Téléchargement annulé.</translation>
    </message>
    <message>
        <source>Larkspan Drive could not be upgraded.</source>
        <comment></comment>
        <translation>Impossible de mettre à niveau Larkspan Drive.</translation>
    </message>
    <message>
        <source>Your files, everywhere.</source>
        <comment></comment>
        <translation>Vos fichiers, partout.</translation>
    </message>
    <message>
        <source>Sync the files that other users share with you.</source>
        <comment></comment>
        <translation>Synchronisez les fichiers que d&apos;autres utilisateurs partagent avec vous.</translation>
    </message>
    <message>
        <source>Change, repair or remove Larkspan Drive.</source>
        <comment></comment>
        <translation>Modifier, réparer ou supprimer Larkspan Drive.</translation>
    </message>
    <message>
        <source>Installing Larkspan Drive</source>
        <comment></comment>
        <translation>Installation de Larkspan Drive</translation>
    </message>
    <message>
        <source>Keep both files and rename the conflicting one</source>
        <comment></comment>
        <translation>Conserver les deux fichiers et renommer celui qui est en conflit</translation>
    </message>
    <message>
        <source>The server version is not supported. Ask your administrator to upgrade the server.</source>
        <comment></comment>
        <translation>La version du serveur n&apos;est pas prise en charge. Demandez à votre administrateur de mettre le serveur à niveau.</translation>
    </message>
    <message>
        <source>Version</source>
        <comment></comment>
        <translation>Version</translation>
    </message>
    <message>
        <source>Resume syncing this folder</source>
        <comment></comment>
        <translation>Reprendre la synchronisation de ce dossier</translation>
    </message>
    <message>
        <source>Show Larkspan Drive in the file manager&apos;s context menu</source>
        <comment></comment>
        <translation>Afficher Larkspan Drive dans le menu contextuel du gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>About</source>
        <comment></comment>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Comments</source>
        <comment></comment>
        <translation>Commentaires</translation>
    </message>
    <message>
        <source>The relay service is disabled on the server.</source>
        <comment></comment>
        <translation>Le service de relais est désactivé sur le serveur.</translation>
    </message>
    <message>
        <source>Last week</source>
        <comment></comment>
        <translation>Semaine dernière</translation>
    </message>
    <message>
        <source>Checking data...</source>
        <comment></comment>
        <translation>Vérification des données...</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <comment></comment>
        <translation>Synchronisation...</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment></comment>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>%1 items</source>
        <comment></comment>
        <translation>%1 éléments</translation>
    </message>
    <message>
        <source>Download</source>
        <comment></comment>
        <translation>Téléchargement</translation>
    </message>
    <message>
        <source>%1 days ago</source>
        <comment></comment>
        <translation>Il y a %1 jours</translation>
    </message>
    <message>
        <source>Open settings</source>
        <comment></comment>
        <translation>Ouvrir les paramètres</translation>
    </message>
    <message>
        <source>Unable to get the link to the file.</source>
        <comment></comment>
        <translation>Impossible d&apos;obtenir le lien vers le fichier.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. %1 will merge its content with the server.</source>
        <comment></comment>
        <translation>Le dossier sélectionné n&apos;est pas vide. %1 fusionnera son contenu avec celui du serveur.</translation>
    </message>
    <message>
        <source>Reconnect</source>
        <comment></comment>
        <translation>Se reconnecter</translation>
    </message>
    <message>
        <source>Monday</source>
        <comment></comment>
        <translation>Lundi</translation>
    </message>
    <message>
        <source>The shared folder conflicts with an existing sync folder.</source>
        <comment></comment>
        <translation>Le dossier partagé est en conflit avec un dossier de synchronisation existant.</translation>
    </message>
    <message>
        <source>Sync task from %1 to %2</source>
        <comment></comment>
        <translation>Tâche de synchronisation de %1 vers %2</translation>
    </message>
    <message>
        <source>Mount point</source>
        <comment></comment>
        <translation>Point de montage</translation>
    </message>
    <message>
        <source>Folder not empty</source>
        <comment></comment>
        <translation>Dossier non vide</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <comment></comment>
        <translation>Dissociation...</translation>
    </message>
    <message>
        <source>Time</source>
        <comment></comment>
        <translation>Heure</translation>
    </message>
    <message>
        <source>%1 does not support the protocol used by this server.</source>
        <comment></comment>
        <translation>%1 ne prend pas en charge le protocole utilisé par ce serveur.</translation>
    </message>
    <message>
        <source>Folder path</source>
        <comment></comment>
        <translation>Chemin du dossier</translation>
    </message>
    <message>
        <source>February</source>
        <comment></comment>
        <translation>Février</translation>
    </message>
    <message>
        <source>The server&apos;s certificate could not be verified. Syncing is paused.</source>
        <comment></comment>
        <translation>Le certificat du serveur n&apos;a pas pu être vérifié. La synchronisation est suspendue.</translation>
    </message>
    <message>
        <source>Close the applications that use these files.</source>
        <comment></comment>
        <translation>Fermez les applications qui utilisent ces fichiers.</translation>
    </message>
    <message>
        <source>Automatic connection failed because of a system error.</source>
        <comment></comment>
        <translation>La connexion automatique a échoué en raison d&apos;une erreur système.</translation>
    </message>
    <message>
        <source>Show icons on files that are not synced</source>
        <comment></comment>
        <translation>Afficher des icônes sur les fichiers non synchronisés</translation>
    </message>
    <message>
        <source>Larkspan Drive setup was interrupted. Your system has not been changed.</source>
        <comment></comment>
        <translation>L&apos;installation de Larkspan Drive a été interrompue. Votre système n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has changed.</source>
        <comment></comment>
        <translation>Le certificat du serveur a changé.</translation>
    </message>
    <message>
        <source>Files are stored in your local sync folder, for example /home/user/​LarkspanDrive.</source>
        <comment></comment>
        <translation>Les fichiers sont stockés dans votre dossier de synchronisation local, par exemple /home/user/​LarkspanDrive.</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the installation of Larkspan Drive?</source>
        <comment></comment>
        <translation>Voulez-vous vraiment annuler l&apos;installation de Larkspan Drive ?</translation>
    </message>
    <message>
        <source>ID</source>
        <comment></comment>
        <translation>ID</translation>
    </message>
    <message>
        <source>%1 has been downloaded.</source>
        <comment></comment>
        <translation>%1 a été téléchargé.</translation>
    </message>
    <message>
        <source>The connection is inactive.</source>
        <comment></comment>
        <translation>La connexion est inactive.</translation>
    </message>
    <message>
        <source>Changes in folders on network drives may not be detected right away.</source>
        <comment></comment>
        <translation>Les modifications apportées aux dossiers situés sur des lecteurs réseau peuvent ne pas être détectées immédiatement.</translation>
    </message>
    <message>
        <source>Share</source>
        <comment></comment>
        <translation>Partager</translation>
    </message>
    <message>
        <source>%1 encountered an error.</source>
        <comment></comment>
        <translation>%1 a rencontré une erreur.</translation>
    </message>
    <message>
        <source>First page</source>
        <comment></comment>
        <translation>Première page</translation>
    </message>
    <message>
        <source>Resume</source>
        <comment></comment>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Unable to enable sharing.</source>
        <comment></comment>
        <translation>Impossible d&apos;activer le partage.</translation>
    </message>
    <message>
        <source>The local disk is full. %1 has paused syncing.</source>
        <comment></comment>
        <translation>Le disque local est plein. %1 a suspendu la synchronisation.</translation>
    </message>
    <message>
        <source>Custom duration</source>
        <comment></comment>
        <translation>Durée personnalisée</translation>
    </message>
    <message>
        <source>Remove this download</source>
        <comment></comment>
        <translation>Supprimer ce téléchargement</translation>
    </message>
    <message>
        <source>I accept the terms of the License Agreement</source>
        <comment></comment>
        <translation>J&apos;accepte les termes du contrat de licence</translation>
    </message>
    <message>
        <source>Select a folder on your computer to sync.</source>
        <comment></comment>
        <translation>Sélectionnez un dossier de votre ordinateur à synchroniser.</translation>
    </message>
    <message>
        <source>Action</source>
        <comment></comment>
        <translation>Action</translation>
    </message>
    <message>
        <source>Sync tasks</source>
        <comment></comment>
        <translation>Tâches de synchronisation</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment></comment>
        <translation>Suspendre</translation>
    </message>
    <message>
        <source>Click Finish to close the setup wizard.</source>
        <comment></comment>
        <translation>Cliquez sur Terminer pour fermer l&apos;assistant d&apos;installation.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Larkspan Drive will merge its content with the server.</source>
        <comment></comment>
        <translation>Le dossier sélectionné n&apos;est pas vide. Larkspan Drive fusionnera son contenu avec celui du serveur.</translation>
    </message>
    <message>
        <source>The disk of the Larkspan is full.</source>
        <comment></comment>
        <translation>Le disque du Larkspan est plein.</translation>
    </message>
    <message>
        <source>Manage</source>
        <comment></comment>
        <translation>Gérer</translation>
    </message>
    <message>
        <source>The setup wizard lets you change the way Larkspan Drive is installed, repair it or remove it. Click Next to continue or Cancel to exit.</source>
        <comment></comment>
        <translation>L&apos;assistant d&apos;installation vous permet de modifier l&apos;installation de Larkspan Drive, de le réparer ou de le supprimer. Cliquez sur Suivant pour continuer ou sur Annuler pour quitter.</translation>
    </message>
    <message>
        <source>%1 requested access to %2</source>
        <comment></comment>
        <translation>%1 a demandé l&apos;accès à %2</translation>
    </message>
    <message>
        <source>Connected through the Internet</source>
        <comment></comment>
        <translation>Connecté via Internet</translation>
    </message>
    <message>
        <source>Sync your files</source>
        <comment></comment>
        <translation>Synchronisez vos fichiers</translation>
    </message>
    <message>
        <source>Unable to download this version.</source>
        <comment></comment>
        <translation>Impossible de télécharger cette version.</translation>
    </message>
    <message>
        <source>Larkspan Drive setup ended because of an error. Your system has not been changed.</source>
        <comment></comment>
        <translation>L&apos;installation de Larkspan Drive s&apos;est arrêtée en raison d&apos;une erreur. Votre système n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>Files shared with you appear in the %1 folder on this computer.</source>
        <comment></comment>
        <translation>Les fichiers partagés avec vous apparaissent dans le dossier %1 de cet ordinateur.</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this connection?</source>
        <comment></comment>
        <translation>Voulez-vous vraiment dissocier cette connexion ?</translation>
    </message>
    <message>
        <source>Retry</source>
        <comment></comment>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>The proxy server requires a password</source>
        <comment></comment>
        <translation>Le serveur proxy nécessite un mot de passe</translation>
    </message>
    <message>
        <source>Update to the latest version to use selective sync.</source>
        <comment></comment>
        <translation>Mettez à jour vers la dernière version pour utiliser la synchronisation sélective.</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again in %1 minutes.</source>
        <comment></comment>
        <translation>Trop de tentatives infructueuses. Réessayez dans %1 minutes.</translation>
    </message>
    <message>
        <source>File name</source>
        <comment></comment>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Inactive</source>
        <comment></comment>
        <translation>Inactif</translation>
    </message>
    <message>
        <source>You can change these settings at any time in %1.</source>
        <comment></comment>
        <translation>Vous pouvez modifier ces paramètres à tout moment dans %1.</translation>
    </message>
    <message>
        <source>This version of Larkspan Drive is already installed. Do you want to install it again?</source>
        <comment></comment>
        <translation>Cette version de Larkspan Drive est déjà installée. Voulez-vous la réinstaller ?</translation>
    </message>
    <message>
        <source>The quota of the shared folder is full.</source>
        <comment></comment>
        <translation>Le quota du dossier partagé est atteint.</translation>
    </message>
    <message>
        <source>The shared folder is not mounted.</source>
        <comment></comment>
        <translation>Le dossier partagé n&apos;est pas monté.</translation>
    </message>
    <message>
        <source>%1 hours ago</source>
        <comment></comment>
        <translation>Il y a %1 heures</translation>
    </message>
    <message>
        <source>Completed the Larkspan Drive Setup Wizard</source>
        <comment></comment>
        <translation>Fin de l&apos;assistant d&apos;installation de Larkspan Drive</translation>
    </message>
    <message>
        <source>January</source>
        <comment></comment>
        <translation>Janvier</translation>
    </message>
    <message>
        <source>Choose the folders to sync and the sync settings yourself.</source>
        <comment></comment>
        <translation>Choisissez vous-même les dossiers à synchroniser et les paramètres de synchronisation.</translation>
    </message>
    <message>
        <source>The Larkspan has changed. Link it again to continue.</source>
        <comment></comment>
        <translation>Le Larkspan a changé. Associez-le de nouveau pour continuer.</translation>
    </message>
    <message>
        <source>%1 is now syncing your files.</source>
        <comment></comment>
        <translation>%1 synchronise maintenant vos fichiers.</translation>
    </message>
    <message>
        <source>Unable to create a link for this item.</source>
        <comment></comment>
        <translation>Impossible de créer un lien pour cet élément.</translation>
    </message>
    <message>
        <source>I do not accept the terms of the License Agreement</source>
        <comment></comment>
        <translation>Je n&apos;accepte pas les termes du contrat de licence</translation>
    </message>
    <message>
        <source>Sync</source>
        <comment></comment>
        <translation>Synchronisation</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <comment></comment>
        <translation>Hier</translation>
    </message>
    <message>
        <source>Downloads of previous versions</source>
        <comment></comment>
        <translation>Téléchargements des versions précédentes</translation>
    </message>
    <message>
        <source>Sync history</source>
        <comment></comment>
        <translation>Historique de synchronisation</translation>
    </message>
    <message>
        <source>Share link</source>
        <comment></comment>
        <translation>Partager le lien</translation>
    </message>
    <message>
        <source>Repair</source>
        <comment></comment>
        <translation>Réparer</translation>
    </message>
    <message>
        <source>Open the Larkspan in your browser</source>
        <comment></comment>
        <translation>Ouvrir le Larkspan dans votre navigateur</translation>
    </message>
    <message>
        <source>%1 commented on %2</source>
        <comment></comment>
        <translation>%1 a commenté %2</translation>
    </message>
    <message>
        <source>The maximum number of shared items has been reached.</source>
        <comment></comment>
        <translation>Le nombre maximal d&apos;éléments partagés a été atteint.</translation>
    </message>
    <message>
        <source>Shared</source>
        <comment></comment>
        <translation>Partagé</translation>
    </message>
    <message>
        <source>The local disk is full.</source>
        <comment></comment>
        <translation>Le disque local est plein.</translation>
    </message>
    <message>
        <source>Setup interrupted</source>
        <comment></comment>
        <translation>Installation interrompue</translation>
    </message>
    <message>
        <source>The local sync folder cannot be found.</source>
        <comment></comment>
        <translation>Le dossier de synchronisation local est introuvable.</translation>
    </message>
    <message>
        <source>Put your files in the sync folder, and they stay up to date on all your devices.</source>
        <comment></comment>
        <translation>Placez vos fichiers dans le dossier de synchronisation : ils restent à jour sur tous vos appareils.</translation>
    </message>
    <message>
        <source>Expire after</source>
        <comment></comment>
        <translation>Expire après</translation>
    </message>
    <message>
        <source>June</source>
        <comment></comment>
        <translation>Juin</translation>
    </message>
    <message>
        <source>Select the operation you want to perform.</source>
        <comment></comment>
        <translation>Sélectionnez l&apos;opération que vous souhaitez effectuer.</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <comment></comment>
        <translation>Fichiers temporaires</translation>
    </message>
    <message>
        <source>Your quota on the Larkspan is full. Free some space or choose another folder.</source>
        <comment></comment>
        <translation>Votre quota sur le Larkspan est atteint. Libérez de l&apos;espace ou choisissez un autre dossier.</translation>
    </message>
    <message>
        <source>Enter the address and port of the proxy server.</source>
        <comment></comment>
        <translation>Saisissez l&apos;adresse et le port du serveur proxy.</translation>
    </message>
    <message>
        <source>Folder on the Larkspan</source>
        <comment></comment>
        <translation>Dossier sur le Larkspan</translation>
    </message>
    <message>
        <source>Renamed on this computer</source>
        <comment></comment>
        <translation>Renommé sur cet ordinateur</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <comment></comment>
        <translation>Échec de l&apos;authentification</translation>
    </message>
    <message>
        <source>Sunday</source>
        <comment></comment>
        <translation>Dimanche</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <comment></comment>
        <translation>Mercredi</translation>
    </message>
    <message>
        <source>Automatic setup is configured.</source>
        <comment></comment>
        <translation>La configuration automatique est définie.</translation>
    </message>
    <message>
        <source>New folder on the Larkspan</source>
        <comment></comment>
        <translation>Nouveau dossier sur le Larkspan</translation>
    </message>
    <message>
        <source>Display</source>
        <comment></comment>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>A newer version of %1 is already installed. Setup will now exit.</source>
        <comment></comment>
        <translation>Une version plus récente de %1 est déjà installée. Le programme d&apos;installation va se fermer.</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment></comment>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Local sync folder</source>
        <comment></comment>
        <translation>Dossier de synchronisation local</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <comment></comment>
        <translation>Taille maximale des fichiers (Mo) :</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <comment></comment>
        <translation>Connexion...</translation>
    </message>
    <message>
        <source>Access request</source>
        <comment></comment>
        <translation>Demande d&apos;accès</translation>
    </message>
    <message>
        <source>Larkspan Drive is ready.</source>
        <comment></comment>
        <translation>Larkspan Drive est prêt.</translation>
    </message>
    <message>
        <source>Set up</source>
        <comment></comment>
        <translation>Configurer</translation>
    </message>
    <message>
        <source>Do not sync this folder</source>
        <comment></comment>
        <translation>Ne pas synchroniser ce dossier</translation>
    </message>
    <message>
        <source>This server needs a newer version of Larkspan Drive. Upgrade now?</source>
        <comment></comment>
        <translation>Ce serveur nécessite une version plus récente de Larkspan Drive. Mettre à niveau maintenant ?</translation>
    </message>
    <message>
        <source>Choose a sync folder</source>
        <comment></comment>
        <translation>Choisir un dossier de synchronisation</translation>
    </message>
    <message>
        <source>Password</source>
        <comment></comment>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Today</source>
        <comment></comment>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Your quota on the Larkspan is full.</source>
        <comment></comment>
        <translation>Votre quota sur le Larkspan est atteint.</translation>
    </message>
    <message>
        <source>Sync and share files across all your devices.</source>
        <comment></comment>
        <translation>Synchronisez et partagez vos fichiers sur tous vos appareils.</translation>
    </message>
    <message>
        <source>No permission</source>
        <comment></comment>
        <translation>Aucune autorisation</translation>
    </message>
    <message>
        <source>Destination</source>
        <comment></comment>
        <translation>Destination</translation>
    </message>
    <message>
        <source>The sync folder is on a volume that is not mounted.</source>
        <comment></comment>
        <translation>Le dossier de synchronisation se trouve sur un volume qui n&apos;est pas monté.</translation>
    </message>
    <message>
        <source>Choose a different folder on this computer.</source>
        <comment></comment>
        <translation>Choisissez un autre dossier sur cet ordinateur.</translation>
    </message>
    <message>
        <source>Use a black-and-white tray icon</source>
        <comment></comment>
        <translation>Utiliser une icône noir et blanc dans la zone de notification</translation>
    </message>
    <message>
        <source>The verification code is not valid.</source>
        <comment></comment>
        <translation>Le code de vérification n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>No connection is available for this file.</source>
        <comment></comment>
        <translation>Aucune connexion n&apos;est disponible pour ce fichier.</translation>
    </message>
    <message>
        <source>Keep files on the Larkspan when they are deleted from this computer</source>
        <comment></comment>
        <translation>Conserver les fichiers sur le Larkspan lorsqu&apos;ils sont supprimés de cet ordinateur</translation>
    </message>
    <message>
        <source>One-way download</source>
        <comment></comment>
        <translation>Téléchargement unidirectionnel</translation>
    </message>
    <message>
        <source>Port:</source>
        <comment></comment>
        <translation>Port :</translation>
    </message>
    <message>
        <source>Last month</source>
        <comment></comment>
        <translation>Mois dernier</translation>
    </message>
    <message>
        <source>Version %1.%2.%3, build %4</source>
        <comment></comment>
        <translation>Version %1.%2.%3, build %4</translation>
    </message>
    <message>
        <source>Your IP address is not allowed to connect.</source>
        <comment></comment>
        <translation>Votre adresse IP n&apos;est pas autorisée à se connecter.</translation>
    </message>
    <message>
        <source>Sync a folder that someone shared with you.</source>
        <comment></comment>
        <translation>Synchronisez un dossier que quelqu&apos;un a partagé avec vous.</translation>
    </message>
    <message>
        <source>Filter the sync log</source>
        <comment></comment>
        <translation>Filtrer le journal de synchronisation</translation>
    </message>
    <message>
        <source>You can only read this folder. Changes you make to it are not uploaded.</source>
        <comment></comment>
        <translation>Vous ne disposez que d&apos;un accès en lecture à ce dossier. Les modifications que vous y apportez ne sont pas envoyées.</translation>
    </message>
    <message>
        <source>Keyword</source>
        <comment></comment>
        <translation>Mot-clé</translation>
    </message>
    <message>
        <source>Do not sync files larger than %1 MB</source>
        <comment></comment>
        <translation>Ne pas synchroniser les fichiers de plus de %1 Mo</translation>
    </message>
    <message>
        <source>Next month</source>
        <comment></comment>
        <translation>Mois suivant</translation>
    </message>
    <message>
        <source>Remote destination</source>
        <comment></comment>
        <translation>Destination distante</translation>
    </message>
    <message>
        <source>Your account is not allowed to sync this folder.</source>
        <comment></comment>
        <translation>Votre compte n&apos;est pas autorisé à synchroniser ce dossier.</translation>
    </message>
    <message>
        <source>Unable to download %1.</source>
        <comment></comment>
        <translation>Impossible de télécharger %1.</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <comment></comment>
        <translation>Paramètres avancés</translation>
    </message>
    <message>
        <source>Welcome to %1. Sign in to get started.</source>
        <comment></comment>
        <translation>Bienvenue dans %1. Connectez-vous pour commencer.</translation>
    </message>
    <message>
        <source>Welcome to the Larkspan Drive Setup Wizard</source>
        <comment></comment>
        <translation>Bienvenue dans l&apos;assistant d&apos;installation de Larkspan Drive</translation>
    </message>
    <message>
        <source>This computer was linked to a different Larkspan. Link it again to continue.</source>
        <comment></comment>
        <translation>Cet ordinateur était associé à un autre Larkspan. Associez-le de nouveau pour continuer.</translation>
    </message>
    <message>
        <source>The shared folder no longer exists.</source>
        <comment></comment>
        <translation>Le dossier partagé n&apos;existe plus.</translation>
    </message>
    <message>
        <source>December</source>
        <comment></comment>
        <translation>Décembre</translation>
    </message>
    <message>
        <source>Overview</source>
        <comment></comment>
        <translation>Vue d&apos;ensemble</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <comment></comment>
        <translation>Utiliser les paramètres proxy du système</translation>
    </message>
    <message>
        <source>No sync history</source>
        <comment></comment>
        <translation>Aucun historique de synchronisation</translation>
    </message>
    <message>
        <source>Some files could not be synced. Click to see the details.</source>
        <comment></comment>
        <translation>Certains fichiers n&apos;ont pas pu être synchronisés. Cliquez pour afficher les détails.</translation>
    </message>
    <message>
        <source>Setup ended because of an error</source>
        <comment></comment>
        <translation>L&apos;installation s&apos;est arrêtée en raison d&apos;une erreur</translation>
    </message>
    <message>
        <source>Drive</source>
        <comment></comment>
        <translation>Drive</translation>
    </message>
    <message>
        <source>October</source>
        <comment></comment>
        <translation>Octobre</translation>
    </message>
    <message>
        <source>Your changes have not been saved. Save them now?</source>
        <comment></comment>
        <translation>Vos modifications n&apos;ont pas été enregistrées. Les enregistrer maintenant ?</translation>
    </message>
    <message>
        <source>This computer is already linked to this Larkspan.</source>
        <comment></comment>
        <translation>Cet ordinateur est déjà associé à ce Larkspan.</translation>
    </message>
    <message>
        <source>There is not enough space on the local disk for Larkspan Drive.</source>
        <comment></comment>
        <translation>L&apos;espace disponible sur le disque local est insuffisant pour Larkspan Drive.</translation>
    </message>
    <message>
        <source>Do not sync files with these names:</source>
        <comment></comment>
        <translation>Ne pas synchroniser les fichiers portant ces noms :</translation>
    </message>
    <message>
        <source>Available from</source>
        <comment></comment>
        <translation>Disponible à partir du</translation>
    </message>
    <message>
        <source>Shows the tray icon in black and white to match your desktop theme.</source>
        <comment></comment>
        <translation>Affiche l&apos;icône de la zone de notification en noir et blanc pour l&apos;accorder à votre thème de bureau.</translation>
    </message>
    <message>
        <source>Status</source>
        <comment></comment>
        <translation>État</translation>
    </message>
    <message>
        <source>Sync one of your folders on the Larkspan with this computer.</source>
        <comment></comment>
        <translation>Synchronisez l&apos;un de vos dossiers du Larkspan avec cet ordinateur.</translation>
    </message>
    <message>
        <source>Indexing the folder...</source>
        <comment></comment>
        <translation>Indexation du dossier...</translation>
    </message>
    <message>
        <source>Your user name or password is incorrect.</source>
        <comment></comment>
        <translation>Votre nom d&apos;utilisateur ou votre mot de passe est incorrect.</translation>
    </message>
    <message>
        <source>You do not have permission to use Larkspan Drive. Ask your administrator.</source>
        <comment></comment>
        <translation>Vous n&apos;êtes pas autorisé à utiliser Larkspan Drive. Contactez votre administrateur.</translation>
    </message>
    <message>
        <source>Try syncing again</source>
        <comment></comment>
        <translation>Relancer la synchronisation</translation>
    </message>
    <message>
        <source>Filter settings</source>
        <comment></comment>
        <translation>Paramètres de filtre</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <comment></comment>
        <translation>Configuration manuelle du proxy</translation>
    </message>
    <message>
        <source>Status:</source>
        <comment></comment>
        <translation>État :</translation>
    </message>
    <message>
        <source>July</source>
        <comment></comment>
        <translation>Juillet</translation>
    </message>
    <message>
        <source>No</source>
        <comment></comment>
        <translation>Non</translation>
    </message>
    <message>
        <source>Version not supported</source>
        <comment></comment>
        <translation>Version non prise en charge</translation>
    </message>
    <message>
        <source>Sync now</source>
        <comment></comment>
        <translation>Synchroniser maintenant</translation>
    </message>
    <message>
        <source>This folder was synced by another user. Choose another folder.</source>
        <comment></comment>
        <translation>Ce dossier a été synchronisé par un autre utilisateur. Choisissez un autre dossier.</translation>
    </message>
    <message>
        <source>Create a KestrinDrive folder in the selected location</source>
        <comment></comment>
        <translation>Créer un dossier KestrinDrive à l&apos;emplacement sélectionné</translation>
    </message>
    <message>
        <source>You do not have permission to write to this folder. Choose another folder.</source>
        <comment></comment>
        <translation>Vous n&apos;êtes pas autorisé à écrire dans ce dossier. Choisissez un autre dossier.</translation>
    </message>
    <message>
        <source>This folder is read-only. Changes are not synced to %1.</source>
        <comment></comment>
        <translation>Ce dossier est en lecture seule. Les modifications ne sont pas synchronisées avec %1.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment></comment>
        <translation>Du %1 au %2</translation>
    </message>
    <message>
        <source>Got it</source>
        <comment></comment>
        <translation>J&apos;ai compris</translation>
    </message>
    <message>
        <source>Welcome to Larkspan Drive</source>
        <comment></comment>
        <translation>Bienvenue dans Larkspan Drive</translation>
    </message>
    <message>
        <source>Network settings</source>
        <comment></comment>
        <translation>Paramètres réseau</translation>
    </message>
    <message>
        <source>The setup wizard is ready to begin the repair.</source>
        <comment></comment>
        <translation>L&apos;assistant d&apos;installation est prêt à commencer la réparation.</translation>
    </message>
    <message>
        <source>This client version is not supported by the server. Upgrade to continue syncing.</source>
        <comment></comment>
        <translation>Cette version du client n&apos;est pas prise en charge par le serveur. Mettez-la à niveau pour poursuivre la synchronisation.</translation>
    </message>
    <message>
        <source>Size</source>
        <comment></comment>
        <translation>Taille</translation>
    </message>
    <message>
        <source>The server version is too old. Ask your administrator to upgrade it.</source>
        <comment></comment>
        <translation>La version du serveur est trop ancienne. Demandez à votre administrateur de la mettre à niveau.</translation>
    </message>
    <message>
        <source>Everyone with the link can view and edit the files.</source>
        <comment></comment>
        <translation>Toute personne disposant du lien peut afficher et modifier les fichiers.</translation>
    </message>
    <message>
        <source>Edit</source>
        <comment></comment>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Signed-in users can view and edit the files.</source>
        <comment></comment>
        <translation>Les utilisateurs connectés peuvent afficher et modifier les fichiers.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <comment></comment>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Change, repair or remove the installation.</source>
        <comment></comment>
        <translation>Modifier, réparer ou supprimer l&apos;installation.</translation>
    </message>
    <message>
        <source>Just now</source>
        <comment></comment>
        <translation>À l&apos;instant</translation>
    </message>
    <message>
        <source>New sync folder</source>
        <comment></comment>
        <translation>Nouveau dossier de synchronisation</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <comment></comment>
        <translation>Partage activé</translation>
    </message>
    <message>
        <source>Sync error</source>
        <comment></comment>
        <translation>Erreur de synchronisation</translation>
    </message>
    <message>
        <source>Merge mode</source>
        <comment></comment>
        <translation>Mode de fusion</translation>
    </message>
    <message>
        <source>Connection information</source>
        <comment></comment>
        <translation>Informations de connexion</translation>
    </message>
    <message>
        <source>Remove Larkspan Drive</source>
        <comment></comment>
        <translation>Supprimer Larkspan Drive</translation>
    </message>
    <message>
        <source>Next %1 pages</source>
        <comment></comment>
        <translation>%1 pages suivantes</translation>
    </message>
    <message>
        <source>Show sync status</source>
        <comment></comment>
        <translation>Afficher l&apos;état de la synchronisation</translation>
    </message>
    <message>
        <source>My files</source>
        <comment></comment>
        <translation>Mes fichiers</translation>
    </message>
    <message>
        <source>Create a sync task</source>
        <comment></comment>
        <translation>Créer une tâche de synchronisation</translation>
    </message>
    <message>
        <source>Create a LarkspanDrive folder in the selected location</source>
        <comment></comment>
        <translation>Créer un dossier LarkspanDrive à l&apos;emplacement sélectionné</translation>
    </message>
    <message>
        <source>Skipped file names</source>
        <comment></comment>
        <translation>Noms de fichiers ignorés</translation>
    </message>
    <message>
        <source>The %1 ID is not valid.</source>
        <comment></comment>
        <translation>L&apos;ID %1 n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>Expire on</source>
        <comment></comment>
        <translation>Expire le</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <comment></comment>
        <translation>Mise à niveau...</translation>
    </message>
    <message>
        <source>Start now</source>
        <comment></comment>
        <translation>Démarrer maintenant</translation>
    </message>
    <message>
        <source>Standby</source>
        <comment></comment>
        <translation>En veille</translation>
    </message>
    <message>
        <source>Progress</source>
        <comment></comment>
        <translation>Progression</translation>
    </message>
    <message>
        <source>%1 changes detected</source>
        <comment></comment>
        <translation>%1 modifications détectées</translation>
    </message>
    <message>
        <source>Only download changes from the Larkspan; local changes are not uploaded.</source>
        <comment></comment>
        <translation>Télécharger uniquement les modifications depuis le Larkspan ; les modifications locales ne sont pas envoyées.</translation>
    </message>
    <message>
        <source>A database error occurred.</source>
        <comment></comment>
        <translation>Une erreur de base de données s&apos;est produite.</translation>
    </message>
    <message>
        <source>Enter the address of your Larkspan and your account.</source>
        <comment></comment>
        <translation>Saisissez l&apos;adresse de votre Larkspan et les informations de votre compte.</translation>
    </message>
    <message>
        <source>On-demand sync</source>
        <comment></comment>
        <translation>Synchronisation à la demande</translation>
    </message>
    <message>
        <source>New sync task</source>
        <comment></comment>
        <translation>Nouvelle tâche de synchronisation</translation>
    </message>
    <message>
        <source>Upload</source>
        <comment></comment>
        <translation>Envoi</translation>
    </message>
    <message>
        <source>Restrict access</source>
        <comment></comment>
        <translation>Restreindre l&apos;accès</translation>
    </message>
    <message>
        <source>Select the folders to sync</source>
        <comment></comment>
        <translation>Sélectionner les dossiers à synchroniser</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <comment></comment>
        <translation>Sélectionner un dossier</translation>
    </message>
    <message>
        <source>Setup mode</source>
        <comment></comment>
        <translation>Mode de configuration</translation>
    </message>
    <message>
        <source>Download only</source>
        <comment></comment>
        <translation>Téléchargement uniquement</translation>
    </message>
    <message>
        <source>General</source>
        <comment></comment>
        <translation>Général</translation>
    </message>
    <message>
        <source>Saturday</source>
        <comment></comment>
        <translation>Samedi</translation>
    </message>
    <message>
        <source>Larkspan Drive works with a Larkspan server from Kestrin.</source>
        <comment></comment>
        <translation>Larkspan Drive fonctionne avec un serveur Larkspan de Kestrin.</translation>
    </message>
    <message>
        <source>Unable to connect to the Larkspan.</source>
        <comment></comment>
        <translation>Impossible de se connecter au Larkspan.</translation>
    </message>
    <message>
        <source>Connected through a relay</source>
        <comment></comment>
        <translation>Connecté via un relais</translation>
    </message>
    <message>
        <source>Larkspan Drive is initializing...</source>
        <comment></comment>
        <translation>Initialisation de Larkspan Drive...</translation>
    </message>
    <message>
        <source>Automatic setup failed. Set up Larkspan Drive manually.</source>
        <comment></comment>
        <translation>La configuration automatique a échoué. Configurez Larkspan Drive manuellement.</translation>
    </message>
    <message>
        <source>Local destination</source>
        <comment></comment>
        <translation>Destination locale</translation>
    </message>
    <message>
        <source>This folder is read-only. Changes are not synced to Larkspan Drive.</source>
        <comment></comment>
        <translation>Ce dossier est en lecture seule. Les modifications ne sont pas synchronisées avec Larkspan Drive.</translation>
    </message>
    <message>
        <source>Ignore</source>
        <comment></comment>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>All events</source>
        <comment></comment>
        <translation>Tous les événements</translation>
    </message>
    <message>
        <source>Sharing</source>
        <comment></comment>
        <translation>Partage</translation>
    </message>
    <message>
        <source>Click Remove to remove Larkspan Drive from your computer.</source>
        <comment></comment>
        <translation>Cliquez sur Supprimer pour supprimer Larkspan Drive de votre ordinateur.</translation>
    </message>
    <message>
        <source>This folder is already part of another sync task.</source>
        <comment></comment>
        <translation>Ce dossier fait déjà partie d&apos;une autre tâche de synchronisation.</translation>
    </message>
    <message>
        <source>A network error occurred. Check your connection and try again.</source>
        <comment></comment>
        <translation>Une erreur réseau s&apos;est produite. Vérifiez votre connexion et réessayez.</translation>
    </message>
    <message>
        <source>Finish</source>
        <comment></comment>
        <translation>Terminer</translation>
    </message>
    <message>
        <source>Enter a port number from %1 to %2.</source>
        <comment></comment>
        <translation>Saisissez un numéro de port compris entre %1 et %2.</translation>
    </message>
    <message>
        <source>More information</source>
        <comment></comment>
        <translation>Plus d&apos;informations</translation>
    </message>
    <message>
        <source>This folder is already synced.</source>
        <comment></comment>
        <translation>Ce dossier est déjà synchronisé.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <comment></comment>
        <translation>Autorisation refusée.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <comment></comment>
        <translation>Une erreur inconnue s&apos;est produite.</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change your settings.</source>
        <comment></comment>
        <translation>Cliquez sur Installer pour commencer l&apos;installation. Cliquez sur Précédent pour vérifier ou modifier vos paramètres.</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <comment></comment>
        <translation>Synchronisation bidirectionnelle</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <comment></comment>
        <translation>Téléchargement de %1...</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <comment></comment>
        <translation>Application des paramètres...</translation>
    </message>
    <message>
        <source>Switch Larkspan</source>
        <comment></comment>
        <translation>Changer de Larkspan</translation>
    </message>
    <message>
        <source>The file or folder does not exist.</source>
        <comment></comment>
        <translation>Le fichier ou le dossier n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Next</source>
        <comment></comment>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Change folder</source>
        <comment></comment>
        <translation>Changer de dossier</translation>
    </message>
    <message>
        <source>April</source>
        <comment></comment>
        <translation>Avril</translation>
    </message>
    <message>
        <source>The new language takes effect after Larkspan Drive restarts.</source>
        <comment></comment>
        <translation>La nouvelle langue sera appliquée au redémarrage de Larkspan Drive.</translation>
    </message>
    <message>
        <source>Choose another</source>
        <comment></comment>
        <translation>Choisir un autre</translation>
    </message>
    <message>
        <source>Invalid argument.</source>
        <comment></comment>
        <translation>Argument non valide.</translation>
    </message>
    <message>
        <source>Syncing %1 files</source>
        <comment></comment>
        <translation>Synchronisation de %1 fichiers</translation>
    </message>
    <message>
        <source>Sharing links is not enabled on the Larkspan.</source>
        <comment></comment>
        <translation>Le partage de liens n&apos;est pas activé sur le Larkspan.</translation>
    </message>
    <message>
        <source>Recently updated files</source>
        <comment></comment>
        <translation>Fichiers récemment mis à jour</translation>
    </message>
    <message>
        <source>Security warning</source>
        <comment></comment>
        <translation>Avertissement de sécurité</translation>
    </message>
    <message>
        <source>The following applications use files that setup needs to update. Close them and click Retry, or click Ignore to continue anyway.</source>
        <comment></comment>
        <translation>Les applications suivantes utilisent des fichiers que le programme d&apos;installation doit mettre à jour. Fermez-les et cliquez sur Réessayer, ou cliquez sur Ignorer pour continuer malgré tout.</translation>
    </message>
    <message>
        <source>Reach your files anywhere</source>
        <comment></comment>
        <translation>Accédez à vos fichiers partout</translation>
    </message>
    <message>
        <source>Print</source>
        <comment></comment>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Create a new folder to sync.</source>
        <comment></comment>
        <translation>Créez un nouveau dossier à synchroniser.</translation>
    </message>
    <message>
        <source>The certificate of %1 has changed. Do you trust the new certificate?</source>
        <comment></comment>
        <translation>Le certificat de %1 a changé. Faites-vous confiance au nouveau certificat ?</translation>
    </message>
    <message>
        <source>Larkspan Drive</source>
        <comment></comment>
        <translation>Larkspan Drive</translation>
    </message>
    <message>
        <source>Rename</source>
        <comment></comment>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Folder already synced</source>
        <comment></comment>
        <translation>Dossier déjà synchronisé</translation>
    </message>
    <message>
        <source>Do not sync these folders</source>
        <comment></comment>
        <translation>Ne pas synchroniser ces dossiers</translation>
    </message>
    <message>
        <source>Folders that others share with you</source>
        <comment></comment>
        <translation>Dossiers que d&apos;autres personnes partagent avec vous</translation>
    </message>
    <message>
        <source>Repair Larkspan Drive</source>
        <comment></comment>
        <translation>Réparer Larkspan Drive</translation>
    </message>
    <message>
        <source>Sync log category</source>
        <comment></comment>
        <translation>Catégorie du journal de synchronisation</translation>
    </message>
    <message>
        <source>Close these applications before setup continues:</source>
        <comment></comment>
        <translation>Fermez ces applications avant de poursuivre l&apos;installation :</translation>
    </message>
    <message>
        <source>Add</source>
        <comment></comment>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>No options available</source>
        <comment></comment>
        <translation>Aucune option disponible</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of Larkspan Drive.</source>
        <comment></comment>
        <translation>Cliquez sur Réparer pour réparer l&apos;installation de Larkspan Drive.</translation>
    </message>
    <message>
        <source>The sync direction does not match your permission on the folder.</source>
        <comment></comment>
        <translation>Le sens de synchronisation ne correspond pas à vos autorisations sur le dossier.</translation>
    </message>
    <message>
        <source>You have chosen to remove the program from your computer.</source>
        <comment></comment>
        <translation>Vous avez choisi de supprimer le programme de votre ordinateur.</translation>
    </message>
    <message>
        <source>You are ready to use Larkspan Drive.</source>
        <comment></comment>
        <translation>Vous pouvez maintenant utiliser Larkspan Drive.</translation>
    </message>
    <message>
        <source>Edit connection</source>
        <comment></comment>
        <translation>Modifier la connexion</translation>
    </message>
    <message>
        <source>Upgrade to version %1</source>
        <comment></comment>
        <translation>Mettre à niveau vers la version %1</translation>
    </message>
    <message>
        <source>A newer version of Larkspan Drive is already installed. Setup will now exit.</source>
        <comment></comment>
        <translation>Une version plus récente de Larkspan Drive est déjà installée. Le programme d&apos;installation va se fermer.</translation>
    </message>
    <message>
        <source>Larkspan Drive is now syncing your files.</source>
        <comment></comment>
        <translation>Larkspan Drive synchronise maintenant vos fichiers.</translation>
    </message>
    <message>
        <source>%1 files updated</source>
        <comment></comment>
        <translation>%1 fichiers mis à jour</translation>
    </message>
    <message>
        <source>Enter a user name.</source>
        <comment></comment>
        <translation>Saisissez un nom d&apos;utilisateur.</translation>
    </message>
    <message>
        <source>There is not enough space on the local disk for %1.</source>
        <comment></comment>
        <translation>L&apos;espace disponible sur le disque local est insuffisant pour %1.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <comment></comment>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Files shared with you appear in the Larkspan Drive folder on this computer.</source>
        <comment></comment>
        <translation>Les fichiers partagés avec vous apparaissent dans le dossier Larkspan Drive de cet ordinateur.</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <comment></comment>
        <translation>Non merci</translation>
    </message>
    <message>
        <source>Public</source>
        <comment></comment>
        <translation>Public</translation>
    </message>
    <message>
        <source>Setup is complete.</source>
        <comment></comment>
        <translation>La configuration est terminée.</translation>
    </message>
    <message>
        <source>Open containing folder</source>
        <comment></comment>
        <translation>Ouvrir le dossier parent</translation>
    </message>
    <message>
        <source>Removes Larkspan Drive from your computer.</source>
        <comment></comment>
        <translation>Supprime Larkspan Drive de votre ordinateur.</translation>
    </message>
    <message>
        <source>Show the Larkspan Drive tutorial</source>
        <comment></comment>
        <translation>Afficher le didacticiel de Larkspan Drive</translation>
    </message>
    <message>
        <source>Previous month</source>
        <comment></comment>
        <translation>Mois précédent</translation>
    </message>
    <message>
        <source>Shared folders</source>
        <comment></comment>
        <translation>Dossiers partagés</translation>
    </message>
    <message>
        <source>Created</source>
        <comment></comment>
        <translation>Créé le</translation>
    </message>
    <message>
        <source>Files you change on one device are updated on the others.</source>
        <comment></comment>
        <translation>Les fichiers que vous modifiez sur un appareil sont mis à jour sur les autres.</translation>
    </message>
    <message>
        <source>September</source>
        <comment></comment>
        <translation>Septembre</translation>
    </message>
    <message>
        <source>Click Remove to continue, or Back to review your choice.</source>
        <comment></comment>
        <translation>Cliquez sur Supprimer pour continuer ou sur Précédent pour revoir votre choix.</translation>
    </message>
    <message>
        <source>Back</source>
        <comment></comment>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Folder name</source>
        <comment></comment>
        <translation>Nom du dossier</translation>
    </message>
    <message>
        <source>Setup is complete. Larkspan Drive now keeps your files in sync.</source>
        <comment></comment>
        <translation>La configuration est terminée. Larkspan Drive synchronise désormais vos fichiers.</translation>
    </message>
    <message>
        <source>May</source>
        <comment></comment>
        <translation>Mai</translation>
    </message>
    <message>
        <source>Connected through the local network</source>
        <comment></comment>
        <translation>Connecté via le réseau local</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully.</source>
        <comment></comment>
        <translation>Veuillez lire attentivement le contrat de licence suivant.</translation>
    </message>
    <message>
        <source>Keep the most recently modified file</source>
        <comment></comment>
        <translation>Conserver le fichier modifié le plus récemment</translation>
    </message>
    <message>
        <source>%1 mentioned you in %2</source>
        <comment></comment>
        <translation>%1 vous a mentionné dans %2</translation>
    </message>
    <message>
        <source>Access to the selected folder was denied.</source>
        <comment></comment>
        <translation>L&apos;accès au dossier sélectionné a été refusé.</translation>
    </message>
    <message>
        <source>Disk full</source>
        <comment></comment>
        <translation>Disque plein</translation>
    </message>
    <message>
        <source>Signed-in users</source>
        <comment></comment>
        <translation>Utilisateurs connectés</translation>
    </message>
    <message>
        <source>Tutorial that introduces the main features of Larkspan Drive</source>
        <comment></comment>
        <translation>Didacticiel présentant les principales fonctionnalités de Larkspan Drive</translation>
    </message>
    <message>
        <source>Checking your password...</source>
        <comment></comment>
        <translation>Vérification de votre mot de passe...</translation>
    </message>
    <message>
        <source>All files are up to date.</source>
        <comment></comment>
        <translation>Tous les fichiers sont à jour.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <comment></comment>
        <translation>Lecture seule</translation>
    </message>
    <message>
        <source>Your password has expired.</source>
        <comment></comment>
        <translation>Votre mot de passe a expiré.</translation>
    </message>
    <message>
        <source>Calendar</source>
        <comment></comment>
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>Replace the file on this computer with the copy on the server</source>
        <comment></comment>
        <translation>Remplacer le fichier de cet ordinateur par la copie du serveur</translation>
    </message>
    <message>
        <source>Do not close the applications. A restart will be required.</source>
        <comment></comment>
        <translation>Ne pas fermer les applications. Un redémarrage sera nécessaire.</translation>
    </message>
    <message>
        <source>November</source>
        <comment></comment>
        <translation>Novembre</translation>
    </message>
    <message>
        <source>Find a Larkspan on your local network</source>
        <comment></comment>
        <translation>Rechercher un Larkspan sur votre réseau local</translation>
    </message>
    <message>
        <source>File name:</source>
        <comment></comment>
        <translation>Nom de fichier :</translation>
    </message>
    <message>
        <source>Add file name</source>
        <comment></comment>
        <translation>Ajouter un nom de fichier</translation>
    </message>
    <message>
        <source>Sync your home folder on the Larkspan with a folder on this computer, using the recommended settings.</source>
        <comment></comment>
        <translation>Synchronisez votre dossier personnel du Larkspan avec un dossier de cet ordinateur, avec les paramètres recommandés.</translation>
    </message>
    <message>
        <source>Skip files whose names begin with a dot</source>
        <comment></comment>
        <translation>Ignorer les fichiers dont le nom commence par un point</translation>
    </message>
    <message>
        <source>Setup was cancelled.</source>
        <comment></comment>
        <translation>L&apos;installation a été annulée.</translation>
    </message>
    <message>
        <source>Name</source>
        <comment></comment>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Encrypt data transfers (SSL)</source>
        <comment></comment>
        <translation>Chiffrer les transferts de données (SSL)</translation>
    </message>
    <message>
        <source>File type</source>
        <comment></comment>
        <translation>Type de fichier</translation>
    </message>
    <message>
        <source>Your quota on the Larkspan is full. Syncing is paused.</source>
        <comment></comment>
        <translation>Votre quota sur le Larkspan est atteint. La synchronisation est suspendue.</translation>
    </message>
    <message>
        <source>Share name</source>
        <comment></comment>
        <translation>Nom du partage</translation>
    </message>
    <message>
        <source>Setup is not running as an administrator, so Larkspan Drive will be installed for the current user only. Continue?</source>
        <comment></comment>
        <translation>Le programme d&apos;installation n&apos;est pas exécuté en tant qu&apos;administrateur : Larkspan Drive sera donc installé uniquement pour l&apos;utilisateur actuel. Continuer ?</translation>
    </message>
    <message>
        <source>Close the tutorial</source>
        <comment></comment>
        <translation>Fermer le didacticiel</translation>
    </message>
    <message>
        <source>About Larkspan Drive</source>
        <comment></comment>
        <translation>À propos de Larkspan Drive</translation>
    </message>
    <message>
        <source>Apply and copy link</source>
        <comment></comment>
        <translation>Appliquer et copier le lien</translation>
    </message>
    <message>
        <source>Password:</source>
        <comment></comment>
        <translation>Mot de passe :</translation>
    </message>
    <message>
        <source>Computer name</source>
        <comment></comment>
        <translation>Nom de l&apos;ordinateur</translation>
    </message>
    <message>
        <source>Synced on all devices</source>
        <comment></comment>
        <translation>Synchronisé sur tous les appareils</translation>
    </message>
    <message>
        <source>Currently syncing: %1</source>
        <comment></comment>
        <translation>Synchronisation en cours : %1</translation>
    </message>
    <message>
        <source>Apply to all subfolders</source>
        <comment></comment>
        <translation>Appliquer à tous les sous-dossiers</translation>
    </message>
    <message>
        <source>Files that match these rules are not synced.</source>
        <comment></comment>
        <translation>Les fichiers qui correspondent à ces règles ne sont pas synchronisés.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected shared items?</source>
        <comment></comment>
        <translation>Voulez-vous vraiment supprimer les éléments partagés sélectionnés ?</translation>
    </message>
    <message>
        <source>IP address</source>
        <comment></comment>
        <translation>Adresse IP</translation>
    </message>
    <message>
        <source>Your files are now syncing.</source>
        <comment></comment>
        <translation>Vos fichiers sont en cours de synchronisation.</translation>
    </message>
    <message>
        <source>Some of the entries are not valid.</source>
        <comment></comment>
        <translation>Certaines entrées ne sont pas valides.</translation>
    </message>
    <message>
        <source>A system error occurred while checking the folder.</source>
        <comment></comment>
        <translation>Une erreur système s&apos;est produite lors de la vérification du dossier.</translation>
    </message>
    <message>
        <source>Unlink this sync task? Files that are already synced stay on this computer.</source>
        <comment></comment>
        <translation>Dissocier cette tâche de synchronisation ? Les fichiers déjà synchronisés restent sur cet ordinateur.</translation>
    </message>
    <message>
        <source>The sign-in test failed. Check the user name and password.</source>
        <comment></comment>
        <translation>Le test d&apos;identification a échoué. Vérifiez le nom d&apos;utilisateur et le mot de passe.</translation>
    </message>
    <message>
        <source>Turning off sharing removes all existing links. Continue?</source>
        <comment></comment>
        <translation>La désactivation du partage supprime tous les liens existants. Continuer ?</translation>
    </message>
    <message>
        <source>Test connection</source>
        <comment></comment>
        <translation>Tester la connexion</translation>
    </message>
    <message>
        <source>Install</source>
        <comment></comment>
        <translation>Installer</translation>
    </message>
    <message>
        <source>Advanced setup</source>
        <comment></comment>
        <translation>Configuration avancée</translation>
    </message>
    <message>
        <source>Click Repair to continue, or Back to review your choice.</source>
        <comment></comment>
        <translation>Cliquez sur Réparer pour continuer ou sur Précédent pour revoir votre choix.</translation>
    </message>
    <message>
        <source>Installing the program files...</source>
        <comment></comment>
        <translation>Installation des fichiers du programme...</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app</source>
        <comment></comment>
        <translation>Saisissez le code de vérification de votre application d&apos;authentification</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <comment></comment>
        <translation>Continuer quand même</translation>
    </message>
    <message>
        <source>March</source>
        <comment></comment>
        <translation>Mars</translation>
    </message>
    <message>
        <source>You can change these settings at any time in Larkspan Drive.</source>
        <comment></comment>
        <translation>Vous pouvez modifier ces paramètres à tout moment dans Larkspan Drive.</translation>
    </message>
    <message>
        <source>Proxy settings</source>
        <comment></comment>
        <translation>Paramètres du proxy</translation>
    </message>
    <message>
        <source>Remove the installation</source>
        <comment></comment>
        <translation>Supprimer l&apos;installation</translation>
    </message>
    <message>
        <source>Send to %1</source>
        <comment></comment>
        <translation>Envoyer vers %1</translation>
    </message>
    <message>
        <source>Synchronization mode</source>
        <comment></comment>
        <translation>Mode de synchronisation</translation>
    </message>
    <message>
        <source>Refresh the sync log</source>
        <comment></comment>
        <translation>Actualiser le journal de synchronisation</translation>
    </message>
    <message>
        <source>The content of both folders is merged. Nothing is deleted.</source>
        <comment></comment>
        <translation>Le contenu des deux dossiers est fusionné. Rien n&apos;est supprimé.</translation>
    </message>
    <message>
        <source>This version of %1 is already installed. Do you want to install it again?</source>
        <comment></comment>
        <translation>Cette version de %1 est déjà installée. Voulez-vous la réinstaller ?</translation>
    </message>
    <message>
        <source>When the tray icon is double-clicked</source>
        <comment></comment>
        <translation>Lors d&apos;un double-clic sur l&apos;icône de la zone de notification</translation>
    </message>
    <message>
        <source>Open the web portal to reach your files from any browser.</source>
        <comment></comment>
        <translation>Ouvrez le portail web pour accéder à vos fichiers depuis n&apos;importe quel navigateur.</translation>
    </message>
    <message>
        <source>Click Finish to close the setup wizard and start using Larkspan Drive.</source>
        <comment></comment>
        <translation>Cliquez sur Terminer pour fermer l&apos;assistant d&apos;installation et commencer à utiliser Larkspan Drive.</translation>
    </message>
    <message>
        <source>There are no changes to apply.</source>
        <comment></comment>
        <translation>Aucune modification à appliquer.</translation>
    </message>
    <message>
        <source>Network error.</source>
        <comment></comment>
        <translation>Erreur réseau.</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <comment></comment>
        <translation>Préparation...</translation>
    </message>
    <message>
        <source>More tutorials</source>
        <comment></comment>
        <translation>Plus de didacticiels</translation>
    </message>
    <message>
        <source>Read-only folder</source>
        <comment></comment>
        <translation>Dossier en lecture seule</translation>
    </message>
    <message>
        <source>Previous %1 pages</source>
        <comment></comment>
        <translation>%1 pages précédentes</translation>
    </message>
    <message>
        <source>Start the tour</source>
        <comment></comment>
        <translation>Commencer la visite</translation>
    </message>
    <message>
        <source>IP address details</source>
        <comment></comment>
        <translation>Détails de l&apos;adresse IP</translation>
    </message>
    <message>
        <source>From</source>
        <comment></comment>
        <translation>De</translation>
    </message>
    <message>
        <source>Welcome to Larkspan Drive. Sign in to get started.</source>
        <comment></comment>
        <translation>Bienvenue dans Larkspan Drive. Connectez-vous pour commencer.</translation>
    </message>
    <message>
        <source>Sync problem</source>
        <comment></comment>
        <translation>Problème de synchronisation</translation>
    </message>
    <message>
        <source>Local usage</source>
        <comment></comment>
        <translation>Utilisation locale</translation>
    </message>
    <message>
        <source>Enable on-demand sync</source>
        <comment></comment>
        <translation>Activer la synchronisation à la demande</translation>
    </message>
    <message>
        <source>Larkspan Drive has been installed.</source>
        <comment></comment>
        <translation>Larkspan Drive a été installé.</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <comment></comment>
        <translation>Déconnecté</translation>
    </message>
    <message>
        <source>Locked</source>
        <comment></comment>
        <translation>Verrouillé</translation>
    </message>
    <message>
        <source>Change sync folder</source>
        <comment></comment>
        <translation>Changer de dossier de synchronisation</translation>
    </message>
    <message>
        <source>Setup has finished.</source>
        <comment></comment>
        <translation>L&apos;installation est terminée.</translation>
    </message>
    <message>
        <source>%1 shared %2 with you</source>
        <comment></comment>
        <translation>%1 a partagé %2 avec vous</translation>
    </message>
    <message>
        <source>Not found</source>
        <comment></comment>
        <translation>Introuvable</translation>
    </message>
    <message>
        <source>Reset</source>
        <comment></comment>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Installing the features you selected.</source>
        <comment></comment>
        <translation>Installation des fonctionnalités sélectionnées.</translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <comment></comment>
        <translation>Un code de vérification est requis.</translation>
    </message>
    <message>
        <source>%1 keeps the files on your Larkspan and your computers in sync.</source>
        <comment></comment>
        <translation>%1 synchronise les fichiers de votre Larkspan et de vos ordinateurs.</translation>
    </message>
    <message>
        <source>There is not enough space on the disk of this computer.</source>
        <comment></comment>
        <translation>L&apos;espace disponible sur le disque de cet ordinateur est insuffisant.</translation>
    </message>
    <message>
        <source>Connection type</source>
        <comment></comment>
        <translation>Type de connexion</translation>
    </message>
    <message>
        <source>Show the %1 tutorial</source>
        <comment></comment>
        <translation>Afficher le didacticiel de %1</translation>
    </message>
    <message>
        <source>You can also invite people to folders you own.</source>
        <comment></comment>
        <translation>Vous pouvez aussi inviter des personnes dans les dossiers dont vous êtes propriétaire.</translation>
    </message>
    <message>
        <source>%1 could not be upgraded.</source>
        <comment></comment>
        <translation>Impossible de mettre à niveau %1.</translation>
    </message>
    <message>
        <source>%1 works with a Larkspan server from Kestrin.</source>
        <comment></comment>
        <translation>%1 fonctionne avec un serveur Larkspan de Kestrin.</translation>
    </message>
    <message>
        <source>Welcome</source>
        <comment></comment>
        <translation>Bienvenue</translation>
    </message>
    <message>
        <source>Custom range</source>
        <comment></comment>
        <translation>Période personnalisée</translation>
    </message>
    <message>
        <source>Sync %1 to this computer?</source>
        <comment></comment>
        <translation>Synchroniser %1 avec cet ordinateur ?</translation>
    </message>
    <message>
        <source>Quick setup</source>
        <comment></comment>
        <translation>Configuration rapide</translation>
    </message>
    <message>
        <source>Download history</source>
        <comment></comment>
        <translation>Historique des téléchargements</translation>
    </message>
    <message>
        <source>Use a relay connection when a direct connection is not possible</source>
        <comment></comment>
        <translation>Utiliser une connexion relais lorsqu&apos;une connexion directe est impossible</translation>
    </message>
    <message>
        <source>Folders you clear are removed from this computer but kept on the Larkspan.</source>
        <comment></comment>
        <translation>Les dossiers que vous décochez sont supprimés de cet ordinateur mais conservés sur le Larkspan.</translation>
    </message>
    <message>
        <source>Link</source>
        <comment></comment>
        <translation>Lien</translation>
    </message>
    <message>
        <source>Address:</source>
        <comment></comment>
        <translation>Adresse :</translation>
    </message>
    <message>
        <source>Download complete.</source>
        <comment></comment>
        <translation>Téléchargement terminé.</translation>
    </message>
    <message>
        <source>Setup has all the information it needs to start copying the program files.</source>
        <comment></comment>
        <translation>Le programme d&apos;installation dispose de toutes les informations nécessaires pour commencer à copier les fichiers du programme.</translation>
    </message>
    <message>
        <source>Sync activity</source>
        <comment></comment>
        <translation>Activité de synchronisation</translation>
    </message>
    <message>
        <source>Downloading</source>
        <comment></comment>
        <translation>Téléchargement en cours</translation>
    </message>
    <message>
        <source>This wizard installs Larkspan Drive on your computer.</source>
        <comment></comment>
        <translation>Cet assistant installe Larkspan Drive sur votre ordinateur.</translation>
    </message>
    <message>
        <source>To</source>
        <comment></comment>
        <translation>À</translation>
    </message>
    <message>
        <source>The server&apos;s certificate could not be verified. Connect anyway?</source>
        <comment></comment>
        <translation>Le certificat du serveur n&apos;a pas pu être vérifié. Se connecter quand même ?</translation>
    </message>
    <message>
        <source>Larkspan Drive is running.</source>
        <comment></comment>
        <translation>Larkspan Drive est en cours d&apos;exécution.</translation>
    </message>
    <message>
        <source>%1 has shared a new item with you.</source>
        <comment></comment>
        <translation>%1 a partagé un nouvel élément avec vous.</translation>
    </message>
    <message>
        <source>A conflict occurred.</source>
        <comment></comment>
        <translation>Un conflit s&apos;est produit.</translation>
    </message>
    <message>
        <source>The selected folder is a mount point. Choose a folder on a local disk.</source>
        <comment></comment>
        <translation>Le dossier sélectionné est un point de montage. Choisissez un dossier sur un disque local.</translation>
    </message>
    <message>
        <source>Encryption</source>
        <comment></comment>
        <translation>Chiffrement</translation>
    </message>
    <message>
        <source>Changes you make in your sync folder are synced with the Larkspan.</source>
        <comment></comment>
        <translation>Les modifications apportées à votre dossier de synchronisation sont synchronisées avec le Larkspan.</translation>
    </message>
    <message>
        <source>Please wait while the setup wizard installs Larkspan Drive. This may take several minutes.</source>
        <comment></comment>
        <translation>Veuillez patienter pendant que l&apos;assistant d&apos;installation installe Larkspan Drive. Cette opération peut prendre plusieurs minutes.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has changed since your last connection. Continue?</source>
        <comment></comment>
        <translation>Le certificat du serveur a changé depuis votre dernière connexion. Continuer ?</translation>
    </message>
    <message>
        <source>%1 is ready.</source>
        <comment></comment>
        <translation>%1 est prêt.</translation>
    </message>
    <message>
        <source>Search</source>
        <comment></comment>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Link a new Larkspan</source>
        <comment></comment>
        <translation>Associer un nouveau Larkspan</translation>
    </message>
    <message>
        <source>Certificate verification failed.</source>
        <comment></comment>
        <translation>Échec de la vérification du certificat.</translation>
    </message>
    <message>
        <source>Starting Larkspan Drive...</source>
        <comment></comment>
        <translation>Démarrage de Larkspan Drive...</translation>
    </message>
    <message>
        <source>On-demand sync could not be enabled.</source>
        <comment></comment>
        <translation>Impossible d&apos;activer la synchronisation à la demande.</translation>
    </message>
    <message>
        <source>Setup complete</source>
        <comment></comment>
        <translation>Configuration terminée</translation>
    </message>
    <message>
        <source>Your administrator requires two-step verification for your account.</source>
        <comment></comment>
        <translation>Votre administrateur exige la validation en deux étapes pour votre compte.</translation>
    </message>
    <message>
        <source>Start %1 when I sign in</source>
        <comment></comment>
        <translation>Démarrer %1 à l&apos;ouverture de session</translation>
    </message>
    <message>
        <source>The selected folder is already synced by another task.</source>
        <comment></comment>
        <translation>Le dossier sélectionné est déjà synchronisé par une autre tâche.</translation>
    </message>
    <message>
        <source>File</source>
        <comment></comment>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Recently changed</source>
        <comment></comment>
        <translation>Modifiés récemment</translation>
    </message>
</context>
</TS>
