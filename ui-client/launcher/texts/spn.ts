<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Enabled</source>
        <comment></comment>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Larkspan Drive has no optional features to change.</source>
        <comment></comment>
        <translation>Larkspan Drive no tiene características opcionales que cambiar.</translation>
    </message>
    <message>
        <source>Merge</source>
        <comment></comment>
        <translation>Combinar</translation>
    </message>
    <message>
        <source>Open folder</source>
        <comment></comment>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>Sync folder on this computer</source>
        <comment></comment>
        <translation>Carpeta de sincronización en este ordenador</translation>
    </message>
    <message>
        <source>Tutorial that introduces the main features of %1</source>
        <comment></comment>
        <translation>Tutorial que presenta las funciones principales de %1</translation>
    </message>
    <message>
        <source>Renamed on the Larkspan</source>
        <comment></comment>
        <translation>Renombrado en el Larkspan</translation>
    </message>
    <message>
        <source>Friday</source>
        <comment></comment>
        <translation>Viernes</translation>
    </message>
    <message>
        <source>Thursday</source>
        <comment></comment>
        <translation>Jueves</translation>
    </message>
    <message>
        <source>The setup wizard is ready to begin the installation.</source>
        <comment></comment>
        <translation>El asistente de instalación está listo para comenzar la instalación.</translation>
    </message>
    <message>
        <source>Select the files to sync</source>
        <comment></comment>
        <translation>Seleccionar archivos para sincronizar</translation>
    </message>
    <message>
        <source>Loading...</source>
        <comment></comment>
        <translation>Cargando...</translation>
    </message>
    <message>
        <source>Sync direction</source>
        <comment></comment>
        <translation>Dirección de sincronización</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <comment></comment>
        <translation>Hay una versión nueva disponible. Haz clic para actualizar.</translation>
    </message>
    <message>
        <source>Ready to install Larkspan Drive</source>
        <comment></comment>
        <translation>Listo para instalar Larkspan Drive</translation>
    </message>
    <message>
        <source>User name</source>
        <comment></comment>
        <translation>Nombre de usuario</translation>
    </message>
    <message>
        <source>File sharing is not available over a relay connection.</source>
        <comment></comment>
        <translation>El uso compartido de archivos no está disponible a través de una conexión de retransmisión.</translation>
    </message>
    <message>
        <source>Last page</source>
        <comment></comment>
        <translation>Última página</translation>
    </message>
    <message>
        <source>One-way upload</source>
        <comment></comment>
        <translation>Subida unidireccional</translation>
    </message>
    <message>
        <source>Setup is complete. %1 now keeps your files in sync.</source>
        <comment></comment>
        <translation>La configuración ha finalizado. Ahora %1 mantiene tus archivos sincronizados.</translation>
    </message>
    <message>
        <source>System default</source>
        <comment></comment>
        <translation>Predeterminado del sistema</translation>
    </message>
    <message>
        <source>A sync folder named %1 already exists. Choose another name.</source>
        <comment></comment>
        <translation>Ya existe una carpeta de sincronización llamada %1. Elige otro nombre.</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment></comment>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Choose the display language</source>
        <comment></comment>
        <translation>Elegir el idioma de la interfaz</translation>
    </message>
    <message>
        <source>The Larkspan Drive service is disabled on this Larkspan. Ask your administrator to enable it.</source>
        <comment></comment>
        <translation>El servicio Larkspan Drive está desactivado en este Larkspan. Pide a tu administrador que lo active.</translation>
    </message>
    <message>
        <source>Search for Larkspan servers on the local network</source>
        <comment></comment>
        <translation>Buscar servidores Larkspan en la red local</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <comment></comment>
        <translation>y %1 más</translation>
    </message>
    <message>
        <source>Connected</source>
        <comment></comment>
        <translation>Conectado</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <comment></comment>
        <translation>Martes</translation>
    </message>
    <message>
        <source>Read the following license agreement and accept it to continue.</source>
        <comment></comment>
        <translation>Lee el siguiente contrato de licencia y acéptalo para continuar.</translation>
    </message>
    <message>
        <source>Help</source>
        <comment></comment>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Launch Larkspan Drive now</source>
        <comment></comment>
        <translation>Iniciar Larkspan Drive ahora</translation>
    </message>
    <message>
        <source>User name:</source>
        <comment></comment>
        <translation>Nombre de usuario:</translation>
    </message>
    <message>
        <source>Finishing the automatic setup...</source>
        <comment></comment>
        <translation>Finalizando la configuración automática...</translation>
    </message>
    <message>
        <source>Summary</source>
        <comment></comment>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>Selective sync mode</source>
        <comment></comment>
        <translation>Modo de sincronización selectiva</translation>
    </message>
    <message>
        <source>Notifications</source>
        <comment></comment>
        <translation>Notificaciones</translation>
    </message>
    <message>
        <source>Choose a folder on the Larkspan and a folder on this computer to keep in sync.</source>
        <comment></comment>
        <translation>Elige una carpeta del Larkspan y una carpeta de este ordenador para mantenerlas sincronizadas.</translation>
    </message>
    <message>
        <source>Files whose names match these patterns are not synced. Use * as a wildcard, for example *.tmp.</source>
        <comment></comment>
        <translation>Los archivos cuyos nombres coinciden con estos patrones no se sincronizan. Usa * como comodín, por ejemplo *.tmp.</translation>
    </message>
    <message>
        <source>OK</source>
        <comment></comment>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Everyone with the link can view the files.</source>
        <comment></comment>
        <translation>Cualquier persona con el enlace puede ver los archivos.</translation>
    </message>
    <message>
        <source>Set sync folder</source>
        <comment></comment>
        <translation>Establecer carpeta de sincronización</translation>
    </message>
    <message>
        <source>Unlink</source>
        <comment></comment>
        <translation>Desvincular</translation>
    </message>
    <message>
        <source>Value</source>
        <comment></comment>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Selective sync</source>
        <comment></comment>
        <translation>Sincronización selectiva</translation>
    </message>
    <message>
        <source>Continue</source>
        <comment></comment>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <comment></comment>
        <translation>Error de inicialización.</translation>
    </message>
    <message>
        <source>Share files with others</source>
        <comment></comment>
        <translation>Comparte archivos con otras personas</translation>
    </message>
    <message>
        <source>Open Larkspan Drive</source>
        <comment></comment>
        <translation>Abrir Larkspan Drive</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment></comment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Change which features of Larkspan Drive are installed</source>
        <comment></comment>
        <translation>Cambiar las características de Larkspan Drive que están instaladas</translation>
    </message>
    <message>
        <source>Unable to get the user information.</source>
        <comment></comment>
        <translation>No se pudo obtener la información del usuario.</translation>
    </message>
    <message>
        <source>Status information</source>
        <comment></comment>
        <translation>Información de estado</translation>
    </message>
    <message>
        <source>The setup wizard will install Larkspan Drive on your computer. Click Next to continue or Cancel to exit.</source>
        <comment></comment>
        <translation>El asistente de instalación instalará Larkspan Drive en tu ordenador. Haz clic en Siguiente para continuar o en Cancelar para salir.</translation>
    </message>
    <message>
        <source>Show sync status icons on files and folders</source>
        <comment></comment>
        <translation>Mostrar iconos de estado de sincronización en archivos y carpetas</translation>
    </message>
    <message>
        <source>Change</source>
        <comment></comment>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Cancel setup</source>
        <comment></comment>
        <translation>Cancelar instalación</translation>
    </message>
    <message>
        <source>No proxy</source>
        <comment></comment>
        <translation>Sin proxy</translation>
    </message>
    <message>
        <source>The client could not be upgraded. Please try again later.</source>
        <comment></comment>
        <translation>No se pudo actualizar el cliente. Inténtalo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>Apply</source>
        <comment></comment>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Files in use</source>
        <comment></comment>
        <translation>Archivos en uso</translation>
    </message>
    <message>
        <source>Service disabled</source>
        <comment></comment>
        <translation>Servicio desactivado</translation>
    </message>
    <message>
        <source>Reading the connection settings...</source>
        <comment></comment>
        <translation>Leyendo los ajustes de conexión...</translation>
    </message>
    <message>
        <source>Mentioned you</source>
        <comment></comment>
        <translation>Te ha mencionado</translation>
    </message>
    <message>
        <source>Updating...</source>
        <comment></comment>
        <translation>Actualizando...</translation>
    </message>
    <message>
        <source>Language</source>
        <comment></comment>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <comment></comment>
        <translation>¡Enhorabuena!</translation>
    </message>
    <message>
        <source>Enable sharing</source>
        <comment></comment>
        <translation>Activar el uso compartido</translation>
    </message>
    <message>
        <source>The home folder service is not enabled for your account. Ask your administrator to enable it.</source>
        <comment></comment>
        <translation>El servicio de carpeta personal no está activado para tu cuenta. Pide a tu administrador que lo active.</translation>
    </message>
    <message>
        <source>August</source>
        <comment></comment>
        <translation>Agosto</translation>
    </message>
    <message>
        <source>Read and write</source>
        <comment></comment>
        <translation>Lectura y escritura</translation>
    </message>
    <message>
        <source>Remove</source>
        <comment></comment>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Larkspan Drive notification</source>
        <comment></comment>
        <translation>Notificación de Larkspan Drive</translation>
    </message>
    <message>
        <source>Open in the web portal</source>
        <comment></comment>
        <translation>Abrir en el portal web</translation>
    </message>
    <message>
        <source>The selected sync folder is not valid. Choose another folder.</source>
        <comment></comment>
        <translation>La carpeta de sincronización seleccionada no es válida. Elige otra carpeta.</translation>
    </message>
    <message>
        <source>This field cannot be left blank.</source>
        <comment></comment>
        <translation>Este campo no puede estar vacío.</translation>
    </message>
    <message>
        <source>Start Larkspan Drive when I sign in</source>
        <comment></comment>
        <translation>Iniciar Larkspan Drive al iniciar sesión</translation>
    </message>
    <message>
        <source>Some files that need to be updated are currently in use.</source>
        <comment></comment>
        <translation>Algunos archivos que deben actualizarse están en uso.</translation>
    </message>
    <message>
        <source>File extensions:</source>
        <comment></comment>
        <translation>Extensiones de archivo:</translation>
    </message>
    <message>
        <source>Shared with me</source>
        <comment></comment>
        <translation>Compartido conmigo</translation>
    </message>
    <message>
        <source>Stop downloading this version</source>
        <comment></comment>
        <translation>Detener la descarga de esta versión</translation>
    </message>
    <message>
        <source>Browse previous versions</source>
        <comment></comment>
        <translation>Examinar versiones anteriores</translation>
    </message>
    <message>
        <source>Unable to create the local folder %1.</source>
        <comment></comment>
        <translation>No se pudo crear la carpeta local %1.</translation>
    </message>
    <message>
        <source>Information</source>
        <comment></comment>
        <translation>Información</translation>
    </message>
    <message>
        <source>%1 is running.</source>
        <comment></comment>
        <translation>%1 se está ejecutando.</translation>
    </message>
    <message>
        <source>Larkspan Drive keeps the files on your Larkspan and your computers in sync.</source>
        <comment></comment>
        <translation>Larkspan Drive mantiene sincronizados los archivos de tu Larkspan y de tus ordenadores.</translation>
    </message>
    <message>
        <source>Do not show this message again</source>
        <comment></comment>
        <translation>No volver a mostrar este mensaje</translation>
    </message>
    <message>
        <source>Open the web portal</source>
        <comment></comment>
        <translation>Abrir el portal web</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <comment></comment>
        <translation>Actualización</translation>
    </message>
    <message>
        <source>Done</source>
        <comment></comment>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Choose how to finish the setup:</source>
        <comment></comment>
        <translation>Elige cómo finalizar la configuración:</translation>
    </message>
    <message>
        <source>When a file exists on both sides, both are kept and the local copy is renamed as a conflict file.</source>
        <comment></comment>
        <translation>Si un archivo existe en ambos lados, se conservan los dos y la copia local se renombra como archivo en conflicto.</translation>
    </message>
    <message>
        <source>Only the users and groups you choose can open the files.</source>
        <comment></comment>
        <translation>Solo los usuarios y grupos que elijas pueden abrir los archivos.</translation>
    </message>
    <message>
        <source>Invite people</source>
        <comment></comment>
        <translation>Invitar a personas</translation>
    </message>
    <message>
        <source>This computer</source>
        <comment></comment>
        <translation>Este ordenador</translation>
    </message>
    <message>
        <source>New shared item</source>
        <comment></comment>
        <translation>Nuevo elemento compartido</translation>
    </message>
    <message>
        <source>Uploading</source>
        <comment></comment>
        <translation>Subiendo</translation>
    </message>
    <message>
        <source>Automatic connection is not allowed by the server settings.</source>
        <comment></comment>
        <translation>Los ajustes del servidor no permiten la conexión automática.</translation>
    </message>
    <message>
        <source>Restricted</source>
        <comment></comment>
        <translation>Restringido</translation>
    </message>
    <message>
        <source>Proxy</source>
        <comment></comment>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Keep both files and add the computer name to the local copy</source>
        <comment></comment>
        <translation>Conservar ambos archivos y añadir el nombre del ordenador a la copia local</translation>
    </message>
    <message>
        <source>Close the applications automatically and try to restart them afterwards.</source>
        <comment></comment>
        <translation>Cerrar automáticamente las aplicaciones e intentar reiniciarlas después.</translation>
    </message>
    <message>
        <source>This version of the client is too old. Upgrade Larkspan Drive to the latest version.</source>
        <comment></comment>
        <translation>Esta versión del cliente es demasiado antigua. Actualiza Larkspan Drive a la última versión.</translation>
    </message>
    <message>
        <source>Users and groups</source>
        <comment></comment>
        <translation>Usuarios y grupos</translation>
    </message>
    <message>
        <source>Right-click a file in your sync folder and choose Share link to share it with anyone.</source>
        <comment></comment>
        <translation>Haz clic con el botón derecho en un archivo de tu carpeta de sincronización y elige Compartir enlace para compartirlo con cualquier persona.</translation>
    </message>
    <message>
        <source>Link permission</source>
        <comment></comment>
        <translation>Permiso del enlace</translation>
    </message>
    <message>
        <source>The server&apos;s SSL certificate could not be verified.</source>
        <comment></comment>
        <translation>No se pudo verificar el certificado SSL del servidor.</translation>
    </message>
    <message>
        <source>Repairs the most recent installation by restoring missing or damaged files and shortcuts.</source>
        <comment></comment>
        <translation>Repara la instalación más reciente restaurando los archivos y accesos directos que falten o estén dañados.</translation>
    </message>
    <message>
        <source>Sync mode</source>
        <comment></comment>
        <translation>Modo de sincronización</translation>
    </message>
    <message>
        <source>No previous versions are available for this file.</source>
        <comment></comment>
        <translation>No hay versiones anteriores disponibles para este archivo.</translation>
    </message>
    <message>
        <source>The remote folder is not mounted.</source>
        <comment></comment>
        <translation>La carpeta remota no está montada.</translation>
    </message>
    <message>
        <source>Type</source>
        <comment></comment>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <comment></comment>
        <translation>Contrato de licencia para el usuario final</translation>
    </message>
    <message>
        <source>Expire after a number of visits</source>
        <comment></comment>
        <translation>Caducar tras un número de visitas</translation>
    </message>
    <message>
        <source>Signed-in users can view the files.</source>
        <comment></comment>
        <translation>Los usuarios que han iniciado sesión pueden ver los archivos.</translation>
    </message>
    <message>
        <source>The Larkspan Drive ID is not valid.</source>
        <comment></comment>
        <translation>El ID de Larkspan Drive no es válido.</translation>
    </message>
    <message>
        <source>Change, repair or remove the installation</source>
        <comment></comment>
        <translation>Cambiar, reparar o quitar la instalación</translation>
    </message>
    <message>
        <source>Connection unstable</source>
        <comment></comment>
        <translation>Conexión inestable</translation>
    </message>
    <message>
        <source>Date</source>
        <comment></comment>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <comment></comment>
        <translation>Escribe %1 caracteres como máximo.</translation>
    </message>
    <message>
        <source>This computer was linked to a different server. Link %1 again to continue.</source>
        <comment></comment>
        <translation>Este ordenador estaba vinculado a otro servidor. Vuelve a vincular %1 para continuar.</translation>
    </message>
    <message>
        <source>No valid folder is selected.</source>
        <comment></comment>
        <translation>No se ha seleccionado ninguna carpeta válida.</translation>
    </message>
    <message>
        <source>Version mismatch</source>
        <comment></comment>
        <translation>Versiones incompatibles</translation>
    </message>
    <message>
        <source>No data</source>
        <comment></comment>
        <translation>Sin datos</translation>
    </message>
    <message>
        <source>Setup was interrupted by an error.</source>
        <comment></comment>
        <translation>La instalación se ha interrumpido debido a un error.</translation>
    </message>
    <message>
        <source>Open file</source>
        <comment></comment>
        <translation>Abrir archivo</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment></comment>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>A new version is available. Click to update to %1.</source>
        <comment></comment>
        <translation>Hay una versión nueva disponible. Haz clic para actualizar a %1.</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment></comment>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Unable to delete the shared item.</source>
        <comment></comment>
        <translation>No se pudo eliminar el elemento compartido.</translation>
    </message>
    <message>
        <source>Error</source>
        <comment></comment>
        <translation>Error</translation>
    </message>
    <message>
        <source>Unable to list the versions of this file.</source>
        <comment></comment>
        <translation>No se pudieron enumerar las versiones de este archivo.</translation>
    </message>
    <message>
        <source>%1 minutes ago</source>
        <comment></comment>
        <translation>Hace %1 minutos</translation>
    </message>
    <message>
        <source>Larkspan Drive encountered an error.</source>
        <comment></comment>
        <translation>Larkspan Drive ha encontrado un error.</translation>
    </message>
    <message>
        <source>Resume syncing these folders</source>
        <comment></comment>
        <translation>Reanudar la sincronización de estas carpetas</translation>
    </message>
    <message>
        <source>Add folder</source>
        <comment></comment>
        <translation>Añadir carpeta</translation>
    </message>
    <message>
        <source>Lets you change the way the features are installed.</source>
        <comment></comment>
        <translation>Permite cambiar la forma en que se instalan las características.</translation>
    </message>
    <message>
        <source>Choose how you want to set up Larkspan Drive.</source>
        <comment></comment>
        <translation>Elige cómo quieres configurar Larkspan Drive.</translation>
    </message>
    <message>
        <source>Repair the installation</source>
        <comment></comment>
        <translation>Reparar la instalación</translation>
    </message>
    <message>
        <source>When a file was changed on both sides:</source>
        <comment></comment>
        <translation>Cuando un archivo se ha modificado en ambos lados:</translation>
    </message>
    <message>
        <source>Later</source>
        <comment></comment>
        <translation>Más tarde</translation>
    </message>
    <message>
        <source>The folder %1 already exists. Do you want to merge the two folders?</source>
        <comment></comment>
        <translation>La carpeta %1 ya existe. ¿Quieres combinar las dos carpetas?</translation>
    </message>
    <message>
        <source>New shared item received</source>
        <comment></comment>
        <translation>Nuevo elemento compartido recibido</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <comment></comment>
        <translation>Mostrar notificaciones de escritorio</translation>
    </message>
    <message>
        <source>Larkspan Drive does not support the protocol used by this server.</source>
        <comment></comment>
        <translation>Larkspan Drive no admite el protocolo que usa este servidor.</translation>
    </message>
    <message>
        <source>The local disk is full. Larkspan Drive has paused syncing.</source>
        <comment></comment>
        <translation>El disco local está lleno. Larkspan Drive ha pausado la sincronización.</translation>
    </message>
    <message>
        <source>No shared items</source>
        <comment></comment>
        <translation>No hay elementos compartidos</translation>
    </message>
    <message>
        <source>Authentication failed. Check your user name and password.</source>
        <comment></comment>
        <translation>Error de autenticación. Comprueba tu nombre de usuario y contraseña.</translation>
    </message>
    <message>
        <source>Choose the folders to keep in sync.</source>
        <comment></comment>
        <translation>Elige las carpetas que quieres mantener sincronizadas.</translation>
    </message>
    <message>
        <source>Paused</source>
        <comment></comment>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>%1 is initializing...</source>
        <comment></comment>
        <translation>Inicializando %1...</translation>
    </message>
    <message>
        <source>Up to date</source>
        <comment></comment>
        <translation>Actualizado</translation>
    </message>
    <message>
        <source>Download cancelled.</source>
        <comment></comment>
        <translation>Descarga cancelada.</translation>
    </message>
    <message>
        <source>Larkspan Drive could not be upgraded.</source>
        <comment></comment>
        <translation>No se pudo actualizar Larkspan Drive.</translation>
    </message>
    <message>
        <source>Your files, everywhere.</source>
        <comment></comment>
        <translation>Tus archivos, en todas partes.</translation>
    </message>
    <message>
        <source>Sync the files that other users share with you.</source>
        <comment></comment>
        <translation>Sincroniza los archivos que otros usuarios comparten contigo.</translation>
    </message>
    <message>
        <source>Change, repair or remove Larkspan Drive.</source>
        <comment></comment>
        <translation>Cambiar, reparar o quitar Larkspan Drive.</translation>
    </message>
    <message>
        <source>Installing Larkspan Drive</source>
        <comment></comment>
        <translation>Instalando Larkspan Drive</translation>
    </message>
    <message>
        <source>Keep both files and rename the conflicting one</source>
        <comment></comment>
        <translation>Conservar ambos archivos y renombrar el que está en conflicto</translation>
    </message>
    <message>
        <source>The server version is not supported. Ask your administrator to upgrade the server.</source>
        <comment></comment>
        <translation>La versión del servidor no es compatible. Pide a tu administrador que actualice el servidor.</translation>
    </message>
    <message>
        <source>Version</source>
        <comment></comment>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Resume syncing this folder</source>
        <comment></comment>
        <translation>Reanudar la sincronización de esta carpeta</translation>
    </message>
    <message>
        <source>Show Larkspan Drive in the file manager&apos;s context menu</source>
        <comment></comment>
        <translation>Mostrar Larkspan Drive en el menú contextual del gestor de archivos</translation>
    </message>
    <message>
        <source>About</source>
        <comment></comment>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Comments</source>
        <comment></comment>
        <translation>Comentarios</translation>
    </message>
    <message>
        <source>The relay service is disabled on the server.</source>
        <comment></comment>
        <translation>El servicio de retransmisión está desactivado en el servidor.</translation>
    </message>
    <message>
        <source>Last week</source>
        <comment></comment>
        <translation>La semana pasada</translation>
    </message>
    <message>
        <source>Checking data...</source>
        <comment></comment>
        <translation>Comprobando los datos...</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <comment></comment>
        <translation>Sincronizando...</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment></comment>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>%1 items</source>
        <comment></comment>
        <translation>%1 elementos</translation>
    </message>
    <message>
        <source>Download</source>
        <comment></comment>
        <translation>Descarga</translation>
    </message>
    <message>
        <source>%1 days ago</source>
        <comment></comment>
        <translation>Hace %1 días</translation>
    </message>
    <message>
        <source>Open settings</source>
        <comment></comment>
        <translation>Abrir ajustes</translation>
    </message>
    <message>
        <source>Unable to get the link to the file.</source>
        <comment></comment>
        <translation>No se pudo obtener el enlace al archivo.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. %1 will merge its content with the server.</source>
        <comment></comment>
        <translation>La carpeta seleccionada no está vacía. %1 combinará su contenido con el del servidor.</translation>
    </message>
    <message>
        <source>Reconnect</source>
        <comment></comment>
        <translation>Volver a conectar</translation>
    </message>
    <message>
        <source>Monday</source>
        <comment></comment>
        <translation>Lunes</translation>
    </message>
    <message>
        <source>The shared folder conflicts with an existing sync folder.</source>
        <comment></comment>
        <translation>La carpeta compartida entra en conflicto con una carpeta de sincronización existente.</translation>
    </message>
    <message>
        <source>Sync task from %1 to %2</source>
        <comment></comment>
        <translation>Tarea de sincronización de %1 a %2</translation>
    </message>
    <message>
        <source>Mount point</source>
        <comment></comment>
        <translation>Punto de montaje</translation>
    </message>
    <message>
        <source>Folder not empty</source>
        <comment></comment>
        <translation>Carpeta no vacía</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <comment></comment>
        <translation>Desvinculando...</translation>
    </message>
    <message>
        <source>Time</source>
        <comment></comment>
        <translation>Hora</translation>
    </message>
    <message>
        <source>%1 does not support the protocol used by this server.</source>
        <comment></comment>
        <translation>%1 no admite el protocolo que usa este servidor.</translation>
    </message>
    <message>
        <source>Folder path</source>
        <comment></comment>
        <translation>Ruta de la carpeta</translation>
    </message>
    <message>
        <source>February</source>
        <comment></comment>
        <translation>Febrero</translation>
    </message>
    <message>
        <source>The server&apos;s certificate could not be verified. Syncing is paused.</source>
        <comment></comment>
        <translation>No se pudo verificar el certificado del servidor. La sincronización está en pausa.</translation>
    </message>
    <message>
        <source>Close the applications that use these files.</source>
        <comment></comment>
        <translation>Cierra las aplicaciones que usan estos archivos.</translation>
    </message>
    <message>
        <source>Automatic connection failed because of a system error.</source>
        <comment></comment>
        <translation>La conexión automática ha fallado debido a un error del sistema.</translation>
    </message>
    <message>
        <source>Show icons on files that are not synced</source>
        <comment></comment>
        <translation>Mostrar iconos en los archivos que no se sincronizan</translation>
    </message>
    <message>
        <source>Larkspan Drive setup was interrupted. Your system has not been changed.</source>
        <comment></comment>
        <translation>Se ha interrumpido la instalación de Larkspan Drive. No se ha realizado ningún cambio en el sistema.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has changed.</source>
        <comment></comment>
        <translation>El certificado del servidor ha cambiado.</translation>
    </message>
    <message>
        <source>Files are stored in your local sync folder, for example /home/user/​LarkspanDrive.</source>
        <comment></comment>
        <translation>Los archivos se guardan en tu carpeta de sincronización local, por ejemplo /home/user/​LarkspanDrive.</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the installation of Larkspan Drive?</source>
        <comment></comment>
        <translation>¿Seguro que quieres cancelar la instalación de Larkspan Drive?</translation>
    </message>
    <message>
        <source>ID</source>
        <comment></comment>
        <translation>ID</translation>
    </message>
    <message>
        <source>%1 has been downloaded.</source>
        <comment></comment>
        <translation>Se ha descargado %1.</translation>
    </message>
    <message>
        <source>The connection is inactive.</source>
        <comment></comment>
        <translation>La conexión está inactiva.</translation>
    </message>
    <message>
        <source>Changes in folders on network drives may not be detected right away.</source>
        <comment></comment>
        <translation>Es posible que los cambios en carpetas de unidades de red no se detecten de inmediato.</translation>
    </message>
    <message>
        <source>Share</source>
        <comment></comment>
        <translation>Compartir</translation>
    </message>
    <message>
        <source>%1 encountered an error.</source>
        <comment></comment>
        <translation>%1 ha encontrado un error.</translation>
    </message>
    <message>
        <source>First page</source>
        <comment></comment>
        <translation>Primera página</translation>
    </message>
    <message>
        <source>Resume</source>
        <comment></comment>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Unable to enable sharing.</source>
        <comment></comment>
        <translation>No se pudo activar el uso compartido.</translation>
    </message>
    <message>
        <source>The local disk is full. %1 has paused syncing.</source>
        <comment></comment>
        <translation>El disco local está lleno. %1 ha pausado la sincronización.</translation>
    </message>
    <message>
        <source>Custom duration</source>
        <comment></comment>
        <translation>Duración personalizada</translation>
    </message>
    <message>
        <source>Remove this download</source>
        <comment></comment>
        <translation>Quitar esta descarga</translation>
    </message>
    <message>
        <source>I accept the terms of the License Agreement</source>
        <comment></comment>
        <translation>Acepto los términos del contrato de licencia</translation>
    </message>
    <message>
        <source>Select a folder on your computer to sync.</source>
        <comment></comment>
        <translation>Selecciona una carpeta de tu ordenador para sincronizarla.</translation>
    </message>
    <message>
        <source>Action</source>
        <comment></comment>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Sync tasks</source>
        <comment></comment>
        <translation>Tareas de sincronización</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment></comment>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Click Finish to close the setup wizard.</source>
        <comment></comment>
        <translation>Haz clic en Finalizar para cerrar el asistente de instalación.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Larkspan Drive will merge its content with the server.</source>
        <comment></comment>
        <translation>La carpeta seleccionada no está vacía. Larkspan Drive combinará su contenido con el del servidor.</translation>
    </message>
    <message>
        <source>The disk of the Larkspan is full.</source>
        <comment></comment>
        <translation>El disco del Larkspan está lleno.</translation>
    </message>
    <message>
        <source>Manage</source>
        <comment></comment>
        <translation>Administrar</translation>
    </message>
    <message>
        <source>The setup wizard lets you change the way Larkspan Drive is installed, repair it or remove it. Click Next to continue or Cancel to exit.</source>
        <comment></comment>
        <translation>El asistente de instalación te permite cambiar la forma en que se instala Larkspan Drive, repararlo o quitarlo. Haz clic en Siguiente para continuar o en Cancelar para salir.</translation>
    </message>
    <message>
        <source>%1 requested access to %2</source>
        <comment></comment>
        <translation>%1 ha solicitado acceso a %2</translation>
    </message>
    <message>
        <source>Connected through the Internet</source>
        <comment></comment>
        <translation>Conectado a través de Internet</translation>
    </message>
    <message>
        <source>Sync your files</source>
        <comment></comment>
        <translation>Sincroniza tus archivos</translation>
    </message>
    <message>
        <source>Unable to download this version.</source>
        <comment></comment>
        <translation>No se pudo descargar esta versión.</translation>
    </message>
    <message>
        <source>Larkspan Drive setup ended because of an error. Your system has not been changed.</source>
        <comment></comment>
        <translation>La instalación de Larkspan Drive ha finalizado debido a un error. No se ha realizado ningún cambio en el sistema.</translation>
    </message>
    <message>
        <source>Files shared with you appear in the %1 folder on this computer.</source>
        <comment></comment>
        <translation>Los archivos compartidos contigo aparecen en la carpeta %1 de este ordenador.</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this connection?</source>
        <comment></comment>
        <translation>¿Seguro que quieres desvincular esta conexión?</translation>
    </message>
    <message>
        <source>Retry</source>
        <comment></comment>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>The proxy server requires a password</source>
        <comment></comment>
        <translation>El servidor proxy requiere una contraseña</translation>
    </message>
    <message>
        <source>Update to the latest version to use selective sync.</source>
        <comment></comment>
        <translation>Actualiza a la última versión para usar la sincronización selectiva.</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again in %1 minutes.</source>
        <comment></comment>
        <translation>Demasiados intentos fallidos. Inténtalo de nuevo dentro de %1 minutos.</translation>
    </message>
    <message>
        <source>File name</source>
        <comment></comment>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>Inactive</source>
        <comment></comment>
        <translation>Inactivo</translation>
    </message>
    <message>
        <source>You can change these settings at any time in %1.</source>
        <comment></comment>
        <translation>Puedes cambiar estos ajustes en cualquier momento en %1.</translation>
    </message>
    <message>
        <source>This version of Larkspan Drive is already installed. Do you want to install it again?</source>
        <comment></comment>
        <translation>Esta versión de Larkspan Drive ya está instalada. ¿Quieres volver a instalarla?</translation>
    </message>
    <message>
        <source>The quota of the shared folder is full.</source>
        <comment></comment>
        <translation>Se ha agotado la cuota de la carpeta compartida.</translation>
    </message>
    <message>
        <source>The shared folder is not mounted.</source>
        <comment></comment>
        <translation>La carpeta compartida no está montada.</translation>
    </message>
    <message>
        <source>%1 hours ago</source>
        <comment></comment>
        <translation>Hace %1 horas</translation>
    </message>
    <message>
        <source>Completed the Larkspan Drive Setup Wizard</source>
        <comment></comment>
        <translation>Se ha completado el asistente de instalación de Larkspan Drive</translation>
    </message>
    <message>
        <source>January</source>
        <comment></comment>
        <translation>Enero</translation>
    </message>
    <message>
        <source>Choose the folders to sync and the sync settings yourself.</source>
        <comment></comment>
        <translation>Elige manualmente las carpetas que se sincronizan y los ajustes de sincronización.</translation>
    </message>
    <message>
        <source>The Larkspan has changed. Link it again to continue.</source>
        <comment></comment>
        <translation>El Larkspan ha cambiado. Vuelve a vincularlo para continuar.</translation>
    </message>
    <message>
        <source>%1 is now syncing your files.</source>
        <comment></comment>
        <translation>Ahora %1 está sincronizando tus archivos.</translation>
    </message>
    <message>
        <source>Unable to create a link for this item.</source>
        <comment></comment>
        <translation>No se pudo crear un enlace para este elemento.</translation>
    </message>
    <message>
        <source>I do not accept the terms of the License Agreement</source>
        <comment></comment>
        <translation>No acepto los términos del contrato de licencia</translation>
    </message>
    <message>
        <source>Sync</source>
        <comment></comment>
        <translation>Sincronización</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <comment></comment>
        <translation>Ayer</translation>
    </message>
    <message>
        <source>Downloads of previous versions</source>
        <comment></comment>
        <translation>Descargas de versiones anteriores</translation>
    </message>
    <message>
        <source>Sync history</source>
        <comment></comment>
        <translation>Historial de sincronización</translation>
    </message>
    <message>
        <source>Share link</source>
        <comment></comment>
        <translation>Compartir enlace</translation>
    </message>
    <message>
        <source>Repair</source>
        <comment></comment>
        <translation>Reparar</translation>
    </message>
    <message>
        <source>Open the Larkspan in your browser</source>
        <comment></comment>
        <translation>Abrir el Larkspan en el navegador</translation>
    </message>
    <message>
        <source>%1 commented on %2</source>
        <comment></comment>
        <translation>%1 ha comentado en %2</translation>
    </message>
    <message>
        <source>The maximum number of shared items has been reached.</source>
        <comment></comment>
        <translation>Se ha alcanzado el número máximo de elementos compartidos.</translation>
    </message>
    <message>
        <source>Shared</source>
        <comment></comment>
        <translation>Compartido</translation>
    </message>
    <message>
        <source>The local disk is full.</source>
        <comment></comment>
        <translation>El disco local está lleno.</translation>
    </message>
    <message>
        <source>Setup interrupted</source>
        <comment></comment>
        <translation>Instalación interrumpida</translation>
    </message>
    <message>
        <source>The local sync folder cannot be found.</source>
        <comment></comment>
        <translation>No se encuentra la carpeta de sincronización local.</translation>
    </message>
    <message>
        <source>Put your files in the sync folder, and they stay up to date on all your devices.</source>
        <comment></comment>
        <translation>Coloca tus archivos en la carpeta de sincronización y se mantendrán actualizados en todos tus dispositivos.</translation>
    </message>
    <message>
        <source>Expire after</source>
        <comment></comment>
        <translation>Caduca tras</translation>
    </message>
    <message>
        <source>June</source>
        <comment></comment>
        <translation>Junio</translation>
    </message>
    <message>
        <source>Select the operation you want to perform.</source>
        <comment></comment>
        <translation>Selecciona la operación que quieres realizar.</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <comment></comment>
        <translation>Archivos temporales</translation>
    </message>
    <message>
        <source>Your quota on the Larkspan is full. Free some space or choose another folder.</source>
        <comment></comment>
        <translation>Tu cuota en el Larkspan se ha agotado. Libera espacio o elige otra carpeta.</translation>
    </message>
    <message>
        <source>Enter the address and port of the proxy server.</source>
        <comment></comment>
        <translation>Introduce la dirección y el puerto del servidor proxy.</translation>
    </message>
    <message>
        <source>Folder on the Larkspan</source>
        <comment></comment>
        <translation>Carpeta en el Larkspan</translation>
    </message>
    <message>
        <source>Renamed on this computer</source>
        <comment></comment>
        <translation>Renombrado en este ordenador</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <comment></comment>
        <translation>Error de autenticación</translation>
    </message>
    <message>
        <source>Sunday</source>
        <comment></comment>
        <translation>Domingo</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <comment></comment>
        <translation>Miércoles</translation>
    </message>
    <message>
        <source>Automatic setup is configured.</source>
        <comment></comment>
        <translation>La configuración automática está establecida.</translation>
    </message>
    <message>
        <source>New folder on the Larkspan</source>
        <comment></comment>
        <translation>Nueva carpeta en el Larkspan</translation>
    </message>
    <message>
        <source>Display</source>
        <comment></comment>
        <translation>Visualización</translation>
    </message>
    <message>
        <source>A newer version of %1 is already installed. Setup will now exit.</source>
        <comment></comment>
        <translation>Ya hay instalada una versión más reciente de %1. El programa de instalación se cerrará.</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment></comment>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Local sync folder</source>
        <comment></comment>
        <translation>Carpeta de sincronización local</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <comment></comment>
        <translation>Tamaño máximo de archivo (MB):</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <comment></comment>
        <translation>Conectando...</translation>
    </message>
    <message>
        <source>Access request</source>
        <comment></comment>
        <translation>Solicitud de acceso</translation>
    </message>
    <message>
        <source>Larkspan Drive is ready.</source>
        <comment></comment>
        <translation>Larkspan Drive está listo.</translation>
    </message>
    <message>
        <source>Set up</source>
        <comment></comment>
        <translation>Configurar</translation>
    </message>
    <message>
        <source>Do not sync this folder</source>
        <comment></comment>
        <translation>No sincronizar esta carpeta</translation>
    </message>
    <message>
        <source>This server needs a newer version of Larkspan Drive. Upgrade now?</source>
        <comment></comment>
        <translation>Este servidor necesita una versión más reciente de Larkspan Drive. ¿Quieres actualizar ahora?</translation>
    </message>
    <message>
        <source>Choose a sync folder</source>
        <comment></comment>
        <translation>Elegir una carpeta de sincronización</translation>
    </message>
    <message>
        <source>Password</source>
        <comment></comment>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Today</source>
        <comment></comment>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>Your quota on the Larkspan is full.</source>
        <comment></comment>
        <translation>Tu cuota en el Larkspan se ha agotado.</translation>
    </message>
    <message>
        <source>Sync and share files across all your devices.</source>
        <comment></comment>
        <translation>Sincroniza y comparte archivos en todos tus dispositivos.</translation>
    </message>
    <message>
        <source>No permission</source>
        <comment></comment>
        <translation>Sin permiso</translation>
    </message>
    <message>
        <source>Destination</source>
        <comment></comment>
        <translation>Destino</translation>
    </message>
    <message>
        <source>The sync folder is on a volume that is not mounted.</source>
        <comment></comment>
        <translation>La carpeta de sincronización está en un volumen que no está montado.</translation>
    </message>
    <message>
        <source>Choose a different folder on this computer.</source>
        <comment></comment>
        <translation>Elige otra carpeta en este ordenador.</translation>
    </message>
    <message>
        <source>Use a black-and-white tray icon</source>
        <comment></comment>
        <translation>Usar un icono en blanco y negro en el área de notificación</translation>
    </message>
    <message>
        <source>The verification code is not valid.</source>
        <comment></comment>
        <translation>El código de verificación no es válido.</translation>
    </message>
    <message>
        <source>No connection is available for this file.</source>
        <comment></comment>
        <translation>No hay ninguna conexión disponible para este archivo.</translation>
    </message>
    <message>
        <source>Keep files on the Larkspan when they are deleted from this computer</source>
        <comment></comment>
        <translation>Conservar los archivos en el Larkspan cuando se eliminen de este ordenador</translation>
    </message>
    <message>
        <source>One-way download</source>
        <comment></comment>
        <translation>Descarga unidireccional</translation>
    </message>
    <message>
        <source>Port:</source>
        <comment></comment>
        <translation>Puerto:</translation>
    </message>
    <message>
        <source>Last month</source>
        <comment></comment>
        <translation>El mes pasado</translation>
    </message>
    <message>
        <source>Version %1.%2.%3, build %4</source>
        <comment></comment>
        <translation>Versión %1.%2.%3, compilación %4</translation>
    </message>
    <message>
        <source>Your IP address is not allowed to connect.</source>
        <comment></comment>
        <translation>Tu dirección IP no tiene permiso para conectarse.</translation>
    </message>
    <message>
        <source>Sync a folder that someone shared with you.</source>
        <comment></comment>
        <translation>Sincroniza una carpeta que alguien ha compartido contigo.</translation>
    </message>
    <message>
        <source>Filter the sync log</source>
        <comment></comment>
        <translation>Filtrar el registro de sincronización</translation>
    </message>
    <message>
        <source>You can only read this folder. Changes you make to it are not uploaded.</source>
        <comment></comment>
        <translation>Solo puedes leer esta carpeta. Los cambios que hagas en ella no se suben.</translation>
    </message>
    <message>
        <source>Keyword</source>
        <comment></comment>
        <translation>Palabra clave</translation>
    </message>
    <message>
        <source>Do not sync files larger than %1 MB</source>
        <comment></comment>
        <translation>No sincronizar archivos de más de %1 MB</translation>
    </message>
    <message>
        <source>Next month</source>
        <comment></comment>
        <translation>Mes siguiente</translation>
    </message>
    <message>
        <source>Remote destination</source>
        <comment></comment>
        <translation>Destino remoto</translation>
    </message>
    <message>
        <source>Your account is not allowed to sync this folder.</source>
        <comment></comment>
        <translation>Tu cuenta no tiene permiso para sincronizar esta carpeta.</translation>
    </message>
    <message>
        <source>Unable to download %1.</source>
        <comment></comment>
        <translation>No se pudo descargar %1.</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <comment></comment>
        <translation>Ajustes avanzados</translation>
    </message>
    <message>
        <source>Welcome to %1. Sign in to get started.</source>
        <comment></comment>
        <translation>Te damos la bienvenida a %1. Inicia sesión para empezar.</translation>
    </message>
    <message>
        <source>Welcome to the Larkspan Drive Setup Wizard</source>
        <comment></comment>
        <translation>Te damos la bienvenida al asistente de instalación de Larkspan Drive</translation>
    </message>
    <message>
        <source>This computer was linked to a different Larkspan. Link it again to continue.</source>
        <comment></comment>
        <translation>Este ordenador estaba vinculado a otro Larkspan. Vuelve a vincularlo para continuar.</translation>
    </message>
    <message>
        <source>The shared folder no longer exists.</source>
        <comment></comment>
        <translation>La carpeta compartida ya no existe.</translation>
    </message>
    <message>
        <source>December</source>
        <comment></comment>
        <translation>Diciembre</translation>
    </message>
    <message>
        <source>Overview</source>
        <comment></comment>
        <translation>Información general</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <comment></comment>
        <translation>Usar los ajustes de proxy del sistema</translation>
    </message>
    <message>
        <source>No sync history</source>
        <comment></comment>
        <translation>No hay historial de sincronización</translation>
    </message>
    <message>
        <source>Some files could not be synced. Click to see the details.</source>
        <comment></comment>
        <translation>Algunos archivos no se pudieron sincronizar. Haz clic para ver los detalles.</translation>
    </message>
    <message>
        <source>Setup ended because of an error</source>
        <comment></comment>
        <translation>La instalación ha finalizado debido a un error</translation>
    </message>
    <message>
        <source>Drive</source>
        <comment></comment>
        <translation>Drive</translation>
    </message>
    <message>
        <source>October</source>
        <comment></comment>
        <translation>Octubre</translation>
    </message>
    <message>
        <source>Your changes have not been saved. Save them now?</source>
        <comment></comment>
        <translation>Tus cambios no se han guardado. ¿Quieres guardarlos ahora?</translation>
    </message>
    <message>
        <source>This computer is already linked to this Larkspan.</source>
        <comment></comment>
        <translation>Este ordenador ya está vinculado a este Larkspan.</translation>
    </message>
    <message>
        <source>There is not enough space on the local disk for Larkspan Drive.</source>
        <comment></comment>
        <translation>No hay suficiente espacio en el disco local para Larkspan Drive.</translation>
    </message>
    <message>
        <source>Do not sync files with these names:</source>
        <comment></comment>
        <translation>No sincronizar archivos con estos nombres:</translation>
    </message>
    <message>
        <source>Available from</source>
        <comment></comment>
        <translation>Disponible desde</translation>
    </message>
    <message>
        <source>Shows the tray icon in black and white to match your desktop theme.</source>
        <comment></comment>
        <translation>Muestra el icono del área de notificación en blanco y negro para que combine con el tema del escritorio.</translation>
    </message>
    <message>
        <source>Status</source>
        <comment></comment>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Sync one of your folders on the Larkspan with this computer.</source>
        <comment></comment>
        <translation>Sincroniza una de tus carpetas del Larkspan con este ordenador.</translation>
    </message>
    <message>
        <source>Indexing the folder...</source>
        <comment></comment>
        <translation>Indexando la carpeta...</translation>
    </message>
    <message>
        <source>Your user name or password is incorrect.</source>
        <comment></comment>
        <translation>El nombre de usuario o la contraseña no son correctos.</translation>
    </message>
    <message>
        <source>You do not have permission to use Larkspan Drive. Ask your administrator.</source>
        <comment></comment>
        <translation>No tienes permiso para usar Larkspan Drive. Consulta a tu administrador.</translation>
    </message>
    <message>
        <source>Try syncing again</source>
        <comment></comment>
        <translation>Volver a intentar la sincronización</translation>
    </message>
    <message>
        <source>Filter settings</source>
        <comment></comment>
        <translation>Ajustes de filtro</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <comment></comment>
        <translation>Configuración manual del proxy</translation>
    </message>
    <message>
        <source>Status:</source>
        <comment></comment>
        <translation>Estado:</translation>
    </message>
    <message>
        <source>July</source>
        <comment></comment>
        <translation>Julio</translation>
    </message>
    <message>
        <source>No</source>
        <comment></comment>
        <translation>No</translation>
    </message>
    <message>
        <source>Version not supported</source>
        <comment></comment>
        <translation>Versión no compatible</translation>
    </message>
    <message>
        <source>Sync now</source>
        <comment></comment>
        <translation>Sincronizar ahora</translation>
    </message>
    <message>
        <source>This folder was synced by another user. Choose another folder.</source>
        <comment></comment>
        <translation>Otro usuario ha sincronizado esta carpeta. Elige otra carpeta.</translation>
    </message>
    <message>
        <source>Create a KestrinDrive folder in the selected location</source>
        <comment></comment>
        <translation>Crear una carpeta KestrinDrive en la ubicación seleccionada</translation>
    </message>
    <message>
        <source>You do not have permission to write to this folder. Choose another folder.</source>
        <comment></comment>
        <translation>No tienes permiso para escribir en esta carpeta. Elige otra carpeta.</translation>
    </message>
    <message>
        <source>This folder is read-only. Changes are not synced to %1.</source>
        <comment></comment>
        <translation>Esta carpeta es de solo lectura. Los cambios no se sincronizan con %1.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment></comment>
        <translation>Del %1 al %2</translation>
    </message>
    <message>
        <source>Got it</source>
        <comment></comment>
        <translation>Entendido</translation>
    </message>
    <message>
        <source>Welcome to Larkspan Drive</source>
        <comment></comment>
        <translation>Te damos la bienvenida a Larkspan Drive</translation>
    </message>
    <message>
        <source>Network settings</source>
        <comment></comment>
        <translation>Ajustes de red</translation>
    </message>
    <message>
        <source>The setup wizard is ready to begin the repair.</source>
        <comment></comment>
        <translation>El asistente de instalación está listo para comenzar la reparación.</translation>
    </message>
    <message>
        <source>This client version is not supported by the server. Upgrade to continue syncing.</source>
        <comment></comment>
        <translation>El servidor no admite esta versión del cliente. Actualízala para seguir sincronizando.</translation>
    </message>
    <message>
        <source>Size</source>
        <comment></comment>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>The server version is too old. Ask your administrator to upgrade it.</source>
        <comment></comment>
        <translation>La versión del servidor es demasiado antigua. Pide a tu administrador que la actualice.</translation>
    </message>
    <message>
        <source>Everyone with the link can view and edit the files.</source>
        <comment></comment>
        <translation>Cualquier persona con el enlace puede ver y editar los archivos.</translation>
    </message>
    <message>
        <source>Edit</source>
        <comment></comment>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Signed-in users can view and edit the files.</source>
        <comment></comment>
        <translation>Los usuarios que han iniciado sesión pueden ver y editar los archivos.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <comment></comment>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Change, repair or remove the installation.</source>
        <comment></comment>
        <translation>Cambiar, reparar o quitar la instalación.</translation>
    </message>
    <message>
        <source>Just now</source>
        <comment></comment>
        <translation>Ahora mismo</translation>
    </message>
    <message>
        <source>New sync folder</source>
        <comment></comment>
        <translation>Nueva carpeta de sincronización</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <comment></comment>
        <translation>Uso compartido activado</translation>
    </message>
    <message>
        <source>Sync error</source>
        <comment></comment>
        <translation>Error de sincronización</translation>
    </message>
    <message>
        <source>Merge mode</source>
        <comment></comment>
        <translation>Modo de combinación</translation>
    </message>
    <message>
        <source>Connection information</source>
        <comment></comment>
        <translation>Información de la conexión</translation>
    </message>
    <message>
        <source>Remove Larkspan Drive</source>
        <comment></comment>
        <translation>Quitar Larkspan Drive</translation>
    </message>
    <message>
        <source>Next %1 pages</source>
        <comment></comment>
        <translation>Siguientes %1 páginas</translation>
    </message>
    <message>
        <source>Show sync status</source>
        <comment></comment>
        <translation>Mostrar el estado de sincronización</translation>
    </message>
    <message>
        <source>My files</source>
        <comment></comment>
        <translation>Mis archivos</translation>
    </message>
    <message>
        <source>Create a sync task</source>
        <comment></comment>
        <translation>Crear una tarea de sincronización</translation>
    </message>
    <message>
        <source>Create a LarkspanDrive folder in the selected location</source>
        <comment></comment>
        <translation>Crear una carpeta LarkspanDrive en la ubicación seleccionada</translation>
    </message>
    <message>
        <source>Skipped file names</source>
        <comment></comment>
        <translation>Nombres de archivo omitidos</translation>
    </message>
    <message>
        <source>The %1 ID is not valid.</source>
        <comment></comment>
        <translation>El ID de %1 no es válido.</translation>
    </message>
    <message>
        <source>Expire on</source>
        <comment></comment>
        <translation>Caduca el</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <comment></comment>
        <translation>Actualizando...</translation>
    </message>
    <message>
        <source>Start now</source>
        <comment></comment>
        <translation>Empezar ahora</translation>
    </message>
    <message>
        <source>Standby</source>
        <comment></comment>
        <translation>En espera</translation>
    </message>
    <message>
        <source>Progress</source>
        <comment></comment>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>%1 changes detected</source>
        <comment></comment>
        <translation>%1 cambios detectados</translation>
    </message>
    <message>
        <source>Only download changes from the Larkspan; local changes are not uploaded.</source>
        <comment></comment>
        <translation>Solo descargar los cambios del Larkspan; los cambios locales no se suben.</translation>
    </message>
    <message>
        <source>A database error occurred.</source>
        <comment></comment>
        <translation>Se ha producido un error de la base de datos.</translation>
    </message>
    <message>
        <source>Enter the address of your Larkspan and your account.</source>
        <comment></comment>
        <translation>Introduce la dirección de tu Larkspan y los datos de tu cuenta.</translation>
    </message>
    <message>
        <source>On-demand sync</source>
        <comment></comment>
        <translation>Sincronización bajo demanda</translation>
    </message>
    <message>
        <source>New sync task</source>
        <comment></comment>
        <translation>Nueva tarea de sincronización</translation>
    </message>
    <message>
        <source>Upload</source>
        <comment></comment>
        <translation>Subida</translation>
    </message>
    <message>
        <source>Restrict access</source>
        <comment></comment>
        <translation>Restringir el acceso</translation>
    </message>
    <message>
        <source>Select the folders to sync</source>
        <comment></comment>
        <translation>Seleccionar carpetas para sincronizar</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <comment></comment>
        <translation>Seleccionar una carpeta</translation>
    </message>
    <message>
        <source>Setup mode</source>
        <comment></comment>
        <translation>Modo de configuración</translation>
    </message>
    <message>
        <source>Download only</source>
        <comment></comment>
        <translation>Solo descarga</translation>
    </message>
    <message>
        <source>General</source>
        <comment></comment>
        <translation>General</translation>
    </message>
    <message>
        <source>Saturday</source>
        <comment></comment>
        <translation>Sábado</translation>
    </message>
    <message>
        <source>Larkspan Drive works with a Larkspan server from Kestrin.</source>
        <comment></comment>
        <translation>Larkspan Drive funciona con un servidor Larkspan de Kestrin.</translation>
    </message>
    <message>
        <source>Unable to connect to the Larkspan.</source>
        <comment></comment>
        <translation>No se puede conectar con el Larkspan.</translation>
    </message>
    <message>
        <source>Connected through a relay</source>
        <comment></comment>
        <translation>Conectado a través de una retransmisión</translation>
    </message>
    <message>
        <source>Larkspan Drive is initializing...</source>
        <comment></comment>
        <translation>Inicializando Larkspan Drive...</translation>
    </message>
    <message>
        <source>Automatic setup failed. Set up Larkspan Drive manually.</source>
        <comment></comment>
        <translation>La configuración automática ha fallado. Configura Larkspan Drive manualmente.</translation>
    </message>
    <message>
        <source>Local destination</source>
        <comment></comment>
        <translation>Destino local</translation>
    </message>
    <message>
        <source>This folder is read-only. Changes are not synced to Larkspan Drive.</source>
        <comment></comment>
        <translation>Esta carpeta es de solo lectura. Los cambios no se sincronizan con Larkspan Drive.</translation>
    </message>
    <message>
        <source>Ignore</source>
        <comment></comment>
        <translation>Omitir</translation>
    </message>
    <message>
        <source>All events</source>
        <comment></comment>
        <translation>Todos los eventos</translation>
    </message>
    <message>
        <source>Sharing</source>
        <comment></comment>
        <translation>Uso compartido</translation>
    </message>
    <message>
        <source>Click Remove to remove Larkspan Drive from your computer.</source>
        <comment></comment>
        <translation>Haz clic en Quitar para quitar Larkspan Drive de tu ordenador.</translation>
    </message>
    <message>
        <source>This folder is already part of another sync task.</source>
        <comment></comment>
        <translation>Esta carpeta ya forma parte de otra tarea de sincronización.</translation>
    </message>
    <message>
        <source>A network error occurred. Check your connection and try again.</source>
        <comment></comment>
        <translation>Se ha producido un error de red. Comprueba la conexión e inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>Finish</source>
        <comment></comment>
        <translation>Finalizar</translation>
    </message>
    <message>
        <source>Enter a port number from %1 to %2.</source>
        <comment></comment>
        <translation>Introduce un número de puerto entre %1 y %2.</translation>
    </message>
    <message>
        <source>More information</source>
        <comment></comment>
        <translation>Más información</translation>
    </message>
    <message>
        <source>This folder is already synced.</source>
        <comment></comment>
        <translation>Esta carpeta ya se está sincronizando.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <comment></comment>
        <translation>Permiso denegado.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <comment></comment>
        <translation>Se ha producido un error desconocido.</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change your settings.</source>
        <comment></comment>
        <translation>Haz clic en Instalar para comenzar la instalación. Haz clic en Atrás para revisar o cambiar los ajustes.</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <comment></comment>
        <translation>Sincronización bidireccional</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <comment></comment>
        <translation>Descargando %1...</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <comment></comment>
        <translation>Aplicando los ajustes...</translation>
    </message>
    <message>
        <source>Switch Larkspan</source>
        <comment></comment>
        <translation>Cambiar de Larkspan</translation>
    </message>
    <message>
        <source>The file or folder does not exist.</source>
        <comment></comment>
        <translation>El archivo o la carpeta no existe.</translation>
    </message>
    <message>
        <source>Next</source>
        <comment></comment>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Change folder</source>
        <comment></comment>
        <translation>Cambiar carpeta</translation>
    </message>
    <message>
        <source>April</source>
        <comment></comment>
        <translation>Abril</translation>
    </message>
    <message>
        <source>The new language takes effect after Larkspan Drive restarts.</source>
        <comment></comment>
        <translation>El nuevo idioma se aplicará cuando se reinicie Larkspan Drive.</translation>
    </message>
    <message>
        <source>Choose another</source>
        <comment></comment>
        <translation>Elegir otro</translation>
    </message>
    <message>
        <source>Invalid argument.</source>
        <comment></comment>
        <translation>Argumento no válido.</translation>
    </message>
    <message>
        <source>Syncing %1 files</source>
        <comment></comment>
        <translation>Sincronizando %1 archivos</translation>
    </message>
    <message>
        <source>Sharing links is not enabled on the Larkspan.</source>
        <comment></comment>
        <translation>El uso compartido de enlaces no está activado en el Larkspan.</translation>
    </message>
    <message>
        <source>Recently updated files</source>
        <comment></comment>
        <translation>Archivos actualizados recientemente</translation>
    </message>
    <message>
        <source>Security warning</source>
        <comment></comment>
        <translation>Advertencia de seguridad</translation>
    </message>
    <message>
        <source>The following applications use files that setup needs to update. Close them and click Retry, or click Ignore to continue anyway.</source>
        <comment></comment>
        <translation>Las siguientes aplicaciones usan archivos que el programa de instalación debe actualizar. Ciérralas y haz clic en Reintentar, o haz clic en Omitir para continuar de todos modos.</translation>
    </message>
    <message>
        <source>Reach your files anywhere</source>
        <comment></comment>
        <translation>Accede a tus archivos desde cualquier lugar</translation>
    </message>
    <message>
        <source>Print</source>
        <comment></comment>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Create a new folder to sync.</source>
        <comment></comment>
        <translation>Crea una carpeta nueva para sincronizar.</translation>
    </message>
    <message>
        <source>The certificate of %1 has changed. Do you trust the new certificate?</source>
        <comment></comment>
        <translation>El certificado de %1 ha cambiado. ¿Confías en el nuevo certificado?</translation>
    </message>
    <message>
        <source>Larkspan Drive</source>
        <comment></comment>
        <translation>Larkspan Drive</translation>
    </message>
    <message>
        <source>Rename</source>
        <comment></comment>
        <translation>Renombrar</translation>
    </message>
    <message>
        <source>Folder already synced</source>
        <comment></comment>
        <translation>Carpeta ya sincronizada</translation>
    </message>
    <message>
        <source>Do not sync these folders</source>
        <comment></comment>
        <translation>No sincronizar estas carpetas</translation>
    </message>
    <message>
        <source>Folders that others share with you</source>
        <comment></comment>
        <translation>Carpetas que otros comparten contigo</translation>
    </message>
    <message>
        <source>Repair Larkspan Drive</source>
        <comment></comment>
        <translation>Reparar Larkspan Drive</translation>
    </message>
    <message>
        <source>Sync log category</source>
        <comment></comment>
        <translation>Categoría del registro de sincronización</translation>
    </message>
    <message>
        <source>Close these applications before setup continues:</source>
        <comment></comment>
        <translation>Cierra estas aplicaciones para que la instalación pueda continuar:</translation>
    </message>
    <message>
        <source>Add</source>
        <comment></comment>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>No options available</source>
        <comment></comment>
        <translation>No hay opciones disponibles</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of Larkspan Drive.</source>
        <comment></comment>
        <translation>Haz clic en Reparar para reparar la instalación de Larkspan Drive.</translation>
    </message>
    <message>
        <source>The sync direction does not match your permission on the folder.</source>
        <comment></comment>
        <translation>La dirección de sincronización no coincide con tu permiso sobre la carpeta.</translation>
    </message>
    <message>
        <source>You have chosen to remove the program from your computer.</source>
        <comment></comment>
        <translation>Has elegido quitar el programa de tu ordenador.</translation>
    </message>
    <message>
        <source>You are ready to use Larkspan Drive.</source>
        <comment></comment>
        <translation>Ya puedes usar Larkspan Drive.</translation>
    </message>
    <message>
        <source>Edit connection</source>
        <comment></comment>
        <translation>Editar conexión</translation>
    </message>
    <message>
        <source>Upgrade to version %1</source>
        <comment></comment>
        <translation>Actualizar a la versión %1</translation>
    </message>
    <message>
        <source>A newer version of Larkspan Drive is already installed. Setup will now exit.</source>
        <comment></comment>
        <translation>Ya hay instalada una versión más reciente de Larkspan Drive. El programa de instalación se cerrará.</translation>
    </message>
    <message>
        <source>Larkspan Drive is now syncing your files.</source>
        <comment></comment>
        <translation>Ahora Larkspan Drive está sincronizando tus archivos.</translation>
    </message>
    <message>
        <source>%1 files updated</source>
        <comment></comment>
        <translation>%1 archivos actualizados</translation>
    </message>
    <message>
        <source>Enter a user name.</source>
        <comment></comment>
        <translation>Introduce un nombre de usuario.</translation>
    </message>
    <message>
        <source>There is not enough space on the local disk for %1.</source>
        <comment></comment>
        <translation>No hay suficiente espacio en el disco local para %1.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <comment></comment>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Files shared with you appear in the Larkspan Drive folder on this computer.</source>
        <comment></comment>
        <translation>Los archivos compartidos contigo aparecen en la carpeta Larkspan Drive de este ordenador.</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <comment></comment>
        <translation>No, gracias</translation>
    </message>
    <message>
        <source>Public</source>
        <comment></comment>
        <translation>Público</translation>
    </message>
    <message>
        <source>Setup is complete.</source>
        <comment></comment>
        <translation>La configuración ha finalizado.</translation>
    </message>
    <message>
        <source>Open containing folder</source>
        <comment></comment>
        <translation>Abrir la carpeta contenedora</translation>
    </message>
    <message>
        <source>Removes Larkspan Drive from your computer.</source>
        <comment></comment>
        <translation>Quita Larkspan Drive de tu ordenador.</translation>
    </message>
    <message>
        <source>Show the Larkspan Drive tutorial</source>
        <comment></comment>
        <translation>Mostrar el tutorial de Larkspan Drive</translation>
    </message>
    <message>
        <source>Previous month</source>
        <comment></comment>
        <translation>Mes anterior</translation>
    </message>
    <message>
        <source>Shared folders</source>
        <comment></comment>
        <translation>Carpetas compartidas</translation>
    </message>
    <message>
        <source>Created</source>
        <comment></comment>
        <translation>Creado</translation>
    </message>
    <message>
        <source>Files you change on one device are updated on the others.</source>
        <comment></comment>
        <translation>Los archivos que cambias en un dispositivo se actualizan en los demás.</translation>
    </message>
    <message>
        <source>September</source>
        <comment></comment>
        <translation>Septiembre</translation>
    </message>
    <message>
        <source>Click Remove to continue, or Back to review your choice.</source>
        <comment></comment>
        <translation>Haz clic en Quitar para continuar o en Atrás para revisar tu elección.</translation>
    </message>
    <message>
        <source>Back</source>
        <comment></comment>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Folder name</source>
        <comment></comment>
        <translation>Nombre de la carpeta</translation>
    </message>
    <message>
        <source>Setup is complete. Larkspan Drive now keeps your files in sync.</source>
        <comment></comment>
        <translation>La configuración ha finalizado. Ahora Larkspan Drive mantiene tus archivos sincronizados.</translation>
    </message>
    <message>
        <source>May</source>
        <comment></comment>
        <translation>Mayo</translation>
    </message>
    <message>
        <source>Connected through the local network</source>
        <comment></comment>
        <translation>Conectado a través de la red local</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully.</source>
        <comment></comment>
        <translation>Lee atentamente el siguiente contrato de licencia.</translation>
    </message>
    <message>
        <source>Keep the most recently modified file</source>
        <comment></comment>
        <translation>Conservar el archivo modificado más recientemente</translation>
    </message>
    <message>
        <source>%1 mentioned you in %2</source>
        <comment></comment>
        <translation>%1 te ha mencionado en %2</translation>
    </message>
    <message>
        <source>Access to the selected folder was denied.</source>
        <comment></comment>
        <translation>Se ha denegado el acceso a la carpeta seleccionada.</translation>
    </message>
    <message>
        <source>Disk full</source>
        <comment></comment>
        <translation>Disco lleno</translation>
    </message>
    <message>
        <source>Signed-in users</source>
        <comment></comment>
        <translation>Usuarios que han iniciado sesión</translation>
    </message>
    <message>
        <source>Tutorial that introduces the main features of Larkspan Drive</source>
        <comment></comment>
        <translation>Tutorial que presenta las funciones principales de Larkspan Drive</translation>
    </message>
    <message>
        <source>Checking your password...</source>
        <comment></comment>
        <translation>Comprobando la contraseña...</translation>
    </message>
    <message>
        <source>All files are up to date.</source>
        <comment></comment>
        <translation>Todos los archivos están actualizados.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <comment></comment>
        <translation>Solo lectura</translation>
    </message>
    <message>
        <source>Your password has expired.</source>
        <comment></comment>
        <translation>Tu contraseña ha caducado.</translation>
    </message>
    <message>
        <source>Calendar</source>
        <comment></comment>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>Replace the file on this computer with the copy on the server</source>
        <comment></comment>
        <translation>Reemplazar el archivo de este ordenador por la copia del servidor</translation>
    </message>
    <message>
        <source>Do not close the applications. A restart will be required.</source>
        <comment></comment>
        <translation>No cerrar las aplicaciones. Será necesario reiniciar.</translation>
    </message>
    <message>
        <source>November</source>
        <comment></comment>
        <translation>Noviembre</translation>
    </message>
    <message>
        <source>Find a Larkspan on your local network</source>
        <comment></comment>
        <translation>Buscar un Larkspan en la red local</translation>
    </message>
    <message>
        <source>File name:</source>
        <comment></comment>
        <translation>Nombre de archivo:</translation>
    </message>
    <message>
        <source>Add file name</source>
        <comment></comment>
        <translation>Añadir nombre de archivo</translation>
    </message>
    <message>
        <source>Sync your home folder on the Larkspan with a folder on this computer, using the recommended settings.</source>
        <comment></comment>
        <translation>Sincroniza tu carpeta personal del Larkspan con una carpeta de este ordenador usando los ajustes recomendados.</translation>
    </message>
    <message>
        <source>Skip files whose names begin with a dot</source>
        <comment></comment>
        <translation>Omitir los archivos cuyo nombre empieza por un punto</translation>
    </message>
    <message>
        <source>Setup was cancelled.</source>
        <comment></comment>
        <translation>Se ha cancelado la instalación.</translation>
    </message>
    <message>
        <source>Name</source>
        <comment></comment>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Encrypt data transfers (SSL)</source>
        <comment></comment>
        <translation>Cifrar las transferencias de datos (SSL)</translation>
    </message>
    <message>
        <source>File type</source>
        <comment></comment>
        <translation>Tipo de archivo</translation>
    </message>
    <message>
        <source>Your quota on the Larkspan is full. Syncing is paused.</source>
        <comment></comment>
        <translation>Tu cuota en el Larkspan se ha agotado. La sincronización está en pausa.</translation>
    </message>
    <message>
        <source>Share name</source>
        <comment></comment>
        <translation>Nombre del recurso compartido</translation>
    </message>
    <message>
        <source>Setup is not running as an administrator, so Larkspan Drive will be installed for the current user only. Continue?</source>
        <comment></comment>
        <translation>El programa de instalación no se está ejecutando como administrador, por lo que Larkspan Drive solo se instalará para el usuario actual. ¿Quieres continuar?</translation>
    </message>
    <message>
        <source>Close the tutorial</source>
        <comment></comment>
        <translation>Cerrar el tutorial</translation>
    </message>
    <message>
        <source>About Larkspan Drive</source>
        <comment></comment>
        <translation>Acerca de Larkspan Drive</translation>
    </message>
    <message>
        <source>Apply and copy link</source>
        <comment></comment>
        <translation>Aplicar y copiar enlace</translation>
    </message>
    <message>
        <source>Password:</source>
        <comment></comment>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>Computer name</source>
        <comment></comment>
        <translation>Nombre del ordenador</translation>
    </message>
    <message>
        <source>Synced on all devices</source>
        <comment></comment>
        <translation>Sincronizado en todos los dispositivos</translation>
    </message>
    <message>
        <source>Currently syncing: %1</source>
        <comment></comment>
        <translation>Sincronizando: %1</translation>
    </message>
    <message>
        <source>Apply to all subfolders</source>
        <comment></comment>
        <translation>Aplicar a todas las subcarpetas</translation>
    </message>
    <message>
        <source>Files that match these rules are not synced.</source>
        <comment></comment>
        <translation>Los archivos que cumplen estas reglas no se sincronizan.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected shared items?</source>
        <comment></comment>
        <translation>¿Seguro que quieres eliminar los elementos compartidos seleccionados?</translation>
    </message>
    <message>
        <source>IP address</source>
        <comment></comment>
        <translation>Dirección IP</translation>
    </message>
    <message>
        <source>Your files are now syncing.</source>
        <comment></comment>
        <translation>Tus archivos se están sincronizando.</translation>
    </message>
    <message>
        <source>Some of the entries are not valid.</source>
        <comment></comment>
        <translation>Algunas entradas no son válidas.</translation>
    </message>
    <message>
        <source>A system error occurred while checking the folder.</source>
        <comment></comment>
        <translation>Se ha producido un error del sistema al comprobar la carpeta.</translation>
    </message>
    <message>
        <source>Unlink this sync task? Files that are already synced stay on this computer.</source>
        <comment></comment>
        <translation>¿Desvincular esta tarea de sincronización? Los archivos ya sincronizados se quedan en este ordenador.</translation>
    </message>
    <message>
        <source>The sign-in test failed. Check the user name and password.</source>
        <comment></comment>
        <translation>La prueba de inicio de sesión ha fallado. Comprueba el nombre de usuario y la contraseña.</translation>
    </message>
    <message>
        <source>Turning off sharing removes all existing links. Continue?</source>
        <comment></comment>
        <translation>Al desactivar el uso compartido se eliminan todos los enlaces existentes. ¿Quieres continuar?</translation>
    </message>
    <message>
        <source>Test connection</source>
        <comment></comment>
        <translation>Probar conexión</translation>
    </message>
    <message>
        <source>Install</source>
        <comment></comment>
        <translation>Instalar</translation>
    </message>
    <message>
        <source>Advanced setup</source>
        <comment></comment>
        <translation>Configuración avanzada</translation>
    </message>
    <message>
        <source>Click Repair to continue, or Back to review your choice.</source>
        <comment></comment>
        <translation>Haz clic en Reparar para continuar o en Atrás para revisar tu elección.</translation>
    </message>
    <message>
        <source>Installing the program files...</source>
        <comment></comment>
        <translation>Instalando los archivos del programa...</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app</source>
        <comment></comment>
        <translation>Introduce el código de verificación de tu aplicación de autenticación</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <comment></comment>
        <translation>Continuar de todos modos</translation>
    </message>
    <message>
        <source>March</source>
        <comment></comment>
        <translation>Marzo</translation>
    </message>
    <message>
        <source>You can change these settings at any time in Larkspan Drive.</source>
        <comment></comment>
        <translation>Puedes cambiar estos ajustes en cualquier momento en Larkspan Drive.</translation>
    </message>
    <message>
        <source>Proxy settings</source>
        <comment></comment>
        <translation>Ajustes del proxy</translation>
    </message>
    <message>
        <source>Remove the installation</source>
        <comment></comment>
        <translation>Quitar la instalación</translation>
    </message>
    <message>
        <source>Send to %1</source>
        <comment></comment>
        <translation>Enviar a %1</translation>
    </message>
    <message>
        <source>Synchronization mode</source>
        <comment></comment>
        <translation>Modo de sincronización</translation>
    </message>
    <message>
        <source>Refresh the sync log</source>
        <comment></comment>
        <translation>Actualizar el registro de sincronización</translation>
    </message>
    <message>
        <source>The content of both folders is merged. Nothing is deleted.</source>
        <comment></comment>
        <translation>El contenido de ambas carpetas se combina. No se elimina nada.</translation>
    </message>
    <message>
        <source>This version of %1 is already installed. Do you want to install it again?</source>
        <comment></comment>
        <translation>Esta versión de %1 ya está instalada. ¿Quieres volver a instalarla?</translation>
    </message>
    <message>
        <source>When the tray icon is double-clicked</source>
        <comment></comment>
        <translation>Al hacer doble clic en el icono del área de notificación</translation>
    </message>
    <message>
        <source>Open the web portal to reach your files from any browser.</source>
        <comment></comment>
        <translation>Abre el portal web para acceder a tus archivos desde cualquier navegador.</translation>
    </message>
    <message>
        <source>Click Finish to close the setup wizard and start using Larkspan Drive.</source>
        <comment></comment>
        <translation>Haz clic en Finalizar para cerrar el asistente de instalación y empezar a usar Larkspan Drive.</translation>
    </message>
    <message>
        <source>There are no changes to apply.</source>
        <comment></comment>
        <translation>No hay cambios que aplicar.</translation>
    </message>
    <message>
        <source>Network error.</source>
        <comment></comment>
        <translation>Error de red.</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <comment></comment>
        <translation>Preparando...</translation>
    </message>
    <message>
        <source>More tutorials</source>
        <comment></comment>
        <translation>Más tutoriales</translation>
    </message>
    <message>
        <source>Read-only folder</source>
        <comment></comment>
        <translation>Carpeta de solo lectura</translation>
    </message>
    <message>
        <source>Previous %1 pages</source>
        <comment></comment>
        <translation>%1 páginas anteriores</translation>
    </message>
    <message>
        <source>Start the tour</source>
        <comment></comment>
        <translation>Iniciar el recorrido</translation>
    </message>
    <message>
        <source>IP address details</source>
        <comment></comment>
        <translation>Detalles de la dirección IP</translation>
    </message>
    <message>
        <source>From</source>
        <comment></comment>
        <translation>Desde</translation>
    </message>
    <message>
        <source>Welcome to Larkspan Drive. Sign in to get started.</source>
        <comment></comment>
        <translation>Te damos la bienvenida a Larkspan Drive. Inicia sesión para empezar.</translation>
    </message>
    <message>
        <source>Sync problem</source>
        <comment></comment>
        <translation>Problema de sincronización</translation>
    </message>
    <message>
        <source>Local usage</source>
        <comment></comment>
        <translation>Uso local</translation>
    </message>
    <message>
        <source>Enable on-demand sync</source>
        <comment></comment>
        <translation>Activar la sincronización bajo demanda</translation>
    </message>
    <message>
        <source>Larkspan Drive has been installed.</source>
        <comment></comment>
        <translation>Larkspan Drive se ha instalado.</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <comment></comment>
        <translation>Desconectado</translation>
    </message>
    <message>
        <source>Locked</source>
        <comment></comment>
        <translation>Bloqueado</translation>
    </message>
    <message>
        <source>Change sync folder</source>
        <comment></comment>
        <translation>Cambiar carpeta de sincronización</translation>
    </message>
    <message>
        <source>Setup has finished.</source>
        <comment></comment>
        <translation>La instalación ha finalizado.</translation>
    </message>
    <message>
        <source>%1 shared %2 with you</source>
        <comment></comment>
        <translation>%1 ha compartido %2 contigo</translation>
    </message>
    <message>
        <source>Not found</source>
        <comment></comment>
        <translation>No encontrado</translation>
    </message>
    <message>
        <source>Reset</source>
        <comment></comment>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Installing the features you selected.</source>
        <comment></comment>
        <translation>Instalando las características seleccionadas.</translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <comment></comment>
        <translation>Se requiere un código de verificación.</translation>
    </message>
    <message>
        <source>%1 keeps the files on your Larkspan and your computers in sync.</source>
        <comment></comment>
        <translation>%1 mantiene sincronizados los archivos de tu Larkspan y de tus ordenadores.</translation>
    </message>
    <message>
        <source>There is not enough space on the disk of this computer.</source>
        <comment></comment>
        <translation>No hay suficiente espacio en el disco de este ordenador.</translation>
    </message>
    <message>
        <source>Connection type</source>
        <comment></comment>
        <translation>Tipo de conexión</translation>
    </message>
    <message>
        <source>Show the %1 tutorial</source>
        <comment></comment>
        <translation>Mostrar el tutorial de %1</translation>
    </message>
    <message>
        <source>You can also invite people to folders you own.</source>
        <comment></comment>
        <translation>También puedes invitar a otras personas a las carpetas que te pertenecen.</translation>
    </message>
    <message>
        <source>%1 could not be upgraded.</source>
        <comment></comment>
        <translation>No se pudo actualizar %1.</translation>
    </message>
    <message>
        <source>%1 works with a Larkspan server from Kestrin.</source>
        <comment></comment>
        <translation>%1 funciona con un servidor Larkspan de Kestrin.</translation>
    </message>
    <message>
        <source>Welcome</source>
        <comment></comment>
        <translation>Bienvenida</translation>
    </message>
    <message>
        <source>Custom range</source>
        <comment></comment>
        <translation>Intervalo personalizado</translation>
    </message>
    <message>
        <source>Sync %1 to this computer?</source>
        <comment></comment>
        <translation>¿Sincronizar %1 con este ordenador?</translation>
    </message>
    <message>
        <source>Quick setup</source>
        <comment></comment>
        <translation>Configuración rápida</translation>
    </message>
    <message>
        <source>Download history</source>
        <comment></comment>
        <translation>Historial de descargas</translation>
    </message>
    <message>
        <source>Use a relay connection when a direct connection is not possible</source>
        <comment></comment>
        <translation>Usar una conexión de retransmisión cuando no sea posible una conexión directa</translation>
    </message>
    <message>
        <source>Folders you clear are removed from this computer but kept on the Larkspan.</source>
        <comment></comment>
        <translation>Las carpetas que desmarques se quitarán de este ordenador, pero se conservarán en el Larkspan.</translation>
    </message>
    <message>
        <source>Link</source>
        <comment></comment>
        <translation>Enlace</translation>
    </message>
    <message>
        <source>Address:</source>
        <comment></comment>
        <translation>Dirección:</translation>
    </message>
    <message>
        <source>Download complete.</source>
        <comment></comment>
        <translation>Descarga completada.</translation>
    </message>
    <message>
        <source>Setup has all the information it needs to start copying the program files.</source>
        <comment></comment>
        <translation>El programa de instalación tiene toda la información necesaria para empezar a copiar los archivos del programa.</translation>
    </message>
    <message>
        <source>Sync activity</source>
        <comment></comment>
        <translation>Actividad de sincronización</translation>
    </message>
    <message>
        <source>Downloading</source>
        <comment></comment>
        <translation>Descargando</translation>
    </message>
    <message>
        <source>This wizard installs Larkspan Drive on your computer.</source>
        <comment></comment>
        <translation>Este asistente instala Larkspan Drive en tu ordenador.</translation>
    </message>
    <message>
        <source>To</source>
        <comment></comment>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>The server&apos;s certificate could not be verified. Connect anyway?</source>
        <comment></comment>
        <translation>No se pudo verificar el certificado del servidor. ¿Quieres conectarte de todos modos?</translation>
    </message>
    <message>
        <source>Larkspan Drive is running.</source>
        <comment></comment>
        <translation>Larkspan Drive se está ejecutando.</translation>
    </message>
    <message>
        <source>%1 has shared a new item with you.</source>
        <comment></comment>
        <translation>%1 ha compartido un elemento nuevo contigo.</translation>
    </message>
    <message>
        <source>A conflict occurred.</source>
        <comment></comment>
        <translation>Se ha producido un conflicto.</translation>
    </message>
    <message>
        <source>The selected folder is a mount point. Choose a folder on a local disk.</source>
        <comment></comment>
        <translation>La carpeta seleccionada es un punto de montaje. Elige una carpeta de un disco local.</translation>
    </message>
    <message>
        <source>Encryption</source>
        <comment></comment>
        <translation>Cifrado</translation>
    </message>
    <message>
        <source>Changes you make in your sync folder are synced with the Larkspan.</source>
        <comment></comment>
        <translation>Los cambios que hagas en tu carpeta de sincronización se sincronizan con el Larkspan.</translation>
    </message>
    <message>
        <source>Please wait while the setup wizard installs Larkspan Drive. This may take several minutes.</source>
        <comment></comment>
        <translation>Espera mientras el asistente de instalación instala Larkspan Drive. Esto puede tardar varios minutos.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has changed since your last connection. Continue?</source>
        <comment></comment>
        <translation>El certificado del servidor ha cambiado desde tu última conexión. ¿Quieres continuar?</translation>
    </message>
    <message>
        <source>%1 is ready.</source>
        <comment></comment>
        <translation>%1 está listo.</translation>
    </message>
    <message>
        <source>Search</source>
        <comment></comment>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Link a new Larkspan</source>
        <comment></comment>
        <translation>Vincular un nuevo Larkspan</translation>
    </message>
    <message>
        <source>Certificate verification failed.</source>
        <comment></comment>
        <translation>Error al verificar el certificado.</translation>
    </message>
    <message>
        <source>Starting Larkspan Drive...</source>
        <comment></comment>
        <translation>Iniciando Larkspan Drive...</translation>
    </message>
    <message>
        <source>On-demand sync could not be enabled.</source>
        <comment></comment>
        <translation>No se pudo activar la sincronización bajo demanda.</translation>
    </message>
    <message>
        <source>Setup complete</source>
        <comment></comment>
        <translation>Configuración completada</translation>
    </message>
    <message>
        <source>Your administrator requires two-step verification for your account.</source>
        <comment></comment>
        <translation>Tu administrador exige la verificación en dos pasos para tu cuenta.</translation>
    </message>
    <message>
        <source>Start %1 when I sign in</source>
        <comment></comment>
        <translation>Iniciar %1 al iniciar sesión</translation>
    </message>
    <message>
        <source>The selected folder is already synced by another task.</source>
        <comment></comment>
        <translation>La carpeta seleccionada ya la sincroniza otra tarea.</translation>
    </message>
    <message>
        <source>File</source>
        <comment></comment>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Recently changed</source>
        <comment></comment>
        <translation>Modificados recientemente</translation>
    </message>
</context>
</TS>
