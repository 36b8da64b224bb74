<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Enabled</source>
        <comment></comment>
        <translation>有効</translation>
    </message>
    <message>
        <source>Larkspan Drive has no optional features to change.</source>
        <comment></comment>
        <translation>Larkspan Driveには変更できるオプション機能はありません。</translation>
    </message>
    <message>
        <source>Merge</source>
        <comment></comment>
        <translation>統合</translation>
    </message>
    <message>
        <source>Open folder</source>
        <comment></comment>
        <translation>フォルダーを開く</translation>
    </message>
    <message>
        <source>Sync folder on this computer</source>
        <comment></comment>
        <translation>このコンピューター上の同期フォルダー</translation>
    </message>
    <message>
        <source>Tutorial that introduces the main features of %1</source>
        <comment></comment>
        <translation>%1の主な機能を紹介するチュートリアル</translation>
    </message>
    <message>
        <source>Renamed on the Larkspan</source>
        <comment></comment>
        <translation>Larkspanで名前を変更</translation>
    </message>
    <message>
        <source>Friday</source>
        <comment></comment>
        <translation>金曜日</translation>
    </message>
    <message>
        <source>Thursday</source>
        <comment></comment>
        <translation>木曜日</translation>
    </message>
    <message>
        <source>The setup wizard is ready to begin the installation.</source>
        <comment></comment>
        <translation>セットアップウィザードはインストールを開始する準備ができました。</translation>
    </message>
    <message>
        <source>Select the files to sync</source>
        <comment></comment>
        <translation>同期するファイルを選択</translation>
    </message>
    <message>
        <source>Loading...</source>
        <comment></comment>
        <translation>読み込み中...</translation>
    </message>
    <message>
        <source>Sync direction</source>
        <comment></comment>
        <translation>同期の方向</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <comment></comment>
        <translation>新しいバージョンを利用できます。クリックして更新してください。</translation>
    </message>
    <message>
        <source>Ready to install Larkspan Drive</source>
        <comment></comment>
        <translation>Larkspan Driveのインストール準備完了</translation>
    </message>
    <message>
        <source>User name</source>
        <comment></comment>
        <translation>ユーザー名</translation>
    </message>
    <message>
        <source>File sharing is not available over a relay connection.</source>
        <comment></comment>
        <translation>リレー接続ではファイル共有を利用できません。</translation>
    </message>
    <message>
        <source>Last page</source>
        <comment></comment>
        <translation>最後のページ</translation>
    </message>
    <message>
        <source>One-way upload</source>
        <comment></comment>
        <translation>一方向アップロード</translation>
    </message>
    <message>
        <source>Setup is complete. %1 now keeps your files in sync.</source>
        <comment></comment>
        <translation>セットアップが完了しました。今後は%1がファイルを同期します。</translation>
    </message>
    <message>
        <source>System default</source>
        <comment></comment>
        <translation>システムの既定</translation>
    </message>
    <message>
        <source>A sync folder named %1 already exists. Choose another name.</source>
        <comment></comment>
        <translation>%1という名前の同期フォルダーはすでに存在します。別の名前を選択してください。</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment></comment>
        <translation>終了</translation>
    </message>
    <message>
        <source>Choose the display language</source>
        <comment></comment>
        <translation>表示言語を選択</translation>
    </message>
    <message>
        <source>The Larkspan Drive service is disabled on this Larkspan. Ask your administrator to enable it.</source>
        <comment></comment>
        <translation>このLarkspanではLarkspan Driveサービスが無効になっています。管理者に有効化を依頼してください。</translation>
    </message>
    <message>
        <source>Search for Larkspan servers on the local network</source>
        <comment></comment>
        <translation>ローカルネットワーク上のLarkspanサーバーを検索</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <comment></comment>
        <translation>ほか%1件</translation>
    </message>
    <message>
        <source>Connected</source>
        <comment></comment>
        <translation>接続済み</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <comment></comment>
        <translation>火曜日</translation>
    </message>
    <message>
        <source>Read the following license agreement and accept it to continue.</source>
        <comment></comment>
        <translation>続行するには、次の使用許諾契約書を読んで同意してください。</translation>
    </message>
    <message>
        <source>Help</source>
        <comment></comment>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Launch Larkspan Drive now</source>
        <comment></comment>
        <translation>Larkspan Driveを今すぐ起動する</translation>
    </message>
    <message>
        <source>User name:</source>
        <comment></comment>
        <translation>ユーザー名：</translation>
    </message>
    <message>
        <source>Finishing the automatic setup...</source>
        <comment></comment>
        <translation>自動セットアップを完了しています...</translation>
    </message>
    <message>
        <source>Summary</source>
        <comment></comment>
        <translation>概要</translation>
    </message>
    <message>
        <source>Selective sync mode</source>
        <comment></comment>
        <translation>選択同期モード</translation>
    </message>
    <message>
        <source>Notifications</source>
        <comment></comment>
        <translation>通知</translation>
    </message>
    <message>
        <source>Choose a folder on the Larkspan and a folder on this computer to keep in sync.</source>
        <comment></comment>
        <translation>同期するLarkspan上のフォルダーとこのコンピューター上のフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>Files whose names match these patterns are not synced. Use * as a wildcard, for example *.tmp.</source>
        <comment></comment>
        <translation>名前がこれらのパターンに一致するファイルは同期されません。ワイルドカードとして * を使用できます (例: *.tmp)。</translation>
    </message>
    <message>
        <source>OK</source>
        <comment></comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Everyone with the link can view the files.</source>
        <comment></comment>
        <translation>リンクを知っているすべてのユーザーがファイルを表示できます。</translation>
    </message>
    <message>
        <source>Set sync folder</source>
        <comment></comment>
        <translation>同期フォルダーを設定</translation>
    </message>
    <message>
        <source>Unlink</source>
        <comment></comment>
        <translation>リンク解除</translation>
    </message>
    <message>
        <source>Value</source>
        <comment></comment>
        <translation>値</translation>
    </message>
    <message>
        <source>Selective sync</source>
        <comment></comment>
        <translation>選択同期</translation>
    </message>
    <message>
        <source>Continue</source>
        <comment></comment>
        <translation>続行</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <comment></comment>
        <translation>初期化に失敗しました。</translation>
    </message>
    <message>
        <source>Share files with others</source>
        <comment></comment>
        <translation>ほかのユーザーとファイルを共有</translation>
    </message>
    <message>
        <source>Open Larkspan Drive</source>
        <comment></comment>
        <translation>Larkspan Driveを開く</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment></comment>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Change which features of Larkspan Drive are installed</source>
        <comment></comment>
        <translation>インストールするLarkspan Driveの機能を変更します</translation>
    </message>
    <message>
        <source>Unable to get the user information.</source>
        <comment></comment>
        <translation>ユーザー情報を取得できません。</translation>
    </message>
    <message>
        <source>Status information</source>
        <comment></comment>
        <translation>ステータス情報</translation>
    </message>
    <message>
        <source>The setup wizard will install Larkspan Drive on your computer. Click Next to continue or Cancel to exit.</source>
        <comment></comment>
        <translation>セットアップウィザードは、Larkspan Driveをコンピューターにインストールします。続行するには「次へ」を、終了するには「キャンセル」をクリックしてください。</translation>
    </message>
    <message>
        <source>Show sync status icons on files and folders</source>
        <comment></comment>
        <translation>ファイルとフォルダーに同期ステータスアイコンを表示</translation>
    </message>
    <message>
        <source>Change</source>
        <comment></comment>
        <translation>変更</translation>
    </message>
    <message>
        <source>Cancel setup</source>
        <comment></comment>
        <translation>セットアップのキャンセル</translation>
    </message>
    <message>
        <source>No proxy</source>
        <comment></comment>
        <translation>プロキシを使用しない</translation>
    </message>
    <message>
        <source>The client could not be upgraded. Please try again later.</source>
        <comment></comment>
        <translation>クライアントをアップグレードできませんでした。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>Apply</source>
        <comment></comment>
        <translation>適用</translation>
    </message>
    <message>
        <source>Files in use</source>
        <comment></comment>
        <translation>使用中のファイル</translation>
    </message>
    <message>
        <source>Service disabled</source>
        <comment></comment>
        <translation>サービスが無効</translation>
    </message>
    <message>
        <source>Reading the connection settings...</source>
        <comment></comment>
        <translation>接続設定を読み込んでいます...</translation>
    </message>
    <message>
        <source>Mentioned you</source>
        <comment></comment>
        <translation>あなたをメンションしました</translation>
    </message>
    <message>
        <source>Updating...</source>
        <comment></comment>
        <translation>更新しています...</translation>
    </message>
    <message>
        <source>Language</source>
        <comment></comment>
        <translation>言語</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <comment></comment>
        <translation>おめでとうございます！</translation>
    </message>
    <message>
        <source>Enable sharing</source>
        <comment></comment>
        <translation>共有を有効にする</translation>
    </message>
    <message>
        <source>The home folder service is not enabled for your account. Ask your administrator to enable it.</source>
        <comment></comment>
        <translation>お使いのアカウントではホームフォルダーサービスが有効になっていません。管理者に有効化を依頼してください。</translation>
    </message>
    <message>
        <source>August</source>
        <comment></comment>
        <translation>8月</translation>
    </message>
    <message>
        <source>Read and write</source>
        <comment></comment>
        <translation>読み取り/書き込み</translation>
    </message>
    <message>
        <source>Remove</source>
        <comment></comment>
        <translation>削除</translation>
    </message>
    <message>
        <source>Larkspan Drive notification</source>
        <comment></comment>
        <translation>Larkspan Driveの通知</translation>
    </message>
    <message>
        <source>Open in the web portal</source>
        <comment></comment>
        <translation>Webポータルで開く</translation>
    </message>
    <message>
        <source>The selected sync folder is not valid. Choose another folder.</source>
        <comment></comment>
        <translation>選択した同期フォルダーは無効です。別のフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>This field cannot be left blank.</source>
        <comment></comment>
        <translation>このフィールドは空白にできません。</translation>
    </message>
    <message>
        <source>Start Larkspan Drive when I sign in</source>
        <comment></comment>
        <translation>サインイン時にLarkspan Driveを起動する</translation>
    </message>
    <message>
        <source>Some files that need to be updated are currently in use.</source>
        <comment></comment>
        <translation>更新が必要なファイルの一部が使用中です。</translation>
    </message>
    <message>
        <source>File extensions:</source>
        <comment></comment>
        <translation>ファイル拡張子：</translation>
    </message>
    <message>
        <source>Shared with me</source>
        <comment></comment>
        <translation>自分と共有</translation>
    </message>
    <message>
        <source>Stop downloading this version</source>
        <comment></comment>
        <translation>このバージョンのダウンロードを中止</translation>
    </message>
    <message>
        <source>Browse previous versions</source>
        <comment></comment>
        <translation>以前のバージョンを参照</translation>
    </message>
    <message>
        <source>Unable to create the local folder %1.</source>
        <comment></comment>
        <translation>ローカルフォルダー%1を作成できません。</translation>
    </message>
    <message>
        <source>Information</source>
        <comment></comment>
        <translation>情報</translation>
    </message>
    <message>
        <source>%1 is running.</source>
        <comment></comment>
        <translation>%1は実行中です。</translation>
    </message>
    <message>
        <source>Larkspan Drive keeps the files on your Larkspan and your computers in sync.</source>
        <comment></comment>
        <translation>Larkspan Driveは、Larkspanとお使いのコンピューター上のファイルを同期します。</translation>
    </message>
    <message>
        <source>Do not show this message again</source>
        <comment></comment>
        <translation>今後このメッセージを表示しない</translation>
    </message>
    <message>
        <source>Open the web portal</source>
        <comment></comment>
        <translation>Webポータルを開く</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <comment></comment>
        <translation>アップグレード</translation>
    </message>
    <message>
        <source>Done</source>
        <comment></comment>
        <translation>完了</translation>
    </message>
    <message>
        <source>Choose how to finish the setup:</source>
        <comment></comment>
        <translation>セットアップの完了方法を選択してください：</translation>
    </message>
    <message>
        <source>When a file exists on both sides, both are kept and the local copy is renamed as a conflict file.</source>
        <comment></comment>
        <translation>両方に同じファイルが存在する場合は両方が保持され、ローカルのコピーは競合ファイルとして名前が変更されます。</translation>
    </message>
    <message>
        <source>Only the users and groups you choose can open the files.</source>
        <comment></comment>
        <translation>選択したユーザーとグループのみがファイルを開けます。</translation>
    </message>
    <message>
        <source>Invite people</source>
        <comment></comment>
        <translation>ユーザーを招待</translation>
    </message>
    <message>
        <source>This computer</source>
        <comment></comment>
        <translation>このコンピューター</translation>
    </message>
    <message>
        <source>New shared item</source>
        <comment></comment>
        <translation>新しい共有アイテム</translation>
    </message>
    <message>
        <source>Uploading</source>
        <comment></comment>
        <translation>アップロード中</translation>
    </message>
    <message>
        <source>Automatic connection is not allowed by the server settings.</source>
        <comment></comment>
        <translation>サーバーの設定により、自動接続は許可されていません。</translation>
    </message>
    <message>
        <source>Restricted</source>
        <comment></comment>
        <translation>制限付き</translation>
    </message>
    <message>
        <source>Proxy</source>
        <comment></comment>
        <translation>プロキシ</translation>
    </message>
    <message>
        <source>Keep both files and add the computer name to the local copy</source>
        <comment></comment>
        <translation>両方のファイルを保持し、ローカルのコピーにコンピューター名を追加する</translation>
    </message>
    <message>
        <source>Close the applications automatically and try to restart them afterwards.</source>
        <comment></comment>
        <translation>アプリケーションを自動的に終了し、セットアップ完了後に再起動を試みる。</translation>
    </message>
    <message>
        <source>This version of the client is too old. Upgrade Larkspan Drive to the latest version.</source>
        <comment></comment>
        <translation>このバージョンのクライアントは古すぎます。Larkspan Driveを最新バージョンにアップグレードしてください。</translation>
    </message>
    <message>
        <source>Users and groups</source>
        <comment></comment>
        <translation>ユーザーとグループ</translation>
    </message>
    <message>
        <source>Right-click a file in your sync folder and choose Share link to share it with anyone.</source>
        <comment></comment>
        <translation>同期フォルダー内のファイルを右クリックして「共有リンク」を選択すると、誰とでも共有できます。</translation>
    </message>
    <message>
        <source>Link permission</source>
        <comment></comment>
        <translation>リンクの権限</translation>
    </message>
    <message>
        <source>The server&apos;s SSL certificate could not be verified.</source>
        <comment></comment>
        <translation>サーバーのSSL証明書を検証できませんでした。</translation>
    </message>
    <message>
        <source>Repairs the most recent installation by restoring missing or damaged files and shortcuts.</source>
        <comment></comment>
        <translation>見つからないファイルや破損したファイルおよびショートカットを復元して、最新のインストールを修復します。</translation>
    </message>
    <message>
        <source>Sync mode</source>
        <comment></comment>
        <translation>同期モード</translation>
    </message>
    <message>
        <source>No previous versions are available for this file.</source>
        <comment></comment>
        <translation>このファイルには以前のバージョンがありません。</translation>
    </message>
    <message>
        <source>The remote folder is not mounted.</source>
        <comment></comment>
        <translation>リモートフォルダーがマウントされていません。</translation>
    </message>
    <message>
        <source>Type</source>
        <comment></comment>
        <translation>種類</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <comment></comment>
        <translation>エンドユーザー使用許諾契約書</translation>
    </message>
    <message>
        <source>Expire after a number of visits</source>
        <comment></comment>
        <translation>指定したアクセス回数で期限切れにする</translation>
    </message>
    <message>
        <source>Signed-in users can view the files.</source>
        <comment></comment>
        <translation>サインインしたユーザーがファイルを表示できます。</translation>
    </message>
    <message>
        <source>The Larkspan Drive ID is not valid.</source>
        <comment></comment>
        <translation>Larkspan DriveのIDが無効です。</translation>
    </message>
    <message>
        <source>Change, repair or remove the installation</source>
        <comment></comment>
        <translation>インストールの変更、修復、または削除</translation>
    </message>
    <message>
        <source>Connection unstable</source>
        <comment></comment>
        <translation>接続が不安定</translation>
    </message>
    <message>
        <source>Date</source>
        <comment></comment>
        <translation>日付</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <comment></comment>
        <translation>%1文字以内で入力してください。</translation>
    </message>
    <message>
        <source>This computer was linked to a different server. Link %1 again to continue.</source>
        <comment></comment>
        <translation>このコンピューターは別のサーバーにリンクされていました。続行するには、%1を再度リンクしてください。</translation>
    </message>
    <message>
        <source>No valid folder is selected.</source>
        <comment></comment>
        <translation>有効なフォルダーが選択されていません。</translation>
    </message>
    <message>
        <source>Version mismatch</source>
        <comment></comment>
        <translation>バージョンの不一致</translation>
    </message>
    <message>
        <source>No data</source>
        <comment></comment>
        <translation>データがありません</translation>
    </message>
    <message>
        <source>Setup was interrupted by an error.</source>
        <comment></comment>
        <translation>エラーによりセットアップが中断されました。</translation>
    </message>
    <message>
        <source>Open file</source>
        <comment></comment>
        <translation>ファイルを開く</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment></comment>
        <translation>削除</translation>
    </message>
    <message>
        <source>A new version is available. Click to update to %1.</source>
        <comment></comment>
        <translation>新しいバージョンを利用できます。クリックして%1に更新してください。</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment></comment>
        <translation>設定</translation>
    </message>
    <message>
        <source>Unable to delete the shared item.</source>
        <comment></comment>
        <translation>共有アイテムを削除できません。</translation>
    </message>
    <message>
        <source>Error</source>
        <comment></comment>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Unable to list the versions of this file.</source>
        <comment></comment>
        <translation>このファイルのバージョンを一覧表示できません。</translation>
    </message>
    <message>
        <source>%1 minutes ago</source>
        <comment></comment>
        <translation>%1分前</translation>
    </message>
    <message>
        <source>Larkspan Drive encountered an error.</source>
        <comment></comment>
        <translation>Larkspan Driveでエラーが発生しました。</translation>
    </message>
    <message>
        <source>Resume syncing these folders</source>
        <comment></comment>
        <translation>これらのフォルダーの同期を再開</translation>
    </message>
    <message>
        <source>Add folder</source>
        <comment></comment>
        <translation>フォルダーを追加</translation>
    </message>
    <message>
        <source>Lets you change the way the features are installed.</source>
        <comment></comment>
        <translation>機能のインストール方法を変更できます。</translation>
    </message>
    <message>
        <source>Choose how you want to set up Larkspan Drive.</source>
        <comment></comment>
        <translation>Larkspan Driveのセットアップ方法を選択してください。</translation>
    </message>
    <message>
        <source>Repair the installation</source>
        <comment></comment>
        <translation>インストールを修復します</translation>
    </message>
    <message>
        <source>When a file was changed on both sides:</source>
        <comment></comment>
        <translation>ファイルが両方で変更された場合：</translation>
    </message>
    <message>
        <source>Later</source>
        <comment></comment>
        <translation>後で</translation>
    </message>
    <message>
        <source>The folder %1 already exists. Do you want to merge the two folders?</source>
        <comment></comment>
        <translation>フォルダー%1はすでに存在します。2つのフォルダーを統合しますか？</translation>
    </message>
    <message>
        <source>New shared item received</source>
        <comment></comment>
        <translation>新しい共有アイテムを受信しました</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <comment></comment>
        <translation>デスクトップ通知を表示</translation>
    </message>
    <message>
        <source>Larkspan Drive does not support the protocol used by this server.</source>
        <comment></comment>
        <translation>Larkspan Driveは、このサーバーが使用しているプロトコルをサポートしていません。</translation>
    </message>
    <message>
        <source>The local disk is full. Larkspan Drive has paused syncing.</source>
        <comment></comment>
        <translation>ローカルディスクがいっぱいです。Larkspan Driveは同期を一時停止しました。</translation>
    </message>
    <message>
        <source>No shared items</source>
        <comment></comment>
        <translation>共有アイテムはありません</translation>
    </message>
    <message>
        <source>Authentication failed. Check your user name and password.</source>
        <comment></comment>
        <translation>認証に失敗しました。ユーザー名とパスワードを確認してください。</translation>
    </message>
    <message>
        <source>Choose the folders to keep in sync.</source>
        <comment></comment>
        <translation>同期するフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>Paused</source>
        <comment></comment>
        <translation>一時停止中</translation>
    </message>
    <message>
        <source>%1 is initializing...</source>
        <comment></comment>
        <translation>%1を初期化しています...</translation>
    </message>
    <message>
        <source>Up to date</source>
        <comment></comment>
        <translation>最新の状態</translation>
    </message>
    <message>
        <source>Download cancelled.</source>
        <comment></comment>
        <translation>ダウンロードがキャンセルされました。</translation>
    </message>
    <message>
        <source>Larkspan Drive could not be upgraded.</source>
        <comment></comment>
        <translation>Larkspan Driveをアップグレードできませんでした。</translation>
    </message>
    <message>
        <source>Your files, everywhere.</source>
        <comment></comment>
        <translation>あなたのファイルを、どこでも。</translation>
    </message>
    <message>
        <source>Sync the files that other users share with you.</source>
        <comment></comment>
        <translation>ほかのユーザーがあなたと共有しているファイルを同期します。</translation>
    </message>
    <message>
        <source>Change, repair or remove Larkspan Drive.</source>
        <comment></comment>
        <translation>Larkspan Driveを変更、修復、または削除します。</translation>
    </message>
    <message>
        <source>Installing Larkspan Drive</source>
        <comment></comment>
        <translation>Larkspan Driveをインストールしています</translation>
    </message>
    <message>
        <source>Keep both files and rename the conflicting one</source>
        <comment></comment>
        <translation>両方のファイルを保持し、競合したファイルの名前を変更する</translation>
    </message>
    <message>
        <source>The server version is not supported. Ask your administrator to upgrade the server.</source>
        <comment></comment>
        <translation>このサーバーのバージョンはサポートされていません。サーバーのアップグレードを管理者に依頼してください。</translation>
    </message>
    <message>
        <source>Version</source>
        <comment></comment>
        <translation>バージョン</translation>
    </message>
    <message>
        <source>Resume syncing this folder</source>
        <comment></comment>
        <translation>このフォルダーの同期を再開</translation>
    </message>
    <message>
        <source>Show Larkspan Drive in the file manager&apos;s context menu</source>
        <comment></comment>
        <translation>ファイルマネージャーのコンテキストメニューにLarkspan Driveを表示</translation>
    </message>
    <message>
        <source>About</source>
        <comment></comment>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Comments</source>
        <comment></comment>
        <translation>コメント</translation>
    </message>
    <message>
        <source>The relay service is disabled on the server.</source>
        <comment></comment>
        <translation>サーバーでリレーサービスが無効になっています。</translation>
    </message>
    <message>
        <source>Last week</source>
        <comment></comment>
        <translation>過去1週間</translation>
    </message>
    <message>
        <source>Checking data...</source>
        <comment></comment>
        <translation>データを確認しています...</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <comment></comment>
        <translation>同期しています...</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment></comment>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>%1 items</source>
        <comment></comment>
        <translation>%1個のアイテム</translation>
    </message>
    <message>
        <source>Download</source>
        <comment></comment>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>%1 days ago</source>
        <comment></comment>
        <translation>%1日前</translation>
    </message>
    <message>
        <source>Open settings</source>
        <comment></comment>
        <translation>設定を開く</translation>
    </message>
    <message>
        <source>Unable to get the link to the file.</source>
        <comment></comment>
        <translation>ファイルへのリンクを取得できません。</translation>
    </message>
    <message>
        <source>The selected folder is not empty. %1 will merge its content with the server.</source>
        <comment></comment>
        <translation>選択したフォルダーは空ではありません。%1はその内容をサーバーと統合します。</translation>
    </message>
    <message>
        <source>Reconnect</source>
        <comment></comment>
        <translation>再接続</translation>
    </message>
    <message>
        <source>Monday</source>
        <comment></comment>
        <translation>月曜日</translation>
    </message>
    <message>
        <source>The shared folder conflicts with an existing sync folder.</source>
        <comment></comment>
        <translation>共有フォルダーが既存の同期フォルダーと競合しています。</translation>
    </message>
    <message>
        <source>Sync task from %1 to %2</source>
        <comment></comment>
        <translation>%1から%2への同期タスク</translation>
    </message>
    <message>
        <source>Mount point</source>
        <comment></comment>
        <translation>マウントポイント</translation>
    </message>
    <message>
        <source>Folder not empty</source>
        <comment></comment>
        <translation>フォルダーが空ではありません</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <comment></comment>
        <translation>リンクを解除しています...</translation>
    </message>
    <message>
        <source>Time</source>
        <comment></comment>
        <translation>時刻</translation>
    </message>
    <message>
        <source>%1 does not support the protocol used by this server.</source>
        <comment></comment>
        <translation>%1は、このサーバーが使用しているプロトコルをサポートしていません。</translation>
    </message>
    <message>
        <source>Folder path</source>
        <comment></comment>
        <translation>フォルダーのパス</translation>
    </message>
    <message>
        <source>February</source>
        <comment></comment>
        <translation>2月</translation>
    </message>
    <message>
        <source>The server&apos;s certificate could not be verified. Syncing is paused.</source>
        <comment></comment>
        <translation>サーバーの証明書を検証できませんでした。同期は一時停止しています。</translation>
    </message>
    <message>
        <source>Close the applications that use these files.</source>
        <comment></comment>
        <translation>これらのファイルを使用しているアプリケーションを閉じてください。</translation>
    </message>
    <message>
        <source>Automatic connection failed because of a system error.</source>
        <comment></comment>
        <translation>システムエラーのため、自動接続に失敗しました。</translation>
    </message>
    <message>
        <source>Show icons on files that are not synced</source>
        <comment></comment>
        <translation>同期されないファイルにアイコンを表示</translation>
    </message>
    <message>
        <source>Larkspan Drive setup was interrupted. Your system has not been changed.</source>
        <comment></comment>
        <translation>Larkspan Driveのセットアップは中断されました。システムは変更されていません。</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has changed.</source>
        <comment></comment>
        <translation>サーバーの証明書が変更されました。</translation>
    </message>
    <message>
        <source>Files are stored in your local sync folder, for example /home/user/​LarkspanDrive.</source>
        <comment></comment>
        <translation>ファイルはローカルの同期フォルダー (例: /home/user/​LarkspanDrive) に保存されます。</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the installation of Larkspan Drive?</source>
        <comment></comment>
        <translation>Larkspan Driveのインストールをキャンセルしてもよろしいですか？</translation>
    </message>
    <message>
        <source>ID</source>
        <comment></comment>
        <translation>ID</translation>
    </message>
    <message>
        <source>%1 has been downloaded.</source>
        <comment></comment>
        <translation>%1をダウンロードしました。</translation>
    </message>
    <message>
        <source>The connection is inactive.</source>
        <comment></comment>
        <translation>接続は非アクティブです。</translation>
    </message>
    <message>
        <source>Changes in folders on network drives may not be detected right away.</source>
        <comment></comment>
        <translation>ネットワークドライブ上のフォルダーでの変更は、すぐには検出されない場合があります。</translation>
    </message>
    <message>
        <source>Share</source>
        <comment></comment>
        <translation>共有</translation>
    </message>
    <message>
        <source>%1 encountered an error.</source>
        <comment></comment>
        <translation>%1でエラーが発生しました。</translation>
    </message>
    <message>
        <source>First page</source>
        <comment></comment>
        <translation>最初のページ</translation>
    </message>
    <message>
        <source>Resume</source>
        <comment></comment>
        <translation>再開</translation>
    </message>
    <message>
        <source>Unable to enable sharing.</source>
        <comment></comment>
        <translation>共有を有効にできません。</translation>
    </message>
    <message>
        <source>The local disk is full. %1 has paused syncing.</source>
        <comment></comment>
        <translation>ローカルディスクがいっぱいです。%1は同期を一時停止しました。</translation>
    </message>
    <message>
        <source>Custom duration</source>
        <comment></comment>
        <translation>期間を指定</translation>
    </message>
    <message>
        <source>Remove this download</source>
        <comment></comment>
        <translation>このダウンロードを削除</translation>
    </message>
    <message>
        <source>I accept the terms of the License Agreement</source>
        <comment></comment>
        <translation>使用許諾契約書の条項に同意します</translation>
    </message>
    <message>
        <source>Select a folder on your computer to sync.</source>
        <comment></comment>
        <translation>同期するコンピューター上のフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>Action</source>
        <comment></comment>
        <translation>操作</translation>
    </message>
    <message>
        <source>Sync tasks</source>
        <comment></comment>
        <translation>同期タスク</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment></comment>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Click Finish to close the setup wizard.</source>
        <comment></comment>
        <translation>「完了」をクリックしてセットアップウィザードを閉じてください。</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Larkspan Drive will merge its content with the server.</source>
        <comment></comment>
        <translation>選択したフォルダーは空ではありません。Larkspan Driveはその内容をサーバーと統合します。</translation>
    </message>
    <message>
        <source>The disk of the Larkspan is full.</source>
        <comment></comment>
        <translation>Larkspanのディスクがいっぱいです。</translation>
    </message>
    <message>
        <source>Manage</source>
        <comment></comment>
        <translation>管理</translation>
    </message>
    <message>
        <source>The setup wizard lets you change the way Larkspan Drive is installed, repair it or remove it. Click Next to continue or Cancel to exit.</source>
        <comment></comment>
        <translation>セットアップウィザードでは、Larkspan Driveのインストール方法の変更、修復、または削除を行えます。続行するには「次へ」を、終了するには「キャンセル」をクリックしてください。</translation>
    </message>
    <message>
        <source>%1 requested access to %2</source>
        <comment></comment>
        <translation>%1が%2へのアクセスをリクエストしました</translation>
    </message>
    <message>
        <source>Connected through the Internet</source>
        <comment></comment>
        <translation>インターネット経由で接続済み</translation>
    </message>
    <message>
        <source>Sync your files</source>
        <comment></comment>
        <translation>ファイルを同期</translation>
    </message>
    <message>
        <source>Unable to download this version.</source>
        <comment></comment>
        <translation>このバージョンをダウンロードできません。</translation>
    </message>
    <message>
        <source>Larkspan Drive setup ended because of an error. Your system has not been changed.</source>
        <comment></comment>
        <translation>エラーのため、Larkspan Driveのセットアップは終了しました。システムは変更されていません。</translation>
    </message>
    <message>
        <source>Files shared with you appear in the %1 folder on this computer.</source>
        <comment></comment>
        <translation>あなたと共有されたファイルは、このコンピューターの%1フォルダーに表示されます。</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this connection?</source>
        <comment></comment>
        <translation>この接続のリンクを解除してもよろしいですか？</translation>
    </message>
    <message>
        <source>Retry</source>
        <comment></comment>
        <translation>再試行</translation>
    </message>
    <message>
        <source>The proxy server requires a password</source>
        <comment></comment>
        <translation>プロキシサーバーでパスワードが必要</translation>
    </message>
    <message>
        <source>Update to the latest version to use selective sync.</source>
        <comment></comment>
        <translation>選択同期を使用するには、最新バージョンに更新してください。</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again in %1 minutes.</source>
        <comment></comment>
        <translation>失敗した試行が多すぎます。%1分後にもう一度お試しください。</translation>
    </message>
    <message>
        <source>File name</source>
        <comment></comment>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Inactive</source>
        <comment></comment>
        <translation>非アクティブ</translation>
    </message>
    <message>
        <source>You can change these settings at any time in %1.</source>
        <comment></comment>
        <translation>これらの設定は、%1でいつでも変更できます。</translation>
    </message>
    <message>
        <source>This version of Larkspan Drive is already installed. Do you want to install it again?</source>
        <comment></comment>
        <translation>このバージョンのLarkspan Driveはすでにインストールされています。再インストールしますか？</translation>
    </message>
    <message>
        <source>The quota of the shared folder is full.</source>
        <comment></comment>
        <translation>共有フォルダーのクォータがいっぱいです。</translation>
    </message>
    <message>
        <source>The shared folder is not mounted.</source>
        <comment></comment>
        <translation>共有フォルダーがマウントされていません。</translation>
    </message>
    <message>
        <source>%1 hours ago</source>
        <comment></comment>
        <translation>%1時間前</translation>
    </message>
    <message>
        <source>Completed the Larkspan Drive Setup Wizard</source>
        <comment></comment>
        <translation>Larkspan Driveセットアップウィザードが完了しました</translation>
    </message>
    <message>
        <source>January</source>
        <comment></comment>
        <translation>1月</translation>
    </message>
    <message>
        <source>Choose the folders to sync and the sync settings yourself.</source>
        <comment></comment>
        <translation>同期するフォルダーと同期設定を自分で選択します。</translation>
    </message>
    <message>
        <source>The Larkspan has changed. Link it again to continue.</source>
        <comment></comment>
        <translation>Larkspanが変更されました。続行するには、再度リンクしてください。</translation>
    </message>
    <message>
        <source>%1 is now syncing your files.</source>
        <comment></comment>
        <translation>%1はファイルを同期しています。</translation>
    </message>
    <message>
        <source>Unable to create a link for this item.</source>
        <comment></comment>
        <translation>このアイテムのリンクを作成できません。</translation>
    </message>
    <message>
        <source>I do not accept the terms of the License Agreement</source>
        <comment></comment>
        <translation>使用許諾契約書の条項に同意しません</translation>
    </message>
    <message>
        <source>Sync</source>
        <comment></comment>
        <translation>同期</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <comment></comment>
        <translation>昨日</translation>
    </message>
    <message>
        <source>Downloads of previous versions</source>
        <comment></comment>
        <translation>以前のバージョンのダウンロード</translation>
    </message>
    <message>
        <source>Sync history</source>
        <comment></comment>
        <translation>同期履歴</translation>
    </message>
    <message>
        <source>Share link</source>
        <comment></comment>
        <translation>共有リンク</translation>
    </message>
    <message>
        <source>Repair</source>
        <comment></comment>
        <translation>修復</translation>
    </message>
    <message>
        <source>Open the Larkspan in your browser</source>
        <comment></comment>
        <translation>ブラウザーでLarkspanを開く</translation>
    </message>
    <message>
        <source>%1 commented on %2</source>
        <comment></comment>
        <translation>%1が%2にコメントしました</translation>
    </message>
    <message>
        <source>The maximum number of shared items has been reached.</source>
        <comment></comment>
        <translation>共有アイテムの最大数に達しました。</translation>
    </message>
    <message>
        <source>Shared</source>
        <comment></comment>
        <translation>共有済み</translation>
    </message>
    <message>
        <source>The local disk is full.</source>
        <comment></comment>
        <translation>ローカルディスクがいっぱいです。</translation>
    </message>
    <message>
        <source>Setup interrupted</source>
        <comment></comment>
        <translation>セットアップの中断</translation>
    </message>
    <message>
        <source>The local sync folder cannot be found.</source>
        <comment></comment>
        <translation>ローカルの同期フォルダーが見つかりません。</translation>
    </message>
    <message>
        <source>Put your files in the sync folder, and they stay up to date on all your devices.</source>
        <comment></comment>
        <translation>ファイルを同期フォルダーに入れると、すべてのデバイスで最新の状態に保たれます。</translation>
    </message>
    <message>
        <source>Expire after</source>
        <comment></comment>
        <translation>有効期限</translation>
    </message>
    <message>
        <source>June</source>
        <comment></comment>
        <translation>6月</translation>
    </message>
    <message>
        <source>Select the operation you want to perform.</source>
        <comment></comment>
        <translation>実行する操作を選択してください。</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <comment></comment>
        <translation>一時ファイル</translation>
    </message>
    <message>
        <source>Your quota on the Larkspan is full. Free some space or choose another folder.</source>
        <comment></comment>
        <translation>Larkspan上のクォータがいっぱいです。空き容量を増やすか、別のフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>Enter the address and port of the proxy server.</source>
        <comment></comment>
        <translation>プロキシサーバーのアドレスとポートを入力してください。</translation>
    </message>
    <message>
        <source>Folder on the Larkspan</source>
        <comment></comment>
        <translation>Larkspan上のフォルダー</translation>
    </message>
    <message>
        <source>Renamed on this computer</source>
        <comment></comment>
        <translation>このコンピューターで名前を変更</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <comment></comment>
        <translation>認証に失敗しました</translation>
    </message>
    <message>
        <source>Sunday</source>
        <comment></comment>
        <translation>日曜日</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <comment></comment>
        <translation>水曜日</translation>
    </message>
    <message>
        <source>Automatic setup is configured.</source>
        <comment></comment>
        <translation>自動セットアップが構成されています。</translation>
    </message>
    <message>
        <source>New folder on the Larkspan</source>
        <comment></comment>
        <translation>Larkspan上の新しいフォルダー</translation>
    </message>
    <message>
        <source>Display</source>
        <comment></comment>
        <translation>表示</translation>
    </message>
    <message>
        <source>A newer version of %1 is already installed. Setup will now exit.</source>
        <comment></comment>
        <translation>新しいバージョンの%1がすでにインストールされています。セットアップを終了します。</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment></comment>
        <translation>はい</translation>
    </message>
    <message>
        <source>Local sync folder</source>
        <comment></comment>
        <translation>ローカルの同期フォルダー</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <comment></comment>
        <translation>最大ファイルサイズ (MB)：</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <comment></comment>
        <translation>接続しています...</translation>
    </message>
    <message>
        <source>Access request</source>
        <comment></comment>
        <translation>アクセスリクエスト</translation>
    </message>
    <message>
        <source>Larkspan Drive is ready.</source>
        <comment></comment>
        <translation>Larkspan Driveの準備ができました。</translation>
    </message>
    <message>
        <source>Set up</source>
        <comment></comment>
        <translation>セットアップ</translation>
    </message>
    <message>
        <source>Do not sync this folder</source>
        <comment></comment>
        <translation>このフォルダーを同期しない</translation>
    </message>
    <message>
        <source>This server needs a newer version of Larkspan Drive. Upgrade now?</source>
        <comment></comment>
        <translation>このサーバーには新しいバージョンのLarkspan Driveが必要です。今すぐアップグレードしますか？</translation>
    </message>
    <message>
        <source>Choose a sync folder</source>
        <comment></comment>
        <translation>同期フォルダーを選択</translation>
    </message>
    <message>
        <source>Password</source>
        <comment></comment>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>Today</source>
        <comment></comment>
        <translation>今日</translation>
    </message>
    <message>
        <source>Your quota on the Larkspan is full.</source>
        <comment></comment>
        <translation>Larkspan上のクォータがいっぱいです。</translation>
    </message>
    <message>
        <source>Sync and share files across all your devices.</source>
        <comment></comment>
        <translation>すべてのデバイスでファイルを同期して共有できます。</translation>
    </message>
    <message>
        <source>No permission</source>
        <comment></comment>
        <translation>権限がありません</translation>
    </message>
    <message>
        <source>Destination</source>
        <comment></comment>
        <translation>宛先</translation>
    </message>
    <message>
        <source>The sync folder is on a volume that is not mounted.</source>
        <comment></comment>
        <translation>同期フォルダーが、マウントされていないボリューム上にあります。</translation>
    </message>
    <message>
        <source>Choose a different folder on this computer.</source>
        <comment></comment>
        <translation>このコンピューター上の別のフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>Use a black-and-white tray icon</source>
        <comment></comment>
        <translation>白黒のトレイアイコンを使用</translation>
    </message>
    <message>
        <source>The verification code is not valid.</source>
        <comment></comment>
        <translation>確認コードが無効です。</translation>
    </message>
    <message>
        <source>No connection is available for this file.</source>
        <comment></comment>
        <translation>このファイルに使用できる接続がありません。</translation>
    </message>
    <message>
        <source>Keep files on the Larkspan when they are deleted from this computer</source>
        <comment></comment>
        <translation>このコンピューターからファイルを削除しても、Larkspan上のファイルは保持する</translation>
    </message>
    <message>
        <source>One-way download</source>
        <comment></comment>
        <translation>一方向ダウンロード</translation>
    </message>
    <message>
        <source>Port:</source>
        <comment></comment>
        <translation>ポート：</translation>
    </message>
    <message>
        <source>Last month</source>
        <comment></comment>
        <translation>過去1か月</translation>
    </message>
    <message>
        <source>Version %1.%2.%3, build %4</source>
        <comment></comment>
        <translation>バージョン%1.%2.%3、ビルド%4</translation>
    </message>
    <message>
        <source>Your IP address is not allowed to connect.</source>
        <comment></comment>
        <translation>お使いのIPアドレスからの接続は許可されていません。</translation>
    </message>
    <message>
        <source>Sync a folder that someone shared with you.</source>
        <comment></comment>
        <translation>ほかのユーザーがあなたと共有したフォルダーを同期します。</translation>
    </message>
    <message>
        <source>Filter the sync log</source>
        <comment></comment>
        <translation>同期ログをフィルター</translation>
    </message>
    <message>
        <source>You can only read this folder. Changes you make to it are not uploaded.</source>
        <comment></comment>
        <translation>このフォルダーは読み取り専用です。加えた変更はアップロードされません。</translation>
    </message>
    <message>
        <source>Keyword</source>
        <comment></comment>
        <translation>キーワード</translation>
    </message>
    <message>
        <source>Do not sync files larger than %1 MB</source>
        <comment></comment>
        <translation>%1 MBを超えるファイルを同期しない</translation>
    </message>
    <message>
        <source>Next month</source>
        <comment></comment>
        <translation>翌月</translation>
    </message>
    <message>
        <source>Remote destination</source>
        <comment></comment>
        <translation>リモートの宛先</translation>
    </message>
    <message>
        <source>Your account is not allowed to sync this folder.</source>
        <comment></comment>
        <translation>お使いのアカウントには、このフォルダーを同期する権限がありません。</translation>
    </message>
    <message>
        <source>Unable to download %1.</source>
        <comment></comment>
        <translation>%1をダウンロードできません。</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <comment></comment>
        <translation>詳細設定</translation>
    </message>
    <message>
        <source>Welcome to %1. Sign in to get started.</source>
        <comment></comment>
        <translation>%1へようこそ。サインインして開始してください。</translation>
    </message>
    <message>
        <source>Welcome to the Larkspan Drive Setup Wizard</source>
        <comment></comment>
        <translation>Larkspan Driveセットアップウィザードへようこそ</translation>
    </message>
    <message>
        <source>This computer was linked to a different Larkspan. Link it again to continue.</source>
        <comment></comment>
        <translation>このコンピューターは別のLarkspanにリンクされていました。続行するには、再度リンクしてください。</translation>
    </message>
    <message>
        <source>The shared folder no longer exists.</source>
        <comment></comment>
        <translation>共有フォルダーはもう存在しません。</translation>
    </message>
    <message>
        <source>December</source>
        <comment></comment>
        <translation>12月</translation>
    </message>
    <message>
        <source>Overview</source>
        <comment></comment>
        <translation>概要</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <comment></comment>
        <translation>システムのプロキシ設定を使用</translation>
    </message>
    <message>
        <source>No sync history</source>
        <comment></comment>
        <translation>同期履歴はありません</translation>
    </message>
    <message>
        <source>Some files could not be synced. Click to see the details.</source>
        <comment></comment>
        <translation>一部のファイルを同期できませんでした。クリックして詳細を表示します。</translation>
    </message>
    <message>
        <source>Setup ended because of an error</source>
        <comment></comment>
        <translation>エラーによりセットアップが終了しました</translation>
    </message>
    <message>
        <source>Drive</source>
        <comment></comment>
        <translation>Drive</translation>
    </message>
    <message>
        <source>October</source>
        <comment></comment>
        <translation>10月</translation>
    </message>
    <message>
        <source>Your changes have not been saved. Save them now?</source>
        <comment></comment>
        <translation>変更が保存されていません。今すぐ保存しますか？</translation>
    </message>
    <message>
        <source>This computer is already linked to this Larkspan.</source>
        <comment></comment>
        <translation>このコンピューターはすでにこのLarkspanにリンクされています。</translation>
    </message>
    <message>
        <source>There is not enough space on the local disk for Larkspan Drive.</source>
        <comment></comment>
        <translation>ローカルディスクにLarkspan Drive用の十分な空き容量がありません。</translation>
    </message>
    <message>
        <source>Do not sync files with these names:</source>
        <comment></comment>
        <translation>次の名前のファイルを同期しない：</translation>
    </message>
    <message>
        <source>Available from</source>
        <comment></comment>
        <translation>開始日時</translation>
    </message>
    <message>
        <source>Shows the tray icon in black and white to match your desktop theme.</source>
        <comment></comment>
        <translation>デスクトップのテーマに合わせて、トレイアイコンを白黒で表示します。</translation>
    </message>
    <message>
        <source>Status</source>
        <comment></comment>
        <translation>ステータス</translation>
    </message>
    <message>
        <source>Sync one of your folders on the Larkspan with this computer.</source>
        <comment></comment>
        <translation>Larkspan上のフォルダーの1つをこのコンピューターと同期します。</translation>
    </message>
    <message>
        <source>Indexing the folder...</source>
        <comment></comment>
        <translation>フォルダーのインデックスを作成しています...</translation>
    </message>
    <message>
        <source>Your user name or password is incorrect.</source>
        <comment></comment>
        <translation>ユーザー名またはパスワードが正しくありません。</translation>
    </message>
    <message>
        <source>You do not have permission to use Larkspan Drive. Ask your administrator.</source>
        <comment></comment>
        <translation>Larkspan Driveを使用する権限がありません。管理者にお問い合わせください。</translation>
    </message>
    <message>
        <source>Try syncing again</source>
        <comment></comment>
        <translation>もう一度同期を試す</translation>
    </message>
    <message>
        <source>Filter settings</source>
        <comment></comment>
        <translation>フィルター設定</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <comment></comment>
        <translation>プロキシを手動で設定</translation>
    </message>
    <message>
        <source>Status:</source>
        <comment></comment>
        <translation>ステータス：</translation>
    </message>
    <message>
        <source>July</source>
        <comment></comment>
        <translation>7月</translation>
    </message>
    <message>
        <source>No</source>
        <comment></comment>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Version not supported</source>
        <comment></comment>
        <translation>サポートされていないバージョン</translation>
    </message>
    <message>
        <source>Sync now</source>
        <comment></comment>
        <translation>今すぐ同期</translation>
    </message>
    <message>
        <source>This folder was synced by another user. Choose another folder.</source>
        <comment></comment>
        <translation>このフォルダーは別のユーザーによって同期されていました。別のフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>Create a KestrinDrive folder in the selected location</source>
        <comment></comment>
        <translation>選択した場所にKestrinDriveフォルダーを作成する</translation>
    </message>
    <message>
        <source>You do not have permission to write to this folder. Choose another folder.</source>
        <comment></comment>
        <translation>このフォルダーへの書き込み権限がありません。別のフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>This folder is read-only. Changes are not synced to %1.</source>
        <comment></comment>
        <translation>このフォルダーは読み取り専用です。変更は%1に同期されません。</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment></comment>
        <translation>%1～%2</translation>
    </message>
    <message>
        <source>Got it</source>
        <comment></comment>
        <translation>了解</translation>
    </message>
    <message>
        <source>Welcome to Larkspan Drive</source>
        <comment></comment>
        <translation>Larkspan Driveへようこそ</translation>
    </message>
    <message>
        <source>Network settings</source>
        <comment></comment>
        <translation>ネットワーク設定</translation>
    </message>
    <message>
        <source>The setup wizard is ready to begin the repair.</source>
        <comment></comment>
        <translation>セットアップウィザードは修復を開始する準備ができました。</translation>
    </message>
    <message>
        <source>This client version is not supported by the server. Upgrade to continue syncing.</source>
        <comment></comment>
        <translation>このクライアントのバージョンはサーバーでサポートされていません。同期を続けるにはアップグレードしてください。</translation>
    </message>
    <message>
        <source>Size</source>
        <comment></comment>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>The server version is too old. Ask your administrator to upgrade it.</source>
        <comment></comment>
        <translation>サーバーのバージョンが古すぎます。サーバーのアップグレードを管理者に依頼してください。</translation>
    </message>
    <message>
        <source>Everyone with the link can view and edit the files.</source>
        <comment></comment>
        <translation>リンクを知っているすべてのユーザーがファイルを表示および編集できます。</translation>
    </message>
    <message>
        <source>Edit</source>
        <comment></comment>
        <translation>編集</translation>
    </message>
    <message>
        <source>Signed-in users can view and edit the files.</source>
        <comment></comment>
        <translation>サインインしたユーザーがファイルを表示および編集できます。</translation>
    </message>
    <message>
        <source>Disabled</source>
        <comment></comment>
        <translation>無効</translation>
    </message>
    <message>
        <source>Change, repair or remove the installation.</source>
        <comment></comment>
        <translation>インストールを変更、修復、または削除します。</translation>
    </message>
    <message>
        <source>Just now</source>
        <comment></comment>
        <translation>たった今</translation>
    </message>
    <message>
        <source>New sync folder</source>
        <comment></comment>
        <translation>新しい同期フォルダー</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <comment></comment>
        <translation>共有が有効</translation>
    </message>
    <message>
        <source>Sync error</source>
        <comment></comment>
        <translation>同期エラー</translation>
    </message>
    <message>
        <source>Merge mode</source>
        <comment></comment>
        <translation>統合モード</translation>
    </message>
    <message>
        <source>Connection information</source>
        <comment></comment>
        <translation>接続情報</translation>
    </message>
    <message>
        <source>Remove Larkspan Drive</source>
        <comment></comment>
        <translation>Larkspan Driveの削除</translation>
    </message>
    <message>
        <source>Next %1 pages</source>
        <comment></comment>
        <translation>次の%1ページ</translation>
    </message>
    <message>
        <source>Show sync status</source>
        <comment></comment>
        <translation>同期ステータスを表示</translation>
    </message>
    <message>
        <source>My files</source>
        <comment></comment>
        <translation>マイファイル</translation>
    </message>
    <message>
        <source>Create a sync task</source>
        <comment></comment>
        <translation>同期タスクを作成</translation>
    </message>
    <message>
        <source>Create a LarkspanDrive folder in the selected location</source>
        <comment></comment>
        <translation>選択した場所にLarkspanDriveフォルダーを作成する</translation>
    </message>
    <message>
        <source>Skipped file names</source>
        <comment></comment>
        <translation>スキップするファイル名</translation>
    </message>
    <message>
        <source>The %1 ID is not valid.</source>
        <comment></comment>
        <translation>%1のIDが無効です。</translation>
    </message>
    <message>
        <source>Expire on</source>
        <comment></comment>
        <translation>期限日</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <comment></comment>
        <translation>アップグレードしています...</translation>
    </message>
    <message>
        <source>Start now</source>
        <comment></comment>
        <translation>今すぐ開始</translation>
    </message>
    <message>
        <source>Standby</source>
        <comment></comment>
        <translation>スタンバイ</translation>
    </message>
    <message>
        <source>Progress</source>
        <comment></comment>
        <translation>進行状況</translation>
    </message>
    <message>
        <source>%1 changes detected</source>
        <comment></comment>
        <translation>%1件の変更を検出しました</translation>
    </message>
    <message>
        <source>Only download changes from the Larkspan; local changes are not uploaded.</source>
        <comment></comment>
        <translation>Larkspanからの変更のみをダウンロードします。ローカルでの変更はアップロードされません。</translation>
    </message>
    <message>
        <source>A database error occurred.</source>
        <comment></comment>
        <translation>データベースエラーが発生しました。</translation>
    </message>
    <message>
        <source>Enter the address of your Larkspan and your account.</source>
        <comment></comment>
        <translation>Larkspanのアドレスとアカウント情報を入力してください。</translation>
    </message>
    <message>
        <source>On-demand sync</source>
        <comment></comment>
        <translation>オンデマンド同期</translation>
    </message>
    <message>
        <source>New sync task</source>
        <comment></comment>
        <translation>新しい同期タスク</translation>
    </message>
    <message>
        <source>Upload</source>
        <comment></comment>
        <translation>アップロード</translation>
    </message>
    <message>
        <source>Restrict access</source>
        <comment></comment>
        <translation>アクセスを制限</translation>
    </message>
    <message>
        <source>Select the folders to sync</source>
        <comment></comment>
        <translation>同期するフォルダーを選択</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <comment></comment>
        <translation>フォルダーを選択</translation>
    </message>
    <message>
        <source>Setup mode</source>
        <comment></comment>
        <translation>セットアップモード</translation>
    </message>
    <message>
        <source>Download only</source>
        <comment></comment>
        <translation>ダウンロードのみ</translation>
    </message>
    <message>
        <source>General</source>
        <comment></comment>
        <translation>全般</translation>
    </message>
    <message>
        <source>Saturday</source>
        <comment></comment>
        <translation>土曜日</translation>
    </message>
    <message>
        <source>Larkspan Drive works with a Larkspan server from Kestrin.</source>
        <comment></comment>
        <translation>Larkspan Driveは、KestrinのLarkspanサーバーと連携して動作します。</translation>
    </message>
    <message>
        <source>Unable to connect to the Larkspan.</source>
        <comment></comment>
        <translation>Larkspanに接続できません。</translation>
    </message>
    <message>
        <source>Connected through a relay</source>
        <comment></comment>
        <translation>リレー経由で接続済み</translation>
    </message>
    <message>
        <source>Larkspan Drive is initializing...</source>
        <comment></comment>
        <translation>Larkspan Driveを初期化しています...</translation>
    </message>
    <message>
        <source>Automatic setup failed. Set up Larkspan Drive manually.</source>
        <comment></comment>
        <translation>自動セットアップに失敗しました。Larkspan Driveを手動でセットアップしてください。</translation>
    </message>
    <message>
        <source>Local destination</source>
        <comment></comment>
        <translation>ローカルの宛先</translation>
    </message>
    <message>
        <source>This folder is read-only. Changes are not synced to Larkspan Drive.</source>
        <comment></comment>
        <translation>このフォルダーは読み取り専用です。変更はLarkspan Driveに同期されません。</translation>
    </message>
    <message>
        <source>Ignore</source>
        <comment></comment>
        <translation>無視</translation>
    </message>
    <message>
        <source>All events</source>
        <comment></comment>
        <translation>すべてのイベント</translation>
    </message>
    <message>
        <source>Sharing</source>
        <comment></comment>
        <translation>共有</translation>
    </message>
    <message>
        <source>Click Remove to remove Larkspan Drive from your computer.</source>
        <comment></comment>
        <translation>「削除」をクリックすると、Larkspan Driveがコンピューターから削除されます。</translation>
    </message>
    <message>
        <source>This folder is already part of another sync task.</source>
        <comment></comment>
        <translation>このフォルダーはすでに別の同期タスクに含まれています。</translation>
    </message>
    <message>
        <source>A network error occurred. Check your connection and try again.</source>
        <comment></comment>
        <translation>ネットワークエラーが発生しました。接続を確認して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Finish</source>
        <comment></comment>
        <translation>完了</translation>
    </message>
    <message>
        <source>Enter a port number from %1 to %2.</source>
        <comment></comment>
        <translation>%1～%2のポート番号を入力してください。</translation>
    </message>
    <message>
        <source>More information</source>
        <comment></comment>
        <translation>詳細情報</translation>
    </message>
    <message>
        <source>This folder is already synced.</source>
        <comment></comment>
        <translation>このフォルダーはすでに同期されています。</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <comment></comment>
        <translation>アクセスが拒否されました。</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <comment></comment>
        <translation>不明なエラーが発生しました。</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change your settings.</source>
        <comment></comment>
        <translation>インストールを開始するには「インストール」をクリックしてください。設定を確認または変更するには「戻る」をクリックしてください。</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <comment></comment>
        <translation>双方向同期</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <comment></comment>
        <translation>%1をダウンロードしています...</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <comment></comment>
        <translation>設定を適用しています...</translation>
    </message>
    <message>
        <source>Switch Larkspan</source>
        <comment></comment>
        <translation>Larkspanを切り替え</translation>
    </message>
    <message>
        <source>The file or folder does not exist.</source>
        <comment></comment>
        <translation>ファイルまたはフォルダーが存在しません。</translation>
    </message>
    <message>
        <source>Next</source>
        <comment></comment>
        <translation>次へ</translation>
    </message>
    <message>
        <source>Change folder</source>
        <comment></comment>
        <translation>フォルダーを変更</translation>
    </message>
    <message>
        <source>April</source>
        <comment></comment>
        <translation>4月</translation>
    </message>
    <message>
        <source>The new language takes effect after Larkspan Drive restarts.</source>
        <comment></comment>
        <translation>新しい言語は、Larkspan Driveの再起動後に有効になります。</translation>
    </message>
    <message>
        <source>Choose another</source>
        <comment></comment>
        <translation>別のものを選択</translation>
    </message>
    <message>
        <source>Invalid argument.</source>
        <comment></comment>
        <translation>引数が無効です。</translation>
    </message>
    <message>
        <source>Syncing %1 files</source>
        <comment></comment>
        <translation>%1個のファイルを同期しています</translation>
    </message>
    <message>
        <source>Sharing links is not enabled on the Larkspan.</source>
        <comment></comment>
        <translation>このLarkspanではリンクの共有が有効になっていません。</translation>
    </message>
    <message>
        <source>Recently updated files</source>
        <comment></comment>
        <translation>最近更新されたファイル</translation>
    </message>
    <message>
        <source>Security warning</source>
        <comment></comment>
        <translation>セキュリティの警告</translation>
    </message>
    <message>
        <source>The following applications use files that setup needs to update. Close them and click Retry, or click Ignore to continue anyway.</source>
        <comment></comment>
        <translation>セットアップで更新が必要なファイルを次のアプリケーションが使用しています。これらのアプリケーションを閉じて「再試行」をクリックするか、「無視」をクリックしてそのまま続行してください。</translation>
    </message>
    <message>
        <source>Reach your files anywhere</source>
        <comment></comment>
        <translation>どこからでもファイルにアクセス</translation>
    </message>
    <message>
        <source>Print</source>
        <comment></comment>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Create a new folder to sync.</source>
        <comment></comment>
        <translation>同期する新しいフォルダーを作成します。</translation>
    </message>
    <message>
        <source>The certificate of %1 has changed. Do you trust the new certificate?</source>
        <comment></comment>
        <translation>%1の証明書が変更されました。新しい証明書を信頼しますか？</translation>
    </message>
    <message>
        <source>Larkspan Drive</source>
        <comment></comment>
        <translation>Larkspan Drive</translation>
    </message>
    <message>
        <source>Rename</source>
        <comment></comment>
        <translation>名前の変更</translation>
    </message>
    <message>
        <source>Folder already synced</source>
        <comment></comment>
        <translation>フォルダーは同期済みです</translation>
    </message>
    <message>
        <source>Do not sync these folders</source>
        <comment></comment>
        <translation>これらのフォルダーを同期しない</translation>
    </message>
    <message>
        <source>Folders that others share with you</source>
        <comment></comment>
        <translation>ほかのユーザーがあなたと共有しているフォルダー</translation>
    </message>
    <message>
        <source>Repair Larkspan Drive</source>
        <comment></comment>
        <translation>Larkspan Driveの修復</translation>
    </message>
    <message>
        <source>Sync log category</source>
        <comment></comment>
        <translation>同期ログのカテゴリ</translation>
    </message>
    <message>
        <source>Close these applications before setup continues:</source>
        <comment></comment>
        <translation>セットアップを続行する前に、次のアプリケーションを閉じてください：</translation>
    </message>
    <message>
        <source>Add</source>
        <comment></comment>
        <translation>追加</translation>
    </message>
    <message>
        <source>No options available</source>
        <comment></comment>
        <translation>使用できるオプションはありません</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of Larkspan Drive.</source>
        <comment></comment>
        <translation>「修復」をクリックすると、Larkspan Driveのインストールが修復されます。</translation>
    </message>
    <message>
        <source>The sync direction does not match your permission on the folder.</source>
        <comment></comment>
        <translation>同期の方向が、このフォルダーに対するあなたの権限と一致しません。</translation>
    </message>
    <message>
        <source>You have chosen to remove the program from your computer.</source>
        <comment></comment>
        <translation>コンピューターからプログラムを削除するように選択しました。</translation>
    </message>
    <message>
        <source>You are ready to use Larkspan Drive.</source>
        <comment></comment>
        <translation>Larkspan Driveを使用する準備ができました。</translation>
    </message>
    <message>
        <source>Edit connection</source>
        <comment></comment>
        <translation>接続を編集</translation>
    </message>
    <message>
        <source>Upgrade to version %1</source>
        <comment></comment>
        <translation>バージョン%1にアップグレード</translation>
    </message>
    <message>
        <source>A newer version of Larkspan Drive is already installed. Setup will now exit.</source>
        <comment></comment>
        <translation>新しいバージョンのLarkspan Driveがすでにインストールされています。セットアップを終了します。</translation>
    </message>
    <message>
        <source>Larkspan Drive is now syncing your files.</source>
        <comment></comment>
        <translation>Larkspan Driveはファイルを同期しています。</translation>
    </message>
    <message>
        <source>%1 files updated</source>
        <comment></comment>
        <translation>%1個のファイルが更新されました</translation>
    </message>
    <message>
        <source>Enter a user name.</source>
        <comment></comment>
        <translation>ユーザー名を入力してください。</translation>
    </message>
    <message>
        <source>There is not enough space on the local disk for %1.</source>
        <comment></comment>
        <translation>ローカルディスクに%1用の十分な空き容量がありません。</translation>
    </message>
    <message>
        <source>Preferences</source>
        <comment></comment>
        <translation>環境設定</translation>
    </message>
    <message>
        <source>Files shared with you appear in the Larkspan Drive folder on this computer.</source>
        <comment></comment>
        <translation>あなたと共有されたファイルは、このコンピューターのLarkspan Driveフォルダーに表示されます。</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <comment></comment>
        <translation>いいえ、結構です</translation>
    </message>
    <message>
        <source>Public</source>
        <comment></comment>
        <translation>公開</translation>
    </message>
    <message>
        <source>Setup is complete.</source>
        <comment></comment>
        <translation>セットアップが完了しました。</translation>
    </message>
    <message>
        <source>Open containing folder</source>
        <comment></comment>
        <translation>ファイルの場所を開く</translation>
    </message>
    <message>
        <source>Removes Larkspan Drive from your computer.</source>
        <comment></comment>
        <translation>Larkspan Driveをコンピューターから削除します。</translation>
    </message>
    <message>
        <source>Show the Larkspan Drive tutorial</source>
        <comment></comment>
        <translation>Larkspan Driveのチュートリアルを表示</translation>
    </message>
    <message>
        <source>Previous month</source>
        <comment></comment>
        <translation>前月</translation>
    </message>
    <message>
        <source>Shared folders</source>
        <comment></comment>
        <translation>共有フォルダー</translation>
    </message>
    <message>
        <source>Created</source>
        <comment></comment>
        <translation>作成日時</translation>
    </message>
    <message>
        <source>Files you change on one device are updated on the others.</source>
        <comment></comment>
        <translation>1台のデバイスで変更したファイルは、ほかのデバイスでも更新されます。</translation>
    </message>
    <message>
        <source>September</source>
        <comment></comment>
        <translation>9月</translation>
    </message>
    <message>
        <source>Click Remove to continue, or Back to review your choice.</source>
        <comment></comment>
        <translation>続行するには「削除」を、選択内容を確認するには「戻る」をクリックしてください。</translation>
    </message>
    <message>
        <source>Back</source>
        <comment></comment>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Folder name</source>
        <comment></comment>
        <translation>フォルダー名</translation>
    </message>
    <message>
        <source>Setup is complete. Larkspan Drive now keeps your files in sync.</source>
        <comment></comment>
        <translation>セットアップが完了しました。今後はLarkspan Driveがファイルを同期します。</translation>
    </message>
    <message>
        <source>May</source>
        <comment></comment>
        <translation>5月</translation>
    </message>
    <message>
        <source>Connected through the local network</source>
        <comment></comment>
        <translation>ローカルネットワーク経由で接続済み</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully.</source>
        <comment></comment>
        <translation>次の使用許諾契約書をよくお読みください。</translation>
    </message>
    <message>
        <source>Keep the most recently modified file</source>
        <comment></comment>
        <translation>最後に更新されたファイルを保持する</translation>
    </message>
    <message>
        <source>%1 mentioned you in %2</source>
        <comment></comment>
        <translation>%1が%2であなたをメンションしました</translation>
    </message>
    <message>
        <source>Access to the selected folder was denied.</source>
        <comment></comment>
        <translation>選択したフォルダーへのアクセスが拒否されました。</translation>
    </message>
    <message>
        <source>Disk full</source>
        <comment></comment>
        <translation>ディスクがいっぱい</translation>
    </message>
    <message>
        <source>Signed-in users</source>
        <comment></comment>
        <translation>サインインしたユーザー</translation>
    </message>
    <message>
        <source>Tutorial that introduces the main features of Larkspan Drive</source>
        <comment></comment>
        <translation>Larkspan Driveの主な機能を紹介するチュートリアル</translation>
    </message>
    <message>
        <source>Checking your password...</source>
        <comment></comment>
        <translation>パスワードを確認しています...</translation>
    </message>
    <message>
        <source>All files are up to date.</source>
        <comment></comment>
        <translation>すべてのファイルは最新の状態です。</translation>
    </message>
    <message>
        <source>Read-only</source>
        <comment></comment>
        <translation>読み取り専用</translation>
    </message>
    <message>
        <source>Your password has expired.</source>
        <comment></comment>
        <translation>パスワードの有効期限が切れています。</translation>
    </message>
    <message>
        <source>Calendar</source>
        <comment></comment>
        <translation>カレンダー</translation>
    </message>
    <message>
        <source>Replace the file on this computer with the copy on the server</source>
        <comment></comment>
        <translation>このコンピューター上のファイルをサーバー上のコピーで置き換える</translation>
    </message>
    <message>
        <source>Do not close the applications. A restart will be required.</source>
        <comment></comment>
        <translation>アプリケーションを閉じない。再起動が必要になります。</translation>
    </message>
    <message>
        <source>November</source>
        <comment></comment>
        <translation>11月</translation>
    </message>
    <message>
        <source>Find a Larkspan on your local network</source>
        <comment></comment>
        <translation>ローカルネットワーク上のLarkspanを検索</translation>
    </message>
    <message>
        <source>File name:</source>
        <comment></comment>
        <translation>ファイル名：</translation>
    </message>
    <message>
        <source>Add file name</source>
        <comment></comment>
        <translation>ファイル名を追加</translation>
    </message>
    <message>
        <source>Sync your home folder on the Larkspan with a folder on this computer, using the recommended settings.</source>
        <comment></comment>
        <translation>推奨設定を使用して、Larkspan上のホームフォルダーをこのコンピューター上のフォルダーと同期します。</translation>
    </message>
    <message>
        <source>Skip files whose names begin with a dot</source>
        <comment></comment>
        <translation>名前がドットで始まるファイルをスキップする</translation>
    </message>
    <message>
        <source>Setup was cancelled.</source>
        <comment></comment>
        <translation>セットアップはキャンセルされました。</translation>
    </message>
    <message>
        <source>Name</source>
        <comment></comment>
        <translation>名前</translation>
    </message>
    <message>
        <source>Encrypt data transfers (SSL)</source>
        <comment></comment>
        <translation>データ転送を暗号化する (SSL)</translation>
    </message>
    <message>
        <source>File type</source>
        <comment></comment>
        <translation>ファイルの種類</translation>
    </message>
    <message>
        <source>Your quota on the Larkspan is full. Syncing is paused.</source>
        <comment></comment>
        <translation>Larkspan上のクォータがいっぱいです。同期は一時停止しています。</translation>
    </message>
    <message>
        <source>Share name</source>
        <comment></comment>
        <translation>共有名</translation>
    </message>
    <message>
        <source>Setup is not running as an administrator, so Larkspan Drive will be installed for the current user only. Continue?</source>
        <comment></comment>
        <translation>セットアップが管理者として実行されていないため、Larkspan Driveは現在のユーザーにのみインストールされます。続行しますか？</translation>
    </message>
    <message>
        <source>Close the tutorial</source>
        <comment></comment>
        <translation>チュートリアルを閉じる</translation>
    </message>
    <message>
        <source>About Larkspan Drive</source>
        <comment></comment>
        <translation>Larkspan Driveについて</translation>
    </message>
    <message>
        <source>Apply and copy link</source>
        <comment></comment>
        <translation>適用してリンクをコピー</translation>
    </message>
    <message>
        <source>Password:</source>
        <comment></comment>
        <translation>パスワード：</translation>
    </message>
    <message>
        <source>Computer name</source>
        <comment></comment>
        <translation>コンピューター名</translation>
    </message>
    <message>
        <source>Synced on all devices</source>
        <comment></comment>
        <translation>すべてのデバイスで同期済み</translation>
    </message>
    <message>
        <source>Currently syncing: %1</source>
        <comment></comment>
        <translation>同期中：%1</translation>
    </message>
    <message>
        <source>Apply to all subfolders</source>
        <comment></comment>
        <translation>すべてのサブフォルダーに適用</translation>
    </message>
    <message>
        <source>Files that match these rules are not synced.</source>
        <comment></comment>
        <translation>これらのルールに一致するファイルは同期されません。</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected shared items?</source>
        <comment></comment>
        <translation>選択した共有アイテムを削除してもよろしいですか？</translation>
    </message>
    <message>
        <source>IP address</source>
        <comment></comment>
        <translation>IPアドレス</translation>
    </message>
    <message>
        <source>Your files are now syncing.</source>
        <comment></comment>
        <translation>ファイルを同期しています。</translation>
    </message>
    <message>
        <source>Some of the entries are not valid.</source>
        <comment></comment>
        <translation>一部の入力内容が無効です。</translation>
    </message>
    <message>
        <source>A system error occurred while checking the folder.</source>
        <comment></comment>
        <translation>フォルダーの確認中にシステムエラーが発生しました。</translation>
    </message>
    <message>
        <source>Unlink this sync task? Files that are already synced stay on this computer.</source>
        <comment></comment>
        <translation>この同期タスクのリンクを解除しますか？すでに同期されたファイルはこのコンピューターに残ります。</translation>
    </message>
    <message>
        <source>The sign-in test failed. Check the user name and password.</source>
        <comment></comment>
        <translation>サインインのテストに失敗しました。ユーザー名とパスワードを確認してください。</translation>
    </message>
    <message>
        <source>Turning off sharing removes all existing links. Continue?</source>
        <comment></comment>
        <translation>共有をオフにすると、既存のリンクはすべて削除されます。続行しますか？</translation>
    </message>
    <message>
        <source>Test connection</source>
        <comment></comment>
        <translation>接続をテスト</translation>
    </message>
    <message>
        <source>Install</source>
        <comment></comment>
        <translation>インストール</translation>
    </message>
    <message>
        <source>Advanced setup</source>
        <comment></comment>
        <translation>詳細セットアップ</translation>
    </message>
    <message>
        <source>Click Repair to continue, or Back to review your choice.</source>
        <comment></comment>
        <translation>続行するには「修復」を、選択内容を確認するには「戻る」をクリックしてください。</translation>
    </message>
    <message>
        <source>Installing the program files...</source>
        <comment></comment>
        <translation>プログラムファイルをインストールしています...</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app</source>
        <comment></comment>
        <translation>認証アプリに表示された確認コードを入力してください</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <comment></comment>
        <translation>このまま続行</translation>
    </message>
    <message>
        <source>March</source>
        <comment></comment>
        <translation>3月</translation>
    </message>
    <message>
        <source>You can change these settings at any time in Larkspan Drive.</source>
        <comment></comment>
        <translation>これらの設定は、Larkspan Driveでいつでも変更できます。</translation>
    </message>
    <message>
        <source>Proxy settings</source>
        <comment></comment>
        <translation>プロキシ設定</translation>
    </message>
    <message>
        <source>Remove the installation</source>
        <comment></comment>
        <translation>インストールを削除します</translation>
    </message>
    <message>
        <source>Send to %1</source>
        <comment></comment>
        <translation>%1に送る</translation>
    </message>
    <message>
        <source>Synchronization mode</source>
        <comment></comment>
        <translation>同期モード</translation>
    </message>
    <message>
        <source>Refresh the sync log</source>
        <comment></comment>
        <translation>同期ログを更新</translation>
    </message>
    <message>
        <source>The content of both folders is merged. Nothing is deleted.</source>
        <comment></comment>
        <translation>両方のフォルダーの内容が統合されます。何も削除されません。</translation>
    </message>
    <message>
        <source>This version of %1 is already installed. Do you want to install it again?</source>
        <comment></comment>
        <translation>このバージョンの%1はすでにインストールされています。再インストールしますか？</translation>
    </message>
    <message>
        <source>When the tray icon is double-clicked</source>
        <comment></comment>
        <translation>トレイアイコンをダブルクリックしたとき</translation>
    </message>
    <message>
        <source>Open the web portal to reach your files from any browser.</source>
        <comment></comment>
        <translation>Webポータルを開くと、任意のブラウザーからファイルにアクセスできます。</translation>
    </message>
    <message>
        <source>Click Finish to close the setup wizard and start using Larkspan Drive.</source>
        <comment></comment>
        <translation>「完了」をクリックしてセットアップウィザードを閉じ、Larkspan Driveの使用を開始してください。</translation>
    </message>
    <message>
        <source>There are no changes to apply.</source>
        <comment></comment>
        <translation>適用する変更はありません。</translation>
    </message>
    <message>
        <source>Network error.</source>
        <comment></comment>
        <translation>ネットワークエラーです。</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <comment></comment>
        <translation>準備しています...</translation>
    </message>
    <message>
        <source>More tutorials</source>
        <comment></comment>
        <translation>その他のチュートリアル</translation>
    </message>
    <message>
        <source>Read-only folder</source>
        <comment></comment>
        <translation>読み取り専用フォルダー</translation>
    </message>
    <message>
        <source>Previous %1 pages</source>
        <comment></comment>
        <translation>前の%1ページ</translation>
    </message>
    <message>
        <source>Start the tour</source>
        <comment></comment>
        <translation>ツアーを開始</translation>
    </message>
    <message>
        <source>IP address details</source>
        <comment></comment>
        <translation>IPアドレスの詳細</translation>
    </message>
    <message>
        <source>From</source>
        <comment></comment>
        <translation>開始日</translation>
    </message>
    <message>
        <source>Welcome to Larkspan Drive. Sign in to get started.</source>
        <comment></comment>
        <translation>Larkspan Driveへようこそ。サインインして開始してください。</translation>
    </message>
    <message>
        <source>Sync problem</source>
        <comment></comment>
        <translation>同期の問題</translation>
    </message>
    <message>
        <source>Local usage</source>
        <comment></comment>
        <translation>ローカルの使用量</translation>
    </message>
    <message>
        <source>Enable on-demand sync</source>
        <comment></comment>
        <translation>オンデマンド同期を有効にする</translation>
    </message>
    <message>
        <source>Larkspan Drive has been installed.</source>
        <comment></comment>
        <translation>Larkspan Driveがインストールされました。</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <comment></comment>
        <translation>切断済み</translation>
    </message>
    <message>
        <source>Locked</source>
        <comment></comment>
        <translation>ロック中</translation>
    </message>
    <message>
        <source>Change sync folder</source>
        <comment></comment>
        <translation>同期フォルダーを変更</translation>
    </message>
    <message>
        <source>Setup has finished.</source>
        <comment></comment>
        <translation>セットアップが完了しました。</translation>
    </message>
    <message>
        <source>%1 shared %2 with you</source>
        <comment></comment>
        <translation>%1があなたと%2を共有しました</translation>
    </message>
    <message>
        <source>Not found</source>
        <comment></comment>
        <translation>見つかりません</translation>
    </message>
    <message>
        <source>Reset</source>
        <comment></comment>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Installing the features you selected.</source>
        <comment></comment>
        <translation>選択した機能をインストールしています。</translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <comment></comment>
        <translation>確認コードが必要です。</translation>
    </message>
    <message>
        <source>%1 keeps the files on your Larkspan and your computers in sync.</source>
        <comment></comment>
        <translation>%1は、Larkspanとお使いのコンピューター上のファイルを同期します。</translation>
    </message>
    <message>
        <source>There is not enough space on the disk of this computer.</source>
        <comment></comment>
        <translation>このコンピューターのディスクに十分な空き容量がありません。</translation>
    </message>
    <message>
        <source>Connection type</source>
        <comment></comment>
        <translation>接続の種類</translation>
    </message>
    <message>
        <source>Show the %1 tutorial</source>
        <comment></comment>
        <translation>%1のチュートリアルを表示</translation>
    </message>
    <message>
        <source>You can also invite people to folders you own.</source>
        <comment></comment>
        <translation>自分が所有するフォルダーにほかのユーザーを招待することもできます。</translation>
    </message>
    <message>
        <source>%1 could not be upgraded.</source>
        <comment></comment>
        <translation>%1をアップグレードできませんでした。</translation>
    </message>
    <message>
        <source>%1 works with a Larkspan server from Kestrin.</source>
        <comment></comment>
        <translation>%1は、KestrinのLarkspanサーバーと連携して動作します。</translation>
    </message>
    <message>
        <source>Welcome</source>
        <comment></comment>
        <translation>ようこそ</translation>
    </message>
    <message>
        <source>Custom range</source>
        <comment></comment>
        <translation>範囲を指定</translation>
    </message>
    <message>
        <source>Sync %1 to this computer?</source>
        <comment></comment>
        <translation>%1をこのコンピューターに同期しますか？</translation>
    </message>
    <message>
        <source>Quick setup</source>
        <comment></comment>
        <translation>クイックセットアップ</translation>
    </message>
    <message>
        <source>Download history</source>
        <comment></comment>
        <translation>ダウンロード履歴</translation>
    </message>
    <message>
        <source>Use a relay connection when a direct connection is not possible</source>
        <comment></comment>
        <translation>直接接続できない場合はリレー接続を使用する</translation>
    </message>
    <message>
        <source>Folders you clear are removed from this computer but kept on the Larkspan.</source>
        <comment></comment>
        <translation>チェックを外したフォルダーはこのコンピューターから削除されますが、Larkspan上には残ります。</translation>
    </message>
    <message>
        <source>Link</source>
        <comment></comment>
        <translation>リンク</translation>
    </message>
    <message>
        <source>Address:</source>
        <comment></comment>
        <translation>アドレス：</translation>
    </message>
    <message>
        <source>Download complete.</source>
        <comment></comment>
        <translation>ダウンロードが完了しました。</translation>
    </message>
    <message>
        <source>Setup has all the information it needs to start copying the program files.</source>
        <comment></comment>
        <translation>プログラムファイルのコピーを開始するために必要な情報がそろいました。</translation>
    </message>
    <message>
        <source>Sync activity</source>
        <comment></comment>
        <translation>同期アクティビティ</translation>
    </message>
    <message>
        <source>Downloading</source>
        <comment></comment>
        <translation>ダウンロード中</translation>
    </message>
    <message>
        <source>This wizard installs Larkspan Drive on your computer.</source>
        <comment></comment>
        <translation>このウィザードは、Larkspan Driveをコンピューターにインストールします。</translation>
    </message>
    <message>
        <source>To</source>
        <comment></comment>
        <translation>終了日</translation>
    </message>
    <message>
        <source>The server&apos;s certificate could not be verified. Connect anyway?</source>
        <comment></comment>
        <translation>サーバーの証明書を検証できませんでした。このまま接続しますか？</translation>
    </message>
    <message>
        <source>Larkspan Drive is running.</source>
        <comment></comment>
        <translation>Larkspan Driveは実行中です。</translation>
    </message>
    <message>
        <source>%1 has shared a new item with you.</source>
        <comment></comment>
        <translation>%1が新しいアイテムをあなたと共有しました。</translation>
    </message>
    <message>
        <source>A conflict occurred.</source>
        <comment></comment>
        <translation>競合が発生しました。</translation>
    </message>
    <message>
        <source>The selected folder is a mount point. Choose a folder on a local disk.</source>
        <comment></comment>
        <translation>選択したフォルダーはマウントポイントです。ローカルディスク上のフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>Encryption</source>
        <comment></comment>
        <translation>暗号化</translation>
    </message>
    <message>
        <source>Changes you make in your sync folder are synced with the Larkspan.</source>
        <comment></comment>
        <translation>同期フォルダーで行った変更は、Larkspanと同期されます。</translation>
    </message>
    <message>
        <source>Please wait while the setup wizard installs Larkspan Drive. This may take several minutes.</source>
        <comment></comment>
        <translation>セットアップウィザードがLarkspan Driveをインストールしています。しばらくお待ちください。数分かかる場合があります。</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has changed since your last connection. Continue?</source>
        <comment></comment>
        <translation>前回の接続以降、サーバーの証明書が変更されています。続行しますか？</translation>
    </message>
    <message>
        <source>%1 is ready.</source>
        <comment></comment>
        <translation>%1の準備ができました。</translation>
    </message>
    <message>
        <source>Search</source>
        <comment></comment>
        <translation>検索</translation>
    </message>
    <message>
        <source>Link a new Larkspan</source>
        <comment></comment>
        <translation>新しいLarkspanをリンク</translation>
    </message>
    <message>
        <source>Certificate verification failed.</source>
        <comment></comment>
        <translation>証明書の検証に失敗しました。</translation>
    </message>
    <message>
        <source>Starting Larkspan Drive...</source>
        <comment></comment>
        <translation>Larkspan Driveを起動しています...</translation>
    </message>
    <message>
        <source>On-demand sync could not be enabled.</source>
        <comment></comment>
        <translation>オンデマンド同期を有効にできませんでした。</translation>
    </message>
    <message>
        <source>Setup complete</source>
        <comment></comment>
        <translation>セットアップ完了</translation>
    </message>
    <message>
        <source>Your administrator requires two-step verification for your account.</source>
        <comment></comment>
        <translation>管理者により、お使いのアカウントでは2段階認証が必須になっています。</translation>
    </message>
    <message>
        <source>Start %1 when I sign in</source>
        <comment></comment>
        <translation>サインイン時に%1を起動する</translation>
    </message>
    <message>
        <source>The selected folder is already synced by another task.</source>
        <comment></comment>
        <translation>選択したフォルダーは、すでに別のタスクで同期されています。</translation>
    </message>
    <message>
        <source>File</source>
        <comment></comment>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Recently changed</source>
        <comment></comment>
        <translation>最近の変更</translation>
    </message>
</context>
</TS>
