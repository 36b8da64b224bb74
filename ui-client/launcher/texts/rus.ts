<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Enabled</source>
        <comment></comment>
        <translation>Включено</translation>
    </message>
    <message>
        <source>Larkspan Drive has no optional features to change.</source>
        <comment></comment>
        <translation>В Larkspan Drive нет дополнительных компонентов, которые можно изменить.</translation>
    </message>
    <message>
        <source>Merge</source>
        <comment></comment>
        <translation>Объединить</translation>
    </message>
    <message>
        <source>Open folder</source>
        <comment></comment>
        <translation>Открыть папку</translation>
    </message>
    <message>
        <source>Sync folder on this computer</source>
        <comment></comment>
        <translation>Папка синхронизации на этом компьютере</translation>
    </message>
    <message>
        <source>Tutorial that introduces the main features of %1</source>
        <comment></comment>
        <translation>Руководство по основным функциям %1</translation>
    </message>
    <message>
        <source>Renamed on the Larkspan</source>
        <comment></comment>
        <translation>Переименовано на Larkspan</translation>
    </message>
    <message>
        <source>Friday</source>
        <comment></comment>
        <translation>Пятница</translation>
    </message>
    <message>
        <source>Thursday</source>
        <comment></comment>
        <translation>Четверг</translation>
    </message>
    <message>
        <source>The setup wizard is ready to begin the installation.</source>
        <comment></comment>
        <translation>Мастер установки готов начать установку.</translation>
    </message>
    <message>
        <source>Select the files to sync</source>
        <comment></comment>
        <translation>Выберите файлы для синхронизации</translation>
    </message>
    <message>
        <source>Loading...</source>
        <comment></comment>
        <translation>Загрузка...</translation>
    </message>
    <message>
        <source>Sync direction</source>
        <comment></comment>
        <translation>Направление синхронизации</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <comment></comment>
        <translation>Доступна новая версия. Щелкните, чтобы обновить.</translation>
    </message>
    <message>
        <source>Ready to install Larkspan Drive</source>
        <comment></comment>
        <translation>Все готово к установке Larkspan Drive</translation>
    </message>
    <message>
        <source>User name</source>
        <comment></comment>
        <translation>Имя пользователя</translation>
    </message>
    <message>
        <source>File sharing is not available over a relay connection.</source>
        <comment></comment>
        <translation>Общий доступ к файлам недоступен при подключении через ретранслятор.</translation>
    </message>
    <message>
        <source>Last page</source>
        <comment></comment>
        <translation>Последняя страница</translation>
    </message>
    <message>
        <source>One-way upload</source>
        <comment></comment>
        <translation>Односторонняя отправка</translation>
    </message>
    <message>
        <source>Setup is complete. %1 now keeps your files in sync.</source>
        <comment></comment>
        <translation>Настройка завершена. Теперь %1 синхронизирует ваши файлы.</translation>
    </message>
    <message>
        <source>System default</source>
        <comment></comment>
        <translation>Как в системе</translation>
    </message>
    <message>
        <source>A sync folder named %1 already exists. Choose another name.</source>
        <comment></comment>
        <translation>Папка синхронизации с именем %1 уже существует. Выберите другое имя.</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment></comment>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Choose the display language</source>
        <comment></comment>
        <translation>Выбрать язык интерфейса</translation>
    </message>
    <message>
        <source>The Larkspan Drive service is disabled on this Larkspan. Ask your administrator to enable it.</source>
        <comment></comment>
        <translation>Служба Larkspan Drive отключена на этом Larkspan. Обратитесь к администратору, чтобы включить ее.</translation>
    </message>
    <message>
        <source>Search for Larkspan servers on the local network</source>
        <comment></comment>
        <translation>Поиск серверов Larkspan в локальной сети</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <comment></comment>
        <translation>и еще %1</translation>
    </message>
    <message>
        <source>Connected</source>
        <comment></comment>
        <translation>Подключено</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <comment></comment>
        <translation>Вторник</translation>
    </message>
    <message>
        <source>Read the following license agreement and accept it to continue.</source>
        <comment></comment>
        <translation>Прочитайте следующее лицензионное соглашение и примите его, чтобы продолжить.</translation>
    </message>
    <message>
        <source>Help</source>
        <comment></comment>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Launch Larkspan Drive now</source>
        <comment></comment>
        <translation>Запустить Larkspan Drive сейчас</translation>
    </message>
    <message>
        <source>User name:</source>
        <comment></comment>
        <translation>Имя пользователя:</translation>
    </message>
    <message>
        <source>Finishing the automatic setup...</source>
        <comment></comment>
        <translation>Завершение автоматической настройки...</translation>
    </message>
    <message>
        <source>Summary</source>
        <comment></comment>
        <translation>Сводка</translation>
    </message>
    <message>
        <source>Selective sync mode</source>
        <comment></comment>
        <translation>Режим выборочной синхронизации</translation>
    </message>
    <message>
        <source>Notifications</source>
        <comment></comment>
        <translation>Уведомления</translation>
    </message>
    <message>
        <source>Choose a folder on the Larkspan and a folder on this computer to keep in sync.</source>
        <comment></comment>
        <translation>Выберите папку на Larkspan и папку на этом компьютере, которые будут синхронизироваться.</translation>
    </message>
    <message>
        <source>Files whose names match these patterns are not synced. Use * as a wildcard, for example *.tmp.</source>
        <comment></comment>
        <translation>Файлы, имена которых соответствуют этим шаблонам, не синхронизируются. Используйте * как подстановочный знак, например *.tmp.</translation>
    </message>
    <message>
        <source>OK</source>
        <comment></comment>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Everyone with the link can view the files.</source>
        <comment></comment>
        <translation>Все, у кого есть ссылка, могут просматривать файлы.</translation>
    </message>
    <message>
        <source>Set sync folder</source>
        <comment></comment>
        <translation>Задать папку синхронизации</translation>
    </message>
    <message>
        <source>Unlink</source>
        <comment></comment>
        <translation>Отвязать</translation>
    </message>
    <message>
        <source>Value</source>
        <comment></comment>
        <translation>Значение</translation>
    </message>
    <message>
        <source>Selective sync</source>
        <comment></comment>
        <translation>Выборочная синхронизация</translation>
    </message>
    <message>
        <source>Continue</source>
        <comment></comment>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <comment></comment>
        <translation>Ошибка инициализации.</translation>
    </message>
    <message>
        <source>Share files with others</source>
        <comment></comment>
        <translation>Делитесь файлами с другими</translation>
    </message>
    <message>
        <source>Open Larkspan Drive</source>
        <comment></comment>
        <translation>Открыть Larkspan Drive</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment></comment>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Change which features of Larkspan Drive are installed</source>
        <comment></comment>
        <translation>Изменить набор установленных компонентов Larkspan Drive</translation>
    </message>
    <message>
        <source>Unable to get the user information.</source>
        <comment></comment>
        <translation>Не удалось получить сведения о пользователе.</translation>
    </message>
    <message>
        <source>Status information</source>
        <comment></comment>
        <translation>Сведения о состоянии</translation>
    </message>
    <message>
        <source>The setup wizard will install Larkspan Drive on your computer. Click Next to continue or Cancel to exit.</source>
        <comment></comment>
        <translation>Мастер установит Larkspan Drive на ваш компьютер. Нажмите «Далее», чтобы продолжить, или «Отмена», чтобы выйти.</translation>
    </message>
    <message>
        <source>Show sync status icons on files and folders</source>
        <comment></comment>
        <translation>Показывать значки состояния синхронизации на файлах и папках</translation>
    </message>
    <message>
        <source>Change</source>
        <comment></comment>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Cancel setup</source>
        <comment></comment>
        <translation>Отмена установки</translation>
    </message>
    <message>
        <source>No proxy</source>
        <comment></comment>
        <translation>Без прокси</translation>
    </message>
    <message>
        <source>The client could not be upgraded. Please try again later.</source>
        <comment></comment>
        <translation>Не удалось обновить клиент. Повторите попытку позже.</translation>
    </message>
    <message>
        <source>Apply</source>
        <comment></comment>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Files in use</source>
        <comment></comment>
        <translation>Используемые файлы</translation>
    </message>
    <message>
        <source>Service disabled</source>
        <comment></comment>
        <translation>Служба отключена</translation>
    </message>
    <message>
        <source>Reading the connection settings...</source>
        <comment></comment>
        <translation>Чтение параметров подключения...</translation>
    </message>
    <message>
        <source>Mentioned you</source>
        <comment></comment>
        <translation>Упомянули вас</translation>
    </message>
    <message>
        <source>Updating...</source>
        <comment></comment>
        <translation>Обновление...</translation>
    </message>
    <message>
        <source>Language</source>
        <comment></comment>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <comment></comment>
        <translation>Поздравляем!</translation>
    </message>
    <message>
        <source>Enable sharing</source>
        <comment></comment>
        <translation>Включить общий доступ</translation>
    </message>
    <message>
        <source>The home folder service is not enabled for your account. Ask your administrator to enable it.</source>
        <comment></comment>
        <translation>Служба домашней папки не включена для вашей учетной записи. Обратитесь к администратору, чтобы включить ее.</translation>
    </message>
    <message>
        <source>August</source>
        <comment></comment>
        <translation>Август</translation>
    </message>
    <message>
        <source>Read and write</source>
        <comment></comment>
        <translation>Чтение и запись</translation>
    </message>
    <message>
        <source>Remove</source>
        <comment></comment>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Larkspan Drive notification</source>
        <comment></comment>
        <translation>Уведомление Larkspan Drive</translation>
    </message>
    <message>
        <source>Open in the web portal</source>
        <comment></comment>
        <translation>Открыть на веб-портале</translation>
    </message>
    <message>
        <source>The selected sync folder is not valid. Choose another folder.</source>
        <comment></comment>
        <translation>Выбранная папка синхронизации недопустима. Выберите другую папку.</translation>
    </message>
    <message>
        <source>This field cannot be left blank.</source>
        <comment></comment>
        <translation>Это поле не может быть пустым.</translation>
    </message>
    <message>
        <source>Start Larkspan Drive when I sign in</source>
        <comment></comment>
        <translation>Запускать Larkspan Drive при входе в систему</translation>
    </message>
    <message>
        <source>Some files that need to be updated are currently in use.</source>
        <comment></comment>
        <translation>Некоторые файлы, которые нужно обновить, сейчас используются.</translation>
    </message>
    <message>
        <source>File extensions:</source>
        <comment></comment>
        <translation>Расширения файлов:</translation>
    </message>
    <message>
        <source>Shared with me</source>
        <comment></comment>
        <translation>Доступные мне</translation>
    </message>
    <message>
        <source>Stop downloading this version</source>
        <comment></comment>
        <translation>Остановить скачивание этой версии</translation>
    </message>
    <message>
        <source>Browse previous versions</source>
        <comment></comment>
        <translation>Просмотреть предыдущие версии</translation>
    </message>
    <message>
        <source>Unable to create the local folder %1.</source>
        <comment></comment>
        <translation>Не удалось создать локальную папку %1.</translation>
    </message>
    <message>
        <source>Information</source>
        <comment></comment>
        <translation>Сведения</translation>
    </message>
    <message>
        <source>%1 is running.</source>
        <comment></comment>
        <translation>%1 работает.</translation>
    </message>
    <message>
        <source>Larkspan Drive keeps the files on your Larkspan and your computers in sync.</source>
        <comment></comment>
        <translation>Larkspan Drive синхронизирует файлы на вашем Larkspan и ваших компьютерах.</translation>
    </message>
    <message>
        <source>Do not show this message again</source>
        <comment></comment>
        <translation>Больше не показывать это сообщение</translation>
    </message>
    <message>
        <source>Open the web portal</source>
        <comment></comment>
        <translation>Открыть веб-портал</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <comment></comment>
        <translation>Обновление</translation>
    </message>
    <message>
        <source>Done</source>
        <comment></comment>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Choose how to finish the setup:</source>
        <comment></comment>
        <translation>Выберите, как завершить настройку:</translation>
    </message>
    <message>
        <source>When a file exists on both sides, both are kept and the local copy is renamed as a conflict file.</source>
        <comment></comment>
        <translation>Если файл есть на обеих сторонах, сохраняются оба, а локальная копия переименовывается и помечается как конфликтующая.</translation>
    </message>
    <message>
        <source>Only the users and groups you choose can open the files.</source>
        <comment></comment>
        <translation>Открывать файлы могут только выбранные вами пользователи и группы.</translation>
    </message>
    <message>
        <source>Invite people</source>
        <comment></comment>
        <translation>Пригласить пользователей</translation>
    </message>
    <message>
        <source>This computer</source>
        <comment></comment>
        <translation>Этот компьютер</translation>
    </message>
    <message>
        <source>New shared item</source>
        <comment></comment>
        <translation>Новый общий элемент</translation>
    </message>
    <message>
        <source>Uploading</source>
        <comment></comment>
        <translation>Отправка</translation>
    </message>
    <message>
        <source>Automatic connection is not allowed by the server settings.</source>
        <comment></comment>
        <translation>Автоматическое подключение запрещено настройками сервера.</translation>
    </message>
    <message>
        <source>Restricted</source>
        <comment></comment>
        <translation>Ограниченный доступ</translation>
    </message>
    <message>
        <source>Proxy</source>
        <comment></comment>
        <translation>Прокси</translation>
    </message>
    <message>
        <source>Keep both files and add the computer name to the local copy</source>
        <comment></comment>
        <translation>Сохранить оба файла и добавить имя компьютера к локальной копии</translation>
    </message>
    <message>
        <source>Close the applications automatically and try to restart them afterwards.</source>
        <comment></comment>
        <translation>Закрыть приложения автоматически и попытаться перезапустить их после установки.</translation>
    </message>
    <message>
        <source>This version of the client is too old. Upgrade Larkspan Drive to the latest version.</source>
        <comment></comment>
        <translation>Эта версия клиента устарела. Обновите Larkspan Drive до последней версии.</translation>
    </message>
    <message>
        <source>Users and groups</source>
        <comment></comment>
        <translation>Пользователи и группы</translation>
    </message>
    <message>
        <source>Right-click a file in your sync folder and choose Share link to share it with anyone.</source>
        <comment></comment>
        <translation>Щелкните файл в папке синхронизации правой кнопкой мыши и выберите «Поделиться ссылкой», чтобы предоставить к нему доступ любому человеку.</translation>
    </message>
    <message>
        <source>Link permission</source>
        <comment></comment>
        <translation>Разрешения по ссылке</translation>
    </message>
    <message>
        <source>The server&apos;s SSL certificate could not be verified.</source>
        <comment></comment>
        <translation>Не удалось проверить SSL-сертификат сервера.</translation>
    </message>
    <message>
        <source>Repairs the most recent installation by restoring missing or damaged files and shortcuts.</source>
        <comment></comment>
        <translation>Восстанавливает последнюю установку, возвращая отсутствующие или поврежденные файлы и ярлыки.</translation>
    </message>
    <message>
        <source>Sync mode</source>
        <comment></comment>
        <translation>Режим синхронизации</translation>
    </message>
    <message>
        <source>No previous versions are available for this file.</source>
        <comment></comment>
        <translation>Для этого файла нет предыдущих версий.</translation>
    </message>
    <message>
        <source>The remote folder is not mounted.</source>
        <comment></comment>
        <translation>Удаленная папка не смонтирована.</translation>
    </message>
    <message>
        <source>Type</source>
        <comment></comment>
        <translation>Тип</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <comment></comment>
        <translation>Лицензионное соглашение с конечным пользователем</translation>
    </message>
    <message>
        <source>Expire after a number of visits</source>
        <comment></comment>
        <translation>Срок действия истекает после заданного числа посещений</translation>
    </message>
    <message>
        <source>Signed-in users can view the files.</source>
        <comment></comment>
        <translation>Пользователи, выполнившие вход, могут просматривать файлы.</translation>
    </message>
    <message>
        <source>The Larkspan Drive ID is not valid.</source>
        <comment></comment>
        <translation>Недопустимый идентификатор Larkspan Drive.</translation>
    </message>
    <message>
        <source>Change, repair or remove the installation</source>
        <comment></comment>
        <translation>Изменение, исправление или удаление установки</translation>
    </message>
    <message>
        <source>Connection unstable</source>
        <comment></comment>
        <translation>Нестабильное подключение</translation>
    </message>
    <message>
        <source>Date</source>
        <comment></comment>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <comment></comment>
        <translation>Максимальное число символов: %1.</translation>
    </message>
    <message>
        <source>This computer was linked to a different server. Link %1 again to continue.</source>
        <comment></comment>
        <translation>Этот компьютер был привязан к другому серверу. Чтобы продолжить, привяжите %1 заново.</translation>
    </message>
    <message>
        <source>No valid folder is selected.</source>
        <comment></comment>
        <translation>Не выбрана допустимая папка.</translation>
    </message>
    <message>
        <source>Version mismatch</source>
        <comment></comment>
        <translation>Несовпадение версий</translation>
    </message>
    <message>
        <source>No data</source>
        <comment></comment>
        <translation>Нет данных</translation>
    </message>
    <message>
        <source>Setup was interrupted by an error.</source>
        <comment></comment>
        <translation>Установка прервана из-за ошибки.</translation>
    </message>
    <message>
        <source>Open file</source>
        <comment></comment>
        <translation>Открыть файл</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment></comment>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>A new version is available. Click to update to %1.</source>
        <comment></comment>
        <translation>Доступна новая версия. Щелкните, чтобы обновить до %1.</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment></comment>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Unable to delete the shared item.</source>
        <comment></comment>
        <translation>Не удалось удалить общий элемент.</translation>
    </message>
    <message>
        <source>Error</source>
        <comment></comment>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Unable to list the versions of this file.</source>
        <comment></comment>
        <translation>Не удалось получить список версий этого файла.</translation>
    </message>
    <message>
        <source>%1 minutes ago</source>
        <comment></comment>
        <translation>%1 мин. назад</translation>
    </message>
    <message>
        <source>Larkspan Drive encountered an error.</source>
        <comment></comment>
        <translation>В Larkspan Drive произошла ошибка.</translation>
    </message>
    <message>
        <source>Resume syncing these folders</source>
        <comment></comment>
        <translation>Возобновить синхронизацию этих папок</translation>
    </message>
    <message>
        <source>Add folder</source>
        <comment></comment>
        <translation>Добавить папку</translation>
    </message>
    <message>
        <source>Lets you change the way the features are installed.</source>
        <comment></comment>
        <translation>Позволяет изменить способ установки компонентов.</translation>
    </message>
    <message>
        <source>Choose how you want to set up Larkspan Drive.</source>
        <comment></comment>
        <translation>Выберите способ настройки Larkspan Drive.</translation>
    </message>
    <message>
        <source>Repair the installation</source>
        <comment></comment>
        <translation>Исправить установку</translation>
    </message>
    <message>
        <source>When a file was changed on both sides:</source>
        <comment></comment>
        <translation>Если файл изменен на обеих сторонах:</translation>
    </message>
    <message>
        <source>Later</source>
        <comment></comment>
        <translation>Позже</translation>
    </message>
    <message>
        <source>The folder %1 already exists. Do you want to merge the two folders?</source>
        <comment></comment>
        <translation>Папка %1 уже существует. Объединить эти две папки?</translation>
    </message>
    <message>
        <source>New shared item received</source>
        <comment></comment>
        <translation>Получен новый общий элемент</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <comment></comment>
        <translation>Показывать уведомления на рабочем столе</translation>
    </message>
    <message>
        <source>Larkspan Drive does not support the protocol used by this server.</source>
        <comment></comment>
        <translation>Larkspan Drive не поддерживает протокол, используемый этим сервером.</translation>
    </message>
    <message>
        <source>The local disk is full. Larkspan Drive has paused syncing.</source>
        <comment></comment>
        <translation>Локальный диск заполнен. Синхронизация Larkspan Drive приостановлена.</translation>
    </message>
    <message>
        <source>No shared items</source>
        <comment></comment>
        <translation>Нет общих элементов</translation>
    </message>
    <message>
        <source>Authentication failed. Check your user name and password.</source>
        <comment></comment>
        <translation>Ошибка проверки подлинности. Проверьте имя пользователя и пароль.</translation>
    </message>
    <message>
        <source>Choose the folders to keep in sync.</source>
        <comment></comment>
        <translation>Выберите папки для синхронизации.</translation>
    </message>
    <message>
        <source>Paused</source>
        <comment></comment>
        <translation>Приостановлено</translation>
    </message>
    <message>
        <source>%1 is initializing...</source>
        <comment></comment>
        <translation>Инициализация %1...</translation>
    </message>
    <message>
        <source>Up to date</source>
        <comment></comment>
        <translation>Актуально</translation>
    </message>
    <message>
        <source>Download cancelled.</source>
        <comment></comment>
        <translation>Скачивание отменено.</translation>
    </message>
    <message>
        <source>Larkspan Drive could not be upgraded.</source>
        <comment></comment>
        <translation>Не удалось обновить Larkspan Drive.</translation>
    </message>
    <message>
        <source>Your files, everywhere.</source>
        <comment></comment>
        <translation>Ваши файлы — везде.</translation>
    </message>
    <message>
        <source>Sync the files that other users share with you.</source>
        <comment></comment>
        <translation>Синхронизируйте файлы, к которым вам предоставили доступ другие пользователи.</translation>
    </message>
    <message>
        <source>Change, repair or remove Larkspan Drive.</source>
        <comment></comment>
        <translation>Изменение, исправление или удаление Larkspan Drive.</translation>
    </message>
    <message>
        <source>Installing Larkspan Drive</source>
        <comment></comment>
        <translation>Установка Larkspan Drive</translation>
    </message>
    <message>
        <source>Keep both files and rename the conflicting one</source>
        <comment></comment>
        <translation>Сохранить оба файла и переименовать конфликтующий</translation>
    </message>
    <message>
        <source>The server version is not supported. Ask your administrator to upgrade the server.</source>
        <comment></comment>
        <translation>Версия сервера не поддерживается. Попросите администратора обновить сервер.</translation>
    </message>
    <message>
        <source>Version</source>
        <comment></comment>
        <translation>Версия</translation>
    </message>
    <message>
        <source>Resume syncing this folder</source>
        <comment></comment>
        <translation>Возобновить синхронизацию этой папки</translation>
    </message>
    <message>
        <source>Show Larkspan Drive in the file manager&apos;s context menu</source>
        <comment></comment>
        <translation>Показывать Larkspan Drive в контекстном меню файлового менеджера</translation>
    </message>
    <message>
        <source>About</source>
        <comment></comment>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Comments</source>
        <comment></comment>
        <translation>Комментарии</translation>
    </message>
    <message>
        <source>The relay service is disabled on the server.</source>
        <comment></comment>
        <translation>Служба ретрансляции отключена на сервере.</translation>
    </message>
    <message>
        <source>Last week</source>
        <comment></comment>
        <translation>Прошлая неделя</translation>
    </message>
    <message>
        <source>Checking data...</source>
        <comment></comment>
        <translation>Проверка данных...</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <comment></comment>
        <translation>Синхронизация...</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment></comment>
        <translation>Папка</translation>
    </message>
    <message>
        <source>%1 items</source>
        <comment></comment>
        <translation>Элементов: %1</translation>
    </message>
    <message>
        <source>Download</source>
        <comment></comment>
        <translation>Скачивание</translation>
    </message>
    <message>
        <source>%1 days ago</source>
        <comment></comment>
        <translation>%1 дн. назад</translation>
    </message>
    <message>
        <source>Open settings</source>
        <comment></comment>
        <translation>Открыть настройки</translation>
    </message>
    <message>
        <source>Unable to get the link to the file.</source>
        <comment></comment>
        <translation>Не удалось получить ссылку на файл.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. %1 will merge its content with the server.</source>
        <comment></comment>
        <translation>Выбранная папка не пуста. %1 объединит ее содержимое с содержимым на сервере.</translation>
    </message>
    <message>
        <source>Reconnect</source>
        <comment></comment>
        <translation>Подключиться заново</translation>
    </message>
    <message>
        <source>Monday</source>
        <comment></comment>
        <translation>Понедельник</translation>
    </message>
    <message>
        <source>The shared folder conflicts with an existing sync folder.</source>
        <comment></comment>
        <translation>Общая папка конфликтует с существующей папкой синхронизации.</translation>
    </message>
    <message>
        <source>Sync task from %1 to %2</source>
        <comment></comment>
        <translation>Задача синхронизации из %1 в %2</translation>
    </message>
    <message>
        <source>Mount point</source>
        <comment></comment>
        <translation>Точка монтирования</translation>
    </message>
    <message>
        <source>Folder not empty</source>
        <comment></comment>
        <translation>Папка не пуста</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <comment></comment>
        <translation>Отвязка...</translation>
    </message>
    <message>
        <source>Time</source>
        <comment></comment>
        <translation>Время</translation>
    </message>
    <message>
        <source>%1 does not support the protocol used by this server.</source>
        <comment></comment>
        <translation>%1 не поддерживает протокол, используемый этим сервером.</translation>
    </message>
    <message>
        <source>Folder path</source>
        <comment></comment>
        <translation>Путь к папке</translation>
    </message>
    <message>
        <source>February</source>
        <comment></comment>
        <translation>Февраль</translation>
    </message>
    <message>
        <source>The server&apos;s certificate could not be verified. Syncing is paused.</source>
        <comment></comment>
        <translation>Не удалось проверить сертификат сервера. Синхронизация приостановлена.</translation>
    </message>
    <message>
        <source>Close the applications that use these files.</source>
        <comment></comment>
        <translation>Закройте приложения, которые используют эти файлы.</translation>
    </message>
    <message>
        <source>Automatic connection failed because of a system error.</source>
        <comment></comment>
        <translation>Не удалось выполнить автоматическое подключение из-за системной ошибки.</translation>
    </message>
    <message>
        <source>Show icons on files that are not synced</source>
        <comment></comment>
        <translation>Показывать значки на несинхронизируемых файлах</translation>
    </message>
    <message>
        <source>Larkspan Drive setup was interrupted. Your system has not been changed.</source>
        <comment></comment>
        <translation>Установка Larkspan Drive прервана. В систему не внесено изменений.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has changed.</source>
        <comment></comment>
        <translation>Сертификат сервера изменился.</translation>
    </message>
    <message>
        <source>Files are stored in your local sync folder, for example /home/user/​LarkspanDrive.</source>
        <comment></comment>
        <translation>Файлы хранятся в локальной папке синхронизации, например /home/user/​LarkspanDrive.</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the installation of Larkspan Drive?</source>
        <comment></comment>
        <translation>Вы действительно хотите отменить установку Larkspan Drive?</translation>
    </message>
    <message>
        <source>ID</source>
        <comment></comment>
        <translation>ИД</translation>
    </message>
    <message>
        <source>%1 has been downloaded.</source>
        <comment></comment>
        <translation>%1: скачивание завершено.</translation>
    </message>
    <message>
        <source>The connection is inactive.</source>
        <comment></comment>
        <translation>Подключение неактивно.</translation>
    </message>
    <message>
        <source>Changes in folders on network drives may not be detected right away.</source>
        <comment></comment>
        <translation>Изменения в папках на сетевых дисках могут обнаруживаться с задержкой.</translation>
    </message>
    <message>
        <source>Share</source>
        <comment></comment>
        <translation>Поделиться</translation>
    </message>
    <message>
        <source>%1 encountered an error.</source>
        <comment></comment>
        <translation>В %1 произошла ошибка.</translation>
    </message>
    <message>
        <source>First page</source>
        <comment></comment>
        <translation>Первая страница</translation>
    </message>
    <message>
        <source>Resume</source>
        <comment></comment>
        <translation>Возобновить</translation>
    </message>
    <message>
        <source>Unable to enable sharing.</source>
        <comment></comment>
        <translation>Не удалось включить общий доступ.</translation>
    </message>
    <message>
        <source>The local disk is full. %1 has paused syncing.</source>
        <comment></comment>
        <translation>Локальный диск заполнен. Синхронизация %1 приостановлена.</translation>
    </message>
    <message>
        <source>Custom duration</source>
        <comment></comment>
        <translation>Произвольный срок</translation>
    </message>
    <message>
        <source>Remove this download</source>
        <comment></comment>
        <translation>Удалить это скачивание</translation>
    </message>
    <message>
        <source>I accept the terms of the License Agreement</source>
        <comment></comment>
        <translation>Я принимаю условия лицензионного соглашения</translation>
    </message>
    <message>
        <source>Select a folder on your computer to sync.</source>
        <comment></comment>
        <translation>Выберите папку на компьютере для синхронизации.</translation>
    </message>
    <message>
        <source>Action</source>
        <comment></comment>
        <translation>Действие</translation>
    </message>
    <message>
        <source>Sync tasks</source>
        <comment></comment>
        <translation>Задачи синхронизации</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment></comment>
        <translation>Приостановить</translation>
    </message>
    <message>
        <source>Click Finish to close the setup wizard.</source>
        <comment></comment>
        <translation>Нажмите «Готово», чтобы закрыть мастер установки.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Larkspan Drive will merge its content with the server.</source>
        <comment></comment>
        <translation>Выбранная папка не пуста. Larkspan Drive объединит ее содержимое с содержимым на сервере.</translation>
    </message>
    <message>
        <source>The disk of the Larkspan is full.</source>
        <comment></comment>
        <translation>Диск Larkspan заполнен.</translation>
    </message>
    <message>
        <source>Manage</source>
        <comment></comment>
        <translation>Управление</translation>
    </message>
    <message>
        <source>The setup wizard lets you change the way Larkspan Drive is installed, repair it or remove it. Click Next to continue or Cancel to exit.</source>
        <comment></comment>
        <translation>Мастер позволяет изменить способ установки Larkspan Drive, исправить или удалить программу. Нажмите «Далее», чтобы продолжить, или «Отмена», чтобы выйти.</translation>
    </message>
    <message>
        <source>%1 requested access to %2</source>
        <comment></comment>
        <translation>Пользователь %1 запросил доступ к %2</translation>
    </message>
    <message>
        <source>Connected through the Internet</source>
        <comment></comment>
        <translation>Подключено через Интернет</translation>
    </message>
    <message>
        <source>Sync your files</source>
        <comment></comment>
        <translation>Синхронизируйте файлы</translation>
    </message>
    <message>
        <source>Unable to download this version.</source>
        <comment></comment>
        <translation>Не удалось скачать эту версию.</translation>
    </message>
    <message>
        <source>Larkspan Drive setup ended because of an error. Your system has not been changed.</source>
        <comment></comment>
        <translation>Установка Larkspan Drive завершена из-за ошибки. В систему не внесено изменений.</translation>
    </message>
    <message>
        <source>Files shared with you appear in the %1 folder on this computer.</source>
        <comment></comment>
        <translation>Файлы, к которым вам предоставили доступ, отображаются в папке %1 на этом компьютере.</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this connection?</source>
        <comment></comment>
        <translation>Вы действительно хотите отвязать это подключение?</translation>
    </message>
    <message>
        <source>Retry</source>
        <comment></comment>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>The proxy server requires a password</source>
        <comment></comment>
        <translation>Прокси-сервер требует пароль</translation>
    </message>
    <message>
        <source>Update to the latest version to use selective sync.</source>
        <comment></comment>
        <translation>Чтобы использовать выборочную синхронизацию, обновите программу до последней версии.</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again in %1 minutes.</source>
        <comment></comment>
        <translation>Слишком много неудачных попыток. Повторите попытку через %1 мин.</translation>
    </message>
    <message>
        <source>File name</source>
        <comment></comment>
        <translation>Имя файла</translation>
    </message>
    <message>
        <source>Inactive</source>
        <comment></comment>
        <translation>Неактивно</translation>
    </message>
    <message>
        <source>You can change these settings at any time in %1.</source>
        <comment></comment>
        <translation>Эти параметры можно изменить в любое время в %1.</translation>
    </message>
    <message>
        <source>This version of Larkspan Drive is already installed. Do you want to install it again?</source>
        <comment></comment>
        <translation>Эта версия Larkspan Drive уже установлена. Установить ее повторно?</translation>
    </message>
    <message>
        <source>The quota of the shared folder is full.</source>
        <comment></comment>
        <translation>Квота общей папки исчерпана.</translation>
    </message>
    <message>
        <source>The shared folder is not mounted.</source>
        <comment></comment>
        <translation>Общая папка не смонтирована.</translation>
    </message>
    <message>
        <source>%1 hours ago</source>
        <comment></comment>
        <translation>%1 ч. назад</translation>
    </message>
    <message>
        <source>Completed the Larkspan Drive Setup Wizard</source>
        <comment></comment>
        <translation>Мастер установки Larkspan Drive завершен</translation>
    </message>
    <message>
        <source>January</source>
        <comment></comment>
        <translation>Январь</translation>
    </message>
    <message>
        <source>Choose the folders to sync and the sync settings yourself.</source>
        <comment></comment>
        <translation>Выберите папки для синхронизации и параметры синхронизации самостоятельно.</translation>
    </message>
    <message>
        <source>The Larkspan has changed. Link it again to continue.</source>
        <comment></comment>
        <translation>Larkspan изменился. Чтобы продолжить, привяжите его заново.</translation>
    </message>
    <message>
        <source>%1 is now syncing your files.</source>
        <comment></comment>
        <translation>Теперь %1 синхронизирует ваши файлы.</translation>
    </message>
    <message>
        <source>Unable to create a link for this item.</source>
        <comment></comment>
        <translation>Не удалось создать ссылку для этого элемента.</translation>
    </message>
    <message>
        <source>I do not accept the terms of the License Agreement</source>
        <comment></comment>
        <translation>Я не принимаю условия лицензионного соглашения</translation>
    </message>
    <message>
        <source>Sync</source>
        <comment></comment>
        <translation>Синхронизация</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <comment></comment>
        <translation>Вчера</translation>
    </message>
    <message>
        <source>Downloads of previous versions</source>
        <comment></comment>
        <translation>Скачивания предыдущих версий</translation>
    </message>
    <message>
        <source>Sync history</source>
        <comment></comment>
        <translation>Журнал синхронизации</translation>
    </message>
    <message>
        <source>Share link</source>
        <comment></comment>
        <translation>Поделиться ссылкой</translation>
    </message>
    <message>
        <source>Repair</source>
        <comment></comment>
        <translation>Исправить</translation>
    </message>
    <message>
        <source>Open the Larkspan in your browser</source>
        <comment></comment>
        <translation>Открыть Larkspan в браузере</translation>
    </message>
    <message>
        <source>%1 commented on %2</source>
        <comment></comment>
        <translation>Пользователь %1 оставил комментарий к %2</translation>
    </message>
    <message>
        <source>The maximum number of shared items has been reached.</source>
        <comment></comment>
        <translation>Достигнуто максимальное число общих элементов.</translation>
    </message>
    <message>
        <source>Shared</source>
        <comment></comment>
        <translation>Общий доступ</translation>
    </message>
    <message>
        <source>The local disk is full.</source>
        <comment></comment>
        <translation>Локальный диск заполнен.</translation>
    </message>
    <message>
        <source>Setup interrupted</source>
        <comment></comment>
        <translation>Установка прервана</translation>
    </message>
    <message>
        <source>The local sync folder cannot be found.</source>
        <comment></comment>
        <translation>Локальная папка синхронизации не найдена.</translation>
    </message>
    <message>
        <source>Put your files in the sync folder, and they stay up to date on all your devices.</source>
        <comment></comment>
        <translation>Поместите файлы в папку синхронизации, и они будут актуальны на всех ваших устройствах.</translation>
    </message>
    <message>
        <source>Expire after</source>
        <comment></comment>
        <translation>Срок действия истекает через</translation>
    </message>
    <message>
        <source>June</source>
        <comment></comment>
        <translation>Июнь</translation>
    </message>
    <message>
        <source>Select the operation you want to perform.</source>
        <comment></comment>
        <translation>Выберите операцию, которую нужно выполнить.</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <comment></comment>
        <translation>Временные файлы</translation>
    </message>
    <message>
        <source>Your quota on the Larkspan is full. Free some space or choose another folder.</source>
        <comment></comment>
        <translation>Ваша квота на Larkspan исчерпана. Освободите место или выберите другую папку.</translation>
    </message>
    <message>
        <source>Enter the address and port of the proxy server.</source>
        <comment></comment>
        <translation>Введите адрес и порт прокси-сервера.</translation>
    </message>
    <message>
        <source>Folder on the Larkspan</source>
        <comment></comment>
        <translation>Папка на Larkspan</translation>
    </message>
    <message>
        <source>Renamed on this computer</source>
        <comment></comment>
        <translation>Переименовано на этом компьютере</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <comment></comment>
        <translation>Ошибка проверки подлинности</translation>
    </message>
    <message>
        <source>Sunday</source>
        <comment></comment>
        <translation>Воскресенье</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <comment></comment>
        <translation>Среда</translation>
    </message>
    <message>
        <source>Automatic setup is configured.</source>
        <comment></comment>
        <translation>Параметры автоматической настройки заданы.</translation>
    </message>
    <message>
        <source>New folder on the Larkspan</source>
        <comment></comment>
        <translation>Новая папка на Larkspan</translation>
    </message>
    <message>
        <source>Display</source>
        <comment></comment>
        <translation>Отображение</translation>
    </message>
    <message>
        <source>A newer version of %1 is already installed. Setup will now exit.</source>
        <comment></comment>
        <translation>Уже установлена более новая версия %1. Программа установки будет закрыта.</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment></comment>
        <translation>Да</translation>
    </message>
    <message>
        <source>Local sync folder</source>
        <comment></comment>
        <translation>Локальная папка синхронизации</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <comment></comment>
        <translation>Максимальный размер файла (МБ):</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <comment></comment>
        <translation>Подключение...</translation>
    </message>
    <message>
        <source>Access request</source>
        <comment></comment>
        <translation>Запрос доступа</translation>
    </message>
    <message>
        <source>Larkspan Drive is ready.</source>
        <comment></comment>
        <translation>Larkspan Drive готов к работе.</translation>
    </message>
    <message>
        <source>Set up</source>
        <comment></comment>
        <translation>Настроить</translation>
    </message>
    <message>
        <source>Do not sync this folder</source>
        <comment></comment>
        <translation>Не синхронизировать эту папку</translation>
    </message>
    <message>
        <source>This server needs a newer version of Larkspan Drive. Upgrade now?</source>
        <comment></comment>
        <translation>Для этого сервера нужна более новая версия Larkspan Drive. Обновить сейчас?</translation>
    </message>
    <message>
        <source>Choose a sync folder</source>
        <comment></comment>
        <translation>Выберите папку синхронизации</translation>
    </message>
    <message>
        <source>Password</source>
        <comment></comment>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Today</source>
        <comment></comment>
        <translation>Сегодня</translation>
    </message>
    <message>
        <source>Your quota on the Larkspan is full.</source>
        <comment></comment>
        <translation>Ваша квота на Larkspan исчерпана.</translation>
    </message>
    <message>
        <source>Sync and share files across all your devices.</source>
        <comment></comment>
        <translation>Синхронизируйте файлы и делитесь ими на всех своих устройствах.</translation>
    </message>
    <message>
        <source>No permission</source>
        <comment></comment>
        <translation>Нет разрешения</translation>
    </message>
    <message>
        <source>Destination</source>
        <comment></comment>
        <translation>Назначение</translation>
    </message>
    <message>
        <source>The sync folder is on a volume that is not mounted.</source>
        <comment></comment>
        <translation>Папка синхронизации находится на томе, который не смонтирован.</translation>
    </message>
    <message>
        <source>Choose a different folder on this computer.</source>
        <comment></comment>
        <translation>Выберите другую папку на этом компьютере.</translation>
    </message>
    <message>
        <source>Use a black-and-white tray icon</source>
        <comment></comment>
        <translation>Черно-белый значок в области уведомлений</translation>
    </message>
    <message>
        <source>The verification code is not valid.</source>
        <comment></comment>
        <translation>Недопустимый код подтверждения.</translation>
    </message>
    <message>
        <source>No connection is available for this file.</source>
        <comment></comment>
        <translation>Для этого файла нет доступного подключения.</translation>
    </message>
    <message>
        <source>Keep files on the Larkspan when they are deleted from this computer</source>
        <comment></comment>
        <translation>Сохранять файлы на Larkspan при их удалении с этого компьютера</translation>
    </message>
    <message>
        <source>One-way download</source>
        <comment></comment>
        <translation>Одностороннее скачивание</translation>
    </message>
    <message>
        <source>Port:</source>
        <comment></comment>
        <translation>Порт:</translation>
    </message>
    <message>
        <source>Last month</source>
        <comment></comment>
        <translation>Прошлый месяц</translation>
    </message>
    <message>
        <source>Version %1.%2.%3, build %4</source>
        <comment></comment>
        <translation>Версия %1.%2.%3, сборка %4</translation>
    </message>
    <message>
        <source>Your IP address is not allowed to connect.</source>
        <comment></comment>
        <translation>С вашего IP-адреса подключение запрещено.</translation>
    </message>
    <message>
        <source>Sync a folder that someone shared with you.</source>
        <comment></comment>
        <translation>Синхронизируйте папку, к которой вам предоставили доступ.</translation>
    </message>
    <message>
        <source>Filter the sync log</source>
        <comment></comment>
        <translation>Фильтр журнала синхронизации</translation>
    </message>
    <message>
        <source>You can only read this folder. Changes you make to it are not uploaded.</source>
        <comment></comment>
        <translation>Эта папка доступна вам только для чтения. Внесенные в нее изменения не отправляются на сервер.</translation>
    </message>
    <message>
        <source>Keyword</source>
        <comment></comment>
        <translation>Ключевое слово</translation>
    </message>
    <message>
        <source>Do not sync files larger than %1 MB</source>
        <comment></comment>
        <translation>Не синхронизировать файлы больше %1 МБ</translation>
    </message>
    <message>
        <source>Next month</source>
        <comment></comment>
        <translation>Следующий месяц</translation>
    </message>
    <message>
        <source>Remote destination</source>
        <comment></comment>
        <translation>Удаленное расположение</translation>
    </message>
    <message>
        <source>Your account is not allowed to sync this folder.</source>
        <comment></comment>
        <translation>Вашей учетной записи не разрешено синхронизировать эту папку.</translation>
    </message>
    <message>
        <source>Unable to download %1.</source>
        <comment></comment>
        <translation>Не удалось скачать %1.</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <comment></comment>
        <translation>Дополнительные параметры</translation>
    </message>
    <message>
        <source>Welcome to %1. Sign in to get started.</source>
        <comment></comment>
        <translation>Добро пожаловать в %1. Войдите, чтобы начать работу.</translation>
    </message>
    <message>
        <source>Welcome to the Larkspan Drive Setup Wizard</source>
        <comment></comment>
        <translation>Вас приветствует мастер установки Larkspan Drive</translation>
    </message>
    <message>
        <source>This computer was linked to a different Larkspan. Link it again to continue.</source>
        <comment></comment>
        <translation>Этот компьютер был привязан к другому Larkspan. Чтобы продолжить, привяжите его заново.</translation>
    </message>
    <message>
        <source>The shared folder no longer exists.</source>
        <comment></comment>
        <translation>Общая папка больше не существует.</translation>
    </message>
    <message>
        <source>December</source>
        <comment></comment>
        <translation>Декабрь</translation>
    </message>
    <message>
        <source>Overview</source>
        <comment></comment>
        <translation>Обзор</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <comment></comment>
        <translation>Использовать системные параметры прокси</translation>
    </message>
    <message>
        <source>No sync history</source>
        <comment></comment>
        <translation>Журнал синхронизации пуст</translation>
    </message>
    <message>
        <source>Some files could not be synced. Click to see the details.</source>
        <comment></comment>
        <translation>Не удалось синхронизировать некоторые файлы. Щелкните, чтобы просмотреть подробности.</translation>
    </message>
    <message>
        <source>Setup ended because of an error</source>
        <comment></comment>
        <translation>Установка завершена из-за ошибки</translation>
    </message>
    <message>
        <source>Drive</source>
        <comment></comment>
        <translation>Drive</translation>
    </message>
    <message>
        <source>October</source>
        <comment></comment>
        <translation>Октябрь</translation>
    </message>
    <message>
        <source>Your changes have not been saved. Save them now?</source>
        <comment></comment>
        <translation>Изменения не сохранены. Сохранить их сейчас?</translation>
    </message>
    <message>
        <source>This computer is already linked to this Larkspan.</source>
        <comment></comment>
        <translation>Этот компьютер уже привязан к этому Larkspan.</translation>
    </message>
    <message>
        <source>There is not enough space on the local disk for Larkspan Drive.</source>
        <comment></comment>
        <translation>На локальном диске недостаточно места для Larkspan Drive.</translation>
    </message>
    <message>
        <source>Do not sync files with these names:</source>
        <comment></comment>
        <translation>Не синхронизировать файлы с такими именами:</translation>
    </message>
    <message>
        <source>Available from</source>
        <comment></comment>
        <translation>Доступно с</translation>
    </message>
    <message>
        <source>Shows the tray icon in black and white to match your desktop theme.</source>
        <comment></comment>
        <translation>Отображает значок в области уведомлений в черно-белом цвете в соответствии с темой рабочего стола.</translation>
    </message>
    <message>
        <source>Status</source>
        <comment></comment>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Sync one of your folders on the Larkspan with this computer.</source>
        <comment></comment>
        <translation>Синхронизируйте одну из ваших папок на Larkspan с этим компьютером.</translation>
    </message>
    <message>
        <source>Indexing the folder...</source>
        <comment></comment>
        <translation>Индексирование папки...</translation>
    </message>
    <message>
        <source>Your user name or password is incorrect.</source>
        <comment></comment>
        <translation>Неверное имя пользователя или пароль.</translation>
    </message>
    <message>
        <source>You do not have permission to use Larkspan Drive. Ask your administrator.</source>
        <comment></comment>
        <translation>У вас нет разрешения на использование Larkspan Drive. Обратитесь к администратору.</translation>
    </message>
    <message>
        <source>Try syncing again</source>
        <comment></comment>
        <translation>Повторить синхронизацию</translation>
    </message>
    <message>
        <source>Filter settings</source>
        <comment></comment>
        <translation>Параметры фильтра</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <comment></comment>
        <translation>Настройка прокси вручную</translation>
    </message>
    <message>
        <source>Status:</source>
        <comment></comment>
        <translation>Состояние:</translation>
    </message>
    <message>
        <source>July</source>
        <comment></comment>
        <translation>Июль</translation>
    </message>
    <message>
        <source>No</source>
        <comment></comment>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Version not supported</source>
        <comment></comment>
        <translation>Версия не поддерживается</translation>
    </message>
    <message>
        <source>Sync now</source>
        <comment></comment>
        <translation>Синхронизировать сейчас</translation>
    </message>
    <message>
        <source>This folder was synced by another user. Choose another folder.</source>
        <comment></comment>
        <translation>Эту папку синхронизировал другой пользователь. Выберите другую папку.</translation>
    </message>
    <message>
        <source>Create a KestrinDrive folder in the selected location</source>
        <comment></comment>
        <translation>Создать папку KestrinDrive в выбранном расположении</translation>
    </message>
    <message>
        <source>You do not have permission to write to this folder. Choose another folder.</source>
        <comment></comment>
        <translation>У вас нет разрешения на запись в эту папку. Выберите другую папку.</translation>
    </message>
    <message>
        <source>This folder is read-only. Changes are not synced to %1.</source>
        <comment></comment>
        <translation>Эта папка доступна только для чтения. Изменения не синхронизируются с %1.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment></comment>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Got it</source>
        <comment></comment>
        <translation>Понятно</translation>
    </message>
    <message>
        <source>Welcome to Larkspan Drive</source>
        <comment></comment>
        <translation>Добро пожаловать в Larkspan Drive</translation>
    </message>
    <message>
        <source>Network settings</source>
        <comment></comment>
        <translation>Параметры сети</translation>
    </message>
    <message>
        <source>The setup wizard is ready to begin the repair.</source>
        <comment></comment>
        <translation>Мастер установки готов начать исправление.</translation>
    </message>
    <message>
        <source>This client version is not supported by the server. Upgrade to continue syncing.</source>
        <comment></comment>
        <translation>Эта версия клиента не поддерживается сервером. Обновите ее, чтобы продолжить синхронизацию.</translation>
    </message>
    <message>
        <source>Size</source>
        <comment></comment>
        <translation>Размер</translation>
    </message>
    <message>
        <source>The server version is too old. Ask your administrator to upgrade it.</source>
        <comment></comment>
        <translation>Версия сервера устарела. Попросите администратора обновить сервер.</translation>
    </message>
    <message>
        <source>Everyone with the link can view and edit the files.</source>
        <comment></comment>
        <translation>Все, у кого есть ссылка, могут просматривать и изменять файлы.</translation>
    </message>
    <message>
        <source>Edit</source>
        <comment></comment>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Signed-in users can view and edit the files.</source>
        <comment></comment>
        <translation>Пользователи, выполнившие вход, могут просматривать и изменять файлы.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <comment></comment>
        <translation>Выключено</translation>
    </message>
    <message>
        <source>Change, repair or remove the installation.</source>
        <comment></comment>
        <translation>Изменение, исправление или удаление установки.</translation>
    </message>
    <message>
        <source>Just now</source>
        <comment></comment>
        <translation>Только что</translation>
    </message>
    <message>
        <source>New sync folder</source>
        <comment></comment>
        <translation>Новая папка синхронизации</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <comment></comment>
        <translation>Общий доступ включен</translation>
    </message>
    <message>
        <source>Sync error</source>
        <comment></comment>
        <translation>Ошибка синхронизации</translation>
    </message>
    <message>
        <source>Merge mode</source>
        <comment></comment>
        <translation>Режим объединения</translation>
    </message>
    <message>
        <source>Connection information</source>
        <comment></comment>
        <translation>Сведения о подключении</translation>
    </message>
    <message>
        <source>Remove Larkspan Drive</source>
        <comment></comment>
        <translation>Удаление Larkspan Drive</translation>
    </message>
    <message>
        <source>Next %1 pages</source>
        <comment></comment>
        <translation>Следующие %1 стр.</translation>
    </message>
    <message>
        <source>Show sync status</source>
        <comment></comment>
        <translation>Показать состояние синхронизации</translation>
    </message>
    <message>
        <source>My files</source>
        <comment></comment>
        <translation>Мои файлы</translation>
    </message>
    <message>
        <source>Create a sync task</source>
        <comment></comment>
        <translation>Создание задачи синхронизации</translation>
    </message>
    <message>
        <source>Create a LarkspanDrive folder in the selected location</source>
        <comment></comment>
        <translation>Создать папку LarkspanDrive в выбранном расположении</translation>
    </message>
    <message>
        <source>Skipped file names</source>
        <comment></comment>
        <translation>Пропускаемые имена файлов</translation>
    </message>
    <message>
        <source>The %1 ID is not valid.</source>
        <comment></comment>
        <translation>Недопустимый идентификатор %1.</translation>
    </message>
    <message>
        <source>Expire on</source>
        <comment></comment>
        <translation>Срок действия истекает</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <comment></comment>
        <translation>Обновление...</translation>
    </message>
    <message>
        <source>Start now</source>
        <comment></comment>
        <translation>Начать сейчас</translation>
    </message>
    <message>
        <source>Standby</source>
        <comment></comment>
        <translation>Ожидание</translation>
    </message>
    <message>
        <source>Progress</source>
        <comment></comment>
        <translation>Ход выполнения</translation>
    </message>
    <message>
        <source>%1 changes detected</source>
        <comment></comment>
        <translation>Обнаружено изменений: %1</translation>
    </message>
    <message>
        <source>Only download changes from the Larkspan; local changes are not uploaded.</source>
        <comment></comment>
        <translation>Только скачивать изменения с Larkspan; локальные изменения не отправляются.</translation>
    </message>
    <message>
        <source>A database error occurred.</source>
        <comment></comment>
        <translation>Произошла ошибка базы данных.</translation>
    </message>
    <message>
        <source>Enter the address of your Larkspan and your account.</source>
        <comment></comment>
        <translation>Введите адрес вашего Larkspan и данные учетной записи.</translation>
    </message>
    <message>
        <source>On-demand sync</source>
        <comment></comment>
        <translation>Синхронизация по требованию</translation>
    </message>
    <message>
        <source>New sync task</source>
        <comment></comment>
        <translation>Новая задача синхронизации</translation>
    </message>
    <message>
        <source>Upload</source>
        <comment></comment>
        <translation>Отправка</translation>
    </message>
    <message>
        <source>Restrict access</source>
        <comment></comment>
        <translation>Ограничить доступ</translation>
    </message>
    <message>
        <source>Select the folders to sync</source>
        <comment></comment>
        <translation>Выберите папки для синхронизации</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <comment></comment>
        <translation>Выберите папку</translation>
    </message>
    <message>
        <source>Setup mode</source>
        <comment></comment>
        <translation>Режим настройки</translation>
    </message>
    <message>
        <source>Download only</source>
        <comment></comment>
        <translation>Только скачивание</translation>
    </message>
    <message>
        <source>General</source>
        <comment></comment>
        <translation>Общие</translation>
    </message>
    <message>
        <source>Saturday</source>
        <comment></comment>
        <translation>Суббота</translation>
    </message>
    <message>
        <source>Larkspan Drive works with a Larkspan server from Kestrin.</source>
        <comment></comment>
        <translation>Larkspan Drive работает с серверами Larkspan от Kestrin.</translation>
    </message>
    <message>
        <source>Unable to connect to the Larkspan.</source>
        <comment></comment>
        <translation>Не удалось подключиться к Larkspan.</translation>
    </message>
    <message>
        <source>Connected through a relay</source>
        <comment></comment>
        <translation>Подключено через ретранслятор</translation>
    </message>
    <message>
        <source>Larkspan Drive is initializing...</source>
        <comment></comment>
        <translation>Инициализация Larkspan Drive...</translation>
    </message>
    <message>
        <source>Automatic setup failed. Set up Larkspan Drive manually.</source>
        <comment></comment>
        <translation>Автоматическая настройка не удалась. Настройте Larkspan Drive вручную.</translation>
    </message>
    <message>
        <source>Local destination</source>
        <comment></comment>
        <translation>Локальное расположение</translation>
    </message>
    <message>
        <source>This folder is read-only. Changes are not synced to Larkspan Drive.</source>
        <comment></comment>
        <translation>Эта папка доступна только для чтения. Изменения не синхронизируются с Larkspan Drive.</translation>
    </message>
    <message>
        <source>Ignore</source>
        <comment></comment>
        <translation>Пропустить</translation>
    </message>
    <message>
        <source>All events</source>
        <comment></comment>
        <translation>Все события</translation>
    </message>
    <message>
        <source>Sharing</source>
        <comment></comment>
        <translation>Общий доступ</translation>
    </message>
    <message>
        <source>Click Remove to remove Larkspan Drive from your computer.</source>
        <comment></comment>
        <translation>Нажмите «Удалить», чтобы удалить Larkspan Drive с компьютера.</translation>
    </message>
    <message>
        <source>This folder is already part of another sync task.</source>
        <comment></comment>
        <translation>Эта папка уже входит в другую задачу синхронизации.</translation>
    </message>
    <message>
        <source>A network error occurred. Check your connection and try again.</source>
        <comment></comment>
        <translation>Произошла сетевая ошибка. Проверьте подключение и повторите попытку.</translation>
    </message>
    <message>
        <source>Finish</source>
        <comment></comment>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Enter a port number from %1 to %2.</source>
        <comment></comment>
        <translation>Введите номер порта от %1 до %2.</translation>
    </message>
    <message>
        <source>More information</source>
        <comment></comment>
        <translation>Дополнительные сведения</translation>
    </message>
    <message>
        <source>This folder is already synced.</source>
        <comment></comment>
        <translation>Эта папка уже синхронизируется.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <comment></comment>
        <translation>Отказано в доступе.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <comment></comment>
        <translation>Произошла неизвестная ошибка.</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change your settings.</source>
        <comment></comment>
        <translation>Нажмите «Установить», чтобы начать установку. Нажмите «Назад», чтобы просмотреть или изменить параметры.</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <comment></comment>
        <translation>Двусторонняя синхронизация</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <comment></comment>
        <translation>Скачивание %1...</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <comment></comment>
        <translation>Применение параметров...</translation>
    </message>
    <message>
        <source>Switch Larkspan</source>
        <comment></comment>
        <translation>Сменить Larkspan</translation>
    </message>
    <message>
        <source>The file or folder does not exist.</source>
        <comment></comment>
        <translation>Файл или папка не существует.</translation>
    </message>
    <message>
        <source>Next</source>
        <comment></comment>
        <translation>Далее</translation>
    </message>
    <message>
        <source>Change folder</source>
        <comment></comment>
        <translation>Сменить папку</translation>
    </message>
    <message>
        <source>April</source>
        <comment></comment>
        <translation>Апрель</translation>
    </message>
    <message>
        <source>The new language takes effect after Larkspan Drive restarts.</source>
        <comment></comment>
        <translation>Новый язык будет применен после перезапуска Larkspan Drive.</translation>
    </message>
    <message>
        <source>Choose another</source>
        <comment></comment>
        <translation>Выбрать другую</translation>
    </message>
    <message>
        <source>Invalid argument.</source>
        <comment></comment>
        <translation>Недопустимый аргумент.</translation>
    </message>
    <message>
        <source>Syncing %1 files</source>
        <comment></comment>
        <translation>Синхронизация файлов: %1</translation>
    </message>
    <message>
        <source>Sharing links is not enabled on the Larkspan.</source>
        <comment></comment>
        <translation>Общий доступ по ссылкам не включен на Larkspan.</translation>
    </message>
    <message>
        <source>Recently updated files</source>
        <comment></comment>
        <translation>Недавно обновленные файлы</translation>
    </message>
    <message>
        <source>Security warning</source>
        <comment></comment>
        <translation>Предупреждение системы безопасности</translation>
    </message>
    <message>
        <source>The following applications use files that setup needs to update. Close them and click Retry, or click Ignore to continue anyway.</source>
        <comment></comment>
        <translation>Следующие приложения используют файлы, которые программе установки нужно обновить. Закройте их и нажмите «Повторить» или выберите «Пропустить», чтобы все равно продолжить.</translation>
    </message>
    <message>
        <source>Reach your files anywhere</source>
        <comment></comment>
        <translation>Доступ к файлам из любого места</translation>
    </message>
    <message>
        <source>Print</source>
        <comment></comment>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Create a new folder to sync.</source>
        <comment></comment>
        <translation>Создайте новую папку для синхронизации.</translation>
    </message>
    <message>
        <source>The certificate of %1 has changed. Do you trust the new certificate?</source>
        <comment></comment>
        <translation>Сертификат %1 изменился. Доверять новому сертификату?</translation>
    </message>
    <message>
        <source>Larkspan Drive</source>
        <comment></comment>
        <translation>Larkspan Drive</translation>
    </message>
    <message>
        <source>Rename</source>
        <comment></comment>
        <translation>Переименование</translation>
    </message>
    <message>
        <source>Folder already synced</source>
        <comment></comment>
        <translation>Папка уже синхронизируется</translation>
    </message>
    <message>
        <source>Do not sync these folders</source>
        <comment></comment>
        <translation>Не синхронизировать эти папки</translation>
    </message>
    <message>
        <source>Folders that others share with you</source>
        <comment></comment>
        <translation>Папки, к которым вам предоставили доступ другие</translation>
    </message>
    <message>
        <source>Repair Larkspan Drive</source>
        <comment></comment>
        <translation>Исправление Larkspan Drive</translation>
    </message>
    <message>
        <source>Sync log category</source>
        <comment></comment>
        <translation>Категория журнала синхронизации</translation>
    </message>
    <message>
        <source>Close these applications before setup continues:</source>
        <comment></comment>
        <translation>Закройте эти приложения, прежде чем продолжить установку:</translation>
    </message>
    <message>
        <source>Add</source>
        <comment></comment>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>No options available</source>
        <comment></comment>
        <translation>Нет доступных действий</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of Larkspan Drive.</source>
        <comment></comment>
        <translation>Нажмите «Исправить», чтобы исправить установку Larkspan Drive.</translation>
    </message>
    <message>
        <source>The sync direction does not match your permission on the folder.</source>
        <comment></comment>
        <translation>Направление синхронизации не соответствует вашим разрешениям на папку.</translation>
    </message>
    <message>
        <source>You have chosen to remove the program from your computer.</source>
        <comment></comment>
        <translation>Вы решили удалить программу с компьютера.</translation>
    </message>
    <message>
        <source>You are ready to use Larkspan Drive.</source>
        <comment></comment>
        <translation>Все готово к работе с Larkspan Drive.</translation>
    </message>
    <message>
        <source>Edit connection</source>
        <comment></comment>
        <translation>Изменить подключение</translation>
    </message>
    <message>
        <source>Upgrade to version %1</source>
        <comment></comment>
        <translation>Обновить до версии %1</translation>
    </message>
    <message>
        <source>A newer version of Larkspan Drive is already installed. Setup will now exit.</source>
        <comment></comment>
        <translation>Уже установлена более новая версия Larkspan Drive. Программа установки будет закрыта.</translation>
    </message>
    <message>
        <source>Larkspan Drive is now syncing your files.</source>
        <comment></comment>
        <translation>Теперь Larkspan Drive синхронизирует ваши файлы.</translation>
    </message>
    <message>
        <source>%1 files updated</source>
        <comment></comment>
        <translation>Обновлено файлов: %1</translation>
    </message>
    <message>
        <source>Enter a user name.</source>
        <comment></comment>
        <translation>Введите имя пользователя.</translation>
    </message>
    <message>
        <source>There is not enough space on the local disk for %1.</source>
        <comment></comment>
        <translation>На локальном диске недостаточно места для %1.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <comment></comment>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Files shared with you appear in the Larkspan Drive folder on this computer.</source>
        <comment></comment>
        <translation>Файлы, к которым вам предоставили доступ, отображаются в папке Larkspan Drive на этом компьютере.</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <comment></comment>
        <translation>Нет, спасибо</translation>
    </message>
    <message>
        <source>Public</source>
        <comment></comment>
        <translation>Общедоступный</translation>
    </message>
    <message>
        <source>Setup is complete.</source>
        <comment></comment>
        <translation>Настройка завершена.</translation>
    </message>
    <message>
        <source>Open containing folder</source>
        <comment></comment>
        <translation>Открыть папку с файлом</translation>
    </message>
    <message>
        <source>Removes Larkspan Drive from your computer.</source>
        <comment></comment>
        <translation>Удаляет Larkspan Drive с компьютера.</translation>
    </message>
    <message>
        <source>Show the Larkspan Drive tutorial</source>
        <comment></comment>
        <translation>Показать руководство по Larkspan Drive</translation>
    </message>
    <message>
        <source>Previous month</source>
        <comment></comment>
        <translation>Предыдущий месяц</translation>
    </message>
    <message>
        <source>Shared folders</source>
        <comment></comment>
        <translation>Общие папки</translation>
    </message>
    <message>
        <source>Created</source>
        <comment></comment>
        <translation>Создано</translation>
    </message>
    <message>
        <source>Files you change on one device are updated on the others.</source>
        <comment></comment>
        <translation>Файлы, измененные на одном устройстве, обновляются на остальных.</translation>
    </message>
    <message>
        <source>September</source>
        <comment></comment>
        <translation>Сентябрь</translation>
    </message>
    <message>
        <source>Click Remove to continue, or Back to review your choice.</source>
        <comment></comment>
        <translation>Нажмите «Удалить», чтобы продолжить, или «Назад», чтобы пересмотреть выбор.</translation>
    </message>
    <message>
        <source>Back</source>
        <comment></comment>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Folder name</source>
        <comment></comment>
        <translation>Имя папки</translation>
    </message>
    <message>
        <source>Setup is complete. Larkspan Drive now keeps your files in sync.</source>
        <comment></comment>
        <translation>Настройка завершена. Теперь Larkspan Drive синхронизирует ваши файлы.</translation>
    </message>
    <message>
        <source>May</source>
        <comment></comment>
        <translation>Май</translation>
    </message>
    <message>
        <source>Connected through the local network</source>
        <comment></comment>
        <translation>Подключено через локальную сеть</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully.</source>
        <comment></comment>
        <translation>Внимательно прочитайте следующее лицензионное соглашение.</translation>
    </message>
    <message>
        <source>Keep the most recently modified file</source>
        <comment></comment>
        <translation>Сохранить файл, измененный последним</translation>
    </message>
    <message>
        <source>%1 mentioned you in %2</source>
        <comment></comment>
        <translation>Пользователь %1 упомянул вас в %2</translation>
    </message>
    <message>
        <source>Access to the selected folder was denied.</source>
        <comment></comment>
        <translation>Доступ к выбранной папке запрещен.</translation>
    </message>
    <message>
        <source>Disk full</source>
        <comment></comment>
        <translation>Диск заполнен</translation>
    </message>
    <message>
        <source>Signed-in users</source>
        <comment></comment>
        <translation>Пользователи, выполнившие вход</translation>
    </message>
    <message>
        <source>Tutorial that introduces the main features of Larkspan Drive</source>
        <comment></comment>
        <translation>Руководство по основным функциям Larkspan Drive</translation>
    </message>
    <message>
        <source>Checking your password...</source>
        <comment></comment>
        <translation>Проверка пароля...</translation>
    </message>
    <message>
        <source>All files are up to date.</source>
        <comment></comment>
        <translation>Все файлы актуальны.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <comment></comment>
        <translation>Только чтение</translation>
    </message>
    <message>
        <source>Your password has expired.</source>
        <comment></comment>
        <translation>Срок действия пароля истек.</translation>
    </message>
    <message>
        <source>Calendar</source>
        <comment></comment>
        <translation>Календарь</translation>
    </message>
    <message>
        <source>Replace the file on this computer with the copy on the server</source>
        <comment></comment>
        <translation>Заменить файл на этом компьютере копией с сервера</translation>
    </message>
    <message>
        <source>Do not close the applications. A restart will be required.</source>
        <comment></comment>
        <translation>Не закрывать приложения. Потребуется перезагрузка.</translation>
    </message>
    <message>
        <source>November</source>
        <comment></comment>
        <translation>Ноябрь</translation>
    </message>
    <message>
        <source>Find a Larkspan on your local network</source>
        <comment></comment>
        <translation>Найти Larkspan в локальной сети</translation>
    </message>
    <message>
        <source>File name:</source>
        <comment></comment>
        <translation>Имя файла:</translation>
    </message>
    <message>
        <source>Add file name</source>
        <comment></comment>
        <translation>Добавить имя файла</translation>
    </message>
    <message>
        <source>Sync your home folder on the Larkspan with a folder on this computer, using the recommended settings.</source>
        <comment></comment>
        <translation>Синхронизируйте домашнюю папку на Larkspan с папкой на этом компьютере, используя рекомендуемые параметры.</translation>
    </message>
    <message>
        <source>Skip files whose names begin with a dot</source>
        <comment></comment>
        <translation>Пропускать файлы, имена которых начинаются с точки</translation>
    </message>
    <message>
        <source>Setup was cancelled.</source>
        <comment></comment>
        <translation>Установка отменена.</translation>
    </message>
    <message>
        <source>Name</source>
        <comment></comment>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Encrypt data transfers (SSL)</source>
        <comment></comment>
        <translation>Шифровать передачу данных (SSL)</translation>
    </message>
    <message>
        <source>File type</source>
        <comment></comment>
        <translation>Тип файла</translation>
    </message>
    <message>
        <source>Your quota on the Larkspan is full. Syncing is paused.</source>
        <comment></comment>
        <translation>Ваша квота на Larkspan исчерпана. Синхронизация приостановлена.</translation>
    </message>
    <message>
        <source>Share name</source>
        <comment></comment>
        <translation>Имя общего ресурса</translation>
    </message>
    <message>
        <source>Setup is not running as an administrator, so Larkspan Drive will be installed for the current user only. Continue?</source>
        <comment></comment>
        <translation>Программа установки запущена не от имени администратора, поэтому Larkspan Drive будет установлен только для текущего пользователя. Продолжить?</translation>
    </message>
    <message>
        <source>Close the tutorial</source>
        <comment></comment>
        <translation>Закрыть руководство</translation>
    </message>
    <message>
        <source>About Larkspan Drive</source>
        <comment></comment>
        <translation>О Larkspan Drive</translation>
    </message>
    <message>
        <source>Apply and copy link</source>
        <comment></comment>
        <translation>Применить и скопировать ссылку</translation>
    </message>
    <message>
        <source>Password:</source>
        <comment></comment>
        <translation>Пароль:</translation>
    </message>
    <message>
        <source>Computer name</source>
        <comment></comment>
        <translation>Имя компьютера</translation>
    </message>
    <message>
        <source>Synced on all devices</source>
        <comment></comment>
        <translation>Синхронизировано на всех устройствах</translation>
    </message>
    <message>
        <source>Currently syncing: %1</source>
        <comment></comment>
        <translation>Синхронизируется: %1</translation>
    </message>
    <message>
        <source>Apply to all subfolders</source>
        <comment></comment>
        <translation>Применить ко всем вложенным папкам</translation>
    </message>
    <message>
        <source>Files that match these rules are not synced.</source>
        <comment></comment>
        <translation>Файлы, соответствующие этим правилам, не синхронизируются.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected shared items?</source>
        <comment></comment>
        <translation>Вы действительно хотите удалить выбранные общие элементы?</translation>
    </message>
    <message>
        <source>IP address</source>
        <comment></comment>
        <translation>IP-адрес</translation>
    </message>
    <message>
        <source>Your files are now syncing.</source>
        <comment></comment>
        <translation>Ваши файлы синхронизируются.</translation>
    </message>
    <message>
        <source>Some of the entries are not valid.</source>
        <comment></comment>
        <translation>Некоторые значения недопустимы.</translation>
    </message>
    <message>
        <source>A system error occurred while checking the folder.</source>
        <comment></comment>
        <translation>При проверке папки произошла системная ошибка.</translation>
    </message>
    <message>
        <source>Unlink this sync task? Files that are already synced stay on this computer.</source>
        <comment></comment>
        <translation>Отвязать эту задачу синхронизации? Уже синхронизированные файлы останутся на этом компьютере.</translation>
    </message>
    <message>
        <source>The sign-in test failed. Check the user name and password.</source>
        <comment></comment>
        <translation>Не удалось выполнить тестовый вход. Проверьте имя пользователя и пароль.</translation>
    </message>
    <message>
        <source>Turning off sharing removes all existing links. Continue?</source>
        <comment></comment>
        <translation>При отключении общего доступа все существующие ссылки будут удалены. Продолжить?</translation>
    </message>
    <message>
        <source>Test connection</source>
        <comment></comment>
        <translation>Проверить подключение</translation>
    </message>
    <message>
        <source>Install</source>
        <comment></comment>
        <translation>Установить</translation>
    </message>
    <message>
        <source>Advanced setup</source>
        <comment></comment>
        <translation>Расширенная настройка</translation>
    </message>
    <message>
        <source>Click Repair to continue, or Back to review your choice.</source>
        <comment></comment>
        <translation>Нажмите «Исправить», чтобы продолжить, или «Назад», чтобы пересмотреть выбор.</translation>
    </message>
    <message>
        <source>Installing the program files...</source>
        <comment></comment>
        <translation>Установка файлов программы...</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app</source>
        <comment></comment>
        <translation>Введите код подтверждения из приложения для проверки подлинности</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <comment></comment>
        <translation>Все равно продолжить</translation>
    </message>
    <message>
        <source>March</source>
        <comment></comment>
        <translation>Март</translation>
    </message>
    <message>
        <source>You can change these settings at any time in Larkspan Drive.</source>
        <comment></comment>
        <translation>Эти параметры можно изменить в любое время в Larkspan Drive.</translation>
    </message>
    <message>
        <source>Proxy settings</source>
        <comment></comment>
        <translation>Параметры прокси</translation>
    </message>
    <message>
        <source>Remove the installation</source>
        <comment></comment>
        <translation>Удалить установку</translation>
    </message>
    <message>
        <source>Send to %1</source>
        <comment></comment>
        <translation>Отправить в %1</translation>
    </message>
    <message>
        <source>Synchronization mode</source>
        <comment></comment>
        <translation>Режим синхронизации</translation>
    </message>
    <message>
        <source>Refresh the sync log</source>
        <comment></comment>
        <translation>Обновить журнал синхронизации</translation>
    </message>
    <message>
        <source>The content of both folders is merged. Nothing is deleted.</source>
        <comment></comment>
        <translation>Содержимое обеих папок объединяется. Ничего не удаляется.</translation>
    </message>
    <message>
        <source>This version of %1 is already installed. Do you want to install it again?</source>
        <comment></comment>
        <translation>Эта версия %1 уже установлена. Установить ее повторно?</translation>
    </message>
    <message>
        <source>When the tray icon is double-clicked</source>
        <comment></comment>
        <translation>При двойном щелчке по значку в области уведомлений</translation>
    </message>
    <message>
        <source>Open the web portal to reach your files from any browser.</source>
        <comment></comment>
        <translation>Откройте веб-портал, чтобы получить доступ к файлам из любого браузера.</translation>
    </message>
    <message>
        <source>Click Finish to close the setup wizard and start using Larkspan Drive.</source>
        <comment></comment>
        <translation>Нажмите «Готово», чтобы закрыть мастер установки и начать работу с Larkspan Drive.</translation>
    </message>
    <message>
        <source>There are no changes to apply.</source>
        <comment></comment>
        <translation>Нет изменений для применения.</translation>
    </message>
    <message>
        <source>Network error.</source>
        <comment></comment>
        <translation>Сетевая ошибка.</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <comment></comment>
        <translation>Подготовка...</translation>
    </message>
    <message>
        <source>More tutorials</source>
        <comment></comment>
        <translation>Другие руководства</translation>
    </message>
    <message>
        <source>Read-only folder</source>
        <comment></comment>
        <translation>Папка только для чтения</translation>
    </message>
    <message>
        <source>Previous %1 pages</source>
        <comment></comment>
        <translation>Предыдущие %1 стр.</translation>
    </message>
    <message>
        <source>Start the tour</source>
        <comment></comment>
        <translation>Начать обзор</translation>
    </message>
    <message>
        <source>IP address details</source>
        <comment></comment>
        <translation>Сведения об IP-адресе</translation>
    </message>
    <message>
        <source>From</source>
        <comment></comment>
        <translation>С</translation>
    </message>
    <message>
        <source>Welcome to Larkspan Drive. Sign in to get started.</source>
        <comment></comment>
        <translation>Добро пожаловать в Larkspan Drive. Войдите, чтобы начать работу.</translation>
    </message>
    <message>
        <source>Sync problem</source>
        <comment></comment>
        <translation>Проблема синхронизации</translation>
    </message>
    <message>
        <source>Local usage</source>
        <comment></comment>
        <translation>Локальное использование</translation>
    </message>
    <message>
        <source>Enable on-demand sync</source>
        <comment></comment>
        <translation>Включить синхронизацию по требованию</translation>
    </message>
    <message>
        <source>Larkspan Drive has been installed.</source>
        <comment></comment>
        <translation>Larkspan Drive установлен.</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <comment></comment>
        <translation>Отключено</translation>
    </message>
    <message>
        <source>Locked</source>
        <comment></comment>
        <translation>Заблокировано</translation>
    </message>
    <message>
        <source>Change sync folder</source>
        <comment></comment>
        <translation>Сменить папку синхронизации</translation>
    </message>
    <message>
        <source>Setup has finished.</source>
        <comment></comment>
        <translation>Установка завершена.</translation>
    </message>
    <message>
        <source>%1 shared %2 with you</source>
        <comment></comment>
        <translation>Пользователь %1 предоставил вам доступ к %2</translation>
    </message>
    <message>
        <source>Not found</source>
        <comment></comment>
        <translation>Не найдено</translation>
    </message>
    <message>
        <source>Reset</source>
        <comment></comment>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>Installing the features you selected.</source>
        <comment></comment>
        <translation>Установка выбранных компонентов.</translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <comment></comment>
        <translation>Требуется код подтверждения.</translation>
    </message>
    <message>
        <source>%1 keeps the files on your Larkspan and your computers in sync.</source>
        <comment></comment>
        <translation>%1 синхронизирует файлы на вашем Larkspan и ваших компьютерах.</translation>
    </message>
    <message>
        <source>There is not enough space on the disk of this computer.</source>
        <comment></comment>
        <translation>На диске этого компьютера недостаточно места.</translation>
    </message>
    <message>
        <source>Connection type</source>
        <comment></comment>
        <translation>Тип подключения</translation>
    </message>
    <message>
        <source>Show the %1 tutorial</source>
        <comment></comment>
        <translation>Показать руководство по %1</translation>
    </message>
    <message>
        <source>You can also invite people to folders you own.</source>
        <comment></comment>
        <translation>Вы также можете приглашать пользователей в свои папки.</translation>
    </message>
    <message>
        <source>%1 could not be upgraded.</source>
        <comment></comment>
        <translation>Не удалось обновить %1.</translation>
    </message>
    <message>
        <source>%1 works with a Larkspan server from Kestrin.</source>
        <comment></comment>
        <translation>%1 работает с серверами Larkspan от Kestrin.</translation>
    </message>
    <message>
        <source>Welcome</source>
        <comment></comment>
        <translation>Добро пожаловать</translation>
    </message>
    <message>
        <source>Custom range</source>
        <comment></comment>
        <translation>Произвольный период</translation>
    </message>
    <message>
        <source>Sync %1 to this computer?</source>
        <comment></comment>
        <translation>Синхронизировать %1 с этим компьютером?</translation>
    </message>
    <message>
        <source>Quick setup</source>
        <comment></comment>
        <translation>Быстрая настройка</translation>
    </message>
    <message>
        <source>Download history</source>
        <comment></comment>
        <translation>Журнал скачиваний</translation>
    </message>
    <message>
        <source>Use a relay connection when a direct connection is not possible</source>
        <comment></comment>
        <translation>Использовать подключение через ретранслятор, если прямое подключение невозможно</translation>
    </message>
    <message>
        <source>Folders you clear are removed from this computer but kept on the Larkspan.</source>
        <comment></comment>
        <translation>Папки, с которых снят флажок, будут удалены с этого компьютера, но сохранятся на Larkspan.</translation>
    </message>
    <message>
        <source>Link</source>
        <comment></comment>
        <translation>Ссылка</translation>
    </message>
    <message>
        <source>Address:</source>
        <comment></comment>
        <translation>Адрес:</translation>
    </message>
    <message>
        <source>Download complete.</source>
        <comment></comment>
        <translation>Скачивание завершено.</translation>
    </message>
    <message>
        <source>Setup has all the information it needs to start copying the program files.</source>
        <comment></comment>
        <translation>Программа установки получила все сведения, необходимые для копирования файлов программы.</translation>
    </message>
    <message>
        <source>Sync activity</source>
        <comment></comment>
        <translation>Активность синхронизации</translation>
    </message>
    <message>
        <source>Downloading</source>
        <comment></comment>
        <translation>Скачивание</translation>
    </message>
    <message>
        <source>This wizard installs Larkspan Drive on your computer.</source>
        <comment></comment>
        <translation>Этот мастер установит Larkspan Drive на ваш компьютер.</translation>
    </message>
    <message>
        <source>To</source>
        <comment></comment>
        <translation>По</translation>
    </message>
    <message>
        <source>The server&apos;s certificate could not be verified. Connect anyway?</source>
        <comment></comment>
        <translation>Не удалось проверить сертификат сервера. Все равно подключиться?</translation>
    </message>
    <message>
        <source>Larkspan Drive is running.</source>
        <comment></comment>
        <translation>Larkspan Drive работает.</translation>
    </message>
    <message>
        <source>%1 has shared a new item with you.</source>
        <comment></comment>
        <translation>Пользователь %1 предоставил вам доступ к новому элементу.</translation>
    </message>
    <message>
        <source>A conflict occurred.</source>
        <comment></comment>
        <translation>Произошел конфликт.</translation>
    </message>
    <message>
        <source>The selected folder is a mount point. Choose a folder on a local disk.</source>
        <comment></comment>
        <translation>Выбранная папка является точкой монтирования. Выберите папку на локальном диске.</translation>
    </message>
    <message>
        <source>Encryption</source>
        <comment></comment>
        <translation>Шифрование</translation>
    </message>
    <message>
        <source>Changes you make in your sync folder are synced with the Larkspan.</source>
        <comment></comment>
        <translation>Изменения в папке синхронизации синхронизируются с Larkspan.</translation>
    </message>
    <message>
        <source>Please wait while the setup wizard installs Larkspan Drive. This may take several minutes.</source>
        <comment></comment>
        <translation>Подождите, пока мастер установит Larkspan Drive. Это может занять несколько минут.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has changed since your last connection. Continue?</source>
        <comment></comment>
        <translation>Сертификат сервера изменился с момента последнего подключения. Продолжить?</translation>
    </message>
    <message>
        <source>%1 is ready.</source>
        <comment></comment>
        <translation>%1 готов к работе.</translation>
    </message>
    <message>
        <source>Search</source>
        <comment></comment>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Link a new Larkspan</source>
        <comment></comment>
        <translation>Привязать новый Larkspan</translation>
    </message>
    <message>
        <source>Certificate verification failed.</source>
        <comment></comment>
        <translation>Ошибка проверки сертификата.</translation>
    </message>
    <message>
        <source>Starting Larkspan Drive...</source>
        <comment></comment>
        <translation>Запуск Larkspan Drive...</translation>
    </message>
    <message>
        <source>On-demand sync could not be enabled.</source>
        <comment></comment>
        <translation>Не удалось включить синхронизацию по требованию.</translation>
    </message>
    <message>
        <source>Setup complete</source>
        <comment></comment>
        <translation>Настройка завершена</translation>
    </message>
    <message>
        <source>Your administrator requires two-step verification for your account.</source>
        <comment></comment>
        <translation>Администратор требует двухэтапную проверку для вашей учетной записи.</translation>
    </message>
    <message>
        <source>Start %1 when I sign in</source>
        <comment></comment>
        <translation>Запускать %1 при входе в систему</translation>
    </message>
    <message>
        <source>The selected folder is already synced by another task.</source>
        <comment></comment>
        <translation>Выбранная папка уже синхронизируется другой задачей.</translation>
    </message>
    <message>
        <source>File</source>
        <comment></comment>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Recently changed</source>
        <comment></comment>
        <translation>Недавно измененные</translation>
    </message>
</context>
</TS>
