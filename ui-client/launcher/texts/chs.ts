<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Enabled</source>
        <comment></comment>
        <translation>已启用</translation>
    </message>
    <message>
        <source>Larkspan Drive has no optional features to change.</source>
        <comment></comment>
        <translation>Larkspan Drive 没有可更改的可选功能。</translation>
    </message>
    <message>
        <source>Merge</source>
        <comment></comment>
        <translation>合并</translation>
    </message>
    <message>
        <source>Open folder</source>
        <comment></comment>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <source>Sync folder on this computer</source>
        <comment></comment>
        <translation>此电脑上的同步文件夹</translation>
    </message>
    <message>
        <source>Tutorial that introduces the main features of %1</source>
        <comment></comment>
        <translation>介绍 %1 主要功能的教程</translation>
    </message>
    <message>
        <source>Renamed on the Larkspan</source>
        <comment></comment>
        <translation>已在 Larkspan 上重命名</translation>
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
        <translation>安装向导已准备好开始安装。</translation>
    </message>
    <message>
        <source>Select the files to sync</source>
        <comment></comment>
        <translation>选择要同步的文件</translation>
    </message>
    <message>
        <source>Loading...</source>
        <comment></comment>
        <translation>正在加载...</translation>
    </message>
    <message>
        <source>Sync direction</source>
        <comment></comment>
        <translation>同步方向</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <comment></comment>
        <translation>有新版本可用。单击以更新。</translation>
    </message>
    <message>
        <source>Ready to install Larkspan Drive</source>
        <comment></comment>
        <translation>已准备好安装 Larkspan Drive</translation>
    </message>
    <message>
        <source>User name</source>
        <comment></comment>
        <translation>用户名</translation>
    </message>
    <message>
        <source>File sharing is not available over a relay connection.</source>
        <comment></comment>
        <translation>通过中继连接时无法使用文件共享。</translation>
    </message>
    <message>
        <source>Last page</source>
        <comment></comment>
        <translation>最后一页</translation>
    </message>
    <message>
        <source>One-way upload</source>
        <comment></comment>
        <translation>单向上传</translation>
    </message>
    <message>
        <source>Setup is complete. %1 now keeps your files in sync.</source>
        <comment></comment>
        <translation>设置已完成。%1 现在会保持您的文件同步。</translation>
    </message>
    <message>
        <source>System default</source>
        <comment></comment>
        <translation>系统默认</translation>
    </message>
    <message>
        <source>A sync folder named %1 already exists. Choose another name.</source>
        <comment></comment>
        <translation>名为 %1 的同步文件夹已存在。请选择其他名称。</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment></comment>
        <translation>退出</translation>
    </message>
    <message>
        <source>Choose the display language</source>
        <comment></comment>
        <translation>选择显示语言</translation>
    </message>
    <message>
        <source>The Larkspan Drive service is disabled on this Larkspan. Ask your administrator to enable it.</source>
        <comment></comment>
        <translation>此 Larkspan 上的 Larkspan Drive 服务已禁用。请联系管理员启用。</translation>
    </message>
    <message>
        <source>Search for Larkspan servers on the local network</source>
        <comment></comment>
        <translation>在局域网中搜索 Larkspan 服务器</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <comment></comment>
        <translation>及另外 %1 项</translation>
    </message>
    <message>
        <source>Connected</source>
        <comment></comment>
        <translation>已连接</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <comment></comment>
        <translation>星期二</translation>
    </message>
    <message>
        <source>Read the following license agreement and accept it to continue.</source>
        <comment></comment>
        <translation>请阅读以下许可协议，接受后方可继续。</translation>
    </message>
    <message>
        <source>Help</source>
        <comment></comment>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Launch Larkspan Drive now</source>
        <comment></comment>
        <translation>立即启动 Larkspan Drive</translation>
    </message>
    <message>
        <source>User name:</source>
        <comment></comment>
        <translation>用户名：</translation>
    </message>
    <message>
        <source>Finishing the automatic setup...</source>
        <comment></comment>
        <translation>正在完成自动设置...</translation>
    </message>
    <message>
        <source>Summary</source>
        <comment></comment>
        <translation>摘要</translation>
    </message>
    <message>
        <source>Selective sync mode</source>
        <comment></comment>
        <translation>选择性同步模式</translation>
    </message>
    <message>
        <source>Notifications</source>
        <comment></comment>
        <translation>通知</translation>
    </message>
    <message>
        <source>Choose a folder on the Larkspan and a folder on this computer to keep in sync.</source>
        <comment></comment>
        <translation>选择 Larkspan 上的一个文件夹和此电脑上的一个文件夹进行同步。</translation>
    </message>
    <message>
        <source>Files whose names match these patterns are not synced. Use * as a wildcard, for example *.tmp.</source>
        <comment></comment>
        <translation>名称与这些模式匹配的文件不会同步。可使用 * 作为通配符，例如 *.tmp。</translation>
    </message>
    <message>
        <source>OK</source>
        <comment></comment>
        <translation>确定</translation>
    </message>
    <message>
        <source>Everyone with the link can view the files.</source>
        <comment></comment>
        <translation>任何拥有链接的人都可以查看这些文件。</translation>
    </message>
    <message>
        <source>Set sync folder</source>
        <comment></comment>
        <translation>设置同步文件夹</translation>
    </message>
    <message>
        <source>Unlink</source>
        <comment></comment>
        <translation>取消关联</translation>
    </message>
    <message>
        <source>Value</source>
        <comment></comment>
        <translation>值</translation>
    </message>
    <message>
        <source>Selective sync</source>
        <comment></comment>
        <translation>选择性同步</translation>
    </message>
    <message>
        <source>Continue</source>
        <comment></comment>
        <translation>继续</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <comment></comment>
        <translation>初始化失败。</translation>
    </message>
    <message>
        <source>Share files with others</source>
        <comment></comment>
        <translation>与他人共享文件</translation>
    </message>
    <message>
        <source>Open Larkspan Drive</source>
        <comment></comment>
        <translation>打开 Larkspan Drive</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment></comment>
        <translation>取消</translation>
    </message>
    <message>
        <source>Change which features of Larkspan Drive are installed</source>
        <comment></comment>
        <translation>更改要安装的 Larkspan Drive 功能</translation>
    </message>
    <message>
        <source>Unable to get the user information.</source>
        <comment></comment>
        <translation>无法获取用户信息。</translation>
    </message>
    <message>
        <source>Status information</source>
        <comment></comment>
        <translation>状态信息</translation>
    </message>
    <message>
        <source>The setup wizard will install Larkspan Drive on your computer. Click Next to continue or Cancel to exit.</source>
        <comment></comment>
        <translation>安装向导将在您的电脑上安装 Larkspan Drive。单击“下一步”继续，或单击“取消”退出。</translation>
    </message>
    <message>
        <source>Show sync status icons on files and folders</source>
        <comment></comment>
        <translation>在文件和文件夹上显示同步状态图标</translation>
    </message>
    <message>
        <source>Change</source>
        <comment></comment>
        <translation>更改</translation>
    </message>
    <message>
        <source>Cancel setup</source>
        <comment></comment>
        <translation>取消安装</translation>
    </message>
    <message>
        <source>No proxy</source>
        <comment></comment>
        <translation>不使用代理</translation>
    </message>
    <message>
        <source>The client could not be upgraded. Please try again later.</source>
        <comment></comment>
        <translation>无法升级客户端。请稍后重试。</translation>
    </message>
    <message>
        <source>Apply</source>
        <comment></comment>
        <translation>应用</translation>
    </message>
    <message>
        <source>Files in use</source>
        <comment></comment>
        <translation>文件正在使用中</translation>
    </message>
    <message>
        <source>Service disabled</source>
        <comment></comment>
        <translation>服务已禁用</translation>
    </message>
    <message>
        <source>Reading the connection settings...</source>
        <comment></comment>
        <translation>正在读取连接设置...</translation>
    </message>
    <message>
        <source>Mentioned you</source>
        <comment></comment>
        <translation>提到了您</translation>
    </message>
    <message>
        <source>Updating...</source>
        <comment></comment>
        <translation>正在更新...</translation>
    </message>
    <message>
        <source>Language</source>
        <comment></comment>
        <translation>语言</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <comment></comment>
        <translation>恭喜！</translation>
    </message>
    <message>
        <source>Enable sharing</source>
        <comment></comment>
        <translation>启用共享</translation>
    </message>
    <message>
        <source>The home folder service is not enabled for your account. Ask your administrator to enable it.</source>
        <comment></comment>
        <translation>您的账户未启用主文件夹服务。请联系管理员启用。</translation>
    </message>
    <message>
        <source>August</source>
        <comment></comment>
        <translation>八月</translation>
    </message>
    <message>
        <source>Read and write</source>
        <comment></comment>
        <translation>读写</translation>
    </message>
    <message>
        <source>Remove</source>
        <comment></comment>
        <translation>删除</translation>
    </message>
    <message>
        <source>Larkspan Drive notification</source>
        <comment></comment>
        <translation>Larkspan Drive 通知</translation>
    </message>
    <message>
        <source>Open in the web portal</source>
        <comment></comment>
        <translation>在网页门户中打开</translation>
    </message>
    <message>
        <source>The selected sync folder is not valid. Choose another folder.</source>
        <comment></comment>
        <translation>所选同步文件夹无效。请选择其他文件夹。</translation>
    </message>
    <message>
        <source>This field cannot be left blank.</source>
        <comment></comment>
        <translation>此字段不能为空。</translation>
    </message>
    <message>
        <source>Start Larkspan Drive when I sign in</source>
        <comment></comment>
        <translation>登录时启动 Larkspan Drive</translation>
    </message>
    <message>
        <source>Some files that need to be updated are currently in use.</source>
        <comment></comment>
        <translation>某些需要更新的文件正在使用中。</translation>
    </message>
    <message>
        <source>File extensions:</source>
        <comment></comment>
        <translation>文件扩展名：</translation>
    </message>
    <message>
        <source>Shared with me</source>
        <comment></comment>
        <translation>与我共享</translation>
    </message>
    <message>
        <source>Stop downloading this version</source>
        <comment></comment>
        <translation>停止下载此版本</translation>
    </message>
    <message>
        <source>Browse previous versions</source>
        <comment></comment>
        <translation>浏览以前的版本</translation>
    </message>
    <message>
        <source>Unable to create the local folder %1.</source>
        <comment></comment>
        <translation>无法创建本地文件夹 %1。</translation>
    </message>
    <message>
        <source>Information</source>
        <comment></comment>
        <translation>信息</translation>
    </message>
    <message>
        <source>%1 is running.</source>
        <comment></comment>
        <translation>%1 正在运行。</translation>
    </message>
    <message>
        <source>Larkspan Drive keeps the files on your Larkspan and your computers in sync.</source>
        <comment></comment>
        <translation>Larkspan Drive 让您的 Larkspan 与电脑上的文件保持同步。</translation>
    </message>
    <message>
        <source>Do not show this message again</source>
        <comment></comment>
        <translation>不再显示此消息</translation>
    </message>
    <message>
        <source>Open the web portal</source>
        <comment></comment>
        <translation>打开网页门户</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <comment></comment>
        <translation>升级</translation>
    </message>
    <message>
        <source>Done</source>
        <comment></comment>
        <translation>完成</translation>
    </message>
    <message>
        <source>Choose how to finish the setup:</source>
        <comment></comment>
        <translation>请选择完成设置的方式：</translation>
    </message>
    <message>
        <source>When a file exists on both sides, both are kept and the local copy is renamed as a conflict file.</source>
        <comment></comment>
        <translation>如果两端都存在同一文件，则两者都会保留，本地副本将重命名为冲突文件。</translation>
    </message>
    <message>
        <source>Only the users and groups you choose can open the files.</source>
        <comment></comment>
        <translation>只有您选择的用户和群组才能打开这些文件。</translation>
    </message>
    <message>
        <source>Invite people</source>
        <comment></comment>
        <translation>邀请他人</translation>
    </message>
    <message>
        <source>This computer</source>
        <comment></comment>
        <translation>此电脑</translation>
    </message>
    <message>
        <source>New shared item</source>
        <comment></comment>
        <translation>新共享项目</translation>
    </message>
    <message>
        <source>Uploading</source>
        <comment></comment>
        <translation>正在上传</translation>
    </message>
    <message>
        <source>Automatic connection is not allowed by the server settings.</source>
        <comment></comment>
        <translation>服务器设置不允许自动连接。</translation>
    </message>
    <message>
        <source>Restricted</source>
        <comment></comment>
        <translation>受限</translation>
    </message>
    <message>
        <source>Proxy</source>
        <comment></comment>
        <translation>代理</translation>
    </message>
    <message>
        <source>Keep both files and add the computer name to the local copy</source>
        <comment></comment>
        <translation>保留两个文件，并在本地副本的名称中添加电脑名称</translation>
    </message>
    <message>
        <source>Close the applications automatically and try to restart them afterwards.</source>
        <comment></comment>
        <translation>自动关闭应用程序，并在安装完成后尝试重新启动它们。</translation>
    </message>
    <message>
        <source>This version of the client is too old. Upgrade Larkspan Drive to the latest version.</source>
        <comment></comment>
        <translation>此客户端版本过旧。请将 Larkspan Drive 升级到最新版本。</translation>
    </message>
    <message>
        <source>Users and groups</source>
        <comment></comment>
        <translation>用户和群组</translation>
    </message>
    <message>
        <source>Right-click a file in your sync folder and choose Share link to share it with anyone.</source>
        <comment></comment>
        <translation>右键单击同步文件夹中的文件，然后选择“共享链接”，即可与任何人共享该文件。</translation>
    </message>
    <message>
        <source>Link permission</source>
        <comment></comment>
        <translation>链接权限</translation>
    </message>
    <message>
        <source>The server&apos;s SSL certificate could not be verified.</source>
        <comment></comment>
        <translation>无法验证服务器的 SSL 证书。</translation>
    </message>
    <message>
        <source>Repairs the most recent installation by restoring missing or damaged files and shortcuts.</source>
        <comment></comment>
        <translation>通过恢复缺失或损坏的文件和快捷方式来修复最近一次安装。</translation>
    </message>
    <message>
        <source>Sync mode</source>
        <comment></comment>
        <translation>同步模式</translation>
    </message>
    <message>
        <source>No previous versions are available for this file.</source>
        <comment></comment>
        <translation>此文件没有可用的以前版本。</translation>
    </message>
    <message>
        <source>The remote folder is not mounted.</source>
        <comment></comment>
        <translation>远程文件夹未挂载。</translation>
    </message>
    <message>
        <source>Type</source>
        <comment></comment>
        <translation>类型</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <comment></comment>
        <translation>最终用户许可协议</translation>
    </message>
    <message>
        <source>Expire after a number of visits</source>
        <comment></comment>
        <translation>访问达到指定次数后过期</translation>
    </message>
    <message>
        <source>Signed-in users can view the files.</source>
        <comment></comment>
        <translation>已登录的用户可以查看这些文件。</translation>
    </message>
    <message>
        <source>The Larkspan Drive ID is not valid.</source>
        <comment></comment>
        <translation>Larkspan Drive ID 无效。</translation>
    </message>
    <message>
        <source>Change, repair or remove the installation</source>
        <comment></comment>
        <translation>更改、修复或删除安装</translation>
    </message>
    <message>
        <source>Connection unstable</source>
        <comment></comment>
        <translation>连接不稳定</translation>
    </message>
    <message>
        <source>Date</source>
        <comment></comment>
        <translation>日期</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <comment></comment>
        <translation>最多输入 %1 个字符。</translation>
    </message>
    <message>
        <source>This computer was linked to a different server. Link %1 again to continue.</source>
        <comment></comment>
        <translation>此电脑已关联到其他服务器。请重新关联 %1 以继续。</translation>
    </message>
    <message>
        <source>No valid folder is selected.</source>
        <comment></comment>
        <translation>未选择有效的文件夹。</translation>
    </message>
    <message>
        <source>Version mismatch</source>
        <comment></comment>
        <translation>版本不匹配</translation>
    </message>
    <message>
        <source>No data</source>
        <comment></comment>
        <translation>无数据</translation>
    </message>
    <message>
        <source>Setup was interrupted by an error.</source>
        <comment></comment>
        <translation>安装因出错而中断。</translation>
    </message>
    <message>
        <source>Open file</source>
        <comment></comment>
        <translation>打开文件</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment></comment>
        <translation>删除</translation>
    </message>
    <message>
        <source>A new version is available. Click to update to %1.</source>
        <comment></comment>
        <translation>有新版本可用。单击以更新到 %1。</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment></comment>
        <translation>设置</translation>
    </message>
    <message>
        <source>Unable to delete the shared item.</source>
        <comment></comment>
        <translation>无法删除共享项目。</translation>
    </message>
    <message>
        <source>Error</source>
        <comment></comment>
        <translation>错误</translation>
    </message>
    <message>
        <source>Unable to list the versions of this file.</source>
        <comment></comment>
        <translation>无法列出此文件的版本。</translation>
    </message>
    <message>
        <source>%1 minutes ago</source>
        <comment></comment>
        <translation>%1 分钟前</translation>
    </message>
    <message>
        <source>Larkspan Drive encountered an error.</source>
        <comment></comment>
        <translation>Larkspan Drive 遇到错误。</translation>
    </message>
    <message>
        <source>Resume syncing these folders</source>
        <comment></comment>
        <translation>恢复同步这些文件夹</translation>
    </message>
    <message>
        <source>Add folder</source>
        <comment></comment>
        <translation>添加文件夹</translation>
    </message>
    <message>
        <source>Lets you change the way the features are installed.</source>
        <comment></comment>
        <translation>允许您更改功能的安装方式。</translation>
    </message>
    <message>
        <source>Choose how you want to set up Larkspan Drive.</source>
        <comment></comment>
        <translation>请选择设置 Larkspan Drive 的方式。</translation>
    </message>
    <message>
        <source>Repair the installation</source>
        <comment></comment>
        <translation>修复安装</translation>
    </message>
    <message>
        <source>When a file was changed on both sides:</source>
        <comment></comment>
        <translation>当文件在两端都被更改时：</translation>
    </message>
    <message>
        <source>Later</source>
        <comment></comment>
        <translation>稍后</translation>
    </message>
    <message>
        <source>The folder %1 already exists. Do you want to merge the two folders?</source>
        <comment></comment>
        <translation>文件夹 %1 已存在。是否要合并这两个文件夹？</translation>
    </message>
    <message>
        <source>New shared item received</source>
        <comment></comment>
        <translation>收到新的共享项目</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <comment></comment>
        <translation>显示桌面通知</translation>
    </message>
    <message>
        <source>Larkspan Drive does not support the protocol used by this server.</source>
        <comment></comment>
        <translation>Larkspan Drive 不支持此服务器使用的协议。</translation>
    </message>
    <message>
        <source>The local disk is full. Larkspan Drive has paused syncing.</source>
        <comment></comment>
        <translation>本地磁盘已满。Larkspan Drive 已暂停同步。</translation>
    </message>
    <message>
        <source>No shared items</source>
        <comment></comment>
        <translation>没有共享项目</translation>
    </message>
    <message>
        <source>Authentication failed. Check your user name and password.</source>
        <comment></comment>
        <translation>身份验证失败。请检查您的用户名和密码。</translation>
    </message>
    <message>
        <source>Choose the folders to keep in sync.</source>
        <comment></comment>
        <translation>选择要保持同步的文件夹。</translation>
    </message>
    <message>
        <source>Paused</source>
        <comment></comment>
        <translation>已暂停</translation>
    </message>
    <message>
        <source>%1 is initializing...</source>
        <comment></comment>
        <translation>%1 正在初始化...</translation>
    </message>
    <message>
        <source>Up to date</source>
        <comment></comment>
        <translation>已是最新</translation>
    </message>
    <message>
        <source>Download cancelled.</source>
        <comment></comment>
        <translation>下载已取消。</translation>
    </message>
    <message>
        <source>Larkspan Drive could not be upgraded.</source>
        <comment></comment>
        <translation>无法升级 Larkspan Drive。</translation>
    </message>
    <message>
        <source>Your files, everywhere.</source>
        <comment></comment>
        <translation>您的文件，随处可用。</translation>
    </message>
    <message>
        <source>Sync the files that other users share with you.</source>
        <comment></comment>
        <translation>同步其他用户与您共享的文件。</translation>
    </message>
    <message>
        <source>Change, repair or remove Larkspan Drive.</source>
        <comment></comment>
        <translation>更改、修复或删除 Larkspan Drive。</translation>
    </message>
    <message>
        <source>Installing Larkspan Drive</source>
        <comment></comment>
        <translation>正在安装 Larkspan Drive</translation>
    </message>
    <message>
        <source>Keep both files and rename the conflicting one</source>
        <comment></comment>
        <translation>保留两个文件，并重命名有冲突的文件</translation>
    </message>
    <message>
        <source>The server version is not supported. Ask your administrator to upgrade the server.</source>
        <comment></comment>
        <translation>不支持此服务器版本。请联系管理员升级服务器。</translation>
    </message>
    <message>
        <source>Version</source>
        <comment></comment>
        <translation>版本</translation>
    </message>
    <message>
        <source>Resume syncing this folder</source>
        <comment></comment>
        <translation>恢复同步此文件夹</translation>
    </message>
    <message>
        <source>Show Larkspan Drive in the file manager&apos;s context menu</source>
        <comment></comment>
        <translation>在文件管理器的右键菜单中显示 Larkspan Drive</translation>
    </message>
    <message>
        <source>About</source>
        <comment></comment>
        <translation>关于</translation>
    </message>
    <message>
        <source>Comments</source>
        <comment></comment>
        <translation>评论</translation>
    </message>
    <message>
        <source>The relay service is disabled on the server.</source>
        <comment></comment>
        <translation>服务器上的中继服务已禁用。</translation>
    </message>
    <message>
        <source>Last week</source>
        <comment></comment>
        <translation>最近一周</translation>
    </message>
    <message>
        <source>Checking data...</source>
        <comment></comment>
        <translation>正在检查数据...</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <comment></comment>
        <translation>正在同步...</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment></comment>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>%1 items</source>
        <comment></comment>
        <translation>%1 个项目</translation>
    </message>
    <message>
        <source>Download</source>
        <comment></comment>
        <translation>下载</translation>
    </message>
    <message>
        <source>%1 days ago</source>
        <comment></comment>
        <translation>%1 天前</translation>
    </message>
    <message>
        <source>Open settings</source>
        <comment></comment>
        <translation>打开设置</translation>
    </message>
    <message>
        <source>Unable to get the link to the file.</source>
        <comment></comment>
        <translation>无法获取文件的链接。</translation>
    </message>
    <message>
        <source>The selected folder is not empty. %1 will merge its content with the server.</source>
        <comment></comment>
        <translation>所选文件夹不为空。%1 会将其内容与服务器合并。</translation>
    </message>
    <message>
        <source>Reconnect</source>
        <comment></comment>
        <translation>重新连接</translation>
    </message>
    <message>
        <source>Monday</source>
        <comment></comment>
        <translation>星期一</translation>
    </message>
    <message>
        <source>The shared folder conflicts with an existing sync folder.</source>
        <comment></comment>
        <translation>该共享文件夹与现有的同步文件夹冲突。</translation>
    </message>
    <message>
        <source>Sync task from %1 to %2</source>
        <comment></comment>
        <translation>从 %1 到 %2 的同步任务</translation>
    </message>
    <message>
        <source>Mount point</source>
        <comment></comment>
        <translation>挂载点</translation>
    </message>
    <message>
        <source>Folder not empty</source>
        <comment></comment>
        <translation>文件夹不为空</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <comment></comment>
        <translation>正在取消关联...</translation>
    </message>
    <message>
        <source>Time</source>
        <comment></comment>
        <translation>时间</translation>
    </message>
    <message>
        <source>%1 does not support the protocol used by this server.</source>
        <comment></comment>
        <translation>%1 不支持此服务器使用的协议。</translation>
    </message>
    <message>
        <source>Folder path</source>
        <comment></comment>
        <translation>文件夹路径</translation>
    </message>
    <message>
        <source>February</source>
        <comment></comment>
        <translation>二月</translation>
    </message>
    <message>
        <source>The server&apos;s certificate could not be verified. Syncing is paused.</source>
        <comment></comment>
        <translation>无法验证服务器的证书。同步已暂停。</translation>
    </message>
    <message>
        <source>Close the applications that use these files.</source>
        <comment></comment>
        <translation>请关闭正在使用这些文件的应用程序。</translation>
    </message>
    <message>
        <source>Automatic connection failed because of a system error.</source>
        <comment></comment>
        <translation>由于系统错误，自动连接失败。</translation>
    </message>
    <message>
        <source>Show icons on files that are not synced</source>
        <comment></comment>
        <translation>在未同步的文件上显示图标</translation>
    </message>
    <message>
        <source>Larkspan Drive setup was interrupted. Your system has not been changed.</source>
        <comment></comment>
        <translation>Larkspan Drive 安装已中断。您的系统未做任何更改。</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has changed.</source>
        <comment></comment>
        <translation>服务器的证书已更改。</translation>
    </message>
    <message>
        <source>Files are stored in your local sync folder, for example /home/user/​LarkspanDrive.</source>
        <comment></comment>
        <translation>文件存储在本地同步文件夹中，例如 /home/user/​LarkspanDrive。</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the installation of Larkspan Drive?</source>
        <comment></comment>
        <translation>确定要取消安装 Larkspan Drive 吗？</translation>
    </message>
    <message>
        <source>ID</source>
        <comment></comment>
        <translation>ID</translation>
    </message>
    <message>
        <source>%1 has been downloaded.</source>
        <comment></comment>
        <translation>%1 已下载。</translation>
    </message>
    <message>
        <source>The connection is inactive.</source>
        <comment></comment>
        <translation>连接处于非活动状态。</translation>
    </message>
    <message>
        <source>Changes in folders on network drives may not be detected right away.</source>
        <comment></comment>
        <translation>网络驱动器上文件夹中的更改可能无法立即检测到。</translation>
    </message>
    <message>
        <source>Share</source>
        <comment></comment>
        <translation>共享</translation>
    </message>
    <message>
        <source>%1 encountered an error.</source>
        <comment></comment>
        <translation>%1 遇到错误。</translation>
    </message>
    <message>
        <source>First page</source>
        <comment></comment>
        <translation>第一页</translation>
    </message>
    <message>
        <source>Resume</source>
        <comment></comment>
        <translation>恢复</translation>
    </message>
    <message>
        <source>Unable to enable sharing.</source>
        <comment></comment>
        <translation>无法启用共享。</translation>
    </message>
    <message>
        <source>The local disk is full. %1 has paused syncing.</source>
        <comment></comment>
        <translation>本地磁盘已满。%1 已暂停同步。</translation>
    </message>
    <message>
        <source>Custom duration</source>
        <comment></comment>
        <translation>自定义时长</translation>
    </message>
    <message>
        <source>Remove this download</source>
        <comment></comment>
        <translation>删除此下载</translation>
    </message>
    <message>
        <source>I accept the terms of the License Agreement</source>
        <comment></comment>
        <translation>我接受许可协议中的条款</translation>
    </message>
    <message>
        <source>Select a folder on your computer to sync.</source>
        <comment></comment>
        <translation>选择电脑上要同步的文件夹。</translation>
    </message>
    <message>
        <source>Action</source>
        <comment></comment>
        <translation>操作</translation>
    </message>
    <message>
        <source>Sync tasks</source>
        <comment></comment>
        <translation>同步任务</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment></comment>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Click Finish to close the setup wizard.</source>
        <comment></comment>
        <translation>单击“完成”关闭安装向导。</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Larkspan Drive will merge its content with the server.</source>
        <comment></comment>
        <translation>所选文件夹不为空。Larkspan Drive 会将其内容与服务器合并。</translation>
    </message>
    <message>
        <source>The disk of the Larkspan is full.</source>
        <comment></comment>
        <translation>Larkspan 的磁盘已满。</translation>
    </message>
    <message>
        <source>Manage</source>
        <comment></comment>
        <translation>管理</translation>
    </message>
    <message>
        <source>The setup wizard lets you change the way Larkspan Drive is installed, repair it or remove it. Click Next to continue or Cancel to exit.</source>
        <comment></comment>
        <translation>安装向导可让您更改 Larkspan Drive 的安装方式、修复或删除 Larkspan Drive。单击“下一步”继续，或单击“取消”退出。</translation>
    </message>
    <message>
        <source>%1 requested access to %2</source>
        <comment></comment>
        <translation>%1 请求访问 %2</translation>
    </message>
    <message>
        <source>Connected through the Internet</source>
        <comment></comment>
        <translation>已通过互联网连接</translation>
    </message>
    <message>
        <source>Sync your files</source>
        <comment></comment>
        <translation>同步您的文件</translation>
    </message>
    <message>
        <source>Unable to download this version.</source>
        <comment></comment>
        <translation>无法下载此版本。</translation>
    </message>
    <message>
        <source>Larkspan Drive setup ended because of an error. Your system has not been changed.</source>
        <comment></comment>
        <translation>Larkspan Drive 安装因出错而结束。您的系统未做任何更改。</translation>
    </message>
    <message>
        <source>Files shared with you appear in the %1 folder on this computer.</source>
        <comment></comment>
        <translation>与您共享的文件会显示在此电脑上的 %1 文件夹中。</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this connection?</source>
        <comment></comment>
        <translation>确定要取消关联此连接吗？</translation>
    </message>
    <message>
        <source>Retry</source>
        <comment></comment>
        <translation>重试</translation>
    </message>
    <message>
        <source>The proxy server requires a password</source>
        <comment></comment>
        <translation>代理服务器需要密码</translation>
    </message>
    <message>
        <source>Update to the latest version to use selective sync.</source>
        <comment></comment>
        <translation>请更新到最新版本以使用选择性同步。</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again in %1 minutes.</source>
        <comment></comment>
        <translation>失败次数过多。请在 %1 分钟后重试。</translation>
    </message>
    <message>
        <source>File name</source>
        <comment></comment>
        <translation>文件名</translation>
    </message>
    <message>
        <source>Inactive</source>
        <comment></comment>
        <translation>非活动</translation>
    </message>
    <message>
        <source>You can change these settings at any time in %1.</source>
        <comment></comment>
        <translation>您可以随时在 %1 中更改这些设置。</translation>
    </message>
    <message>
        <source>This version of Larkspan Drive is already installed. Do you want to install it again?</source>
        <comment></comment>
        <translation>已安装此版本的 Larkspan Drive。是否要重新安装？</translation>
    </message>
    <message>
        <source>The quota of the shared folder is full.</source>
        <comment></comment>
        <translation>共享文件夹的配额已满。</translation>
    </message>
    <message>
        <source>The shared folder is not mounted.</source>
        <comment></comment>
        <translation>共享文件夹未挂载。</translation>
    </message>
    <message>
        <source>%1 hours ago</source>
        <comment></comment>
        <translation>%1 小时前</translation>
    </message>
    <message>
        <source>Completed the Larkspan Drive Setup Wizard</source>
        <comment></comment>
        <translation>Larkspan Drive 安装向导已完成</translation>
    </message>
    <message>
        <source>January</source>
        <comment></comment>
        <translation>一月</translation>
    </message>
    <message>
        <source>Choose the folders to sync and the sync settings yourself.</source>
        <comment></comment>
        <translation>自行选择要同步的文件夹和同步设置。</translation>
    </message>
    <message>
        <source>The Larkspan has changed. Link it again to continue.</source>
        <comment></comment>
        <translation>Larkspan 已更改。请重新关联以继续。</translation>
    </message>
    <message>
        <source>%1 is now syncing your files.</source>
        <comment></comment>
        <translation>%1 正在同步您的文件。</translation>
    </message>
    <message>
        <source>Unable to create a link for this item.</source>
        <comment></comment>
        <translation>无法为此项目创建链接。</translation>
    </message>
    <message>
        <source>I do not accept the terms of the License Agreement</source>
        <comment></comment>
        <translation>我不接受许可协议中的条款</translation>
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
        <translation>以前版本的下载</translation>
    </message>
    <message>
        <source>Sync history</source>
        <comment></comment>
        <translation>同步历史记录</translation>
    </message>
    <message>
        <source>Share link</source>
        <comment></comment>
        <translation>共享链接</translation>
    </message>
    <message>
        <source>Repair</source>
        <comment></comment>
        <translation>修复</translation>
    </message>
    <message>
        <source>Open the Larkspan in your browser</source>
        <comment></comment>
        <translation>在浏览器中打开 Larkspan</translation>
    </message>
    <message>
        <source>%1 commented on %2</source>
        <comment></comment>
        <translation>%1 评论了 %2</translation>
    </message>
    <message>
        <source>The maximum number of shared items has been reached.</source>
        <comment></comment>
        <translation>共享项目数量已达上限。</translation>
    </message>
    <message>
        <source>Shared</source>
        <comment></comment>
        <translation>已共享</translation>
    </message>
    <message>
        <source>The local disk is full.</source>
        <comment></comment>
        <translation>本地磁盘已满。</translation>
    </message>
    <message>
        <source>Setup interrupted</source>
        <comment></comment>
        <translation>安装已中断</translation>
    </message>
    <message>
        <source>The local sync folder cannot be found.</source>
        <comment></comment>
        <translation>找不到本地同步文件夹。</translation>
    </message>
    <message>
        <source>Put your files in the sync folder, and they stay up to date on all your devices.</source>
        <comment></comment>
        <translation>将文件放入同步文件夹，它们就会在您的所有设备上保持最新。</translation>
    </message>
    <message>
        <source>Expire after</source>
        <comment></comment>
        <translation>有效期</translation>
    </message>
    <message>
        <source>June</source>
        <comment></comment>
        <translation>六月</translation>
    </message>
    <message>
        <source>Select the operation you want to perform.</source>
        <comment></comment>
        <translation>请选择要执行的操作。</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <comment></comment>
        <translation>临时文件</translation>
    </message>
    <message>
        <source>Your quota on the Larkspan is full. Free some space or choose another folder.</source>
        <comment></comment>
        <translation>您在 Larkspan 上的配额已满。请释放一些空间或选择其他文件夹。</translation>
    </message>
    <message>
        <source>Enter the address and port of the proxy server.</source>
        <comment></comment>
        <translation>请输入代理服务器的地址和端口。</translation>
    </message>
    <message>
        <source>Folder on the Larkspan</source>
        <comment></comment>
        <translation>Larkspan 上的文件夹</translation>
    </message>
    <message>
        <source>Renamed on this computer</source>
        <comment></comment>
        <translation>已在此电脑上重命名</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <comment></comment>
        <translation>身份验证失败</translation>
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
        <translation>已配置自动设置。</translation>
    </message>
    <message>
        <source>New folder on the Larkspan</source>
        <comment></comment>
        <translation>Larkspan 上的新文件夹</translation>
    </message>
    <message>
        <source>Display</source>
        <comment></comment>
        <translation>显示</translation>
    </message>
    <message>
        <source>A newer version of %1 is already installed. Setup will now exit.</source>
        <comment></comment>
        <translation>已安装较新版本的 %1。安装程序即将退出。</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment></comment>
        <translation>是</translation>
    </message>
    <message>
        <source>Local sync folder</source>
        <comment></comment>
        <translation>本地同步文件夹</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <comment></comment>
        <translation>最大文件大小 (MB)：</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <comment></comment>
        <translation>正在连接...</translation>
    </message>
    <message>
        <source>Access request</source>
        <comment></comment>
        <translation>访问请求</translation>
    </message>
    <message>
        <source>Larkspan Drive is ready.</source>
        <comment></comment>
        <translation>Larkspan Drive 已准备就绪。</translation>
    </message>
    <message>
        <source>Set up</source>
        <comment></comment>
        <translation>设置</translation>
    </message>
    <message>
        <source>Do not sync this folder</source>
        <comment></comment>
        <translation>不同步此文件夹</translation>
    </message>
    <message>
        <source>This server needs a newer version of Larkspan Drive. Upgrade now?</source>
        <comment></comment>
        <translation>此服务器需要较新版本的 Larkspan Drive。是否立即升级？</translation>
    </message>
    <message>
        <source>Choose a sync folder</source>
        <comment></comment>
        <translation>选择同步文件夹</translation>
    </message>
    <message>
        <source>Password</source>
        <comment></comment>
        <translation>密码</translation>
    </message>
    <message>
        <source>Today</source>
        <comment></comment>
        <translation>今天</translation>
    </message>
    <message>
        <source>Your quota on the Larkspan is full.</source>
        <comment></comment>
        <translation>您在 Larkspan 上的配额已满。</translation>
    </message>
    <message>
        <source>Sync and share files across all your devices.</source>
        <comment></comment>
        <translation>在您的所有设备间同步和共享文件。</translation>
    </message>
    <message>
        <source>No permission</source>
        <comment></comment>
        <translation>没有权限</translation>
    </message>
    <message>
        <source>Destination</source>
        <comment></comment>
        <translation>目标</translation>
    </message>
    <message>
        <source>The sync folder is on a volume that is not mounted.</source>
        <comment></comment>
        <translation>同步文件夹所在的卷未挂载。</translation>
    </message>
    <message>
        <source>Choose a different folder on this computer.</source>
        <comment></comment>
        <translation>请在此电脑上选择其他文件夹。</translation>
    </message>
    <message>
        <source>Use a black-and-white tray icon</source>
        <comment></comment>
        <translation>使用黑白托盘图标</translation>
    </message>
    <message>
        <source>The verification code is not valid.</source>
        <comment></comment>
        <translation>验证码无效。</translation>
    </message>
    <message>
        <source>No connection is available for this file.</source>
        <comment></comment>
        <translation>此文件没有可用的连接。</translation>
    </message>
    <message>
        <source>Keep files on the Larkspan when they are deleted from this computer</source>
        <comment></comment>
        <translation>从此电脑删除文件时，保留 Larkspan 上的文件</translation>
    </message>
    <message>
        <source>One-way download</source>
        <comment></comment>
        <translation>单向下载</translation>
    </message>
    <message>
        <source>Port:</source>
        <comment></comment>
        <translation>端口：</translation>
    </message>
    <message>
        <source>Last month</source>
        <comment></comment>
        <translation>最近一个月</translation>
    </message>
    <message>
        <source>Version %1.%2.%3, build %4</source>
        <comment></comment>
        <translation>版本 %1.%2.%3，内部版本 %4</translation>
    </message>
    <message>
        <source>Your IP address is not allowed to connect.</source>
        <comment></comment>
        <translation>您的 IP 地址不允许连接。</translation>
    </message>
    <message>
        <source>Sync a folder that someone shared with you.</source>
        <comment></comment>
        <translation>同步他人与您共享的文件夹。</translation>
    </message>
    <message>
        <source>Filter the sync log</source>
        <comment></comment>
        <translation>筛选同步日志</translation>
    </message>
    <message>
        <source>You can only read this folder. Changes you make to it are not uploaded.</source>
        <comment></comment>
        <translation>您对此文件夹只有读取权限。您所做的更改不会上传。</translation>
    </message>
    <message>
        <source>Keyword</source>
        <comment></comment>
        <translation>关键字</translation>
    </message>
    <message>
        <source>Do not sync files larger than %1 MB</source>
        <comment></comment>
        <translation>不同步大于 %1 MB 的文件</translation>
    </message>
    <message>
        <source>Next month</source>
        <comment></comment>
        <translation>下个月</translation>
    </message>
    <message>
        <source>Remote destination</source>
        <comment></comment>
        <translation>远程目标</translation>
    </message>
    <message>
        <source>Your account is not allowed to sync this folder.</source>
        <comment></comment>
        <translation>您的账户不允许同步此文件夹。</translation>
    </message>
    <message>
        <source>Unable to download %1.</source>
        <comment></comment>
        <translation>无法下载 %1。</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <comment></comment>
        <translation>高级设置</translation>
    </message>
    <message>
        <source>Welcome to %1. Sign in to get started.</source>
        <comment></comment>
        <translation>欢迎使用 %1。请登录以开始使用。</translation>
    </message>
    <message>
        <source>Welcome to the Larkspan Drive Setup Wizard</source>
        <comment></comment>
        <translation>欢迎使用 Larkspan Drive 安装向导</translation>
    </message>
    <message>
        <source>This computer was linked to a different Larkspan. Link it again to continue.</source>
        <comment></comment>
        <translation>此电脑已关联到另一台 Larkspan。请重新关联以继续。</translation>
    </message>
    <message>
        <source>The shared folder no longer exists.</source>
        <comment></comment>
        <translation>该共享文件夹已不存在。</translation>
    </message>
    <message>
        <source>December</source>
        <comment></comment>
        <translation>十二月</translation>
    </message>
    <message>
        <source>Overview</source>
        <comment></comment>
        <translation>概览</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <comment></comment>
        <translation>使用系统代理设置</translation>
    </message>
    <message>
        <source>No sync history</source>
        <comment></comment>
        <translation>没有同步历史记录</translation>
    </message>
    <message>
        <source>Some files could not be synced. Click to see the details.</source>
        <comment></comment>
        <translation>部分文件无法同步。单击查看详细信息。</translation>
    </message>
    <message>
        <source>Setup ended because of an error</source>
        <comment></comment>
        <translation>安装因出错而结束</translation>
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
        <translation>您的更改尚未保存。是否立即保存？</translation>
    </message>
    <message>
        <source>This computer is already linked to this Larkspan.</source>
        <comment></comment>
        <translation>此电脑已关联到此 Larkspan。</translation>
    </message>
    <message>
        <source>There is not enough space on the local disk for Larkspan Drive.</source>
        <comment></comment>
        <translation>本地磁盘上没有足够的空间供 Larkspan Drive 使用。</translation>
    </message>
    <message>
        <source>Do not sync files with these names:</source>
        <comment></comment>
        <translation>不同步具有以下名称的文件：</translation>
    </message>
    <message>
        <source>Available from</source>
        <comment></comment>
        <translation>开始时间</translation>
    </message>
    <message>
        <source>Shows the tray icon in black and white to match your desktop theme.</source>
        <comment></comment>
        <translation>以黑白样式显示托盘图标，以配合您的桌面主题。</translation>
    </message>
    <message>
        <source>Status</source>
        <comment></comment>
        <translation>状态</translation>
    </message>
    <message>
        <source>Sync one of your folders on the Larkspan with this computer.</source>
        <comment></comment>
        <translation>将您在 Larkspan 上的某个文件夹与此电脑同步。</translation>
    </message>
    <message>
        <source>Indexing the folder...</source>
        <comment></comment>
        <translation>正在为文件夹建立索引...</translation>
    </message>
    <message>
        <source>Your user name or password is incorrect.</source>
        <comment></comment>
        <translation>您的用户名或密码不正确。</translation>
    </message>
    <message>
        <source>You do not have permission to use Larkspan Drive. Ask your administrator.</source>
        <comment></comment>
        <translation>您没有使用 Larkspan Drive 的权限。请联系管理员。</translation>
    </message>
    <message>
        <source>Try syncing again</source>
        <comment></comment>
        <translation>重新尝试同步</translation>
    </message>
    <message>
        <source>Filter settings</source>
        <comment></comment>
        <translation>筛选设置</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <comment></comment>
        <translation>手动配置代理</translation>
    </message>
    <message>
        <source>Status:</source>
        <comment></comment>
        <translation>状态：</translation>
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
        <translation>版本不受支持</translation>
    </message>
    <message>
        <source>Sync now</source>
        <comment></comment>
        <translation>立即同步</translation>
    </message>
    <message>
        <source>This folder was synced by another user. Choose another folder.</source>
        <comment></comment>
        <translation>此文件夹已由其他用户同步。请选择其他文件夹。</translation>
    </message>
    <message>
        <source>Create a KestrinDrive folder in the selected location</source>
        <comment></comment>
        <translation>在所选位置创建 KestrinDrive 文件夹</translation>
    </message>
    <message>
        <source>You do not have permission to write to this folder. Choose another folder.</source>
        <comment></comment>
        <translation>您没有写入此文件夹的权限。请选择其他文件夹。</translation>
    </message>
    <message>
        <source>This folder is read-only. Changes are not synced to %1.</source>
        <comment></comment>
        <translation>此文件夹为只读。更改不会同步到 %1。</translation>
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
        <translation>欢迎使用 Larkspan Drive</translation>
    </message>
    <message>
        <source>Network settings</source>
        <comment></comment>
        <translation>网络设置</translation>
    </message>
    <message>
        <source>The setup wizard is ready to begin the repair.</source>
        <comment></comment>
        <translation>安装向导已准备好开始修复。</translation>
    </message>
    <message>
        <source>This client version is not supported by the server. Upgrade to continue syncing.</source>
        <comment></comment>
        <translation>服务器不支持此客户端版本。请升级以继续同步。</translation>
    </message>
    <message>
        <source>Size</source>
        <comment></comment>
        <translation>大小</translation>
    </message>
    <message>
        <source>The server version is too old. Ask your administrator to upgrade it.</source>
        <comment></comment>
        <translation>服务器版本过旧。请联系管理员升级服务器。</translation>
    </message>
    <message>
        <source>Everyone with the link can view and edit the files.</source>
        <comment></comment>
        <translation>任何拥有链接的人都可以查看和编辑这些文件。</translation>
    </message>
    <message>
        <source>Edit</source>
        <comment></comment>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Signed-in users can view and edit the files.</source>
        <comment></comment>
        <translation>已登录的用户可以查看和编辑这些文件。</translation>
    </message>
    <message>
        <source>Disabled</source>
        <comment></comment>
        <translation>已禁用</translation>
    </message>
    <message>
        <source>Change, repair or remove the installation.</source>
        <comment></comment>
        <translation>更改、修复或删除安装。</translation>
    </message>
    <message>
        <source>Just now</source>
        <comment></comment>
        <translation>刚刚</translation>
    </message>
    <message>
        <source>New sync folder</source>
        <comment></comment>
        <translation>新建同步文件夹</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <comment></comment>
        <translation>已启用共享</translation>
    </message>
    <message>
        <source>Sync error</source>
        <comment></comment>
        <translation>同步错误</translation>
    </message>
    <message>
        <source>Merge mode</source>
        <comment></comment>
        <translation>合并模式</translation>
    </message>
    <message>
        <source>Connection information</source>
        <comment></comment>
        <translation>连接信息</translation>
    </message>
    <message>
        <source>Remove Larkspan Drive</source>
        <comment></comment>
        <translation>删除 Larkspan Drive</translation>
    </message>
    <message>
        <source>Next %1 pages</source>
        <comment></comment>
        <translation>后 %1 页</translation>
    </message>
    <message>
        <source>Show sync status</source>
        <comment></comment>
        <translation>显示同步状态</translation>
    </message>
    <message>
        <source>My files</source>
        <comment></comment>
        <translation>我的文件</translation>
    </message>
    <message>
        <source>Create a sync task</source>
        <comment></comment>
        <translation>创建同步任务</translation>
    </message>
    <message>
        <source>Create a LarkspanDrive folder in the selected location</source>
        <comment></comment>
        <translation>在所选位置创建 LarkspanDrive 文件夹</translation>
    </message>
    <message>
        <source>Skipped file names</source>
        <comment></comment>
        <translation>跳过的文件名</translation>
    </message>
    <message>
        <source>The %1 ID is not valid.</source>
        <comment></comment>
        <translation>%1 ID 无效。</translation>
    </message>
    <message>
        <source>Expire on</source>
        <comment></comment>
        <translation>过期日期</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <comment></comment>
        <translation>正在升级...</translation>
    </message>
    <message>
        <source>Start now</source>
        <comment></comment>
        <translation>立即开始</translation>
    </message>
    <message>
        <source>Standby</source>
        <comment></comment>
        <translation>待机</translation>
    </message>
    <message>
        <source>Progress</source>
        <comment></comment>
        <translation>进度</translation>
    </message>
    <message>
        <source>%1 changes detected</source>
        <comment></comment>
        <translation>检测到 %1 项更改</translation>
    </message>
    <message>
        <source>Only download changes from the Larkspan; local changes are not uploaded.</source>
        <comment></comment>
        <translation>仅从 Larkspan 下载更改；本地更改不会上传。</translation>
    </message>
    <message>
        <source>A database error occurred.</source>
        <comment></comment>
        <translation>发生数据库错误。</translation>
    </message>
    <message>
        <source>Enter the address of your Larkspan and your account.</source>
        <comment></comment>
        <translation>请输入您的 Larkspan 地址和账户信息。</translation>
    </message>
    <message>
        <source>On-demand sync</source>
        <comment></comment>
        <translation>按需同步</translation>
    </message>
    <message>
        <source>New sync task</source>
        <comment></comment>
        <translation>新建同步任务</translation>
    </message>
    <message>
        <source>Upload</source>
        <comment></comment>
        <translation>上传</translation>
    </message>
    <message>
        <source>Restrict access</source>
        <comment></comment>
        <translation>限制访问</translation>
    </message>
    <message>
        <source>Select the folders to sync</source>
        <comment></comment>
        <translation>选择要同步的文件夹</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <comment></comment>
        <translation>选择文件夹</translation>
    </message>
    <message>
        <source>Setup mode</source>
        <comment></comment>
        <translation>设置模式</translation>
    </message>
    <message>
        <source>Download only</source>
        <comment></comment>
        <translation>仅下载</translation>
    </message>
    <message>
        <source>General</source>
        <comment></comment>
        <translation>常规</translation>
    </message>
    <message>
        <source>Saturday</source>
        <comment></comment>
        <translation>星期六</translation>
    </message>
    <message>
        <source>Larkspan Drive works with a Larkspan server from Kestrin.</source>
        <comment></comment>
        <translation>Larkspan Drive 需配合 Kestrin 的 Larkspan 服务器使用。</translation>
    </message>
    <message>
        <source>Unable to connect to the Larkspan.</source>
        <comment></comment>
        <translation>无法连接到 Larkspan。</translation>
    </message>
    <message>
        <source>Connected through a relay</source>
        <comment></comment>
        <translation>已通过中继连接</translation>
    </message>
    <message>
        <source>Larkspan Drive is initializing...</source>
        <comment></comment>
        <translation>Larkspan Drive 正在初始化...</translation>
    </message>
    <message>
        <source>Automatic setup failed. Set up Larkspan Drive manually.</source>
        <comment></comment>
        <translation>自动设置失败。请手动设置 Larkspan Drive。</translation>
    </message>
    <message>
        <source>Local destination</source>
        <comment></comment>
        <translation>本地目标</translation>
    </message>
    <message>
        <source>This folder is read-only. Changes are not synced to Larkspan Drive.</source>
        <comment></comment>
        <translation>此文件夹为只读。更改不会同步到 Larkspan Drive。</translation>
    </message>
    <message>
        <source>Ignore</source>
        <comment></comment>
        <translation>忽略</translation>
    </message>
    <message>
        <source>All events</source>
        <comment></comment>
        <translation>所有事件</translation>
    </message>
    <message>
        <source>Sharing</source>
        <comment></comment>
        <translation>共享</translation>
    </message>
    <message>
        <source>Click Remove to remove Larkspan Drive from your computer.</source>
        <comment></comment>
        <translation>单击“删除”从您的电脑中删除 Larkspan Drive。</translation>
    </message>
    <message>
        <source>This folder is already part of another sync task.</source>
        <comment></comment>
        <translation>此文件夹已属于另一个同步任务。</translation>
    </message>
    <message>
        <source>A network error occurred. Check your connection and try again.</source>
        <comment></comment>
        <translation>发生网络错误。请检查网络连接后重试。</translation>
    </message>
    <message>
        <source>Finish</source>
        <comment></comment>
        <translation>完成</translation>
    </message>
    <message>
        <source>Enter a port number from %1 to %2.</source>
        <comment></comment>
        <translation>请输入 %1 到 %2 之间的端口号。</translation>
    </message>
    <message>
        <source>More information</source>
        <comment></comment>
        <translation>更多信息</translation>
    </message>
    <message>
        <source>This folder is already synced.</source>
        <comment></comment>
        <translation>此文件夹已在同步中。</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <comment></comment>
        <translation>权限被拒绝。</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <comment></comment>
        <translation>发生未知错误。</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change your settings.</source>
        <comment></comment>
        <translation>单击“安装”开始安装。单击“上一步”查看或更改设置。</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <comment></comment>
        <translation>双向同步</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <comment></comment>
        <translation>正在下载 %1...</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <comment></comment>
        <translation>正在应用设置...</translation>
    </message>
    <message>
        <source>Switch Larkspan</source>
        <comment></comment>
        <translation>切换 Larkspan</translation>
    </message>
    <message>
        <source>The file or folder does not exist.</source>
        <comment></comment>
        <translation>文件或文件夹不存在。</translation>
    </message>
    <message>
        <source>Next</source>
        <comment></comment>
        <translation>下一步</translation>
    </message>
    <message>
        <source>Change folder</source>
        <comment></comment>
        <translation>更改文件夹</translation>
    </message>
    <message>
        <source>April</source>
        <comment></comment>
        <translation>四月</translation>
    </message>
    <message>
        <source>The new language takes effect after Larkspan Drive restarts.</source>
        <comment></comment>
        <translation>新语言将在 Larkspan Drive 重新启动后生效。</translation>
    </message>
    <message>
        <source>Choose another</source>
        <comment></comment>
        <translation>选择其他</translation>
    </message>
    <message>
        <source>Invalid argument.</source>
        <comment></comment>
        <translation>参数无效。</translation>
    </message>
    <message>
        <source>Syncing %1 files</source>
        <comment></comment>
        <translation>正在同步 %1 个文件</translation>
    </message>
    <message>
        <source>Sharing links is not enabled on the Larkspan.</source>
        <comment></comment>
        <translation>Larkspan 上未启用链接共享。</translation>
    </message>
    <message>
        <source>Recently updated files</source>
        <comment></comment>
        <translation>最近更新的文件</translation>
    </message>
    <message>
        <source>Security warning</source>
        <comment></comment>
        <translation>安全警告</translation>
    </message>
    <message>
        <source>The following applications use files that setup needs to update. Close them and click Retry, or click Ignore to continue anyway.</source>
        <comment></comment>
        <translation>以下应用程序正在使用安装程序需要更新的文件。请关闭这些应用程序并单击“重试”，或单击“忽略”继续。</translation>
    </message>
    <message>
        <source>Reach your files anywhere</source>
        <comment></comment>
        <translation>随时随地访问您的文件</translation>
    </message>
    <message>
        <source>Print</source>
        <comment></comment>
        <translation>打印</translation>
    </message>
    <message>
        <source>Create a new folder to sync.</source>
        <comment></comment>
        <translation>创建一个要同步的新文件夹。</translation>
    </message>
    <message>
        <source>The certificate of %1 has changed. Do you trust the new certificate?</source>
        <comment></comment>
        <translation>%1 的证书已更改。是否信任新证书？</translation>
    </message>
    <message>
        <source>Larkspan Drive</source>
        <comment></comment>
        <translation>Larkspan Drive</translation>
    </message>
    <message>
        <source>Rename</source>
        <comment></comment>
        <translation>重命名</translation>
    </message>
    <message>
        <source>Folder already synced</source>
        <comment></comment>
        <translation>文件夹已在同步中</translation>
    </message>
    <message>
        <source>Do not sync these folders</source>
        <comment></comment>
        <translation>不同步这些文件夹</translation>
    </message>
    <message>
        <source>Folders that others share with you</source>
        <comment></comment>
        <translation>他人与您共享的文件夹</translation>
    </message>
    <message>
        <source>Repair Larkspan Drive</source>
        <comment></comment>
        <translation>修复 Larkspan Drive</translation>
    </message>
    <message>
        <source>Sync log category</source>
        <comment></comment>
        <translation>同步日志类别</translation>
    </message>
    <message>
        <source>Close these applications before setup continues:</source>
        <comment></comment>
        <translation>请在安装继续之前关闭以下应用程序：</translation>
    </message>
    <message>
        <source>Add</source>
        <comment></comment>
        <translation>添加</translation>
    </message>
    <message>
        <source>No options available</source>
        <comment></comment>
        <translation>没有可用的选项</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of Larkspan Drive.</source>
        <comment></comment>
        <translation>单击“修复”以修复 Larkspan Drive 的安装。</translation>
    </message>
    <message>
        <source>The sync direction does not match your permission on the folder.</source>
        <comment></comment>
        <translation>同步方向与您对该文件夹的权限不符。</translation>
    </message>
    <message>
        <source>You have chosen to remove the program from your computer.</source>
        <comment></comment>
        <translation>您已选择从电脑中删除该程序。</translation>
    </message>
    <message>
        <source>You are ready to use Larkspan Drive.</source>
        <comment></comment>
        <translation>您现在可以开始使用 Larkspan Drive 了。</translation>
    </message>
    <message>
        <source>Edit connection</source>
        <comment></comment>
        <translation>编辑连接</translation>
    </message>
    <message>
        <source>Upgrade to version %1</source>
        <comment></comment>
        <translation>升级到版本 %1</translation>
    </message>
    <message>
        <source>A newer version of Larkspan Drive is already installed. Setup will now exit.</source>
        <comment></comment>
        <translation>已安装较新版本的 Larkspan Drive。安装程序即将退出。</translation>
    </message>
    <message>
        <source>Larkspan Drive is now syncing your files.</source>
        <comment></comment>
        <translation>Larkspan Drive 正在同步您的文件。</translation>
    </message>
    <message>
        <source>%1 files updated</source>
        <comment></comment>
        <translation>已更新 %1 个文件</translation>
    </message>
    <message>
        <source>Enter a user name.</source>
        <comment></comment>
        <translation>请输入用户名。</translation>
    </message>
    <message>
        <source>There is not enough space on the local disk for %1.</source>
        <comment></comment>
        <translation>本地磁盘上没有足够的空间供 %1 使用。</translation>
    </message>
    <message>
        <source>Preferences</source>
        <comment></comment>
        <translation>首选项</translation>
    </message>
    <message>
        <source>Files shared with you appear in the Larkspan Drive folder on this computer.</source>
        <comment></comment>
        <translation>与您共享的文件会显示在此电脑上的 Larkspan Drive 文件夹中。</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <comment></comment>
        <translation>不用了，谢谢</translation>
    </message>
    <message>
        <source>Public</source>
        <comment></comment>
        <translation>公开</translation>
    </message>
    <message>
        <source>Setup is complete.</source>
        <comment></comment>
        <translation>设置已完成。</translation>
    </message>
    <message>
        <source>Open containing folder</source>
        <comment></comment>
        <translation>打开所在文件夹</translation>
    </message>
    <message>
        <source>Removes Larkspan Drive from your computer.</source>
        <comment></comment>
        <translation>从您的电脑中删除 Larkspan Drive。</translation>
    </message>
    <message>
        <source>Show the Larkspan Drive tutorial</source>
        <comment></comment>
        <translation>显示 Larkspan Drive 教程</translation>
    </message>
    <message>
        <source>Previous month</source>
        <comment></comment>
        <translation>上个月</translation>
    </message>
    <message>
        <source>Shared folders</source>
        <comment></comment>
        <translation>共享文件夹</translation>
    </message>
    <message>
        <source>Created</source>
        <comment></comment>
        <translation>创建时间</translation>
    </message>
    <message>
        <source>Files you change on one device are updated on the others.</source>
        <comment></comment>
        <translation>您在一台设备上更改的文件会在其他设备上同步更新。</translation>
    </message>
    <message>
        <source>September</source>
        <comment></comment>
        <translation>九月</translation>
    </message>
    <message>
        <source>Click Remove to continue, or Back to review your choice.</source>
        <comment></comment>
        <translation>单击“删除”继续，或单击“上一步”查看您的选择。</translation>
    </message>
    <message>
        <source>Back</source>
        <comment></comment>
        <translation>上一步</translation>
    </message>
    <message>
        <source>Folder name</source>
        <comment></comment>
        <translation>文件夹名称</translation>
    </message>
    <message>
        <source>Setup is complete. Larkspan Drive now keeps your files in sync.</source>
        <comment></comment>
        <translation>设置已完成。Larkspan Drive 现在会保持您的文件同步。</translation>
    </message>
    <message>
        <source>May</source>
        <comment></comment>
        <translation>五月</translation>
    </message>
    <message>
        <source>Connected through the local network</source>
        <comment></comment>
        <translation>已通过局域网连接</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully.</source>
        <comment></comment>
        <translation>请仔细阅读以下许可协议。</translation>
    </message>
    <message>
        <source>Keep the most recently modified file</source>
        <comment></comment>
        <translation>保留最近修改的文件</translation>
    </message>
    <message>
        <source>%1 mentioned you in %2</source>
        <comment></comment>
        <translation>%1 在 %2 中提到了您</translation>
    </message>
    <message>
        <source>Access to the selected folder was denied.</source>
        <comment></comment>
        <translation>对所选文件夹的访问被拒绝。</translation>
    </message>
    <message>
        <source>Disk full</source>
        <comment></comment>
        <translation>磁盘已满</translation>
    </message>
    <message>
        <source>Signed-in users</source>
        <comment></comment>
        <translation>已登录的用户</translation>
    </message>
    <message>
        <source>Tutorial that introduces the main features of Larkspan Drive</source>
        <comment></comment>
        <translation>介绍 Larkspan Drive 主要功能的教程</translation>
    </message>
    <message>
        <source>Checking your password...</source>
        <comment></comment>
        <translation>正在验证您的密码...</translation>
    </message>
    <message>
        <source>All files are up to date.</source>
        <comment></comment>
        <translation>所有文件均已是最新。</translation>
    </message>
    <message>
        <source>Read-only</source>
        <comment></comment>
        <translation>只读</translation>
    </message>
    <message>
        <source>Your password has expired.</source>
        <comment></comment>
        <translation>您的密码已过期。</translation>
    </message>
    <message>
        <source>Calendar</source>
        <comment></comment>
        <translation>日历</translation>
    </message>
    <message>
        <source>Replace the file on this computer with the copy on the server</source>
        <comment></comment>
        <translation>用服务器上的副本替换此电脑上的文件</translation>
    </message>
    <message>
        <source>Do not close the applications. A restart will be required.</source>
        <comment></comment>
        <translation>不关闭应用程序。之后需要重新启动。</translation>
    </message>
    <message>
        <source>November</source>
        <comment></comment>
        <translation>十一月</translation>
    </message>
    <message>
        <source>Find a Larkspan on your local network</source>
        <comment></comment>
        <translation>在局域网中查找 Larkspan</translation>
    </message>
    <message>
        <source>File name:</source>
        <comment></comment>
        <translation>文件名：</translation>
    </message>
    <message>
        <source>Add file name</source>
        <comment></comment>
        <translation>添加文件名</translation>
    </message>
    <message>
        <source>Sync your home folder on the Larkspan with a folder on this computer, using the recommended settings.</source>
        <comment></comment>
        <translation>使用推荐设置，将您在 Larkspan 上的主文件夹与此电脑上的文件夹同步。</translation>
    </message>
    <message>
        <source>Skip files whose names begin with a dot</source>
        <comment></comment>
        <translation>跳过名称以点开头的文件</translation>
    </message>
    <message>
        <source>Setup was cancelled.</source>
        <comment></comment>
        <translation>安装已取消。</translation>
    </message>
    <message>
        <source>Name</source>
        <comment></comment>
        <translation>名称</translation>
    </message>
    <message>
        <source>Encrypt data transfers (SSL)</source>
        <comment></comment>
        <translation>加密数据传输 (SSL)</translation>
    </message>
    <message>
        <source>File type</source>
        <comment></comment>
        <translation>文件类型</translation>
    </message>
    <message>
        <source>Your quota on the Larkspan is full. Syncing is paused.</source>
        <comment></comment>
        <translation>您在 Larkspan 上的配额已满。同步已暂停。</translation>
    </message>
    <message>
        <source>Share name</source>
        <comment></comment>
        <translation>共享名称</translation>
    </message>
    <message>
        <source>Setup is not running as an administrator, so Larkspan Drive will be installed for the current user only. Continue?</source>
        <comment></comment>
        <translation>安装程序未以管理员身份运行，因此 Larkspan Drive 将仅为当前用户安装。是否继续？</translation>
    </message>
    <message>
        <source>Close the tutorial</source>
        <comment></comment>
        <translation>关闭教程</translation>
    </message>
    <message>
        <source>About Larkspan Drive</source>
        <comment></comment>
        <translation>关于 Larkspan Drive</translation>
    </message>
    <message>
        <source>Apply and copy link</source>
        <comment></comment>
        <translation>应用并复制链接</translation>
    </message>
    <message>
        <source>Password:</source>
        <comment></comment>
        <translation>密码：</translation>
    </message>
    <message>
        <source>Computer name</source>
        <comment></comment>
        <translation>电脑名称</translation>
    </message>
    <message>
        <source>Synced on all devices</source>
        <comment></comment>
        <translation>已在所有设备上同步</translation>
    </message>
    <message>
        <source>Currently syncing: %1</source>
        <comment></comment>
        <translation>正在同步：%1</translation>
    </message>
    <message>
        <source>Apply to all subfolders</source>
        <comment></comment>
        <translation>应用到所有子文件夹</translation>
    </message>
    <message>
        <source>Files that match these rules are not synced.</source>
        <comment></comment>
        <translation>与这些规则匹配的文件不会同步。</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected shared items?</source>
        <comment></comment>
        <translation>确定要删除所选的共享项目吗？</translation>
    </message>
    <message>
        <source>IP address</source>
        <comment></comment>
        <translation>IP 地址</translation>
    </message>
    <message>
        <source>Your files are now syncing.</source>
        <comment></comment>
        <translation>您的文件正在同步。</translation>
    </message>
    <message>
        <source>Some of the entries are not valid.</source>
        <comment></comment>
        <translation>部分输入项无效。</translation>
    </message>
    <message>
        <source>A system error occurred while checking the folder.</source>
        <comment></comment>
        <translation>检查文件夹时发生系统错误。</translation>
    </message>
    <message>
        <source>Unlink this sync task? Files that are already synced stay on this computer.</source>
        <comment></comment>
        <translation>是否取消关联此同步任务？已同步的文件将保留在此电脑上。</translation>
    </message>
    <message>
        <source>The sign-in test failed. Check the user name and password.</source>
        <comment></comment>
        <translation>登录测试失败。请检查用户名和密码。</translation>
    </message>
    <message>
        <source>Turning off sharing removes all existing links. Continue?</source>
        <comment></comment>
        <translation>关闭共享将删除所有现有链接。是否继续？</translation>
    </message>
    <message>
        <source>Test connection</source>
        <comment></comment>
        <translation>测试连接</translation>
    </message>
    <message>
        <source>Install</source>
        <comment></comment>
        <translation>安装</translation>
    </message>
    <message>
        <source>Advanced setup</source>
        <comment></comment>
        <translation>自定义设置</translation>
    </message>
    <message>
        <source>Click Repair to continue, or Back to review your choice.</source>
        <comment></comment>
        <translation>单击“修复”继续，或单击“上一步”查看您的选择。</translation>
    </message>
    <message>
        <source>Installing the program files...</source>
        <comment></comment>
        <translation>正在安装程序文件...</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app</source>
        <comment></comment>
        <translation>请输入身份验证器应用中的验证码</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <comment></comment>
        <translation>仍然继续</translation>
    </message>
    <message>
        <source>March</source>
        <comment></comment>
        <translation>三月</translation>
    </message>
    <message>
        <source>You can change these settings at any time in Larkspan Drive.</source>
        <comment></comment>
        <translation>您可以随时在 Larkspan Drive 中更改这些设置。</translation>
    </message>
    <message>
        <source>Proxy settings</source>
        <comment></comment>
        <translation>代理设置</translation>
    </message>
    <message>
        <source>Remove the installation</source>
        <comment></comment>
        <translation>删除安装</translation>
    </message>
    <message>
        <source>Send to %1</source>
        <comment></comment>
        <translation>发送到 %1</translation>
    </message>
    <message>
        <source>Synchronization mode</source>
        <comment></comment>
        <translation>同步模式</translation>
    </message>
    <message>
        <source>Refresh the sync log</source>
        <comment></comment>
        <translation>刷新同步日志</translation>
    </message>
    <message>
        <source>The content of both folders is merged. Nothing is deleted.</source>
        <comment></comment>
        <translation>两个文件夹的内容将合并，不会删除任何内容。</translation>
    </message>
    <message>
        <source>This version of %1 is already installed. Do you want to install it again?</source>
        <comment></comment>
        <translation>已安装此版本的 %1。是否要重新安装？</translation>
    </message>
    <message>
        <source>When the tray icon is double-clicked</source>
        <comment></comment>
        <translation>双击托盘图标时</translation>
    </message>
    <message>
        <source>Open the web portal to reach your files from any browser.</source>
        <comment></comment>
        <translation>打开网页门户，即可通过任意浏览器访问您的文件。</translation>
    </message>
    <message>
        <source>Click Finish to close the setup wizard and start using Larkspan Drive.</source>
        <comment></comment>
        <translation>单击“完成”关闭安装向导，并开始使用 Larkspan Drive。</translation>
    </message>
    <message>
        <source>There are no changes to apply.</source>
        <comment></comment>
        <translation>没有要应用的更改。</translation>
    </message>
    <message>
        <source>Network error.</source>
        <comment></comment>
        <translation>网络错误。</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <comment></comment>
        <translation>正在准备...</translation>
    </message>
    <message>
        <source>More tutorials</source>
        <comment></comment>
        <translation>更多教程</translation>
    </message>
    <message>
        <source>Read-only folder</source>
        <comment></comment>
        <translation>只读文件夹</translation>
    </message>
    <message>
        <source>Previous %1 pages</source>
        <comment></comment>
        <translation>前 %1 页</translation>
    </message>
    <message>
        <source>Start the tour</source>
        <comment></comment>
        <translation>开始导览</translation>
    </message>
    <message>
        <source>IP address details</source>
        <comment></comment>
        <translation>IP 地址详细信息</translation>
    </message>
    <message>
        <source>From</source>
        <comment></comment>
        <translation>从</translation>
    </message>
    <message>
        <source>Welcome to Larkspan Drive. Sign in to get started.</source>
        <comment></comment>
        <translation>欢迎使用 Larkspan Drive。请登录以开始使用。</translation>
    </message>
    <message>
        <source>Sync problem</source>
        <comment></comment>
        <translation>同步问题</translation>
    </message>
    <message>
        <source>Local usage</source>
        <comment></comment>
        <translation>本地使用量</translation>
    </message>
    <message>
        <source>Enable on-demand sync</source>
        <comment></comment>
        <translation>启用按需同步</translation>
    </message>
    <message>
        <source>Larkspan Drive has been installed.</source>
        <comment></comment>
        <translation>Larkspan Drive 已安装。</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <comment></comment>
        <translation>已断开连接</translation>
    </message>
    <message>
        <source>Locked</source>
        <comment></comment>
        <translation>已锁定</translation>
    </message>
    <message>
        <source>Change sync folder</source>
        <comment></comment>
        <translation>更改同步文件夹</translation>
    </message>
    <message>
        <source>Setup has finished.</source>
        <comment></comment>
        <translation>安装已完成。</translation>
    </message>
    <message>
        <source>%1 shared %2 with you</source>
        <comment></comment>
        <translation>%1 与您共享了 %2</translation>
    </message>
    <message>
        <source>Not found</source>
        <comment></comment>
        <translation>未找到</translation>
    </message>
    <message>
        <source>Reset</source>
        <comment></comment>
        <translation>重置</translation>
    </message>
    <message>
        <source>Installing the features you selected.</source>
        <comment></comment>
        <translation>正在安装您选择的功能。</translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <comment></comment>
        <translation>需要验证码。</translation>
    </message>
    <message>
        <source>%1 keeps the files on your Larkspan and your computers in sync.</source>
        <comment></comment>
        <translation>%1 让您的 Larkspan 与电脑上的文件保持同步。</translation>
    </message>
    <message>
        <source>There is not enough space on the disk of this computer.</source>
        <comment></comment>
        <translation>此电脑的磁盘空间不足。</translation>
    </message>
    <message>
        <source>Connection type</source>
        <comment></comment>
        <translation>连接类型</translation>
    </message>
    <message>
        <source>Show the %1 tutorial</source>
        <comment></comment>
        <translation>显示 %1 教程</translation>
    </message>
    <message>
        <source>You can also invite people to folders you own.</source>
        <comment></comment>
        <translation>您还可以邀请他人访问您拥有的文件夹。</translation>
    </message>
    <message>
        <source>%1 could not be upgraded.</source>
        <comment></comment>
        <translation>无法升级 %1。</translation>
    </message>
    <message>
        <source>%1 works with a Larkspan server from Kestrin.</source>
        <comment></comment>
        <translation>%1 需配合 Kestrin 的 Larkspan 服务器使用。</translation>
    </message>
    <message>
        <source>Welcome</source>
        <comment></comment>
        <translation>欢迎</translation>
    </message>
    <message>
        <source>Custom range</source>
        <comment></comment>
        <translation>自定义范围</translation>
    </message>
    <message>
        <source>Sync %1 to this computer?</source>
        <comment></comment>
        <translation>是否将 %1 同步到此电脑？</translation>
    </message>
    <message>
        <source>Quick setup</source>
        <comment></comment>
        <translation>快速设置</translation>
    </message>
    <message>
        <source>Download history</source>
        <comment></comment>
        <translation>下载历史记录</translation>
    </message>
    <message>
        <source>Use a relay connection when a direct connection is not possible</source>
        <comment></comment>
        <translation>无法直接连接时使用中继连接</translation>
    </message>
    <message>
        <source>Folders you clear are removed from this computer but kept on the Larkspan.</source>
        <comment></comment>
        <translation>您取消勾选的文件夹将从此电脑中删除，但会保留在 Larkspan 上。</translation>
    </message>
    <message>
        <source>Link</source>
        <comment></comment>
        <translation>链接</translation>
    </message>
    <message>
        <source>Address:</source>
        <comment></comment>
        <translation>地址：</translation>
    </message>
    <message>
        <source>Download complete.</source>
        <comment></comment>
        <translation>下载完成。</translation>
    </message>
    <message>
        <source>Setup has all the information it needs to start copying the program files.</source>
        <comment></comment>
        <translation>安装程序已获得开始复制程序文件所需的全部信息。</translation>
    </message>
    <message>
        <source>Sync activity</source>
        <comment></comment>
        <translation>同步活动</translation>
    </message>
    <message>
        <source>Downloading</source>
        <comment></comment>
        <translation>正在下载</translation>
    </message>
    <message>
        <source>This wizard installs Larkspan Drive on your computer.</source>
        <comment></comment>
        <translation>此向导将在您的电脑上安装 Larkspan Drive。</translation>
    </message>
    <message>
        <source>To</source>
        <comment></comment>
        <translation>至</translation>
    </message>
    <message>
        <source>The server&apos;s certificate could not be verified. Connect anyway?</source>
        <comment></comment>
        <translation>无法验证服务器的证书。是否仍要连接？</translation>
    </message>
    <message>
        <source>Larkspan Drive is running.</source>
        <comment></comment>
        <translation>Larkspan Drive 正在运行。</translation>
    </message>
    <message>
        <source>%1 has shared a new item with you.</source>
        <comment></comment>
        <translation>%1 与您共享了一个新项目。</translation>
    </message>
    <message>
        <source>A conflict occurred.</source>
        <comment></comment>
        <translation>发生冲突。</translation>
    </message>
    <message>
        <source>The selected folder is a mount point. Choose a folder on a local disk.</source>
        <comment></comment>
        <translation>所选文件夹是挂载点。请选择本地磁盘上的文件夹。</translation>
    </message>
    <message>
        <source>Encryption</source>
        <comment></comment>
        <translation>加密</translation>
    </message>
    <message>
        <source>Changes you make in your sync folder are synced with the Larkspan.</source>
        <comment></comment>
        <translation>您在同步文件夹中所做的更改会与 Larkspan 同步。</translation>
    </message>
    <message>
        <source>Please wait while the setup wizard installs Larkspan Drive. This may take several minutes.</source>
        <comment></comment>
        <translation>安装向导正在安装 Larkspan Drive，请稍候。这可能需要几分钟时间。</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has changed since your last connection. Continue?</source>
        <comment></comment>
        <translation>自您上次连接以来，服务器的证书已更改。是否继续？</translation>
    </message>
    <message>
        <source>%1 is ready.</source>
        <comment></comment>
        <translation>%1 已准备就绪。</translation>
    </message>
    <message>
        <source>Search</source>
        <comment></comment>
        <translation>搜索</translation>
    </message>
    <message>
        <source>Link a new Larkspan</source>
        <comment></comment>
        <translation>关联新的 Larkspan</translation>
    </message>
    <message>
        <source>Certificate verification failed.</source>
        <comment></comment>
        <translation>证书验证失败。</translation>
    </message>
    <message>
        <source>Starting Larkspan Drive...</source>
        <comment></comment>
        <translation>正在启动 Larkspan Drive...</translation>
    </message>
    <message>
        <source>On-demand sync could not be enabled.</source>
        <comment></comment>
        <translation>无法启用按需同步。</translation>
    </message>
    <message>
        <source>Setup complete</source>
        <comment></comment>
        <translation>设置完成</translation>
    </message>
    <message>
        <source>Your administrator requires two-step verification for your account.</source>
        <comment></comment>
        <translation>管理员要求您的账户使用两步验证。</translation>
    </message>
    <message>
        <source>Start %1 when I sign in</source>
        <comment></comment>
        <translation>登录时启动 %1</translation>
    </message>
    <message>
        <source>The selected folder is already synced by another task.</source>
        <comment></comment>
        <translation>所选文件夹已由另一个任务同步。</translation>
    </message>
    <message>
        <source>File</source>
        <comment></comment>
        <translation>文件</translation>
    </message>
    <message>
        <source>Recently changed</source>
        <comment></comment>
        <translation>最近更改</translation>
    </message>
</context>
</TS>
