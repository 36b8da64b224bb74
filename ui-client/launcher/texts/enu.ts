<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Enabled</source>
        <comment></comment>
        <translation>Enabled</translation>
    </message>
    <message>
        <source>Larkspan Drive has no optional features to change.</source>
        <comment></comment>
        <translation>Larkspan Drive has no optional features to change.</translation>
    </message>
    <message>
        <source>Merge</source>
        <comment></comment>
        <translation>Merge</translation>
    </message>
    <message>
        <source>Open folder</source>
        <comment></comment>
        <translation>Open folder</translation>
    </message>
    <message>
        <source>Sync folder on this computer</source>
        <comment></comment>
        <translation>Sync folder on this computer</translation>
    </message>
    <message>
        <source>Tutorial that introduces the main features of %1</source>
        <comment></comment>
        <translation>Tutorial that introduces the main features of %1</translation>
    </message>
    <message>
        <source>Renamed on the Larkspan</source>
        <comment></comment>
        <translation>Renamed on the Larkspan</translation>
    </message>
    <message>
        <source>Friday</source>
        <comment></comment>
        <translation>Friday</translation>
    </message>
    <message>
        <source>Thursday</source>
        <comment></comment>
        <translation>Thursday</translation>
    </message>
    <message>
        <source>The setup wizard is ready to begin the installation.</source>
        <comment></comment>
        <translation>The setup wizard is ready to begin the installation.</translation>
    </message>
    <message>
        <source>Select the files to sync</source>
        <comment></comment>
        <translation>Select the files to sync</translation>
    </message>
    <message>
        <source>Loading...</source>
        <comment></comment>
        <translation>Loading...</translation>
    </message>
    <message>
        <source>Sync direction</source>
        <comment></comment>
        <translation>Sync direction</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <comment></comment>
        <translation>A new version is available. Click to update.</translation>
    </message>
    <message>
        <source>Ready to install Larkspan Drive</source>
        <comment></comment>
        <translation>Ready to install Larkspan Drive</translation>
    </message>
    <message>
        <source>User name</source>
        <comment></comment>
        <translation>User name</translation>
    </message>
    <message>
        <source>File sharing is not available over a relay connection.</source>
        <comment></comment>
        <translation>File sharing is not available over a relay connection.</translation>
    </message>
    <message>
        <source>Last page</source>
        <comment></comment>
        <translation>Last page</translation>
    </message>
    <message>
        <source>One-way upload</source>
        <comment></comment>
        <translation>One-way upload</translation>
    </message>
    <message>
        <source>Setup is complete. %1 now keeps your files in sync.</source>
        <comment></comment>
        <translation>Setup is complete. %1 now keeps your files in sync.</translation>
    </message>
    <message>
        <source>System default</source>
        <comment></comment>
        <translation>System default</translation>
    </message>
    <message>
        <source>A sync folder named %1 already exists. Choose another name.</source>
        <comment></comment>
        <translation>A sync folder named %1 already exists. Choose another name.</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment></comment>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Choose the display language</source>
        <comment></comment>
        <translation>Choose the display language</translation>
    </message>
    <message>
        <source>The Larkspan Drive service is disabled on this Larkspan. Ask your administrator to enable it.</source>
        <comment></comment>
        <translation>The Larkspan Drive service is disabled on this Larkspan. Ask your administrator to enable it.</translation>
    </message>
    <message>
        <source>Search for Larkspan servers on the local network</source>
        <comment></comment>
        <translation>Search for Larkspan servers on the local network</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <comment></comment>
        <translation>and %1 more</translation>
    </message>
    <message>
        <source>Connected</source>
        <comment></comment>
        <translation>Connected</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <comment></comment>
        <translation>Tuesday</translation>
    </message>
    <message>
        <source>Read the following license agreement and accept it to continue.</source>
        <comment></comment>
        <translation>Read the following license agreement and accept it to continue.</translation>
    </message>
    <message>
        <source>Help</source>
        <comment></comment>
        <translation>Help</translation>
    </message>
    <message>
        <source>Launch Larkspan Drive now</source>
        <comment></comment>
        <translation>Launch Larkspan Drive now</translation>
    </message>
    <message>
        <source>User name:</source>
        <comment></comment>
        <translation>User name:</translation>
    </message>
    <message>
        <source>Finishing the automatic setup...</source>
        <comment></comment>
        <translation>Finishing the automatic setup...</translation>
    </message>
    <message>
        <source>Summary</source>
        <comment></comment>
        <translation>Summary</translation>
    </message>
    <message>
        <source>Selective sync mode</source>
        <comment></comment>
        <translation>Selective sync mode</translation>
    </message>
    <message>
        <source>Notifications</source>
        <comment></comment>
        <translation>Notifications</translation>
    </message>
    <message>
        <source>Choose a folder on the Larkspan and a folder on this computer to keep in sync.</source>
        <comment></comment>
        <translation>Choose a folder on the Larkspan and a folder on this computer to keep in sync.</translation>
    </message>
    <message>
        <source>Files whose names match these patterns are not synced. Use * as a wildcard, for example *.tmp.</source>
        <comment></comment>
        <translation>Files whose names match these patterns are not synced. Use * as a wildcard, for example *.tmp.</translation>
    </message>
    <message>
        <source>OK</source>
        <comment></comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Everyone with the link can view the files.</source>
        <comment></comment>
        <translation>Everyone with the link can view the files.</translation>
    </message>
    <message>
        <source>Set sync folder</source>
        <comment></comment>
        <translation>Set sync folder</translation>
    </message>
    <message>
        <source>Unlink</source>
        <comment></comment>
        <translation>Unlink</translation>
    </message>
    <message>
        <source>Value</source>
        <comment></comment>
        <translation>Value</translation>
    </message>
    <message>
        <source>Selective sync</source>
        <comment></comment>
        <translation>Selective sync</translation>
    </message>
    <message>
        <source>Continue</source>
        <comment></comment>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <comment></comment>
        <translation>Initialization failed.</translation>
    </message>
    <message>
        <source>Share files with others</source>
        <comment></comment>
        <translation>Share files with others</translation>
    </message>
    <message>
        <source>Open Larkspan Drive</source>
        <comment></comment>
        <translation>Open Larkspan Drive</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment></comment>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Change which features of Larkspan Drive are installed</source>
        <comment></comment>
        <translation>Change which features of Larkspan Drive are installed</translation>
    </message>
    <message>
        <source>Unable to get the user information.</source>
        <comment></comment>
        <translation>Unable to get the user information.</translation>
    </message>
    <message>
        <source>Status information</source>
        <comment></comment>
        <translation>Status information</translation>
    </message>
    <message>
        <source>The setup wizard will install Larkspan Drive on your computer. Click Next to continue or Cancel to exit.</source>
        <comment></comment>
        <translation>The setup wizard will install Larkspan Drive on your computer. Click Next to continue or Cancel to exit.</translation>
    </message>
    <message>
        <source>Show sync status icons on files and folders</source>
        <comment></comment>
        <translation>Show sync status icons on files and folders</translation>
    </message>
    <message>
        <source>Change</source>
        <comment></comment>
        <translation>Change</translation>
    </message>
    <message>
        <source>Cancel setup</source>
        <comment></comment>
        <translation>Cancel setup</translation>
    </message>
    <message>
        <source>No proxy</source>
        <comment></comment>
        <translation>No proxy</translation>
    </message>
    <message>
        <source>The client could not be upgraded. Please try again later.</source>
        <comment></comment>
        <translation>The client could not be upgraded. Please try again later.</translation>
    </message>
    <message>
        <source>Apply</source>
        <comment></comment>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Files in use</source>
        <comment></comment>
        <translation>Files in use</translation>
    </message>
    <message>
        <source>Service disabled</source>
        <comment></comment>
        <translation>Service disabled</translation>
    </message>
    <message>
        <source>Reading the connection settings...</source>
        <comment></comment>
        <translation>Reading the connection settings...</translation>
    </message>
    <message>
        <source>Mentioned you</source>
        <comment></comment>
        <translation>Mentioned you</translation>
    </message>
    <message>
        <source>Updating...</source>
        <comment></comment>
        <translation>Updating...</translation>
    </message>
    <message>
        <source>Language</source>
        <comment></comment>
        <translation>Language</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <comment></comment>
        <translation>Congratulations!</translation>
    </message>
    <message>
        <source>Enable sharing</source>
        <comment></comment>
        <translation>Enable sharing</translation>
    </message>
    <message>
        <source>The home folder service is not enabled for your account. Ask your administrator to enable it.</source>
        <comment></comment>
        <translation>The home folder service is not enabled for your account. Ask your administrator to enable it.</translation>
    </message>
    <message>
        <source>August</source>
        <comment></comment>
        <translation>August</translation>
    </message>
    <message>
        <source>Read and write</source>
        <comment></comment>
        <translation>Read and write</translation>
    </message>
    <message>
        <source>Remove</source>
        <comment></comment>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Larkspan Drive notification</source>
        <comment></comment>
        <translation>Larkspan Drive notification</translation>
    </message>
    <message>
        <source>Open in the web portal</source>
        <comment></comment>
        <translation>Open in the web portal</translation>
    </message>
    <message>
        <source>The selected sync folder is not valid. Choose another folder.</source>
        <comment></comment>
        <translation>The selected sync folder is not valid. Choose another folder.</translation>
    </message>
    <message>
        <source>This field cannot be left blank.</source>
        <comment></comment>
        <translation>This field cannot be left blank.</translation>
    </message>
    <message>
        <source>Start Larkspan Drive when I sign in</source>
        <comment></comment>
        <translation>Start Larkspan Drive when I sign in</translation>
    </message>
    <message>
        <source>Some files that need to be updated are currently in use.</source>
        <comment></comment>
        <translation>Some files that need to be updated are currently in use.</translation>
    </message>
    <message>
        <source>File extensions:</source>
        <comment></comment>
        <translation>File extensions:</translation>
    </message>
    <message>
        <source>Shared with me</source>
        <comment></comment>
        <translation>Shared with me</translation>
    </message>
    <message>
        <source>Stop downloading this version</source>
        <comment></comment>
        <translation>Stop downloading this version</translation>
    </message>
    <message>
        <source>Browse previous versions</source>
        <comment></comment>
        <translation>Browse previous versions</translation>
    </message>
    <message>
        <source>Unable to create the local folder %1.</source>
        <comment></comment>
        <translation>Unable to create the local folder %1.</translation>
    </message>
    <message>
        <source>Information</source>
        <comment></comment>
        <translation>Information</translation>
    </message>
    <message>
        <source>%1 is running.</source>
        <comment></comment>
        <translation>%1 is running.</translation>
    </message>
    <message>
        <source>Larkspan Drive keeps the files on your Larkspan and your computers in sync.</source>
        <comment></comment>
        <translation>Larkspan Drive keeps the files on your Larkspan and your computers in sync.</translation>
    </message>
    <message>
        <source>Do not show this message again</source>
        <comment></comment>
        <translation>Do not show this message again</translation>
    </message>
    <message>
        <source>Open the web portal</source>
        <comment></comment>
        <translation>Open the web portal</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <comment></comment>
        <translation>Upgrade</translation>
    </message>
    <message>
        <source>Done</source>
        <comment></comment>
        <translation>Done</translation>
    </message>
    <message>
        <source>Choose how to finish the setup:</source>
        <comment></comment>
        <translation>Choose how to finish the setup:</translation>
    </message>
    <message>
        <source>When a file exists on both sides, both are kept and the local copy is renamed as a conflict file.</source>
        <comment></comment>
        <translation>When a file exists on both sides, both are kept and the local copy is renamed as a conflict file.</translation>
    </message>
    <message>
        <source>Only the users and groups you choose can open the files.</source>
        <comment></comment>
        <translation>Only the users and groups you choose can open the files.</translation>
    </message>
    <message>
        <source>Invite people</source>
        <comment></comment>
        <translation>Invite people</translation>
    </message>
    <message>
        <source>This computer</source>
        <comment></comment>
        <translation>This computer</translation>
    </message>
    <message>
        <source>New shared item</source>
        <comment></comment>
        <translation>New shared item</translation>
    </message>
    <message>
        <source>Uploading</source>
        <comment></comment>
        <translation>Uploading</translation>
    </message>
    <message>
        <source>Automatic connection is not allowed by the server settings.</source>
        <comment></comment>
        <translation>Automatic connection is not allowed by the server settings.</translation>
    </message>
    <message>
        <source>Restricted</source>
        <comment></comment>
        <translation>Restricted</translation>
    </message>
    <message>
        <source>Proxy</source>
        <comment></comment>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Keep both files and add the computer name to the local copy</source>
        <comment></comment>
        <translation>Keep both files and add the computer name to the local copy</translation>
    </message>
    <message>
        <source>Close the applications automatically and try to restart them afterwards.</source>
        <comment></comment>
        <translation>Close the applications automatically and try to restart them afterwards.</translation>
    </message>
    <message>
        <source>This version of the client is too old. Upgrade Larkspan Drive to the latest version.</source>
        <comment></comment>
        <translation>This version of the client is too old. Upgrade Larkspan Drive to the latest version.</translation>
    </message>
    <message>
        <source>Users and groups</source>
        <comment></comment>
        <translation>Users and groups</translation>
    </message>
    <message>
        <source>Right-click a file in your sync folder and choose Share link to share it with anyone.</source>
        <comment></comment>
        <translation>Right-click a file in your sync folder and choose Share link to share it with anyone.</translation>
    </message>
    <message>
        <source>Link permission</source>
        <comment></comment>
        <translation>Link permission</translation>
    </message>
    <message>
        <source>The server&apos;s SSL certificate could not be verified.</source>
        <comment></comment>
        <translation>The server&apos;s SSL certificate could not be verified.</translation>
    </message>
    <message>
        <source>Repairs the most recent installation by restoring missing or damaged files and shortcuts.</source>
        <comment></comment>
        <translation>Repairs the most recent installation by restoring missing or damaged files and shortcuts.</translation>
    </message>
    <message>
        <source>Sync mode</source>
        <comment></comment>
        <translation>Sync mode</translation>
    </message>
    <message>
        <source>No previous versions are available for this file.</source>
        <comment></comment>
        <translation>No previous versions are available for this file.</translation>
    </message>
    <message>
        <source>The remote folder is not mounted.</source>
        <comment></comment>
        <translation>The remote folder is not mounted.</translation>
    </message>
    <message>
        <source>Type</source>
        <comment></comment>
        <translation>Type</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <comment></comment>
        <translation>End-User License Agreement</translation>
    </message>
    <message>
        <source>Expire after a number of visits</source>
        <comment></comment>
        <translation>Expire after a number of visits</translation>
    </message>
    <message>
        <source>Signed-in users can view the files.</source>
        <comment></comment>
        <translation>Signed-in users can view the files.</translation>
    </message>
    <message>
        <source>The Larkspan Drive ID is not valid.</source>
        <comment></comment>
        <translation>The Larkspan Drive ID is not valid.</translation>
    </message>
    <message>
        <source>Change, repair or remove the installation</source>
        <comment></comment>
        <translation>Change, repair or remove the installation</translation>
    </message>
    <message>
        <source>Connection unstable</source>
        <comment></comment>
        <translation>Connection unstable</translation>
    </message>
    <message>
        <source>Date</source>
        <comment></comment>
        <translation>Date</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <comment></comment>
        <translation>Enter no more than %1 characters.</translation>
    </message>
    <message>
        <source>This computer was linked to a different server. Link %1 again to continue.</source>
        <comment></comment>
        <translation>This computer was linked to a different server. Link %1 again to continue.</translation>
    </message>
    <message>
        <source>No valid folder is selected.</source>
        <comment></comment>
        <translation>No valid folder is selected.</translation>
    </message>
    <message>
        <source>Version mismatch</source>
        <comment></comment>
        <translation>Version mismatch</translation>
    </message>
    <message>
        <source>No data</source>
        <comment></comment>
        <translation>No data</translation>
    </message>
    <message>
        <source>Setup was interrupted by an error.</source>
        <comment></comment>
        <translation>Setup was interrupted by an error.</translation>
    </message>
    <message>
        <source>Open file</source>
        <comment></comment>
        <translation>Open file</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment></comment>
        <translation>Delete</translation>
    </message>
    <message>
        <source>A new version is available. Click to update to %1.</source>
        <comment></comment>
        <translation>A new version is available. Click to update to %1.</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment></comment>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Unable to delete the shared item.</source>
        <comment></comment>
        <translation>Unable to delete the shared item.</translation>
    </message>
    <message>
        <source>Error</source>
        <comment></comment>
        <translation>Error</translation>
    </message>
    <message>
        <source>Unable to list the versions of this file.</source>
        <comment></comment>
        <translation>Unable to list the versions of this file.</translation>
    </message>
    <message>
        <source>%1 minutes ago</source>
        <comment></comment>
        <translation>%1 minutes ago</translation>
    </message>
    <message>
        <source>Larkspan Drive encountered an error.</source>
        <comment></comment>
        <translation>Larkspan Drive encountered an error.</translation>
    </message>
    <message>
        <source>Resume syncing these folders</source>
        <comment></comment>
        <translation>Resume syncing these folders</translation>
    </message>
    <message>
        <source>Add folder</source>
        <comment></comment>
        <translation>Add folder</translation>
    </message>
    <message>
        <source>Lets you change the way the features are installed.</source>
        <comment></comment>
        <translation>Lets you change the way the features are installed.</translation>
    </message>
    <message>
        <source>Choose how you want to set up Larkspan Drive.</source>
        <comment></comment>
        <translation>Choose how you want to set up Larkspan Drive.</translation>
    </message>
    <message>
        <source>Repair the installation</source>
        <comment></comment>
        <translation>Repair the installation</translation>
    </message>
    <message>
        <source>When a file was changed on both sides:</source>
        <comment></comment>
        <translation>When a file was changed on both sides:</translation>
    </message>
    <message>
        <source>Later</source>
        <comment></comment>
        <translation>Later</translation>
    </message>
    <message>
        <source>The folder %1 already exists. Do you want to merge the two folders?</source>
        <comment></comment>
        <translation>The folder %1 already exists. Do you want to merge the two folders?</translation>
    </message>
    <message>
        <source>New shared item received</source>
        <comment></comment>
        <translation>New shared item received</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <comment></comment>
        <translation>Show desktop notifications</translation>
    </message>
    <message>
        <source>Larkspan Drive does not support the protocol used by this server.</source>
        <comment></comment>
        <translation>Larkspan Drive does not support the protocol used by this server.</translation>
    </message>
    <message>
        <source>The local disk is full. Larkspan Drive has paused syncing.</source>
        <comment></comment>
        <translation>The local disk is full. Larkspan Drive has paused syncing.</translation>
    </message>
    <message>
        <source>No shared items</source>
        <comment></comment>
        <translation>No shared items</translation>
    </message>
    <message>
        <source>Authentication failed. Check your user name and password.</source>
        <comment></comment>
        <translation>Authentication failed. Check your user name and password.</translation>
    </message>
    <message>
        <source>Choose the folders to keep in sync.</source>
        <comment></comment>
        <translation>Choose the folders to keep in sync.</translation>
    </message>
    <message>
        <source>Paused</source>
        <comment></comment>
        <translation>Paused</translation>
    </message>
    <message>
        <source>%1 is initializing...</source>
        <comment></comment>
        <translation>%1 is initializing...</translation>
    </message>
    <message>
        <source>Up to date</source>
        <comment></comment>
        <translation>Up to date</translation>
    </message>
    <message>
        <source>Download cancelled.</source>
        <comment></comment>
        <translation>Download cancelled.</translation>
    </message>
    <message>
        <source>Larkspan Drive could not be upgraded.</source>
        <comment></comment>
        <translation>Larkspan Drive could not be upgraded.</translation>
    </message>
    <message>
        <source>Your files, everywhere.</source>
        <comment></comment>
        <translation>Your files, everywhere.</translation>
    </message>
    <message>
        <source>Sync the files that other users share with you.</source>
        <comment></comment>
        <translation>Sync the files that other users share with you.</translation>
    </message>
    <message>
        <source>Change, repair or remove Larkspan Drive.</source>
        <comment></comment>
        <translation>Change, repair or remove Larkspan Drive.</translation>
    </message>
    <message>
        <source>Installing Larkspan Drive</source>
        <comment></comment>
        <translation>Installing Larkspan Drive</translation>
    </message>
    <message>
        <source>Keep both files and rename the conflicting one</source>
        <comment></comment>
        <translation>Keep both files and rename the conflicting one</translation>
    </message>
    <message>
        <source>The server version is not supported. Ask your administrator to upgrade the server.</source>
        <comment></comment>
        <translation>The server version is not supported. Ask your administrator to upgrade the server.</translation>
    </message>
    <message>
        <source>Version</source>
        <comment></comment>
        <translation>Version</translation>
    </message>
    <message>
        <source>Resume syncing this folder</source>
        <comment></comment>
        <translation>Resume syncing this folder</translation>
    </message>
    <message>
        <source>Show Larkspan Drive in the file manager&apos;s context menu</source>
        <comment></comment>
        <translation>Show Larkspan Drive in the file manager&apos;s context menu</translation>
    </message>
    <message>
        <source>About</source>
        <comment></comment>
        <translation>About</translation>
    </message>
    <message>
        <source>Comments</source>
        <comment></comment>
        <translation>Comments</translation>
    </message>
    <message>
        <source>The relay service is disabled on the server.</source>
        <comment></comment>
        <translation>The relay service is disabled on the server.</translation>
    </message>
    <message>
        <source>Last week</source>
        <comment></comment>
        <translation>Last week</translation>
    </message>
    <message>
        <source>Checking data...</source>
        <comment></comment>
        <translation>Checking data...</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <comment></comment>
        <translation>Syncing...</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment></comment>
        <translation>Folder</translation>
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
        <translation>%1 days ago</translation>
    </message>
    <message>
        <source>Open settings</source>
        <comment></comment>
        <translation>Open settings</translation>
    </message>
    <message>
        <source>Unable to get the link to the file.</source>
        <comment></comment>
        <translation>Unable to get the link to the file.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. %1 will merge its content with the server.</source>
        <comment></comment>
        <translation>The selected folder is not empty. %1 will merge its content with the server.</translation>
    </message>
    <message>
        <source>Reconnect</source>
        <comment></comment>
        <translation>Reconnect</translation>
    </message>
    <message>
        <source>Monday</source>
        <comment></comment>
        <translation>Monday</translation>
    </message>
    <message>
        <source>The shared folder conflicts with an existing sync folder.</source>
        <comment></comment>
        <translation>The shared folder conflicts with an existing sync folder.</translation>
    </message>
    <message>
        <source>Sync task from %1 to %2</source>
        <comment></comment>
        <translation>Sync task from %1 to %2</translation>
    </message>
    <message>
        <source>Mount point</source>
        <comment></comment>
        <translation>Mount point</translation>
    </message>
    <message>
        <source>Folder not empty</source>
        <comment></comment>
        <translation>Folder not empty</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <comment></comment>
        <translation>Unlinking...</translation>
    </message>
    <message>
        <source>Time</source>
        <comment></comment>
        <translation>Time</translation>
    </message>
    <message>
        <source>%1 does not support the protocol used by this server.</source>
        <comment></comment>
        <translation>%1 does not support the protocol used by this server.</translation>
    </message>
    <message>
        <source>Folder path</source>
        <comment></comment>
        <translation>Folder path</translation>
    </message>
    <message>
        <source>February</source>
        <comment></comment>
        <translation>February</translation>
    </message>
    <message>
        <source>The server&apos;s certificate could not be verified. Syncing is paused.</source>
        <comment></comment>
        <translation>The server&apos;s certificate could not be verified. Syncing is paused.</translation>
    </message>
    <message>
        <source>Close the applications that use these files.</source>
        <comment></comment>
        <translation>Close the applications that use these files.</translation>
    </message>
    <message>
        <source>Automatic connection failed because of a system error.</source>
        <comment></comment>
        <translation>Automatic connection failed because of a system error.</translation>
    </message>
    <message>
        <source>Show icons on files that are not synced</source>
        <comment></comment>
        <translation>Show icons on files that are not synced</translation>
    </message>
    <message>
        <source>Larkspan Drive setup was interrupted. Your system has not been changed.</source>
        <comment></comment>
        <translation>Larkspan Drive setup was interrupted. Your system has not been changed.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has changed.</source>
        <comment></comment>
        <translation>The server&apos;s certificate has changed.</translation>
    </message>
    <message>
        <source>Files are stored in your local sync folder, for example /home/user/​LarkspanDrive.</source>
        <comment></comment>
        <translation>Files are stored in your local sync folder, for example /home/user/​LarkspanDrive.</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the installation of Larkspan Drive?</source>
        <comment></comment>
        <translation>Are you sure you want to cancel the installation of Larkspan Drive?</translation>
    </message>
    <message>
        <source>ID</source>
        <comment></comment>
        <translation>ID</translation>
    </message>
    <message>
        <source>%1 has been downloaded.</source>
        <comment></comment>
        <translation>%1 has been downloaded.</translation>
    </message>
    <message>
        <source>The connection is inactive.</source>
        <comment></comment>
        <translation>The connection is inactive.</translation>
    </message>
    <message>
        <source>Changes in folders on network drives may not be detected right away.</source>
        <comment></comment>
        <translation>Changes in folders on network drives may not be detected right away.</translation>
    </message>
    <message>
        <source>Share</source>
        <comment></comment>
        <translation>Share</translation>
    </message>
    <message>
        <source>%1 encountered an error.</source>
        <comment></comment>
        <translation>%1 encountered an error.</translation>
    </message>
    <message>
        <source>First page</source>
        <comment></comment>
        <translation>First page</translation>
    </message>
    <message>
        <source>Resume</source>
        <comment></comment>
        <translation>Resume</translation>
    </message>
    <message>
        <source>Unable to enable sharing.</source>
        <comment></comment>
        <translation>Unable to enable sharing.</translation>
    </message>
    <message>
        <source>The local disk is full. %1 has paused syncing.</source>
        <comment></comment>
        <translation>The local disk is full. %1 has paused syncing.</translation>
    </message>
    <message>
        <source>Custom duration</source>
        <comment></comment>
        <translation>Custom duration</translation>
    </message>
    <message>
        <source>Remove this download</source>
        <comment></comment>
        <translation>Remove this download</translation>
    </message>
    <message>
        <source>I accept the terms of the License Agreement</source>
        <comment></comment>
        <translation>I accept the terms of the License Agreement</translation>
    </message>
    <message>
        <source>Select a folder on your computer to sync.</source>
        <comment></comment>
        <translation>Select a folder on your computer to sync.</translation>
    </message>
    <message>
        <source>Action</source>
        <comment></comment>
        <translation>Action</translation>
    </message>
    <message>
        <source>Sync tasks</source>
        <comment></comment>
        <translation>Sync tasks</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment></comment>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Click Finish to close the setup wizard.</source>
        <comment></comment>
        <translation>Click Finish to close the setup wizard.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Larkspan Drive will merge its content with the server.</source>
        <comment></comment>
        <translation>The selected folder is not empty. Larkspan Drive will merge its content with the server.</translation>
    </message>
    <message>
        <source>The disk of the Larkspan is full.</source>
        <comment></comment>
        <translation>The disk of the Larkspan is full.</translation>
    </message>
    <message>
        <source>Manage</source>
        <comment></comment>
        <translation>Manage</translation>
    </message>
    <message>
        <source>The setup wizard lets you change the way Larkspan Drive is installed, repair it or remove it. Click Next to continue or Cancel to exit.</source>
        <comment></comment>
        <translation>The setup wizard lets you change the way Larkspan Drive is installed, repair it or remove it. Click Next to continue or Cancel to exit.</translation>
    </message>
    <message>
        <source>%1 requested access to %2</source>
        <comment></comment>
        <translation>%1 requested access to %2</translation>
    </message>
    <message>
        <source>Connected through the Internet</source>
        <comment></comment>
        <translation>Connected through the Internet</translation>
    </message>
    <message>
        <source>Sync your files</source>
        <comment></comment>
        <translation>Sync your files</translation>
    </message>
    <message>
        <source>Unable to download this version.</source>
        <comment></comment>
        <translation>Unable to download this version.</translation>
    </message>
    <message>
        <source>Larkspan Drive setup ended because of an error. Your system has not been changed.</source>
        <comment></comment>
        <translation>Larkspan Drive setup ended because of an error. Your system has not been changed.</translation>
    </message>
    <message>
        <source>Files shared with you appear in the %1 folder on this computer.</source>
        <comment></comment>
        <translation>Files shared with you appear in the %1 folder on this computer.</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this connection?</source>
        <comment></comment>
        <translation>Are you sure you want to unlink this connection?</translation>
    </message>
    <message>
        <source>Retry</source>
        <comment></comment>
        <translation>Retry</translation>
    </message>
    <message>
        <source>The proxy server requires a password</source>
        <comment></comment>
        <translation>The proxy server requires a password</translation>
    </message>
    <message>
        <source>Update to the latest version to use selective sync.</source>
        <comment></comment>
        <translation>Update to the latest version to use selective sync.</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again in %1 minutes.</source>
        <comment></comment>
        <translation>Too many failed attempts. Please try again in %1 minutes.</translation>
    </message>
    <message>
        <source>File name</source>
        <comment></comment>
        <translation>File name</translation>
    </message>
    <message>
        <source>Inactive</source>
        <comment></comment>
        <translation>Inactive</translation>
    </message>
    <message>
        <source>You can change these settings at any time in %1.</source>
        <comment></comment>
        <translation>You can change these settings at any time in %1.</translation>
    </message>
    <message>
        <source>This version of Larkspan Drive is already installed. Do you want to install it again?</source>
        <comment></comment>
        <translation>This version of Larkspan Drive is already installed. Do you want to install it again?</translation>
    </message>
    <message>
        <source>The quota of the shared folder is full.</source>
        <comment></comment>
        <translation>The quota of the shared folder is full.</translation>
    </message>
    <message>
        <source>The shared folder is not mounted.</source>
        <comment></comment>
        <translation>The shared folder is not mounted.</translation>
    </message>
    <message>
        <source>%1 hours ago</source>
        <comment></comment>
        <translation>%1 hours ago</translation>
    </message>
    <message>
        <source>Completed the Larkspan Drive Setup Wizard</source>
        <comment></comment>
        <translation>Completed the Larkspan Drive Setup Wizard</translation>
    </message>
    <message>
        <source>January</source>
        <comment></comment>
        <translation>January</translation>
    </message>
    <message>
        <source>Choose the folders to sync and the sync settings yourself.</source>
        <comment></comment>
        <translation>Choose the folders to sync and the sync settings yourself.</translation>
    </message>
    <message>
        <source>The Larkspan has changed. Link it again to continue.</source>
        <comment></comment>
        <translation>The Larkspan has changed. Link it again to continue.</translation>
    </message>
    <message>
        <source>%1 is now syncing your files.</source>
        <comment></comment>
        <translation>%1 is now syncing your files.</translation>
    </message>
    <message>
        <source>Unable to create a link for this item.</source>
        <comment></comment>
        <translation>Unable to create a link for this item.</translation>
    </message>
    <message>
        <source>I do not accept the terms of the License Agreement</source>
        <comment></comment>
        <translation>I do not accept the terms of the License Agreement</translation>
    </message>
    <message>
        <source>Sync</source>
        <comment></comment>
        <translation>Sync</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <comment></comment>
        <translation>Yesterday</translation>
    </message>
    <message>
        <source>Downloads of previous versions</source>
        <comment></comment>
        <translation>Downloads of previous versions</translation>
    </message>
    <message>
        <source>Sync history</source>
        <comment></comment>
        <translation>Sync history</translation>
    </message>
    <message>
        <source>Share link</source>
        <comment></comment>
        <translation>Share link</translation>
    </message>
    <message>
        <source>Repair</source>
        <comment></comment>
        <translation>Repair</translation>
    </message>
    <message>
        <source>Open the Larkspan in your browser</source>
        <comment></comment>
        <translation>Open the Larkspan in your browser</translation>
    </message>
    <message>
        <source>%1 commented on %2</source>
        <comment></comment>
        <translation>%1 commented on %2</translation>
    </message>
    <message>
        <source>The maximum number of shared items has been reached.</source>
        <comment></comment>
        <translation>The maximum number of shared items has been reached.</translation>
    </message>
    <message>
        <source>Shared</source>
        <comment></comment>
        <translation>Shared</translation>
    </message>
    <message>
        <source>The local disk is full.</source>
        <comment></comment>
        <translation>The local disk is full.</translation>
    </message>
    <message>
        <source>Setup interrupted</source>
        <comment></comment>
        <translation>Setup interrupted</translation>
    </message>
    <message>
        <source>The local sync folder cannot be found.</source>
        <comment></comment>
        <translation>The local sync folder cannot be found.</translation>
    </message>
    <message>
        <source>Put your files in the sync folder, and they stay up to date on all your devices.</source>
        <comment></comment>
        <translation>Put your files in the sync folder, and they stay up to date on all your devices.</translation>
    </message>
    <message>
        <source>Expire after</source>
        <comment></comment>
        <translation>Expire after</translation>
    </message>
    <message>
        <source>June</source>
        <comment></comment>
        <translation>June</translation>
    </message>
    <message>
        <source>Select the operation you want to perform.</source>
        <comment></comment>
        <translation>Select the operation you want to perform.</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <comment></comment>
        <translation>Temporary files</translation>
    </message>
    <message>
        <source>Your quota on the Larkspan is full. Free some space or choose another folder.</source>
        <comment></comment>
        <translation>Your quota on the Larkspan is full. Free some space or choose another folder.</translation>
    </message>
    <message>
        <source>Enter the address and port of the proxy server.</source>
        <comment></comment>
        <translation>Enter the address and port of the proxy server.</translation>
    </message>
    <message>
        <source>Folder on the Larkspan</source>
        <comment></comment>
        <translation>Folder on the Larkspan</translation>
    </message>
    <message>
        <source>Renamed on this computer</source>
        <comment></comment>
        <translation>Renamed on this computer</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <comment></comment>
        <translation>Authentication failed</translation>
    </message>
    <message>
        <source>Sunday</source>
        <comment></comment>
        <translation>Sunday</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <comment></comment>
        <translation>Wednesday</translation>
    </message>
    <message>
        <source>Automatic setup is configured.</source>
        <comment></comment>
        <translation>Automatic setup is configured.</translation>
    </message>
    <message>
        <source>New folder on the Larkspan</source>
        <comment></comment>
        <translation>New folder on the Larkspan</translation>
    </message>
    <message>
        <source>Display</source>
        <comment></comment>
        <translation>Display</translation>
    </message>
    <message>
        <source>A newer version of %1 is already installed. Setup will now exit.</source>
        <comment></comment>
        <translation>A newer version of %1 is already installed. Setup will now exit.</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment></comment>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Local sync folder</source>
        <comment></comment>
        <translation>Local sync folder</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <comment></comment>
        <translation>Maximum file size (MB):</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <comment></comment>
        <translation>Connecting...</translation>
    </message>
    <message>
        <source>Access request</source>
        <comment></comment>
        <translation>Access request</translation>
    </message>
    <message>
        <source>Larkspan Drive is ready.</source>
        <comment></comment>
        <translation>Larkspan Drive is ready.</translation>
    </message>
    <message>
        <source>Set up</source>
        <comment></comment>
        <translation>Set up</translation>
    </message>
    <message>
        <source>Do not sync this folder</source>
        <comment></comment>
        <translation>Do not sync this folder</translation>
    </message>
    <message>
        <source>This server needs a newer version of Larkspan Drive. Upgrade now?</source>
        <comment></comment>
        <translation>This server needs a newer version of Larkspan Drive. Upgrade now?</translation>
    </message>
    <message>
        <source>Choose a sync folder</source>
        <comment></comment>
        <translation>Choose a sync folder</translation>
    </message>
    <message>
        <source>Password</source>
        <comment></comment>
        <translation>Password</translation>
    </message>
    <message>
        <source>Today</source>
        <comment></comment>
        <translation>Today</translation>
    </message>
    <message>
        <source>Your quota on the Larkspan is full.</source>
        <comment></comment>
        <translation>Your quota on the Larkspan is full.</translation>
    </message>
    <message>
        <source>Sync and share files across all your devices.</source>
        <comment></comment>
        <translation>Sync and share files across all your devices.</translation>
    </message>
    <message>
        <source>No permission</source>
        <comment></comment>
        <translation>No permission</translation>
    </message>
    <message>
        <source>Destination</source>
        <comment></comment>
        <translation>Destination</translation>
    </message>
    <message>
        <source>The sync folder is on a volume that is not mounted.</source>
        <comment></comment>
        <translation>The sync folder is on a volume that is not mounted.</translation>
    </message>
    <message>
        <source>Choose a different folder on this computer.</source>
        <comment></comment>
        <translation>Choose a different folder on this computer.</translation>
    </message>
    <message>
        <source>Use a black-and-white tray icon</source>
        <comment></comment>
        <translation>Use a black-and-white tray icon</translation>
    </message>
    <message>
        <source>The verification code is not valid.</source>
        <comment></comment>
        <translation>The verification code is not valid.</translation>
    </message>
    <message>
        <source>No connection is available for this file.</source>
        <comment></comment>
        <translation>No connection is available for this file.</translation>
    </message>
    <message>
        <source>Keep files on the Larkspan when they are deleted from this computer</source>
        <comment></comment>
        <translation>Keep files on the Larkspan when they are deleted from this computer</translation>
    </message>
    <message>
        <source>One-way download</source>
        <comment></comment>
        <translation>One-way download</translation>
    </message>
    <message>
        <source>Port:</source>
        <comment></comment>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Last month</source>
        <comment></comment>
        <translation>Last month</translation>
    </message>
    <message>
        <source>Version %1.%2.%3, build %4</source>
        <comment></comment>
        <translation>Version %1.%2.%3, build %4</translation>
    </message>
    <message>
        <source>Your IP address is not allowed to connect.</source>
        <comment></comment>
        <translation>Your IP address is not allowed to connect.</translation>
    </message>
    <message>
        <source>Sync a folder that someone shared with you.</source>
        <comment></comment>
        <translation>Sync a folder that someone shared with you.</translation>
    </message>
    <message>
        <source>Filter the sync log</source>
        <comment></comment>
        <translation>Filter the sync log</translation>
    </message>
    <message>
        <source>You can only read this folder. Changes you make to it are not uploaded.</source>
        <comment></comment>
        <translation>You can only read this folder. Changes you make to it are not uploaded.</translation>
    </message>
    <message>
        <source>Keyword</source>
        <comment></comment>
        <translation>Keyword</translation>
    </message>
    <message>
        <source>Do not sync files larger than %1 MB</source>
        <comment></comment>
        <translation>Do not sync files larger than %1 MB</translation>
    </message>
    <message>
        <source>Next month</source>
        <comment></comment>
        <translation>Next month</translation>
    </message>
    <message>
        <source>Remote destination</source>
        <comment></comment>
        <translation>Remote destination</translation>
    </message>
    <message>
        <source>Your account is not allowed to sync this folder.</source>
        <comment></comment>
        <translation>Your account is not allowed to sync this folder.</translation>
    </message>
    <message>
        <source>Unable to download %1.</source>
        <comment></comment>
        <translation>Unable to download %1.</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <comment></comment>
        <translation>Advanced settings</translation>
    </message>
    <message>
        <source>Welcome to %1. Sign in to get started.</source>
        <comment></comment>
        <translation>Welcome to %1. Sign in to get started.</translation>
    </message>
    <message>
        <source>Welcome to the Larkspan Drive Setup Wizard</source>
        <comment></comment>
        <translation>Welcome to the Larkspan Drive Setup Wizard</translation>
    </message>
    <message>
        <source>This computer was linked to a different Larkspan. Link it again to continue.</source>
        <comment></comment>
        <translation>This computer was linked to a different Larkspan. Link it again to continue.</translation>
    </message>
    <message>
        <source>The shared folder no longer exists.</source>
        <comment></comment>
        <translation>The shared folder no longer exists.</translation>
    </message>
    <message>
        <source>December</source>
        <comment></comment>
        <translation>December</translation>
    </message>
    <message>
        <source>Overview</source>
        <comment></comment>
        <translation>Overview</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <comment></comment>
        <translation>Use the system proxy settings</translation>
    </message>
    <message>
        <source>No sync history</source>
        <comment></comment>
        <translation>No sync history</translation>
    </message>
    <message>
        <source>Some files could not be synced. Click to see the details.</source>
        <comment></comment>
        <translation>Some files could not be synced. Click to see the details.</translation>
    </message>
    <message>
        <source>Setup ended because of an error</source>
        <comment></comment>
        <translation>Setup ended because of an error</translation>
    </message>
    <message>
        <source>Drive</source>
        <comment></comment>
        <translation>Drive</translation>
    </message>
    <message>
        <source>October</source>
        <comment></comment>
        <translation>October</translation>
    </message>
    <message>
        <source>Your changes have not been saved. Save them now?</source>
        <comment></comment>
        <translation>Your changes have not been saved. Save them now?</translation>
    </message>
    <message>
        <source>This computer is already linked to this Larkspan.</source>
        <comment></comment>
        <translation>This computer is already linked to this Larkspan.</translation>
    </message>
    <message>
        <source>There is not enough space on the local disk for Larkspan Drive.</source>
        <comment></comment>
        <translation>There is not enough space on the local disk for Larkspan Drive.</translation>
    </message>
    <message>
        <source>Do not sync files with these names:</source>
        <comment></comment>
        <translation>Do not sync files with these names:</translation>
    </message>
    <message>
        <source>Available from</source>
        <comment></comment>
        <translation>Available from</translation>
    </message>
    <message>
        <source>Shows the tray icon in black and white to match your desktop theme.</source>
        <comment></comment>
        <translation>Shows the tray icon in black and white to match your desktop theme.</translation>
    </message>
    <message>
        <source>Status</source>
        <comment></comment>
        <translation>Status</translation>
    </message>
    <message>
        <source>Sync one of your folders on the Larkspan with this computer.</source>
        <comment></comment>
        <translation>Sync one of your folders on the Larkspan with this computer.</translation>
    </message>
    <message>
        <source>Indexing the folder...</source>
        <comment></comment>
        <translation>Indexing the folder...</translation>
    </message>
    <message>
        <source>Your user name or password is incorrect.</source>
        <comment></comment>
        <translation>Your user name or password is incorrect.</translation>
    </message>
    <message>
        <source>You do not have permission to use Larkspan Drive. Ask your administrator.</source>
        <comment></comment>
        <translation>You do not have permission to use Larkspan Drive. Ask your administrator.</translation>
    </message>
    <message>
        <source>Try syncing again</source>
        <comment></comment>
        <translation>Try syncing again</translation>
    </message>
    <message>
        <source>Filter settings</source>
        <comment></comment>
        <translation>Filter settings</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <comment></comment>
        <translation>Manual proxy configuration</translation>
    </message>
    <message>
        <source>Status:</source>
        <comment></comment>
        <translation>Status:</translation>
    </message>
    <message>
        <source>July</source>
        <comment></comment>
        <translation>July</translation>
    </message>
    <message>
        <source>No</source>
        <comment></comment>
        <translation>No</translation>
    </message>
    <message>
        <source>Version not supported</source>
        <comment></comment>
        <translation>Version not supported</translation>
    </message>
    <message>
        <source>Sync now</source>
        <comment></comment>
        <translation>Sync now</translation>
    </message>
    <message>
        <source>This folder was synced by another user. Choose another folder.</source>
        <comment></comment>
        <translation>This folder was synced by another user. Choose another folder.</translation>
    </message>
    <message>
        <source>Create a KestrinDrive folder in the selected location</source>
        <comment></comment>
        <translation>Create a KestrinDrive folder in the selected location</translation>
    </message>
    <message>
        <source>You do not have permission to write to this folder. Choose another folder.</source>
        <comment></comment>
        <translation>You do not have permission to write to this folder. Choose another folder.</translation>
    </message>
    <message>
        <source>This folder is read-only. Changes are not synced to %1.</source>
        <comment></comment>
        <translation>This folder is read-only. Changes are not synced to %1.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment></comment>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>Got it</source>
        <comment></comment>
        <translation>Got it</translation>
    </message>
    <message>
        <source>Welcome to Larkspan Drive</source>
        <comment></comment>
        <translation>Welcome to Larkspan Drive</translation>
    </message>
    <message>
        <source>Network settings</source>
        <comment></comment>
        <translation>Network settings</translation>
    </message>
    <message>
        <source>The setup wizard is ready to begin the repair.</source>
        <comment></comment>
        <translation>The setup wizard is ready to begin the repair.</translation>
    </message>
    <message>
        <source>This client version is not supported by the server. Upgrade to continue syncing.</source>
        <comment></comment>
        <translation>This client version is not supported by the server. Upgrade to continue syncing.</translation>
    </message>
    <message>
        <source>Size</source>
        <comment></comment>
        <translation>Size</translation>
    </message>
    <message>
        <source>The server version is too old. Ask your administrator to upgrade it.</source>
        <comment></comment>
        <translation>The server version is too old. Ask your administrator to upgrade it.</translation>
    </message>
    <message>
        <source>Everyone with the link can view and edit the files.</source>
        <comment></comment>
        <translation>Everyone with the link can view and edit the files.</translation>
    </message>
    <message>
        <source>Edit</source>
        <comment></comment>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Signed-in users can view and edit the files.</source>
        <comment></comment>
        <translation>Signed-in users can view and edit the files.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <comment></comment>
        <translation>Disabled</translation>
    </message>
    <message>
        <source>Change, repair or remove the installation.</source>
        <comment></comment>
        <translation>Change, repair or remove the installation.</translation>
    </message>
    <message>
        <source>Just now</source>
        <comment></comment>
        <translation>Just now</translation>
    </message>
    <message>
        <source>New sync folder</source>
        <comment></comment>
        <translation>New sync folder</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <comment></comment>
        <translation>Sharing enabled</translation>
    </message>
    <message>
        <source>Sync error</source>
        <comment></comment>
        <translation>Sync error</translation>
    </message>
    <message>
        <source>Merge mode</source>
        <comment></comment>
        <translation>Merge mode</translation>
    </message>
    <message>
        <source>Connection information</source>
        <comment></comment>
        <translation>Connection information</translation>
    </message>
    <message>
        <source>Remove Larkspan Drive</source>
        <comment></comment>
        <translation>Remove Larkspan Drive</translation>
    </message>
    <message>
        <source>Next %1 pages</source>
        <comment></comment>
        <translation>Next %1 pages</translation>
    </message>
    <message>
        <source>Show sync status</source>
        <comment></comment>
        <translation>Show sync status</translation>
    </message>
    <message>
        <source>My files</source>
        <comment></comment>
        <translation>My files</translation>
    </message>
    <message>
        <source>Create a sync task</source>
        <comment></comment>
        <translation>Create a sync task</translation>
    </message>
    <message>
        <source>Create a LarkspanDrive folder in the selected location</source>
        <comment></comment>
        <translation>Create a LarkspanDrive folder in the selected location</translation>
    </message>
    <message>
        <source>Skipped file names</source>
        <comment></comment>
        <translation>Skipped file names</translation>
    </message>
    <message>
        <source>The %1 ID is not valid.</source>
        <comment></comment>
        <translation>The %1 ID is not valid.</translation>
    </message>
    <message>
        <source>Expire on</source>
        <comment></comment>
        <translation>Expire on</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <comment></comment>
        <translation>Upgrading...</translation>
    </message>
    <message>
        <source>Start now</source>
        <comment></comment>
        <translation>Start now</translation>
    </message>
    <message>
        <source>Standby</source>
        <comment></comment>
        <translation>Standby</translation>
    </message>
    <message>
        <source>Progress</source>
        <comment></comment>
        <translation>Progress</translation>
    </message>
    <message>
        <source>%1 changes detected</source>
        <comment></comment>
        <translation>%1 changes detected</translation>
    </message>
    <message>
        <source>Only download changes from the Larkspan; local changes are not uploaded.</source>
        <comment></comment>
        <translation>Only download changes from the Larkspan; local changes are not uploaded.</translation>
    </message>
    <message>
        <source>A database error occurred.</source>
        <comment></comment>
        <translation>A database error occurred.</translation>
    </message>
    <message>
        <source>Enter the address of your Larkspan and your account.</source>
        <comment></comment>
        <translation>Enter the address of your Larkspan and your account.</translation>
    </message>
    <message>
        <source>On-demand sync</source>
        <comment></comment>
        <translation>On-demand sync</translation>
    </message>
    <message>
        <source>New sync task</source>
        <comment></comment>
        <translation>New sync task</translation>
    </message>
    <message>
        <source>Upload</source>
        <comment></comment>
        <translation>Upload</translation>
    </message>
    <message>
        <source>Restrict access</source>
        <comment></comment>
        <translation>Restrict access</translation>
    </message>
    <message>
        <source>Select the folders to sync</source>
        <comment></comment>
        <translation>Select the folders to sync</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <comment></comment>
        <translation>Select a folder</translation>
    </message>
    <message>
        <source>Setup mode</source>
        <comment></comment>
        <translation>Setup mode</translation>
    </message>
    <message>
        <source>Download only</source>
        <comment></comment>
        <translation>Download only</translation>
    </message>
    <message>
        <source>General</source>
        <comment></comment>
        <translation>General</translation>
    </message>
    <message>
        <source>Saturday</source>
        <comment></comment>
        <translation>Saturday</translation>
    </message>
    <message>
        <source>Larkspan Drive works with a Larkspan server from Kestrin.</source>
        <comment></comment>
        <translation>Larkspan Drive works with a Larkspan server from Kestrin.</translation>
    </message>
    <message>
        <source>Unable to connect to the Larkspan.</source>
        <comment></comment>
        <translation>Unable to connect to the Larkspan.</translation>
    </message>
    <message>
        <source>Connected through a relay</source>
        <comment></comment>
        <translation>Connected through a relay</translation>
    </message>
    <message>
        <source>Larkspan Drive is initializing...</source>
        <comment></comment>
        <translation>Larkspan Drive is initializing...</translation>
    </message>
    <message>
        <source>Automatic setup failed. Set up Larkspan Drive manually.</source>
        <comment></comment>
        <translation>Automatic setup failed. Set up Larkspan Drive manually.</translation>
    </message>
    <message>
        <source>Local destination</source>
        <comment></comment>
        <translation>Local destination</translation>
    </message>
    <message>
        <source>This folder is read-only. Changes are not synced to Larkspan Drive.</source>
        <comment></comment>
        <translation>This folder is read-only. Changes are not synced to Larkspan Drive.</translation>
    </message>
    <message>
        <source>Ignore</source>
        <comment></comment>
        <translation>Ignore</translation>
    </message>
    <message>
        <source>All events</source>
        <comment></comment>
        <translation>All events</translation>
    </message>
    <message>
        <source>Sharing</source>
        <comment></comment>
        <translation>Sharing</translation>
    </message>
    <message>
        <source>Click Remove to remove Larkspan Drive from your computer.</source>
        <comment></comment>
        <translation>Click Remove to remove Larkspan Drive from your computer.</translation>
    </message>
    <message>
        <source>This folder is already part of another sync task.</source>
        <comment></comment>
        <translation>This folder is already part of another sync task.</translation>
    </message>
    <message>
        <source>A network error occurred. Check your connection and try again.</source>
        <comment></comment>
        <translation>A network error occurred. Check your connection and try again.</translation>
    </message>
    <message>
        <source>Finish</source>
        <comment></comment>
        <translation>Finish</translation>
    </message>
    <message>
        <source>Enter a port number from %1 to %2.</source>
        <comment></comment>
        <translation>Enter a port number from %1 to %2.</translation>
    </message>
    <message>
        <source>More information</source>
        <comment></comment>
        <translation>More information</translation>
    </message>
    <message>
        <source>This folder is already synced.</source>
        <comment></comment>
        <translation>This folder is already synced.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <comment></comment>
        <translation>Permission denied.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <comment></comment>
        <translation>An unknown error occurred.</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change your settings.</source>
        <comment></comment>
        <translation>Click Install to begin the installation. Click Back to review or change your settings.</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <comment></comment>
        <translation>Two-way sync</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <comment></comment>
        <translation>Downloading %1...</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <comment></comment>
        <translation>Applying settings...</translation>
    </message>
    <message>
        <source>Switch Larkspan</source>
        <comment></comment>
        <translation>Switch Larkspan</translation>
    </message>
    <message>
        <source>The file or folder does not exist.</source>
        <comment></comment>
        <translation>The file or folder does not exist.</translation>
    </message>
    <message>
        <source>Next</source>
        <comment></comment>
        <translation>Next</translation>
    </message>
    <message>
        <source>Change folder</source>
        <comment></comment>
        <translation>Change folder</translation>
    </message>
    <message>
        <source>April</source>
        <comment></comment>
        <translation>April</translation>
    </message>
    <message>
        <source>The new language takes effect after Larkspan Drive restarts.</source>
        <comment></comment>
        <translation>The new language takes effect after Larkspan Drive restarts.</translation>
    </message>
    <message>
        <source>Choose another</source>
        <comment></comment>
        <translation>Choose another</translation>
    </message>
    <message>
        <source>Invalid argument.</source>
        <comment></comment>
        <translation>Invalid argument.</translation>
    </message>
    <message>
        <source>Syncing %1 files</source>
        <comment></comment>
        <translation>Syncing %1 files</translation>
    </message>
    <message>
        <source>Sharing links is not enabled on the Larkspan.</source>
        <comment></comment>
        <translation>Sharing links is not enabled on the Larkspan.</translation>
    </message>
    <message>
        <source>Recently updated files</source>
        <comment></comment>
        <translation>Recently updated files</translation>
    </message>
    <message>
        <source>Security warning</source>
        <comment></comment>
        <translation>Security warning</translation>
    </message>
    <message>
        <source>The following applications use files that setup needs to update. Close them and click Retry, or click Ignore to continue anyway.</source>
        <comment></comment>
        <translation>The following applications use files that setup needs to update. Close them and click Retry, or click Ignore to continue anyway.</translation>
    </message>
    <message>
        <source>Reach your files anywhere</source>
        <comment></comment>
        <translation>Reach your files anywhere</translation>
    </message>
    <message>
        <source>Print</source>
        <comment></comment>
        <translation>Print</translation>
    </message>
    <message>
        <source>Create a new folder to sync.</source>
        <comment></comment>
        <translation>Create a new folder to sync.</translation>
    </message>
    <message>
        <source>The certificate of %1 has changed. Do you trust the new certificate?</source>
        <comment></comment>
        <translation>The certificate of %1 has changed. Do you trust the new certificate?</translation>
    </message>
    <message>
        <source>Larkspan Drive</source>
        <comment></comment>
        <translation>Larkspan Drive</translation>
    </message>
    <message>
        <source>Rename</source>
        <comment></comment>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Folder already synced</source>
        <comment></comment>
        <translation>Folder already synced</translation>
    </message>
    <message>
        <source>Do not sync these folders</source>
        <comment></comment>
        <translation>Do not sync these folders</translation>
    </message>
    <message>
        <source>Folders that others share with you</source>
        <comment></comment>
        <translation>Folders that others share with you</translation>
    </message>
    <message>
        <source>Repair Larkspan Drive</source>
        <comment></comment>
        <translation>Repair Larkspan Drive</translation>
    </message>
    <message>
        <source>Sync log category</source>
        <comment></comment>
        <translation>Sync log category</translation>
    </message>
    <message>
        <source>Close these applications before setup continues:</source>
        <comment></comment>
        <translation>Close these applications before setup continues:</translation>
    </message>
    <message>
        <source>Add</source>
        <comment></comment>
        <translation>Add</translation>
    </message>
    <message>
        <source>No options available</source>
        <comment></comment>
        <translation>No options available</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of Larkspan Drive.</source>
        <comment></comment>
        <translation>Click Repair to repair the installation of Larkspan Drive.</translation>
    </message>
    <message>
        <source>The sync direction does not match your permission on the folder.</source>
        <comment></comment>
        <translation>The sync direction does not match your permission on the folder.</translation>
    </message>
    <message>
        <source>You have chosen to remove the program from your computer.</source>
        <comment></comment>
        <translation>You have chosen to remove the program from your computer.</translation>
    </message>
    <message>
        <source>You are ready to use Larkspan Drive.</source>
        <comment></comment>
        <translation>You are ready to use Larkspan Drive.</translation>
    </message>
    <message>
        <source>Edit connection</source>
        <comment></comment>
        <translation>Edit connection</translation>
    </message>
    <message>
        <source>Upgrade to version %1</source>
        <comment></comment>
        <translation>Upgrade to version %1</translation>
    </message>
    <message>
        <source>A newer version of Larkspan Drive is already installed. Setup will now exit.</source>
        <comment></comment>
        <translation>A newer version of Larkspan Drive is already installed. Setup will now exit.</translation>
    </message>
    <message>
        <source>Larkspan Drive is now syncing your files.</source>
        <comment></comment>
        <translation>Larkspan Drive is now syncing your files.</translation>
    </message>
    <message>
        <source>%1 files updated</source>
        <comment></comment>
        <translation>%1 files updated</translation>
    </message>
    <message>
        <source>Enter a user name.</source>
        <comment></comment>
        <translation>Enter a user name.</translation>
    </message>
    <message>
        <source>There is not enough space on the local disk for %1.</source>
        <comment></comment>
        <translation>There is not enough space on the local disk for %1.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <comment></comment>
        <translation>Preferences</translation>
    </message>
    <message>
        <source>Files shared with you appear in the Larkspan Drive folder on this computer.</source>
        <comment></comment>
        <translation>Files shared with you appear in the Larkspan Drive folder on this computer.</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <comment></comment>
        <translation>No, thanks</translation>
    </message>
    <message>
        <source>Public</source>
        <comment></comment>
        <translation>Public</translation>
    </message>
    <message>
        <source>Setup is complete.</source>
        <comment></comment>
        <translation>Setup is complete.</translation>
    </message>
    <message>
        <source>Open containing folder</source>
        <comment></comment>
        <translation>Open containing folder</translation>
    </message>
    <message>
        <source>Removes Larkspan Drive from your computer.</source>
        <comment></comment>
        <translation>Removes Larkspan Drive from your computer.</translation>
    </message>
    <message>
        <source>Show the Larkspan Drive tutorial</source>
        <comment></comment>
        <translation>Show the Larkspan Drive tutorial</translation>
    </message>
    <message>
        <source>Previous month</source>
        <comment></comment>
        <translation>Previous month</translation>
    </message>
    <message>
        <source>Shared folders</source>
        <comment></comment>
        <translation>Shared folders</translation>
    </message>
    <message>
        <source>Created</source>
        <comment></comment>
        <translation>Created</translation>
    </message>
    <message>
        <source>Files you change on one device are updated on the others.</source>
        <comment></comment>
        <translation>Files you change on one device are updated on the others.</translation>
    </message>
    <message>
        <source>September</source>
        <comment></comment>
        <translation>September</translation>
    </message>
    <message>
        <source>Click Remove to continue, or Back to review your choice.</source>
        <comment></comment>
        <translation>Click Remove to continue, or Back to review your choice.</translation>
    </message>
    <message>
        <source>Back</source>
        <comment></comment>
        <translation>Back</translation>
    </message>
    <message>
        <source>Folder name</source>
        <comment></comment>
        <translation>Folder name</translation>
    </message>
    <message>
        <source>Setup is complete. Larkspan Drive now keeps your files in sync.</source>
        <comment></comment>
        <translation>Setup is complete. Larkspan Drive now keeps your files in sync.</translation>
    </message>
    <message>
        <source>May</source>
        <comment></comment>
        <translation>May</translation>
    </message>
    <message>
        <source>Connected through the local network</source>
        <comment></comment>
        <translation>Connected through the local network</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully.</source>
        <comment></comment>
        <translation>Please read the following license agreement carefully.</translation>
    </message>
    <message>
        <source>Keep the most recently modified file</source>
        <comment></comment>
        <translation>Keep the most recently modified file</translation>
    </message>
    <message>
        <source>%1 mentioned you in %2</source>
        <comment></comment>
        <translation>%1 mentioned you in %2</translation>
    </message>
    <message>
        <source>Access to the selected folder was denied.</source>
        <comment></comment>
        <translation>Access to the selected folder was denied.</translation>
    </message>
    <message>
        <source>Disk full</source>
        <comment></comment>
        <translation>Disk full</translation>
    </message>
    <message>
        <source>Signed-in users</source>
        <comment></comment>
        <translation>Signed-in users</translation>
    </message>
    <message>
        <source>Tutorial that introduces the main features of Larkspan Drive</source>
        <comment></comment>
        <translation>Tutorial that introduces the main features of Larkspan Drive</translation>
    </message>
    <message>
        <source>Checking your password...</source>
        <comment></comment>
        <translation>Checking your password...</translation>
    </message>
    <message>
        <source>All files are up to date.</source>
        <comment></comment>
        <translation>All files are up to date.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <comment></comment>
        <translation>Read-only</translation>
    </message>
    <message>
        <source>Your password has expired.</source>
        <comment></comment>
        <translation>Your password has expired.</translation>
    </message>
    <message>
        <source>Calendar</source>
        <comment></comment>
        <translation>Calendar</translation>
    </message>
    <message>
        <source>Replace the file on this computer with the copy on the server</source>
        <comment></comment>
        <translation>Replace the file on this computer with the copy on the server</translation>
    </message>
    <message>
        <source>Do not close the applications. A restart will be required.</source>
        <comment></comment>
        <translation>Do not close the applications. A restart will be required.</translation>
    </message>
    <message>
        <source>November</source>
        <comment></comment>
        <translation>November</translation>
    </message>
    <message>
        <source>Find a Larkspan on your local network</source>
        <comment></comment>
        <translation>Find a Larkspan on your local network</translation>
    </message>
    <message>
        <source>File name:</source>
        <comment></comment>
        <translation>File name:</translation>
    </message>
    <message>
        <source>Add file name</source>
        <comment></comment>
        <translation>Add file name</translation>
    </message>
    <message>
        <source>Sync your home folder on the Larkspan with a folder on this computer, using the recommended settings.</source>
        <comment></comment>
        <translation>Sync your home folder on the Larkspan with a folder on this computer, using the recommended settings.</translation>
    </message>
    <message>
        <source>Skip files whose names begin with a dot</source>
        <comment></comment>
        <translation>Skip files whose names begin with a dot</translation>
    </message>
    <message>
        <source>Setup was cancelled.</source>
        <comment></comment>
        <translation>Setup was cancelled.</translation>
    </message>
    <message>
        <source>Name</source>
        <comment></comment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Encrypt data transfers (SSL)</source>
        <comment></comment>
        <translation>Encrypt data transfers (SSL)</translation>
    </message>
    <message>
        <source>File type</source>
        <comment></comment>
        <translation>File type</translation>
    </message>
    <message>
        <source>Your quota on the Larkspan is full. Syncing is paused.</source>
        <comment></comment>
        <translation>Your quota on the Larkspan is full. Syncing is paused.</translation>
    </message>
    <message>
        <source>Share name</source>
        <comment></comment>
        <translation>Share name</translation>
    </message>
    <message>
        <source>Setup is not running as an administrator, so Larkspan Drive will be installed for the current user only. Continue?</source>
        <comment></comment>
        <translation>Setup is not running as an administrator, so Larkspan Drive will be installed for the current user only. Continue?</translation>
    </message>
    <message>
        <source>Close the tutorial</source>
        <comment></comment>
        <translation>Close the tutorial</translation>
    </message>
    <message>
        <source>About Larkspan Drive</source>
        <comment></comment>
        <translation>About Larkspan Drive</translation>
    </message>
    <message>
        <source>Apply and copy link</source>
        <comment></comment>
        <translation>Apply and copy link</translation>
    </message>
    <message>
        <source>Password:</source>
        <comment></comment>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Computer name</source>
        <comment></comment>
        <translation>Computer name</translation>
    </message>
    <message>
        <source>Synced on all devices</source>
        <comment></comment>
        <translation>Synced on all devices</translation>
    </message>
    <message>
        <source>Currently syncing: %1</source>
        <comment></comment>
        <translation>Currently syncing: %1</translation>
    </message>
    <message>
        <source>Apply to all subfolders</source>
        <comment></comment>
        <translation>Apply to all subfolders</translation>
    </message>
    <message>
        <source>Files that match these rules are not synced.</source>
        <comment></comment>
        <translation>Files that match these rules are not synced.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected shared items?</source>
        <comment></comment>
        <translation>Are you sure you want to delete the selected shared items?</translation>
    </message>
    <message>
        <source>IP address</source>
        <comment></comment>
        <translation>IP address</translation>
    </message>
    <message>
        <source>Your files are now syncing.</source>
        <comment></comment>
        <translation>Your files are now syncing.</translation>
    </message>
    <message>
        <source>Some of the entries are not valid.</source>
        <comment></comment>
        <translation>Some of the entries are not valid.</translation>
    </message>
    <message>
        <source>A system error occurred while checking the folder.</source>
        <comment></comment>
        <translation>A system error occurred while checking the folder.</translation>
    </message>
    <message>
        <source>Unlink this sync task? Files that are already synced stay on this computer.</source>
        <comment></comment>
        <translation>Unlink this sync task? Files that are already synced stay on this computer.</translation>
    </message>
    <message>
        <source>The sign-in test failed. Check the user name and password.</source>
        <comment></comment>
        <translation>The sign-in test failed. Check the user name and password.</translation>
    </message>
    <message>
        <source>Turning off sharing removes all existing links. Continue?</source>
        <comment></comment>
        <translation>Turning off sharing removes all existing links. Continue?</translation>
    </message>
    <message>
        <source>Test connection</source>
        <comment></comment>
        <translation>Test connection</translation>
    </message>
    <message>
        <source>Install</source>
        <comment></comment>
        <translation>Install</translation>
    </message>
    <message>
        <source>Advanced setup</source>
        <comment></comment>
        <translation>Advanced setup</translation>
    </message>
    <message>
        <source>Click Repair to continue, or Back to review your choice.</source>
        <comment></comment>
        <translation>Click Repair to continue, or Back to review your choice.</translation>
    </message>
    <message>
        <source>Installing the program files...</source>
        <comment></comment>
        <translation>Installing the program files...</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app</source>
        <comment></comment>
        <translation>Enter the verification code from your authenticator app</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <comment></comment>
        <translation>Continue anyway</translation>
    </message>
    <message>
        <source>March</source>
        <comment></comment>
        <translation>March</translation>
    </message>
    <message>
        <source>You can change these settings at any time in Larkspan Drive.</source>
        <comment></comment>
        <translation>You can change these settings at any time in Larkspan Drive.</translation>
    </message>
    <message>
        <source>Proxy settings</source>
        <comment></comment>
        <translation>Proxy settings</translation>
    </message>
    <message>
        <source>Remove the installation</source>
        <comment></comment>
        <translation>Remove the installation</translation>
    </message>
    <message>
        <source>Send to %1</source>
        <comment></comment>
        <translation>Send to %1</translation>
    </message>
    <message>
        <source>Synchronization mode</source>
        <comment></comment>
        <translation>Synchronization mode</translation>
    </message>
    <message>
        <source>Refresh the sync log</source>
        <comment></comment>
        <translation>Refresh the sync log</translation>
    </message>
    <message>
        <source>The content of both folders is merged. Nothing is deleted.</source>
        <comment></comment>
        <translation>The content of both folders is merged. Nothing is deleted.</translation>
    </message>
    <message>
        <source>This version of %1 is already installed. Do you want to install it again?</source>
        <comment></comment>
        <translation>This version of %1 is already installed. Do you want to install it again?</translation>
    </message>
    <message>
        <source>When the tray icon is double-clicked</source>
        <comment></comment>
        <translation>When the tray icon is double-clicked</translation>
    </message>
    <message>
        <source>Open the web portal to reach your files from any browser.</source>
        <comment></comment>
        <translation>Open the web portal to reach your files from any browser.</translation>
    </message>
    <message>
        <source>Click Finish to close the setup wizard and start using Larkspan Drive.</source>
        <comment></comment>
        <translation>Click Finish to close the setup wizard and start using Larkspan Drive.</translation>
    </message>
    <message>
        <source>There are no changes to apply.</source>
        <comment></comment>
        <translation>There are no changes to apply.</translation>
    </message>
    <message>
        <source>Network error.</source>
        <comment></comment>
        <translation>Network error.</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <comment></comment>
        <translation>Preparing...</translation>
    </message>
    <message>
        <source>More tutorials</source>
        <comment></comment>
        <translation>More tutorials</translation>
    </message>
    <message>
        <source>Read-only folder</source>
        <comment></comment>
        <translation>Read-only folder</translation>
    </message>
    <message>
        <source>Previous %1 pages</source>
        <comment></comment>
        <translation>Previous %1 pages</translation>
    </message>
    <message>
        <source>Start the tour</source>
        <comment></comment>
        <translation>Start the tour</translation>
    </message>
    <message>
        <source>IP address details</source>
        <comment></comment>
        <translation>IP address details</translation>
    </message>
    <message>
        <source>From</source>
        <comment></comment>
        <translation>From</translation>
    </message>
    <message>
        <source>Welcome to Larkspan Drive. Sign in to get started.</source>
        <comment></comment>
        <translation>Welcome to Larkspan Drive. Sign in to get started.</translation>
    </message>
    <message>
        <source>Sync problem</source>
        <comment></comment>
        <translation>Sync problem</translation>
    </message>
    <message>
        <source>Local usage</source>
        <comment></comment>
        <translation>Local usage</translation>
    </message>
    <message>
        <source>Enable on-demand sync</source>
        <comment></comment>
        <translation>Enable on-demand sync</translation>
    </message>
    <message>
        <source>Larkspan Drive has been installed.</source>
        <comment></comment>
        <translation>Larkspan Drive has been installed.</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <comment></comment>
        <translation>Disconnected</translation>
    </message>
    <message>
        <source>Locked</source>
        <comment></comment>
        <translation>Locked</translation>
    </message>
    <message>
        <source>Change sync folder</source>
        <comment></comment>
        <translation>Change sync folder</translation>
    </message>
    <message>
        <source>Setup has finished.</source>
        <comment></comment>
        <translation>Setup has finished.</translation>
    </message>
    <message>
        <source>%1 shared %2 with you</source>
        <comment></comment>
        <translation>%1 shared %2 with you</translation>
    </message>
    <message>
        <source>Not found</source>
        <comment></comment>
        <translation>Not found</translation>
    </message>
    <message>
        <source>Reset</source>
        <comment></comment>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Installing the features you selected.</source>
        <comment></comment>
        <translation>Installing the features you selected.</translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <comment></comment>
        <translation>A verification code is required.</translation>
    </message>
    <message>
        <source>%1 keeps the files on your Larkspan and your computers in sync.</source>
        <comment></comment>
        <translation>%1 keeps the files on your Larkspan and your computers in sync.</translation>
    </message>
    <message>
        <source>There is not enough space on the disk of this computer.</source>
        <comment></comment>
        <translation>There is not enough space on the disk of this computer.</translation>
    </message>
    <message>
        <source>Connection type</source>
        <comment></comment>
        <translation>Connection type</translation>
    </message>
    <message>
        <source>Show the %1 tutorial</source>
        <comment></comment>
        <translation>Show the %1 tutorial</translation>
    </message>
    <message>
        <source>You can also invite people to folders you own.</source>
        <comment></comment>
        <translation>You can also invite people to folders you own.</translation>
    </message>
    <message>
        <source>%1 could not be upgraded.</source>
        <comment></comment>
        <translation>%1 could not be upgraded.</translation>
    </message>
    <message>
        <source>%1 works with a Larkspan server from Kestrin.</source>
        <comment></comment>
        <translation>%1 works with a Larkspan server from Kestrin.</translation>
    </message>
    <message>
        <source>Welcome</source>
        <comment></comment>
        <translation>Welcome</translation>
    </message>
    <message>
        <source>Custom range</source>
        <comment></comment>
        <translation>Custom range</translation>
    </message>
    <message>
        <source>Sync %1 to this computer?</source>
        <comment></comment>
        <translation>Sync %1 to this computer?</translation>
    </message>
    <message>
        <source>Quick setup</source>
        <comment></comment>
        <translation>Quick setup</translation>
    </message>
    <message>
        <source>Download history</source>
        <comment></comment>
        <translation>Download history</translation>
    </message>
    <message>
        <source>Use a relay connection when a direct connection is not possible</source>
        <comment></comment>
        <translation>Use a relay connection when a direct connection is not possible</translation>
    </message>
    <message>
        <source>Folders you clear are removed from this computer but kept on the Larkspan.</source>
        <comment></comment>
        <translation>Folders you clear are removed from this computer but kept on the Larkspan.</translation>
    </message>
    <message>
        <source>Link</source>
        <comment></comment>
        <translation>Link</translation>
    </message>
    <message>
        <source>Address:</source>
        <comment></comment>
        <translation>Address:</translation>
    </message>
    <message>
        <source>Download complete.</source>
        <comment></comment>
        <translation>Download complete.</translation>
    </message>
    <message>
        <source>Setup has all the information it needs to start copying the program files.</source>
        <comment></comment>
        <translation>Setup has all the information it needs to start copying the program files.</translation>
    </message>
    <message>
        <source>Sync activity</source>
        <comment></comment>
        <translation>Sync activity</translation>
    </message>
    <message>
        <source>Downloading</source>
        <comment></comment>
        <translation>Downloading</translation>
    </message>
    <message>
        <source>This wizard installs Larkspan Drive on your computer.</source>
        <comment></comment>
        <translation>This wizard installs Larkspan Drive on your computer.</translation>
    </message>
    <message>
        <source>To</source>
        <comment></comment>
        <translation>To</translation>
    </message>
    <message>
        <source>The server&apos;s certificate could not be verified. Connect anyway?</source>
        <comment></comment>
        <translation>The server&apos;s certificate could not be verified. Connect anyway?</translation>
    </message>
    <message>
        <source>Larkspan Drive is running.</source>
        <comment></comment>
        <translation>Larkspan Drive is running.</translation>
    </message>
    <message>
        <source>%1 has shared a new item with you.</source>
        <comment></comment>
        <translation>%1 has shared a new item with you.</translation>
    </message>
    <message>
        <source>A conflict occurred.</source>
        <comment></comment>
        <translation>A conflict occurred.</translation>
    </message>
    <message>
        <source>The selected folder is a mount point. Choose a folder on a local disk.</source>
        <comment></comment>
        <translation>The selected folder is a mount point. Choose a folder on a local disk.</translation>
    </message>
    <message>
        <source>Encryption</source>
        <comment></comment>
        <translation>Encryption</translation>
    </message>
    <message>
        <source>Changes you make in your sync folder are synced with the Larkspan.</source>
        <comment></comment>
        <translation>Changes you make in your sync folder are synced with the Larkspan.</translation>
    </message>
    <message>
        <source>Please wait while the setup wizard installs Larkspan Drive. This may take several minutes.</source>
        <comment></comment>
        <translation>Please wait while the setup wizard installs Larkspan Drive. This may take several minutes.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has changed since your last connection. Continue?</source>
        <comment></comment>
        <translation>The server&apos;s certificate has changed since your last connection. Continue?</translation>
    </message>
    <message>
        <source>%1 is ready.</source>
        <comment></comment>
        <translation>%1 is ready.</translation>
    </message>
    <message>
        <source>Search</source>
        <comment></comment>
        <translation>Search</translation>
    </message>
    <message>
        <source>Link a new Larkspan</source>
        <comment></comment>
        <translation>Link a new Larkspan</translation>
    </message>
    <message>
        <source>Certificate verification failed.</source>
        <comment></comment>
        <translation>Certificate verification failed.</translation>
    </message>
    <message>
        <source>Starting Larkspan Drive...</source>
        <comment></comment>
        <translation>Starting Larkspan Drive...</translation>
    </message>
    <message>
        <source>On-demand sync could not be enabled.</source>
        <comment></comment>
        <translation>On-demand sync could not be enabled.</translation>
    </message>
    <message>
        <source>Setup complete</source>
        <comment></comment>
        <translation>Setup complete</translation>
    </message>
    <message>
        <source>Your administrator requires two-step verification for your account.</source>
        <comment></comment>
        <translation>Your administrator requires two-step verification for your account.</translation>
    </message>
    <message>
        <source>Start %1 when I sign in</source>
        <comment></comment>
        <translation>Start %1 when I sign in</translation>
    </message>
    <message>
        <source>The selected folder is already synced by another task.</source>
        <comment></comment>
        <translation>The selected folder is already synced by another task.</translation>
    </message>
    <message>
        <source>File</source>
        <comment></comment>
        <translation>File</translation>
    </message>
    <message>
        <source>Recently changed</source>
        <comment></comment>
        <translation>Recently changed</translation>
    </message>
</context>
</TS>
