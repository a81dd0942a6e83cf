<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>LengthText</name>
    <message>
        <source>The lines do not fit one page: at most %1 characters and %1 bytes (a Hangul syllable or a symbol takes two).</source>
        <translation>The lines do not fit one page: at most %1 characters and %1 bytes (a Hangul syllable or a symbol takes two).</translation>
    </message>
    <message>
        <source>Over length: the text needs %1 mm (%2 dots), the page is %3 mm (%4 dots).</source>
        <translation>Over length: the text needs %1 mm (%2 dots), the page is %3 mm (%4 dots).</translation>
    </message>
    <message>
        <source>Page %1: </source>
        <translation>Page %1: </translation>
    </message>
    <message>
        <source>more than a page holds</source>
        <translation>more than a page holds</translation>
    </message>
    <message>
        <source>no text, automatic length</source>
        <translation>no text, automatic length</translation>
    </message>
    <message>
        <source>no text, %1 mm (%2 dots)</source>
        <translation>no text, %1 mm (%2 dots)</translation>
    </message>
    <message>
        <source>%1 mm automatic (%2 dots)</source>
        <translation>%1 mm automatic (%2 dots)</translation>
    </message>
    <message>
        <source>%1 of %2 mm (%3 / %4 dots)</source>
        <translation>%1 of %2 mm (%3 / %4 dots)</translation>
    </message>
    <message>
        <source>, over length</source>
        <translation>, over length</translation>
    </message>
    <message>
        <source>%1 label</source>
        <translation>%1 label</translation>
    </message>
    <message>
        <source>%1 labels</source>
        <translation>%1 labels</translation>
    </message>
    <message>
        <source>Job: %1, %2</source>
        <translation>Job: %1, %2</translation>
    </message>
    <message>
        <source>%1 page</source>
        <translation>%1 page</translation>
    </message>
    <message>
        <source>%1 pages</source>
        <translation>%1 pages</translation>
    </message>
    <message>
        <source> × %1 copies</source>
        <translation> × %1 copies</translation>
    </message>
    <message>
        <source>, %1 over length</source>
        <translation>, %1 over length</translation>
    </message>
</context>
<context>
    <name>QtOperator</name>
    <message>
        <source>저장</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>저장 안 함</source>
        <translation>Don&apos;t Save</translation>
    </message>
    <message>
        <source>취소</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>열기</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>저장</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>가져오기</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>추가</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>삭제</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>윗첨자</source>
        <translation>Superscript</translation>
    </message>
    <message>
        <source>아래첨자</source>
        <translation>Subscript</translation>
    </message>
    <message>
        <source>미리보기</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>인쇄</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>전기기호</source>
        <translation>Symbols</translation>
    </message>
    <message>
        <source>SaveU</source>
        <translation>SaveU</translation>
    </message>
    <message>
        <source>나가기</source>
        <translation>Exit</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Q5300 marking printer</source>
        <translation>Q5300 marking printer</translation>
    </message>
    <message>
        <source>A label file (.qxk or .qxu) to open.</source>
        <translation>A label file (.qxk or .qxu) to open.</translation>
    </message>
</context>
<context>
    <name>q5300</name>
    <message>
        <source>두줄 인쇄를 하기 위한 매체가 적합하지 않습니다. %1 페이지가 두줄로 설정되어 있습니다.！</source>
        <translation>The medium does not suit two-line printing: %1 pages are set to two lines!</translation>
    </message>
    <message>
        <source>튜브</source>
        <translation>Tube</translation>
    </message>
    <message>
        <source>라벨</source>
        <translation>Label</translation>
    </message>
    <message>
        <source>열수축 튜브</source>
        <translation>Heat-shrink tube</translation>
    </message>
    <message>
        <source>커팅없음</source>
        <translation>No cutting</translation>
    </message>
    <message>
        <source>하프커팅</source>
        <translation>Half cut</translation>
    </message>
    <message>
        <source>커팅라인인쇄</source>
        <translation>Print cut line</translation>
    </message>
    <message>
        <source>가운데</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>왼쪽</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Prompt</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Frame</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Underline</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>전각</source>
        <translation>Full width</translation>
    </message>
    <message>
        <source>반각</source>
        <translation>Half width</translation>
    </message>
    <message>
        <source>전기 기호 선택(더블 클릭)</source>
        <translation>Electrical symbols (double-click to choose)</translation>
    </message>
    <message>
        <source>선택취소</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>확인</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>취소</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>현재 항목을 삭제하시겠습니까?</source>
        <translation>Delete the current pages?</translation>
    </message>
    <message>
        <source>이 파일이 이미 있습니다. 바꾸시겠습니까?</source>
        <translation>This file already exists. Replace it?</translation>
    </message>
    <message>
        <source>변경된 내용이 저장되지 않았습니다. 저장하시겠습니까?</source>
        <translation>The changes have not been saved. Save them?</translation>
    </message>
    <message>
        <source>None of the file&apos;s %1 pages fits after the %2 pages of the job (at most %3 pages and %4 bytes of print data). Nothing was opened.</source>
        <translation>None of the file&apos;s %1 pages fits after the %2 pages of the job (at most %3 pages and %4 bytes of print data). Nothing was opened.</translation>
    </message>
    <message>
        <source>%1 of the file&apos;s %2 pages were opened; the last %3 were left out: a job holds at most %4 pages and %5 bytes of print data.</source>
        <translation>%1 of the file&apos;s %2 pages were opened; the last %3 were left out: a job holds at most %4 pages and %5 bytes of print data.</translation>
    </message>
    <message>
        <source>파일을 열 수 없습니다!</source>
        <translation>Cannot open the file!</translation>
    </message>
    <message>
        <source>파일을 저장할 수 없습니다!</source>
        <translation>Cannot save the file!</translation>
    </message>
    <message>
        <source>Has exceeded the maximum print volume!</source>
        <translation>Has exceeded the maximum print volume!</translation>
    </message>
    <message>
        <source>Label files</source>
        <translation>Label files</translation>
    </message>
    <message>
        <source>Import files</source>
        <translation>Import files</translation>
    </message>
    <message>
        <source>Excel file</source>
        <translation>Excel file</translation>
    </message>
    <message>
        <source>Excel workbook</source>
        <translation>Excel workbook</translation>
    </message>
    <message>
        <source>OpenDocument spreadsheet</source>
        <translation>OpenDocument spreadsheet</translation>
    </message>
    <message>
        <source>Unicode text</source>
        <translation>Unicode text</translation>
    </message>
    <message>
        <source>가져올 데이터가 없습니다!</source>
        <translation>There is no data to import!</translation>
    </message>
    <message>
        <source>데이타 추출중, 잠시 기다려 주십시오...</source>
        <translation>Reading the data, please wait...</translation>
    </message>
    <message>
        <source>Max import data:100 rows!</source>
        <translation>Max import data:100 rows!</translation>
    </message>
    <message>
        <source>%1 페이지 범위초과로,페이지 길이는 %2 입니다.</source>
        <translation>%1 pages were out of range; a page holds %2.</translation>
    </message>
    <message>
        <source>따옴표가 닫히지 않았습니다!</source>
        <translation>A quote was not closed!</translation>
    </message>
    <message>
        <source>No line of the file has text that fits a page; the job was left as it was.</source>
        <translation>No line of the file has text that fits a page; the job was left as it was.</translation>
    </message>
    <message>
        <source>Page %1 and the lines after it were left out.</source>
        <translation>Page %1 and the lines after it were left out.</translation>
    </message>
    <message>
        <source>The quoted field that begins in line %1 has no closing quote: the rest of the file was read as part of it.</source>
        <translation>The quoted field that begins in line %1 has no closing quote: the rest of the file was read as part of it.</translation>
    </message>
    <message>
        <source>번호 : 0-999</source>
        <translation>Number: 0-999</translation>
    </message>
    <message>
        <source>길이 고정 번호 : 000-999</source>
        <translation>Fixed-length number: 000-999</translation>
    </message>
    <message>
        <source>대문자 : A-Z</source>
        <translation>Capital letters: A-Z</translation>
    </message>
    <message>
        <source>소문자 : a-z</source>
        <translation>Small letters: a-z</translation>
    </message>
    <message>
        <source>알림</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>시작 문자를 입력해주세요!</source>
        <translation>Please enter the start value!</translation>
    </message>
    <message>
        <source>종료 문자를 입력해주세요!</source>
        <translation>Please enter the end value!</translation>
    </message>
    <message>
        <source>넘버링 설정</source>
        <translation>Numbering</translation>
    </message>
    <message>
        <source>넘버링 형식 선택</source>
        <translation>Kind of numbering</translation>
    </message>
    <message>
        <source>숫자 입력</source>
        <translation>Values</translation>
    </message>
    <message>
        <source>시작 :</source>
        <translation>Start:</translation>
    </message>
    <message>
        <source>종료 :</source>
        <translation>End:</translation>
    </message>
    <message>
        <source>확인(&amp;O)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>취소(&amp;C)</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>입력 길이 초과!</source>
        <translation>Input is over length!</translation>
    </message>
    <message>
        <source>Input is over length!</source>
        <translation>Input is over length!</translation>
    </message>
    <message>
        <source>세로쓰기불가!</source>
        <translation>Not possible in vertical writing!</translation>
    </message>
    <message>
        <source>Get the MaxPage!</source>
        <translation>Get the MaxPage!</translation>
    </message>
    <message>
        <source>글꼴크기가 너무 커, 두줄인쇄에 적합하지 않습니다. 1에서 3사이의 글꼴을 선택해주세요!</source>
        <translation>The font size is too large for two-line printing. Please choose a font size from 1 to 3!</translation>
    </message>
    <message>
        <source> [1-%1] 반복, 설정이 잘못 되었습니다!</source>
        <translation> [1-%1] repeats: the setting is wrong!</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Please enter a number.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Please enter an integer.</translation>
    </message>
    <message>
        <source>%1 페이지는 자동 글꼴 크기가 설정되어, 자동 길이 설정을 할 수 없습니다. 설정이 잘못되었습니다!</source>
        <translation>%1 pages have automatic font size and cannot take automatic length. The setting is wrong!</translation>
    </message>
    <message>
        <source>(6-%1)까지의 길이를 설정하십시오!</source>
        <translation>Please set a length of (6-%1)!</translation>
    </message>
    <message>
        <source>%1 페이지는 길이 범위 초과로, 설정이 잘못되었습니다!</source>
        <translation>%1 pages are out of the length range: the setting is wrong!</translation>
    </message>
    <message>
        <source>%1 페이지는 자동 길이가 설정되어 있어,자동으로 글꼴 크기를 설정할 수 없습니다! <byte value="xd"/>
</source>
        <translation>%1 pages have automatic length, so their font size cannot be set automatically! <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>%1 페이지는 길이의 범위가 초과되어, 다른 글꼴을 선택하십시오! <byte value="xd"/>
</source>
        <translation>%1 pages exceed the length range; please choose another font! <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>%1 페이지의 글꼴 크기가 선택된 중간 사이즈의 범위를 초과하여, 다른 글꼴 크기를 선택하십시오!<byte value="xd"/>
</source>
        <translation>The font size of %1 pages exceeds the range of the chosen medium size; please choose another font size!<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>%1 페이지의 글꼴 크기가 2줄 인쇄에 적합하지 않아, 다른 글꼴 크기를 선택하십시오<byte value="xd"/>
</source>
        <translation>The font size of %1 pages does not suit two-line printing; please choose another font size<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>%1 페이지의 길이가 범위를 초과하여, 다른 글꼴 크기를 선택하십시오 !<byte value="xd"/>
</source>
        <translation>The length of %1 pages exceeds the range; please choose another font size!<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>%1 페이지 길이초과.<byte value="xd"/>
 수평/수직 방향이 잘못 설정되어 있습니다,</source>
        <translation>%1 pages over length.<byte value="xd"/>
 The horizontal or vertical direction is set wrongly.</translation>
    </message>
    <message>
        <source>(1-%1) 반복!</source>
        <translation>Repeat (1-%1)!</translation>
    </message>
    <message>
        <source>PC가 사용중입니다!</source>
        <translation>The printer is busy!</translation>
    </message>
    <message>
        <source>인쇄 데이터 전송중...</source>
        <translation>Sending print data...</translation>
    </message>
    <message>
        <source>인쇄데이터 처리중...</source>
        <translation>Processing print data...</translation>
    </message>
    <message>
        <source>프린터 상태 점검...</source>
        <translation>Checking the printer...</translation>
    </message>
    <message>
        <source>인쇄 내용 없음!</source>
        <translation>Nothing to print!</translation>
    </message>
    <message>
        <source>PC가 사용중입니다! 준비되면 계속 인쇄합니다...</source>
        <translation>The printer is busy! Printing goes on when it is ready...</translation>
    </message>
    <message>
        <source>모든 인쇄 내용이 전송되었습니다. 인쇄가 끝날 때 까지 기다려주십시오.</source>
        <translation>All print data has been sent. Please wait until printing has ended.</translation>
    </message>
    <message>
        <source>모든 인쇄 내용을 전송했습니다. 인쇄가 끝날 때 까지 기다리십시오.</source>
        <translation>All print data was sent. Wait until printing has ended.</translation>
    </message>
    <message>
        <source>Printer: %1.</source>
        <translation>Printer: %1.</translation>
    </message>
    <message>
        <source>the printer</source>
        <translation>the printer</translation>
    </message>
    <message>
        <source>Passed over: %1</source>
        <translation>Passed over: %1</translation>
    </message>
    <message>
        <source>Q5300 Application</source>
        <translation>Q5300 Application</translation>
    </message>
    <message>
        <source>인쇄를 멈추는 중입니다. 전송 중인 데이터가 끝나면 멈춥니다...</source>
        <translation>Stopping printing. It stops once the data being sent is through...</translation>
    </message>
    <message>
        <source>시리얼 포트 오류!</source>
        <translation>Serial port error!</translation>
    </message>
    <message>
        <source>Input is over length!!</source>
        <translation>Input is over length!!</translation>
    </message>
    <message>
        <source>Unsuccessfully to open the serial port,<byte value="xd"/>make sure that the printer has the correct connect to the PC!</source>
        <translation>Unsuccessfully to open the serial port,<byte value="xd"/>make sure that the printer has the correct connect to the PC!</translation>
    </message>
    <message>
        <source>No Q5300 was found on USB.<byte value="xd"/>To try the program without the printer, start it with the virtual printer, which answers like a ready printer and keeps what it receives in a folder:<byte value="xd"/><byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>The labels it would print are listed in %2.</source>
        <translation>No Q5300 was found on USB.<byte value="xd"/>To try the program without the printer, start it with the virtual printer, which answers like a ready printer and keeps what it receives in a folder:<byte value="xd"/><byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>The labels it would print are listed in %2.</translation>
    </message>
    <message>
        <source>The print job waits to send its next packet:</source>
        <translation>The print job waits to send its next packet:</translation>
    </message>
    <message>
        <source>The last print job stopped before its end:</source>
        <translation>The last print job stopped before its end:</translation>
    </message>
    <message>
        <source>The pages sent went to %1; printing now goes to %2.</source>
        <translation>The pages sent went to %1; printing now goes to %2.</translation>
    </message>
    <message>
        <source>Continue from page %1?</source>
        <translation>Continue from page %1?</translation>
    </message>
    <message>
        <source>Continue from page %1</source>
        <translation>Continue from page %1</translation>
    </message>
    <message>
        <source>Start again from page 1</source>
        <translation>Start again from page 1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>The next Print can continue from page %1.</source>
        <translation>The next Print can continue from page %1.</translation>
    </message>
    <message>
        <source>Printing stopped. %1</source>
        <translation>Printing stopped. %1</translation>
    </message>
    <message>
        <source>The printer is no longer connected. %1</source>
        <translation>The printer is no longer connected. %1</translation>
    </message>
    <message>
        <source>The print job ended: another job took the place of its pages. %1</source>
        <translation>The print job ended: another job took the place of its pages. %1</translation>
    </message>
    <message>
        <source>Page %1 sent.</source>
        <translation>Page %1 sent.</translation>
    </message>
    <message>
        <source>Pages %1 sent.</source>
        <translation>Pages %1 sent.</translation>
    </message>
    <message>
        <source>Page %1 not sent.</source>
        <translation>Page %1 not sent.</translation>
    </message>
    <message>
        <source>Pages %1 not sent.</source>
        <translation>Pages %1 not sent.</translation>
    </message>
    <message>
        <source>Page %1 sent, %2 not sent.</source>
        <translation>Page %1 sent, %2 not sent.</translation>
    </message>
    <message>
        <source>Pages %1 sent, %2 not sent.</source>
        <translation>Pages %1 sent, %2 not sent.</translation>
    </message>
    <message>
        <source>Page %1 may have reached the printer in part: look at the last tubes before you go on.</source>
        <translation>Page %1 may have reached the printer in part: look at the last tubes before you go on.</translation>
    </message>
    <message>
        <source>Pages %1 may have reached the printer in part: look at the last tubes before you go on.</source>
        <translation>Pages %1 may have reached the printer in part: look at the last tubes before you go on.</translation>
    </message>
    <message>
        <source>Print data is being processed...</source>
        <translation>Print data is being processed...</translation>
    </message>
    <message>
        <source>the file could not be read: %1</source>
        <translation>the file could not be read: %1</translation>
    </message>
    <message>
        <source>the file is larger than %1 bytes, more than any label file holds</source>
        <translation>the file is larger than %1 bytes, more than any label file holds</translation>
    </message>
    <message>
        <source>the file could not be created: %1</source>
        <translation>the file could not be created: %1</translation>
    </message>
    <message>
        <source>the file could not be written: %1</source>
        <translation>the file could not be written: %1</translation>
    </message>
    <message>
        <source>the file could not be replaced: %1</source>
        <translation>the file could not be replaced: %1</translation>
    </message>
    <message>
        <source>the file could not be opened</source>
        <translation>the file could not be opened</translation>
    </message>
    <message>
        <source>it is a link to a file that does not exist</source>
        <translation>it is a link to a file that does not exist</translation>
    </message>
    <message>
        <source>the link cannot be followed: %1</source>
        <translation>the link cannot be followed: %1</translation>
    </message>
    <message>
        <source>the file is read-only; it was left as it was</source>
        <translation>the file is read-only; it was left as it was</translation>
    </message>
    <message>
        <source>this user may not change the file; it was left as it was</source>
        <translation>this user may not change the file; it was left as it was</translation>
    </message>
    <message>
        <source>the file cannot be changed: %1; it was left as it was</source>
        <translation>the file cannot be changed: %1; it was left as it was</translation>
    </message>
    <message>
        <source>the path names a folder, not a file</source>
        <translation>the path names a folder, not a file</translation>
    </message>
    <message>
        <source>it is %1, not a file</source>
        <translation>it is %1, not a file</translation>
    </message>
    <message>
        <source>it is a link to %1, not to a file</source>
        <translation>it is a link to %1, not to a file</translation>
    </message>
    <message>
        <source>the name is not valid UTF-8</source>
        <translation>the name is not valid UTF-8</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>a folder</translation>
    </message>
    <message>
        <source>a pipe</source>
        <translation>a pipe</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>a device</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>a socket</translation>
    </message>
    <message>
        <source>something else</source>
        <translation>something else</translation>
    </message>
    <message>
        <source>The file has %1 bytes, more than the %2 bytes (16 MB) an import file may have; 200 pages take far less. Nothing was imported.</source>
        <translation>The file has %1 bytes, more than the %2 bytes (16 MB) an import file may have; 200 pages take far less. Nothing was imported.</translation>
    </message>
    <message>
        <source>The file has at least %1 bytes, more than the %2 bytes (16 MB) an import file may have; 200 pages take far less. Nothing was imported.</source>
        <translation>The file has at least %1 bytes, more than the %2 bytes (16 MB) an import file may have; 200 pages take far less. Nothing was imported.</translation>
    </message>
    <message>
        <source>It is a workbook in the old binary format (.xls), which is not read; save it as .xlsx, .ods or .csv.</source>
        <translation>It is a workbook in the old binary format (.xls), which is not read; save it as .xlsx, .ods or .csv.</translation>
    </message>
    <message>
        <source>Its name says spreadsheet, but it is no zip container as .xlsx and .ods files are; it may be damaged.</source>
        <translation>Its name says spreadsheet, but it is no zip container as .xlsx and .ods files are; it may be damaged.</translation>
    </message>
    <message>
        <source>%1 %2 is not one of %3</source>
        <translation>%1 %2 is not one of %3</translation>
    </message>
    <message>
        <source>The character spacing</source>
        <translation>The character spacing</translation>
    </message>
    <message>
        <source>The print density</source>
        <translation>The print density</translation>
    </message>
    <message>
        <source>The cutting code %1 is not one of N, C, L</source>
        <translation>The cutting code %1 is not one of N, C, L</translation>
    </message>
    <message>
        <source>The alignment</source>
        <translation>The alignment</translation>
    </message>
    <message>
        <source>The material</source>
        <translation>The material</translation>
    </message>
    <message>
        <source>The medium size</source>
        <translation>The medium size</translation>
    </message>
    <message>
        <source>The repeat mode</source>
        <translation>The repeat mode</translation>
    </message>
    <message>
        <source>The number of copies</source>
        <translation>The number of copies</translation>
    </message>
    <message>
        <source>the two-line flag</source>
        <translation>the two-line flag</translation>
    </message>
    <message>
        <source>the automatic length flag</source>
        <translation>the automatic length flag</translation>
    </message>
    <message>
        <source>the automatic font size flag</source>
        <translation>the automatic font size flag</translation>
    </message>
    <message>
        <source>the half-width flag</source>
        <translation>the half-width flag</translation>
    </message>
    <message>
        <source>the numbering flag</source>
        <translation>the numbering flag</translation>
    </message>
    <message>
        <source>the number flag</source>
        <translation>the number flag</translation>
    </message>
    <message>
        <source>the fixed-length number flag</source>
        <translation>the fixed-length number flag</translation>
    </message>
    <message>
        <source>the two-digit hexadecimal flag</source>
        <translation>the two-digit hexadecimal flag</translation>
    </message>
    <message>
        <source>the one-digit hexadecimal flag</source>
        <translation>the one-digit hexadecimal flag</translation>
    </message>
    <message>
        <source>the capital letter flag</source>
        <translation>the capital letter flag</translation>
    </message>
    <message>
        <source>the small letter flag</source>
        <translation>the small letter flag</translation>
    </message>
    <message>
        <source>the font size</source>
        <translation>the font size</translation>
    </message>
    <message>
        <source>the font size 0 (automatic) is on a page without automatic font size</source>
        <translation>the font size 0 (automatic) is on a page without automatic font size</translation>
    </message>
    <message>
        <source>the frame code %1 is not one of N, F, L</source>
        <translation>the frame code %1 is not one of N, F, L</translation>
    </message>
    <message>
        <source>the direction code %1 is not one of &quot;04&quot;, &quot;13&quot;</source>
        <translation>the direction code %1 is not one of &quot;04&quot;, &quot;13&quot;</translation>
    </message>
    <message>
        <source>the repeat count</source>
        <translation>the repeat count</translation>
    </message>
    <message>
        <source>the repeat texts %1 and %2 do not give the repeat count %3</source>
        <translation>the repeat texts %1 and %2 do not give the repeat count %3</translation>
    </message>
    <message>
        <source>the length code %1 is neither &quot;Au&quot; nor a length of 6..150 mm</source>
        <translation>the length code %1 is neither &quot;Au&quot; nor a length of 6..150 mm</translation>
    </message>
    <message>
        <source>the set length in dots</source>
        <translation>the set length in dots</translation>
    </message>
    <message>
        <source>the page&apos;s creation number</source>
        <translation>the page&apos;s creation number</translation>
    </message>
    <message>
        <source>the numbering start %1 is not a value of up to 3 characters</source>
        <translation>the numbering start %1 is not a value of up to 3 characters</translation>
    </message>
    <message>
        <source>the numbering end %1 is not a value of up to 3 characters</source>
        <translation>the numbering end %1 is not a value of up to 3 characters</translation>
    </message>
    <message>
        <source>the text holds the byte %1 at %2, which is no character</source>
        <translation>the text holds the byte %1 at %2, which is no character</translation>
    </message>
    <message>
        <source>the text holds a second line break; a page has two lines at most</source>
        <translation>the text holds a second line break; a page has two lines at most</translation>
    </message>
    <message>
        <source>The content (content.xml)</source>
        <translation>The content (content.xml)</translation>
    </message>
    <message>
        <source>It is an OpenDocument file, but no spreadsheet (%1).</source>
        <translation>It is an OpenDocument file, but no spreadsheet (%1).</translation>
    </message>
    <message>
        <source>It holds no content.xml.</source>
        <translation>It holds no content.xml.</translation>
    </message>
    <message>
        <source>The file has %1 bytes, fewer than the 20 of a label file&apos;s header: it is cut short.</source>
        <translation>The file has %1 bytes, fewer than the 20 of a label file&apos;s header: it is cut short.</translation>
    </message>
    <message>
        <source>The file counts %1 pages; a job has at least one.</source>
        <translation>The file counts %1 pages; a job has at least one.</translation>
    </message>
    <message>
        <source>The file counts %1 pages; a job holds at most 200.</source>
        <translation>The file counts %1 pages; a job holds at most 200.</translation>
    </message>
    <message>
        <source>The file counts %1 pages but ends inside page %2: it is cut short.</source>
        <translation>The file counts %1 pages but ends inside page %2: it is cut short.</translation>
    </message>
    <message>
        <source>Page %1 has a text of %2 bytes; a page holds at most 40.</source>
        <translation>Page %1 has a text of %2 bytes; a page holds at most 40.</translation>
    </message>
    <message>
        <source>%1 bytes follow the last of the %2 pages the file counts.</source>
        <translation>%1 bytes follow the last of the %2 pages the file counts.</translation>
    </message>
    <message>
        <source>Page %1: %2.</source>
        <translation>Page %1: %2.</translation>
    </message>
    <message>
        <source>The print image would pass %1 bytes, more than the printer takes.</source>
        <translation>The print image would pass %1 bytes, more than the printer takes.</translation>
    </message>
    <message>
        <source>The file has %1 bytes, fewer than the 11 of the smallest print image: it is cut short.</source>
        <translation>The file has %1 bytes, fewer than the 11 of the smallest print image: it is cut short.</translation>
    </message>
    <message>
        <source>The file does not start like a print image (0x02, &apos;A&apos;).</source>
        <translation>The file does not start like a print image (0x02, &apos;A&apos;).</translation>
    </message>
    <message>
        <source>The length bytes give %1 bytes but the file has %2: it is cut short.</source>
        <translation>The length bytes give %1 bytes but the file has %2: it is cut short.</translation>
    </message>
    <message>
        <source>The length bytes give %1 bytes but the file has %2.</source>
        <translation>The length bytes give %1 bytes but the file has %2.</translation>
    </message>
    <message>
        <source>The file holds more than 200 pages; a job holds at most 200.</source>
        <translation>The file holds more than 200 pages; a job holds at most 200.</translation>
    </message>
    <message>
        <source>Page %1 does not fit within the length the length bytes give.</source>
        <translation>Page %1 does not fit within the length the length bytes give.</translation>
    </message>
    <message>
        <source>The file does not end with the print image&apos;s end byte &apos;E&apos;.</source>
        <translation>The file does not end with the print image&apos;s end byte &apos;E&apos;.</translation>
    </message>
    <message>
        <source>It is a zip file, but neither an .xlsx nor an .ods spreadsheet.</source>
        <translation>It is a zip file, but neither an .xlsx nor an .ods spreadsheet.</translation>
    </message>
    <message>
        <source>The shared strings</source>
        <translation>The shared strings</translation>
    </message>
    <message>
        <source>The first sheet</source>
        <translation>The first sheet</translation>
    </message>
    <message>
        <source>A list of relationships</source>
        <translation>A list of relationships</translation>
    </message>
    <message>
        <source>The workbook</source>
        <translation>The workbook</translation>
    </message>
    <message>
        <source>A cell refers to shared string %1, but there are %2.</source>
        <translation>A cell refers to shared string %1, but there are %2.</translation>
    </message>
    <message>
        <source>A cell of the first sheet names a shared string by &quot;%1&quot;, which is no number.</source>
        <translation>A cell of the first sheet names a shared string by &quot;%1&quot;, which is no number.</translation>
    </message>
    <message>
        <source>It lists more than %1 relationships; a workbook has far fewer.</source>
        <translation>It lists more than %1 relationships; a workbook has far fewer.</translation>
    </message>
    <message>
        <source>It holds no workbook (%1).</source>
        <translation>It holds no workbook (%1).</translation>
    </message>
    <message>
        <source>Its workbook has no sheet.</source>
        <translation>Its workbook has no sheet.</translation>
    </message>
    <message>
        <source>It does not say where its sheets are (%1).</source>
        <translation>It does not say where its sheets are (%1).</translation>
    </message>
    <message>
        <source>Its first sheet holds no cells (a chart or a dialog); move the sheet with the list to the front.</source>
        <translation>Its first sheet holds no cells (a chart or a dialog); move the sheet with the list to the front.</translation>
    </message>
    <message>
        <source>Its workbook names a first sheet that is not in the file.</source>
        <translation>Its workbook names a first sheet that is not in the file.</translation>
    </message>
    <message>
        <source>Its first sheet (%1) is missing.</source>
        <translation>Its first sheet (%1) is missing.</translation>
    </message>
    <message>
        <source>%1 cannot be read: out of memory.</source>
        <translation>%1 cannot be read: out of memory.</translation>
    </message>
    <message>
        <source>%1 is not well-formed XML (line %2: %3).</source>
        <translation>%1 is not well-formed XML (line %2: %3).</translation>
    </message>
    <message>
        <source>%1 nests its elements deeper than %2 levels.</source>
        <translation>%1 nests its elements deeper than %2 levels.</translation>
    </message>
    <message>
        <source>%1 declares a document type, which no spreadsheet part has.</source>
        <translation>%1 declares a document type, which no spreadsheet part has.</translation>
    </message>
    <message>
        <source>It cannot be read as a zip container: %1.</source>
        <translation>It cannot be read as a zip container: %1.</translation>
    </message>
    <message>
        <source>It is no zip container that can be read: %1.</source>
        <translation>It is no zip container that can be read: %1.</translation>
    </message>
    <message>
        <source>Its zip container holds %1 entries; a spreadsheet has far fewer than %2.</source>
        <translation>Its zip container holds %1 entries; a spreadsheet has far fewer than %2.</translation>
    </message>
    <message>
        <source>An entry of its zip container cannot be read.</source>
        <translation>An entry of its zip container cannot be read.</translation>
    </message>
    <message>
        <source>It is protected with a password (%1 is encrypted); save it without one.</source>
        <translation>It is protected with a password (%1 is encrypted); save it without one.</translation>
    </message>
    <message>
        <source>%1 in it unpacks to %2 bytes, more than the %3 it may have.</source>
        <translation>%1 in it unpacks to %2 bytes, more than the %3 it may have.</translation>
    </message>
    <message>
        <source>%1 in it cannot be read: %2.</source>
        <translation>%1 in it cannot be read: %2.</translation>
    </message>
    <message>
        <source>%1 in it unpacks to more than the %2 it may have.</source>
        <translation>%1 in it unpacks to more than the %2 it may have.</translation>
    </message>
    <message>
        <source>The virtual printer cannot write into %1: %2.</source>
        <translation>The virtual printer cannot write into %1: %2.</translation>
    </message>
    <message>
        <source>it is not a directory</source>
        <translation>it is not a directory</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; is not understood; use &quot;usb&quot;, &quot;virtual&quot; or &quot;virtual:DIR&quot;.</source>
        <translation>%1=&quot;%2&quot; is not understood; use &quot;usb&quot;, &quot;virtual&quot; or &quot;virtual:DIR&quot;.</translation>
    </message>
    <message>
        <source>the printer %1 on %2</source>
        <translation>the printer %1 on %2</translation>
    </message>
    <message>
        <source>bus %1, address %2</source>
        <translation>bus %1, address %2</translation>
    </message>
    <message>
        <source>bus %1, port %2</source>
        <translation>bus %1, port %2</translation>
    </message>
    <message>
        <source>Bind the WinUSB driver to the printer, then try again.</source>
        <translation>Bind the WinUSB driver to the printer, then try again.</translation>
    </message>
    <message>
        <source>Install the udev rule 70-q5300.rules that comes with the program (it gives the logged-in user access with TAG+=&quot;uaccess&quot;): copy it to /etc/udev/rules.d/, run &quot;sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger&quot; and plug the printer in again. Or run the program as a member of the group that owns %1.</source>
        <translation>Install the udev rule 70-q5300.rules that comes with the program (it gives the logged-in user access with TAG+=&quot;uaccess&quot;): copy it to /etc/udev/rules.d/, run &quot;sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger&quot; and plug the printer in again. Or run the program as a member of the group that owns %1.</translation>
    </message>
    <message>
        <source>%1 is there, but this user may not open it. %2</source>
        <translation>%1 is there, but this user may not open it. %2</translation>
    </message>
    <message>
        <source>%1 went away while it was being opened.</source>
        <translation>%1 went away while it was being opened.</translation>
    </message>
    <message>
        <source>%1: %2 failed with %3.</source>
        <translation>%1: %2 failed with %3.</translation>
    </message>
    <message>
        <source>%1 is in use by another program; close it and try again.</source>
        <translation>%1 is in use by another program; close it and try again.</translation>
    </message>
    <message>
        <source>%1 has no bulk endpoint pair on interface 0; it is not in the mode this program drives.</source>
        <translation>%1 has no bulk endpoint pair on interface 0; it is not in the mode this program drives.</translation>
    </message>
    <message>
        <source>Opened %1.</source>
        <translation>Opened %1.</translation>
    </message>
    <message>
        <source>opening</source>
        <translation>opening</translation>
    </message>
    <message>
        <source>asking for the configuration</source>
        <translation>asking for the configuration</translation>
    </message>
    <message>
        <source>reading the configuration descriptor</source>
        <translation>reading the configuration descriptor</translation>
    </message>
    <message>
        <source>setting the configuration</source>
        <translation>setting the configuration</translation>
    </message>
    <message>
        <source>claiming interface 0</source>
        <translation>claiming interface 0</translation>
    </message>
    <message>
        <source>a kernel driver holds it until a job opens it</source>
        <translation>a kernel driver holds it until a job opens it</translation>
    </message>
    <message>
        <source>USB cannot be used on this computer: %1</source>
        <translation>USB cannot be used on this computer: %1</translation>
    </message>
    <message>
        <source>the USB devices cannot be listed: %1</source>
        <translation>the USB devices cannot be listed: %1</translation>
    </message>
    <message>
        <source>No printer is connected (looked for the USB ids %1).</source>
        <translation>No printer is connected (looked for the USB ids %1).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ignored: an id is a hexadecimal vendor:product pair such as 4348:5537</source>
        <translation>&quot;%1&quot; ignored: an id is a hexadecimal vendor:product pair such as 4348:5537</translation>
    </message>
    <message>
        <source>%1 holds no usable id; looking for the default ids %2</source>
        <translation>%1 holds no usable id; looking for the default ids %2</translation>
    </message>
    <message>
        <source>the virtual printer</source>
        <translation>the virtual printer</translation>
    </message>
    <message>
        <source>the virtual printer writing into %1</source>
        <translation>the virtual printer writing into %1</translation>
    </message>
    <message>
        <source>The virtual printer has been unplugged.</source>
        <translation>The virtual printer has been unplugged.</translation>
    </message>
    <message>
        <source>No printer is connected (virtual printer told so).</source>
        <translation>No printer is connected (virtual printer told so).</translation>
    </message>
    <message>
        <source>The virtual printer is there, but this user may not open it (told so).</source>
        <translation>The virtual printer is there, but this user may not open it (told so).</translation>
    </message>
    <message>
        <source>The virtual printer could not be opened (told so).</source>
        <translation>The virtual printer could not be opened (told so).</translation>
    </message>
    <message>
        <source>가져올 목록 파일을 고르십시오: CSV 또는 텍스트 파일(.csv, .txt), 스프레드시트(.xlsx, .ods). 1열은 1줄, 2열은 2줄, 3열은 반복 횟수입니다.</source>
        <translation>Choose the list to import: a CSV or text file (.csv, .txt) or a spreadsheet (.xlsx, .ods). Column 1 is line 1, column 2 is line 2, column 3 is the repeat count.</translation>
    </message>
    <message>
        <source>%1 페이지를 CSV 파일로 내보냈습니다:
%2</source>
        <translation>Pages exported: %1, to the CSV file:
%2</translation>
    </message>
    <message>
        <source>It is protected with a password (the workbook inside is encrypted); save it without one.</source>
        <translation>It is protected with a password (the workbook inside is encrypted); save it without one.</translation>
    </message>
    <message>
        <source>It is protected with a password (its content is encrypted); save it without one.</source>
        <translation>It is protected with a password (its content is encrypted); save it without one.</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>%1 holds one item of markup (a tag, a comment or an instruction) longer than %2 bytes; a list needs far less.</source>
        <translation>%1 holds one item of markup (a tag, a comment or an instruction) longer than %2 bytes; a list needs far less.</translation>
    </message>
    <message>
        <source>가져올 열 선택</source>
        <translation>Choose the columns</translation>
    </message>
    <message>
        <source>이 목록은 열이 3개보다 많거나 첫 행이 제목입니다. 각 줄에 쓸 열을 고르십시오.</source>
        <translation>This list has more than three columns or a header row. Choose the column for each line.</translation>
    </message>
    <message>
        <source>첫 행은 열 제목</source>
        <translation>The first row names the columns</translation>
    </message>
    <message>
        <source>1줄 :</source>
        <translation>Line 1:</translation>
    </message>
    <message>
        <source>2줄 :</source>
        <translation>Line 2:</translation>
    </message>
    <message>
        <source>(없음)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>반복 횟수 열 :</source>
        <translation>Repeat count column:</translation>
    </message>
    <message>
        <source>모든 페이지 반복 횟수 :</source>
        <translation>Repeat count of every page:</translation>
    </message>
    <message>
        <source>한 행에 한 페이지</source>
        <translation>One page per row</translation>
    </message>
    <message>
        <source>전선 끝마다 한 페이지, 다른 끝의 2줄 :</source>
        <translation>One page per wire end; line 2 of the other end:</translation>
    </message>
    <message>
        <source>첫 페이지들 :</source>
        <translation>First pages:</translation>
    </message>
    <message>
        <source>%1열</source>
        <translation>Column %1</translation>
    </message>
    <message>
        <source>%1열: %2</source>
        <translation>Column %1: %2</translation>
    </message>
    <message>
        <source>구분 기호 :</source>
        <translation>Separator:</translation>
    </message>
    <message>
        <source>쉼표 (,)</source>
        <translation>Comma (,)</translation>
    </message>
    <message>
        <source>세미콜론 (;)</source>
        <translation>Semicolon (;)</translation>
    </message>
    <message>
        <source>탭</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Line 1 is to come from column %1, but an import reads columns 1 to %2.</source>
        <translation>Line 1 is to come from column %1, but an import reads columns 1 to %2.</translation>
    </message>
    <message>
        <source>Line 2 is to come from column %1, but an import reads columns 1 to %2.</source>
        <translation>Line 2 is to come from column %1, but an import reads columns 1 to %2.</translation>
    </message>
    <message>
        <source>The repeat count is to come from column %1, but an import reads columns 1 to %2.</source>
        <translation>The repeat count is to come from column %1, but an import reads columns 1 to %2.</translation>
    </message>
    <message>
        <source>The other wire end is to come from column %1, but an import reads columns 1 to %2.</source>
        <translation>The other wire end is to come from column %1, but an import reads columns 1 to %2.</translation>
    </message>
    <message>
        <source>Every page is to be repeated %1 times, but a repeat count is 1 to %2.</source>
        <translation>Every page is to be repeated %1 times, but a repeat count is 1 to %2.</translation>
    </message>
    <message>
        <source>%1 cells hold a formula saved without its result and were read as empty; open the file in its spreadsheet program and save it again.</source>
        <translation>%1 cells hold a formula saved without its result and were read as empty; open the file in its spreadsheet program and save it again.</translation>
    </message>
    <message>
        <source>The styles (styles.xml)</source>
        <translation>The styles (styles.xml)</translation>
    </message>
    <message>
        <source>%1 pages have a repeat count above %2 in the file and are repeated %2 times.</source>
        <translation>%1 pages have a repeat count above %2 in the file and are repeated %2 times.</translation>
    </message>
    <message>
        <source>%1 numbered pages went out as one line each with their placeholder: a CSV file holds no numbering, and an import of it makes one label of each.</source>
        <translation>%1 numbered pages went out as one line each with their placeholder: a CSV file holds no numbering, and an import of it makes one label of each.</translation>
    </message>
    <message>
        <source>The other wire end is to come from column %1, which line 2 comes from already: each page would be made twice.</source>
        <translation>The other wire end is to come from column %1, which line 2 comes from already: each page would be made twice.</translation>
    </message>
    <message>
        <source>A page per wire end takes line 2 from each end&apos;s column, but line 2 is to stay empty: the first page of each row would have no line 2.</source>
        <translation>A page per wire end takes line 2 from each end&apos;s column, but line 2 is to stay empty: the first page of each row would have no line 2.</translation>
    </message>
    <message>
        <source>Print the pages not sent, %1?</source>
        <translation>Print the pages not sent, %1?</translation>
    </message>
    <message>
        <source>Print pages %1</source>
        <translation>Print pages %1</translation>
    </message>
    <message>
        <source>Print page %1</source>
        <translation>Print page %1</translation>
    </message>
    <message>
        <source>The next Print can print page %1.</source>
        <translation>The next Print can print page %1.</translation>
    </message>
    <message>
        <source>The next Print can print pages %1.</source>
        <translation>The next Print can print pages %1.</translation>
    </message>
    <message>
        <source>The printer is no longer connected.</source>
        <translation>The printer is no longer connected.</translation>
    </message>
    <message>
        <source>Printing has ended, but not every page of the job was sent. %1</source>
        <translation>Printing has ended, but not every page of the job was sent. %1</translation>
    </message>
    <message>
        <source>A print job is running: %1

Stop printing and quit, or go back to the job?</source>
        <translation>A print job is running: %1

Stop printing and quit, or go back to the job?</translation>
    </message>
    <message>
        <source>Stop printing and quit</source>
        <translation>Stop printing and quit</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Go back</translation>
    </message>
</context>
<context>
    <name>q5300::ui::GridTableModel</name>
    <message>
        <source>Page</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>1st Line</source>
        <translation>1st Line</translation>
    </message>
    <message>
        <source>2nd Line</source>
        <translation>2nd Line</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Repeat</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Font Size</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Frame</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
</context>
<context>
    <name>q5300::ui::MainWindow</name>
    <message>
        <source>Toolbar</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>About Tarnix(&amp;A)...</source>
        <translation>About Tarnix(&amp;A)...</translation>
    </message>
    <message>
        <source>CSV로 내보내기 (UTF-8)...</source>
        <translation>Export as CSV (UTF-8)...</translation>
    </message>
    <message>
        <source>CSV로 내보내기 (949)...</source>
        <translation>Export as CSV (949)...</translation>
    </message>
    <message>
        <source>실행 취소</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>다시 실행</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Version 1.11</source>
        <translation>Version 1.11</translation>
    </message>
</context>
<context>
    <name>q5300::ui::MediaBar</name>
    <message>
        <source>메체정보</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>재료 :</source>
        <translation>Material:</translation>
    </message>
    <message>
        <source>재료 사이즈:</source>
        <translation>Size:</translation>
    </message>
    <message>
        <source>커팅설정 :</source>
        <translation>Cutting:</translation>
    </message>
    <message>
        <source>여백 :</source>
        <translation>Margin:</translation>
    </message>
    <message>
        <source>정렬 :</source>
        <translation>Alignment:</translation>
    </message>
    <message>
        <source>농도 :</source>
        <translation>Density:</translation>
    </message>
    <message>
        <source>전체반복:</source>
        <translation>Copies:</translation>
    </message>
</context>
<context>
    <name>q5300::ui::PagePanel</name>
    <message>
        <source>설정</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>설정 범위</source>
        <translation>Apply to</translation>
    </message>
    <message>
        <source>현재 페이지</source>
        <translation>Current page</translation>
    </message>
    <message>
        <source>이후페이지</source>
        <translation>Following pages</translation>
    </message>
    <message>
        <source>페이지 정보</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>길이</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>자동</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>사용자설정</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>전각</source>
        <translation>Full width</translation>
    </message>
    <message>
        <source>반각</source>
        <translation>Half width</translation>
    </message>
    <message>
        <source>없음</source>
        <translation>None</translation>
    </message>
    <message>
        <source>사각프레임</source>
        <translation>Frame</translation>
    </message>
    <message>
        <source>밑줄</source>
        <translation>Underline</translation>
    </message>
    <message>
        <source>수평</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>수직</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>개별반복 :</source>
        <translation>Repeat:</translation>
    </message>
    <message>
        <source>글꼴크기:</source>
        <translation>Font size:</translation>
    </message>
    <message>
        <source>전각/반각:</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source>프레임:</source>
        <translation>Frame:</translation>
    </message>
    <message>
        <source>인쇄방향:</source>
        <translation>Direction:</translation>
    </message>
    <message>
        <source>넘버링 설정</source>
        <translation>Numbering</translation>
    </message>
    <message>
        <source>넘버링 반복인쇄 방식</source>
        <translation>Repeats of numbered pages</translation>
    </message>
    <message>
        <source>연속반복</source>
        <translation>Continuous</translation>
    </message>
    <message>
        <source>순차반복</source>
        <translation>Sequential</translation>
    </message>
</context>
<context>
    <name>q5300::ui::StatusPopupWindow</name>
    <message>
        <source>중지</source>
        <translation>Stop</translation>
    </message>
</context>
</TS>
