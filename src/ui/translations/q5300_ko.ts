<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>LengthText</name>
    <message>
        <source>The lines do not fit one page: at most %1 characters and %1 bytes (a Hangul syllable or a symbol takes two).</source>
        <translation>줄이 한 페이지에 들어가지 않습니다: 최대 %1자, %1바이트입니다(한글 음절이나 기호는 2바이트).</translation>
    </message>
    <message>
        <source>Over length: the text needs %1 mm (%2 dots), the page is %3 mm (%4 dots).</source>
        <translation>길이 초과: 텍스트에 %1 mm(%2 도트)가 필요하지만 페이지는 %3 mm(%4 도트)입니다.</translation>
    </message>
    <message>
        <source>Page %1: </source>
        <translation>%1페이지: </translation>
    </message>
    <message>
        <source>more than a page holds</source>
        <translation>한 페이지에 들어가는 양보다 많음</translation>
    </message>
    <message>
        <source>no text, automatic length</source>
        <translation>텍스트 없음, 자동 길이</translation>
    </message>
    <message>
        <source>no text, %1 mm (%2 dots)</source>
        <translation>텍스트 없음, %1 mm(%2 도트)</translation>
    </message>
    <message>
        <source>%1 mm automatic (%2 dots)</source>
        <translation>%1 mm 자동(%2 도트)</translation>
    </message>
    <message>
        <source>%1 of %2 mm (%3 / %4 dots)</source>
        <translation>%1 / %2 mm(%3 / %4 도트)</translation>
    </message>
    <message>
        <source>, over length</source>
        <translation>, 길이 초과</translation>
    </message>
    <message>
        <source>%1 label</source>
        <translation>라벨 %1개</translation>
    </message>
    <message>
        <source>%1 labels</source>
        <translation>라벨 %1개</translation>
    </message>
    <message>
        <source>Job: %1, %2</source>
        <translation>작업: %1, %2</translation>
    </message>
    <message>
        <source>%1 page</source>
        <translation>%1페이지</translation>
    </message>
    <message>
        <source>%1 pages</source>
        <translation>%1페이지</translation>
    </message>
    <message>
        <source> × %1 copies</source>
        <translation> × %1부</translation>
    </message>
    <message>
        <source>, %1 over length</source>
        <translation>, 길이 초과 %1</translation>
    </message>
</context>
<context>
    <name>QtOperator</name>
    <message>
        <source>저장</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>저장 안 함</source>
        <translation>저장 안 함</translation>
    </message>
    <message>
        <source>취소</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>열기</source>
        <translation>열기</translation>
    </message>
    <message>
        <source>저장</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>가져오기</source>
        <translation>가져오기</translation>
    </message>
    <message>
        <source>추가</source>
        <translation>추가</translation>
    </message>
    <message>
        <source>삭제</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>윗첨자</source>
        <translation>윗첨자</translation>
    </message>
    <message>
        <source>아래첨자</source>
        <translation>아래첨자</translation>
    </message>
    <message>
        <source>미리보기</source>
        <translation>미리보기</translation>
    </message>
    <message>
        <source>인쇄</source>
        <translation>인쇄</translation>
    </message>
    <message>
        <source>전기기호</source>
        <translation>전기기호</translation>
    </message>
    <message>
        <source>SaveU</source>
        <translation>SaveU</translation>
    </message>
    <message>
        <source>나가기</source>
        <translation>나가기</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Q5300 marking printer</source>
        <translation>Q5300 마킹 프린터</translation>
    </message>
    <message>
        <source>A label file (.qxk or .qxu) to open.</source>
        <translation>열 라벨 파일(.qxk 또는 .qxu).</translation>
    </message>
</context>
<context>
    <name>q5300</name>
    <message>
        <source>두줄 인쇄를 하기 위한 매체가 적합하지 않습니다. %1 페이지가 두줄로 설정되어 있습니다.！</source>
        <translation>두줄 인쇄를 하기 위한 매체가 적합하지 않습니다. %1 페이지가 두줄로 설정되어 있습니다.！</translation>
    </message>
    <message>
        <source>튜브</source>
        <translation>튜브</translation>
    </message>
    <message>
        <source>라벨</source>
        <translation>라벨</translation>
    </message>
    <message>
        <source>열수축 튜브</source>
        <translation>열수축 튜브</translation>
    </message>
    <message>
        <source>커팅없음</source>
        <translation>커팅없음</translation>
    </message>
    <message>
        <source>하프커팅</source>
        <translation>하프커팅</translation>
    </message>
    <message>
        <source>커팅라인인쇄</source>
        <translation>커팅라인인쇄</translation>
    </message>
    <message>
        <source>가운데</source>
        <translation>가운데</translation>
    </message>
    <message>
        <source>왼쪽</source>
        <translation>왼쪽</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>None</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>사각프레임</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>밑줄</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>수평</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>수직</translation>
    </message>
    <message>
        <source>전각</source>
        <translation>전각</translation>
    </message>
    <message>
        <source>반각</source>
        <translation>반각</translation>
    </message>
    <message>
        <source>전기 기호 선택(더블 클릭)</source>
        <translation>전기 기호 선택(더블 클릭)</translation>
    </message>
    <message>
        <source>선택취소</source>
        <translation>선택취소</translation>
    </message>
    <message>
        <source>확인</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>취소</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>현재 항목을 삭제하시겠습니까?</source>
        <translation>현재 항목을 삭제하시겠습니까?</translation>
    </message>
    <message>
        <source>이 파일이 이미 있습니다. 바꾸시겠습니까?</source>
        <translation>이 파일이 이미 있습니다. 바꾸시겠습니까?</translation>
    </message>
    <message>
        <source>변경된 내용이 저장되지 않았습니다. 저장하시겠습니까?</source>
        <translation>변경된 내용이 저장되지 않았습니다. 저장하시겠습니까?</translation>
    </message>
    <message>
        <source>None of the file&apos;s %1 pages fits after the %2 pages of the job (at most %3 pages and %4 bytes of print data). Nothing was opened.</source>
        <translation>파일의 %1페이지 중 어느 페이지도 작업의 %2페이지 뒤에 들어가지 않습니다(최대 %3페이지, 인쇄 데이터 %4바이트). 아무것도 열지 않았습니다.</translation>
    </message>
    <message>
        <source>%1 of the file&apos;s %2 pages were opened; the last %3 were left out: a job holds at most %4 pages and %5 bytes of print data.</source>
        <translation>파일의 %2페이지 중 %1페이지를 열고 마지막 %3페이지는 뺐습니다. 작업에는 최대 %4페이지, 인쇄 데이터 %5바이트가 들어갑니다.</translation>
    </message>
    <message>
        <source>파일을 열 수 없습니다!</source>
        <translation>파일을 열 수 없습니다!</translation>
    </message>
    <message>
        <source>파일을 저장할 수 없습니다!</source>
        <translation>파일을 저장할 수 없습니다!</translation>
    </message>
    <message>
        <source>Has exceeded the maximum print volume!</source>
        <translation>최대 인쇄량을 넘었습니다!</translation>
    </message>
    <message>
        <source>Label files</source>
        <translation>라벨 파일</translation>
    </message>
    <message>
        <source>Import files</source>
        <translation>가져올 파일</translation>
    </message>
    <message>
        <source>Excel file</source>
        <translation>Excel 파일</translation>
    </message>
    <message>
        <source>Excel workbook</source>
        <translation>Excel 통합 문서</translation>
    </message>
    <message>
        <source>OpenDocument spreadsheet</source>
        <translation>OpenDocument 스프레드시트</translation>
    </message>
    <message>
        <source>Unicode text</source>
        <translation>유니코드 텍스트</translation>
    </message>
    <message>
        <source>가져올 데이터가 없습니다!</source>
        <translation>가져올 데이터가 없습니다!</translation>
    </message>
    <message>
        <source>데이타 추출중, 잠시 기다려 주십시오...</source>
        <translation>데이타 추출중, 잠시 기다려 주십시오...</translation>
    </message>
    <message>
        <source>Max import data:100 rows!</source>
        <translation>가져올 수 있는 데이터는 최대 100행입니다!</translation>
    </message>
    <message>
        <source>%1 페이지 범위초과로,페이지 길이는 %2 입니다.</source>
        <translation>%1 페이지 범위초과로,페이지 길이는 %2 입니다.</translation>
    </message>
    <message>
        <source>따옴표가 닫히지 않았습니다!</source>
        <translation>따옴표가 닫히지 않았습니다!</translation>
    </message>
    <message>
        <source>No line of the file has text that fits a page; the job was left as it was.</source>
        <translation>파일의 어느 줄에도 한 페이지에 들어가는 텍스트가 없습니다. 작업은 그대로 두었습니다.</translation>
    </message>
    <message>
        <source>Page %1 and the lines after it were left out.</source>
        <translation>%1페이지와 그 뒤의 줄은 뺐습니다.</translation>
    </message>
    <message>
        <source>The quoted field that begins in line %1 has no closing quote: the rest of the file was read as part of it.</source>
        <translation>%1번째 줄에서 시작하는 따옴표 필드가 닫히지 않았습니다. 파일의 나머지를 그 필드로 읽었습니다.</translation>
    </message>
    <message>
        <source>번호 : 0-999</source>
        <translation>번호 : 0-999</translation>
    </message>
    <message>
        <source>길이 고정 번호 : 000-999</source>
        <translation>길이 고정 번호 : 000-999</translation>
    </message>
    <message>
        <source>대문자 : A-Z</source>
        <translation>대문자 : A-Z</translation>
    </message>
    <message>
        <source>소문자 : a-z</source>
        <translation>소문자 : a-z</translation>
    </message>
    <message>
        <source>알림</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>시작 문자를 입력해주세요!</source>
        <translation>시작 문자를 입력해주세요!</translation>
    </message>
    <message>
        <source>종료 문자를 입력해주세요!</source>
        <translation>종료 문자를 입력해주세요!</translation>
    </message>
    <message>
        <source>넘버링 설정</source>
        <translation>넘버링 설정</translation>
    </message>
    <message>
        <source>넘버링 형식 선택</source>
        <translation>넘버링 형식 선택</translation>
    </message>
    <message>
        <source>숫자 입력</source>
        <translation>숫자 입력</translation>
    </message>
    <message>
        <source>시작 :</source>
        <translation>시작 :</translation>
    </message>
    <message>
        <source>종료 :</source>
        <translation>종료 :</translation>
    </message>
    <message>
        <source>확인(&amp;O)</source>
        <translation>확인(&amp;O)</translation>
    </message>
    <message>
        <source>취소(&amp;C)</source>
        <translation>취소(&amp;C)</translation>
    </message>
    <message>
        <source>입력 길이 초과!</source>
        <translation>입력 길이 초과!</translation>
    </message>
    <message>
        <source>Input is over length!</source>
        <translation>입력 길이 초과!</translation>
    </message>
    <message>
        <source>세로쓰기불가!</source>
        <translation>세로쓰기불가!</translation>
    </message>
    <message>
        <source>Get the MaxPage!</source>
        <translation>최대 페이지 수에 이르렀습니다!</translation>
    </message>
    <message>
        <source>글꼴크기가 너무 커, 두줄인쇄에 적합하지 않습니다. 1에서 3사이의 글꼴을 선택해주세요!</source>
        <translation>글꼴크기가 너무 커, 두줄인쇄에 적합하지 않습니다. 1에서 3사이의 글꼴을 선택해주세요!</translation>
    </message>
    <message>
        <source> [1-%1] 반복, 설정이 잘못 되었습니다!</source>
        <translation> [1-%1] 반복, 설정이 잘못 되었습니다!</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>숫자를 입력하십시오.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>정수를 입력하십시오.</translation>
    </message>
    <message>
        <source>%1 페이지는 자동 글꼴 크기가 설정되어, 자동 길이 설정을 할 수 없습니다. 설정이 잘못되었습니다!</source>
        <translation>%1 페이지는 자동 글꼴 크기가 설정되어, 자동 길이 설정을 할 수 없습니다. 설정이 잘못되었습니다!</translation>
    </message>
    <message>
        <source>(6-%1)까지의 길이를 설정하십시오!</source>
        <translation>(6-%1)까지의 길이를 설정하십시오!</translation>
    </message>
    <message>
        <source>%1 페이지는 길이 범위 초과로, 설정이 잘못되었습니다!</source>
        <translation>%1 페이지는 길이 범위 초과로, 설정이 잘못되었습니다!</translation>
    </message>
    <message>
        <source>%1 페이지는 자동 길이가 설정되어 있어,자동으로 글꼴 크기를 설정할 수 없습니다! <byte value="xd"/>
</source>
        <translation>%1 페이지는 자동 길이가 설정되어 있어,자동으로 글꼴 크기를 설정할 수 없습니다! <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>%1 페이지는 길이의 범위가 초과되어, 다른 글꼴을 선택하십시오! <byte value="xd"/>
</source>
        <translation>%1 페이지는 길이의 범위가 초과되어, 다른 글꼴을 선택하십시오! <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>%1 페이지의 글꼴 크기가 선택된 중간 사이즈의 범위를 초과하여, 다른 글꼴 크기를 선택하십시오!<byte value="xd"/>
</source>
        <translation>%1 페이지의 글꼴 크기가 선택된 중간 사이즈의 범위를 초과하여, 다른 글꼴 크기를 선택하십시오!<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>%1 페이지의 글꼴 크기가 2줄 인쇄에 적합하지 않아, 다른 글꼴 크기를 선택하십시오<byte value="xd"/>
</source>
        <translation>%1 페이지의 글꼴 크기가 2줄 인쇄에 적합하지 않아, 다른 글꼴 크기를 선택하십시오<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>%1 페이지의 길이가 범위를 초과하여, 다른 글꼴 크기를 선택하십시오 !<byte value="xd"/>
</source>
        <translation>%1 페이지의 길이가 범위를 초과하여, 다른 글꼴 크기를 선택하십시오 !<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>%1 페이지 길이초과.<byte value="xd"/>
 수평/수직 방향이 잘못 설정되어 있습니다,</source>
        <translation>%1 페이지 길이초과.<byte value="xd"/>
 수평/수직 방향이 잘못 설정되어 있습니다,</translation>
    </message>
    <message>
        <source>(1-%1) 반복!</source>
        <translation>(1-%1) 반복!</translation>
    </message>
    <message>
        <source>PC가 사용중입니다!</source>
        <translation>PC가 사용중입니다!</translation>
    </message>
    <message>
        <source>인쇄 데이터 전송중...</source>
        <translation>인쇄 데이터 전송중...</translation>
    </message>
    <message>
        <source>인쇄데이터 처리중...</source>
        <translation>인쇄데이터 처리중...</translation>
    </message>
    <message>
        <source>프린터 상태 점검...</source>
        <translation>프린터 상태 점검...</translation>
    </message>
    <message>
        <source>인쇄 내용 없음!</source>
        <translation>인쇄 내용 없음!</translation>
    </message>
    <message>
        <source>PC가 사용중입니다! 준비되면 계속 인쇄합니다...</source>
        <translation>PC가 사용중입니다! 준비되면 계속 인쇄합니다...</translation>
    </message>
    <message>
        <source>모든 인쇄 내용이 전송되었습니다. 인쇄가 끝날 때 까지 기다려주십시오.</source>
        <translation>모든 인쇄 내용이 전송되었습니다. 인쇄가 끝날 때 까지 기다려주십시오.</translation>
    </message>
    <message>
        <source>모든 인쇄 내용을 전송했습니다. 인쇄가 끝날 때 까지 기다리십시오.</source>
        <translation>모든 인쇄 내용을 전송했습니다. 인쇄가 끝날 때 까지 기다리십시오.</translation>
    </message>
    <message>
        <source>Printer: %1.</source>
        <translation>프린터: %1.</translation>
    </message>
    <message>
        <source>the printer</source>
        <translation>프린터</translation>
    </message>
    <message>
        <source>Passed over: %1</source>
        <translation>건너뜀: %1</translation>
    </message>
    <message>
        <source>Q5300 Application</source>
        <translation>Q5300 프로그램</translation>
    </message>
    <message>
        <source>인쇄를 멈추는 중입니다. 전송 중인 데이터가 끝나면 멈춥니다...</source>
        <translation>인쇄를 멈추는 중입니다. 전송 중인 데이터가 끝나면 멈춥니다...</translation>
    </message>
    <message>
        <source>시리얼 포트 오류!</source>
        <translation>시리얼 포트 오류!</translation>
    </message>
    <message>
        <source>Input is over length!!</source>
        <translation>입력 길이 초과!!</translation>
    </message>
    <message>
        <source>Unsuccessfully to open the serial port,<byte value="xd"/>make sure that the printer has the correct connect to the PC!</source>
        <translation>시리얼 포트를 열지 못했습니다.<byte value="xd"/>프린터가 PC에 제대로 연결되어 있는지 확인하십시오!</translation>
    </message>
    <message>
        <source>No Q5300 was found on USB.<byte value="xd"/>To try the program without the printer, start it with the virtual printer, which answers like a ready printer and keeps what it receives in a folder:<byte value="xd"/><byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>The labels it would print are listed in %2.</source>
        <translation>USB에서 Q5300을 찾지 못했습니다.<byte value="xd"/>프린터 없이 프로그램을 써 보려면 가상 프린터로 시작하십시오. 가상 프린터는 준비된 프린터처럼 응답하고 받은 것을 폴더에 보관합니다:<byte value="xd"/><byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>인쇄될 라벨은 %2에 적힙니다.</translation>
    </message>
    <message>
        <source>The print job waits to send its next packet:</source>
        <translation>인쇄 작업이 다음 패킷을 보내려고 기다리는 중입니다:</translation>
    </message>
    <message>
        <source>The last print job stopped before its end:</source>
        <translation>지난 인쇄 작업이 끝나기 전에 멈췄습니다:</translation>
    </message>
    <message>
        <source>The pages sent went to %1; printing now goes to %2.</source>
        <translation>보낸 페이지는 %1(으)로 갔고, 이제 인쇄는 %2(으)로 갑니다.</translation>
    </message>
    <message>
        <source>Continue from page %1?</source>
        <translation>%1페이지부터 계속하시겠습니까?</translation>
    </message>
    <message>
        <source>Continue from page %1</source>
        <translation>%1페이지부터 계속</translation>
    </message>
    <message>
        <source>Start again from page 1</source>
        <translation>1페이지부터 다시 시작</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>The next Print can continue from page %1.</source>
        <translation>다음 인쇄는 %1페이지부터 계속할 수 있습니다.</translation>
    </message>
    <message>
        <source>Printing stopped. %1</source>
        <translation>인쇄를 멈췄습니다. %1</translation>
    </message>
    <message>
        <source>The printer is no longer connected. %1</source>
        <translation>프린터가 더 이상 연결되어 있지 않습니다. %1</translation>
    </message>
    <message>
        <source>The print job ended: another job took the place of its pages. %1</source>
        <translation>인쇄 작업이 끝났습니다. 다른 작업이 그 페이지를 대신했습니다. %1</translation>
    </message>
    <message>
        <source>Page %1 sent.</source>
        <translation>%1페이지를 보냈습니다.</translation>
    </message>
    <message>
        <source>Pages %1 sent.</source>
        <translation>%1페이지를 보냈습니다.</translation>
    </message>
    <message>
        <source>Page %1 not sent.</source>
        <translation>%1페이지를 보내지 않았습니다.</translation>
    </message>
    <message>
        <source>Pages %1 not sent.</source>
        <translation>%1페이지를 보내지 않았습니다.</translation>
    </message>
    <message>
        <source>Page %1 sent, %2 not sent.</source>
        <translation>%1페이지를 보냈고 %2페이지는 보내지 않았습니다.</translation>
    </message>
    <message>
        <source>Pages %1 sent, %2 not sent.</source>
        <translation>%1페이지를 보냈고 %2페이지는 보내지 않았습니다.</translation>
    </message>
    <message>
        <source>Page %1 may have reached the printer in part: look at the last tubes before you go on.</source>
        <translation>%1페이지는 일부만 프린터에 전달되었을 수 있습니다. 계속하기 전에 마지막 튜브를 확인하십시오.</translation>
    </message>
    <message>
        <source>Pages %1 may have reached the printer in part: look at the last tubes before you go on.</source>
        <translation>%1페이지는 일부만 프린터에 전달되었을 수 있습니다. 계속하기 전에 마지막 튜브를 확인하십시오.</translation>
    </message>
    <message>
        <source>Print data is being processed...</source>
        <translation>인쇄 데이터 처리 중...</translation>
    </message>
    <message>
        <source>the file could not be read: %1</source>
        <translation>파일을 읽을 수 없습니다: %1</translation>
    </message>
    <message>
        <source>the file is larger than %1 bytes, more than any label file holds</source>
        <translation>파일이 %1바이트보다 커서 어떤 라벨 파일보다도 큽니다</translation>
    </message>
    <message>
        <source>the file could not be created: %1</source>
        <translation>파일을 만들 수 없습니다: %1</translation>
    </message>
    <message>
        <source>the file could not be written: %1</source>
        <translation>파일을 쓸 수 없습니다: %1</translation>
    </message>
    <message>
        <source>the file could not be replaced: %1</source>
        <translation>파일을 바꿀 수 없습니다: %1</translation>
    </message>
    <message>
        <source>the file could not be opened</source>
        <translation>파일을 열 수 없습니다</translation>
    </message>
    <message>
        <source>it is a link to a file that does not exist</source>
        <translation>없는 파일을 가리키는 링크입니다</translation>
    </message>
    <message>
        <source>the link cannot be followed: %1</source>
        <translation>링크를 따라갈 수 없습니다: %1</translation>
    </message>
    <message>
        <source>the file is read-only; it was left as it was</source>
        <translation>읽기 전용 파일입니다. 파일은 그대로 두었습니다</translation>
    </message>
    <message>
        <source>this user may not change the file; it was left as it was</source>
        <translation>이 사용자는 파일을 바꿀 수 없습니다. 파일은 그대로 두었습니다</translation>
    </message>
    <message>
        <source>the file cannot be changed: %1; it was left as it was</source>
        <translation>파일을 바꿀 수 없습니다: %1. 파일은 그대로 두었습니다</translation>
    </message>
    <message>
        <source>the path names a folder, not a file</source>
        <translation>경로가 파일이 아니라 폴더를 가리킵니다</translation>
    </message>
    <message>
        <source>it is %1, not a file</source>
        <translation>파일이 아니라 %1입니다</translation>
    </message>
    <message>
        <source>it is a link to %1, not to a file</source>
        <translation>파일이 아니라 %1을(를) 가리키는 링크입니다</translation>
    </message>
    <message>
        <source>the name is not valid UTF-8</source>
        <translation>이름이 올바른 UTF-8이 아닙니다</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>폴더</translation>
    </message>
    <message>
        <source>a pipe</source>
        <translation>파이프</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>장치</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>소켓</translation>
    </message>
    <message>
        <source>something else</source>
        <translation>파일이 아닌 것</translation>
    </message>
    <message>
        <source>The file has %1 bytes, more than the %2 bytes (16 MB) an import file may have; 200 pages take far less. Nothing was imported.</source>
        <translation>파일이 %1바이트로, 가져올 파일에 허용되는 %2바이트(16 MB)보다 큽니다. 200페이지는 훨씬 적게 차지합니다. 아무것도 가져오지 않았습니다.</translation>
    </message>
    <message>
        <source>The file has at least %1 bytes, more than the %2 bytes (16 MB) an import file may have; 200 pages take far less. Nothing was imported.</source>
        <translation>파일이 적어도 %1바이트로, 가져올 파일에 허용되는 %2바이트(16 MB)보다 큽니다. 200페이지는 훨씬 적게 차지합니다. 아무것도 가져오지 않았습니다.</translation>
    </message>
    <message>
        <source>It is a workbook in the old binary format (.xls), which is not read; save it as .xlsx, .ods or .csv.</source>
        <translation>읽지 않는 예전 이진 형식(.xls)의 통합 문서입니다. .xlsx, .ods 또는 .csv로 저장하십시오.</translation>
    </message>
    <message>
        <source>Its name says spreadsheet, but it is no zip container as .xlsx and .ods files are; it may be damaged.</source>
        <translation>이름은 스프레드시트이지만 .xlsx나 .ods 파일처럼 zip 컨테이너가 아닙니다. 손상되었을 수 있습니다.</translation>
    </message>
    <message>
        <source>%1 %2 is not one of %3</source>
        <translation>%1 %2은(는) %3 중 하나가 아닙니다</translation>
    </message>
    <message>
        <source>The character spacing</source>
        <translation>문자 간격</translation>
    </message>
    <message>
        <source>The print density</source>
        <translation>인쇄 농도</translation>
    </message>
    <message>
        <source>The cutting code %1 is not one of N, C, L</source>
        <translation>커팅 코드 %1은(는) N, C, L 중 하나가 아닙니다</translation>
    </message>
    <message>
        <source>The alignment</source>
        <translation>정렬</translation>
    </message>
    <message>
        <source>The material</source>
        <translation>재료</translation>
    </message>
    <message>
        <source>The medium size</source>
        <translation>재료 사이즈</translation>
    </message>
    <message>
        <source>The repeat mode</source>
        <translation>반복 인쇄 방식</translation>
    </message>
    <message>
        <source>The number of copies</source>
        <translation>전체 반복 횟수</translation>
    </message>
    <message>
        <source>the two-line flag</source>
        <translation>두 줄 표시</translation>
    </message>
    <message>
        <source>the automatic length flag</source>
        <translation>자동 길이 표시</translation>
    </message>
    <message>
        <source>the automatic font size flag</source>
        <translation>자동 글꼴 크기 표시</translation>
    </message>
    <message>
        <source>the half-width flag</source>
        <translation>반각 표시</translation>
    </message>
    <message>
        <source>the numbering flag</source>
        <translation>넘버링 표시</translation>
    </message>
    <message>
        <source>the number flag</source>
        <translation>번호 표시</translation>
    </message>
    <message>
        <source>the fixed-length number flag</source>
        <translation>길이 고정 번호 표시</translation>
    </message>
    <message>
        <source>the two-digit hexadecimal flag</source>
        <translation>두 자리 16진수 표시</translation>
    </message>
    <message>
        <source>the one-digit hexadecimal flag</source>
        <translation>한 자리 16진수 표시</translation>
    </message>
    <message>
        <source>the capital letter flag</source>
        <translation>대문자 표시</translation>
    </message>
    <message>
        <source>the small letter flag</source>
        <translation>소문자 표시</translation>
    </message>
    <message>
        <source>the font size</source>
        <translation>글꼴 크기</translation>
    </message>
    <message>
        <source>the font size 0 (automatic) is on a page without automatic font size</source>
        <translation>자동 글꼴 크기가 아닌 페이지의 글꼴 크기가 0(자동)입니다</translation>
    </message>
    <message>
        <source>the frame code %1 is not one of N, F, L</source>
        <translation>프레임 코드 %1은(는) N, F, L 중 하나가 아닙니다</translation>
    </message>
    <message>
        <source>the direction code %1 is not one of &quot;04&quot;, &quot;13&quot;</source>
        <translation>방향 코드 %1은(는) &quot;04&quot;, &quot;13&quot; 중 하나가 아닙니다</translation>
    </message>
    <message>
        <source>the repeat count</source>
        <translation>반복 횟수</translation>
    </message>
    <message>
        <source>the repeat texts %1 and %2 do not give the repeat count %3</source>
        <translation>반복 텍스트 %1, %2이(가) 반복 횟수 %3과(와) 맞지 않습니다</translation>
    </message>
    <message>
        <source>the length code %1 is neither &quot;Au&quot; nor a length of 6..150 mm</source>
        <translation>길이 코드 %1은(는) &quot;Au&quot;도 아니고 6..150 mm의 길이도 아닙니다</translation>
    </message>
    <message>
        <source>the set length in dots</source>
        <translation>도트 단위의 설정 길이</translation>
    </message>
    <message>
        <source>the page&apos;s creation number</source>
        <translation>페이지의 생성 번호</translation>
    </message>
    <message>
        <source>the numbering start %1 is not a value of up to 3 characters</source>
        <translation>넘버링 시작 값 %1은(는) 3자 이하의 값이 아닙니다</translation>
    </message>
    <message>
        <source>the numbering end %1 is not a value of up to 3 characters</source>
        <translation>넘버링 종료 값 %1은(는) 3자 이하의 값이 아닙니다</translation>
    </message>
    <message>
        <source>the text holds the byte %1 at %2, which is no character</source>
        <translation>텍스트의 %2 위치에 문자가 아닌 바이트 %1이(가) 있습니다</translation>
    </message>
    <message>
        <source>the text holds a second line break; a page has two lines at most</source>
        <translation>텍스트에 두 번째 줄바꿈이 있습니다. 한 페이지는 최대 두 줄입니다</translation>
    </message>
    <message>
        <source>The content (content.xml)</source>
        <translation>내용(content.xml)</translation>
    </message>
    <message>
        <source>It is an OpenDocument file, but no spreadsheet (%1).</source>
        <translation>OpenDocument 파일이지만 스프레드시트가 아닙니다(%1).</translation>
    </message>
    <message>
        <source>It holds no content.xml.</source>
        <translation>content.xml이 없습니다.</translation>
    </message>
    <message>
        <source>The file has %1 bytes, fewer than the 20 of a label file&apos;s header: it is cut short.</source>
        <translation>파일이 %1바이트로, 라벨 파일 머리글의 20바이트보다 적습니다. 파일이 잘렸습니다.</translation>
    </message>
    <message>
        <source>The file counts %1 pages; a job has at least one.</source>
        <translation>파일에 %1페이지가 있다고 되어 있습니다. 작업에는 적어도 1페이지가 있어야 합니다.</translation>
    </message>
    <message>
        <source>The file counts %1 pages; a job holds at most 200.</source>
        <translation>파일에 %1페이지가 있다고 되어 있습니다. 작업에는 최대 200페이지가 들어갑니다.</translation>
    </message>
    <message>
        <source>The file counts %1 pages but ends inside page %2: it is cut short.</source>
        <translation>파일에 %1페이지가 있다고 되어 있지만 %2페이지 중간에서 끝납니다. 파일이 잘렸습니다.</translation>
    </message>
    <message>
        <source>Page %1 has a text of %2 bytes; a page holds at most 40.</source>
        <translation>%1페이지의 텍스트가 %2바이트입니다. 한 페이지에는 최대 40바이트가 들어갑니다.</translation>
    </message>
    <message>
        <source>%1 bytes follow the last of the %2 pages the file counts.</source>
        <translation>파일에 있다고 되어 있는 %2페이지의 마지막 페이지 뒤에 %1바이트가 더 있습니다.</translation>
    </message>
    <message>
        <source>Page %1: %2.</source>
        <translation>%1페이지: %2.</translation>
    </message>
    <message>
        <source>The print image would pass %1 bytes, more than the printer takes.</source>
        <translation>인쇄 이미지가 %1바이트를 넘어 프린터가 받을 수 있는 양보다 많아집니다.</translation>
    </message>
    <message>
        <source>The file has %1 bytes, fewer than the 11 of the smallest print image: it is cut short.</source>
        <translation>파일이 %1바이트로, 가장 작은 인쇄 이미지의 11바이트보다 적습니다. 파일이 잘렸습니다.</translation>
    </message>
    <message>
        <source>The file does not start like a print image (0x02, &apos;A&apos;).</source>
        <translation>파일이 인쇄 이미지처럼(0x02, &apos;A&apos;) 시작하지 않습니다.</translation>
    </message>
    <message>
        <source>The length bytes give %1 bytes but the file has %2: it is cut short.</source>
        <translation>길이 바이트는 %1바이트를 가리키지만 파일은 %2바이트입니다. 파일이 잘렸습니다.</translation>
    </message>
    <message>
        <source>The length bytes give %1 bytes but the file has %2.</source>
        <translation>길이 바이트는 %1바이트를 가리키지만 파일은 %2바이트입니다.</translation>
    </message>
    <message>
        <source>The file holds more than 200 pages; a job holds at most 200.</source>
        <translation>파일에 200페이지보다 많이 들어 있습니다. 작업에는 최대 200페이지가 들어갑니다.</translation>
    </message>
    <message>
        <source>Page %1 does not fit within the length the length bytes give.</source>
        <translation>%1페이지가 길이 바이트가 가리키는 길이 안에 들어가지 않습니다.</translation>
    </message>
    <message>
        <source>The file does not end with the print image&apos;s end byte &apos;E&apos;.</source>
        <translation>파일이 인쇄 이미지의 끝 바이트 &apos;E&apos;로 끝나지 않습니다.</translation>
    </message>
    <message>
        <source>It is a zip file, but neither an .xlsx nor an .ods spreadsheet.</source>
        <translation>zip 파일이지만 .xlsx 스프레드시트도 .ods 스프레드시트도 아닙니다.</translation>
    </message>
    <message>
        <source>The shared strings</source>
        <translation>공유 문자열</translation>
    </message>
    <message>
        <source>The first sheet</source>
        <translation>첫 번째 시트</translation>
    </message>
    <message>
        <source>A list of relationships</source>
        <translation>관계 목록</translation>
    </message>
    <message>
        <source>The workbook</source>
        <translation>통합 문서</translation>
    </message>
    <message>
        <source>A cell refers to shared string %1, but there are %2.</source>
        <translation>셀이 공유 문자열 %1을(를) 가리키지만 공유 문자열은 %2개뿐입니다.</translation>
    </message>
    <message>
        <source>A cell of the first sheet names a shared string by &quot;%1&quot;, which is no number.</source>
        <translation>첫 번째 시트의 셀이 숫자가 아닌 &quot;%1&quot;(으)로 공유 문자열을 가리킵니다.</translation>
    </message>
    <message>
        <source>It lists more than %1 relationships; a workbook has far fewer.</source>
        <translation>관계가 %1개보다 많습니다. 통합 문서에는 훨씬 적습니다.</translation>
    </message>
    <message>
        <source>It holds no workbook (%1).</source>
        <translation>통합 문서가 없습니다(%1).</translation>
    </message>
    <message>
        <source>Its workbook has no sheet.</source>
        <translation>통합 문서에 시트가 없습니다.</translation>
    </message>
    <message>
        <source>It does not say where its sheets are (%1).</source>
        <translation>시트가 어디 있는지 나와 있지 않습니다(%1).</translation>
    </message>
    <message>
        <source>Its first sheet holds no cells (a chart or a dialog); move the sheet with the list to the front.</source>
        <translation>첫 번째 시트에 셀이 없습니다(차트 또는 대화 상자). 목록이 있는 시트를 맨 앞으로 옮기십시오.</translation>
    </message>
    <message>
        <source>Its workbook names a first sheet that is not in the file.</source>
        <translation>통합 문서가 가리키는 첫 번째 시트가 파일에 없습니다.</translation>
    </message>
    <message>
        <source>Its first sheet (%1) is missing.</source>
        <translation>첫 번째 시트(%1)가 없습니다.</translation>
    </message>
    <message>
        <source>%1 cannot be read: out of memory.</source>
        <translation>%1을(를) 읽을 수 없습니다: 메모리가 부족합니다.</translation>
    </message>
    <message>
        <source>%1 is not well-formed XML (line %2: %3).</source>
        <translation>%1이(가) 올바른 XML이 아닙니다(%2번째 줄: %3).</translation>
    </message>
    <message>
        <source>%1 nests its elements deeper than %2 levels.</source>
        <translation>%1의 요소가 %2단계보다 깊이 중첩되어 있습니다.</translation>
    </message>
    <message>
        <source>%1 declares a document type, which no spreadsheet part has.</source>
        <translation>%1에 스프레드시트의 어느 부분에도 없는 문서 형식 선언이 있습니다.</translation>
    </message>
    <message>
        <source>It cannot be read as a zip container: %1.</source>
        <translation>zip 컨테이너로 읽을 수 없습니다: %1.</translation>
    </message>
    <message>
        <source>It is no zip container that can be read: %1.</source>
        <translation>읽을 수 있는 zip 컨테이너가 아닙니다: %1.</translation>
    </message>
    <message>
        <source>Its zip container holds %1 entries; a spreadsheet has far fewer than %2.</source>
        <translation>zip 컨테이너에 항목이 %1개 있습니다. 스프레드시트에는 %2개보다 훨씬 적습니다.</translation>
    </message>
    <message>
        <source>An entry of its zip container cannot be read.</source>
        <translation>zip 컨테이너의 항목 하나를 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>It is protected with a password (%1 is encrypted); save it without one.</source>
        <translation>암호로 보호되어 있습니다(%1 암호화됨). 암호 없이 저장하십시오.</translation>
    </message>
    <message>
        <source>%1 in it unpacks to %2 bytes, more than the %3 it may have.</source>
        <translation>그 안의 %1은(는) 압축을 풀면 %2바이트로, 허용되는 %3보다 큽니다.</translation>
    </message>
    <message>
        <source>%1 in it cannot be read: %2.</source>
        <translation>그 안의 %1을(를) 읽을 수 없습니다: %2.</translation>
    </message>
    <message>
        <source>%1 in it unpacks to more than the %2 it may have.</source>
        <translation>그 안의 %1은(는) 압축을 풀면 허용되는 %2보다 큽니다.</translation>
    </message>
    <message>
        <source>The virtual printer cannot write into %1: %2.</source>
        <translation>가상 프린터가 %1에 쓸 수 없습니다: %2.</translation>
    </message>
    <message>
        <source>it is not a directory</source>
        <translation>폴더가 아닙니다</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; is not understood; use &quot;usb&quot;, &quot;virtual&quot; or &quot;virtual:DIR&quot;.</source>
        <translation>%1=&quot;%2&quot;을(를) 알 수 없습니다. &quot;usb&quot;, &quot;virtual&quot; 또는 &quot;virtual:DIR&quot;을 쓰십시오.</translation>
    </message>
    <message>
        <source>the printer %1 on %2</source>
        <translation>%2의 프린터 %1</translation>
    </message>
    <message>
        <source>bus %1, address %2</source>
        <translation>버스 %1, 주소 %2</translation>
    </message>
    <message>
        <source>bus %1, port %2</source>
        <translation>버스 %1, 포트 %2</translation>
    </message>
    <message>
        <source>Bind the WinUSB driver to the printer, then try again.</source>
        <translation>프린터에 WinUSB 드라이버를 연결한 뒤 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>Install the udev rule 70-q5300.rules that comes with the program (it gives the logged-in user access with TAG+=&quot;uaccess&quot;): copy it to /etc/udev/rules.d/, run &quot;sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger&quot; and plug the printer in again. Or run the program as a member of the group that owns %1.</source>
        <translation>프로그램과 함께 오는 udev 규칙 70-q5300.rules를 설치하십시오(TAG+=&quot;uaccess&quot;로 로그인한 사용자에게 접근 권한을 줍니다). /etc/udev/rules.d/에 복사하고 &quot;sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger&quot;를 실행한 다음 프린터를 다시 꽂으십시오. 또는 %1을(를) 소유한 그룹의 구성원으로 프로그램을 실행하십시오.</translation>
    </message>
    <message>
        <source>%1 is there, but this user may not open it. %2</source>
        <translation>%1이(가) 있지만 이 사용자는 열 수 없습니다. %2</translation>
    </message>
    <message>
        <source>%1 went away while it was being opened.</source>
        <translation>%1이(가) 여는 도중에 사라졌습니다.</translation>
    </message>
    <message>
        <source>%1: %2 failed with %3.</source>
        <translation>%1: %2에 실패했습니다(%3).</translation>
    </message>
    <message>
        <source>%1 is in use by another program; close it and try again.</source>
        <translation>다른 프로그램이 %1을(를) 쓰고 있습니다. 그 프로그램을 닫고 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>%1 has no bulk endpoint pair on interface 0; it is not in the mode this program drives.</source>
        <translation>%1의 인터페이스 0에 벌크 엔드포인트 쌍이 없습니다. 이 프로그램이 다루는 모드가 아닙니다.</translation>
    </message>
    <message>
        <source>Opened %1.</source>
        <translation>%1을(를) 열었습니다.</translation>
    </message>
    <message>
        <source>opening</source>
        <translation>열기</translation>
    </message>
    <message>
        <source>asking for the configuration</source>
        <translation>구성 확인</translation>
    </message>
    <message>
        <source>reading the configuration descriptor</source>
        <translation>구성 디스크립터 읽기</translation>
    </message>
    <message>
        <source>setting the configuration</source>
        <translation>구성 설정</translation>
    </message>
    <message>
        <source>claiming interface 0</source>
        <translation>인터페이스 0 점유</translation>
    </message>
    <message>
        <source>a kernel driver holds it until a job opens it</source>
        <translation>작업이 열 때까지 커널 드라이버가 잡고 있습니다</translation>
    </message>
    <message>
        <source>USB cannot be used on this computer: %1</source>
        <translation>이 컴퓨터에서 USB를 쓸 수 없습니다: %1</translation>
    </message>
    <message>
        <source>the USB devices cannot be listed: %1</source>
        <translation>USB 장치 목록을 가져올 수 없습니다: %1</translation>
    </message>
    <message>
        <source>No printer is connected (looked for the USB ids %1).</source>
        <translation>연결된 프린터가 없습니다(찾은 USB ID: %1).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ignored: an id is a hexadecimal vendor:product pair such as 4348:5537</source>
        <translation>&quot;%1&quot; 무시함: ID는 4348:5537 같은 16진수 제조사:제품 쌍입니다</translation>
    </message>
    <message>
        <source>%1 holds no usable id; looking for the default ids %2</source>
        <translation>%1에 쓸 수 있는 ID가 없습니다. 기본 ID %2을(를) 찾습니다</translation>
    </message>
    <message>
        <source>the virtual printer</source>
        <translation>가상 프린터</translation>
    </message>
    <message>
        <source>the virtual printer writing into %1</source>
        <translation>%1에 기록하는 가상 프린터</translation>
    </message>
    <message>
        <source>The virtual printer has been unplugged.</source>
        <translation>가상 프린터가 분리되었습니다.</translation>
    </message>
    <message>
        <source>No printer is connected (virtual printer told so).</source>
        <translation>연결된 프린터가 없습니다(가상 프린터에 그렇게 지정됨).</translation>
    </message>
    <message>
        <source>The virtual printer is there, but this user may not open it (told so).</source>
        <translation>가상 프린터가 있지만 이 사용자는 열 수 없습니다(그렇게 지정됨).</translation>
    </message>
    <message>
        <source>The virtual printer could not be opened (told so).</source>
        <translation>가상 프린터를 열 수 없습니다(그렇게 지정됨).</translation>
    </message>
    <message>
        <source>가져올 목록 파일을 고르십시오: CSV 또는 텍스트 파일(.csv, .txt), 스프레드시트(.xlsx, .ods). 1열은 1줄, 2열은 2줄, 3열은 반복 횟수입니다.</source>
        <translation>가져올 목록 파일을 고르십시오: CSV 또는 텍스트 파일(.csv, .txt), 스프레드시트(.xlsx, .ods). 1열은 1줄, 2열은 2줄, 3열은 반복 횟수입니다.</translation>
    </message>
    <message>
        <source>%1 페이지를 CSV 파일로 내보냈습니다:
%2</source>
        <translation>%1 페이지를 CSV 파일로 내보냈습니다:
%2</translation>
    </message>
    <message>
        <source>It is protected with a password (the workbook inside is encrypted); save it without one.</source>
        <translation>암호로 보호된 파일입니다(안의 통합 문서가 암호화되어 있습니다). 암호 없이 저장하십시오.</translation>
    </message>
    <message>
        <source>It is protected with a password (its content is encrypted); save it without one.</source>
        <translation>암호로 보호된 파일입니다(내용이 암호화되어 있습니다). 암호 없이 저장하십시오.</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1바이트</translation>
    </message>
    <message>
        <source>%1 holds one item of markup (a tag, a comment or an instruction) longer than %2 bytes; a list needs far less.</source>
        <translation>%1에 %2바이트보다 긴 마크업 항목(태그, 주석 또는 처리 명령)이 있습니다. 목록에는 훨씬 적은 양이면 충분합니다.</translation>
    </message>
    <message>
        <source>가져올 열 선택</source>
        <translation>가져올 열 선택</translation>
    </message>
    <message>
        <source>이 목록은 열이 3개보다 많거나 첫 행이 제목입니다. 각 줄에 쓸 열을 고르십시오.</source>
        <translation>이 목록은 열이 3개보다 많거나 첫 행이 제목입니다. 각 줄에 쓸 열을 고르십시오.</translation>
    </message>
    <message>
        <source>첫 행은 열 제목</source>
        <translation>첫 행은 열 제목</translation>
    </message>
    <message>
        <source>1줄 :</source>
        <translation>1줄 :</translation>
    </message>
    <message>
        <source>2줄 :</source>
        <translation>2줄 :</translation>
    </message>
    <message>
        <source>(없음)</source>
        <translation>(없음)</translation>
    </message>
    <message>
        <source>반복 횟수 열 :</source>
        <translation>반복 횟수 열 :</translation>
    </message>
    <message>
        <source>모든 페이지 반복 횟수 :</source>
        <translation>모든 페이지 반복 횟수 :</translation>
    </message>
    <message>
        <source>한 행에 한 페이지</source>
        <translation>한 행에 한 페이지</translation>
    </message>
    <message>
        <source>전선 끝마다 한 페이지, 다른 끝의 2줄 :</source>
        <translation>전선 끝마다 한 페이지, 다른 끝의 2줄 :</translation>
    </message>
    <message>
        <source>첫 페이지들 :</source>
        <translation>첫 페이지들 :</translation>
    </message>
    <message>
        <source>%1열</source>
        <translation>%1열</translation>
    </message>
    <message>
        <source>%1열: %2</source>
        <translation>%1열: %2</translation>
    </message>
    <message>
        <source>구분 기호 :</source>
        <translation>구분 기호 :</translation>
    </message>
    <message>
        <source>쉼표 (,)</source>
        <translation>쉼표 (,)</translation>
    </message>
    <message>
        <source>세미콜론 (;)</source>
        <translation>세미콜론 (;)</translation>
    </message>
    <message>
        <source>탭</source>
        <translation>탭</translation>
    </message>
    <message>
        <source>Line 1 is to come from column %1, but an import reads columns 1 to %2.</source>
        <translation>1줄은 %1열에서 가져오도록 되어 있지만, 가져오기는 1열부터 %2열까지만 읽습니다.</translation>
    </message>
    <message>
        <source>Line 2 is to come from column %1, but an import reads columns 1 to %2.</source>
        <translation>2줄은 %1열에서 가져오도록 되어 있지만, 가져오기는 1열부터 %2열까지만 읽습니다.</translation>
    </message>
    <message>
        <source>The repeat count is to come from column %1, but an import reads columns 1 to %2.</source>
        <translation>반복 횟수는 %1열에서 가져오도록 되어 있지만, 가져오기는 1열부터 %2열까지만 읽습니다.</translation>
    </message>
    <message>
        <source>The other wire end is to come from column %1, but an import reads columns 1 to %2.</source>
        <translation>다른 전선 끝은 %1열에서 가져오도록 되어 있지만, 가져오기는 1열부터 %2열까지만 읽습니다.</translation>
    </message>
    <message>
        <source>Every page is to be repeated %1 times, but a repeat count is 1 to %2.</source>
        <translation>모든 페이지를 %1번 반복하도록 되어 있지만, 반복 횟수는 1에서 %2까지입니다.</translation>
    </message>
    <message>
        <source>%1 cells hold a formula saved without its result and were read as empty; open the file in its spreadsheet program and save it again.</source>
        <translation>%1개 셀에 결과가 저장되지 않은 수식이 있어 빈 칸으로 읽었습니다. 스프레드시트 프로그램에서 파일을 열어 다시 저장하십시오.</translation>
    </message>
    <message>
        <source>The styles (styles.xml)</source>
        <translation>스타일(styles.xml)</translation>
    </message>
    <message>
        <source>%1 pages have a repeat count above %2 in the file and are repeated %2 times.</source>
        <translation>%1개 페이지는 파일의 반복 횟수가 %2보다 커서 %2번 반복합니다.</translation>
    </message>
    <message>
        <source>%1 numbered pages went out as one line each with their placeholder: a CSV file holds no numbering, and an import of it makes one label of each.</source>
        <translation>번호가 붙은 %1개 페이지는 번호 자리 표시와 함께 한 줄씩 내보냈습니다. CSV 파일에는 번호 매기기가 담기지 않으므로, 가져오면 페이지마다 라벨 하나가 됩니다.</translation>
    </message>
    <message>
        <source>The other wire end is to come from column %1, which line 2 comes from already: each page would be made twice.</source>
        <translation>다른 전선 끝을 %1열에서 가져오려 하지만 2줄이 이미 그 열에서 옵니다. 모든 페이지가 두 번 만들어집니다.</translation>
    </message>
    <message>
        <source>A page per wire end takes line 2 from each end&apos;s column, but line 2 is to stay empty: the first page of each row would have no line 2.</source>
        <translation>전선 끝마다 한 페이지는 각 끝의 열에서 2줄을 가져오지만, 2줄이 비어 있도록 되어 있습니다. 각 행의 첫 페이지에 2줄이 없게 됩니다.</translation>
    </message>
    <message>
        <source>Print the pages not sent, %1?</source>
        <translation>보내지 못한 %1페이지를 인쇄하시겠습니까?</translation>
    </message>
    <message>
        <source>Print pages %1</source>
        <translation>%1페이지 인쇄</translation>
    </message>
    <message>
        <source>Print page %1</source>
        <translation>%1페이지 인쇄</translation>
    </message>
    <message>
        <source>The next Print can print page %1.</source>
        <translation>다음 인쇄는 %1페이지를 인쇄할 수 있습니다.</translation>
    </message>
    <message>
        <source>The next Print can print pages %1.</source>
        <translation>다음 인쇄는 %1페이지를 인쇄할 수 있습니다.</translation>
    </message>
    <message>
        <source>The printer is no longer connected.</source>
        <translation>프린터가 더 이상 연결되어 있지 않습니다.</translation>
    </message>
    <message>
        <source>Printing has ended, but not every page of the job was sent. %1</source>
        <translation>인쇄가 끝났지만 작업의 일부 페이지는 보내지 못했습니다. %1</translation>
    </message>
    <message>
        <source>A print job is running: %1

Stop printing and quit, or go back to the job?</source>
        <translation>인쇄 작업이 진행 중입니다: %1

인쇄를 멈추고 끝내시겠습니까, 작업으로 돌아가시겠습니까?</translation>
    </message>
    <message>
        <source>Stop printing and quit</source>
        <translation>인쇄 멈추고 끝내기</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>돌아가기</translation>
    </message>
</context>
<context>
    <name>q5300::ui::GridTableModel</name>
    <message>
        <source>Page</source>
        <translation>페이지</translation>
    </message>
    <message>
        <source>1st Line</source>
        <translation>첫째 줄</translation>
    </message>
    <message>
        <source>2nd Line</source>
        <translation>둘째 줄</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>반복</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>글꼴 크기</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>사각프레임</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>방향</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>전각/반각</translation>
    </message>
</context>
<context>
    <name>q5300::ui::MainWindow</name>
    <message>
        <source>Toolbar</source>
        <translation>도구 모음</translation>
    </message>
    <message>
        <source>About Tarnix(&amp;A)...</source>
        <translation>Tarnix 정보(&amp;A)...</translation>
    </message>
    <message>
        <source>CSV로 내보내기 (UTF-8)...</source>
        <translation>CSV로 내보내기 (UTF-8)...</translation>
    </message>
    <message>
        <source>CSV로 내보내기 (949)...</source>
        <translation>CSV로 내보내기 (949)...</translation>
    </message>
    <message>
        <source>실행 취소</source>
        <translation>실행 취소</translation>
    </message>
    <message>
        <source>다시 실행</source>
        <translation>다시 실행</translation>
    </message>
    <message>
        <source>Version 1.11</source>
        <translation>버전 1.11</translation>
    </message>
</context>
<context>
    <name>q5300::ui::MediaBar</name>
    <message>
        <source>메체정보</source>
        <translation>메체정보</translation>
    </message>
    <message>
        <source>재료 :</source>
        <translation>재료 :</translation>
    </message>
    <message>
        <source>재료 사이즈:</source>
        <translation>재료 사이즈:</translation>
    </message>
    <message>
        <source>커팅설정 :</source>
        <translation>커팅설정 :</translation>
    </message>
    <message>
        <source>여백 :</source>
        <translation>여백 :</translation>
    </message>
    <message>
        <source>정렬 :</source>
        <translation>정렬 :</translation>
    </message>
    <message>
        <source>농도 :</source>
        <translation>농도 :</translation>
    </message>
    <message>
        <source>전체반복:</source>
        <translation>전체반복:</translation>
    </message>
</context>
<context>
    <name>q5300::ui::PagePanel</name>
    <message>
        <source>설정</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>설정 범위</source>
        <translation>설정 범위</translation>
    </message>
    <message>
        <source>현재 페이지</source>
        <translation>현재 페이지</translation>
    </message>
    <message>
        <source>이후페이지</source>
        <translation>이후페이지</translation>
    </message>
    <message>
        <source>페이지 정보</source>
        <translation>페이지 정보</translation>
    </message>
    <message>
        <source>길이</source>
        <translation>길이</translation>
    </message>
    <message>
        <source>자동</source>
        <translation>자동</translation>
    </message>
    <message>
        <source>사용자설정</source>
        <translation>사용자설정</translation>
    </message>
    <message>
        <source>전각</source>
        <translation>전각</translation>
    </message>
    <message>
        <source>반각</source>
        <translation>반각</translation>
    </message>
    <message>
        <source>없음</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>사각프레임</source>
        <translation>사각프레임</translation>
    </message>
    <message>
        <source>밑줄</source>
        <translation>밑줄</translation>
    </message>
    <message>
        <source>수평</source>
        <translation>수평</translation>
    </message>
    <message>
        <source>수직</source>
        <translation>수직</translation>
    </message>
    <message>
        <source>개별반복 :</source>
        <translation>개별반복 :</translation>
    </message>
    <message>
        <source>글꼴크기:</source>
        <translation>글꼴크기:</translation>
    </message>
    <message>
        <source>전각/반각:</source>
        <translation>전각/반각:</translation>
    </message>
    <message>
        <source>프레임:</source>
        <translation>프레임:</translation>
    </message>
    <message>
        <source>인쇄방향:</source>
        <translation>인쇄방향:</translation>
    </message>
    <message>
        <source>넘버링 설정</source>
        <translation>넘버링 설정</translation>
    </message>
    <message>
        <source>넘버링 반복인쇄 방식</source>
        <translation>넘버링 반복인쇄 방식</translation>
    </message>
    <message>
        <source>연속반복</source>
        <translation>연속반복</translation>
    </message>
    <message>
        <source>순차반복</source>
        <translation>순차반복</translation>
    </message>
</context>
<context>
    <name>q5300::ui::StatusPopupWindow</name>
    <message>
        <source>중지</source>
        <translation>중지</translation>
    </message>
</context>
</TS>
