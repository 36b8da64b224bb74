<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Enabled</source>
        <comment></comment>
        <translation>Ativado</translation>
    </message>
    <message>
        <source>Larkspan Drive has no optional features to change.</source>
        <comment></comment>
        <translation>O Larkspan Drive não tem funcionalidades opcionais para alterar.</translation>
    </message>
    <message>
        <source>Merge</source>
        <comment></comment>
        <translation>Fundir</translation>
    </message>
    <message>
        <source>Open folder</source>
        <comment></comment>
        <translation>Abrir pasta</translation>
    </message>
    <message>
        <source>Sync folder on this computer</source>
        <comment></comment>
        <translation>Pasta de sincronização neste computador</translation>
    </message>
    <message>
        <source>Tutorial that introduces the main features of %1</source>
        <comment></comment>
        <translation>Tutorial que apresenta as principais funcionalidades do %1</translation>
    </message>
    <message>
        <source>Renamed on the Larkspan</source>
        <comment></comment>
        <translation>Nome alterado no Larkspan</translation>
    </message>
    <message>
        <source>Friday</source>
        <comment></comment>
        <translation>Sexta-feira</translation>
    </message>
    <message>
        <source>Thursday</source>
        <comment></comment>
        <translation>Quinta-feira</translation>
    </message>
    <message>
        <source>The setup wizard is ready to begin the installation.</source>
        <comment></comment>
        <translation>O assistente de instalação está pronto para iniciar a instalação.</translation>
    </message>
    <message>
        <source>Select the files to sync</source>
        <comment></comment>
        <translation>Selecione os ficheiros a sincronizar</translation>
    </message>
    <message>
        <source>Loading...</source>
        <comment></comment>
        <translation>A carregar...</translation>
    </message>
    <message>
        <source>Sync direction</source>
        <comment></comment>
        <translation>Direção da sincronização</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <comment></comment>
        <translation>Está disponível uma nova versão. Clique para atualizar.</translation>
    </message>
    <message>
        <source>Ready to install Larkspan Drive</source>
        <comment></comment>
        <translation>Pronto para instalar o Larkspan Drive</translation>
    </message>
    <message>
        <source>User name</source>
        <comment></comment>
        <translation>Nome de utilizador</translation>
    </message>
    <message>
        <source>File sharing is not available over a relay connection.</source>
        <comment></comment>
        <translation>A partilha de ficheiros não está disponível através de uma ligação por retransmissão.</translation>
    </message>
    <message>
        <source>Last page</source>
        <comment></comment>
        <translation>Última página</translation>
    </message>
    <message>
        <source>One-way upload</source>
        <comment></comment>
        <translation>Envio unidirecional</translation>
    </message>
    <message>
        <source>Setup is complete. %1 now keeps your files in sync.</source>
        <comment></comment>
        <translation>A configuração está concluída. O %1 mantém agora os seus ficheiros sincronizados.</translation>
    </message>
    <message>
        <source>System default</source>
        <comment></comment>
        <translation>Predefinição do sistema</translation>
    </message>
    <message>
        <source>A sync folder named %1 already exists. Choose another name.</source>
        <comment></comment>
        <translation>Já existe uma pasta de sincronização com o nome %1. Escolha outro nome.</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment></comment>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Choose the display language</source>
        <comment></comment>
        <translation>Escolher o idioma de apresentação</translation>
    </message>
    <message>
        <source>The Larkspan Drive service is disabled on this Larkspan. Ask your administrator to enable it.</source>
        <comment></comment>
        <translation>O serviço Larkspan Drive está desativado neste Larkspan. Peça ao administrador para o ativar.</translation>
    </message>
    <message>
        <source>Search for Larkspan servers on the local network</source>
        <comment></comment>
        <translation>Procurar servidores Larkspan na rede local</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <comment></comment>
        <translation>e mais %1</translation>
    </message>
    <message>
        <source>Connected</source>
        <comment></comment>
        <translation>Ligado</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <comment></comment>
        <translation>Terça-feira</translation>
    </message>
    <message>
        <source>Read the following license agreement and accept it to continue.</source>
        <comment></comment>
        <translation>Leia o seguinte contrato de licença e aceite-o para continuar.</translation>
    </message>
    <message>
        <source>Help</source>
        <comment></comment>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Launch Larkspan Drive now</source>
        <comment></comment>
        <translation>Iniciar o Larkspan Drive agora</translation>
    </message>
    <message>
        <source>User name:</source>
        <comment></comment>
        <translation>Nome de utilizador:</translation>
    </message>
    <message>
        <source>Finishing the automatic setup...</source>
        <comment></comment>
        <translation>A concluir a configuração automática...</translation>
    </message>
    <message>
        <source>Summary</source>
        <comment></comment>
        <translation>Resumo</translation>
    </message>
    <message>
        <source>Selective sync mode</source>
        <comment></comment>
        <translation>Modo de sincronização seletiva</translation>
    </message>
    <message>
        <source>Notifications</source>
        <comment></comment>
        <translation>Notificações</translation>
    </message>
    <message>
        <source>Choose a folder on the Larkspan and a folder on this computer to keep in sync.</source>
        <comment></comment>
        <translation>Escolha uma pasta no Larkspan e uma pasta neste computador para manter sincronizadas.</translation>
    </message>
    <message>
        <source>Files whose names match these patterns are not synced. Use * as a wildcard, for example *.tmp.</source>
        <comment></comment>
        <translation>Os ficheiros cujos nomes correspondam a estes padrões não são sincronizados. Utilize * como caráter universal, por exemplo *.tmp.</translation>
    </message>
    <message>
        <source>OK</source>
        <comment></comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Everyone with the link can view the files.</source>
        <comment></comment>
        <translation>Qualquer pessoa com o link pode ver os ficheiros.</translation>
    </message>
    <message>
        <source>Set sync folder</source>
        <comment></comment>
        <translation>Definir pasta de sincronização</translation>
    </message>
    <message>
        <source>Unlink</source>
        <comment></comment>
        <translation>Desassociar</translation>
    </message>
    <message>
        <source>Value</source>
        <comment></comment>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Selective sync</source>
        <comment></comment>
        <translation>Sincronização seletiva</translation>
    </message>
    <message>
        <source>Continue</source>
        <comment></comment>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <comment></comment>
        <translation>Falha na inicialização.</translation>
    </message>
    <message>
        <source>Share files with others</source>
        <comment></comment>
        <translation>Partilhe ficheiros com outras pessoas</translation>
    </message>
    <message>
        <source>Open Larkspan Drive</source>
        <comment></comment>
        <translation>Abrir o Larkspan Drive</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment></comment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Change which features of Larkspan Drive are installed</source>
        <comment></comment>
        <translation>Alterar as funcionalidades do Larkspan Drive que estão instaladas</translation>
    </message>
    <message>
        <source>Unable to get the user information.</source>
        <comment></comment>
        <translation>Não foi possível obter as informações do utilizador.</translation>
    </message>
    <message>
        <source>Status information</source>
        <comment></comment>
        <translation>Informações de estado</translation>
    </message>
    <message>
        <source>The setup wizard will install Larkspan Drive on your computer. Click Next to continue or Cancel to exit.</source>
        <comment></comment>
        <translation>O assistente de instalação irá instalar o Larkspan Drive no seu computador. Clique em Seguinte para continuar ou em Cancelar para sair.</translation>
    </message>
    <message>
        <source>Show sync status icons on files and folders</source>
        <comment></comment>
        <translation>Mostrar ícones de estado da sincronização nos ficheiros e pastas</translation>
    </message>
    <message>
        <source>Change</source>
        <comment></comment>
        <translation>Alterar</translation>
    </message>
    <message>
        <source>Cancel setup</source>
        <comment></comment>
        <translation>Cancelar a instalação</translation>
    </message>
    <message>
        <source>No proxy</source>
        <comment></comment>
        <translation>Sem proxy</translation>
    </message>
    <message>
        <source>The client could not be upgraded. Please try again later.</source>
        <comment></comment>
        <translation>Não foi possível atualizar o cliente. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>Apply</source>
        <comment></comment>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Files in use</source>
        <comment></comment>
        <translation>Ficheiros em utilização</translation>
    </message>
    <message>
        <source>Service disabled</source>
        <comment></comment>
        <translation>Serviço desativado</translation>
    </message>
    <message>
        <source>Reading the connection settings...</source>
        <comment></comment>
        <translation>A ler as definições de ligação...</translation>
    </message>
    <message>
        <source>Mentioned you</source>
        <comment></comment>
        <translation>Menções</translation>
    </message>
    <message>
        <source>Updating...</source>
        <comment></comment>
        <translation>A atualizar...</translation>
    </message>
    <message>
        <source>Language</source>
        <comment></comment>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <comment></comment>
        <translation>Parabéns!</translation>
    </message>
    <message>
        <source>Enable sharing</source>
        <comment></comment>
        <translation>Ativar a partilha</translation>
    </message>
    <message>
        <source>The home folder service is not enabled for your account. Ask your administrator to enable it.</source>
        <comment></comment>
        <translation>O serviço de pasta pessoal não está ativado para a sua conta. Peça ao administrador para o ativar.</translation>
    </message>
    <message>
        <source>August</source>
        <comment></comment>
        <translation>Agosto</translation>
    </message>
    <message>
        <source>Read and write</source>
        <comment></comment>
        <translation>Leitura e escrita</translation>
    </message>
    <message>
        <source>Remove</source>
        <comment></comment>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Larkspan Drive notification</source>
        <comment></comment>
        <translation>Notificação do Larkspan Drive</translation>
    </message>
    <message>
        <source>Open in the web portal</source>
        <comment></comment>
        <translation>Abrir no portal Web</translation>
    </message>
    <message>
        <source>The selected sync folder is not valid. Choose another folder.</source>
        <comment></comment>
        <translation>A pasta de sincronização selecionada não é válida. Escolha outra pasta.</translation>
    </message>
    <message>
        <source>This field cannot be left blank.</source>
        <comment></comment>
        <translation>Este campo não pode ficar em branco.</translation>
    </message>
    <message>
        <source>Start Larkspan Drive when I sign in</source>
        <comment></comment>
        <translation>Abrir o Larkspan Drive ao iniciar sessão</translation>
    </message>
    <message>
        <source>Some files that need to be updated are currently in use.</source>
        <comment></comment>
        <translation>Alguns ficheiros que têm de ser atualizados estão atualmente em utilização.</translation>
    </message>
    <message>
        <source>File extensions:</source>
        <comment></comment>
        <translation>Extensões de ficheiro:</translation>
    </message>
    <message>
        <source>Shared with me</source>
        <comment></comment>
        <translation>Partilhado comigo</translation>
    </message>
    <message>
        <source>Stop downloading this version</source>
        <comment></comment>
        <translation>Parar a transferência desta versão</translation>
    </message>
    <message>
        <source>Browse previous versions</source>
        <comment></comment>
        <translation>Procurar versões anteriores</translation>
    </message>
    <message>
        <source>Unable to create the local folder %1.</source>
        <comment></comment>
        <translation>Não foi possível criar a pasta local %1.</translation>
    </message>
    <message>
        <source>Information</source>
        <comment></comment>
        <translation>Informações</translation>
    </message>
    <message>
        <source>%1 is running.</source>
        <comment></comment>
        <translation>O %1 está em execução.</translation>
    </message>
    <message>
        <source>Larkspan Drive keeps the files on your Larkspan and your computers in sync.</source>
        <comment></comment>
        <translation>O Larkspan Drive mantém sincronizados os ficheiros do seu Larkspan e dos seus computadores.</translation>
    </message>
    <message>
        <source>Do not show this message again</source>
        <comment></comment>
        <translation>Não mostrar esta mensagem novamente</translation>
    </message>
    <message>
        <source>Open the web portal</source>
        <comment></comment>
        <translation>Abrir o portal Web</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <comment></comment>
        <translation>Atualização</translation>
    </message>
    <message>
        <source>Done</source>
        <comment></comment>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Choose how to finish the setup:</source>
        <comment></comment>
        <translation>Escolha como pretende concluir a configuração:</translation>
    </message>
    <message>
        <source>When a file exists on both sides, both are kept and the local copy is renamed as a conflict file.</source>
        <comment></comment>
        <translation>Quando um ficheiro existe em ambos os lados, são mantidos os dois e a cópia local recebe um nome de ficheiro de conflito.</translation>
    </message>
    <message>
        <source>Only the users and groups you choose can open the files.</source>
        <comment></comment>
        <translation>Apenas os utilizadores e grupos que escolher podem abrir os ficheiros.</translation>
    </message>
    <message>
        <source>Invite people</source>
        <comment></comment>
        <translation>Convidar pessoas</translation>
    </message>
    <message>
        <source>This computer</source>
        <comment></comment>
        <translation>Este computador</translation>
    </message>
    <message>
        <source>New shared item</source>
        <comment></comment>
        <translation>Novo item partilhado</translation>
    </message>
    <message>
        <source>Uploading</source>
        <comment></comment>
        <translation>A enviar</translation>
    </message>
    <message>
        <source>Automatic connection is not allowed by the server settings.</source>
        <comment></comment>
        <translation>As definições do servidor não permitem a ligação automática.</translation>
    </message>
    <message>
        <source>Restricted</source>
        <comment></comment>
        <translation>Restrito</translation>
    </message>
    <message>
        <source>Proxy</source>
        <comment></comment>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Keep both files and add the computer name to the local copy</source>
        <comment></comment>
        <translation>Manter os dois ficheiros e adicionar o nome do computador à cópia local</translation>
    </message>
    <message>
        <source>Close the applications automatically and try to restart them afterwards.</source>
        <comment></comment>
        <translation>Fechar as aplicações automaticamente e tentar reiniciá-las depois.</translation>
    </message>
    <message>
        <source>This version of the client is too old. Upgrade Larkspan Drive to the latest version.</source>
        <comment></comment>
        <translation>Esta versão do cliente é demasiado antiga. Atualize o Larkspan Drive para a versão mais recente.</translation>
    </message>
    <message>
        <source>Users and groups</source>
        <comment></comment>
        <translation>Utilizadores e grupos</translation>
    </message>
    <message>
        <source>Right-click a file in your sync folder and choose Share link to share it with anyone.</source>
        <comment></comment>
        <translation>Clique com o botão direito do rato num ficheiro da pasta de sincronização e escolha Partilhar link para o partilhar com qualquer pessoa.</translation>
    </message>
    <message>
        <source>Link permission</source>
        <comment></comment>
        <translation>Permissão do link</translation>
    </message>
    <message>
        <source>The server&apos;s SSL certificate could not be verified.</source>
        <comment></comment>
        <translation>Não foi possível verificar o certificado SSL do servidor.</translation>
    </message>
    <message>
        <source>Repairs the most recent installation by restoring missing or damaged files and shortcuts.</source>
        <comment></comment>
        <translation>Repara a instalação mais recente ao restaurar ficheiros e atalhos em falta ou danificados.</translation>
    </message>
    <message>
        <source>Sync mode</source>
        <comment></comment>
        <translation>Modo de sincronização</translation>
    </message>
    <message>
        <source>No previous versions are available for this file.</source>
        <comment></comment>
        <translation>Não existem versões anteriores disponíveis para este ficheiro.</translation>
    </message>
    <message>
        <source>The remote folder is not mounted.</source>
        <comment></comment>
        <translation>A pasta remota não está montada.</translation>
    </message>
    <message>
        <source>Type</source>
        <comment></comment>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <comment></comment>
        <translation>Contrato de Licença de Utilizador Final</translation>
    </message>
    <message>
        <source>Expire after a number of visits</source>
        <comment></comment>
        <translation>Expirar após um número de acessos</translation>
    </message>
    <message>
        <source>Signed-in users can view the files.</source>
        <comment></comment>
        <translation>Os utilizadores com sessão iniciada podem ver os ficheiros.</translation>
    </message>
    <message>
        <source>The Larkspan Drive ID is not valid.</source>
        <comment></comment>
        <translation>O ID do Larkspan Drive não é válido.</translation>
    </message>
    <message>
        <source>Change, repair or remove the installation</source>
        <comment></comment>
        <translation>Alterar, reparar ou remover a instalação</translation>
    </message>
    <message>
        <source>Connection unstable</source>
        <comment></comment>
        <translation>Ligação instável</translation>
    </message>
    <message>
        <source>Date</source>
        <comment></comment>
        <translation>Data</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <comment></comment>
        <translation>Introduza no máximo %1 carateres.</translation>
    </message>
    <message>
        <source>This computer was linked to a different server. Link %1 again to continue.</source>
        <comment></comment>
        <translation>Este computador foi associado a outro servidor. Associe o %1 novamente para continuar.</translation>
    </message>
    <message>
        <source>No valid folder is selected.</source>
        <comment></comment>
        <translation>Não está selecionada nenhuma pasta válida.</translation>
    </message>
    <message>
        <source>Version mismatch</source>
        <comment></comment>
        <translation>Versão incompatível</translation>
    </message>
    <message>
        <source>No data</source>
        <comment></comment>
        <translation>Sem dados</translation>
    </message>
    <message>
        <source>Setup was interrupted by an error.</source>
        <comment></comment>
        <translation>A instalação foi interrompida por um erro.</translation>
    </message>
    <message>
        <source>Open file</source>
        <comment></comment>
        <translation>Abrir ficheiro</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment></comment>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>A new version is available. Click to update to %1.</source>
        <comment></comment>
        <translation>Está disponível uma nova versão. Clique para atualizar para %1.</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment></comment>
        <translation>Definições</translation>
    </message>
    <message>
        <source>Unable to delete the shared item.</source>
        <comment></comment>
        <translation>Não foi possível eliminar o item partilhado.</translation>
    </message>
    <message>
        <source>Error</source>
        <comment></comment>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Unable to list the versions of this file.</source>
        <comment></comment>
        <translation>Não foi possível listar as versões deste ficheiro.</translation>
    </message>
    <message>
        <source>%1 minutes ago</source>
        <comment></comment>
        <translation>Há %1 minutos</translation>
    </message>
    <message>
        <source>Larkspan Drive encountered an error.</source>
        <comment></comment>
        <translation>O Larkspan Drive encontrou um erro.</translation>
    </message>
    <message>
        <source>Resume syncing these folders</source>
        <comment></comment>
        <translation>Retomar a sincronização destas pastas</translation>
    </message>
    <message>
        <source>Add folder</source>
        <comment></comment>
        <translation>Adicionar pasta</translation>
    </message>
    <message>
        <source>Lets you change the way the features are installed.</source>
        <comment></comment>
        <translation>Permite alterar a forma como as funcionalidades são instaladas.</translation>
    </message>
    <message>
        <source>Choose how you want to set up Larkspan Drive.</source>
        <comment></comment>
        <translation>Escolha como pretende configurar o Larkspan Drive.</translation>
    </message>
    <message>
        <source>Repair the installation</source>
        <comment></comment>
        <translation>Reparar a instalação</translation>
    </message>
    <message>
        <source>When a file was changed on both sides:</source>
        <comment></comment>
        <translation>Quando um ficheiro foi alterado em ambos os lados:</translation>
    </message>
    <message>
        <source>Later</source>
        <comment></comment>
        <translation>Mais tarde</translation>
    </message>
    <message>
        <source>The folder %1 already exists. Do you want to merge the two folders?</source>
        <comment></comment>
        <translation>A pasta %1 já existe. Pretende fundir as duas pastas?</translation>
    </message>
    <message>
        <source>New shared item received</source>
        <comment></comment>
        <translation>Novo item partilhado recebido</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <comment></comment>
        <translation>Mostrar notificações no ambiente de trabalho</translation>
    </message>
    <message>
        <source>Larkspan Drive does not support the protocol used by this server.</source>
        <comment></comment>
        <translation>O Larkspan Drive não suporta o protocolo utilizado por este servidor.</translation>
    </message>
    <message>
        <source>The local disk is full. Larkspan Drive has paused syncing.</source>
        <comment></comment>
        <translation>O disco local está cheio. O Larkspan Drive colocou a sincronização em pausa.</translation>
    </message>
    <message>
        <source>No shared items</source>
        <comment></comment>
        <translation>Sem itens partilhados</translation>
    </message>
    <message>
        <source>Authentication failed. Check your user name and password.</source>
        <comment></comment>
        <translation>A autenticação falhou. Verifique o nome de utilizador e a palavra-passe.</translation>
    </message>
    <message>
        <source>Choose the folders to keep in sync.</source>
        <comment></comment>
        <translation>Escolha as pastas a manter sincronizadas.</translation>
    </message>
    <message>
        <source>Paused</source>
        <comment></comment>
        <translation>Em pausa</translation>
    </message>
    <message>
        <source>%1 is initializing...</source>
        <comment></comment>
        <translation>O %1 está a ser inicializado...</translation>
    </message>
    <message>
        <source>Up to date</source>
        <comment></comment>
        <translation>Atualizado</translation>
    </message>
    <message>
        <source>Download cancelled.</source>
        <comment></comment>
        <translation>Transferência cancelada.</translation>
    </message>
    <message>
        <source>Larkspan Drive could not be upgraded.</source>
        <comment></comment>
        <translation>Não foi possível atualizar o Larkspan Drive.</translation>
    </message>
    <message>
        <source>Your files, everywhere.</source>
        <comment></comment>
        <translation>Os seus ficheiros, em qualquer lugar.</translation>
    </message>
    <message>
        <source>Sync the files that other users share with you.</source>
        <comment></comment>
        <translation>Sincronize os ficheiros que outros utilizadores partilham consigo.</translation>
    </message>
    <message>
        <source>Change, repair or remove Larkspan Drive.</source>
        <comment></comment>
        <translation>Altere, repare ou remova o Larkspan Drive.</translation>
    </message>
    <message>
        <source>Installing Larkspan Drive</source>
        <comment></comment>
        <translation>A instalar o Larkspan Drive</translation>
    </message>
    <message>
        <source>Keep both files and rename the conflicting one</source>
        <comment></comment>
        <translation>Manter os dois ficheiros e mudar o nome do que está em conflito</translation>
    </message>
    <message>
        <source>The server version is not supported. Ask your administrator to upgrade the server.</source>
        <comment></comment>
        <translation>A versão do servidor não é suportada. Peça ao administrador para atualizar o servidor.</translation>
    </message>
    <message>
        <source>Version</source>
        <comment></comment>
        <translation>Versão</translation>
    </message>
    <message>
        <source>Resume syncing this folder</source>
        <comment></comment>
        <translation>Retomar a sincronização desta pasta</translation>
    </message>
    <message>
        <source>Show Larkspan Drive in the file manager&apos;s context menu</source>
        <comment></comment>
        <translation>Mostrar o Larkspan Drive no menu de contexto do gestor de ficheiros</translation>
    </message>
    <message>
        <source>About</source>
        <comment></comment>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Comments</source>
        <comment></comment>
        <translation>Comentários</translation>
    </message>
    <message>
        <source>The relay service is disabled on the server.</source>
        <comment></comment>
        <translation>O serviço de retransmissão está desativado no servidor.</translation>
    </message>
    <message>
        <source>Last week</source>
        <comment></comment>
        <translation>Semana passada</translation>
    </message>
    <message>
        <source>Checking data...</source>
        <comment></comment>
        <translation>A verificar os dados...</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <comment></comment>
        <translation>A sincronizar...</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment></comment>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>%1 items</source>
        <comment></comment>
        <translation>%1 itens</translation>
    </message>
    <message>
        <source>Download</source>
        <comment></comment>
        <translation>Transferência</translation>
    </message>
    <message>
        <source>%1 days ago</source>
        <comment></comment>
        <translation>Há %1 dias</translation>
    </message>
    <message>
        <source>Open settings</source>
        <comment></comment>
        <translation>Abrir as definições</translation>
    </message>
    <message>
        <source>Unable to get the link to the file.</source>
        <comment></comment>
        <translation>Não foi possível obter o link para o ficheiro.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. %1 will merge its content with the server.</source>
        <comment></comment>
        <translation>A pasta selecionada não está vazia. O %1 irá fundir o respetivo conteúdo com o servidor.</translation>
    </message>
    <message>
        <source>Reconnect</source>
        <comment></comment>
        <translation>Voltar a ligar</translation>
    </message>
    <message>
        <source>Monday</source>
        <comment></comment>
        <translation>Segunda-feira</translation>
    </message>
    <message>
        <source>The shared folder conflicts with an existing sync folder.</source>
        <comment></comment>
        <translation>A pasta partilhada entra em conflito com uma pasta de sincronização existente.</translation>
    </message>
    <message>
        <source>Sync task from %1 to %2</source>
        <comment></comment>
        <translation>Tarefa de sincronização de %1 para %2</translation>
    </message>
    <message>
        <source>Mount point</source>
        <comment></comment>
        <translation>Ponto de montagem</translation>
    </message>
    <message>
        <source>Folder not empty</source>
        <comment></comment>
        <translation>Pasta não vazia</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <comment></comment>
        <translation>A desassociar...</translation>
    </message>
    <message>
        <source>Time</source>
        <comment></comment>
        <translation>Hora</translation>
    </message>
    <message>
        <source>%1 does not support the protocol used by this server.</source>
        <comment></comment>
        <translation>O %1 não suporta o protocolo utilizado por este servidor.</translation>
    </message>
    <message>
        <source>Folder path</source>
        <comment></comment>
        <translation>Caminho da pasta</translation>
    </message>
    <message>
        <source>February</source>
        <comment></comment>
        <translation>Fevereiro</translation>
    </message>
    <message>
        <source>The server&apos;s certificate could not be verified. Syncing is paused.</source>
        <comment></comment>
        <translation>Não foi possível verificar o certificado do servidor. A sincronização está em pausa.</translation>
    </message>
    <message>
        <source>Close the applications that use these files.</source>
        <comment></comment>
        <translation>Feche as aplicações que estão a utilizar estes ficheiros.</translation>
    </message>
    <message>
        <source>Automatic connection failed because of a system error.</source>
        <comment></comment>
        <translation>A ligação automática falhou devido a um erro do sistema.</translation>
    </message>
    <message>
        <source>Show icons on files that are not synced</source>
        <comment></comment>
        <translation>Mostrar ícones nos ficheiros que não são sincronizados</translation>
    </message>
    <message>
        <source>Larkspan Drive setup was interrupted. Your system has not been changed.</source>
        <comment></comment>
        <translation>A instalação do Larkspan Drive foi interrompida. O sistema não foi alterado.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has changed.</source>
        <comment></comment>
        <translation>O certificado do servidor foi alterado.</translation>
    </message>
    <message>
        <source>Files are stored in your local sync folder, for example /home/user/​LarkspanDrive.</source>
        <comment></comment>
        <translation>Os ficheiros são guardados na sua pasta de sincronização local, por exemplo /home/user/​LarkspanDrive.</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the installation of Larkspan Drive?</source>
        <comment></comment>
        <translation>Tem a certeza de que pretende cancelar a instalação do Larkspan Drive?</translation>
    </message>
    <message>
        <source>ID</source>
        <comment></comment>
        <translation>ID</translation>
    </message>
    <message>
        <source>%1 has been downloaded.</source>
        <comment></comment>
        <translation>A transferência de %1 foi concluída.</translation>
    </message>
    <message>
        <source>The connection is inactive.</source>
        <comment></comment>
        <translation>A ligação está inativa.</translation>
    </message>
    <message>
        <source>Changes in folders on network drives may not be detected right away.</source>
        <comment></comment>
        <translation>As alterações em pastas de unidades de rede podem não ser detetadas de imediato.</translation>
    </message>
    <message>
        <source>Share</source>
        <comment></comment>
        <translation>Partilhar</translation>
    </message>
    <message>
        <source>%1 encountered an error.</source>
        <comment></comment>
        <translation>O %1 encontrou um erro.</translation>
    </message>
    <message>
        <source>First page</source>
        <comment></comment>
        <translation>Primeira página</translation>
    </message>
    <message>
        <source>Resume</source>
        <comment></comment>
        <translation>Retomar</translation>
    </message>
    <message>
        <source>Unable to enable sharing.</source>
        <comment></comment>
        <translation>Não foi possível ativar a partilha.</translation>
    </message>
    <message>
        <source>The local disk is full. %1 has paused syncing.</source>
        <comment></comment>
        <translation>O disco local está cheio. O %1 colocou a sincronização em pausa.</translation>
    </message>
    <message>
        <source>Custom duration</source>
        <comment></comment>
        <translation>Duração personalizada</translation>
    </message>
    <message>
        <source>Remove this download</source>
        <comment></comment>
        <translation>Remover esta transferência</translation>
    </message>
    <message>
        <source>I accept the terms of the License Agreement</source>
        <comment></comment>
        <translation>Aceito os termos do Contrato de Licença</translation>
    </message>
    <message>
        <source>Select a folder on your computer to sync.</source>
        <comment></comment>
        <translation>Selecione uma pasta do seu computador para sincronizar.</translation>
    </message>
    <message>
        <source>Action</source>
        <comment></comment>
        <translation>Ação</translation>
    </message>
    <message>
        <source>Sync tasks</source>
        <comment></comment>
        <translation>Tarefas de sincronização</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment></comment>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Click Finish to close the setup wizard.</source>
        <comment></comment>
        <translation>Clique em Concluir para fechar o assistente de instalação.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Larkspan Drive will merge its content with the server.</source>
        <comment></comment>
        <translation>A pasta selecionada não está vazia. O Larkspan Drive irá fundir o respetivo conteúdo com o servidor.</translation>
    </message>
    <message>
        <source>The disk of the Larkspan is full.</source>
        <comment></comment>
        <translation>O disco do Larkspan está cheio.</translation>
    </message>
    <message>
        <source>Manage</source>
        <comment></comment>
        <translation>Gerir</translation>
    </message>
    <message>
        <source>The setup wizard lets you change the way Larkspan Drive is installed, repair it or remove it. Click Next to continue or Cancel to exit.</source>
        <comment></comment>
        <translation>O assistente de instalação permite alterar a forma como o Larkspan Drive está instalado, repará-lo ou removê-lo. Clique em Seguinte para continuar ou em Cancelar para sair.</translation>
    </message>
    <message>
        <source>%1 requested access to %2</source>
        <comment></comment>
        <translation>%1 pediu acesso a %2</translation>
    </message>
    <message>
        <source>Connected through the Internet</source>
        <comment></comment>
        <translation>Ligado através da Internet</translation>
    </message>
    <message>
        <source>Sync your files</source>
        <comment></comment>
        <translation>Sincronize os seus ficheiros</translation>
    </message>
    <message>
        <source>Unable to download this version.</source>
        <comment></comment>
        <translation>Não foi possível transferir esta versão.</translation>
    </message>
    <message>
        <source>Larkspan Drive setup ended because of an error. Your system has not been changed.</source>
        <comment></comment>
        <translation>A instalação do Larkspan Drive terminou devido a um erro. O sistema não foi alterado.</translation>
    </message>
    <message>
        <source>Files shared with you appear in the %1 folder on this computer.</source>
        <comment></comment>
        <translation>Os ficheiros partilhados consigo aparecem na pasta %1 deste computador.</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this connection?</source>
        <comment></comment>
        <translation>Tem a certeza de que pretende desassociar esta ligação?</translation>
    </message>
    <message>
        <source>Retry</source>
        <comment></comment>
        <translation>Tentar novamente</translation>
    </message>
    <message>
        <source>The proxy server requires a password</source>
        <comment></comment>
        <translation>O servidor proxy requer uma palavra-passe</translation>
    </message>
    <message>
        <source>Update to the latest version to use selective sync.</source>
        <comment></comment>
        <translation>Atualize para a versão mais recente para utilizar a sincronização seletiva.</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again in %1 minutes.</source>
        <comment></comment>
        <translation>Demasiadas tentativas falhadas. Tente novamente daqui a %1 minutos.</translation>
    </message>
    <message>
        <source>File name</source>
        <comment></comment>
        <translation>Nome do ficheiro</translation>
    </message>
    <message>
        <source>Inactive</source>
        <comment></comment>
        <translation>Inativo</translation>
    </message>
    <message>
        <source>You can change these settings at any time in %1.</source>
        <comment></comment>
        <translation>Pode alterar estas definições em qualquer altura no %1.</translation>
    </message>
    <message>
        <source>This version of Larkspan Drive is already installed. Do you want to install it again?</source>
        <comment></comment>
        <translation>Esta versão do Larkspan Drive já está instalada. Pretende instalá-la novamente?</translation>
    </message>
    <message>
        <source>The quota of the shared folder is full.</source>
        <comment></comment>
        <translation>A quota da pasta partilhada está cheia.</translation>
    </message>
    <message>
        <source>The shared folder is not mounted.</source>
        <comment></comment>
        <translation>A pasta partilhada não está montada.</translation>
    </message>
    <message>
        <source>%1 hours ago</source>
        <comment></comment>
        <translation>Há %1 horas</translation>
    </message>
    <message>
        <source>Completed the Larkspan Drive Setup Wizard</source>
        <comment></comment>
        <translation>Assistente de Instalação do Larkspan Drive concluído</translation>
    </message>
    <message>
        <source>January</source>
        <comment></comment>
        <translation>Janeiro</translation>
    </message>
    <message>
        <source>Choose the folders to sync and the sync settings yourself.</source>
        <comment></comment>
        <translation>Escolha manualmente as pastas a sincronizar e as definições de sincronização.</translation>
    </message>
    <message>
        <source>The Larkspan has changed. Link it again to continue.</source>
        <comment></comment>
        <translation>O Larkspan mudou. Associe-o novamente para continuar.</translation>
    </message>
    <message>
        <source>%1 is now syncing your files.</source>
        <comment></comment>
        <translation>O %1 está agora a sincronizar os seus ficheiros.</translation>
    </message>
    <message>
        <source>Unable to create a link for this item.</source>
        <comment></comment>
        <translation>Não foi possível criar um link para este item.</translation>
    </message>
    <message>
        <source>I do not accept the terms of the License Agreement</source>
        <comment></comment>
        <translation>Não aceito os termos do Contrato de Licença</translation>
    </message>
    <message>
        <source>Sync</source>
        <comment></comment>
        <translation>Sincronização</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <comment></comment>
        <translation>Ontem</translation>
    </message>
    <message>
        <source>Downloads of previous versions</source>
        <comment></comment>
        <translation>Transferências de versões anteriores</translation>
    </message>
    <message>
        <source>Sync history</source>
        <comment></comment>
        <translation>Histórico de sincronização</translation>
    </message>
    <message>
        <source>Share link</source>
        <comment></comment>
        <translation>Partilhar link</translation>
    </message>
    <message>
        <source>Repair</source>
        <comment></comment>
        <translation>Reparar</translation>
    </message>
    <message>
        <source>Open the Larkspan in your browser</source>
        <comment></comment>
        <translation>Abrir o Larkspan no browser</translation>
    </message>
    <message>
        <source>%1 commented on %2</source>
        <comment></comment>
        <translation>%1 fez um comentário em %2</translation>
    </message>
    <message>
        <source>The maximum number of shared items has been reached.</source>
        <comment></comment>
        <translation>Foi atingido o número máximo de itens partilhados.</translation>
    </message>
    <message>
        <source>Shared</source>
        <comment></comment>
        <translation>Partilhados</translation>
    </message>
    <message>
        <source>The local disk is full.</source>
        <comment></comment>
        <translation>O disco local está cheio.</translation>
    </message>
    <message>
        <source>Setup interrupted</source>
        <comment></comment>
        <translation>Instalação interrompida</translation>
    </message>
    <message>
        <source>The local sync folder cannot be found.</source>
        <comment></comment>
        <translation>Não é possível encontrar a pasta de sincronização local.</translation>
    </message>
    <message>
        <source>Put your files in the sync folder, and they stay up to date on all your devices.</source>
        <comment></comment>
        <translation>Coloque os seus ficheiros na pasta de sincronização e estes ficam atualizados em todos os seus dispositivos.</translation>
    </message>
    <message>
        <source>Expire after</source>
        <comment></comment>
        <translation>Expirar após</translation>
    </message>
    <message>
        <source>June</source>
        <comment></comment>
        <translation>Junho</translation>
    </message>
    <message>
        <source>Select the operation you want to perform.</source>
        <comment></comment>
        <translation>Selecione a operação que pretende efetuar.</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <comment></comment>
        <translation>Ficheiros temporários</translation>
    </message>
    <message>
        <source>Your quota on the Larkspan is full. Free some space or choose another folder.</source>
        <comment></comment>
        <translation>A sua quota no Larkspan está cheia. Liberte espaço ou escolha outra pasta.</translation>
    </message>
    <message>
        <source>Enter the address and port of the proxy server.</source>
        <comment></comment>
        <translation>Introduza o endereço e a porta do servidor proxy.</translation>
    </message>
    <message>
        <source>Folder on the Larkspan</source>
        <comment></comment>
        <translation>Pasta no Larkspan</translation>
    </message>
    <message>
        <source>Renamed on this computer</source>
        <comment></comment>
        <translation>Nome alterado neste computador</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <comment></comment>
        <translation>A autenticação falhou</translation>
    </message>
    <message>
        <source>Sunday</source>
        <comment></comment>
        <translation>Domingo</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <comment></comment>
        <translation>Quarta-feira</translation>
    </message>
    <message>
        <source>Automatic setup is configured.</source>
        <comment></comment>
        <translation>A configuração automática está definida.</translation>
    </message>
    <message>
        <source>New folder on the Larkspan</source>
        <comment></comment>
        <translation>Nova pasta no Larkspan</translation>
    </message>
    <message>
        <source>Display</source>
        <comment></comment>
        <translation>Apresentação</translation>
    </message>
    <message>
        <source>A newer version of %1 is already installed. Setup will now exit.</source>
        <comment></comment>
        <translation>Já está instalada uma versão mais recente do %1. A instalação será terminada.</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment></comment>
        <translation>Sim</translation>
    </message>
    <message>
        <source>Local sync folder</source>
        <comment></comment>
        <translation>Pasta de sincronização local</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <comment></comment>
        <translation>Tamanho máximo de ficheiro (MB):</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <comment></comment>
        <translation>A ligar...</translation>
    </message>
    <message>
        <source>Access request</source>
        <comment></comment>
        <translation>Pedido de acesso</translation>
    </message>
    <message>
        <source>Larkspan Drive is ready.</source>
        <comment></comment>
        <translation>O Larkspan Drive está pronto.</translation>
    </message>
    <message>
        <source>Set up</source>
        <comment></comment>
        <translation>Configurar</translation>
    </message>
    <message>
        <source>Do not sync this folder</source>
        <comment></comment>
        <translation>Não sincronizar esta pasta</translation>
    </message>
    <message>
        <source>This server needs a newer version of Larkspan Drive. Upgrade now?</source>
        <comment></comment>
        <translation>Este servidor requer uma versão mais recente do Larkspan Drive. Atualizar agora?</translation>
    </message>
    <message>
        <source>Choose a sync folder</source>
        <comment></comment>
        <translation>Escolha uma pasta de sincronização</translation>
    </message>
    <message>
        <source>Password</source>
        <comment></comment>
        <translation>Palavra-passe</translation>
    </message>
    <message>
        <source>Today</source>
        <comment></comment>
        <translation>Hoje</translation>
    </message>
    <message>
        <source>Your quota on the Larkspan is full.</source>
        <comment></comment>
        <translation>A sua quota no Larkspan está cheia.</translation>
    </message>
    <message>
        <source>Sync and share files across all your devices.</source>
        <comment></comment>
        <translation>Sincronize e partilhe ficheiros em todos os seus dispositivos.</translation>
    </message>
    <message>
        <source>No permission</source>
        <comment></comment>
        <translation>Sem permissão</translation>
    </message>
    <message>
        <source>Destination</source>
        <comment></comment>
        <translation>Destino</translation>
    </message>
    <message>
        <source>The sync folder is on a volume that is not mounted.</source>
        <comment></comment>
        <translation>A pasta de sincronização está num volume que não está montado.</translation>
    </message>
    <message>
        <source>Choose a different folder on this computer.</source>
        <comment></comment>
        <translation>Escolha outra pasta neste computador.</translation>
    </message>
    <message>
        <source>Use a black-and-white tray icon</source>
        <comment></comment>
        <translation>Utilizar um ícone a preto e branco na área de notificação</translation>
    </message>
    <message>
        <source>The verification code is not valid.</source>
        <comment></comment>
        <translation>O código de verificação não é válido.</translation>
    </message>
    <message>
        <source>No connection is available for this file.</source>
        <comment></comment>
        <translation>Não existe nenhuma ligação disponível para este ficheiro.</translation>
    </message>
    <message>
        <source>Keep files on the Larkspan when they are deleted from this computer</source>
        <comment></comment>
        <translation>Manter os ficheiros no Larkspan quando forem eliminados deste computador</translation>
    </message>
    <message>
        <source>One-way download</source>
        <comment></comment>
        <translation>Transferência unidirecional</translation>
    </message>
    <message>
        <source>Port:</source>
        <comment></comment>
        <translation>Porta:</translation>
    </message>
    <message>
        <source>Last month</source>
        <comment></comment>
        <translation>Mês passado</translation>
    </message>
    <message>
        <source>Version %1.%2.%3, build %4</source>
        <comment></comment>
        <translation>Versão %1.%2.%3, compilação %4</translation>
    </message>
    <message>
        <source>Your IP address is not allowed to connect.</source>
        <comment></comment>
        <translation>O seu endereço IP não tem permissão para estabelecer ligação.</translation>
    </message>
    <message>
        <source>Sync a folder that someone shared with you.</source>
        <comment></comment>
        <translation>Sincronize uma pasta que alguém partilhou consigo.</translation>
    </message>
    <message>
        <source>Filter the sync log</source>
        <comment></comment>
        <translation>Filtrar o registo de sincronização</translation>
    </message>
    <message>
        <source>You can only read this folder. Changes you make to it are not uploaded.</source>
        <comment></comment>
        <translation>Só pode ler esta pasta. As alterações que efetuar não são enviadas.</translation>
    </message>
    <message>
        <source>Keyword</source>
        <comment></comment>
        <translation>Palavra-chave</translation>
    </message>
    <message>
        <source>Do not sync files larger than %1 MB</source>
        <comment></comment>
        <translation>Não sincronizar ficheiros maiores do que %1 MB</translation>
    </message>
    <message>
        <source>Next month</source>
        <comment></comment>
        <translation>Mês seguinte</translation>
    </message>
    <message>
        <source>Remote destination</source>
        <comment></comment>
        <translation>Destino remoto</translation>
    </message>
    <message>
        <source>Your account is not allowed to sync this folder.</source>
        <comment></comment>
        <translation>A sua conta não tem permissão para sincronizar esta pasta.</translation>
    </message>
    <message>
        <source>Unable to download %1.</source>
        <comment></comment>
        <translation>Não foi possível transferir %1.</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <comment></comment>
        <translation>Definições avançadas</translation>
    </message>
    <message>
        <source>Welcome to %1. Sign in to get started.</source>
        <comment></comment>
        <translation>Bem-vindo ao %1. Inicie sessão para começar.</translation>
    </message>
    <message>
        <source>Welcome to the Larkspan Drive Setup Wizard</source>
        <comment></comment>
        <translation>Bem-vindo ao Assistente de Instalação do Larkspan Drive</translation>
    </message>
    <message>
        <source>This computer was linked to a different Larkspan. Link it again to continue.</source>
        <comment></comment>
        <translation>Este computador foi associado a outro Larkspan. Associe-o novamente para continuar.</translation>
    </message>
    <message>
        <source>The shared folder no longer exists.</source>
        <comment></comment>
        <translation>A pasta partilhada já não existe.</translation>
    </message>
    <message>
        <source>December</source>
        <comment></comment>
        <translation>Dezembro</translation>
    </message>
    <message>
        <source>Overview</source>
        <comment></comment>
        <translation>Descrição geral</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <comment></comment>
        <translation>Utilizar as definições de proxy do sistema</translation>
    </message>
    <message>
        <source>No sync history</source>
        <comment></comment>
        <translation>Sem histórico de sincronização</translation>
    </message>
    <message>
        <source>Some files could not be synced. Click to see the details.</source>
        <comment></comment>
        <translation>Não foi possível sincronizar alguns ficheiros. Clique para ver os detalhes.</translation>
    </message>
    <message>
        <source>Setup ended because of an error</source>
        <comment></comment>
        <translation>A instalação terminou devido a um erro</translation>
    </message>
    <message>
        <source>Drive</source>
        <comment></comment>
        <translation>Drive</translation>
    </message>
    <message>
        <source>October</source>
        <comment></comment>
        <translation>Outubro</translation>
    </message>
    <message>
        <source>Your changes have not been saved. Save them now?</source>
        <comment></comment>
        <translation>As suas alterações não foram guardadas. Guardá-las agora?</translation>
    </message>
    <message>
        <source>This computer is already linked to this Larkspan.</source>
        <comment></comment>
        <translation>Este computador já está associado a este Larkspan.</translation>
    </message>
    <message>
        <source>There is not enough space on the local disk for Larkspan Drive.</source>
        <comment></comment>
        <translation>Não existe espaço suficiente no disco local para o Larkspan Drive.</translation>
    </message>
    <message>
        <source>Do not sync files with these names:</source>
        <comment></comment>
        <translation>Não sincronizar ficheiros com estes nomes:</translation>
    </message>
    <message>
        <source>Available from</source>
        <comment></comment>
        <translation>Disponível a partir de</translation>
    </message>
    <message>
        <source>Shows the tray icon in black and white to match your desktop theme.</source>
        <comment></comment>
        <translation>Mostra o ícone da área de notificação a preto e branco, de acordo com o tema do ambiente de trabalho.</translation>
    </message>
    <message>
        <source>Status</source>
        <comment></comment>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Sync one of your folders on the Larkspan with this computer.</source>
        <comment></comment>
        <translation>Sincronize uma das suas pastas do Larkspan com este computador.</translation>
    </message>
    <message>
        <source>Indexing the folder...</source>
        <comment></comment>
        <translation>A indexar a pasta...</translation>
    </message>
    <message>
        <source>Your user name or password is incorrect.</source>
        <comment></comment>
        <translation>O nome de utilizador ou a palavra-passe estão incorretos.</translation>
    </message>
    <message>
        <source>You do not have permission to use Larkspan Drive. Ask your administrator.</source>
        <comment></comment>
        <translation>Não tem permissão para utilizar o Larkspan Drive. Contacte o administrador.</translation>
    </message>
    <message>
        <source>Try syncing again</source>
        <comment></comment>
        <translation>Tentar sincronizar novamente</translation>
    </message>
    <message>
        <source>Filter settings</source>
        <comment></comment>
        <translation>Definições de filtro</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <comment></comment>
        <translation>Configuração manual do proxy</translation>
    </message>
    <message>
        <source>Status:</source>
        <comment></comment>
        <translation>Estado:</translation>
    </message>
    <message>
        <source>July</source>
        <comment></comment>
        <translation>Julho</translation>
    </message>
    <message>
        <source>No</source>
        <comment></comment>
        <translation>Não</translation>
    </message>
    <message>
        <source>Version not supported</source>
        <comment></comment>
        <translation>Versão não suportada</translation>
    </message>
    <message>
        <source>Sync now</source>
        <comment></comment>
        <translation>Sincronizar agora</translation>
    </message>
    <message>
        <source>This folder was synced by another user. Choose another folder.</source>
        <comment></comment>
        <translation>Esta pasta foi sincronizada por outro utilizador. Escolha outra pasta.</translation>
    </message>
    <message>
        <source>Create a KestrinDrive folder in the selected location</source>
        <comment></comment>
        <translation>Criar uma pasta KestrinDrive na localização selecionada</translation>
    </message>
    <message>
        <source>You do not have permission to write to this folder. Choose another folder.</source>
        <comment></comment>
        <translation>Não tem permissão para escrever nesta pasta. Escolha outra pasta.</translation>
    </message>
    <message>
        <source>This folder is read-only. Changes are not synced to %1.</source>
        <comment></comment>
        <translation>Esta pasta é só de leitura. As alterações não são sincronizadas com o %1.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment></comment>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>Got it</source>
        <comment></comment>
        <translation>Entendido</translation>
    </message>
    <message>
        <source>Welcome to Larkspan Drive</source>
        <comment></comment>
        <translation>Bem-vindo ao Larkspan Drive</translation>
    </message>
    <message>
        <source>Network settings</source>
        <comment></comment>
        <translation>Definições de rede</translation>
    </message>
    <message>
        <source>The setup wizard is ready to begin the repair.</source>
        <comment></comment>
        <translation>O assistente de instalação está pronto para iniciar a reparação.</translation>
    </message>
    <message>
        <source>This client version is not supported by the server. Upgrade to continue syncing.</source>
        <comment></comment>
        <translation>Esta versão do cliente não é suportada pelo servidor. Atualize para continuar a sincronizar.</translation>
    </message>
    <message>
        <source>Size</source>
        <comment></comment>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>The server version is too old. Ask your administrator to upgrade it.</source>
        <comment></comment>
        <translation>A versão do servidor é demasiado antiga. Peça ao administrador para o atualizar.</translation>
    </message>
    <message>
        <source>Everyone with the link can view and edit the files.</source>
        <comment></comment>
        <translation>Qualquer pessoa com o link pode ver e editar os ficheiros.</translation>
    </message>
    <message>
        <source>Edit</source>
        <comment></comment>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Signed-in users can view and edit the files.</source>
        <comment></comment>
        <translation>Os utilizadores com sessão iniciada podem ver e editar os ficheiros.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <comment></comment>
        <translation>Desativado</translation>
    </message>
    <message>
        <source>Change, repair or remove the installation.</source>
        <comment></comment>
        <translation>Altere, repare ou remova a instalação.</translation>
    </message>
    <message>
        <source>Just now</source>
        <comment></comment>
        <translation>Agora mesmo</translation>
    </message>
    <message>
        <source>New sync folder</source>
        <comment></comment>
        <translation>Nova pasta de sincronização</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <comment></comment>
        <translation>Partilha ativada</translation>
    </message>
    <message>
        <source>Sync error</source>
        <comment></comment>
        <translation>Erro de sincronização</translation>
    </message>
    <message>
        <source>Merge mode</source>
        <comment></comment>
        <translation>Modo de fusão</translation>
    </message>
    <message>
        <source>Connection information</source>
        <comment></comment>
        <translation>Informações da ligação</translation>
    </message>
    <message>
        <source>Remove Larkspan Drive</source>
        <comment></comment>
        <translation>Remover o Larkspan Drive</translation>
    </message>
    <message>
        <source>Next %1 pages</source>
        <comment></comment>
        <translation>%1 páginas seguintes</translation>
    </message>
    <message>
        <source>Show sync status</source>
        <comment></comment>
        <translation>Mostrar o estado da sincronização</translation>
    </message>
    <message>
        <source>My files</source>
        <comment></comment>
        <translation>Os meus ficheiros</translation>
    </message>
    <message>
        <source>Create a sync task</source>
        <comment></comment>
        <translation>Criar uma tarefa de sincronização</translation>
    </message>
    <message>
        <source>Create a LarkspanDrive folder in the selected location</source>
        <comment></comment>
        <translation>Criar uma pasta LarkspanDrive na localização selecionada</translation>
    </message>
    <message>
        <source>Skipped file names</source>
        <comment></comment>
        <translation>Nomes de ficheiro ignorados</translation>
    </message>
    <message>
        <source>The %1 ID is not valid.</source>
        <comment></comment>
        <translation>O ID do %1 não é válido.</translation>
    </message>
    <message>
        <source>Expire on</source>
        <comment></comment>
        <translation>Expirar em</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <comment></comment>
        <translation>A atualizar...</translation>
    </message>
    <message>
        <source>Start now</source>
        <comment></comment>
        <translation>Iniciar agora</translation>
    </message>
    <message>
        <source>Standby</source>
        <comment></comment>
        <translation>Em espera</translation>
    </message>
    <message>
        <source>Progress</source>
        <comment></comment>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>%1 changes detected</source>
        <comment></comment>
        <translation>%1 alterações detetadas</translation>
    </message>
    <message>
        <source>Only download changes from the Larkspan; local changes are not uploaded.</source>
        <comment></comment>
        <translation>Transferir apenas as alterações do Larkspan; as alterações locais não são enviadas.</translation>
    </message>
    <message>
        <source>A database error occurred.</source>
        <comment></comment>
        <translation>Ocorreu um erro na base de dados.</translation>
    </message>
    <message>
        <source>Enter the address of your Larkspan and your account.</source>
        <comment></comment>
        <translation>Introduza o endereço do seu Larkspan e os dados da sua conta.</translation>
    </message>
    <message>
        <source>On-demand sync</source>
        <comment></comment>
        <translation>Sincronização a pedido</translation>
    </message>
    <message>
        <source>New sync task</source>
        <comment></comment>
        <translation>Nova tarefa de sincronização</translation>
    </message>
    <message>
        <source>Upload</source>
        <comment></comment>
        <translation>Envio</translation>
    </message>
    <message>
        <source>Restrict access</source>
        <comment></comment>
        <translation>Restringir o acesso</translation>
    </message>
    <message>
        <source>Select the folders to sync</source>
        <comment></comment>
        <translation>Selecione as pastas a sincronizar</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <comment></comment>
        <translation>Selecione uma pasta</translation>
    </message>
    <message>
        <source>Setup mode</source>
        <comment></comment>
        <translation>Modo de configuração</translation>
    </message>
    <message>
        <source>Download only</source>
        <comment></comment>
        <translation>Apenas transferência</translation>
    </message>
    <message>
        <source>General</source>
        <comment></comment>
        <translation>Geral</translation>
    </message>
    <message>
        <source>Saturday</source>
        <comment></comment>
        <translation>Sábado</translation>
    </message>
    <message>
        <source>Larkspan Drive works with a Larkspan server from Kestrin.</source>
        <comment></comment>
        <translation>O Larkspan Drive funciona com um servidor Larkspan da Kestrin.</translation>
    </message>
    <message>
        <source>Unable to connect to the Larkspan.</source>
        <comment></comment>
        <translation>Não é possível ligar ao Larkspan.</translation>
    </message>
    <message>
        <source>Connected through a relay</source>
        <comment></comment>
        <translation>Ligado através de retransmissão</translation>
    </message>
    <message>
        <source>Larkspan Drive is initializing...</source>
        <comment></comment>
        <translation>O Larkspan Drive está a ser inicializado...</translation>
    </message>
    <message>
        <source>Automatic setup failed. Set up Larkspan Drive manually.</source>
        <comment></comment>
        <translation>A configuração automática falhou. Configure o Larkspan Drive manualmente.</translation>
    </message>
    <message>
        <source>Local destination</source>
        <comment></comment>
        <translation>Destino local</translation>
    </message>
    <message>
        <source>This folder is read-only. Changes are not synced to Larkspan Drive.</source>
        <comment></comment>
        <translation>Esta pasta é só de leitura. As alterações não são sincronizadas com o Larkspan Drive.</translation>
    </message>
    <message>
        <source>Ignore</source>
        <comment></comment>
        <translation>Ignorar</translation>
    </message>
    <message>
        <source>All events</source>
        <comment></comment>
        <translation>Todos os eventos</translation>
    </message>
    <message>
        <source>Sharing</source>
        <comment></comment>
        <translation>Partilha</translation>
    </message>
    <message>
        <source>Click Remove to remove Larkspan Drive from your computer.</source>
        <comment></comment>
        <translation>Clique em Remover para remover o Larkspan Drive do seu computador.</translation>
    </message>
    <message>
        <source>This folder is already part of another sync task.</source>
        <comment></comment>
        <translation>Esta pasta já faz parte de outra tarefa de sincronização.</translation>
    </message>
    <message>
        <source>A network error occurred. Check your connection and try again.</source>
        <comment></comment>
        <translation>Ocorreu um erro de rede. Verifique a ligação e tente novamente.</translation>
    </message>
    <message>
        <source>Finish</source>
        <comment></comment>
        <translation>Concluir</translation>
    </message>
    <message>
        <source>Enter a port number from %1 to %2.</source>
        <comment></comment>
        <translation>Introduza um número de porta entre %1 e %2.</translation>
    </message>
    <message>
        <source>More information</source>
        <comment></comment>
        <translation>Mais informações</translation>
    </message>
    <message>
        <source>This folder is already synced.</source>
        <comment></comment>
        <translation>Esta pasta já está a ser sincronizada.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <comment></comment>
        <translation>Permissão negada.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <comment></comment>
        <translation>Ocorreu um erro desconhecido.</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change your settings.</source>
        <comment></comment>
        <translation>Clique em Instalar para iniciar a instalação. Clique em Anterior para rever ou alterar as definições.</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <comment></comment>
        <translation>Sincronização bidirecional</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <comment></comment>
        <translation>A transferir %1...</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <comment></comment>
        <translation>A aplicar as definições...</translation>
    </message>
    <message>
        <source>Switch Larkspan</source>
        <comment></comment>
        <translation>Mudar de Larkspan</translation>
    </message>
    <message>
        <source>The file or folder does not exist.</source>
        <comment></comment>
        <translation>O ficheiro ou a pasta não existe.</translation>
    </message>
    <message>
        <source>Next</source>
        <comment></comment>
        <translation>Seguinte</translation>
    </message>
    <message>
        <source>Change folder</source>
        <comment></comment>
        <translation>Alterar pasta</translation>
    </message>
    <message>
        <source>April</source>
        <comment></comment>
        <translation>Abril</translation>
    </message>
    <message>
        <source>The new language takes effect after Larkspan Drive restarts.</source>
        <comment></comment>
        <translation>O novo idioma será aplicado depois de o Larkspan Drive ser reiniciado.</translation>
    </message>
    <message>
        <source>Choose another</source>
        <comment></comment>
        <translation>Escolher outro</translation>
    </message>
    <message>
        <source>Invalid argument.</source>
        <comment></comment>
        <translation>Argumento inválido.</translation>
    </message>
    <message>
        <source>Syncing %1 files</source>
        <comment></comment>
        <translation>A sincronizar %1 ficheiros</translation>
    </message>
    <message>
        <source>Sharing links is not enabled on the Larkspan.</source>
        <comment></comment>
        <translation>A partilha de links não está ativada no Larkspan.</translation>
    </message>
    <message>
        <source>Recently updated files</source>
        <comment></comment>
        <translation>Ficheiros atualizados recentemente</translation>
    </message>
    <message>
        <source>Security warning</source>
        <comment></comment>
        <translation>Aviso de segurança</translation>
    </message>
    <message>
        <source>The following applications use files that setup needs to update. Close them and click Retry, or click Ignore to continue anyway.</source>
        <comment></comment>
        <translation>As seguintes aplicações estão a utilizar ficheiros que a instalação tem de atualizar. Feche-as e clique em Tentar novamente, ou clique em Ignorar para continuar mesmo assim.</translation>
    </message>
    <message>
        <source>Reach your files anywhere</source>
        <comment></comment>
        <translation>Aceda aos seus ficheiros em qualquer lugar</translation>
    </message>
    <message>
        <source>Print</source>
        <comment></comment>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Create a new folder to sync.</source>
        <comment></comment>
        <translation>Crie uma nova pasta para sincronizar.</translation>
    </message>
    <message>
        <source>The certificate of %1 has changed. Do you trust the new certificate?</source>
        <comment></comment>
        <translation>O certificado de %1 foi alterado. Confia no novo certificado?</translation>
    </message>
    <message>
        <source>Larkspan Drive</source>
        <comment></comment>
        <translation>Larkspan Drive</translation>
    </message>
    <message>
        <source>Rename</source>
        <comment></comment>
        <translation>Mudar o nome</translation>
    </message>
    <message>
        <source>Folder already synced</source>
        <comment></comment>
        <translation>Pasta já sincronizada</translation>
    </message>
    <message>
        <source>Do not sync these folders</source>
        <comment></comment>
        <translation>Não sincronizar estas pastas</translation>
    </message>
    <message>
        <source>Folders that others share with you</source>
        <comment></comment>
        <translation>Pastas que outras pessoas partilham consigo</translation>
    </message>
    <message>
        <source>Repair Larkspan Drive</source>
        <comment></comment>
        <translation>Reparar o Larkspan Drive</translation>
    </message>
    <message>
        <source>Sync log category</source>
        <comment></comment>
        <translation>Categoria do registo de sincronização</translation>
    </message>
    <message>
        <source>Close these applications before setup continues:</source>
        <comment></comment>
        <translation>Feche estas aplicações antes de a instalação continuar:</translation>
    </message>
    <message>
        <source>Add</source>
        <comment></comment>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>No options available</source>
        <comment></comment>
        <translation>Nenhuma opção disponível</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of Larkspan Drive.</source>
        <comment></comment>
        <translation>Clique em Reparar para reparar a instalação do Larkspan Drive.</translation>
    </message>
    <message>
        <source>The sync direction does not match your permission on the folder.</source>
        <comment></comment>
        <translation>A direção da sincronização não corresponde à sua permissão na pasta.</translation>
    </message>
    <message>
        <source>You have chosen to remove the program from your computer.</source>
        <comment></comment>
        <translation>Optou por remover o programa do seu computador.</translation>
    </message>
    <message>
        <source>You are ready to use Larkspan Drive.</source>
        <comment></comment>
        <translation>Está pronto para utilizar o Larkspan Drive.</translation>
    </message>
    <message>
        <source>Edit connection</source>
        <comment></comment>
        <translation>Editar ligação</translation>
    </message>
    <message>
        <source>Upgrade to version %1</source>
        <comment></comment>
        <translation>Atualizar para a versão %1</translation>
    </message>
    <message>
        <source>A newer version of Larkspan Drive is already installed. Setup will now exit.</source>
        <comment></comment>
        <translation>Já está instalada uma versão mais recente do Larkspan Drive. A instalação será terminada.</translation>
    </message>
    <message>
        <source>Larkspan Drive is now syncing your files.</source>
        <comment></comment>
        <translation>O Larkspan Drive está agora a sincronizar os seus ficheiros.</translation>
    </message>
    <message>
        <source>%1 files updated</source>
        <comment></comment>
        <translation>%1 ficheiros atualizados</translation>
    </message>
    <message>
        <source>Enter a user name.</source>
        <comment></comment>
        <translation>Introduza um nome de utilizador.</translation>
    </message>
    <message>
        <source>There is not enough space on the local disk for %1.</source>
        <comment></comment>
        <translation>Não existe espaço suficiente no disco local para o %1.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <comment></comment>
        <translation>Preferências</translation>
    </message>
    <message>
        <source>Files shared with you appear in the Larkspan Drive folder on this computer.</source>
        <comment></comment>
        <translation>Os ficheiros partilhados consigo aparecem na pasta Larkspan Drive deste computador.</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <comment></comment>
        <translation>Não, obrigado</translation>
    </message>
    <message>
        <source>Public</source>
        <comment></comment>
        <translation>Público</translation>
    </message>
    <message>
        <source>Setup is complete.</source>
        <comment></comment>
        <translation>A configuração está concluída.</translation>
    </message>
    <message>
        <source>Open containing folder</source>
        <comment></comment>
        <translation>Abrir a pasta que contém o ficheiro</translation>
    </message>
    <message>
        <source>Removes Larkspan Drive from your computer.</source>
        <comment></comment>
        <translation>Remove o Larkspan Drive do seu computador.</translation>
    </message>
    <message>
        <source>Show the Larkspan Drive tutorial</source>
        <comment></comment>
        <translation>Mostrar o tutorial do Larkspan Drive</translation>
    </message>
    <message>
        <source>Previous month</source>
        <comment></comment>
        <translation>Mês anterior</translation>
    </message>
    <message>
        <source>Shared folders</source>
        <comment></comment>
        <translation>Pastas partilhadas</translation>
    </message>
    <message>
        <source>Created</source>
        <comment></comment>
        <translation>Data de criação</translation>
    </message>
    <message>
        <source>Files you change on one device are updated on the others.</source>
        <comment></comment>
        <translation>Os ficheiros que alterar num dispositivo são atualizados nos restantes.</translation>
    </message>
    <message>
        <source>September</source>
        <comment></comment>
        <translation>Setembro</translation>
    </message>
    <message>
        <source>Click Remove to continue, or Back to review your choice.</source>
        <comment></comment>
        <translation>Clique em Remover para continuar ou em Anterior para rever a sua escolha.</translation>
    </message>
    <message>
        <source>Back</source>
        <comment></comment>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Folder name</source>
        <comment></comment>
        <translation>Nome da pasta</translation>
    </message>
    <message>
        <source>Setup is complete. Larkspan Drive now keeps your files in sync.</source>
        <comment></comment>
        <translation>A configuração está concluída. O Larkspan Drive mantém agora os seus ficheiros sincronizados.</translation>
    </message>
    <message>
        <source>May</source>
        <comment></comment>
        <translation>Maio</translation>
    </message>
    <message>
        <source>Connected through the local network</source>
        <comment></comment>
        <translation>Ligado através da rede local</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully.</source>
        <comment></comment>
        <translation>Leia atentamente o seguinte contrato de licença.</translation>
    </message>
    <message>
        <source>Keep the most recently modified file</source>
        <comment></comment>
        <translation>Manter o ficheiro modificado mais recentemente</translation>
    </message>
    <message>
        <source>%1 mentioned you in %2</source>
        <comment></comment>
        <translation>%1 mencionou-o em %2</translation>
    </message>
    <message>
        <source>Access to the selected folder was denied.</source>
        <comment></comment>
        <translation>O acesso à pasta selecionada foi negado.</translation>
    </message>
    <message>
        <source>Disk full</source>
        <comment></comment>
        <translation>Disco cheio</translation>
    </message>
    <message>
        <source>Signed-in users</source>
        <comment></comment>
        <translation>Utilizadores com sessão iniciada</translation>
    </message>
    <message>
        <source>Tutorial that introduces the main features of Larkspan Drive</source>
        <comment></comment>
        <translation>Tutorial que apresenta as principais funcionalidades do Larkspan Drive</translation>
    </message>
    <message>
        <source>Checking your password...</source>
        <comment></comment>
        <translation>A verificar a sua palavra-passe...</translation>
    </message>
    <message>
        <source>All files are up to date.</source>
        <comment></comment>
        <translation>Todos os ficheiros estão atualizados.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <comment></comment>
        <translation>Só de leitura</translation>
    </message>
    <message>
        <source>Your password has expired.</source>
        <comment></comment>
        <translation>A sua palavra-passe expirou.</translation>
    </message>
    <message>
        <source>Calendar</source>
        <comment></comment>
        <translation>Calendário</translation>
    </message>
    <message>
        <source>Replace the file on this computer with the copy on the server</source>
        <comment></comment>
        <translation>Substituir o ficheiro deste computador pela cópia do servidor</translation>
    </message>
    <message>
        <source>Do not close the applications. A restart will be required.</source>
        <comment></comment>
        <translation>Não fechar as aplicações. Será necessário reiniciar.</translation>
    </message>
    <message>
        <source>November</source>
        <comment></comment>
        <translation>Novembro</translation>
    </message>
    <message>
        <source>Find a Larkspan on your local network</source>
        <comment></comment>
        <translation>Encontrar um Larkspan na rede local</translation>
    </message>
    <message>
        <source>File name:</source>
        <comment></comment>
        <translation>Nome do ficheiro:</translation>
    </message>
    <message>
        <source>Add file name</source>
        <comment></comment>
        <translation>Adicionar nome de ficheiro</translation>
    </message>
    <message>
        <source>Sync your home folder on the Larkspan with a folder on this computer, using the recommended settings.</source>
        <comment></comment>
        <translation>Sincronize a sua pasta pessoal no Larkspan com uma pasta deste computador, com as definições recomendadas.</translation>
    </message>
    <message>
        <source>Skip files whose names begin with a dot</source>
        <comment></comment>
        <translation>Ignorar ficheiros cujos nomes comecem por um ponto</translation>
    </message>
    <message>
        <source>Setup was cancelled.</source>
        <comment></comment>
        <translation>A instalação foi cancelada.</translation>
    </message>
    <message>
        <source>Name</source>
        <comment></comment>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Encrypt data transfers (SSL)</source>
        <comment></comment>
        <translation>Encriptar os dados transferidos (SSL)</translation>
    </message>
    <message>
        <source>File type</source>
        <comment></comment>
        <translation>Tipo de ficheiro</translation>
    </message>
    <message>
        <source>Your quota on the Larkspan is full. Syncing is paused.</source>
        <comment></comment>
        <translation>A sua quota no Larkspan está cheia. A sincronização está em pausa.</translation>
    </message>
    <message>
        <source>Share name</source>
        <comment></comment>
        <translation>Nome da partilha</translation>
    </message>
    <message>
        <source>Setup is not running as an administrator, so Larkspan Drive will be installed for the current user only. Continue?</source>
        <comment></comment>
        <translation>A instalação não está a ser executada como administrador, pelo que o Larkspan Drive será instalado apenas para o utilizador atual. Continuar?</translation>
    </message>
    <message>
        <source>Close the tutorial</source>
        <comment></comment>
        <translation>Fechar o tutorial</translation>
    </message>
    <message>
        <source>About Larkspan Drive</source>
        <comment></comment>
        <translation>Acerca do Larkspan Drive</translation>
    </message>
    <message>
        <source>Apply and copy link</source>
        <comment></comment>
        <translation>Aplicar e copiar o link</translation>
    </message>
    <message>
        <source>Password:</source>
        <comment></comment>
        <translation>Palavra-passe:</translation>
    </message>
    <message>
        <source>Computer name</source>
        <comment></comment>
        <translation>Nome do computador</translation>
    </message>
    <message>
        <source>Synced on all devices</source>
        <comment></comment>
        <translation>Sincronizado em todos os dispositivos</translation>
    </message>
    <message>
        <source>Currently syncing: %1</source>
        <comment></comment>
        <translation>A sincronizar: %1</translation>
    </message>
    <message>
        <source>Apply to all subfolders</source>
        <comment></comment>
        <translation>Aplicar a todas as subpastas</translation>
    </message>
    <message>
        <source>Files that match these rules are not synced.</source>
        <comment></comment>
        <translation>Os ficheiros que correspondam a estas regras não são sincronizados.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected shared items?</source>
        <comment></comment>
        <translation>Tem a certeza de que pretende eliminar os itens partilhados selecionados?</translation>
    </message>
    <message>
        <source>IP address</source>
        <comment></comment>
        <translation>Endereço IP</translation>
    </message>
    <message>
        <source>Your files are now syncing.</source>
        <comment></comment>
        <translation>Os seus ficheiros estão a ser sincronizados.</translation>
    </message>
    <message>
        <source>Some of the entries are not valid.</source>
        <comment></comment>
        <translation>Algumas das entradas não são válidas.</translation>
    </message>
    <message>
        <source>A system error occurred while checking the folder.</source>
        <comment></comment>
        <translation>Ocorreu um erro do sistema ao verificar a pasta.</translation>
    </message>
    <message>
        <source>Unlink this sync task? Files that are already synced stay on this computer.</source>
        <comment></comment>
        <translation>Desassociar esta tarefa de sincronização? Os ficheiros já sincronizados permanecem neste computador.</translation>
    </message>
    <message>
        <source>The sign-in test failed. Check the user name and password.</source>
        <comment></comment>
        <translation>O teste de início de sessão falhou. Verifique o nome de utilizador e a palavra-passe.</translation>
    </message>
    <message>
        <source>Turning off sharing removes all existing links. Continue?</source>
        <comment></comment>
        <translation>Desativar a partilha remove todos os links existentes. Continuar?</translation>
    </message>
    <message>
        <source>Test connection</source>
        <comment></comment>
        <translation>Testar a ligação</translation>
    </message>
    <message>
        <source>Install</source>
        <comment></comment>
        <translation>Instalar</translation>
    </message>
    <message>
        <source>Advanced setup</source>
        <comment></comment>
        <translation>Configuração avançada</translation>
    </message>
    <message>
        <source>Click Repair to continue, or Back to review your choice.</source>
        <comment></comment>
        <translation>Clique em Reparar para continuar ou em Anterior para rever a sua escolha.</translation>
    </message>
    <message>
        <source>Installing the program files...</source>
        <comment></comment>
        <translation>A instalar os ficheiros do programa...</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app</source>
        <comment></comment>
        <translation>Introduza o código de verificação da sua aplicação de autenticação</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <comment></comment>
        <translation>Continuar mesmo assim</translation>
    </message>
    <message>
        <source>March</source>
        <comment></comment>
        <translation>Março</translation>
    </message>
    <message>
        <source>You can change these settings at any time in Larkspan Drive.</source>
        <comment></comment>
        <translation>Pode alterar estas definições em qualquer altura no Larkspan Drive.</translation>
    </message>
    <message>
        <source>Proxy settings</source>
        <comment></comment>
        <translation>Definições de proxy</translation>
    </message>
    <message>
        <source>Remove the installation</source>
        <comment></comment>
        <translation>Remover a instalação</translation>
    </message>
    <message>
        <source>Send to %1</source>
        <comment></comment>
        <translation>Enviar para %1</translation>
    </message>
    <message>
        <source>Synchronization mode</source>
        <comment></comment>
        <translation>Modo de sincronização</translation>
    </message>
    <message>
        <source>Refresh the sync log</source>
        <comment></comment>
        <translation>Atualizar o registo de sincronização</translation>
    </message>
    <message>
        <source>The content of both folders is merged. Nothing is deleted.</source>
        <comment></comment>
        <translation>O conteúdo das duas pastas é fundido. Nada é eliminado.</translation>
    </message>
    <message>
        <source>This version of %1 is already installed. Do you want to install it again?</source>
        <comment></comment>
        <translation>Esta versão do %1 já está instalada. Pretende instalá-la novamente?</translation>
    </message>
    <message>
        <source>When the tray icon is double-clicked</source>
        <comment></comment>
        <translation>Ao fazer duplo clique no ícone da área de notificação</translation>
    </message>
    <message>
        <source>Open the web portal to reach your files from any browser.</source>
        <comment></comment>
        <translation>Abra o portal Web para aceder aos seus ficheiros a partir de qualquer browser.</translation>
    </message>
    <message>
        <source>Click Finish to close the setup wizard and start using Larkspan Drive.</source>
        <comment></comment>
        <translation>Clique em Concluir para fechar o assistente de instalação e começar a utilizar o Larkspan Drive.</translation>
    </message>
    <message>
        <source>There are no changes to apply.</source>
        <comment></comment>
        <translation>Não existem alterações a aplicar.</translation>
    </message>
    <message>
        <source>Network error.</source>
        <comment></comment>
        <translation>Erro de rede.</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <comment></comment>
        <translation>A preparar...</translation>
    </message>
    <message>
        <source>More tutorials</source>
        <comment></comment>
        <translation>Mais tutoriais</translation>
    </message>
    <message>
        <source>Read-only folder</source>
        <comment></comment>
        <translation>Pasta só de leitura</translation>
    </message>
    <message>
        <source>Previous %1 pages</source>
        <comment></comment>
        <translation>%1 páginas anteriores</translation>
    </message>
    <message>
        <source>Start the tour</source>
        <comment></comment>
        <translation>Iniciar a visita guiada</translation>
    </message>
    <message>
        <source>IP address details</source>
        <comment></comment>
        <translation>Detalhes do endereço IP</translation>
    </message>
    <message>
        <source>From</source>
        <comment></comment>
        <translation>De</translation>
    </message>
    <message>
        <source>Welcome to Larkspan Drive. Sign in to get started.</source>
        <comment></comment>
        <translation>Bem-vindo ao Larkspan Drive. Inicie sessão para começar.</translation>
    </message>
    <message>
        <source>Sync problem</source>
        <comment></comment>
        <translation>Problema de sincronização</translation>
    </message>
    <message>
        <source>Local usage</source>
        <comment></comment>
        <translation>Utilização local</translation>
    </message>
    <message>
        <source>Enable on-demand sync</source>
        <comment></comment>
        <translation>Ativar a sincronização a pedido</translation>
    </message>
    <message>
        <source>Larkspan Drive has been installed.</source>
        <comment></comment>
        <translation>O Larkspan Drive foi instalado.</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <comment></comment>
        <translation>Desligado</translation>
    </message>
    <message>
        <source>Locked</source>
        <comment></comment>
        <translation>Bloqueado</translation>
    </message>
    <message>
        <source>Change sync folder</source>
        <comment></comment>
        <translation>Alterar a pasta de sincronização</translation>
    </message>
    <message>
        <source>Setup has finished.</source>
        <comment></comment>
        <translation>A instalação foi concluída.</translation>
    </message>
    <message>
        <source>%1 shared %2 with you</source>
        <comment></comment>
        <translation>%1 partilhou %2 consigo</translation>
    </message>
    <message>
        <source>Not found</source>
        <comment></comment>
        <translation>Não encontrado</translation>
    </message>
    <message>
        <source>Reset</source>
        <comment></comment>
        <translation>Repor</translation>
    </message>
    <message>
        <source>Installing the features you selected.</source>
        <comment></comment>
        <translation>A instalar as funcionalidades que selecionou.</translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <comment></comment>
        <translation>É necessário um código de verificação.</translation>
    </message>
    <message>
        <source>%1 keeps the files on your Larkspan and your computers in sync.</source>
        <comment></comment>
        <translation>O %1 mantém sincronizados os ficheiros do seu Larkspan e dos seus computadores.</translation>
    </message>
    <message>
        <source>There is not enough space on the disk of this computer.</source>
        <comment></comment>
        <translation>Não existe espaço suficiente no disco deste computador.</translation>
    </message>
    <message>
        <source>Connection type</source>
        <comment></comment>
        <translation>Tipo de ligação</translation>
    </message>
    <message>
        <source>Show the %1 tutorial</source>
        <comment></comment>
        <translation>Mostrar o tutorial do %1</translation>
    </message>
    <message>
        <source>You can also invite people to folders you own.</source>
        <comment></comment>
        <translation>Também pode convidar pessoas para as pastas de que é proprietário.</translation>
    </message>
    <message>
        <source>%1 could not be upgraded.</source>
        <comment></comment>
        <translation>Não foi possível atualizar o %1.</translation>
    </message>
    <message>
        <source>%1 works with a Larkspan server from Kestrin.</source>
        <comment></comment>
        <translation>O %1 funciona com um servidor Larkspan da Kestrin.</translation>
    </message>
    <message>
        <source>Welcome</source>
        <comment></comment>
        <translation>Boas-vindas</translation>
    </message>
    <message>
        <source>Custom range</source>
        <comment></comment>
        <translation>Intervalo personalizado</translation>
    </message>
    <message>
        <source>Sync %1 to this computer?</source>
        <comment></comment>
        <translation>Sincronizar %1 com este computador?</translation>
    </message>
    <message>
        <source>Quick setup</source>
        <comment></comment>
        <translation>Configuração rápida</translation>
    </message>
    <message>
        <source>Download history</source>
        <comment></comment>
        <translation>Histórico de transferências</translation>
    </message>
    <message>
        <source>Use a relay connection when a direct connection is not possible</source>
        <comment></comment>
        <translation>Utilizar uma ligação por retransmissão quando não for possível uma ligação direta</translation>
    </message>
    <message>
        <source>Folders you clear are removed from this computer but kept on the Larkspan.</source>
        <comment></comment>
        <translation>As pastas que desmarcar são removidas deste computador, mas mantidas no Larkspan.</translation>
    </message>
    <message>
        <source>Link</source>
        <comment></comment>
        <translation>Link</translation>
    </message>
    <message>
        <source>Address:</source>
        <comment></comment>
        <translation>Endereço:</translation>
    </message>
    <message>
        <source>Download complete.</source>
        <comment></comment>
        <translation>Transferência concluída.</translation>
    </message>
    <message>
        <source>Setup has all the information it needs to start copying the program files.</source>
        <comment></comment>
        <translation>A instalação tem todas as informações de que necessita para começar a copiar os ficheiros do programa.</translation>
    </message>
    <message>
        <source>Sync activity</source>
        <comment></comment>
        <translation>Atividade de sincronização</translation>
    </message>
    <message>
        <source>Downloading</source>
        <comment></comment>
        <translation>A transferir</translation>
    </message>
    <message>
        <source>This wizard installs Larkspan Drive on your computer.</source>
        <comment></comment>
        <translation>Este assistente instala o Larkspan Drive no seu computador.</translation>
    </message>
    <message>
        <source>To</source>
        <comment></comment>
        <translation>Até</translation>
    </message>
    <message>
        <source>The server&apos;s certificate could not be verified. Connect anyway?</source>
        <comment></comment>
        <translation>Não foi possível verificar o certificado do servidor. Ligar mesmo assim?</translation>
    </message>
    <message>
        <source>Larkspan Drive is running.</source>
        <comment></comment>
        <translation>O Larkspan Drive está em execução.</translation>
    </message>
    <message>
        <source>%1 has shared a new item with you.</source>
        <comment></comment>
        <translation>%1 partilhou um novo item consigo.</translation>
    </message>
    <message>
        <source>A conflict occurred.</source>
        <comment></comment>
        <translation>Ocorreu um conflito.</translation>
    </message>
    <message>
        <source>The selected folder is a mount point. Choose a folder on a local disk.</source>
        <comment></comment>
        <translation>A pasta selecionada é um ponto de montagem. Escolha uma pasta num disco local.</translation>
    </message>
    <message>
        <source>Encryption</source>
        <comment></comment>
        <translation>Encriptação</translation>
    </message>
    <message>
        <source>Changes you make in your sync folder are synced with the Larkspan.</source>
        <comment></comment>
        <translation>As alterações que efetuar na pasta de sincronização são sincronizadas com o Larkspan.</translation>
    </message>
    <message>
        <source>Please wait while the setup wizard installs Larkspan Drive. This may take several minutes.</source>
        <comment></comment>
        <translation>Aguarde enquanto o assistente de instalação instala o Larkspan Drive. Este processo pode demorar vários minutos.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has changed since your last connection. Continue?</source>
        <comment></comment>
        <translation>O certificado do servidor foi alterado desde a sua última ligação. Continuar?</translation>
    </message>
    <message>
        <source>%1 is ready.</source>
        <comment></comment>
        <translation>O %1 está pronto.</translation>
    </message>
    <message>
        <source>Search</source>
        <comment></comment>
        <translation>Pesquisar</translation>
    </message>
    <message>
        <source>Link a new Larkspan</source>
        <comment></comment>
        <translation>Associar um novo Larkspan</translation>
    </message>
    <message>
        <source>Certificate verification failed.</source>
        <comment></comment>
        <translation>A verificação do certificado falhou.</translation>
    </message>
    <message>
        <source>Starting Larkspan Drive...</source>
        <comment></comment>
        <translation>A iniciar o Larkspan Drive...</translation>
    </message>
    <message>
        <source>On-demand sync could not be enabled.</source>
        <comment></comment>
        <translation>Não foi possível ativar a sincronização a pedido.</translation>
    </message>
    <message>
        <source>Setup complete</source>
        <comment></comment>
        <translation>Configuração concluída</translation>
    </message>
    <message>
        <source>Your administrator requires two-step verification for your account.</source>
        <comment></comment>
        <translation>O administrador exige a verificação em dois passos para a sua conta.</translation>
    </message>
    <message>
        <source>Start %1 when I sign in</source>
        <comment></comment>
        <translation>Abrir o %1 ao iniciar sessão</translation>
    </message>
    <message>
        <source>The selected folder is already synced by another task.</source>
        <comment></comment>
        <translation>A pasta selecionada já é sincronizada por outra tarefa.</translation>
    </message>
    <message>
        <source>File</source>
        <comment></comment>
        <translation>Ficheiro</translation>
    </message>
    <message>
        <source>Recently changed</source>
        <comment></comment>
        <translation>Alterados recentemente</translation>
    </message>
</context>
</TS>
