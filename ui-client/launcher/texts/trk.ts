<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Enabled</source>
        <comment></comment>
        <translation>Etkin</translation>
    </message>
    <message>
        <source>Larkspan Drive has no optional features to change.</source>
        <comment></comment>
        <translation>Larkspan Drive&apos;da değiştirilebilecek isteğe bağlı özellik yok.</translation>
    </message>
    <message>
        <source>Merge</source>
        <comment></comment>
        <translation>Birleştir</translation>
    </message>
    <message>
        <source>Open folder</source>
        <comment></comment>
        <translation>Klasörü aç</translation>
    </message>
    <message>
        <source>Sync folder on this computer</source>
        <comment></comment>
        <translation>Bu bilgisayardaki eşitleme klasörü</translation>
    </message>
    <message>
        <source>Tutorial that introduces the main features of %1</source>
        <comment></comment>
        <translation>%1 uygulamasının temel özelliklerini tanıtan öğretici</translation>
    </message>
    <message>
        <source>Renamed on the Larkspan</source>
        <comment></comment>
        <translation>Larkspan&apos;da yeniden adlandırıldı</translation>
    </message>
    <message>
        <source>Friday</source>
        <comment></comment>
        <translation>Cuma</translation>
    </message>
    <message>
        <source>Thursday</source>
        <comment></comment>
        <translation>Perşembe</translation>
    </message>
    <message>
        <source>The setup wizard is ready to begin the installation.</source>
        <comment></comment>
        <translation>Kurulum sihirbazı yüklemeyi başlatmaya hazır.</translation>
    </message>
    <message>
        <source>Select the files to sync</source>
        <comment></comment>
        <translation>Eşitlenecek dosyaları seçin</translation>
    </message>
    <message>
        <source>Loading...</source>
        <comment></comment>
        <translation>Yükleniyor...</translation>
    </message>
    <message>
        <source>Sync direction</source>
        <comment></comment>
        <translation>Eşitleme yönü</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <comment></comment>
        <translation>Yeni bir sürüm var. Güncellemek için tıklayın.</translation>
    </message>
    <message>
        <source>Ready to install Larkspan Drive</source>
        <comment></comment>
        <translation>Larkspan Drive yüklenmeye hazır</translation>
    </message>
    <message>
        <source>User name</source>
        <comment></comment>
        <translation>Kullanıcı adı</translation>
    </message>
    <message>
        <source>File sharing is not available over a relay connection.</source>
        <comment></comment>
        <translation>Dosya paylaşımı, aktarma bağlantısı üzerinden kullanılamaz.</translation>
    </message>
    <message>
        <source>Last page</source>
        <comment></comment>
        <translation>Son sayfa</translation>
    </message>
    <message>
        <source>One-way upload</source>
        <comment></comment>
        <translation>Tek yönlü karşıya yükleme</translation>
    </message>
    <message>
        <source>Setup is complete. %1 now keeps your files in sync.</source>
        <comment></comment>
        <translation>Kurulum tamamlandı. %1 artık dosyalarınızı eşitli tutuyor.</translation>
    </message>
    <message>
        <source>System default</source>
        <comment></comment>
        <translation>Sistem varsayılanı</translation>
    </message>
    <message>
        <source>A sync folder named %1 already exists. Choose another name.</source>
        <comment></comment>
        <translation>%1 adlı bir eşitleme klasörü zaten var. Başka bir ad seçin.</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment></comment>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>Choose the display language</source>
        <comment></comment>
        <translation>Görüntüleme dilini seçin</translation>
    </message>
    <message>
        <source>The Larkspan Drive service is disabled on this Larkspan. Ask your administrator to enable it.</source>
        <comment></comment>
        <translation>Larkspan Drive hizmeti bu Larkspan&apos;da devre dışı. Etkinleştirmesi için yöneticinize başvurun.</translation>
    </message>
    <message>
        <source>Search for Larkspan servers on the local network</source>
        <comment></comment>
        <translation>Yerel ağda Larkspan sunucularını ara</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <comment></comment>
        <translation>ve %1 tane daha</translation>
    </message>
    <message>
        <source>Connected</source>
        <comment></comment>
        <translation>Bağlandı</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <comment></comment>
        <translation>Salı</translation>
    </message>
    <message>
        <source>Read the following license agreement and accept it to continue.</source>
        <comment></comment>
        <translation>Devam etmek için aşağıdaki lisans sözleşmesini okuyun ve kabul edin.</translation>
    </message>
    <message>
        <source>Help</source>
        <comment></comment>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>Launch Larkspan Drive now</source>
        <comment></comment>
        <translation>Larkspan Drive&apos;ı şimdi başlat</translation>
    </message>
    <message>
        <source>User name:</source>
        <comment></comment>
        <translation>Kullanıcı adı:</translation>
    </message>
    <message>
        <source>Finishing the automatic setup...</source>
        <comment></comment>
        <translation>Otomatik kurulum tamamlanıyor...</translation>
    </message>
    <message>
        <source>Summary</source>
        <comment></comment>
        <translation>Özet</translation>
    </message>
    <message>
        <source>Selective sync mode</source>
        <comment></comment>
        <translation>Seçmeli eşitleme modu</translation>
    </message>
    <message>
        <source>Notifications</source>
        <comment></comment>
        <translation>Bildirimler</translation>
    </message>
    <message>
        <source>Choose a folder on the Larkspan and a folder on this computer to keep in sync.</source>
        <comment></comment>
        <translation>Eşitli tutulacak bir Larkspan klasörü ve bu bilgisayarda bir klasör seçin.</translation>
    </message>
    <message>
        <source>Files whose names match these patterns are not synced. Use * as a wildcard, for example *.tmp.</source>
        <comment></comment>
        <translation>Adları bu desenlerle eşleşen dosyalar eşitlenmez. Joker karakter olarak * kullanın, örneğin *.tmp.</translation>
    </message>
    <message>
        <source>OK</source>
        <comment></comment>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Everyone with the link can view the files.</source>
        <comment></comment>
        <translation>Bağlantıya sahip herkes dosyaları görüntüleyebilir.</translation>
    </message>
    <message>
        <source>Set sync folder</source>
        <comment></comment>
        <translation>Eşitleme klasörünü ayarla</translation>
    </message>
    <message>
        <source>Unlink</source>
        <comment></comment>
        <translation>Bağlantıyı kaldır</translation>
    </message>
    <message>
        <source>Value</source>
        <comment></comment>
        <translation>Değer</translation>
    </message>
    <message>
        <source>Selective sync</source>
        <comment></comment>
        <translation>Seçmeli eşitleme</translation>
    </message>
    <message>
        <source>Continue</source>
        <comment></comment>
        <translation>Devam</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <comment></comment>
        <translation>Başlatma başarısız oldu.</translation>
    </message>
    <message>
        <source>Share files with others</source>
        <comment></comment>
        <translation>Dosyaları başkalarıyla paylaşın</translation>
    </message>
    <message>
        <source>Open Larkspan Drive</source>
        <comment></comment>
        <translation>Larkspan Drive&apos;ı aç</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment></comment>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Change which features of Larkspan Drive are installed</source>
        <comment></comment>
        <translation>Larkspan Drive&apos;ın hangi özelliklerinin yükleneceğini değiştir</translation>
    </message>
    <message>
        <source>Unable to get the user information.</source>
        <comment></comment>
        <translation>Kullanıcı bilgileri alınamadı.</translation>
    </message>
    <message>
        <source>Status information</source>
        <comment></comment>
        <translation>Durum bilgisi</translation>
    </message>
    <message>
        <source>The setup wizard will install Larkspan Drive on your computer. Click Next to continue or Cancel to exit.</source>
        <comment></comment>
        <translation>Kurulum sihirbazı Larkspan Drive&apos;ı bilgisayarınıza yükleyecek. Devam etmek için İleri&apos;ye, çıkmak için İptal&apos;e tıklayın.</translation>
    </message>
    <message>
        <source>Show sync status icons on files and folders</source>
        <comment></comment>
        <translation>Dosya ve klasörlerde eşitleme durumu simgelerini göster</translation>
    </message>
    <message>
        <source>Change</source>
        <comment></comment>
        <translation>Değiştir</translation>
    </message>
    <message>
        <source>Cancel setup</source>
        <comment></comment>
        <translation>Kurulumu iptal et</translation>
    </message>
    <message>
        <source>No proxy</source>
        <comment></comment>
        <translation>Proxy yok</translation>
    </message>
    <message>
        <source>The client could not be upgraded. Please try again later.</source>
        <comment></comment>
        <translation>İstemci yükseltilemedi. Lütfen daha sonra yeniden deneyin.</translation>
    </message>
    <message>
        <source>Apply</source>
        <comment></comment>
        <translation>Uygula</translation>
    </message>
    <message>
        <source>Files in use</source>
        <comment></comment>
        <translation>Kullanımdaki dosyalar</translation>
    </message>
    <message>
        <source>Service disabled</source>
        <comment></comment>
        <translation>Hizmet devre dışı</translation>
    </message>
    <message>
        <source>Reading the connection settings...</source>
        <comment></comment>
        <translation>Bağlantı ayarları okunuyor...</translation>
    </message>
    <message>
        <source>Mentioned you</source>
        <comment></comment>
        <translation>Sizden bahsetti</translation>
    </message>
    <message>
        <source>Updating...</source>
        <comment></comment>
        <translation>Güncelleniyor...</translation>
    </message>
    <message>
        <source>Language</source>
        <comment></comment>
        <translation>Dil</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <comment></comment>
        <translation>Tebrikler!</translation>
    </message>
    <message>
        <source>Enable sharing</source>
        <comment></comment>
        <translation>Paylaşımı etkinleştir</translation>
    </message>
    <message>
        <source>The home folder service is not enabled for your account. Ask your administrator to enable it.</source>
        <comment></comment>
        <translation>Hesabınız için ana klasör hizmeti etkin değil. Etkinleştirmesi için yöneticinize başvurun.</translation>
    </message>
    <message>
        <source>August</source>
        <comment></comment>
        <translation>Ağustos</translation>
    </message>
    <message>
        <source>Read and write</source>
        <comment></comment>
        <translation>Okuma ve yazma</translation>
    </message>
    <message>
        <source>Remove</source>
        <comment></comment>
        <translation>Kaldır</translation>
    </message>
    <message>
        <source>Larkspan Drive notification</source>
        <comment></comment>
        <translation>Larkspan Drive bildirimi</translation>
    </message>
    <message>
        <source>Open in the web portal</source>
        <comment></comment>
        <translation>Web portalında aç</translation>
    </message>
    <message>
        <source>The selected sync folder is not valid. Choose another folder.</source>
        <comment></comment>
        <translation>Seçilen eşitleme klasörü geçerli değil. Başka bir klasör seçin.</translation>
    </message>
    <message>
        <source>This field cannot be left blank.</source>
        <comment></comment>
        <translation>Bu alan boş bırakılamaz.</translation>
    </message>
    <message>
        <source>Start Larkspan Drive when I sign in</source>
        <comment></comment>
        <translation>Oturum açtığımda Larkspan Drive&apos;ı başlat</translation>
    </message>
    <message>
        <source>Some files that need to be updated are currently in use.</source>
        <comment></comment>
        <translation>Güncellenmesi gereken bazı dosyalar şu anda kullanılıyor.</translation>
    </message>
    <message>
        <source>File extensions:</source>
        <comment></comment>
        <translation>Dosya uzantıları:</translation>
    </message>
    <message>
        <source>Shared with me</source>
        <comment></comment>
        <translation>Benimle paylaşılanlar</translation>
    </message>
    <message>
        <source>Stop downloading this version</source>
        <comment></comment>
        <translation>Bu sürümün indirilmesini durdur</translation>
    </message>
    <message>
        <source>Browse previous versions</source>
        <comment></comment>
        <translation>Önceki sürümlere göz at</translation>
    </message>
    <message>
        <source>Unable to create the local folder %1.</source>
        <comment></comment>
        <translation>Yerel klasör oluşturulamadı: %1.</translation>
    </message>
    <message>
        <source>Information</source>
        <comment></comment>
        <translation>Bilgi</translation>
    </message>
    <message>
        <source>%1 is running.</source>
        <comment></comment>
        <translation>%1 çalışıyor.</translation>
    </message>
    <message>
        <source>Larkspan Drive keeps the files on your Larkspan and your computers in sync.</source>
        <comment></comment>
        <translation>Larkspan Drive, Larkspan&apos;ınızdaki ve bilgisayarlarınızdaki dosyaları eşitli tutar.</translation>
    </message>
    <message>
        <source>Do not show this message again</source>
        <comment></comment>
        <translation>Bu iletiyi bir daha gösterme</translation>
    </message>
    <message>
        <source>Open the web portal</source>
        <comment></comment>
        <translation>Web portalını aç</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <comment></comment>
        <translation>Yükselt</translation>
    </message>
    <message>
        <source>Done</source>
        <comment></comment>
        <translation>Bitti</translation>
    </message>
    <message>
        <source>Choose how to finish the setup:</source>
        <comment></comment>
        <translation>Kurulumun nasıl tamamlanacağını seçin:</translation>
    </message>
    <message>
        <source>When a file exists on both sides, both are kept and the local copy is renamed as a conflict file.</source>
        <comment></comment>
        <translation>Bir dosya her iki tarafta da varsa ikisi de korunur ve yerel kopya çakışma dosyası olarak yeniden adlandırılır.</translation>
    </message>
    <message>
        <source>Only the users and groups you choose can open the files.</source>
        <comment></comment>
        <translation>Dosyaları yalnızca seçtiğiniz kullanıcılar ve gruplar açabilir.</translation>
    </message>
    <message>
        <source>Invite people</source>
        <comment></comment>
        <translation>Kişileri davet et</translation>
    </message>
    <message>
        <source>This computer</source>
        <comment></comment>
        <translation>Bu bilgisayar</translation>
    </message>
    <message>
        <source>New shared item</source>
        <comment></comment>
        <translation>Yeni paylaşılan öğe</translation>
    </message>
    <message>
        <source>Uploading</source>
        <comment></comment>
        <translation>Karşıya yükleniyor</translation>
    </message>
    <message>
        <source>Automatic connection is not allowed by the server settings.</source>
        <comment></comment>
        <translation>Sunucu ayarları otomatik bağlantıya izin vermiyor.</translation>
    </message>
    <message>
        <source>Restricted</source>
        <comment></comment>
        <translation>Kısıtlı</translation>
    </message>
    <message>
        <source>Proxy</source>
        <comment></comment>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Keep both files and add the computer name to the local copy</source>
        <comment></comment>
        <translation>Her iki dosyayı da koru ve yerel kopyaya bilgisayar adını ekle</translation>
    </message>
    <message>
        <source>Close the applications automatically and try to restart them afterwards.</source>
        <comment></comment>
        <translation>Uygulamaları otomatik olarak kapat ve daha sonra yeniden başlatmayı dene.</translation>
    </message>
    <message>
        <source>This version of the client is too old. Upgrade Larkspan Drive to the latest version.</source>
        <comment></comment>
        <translation>İstemcinin bu sürümü çok eski. Larkspan Drive&apos;ı en son sürüme yükseltin.</translation>
    </message>
    <message>
        <source>Users and groups</source>
        <comment></comment>
        <translation>Kullanıcılar ve gruplar</translation>
    </message>
    <message>
        <source>Right-click a file in your sync folder and choose Share link to share it with anyone.</source>
        <comment></comment>
        <translation>Bir dosyayı herkesle paylaşmak için eşitleme klasörünüzde dosyaya sağ tıklayın ve Bağlantıyı paylaş&apos;ı seçin.</translation>
    </message>
    <message>
        <source>Link permission</source>
        <comment></comment>
        <translation>Bağlantı izni</translation>
    </message>
    <message>
        <source>The server&apos;s SSL certificate could not be verified.</source>
        <comment></comment>
        <translation>Sunucunun SSL sertifikası doğrulanamadı.</translation>
    </message>
    <message>
        <source>Repairs the most recent installation by restoring missing or damaged files and shortcuts.</source>
        <comment></comment>
        <translation>Eksik veya bozuk dosyaları ve kısayolları geri yükleyerek en son yüklemeyi onarır.</translation>
    </message>
    <message>
        <source>Sync mode</source>
        <comment></comment>
        <translation>Eşitleme modu</translation>
    </message>
    <message>
        <source>No previous versions are available for this file.</source>
        <comment></comment>
        <translation>Bu dosyanın önceki sürümü yok.</translation>
    </message>
    <message>
        <source>The remote folder is not mounted.</source>
        <comment></comment>
        <translation>Uzak klasör bağlanmamış.</translation>
    </message>
    <message>
        <source>Type</source>
        <comment></comment>
        <translation>Tür</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <comment></comment>
        <translation>Son Kullanıcı Lisans Sözleşmesi</translation>
    </message>
    <message>
        <source>Expire after a number of visits</source>
        <comment></comment>
        <translation>Belirli sayıda ziyaretten sonra sona ersin</translation>
    </message>
    <message>
        <source>Signed-in users can view the files.</source>
        <comment></comment>
        <translation>Oturum açmış kullanıcılar dosyaları görüntüleyebilir.</translation>
    </message>
    <message>
        <source>The Larkspan Drive ID is not valid.</source>
        <comment></comment>
        <translation>Larkspan Drive kimliği geçerli değil.</translation>
    </message>
    <message>
        <source>Change, repair or remove the installation</source>
        <comment></comment>
        <translation>Yüklemeyi değiştir, onar veya kaldır</translation>
    </message>
    <message>
        <source>Connection unstable</source>
        <comment></comment>
        <translation>Bağlantı kararsız</translation>
    </message>
    <message>
        <source>Date</source>
        <comment></comment>
        <translation>Tarih</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <comment></comment>
        <translation>En fazla %1 karakter girin.</translation>
    </message>
    <message>
        <source>This computer was linked to a different server. Link %1 again to continue.</source>
        <comment></comment>
        <translation>Bu bilgisayar farklı bir sunucuya bağlanmıştı. Devam etmek için %1 uygulamasını yeniden bağlayın.</translation>
    </message>
    <message>
        <source>No valid folder is selected.</source>
        <comment></comment>
        <translation>Geçerli bir klasör seçilmedi.</translation>
    </message>
    <message>
        <source>Version mismatch</source>
        <comment></comment>
        <translation>Sürüm uyuşmazlığı</translation>
    </message>
    <message>
        <source>No data</source>
        <comment></comment>
        <translation>Veri yok</translation>
    </message>
    <message>
        <source>Setup was interrupted by an error.</source>
        <comment></comment>
        <translation>Kurulum bir hata nedeniyle kesildi.</translation>
    </message>
    <message>
        <source>Open file</source>
        <comment></comment>
        <translation>Dosyayı aç</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment></comment>
        <translation>Sil</translation>
    </message>
    <message>
        <source>A new version is available. Click to update to %1.</source>
        <comment></comment>
        <translation>Yeni bir sürüm var. %1 sürümüne güncellemek için tıklayın.</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment></comment>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>Unable to delete the shared item.</source>
        <comment></comment>
        <translation>Paylaşılan öğe silinemedi.</translation>
    </message>
    <message>
        <source>Error</source>
        <comment></comment>
        <translation>Hata</translation>
    </message>
    <message>
        <source>Unable to list the versions of this file.</source>
        <comment></comment>
        <translation>Bu dosyanın sürümleri listelenemedi.</translation>
    </message>
    <message>
        <source>%1 minutes ago</source>
        <comment></comment>
        <translation>%1 dakika önce</translation>
    </message>
    <message>
        <source>Larkspan Drive encountered an error.</source>
        <comment></comment>
        <translation>Larkspan Drive bir hatayla karşılaştı.</translation>
    </message>
    <message>
        <source>Resume syncing these folders</source>
        <comment></comment>
        <translation>Bu klasörlerin eşitlemesini sürdür</translation>
    </message>
    <message>
        <source>Add folder</source>
        <comment></comment>
        <translation>Klasör ekle</translation>
    </message>
    <message>
        <source>Lets you change the way the features are installed.</source>
        <comment></comment>
        <translation>Özelliklerin yüklenme biçimini değiştirmenizi sağlar.</translation>
    </message>
    <message>
        <source>Choose how you want to set up Larkspan Drive.</source>
        <comment></comment>
        <translation>Larkspan Drive&apos;ı nasıl kurmak istediğinizi seçin.</translation>
    </message>
    <message>
        <source>Repair the installation</source>
        <comment></comment>
        <translation>Yüklemeyi onar</translation>
    </message>
    <message>
        <source>When a file was changed on both sides:</source>
        <comment></comment>
        <translation>Bir dosya her iki tarafta da değiştirildiğinde:</translation>
    </message>
    <message>
        <source>Later</source>
        <comment></comment>
        <translation>Daha sonra</translation>
    </message>
    <message>
        <source>The folder %1 already exists. Do you want to merge the two folders?</source>
        <comment></comment>
        <translation>%1 klasörü zaten var. İki klasörü birleştirmek istiyor musunuz?</translation>
    </message>
    <message>
        <source>New shared item received</source>
        <comment></comment>
        <translation>Yeni paylaşılan öğe alındı</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <comment></comment>
        <translation>Masaüstü bildirimlerini göster</translation>
    </message>
    <message>
        <source>Larkspan Drive does not support the protocol used by this server.</source>
        <comment></comment>
        <translation>Larkspan Drive bu sunucunun kullandığı protokolü desteklemiyor.</translation>
    </message>
    <message>
        <source>The local disk is full. Larkspan Drive has paused syncing.</source>
        <comment></comment>
        <translation>Yerel disk dolu. Larkspan Drive eşitlemeyi duraklattı.</translation>
    </message>
    <message>
        <source>No shared items</source>
        <comment></comment>
        <translation>Paylaşılan öğe yok</translation>
    </message>
    <message>
        <source>Authentication failed. Check your user name and password.</source>
        <comment></comment>
        <translation>Kimlik doğrulama başarısız oldu. Kullanıcı adınızı ve parolanızı denetleyin.</translation>
    </message>
    <message>
        <source>Choose the folders to keep in sync.</source>
        <comment></comment>
        <translation>Eşitli tutulacak klasörleri seçin.</translation>
    </message>
    <message>
        <source>Paused</source>
        <comment></comment>
        <translation>Duraklatıldı</translation>
    </message>
    <message>
        <source>%1 is initializing...</source>
        <comment></comment>
        <translation>%1 hazırlanıyor...</translation>
    </message>
    <message>
        <source>Up to date</source>
        <comment></comment>
        <translation>Güncel</translation>
    </message>
    <message>
        <source>Download cancelled.</source>
        <comment></comment>
        <translation>İndirme iptal edildi.</translation>
    </message>
    <message>
        <source>Larkspan Drive could not be upgraded.</source>
        <comment></comment>
        <translation>Larkspan Drive yükseltilemedi.</translation>
    </message>
    <message>
        <source>Your files, everywhere.</source>
        <comment></comment>
        <translation>Dosyalarınız her yerde.</translation>
    </message>
    <message>
        <source>Sync the files that other users share with you.</source>
        <comment></comment>
        <translation>Diğer kullanıcıların sizinle paylaştığı dosyaları eşitleyin.</translation>
    </message>
    <message>
        <source>Change, repair or remove Larkspan Drive.</source>
        <comment></comment>
        <translation>Larkspan Drive&apos;ı değiştirin, onarın veya kaldırın.</translation>
    </message>
    <message>
        <source>Installing Larkspan Drive</source>
        <comment></comment>
        <translation>Larkspan Drive yükleniyor</translation>
    </message>
    <message>
        <source>Keep both files and rename the conflicting one</source>
        <comment></comment>
        <translation>Her iki dosyayı da koru ve çakışan dosyayı yeniden adlandır</translation>
    </message>
    <message>
        <source>The server version is not supported. Ask your administrator to upgrade the server.</source>
        <comment></comment>
        <translation>Sunucu sürümü desteklenmiyor. Sunucuyu yükseltmesi için yöneticinize başvurun.</translation>
    </message>
    <message>
        <source>Version</source>
        <comment></comment>
        <translation>Sürüm</translation>
    </message>
    <message>
        <source>Resume syncing this folder</source>
        <comment></comment>
        <translation>Bu klasörün eşitlemesini sürdür</translation>
    </message>
    <message>
        <source>Show Larkspan Drive in the file manager&apos;s context menu</source>
        <comment></comment>
        <translation>Larkspan Drive&apos;ı dosya yöneticisinin bağlam menüsünde göster</translation>
    </message>
    <message>
        <source>About</source>
        <comment></comment>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Comments</source>
        <comment></comment>
        <translation>Yorumlar</translation>
    </message>
    <message>
        <source>The relay service is disabled on the server.</source>
        <comment></comment>
        <translation>Aktarma hizmeti sunucuda devre dışı.</translation>
    </message>
    <message>
        <source>Last week</source>
        <comment></comment>
        <translation>Geçen hafta</translation>
    </message>
    <message>
        <source>Checking data...</source>
        <comment></comment>
        <translation>Veriler denetleniyor...</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <comment></comment>
        <translation>Eşitleniyor...</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment></comment>
        <translation>Klasör</translation>
    </message>
    <message>
        <source>%1 items</source>
        <comment></comment>
        <translation>%1 öğe</translation>
    </message>
    <message>
        <source>Download</source>
        <comment></comment>
        <translation>İndirme</translation>
    </message>
    <message>
        <source>%1 days ago</source>
        <comment></comment>
        <translation>%1 gün önce</translation>
    </message>
    <message>
        <source>Open settings</source>
        <comment></comment>
        <translation>Ayarları aç</translation>
    </message>
    <message>
        <source>Unable to get the link to the file.</source>
        <comment></comment>
        <translation>Dosyanın bağlantısı alınamadı.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. %1 will merge its content with the server.</source>
        <comment></comment>
        <translation>Seçilen klasör boş değil. %1, klasörün içeriğini sunucudakiyle birleştirecek.</translation>
    </message>
    <message>
        <source>Reconnect</source>
        <comment></comment>
        <translation>Yeniden bağlan</translation>
    </message>
    <message>
        <source>Monday</source>
        <comment></comment>
        <translation>Pazartesi</translation>
    </message>
    <message>
        <source>The shared folder conflicts with an existing sync folder.</source>
        <comment></comment>
        <translation>Paylaşılan klasör mevcut bir eşitleme klasörüyle çakışıyor.</translation>
    </message>
    <message>
        <source>Sync task from %1 to %2</source>
        <comment></comment>
        <translation>%1 konumundan %2 konumuna eşitleme görevi</translation>
    </message>
    <message>
        <source>Mount point</source>
        <comment></comment>
        <translation>Bağlama noktası</translation>
    </message>
    <message>
        <source>Folder not empty</source>
        <comment></comment>
        <translation>Klasör boş değil</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <comment></comment>
        <translation>Bağlantı kaldırılıyor...</translation>
    </message>
    <message>
        <source>Time</source>
        <comment></comment>
        <translation>Zaman</translation>
    </message>
    <message>
        <source>%1 does not support the protocol used by this server.</source>
        <comment></comment>
        <translation>%1 bu sunucunun kullandığı protokolü desteklemiyor.</translation>
    </message>
    <message>
        <source>Folder path</source>
        <comment></comment>
        <translation>Klasör yolu</translation>
    </message>
    <message>
        <source>February</source>
        <comment></comment>
        <translation>Şubat</translation>
    </message>
    <message>
        <source>The server&apos;s certificate could not be verified. Syncing is paused.</source>
        <comment></comment>
        <translation>Sunucunun sertifikası doğrulanamadı. Eşitleme duraklatıldı.</translation>
    </message>
    <message>
        <source>Close the applications that use these files.</source>
        <comment></comment>
        <translation>Bu dosyaları kullanan uygulamaları kapatın.</translation>
    </message>
    <message>
        <source>Automatic connection failed because of a system error.</source>
        <comment></comment>
        <translation>Otomatik bağlantı bir sistem hatası nedeniyle başarısız oldu.</translation>
    </message>
    <message>
        <source>Show icons on files that are not synced</source>
        <comment></comment>
        <translation>Eşitlenmeyen dosyalarda simge göster</translation>
    </message>
    <message>
        <source>Larkspan Drive setup was interrupted. Your system has not been changed.</source>
        <comment></comment>
        <translation>Larkspan Drive kurulumu kesildi. Sisteminizde değişiklik yapılmadı.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has changed.</source>
        <comment></comment>
        <translation>Sunucunun sertifikası değişti.</translation>
    </message>
    <message>
        <source>Files are stored in your local sync folder, for example /home/user/​LarkspanDrive.</source>
        <comment></comment>
        <translation>Dosyalar yerel eşitleme klasörünüzde saklanır, örneğin /home/user/​LarkspanDrive.</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the installation of Larkspan Drive?</source>
        <comment></comment>
        <translation>Larkspan Drive yüklemesini iptal etmek istediğinizden emin misiniz?</translation>
    </message>
    <message>
        <source>ID</source>
        <comment></comment>
        <translation>Kimlik</translation>
    </message>
    <message>
        <source>%1 has been downloaded.</source>
        <comment></comment>
        <translation>%1 indirildi.</translation>
    </message>
    <message>
        <source>The connection is inactive.</source>
        <comment></comment>
        <translation>Bağlantı etkin değil.</translation>
    </message>
    <message>
        <source>Changes in folders on network drives may not be detected right away.</source>
        <comment></comment>
        <translation>Ağ sürücülerindeki klasörlerde yapılan değişiklikler hemen algılanmayabilir.</translation>
    </message>
    <message>
        <source>Share</source>
        <comment></comment>
        <translation>Paylaş</translation>
    </message>
    <message>
        <source>%1 encountered an error.</source>
        <comment></comment>
        <translation>%1 bir hatayla karşılaştı.</translation>
    </message>
    <message>
        <source>First page</source>
        <comment></comment>
        <translation>İlk sayfa</translation>
    </message>
    <message>
        <source>Resume</source>
        <comment></comment>
        <translation>Sürdür</translation>
    </message>
    <message>
        <source>Unable to enable sharing.</source>
        <comment></comment>
        <translation>Paylaşım etkinleştirilemedi.</translation>
    </message>
    <message>
        <source>The local disk is full. %1 has paused syncing.</source>
        <comment></comment>
        <translation>Yerel disk dolu. %1 eşitlemeyi duraklattı.</translation>
    </message>
    <message>
        <source>Custom duration</source>
        <comment></comment>
        <translation>Özel süre</translation>
    </message>
    <message>
        <source>Remove this download</source>
        <comment></comment>
        <translation>Bu indirmeyi kaldır</translation>
    </message>
    <message>
        <source>I accept the terms of the License Agreement</source>
        <comment></comment>
        <translation>Lisans Sözleşmesi&apos;nin koşullarını kabul ediyorum</translation>
    </message>
    <message>
        <source>Select a folder on your computer to sync.</source>
        <comment></comment>
        <translation>Bilgisayarınızda eşitlenecek bir klasör seçin.</translation>
    </message>
    <message>
        <source>Action</source>
        <comment></comment>
        <translation>Eylem</translation>
    </message>
    <message>
        <source>Sync tasks</source>
        <comment></comment>
        <translation>Eşitleme görevleri</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment></comment>
        <translation>Duraklat</translation>
    </message>
    <message>
        <source>Click Finish to close the setup wizard.</source>
        <comment></comment>
        <translation>Kurulum sihirbazını kapatmak için Bitir&apos;e tıklayın.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Larkspan Drive will merge its content with the server.</source>
        <comment></comment>
        <translation>Seçilen klasör boş değil. Larkspan Drive, klasörün içeriğini sunucudakiyle birleştirecek.</translation>
    </message>
    <message>
        <source>The disk of the Larkspan is full.</source>
        <comment></comment>
        <translation>Larkspan&apos;ın diski dolu.</translation>
    </message>
    <message>
        <source>Manage</source>
        <comment></comment>
        <translation>Yönet</translation>
    </message>
    <message>
        <source>The setup wizard lets you change the way Larkspan Drive is installed, repair it or remove it. Click Next to continue or Cancel to exit.</source>
        <comment></comment>
        <translation>Kurulum sihirbazı, Larkspan Drive&apos;ın yüklenme biçimini değiştirmenizi, onu onarmanızı veya kaldırmanızı sağlar. Devam etmek için İleri&apos;ye, çıkmak için İptal&apos;e tıklayın.</translation>
    </message>
    <message>
        <source>%1 requested access to %2</source>
        <comment></comment>
        <translation>%1, %2 için erişim istedi</translation>
    </message>
    <message>
        <source>Connected through the Internet</source>
        <comment></comment>
        <translation>İnternet üzerinden bağlandı</translation>
    </message>
    <message>
        <source>Sync your files</source>
        <comment></comment>
        <translation>Dosyalarınızı eşitleyin</translation>
    </message>
    <message>
        <source>Unable to download this version.</source>
        <comment></comment>
        <translation>Bu sürüm indirilemedi.</translation>
    </message>
    <message>
        <source>Larkspan Drive setup ended because of an error. Your system has not been changed.</source>
        <comment></comment>
        <translation>Larkspan Drive kurulumu bir hata nedeniyle sona erdi. Sisteminizde değişiklik yapılmadı.</translation>
    </message>
    <message>
        <source>Files shared with you appear in the %1 folder on this computer.</source>
        <comment></comment>
        <translation>Sizinle paylaşılan dosyalar bu bilgisayardaki %1 klasöründe görünür.</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this connection?</source>
        <comment></comment>
        <translation>Bu bağlantıyı kaldırmak istediğinizden emin misiniz?</translation>
    </message>
    <message>
        <source>Retry</source>
        <comment></comment>
        <translation>Yeniden dene</translation>
    </message>
    <message>
        <source>The proxy server requires a password</source>
        <comment></comment>
        <translation>Proxy sunucusu parola gerektiriyor</translation>
    </message>
    <message>
        <source>Update to the latest version to use selective sync.</source>
        <comment></comment>
        <translation>Seçmeli eşitlemeyi kullanmak için en son sürüme güncelleyin.</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again in %1 minutes.</source>
        <comment></comment>
        <translation>Çok fazla başarısız deneme. Lütfen %1 dakika sonra yeniden deneyin.</translation>
    </message>
    <message>
        <source>File name</source>
        <comment></comment>
        <translation>Dosya adı</translation>
    </message>
    <message>
        <source>Inactive</source>
        <comment></comment>
        <translation>Etkin değil</translation>
    </message>
    <message>
        <source>You can change these settings at any time in %1.</source>
        <comment></comment>
        <translation>Bu ayarları istediğiniz zaman %1 uygulamasında değiştirebilirsiniz.</translation>
    </message>
    <message>
        <source>This version of Larkspan Drive is already installed. Do you want to install it again?</source>
        <comment></comment>
        <translation>Larkspan Drive&apos;ın bu sürümü zaten yüklü. Yeniden yüklemek istiyor musunuz?</translation>
    </message>
    <message>
        <source>The quota of the shared folder is full.</source>
        <comment></comment>
        <translation>Paylaşılan klasörün kotası doldu.</translation>
    </message>
    <message>
        <source>The shared folder is not mounted.</source>
        <comment></comment>
        <translation>Paylaşılan klasör bağlanmamış.</translation>
    </message>
    <message>
        <source>%1 hours ago</source>
        <comment></comment>
        <translation>%1 saat önce</translation>
    </message>
    <message>
        <source>Completed the Larkspan Drive Setup Wizard</source>
        <comment></comment>
        <translation>Larkspan Drive Kurulum Sihirbazı tamamlandı</translation>
    </message>
    <message>
        <source>January</source>
        <comment></comment>
        <translation>Ocak</translation>
    </message>
    <message>
        <source>Choose the folders to sync and the sync settings yourself.</source>
        <comment></comment>
        <translation>Eşitlenecek klasörleri ve eşitleme ayarlarını kendiniz seçin.</translation>
    </message>
    <message>
        <source>The Larkspan has changed. Link it again to continue.</source>
        <comment></comment>
        <translation>Larkspan değişti. Devam etmek için yeniden bağlayın.</translation>
    </message>
    <message>
        <source>%1 is now syncing your files.</source>
        <comment></comment>
        <translation>%1 artık dosyalarınızı eşitliyor.</translation>
    </message>
    <message>
        <source>Unable to create a link for this item.</source>
        <comment></comment>
        <translation>Bu öğe için bağlantı oluşturulamadı.</translation>
    </message>
    <message>
        <source>I do not accept the terms of the License Agreement</source>
        <comment></comment>
        <translation>Lisans Sözleşmesi&apos;nin koşullarını kabul etmiyorum</translation>
    </message>
    <message>
        <source>Sync</source>
        <comment></comment>
        <translation>Eşitleme</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <comment></comment>
        <translation>Dün</translation>
    </message>
    <message>
        <source>Downloads of previous versions</source>
        <comment></comment>
        <translation>Önceki sürümlerin indirmeleri</translation>
    </message>
    <message>
        <source>Sync history</source>
        <comment></comment>
        <translation>Eşitleme geçmişi</translation>
    </message>
    <message>
        <source>Share link</source>
        <comment></comment>
        <translation>Bağlantıyı paylaş</translation>
    </message>
    <message>
        <source>Repair</source>
        <comment></comment>
        <translation>Onar</translation>
    </message>
    <message>
        <source>Open the Larkspan in your browser</source>
        <comment></comment>
        <translation>Larkspan&apos;ı tarayıcıda aç</translation>
    </message>
    <message>
        <source>%1 commented on %2</source>
        <comment></comment>
        <translation>%1, %2 öğesine yorum yaptı</translation>
    </message>
    <message>
        <source>The maximum number of shared items has been reached.</source>
        <comment></comment>
        <translation>Paylaşılan öğe sayısı üst sınıra ulaştı.</translation>
    </message>
    <message>
        <source>Shared</source>
        <comment></comment>
        <translation>Paylaşılan</translation>
    </message>
    <message>
        <source>The local disk is full.</source>
        <comment></comment>
        <translation>Yerel disk dolu.</translation>
    </message>
    <message>
        <source>Setup interrupted</source>
        <comment></comment>
        <translation>Kurulum kesildi</translation>
    </message>
    <message>
        <source>The local sync folder cannot be found.</source>
        <comment></comment>
        <translation>Yerel eşitleme klasörü bulunamıyor.</translation>
    </message>
    <message>
        <source>Put your files in the sync folder, and they stay up to date on all your devices.</source>
        <comment></comment>
        <translation>Dosyalarınızı eşitleme klasörüne koyun; tüm cihazlarınızda güncel kalsınlar.</translation>
    </message>
    <message>
        <source>Expire after</source>
        <comment></comment>
        <translation>Sona erme süresi</translation>
    </message>
    <message>
        <source>June</source>
        <comment></comment>
        <translation>Haziran</translation>
    </message>
    <message>
        <source>Select the operation you want to perform.</source>
        <comment></comment>
        <translation>Gerçekleştirmek istediğiniz işlemi seçin.</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <comment></comment>
        <translation>Geçici dosyalar</translation>
    </message>
    <message>
        <source>Your quota on the Larkspan is full. Free some space or choose another folder.</source>
        <comment></comment>
        <translation>Larkspan&apos;daki kotanız doldu. Biraz yer açın veya başka bir klasör seçin.</translation>
    </message>
    <message>
        <source>Enter the address and port of the proxy server.</source>
        <comment></comment>
        <translation>Proxy sunucusunun adresini ve bağlantı noktasını girin.</translation>
    </message>
    <message>
        <source>Folder on the Larkspan</source>
        <comment></comment>
        <translation>Larkspan&apos;daki klasör</translation>
    </message>
    <message>
        <source>Renamed on this computer</source>
        <comment></comment>
        <translation>Bu bilgisayarda yeniden adlandırıldı</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <comment></comment>
        <translation>Kimlik doğrulama başarısız</translation>
    </message>
    <message>
        <source>Sunday</source>
        <comment></comment>
        <translation>Pazar</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <comment></comment>
        <translation>Çarşamba</translation>
    </message>
    <message>
        <source>Automatic setup is configured.</source>
        <comment></comment>
        <translation>Otomatik kurulum yapılandırıldı.</translation>
    </message>
    <message>
        <source>New folder on the Larkspan</source>
        <comment></comment>
        <translation>Larkspan&apos;da yeni klasör</translation>
    </message>
    <message>
        <source>Display</source>
        <comment></comment>
        <translation>Görünüm</translation>
    </message>
    <message>
        <source>A newer version of %1 is already installed. Setup will now exit.</source>
        <comment></comment>
        <translation>%1 uygulamasının daha yeni bir sürümü zaten yüklü. Kurulum şimdi kapanacak.</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment></comment>
        <translation>Evet</translation>
    </message>
    <message>
        <source>Local sync folder</source>
        <comment></comment>
        <translation>Yerel eşitleme klasörü</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <comment></comment>
        <translation>En büyük dosya boyutu (MB):</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <comment></comment>
        <translation>Bağlanıyor...</translation>
    </message>
    <message>
        <source>Access request</source>
        <comment></comment>
        <translation>Erişim isteği</translation>
    </message>
    <message>
        <source>Larkspan Drive is ready.</source>
        <comment></comment>
        <translation>Larkspan Drive hazır.</translation>
    </message>
    <message>
        <source>Set up</source>
        <comment></comment>
        <translation>Kur</translation>
    </message>
    <message>
        <source>Do not sync this folder</source>
        <comment></comment>
        <translation>Bu klasörü eşitlemeden çıkar</translation>
    </message>
    <message>
        <source>This server needs a newer version of Larkspan Drive. Upgrade now?</source>
        <comment></comment>
        <translation>Bu sunucu, Larkspan Drive&apos;ın daha yeni bir sürümünü gerektiriyor. Şimdi yükseltilsin mi?</translation>
    </message>
    <message>
        <source>Choose a sync folder</source>
        <comment></comment>
        <translation>Bir eşitleme klasörü seçin</translation>
    </message>
    <message>
        <source>Password</source>
        <comment></comment>
        <translation>Parola</translation>
    </message>
    <message>
        <source>Today</source>
        <comment></comment>
        <translation>Bugün</translation>
    </message>
    <message>
        <source>Your quota on the Larkspan is full.</source>
        <comment></comment>
        <translation>Larkspan&apos;daki kotanız doldu.</translation>
    </message>
    <message>
        <source>Sync and share files across all your devices.</source>
        <comment></comment>
        <translation>Dosyaları tüm cihazlarınızda eşitleyin ve paylaşın.</translation>
    </message>
    <message>
        <source>No permission</source>
        <comment></comment>
        <translation>İzin yok</translation>
    </message>
    <message>
        <source>Destination</source>
        <comment></comment>
        <translation>Hedef</translation>
    </message>
    <message>
        <source>The sync folder is on a volume that is not mounted.</source>
        <comment></comment>
        <translation>Eşitleme klasörü, bağlanmamış bir birimde.</translation>
    </message>
    <message>
        <source>Choose a different folder on this computer.</source>
        <comment></comment>
        <translation>Bu bilgisayarda farklı bir klasör seçin.</translation>
    </message>
    <message>
        <source>Use a black-and-white tray icon</source>
        <comment></comment>
        <translation>Siyah beyaz tepsi simgesi kullan</translation>
    </message>
    <message>
        <source>The verification code is not valid.</source>
        <comment></comment>
        <translation>Doğrulama kodu geçerli değil.</translation>
    </message>
    <message>
        <source>No connection is available for this file.</source>
        <comment></comment>
        <translation>Bu dosya için kullanılabilir bağlantı yok.</translation>
    </message>
    <message>
        <source>Keep files on the Larkspan when they are deleted from this computer</source>
        <comment></comment>
        <translation>Dosyalar bu bilgisayardan silindiğinde Larkspan&apos;da tut</translation>
    </message>
    <message>
        <source>One-way download</source>
        <comment></comment>
        <translation>Tek yönlü indirme</translation>
    </message>
    <message>
        <source>Port:</source>
        <comment></comment>
        <translation>Bağlantı noktası:</translation>
    </message>
    <message>
        <source>Last month</source>
        <comment></comment>
        <translation>Geçen ay</translation>
    </message>
    <message>
        <source>Version %1.%2.%3, build %4</source>
        <comment></comment>
        <translation>Sürüm %1.%2.%3, derleme %4</translation>
    </message>
    <message>
        <source>Your IP address is not allowed to connect.</source>
        <comment></comment>
        <translation>IP adresinizin bağlanmasına izin verilmiyor.</translation>
    </message>
    <message>
        <source>Sync a folder that someone shared with you.</source>
        <comment></comment>
        <translation>Birinin sizinle paylaştığı bir klasörü eşitleyin.</translation>
    </message>
    <message>
        <source>Filter the sync log</source>
        <comment></comment>
        <translation>Eşitleme günlüğünü filtrele</translation>
    </message>
    <message>
        <source>You can only read this folder. Changes you make to it are not uploaded.</source>
        <comment></comment>
        <translation>Bu klasörü yalnızca okuyabilirsiniz. Klasörde yaptığınız değişiklikler karşıya yüklenmez.</translation>
    </message>
    <message>
        <source>Keyword</source>
        <comment></comment>
        <translation>Anahtar sözcük</translation>
    </message>
    <message>
        <source>Do not sync files larger than %1 MB</source>
        <comment></comment>
        <translation>%1 MB&apos;tan büyük dosyaları eşitlemeden çıkar</translation>
    </message>
    <message>
        <source>Next month</source>
        <comment></comment>
        <translation>Sonraki ay</translation>
    </message>
    <message>
        <source>Remote destination</source>
        <comment></comment>
        <translation>Uzak hedef</translation>
    </message>
    <message>
        <source>Your account is not allowed to sync this folder.</source>
        <comment></comment>
        <translation>Hesabınızın bu klasörü eşitlemesine izin verilmiyor.</translation>
    </message>
    <message>
        <source>Unable to download %1.</source>
        <comment></comment>
        <translation>%1 indirilemedi.</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <comment></comment>
        <translation>Gelişmiş ayarlar</translation>
    </message>
    <message>
        <source>Welcome to %1. Sign in to get started.</source>
        <comment></comment>
        <translation>%1 uygulamasına hoş geldiniz. Başlamak için oturum açın.</translation>
    </message>
    <message>
        <source>Welcome to the Larkspan Drive Setup Wizard</source>
        <comment></comment>
        <translation>Larkspan Drive Kurulum Sihirbazı&apos;na hoş geldiniz</translation>
    </message>
    <message>
        <source>This computer was linked to a different Larkspan. Link it again to continue.</source>
        <comment></comment>
        <translation>Bu bilgisayar farklı bir Larkspan&apos;a bağlanmıştı. Devam etmek için yeniden bağlayın.</translation>
    </message>
    <message>
        <source>The shared folder no longer exists.</source>
        <comment></comment>
        <translation>Paylaşılan klasör artık yok.</translation>
    </message>
    <message>
        <source>December</source>
        <comment></comment>
        <translation>Aralık</translation>
    </message>
    <message>
        <source>Overview</source>
        <comment></comment>
        <translation>Genel bakış</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <comment></comment>
        <translation>Sistem proxy ayarlarını kullan</translation>
    </message>
    <message>
        <source>No sync history</source>
        <comment></comment>
        <translation>Eşitleme geçmişi yok</translation>
    </message>
    <message>
        <source>Some files could not be synced. Click to see the details.</source>
        <comment></comment>
        <translation>Bazı dosyalar eşitlenemedi. Ayrıntıları görmek için tıklayın.</translation>
    </message>
    <message>
        <source>Setup ended because of an error</source>
        <comment></comment>
        <translation>Kurulum bir hata nedeniyle sona erdi</translation>
    </message>
    <message>
        <source>Drive</source>
        <comment></comment>
        <translation>Drive</translation>
    </message>
    <message>
        <source>October</source>
        <comment></comment>
        <translation>Ekim</translation>
    </message>
    <message>
        <source>Your changes have not been saved. Save them now?</source>
        <comment></comment>
        <translation>Değişiklikleriniz kaydedilmedi. Şimdi kaydedilsin mi?</translation>
    </message>
    <message>
        <source>This computer is already linked to this Larkspan.</source>
        <comment></comment>
        <translation>Bu bilgisayar zaten bu Larkspan&apos;a bağlı.</translation>
    </message>
    <message>
        <source>There is not enough space on the local disk for Larkspan Drive.</source>
        <comment></comment>
        <translation>Yerel diskte Larkspan Drive için yeterli alan yok.</translation>
    </message>
    <message>
        <source>Do not sync files with these names:</source>
        <comment></comment>
        <translation>Şu adlara sahip dosyaları eşitlemeden çıkar:</translation>
    </message>
    <message>
        <source>Available from</source>
        <comment></comment>
        <translation>Şu tarihten itibaren kullanılabilir</translation>
    </message>
    <message>
        <source>Shows the tray icon in black and white to match your desktop theme.</source>
        <comment></comment>
        <translation>Masaüstü temanıza uyması için tepsi simgesini siyah beyaz gösterir.</translation>
    </message>
    <message>
        <source>Status</source>
        <comment></comment>
        <translation>Durum</translation>
    </message>
    <message>
        <source>Sync one of your folders on the Larkspan with this computer.</source>
        <comment></comment>
        <translation>Larkspan&apos;daki klasörlerinizden birini bu bilgisayarla eşitleyin.</translation>
    </message>
    <message>
        <source>Indexing the folder...</source>
        <comment></comment>
        <translation>Klasör dizinleniyor...</translation>
    </message>
    <message>
        <source>Your user name or password is incorrect.</source>
        <comment></comment>
        <translation>Kullanıcı adınız veya parolanız yanlış.</translation>
    </message>
    <message>
        <source>You do not have permission to use Larkspan Drive. Ask your administrator.</source>
        <comment></comment>
        <translation>Larkspan Drive&apos;ı kullanma izniniz yok. Yöneticinize başvurun.</translation>
    </message>
    <message>
        <source>Try syncing again</source>
        <comment></comment>
        <translation>Yeniden eşitlemeyi dene</translation>
    </message>
    <message>
        <source>Filter settings</source>
        <comment></comment>
        <translation>Filtre ayarları</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <comment></comment>
        <translation>El ile proxy yapılandırması</translation>
    </message>
    <message>
        <source>Status:</source>
        <comment></comment>
        <translation>Durum:</translation>
    </message>
    <message>
        <source>July</source>
        <comment></comment>
        <translation>Temmuz</translation>
    </message>
    <message>
        <source>No</source>
        <comment></comment>
        <translation>Hayır</translation>
    </message>
    <message>
        <source>Version not supported</source>
        <comment></comment>
        <translation>Sürüm desteklenmiyor</translation>
    </message>
    <message>
        <source>Sync now</source>
        <comment></comment>
        <translation>Şimdi eşitle</translation>
    </message>
    <message>
        <source>This folder was synced by another user. Choose another folder.</source>
        <comment></comment>
        <translation>Bu klasör başka bir kullanıcı tarafından eşitlendi. Başka bir klasör seçin.</translation>
    </message>
    <message>
        <source>Create a KestrinDrive folder in the selected location</source>
        <comment></comment>
        <translation>Seçilen konumda bir KestrinDrive klasörü oluştur</translation>
    </message>
    <message>
        <source>You do not have permission to write to this folder. Choose another folder.</source>
        <comment></comment>
        <translation>Bu klasöre yazma izniniz yok. Başka bir klasör seçin.</translation>
    </message>
    <message>
        <source>This folder is read-only. Changes are not synced to %1.</source>
        <comment></comment>
        <translation>Bu klasör salt okunur. Değişiklikler %1 ile eşitlenmez.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment></comment>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>Got it</source>
        <comment></comment>
        <translation>Anladım</translation>
    </message>
    <message>
        <source>Welcome to Larkspan Drive</source>
        <comment></comment>
        <translation>Larkspan Drive&apos;a hoş geldiniz</translation>
    </message>
    <message>
        <source>Network settings</source>
        <comment></comment>
        <translation>Ağ ayarları</translation>
    </message>
    <message>
        <source>The setup wizard is ready to begin the repair.</source>
        <comment></comment>
        <translation>Kurulum sihirbazı onarımı başlatmaya hazır.</translation>
    </message>
    <message>
        <source>This client version is not supported by the server. Upgrade to continue syncing.</source>
        <comment></comment>
        <translation>Bu istemci sürümü sunucu tarafından desteklenmiyor. Eşitlemeye devam etmek için yükseltin.</translation>
    </message>
    <message>
        <source>Size</source>
        <comment></comment>
        <translation>Boyut</translation>
    </message>
    <message>
        <source>The server version is too old. Ask your administrator to upgrade it.</source>
        <comment></comment>
        <translation>Sunucu sürümü çok eski. Yükseltmesi için yöneticinize başvurun.</translation>
    </message>
    <message>
        <source>Everyone with the link can view and edit the files.</source>
        <comment></comment>
        <translation>Bağlantıya sahip herkes dosyaları görüntüleyebilir ve düzenleyebilir.</translation>
    </message>
    <message>
        <source>Edit</source>
        <comment></comment>
        <translation>Düzenle</translation>
    </message>
    <message>
        <source>Signed-in users can view and edit the files.</source>
        <comment></comment>
        <translation>Oturum açmış kullanıcılar dosyaları görüntüleyebilir ve düzenleyebilir.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <comment></comment>
        <translation>Devre dışı</translation>
    </message>
    <message>
        <source>Change, repair or remove the installation.</source>
        <comment></comment>
        <translation>Yüklemeyi değiştirin, onarın veya kaldırın.</translation>
    </message>
    <message>
        <source>Just now</source>
        <comment></comment>
        <translation>Az önce</translation>
    </message>
    <message>
        <source>New sync folder</source>
        <comment></comment>
        <translation>Yeni eşitleme klasörü</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <comment></comment>
        <translation>Paylaşım etkin</translation>
    </message>
    <message>
        <source>Sync error</source>
        <comment></comment>
        <translation>Eşitleme hatası</translation>
    </message>
    <message>
        <source>Merge mode</source>
        <comment></comment>
        <translation>Birleştirme modu</translation>
    </message>
    <message>
        <source>Connection information</source>
        <comment></comment>
        <translation>Bağlantı bilgileri</translation>
    </message>
    <message>
        <source>Remove Larkspan Drive</source>
        <comment></comment>
        <translation>Larkspan Drive&apos;ı kaldır</translation>
    </message>
    <message>
        <source>Next %1 pages</source>
        <comment></comment>
        <translation>Sonraki %1 sayfa</translation>
    </message>
    <message>
        <source>Show sync status</source>
        <comment></comment>
        <translation>Eşitleme durumunu göster</translation>
    </message>
    <message>
        <source>My files</source>
        <comment></comment>
        <translation>Dosyalarım</translation>
    </message>
    <message>
        <source>Create a sync task</source>
        <comment></comment>
        <translation>Eşitleme görevi oluştur</translation>
    </message>
    <message>
        <source>Create a LarkspanDrive folder in the selected location</source>
        <comment></comment>
        <translation>Seçilen konumda bir LarkspanDrive klasörü oluştur</translation>
    </message>
    <message>
        <source>Skipped file names</source>
        <comment></comment>
        <translation>Atlanan dosya adları</translation>
    </message>
    <message>
        <source>The %1 ID is not valid.</source>
        <comment></comment>
        <translation>%1 kimliği geçerli değil.</translation>
    </message>
    <message>
        <source>Expire on</source>
        <comment></comment>
        <translation>Sona erme tarihi</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <comment></comment>
        <translation>Yükseltiliyor...</translation>
    </message>
    <message>
        <source>Start now</source>
        <comment></comment>
        <translation>Şimdi başlat</translation>
    </message>
    <message>
        <source>Standby</source>
        <comment></comment>
        <translation>Beklemede</translation>
    </message>
    <message>
        <source>Progress</source>
        <comment></comment>
        <translation>İlerleme</translation>
    </message>
    <message>
        <source>%1 changes detected</source>
        <comment></comment>
        <translation>%1 değişiklik algılandı</translation>
    </message>
    <message>
        <source>Only download changes from the Larkspan; local changes are not uploaded.</source>
        <comment></comment>
        <translation>Yalnızca Larkspan&apos;daki değişiklikleri indir; yerel değişiklikler karşıya yüklenmez.</translation>
    </message>
    <message>
        <source>A database error occurred.</source>
        <comment></comment>
        <translation>Bir veritabanı hatası oluştu.</translation>
    </message>
    <message>
        <source>Enter the address of your Larkspan and your account.</source>
        <comment></comment>
        <translation>Larkspan&apos;ınızın adresini ve hesap bilgilerinizi girin.</translation>
    </message>
    <message>
        <source>On-demand sync</source>
        <comment></comment>
        <translation>İsteğe bağlı eşitleme</translation>
    </message>
    <message>
        <source>New sync task</source>
        <comment></comment>
        <translation>Yeni eşitleme görevi</translation>
    </message>
    <message>
        <source>Upload</source>
        <comment></comment>
        <translation>Karşıya yükleme</translation>
    </message>
    <message>
        <source>Restrict access</source>
        <comment></comment>
        <translation>Erişimi kısıtla</translation>
    </message>
    <message>
        <source>Select the folders to sync</source>
        <comment></comment>
        <translation>Eşitlenecek klasörleri seçin</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <comment></comment>
        <translation>Bir klasör seçin</translation>
    </message>
    <message>
        <source>Setup mode</source>
        <comment></comment>
        <translation>Kurulum modu</translation>
    </message>
    <message>
        <source>Download only</source>
        <comment></comment>
        <translation>Yalnızca indir</translation>
    </message>
    <message>
        <source>General</source>
        <comment></comment>
        <translation>Genel</translation>
    </message>
    <message>
        <source>Saturday</source>
        <comment></comment>
        <translation>Cumartesi</translation>
    </message>
    <message>
        <source>Larkspan Drive works with a Larkspan server from Kestrin.</source>
        <comment></comment>
        <translation>Larkspan Drive, Kestrin&apos;in Larkspan sunucusuyla çalışır.</translation>
    </message>
    <message>
        <source>Unable to connect to the Larkspan.</source>
        <comment></comment>
        <translation>Larkspan&apos;a bağlanılamadı.</translation>
    </message>
    <message>
        <source>Connected through a relay</source>
        <comment></comment>
        <translation>Aktarma üzerinden bağlandı</translation>
    </message>
    <message>
        <source>Larkspan Drive is initializing...</source>
        <comment></comment>
        <translation>Larkspan Drive hazırlanıyor...</translation>
    </message>
    <message>
        <source>Automatic setup failed. Set up Larkspan Drive manually.</source>
        <comment></comment>
        <translation>Otomatik kurulum başarısız oldu. Larkspan Drive&apos;ı el ile kurun.</translation>
    </message>
    <message>
        <source>Local destination</source>
        <comment></comment>
        <translation>Yerel hedef</translation>
    </message>
    <message>
        <source>This folder is read-only. Changes are not synced to Larkspan Drive.</source>
        <comment></comment>
        <translation>Bu klasör salt okunur. Değişiklikler Larkspan Drive ile eşitlenmez.</translation>
    </message>
    <message>
        <source>Ignore</source>
        <comment></comment>
        <translation>Yoksay</translation>
    </message>
    <message>
        <source>All events</source>
        <comment></comment>
        <translation>Tüm olaylar</translation>
    </message>
    <message>
        <source>Sharing</source>
        <comment></comment>
        <translation>Paylaşım</translation>
    </message>
    <message>
        <source>Click Remove to remove Larkspan Drive from your computer.</source>
        <comment></comment>
        <translation>Larkspan Drive&apos;ı bilgisayarınızdan kaldırmak için Kaldır&apos;a tıklayın.</translation>
    </message>
    <message>
        <source>This folder is already part of another sync task.</source>
        <comment></comment>
        <translation>Bu klasör zaten başka bir eşitleme görevinin parçası.</translation>
    </message>
    <message>
        <source>A network error occurred. Check your connection and try again.</source>
        <comment></comment>
        <translation>Bir ağ hatası oluştu. Bağlantınızı denetleyip yeniden deneyin.</translation>
    </message>
    <message>
        <source>Finish</source>
        <comment></comment>
        <translation>Bitir</translation>
    </message>
    <message>
        <source>Enter a port number from %1 to %2.</source>
        <comment></comment>
        <translation>%1 ile %2 arasında bir bağlantı noktası numarası girin.</translation>
    </message>
    <message>
        <source>More information</source>
        <comment></comment>
        <translation>Daha fazla bilgi</translation>
    </message>
    <message>
        <source>This folder is already synced.</source>
        <comment></comment>
        <translation>Bu klasör zaten eşitleniyor.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <comment></comment>
        <translation>İzin reddedildi.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <comment></comment>
        <translation>Bilinmeyen bir hata oluştu.</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change your settings.</source>
        <comment></comment>
        <translation>Yüklemeyi başlatmak için Yükle&apos;ye tıklayın. Ayarlarınızı gözden geçirmek veya değiştirmek için Geri&apos;ye tıklayın.</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <comment></comment>
        <translation>İki yönlü eşitleme</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <comment></comment>
        <translation>%1 indiriliyor...</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <comment></comment>
        <translation>Ayarlar uygulanıyor...</translation>
    </message>
    <message>
        <source>Switch Larkspan</source>
        <comment></comment>
        <translation>Larkspan değiştir</translation>
    </message>
    <message>
        <source>The file or folder does not exist.</source>
        <comment></comment>
        <translation>Dosya veya klasör yok.</translation>
    </message>
    <message>
        <source>Next</source>
        <comment></comment>
        <translation>İleri</translation>
    </message>
    <message>
        <source>Change folder</source>
        <comment></comment>
        <translation>Klasörü değiştir</translation>
    </message>
    <message>
        <source>April</source>
        <comment></comment>
        <translation>Nisan</translation>
    </message>
    <message>
        <source>The new language takes effect after Larkspan Drive restarts.</source>
        <comment></comment>
        <translation>Yeni dil, Larkspan Drive yeniden başlatıldıktan sonra etkinleşir.</translation>
    </message>
    <message>
        <source>Choose another</source>
        <comment></comment>
        <translation>Başkasını seç</translation>
    </message>
    <message>
        <source>Invalid argument.</source>
        <comment></comment>
        <translation>Geçersiz bağımsız değişken.</translation>
    </message>
    <message>
        <source>Syncing %1 files</source>
        <comment></comment>
        <translation>%1 dosya eşitleniyor</translation>
    </message>
    <message>
        <source>Sharing links is not enabled on the Larkspan.</source>
        <comment></comment>
        <translation>Larkspan&apos;da bağlantı paylaşımı etkin değil.</translation>
    </message>
    <message>
        <source>Recently updated files</source>
        <comment></comment>
        <translation>Son güncellenen dosyalar</translation>
    </message>
    <message>
        <source>Security warning</source>
        <comment></comment>
        <translation>Güvenlik uyarısı</translation>
    </message>
    <message>
        <source>The following applications use files that setup needs to update. Close them and click Retry, or click Ignore to continue anyway.</source>
        <comment></comment>
        <translation>Aşağıdaki uygulamalar, kurulumun güncellemesi gereken dosyaları kullanıyor. Bu uygulamaları kapatıp Yeniden dene&apos;ye tıklayın veya yine de devam etmek için Yoksay&apos;a tıklayın.</translation>
    </message>
    <message>
        <source>Reach your files anywhere</source>
        <comment></comment>
        <translation>Dosyalarınıza her yerden ulaşın</translation>
    </message>
    <message>
        <source>Print</source>
        <comment></comment>
        <translation>Yazdır</translation>
    </message>
    <message>
        <source>Create a new folder to sync.</source>
        <comment></comment>
        <translation>Eşitlemek için yeni bir klasör oluşturun.</translation>
    </message>
    <message>
        <source>The certificate of %1 has changed. Do you trust the new certificate?</source>
        <comment></comment>
        <translation>%1 sunucusunun sertifikası değişti. Yeni sertifikaya güveniyor musunuz?</translation>
    </message>
    <message>
        <source>Larkspan Drive</source>
        <comment></comment>
        <translation>Larkspan Drive</translation>
    </message>
    <message>
        <source>Rename</source>
        <comment></comment>
        <translation>Yeniden adlandırma</translation>
    </message>
    <message>
        <source>Folder already synced</source>
        <comment></comment>
        <translation>Klasör zaten eşitleniyor</translation>
    </message>
    <message>
        <source>Do not sync these folders</source>
        <comment></comment>
        <translation>Bu klasörleri eşitlemeden çıkar</translation>
    </message>
    <message>
        <source>Folders that others share with you</source>
        <comment></comment>
        <translation>Başkalarının sizinle paylaştığı klasörler</translation>
    </message>
    <message>
        <source>Repair Larkspan Drive</source>
        <comment></comment>
        <translation>Larkspan Drive&apos;ı onar</translation>
    </message>
    <message>
        <source>Sync log category</source>
        <comment></comment>
        <translation>Eşitleme günlüğü kategorisi</translation>
    </message>
    <message>
        <source>Close these applications before setup continues:</source>
        <comment></comment>
        <translation>Kurulum devam etmeden önce şu uygulamaları kapatın:</translation>
    </message>
    <message>
        <source>Add</source>
        <comment></comment>
        <translation>Ekle</translation>
    </message>
    <message>
        <source>No options available</source>
        <comment></comment>
        <translation>Kullanılabilir seçenek yok</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of Larkspan Drive.</source>
        <comment></comment>
        <translation>Larkspan Drive yüklemesini onarmak için Onar&apos;a tıklayın.</translation>
    </message>
    <message>
        <source>The sync direction does not match your permission on the folder.</source>
        <comment></comment>
        <translation>Eşitleme yönü, klasör üzerindeki izninizle uyuşmuyor.</translation>
    </message>
    <message>
        <source>You have chosen to remove the program from your computer.</source>
        <comment></comment>
        <translation>Programı bilgisayarınızdan kaldırmayı seçtiniz.</translation>
    </message>
    <message>
        <source>You are ready to use Larkspan Drive.</source>
        <comment></comment>
        <translation>Larkspan Drive&apos;ı kullanmaya hazırsınız.</translation>
    </message>
    <message>
        <source>Edit connection</source>
        <comment></comment>
        <translation>Bağlantıyı düzenle</translation>
    </message>
    <message>
        <source>Upgrade to version %1</source>
        <comment></comment>
        <translation>%1 sürümüne yükselt</translation>
    </message>
    <message>
        <source>A newer version of Larkspan Drive is already installed. Setup will now exit.</source>
        <comment></comment>
        <translation>Larkspan Drive&apos;ın daha yeni bir sürümü zaten yüklü. Kurulum şimdi kapanacak.</translation>
    </message>
    <message>
        <source>Larkspan Drive is now syncing your files.</source>
        <comment></comment>
        <translation>Larkspan Drive artık dosyalarınızı eşitliyor.</translation>
    </message>
    <message>
        <source>%1 files updated</source>
        <comment></comment>
        <translation>%1 dosya güncellendi</translation>
    </message>
    <message>
        <source>Enter a user name.</source>
        <comment></comment>
        <translation>Bir kullanıcı adı girin.</translation>
    </message>
    <message>
        <source>There is not enough space on the local disk for %1.</source>
        <comment></comment>
        <translation>Yerel diskte %1 için yeterli alan yok.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <comment></comment>
        <translation>Tercihler</translation>
    </message>
    <message>
        <source>Files shared with you appear in the Larkspan Drive folder on this computer.</source>
        <comment></comment>
        <translation>Sizinle paylaşılan dosyalar bu bilgisayardaki Larkspan Drive klasöründe görünür.</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <comment></comment>
        <translation>Hayır, teşekkürler</translation>
    </message>
    <message>
        <source>Public</source>
        <comment></comment>
        <translation>Herkese açık</translation>
    </message>
    <message>
        <source>Setup is complete.</source>
        <comment></comment>
        <translation>Kurulum tamamlandı.</translation>
    </message>
    <message>
        <source>Open containing folder</source>
        <comment></comment>
        <translation>İçeren klasörü aç</translation>
    </message>
    <message>
        <source>Removes Larkspan Drive from your computer.</source>
        <comment></comment>
        <translation>Larkspan Drive&apos;ı bilgisayarınızdan kaldırır.</translation>
    </message>
    <message>
        <source>Show the Larkspan Drive tutorial</source>
        <comment></comment>
        <translation>Larkspan Drive öğreticisini göster</translation>
    </message>
    <message>
        <source>Previous month</source>
        <comment></comment>
        <translation>Önceki ay</translation>
    </message>
    <message>
        <source>Shared folders</source>
        <comment></comment>
        <translation>Paylaşılan klasörler</translation>
    </message>
    <message>
        <source>Created</source>
        <comment></comment>
        <translation>Oluşturulma</translation>
    </message>
    <message>
        <source>Files you change on one device are updated on the others.</source>
        <comment></comment>
        <translation>Bir cihazda değiştirdiğiniz dosyalar diğerlerinde de güncellenir.</translation>
    </message>
    <message>
        <source>September</source>
        <comment></comment>
        <translation>Eylül</translation>
    </message>
    <message>
        <source>Click Remove to continue, or Back to review your choice.</source>
        <comment></comment>
        <translation>Devam etmek için Kaldır&apos;a, seçiminizi gözden geçirmek için Geri&apos;ye tıklayın.</translation>
    </message>
    <message>
        <source>Back</source>
        <comment></comment>
        <translation>Geri</translation>
    </message>
    <message>
        <source>Folder name</source>
        <comment></comment>
        <translation>Klasör adı</translation>
    </message>
    <message>
        <source>Setup is complete. Larkspan Drive now keeps your files in sync.</source>
        <comment></comment>
        <translation>Kurulum tamamlandı. Larkspan Drive artık dosyalarınızı eşitli tutuyor.</translation>
    </message>
    <message>
        <source>May</source>
        <comment></comment>
        <translation>Mayıs</translation>
    </message>
    <message>
        <source>Connected through the local network</source>
        <comment></comment>
        <translation>Yerel ağ üzerinden bağlandı</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully.</source>
        <comment></comment>
        <translation>Lütfen aşağıdaki lisans sözleşmesini dikkatle okuyun.</translation>
    </message>
    <message>
        <source>Keep the most recently modified file</source>
        <comment></comment>
        <translation>En son değiştirilen dosyayı koru</translation>
    </message>
    <message>
        <source>%1 mentioned you in %2</source>
        <comment></comment>
        <translation>%1, %2 içinde sizden bahsetti</translation>
    </message>
    <message>
        <source>Access to the selected folder was denied.</source>
        <comment></comment>
        <translation>Seçilen klasöre erişim reddedildi.</translation>
    </message>
    <message>
        <source>Disk full</source>
        <comment></comment>
        <translation>Disk dolu</translation>
    </message>
    <message>
        <source>Signed-in users</source>
        <comment></comment>
        <translation>Oturum açmış kullanıcılar</translation>
    </message>
    <message>
        <source>Tutorial that introduces the main features of Larkspan Drive</source>
        <comment></comment>
        <translation>Larkspan Drive&apos;ın temel özelliklerini tanıtan öğretici</translation>
    </message>
    <message>
        <source>Checking your password...</source>
        <comment></comment>
        <translation>Parolanız denetleniyor...</translation>
    </message>
    <message>
        <source>All files are up to date.</source>
        <comment></comment>
        <translation>Tüm dosyalar güncel.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <comment></comment>
        <translation>Salt okunur</translation>
    </message>
    <message>
        <source>Your password has expired.</source>
        <comment></comment>
        <translation>Parolanızın süresi doldu.</translation>
    </message>
    <message>
        <source>Calendar</source>
        <comment></comment>
        <translation>Takvim</translation>
    </message>
    <message>
        <source>Replace the file on this computer with the copy on the server</source>
        <comment></comment>
        <translation>Bu bilgisayardaki dosyayı sunucudaki kopyayla değiştir</translation>
    </message>
    <message>
        <source>Do not close the applications. A restart will be required.</source>
        <comment></comment>
        <translation>Uygulamaları kapatma. Yeniden başlatma gerekecek.</translation>
    </message>
    <message>
        <source>November</source>
        <comment></comment>
        <translation>Kasım</translation>
    </message>
    <message>
        <source>Find a Larkspan on your local network</source>
        <comment></comment>
        <translation>Yerel ağınızda bir Larkspan bulun</translation>
    </message>
    <message>
        <source>File name:</source>
        <comment></comment>
        <translation>Dosya adı:</translation>
    </message>
    <message>
        <source>Add file name</source>
        <comment></comment>
        <translation>Dosya adı ekle</translation>
    </message>
    <message>
        <source>Sync your home folder on the Larkspan with a folder on this computer, using the recommended settings.</source>
        <comment></comment>
        <translation>Larkspan&apos;daki ana klasörünüzü önerilen ayarlarla bu bilgisayardaki bir klasörle eşitleyin.</translation>
    </message>
    <message>
        <source>Skip files whose names begin with a dot</source>
        <comment></comment>
        <translation>Adı nokta ile başlayan dosyaları atla</translation>
    </message>
    <message>
        <source>Setup was cancelled.</source>
        <comment></comment>
        <translation>Kurulum iptal edildi.</translation>
    </message>
    <message>
        <source>Name</source>
        <comment></comment>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Encrypt data transfers (SSL)</source>
        <comment></comment>
        <translation>Veri aktarımlarını şifrele (SSL)</translation>
    </message>
    <message>
        <source>File type</source>
        <comment></comment>
        <translation>Dosya türü</translation>
    </message>
    <message>
        <source>Your quota on the Larkspan is full. Syncing is paused.</source>
        <comment></comment>
        <translation>Larkspan&apos;daki kotanız doldu. Eşitleme duraklatıldı.</translation>
    </message>
    <message>
        <source>Share name</source>
        <comment></comment>
        <translation>Paylaşım adı</translation>
    </message>
    <message>
        <source>Setup is not running as an administrator, so Larkspan Drive will be installed for the current user only. Continue?</source>
        <comment></comment>
        <translation>Kurulum yönetici olarak çalışmıyor; bu nedenle Larkspan Drive yalnızca geçerli kullanıcı için yüklenecek. Devam edilsin mi?</translation>
    </message>
    <message>
        <source>Close the tutorial</source>
        <comment></comment>
        <translation>Öğreticiyi kapat</translation>
    </message>
    <message>
        <source>About Larkspan Drive</source>
        <comment></comment>
        <translation>Larkspan Drive hakkında</translation>
    </message>
    <message>
        <source>Apply and copy link</source>
        <comment></comment>
        <translation>Uygula ve bağlantıyı kopyala</translation>
    </message>
    <message>
        <source>Password:</source>
        <comment></comment>
        <translation>Parola:</translation>
    </message>
    <message>
        <source>Computer name</source>
        <comment></comment>
        <translation>Bilgisayar adı</translation>
    </message>
    <message>
        <source>Synced on all devices</source>
        <comment></comment>
        <translation>Tüm cihazlarda eşitlendi</translation>
    </message>
    <message>
        <source>Currently syncing: %1</source>
        <comment></comment>
        <translation>Şu anda eşitleniyor: %1</translation>
    </message>
    <message>
        <source>Apply to all subfolders</source>
        <comment></comment>
        <translation>Tüm alt klasörlere uygula</translation>
    </message>
    <message>
        <source>Files that match these rules are not synced.</source>
        <comment></comment>
        <translation>Bu kurallarla eşleşen dosyalar eşitlenmez.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected shared items?</source>
        <comment></comment>
        <translation>Seçilen paylaşılan öğeleri silmek istediğinizden emin misiniz?</translation>
    </message>
    <message>
        <source>IP address</source>
        <comment></comment>
        <translation>IP adresi</translation>
    </message>
    <message>
        <source>Your files are now syncing.</source>
        <comment></comment>
        <translation>Dosyalarınız şu anda eşitleniyor.</translation>
    </message>
    <message>
        <source>Some of the entries are not valid.</source>
        <comment></comment>
        <translation>Girdilerin bazıları geçerli değil.</translation>
    </message>
    <message>
        <source>A system error occurred while checking the folder.</source>
        <comment></comment>
        <translation>Klasör denetlenirken bir sistem hatası oluştu.</translation>
    </message>
    <message>
        <source>Unlink this sync task? Files that are already synced stay on this computer.</source>
        <comment></comment>
        <translation>Bu eşitleme görevinin bağlantısı kaldırılsın mı? Önceden eşitlenmiş dosyalar bu bilgisayarda kalır.</translation>
    </message>
    <message>
        <source>The sign-in test failed. Check the user name and password.</source>
        <comment></comment>
        <translation>Oturum açma testi başarısız oldu. Kullanıcı adını ve parolayı denetleyin.</translation>
    </message>
    <message>
        <source>Turning off sharing removes all existing links. Continue?</source>
        <comment></comment>
        <translation>Paylaşımı kapatmak mevcut tüm bağlantıları kaldırır. Devam edilsin mi?</translation>
    </message>
    <message>
        <source>Test connection</source>
        <comment></comment>
        <translation>Bağlantıyı sına</translation>
    </message>
    <message>
        <source>Install</source>
        <comment></comment>
        <translation>Yükle</translation>
    </message>
    <message>
        <source>Advanced setup</source>
        <comment></comment>
        <translation>Gelişmiş kurulum</translation>
    </message>
    <message>
        <source>Click Repair to continue, or Back to review your choice.</source>
        <comment></comment>
        <translation>Devam etmek için Onar&apos;a, seçiminizi gözden geçirmek için Geri&apos;ye tıklayın.</translation>
    </message>
    <message>
        <source>Installing the program files...</source>
        <comment></comment>
        <translation>Program dosyaları yükleniyor...</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app</source>
        <comment></comment>
        <translation>Kimlik doğrulayıcı uygulamanızdaki doğrulama kodunu girin</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <comment></comment>
        <translation>Yine de devam et</translation>
    </message>
    <message>
        <source>March</source>
        <comment></comment>
        <translation>Mart</translation>
    </message>
    <message>
        <source>You can change these settings at any time in Larkspan Drive.</source>
        <comment></comment>
        <translation>Bu ayarları istediğiniz zaman Larkspan Drive&apos;da değiştirebilirsiniz.</translation>
    </message>
    <message>
        <source>Proxy settings</source>
        <comment></comment>
        <translation>Proxy ayarları</translation>
    </message>
    <message>
        <source>Remove the installation</source>
        <comment></comment>
        <translation>Yüklemeyi kaldır</translation>
    </message>
    <message>
        <source>Send to %1</source>
        <comment></comment>
        <translation>Şuraya gönder: %1</translation>
    </message>
    <message>
        <source>Synchronization mode</source>
        <comment></comment>
        <translation>Eşitleme modu</translation>
    </message>
    <message>
        <source>Refresh the sync log</source>
        <comment></comment>
        <translation>Eşitleme günlüğünü yenile</translation>
    </message>
    <message>
        <source>The content of both folders is merged. Nothing is deleted.</source>
        <comment></comment>
        <translation>Her iki klasörün içeriği birleştirilir. Hiçbir şey silinmez.</translation>
    </message>
    <message>
        <source>This version of %1 is already installed. Do you want to install it again?</source>
        <comment></comment>
        <translation>%1 uygulamasının bu sürümü zaten yüklü. Yeniden yüklemek istiyor musunuz?</translation>
    </message>
    <message>
        <source>When the tray icon is double-clicked</source>
        <comment></comment>
        <translation>Tepsi simgesine çift tıklandığında</translation>
    </message>
    <message>
        <source>Open the web portal to reach your files from any browser.</source>
        <comment></comment>
        <translation>Dosyalarınıza herhangi bir tarayıcıdan ulaşmak için web portalını açın.</translation>
    </message>
    <message>
        <source>Click Finish to close the setup wizard and start using Larkspan Drive.</source>
        <comment></comment>
        <translation>Kurulum sihirbazını kapatıp Larkspan Drive&apos;ı kullanmaya başlamak için Bitir&apos;e tıklayın.</translation>
    </message>
    <message>
        <source>There are no changes to apply.</source>
        <comment></comment>
        <translation>Uygulanacak değişiklik yok.</translation>
    </message>
    <message>
        <source>Network error.</source>
        <comment></comment>
        <translation>Ağ hatası.</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <comment></comment>
        <translation>Hazırlanıyor...</translation>
    </message>
    <message>
        <source>More tutorials</source>
        <comment></comment>
        <translation>Diğer öğreticiler</translation>
    </message>
    <message>
        <source>Read-only folder</source>
        <comment></comment>
        <translation>Salt okunur klasör</translation>
    </message>
    <message>
        <source>Previous %1 pages</source>
        <comment></comment>
        <translation>Önceki %1 sayfa</translation>
    </message>
    <message>
        <source>Start the tour</source>
        <comment></comment>
        <translation>Turu başlat</translation>
    </message>
    <message>
        <source>IP address details</source>
        <comment></comment>
        <translation>IP adresi ayrıntıları</translation>
    </message>
    <message>
        <source>From</source>
        <comment></comment>
        <translation>Başlangıç</translation>
    </message>
    <message>
        <source>Welcome to Larkspan Drive. Sign in to get started.</source>
        <comment></comment>
        <translation>Larkspan Drive&apos;a hoş geldiniz. Başlamak için oturum açın.</translation>
    </message>
    <message>
        <source>Sync problem</source>
        <comment></comment>
        <translation>Eşitleme sorunu</translation>
    </message>
    <message>
        <source>Local usage</source>
        <comment></comment>
        <translation>Yerel kullanım</translation>
    </message>
    <message>
        <source>Enable on-demand sync</source>
        <comment></comment>
        <translation>İsteğe bağlı eşitlemeyi etkinleştir</translation>
    </message>
    <message>
        <source>Larkspan Drive has been installed.</source>
        <comment></comment>
        <translation>Larkspan Drive yüklendi.</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <comment></comment>
        <translation>Bağlantı kesildi</translation>
    </message>
    <message>
        <source>Locked</source>
        <comment></comment>
        <translation>Kilitli</translation>
    </message>
    <message>
        <source>Change sync folder</source>
        <comment></comment>
        <translation>Eşitleme klasörünü değiştir</translation>
    </message>
    <message>
        <source>Setup has finished.</source>
        <comment></comment>
        <translation>Kurulum sona erdi.</translation>
    </message>
    <message>
        <source>%1 shared %2 with you</source>
        <comment></comment>
        <translation>%1, %2 öğesini sizinle paylaştı</translation>
    </message>
    <message>
        <source>Not found</source>
        <comment></comment>
        <translation>Bulunamadı</translation>
    </message>
    <message>
        <source>Reset</source>
        <comment></comment>
        <translation>Sıfırla</translation>
    </message>
    <message>
        <source>Installing the features you selected.</source>
        <comment></comment>
        <translation>Seçtiğiniz özellikler yükleniyor.</translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <comment></comment>
        <translation>Doğrulama kodu gerekiyor.</translation>
    </message>
    <message>
        <source>%1 keeps the files on your Larkspan and your computers in sync.</source>
        <comment></comment>
        <translation>%1, Larkspan&apos;ınızdaki ve bilgisayarlarınızdaki dosyaları eşitli tutar.</translation>
    </message>
    <message>
        <source>There is not enough space on the disk of this computer.</source>
        <comment></comment>
        <translation>Bu bilgisayarın diskinde yeterli alan yok.</translation>
    </message>
    <message>
        <source>Connection type</source>
        <comment></comment>
        <translation>Bağlantı türü</translation>
    </message>
    <message>
        <source>Show the %1 tutorial</source>
        <comment></comment>
        <translation>%1 öğreticisini göster</translation>
    </message>
    <message>
        <source>You can also invite people to folders you own.</source>
        <comment></comment>
        <translation>Sahibi olduğunuz klasörlere başka kişileri de davet edebilirsiniz.</translation>
    </message>
    <message>
        <source>%1 could not be upgraded.</source>
        <comment></comment>
        <translation>%1 yükseltilemedi.</translation>
    </message>
    <message>
        <source>%1 works with a Larkspan server from Kestrin.</source>
        <comment></comment>
        <translation>%1, Kestrin&apos;in Larkspan sunucusuyla çalışır.</translation>
    </message>
    <message>
        <source>Welcome</source>
        <comment></comment>
        <translation>Hoş geldiniz</translation>
    </message>
    <message>
        <source>Custom range</source>
        <comment></comment>
        <translation>Özel aralık</translation>
    </message>
    <message>
        <source>Sync %1 to this computer?</source>
        <comment></comment>
        <translation>%1 bu bilgisayarla eşitlensin mi?</translation>
    </message>
    <message>
        <source>Quick setup</source>
        <comment></comment>
        <translation>Hızlı kurulum</translation>
    </message>
    <message>
        <source>Download history</source>
        <comment></comment>
        <translation>İndirme geçmişi</translation>
    </message>
    <message>
        <source>Use a relay connection when a direct connection is not possible</source>
        <comment></comment>
        <translation>Doğrudan bağlantı kurulamadığında aktarma bağlantısı kullan</translation>
    </message>
    <message>
        <source>Folders you clear are removed from this computer but kept on the Larkspan.</source>
        <comment></comment>
        <translation>İşaretini kaldırdığınız klasörler bu bilgisayardan kaldırılır, ancak Larkspan&apos;da tutulur.</translation>
    </message>
    <message>
        <source>Link</source>
        <comment></comment>
        <translation>Bağlantı</translation>
    </message>
    <message>
        <source>Address:</source>
        <comment></comment>
        <translation>Adres:</translation>
    </message>
    <message>
        <source>Download complete.</source>
        <comment></comment>
        <translation>İndirme tamamlandı.</translation>
    </message>
    <message>
        <source>Setup has all the information it needs to start copying the program files.</source>
        <comment></comment>
        <translation>Kurulum, program dosyalarını kopyalamaya başlamak için gereken tüm bilgilere sahip.</translation>
    </message>
    <message>
        <source>Sync activity</source>
        <comment></comment>
        <translation>Eşitleme etkinliği</translation>
    </message>
    <message>
        <source>Downloading</source>
        <comment></comment>
        <translation>İndiriliyor</translation>
    </message>
    <message>
        <source>This wizard installs Larkspan Drive on your computer.</source>
        <comment></comment>
        <translation>Bu sihirbaz Larkspan Drive&apos;ı bilgisayarınıza yükler.</translation>
    </message>
    <message>
        <source>To</source>
        <comment></comment>
        <translation>Bitiş</translation>
    </message>
    <message>
        <source>The server&apos;s certificate could not be verified. Connect anyway?</source>
        <comment></comment>
        <translation>Sunucunun sertifikası doğrulanamadı. Yine de bağlanılsın mı?</translation>
    </message>
    <message>
        <source>Larkspan Drive is running.</source>
        <comment></comment>
        <translation>Larkspan Drive çalışıyor.</translation>
    </message>
    <message>
        <source>%1 has shared a new item with you.</source>
        <comment></comment>
        <translation>%1 sizinle yeni bir öğe paylaştı.</translation>
    </message>
    <message>
        <source>A conflict occurred.</source>
        <comment></comment>
        <translation>Bir çakışma oluştu.</translation>
    </message>
    <message>
        <source>The selected folder is a mount point. Choose a folder on a local disk.</source>
        <comment></comment>
        <translation>Seçilen klasör bir bağlama noktası. Yerel diskte bir klasör seçin.</translation>
    </message>
    <message>
        <source>Encryption</source>
        <comment></comment>
        <translation>Şifreleme</translation>
    </message>
    <message>
        <source>Changes you make in your sync folder are synced with the Larkspan.</source>
        <comment></comment>
        <translation>Eşitleme klasörünüzde yaptığınız değişiklikler Larkspan ile eşitlenir.</translation>
    </message>
    <message>
        <source>Please wait while the setup wizard installs Larkspan Drive. This may take several minutes.</source>
        <comment></comment>
        <translation>Kurulum sihirbazı Larkspan Drive&apos;ı yüklerken lütfen bekleyin. Bu işlem birkaç dakika sürebilir.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has changed since your last connection. Continue?</source>
        <comment></comment>
        <translation>Sunucunun sertifikası son bağlantınızdan bu yana değişti. Devam edilsin mi?</translation>
    </message>
    <message>
        <source>%1 is ready.</source>
        <comment></comment>
        <translation>%1 hazır.</translation>
    </message>
    <message>
        <source>Search</source>
        <comment></comment>
        <translation>Ara</translation>
    </message>
    <message>
        <source>Link a new Larkspan</source>
        <comment></comment>
        <translation>Yeni bir Larkspan bağla</translation>
    </message>
    <message>
        <source>Certificate verification failed.</source>
        <comment></comment>
        <translation>Sertifika doğrulaması başarısız oldu.</translation>
    </message>
    <message>
        <source>Starting Larkspan Drive...</source>
        <comment></comment>
        <translation>Larkspan Drive başlatılıyor...</translation>
    </message>
    <message>
        <source>On-demand sync could not be enabled.</source>
        <comment></comment>
        <translation>İsteğe bağlı eşitleme etkinleştirilemedi.</translation>
    </message>
    <message>
        <source>Setup complete</source>
        <comment></comment>
        <translation>Kurulum tamamlandı</translation>
    </message>
    <message>
        <source>Your administrator requires two-step verification for your account.</source>
        <comment></comment>
        <translation>Yöneticiniz, hesabınız için iki adımlı doğrulama gerektiriyor.</translation>
    </message>
    <message>
        <source>Start %1 when I sign in</source>
        <comment></comment>
        <translation>Oturum açtığımda %1 uygulamasını başlat</translation>
    </message>
    <message>
        <source>The selected folder is already synced by another task.</source>
        <comment></comment>
        <translation>Seçilen klasör zaten başka bir görev tarafından eşitleniyor.</translation>
    </message>
    <message>
        <source>File</source>
        <comment></comment>
        <translation>Dosya</translation>
    </message>
    <message>
        <source>Recently changed</source>
        <comment></comment>
        <translation>Son değiştirilenler</translation>
    </message>
</context>
</TS>
