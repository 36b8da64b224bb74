<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Enabled</source>
        <comment></comment>
        <translation>已啟用</translation>
    </message>
    <message>
        <source>Larkspan Drive has no optional features to change.</source>
        <comment></comment>
        <translation>Larkspan Drive 沒有可變更的選用功能。</translation>
    </message>
    <message>
        <source>Merge</source>
        <comment></comment>
        <translation>合併</translation>
    </message>
    <message>
        <source>Open folder</source>
        <comment></comment>
        <translation>開啟資料夾</translation>
    </message>
    <message>
        <source>Sync folder on this computer</source>
        <comment></comment>
        <translation>此電腦上的同步資料夾</translation>
    </message>
    <message>
        <source>Tutorial that introduces the main features of %1</source>
        <comment></comment>
        <translation>介紹 %1 主要功能的教學</translation>
    </message>
    <message>
        <source>Renamed on the Larkspan</source>
        <comment></comment>
        <translation>已在 Larkspan 上重新命名</translation>
    </message>
    <message>
        <source>Friday</source>
        <comment></comment>
        <translation>星期五</translation>
    </message>
    <message>
        <source>Thursday</source>
        <comment></comment>
        <translation>星期四</translation>
    </message>
    <message>
        <source>The setup wizard is ready to begin the installation.</source>
        <comment></comment>
        <translation>安裝精靈已準備好開始安裝。</translation>
    </message>
    <message>
        <source>Select the files to sync</source>
        <comment></comment>
        <translation>選取要同步的檔案</translation>
    </message>
    <message>
        <source>Loading...</source>
        <comment></comment>
        <translation>載入中...</translation>
    </message>
    <message>
        <source>Sync direction</source>
        <comment></comment>
        <translation>同步方向</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <comment></comment>
        <translation>有新版本可用。按一下即可更新。</translation>
    </message>
    <message>
        <source>Ready to install Larkspan Drive</source>
        <comment></comment>
        <translation>已準備好安裝 Larkspan Drive</translation>
    </message>
    <message>
        <source>User name</source>
        <comment></comment>
        <translation>使用者名稱</translation>
    </message>
    <message>
        <source>File sharing is not available over a relay connection.</source>
        <comment></comment>
        <translation>透過中繼連線時無法使用檔案共用。</translation>
    </message>
    <message>
        <source>Last page</source>
        <comment></comment>
        <translation>最後一頁</translation>
    </message>
    <message>
        <source>One-way upload</source>
        <comment></comment>
        <translation>單向上傳</translation>
    </message>
    <message>
        <source>Setup is complete. %1 now keeps your files in sync.</source>
        <comment></comment>
        <translation>設定已完成。%1 現在會讓您的檔案保持同步。</translation>
    </message>
    <message>
        <source>System default</source>
        <comment></comment>
        <translation>系統預設值</translation>
    </message>
    <message>
        <source>A sync folder named %1 already exists. Choose another name.</source>
        <comment></comment>
        <translation>名為 %1 的同步資料夾已存在。請選擇其他名稱。</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment></comment>
        <translation>結束</translation>
    </message>
    <message>
        <source>Choose the display language</source>
        <comment></comment>
        <translation>選擇顯示語言</translation>
    </message>
    <message>
        <source>The Larkspan Drive service is disabled on this Larkspan. Ask your administrator to enable it.</source>
        <comment></comment>
        <translation>此 Larkspan 上的 Larkspan Drive 服務已停用。請洽詢管理員啟用。</translation>
    </message>
    <message>
        <source>Search for Larkspan servers on the local network</source>
        <comment></comment>
        <translation>在區域網路中搜尋 Larkspan 伺服器</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <comment></comment>
        <translation>及另外 %1 個項目</translation>
    </message>
    <message>
        <source>Connected</source>
        <comment></comment>
        <translation>已連線</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <comment></comment>
        <translation>星期二</translation>
    </message>
    <message>
        <source>Read the following license agreement and accept it to continue.</source>
        <comment></comment>
        <translation>請閱讀下列授權合約，接受後才能繼續。</translation>
    </message>
    <message>
        <source>Help</source>
        <comment></comment>
        <translation>說明</translation>
    </message>
    <message>
        <source>Launch Larkspan Drive now</source>
        <comment></comment>
        <translation>立即啟動 Larkspan Drive</translation>
    </message>
    <message>
        <source>User name:</source>
        <comment></comment>
        <translation>使用者名稱：</translation>
    </message>
    <message>
        <source>Finishing the automatic setup...</source>
        <comment></comment>
        <translation>正在完成自動設定...</translation>
    </message>
    <message>
        <source>Summary</source>
        <comment></comment>
        <translation>摘要</translation>
    </message>
    <message>
        <source>Selective sync mode</source>
        <comment></comment>
        <translation>選擇性同步模式</translation>
    </message>
    <message>
        <source>Notifications</source>
        <comment></comment>
        <translation>通知</translation>
    </message>
    <message>
        <source>Choose a folder on the Larkspan and a folder on this computer to keep in sync.</source>
        <comment></comment>
        <translation>選擇 Larkspan 上的一個資料夾和此電腦上的一個資料夾進行同步。</translation>
    </message>
    <message>
        <source>Files whose names match these patterns are not synced. Use * as a wildcard, for example *.tmp.</source>
        <comment></comment>
        <translation>名稱符合這些模式的檔案不會同步。可使用 * 作為萬用字元，例如 *.tmp。</translation>
    </message>
    <message>
        <source>OK</source>
        <comment></comment>
        <translation>確定</translation>
    </message>
    <message>
        <source>Everyone with the link can view the files.</source>
        <comment></comment>
        <translation>任何擁有連結的人都可以檢視這些檔案。</translation>
    </message>
    <message>
        <source>Set sync folder</source>
        <comment></comment>
        <translation>設定同步資料夾</translation>
    </message>
    <message>
        <source>Unlink</source>
        <comment></comment>
        <translation>取消關聯</translation>
    </message>
    <message>
        <source>Value</source>
        <comment></comment>
        <translation>值</translation>
    </message>
    <message>
        <source>Selective sync</source>
        <comment></comment>
        <translation>選擇性同步</translation>
    </message>
    <message>
        <source>Continue</source>
        <comment></comment>
        <translation>繼續</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <comment></comment>
        <translation>初始化失敗。</translation>
    </message>
    <message>
        <source>Share files with others</source>
        <comment></comment>
        <translation>與其他人共用檔案</translation>
    </message>
    <message>
        <source>Open Larkspan Drive</source>
        <comment></comment>
        <translation>開啟 Larkspan Drive</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment></comment>
        <translation>取消</translation>
    </message>
    <message>
        <source>Change which features of Larkspan Drive are installed</source>
        <comment></comment>
        <translation>變更要安裝的 Larkspan Drive 功能</translation>
    </message>
    <message>
        <source>Unable to get the user information.</source>
        <comment></comment>
        <translation>無法取得使用者資訊。</translation>
    </message>
    <message>
        <source>Status information</source>
        <comment></comment>
        <translation>狀態資訊</translation>
    </message>
    <message>
        <source>The setup wizard will install Larkspan Drive on your computer. Click Next to continue or Cancel to exit.</source>
        <comment></comment>
        <translation>安裝精靈將在您的電腦上安裝 Larkspan Drive。按一下「下一步」繼續，或按一下「取消」結束。</translation>
    </message>
    <message>
        <source>Show sync status icons on files and folders</source>
        <comment></comment>
        <translation>在檔案和資料夾上顯示同步狀態圖示</translation>
    </message>
    <message>
        <source>Change</source>
        <comment></comment>
        <translation>變更</translation>
    </message>
    <message>
        <source>Cancel setup</source>
        <comment></comment>
        <translation>取消安裝</translation>
    </message>
    <message>
        <source>No proxy</source>
        <comment></comment>
        <translation>不使用 Proxy</translation>
    </message>
    <message>
        <source>The client could not be upgraded. Please try again later.</source>
        <comment></comment>
        <translation>無法升級用戶端。請稍後再試。</translation>
    </message>
    <message>
        <source>Apply</source>
        <comment></comment>
        <translation>套用</translation>
    </message>
    <message>
        <source>Files in use</source>
        <comment></comment>
        <translation>檔案使用中</translation>
    </message>
    <message>
        <source>Service disabled</source>
        <comment></comment>
        <translation>服務已停用</translation>
    </message>
    <message>
        <source>Reading the connection settings...</source>
        <comment></comment>
        <translation>正在讀取連線設定...</translation>
    </message>
    <message>
        <source>Mentioned you</source>
        <comment></comment>
        <translation>提及了您</translation>
    </message>
    <message>
        <source>Updating...</source>
        <comment></comment>
        <translation>正在更新...</translation>
    </message>
    <message>
        <source>Language</source>
        <comment></comment>
        <translation>語言</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <comment></comment>
        <translation>恭喜！</translation>
    </message>
    <message>
        <source>Enable sharing</source>
        <comment></comment>
        <translation>啟用共用</translation>
    </message>
    <message>
        <source>The home folder service is not enabled for your account. Ask your administrator to enable it.</source>
        <comment></comment>
        <translation>您的帳號未啟用家目錄服務。請洽詢管理員啟用。</translation>
    </message>
    <message>
        <source>August</source>
        <comment></comment>
        <translation>八月</translation>
    </message>
    <message>
        <source>Read and write</source>
        <comment></comment>
        <translation>讀寫</translation>
    </message>
    <message>
        <source>Remove</source>
        <comment></comment>
        <translation>移除</translation>
    </message>
    <message>
        <source>Larkspan Drive notification</source>
        <comment></comment>
        <translation>Larkspan Drive 通知</translation>
    </message>
    <message>
        <source>Open in the web portal</source>
        <comment></comment>
        <translation>在網頁入口中開啟</translation>
    </message>
    <message>
        <source>The selected sync folder is not valid. Choose another folder.</source>
        <comment></comment>
        <translation>選取的同步資料夾無效。請選擇其他資料夾。</translation>
    </message>
    <message>
        <source>This field cannot be left blank.</source>
        <comment></comment>
        <translation>此欄位不可空白。</translation>
    </message>
    <message>
        <source>Start Larkspan Drive when I sign in</source>
        <comment></comment>
        <translation>登入時啟動 Larkspan Drive</translation>
    </message>
    <message>
        <source>Some files that need to be updated are currently in use.</source>
        <comment></comment>
        <translation>部分需要更新的檔案目前正在使用中。</translation>
    </message>
    <message>
        <source>File extensions:</source>
        <comment></comment>
        <translation>副檔名：</translation>
    </message>
    <message>
        <source>Shared with me</source>
        <comment></comment>
        <translation>與我共用</translation>
    </message>
    <message>
        <source>Stop downloading this version</source>
        <comment></comment>
        <translation>停止下載此版本</translation>
    </message>
    <message>
        <source>Browse previous versions</source>
        <comment></comment>
        <translation>瀏覽先前的版本</translation>
    </message>
    <message>
        <source>Unable to create the local folder %1.</source>
        <comment></comment>
        <translation>無法建立本機資料夾 %1。</translation>
    </message>
    <message>
        <source>Information</source>
        <comment></comment>
        <translation>資訊</translation>
    </message>
    <message>
        <source>%1 is running.</source>
        <comment></comment>
        <translation>%1 正在執行。</translation>
    </message>
    <message>
        <source>Larkspan Drive keeps the files on your Larkspan and your computers in sync.</source>
        <comment></comment>
        <translation>Larkspan Drive 讓您的 Larkspan 與電腦上的檔案保持同步。</translation>
    </message>
    <message>
        <source>Do not show this message again</source>
        <comment></comment>
        <translation>不要再顯示此訊息</translation>
    </message>
    <message>
        <source>Open the web portal</source>
        <comment></comment>
        <translation>開啟網頁入口</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <comment></comment>
        <translation>升級</translation>
    </message>
    <message>
        <source>Done</source>
        <comment></comment>
        <translation>完成</translation>
    </message>
    <message>
        <source>Choose how to finish the setup:</source>
        <comment></comment>
        <translation>請選擇完成設定的方式：</translation>
    </message>
    <message>
        <source>When a file exists on both sides, both are kept and the local copy is renamed as a conflict file.</source>
        <comment></comment>
        <translation>如果兩端都有同一個檔案，兩者都會保留，本機複本會重新命名為衝突檔案。</translation>
    </message>
    <message>
        <source>Only the users and groups you choose can open the files.</source>
        <comment></comment>
        <translation>只有您選擇的使用者和群組才能開啟這些檔案。</translation>
    </message>
    <message>
        <source>Invite people</source>
        <comment></comment>
        <translation>邀請其他人</translation>
    </message>
    <message>
        <source>This computer</source>
        <comment></comment>
        <translation>此電腦</translation>
    </message>
    <message>
        <source>New shared item</source>
        <comment></comment>
        <translation>新的共用項目</translation>
    </message>
    <message>
        <source>Uploading</source>
        <comment></comment>
        <translation>正在上傳</translation>
    </message>
    <message>
        <source>Automatic connection is not allowed by the server settings.</source>
        <comment></comment>
        <translation>伺服器設定不允許自動連線。</translation>
    </message>
    <message>
        <source>Restricted</source>
        <comment></comment>
        <translation>受限</translation>
    </message>
    <message>
        <source>Proxy</source>
        <comment></comment>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Keep both files and add the computer name to the local copy</source>
        <comment></comment>
        <translation>保留兩個檔案，並在本機複本的名稱中加上電腦名稱</translation>
    </message>
    <message>
        <source>Close the applications automatically and try to restart them afterwards.</source>
        <comment></comment>
        <translation>自動關閉應用程式，並在安裝完成後嘗試重新啟動這些應用程式。</translation>
    </message>
    <message>
        <source>This version of the client is too old. Upgrade Larkspan Drive to the latest version.</source>
        <comment></comment>
        <translation>此用戶端版本過舊。請將 Larkspan Drive 升級至最新版本。</translation>
    </message>
    <message>
        <source>Users and groups</source>
        <comment></comment>
        <translation>使用者和群組</translation>
    </message>
    <message>
        <source>Right-click a file in your sync folder and choose Share link to share it with anyone.</source>
        <comment></comment>
        <translation>在同步資料夾中的檔案上按一下滑鼠右鍵，然後選擇「共用連結」，即可與任何人共用該檔案。</translation>
    </message>
    <message>
        <source>Link permission</source>
        <comment></comment>
        <translation>連結權限</translation>
    </message>
    <message>
        <source>The server&apos;s SSL certificate could not be verified.</source>
        <comment></comment>
        <translation>無法驗證伺服器的 SSL 憑證。</translation>
    </message>
    <message>
        <source>Repairs the most recent installation by restoring missing or damaged files and shortcuts.</source>
        <comment></comment>
        <translation>還原遺失或損毀的檔案和捷徑，以修復最近一次的安裝。</translation>
    </message>
    <message>
        <source>Sync mode</source>
        <comment></comment>
        <translation>同步模式</translation>
    </message>
    <message>
        <source>No previous versions are available for this file.</source>
        <comment></comment>
        <translation>此檔案沒有可用的先前版本。</translation>
    </message>
    <message>
        <source>The remote folder is not mounted.</source>
        <comment></comment>
        <translation>遠端資料夾未掛載。</translation>
    </message>
    <message>
        <source>Type</source>
        <comment></comment>
        <translation>類型</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <comment></comment>
        <translation>使用者授權合約</translation>
    </message>
    <message>
        <source>Expire after a number of visits</source>
        <comment></comment>
        <translation>達到指定造訪次數後到期</translation>
    </message>
    <message>
        <source>Signed-in users can view the files.</source>
        <comment></comment>
        <translation>已登入的使用者可以檢視這些檔案。</translation>
    </message>
    <message>
        <source>The Larkspan Drive ID is not valid.</source>
        <comment></comment>
        <translation>Larkspan Drive ID 無效。</translation>
    </message>
    <message>
        <source>Change, repair or remove the installation</source>
        <comment></comment>
        <translation>變更、修復或移除安裝</translation>
    </message>
    <message>
        <source>Connection unstable</source>
        <comment></comment>
        <translation>連線不穩定</translation>
    </message>
    <message>
        <source>Date</source>
        <comment></comment>
        <translation>日期</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <comment></comment>
        <translation>最多輸入 %1 個字元。</translation>
    </message>
    <message>
        <source>This computer was linked to a different server. Link %1 again to continue.</source>
        <comment></comment>
        <translation>此電腦已關聯至其他伺服器。請重新關聯 %1 以繼續。</translation>
    </message>
    <message>
        <source>No valid folder is selected.</source>
        <comment></comment>
        <translation>未選取有效的資料夾。</translation>
    </message>
    <message>
        <source>Version mismatch</source>
        <comment></comment>
        <translation>版本不符</translation>
    </message>
    <message>
        <source>No data</source>
        <comment></comment>
        <translation>沒有資料</translation>
    </message>
    <message>
        <source>Setup was interrupted by an error.</source>
        <comment></comment>
        <translation>安裝因發生錯誤而中斷。</translation>
    </message>
    <message>
        <source>Open file</source>
        <comment></comment>
        <translation>開啟檔案</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment></comment>
        <translation>刪除</translation>
    </message>
    <message>
        <source>A new version is available. Click to update to %1.</source>
        <comment></comment>
        <translation>有新版本可用。按一下即可更新至 %1。</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment></comment>
        <translation>設定</translation>
    </message>
    <message>
        <source>Unable to delete the shared item.</source>
        <comment></comment>
        <translation>無法刪除共用項目。</translation>
    </message>
    <message>
        <source>Error</source>
        <comment></comment>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>Unable to list the versions of this file.</source>
        <comment></comment>
        <translation>無法列出此檔案的版本。</translation>
    </message>
    <message>
        <source>%1 minutes ago</source>
        <comment></comment>
        <translation>%1 分鐘前</translation>
    </message>
    <message>
        <source>Larkspan Drive encountered an error.</source>
        <comment></comment>
        <translation>Larkspan Drive 發生錯誤。</translation>
    </message>
    <message>
        <source>Resume syncing these folders</source>
        <comment></comment>
        <translation>繼續同步這些資料夾</translation>
    </message>
    <message>
        <source>Add folder</source>
        <comment></comment>
        <translation>新增資料夾</translation>
    </message>
    <message>
        <source>Lets you change the way the features are installed.</source>
        <comment></comment>
        <translation>可讓您變更功能的安裝方式。</translation>
    </message>
    <message>
        <source>Choose how you want to set up Larkspan Drive.</source>
        <comment></comment>
        <translation>請選擇設定 Larkspan Drive 的方式。</translation>
    </message>
    <message>
        <source>Repair the installation</source>
        <comment></comment>
        <translation>修復安裝</translation>
    </message>
    <message>
        <source>When a file was changed on both sides:</source>
        <comment></comment>
        <translation>當檔案在兩端都經過變更時：</translation>
    </message>
    <message>
        <source>Later</source>
        <comment></comment>
        <translation>稍後</translation>
    </message>
    <message>
        <source>The folder %1 already exists. Do you want to merge the two folders?</source>
        <comment></comment>
        <translation>資料夾 %1 已存在。是否要合併這兩個資料夾？</translation>
    </message>
    <message>
        <source>New shared item received</source>
        <comment></comment>
        <translation>收到新的共用項目</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <comment></comment>
        <translation>顯示桌面通知</translation>
    </message>
    <message>
        <source>Larkspan Drive does not support the protocol used by this server.</source>
        <comment></comment>
        <translation>Larkspan Drive 不支援此伺服器使用的通訊協定。</translation>
    </message>
    <message>
        <source>The local disk is full. Larkspan Drive has paused syncing.</source>
        <comment></comment>
        <translation>本機磁碟已滿。Larkspan Drive 已暫停同步。</translation>
    </message>
    <message>
        <source>No shared items</source>
        <comment></comment>
        <translation>沒有共用項目</translation>
    </message>
    <message>
        <source>Authentication failed. Check your user name and password.</source>
        <comment></comment>
        <translation>驗證失敗。請檢查您的使用者名稱和密碼。</translation>
    </message>
    <message>
        <source>Choose the folders to keep in sync.</source>
        <comment></comment>
        <translation>選擇要保持同步的資料夾。</translation>
    </message>
    <message>
        <source>Paused</source>
        <comment></comment>
        <translation>已暫停</translation>
    </message>
    <message>
        <source>%1 is initializing...</source>
        <comment></comment>
        <translation>%1 正在初始化...</translation>
    </message>
    <message>
        <source>Up to date</source>
        <comment></comment>
        <translation>已是最新狀態</translation>
    </message>
    <message>
        <source>Download cancelled.</source>
        <comment></comment>
        <translation>已取消下載。</translation>
    </message>
    <message>
        <source>Larkspan Drive could not be upgraded.</source>
        <comment></comment>
        <translation>無法升級 Larkspan Drive。</translation>
    </message>
    <message>
        <source>Your files, everywhere.</source>
        <comment></comment>
        <translation>您的檔案，隨處可用。</translation>
    </message>
    <message>
        <source>Sync the files that other users share with you.</source>
        <comment></comment>
        <translation>同步其他使用者與您共用的檔案。</translation>
    </message>
    <message>
        <source>Change, repair or remove Larkspan Drive.</source>
        <comment></comment>
        <translation>變更、修復或移除 Larkspan Drive。</translation>
    </message>
    <message>
        <source>Installing Larkspan Drive</source>
        <comment></comment>
        <translation>正在安裝 Larkspan Drive</translation>
    </message>
    <message>
        <source>Keep both files and rename the conflicting one</source>
        <comment></comment>
        <translation>保留兩個檔案，並將發生衝突的檔案重新命名</translation>
    </message>
    <message>
        <source>The server version is not supported. Ask your administrator to upgrade the server.</source>
        <comment></comment>
        <translation>不支援此伺服器版本。請洽詢管理員升級伺服器。</translation>
    </message>
    <message>
        <source>Version</source>
        <comment></comment>
        <translation>版本</translation>
    </message>
    <message>
        <source>Resume syncing this folder</source>
        <comment></comment>
        <translation>繼續同步此資料夾</translation>
    </message>
    <message>
        <source>Show Larkspan Drive in the file manager&apos;s context menu</source>
        <comment></comment>
        <translation>在檔案管理員的右鍵選單中顯示 Larkspan Drive</translation>
    </message>
    <message>
        <source>About</source>
        <comment></comment>
        <translation>關於</translation>
    </message>
    <message>
        <source>Comments</source>
        <comment></comment>
        <translation>留言</translation>
    </message>
    <message>
        <source>The relay service is disabled on the server.</source>
        <comment></comment>
        <translation>伺服器上的中繼服務已停用。</translation>
    </message>
    <message>
        <source>Last week</source>
        <comment></comment>
        <translation>最近一週</translation>
    </message>
    <message>
        <source>Checking data...</source>
        <comment></comment>
        <translation>正在檢查資料...</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <comment></comment>
        <translation>正在同步...</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment></comment>
        <translation>資料夾</translation>
    </message>
    <message>
        <source>%1 items</source>
        <comment></comment>
        <translation>%1 個項目</translation>
    </message>
    <message>
        <source>Download</source>
        <comment></comment>
        <translation>下載</translation>
    </message>
    <message>
        <source>%1 days ago</source>
        <comment></comment>
        <translation>%1 天前</translation>
    </message>
    <message>
        <source>Open settings</source>
        <comment></comment>
        <translation>開啟設定</translation>
    </message>
    <message>
        <source>Unable to get the link to the file.</source>
        <comment></comment>
        <translation>無法取得檔案的連結。</translation>
    </message>
    <message>
        <source>The selected folder is not empty. %1 will merge its content with the server.</source>
        <comment></comment>
        <translation>選取的資料夾不是空的。%1 會將其內容與伺服器合併。</translation>
    </message>
    <message>
        <source>Reconnect</source>
        <comment></comment>
        <translation>重新連線</translation>
    </message>
    <message>
        <source>Monday</source>
        <comment></comment>
        <translation>星期一</translation>
    </message>
    <message>
        <source>The shared folder conflicts with an existing sync folder.</source>
        <comment></comment>
        <translation>此共用資料夾與現有的同步資料夾衝突。</translation>
    </message>
    <message>
        <source>Sync task from %1 to %2</source>
        <comment></comment>
        <translation>從 %1 到 %2 的同步工作</translation>
    </message>
    <message>
        <source>Mount point</source>
        <comment></comment>
        <translation>掛載點</translation>
    </message>
    <message>
        <source>Folder not empty</source>
        <comment></comment>
        <translation>資料夾不是空的</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <comment></comment>
        <translation>正在取消關聯...</translation>
    </message>
    <message>
        <source>Time</source>
        <comment></comment>
        <translation>時間</translation>
    </message>
    <message>
        <source>%1 does not support the protocol used by this server.</source>
        <comment></comment>
        <translation>%1 不支援此伺服器使用的通訊協定。</translation>
    </message>
    <message>
        <source>Folder path</source>
        <comment></comment>
        <translation>資料夾路徑</translation>
    </message>
    <message>
        <source>February</source>
        <comment></comment>
        <translation>二月</translation>
    </message>
    <message>
        <source>The server&apos;s certificate could not be verified. Syncing is paused.</source>
        <comment></comment>
        <translation>無法驗證伺服器的憑證。同步已暫停。</translation>
    </message>
    <message>
        <source>Close the applications that use these files.</source>
        <comment></comment>
        <translation>請關閉正在使用這些檔案的應用程式。</translation>
    </message>
    <message>
        <source>Automatic connection failed because of a system error.</source>
        <comment></comment>
        <translation>由於系統錯誤，自動連線失敗。</translation>
    </message>
    <message>
        <source>Show icons on files that are not synced</source>
        <comment></comment>
        <translation>在未同步的檔案上顯示圖示</translation>
    </message>
    <message>
        <source>Larkspan Drive setup was interrupted. Your system has not been changed.</source>
        <comment></comment>
        <translation>Larkspan Drive 安裝已中斷。您的系統未做任何變更。</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has changed.</source>
        <comment></comment>
        <translation>伺服器的憑證已變更。</translation>
    </message>
    <message>
        <source>Files are stored in your local sync folder, for example /home/user/​LarkspanDrive.</source>
        <comment></comment>
        <translation>檔案儲存在本機同步資料夾中，例如 /home/user/​LarkspanDrive。</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the installation of Larkspan Drive?</source>
        <comment></comment>
        <translation>確定要取消安裝 Larkspan Drive 嗎？</translation>
    </message>
    <message>
        <source>ID</source>
        <comment></comment>
        <translation>ID</translation>
    </message>
    <message>
        <source>%1 has been downloaded.</source>
        <comment></comment>
        <translation>%1 已下載完成。</translation>
    </message>
    <message>
        <source>The connection is inactive.</source>
        <comment></comment>
        <translation>連線處於非使用中狀態。</translation>
    </message>
    <message>
        <source>Changes in folders on network drives may not be detected right away.</source>
        <comment></comment>
        <translation>可能無法立即偵測到網路磁碟機上資料夾中的變更。</translation>
    </message>
    <message>
        <source>Share</source>
        <comment></comment>
        <translation>共用</translation>
    </message>
    <message>
        <source>%1 encountered an error.</source>
        <comment></comment>
        <translation>%1 發生錯誤。</translation>
    </message>
    <message>
        <source>First page</source>
        <comment></comment>
        <translation>第一頁</translation>
    </message>
    <message>
        <source>Resume</source>
        <comment></comment>
        <translation>繼續</translation>
    </message>
    <message>
        <source>Unable to enable sharing.</source>
        <comment></comment>
        <translation>無法啟用共用。</translation>
    </message>
    <message>
        <source>The local disk is full. %1 has paused syncing.</source>
        <comment></comment>
        <translation>本機磁碟已滿。%1 已暫停同步。</translation>
    </message>
    <message>
        <source>Custom duration</source>
        <comment></comment>
        <translation>自訂期間</translation>
    </message>
    <message>
        <source>Remove this download</source>
        <comment></comment>
        <translation>移除此下載</translation>
    </message>
    <message>
        <source>I accept the terms of the License Agreement</source>
        <comment></comment>
        <translation>我接受授權合約中的條款</translation>
    </message>
    <message>
        <source>Select a folder on your computer to sync.</source>
        <comment></comment>
        <translation>選取電腦上要同步的資料夾。</translation>
    </message>
    <message>
        <source>Action</source>
        <comment></comment>
        <translation>動作</translation>
    </message>
    <message>
        <source>Sync tasks</source>
        <comment></comment>
        <translation>同步工作</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment></comment>
        <translation>暫停</translation>
    </message>
    <message>
        <source>Click Finish to close the setup wizard.</source>
        <comment></comment>
        <translation>按一下「完成」關閉安裝精靈。</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Larkspan Drive will merge its content with the server.</source>
        <comment></comment>
        <translation>選取的資料夾不是空的。Larkspan Drive 會將其內容與伺服器合併。</translation>
    </message>
    <message>
        <source>The disk of the Larkspan is full.</source>
        <comment></comment>
        <translation>Larkspan 的磁碟已滿。</translation>
    </message>
    <message>
        <source>Manage</source>
        <comment></comment>
        <translation>管理</translation>
    </message>
    <message>
        <source>The setup wizard lets you change the way Larkspan Drive is installed, repair it or remove it. Click Next to continue or Cancel to exit.</source>
        <comment></comment>
        <translation>安裝精靈可讓您變更 Larkspan Drive 的安裝方式、修復或移除 Larkspan Drive。按一下「下一步」繼續，或按一下「取消」結束。</translation>
    </message>
    <message>
        <source>%1 requested access to %2</source>
        <comment></comment>
        <translation>%1 要求存取 %2</translation>
    </message>
    <message>
        <source>Connected through the Internet</source>
        <comment></comment>
        <translation>已透過網際網路連線</translation>
    </message>
    <message>
        <source>Sync your files</source>
        <comment></comment>
        <translation>同步您的檔案</translation>
    </message>
    <message>
        <source>Unable to download this version.</source>
        <comment></comment>
        <translation>無法下載此版本。</translation>
    </message>
    <message>
        <source>Larkspan Drive setup ended because of an error. Your system has not been changed.</source>
        <comment></comment>
        <translation>Larkspan Drive 安裝因發生錯誤而結束。您的系統未做任何變更。</translation>
    </message>
    <message>
        <source>Files shared with you appear in the %1 folder on this computer.</source>
        <comment></comment>
        <translation>與您共用的檔案會顯示在此電腦上的 %1 資料夾中。</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this connection?</source>
        <comment></comment>
        <translation>確定要取消關聯此連線嗎？</translation>
    </message>
    <message>
        <source>Retry</source>
        <comment></comment>
        <translation>重試</translation>
    </message>
    <message>
        <source>The proxy server requires a password</source>
        <comment></comment>
        <translation>Proxy 伺服器需要密碼</translation>
    </message>
    <message>
        <source>Update to the latest version to use selective sync.</source>
        <comment></comment>
        <translation>請更新至最新版本以使用選擇性同步。</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again in %1 minutes.</source>
        <comment></comment>
        <translation>失敗次數過多。請在 %1 分鐘後再試。</translation>
    </message>
    <message>
        <source>File name</source>
        <comment></comment>
        <translation>檔案名稱</translation>
    </message>
    <message>
        <source>Inactive</source>
        <comment></comment>
        <translation>非使用中</translation>
    </message>
    <message>
        <source>You can change these settings at any time in %1.</source>
        <comment></comment>
        <translation>您隨時可以在 %1 中變更這些設定。</translation>
    </message>
    <message>
        <source>This version of Larkspan Drive is already installed. Do you want to install it again?</source>
        <comment></comment>
        <translation>已安裝此版本的 Larkspan Drive。是否要重新安裝？</translation>
    </message>
    <message>
        <source>The quota of the shared folder is full.</source>
        <comment></comment>
        <translation>共用資料夾的配額已滿。</translation>
    </message>
    <message>
        <source>The shared folder is not mounted.</source>
        <comment></comment>
        <translation>共用資料夾未掛載。</translation>
    </message>
    <message>
        <source>%1 hours ago</source>
        <comment></comment>
        <translation>%1 小時前</translation>
    </message>
    <message>
        <source>Completed the Larkspan Drive Setup Wizard</source>
        <comment></comment>
        <translation>Larkspan Drive 安裝精靈已完成</translation>
    </message>
    <message>
        <source>January</source>
        <comment></comment>
        <translation>一月</translation>
    </message>
    <message>
        <source>Choose the folders to sync and the sync settings yourself.</source>
        <comment></comment>
        <translation>自行選擇要同步的資料夾和同步設定。</translation>
    </message>
    <message>
        <source>The Larkspan has changed. Link it again to continue.</source>
        <comment></comment>
        <translation>Larkspan 已變更。請重新關聯以繼續。</translation>
    </message>
    <message>
        <source>%1 is now syncing your files.</source>
        <comment></comment>
        <translation>%1 正在同步您的檔案。</translation>
    </message>
    <message>
        <source>Unable to create a link for this item.</source>
        <comment></comment>
        <translation>無法為此項目建立連結。</translation>
    </message>
    <message>
        <source>I do not accept the terms of the License Agreement</source>
        <comment></comment>
        <translation>我不接受授權合約中的條款</translation>
    </message>
    <message>
        <source>Sync</source>
        <comment></comment>
        <translation>同步</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <comment></comment>
        <translation>昨天</translation>
    </message>
    <message>
        <source>Downloads of previous versions</source>
        <comment></comment>
        <translation>先前版本的下載</translation>
    </message>
    <message>
        <source>Sync history</source>
        <comment></comment>
        <translation>同步歷程記錄</translation>
    </message>
    <message>
        <source>Share link</source>
        <comment></comment>
        <translation>共用連結</translation>
    </message>
    <message>
        <source>Repair</source>
        <comment></comment>
        <translation>修復</translation>
    </message>
    <message>
        <source>Open the Larkspan in your browser</source>
        <comment></comment>
        <translation>在瀏覽器中開啟 Larkspan</translation>
    </message>
    <message>
        <source>%1 commented on %2</source>
        <comment></comment>
        <translation>%1 在 %2 留言</translation>
    </message>
    <message>
        <source>The maximum number of shared items has been reached.</source>
        <comment></comment>
        <translation>已達到共用項目數量上限。</translation>
    </message>
    <message>
        <source>Shared</source>
        <comment></comment>
        <translation>已共用</translation>
    </message>
    <message>
        <source>The local disk is full.</source>
        <comment></comment>
        <translation>本機磁碟已滿。</translation>
    </message>
    <message>
        <source>Setup interrupted</source>
        <comment></comment>
        <translation>安裝已中斷</translation>
    </message>
    <message>
        <source>The local sync folder cannot be found.</source>
        <comment></comment>
        <translation>找不到本機同步資料夾。</translation>
    </message>
    <message>
        <source>Put your files in the sync folder, and they stay up to date on all your devices.</source>
        <comment></comment>
        <translation>將檔案放入同步資料夾，檔案就會在您的所有裝置上保持最新狀態。</translation>
    </message>
    <message>
        <source>Expire after</source>
        <comment></comment>
        <translation>有效期限</translation>
    </message>
    <message>
        <source>June</source>
        <comment></comment>
        <translation>六月</translation>
    </message>
    <message>
        <source>Select the operation you want to perform.</source>
        <comment></comment>
        <translation>請選取要執行的作業。</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <comment></comment>
        <translation>暫存檔</translation>
    </message>
    <message>
        <source>Your quota on the Larkspan is full. Free some space or choose another folder.</source>
        <comment></comment>
        <translation>您在 Larkspan 上的配額已滿。請釋放一些空間或選擇其他資料夾。</translation>
    </message>
    <message>
        <source>Enter the address and port of the proxy server.</source>
        <comment></comment>
        <translation>請輸入 Proxy 伺服器的位址和連接埠。</translation>
    </message>
    <message>
        <source>Folder on the Larkspan</source>
        <comment></comment>
        <translation>Larkspan 上的資料夾</translation>
    </message>
    <message>
        <source>Renamed on this computer</source>
        <comment></comment>
        <translation>已在此電腦上重新命名</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <comment></comment>
        <translation>驗證失敗</translation>
    </message>
    <message>
        <source>Sunday</source>
        <comment></comment>
        <translation>星期日</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <comment></comment>
        <translation>星期三</translation>
    </message>
    <message>
        <source>Automatic setup is configured.</source>
        <comment></comment>
        <translation>已設定自動設定。</translation>
    </message>
    <message>
        <source>New folder on the Larkspan</source>
        <comment></comment>
        <translation>Larkspan 上的新資料夾</translation>
    </message>
    <message>
        <source>Display</source>
        <comment></comment>
        <translation>顯示</translation>
    </message>
    <message>
        <source>A newer version of %1 is already installed. Setup will now exit.</source>
        <comment></comment>
        <translation>已安裝較新版本的 %1。安裝程式即將結束。</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment></comment>
        <translation>是</translation>
    </message>
    <message>
        <source>Local sync folder</source>
        <comment></comment>
        <translation>本機同步資料夾</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <comment></comment>
        <translation>檔案大小上限 (MB)：</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <comment></comment>
        <translation>正在連線...</translation>
    </message>
    <message>
        <source>Access request</source>
        <comment></comment>
        <translation>存取要求</translation>
    </message>
    <message>
        <source>Larkspan Drive is ready.</source>
        <comment></comment>
        <translation>Larkspan Drive 已準備就緒。</translation>
    </message>
    <message>
        <source>Set up</source>
        <comment></comment>
        <translation>設定</translation>
    </message>
    <message>
        <source>Do not sync this folder</source>
        <comment></comment>
        <translation>不要同步此資料夾</translation>
    </message>
    <message>
        <source>This server needs a newer version of Larkspan Drive. Upgrade now?</source>
        <comment></comment>
        <translation>此伺服器需要較新版本的 Larkspan Drive。是否立即升級？</translation>
    </message>
    <message>
        <source>Choose a sync folder</source>
        <comment></comment>
        <translation>選擇同步資料夾</translation>
    </message>
    <message>
        <source>Password</source>
        <comment></comment>
        <translation>密碼</translation>
    </message>
    <message>
        <source>Today</source>
        <comment></comment>
        <translation>今天</translation>
    </message>
    <message>
        <source>Your quota on the Larkspan is full.</source>
        <comment></comment>
        <translation>您在 Larkspan 上的配額已滿。</translation>
    </message>
    <message>
        <source>Sync and share files across all your devices.</source>
        <comment></comment>
        <translation>在您的所有裝置之間同步和共用檔案。</translation>
    </message>
    <message>
        <source>No permission</source>
        <comment></comment>
        <translation>沒有權限</translation>
    </message>
    <message>
        <source>Destination</source>
        <comment></comment>
        <translation>目的地</translation>
    </message>
    <message>
        <source>The sync folder is on a volume that is not mounted.</source>
        <comment></comment>
        <translation>同步資料夾所在的磁碟區未掛載。</translation>
    </message>
    <message>
        <source>Choose a different folder on this computer.</source>
        <comment></comment>
        <translation>請在此電腦上選擇其他資料夾。</translation>
    </message>
    <message>
        <source>Use a black-and-white tray icon</source>
        <comment></comment>
        <translation>使用黑白系統匣圖示</translation>
    </message>
    <message>
        <source>The verification code is not valid.</source>
        <comment></comment>
        <translation>驗證碼無效。</translation>
    </message>
    <message>
        <source>No connection is available for this file.</source>
        <comment></comment>
        <translation>此檔案沒有可用的連線。</translation>
    </message>
    <message>
        <source>Keep files on the Larkspan when they are deleted from this computer</source>
        <comment></comment>
        <translation>從此電腦刪除檔案時，保留 Larkspan 上的檔案</translation>
    </message>
    <message>
        <source>One-way download</source>
        <comment></comment>
        <translation>單向下載</translation>
    </message>
    <message>
        <source>Port:</source>
        <comment></comment>
        <translation>連接埠：</translation>
    </message>
    <message>
        <source>Last month</source>
        <comment></comment>
        <translation>最近一個月</translation>
    </message>
    <message>
        <source>Version %1.%2.%3, build %4</source>
        <comment></comment>
        <translation>版本 %1.%2.%3，組建 %4</translation>
    </message>
    <message>
        <source>Your IP address is not allowed to connect.</source>
        <comment></comment>
        <translation>您的 IP 位址不允許連線。</translation>
    </message>
    <message>
        <source>Sync a folder that someone shared with you.</source>
        <comment></comment>
        <translation>同步其他人與您共用的資料夾。</translation>
    </message>
    <message>
        <source>Filter the sync log</source>
        <comment></comment>
        <translation>篩選同步記錄</translation>
    </message>
    <message>
        <source>You can only read this folder. Changes you make to it are not uploaded.</source>
        <comment></comment>
        <translation>您對此資料夾只有讀取權限。您所做的變更不會上傳。</translation>
    </message>
    <message>
        <source>Keyword</source>
        <comment></comment>
        <translation>關鍵字</translation>
    </message>
    <message>
        <source>Do not sync files larger than %1 MB</source>
        <comment></comment>
        <translation>不要同步大於 %1 MB 的檔案</translation>
    </message>
    <message>
        <source>Next month</source>
        <comment></comment>
        <translation>下個月</translation>
    </message>
    <message>
        <source>Remote destination</source>
        <comment></comment>
        <translation>遠端目的地</translation>
    </message>
    <message>
        <source>Your account is not allowed to sync this folder.</source>
        <comment></comment>
        <translation>您的帳號不允許同步此資料夾。</translation>
    </message>
    <message>
        <source>Unable to download %1.</source>
        <comment></comment>
        <translation>無法下載 %1。</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <comment></comment>
        <translation>進階設定</translation>
    </message>
    <message>
        <source>Welcome to %1. Sign in to get started.</source>
        <comment></comment>
        <translation>歡迎使用 %1。請登入以開始使用。</translation>
    </message>
    <message>
        <source>Welcome to the Larkspan Drive Setup Wizard</source>
        <comment></comment>
        <translation>歡迎使用 Larkspan Drive 安裝精靈</translation>
    </message>
    <message>
        <source>This computer was linked to a different Larkspan. Link it again to continue.</source>
        <comment></comment>
        <translation>此電腦已關聯至另一台 Larkspan。請重新關聯以繼續。</translation>
    </message>
    <message>
        <source>The shared folder no longer exists.</source>
        <comment></comment>
        <translation>此共用資料夾已不存在。</translation>
    </message>
    <message>
        <source>December</source>
        <comment></comment>
        <translation>十二月</translation>
    </message>
    <message>
        <source>Overview</source>
        <comment></comment>
        <translation>概觀</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <comment></comment>
        <translation>使用系統 Proxy 設定</translation>
    </message>
    <message>
        <source>No sync history</source>
        <comment></comment>
        <translation>沒有同步歷程記錄</translation>
    </message>
    <message>
        <source>Some files could not be synced. Click to see the details.</source>
        <comment></comment>
        <translation>部分檔案無法同步。按一下以檢視詳細資料。</translation>
    </message>
    <message>
        <source>Setup ended because of an error</source>
        <comment></comment>
        <translation>安裝因發生錯誤而結束</translation>
    </message>
    <message>
        <source>Drive</source>
        <comment></comment>
        <translation>Drive</translation>
    </message>
    <message>
        <source>October</source>
        <comment></comment>
        <translation>十月</translation>
    </message>
    <message>
        <source>Your changes have not been saved. Save them now?</source>
        <comment></comment>
        <translation>您的變更尚未儲存。是否立即儲存？</translation>
    </message>
    <message>
        <source>This computer is already linked to this Larkspan.</source>
        <comment></comment>
        <translation>此電腦已關聯至此 Larkspan。</translation>
    </message>
    <message>
        <source>There is not enough space on the local disk for Larkspan Drive.</source>
        <comment></comment>
        <translation>本機磁碟上沒有足夠的空間可供 Larkspan Drive 使用。</translation>
    </message>
    <message>
        <source>Do not sync files with these names:</source>
        <comment></comment>
        <translation>不要同步具有下列名稱的檔案：</translation>
    </message>
    <message>
        <source>Available from</source>
        <comment></comment>
        <translation>開始時間</translation>
    </message>
    <message>
        <source>Shows the tray icon in black and white to match your desktop theme.</source>
        <comment></comment>
        <translation>以黑白樣式顯示系統匣圖示，以搭配您的桌面佈景主題。</translation>
    </message>
    <message>
        <source>Status</source>
        <comment></comment>
        <translation>狀態</translation>
    </message>
    <message>
        <source>Sync one of your folders on the Larkspan with this computer.</source>
        <comment></comment>
        <translation>將您在 Larkspan 上的某個資料夾與此電腦同步。</translation>
    </message>
    <message>
        <source>Indexing the folder...</source>
        <comment></comment>
        <translation>正在為資料夾建立索引...</translation>
    </message>
    <message>
        <source>Your user name or password is incorrect.</source>
        <comment></comment>
        <translation>您的使用者名稱或密碼不正確。</translation>
    </message>
    <message>
        <source>You do not have permission to use Larkspan Drive. Ask your administrator.</source>
        <comment></comment>
        <translation>您沒有使用 Larkspan Drive 的權限。請洽詢管理員。</translation>
    </message>
    <message>
        <source>Try syncing again</source>
        <comment></comment>
        <translation>重新嘗試同步</translation>
    </message>
    <message>
        <source>Filter settings</source>
        <comment></comment>
        <translation>篩選設定</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <comment></comment>
        <translation>手動設定 Proxy</translation>
    </message>
    <message>
        <source>Status:</source>
        <comment></comment>
        <translation>狀態：</translation>
    </message>
    <message>
        <source>July</source>
        <comment></comment>
        <translation>七月</translation>
    </message>
    <message>
        <source>No</source>
        <comment></comment>
        <translation>否</translation>
    </message>
    <message>
        <source>Version not supported</source>
        <comment></comment>
        <translation>不支援的版本</translation>
    </message>
    <message>
        <source>Sync now</source>
        <comment></comment>
        <translation>立即同步</translation>
    </message>
    <message>
        <source>This folder was synced by another user. Choose another folder.</source>
        <comment></comment>
        <translation>此資料夾已由其他使用者同步。請選擇其他資料夾。</translation>
    </message>
    <message>
        <source>Create a KestrinDrive folder in the selected location</source>
        <comment></comment>
        <translation>在選取的位置建立 KestrinDrive 資料夾</translation>
    </message>
    <message>
        <source>You do not have permission to write to this folder. Choose another folder.</source>
        <comment></comment>
        <translation>您沒有寫入此資料夾的權限。請選擇其他資料夾。</translation>
    </message>
    <message>
        <source>This folder is read-only. Changes are not synced to %1.</source>
        <comment></comment>
        <translation>此資料夾為唯讀。變更不會同步至 %1。</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment></comment>
        <translation>%1 至 %2</translation>
    </message>
    <message>
        <source>Got it</source>
        <comment></comment>
        <translation>知道了</translation>
    </message>
    <message>
        <source>Welcome to Larkspan Drive</source>
        <comment></comment>
        <translation>歡迎使用 Larkspan Drive</translation>
    </message>
    <message>
        <source>Network settings</source>
        <comment></comment>
        <translation>網路設定</translation>
    </message>
    <message>
        <source>The setup wizard is ready to begin the repair.</source>
        <comment></comment>
        <translation>安裝精靈已準備好開始修復。</translation>
    </message>
    <message>
        <source>This client version is not supported by the server. Upgrade to continue syncing.</source>
        <comment></comment>
        <translation>伺服器不支援此用戶端版本。請升級以繼續同步。</translation>
    </message>
    <message>
        <source>Size</source>
        <comment></comment>
        <translation>大小</translation>
    </message>
    <message>
        <source>The server version is too old. Ask your administrator to upgrade it.</source>
        <comment></comment>
        <translation>伺服器版本過舊。請洽詢管理員升級伺服器。</translation>
    </message>
    <message>
        <source>Everyone with the link can view and edit the files.</source>
        <comment></comment>
        <translation>任何擁有連結的人都可以檢視和編輯這些檔案。</translation>
    </message>
    <message>
        <source>Edit</source>
        <comment></comment>
        <translation>編輯</translation>
    </message>
    <message>
        <source>Signed-in users can view and edit the files.</source>
        <comment></comment>
        <translation>已登入的使用者可以檢視和編輯這些檔案。</translation>
    </message>
    <message>
        <source>Disabled</source>
        <comment></comment>
        <translation>已停用</translation>
    </message>
    <message>
        <source>Change, repair or remove the installation.</source>
        <comment></comment>
        <translation>變更、修復或移除安裝。</translation>
    </message>
    <message>
        <source>Just now</source>
        <comment></comment>
        <translation>剛剛</translation>
    </message>
    <message>
        <source>New sync folder</source>
        <comment></comment>
        <translation>新增同步資料夾</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <comment></comment>
        <translation>已啟用共用</translation>
    </message>
    <message>
        <source>Sync error</source>
        <comment></comment>
        <translation>同步錯誤</translation>
    </message>
    <message>
        <source>Merge mode</source>
        <comment></comment>
        <translation>合併模式</translation>
    </message>
    <message>
        <source>Connection information</source>
        <comment></comment>
        <translation>連線資訊</translation>
    </message>
    <message>
        <source>Remove Larkspan Drive</source>
        <comment></comment>
        <translation>移除 Larkspan Drive</translation>
    </message>
    <message>
        <source>Next %1 pages</source>
        <comment></comment>
        <translation>後 %1 頁</translation>
    </message>
    <message>
        <source>Show sync status</source>
        <comment></comment>
        <translation>顯示同步狀態</translation>
    </message>
    <message>
        <source>My files</source>
        <comment></comment>
        <translation>我的檔案</translation>
    </message>
    <message>
        <source>Create a sync task</source>
        <comment></comment>
        <translation>建立同步工作</translation>
    </message>
    <message>
        <source>Create a LarkspanDrive folder in the selected location</source>
        <comment></comment>
        <translation>在選取的位置建立 LarkspanDrive 資料夾</translation>
    </message>
    <message>
        <source>Skipped file names</source>
        <comment></comment>
        <translation>略過的檔案名稱</translation>
    </message>
    <message>
        <source>The %1 ID is not valid.</source>
        <comment></comment>
        <translation>%1 ID 無效。</translation>
    </message>
    <message>
        <source>Expire on</source>
        <comment></comment>
        <translation>到期日</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <comment></comment>
        <translation>正在升級...</translation>
    </message>
    <message>
        <source>Start now</source>
        <comment></comment>
        <translation>立即開始</translation>
    </message>
    <message>
        <source>Standby</source>
        <comment></comment>
        <translation>待命</translation>
    </message>
    <message>
        <source>Progress</source>
        <comment></comment>
        <translation>進度</translation>
    </message>
    <message>
        <source>%1 changes detected</source>
        <comment></comment>
        <translation>偵測到 %1 項變更</translation>
    </message>
    <message>
        <source>Only download changes from the Larkspan; local changes are not uploaded.</source>
        <comment></comment>
        <translation>僅從 Larkspan 下載變更；本機變更不會上傳。</translation>
    </message>
    <message>
        <source>A database error occurred.</source>
        <comment></comment>
        <translation>發生資料庫錯誤。</translation>
    </message>
    <message>
        <source>Enter the address of your Larkspan and your account.</source>
        <comment></comment>
        <translation>請輸入您的 Larkspan 位址和帳號資訊。</translation>
    </message>
    <message>
        <source>On-demand sync</source>
        <comment></comment>
        <translation>隨選同步</translation>
    </message>
    <message>
        <source>New sync task</source>
        <comment></comment>
        <translation>新增同步工作</translation>
    </message>
    <message>
        <source>Upload</source>
        <comment></comment>
        <translation>上傳</translation>
    </message>
    <message>
        <source>Restrict access</source>
        <comment></comment>
        <translation>限制存取</translation>
    </message>
    <message>
        <source>Select the folders to sync</source>
        <comment></comment>
        <translation>選取要同步的資料夾</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <comment></comment>
        <translation>選取資料夾</translation>
    </message>
    <message>
        <source>Setup mode</source>
        <comment></comment>
        <translation>設定模式</translation>
    </message>
    <message>
        <source>Download only</source>
        <comment></comment>
        <translation>僅下載</translation>
    </message>
    <message>
        <source>General</source>
        <comment></comment>
        <translation>一般</translation>
    </message>
    <message>
        <source>Saturday</source>
        <comment></comment>
        <translation>星期六</translation>
    </message>
    <message>
        <source>Larkspan Drive works with a Larkspan server from Kestrin.</source>
        <comment></comment>
        <translation>Larkspan Drive 需搭配 Kestrin 的 Larkspan 伺服器使用。</translation>
    </message>
    <message>
        <source>Unable to connect to the Larkspan.</source>
        <comment></comment>
        <translation>無法連線至 Larkspan。</translation>
    </message>
    <message>
        <source>Connected through a relay</source>
        <comment></comment>
        <translation>已透過中繼連線</translation>
    </message>
    <message>
        <source>Larkspan Drive is initializing...</source>
        <comment></comment>
        <translation>Larkspan Drive 正在初始化...</translation>
    </message>
    <message>
        <source>Automatic setup failed. Set up Larkspan Drive manually.</source>
        <comment></comment>
        <translation>自動設定失敗。請手動設定 Larkspan Drive。</translation>
    </message>
    <message>
        <source>Local destination</source>
        <comment></comment>
        <translation>本機目的地</translation>
    </message>
    <message>
        <source>This folder is read-only. Changes are not synced to Larkspan Drive.</source>
        <comment></comment>
        <translation>此資料夾為唯讀。變更不會同步至 Larkspan Drive。</translation>
    </message>
    <message>
        <source>Ignore</source>
        <comment></comment>
        <translation>略過</translation>
    </message>
    <message>
        <source>All events</source>
        <comment></comment>
        <translation>所有事件</translation>
    </message>
    <message>
        <source>Sharing</source>
        <comment></comment>
        <translation>共用</translation>
    </message>
    <message>
        <source>Click Remove to remove Larkspan Drive from your computer.</source>
        <comment></comment>
        <translation>按一下「移除」，從您的電腦移除 Larkspan Drive。</translation>
    </message>
    <message>
        <source>This folder is already part of another sync task.</source>
        <comment></comment>
        <translation>此資料夾已屬於另一個同步工作。</translation>
    </message>
    <message>
        <source>A network error occurred. Check your connection and try again.</source>
        <comment></comment>
        <translation>發生網路錯誤。請檢查網路連線後再試一次。</translation>
    </message>
    <message>
        <source>Finish</source>
        <comment></comment>
        <translation>完成</translation>
    </message>
    <message>
        <source>Enter a port number from %1 to %2.</source>
        <comment></comment>
        <translation>請輸入 %1 到 %2 之間的連接埠號碼。</translation>
    </message>
    <message>
        <source>More information</source>
        <comment></comment>
        <translation>更多資訊</translation>
    </message>
    <message>
        <source>This folder is already synced.</source>
        <comment></comment>
        <translation>此資料夾已在同步中。</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <comment></comment>
        <translation>權限遭拒。</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <comment></comment>
        <translation>發生未知的錯誤。</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change your settings.</source>
        <comment></comment>
        <translation>按一下「安裝」開始安裝。按一下「上一步」檢閱或變更設定。</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <comment></comment>
        <translation>雙向同步</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <comment></comment>
        <translation>正在下載 %1...</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <comment></comment>
        <translation>正在套用設定...</translation>
    </message>
    <message>
        <source>Switch Larkspan</source>
        <comment></comment>
        <translation>切換 Larkspan</translation>
    </message>
    <message>
        <source>The file or folder does not exist.</source>
        <comment></comment>
        <translation>檔案或資料夾不存在。</translation>
    </message>
    <message>
        <source>Next</source>
        <comment></comment>
        <translation>下一步</translation>
    </message>
    <message>
        <source>Change folder</source>
        <comment></comment>
        <translation>變更資料夾</translation>
    </message>
    <message>
        <source>April</source>
        <comment></comment>
        <translation>四月</translation>
    </message>
    <message>
        <source>The new language takes effect after Larkspan Drive restarts.</source>
        <comment></comment>
        <translation>新語言將在 Larkspan Drive 重新啟動後生效。</translation>
    </message>
    <message>
        <source>Choose another</source>
        <comment></comment>
        <translation>選擇其他</translation>
    </message>
    <message>
        <source>Invalid argument.</source>
        <comment></comment>
        <translation>引數無效。</translation>
    </message>
    <message>
        <source>Syncing %1 files</source>
        <comment></comment>
        <translation>正在同步 %1 個檔案</translation>
    </message>
    <message>
        <source>Sharing links is not enabled on the Larkspan.</source>
        <comment></comment>
        <translation>Larkspan 上未啟用連結共用。</translation>
    </message>
    <message>
        <source>Recently updated files</source>
        <comment></comment>
        <translation>最近更新的檔案</translation>
    </message>
    <message>
        <source>Security warning</source>
        <comment></comment>
        <translation>安全性警告</translation>
    </message>
    <message>
        <source>The following applications use files that setup needs to update. Close them and click Retry, or click Ignore to continue anyway.</source>
        <comment></comment>
        <translation>下列應用程式正在使用安裝程式需要更新的檔案。請關閉這些應用程式並按一下「重試」，或按一下「略過」繼續。</translation>
    </message>
    <message>
        <source>Reach your files anywhere</source>
        <comment></comment>
        <translation>隨時隨地存取您的檔案</translation>
    </message>
    <message>
        <source>Print</source>
        <comment></comment>
        <translation>列印</translation>
    </message>
    <message>
        <source>Create a new folder to sync.</source>
        <comment></comment>
        <translation>建立要同步的新資料夾。</translation>
    </message>
    <message>
        <source>The certificate of %1 has changed. Do you trust the new certificate?</source>
        <comment></comment>
        <translation>%1 的憑證已變更。是否信任新的憑證？</translation>
    </message>
    <message>
        <source>Larkspan Drive</source>
        <comment></comment>
        <translation>Larkspan Drive</translation>
    </message>
    <message>
        <source>Rename</source>
        <comment></comment>
        <translation>重新命名</translation>
    </message>
    <message>
        <source>Folder already synced</source>
        <comment></comment>
        <translation>資料夾已在同步中</translation>
    </message>
    <message>
        <source>Do not sync these folders</source>
        <comment></comment>
        <translation>不要同步這些資料夾</translation>
    </message>
    <message>
        <source>Folders that others share with you</source>
        <comment></comment>
        <translation>其他人與您共用的資料夾</translation>
    </message>
    <message>
        <source>Repair Larkspan Drive</source>
        <comment></comment>
        <translation>修復 Larkspan Drive</translation>
    </message>
    <message>
        <source>Sync log category</source>
        <comment></comment>
        <translation>同步記錄類別</translation>
    </message>
    <message>
        <source>Close these applications before setup continues:</source>
        <comment></comment>
        <translation>請在安裝繼續之前關閉下列應用程式：</translation>
    </message>
    <message>
        <source>Add</source>
        <comment></comment>
        <translation>新增</translation>
    </message>
    <message>
        <source>No options available</source>
        <comment></comment>
        <translation>沒有可用的選項</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of Larkspan Drive.</source>
        <comment></comment>
        <translation>按一下「修復」以修復 Larkspan Drive 的安裝。</translation>
    </message>
    <message>
        <source>The sync direction does not match your permission on the folder.</source>
        <comment></comment>
        <translation>同步方向與您對此資料夾的權限不符。</translation>
    </message>
    <message>
        <source>You have chosen to remove the program from your computer.</source>
        <comment></comment>
        <translation>您已選擇從電腦移除此程式。</translation>
    </message>
    <message>
        <source>You are ready to use Larkspan Drive.</source>
        <comment></comment>
        <translation>您現在可以開始使用 Larkspan Drive 了。</translation>
    </message>
    <message>
        <source>Edit connection</source>
        <comment></comment>
        <translation>編輯連線</translation>
    </message>
    <message>
        <source>Upgrade to version %1</source>
        <comment></comment>
        <translation>升級至版本 %1</translation>
    </message>
    <message>
        <source>A newer version of Larkspan Drive is already installed. Setup will now exit.</source>
        <comment></comment>
        <translation>已安裝較新版本的 Larkspan Drive。安裝程式即將結束。</translation>
    </message>
    <message>
        <source>Larkspan Drive is now syncing your files.</source>
        <comment></comment>
        <translation>Larkspan Drive 正在同步您的檔案。</translation>
    </message>
    <message>
        <source>%1 files updated</source>
        <comment></comment>
        <translation>已更新 %1 個檔案</translation>
    </message>
    <message>
        <source>Enter a user name.</source>
        <comment></comment>
        <translation>請輸入使用者名稱。</translation>
    </message>
    <message>
        <source>There is not enough space on the local disk for %1.</source>
        <comment></comment>
        <translation>本機磁碟上沒有足夠的空間可供 %1 使用。</translation>
    </message>
    <message>
        <source>Preferences</source>
        <comment></comment>
        <translation>偏好設定</translation>
    </message>
    <message>
        <source>Files shared with you appear in the Larkspan Drive folder on this computer.</source>
        <comment></comment>
        <translation>與您共用的檔案會顯示在此電腦上的 Larkspan Drive 資料夾中。</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <comment></comment>
        <translation>不用了，謝謝</translation>
    </message>
    <message>
        <source>Public</source>
        <comment></comment>
        <translation>公開</translation>
    </message>
    <message>
        <source>Setup is complete.</source>
        <comment></comment>
        <translation>設定已完成。</translation>
    </message>
    <message>
        <source>Open containing folder</source>
        <comment></comment>
        <translation>開啟所在的資料夾</translation>
    </message>
    <message>
        <source>Removes Larkspan Drive from your computer.</source>
        <comment></comment>
        <translation>從您的電腦移除 Larkspan Drive。</translation>
    </message>
    <message>
        <source>Show the Larkspan Drive tutorial</source>
        <comment></comment>
        <translation>顯示 Larkspan Drive 教學</translation>
    </message>
    <message>
        <source>Previous month</source>
        <comment></comment>
        <translation>上個月</translation>
    </message>
    <message>
        <source>Shared folders</source>
        <comment></comment>
        <translation>共用資料夾</translation>
    </message>
    <message>
        <source>Created</source>
        <comment></comment>
        <translation>建立時間</translation>
    </message>
    <message>
        <source>Files you change on one device are updated on the others.</source>
        <comment></comment>
        <translation>您在一部裝置上變更的檔案，會在其他裝置上同步更新。</translation>
    </message>
    <message>
        <source>September</source>
        <comment></comment>
        <translation>九月</translation>
    </message>
    <message>
        <source>Click Remove to continue, or Back to review your choice.</source>
        <comment></comment>
        <translation>按一下「移除」繼續，或按一下「上一步」檢閱您的選擇。</translation>
    </message>
    <message>
        <source>Back</source>
        <comment></comment>
        <translation>上一步</translation>
    </message>
    <message>
        <source>Folder name</source>
        <comment></comment>
        <translation>資料夾名稱</translation>
    </message>
    <message>
        <source>Setup is complete. Larkspan Drive now keeps your files in sync.</source>
        <comment></comment>
        <translation>設定已完成。Larkspan Drive 現在會讓您的檔案保持同步。</translation>
    </message>
    <message>
        <source>May</source>
        <comment></comment>
        <translation>五月</translation>
    </message>
    <message>
        <source>Connected through the local network</source>
        <comment></comment>
        <translation>已透過區域網路連線</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully.</source>
        <comment></comment>
        <translation>請仔細閱讀下列授權合約。</translation>
    </message>
    <message>
        <source>Keep the most recently modified file</source>
        <comment></comment>
        <translation>保留最近修改的檔案</translation>
    </message>
    <message>
        <source>%1 mentioned you in %2</source>
        <comment></comment>
        <translation>%1 在 %2 中提及了您</translation>
    </message>
    <message>
        <source>Access to the selected folder was denied.</source>
        <comment></comment>
        <translation>存取選取的資料夾遭拒。</translation>
    </message>
    <message>
        <source>Disk full</source>
        <comment></comment>
        <translation>磁碟已滿</translation>
    </message>
    <message>
        <source>Signed-in users</source>
        <comment></comment>
        <translation>已登入的使用者</translation>
    </message>
    <message>
        <source>Tutorial that introduces the main features of Larkspan Drive</source>
        <comment></comment>
        <translation>介紹 Larkspan Drive 主要功能的教學</translation>
    </message>
    <message>
        <source>Checking your password...</source>
        <comment></comment>
        <translation>正在驗證您的密碼...</translation>
    </message>
    <message>
        <source>All files are up to date.</source>
        <comment></comment>
        <translation>所有檔案皆已是最新狀態。</translation>
    </message>
    <message>
        <source>Read-only</source>
        <comment></comment>
        <translation>唯讀</translation>
    </message>
    <message>
        <source>Your password has expired.</source>
        <comment></comment>
        <translation>您的密碼已過期。</translation>
    </message>
    <message>
        <source>Calendar</source>
        <comment></comment>
        <translation>日曆</translation>
    </message>
    <message>
        <source>Replace the file on this computer with the copy on the server</source>
        <comment></comment>
        <translation>以伺服器上的複本取代此電腦上的檔案</translation>
    </message>
    <message>
        <source>Do not close the applications. A restart will be required.</source>
        <comment></comment>
        <translation>不要關閉應用程式。之後需要重新啟動。</translation>
    </message>
    <message>
        <source>November</source>
        <comment></comment>
        <translation>十一月</translation>
    </message>
    <message>
        <source>Find a Larkspan on your local network</source>
        <comment></comment>
        <translation>在區域網路中尋找 Larkspan</translation>
    </message>
    <message>
        <source>File name:</source>
        <comment></comment>
        <translation>檔案名稱：</translation>
    </message>
    <message>
        <source>Add file name</source>
        <comment></comment>
        <translation>新增檔案名稱</translation>
    </message>
    <message>
        <source>Sync your home folder on the Larkspan with a folder on this computer, using the recommended settings.</source>
        <comment></comment>
        <translation>使用建議的設定，將您在 Larkspan 上的家目錄與此電腦上的資料夾同步。</translation>
    </message>
    <message>
        <source>Skip files whose names begin with a dot</source>
        <comment></comment>
        <translation>略過名稱以點開頭的檔案</translation>
    </message>
    <message>
        <source>Setup was cancelled.</source>
        <comment></comment>
        <translation>已取消安裝。</translation>
    </message>
    <message>
        <source>Name</source>
        <comment></comment>
        <translation>名稱</translation>
    </message>
    <message>
        <source>Encrypt data transfers (SSL)</source>
        <comment></comment>
        <translation>加密資料傳輸 (SSL)</translation>
    </message>
    <message>
        <source>File type</source>
        <comment></comment>
        <translation>檔案類型</translation>
    </message>
    <message>
        <source>Your quota on the Larkspan is full. Syncing is paused.</source>
        <comment></comment>
        <translation>您在 Larkspan 上的配額已滿。同步已暫停。</translation>
    </message>
    <message>
        <source>Share name</source>
        <comment></comment>
        <translation>共用名稱</translation>
    </message>
    <message>
        <source>Setup is not running as an administrator, so Larkspan Drive will be installed for the current user only. Continue?</source>
        <comment></comment>
        <translation>安裝程式未以系統管理員身分執行，因此 Larkspan Drive 將僅為目前的使用者安裝。是否繼續？</translation>
    </message>
    <message>
        <source>Close the tutorial</source>
        <comment></comment>
        <translation>關閉教學</translation>
    </message>
    <message>
        <source>About Larkspan Drive</source>
        <comment></comment>
        <translation>關於 Larkspan Drive</translation>
    </message>
    <message>
        <source>Apply and copy link</source>
        <comment></comment>
        <translation>套用並複製連結</translation>
    </message>
    <message>
        <source>Password:</source>
        <comment></comment>
        <translation>密碼：</translation>
    </message>
    <message>
        <source>Computer name</source>
        <comment></comment>
        <translation>電腦名稱</translation>
    </message>
    <message>
        <source>Synced on all devices</source>
        <comment></comment>
        <translation>已在所有裝置上同步</translation>
    </message>
    <message>
        <source>Currently syncing: %1</source>
        <comment></comment>
        <translation>目前正在同步：%1</translation>
    </message>
    <message>
        <source>Apply to all subfolders</source>
        <comment></comment>
        <translation>套用至所有子資料夾</translation>
    </message>
    <message>
        <source>Files that match these rules are not synced.</source>
        <comment></comment>
        <translation>符合這些規則的檔案不會同步。</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected shared items?</source>
        <comment></comment>
        <translation>確定要刪除選取的共用項目嗎？</translation>
    </message>
    <message>
        <source>IP address</source>
        <comment></comment>
        <translation>IP 位址</translation>
    </message>
    <message>
        <source>Your files are now syncing.</source>
        <comment></comment>
        <translation>您的檔案正在同步。</translation>
    </message>
    <message>
        <source>Some of the entries are not valid.</source>
        <comment></comment>
        <translation>部分輸入項目無效。</translation>
    </message>
    <message>
        <source>A system error occurred while checking the folder.</source>
        <comment></comment>
        <translation>檢查資料夾時發生系統錯誤。</translation>
    </message>
    <message>
        <source>Unlink this sync task? Files that are already synced stay on this computer.</source>
        <comment></comment>
        <translation>是否要取消關聯此同步工作？已同步的檔案會保留在此電腦上。</translation>
    </message>
    <message>
        <source>The sign-in test failed. Check the user name and password.</source>
        <comment></comment>
        <translation>登入測試失敗。請檢查使用者名稱和密碼。</translation>
    </message>
    <message>
        <source>Turning off sharing removes all existing links. Continue?</source>
        <comment></comment>
        <translation>關閉共用會移除所有現有的連結。是否繼續？</translation>
    </message>
    <message>
        <source>Test connection</source>
        <comment></comment>
        <translation>測試連線</translation>
    </message>
    <message>
        <source>Install</source>
        <comment></comment>
        <translation>安裝</translation>
    </message>
    <message>
        <source>Advanced setup</source>
        <comment></comment>
        <translation>自訂設定</translation>
    </message>
    <message>
        <source>Click Repair to continue, or Back to review your choice.</source>
        <comment></comment>
        <translation>按一下「修復」繼續，或按一下「上一步」檢閱您的選擇。</translation>
    </message>
    <message>
        <source>Installing the program files...</source>
        <comment></comment>
        <translation>正在安裝程式檔案...</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app</source>
        <comment></comment>
        <translation>請輸入驗證器應用程式中的驗證碼</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <comment></comment>
        <translation>仍要繼續</translation>
    </message>
    <message>
        <source>March</source>
        <comment></comment>
        <translation>三月</translation>
    </message>
    <message>
        <source>You can change these settings at any time in Larkspan Drive.</source>
        <comment></comment>
        <translation>您隨時可以在 Larkspan Drive 中變更這些設定。</translation>
    </message>
    <message>
        <source>Proxy settings</source>
        <comment></comment>
        <translation>Proxy 設定</translation>
    </message>
    <message>
        <source>Remove the installation</source>
        <comment></comment>
        <translation>移除安裝</translation>
    </message>
    <message>
        <source>Send to %1</source>
        <comment></comment>
        <translation>傳送到 %1</translation>
    </message>
    <message>
        <source>Synchronization mode</source>
        <comment></comment>
        <translation>同步模式</translation>
    </message>
    <message>
        <source>Refresh the sync log</source>
        <comment></comment>
        <translation>重新整理同步記錄</translation>
    </message>
    <message>
        <source>The content of both folders is merged. Nothing is deleted.</source>
        <comment></comment>
        <translation>兩個資料夾的內容會合併，不會刪除任何內容。</translation>
    </message>
    <message>
        <source>This version of %1 is already installed. Do you want to install it again?</source>
        <comment></comment>
        <translation>已安裝此版本的 %1。是否要重新安裝？</translation>
    </message>
    <message>
        <source>When the tray icon is double-clicked</source>
        <comment></comment>
        <translation>按兩下系統匣圖示時</translation>
    </message>
    <message>
        <source>Open the web portal to reach your files from any browser.</source>
        <comment></comment>
        <translation>開啟網頁入口，即可從任何瀏覽器存取您的檔案。</translation>
    </message>
    <message>
        <source>Click Finish to close the setup wizard and start using Larkspan Drive.</source>
        <comment></comment>
        <translation>按一下「完成」關閉安裝精靈，並開始使用 Larkspan Drive。</translation>
    </message>
    <message>
        <source>There are no changes to apply.</source>
        <comment></comment>
        <translation>沒有要套用的變更。</translation>
    </message>
    <message>
        <source>Network error.</source>
        <comment></comment>
        <translation>網路錯誤。</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <comment></comment>
        <translation>正在準備...</translation>
    </message>
    <message>
        <source>More tutorials</source>
        <comment></comment>
        <translation>更多教學</translation>
    </message>
    <message>
        <source>Read-only folder</source>
        <comment></comment>
        <translation>唯讀資料夾</translation>
    </message>
    <message>
        <source>Previous %1 pages</source>
        <comment></comment>
        <translation>前 %1 頁</translation>
    </message>
    <message>
        <source>Start the tour</source>
        <comment></comment>
        <translation>開始導覽</translation>
    </message>
    <message>
        <source>IP address details</source>
        <comment></comment>
        <translation>IP 位址詳細資料</translation>
    </message>
    <message>
        <source>From</source>
        <comment></comment>
        <translation>從</translation>
    </message>
    <message>
        <source>Welcome to Larkspan Drive. Sign in to get started.</source>
        <comment></comment>
        <translation>歡迎使用 Larkspan Drive。請登入以開始使用。</translation>
    </message>
    <message>
        <source>Sync problem</source>
        <comment></comment>
        <translation>同步問題</translation>
    </message>
    <message>
        <source>Local usage</source>
        <comment></comment>
        <translation>本機使用量</translation>
    </message>
    <message>
        <source>Enable on-demand sync</source>
        <comment></comment>
        <translation>啟用隨選同步</translation>
    </message>
    <message>
        <source>Larkspan Drive has been installed.</source>
        <comment></comment>
        <translation>Larkspan Drive 已安裝完成。</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <comment></comment>
        <translation>已中斷連線</translation>
    </message>
    <message>
        <source>Locked</source>
        <comment></comment>
        <translation>已鎖定</translation>
    </message>
    <message>
        <source>Change sync folder</source>
        <comment></comment>
        <translation>變更同步資料夾</translation>
    </message>
    <message>
        <source>Setup has finished.</source>
        <comment></comment>
        <translation>安裝已完成。</translation>
    </message>
    <message>
        <source>%1 shared %2 with you</source>
        <comment></comment>
        <translation>%1 與您共用了 %2</translation>
    </message>
    <message>
        <source>Not found</source>
        <comment></comment>
        <translation>找不到</translation>
    </message>
    <message>
        <source>Reset</source>
        <comment></comment>
        <translation>重設</translation>
    </message>
    <message>
        <source>Installing the features you selected.</source>
        <comment></comment>
        <translation>正在安裝您選取的功能。</translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <comment></comment>
        <translation>需要驗證碼。</translation>
    </message>
    <message>
        <source>%1 keeps the files on your Larkspan and your computers in sync.</source>
        <comment></comment>
        <translation>%1 讓您的 Larkspan 與電腦上的檔案保持同步。</translation>
    </message>
    <message>
        <source>There is not enough space on the disk of this computer.</source>
        <comment></comment>
        <translation>此電腦的磁碟空間不足。</translation>
    </message>
    <message>
        <source>Connection type</source>
        <comment></comment>
        <translation>連線類型</translation>
    </message>
    <message>
        <source>Show the %1 tutorial</source>
        <comment></comment>
        <translation>顯示 %1 教學</translation>
    </message>
    <message>
        <source>You can also invite people to folders you own.</source>
        <comment></comment>
        <translation>您也可以邀請其他人存取您擁有的資料夾。</translation>
    </message>
    <message>
        <source>%1 could not be upgraded.</source>
        <comment></comment>
        <translation>無法升級 %1。</translation>
    </message>
    <message>
        <source>%1 works with a Larkspan server from Kestrin.</source>
        <comment></comment>
        <translation>%1 需搭配 Kestrin 的 Larkspan 伺服器使用。</translation>
    </message>
    <message>
        <source>Welcome</source>
        <comment></comment>
        <translation>歡迎</translation>
    </message>
    <message>
        <source>Custom range</source>
        <comment></comment>
        <translation>自訂範圍</translation>
    </message>
    <message>
        <source>Sync %1 to this computer?</source>
        <comment></comment>
        <translation>是否要將 %1 同步至此電腦？</translation>
    </message>
    <message>
        <source>Quick setup</source>
        <comment></comment>
        <translation>快速設定</translation>
    </message>
    <message>
        <source>Download history</source>
        <comment></comment>
        <translation>下載歷程記錄</translation>
    </message>
    <message>
        <source>Use a relay connection when a direct connection is not possible</source>
        <comment></comment>
        <translation>無法直接連線時使用中繼連線</translation>
    </message>
    <message>
        <source>Folders you clear are removed from this computer but kept on the Larkspan.</source>
        <comment></comment>
        <translation>您取消勾選的資料夾會從此電腦移除，但仍會保留在 Larkspan 上。</translation>
    </message>
    <message>
        <source>Link</source>
        <comment></comment>
        <translation>連結</translation>
    </message>
    <message>
        <source>Address:</source>
        <comment></comment>
        <translation>位址：</translation>
    </message>
    <message>
        <source>Download complete.</source>
        <comment></comment>
        <translation>下載完成。</translation>
    </message>
    <message>
        <source>Setup has all the information it needs to start copying the program files.</source>
        <comment></comment>
        <translation>安裝程式已取得開始複製程式檔案所需的全部資訊。</translation>
    </message>
    <message>
        <source>Sync activity</source>
        <comment></comment>
        <translation>同步活動</translation>
    </message>
    <message>
        <source>Downloading</source>
        <comment></comment>
        <translation>正在下載</translation>
    </message>
    <message>
        <source>This wizard installs Larkspan Drive on your computer.</source>
        <comment></comment>
        <translation>此精靈會在您的電腦上安裝 Larkspan Drive。</translation>
    </message>
    <message>
        <source>To</source>
        <comment></comment>
        <translation>至</translation>
    </message>
    <message>
        <source>The server&apos;s certificate could not be verified. Connect anyway?</source>
        <comment></comment>
        <translation>無法驗證伺服器的憑證。是否仍要連線？</translation>
    </message>
    <message>
        <source>Larkspan Drive is running.</source>
        <comment></comment>
        <translation>Larkspan Drive 正在執行。</translation>
    </message>
    <message>
        <source>%1 has shared a new item with you.</source>
        <comment></comment>
        <translation>%1 與您共用了一個新項目。</translation>
    </message>
    <message>
        <source>A conflict occurred.</source>
        <comment></comment>
        <translation>發生衝突。</translation>
    </message>
    <message>
        <source>The selected folder is a mount point. Choose a folder on a local disk.</source>
        <comment></comment>
        <translation>選取的資料夾是掛載點。請選擇本機磁碟上的資料夾。</translation>
    </message>
    <message>
        <source>Encryption</source>
        <comment></comment>
        <translation>加密</translation>
    </message>
    <message>
        <source>Changes you make in your sync folder are synced with the Larkspan.</source>
        <comment></comment>
        <translation>您在同步資料夾中所做的變更，會與 Larkspan 同步。</translation>
    </message>
    <message>
        <source>Please wait while the setup wizard installs Larkspan Drive. This may take several minutes.</source>
        <comment></comment>
        <translation>安裝精靈正在安裝 Larkspan Drive，請稍候。這可能需要幾分鐘的時間。</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has changed since your last connection. Continue?</source>
        <comment></comment>
        <translation>自您上次連線後，伺服器的憑證已變更。是否繼續？</translation>
    </message>
    <message>
        <source>%1 is ready.</source>
        <comment></comment>
        <translation>%1 已準備就緒。</translation>
    </message>
    <message>
        <source>Search</source>
        <comment></comment>
        <translation>搜尋</translation>
    </message>
    <message>
        <source>Link a new Larkspan</source>
        <comment></comment>
        <translation>關聯新的 Larkspan</translation>
    </message>
    <message>
        <source>Certificate verification failed.</source>
        <comment></comment>
        <translation>憑證驗證失敗。</translation>
    </message>
    <message>
        <source>Starting Larkspan Drive...</source>
        <comment></comment>
        <translation>正在啟動 Larkspan Drive...</translation>
    </message>
    <message>
        <source>On-demand sync could not be enabled.</source>
        <comment></comment>
        <translation>無法啟用隨選同步。</translation>
    </message>
    <message>
        <source>Setup complete</source>
        <comment></comment>
        <translation>設定完成</translation>
    </message>
    <message>
        <source>Your administrator requires two-step verification for your account.</source>
        <comment></comment>
        <translation>您的管理員要求您的帳號使用兩步驟驗證。</translation>
    </message>
    <message>
        <source>Start %1 when I sign in</source>
        <comment></comment>
        <translation>登入時啟動 %1</translation>
    </message>
    <message>
        <source>The selected folder is already synced by another task.</source>
        <comment></comment>
        <translation>選取的資料夾已由另一個同步工作同步。</translation>
    </message>
    <message>
        <source>File</source>
        <comment></comment>
        <translation>檔案</translation>
    </message>
    <message>
        <source>Recently changed</source>
        <comment></comment>
        <translation>最近變更</translation>
    </message>
</context>
</TS>
