<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Enabled</source>
        <comment></comment>
        <translation>사용</translation>
    </message>
    <message>
        <source>Larkspan Drive has no optional features to change.</source>
        <comment></comment>
        <translation>Larkspan Drive에는 변경할 수 있는 선택적 기능이 없습니다.</translation>
    </message>
    <message>
        <source>Merge</source>
        <comment></comment>
        <translation>병합</translation>
    </message>
    <message>
        <source>Open folder</source>
        <comment></comment>
        <translation>폴더 열기</translation>
    </message>
    <message>
        <source>Sync folder on this computer</source>
        <comment></comment>
        <translation>이 컴퓨터의 동기화 폴더</translation>
    </message>
    <message>
        <source>Tutorial that introduces the main features of %1</source>
        <comment></comment>
        <translation>%1의 주요 기능을 소개하는 튜토리얼</translation>
    </message>
    <message>
        <source>Renamed on the Larkspan</source>
        <comment></comment>
        <translation>Larkspan에서 이름 변경됨</translation>
    </message>
    <message>
        <source>Friday</source>
        <comment></comment>
        <translation>금요일</translation>
    </message>
    <message>
        <source>Thursday</source>
        <comment></comment>
        <translation>목요일</translation>
    </message>
    <message>
        <source>The setup wizard is ready to begin the installation.</source>
        <comment></comment>
        <translation>설치 마법사에서 설치를 시작할 준비가 되었습니다.</translation>
    </message>
    <message>
        <source>Select the files to sync</source>
        <comment></comment>
        <translation>동기화할 파일 선택</translation>
    </message>
    <message>
        <source>Loading...</source>
        <comment></comment>
        <translation>로드 중...</translation>
    </message>
    <message>
        <source>Sync direction</source>
        <comment></comment>
        <translation>동기화 방향</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <comment></comment>
        <translation>새 버전을 사용할 수 있습니다. 업데이트하려면 클릭하세요.</translation>
    </message>
    <message>
        <source>Ready to install Larkspan Drive</source>
        <comment></comment>
        <translation>Larkspan Drive 설치 준비 완료</translation>
    </message>
    <message>
        <source>User name</source>
        <comment></comment>
        <translation>사용자 이름</translation>
    </message>
    <message>
        <source>File sharing is not available over a relay connection.</source>
        <comment></comment>
        <translation>릴레이 연결에서는 파일 공유를 사용할 수 없습니다.</translation>
    </message>
    <message>
        <source>Last page</source>
        <comment></comment>
        <translation>마지막 페이지</translation>
    </message>
    <message>
        <source>One-way upload</source>
        <comment></comment>
        <translation>단방향 업로드</translation>
    </message>
    <message>
        <source>Setup is complete. %1 now keeps your files in sync.</source>
        <comment></comment>
        <translation>설정이 완료되었습니다. 이제 %1에서 파일을 동기화된 상태로 유지합니다.</translation>
    </message>
    <message>
        <source>System default</source>
        <comment></comment>
        <translation>시스템 기본값</translation>
    </message>
    <message>
        <source>A sync folder named %1 already exists. Choose another name.</source>
        <comment></comment>
        <translation>이름이 %1인 동기화 폴더가 이미 있습니다. 다른 이름을 선택하세요.</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment></comment>
        <translation>종료</translation>
    </message>
    <message>
        <source>Choose the display language</source>
        <comment></comment>
        <translation>표시 언어 선택</translation>
    </message>
    <message>
        <source>The Larkspan Drive service is disabled on this Larkspan. Ask your administrator to enable it.</source>
        <comment></comment>
        <translation>이 Larkspan에서 Larkspan Drive 서비스가 사용 중지되어 있습니다. 관리자에게 사용 설정을 요청하세요.</translation>
    </message>
    <message>
        <source>Search for Larkspan servers on the local network</source>
        <comment></comment>
        <translation>로컬 네트워크에서 Larkspan 서버 검색</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <comment></comment>
        <translation>외 %1개</translation>
    </message>
    <message>
        <source>Connected</source>
        <comment></comment>
        <translation>연결됨</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <comment></comment>
        <translation>화요일</translation>
    </message>
    <message>
        <source>Read the following license agreement and accept it to continue.</source>
        <comment></comment>
        <translation>계속하려면 다음 사용권 계약을 읽고 동의하세요.</translation>
    </message>
    <message>
        <source>Help</source>
        <comment></comment>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Launch Larkspan Drive now</source>
        <comment></comment>
        <translation>지금 Larkspan Drive 실행</translation>
    </message>
    <message>
        <source>User name:</source>
        <comment></comment>
        <translation>사용자 이름:</translation>
    </message>
    <message>
        <source>Finishing the automatic setup...</source>
        <comment></comment>
        <translation>자동 설정을 완료하는 중...</translation>
    </message>
    <message>
        <source>Summary</source>
        <comment></comment>
        <translation>요약</translation>
    </message>
    <message>
        <source>Selective sync mode</source>
        <comment></comment>
        <translation>선택적 동기화 모드</translation>
    </message>
    <message>
        <source>Notifications</source>
        <comment></comment>
        <translation>알림</translation>
    </message>
    <message>
        <source>Choose a folder on the Larkspan and a folder on this computer to keep in sync.</source>
        <comment></comment>
        <translation>동기화할 Larkspan의 폴더와 이 컴퓨터의 폴더를 선택하세요.</translation>
    </message>
    <message>
        <source>Files whose names match these patterns are not synced. Use * as a wildcard, for example *.tmp.</source>
        <comment></comment>
        <translation>이름이 이 패턴과 일치하는 파일은 동기화되지 않습니다. 와일드카드로 *를 사용할 수 있습니다(예: *.tmp).</translation>
    </message>
    <message>
        <source>OK</source>
        <comment></comment>
        <translation>확인</translation>
    </message>
    <message>
        <source>Everyone with the link can view the files.</source>
        <comment></comment>
        <translation>링크가 있는 모든 사용자가 파일을 볼 수 있습니다.</translation>
    </message>
    <message>
        <source>Set sync folder</source>
        <comment></comment>
        <translation>동기화 폴더 설정</translation>
    </message>
    <message>
        <source>Unlink</source>
        <comment></comment>
        <translation>연결 해제</translation>
    </message>
    <message>
        <source>Value</source>
        <comment></comment>
        <translation>값</translation>
    </message>
    <message>
        <source>Selective sync</source>
        <comment></comment>
        <translation>선택적 동기화</translation>
    </message>
    <message>
        <source>Continue</source>
        <comment></comment>
        <translation>계속</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <comment></comment>
        <translation>초기화하지 못했습니다.</translation>
    </message>
    <message>
        <source>Share files with others</source>
        <comment></comment>
        <translation>다른 사용자와 파일 공유</translation>
    </message>
    <message>
        <source>Open Larkspan Drive</source>
        <comment></comment>
        <translation>Larkspan Drive 열기</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment></comment>
        <translation>취소</translation>
    </message>
    <message>
        <source>Change which features of Larkspan Drive are installed</source>
        <comment></comment>
        <translation>설치할 Larkspan Drive 기능을 변경합니다</translation>
    </message>
    <message>
        <source>Unable to get the user information.</source>
        <comment></comment>
        <translation>사용자 정보를 가져올 수 없습니다.</translation>
    </message>
    <message>
        <source>Status information</source>
        <comment></comment>
        <translation>상태 정보</translation>
    </message>
    <message>
        <source>The setup wizard will install Larkspan Drive on your computer. Click Next to continue or Cancel to exit.</source>
        <comment></comment>
        <translation>설치 마법사가 컴퓨터에 Larkspan Drive를 설치합니다. 계속하려면 [다음]을, 종료하려면 [취소]를 클릭하세요.</translation>
    </message>
    <message>
        <source>Show sync status icons on files and folders</source>
        <comment></comment>
        <translation>파일과 폴더에 동기화 상태 아이콘 표시</translation>
    </message>
    <message>
        <source>Change</source>
        <comment></comment>
        <translation>변경</translation>
    </message>
    <message>
        <source>Cancel setup</source>
        <comment></comment>
        <translation>설치 취소</translation>
    </message>
    <message>
        <source>No proxy</source>
        <comment></comment>
        <translation>프록시 사용 안 함</translation>
    </message>
    <message>
        <source>The client could not be upgraded. Please try again later.</source>
        <comment></comment>
        <translation>클라이언트를 업그레이드하지 못했습니다. 나중에 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Apply</source>
        <comment></comment>
        <translation>적용</translation>
    </message>
    <message>
        <source>Files in use</source>
        <comment></comment>
        <translation>사용 중인 파일</translation>
    </message>
    <message>
        <source>Service disabled</source>
        <comment></comment>
        <translation>서비스 사용 중지됨</translation>
    </message>
    <message>
        <source>Reading the connection settings...</source>
        <comment></comment>
        <translation>연결 설정을 읽는 중...</translation>
    </message>
    <message>
        <source>Mentioned you</source>
        <comment></comment>
        <translation>나를 멘션함</translation>
    </message>
    <message>
        <source>Updating...</source>
        <comment></comment>
        <translation>업데이트 중...</translation>
    </message>
    <message>
        <source>Language</source>
        <comment></comment>
        <translation>언어</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <comment></comment>
        <translation>축하합니다!</translation>
    </message>
    <message>
        <source>Enable sharing</source>
        <comment></comment>
        <translation>공유 사용</translation>
    </message>
    <message>
        <source>The home folder service is not enabled for your account. Ask your administrator to enable it.</source>
        <comment></comment>
        <translation>계정에 홈 폴더 서비스가 사용 설정되어 있지 않습니다. 관리자에게 사용 설정을 요청하세요.</translation>
    </message>
    <message>
        <source>August</source>
        <comment></comment>
        <translation>8월</translation>
    </message>
    <message>
        <source>Read and write</source>
        <comment></comment>
        <translation>읽기 및 쓰기</translation>
    </message>
    <message>
        <source>Remove</source>
        <comment></comment>
        <translation>제거</translation>
    </message>
    <message>
        <source>Larkspan Drive notification</source>
        <comment></comment>
        <translation>Larkspan Drive 알림</translation>
    </message>
    <message>
        <source>Open in the web portal</source>
        <comment></comment>
        <translation>웹 포털에서 열기</translation>
    </message>
    <message>
        <source>The selected sync folder is not valid. Choose another folder.</source>
        <comment></comment>
        <translation>선택한 동기화 폴더가 올바르지 않습니다. 다른 폴더를 선택하세요.</translation>
    </message>
    <message>
        <source>This field cannot be left blank.</source>
        <comment></comment>
        <translation>이 필드는 비워 둘 수 없습니다.</translation>
    </message>
    <message>
        <source>Start Larkspan Drive when I sign in</source>
        <comment></comment>
        <translation>로그인할 때 Larkspan Drive 시작</translation>
    </message>
    <message>
        <source>Some files that need to be updated are currently in use.</source>
        <comment></comment>
        <translation>업데이트해야 하는 일부 파일이 현재 사용 중입니다.</translation>
    </message>
    <message>
        <source>File extensions:</source>
        <comment></comment>
        <translation>파일 확장자:</translation>
    </message>
    <message>
        <source>Shared with me</source>
        <comment></comment>
        <translation>나와 공유됨</translation>
    </message>
    <message>
        <source>Stop downloading this version</source>
        <comment></comment>
        <translation>이 버전 다운로드 중지</translation>
    </message>
    <message>
        <source>Browse previous versions</source>
        <comment></comment>
        <translation>이전 버전 찾아보기</translation>
    </message>
    <message>
        <source>Unable to create the local folder %1.</source>
        <comment></comment>
        <translation>로컬 폴더 %1을(를) 만들 수 없습니다.</translation>
    </message>
    <message>
        <source>Information</source>
        <comment></comment>
        <translation>정보</translation>
    </message>
    <message>
        <source>%1 is running.</source>
        <comment></comment>
        <translation>%1이(가) 실행 중입니다.</translation>
    </message>
    <message>
        <source>Larkspan Drive keeps the files on your Larkspan and your computers in sync.</source>
        <comment></comment>
        <translation>Larkspan Drive는 Larkspan과 컴퓨터의 파일을 동기화된 상태로 유지합니다.</translation>
    </message>
    <message>
        <source>Do not show this message again</source>
        <comment></comment>
        <translation>이 메시지를 다시 표시 안 함</translation>
    </message>
    <message>
        <source>Open the web portal</source>
        <comment></comment>
        <translation>웹 포털 열기</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <comment></comment>
        <translation>업그레이드</translation>
    </message>
    <message>
        <source>Done</source>
        <comment></comment>
        <translation>완료</translation>
    </message>
    <message>
        <source>Choose how to finish the setup:</source>
        <comment></comment>
        <translation>설정을 완료할 방법을 선택하세요:</translation>
    </message>
    <message>
        <source>When a file exists on both sides, both are kept and the local copy is renamed as a conflict file.</source>
        <comment></comment>
        <translation>파일이 양쪽에 모두 있으면 둘 다 유지되고, 로컬 복사본의 이름이 충돌 파일로 바뀝니다.</translation>
    </message>
    <message>
        <source>Only the users and groups you choose can open the files.</source>
        <comment></comment>
        <translation>선택한 사용자와 그룹만 파일을 열 수 있습니다.</translation>
    </message>
    <message>
        <source>Invite people</source>
        <comment></comment>
        <translation>사용자 초대</translation>
    </message>
    <message>
        <source>This computer</source>
        <comment></comment>
        <translation>이 컴퓨터</translation>
    </message>
    <message>
        <source>New shared item</source>
        <comment></comment>
        <translation>새 공유 항목</translation>
    </message>
    <message>
        <source>Uploading</source>
        <comment></comment>
        <translation>업로드 중</translation>
    </message>
    <message>
        <source>Automatic connection is not allowed by the server settings.</source>
        <comment></comment>
        <translation>서버 설정에서 자동 연결을 허용하지 않습니다.</translation>
    </message>
    <message>
        <source>Restricted</source>
        <comment></comment>
        <translation>제한됨</translation>
    </message>
    <message>
        <source>Proxy</source>
        <comment></comment>
        <translation>프록시</translation>
    </message>
    <message>
        <source>Keep both files and add the computer name to the local copy</source>
        <comment></comment>
        <translation>두 파일을 모두 유지하고 로컬 복사본에 컴퓨터 이름 추가</translation>
    </message>
    <message>
        <source>Close the applications automatically and try to restart them afterwards.</source>
        <comment></comment>
        <translation>응용 프로그램을 자동으로 닫고 설치 후 다시 시작하려고 시도합니다.</translation>
    </message>
    <message>
        <source>This version of the client is too old. Upgrade Larkspan Drive to the latest version.</source>
        <comment></comment>
        <translation>이 클라이언트 버전은 너무 오래되었습니다. Larkspan Drive를 최신 버전으로 업그레이드하세요.</translation>
    </message>
    <message>
        <source>Users and groups</source>
        <comment></comment>
        <translation>사용자 및 그룹</translation>
    </message>
    <message>
        <source>Right-click a file in your sync folder and choose Share link to share it with anyone.</source>
        <comment></comment>
        <translation>동기화 폴더에서 파일을 마우스 오른쪽 버튼으로 클릭하고 [공유 링크]를 선택하면 누구와도 공유할 수 있습니다.</translation>
    </message>
    <message>
        <source>Link permission</source>
        <comment></comment>
        <translation>링크 권한</translation>
    </message>
    <message>
        <source>The server&apos;s SSL certificate could not be verified.</source>
        <comment></comment>
        <translation>서버의 SSL 인증서를 확인할 수 없습니다.</translation>
    </message>
    <message>
        <source>Repairs the most recent installation by restoring missing or damaged files and shortcuts.</source>
        <comment></comment>
        <translation>누락되거나 손상된 파일과 바로 가기를 복원하여 최근 설치를 복구합니다.</translation>
    </message>
    <message>
        <source>Sync mode</source>
        <comment></comment>
        <translation>동기화 모드</translation>
    </message>
    <message>
        <source>No previous versions are available for this file.</source>
        <comment></comment>
        <translation>이 파일에 사용할 수 있는 이전 버전이 없습니다.</translation>
    </message>
    <message>
        <source>The remote folder is not mounted.</source>
        <comment></comment>
        <translation>원격 폴더가 마운트되어 있지 않습니다.</translation>
    </message>
    <message>
        <source>Type</source>
        <comment></comment>
        <translation>유형</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <comment></comment>
        <translation>최종 사용자 사용권 계약</translation>
    </message>
    <message>
        <source>Expire after a number of visits</source>
        <comment></comment>
        <translation>일정 횟수 방문 후 만료</translation>
    </message>
    <message>
        <source>Signed-in users can view the files.</source>
        <comment></comment>
        <translation>로그인한 사용자가 파일을 볼 수 있습니다.</translation>
    </message>
    <message>
        <source>The Larkspan Drive ID is not valid.</source>
        <comment></comment>
        <translation>Larkspan Drive ID가 올바르지 않습니다.</translation>
    </message>
    <message>
        <source>Change, repair or remove the installation</source>
        <comment></comment>
        <translation>설치 변경, 복구 또는 제거</translation>
    </message>
    <message>
        <source>Connection unstable</source>
        <comment></comment>
        <translation>연결 불안정</translation>
    </message>
    <message>
        <source>Date</source>
        <comment></comment>
        <translation>날짜</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <comment></comment>
        <translation>최대 %1자까지 입력하세요.</translation>
    </message>
    <message>
        <source>This computer was linked to a different server. Link %1 again to continue.</source>
        <comment></comment>
        <translation>이 컴퓨터는 다른 서버에 연결되어 있었습니다. 계속하려면 %1을(를) 다시 연결하세요.</translation>
    </message>
    <message>
        <source>No valid folder is selected.</source>
        <comment></comment>
        <translation>올바른 폴더가 선택되지 않았습니다.</translation>
    </message>
    <message>
        <source>Version mismatch</source>
        <comment></comment>
        <translation>버전 불일치</translation>
    </message>
    <message>
        <source>No data</source>
        <comment></comment>
        <translation>데이터 없음</translation>
    </message>
    <message>
        <source>Setup was interrupted by an error.</source>
        <comment></comment>
        <translation>오류로 인해 설치가 중단되었습니다.</translation>
    </message>
    <message>
        <source>Open file</source>
        <comment></comment>
        <translation>파일 열기</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment></comment>
        <translation>삭제</translation>
    </message>
    <message>
        <source>A new version is available. Click to update to %1.</source>
        <comment></comment>
        <translation>새 버전을 사용할 수 있습니다. %1(으)로 업데이트하려면 클릭하세요.</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment></comment>
        <translation>설정</translation>
    </message>
    <message>
        <source>Unable to delete the shared item.</source>
        <comment></comment>
        <translation>공유 항목을 삭제할 수 없습니다.</translation>
    </message>
    <message>
        <source>Error</source>
        <comment></comment>
        <translation>오류</translation>
    </message>
    <message>
        <source>Unable to list the versions of this file.</source>
        <comment></comment>
        <translation>이 파일의 버전 목록을 가져올 수 없습니다.</translation>
    </message>
    <message>
        <source>%1 minutes ago</source>
        <comment></comment>
        <translation>%1분 전</translation>
    </message>
    <message>
        <source>Larkspan Drive encountered an error.</source>
        <comment></comment>
        <translation>Larkspan Drive에 오류가 발생했습니다.</translation>
    </message>
    <message>
        <source>Resume syncing these folders</source>
        <comment></comment>
        <translation>이 폴더들의 동기화 재개</translation>
    </message>
    <message>
        <source>Add folder</source>
        <comment></comment>
        <translation>폴더 추가</translation>
    </message>
    <message>
        <source>Lets you change the way the features are installed.</source>
        <comment></comment>
        <translation>기능이 설치되는 방식을 변경할 수 있습니다.</translation>
    </message>
    <message>
        <source>Choose how you want to set up Larkspan Drive.</source>
        <comment></comment>
        <translation>Larkspan Drive를 설정할 방법을 선택하세요.</translation>
    </message>
    <message>
        <source>Repair the installation</source>
        <comment></comment>
        <translation>설치 복구</translation>
    </message>
    <message>
        <source>When a file was changed on both sides:</source>
        <comment></comment>
        <translation>양쪽에서 파일이 변경된 경우:</translation>
    </message>
    <message>
        <source>Later</source>
        <comment></comment>
        <translation>나중에</translation>
    </message>
    <message>
        <source>The folder %1 already exists. Do you want to merge the two folders?</source>
        <comment></comment>
        <translation>%1 폴더가 이미 있습니다. 두 폴더를 병합하시겠습니까?</translation>
    </message>
    <message>
        <source>New shared item received</source>
        <comment></comment>
        <translation>새 공유 항목을 받았습니다</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <comment></comment>
        <translation>바탕 화면 알림 표시</translation>
    </message>
    <message>
        <source>Larkspan Drive does not support the protocol used by this server.</source>
        <comment></comment>
        <translation>Larkspan Drive는 이 서버에서 사용하는 프로토콜을 지원하지 않습니다.</translation>
    </message>
    <message>
        <source>The local disk is full. Larkspan Drive has paused syncing.</source>
        <comment></comment>
        <translation>로컬 디스크가 가득 찼습니다. Larkspan Drive에서 동기화를 일시 중지했습니다.</translation>
    </message>
    <message>
        <source>No shared items</source>
        <comment></comment>
        <translation>공유 항목 없음</translation>
    </message>
    <message>
        <source>Authentication failed. Check your user name and password.</source>
        <comment></comment>
        <translation>인증하지 못했습니다. 사용자 이름과 비밀번호를 확인하세요.</translation>
    </message>
    <message>
        <source>Choose the folders to keep in sync.</source>
        <comment></comment>
        <translation>동기화 상태로 유지할 폴더를 선택하세요.</translation>
    </message>
    <message>
        <source>Paused</source>
        <comment></comment>
        <translation>일시 중지됨</translation>
    </message>
    <message>
        <source>%1 is initializing...</source>
        <comment></comment>
        <translation>%1을(를) 초기화하는 중...</translation>
    </message>
    <message>
        <source>Up to date</source>
        <comment></comment>
        <translation>최신 상태</translation>
    </message>
    <message>
        <source>Download cancelled.</source>
        <comment></comment>
        <translation>다운로드가 취소되었습니다.</translation>
    </message>
    <message>
        <source>Larkspan Drive could not be upgraded.</source>
        <comment></comment>
        <translation>Larkspan Drive를 업그레이드할 수 없습니다.</translation>
    </message>
    <message>
        <source>Your files, everywhere.</source>
        <comment></comment>
        <translation>내 파일을 어디서나.</translation>
    </message>
    <message>
        <source>Sync the files that other users share with you.</source>
        <comment></comment>
        <translation>다른 사용자가 나와 공유한 파일을 동기화합니다.</translation>
    </message>
    <message>
        <source>Change, repair or remove Larkspan Drive.</source>
        <comment></comment>
        <translation>Larkspan Drive를 변경, 복구 또는 제거합니다.</translation>
    </message>
    <message>
        <source>Installing Larkspan Drive</source>
        <comment></comment>
        <translation>Larkspan Drive 설치 중</translation>
    </message>
    <message>
        <source>Keep both files and rename the conflicting one</source>
        <comment></comment>
        <translation>두 파일을 모두 유지하고 충돌하는 파일의 이름 바꾸기</translation>
    </message>
    <message>
        <source>The server version is not supported. Ask your administrator to upgrade the server.</source>
        <comment></comment>
        <translation>서버 버전이 지원되지 않습니다. 관리자에게 서버 업그레이드를 요청하세요.</translation>
    </message>
    <message>
        <source>Version</source>
        <comment></comment>
        <translation>버전</translation>
    </message>
    <message>
        <source>Resume syncing this folder</source>
        <comment></comment>
        <translation>이 폴더의 동기화 재개</translation>
    </message>
    <message>
        <source>Show Larkspan Drive in the file manager&apos;s context menu</source>
        <comment></comment>
        <translation>파일 관리자의 컨텍스트 메뉴에 Larkspan Drive 표시</translation>
    </message>
    <message>
        <source>About</source>
        <comment></comment>
        <translation>정보</translation>
    </message>
    <message>
        <source>Comments</source>
        <comment></comment>
        <translation>댓글</translation>
    </message>
    <message>
        <source>The relay service is disabled on the server.</source>
        <comment></comment>
        <translation>서버에서 릴레이 서비스가 사용 중지되어 있습니다.</translation>
    </message>
    <message>
        <source>Last week</source>
        <comment></comment>
        <translation>지난 1주</translation>
    </message>
    <message>
        <source>Checking data...</source>
        <comment></comment>
        <translation>데이터 확인 중...</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <comment></comment>
        <translation>동기화 중...</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment></comment>
        <translation>폴더</translation>
    </message>
    <message>
        <source>%1 items</source>
        <comment></comment>
        <translation>항목 %1개</translation>
    </message>
    <message>
        <source>Download</source>
        <comment></comment>
        <translation>다운로드</translation>
    </message>
    <message>
        <source>%1 days ago</source>
        <comment></comment>
        <translation>%1일 전</translation>
    </message>
    <message>
        <source>Open settings</source>
        <comment></comment>
        <translation>설정 열기</translation>
    </message>
    <message>
        <source>Unable to get the link to the file.</source>
        <comment></comment>
        <translation>파일의 링크를 가져올 수 없습니다.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. %1 will merge its content with the server.</source>
        <comment></comment>
        <translation>선택한 폴더가 비어 있지 않습니다. %1에서 폴더 내용을 서버와 병합합니다.</translation>
    </message>
    <message>
        <source>Reconnect</source>
        <comment></comment>
        <translation>다시 연결</translation>
    </message>
    <message>
        <source>Monday</source>
        <comment></comment>
        <translation>월요일</translation>
    </message>
    <message>
        <source>The shared folder conflicts with an existing sync folder.</source>
        <comment></comment>
        <translation>공유 폴더가 기존 동기화 폴더와 충돌합니다.</translation>
    </message>
    <message>
        <source>Sync task from %1 to %2</source>
        <comment></comment>
        <translation>%1에서 %2(으)로의 동기화 작업</translation>
    </message>
    <message>
        <source>Mount point</source>
        <comment></comment>
        <translation>마운트 지점</translation>
    </message>
    <message>
        <source>Folder not empty</source>
        <comment></comment>
        <translation>폴더가 비어 있지 않음</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <comment></comment>
        <translation>연결 해제 중...</translation>
    </message>
    <message>
        <source>Time</source>
        <comment></comment>
        <translation>시간</translation>
    </message>
    <message>
        <source>%1 does not support the protocol used by this server.</source>
        <comment></comment>
        <translation>%1은(는) 이 서버에서 사용하는 프로토콜을 지원하지 않습니다.</translation>
    </message>
    <message>
        <source>Folder path</source>
        <comment></comment>
        <translation>폴더 경로</translation>
    </message>
    <message>
        <source>February</source>
        <comment></comment>
        <translation>2월</translation>
    </message>
    <message>
        <source>The server&apos;s certificate could not be verified. Syncing is paused.</source>
        <comment></comment>
        <translation>서버의 인증서를 확인할 수 없습니다. 동기화가 일시 중지되었습니다.</translation>
    </message>
    <message>
        <source>Close the applications that use these files.</source>
        <comment></comment>
        <translation>이 파일을 사용하는 응용 프로그램을 닫으세요.</translation>
    </message>
    <message>
        <source>Automatic connection failed because of a system error.</source>
        <comment></comment>
        <translation>시스템 오류로 인해 자동 연결에 실패했습니다.</translation>
    </message>
    <message>
        <source>Show icons on files that are not synced</source>
        <comment></comment>
        <translation>동기화되지 않는 파일에 아이콘 표시</translation>
    </message>
    <message>
        <source>Larkspan Drive setup was interrupted. Your system has not been changed.</source>
        <comment></comment>
        <translation>Larkspan Drive 설치가 중단되었습니다. 시스템은 변경되지 않았습니다.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has changed.</source>
        <comment></comment>
        <translation>서버의 인증서가 변경되었습니다.</translation>
    </message>
    <message>
        <source>Files are stored in your local sync folder, for example /home/user/​LarkspanDrive.</source>
        <comment></comment>
        <translation>파일은 로컬 동기화 폴더(예: /home/user/​LarkspanDrive)에 저장됩니다.</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the installation of Larkspan Drive?</source>
        <comment></comment>
        <translation>Larkspan Drive 설치를 취소하시겠습니까?</translation>
    </message>
    <message>
        <source>ID</source>
        <comment></comment>
        <translation>ID</translation>
    </message>
    <message>
        <source>%1 has been downloaded.</source>
        <comment></comment>
        <translation>%1을(를) 다운로드했습니다.</translation>
    </message>
    <message>
        <source>The connection is inactive.</source>
        <comment></comment>
        <translation>연결이 비활성 상태입니다.</translation>
    </message>
    <message>
        <source>Changes in folders on network drives may not be detected right away.</source>
        <comment></comment>
        <translation>네트워크 드라이브에 있는 폴더의 변경 내용은 바로 감지되지 않을 수 있습니다.</translation>
    </message>
    <message>
        <source>Share</source>
        <comment></comment>
        <translation>공유</translation>
    </message>
    <message>
        <source>%1 encountered an error.</source>
        <comment></comment>
        <translation>%1에 오류가 발생했습니다.</translation>
    </message>
    <message>
        <source>First page</source>
        <comment></comment>
        <translation>첫 페이지</translation>
    </message>
    <message>
        <source>Resume</source>
        <comment></comment>
        <translation>재개</translation>
    </message>
    <message>
        <source>Unable to enable sharing.</source>
        <comment></comment>
        <translation>공유를 사용하도록 설정할 수 없습니다.</translation>
    </message>
    <message>
        <source>The local disk is full. %1 has paused syncing.</source>
        <comment></comment>
        <translation>로컬 디스크가 가득 찼습니다. %1에서 동기화를 일시 중지했습니다.</translation>
    </message>
    <message>
        <source>Custom duration</source>
        <comment></comment>
        <translation>사용자 지정 기간</translation>
    </message>
    <message>
        <source>Remove this download</source>
        <comment></comment>
        <translation>이 다운로드 제거</translation>
    </message>
    <message>
        <source>I accept the terms of the License Agreement</source>
        <comment></comment>
        <translation>사용권 계약 조건에 동의합니다</translation>
    </message>
    <message>
        <source>Select a folder on your computer to sync.</source>
        <comment></comment>
        <translation>동기화할 컴퓨터의 폴더를 선택하세요.</translation>
    </message>
    <message>
        <source>Action</source>
        <comment></comment>
        <translation>동작</translation>
    </message>
    <message>
        <source>Sync tasks</source>
        <comment></comment>
        <translation>동기화 작업</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment></comment>
        <translation>일시 중지</translation>
    </message>
    <message>
        <source>Click Finish to close the setup wizard.</source>
        <comment></comment>
        <translation>설치 마법사를 닫으려면 [마침]을 클릭하세요.</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Larkspan Drive will merge its content with the server.</source>
        <comment></comment>
        <translation>선택한 폴더가 비어 있지 않습니다. Larkspan Drive에서 폴더 내용을 서버와 병합합니다.</translation>
    </message>
    <message>
        <source>The disk of the Larkspan is full.</source>
        <comment></comment>
        <translation>Larkspan의 디스크가 가득 찼습니다.</translation>
    </message>
    <message>
        <source>Manage</source>
        <comment></comment>
        <translation>관리</translation>
    </message>
    <message>
        <source>The setup wizard lets you change the way Larkspan Drive is installed, repair it or remove it. Click Next to continue or Cancel to exit.</source>
        <comment></comment>
        <translation>설치 마법사를 사용하여 Larkspan Drive의 설치 방식을 변경하거나 Larkspan Drive를 복구 또는 제거할 수 있습니다. 계속하려면 [다음]을, 종료하려면 [취소]를 클릭하세요.</translation>
    </message>
    <message>
        <source>%1 requested access to %2</source>
        <comment></comment>
        <translation>%1님이 %2에 대한 액세스를 요청했습니다</translation>
    </message>
    <message>
        <source>Connected through the Internet</source>
        <comment></comment>
        <translation>인터넷을 통해 연결됨</translation>
    </message>
    <message>
        <source>Sync your files</source>
        <comment></comment>
        <translation>파일 동기화</translation>
    </message>
    <message>
        <source>Unable to download this version.</source>
        <comment></comment>
        <translation>이 버전을 다운로드할 수 없습니다.</translation>
    </message>
    <message>
        <source>Larkspan Drive setup ended because of an error. Your system has not been changed.</source>
        <comment></comment>
        <translation>오류로 인해 Larkspan Drive 설치가 종료되었습니다. 시스템은 변경되지 않았습니다.</translation>
    </message>
    <message>
        <source>Files shared with you appear in the %1 folder on this computer.</source>
        <comment></comment>
        <translation>나와 공유된 파일은 이 컴퓨터의 %1 폴더에 표시됩니다.</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this connection?</source>
        <comment></comment>
        <translation>이 연결을 해제하시겠습니까?</translation>
    </message>
    <message>
        <source>Retry</source>
        <comment></comment>
        <translation>다시 시도</translation>
    </message>
    <message>
        <source>The proxy server requires a password</source>
        <comment></comment>
        <translation>프록시 서버에 비밀번호 필요</translation>
    </message>
    <message>
        <source>Update to the latest version to use selective sync.</source>
        <comment></comment>
        <translation>선택적 동기화를 사용하려면 최신 버전으로 업데이트하세요.</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again in %1 minutes.</source>
        <comment></comment>
        <translation>실패한 시도가 너무 많습니다. %1분 후에 다시 시도하세요.</translation>
    </message>
    <message>
        <source>File name</source>
        <comment></comment>
        <translation>파일 이름</translation>
    </message>
    <message>
        <source>Inactive</source>
        <comment></comment>
        <translation>비활성</translation>
    </message>
    <message>
        <source>You can change these settings at any time in %1.</source>
        <comment></comment>
        <translation>이 설정은 언제든지 %1에서 변경할 수 있습니다.</translation>
    </message>
    <message>
        <source>This version of Larkspan Drive is already installed. Do you want to install it again?</source>
        <comment></comment>
        <translation>이 버전의 Larkspan Drive가 이미 설치되어 있습니다. 다시 설치하시겠습니까?</translation>
    </message>
    <message>
        <source>The quota of the shared folder is full.</source>
        <comment></comment>
        <translation>공유 폴더의 할당량이 가득 찼습니다.</translation>
    </message>
    <message>
        <source>The shared folder is not mounted.</source>
        <comment></comment>
        <translation>공유 폴더가 마운트되어 있지 않습니다.</translation>
    </message>
    <message>
        <source>%1 hours ago</source>
        <comment></comment>
        <translation>%1시간 전</translation>
    </message>
    <message>
        <source>Completed the Larkspan Drive Setup Wizard</source>
        <comment></comment>
        <translation>Larkspan Drive 설치 마법사 완료</translation>
    </message>
    <message>
        <source>January</source>
        <comment></comment>
        <translation>1월</translation>
    </message>
    <message>
        <source>Choose the folders to sync and the sync settings yourself.</source>
        <comment></comment>
        <translation>동기화할 폴더와 동기화 설정을 직접 선택합니다.</translation>
    </message>
    <message>
        <source>The Larkspan has changed. Link it again to continue.</source>
        <comment></comment>
        <translation>Larkspan이 변경되었습니다. 계속하려면 다시 연결하세요.</translation>
    </message>
    <message>
        <source>%1 is now syncing your files.</source>
        <comment></comment>
        <translation>이제 %1에서 파일을 동기화하고 있습니다.</translation>
    </message>
    <message>
        <source>Unable to create a link for this item.</source>
        <comment></comment>
        <translation>이 항목의 링크를 만들 수 없습니다.</translation>
    </message>
    <message>
        <source>I do not accept the terms of the License Agreement</source>
        <comment></comment>
        <translation>사용권 계약 조건에 동의하지 않습니다</translation>
    </message>
    <message>
        <source>Sync</source>
        <comment></comment>
        <translation>동기화</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <comment></comment>
        <translation>어제</translation>
    </message>
    <message>
        <source>Downloads of previous versions</source>
        <comment></comment>
        <translation>이전 버전 다운로드</translation>
    </message>
    <message>
        <source>Sync history</source>
        <comment></comment>
        <translation>동기화 기록</translation>
    </message>
    <message>
        <source>Share link</source>
        <comment></comment>
        <translation>공유 링크</translation>
    </message>
    <message>
        <source>Repair</source>
        <comment></comment>
        <translation>복구</translation>
    </message>
    <message>
        <source>Open the Larkspan in your browser</source>
        <comment></comment>
        <translation>브라우저에서 Larkspan 열기</translation>
    </message>
    <message>
        <source>%1 commented on %2</source>
        <comment></comment>
        <translation>%1님이 %2에 댓글을 남겼습니다</translation>
    </message>
    <message>
        <source>The maximum number of shared items has been reached.</source>
        <comment></comment>
        <translation>공유 항목의 최대 개수에 도달했습니다.</translation>
    </message>
    <message>
        <source>Shared</source>
        <comment></comment>
        <translation>공유됨</translation>
    </message>
    <message>
        <source>The local disk is full.</source>
        <comment></comment>
        <translation>로컬 디스크가 가득 찼습니다.</translation>
    </message>
    <message>
        <source>Setup interrupted</source>
        <comment></comment>
        <translation>설치 중단됨</translation>
    </message>
    <message>
        <source>The local sync folder cannot be found.</source>
        <comment></comment>
        <translation>로컬 동기화 폴더를 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>Put your files in the sync folder, and they stay up to date on all your devices.</source>
        <comment></comment>
        <translation>동기화 폴더에 파일을 넣으면 모든 장치에서 최신 상태로 유지됩니다.</translation>
    </message>
    <message>
        <source>Expire after</source>
        <comment></comment>
        <translation>만료 기간</translation>
    </message>
    <message>
        <source>June</source>
        <comment></comment>
        <translation>6월</translation>
    </message>
    <message>
        <source>Select the operation you want to perform.</source>
        <comment></comment>
        <translation>수행할 작업을 선택하세요.</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <comment></comment>
        <translation>임시 파일</translation>
    </message>
    <message>
        <source>Your quota on the Larkspan is full. Free some space or choose another folder.</source>
        <comment></comment>
        <translation>Larkspan의 할당량이 가득 찼습니다. 공간을 확보하거나 다른 폴더를 선택하세요.</translation>
    </message>
    <message>
        <source>Enter the address and port of the proxy server.</source>
        <comment></comment>
        <translation>프록시 서버의 주소와 포트를 입력하세요.</translation>
    </message>
    <message>
        <source>Folder on the Larkspan</source>
        <comment></comment>
        <translation>Larkspan의 폴더</translation>
    </message>
    <message>
        <source>Renamed on this computer</source>
        <comment></comment>
        <translation>이 컴퓨터에서 이름 변경됨</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <comment></comment>
        <translation>인증 실패</translation>
    </message>
    <message>
        <source>Sunday</source>
        <comment></comment>
        <translation>일요일</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <comment></comment>
        <translation>수요일</translation>
    </message>
    <message>
        <source>Automatic setup is configured.</source>
        <comment></comment>
        <translation>자동 설정이 구성되었습니다.</translation>
    </message>
    <message>
        <source>New folder on the Larkspan</source>
        <comment></comment>
        <translation>Larkspan의 새 폴더</translation>
    </message>
    <message>
        <source>Display</source>
        <comment></comment>
        <translation>표시</translation>
    </message>
    <message>
        <source>A newer version of %1 is already installed. Setup will now exit.</source>
        <comment></comment>
        <translation>최신 버전의 %1이(가) 이미 설치되어 있습니다. 설치 프로그램을 종료합니다.</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment></comment>
        <translation>예</translation>
    </message>
    <message>
        <source>Local sync folder</source>
        <comment></comment>
        <translation>로컬 동기화 폴더</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <comment></comment>
        <translation>최대 파일 크기(MB):</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <comment></comment>
        <translation>연결 중...</translation>
    </message>
    <message>
        <source>Access request</source>
        <comment></comment>
        <translation>액세스 요청</translation>
    </message>
    <message>
        <source>Larkspan Drive is ready.</source>
        <comment></comment>
        <translation>Larkspan Drive가 준비되었습니다.</translation>
    </message>
    <message>
        <source>Set up</source>
        <comment></comment>
        <translation>설정</translation>
    </message>
    <message>
        <source>Do not sync this folder</source>
        <comment></comment>
        <translation>이 폴더 동기화 안 함</translation>
    </message>
    <message>
        <source>This server needs a newer version of Larkspan Drive. Upgrade now?</source>
        <comment></comment>
        <translation>이 서버에는 최신 버전의 Larkspan Drive가 필요합니다. 지금 업그레이드하시겠습니까?</translation>
    </message>
    <message>
        <source>Choose a sync folder</source>
        <comment></comment>
        <translation>동기화 폴더 선택</translation>
    </message>
    <message>
        <source>Password</source>
        <comment></comment>
        <translation>비밀번호</translation>
    </message>
    <message>
        <source>Today</source>
        <comment></comment>
        <translation>오늘</translation>
    </message>
    <message>
        <source>Your quota on the Larkspan is full.</source>
        <comment></comment>
        <translation>Larkspan의 할당량이 가득 찼습니다.</translation>
    </message>
    <message>
        <source>Sync and share files across all your devices.</source>
        <comment></comment>
        <translation>모든 장치에서 파일을 동기화하고 공유하세요.</translation>
    </message>
    <message>
        <source>No permission</source>
        <comment></comment>
        <translation>권한 없음</translation>
    </message>
    <message>
        <source>Destination</source>
        <comment></comment>
        <translation>대상</translation>
    </message>
    <message>
        <source>The sync folder is on a volume that is not mounted.</source>
        <comment></comment>
        <translation>동기화 폴더가 마운트되지 않은 볼륨에 있습니다.</translation>
    </message>
    <message>
        <source>Choose a different folder on this computer.</source>
        <comment></comment>
        <translation>이 컴퓨터에서 다른 폴더를 선택하세요.</translation>
    </message>
    <message>
        <source>Use a black-and-white tray icon</source>
        <comment></comment>
        <translation>흑백 트레이 아이콘 사용</translation>
    </message>
    <message>
        <source>The verification code is not valid.</source>
        <comment></comment>
        <translation>인증 코드가 올바르지 않습니다.</translation>
    </message>
    <message>
        <source>No connection is available for this file.</source>
        <comment></comment>
        <translation>이 파일에 사용할 수 있는 연결이 없습니다.</translation>
    </message>
    <message>
        <source>Keep files on the Larkspan when they are deleted from this computer</source>
        <comment></comment>
        <translation>이 컴퓨터에서 파일을 삭제해도 Larkspan의 파일은 유지</translation>
    </message>
    <message>
        <source>One-way download</source>
        <comment></comment>
        <translation>단방향 다운로드</translation>
    </message>
    <message>
        <source>Port:</source>
        <comment></comment>
        <translation>포트:</translation>
    </message>
    <message>
        <source>Last month</source>
        <comment></comment>
        <translation>지난 1개월</translation>
    </message>
    <message>
        <source>Version %1.%2.%3, build %4</source>
        <comment></comment>
        <translation>버전 %1.%2.%3, 빌드 %4</translation>
    </message>
    <message>
        <source>Your IP address is not allowed to connect.</source>
        <comment></comment>
        <translation>이 IP 주소에서는 연결이 허용되지 않습니다.</translation>
    </message>
    <message>
        <source>Sync a folder that someone shared with you.</source>
        <comment></comment>
        <translation>다른 사용자가 나와 공유한 폴더를 동기화합니다.</translation>
    </message>
    <message>
        <source>Filter the sync log</source>
        <comment></comment>
        <translation>동기화 로그 필터링</translation>
    </message>
    <message>
        <source>You can only read this folder. Changes you make to it are not uploaded.</source>
        <comment></comment>
        <translation>이 폴더는 읽기만 할 수 있습니다. 변경한 내용은 업로드되지 않습니다.</translation>
    </message>
    <message>
        <source>Keyword</source>
        <comment></comment>
        <translation>키워드</translation>
    </message>
    <message>
        <source>Do not sync files larger than %1 MB</source>
        <comment></comment>
        <translation>%1MB보다 큰 파일은 동기화 안 함</translation>
    </message>
    <message>
        <source>Next month</source>
        <comment></comment>
        <translation>다음 달</translation>
    </message>
    <message>
        <source>Remote destination</source>
        <comment></comment>
        <translation>원격 대상</translation>
    </message>
    <message>
        <source>Your account is not allowed to sync this folder.</source>
        <comment></comment>
        <translation>이 계정으로는 이 폴더를 동기화할 수 없습니다.</translation>
    </message>
    <message>
        <source>Unable to download %1.</source>
        <comment></comment>
        <translation>%1을(를) 다운로드할 수 없습니다.</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <comment></comment>
        <translation>고급 설정</translation>
    </message>
    <message>
        <source>Welcome to %1. Sign in to get started.</source>
        <comment></comment>
        <translation>%1에 오신 것을 환영합니다. 시작하려면 로그인하세요.</translation>
    </message>
    <message>
        <source>Welcome to the Larkspan Drive Setup Wizard</source>
        <comment></comment>
        <translation>Larkspan Drive 설치 마법사 시작</translation>
    </message>
    <message>
        <source>This computer was linked to a different Larkspan. Link it again to continue.</source>
        <comment></comment>
        <translation>이 컴퓨터는 다른 Larkspan에 연결되어 있었습니다. 계속하려면 다시 연결하세요.</translation>
    </message>
    <message>
        <source>The shared folder no longer exists.</source>
        <comment></comment>
        <translation>공유 폴더가 더 이상 존재하지 않습니다.</translation>
    </message>
    <message>
        <source>December</source>
        <comment></comment>
        <translation>12월</translation>
    </message>
    <message>
        <source>Overview</source>
        <comment></comment>
        <translation>개요</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <comment></comment>
        <translation>시스템 프록시 설정 사용</translation>
    </message>
    <message>
        <source>No sync history</source>
        <comment></comment>
        <translation>동기화 기록 없음</translation>
    </message>
    <message>
        <source>Some files could not be synced. Click to see the details.</source>
        <comment></comment>
        <translation>일부 파일을 동기화할 수 없습니다. 자세한 내용을 보려면 클릭하세요.</translation>
    </message>
    <message>
        <source>Setup ended because of an error</source>
        <comment></comment>
        <translation>오류로 인해 설치 종료됨</translation>
    </message>
    <message>
        <source>Drive</source>
        <comment></comment>
        <translation>Drive</translation>
    </message>
    <message>
        <source>October</source>
        <comment></comment>
        <translation>10월</translation>
    </message>
    <message>
        <source>Your changes have not been saved. Save them now?</source>
        <comment></comment>
        <translation>변경 내용이 저장되지 않았습니다. 지금 저장하시겠습니까?</translation>
    </message>
    <message>
        <source>This computer is already linked to this Larkspan.</source>
        <comment></comment>
        <translation>이 컴퓨터는 이미 이 Larkspan에 연결되어 있습니다.</translation>
    </message>
    <message>
        <source>There is not enough space on the local disk for Larkspan Drive.</source>
        <comment></comment>
        <translation>로컬 디스크에 Larkspan Drive를 위한 공간이 부족합니다.</translation>
    </message>
    <message>
        <source>Do not sync files with these names:</source>
        <comment></comment>
        <translation>다음 이름의 파일 동기화 안 함:</translation>
    </message>
    <message>
        <source>Available from</source>
        <comment></comment>
        <translation>시작 시간</translation>
    </message>
    <message>
        <source>Shows the tray icon in black and white to match your desktop theme.</source>
        <comment></comment>
        <translation>바탕 화면 테마에 맞게 트레이 아이콘을 흑백으로 표시합니다.</translation>
    </message>
    <message>
        <source>Status</source>
        <comment></comment>
        <translation>상태</translation>
    </message>
    <message>
        <source>Sync one of your folders on the Larkspan with this computer.</source>
        <comment></comment>
        <translation>Larkspan에 있는 폴더 중 하나를 이 컴퓨터와 동기화합니다.</translation>
    </message>
    <message>
        <source>Indexing the folder...</source>
        <comment></comment>
        <translation>폴더 인덱싱 중...</translation>
    </message>
    <message>
        <source>Your user name or password is incorrect.</source>
        <comment></comment>
        <translation>사용자 이름 또는 비밀번호가 올바르지 않습니다.</translation>
    </message>
    <message>
        <source>You do not have permission to use Larkspan Drive. Ask your administrator.</source>
        <comment></comment>
        <translation>Larkspan Drive를 사용할 권한이 없습니다. 관리자에게 문의하세요.</translation>
    </message>
    <message>
        <source>Try syncing again</source>
        <comment></comment>
        <translation>동기화 다시 시도</translation>
    </message>
    <message>
        <source>Filter settings</source>
        <comment></comment>
        <translation>필터 설정</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <comment></comment>
        <translation>수동 프록시 구성</translation>
    </message>
    <message>
        <source>Status:</source>
        <comment></comment>
        <translation>상태:</translation>
    </message>
    <message>
        <source>July</source>
        <comment></comment>
        <translation>7월</translation>
    </message>
    <message>
        <source>No</source>
        <comment></comment>
        <translation>아니요</translation>
    </message>
    <message>
        <source>Version not supported</source>
        <comment></comment>
        <translation>지원되지 않는 버전</translation>
    </message>
    <message>
        <source>Sync now</source>
        <comment></comment>
        <translation>지금 동기화</translation>
    </message>
    <message>
        <source>This folder was synced by another user. Choose another folder.</source>
        <comment></comment>
        <translation>다른 사용자가 동기화한 폴더입니다. 다른 폴더를 선택하세요.</translation>
    </message>
    <message>
        <source>Create a KestrinDrive folder in the selected location</source>
        <comment></comment>
        <translation>선택한 위치에 KestrinDrive 폴더 만들기</translation>
    </message>
    <message>
        <source>You do not have permission to write to this folder. Choose another folder.</source>
        <comment></comment>
        <translation>이 폴더에 쓸 수 있는 권한이 없습니다. 다른 폴더를 선택하세요.</translation>
    </message>
    <message>
        <source>This folder is read-only. Changes are not synced to %1.</source>
        <comment></comment>
        <translation>이 폴더는 읽기 전용입니다. 변경 내용이 %1에 동기화되지 않습니다.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment></comment>
        <translation>%1~%2</translation>
    </message>
    <message>
        <source>Got it</source>
        <comment></comment>
        <translation>알겠습니다</translation>
    </message>
    <message>
        <source>Welcome to Larkspan Drive</source>
        <comment></comment>
        <translation>Larkspan Drive에 오신 것을 환영합니다</translation>
    </message>
    <message>
        <source>Network settings</source>
        <comment></comment>
        <translation>네트워크 설정</translation>
    </message>
    <message>
        <source>The setup wizard is ready to begin the repair.</source>
        <comment></comment>
        <translation>설치 마법사에서 복구를 시작할 준비가 되었습니다.</translation>
    </message>
    <message>
        <source>This client version is not supported by the server. Upgrade to continue syncing.</source>
        <comment></comment>
        <translation>서버에서 이 클라이언트 버전을 지원하지 않습니다. 동기화를 계속하려면 업그레이드하세요.</translation>
    </message>
    <message>
        <source>Size</source>
        <comment></comment>
        <translation>크기</translation>
    </message>
    <message>
        <source>The server version is too old. Ask your administrator to upgrade it.</source>
        <comment></comment>
        <translation>서버 버전이 너무 오래되었습니다. 관리자에게 서버 업그레이드를 요청하세요.</translation>
    </message>
    <message>
        <source>Everyone with the link can view and edit the files.</source>
        <comment></comment>
        <translation>링크가 있는 모든 사용자가 파일을 보고 편집할 수 있습니다.</translation>
    </message>
    <message>
        <source>Edit</source>
        <comment></comment>
        <translation>편집</translation>
    </message>
    <message>
        <source>Signed-in users can view and edit the files.</source>
        <comment></comment>
        <translation>로그인한 사용자가 파일을 보고 편집할 수 있습니다.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <comment></comment>
        <translation>사용 안 함</translation>
    </message>
    <message>
        <source>Change, repair or remove the installation.</source>
        <comment></comment>
        <translation>설치를 변경, 복구 또는 제거합니다.</translation>
    </message>
    <message>
        <source>Just now</source>
        <comment></comment>
        <translation>방금</translation>
    </message>
    <message>
        <source>New sync folder</source>
        <comment></comment>
        <translation>새 동기화 폴더</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <comment></comment>
        <translation>공유 사용 중</translation>
    </message>
    <message>
        <source>Sync error</source>
        <comment></comment>
        <translation>동기화 오류</translation>
    </message>
    <message>
        <source>Merge mode</source>
        <comment></comment>
        <translation>병합 모드</translation>
    </message>
    <message>
        <source>Connection information</source>
        <comment></comment>
        <translation>연결 정보</translation>
    </message>
    <message>
        <source>Remove Larkspan Drive</source>
        <comment></comment>
        <translation>Larkspan Drive 제거</translation>
    </message>
    <message>
        <source>Next %1 pages</source>
        <comment></comment>
        <translation>다음 %1페이지</translation>
    </message>
    <message>
        <source>Show sync status</source>
        <comment></comment>
        <translation>동기화 상태 표시</translation>
    </message>
    <message>
        <source>My files</source>
        <comment></comment>
        <translation>내 파일</translation>
    </message>
    <message>
        <source>Create a sync task</source>
        <comment></comment>
        <translation>동기화 작업 만들기</translation>
    </message>
    <message>
        <source>Create a LarkspanDrive folder in the selected location</source>
        <comment></comment>
        <translation>선택한 위치에 LarkspanDrive 폴더 만들기</translation>
    </message>
    <message>
        <source>Skipped file names</source>
        <comment></comment>
        <translation>건너뛸 파일 이름</translation>
    </message>
    <message>
        <source>The %1 ID is not valid.</source>
        <comment></comment>
        <translation>%1 ID가 올바르지 않습니다.</translation>
    </message>
    <message>
        <source>Expire on</source>
        <comment></comment>
        <translation>만료 날짜</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <comment></comment>
        <translation>업그레이드 중...</translation>
    </message>
    <message>
        <source>Start now</source>
        <comment></comment>
        <translation>지금 시작</translation>
    </message>
    <message>
        <source>Standby</source>
        <comment></comment>
        <translation>대기</translation>
    </message>
    <message>
        <source>Progress</source>
        <comment></comment>
        <translation>진행률</translation>
    </message>
    <message>
        <source>%1 changes detected</source>
        <comment></comment>
        <translation>변경 사항 %1개 감지됨</translation>
    </message>
    <message>
        <source>Only download changes from the Larkspan; local changes are not uploaded.</source>
        <comment></comment>
        <translation>Larkspan의 변경 내용만 다운로드하고 로컬 변경 내용은 업로드하지 않습니다.</translation>
    </message>
    <message>
        <source>A database error occurred.</source>
        <comment></comment>
        <translation>데이터베이스 오류가 발생했습니다.</translation>
    </message>
    <message>
        <source>Enter the address of your Larkspan and your account.</source>
        <comment></comment>
        <translation>Larkspan 주소와 계정 정보를 입력하세요.</translation>
    </message>
    <message>
        <source>On-demand sync</source>
        <comment></comment>
        <translation>주문형 동기화</translation>
    </message>
    <message>
        <source>New sync task</source>
        <comment></comment>
        <translation>새 동기화 작업</translation>
    </message>
    <message>
        <source>Upload</source>
        <comment></comment>
        <translation>업로드</translation>
    </message>
    <message>
        <source>Restrict access</source>
        <comment></comment>
        <translation>액세스 제한</translation>
    </message>
    <message>
        <source>Select the folders to sync</source>
        <comment></comment>
        <translation>동기화할 폴더 선택</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <comment></comment>
        <translation>폴더 선택</translation>
    </message>
    <message>
        <source>Setup mode</source>
        <comment></comment>
        <translation>설정 모드</translation>
    </message>
    <message>
        <source>Download only</source>
        <comment></comment>
        <translation>다운로드만</translation>
    </message>
    <message>
        <source>General</source>
        <comment></comment>
        <translation>일반</translation>
    </message>
    <message>
        <source>Saturday</source>
        <comment></comment>
        <translation>토요일</translation>
    </message>
    <message>
        <source>Larkspan Drive works with a Larkspan server from Kestrin.</source>
        <comment></comment>
        <translation>Larkspan Drive는 Kestrin의 Larkspan 서버와 함께 작동합니다.</translation>
    </message>
    <message>
        <source>Unable to connect to the Larkspan.</source>
        <comment></comment>
        <translation>Larkspan에 연결할 수 없습니다.</translation>
    </message>
    <message>
        <source>Connected through a relay</source>
        <comment></comment>
        <translation>릴레이를 통해 연결됨</translation>
    </message>
    <message>
        <source>Larkspan Drive is initializing...</source>
        <comment></comment>
        <translation>Larkspan Drive를 초기화하는 중...</translation>
    </message>
    <message>
        <source>Automatic setup failed. Set up Larkspan Drive manually.</source>
        <comment></comment>
        <translation>자동 설정에 실패했습니다. Larkspan Drive를 수동으로 설정하세요.</translation>
    </message>
    <message>
        <source>Local destination</source>
        <comment></comment>
        <translation>로컬 대상</translation>
    </message>
    <message>
        <source>This folder is read-only. Changes are not synced to Larkspan Drive.</source>
        <comment></comment>
        <translation>이 폴더는 읽기 전용입니다. 변경 내용이 Larkspan Drive에 동기화되지 않습니다.</translation>
    </message>
    <message>
        <source>Ignore</source>
        <comment></comment>
        <translation>무시</translation>
    </message>
    <message>
        <source>All events</source>
        <comment></comment>
        <translation>모든 이벤트</translation>
    </message>
    <message>
        <source>Sharing</source>
        <comment></comment>
        <translation>공유</translation>
    </message>
    <message>
        <source>Click Remove to remove Larkspan Drive from your computer.</source>
        <comment></comment>
        <translation>컴퓨터에서 Larkspan Drive를 제거하려면 [제거]를 클릭하세요.</translation>
    </message>
    <message>
        <source>This folder is already part of another sync task.</source>
        <comment></comment>
        <translation>이 폴더는 이미 다른 동기화 작업에 포함되어 있습니다.</translation>
    </message>
    <message>
        <source>A network error occurred. Check your connection and try again.</source>
        <comment></comment>
        <translation>네트워크 오류가 발생했습니다. 연결을 확인하고 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Finish</source>
        <comment></comment>
        <translation>마침</translation>
    </message>
    <message>
        <source>Enter a port number from %1 to %2.</source>
        <comment></comment>
        <translation>%1~%2 범위의 포트 번호를 입력하세요.</translation>
    </message>
    <message>
        <source>More information</source>
        <comment></comment>
        <translation>추가 정보</translation>
    </message>
    <message>
        <source>This folder is already synced.</source>
        <comment></comment>
        <translation>이 폴더는 이미 동기화되고 있습니다.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <comment></comment>
        <translation>권한이 거부되었습니다.</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <comment></comment>
        <translation>알 수 없는 오류가 발생했습니다.</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change your settings.</source>
        <comment></comment>
        <translation>설치를 시작하려면 [설치]를 클릭하세요. 설정을 검토하거나 변경하려면 [뒤로]를 클릭하세요.</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <comment></comment>
        <translation>양방향 동기화</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <comment></comment>
        <translation>%1 다운로드 중...</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <comment></comment>
        <translation>설정 적용 중...</translation>
    </message>
    <message>
        <source>Switch Larkspan</source>
        <comment></comment>
        <translation>Larkspan 전환</translation>
    </message>
    <message>
        <source>The file or folder does not exist.</source>
        <comment></comment>
        <translation>파일 또는 폴더가 없습니다.</translation>
    </message>
    <message>
        <source>Next</source>
        <comment></comment>
        <translation>다음</translation>
    </message>
    <message>
        <source>Change folder</source>
        <comment></comment>
        <translation>폴더 변경</translation>
    </message>
    <message>
        <source>April</source>
        <comment></comment>
        <translation>4월</translation>
    </message>
    <message>
        <source>The new language takes effect after Larkspan Drive restarts.</source>
        <comment></comment>
        <translation>새 언어는 Larkspan Drive를 다시 시작한 후에 적용됩니다.</translation>
    </message>
    <message>
        <source>Choose another</source>
        <comment></comment>
        <translation>다른 항목 선택</translation>
    </message>
    <message>
        <source>Invalid argument.</source>
        <comment></comment>
        <translation>인수가 잘못되었습니다.</translation>
    </message>
    <message>
        <source>Syncing %1 files</source>
        <comment></comment>
        <translation>파일 %1개 동기화 중</translation>
    </message>
    <message>
        <source>Sharing links is not enabled on the Larkspan.</source>
        <comment></comment>
        <translation>Larkspan에서 링크 공유가 사용 설정되어 있지 않습니다.</translation>
    </message>
    <message>
        <source>Recently updated files</source>
        <comment></comment>
        <translation>최근 업데이트된 파일</translation>
    </message>
    <message>
        <source>Security warning</source>
        <comment></comment>
        <translation>보안 경고</translation>
    </message>
    <message>
        <source>The following applications use files that setup needs to update. Close them and click Retry, or click Ignore to continue anyway.</source>
        <comment></comment>
        <translation>설치 프로그램에서 업데이트해야 하는 파일을 다음 응용 프로그램이 사용하고 있습니다. 응용 프로그램을 닫고 [다시 시도]를 클릭하거나, 그대로 계속하려면 [무시]를 클릭하세요.</translation>
    </message>
    <message>
        <source>Reach your files anywhere</source>
        <comment></comment>
        <translation>어디서나 파일에 액세스</translation>
    </message>
    <message>
        <source>Print</source>
        <comment></comment>
        <translation>인쇄</translation>
    </message>
    <message>
        <source>Create a new folder to sync.</source>
        <comment></comment>
        <translation>동기화할 새 폴더를 만듭니다.</translation>
    </message>
    <message>
        <source>The certificate of %1 has changed. Do you trust the new certificate?</source>
        <comment></comment>
        <translation>%1의 인증서가 변경되었습니다. 새 인증서를 신뢰하시겠습니까?</translation>
    </message>
    <message>
        <source>Larkspan Drive</source>
        <comment></comment>
        <translation>Larkspan Drive</translation>
    </message>
    <message>
        <source>Rename</source>
        <comment></comment>
        <translation>이름 바꾸기</translation>
    </message>
    <message>
        <source>Folder already synced</source>
        <comment></comment>
        <translation>이미 동기화된 폴더</translation>
    </message>
    <message>
        <source>Do not sync these folders</source>
        <comment></comment>
        <translation>이 폴더들 동기화 안 함</translation>
    </message>
    <message>
        <source>Folders that others share with you</source>
        <comment></comment>
        <translation>다른 사용자가 나와 공유한 폴더</translation>
    </message>
    <message>
        <source>Repair Larkspan Drive</source>
        <comment></comment>
        <translation>Larkspan Drive 복구</translation>
    </message>
    <message>
        <source>Sync log category</source>
        <comment></comment>
        <translation>동기화 로그 범주</translation>
    </message>
    <message>
        <source>Close these applications before setup continues:</source>
        <comment></comment>
        <translation>설치를 계속하기 전에 다음 응용 프로그램을 닫으세요:</translation>
    </message>
    <message>
        <source>Add</source>
        <comment></comment>
        <translation>추가</translation>
    </message>
    <message>
        <source>No options available</source>
        <comment></comment>
        <translation>사용할 수 있는 옵션 없음</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of Larkspan Drive.</source>
        <comment></comment>
        <translation>Larkspan Drive 설치를 복구하려면 [복구]를 클릭하세요.</translation>
    </message>
    <message>
        <source>The sync direction does not match your permission on the folder.</source>
        <comment></comment>
        <translation>동기화 방향이 폴더에 대한 권한과 일치하지 않습니다.</translation>
    </message>
    <message>
        <source>You have chosen to remove the program from your computer.</source>
        <comment></comment>
        <translation>컴퓨터에서 프로그램을 제거하도록 선택했습니다.</translation>
    </message>
    <message>
        <source>You are ready to use Larkspan Drive.</source>
        <comment></comment>
        <translation>이제 Larkspan Drive를 사용할 준비가 되었습니다.</translation>
    </message>
    <message>
        <source>Edit connection</source>
        <comment></comment>
        <translation>연결 편집</translation>
    </message>
    <message>
        <source>Upgrade to version %1</source>
        <comment></comment>
        <translation>버전 %1(으)로 업그레이드</translation>
    </message>
    <message>
        <source>A newer version of Larkspan Drive is already installed. Setup will now exit.</source>
        <comment></comment>
        <translation>최신 버전의 Larkspan Drive가 이미 설치되어 있습니다. 설치 프로그램을 종료합니다.</translation>
    </message>
    <message>
        <source>Larkspan Drive is now syncing your files.</source>
        <comment></comment>
        <translation>이제 Larkspan Drive에서 파일을 동기화하고 있습니다.</translation>
    </message>
    <message>
        <source>%1 files updated</source>
        <comment></comment>
        <translation>파일 %1개 업데이트됨</translation>
    </message>
    <message>
        <source>Enter a user name.</source>
        <comment></comment>
        <translation>사용자 이름을 입력하세요.</translation>
    </message>
    <message>
        <source>There is not enough space on the local disk for %1.</source>
        <comment></comment>
        <translation>로컬 디스크에 %1을(를) 위한 공간이 부족합니다.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <comment></comment>
        <translation>기본 설정</translation>
    </message>
    <message>
        <source>Files shared with you appear in the Larkspan Drive folder on this computer.</source>
        <comment></comment>
        <translation>나와 공유된 파일은 이 컴퓨터의 Larkspan Drive 폴더에 표시됩니다.</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <comment></comment>
        <translation>아니요, 괜찮습니다</translation>
    </message>
    <message>
        <source>Public</source>
        <comment></comment>
        <translation>공개</translation>
    </message>
    <message>
        <source>Setup is complete.</source>
        <comment></comment>
        <translation>설정이 완료되었습니다.</translation>
    </message>
    <message>
        <source>Open containing folder</source>
        <comment></comment>
        <translation>파일 위치 열기</translation>
    </message>
    <message>
        <source>Removes Larkspan Drive from your computer.</source>
        <comment></comment>
        <translation>컴퓨터에서 Larkspan Drive를 제거합니다.</translation>
    </message>
    <message>
        <source>Show the Larkspan Drive tutorial</source>
        <comment></comment>
        <translation>Larkspan Drive 튜토리얼 표시</translation>
    </message>
    <message>
        <source>Previous month</source>
        <comment></comment>
        <translation>이전 달</translation>
    </message>
    <message>
        <source>Shared folders</source>
        <comment></comment>
        <translation>공유 폴더</translation>
    </message>
    <message>
        <source>Created</source>
        <comment></comment>
        <translation>만든 날짜</translation>
    </message>
    <message>
        <source>Files you change on one device are updated on the others.</source>
        <comment></comment>
        <translation>한 장치에서 변경한 파일은 다른 장치에서도 업데이트됩니다.</translation>
    </message>
    <message>
        <source>September</source>
        <comment></comment>
        <translation>9월</translation>
    </message>
    <message>
        <source>Click Remove to continue, or Back to review your choice.</source>
        <comment></comment>
        <translation>계속하려면 [제거]를, 선택 내용을 검토하려면 [뒤로]를 클릭하세요.</translation>
    </message>
    <message>
        <source>Back</source>
        <comment></comment>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>Folder name</source>
        <comment></comment>
        <translation>폴더 이름</translation>
    </message>
    <message>
        <source>Setup is complete. Larkspan Drive now keeps your files in sync.</source>
        <comment></comment>
        <translation>설정이 완료되었습니다. 이제 Larkspan Drive에서 파일을 동기화된 상태로 유지합니다.</translation>
    </message>
    <message>
        <source>May</source>
        <comment></comment>
        <translation>5월</translation>
    </message>
    <message>
        <source>Connected through the local network</source>
        <comment></comment>
        <translation>로컬 네트워크를 통해 연결됨</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully.</source>
        <comment></comment>
        <translation>다음 사용권 계약을 주의 깊게 읽으세요.</translation>
    </message>
    <message>
        <source>Keep the most recently modified file</source>
        <comment></comment>
        <translation>가장 최근에 수정한 파일 유지</translation>
    </message>
    <message>
        <source>%1 mentioned you in %2</source>
        <comment></comment>
        <translation>%1님이 %2에서 나를 멘션했습니다</translation>
    </message>
    <message>
        <source>Access to the selected folder was denied.</source>
        <comment></comment>
        <translation>선택한 폴더에 대한 액세스가 거부되었습니다.</translation>
    </message>
    <message>
        <source>Disk full</source>
        <comment></comment>
        <translation>디스크 가득 참</translation>
    </message>
    <message>
        <source>Signed-in users</source>
        <comment></comment>
        <translation>로그인한 사용자</translation>
    </message>
    <message>
        <source>Tutorial that introduces the main features of Larkspan Drive</source>
        <comment></comment>
        <translation>Larkspan Drive의 주요 기능을 소개하는 튜토리얼</translation>
    </message>
    <message>
        <source>Checking your password...</source>
        <comment></comment>
        <translation>비밀번호 확인 중...</translation>
    </message>
    <message>
        <source>All files are up to date.</source>
        <comment></comment>
        <translation>모든 파일이 최신 상태입니다.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <comment></comment>
        <translation>읽기 전용</translation>
    </message>
    <message>
        <source>Your password has expired.</source>
        <comment></comment>
        <translation>비밀번호가 만료되었습니다.</translation>
    </message>
    <message>
        <source>Calendar</source>
        <comment></comment>
        <translation>달력</translation>
    </message>
    <message>
        <source>Replace the file on this computer with the copy on the server</source>
        <comment></comment>
        <translation>이 컴퓨터의 파일을 서버의 복사본으로 바꾸기</translation>
    </message>
    <message>
        <source>Do not close the applications. A restart will be required.</source>
        <comment></comment>
        <translation>응용 프로그램을 닫지 않습니다. 다시 시작해야 합니다.</translation>
    </message>
    <message>
        <source>November</source>
        <comment></comment>
        <translation>11월</translation>
    </message>
    <message>
        <source>Find a Larkspan on your local network</source>
        <comment></comment>
        <translation>로컬 네트워크에서 Larkspan 찾기</translation>
    </message>
    <message>
        <source>File name:</source>
        <comment></comment>
        <translation>파일 이름:</translation>
    </message>
    <message>
        <source>Add file name</source>
        <comment></comment>
        <translation>파일 이름 추가</translation>
    </message>
    <message>
        <source>Sync your home folder on the Larkspan with a folder on this computer, using the recommended settings.</source>
        <comment></comment>
        <translation>권장 설정을 사용하여 Larkspan의 홈 폴더를 이 컴퓨터의 폴더와 동기화합니다.</translation>
    </message>
    <message>
        <source>Skip files whose names begin with a dot</source>
        <comment></comment>
        <translation>이름이 점으로 시작하는 파일 건너뛰기</translation>
    </message>
    <message>
        <source>Setup was cancelled.</source>
        <comment></comment>
        <translation>설치가 취소되었습니다.</translation>
    </message>
    <message>
        <source>Name</source>
        <comment></comment>
        <translation>이름</translation>
    </message>
    <message>
        <source>Encrypt data transfers (SSL)</source>
        <comment></comment>
        <translation>데이터 전송 암호화(SSL)</translation>
    </message>
    <message>
        <source>File type</source>
        <comment></comment>
        <translation>파일 형식</translation>
    </message>
    <message>
        <source>Your quota on the Larkspan is full. Syncing is paused.</source>
        <comment></comment>
        <translation>Larkspan의 할당량이 가득 찼습니다. 동기화가 일시 중지되었습니다.</translation>
    </message>
    <message>
        <source>Share name</source>
        <comment></comment>
        <translation>공유 이름</translation>
    </message>
    <message>
        <source>Setup is not running as an administrator, so Larkspan Drive will be installed for the current user only. Continue?</source>
        <comment></comment>
        <translation>설치 프로그램이 관리자 권한으로 실행되고 있지 않으므로 Larkspan Drive가 현재 사용자에게만 설치됩니다. 계속하시겠습니까?</translation>
    </message>
    <message>
        <source>Close the tutorial</source>
        <comment></comment>
        <translation>튜토리얼 닫기</translation>
    </message>
    <message>
        <source>About Larkspan Drive</source>
        <comment></comment>
        <translation>Larkspan Drive 정보</translation>
    </message>
    <message>
        <source>Apply and copy link</source>
        <comment></comment>
        <translation>적용 및 링크 복사</translation>
    </message>
    <message>
        <source>Password:</source>
        <comment></comment>
        <translation>비밀번호:</translation>
    </message>
    <message>
        <source>Computer name</source>
        <comment></comment>
        <translation>컴퓨터 이름</translation>
    </message>
    <message>
        <source>Synced on all devices</source>
        <comment></comment>
        <translation>모든 장치에서 동기화됨</translation>
    </message>
    <message>
        <source>Currently syncing: %1</source>
        <comment></comment>
        <translation>현재 동기화 중: %1</translation>
    </message>
    <message>
        <source>Apply to all subfolders</source>
        <comment></comment>
        <translation>모든 하위 폴더에 적용</translation>
    </message>
    <message>
        <source>Files that match these rules are not synced.</source>
        <comment></comment>
        <translation>이 규칙과 일치하는 파일은 동기화되지 않습니다.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected shared items?</source>
        <comment></comment>
        <translation>선택한 공유 항목을 삭제하시겠습니까?</translation>
    </message>
    <message>
        <source>IP address</source>
        <comment></comment>
        <translation>IP 주소</translation>
    </message>
    <message>
        <source>Your files are now syncing.</source>
        <comment></comment>
        <translation>이제 파일이 동기화되고 있습니다.</translation>
    </message>
    <message>
        <source>Some of the entries are not valid.</source>
        <comment></comment>
        <translation>일부 항목이 올바르지 않습니다.</translation>
    </message>
    <message>
        <source>A system error occurred while checking the folder.</source>
        <comment></comment>
        <translation>폴더를 확인하는 중에 시스템 오류가 발생했습니다.</translation>
    </message>
    <message>
        <source>Unlink this sync task? Files that are already synced stay on this computer.</source>
        <comment></comment>
        <translation>이 동기화 작업의 연결을 해제하시겠습니까? 이미 동기화된 파일은 이 컴퓨터에 그대로 남습니다.</translation>
    </message>
    <message>
        <source>The sign-in test failed. Check the user name and password.</source>
        <comment></comment>
        <translation>로그인 테스트에 실패했습니다. 사용자 이름과 비밀번호를 확인하세요.</translation>
    </message>
    <message>
        <source>Turning off sharing removes all existing links. Continue?</source>
        <comment></comment>
        <translation>공유를 끄면 기존 링크가 모두 제거됩니다. 계속하시겠습니까?</translation>
    </message>
    <message>
        <source>Test connection</source>
        <comment></comment>
        <translation>연결 테스트</translation>
    </message>
    <message>
        <source>Install</source>
        <comment></comment>
        <translation>설치</translation>
    </message>
    <message>
        <source>Advanced setup</source>
        <comment></comment>
        <translation>사용자 지정 설정</translation>
    </message>
    <message>
        <source>Click Repair to continue, or Back to review your choice.</source>
        <comment></comment>
        <translation>계속하려면 [복구]를, 선택 내용을 검토하려면 [뒤로]를 클릭하세요.</translation>
    </message>
    <message>
        <source>Installing the program files...</source>
        <comment></comment>
        <translation>프로그램 파일을 설치하는 중...</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app</source>
        <comment></comment>
        <translation>인증 앱에 표시된 인증 코드를 입력하세요</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <comment></comment>
        <translation>무시하고 계속</translation>
    </message>
    <message>
        <source>March</source>
        <comment></comment>
        <translation>3월</translation>
    </message>
    <message>
        <source>You can change these settings at any time in Larkspan Drive.</source>
        <comment></comment>
        <translation>이 설정은 언제든지 Larkspan Drive에서 변경할 수 있습니다.</translation>
    </message>
    <message>
        <source>Proxy settings</source>
        <comment></comment>
        <translation>프록시 설정</translation>
    </message>
    <message>
        <source>Remove the installation</source>
        <comment></comment>
        <translation>설치 제거</translation>
    </message>
    <message>
        <source>Send to %1</source>
        <comment></comment>
        <translation>%1(으)로 보내기</translation>
    </message>
    <message>
        <source>Synchronization mode</source>
        <comment></comment>
        <translation>동기화 모드</translation>
    </message>
    <message>
        <source>Refresh the sync log</source>
        <comment></comment>
        <translation>동기화 로그 새로 고침</translation>
    </message>
    <message>
        <source>The content of both folders is merged. Nothing is deleted.</source>
        <comment></comment>
        <translation>두 폴더의 내용이 병합됩니다. 아무것도 삭제되지 않습니다.</translation>
    </message>
    <message>
        <source>This version of %1 is already installed. Do you want to install it again?</source>
        <comment></comment>
        <translation>이 버전의 %1이(가) 이미 설치되어 있습니다. 다시 설치하시겠습니까?</translation>
    </message>
    <message>
        <source>When the tray icon is double-clicked</source>
        <comment></comment>
        <translation>트레이 아이콘을 두 번 클릭할 때</translation>
    </message>
    <message>
        <source>Open the web portal to reach your files from any browser.</source>
        <comment></comment>
        <translation>웹 포털을 열면 어떤 브라우저에서든 파일에 액세스할 수 있습니다.</translation>
    </message>
    <message>
        <source>Click Finish to close the setup wizard and start using Larkspan Drive.</source>
        <comment></comment>
        <translation>설치 마법사를 닫고 Larkspan Drive를 사용하려면 [마침]을 클릭하세요.</translation>
    </message>
    <message>
        <source>There are no changes to apply.</source>
        <comment></comment>
        <translation>적용할 변경 내용이 없습니다.</translation>
    </message>
    <message>
        <source>Network error.</source>
        <comment></comment>
        <translation>네트워크 오류입니다.</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <comment></comment>
        <translation>준비 중...</translation>
    </message>
    <message>
        <source>More tutorials</source>
        <comment></comment>
        <translation>추가 튜토리얼</translation>
    </message>
    <message>
        <source>Read-only folder</source>
        <comment></comment>
        <translation>읽기 전용 폴더</translation>
    </message>
    <message>
        <source>Previous %1 pages</source>
        <comment></comment>
        <translation>이전 %1페이지</translation>
    </message>
    <message>
        <source>Start the tour</source>
        <comment></comment>
        <translation>둘러보기 시작</translation>
    </message>
    <message>
        <source>IP address details</source>
        <comment></comment>
        <translation>IP 주소 세부 정보</translation>
    </message>
    <message>
        <source>From</source>
        <comment></comment>
        <translation>시작</translation>
    </message>
    <message>
        <source>Welcome to Larkspan Drive. Sign in to get started.</source>
        <comment></comment>
        <translation>Larkspan Drive에 오신 것을 환영합니다. 시작하려면 로그인하세요.</translation>
    </message>
    <message>
        <source>Sync problem</source>
        <comment></comment>
        <translation>동기화 문제</translation>
    </message>
    <message>
        <source>Local usage</source>
        <comment></comment>
        <translation>로컬 사용량</translation>
    </message>
    <message>
        <source>Enable on-demand sync</source>
        <comment></comment>
        <translation>주문형 동기화 사용</translation>
    </message>
    <message>
        <source>Larkspan Drive has been installed.</source>
        <comment></comment>
        <translation>Larkspan Drive가 설치되었습니다.</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <comment></comment>
        <translation>연결 끊김</translation>
    </message>
    <message>
        <source>Locked</source>
        <comment></comment>
        <translation>잠김</translation>
    </message>
    <message>
        <source>Change sync folder</source>
        <comment></comment>
        <translation>동기화 폴더 변경</translation>
    </message>
    <message>
        <source>Setup has finished.</source>
        <comment></comment>
        <translation>설치가 완료되었습니다.</translation>
    </message>
    <message>
        <source>%1 shared %2 with you</source>
        <comment></comment>
        <translation>%1님이 %2을(를) 나와 공유했습니다</translation>
    </message>
    <message>
        <source>Not found</source>
        <comment></comment>
        <translation>찾을 수 없음</translation>
    </message>
    <message>
        <source>Reset</source>
        <comment></comment>
        <translation>초기화</translation>
    </message>
    <message>
        <source>Installing the features you selected.</source>
        <comment></comment>
        <translation>선택한 기능을 설치하는 중입니다.</translation>
    </message>
    <message>
        <source>A verification code is required.</source>
        <comment></comment>
        <translation>인증 코드가 필요합니다.</translation>
    </message>
    <message>
        <source>%1 keeps the files on your Larkspan and your computers in sync.</source>
        <comment></comment>
        <translation>%1은(는) Larkspan과 컴퓨터의 파일을 동기화된 상태로 유지합니다.</translation>
    </message>
    <message>
        <source>There is not enough space on the disk of this computer.</source>
        <comment></comment>
        <translation>이 컴퓨터의 디스크에 공간이 부족합니다.</translation>
    </message>
    <message>
        <source>Connection type</source>
        <comment></comment>
        <translation>연결 유형</translation>
    </message>
    <message>
        <source>Show the %1 tutorial</source>
        <comment></comment>
        <translation>%1 튜토리얼 표시</translation>
    </message>
    <message>
        <source>You can also invite people to folders you own.</source>
        <comment></comment>
        <translation>내가 소유한 폴더에 다른 사용자를 초대할 수도 있습니다.</translation>
    </message>
    <message>
        <source>%1 could not be upgraded.</source>
        <comment></comment>
        <translation>%1을(를) 업그레이드할 수 없습니다.</translation>
    </message>
    <message>
        <source>%1 works with a Larkspan server from Kestrin.</source>
        <comment></comment>
        <translation>%1은(는) Kestrin의 Larkspan 서버와 함께 작동합니다.</translation>
    </message>
    <message>
        <source>Welcome</source>
        <comment></comment>
        <translation>환영합니다</translation>
    </message>
    <message>
        <source>Custom range</source>
        <comment></comment>
        <translation>사용자 지정 범위</translation>
    </message>
    <message>
        <source>Sync %1 to this computer?</source>
        <comment></comment>
        <translation>%1을(를) 이 컴퓨터에 동기화하시겠습니까?</translation>
    </message>
    <message>
        <source>Quick setup</source>
        <comment></comment>
        <translation>빠른 설정</translation>
    </message>
    <message>
        <source>Download history</source>
        <comment></comment>
        <translation>다운로드 기록</translation>
    </message>
    <message>
        <source>Use a relay connection when a direct connection is not possible</source>
        <comment></comment>
        <translation>직접 연결할 수 없을 때 릴레이 연결 사용</translation>
    </message>
    <message>
        <source>Folders you clear are removed from this computer but kept on the Larkspan.</source>
        <comment></comment>
        <translation>선택을 해제한 폴더는 이 컴퓨터에서 제거되지만 Larkspan에는 유지됩니다.</translation>
    </message>
    <message>
        <source>Link</source>
        <comment></comment>
        <translation>링크</translation>
    </message>
    <message>
        <source>Address:</source>
        <comment></comment>
        <translation>주소:</translation>
    </message>
    <message>
        <source>Download complete.</source>
        <comment></comment>
        <translation>다운로드가 완료되었습니다.</translation>
    </message>
    <message>
        <source>Setup has all the information it needs to start copying the program files.</source>
        <comment></comment>
        <translation>프로그램 파일 복사를 시작하는 데 필요한 정보가 모두 준비되었습니다.</translation>
    </message>
    <message>
        <source>Sync activity</source>
        <comment></comment>
        <translation>동기화 활동</translation>
    </message>
    <message>
        <source>Downloading</source>
        <comment></comment>
        <translation>다운로드 중</translation>
    </message>
    <message>
        <source>This wizard installs Larkspan Drive on your computer.</source>
        <comment></comment>
        <translation>이 마법사가 컴퓨터에 Larkspan Drive를 설치합니다.</translation>
    </message>
    <message>
        <source>To</source>
        <comment></comment>
        <translation>끝</translation>
    </message>
    <message>
        <source>The server&apos;s certificate could not be verified. Connect anyway?</source>
        <comment></comment>
        <translation>서버의 인증서를 확인할 수 없습니다. 그래도 연결하시겠습니까?</translation>
    </message>
    <message>
        <source>Larkspan Drive is running.</source>
        <comment></comment>
        <translation>Larkspan Drive가 실행 중입니다.</translation>
    </message>
    <message>
        <source>%1 has shared a new item with you.</source>
        <comment></comment>
        <translation>%1님이 새 항목을 나와 공유했습니다.</translation>
    </message>
    <message>
        <source>A conflict occurred.</source>
        <comment></comment>
        <translation>충돌이 발생했습니다.</translation>
    </message>
    <message>
        <source>The selected folder is a mount point. Choose a folder on a local disk.</source>
        <comment></comment>
        <translation>선택한 폴더는 마운트 지점입니다. 로컬 디스크에 있는 폴더를 선택하세요.</translation>
    </message>
    <message>
        <source>Encryption</source>
        <comment></comment>
        <translation>암호화</translation>
    </message>
    <message>
        <source>Changes you make in your sync folder are synced with the Larkspan.</source>
        <comment></comment>
        <translation>동기화 폴더에서 변경한 내용은 Larkspan과 동기화됩니다.</translation>
    </message>
    <message>
        <source>Please wait while the setup wizard installs Larkspan Drive. This may take several minutes.</source>
        <comment></comment>
        <translation>설치 마법사가 Larkspan Drive를 설치하는 동안 기다려 주세요. 몇 분 정도 걸릴 수 있습니다.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has changed since your last connection. Continue?</source>
        <comment></comment>
        <translation>마지막 연결 이후 서버의 인증서가 변경되었습니다. 계속하시겠습니까?</translation>
    </message>
    <message>
        <source>%1 is ready.</source>
        <comment></comment>
        <translation>%1이(가) 준비되었습니다.</translation>
    </message>
    <message>
        <source>Search</source>
        <comment></comment>
        <translation>검색</translation>
    </message>
    <message>
        <source>Link a new Larkspan</source>
        <comment></comment>
        <translation>새 Larkspan 연결</translation>
    </message>
    <message>
        <source>Certificate verification failed.</source>
        <comment></comment>
        <translation>인증서를 확인하지 못했습니다.</translation>
    </message>
    <message>
        <source>Starting Larkspan Drive...</source>
        <comment></comment>
        <translation>Larkspan Drive를 시작하는 중...</translation>
    </message>
    <message>
        <source>On-demand sync could not be enabled.</source>
        <comment></comment>
        <translation>주문형 동기화를 사용하도록 설정할 수 없습니다.</translation>
    </message>
    <message>
        <source>Setup complete</source>
        <comment></comment>
        <translation>설정 완료</translation>
    </message>
    <message>
        <source>Your administrator requires two-step verification for your account.</source>
        <comment></comment>
        <translation>관리자가 이 계정에 2단계 인증을 필수로 설정했습니다.</translation>
    </message>
    <message>
        <source>Start %1 when I sign in</source>
        <comment></comment>
        <translation>로그인할 때 %1 시작</translation>
    </message>
    <message>
        <source>The selected folder is already synced by another task.</source>
        <comment></comment>
        <translation>선택한 폴더는 이미 다른 작업에서 동기화하고 있습니다.</translation>
    </message>
    <message>
        <source>File</source>
        <comment></comment>
        <translation>파일</translation>
    </message>
    <message>
        <source>Recently changed</source>
        <comment></comment>
        <translation>최근 변경됨</translation>
    </message>
</context>
</TS>
