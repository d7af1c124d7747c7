<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
    <context>
        <name>CommManager</name>
        <message>
            <source>QAbstractSocket::ConnectionRefusedError</source>
            <translation>連線被拒絕</translation>
        </message>
        <message>
            <source>QAbstractSocket::RemoteHostClosedError</source>
            <translation>遠端主機已關閉連線</translation>
        </message>
        <message>
            <source>QAbstractSocket::OtherError</source>
            <translation>其他網路錯誤</translation>
        </message>
        <message>
            <source> access denied</source>
            <translation> 拒絕訪問</translation>
        </message>
        <message>
            <source> is removed</source>
            <translation> 已移除</translation>
        </message>
        <message>
            <source> error</source>
            <translation> 錯誤</translation>
        </message>
        <message>
            <source>The address %1 cannot be resolved: %2</source>
            <translation>無法解析位址 %1：%2</translation>
        </message>
        <message>
            <source>The address %1 has no IPv4 address.</source>
            <translation>位址 %1 沒有 IPv4 位址。</translation>
        </message>
        <message>
            <source>no IPv4 route</source>
            <translation>沒有 IPv4 路由</translation>
        </message>
        <message>
            <source>The address %1 cannot be reached: %2</source>
            <translation>無法到達位址 %1：%2</translation>
        </message>
        <message>
            <source>No device answered at %1.</source>
            <translation>%1 沒有裝置應答。</translation>
        </message>
    </context>
    <context>
        <name>ConfigBackup</name>
        <message>
            <source>The link to %1 was lost during its read-back.</source>
            <translation>與 %1 的連線在回讀期間中斷。</translation>
        </message>
        <message>
            <source>%1 did not finish its read-back within %2 s.</source>
            <translation>%1 未在 %2 秒內完成回讀。</translation>
        </message>
        <message>
            <source>%1 is not online.</source>
            <translation>%1 不在線。</translation>
        </message>
        <message>
            <source>%1 refused to be read back.</source>
            <translation>%1 拒絕回讀。</translation>
        </message>
        <message>
            <source>The backup was cancelled.</source>
            <translation>備份已取消。</translation>
        </message>
    </context>
    <context>
        <name>ConfigDiff</name>
        <message>
            <source>none</source>
            <translation>無</translation>
        </message>
        <message>
            <source>on</source>
            <translation>開</translation>
        </message>
        <message>
            <source>off</source>
            <translation>關閉</translation>
        </message>
        <message>
            <source>%1x%2 %3 Hz, preset %4</source>
            <translation>%1x%2 %3 Hz，預設 %4</translation>
        </message>
        <message>
            <source>outputs: %1 | windows: %2</source>
            <translation>輸出：%1 | 視窗：%2</translation>
        </message>
        <message>
            <source>once</source>
            <translation>一次</translation>
        </message>
        <message>
            <source>every day</source>
            <translation>每天</translation>
        </message>
        <message>
            <source>cycle within a day</source>
            <translation>當天循環</translation>
        </message>
        <message>
            <source>cycle daily</source>
            <translation>每天循環</translation>
        </message>
        <message>
            <source>type %1</source>
            <translation>類型 %1</translation>
        </message>
        <message>
            <source>target %1</source>
            <translation>目標 %1</translation>
        </message>
        <message>
            <source>presets %1, every %2 min for %3 min</source>
            <translation>預設 %1，每 %2 分鐘，共 %3 分鐘</translation>
        </message>
        <message>
            <source>units %1x%2 position %3</source>
            <translation>單元 %1x%2，位置 %3</translation>
        </message>
        <message>
            <source>pixels %1</source>
            <translation>像素 %1</translation>
        </message>
        <message>
            <source>mode %1</source>
            <translation>模式 %1</translation>
        </message>
        <message>
            <source>%1, %2, tune %3 %4 %5 %6</source>
            <translation>%1，%2，微調 %3 %4 %5 %6</translation>
        </message>
        <message>
            <source>%1, preset colour %2</source>
            <translation>%1，預設顏色 %2</translation>
        </message>
        <message>
            <source>%1, mode %2, filters %3 %4, colour %5 %6 %7</source>
            <translation>%1，模式 %2，過濾 %3 %4，顏色 %5 %6 %7</translation>
        </message>
        <message>
            <source>brightness</source>
            <translation>亮度</translation>
        </message>
        <message>
            <source>contrast</source>
            <translation>對比度</translation>
        </message>
        <message>
            <source>sharpness</source>
            <translation>銳利度</translation>
        </message>
        <message>
            <source>hue</source>
            <translation>色調</translation>
        </message>
        <message>
            <source>saturation</source>
            <translation>飽和度</translation>
        </message>
        <message>
            <source>red offset</source>
            <translation>紅色偏移</translation>
        </message>
        <message>
            <source>green offset</source>
            <translation>綠色偏移</translation>
        </message>
        <message>
            <source>blue offset</source>
            <translation>藍色偏移</translation>
        </message>
        <message>
            <source>gamma</source>
            <translation>伽瑪</translation>
        </message>
        <message>
            <source>red gain</source>
            <translation>紅色增益</translation>
        </message>
        <message>
            <source>green gain</source>
            <translation>綠色增益</translation>
        </message>
        <message>
            <source>blue gain</source>
            <translation>藍色增益</translation>
        </message>
        <message>
            <source>the device's layout has %1 windows</source>
            <translation>設備的佈局有 %1 個視窗</translation>
        </message>
        <message>
            <source>the %1 has no such setting</source>
            <translation>%1 沒有此設定</translation>
        </message>
        <message>
            <source>mode %1, exchange %2</source>
            <translation>模式 %1，交換 %2</translation>
        </message>
        <message>
            <source>output mode</source>
            <translation>輸出模式</translation>
        </message>
        <message>
            <source>output %1 resolution</source>
            <translation>輸出 %1 解析度</translation>
        </message>
        <message>
            <source>the %1 sets all outputs to one resolution</source>
            <translation>%1 的所有輸出使用同一解析度</translation>
        </message>
        <message>
            <source>the %1 has %2 settable outputs</source>
            <translation>%1 有 %2 個可設定的輸出</translation>
        </message>
        <message>
            <source>background colour</source>
            <translation>背景顏色</translation>
        </message>
        <message>
            <source>no frame switches the background colour off</source>
            <translation>沒有關閉背景顏色的指令</translation>
        </message>
        <message>
            <source>%1, colour %2, %3, thickness %4</source>
            <translation>%1，顏色 %2，%3，粗細 %4</translation>
        </message>
        <message>
            <source>border %1</source>
            <translation>邊框 %1</translation>
        </message>
        <message>
            <source>the device has %1 borders</source>
            <translation>設備有 %1 個邊框</translation>
        </message>
        <message>
            <source>output enhance</source>
            <translation>輸出增強</translation>
        </message>
        <message>
            <source>number of windows</source>
            <translation>視窗數量</translation>
        </message>
        <message>
            <source>a layout of %1 windows comes only from a template or preset of that many windows, and neither the file nor the device has one</source>
            <translation>%1 個視窗的佈局只能來自視窗數相同的模板或預設，檔案和設備中都沒有</translation>
        </message>
        <message>
            <source>window %1 geometry</source>
            <translation>視窗%1 位置和大小</translation>
        </message>
        <message>
            <source>window %1 transparency</source>
            <translation>視窗%1 透明度</translation>
        </message>
        <message>
            <source>the %1 has no %2</source>
            <translation>%1 沒有 %2</translation>
        </message>
        <message>
            <source>window %1 source</source>
            <translation>視窗%1 訊號源</translation>
        </message>
        <message>
            <source>window %1 rotation</source>
            <translation>視窗%1 旋轉</translation>
        </message>
        <message>
            <source>window %1 input crop</source>
            <translation>視窗%1 輸入裁剪</translation>
        </message>
        <message>
            <source>window %1 %2</source>
            <translation>視窗%1 %2</translation>
        </message>
        <message>
            <source>mode %1, %2 %3 %4</source>
            <translation>模式 %1，%2 %3 %4</translation>
        </message>
        <message>
            <source>window %1 colour temperature</source>
            <translation>視窗%1 色溫</translation>
        </message>
        <message>
            <source>window %1 colour mode</source>
            <translation>視窗%1 色彩模式</translation>
        </message>
        <message>
            <source>window %1 RGBCMY %2</source>
            <translation>視窗%1 RGBCMY %2</translation>
        </message>
        <message>
            <source>window %1 image effects</source>
            <translation>視窗%1 影像效果</translation>
        </message>
        <message>
            <source>window %1 colour formats</source>
            <translation>視窗%1 色彩格式</translation>
        </message>
        <message>
            <source>EDID %1</source>
            <translation>EDID %1</translation>
        </message>
        <message>
            <source>DVI signal mode</source>
            <translation>DVI 訊號模式</translation>
        </message>
        <message>
            <source>DVI audio input</source>
            <translation>DVI 音訊輸入</translation>
        </message>
        <message>
            <source>mode %1 cannot be set</source>
            <translation>模式 %1 無法設定</translation>
        </message>
        <message>
            <source>window %1 mosaic</source>
            <translation>視窗%1 拼接</translation>
        </message>
        <message>
            <source>window %1 chroma key</source>
            <translation>視窗%1 摳像</translation>
        </message>
        <message>
            <source>follows the switch</source>
            <translation>跟隨切換</translation>
        </message>
        <message>
            <source>window %1</source>
            <translation>視窗%1</translation>
        </message>
        <message>
            <source>audio source</source>
            <translation>音訊來源</translation>
        </message>
        <message>
            <source>audio mute</source>
            <translation>靜音</translation>
        </message>
        <message>
            <source>audio volume</source>
            <translation>音量</translation>
        </message>
        <message>
            <source>freeze</source>
            <translation>凍結</translation>
        </message>
        <message>
            <source>black screen</source>
            <translation>黑屏</translation>
        </message>
        <message>
            <source>picture-in-picture</source>
            <translation>畫中畫</translation>
        </message>
        <message>
            <source>fade, period %1</source>
            <translation>淡入淡出，時間 %1</translation>
        </message>
        <message>
            <source>cut</source>
            <translation>直切</translation>
        </message>
        <message>
            <source>switch mode</source>
            <translation>切換模式</translation>
        </message>
        <message>
            <source>frame sync</source>
            <translation>幀同步</translation>
        </message>
        <message>
            <source>it is set through a window</source>
            <translation>需要透過視窗設定</translation>
        </message>
        <message>
            <source>task %1</source>
            <translation>任務 %1</translation>
        </message>
        <message>
            <source>task type %1 cannot be stored</source>
            <translation>任務類型 %1 無法儲存</translation>
        </message>
        <message>
            <source>all tasks switch</source>
            <translation>全部任務開關</translation>
        </message>
        <message>
            <source>preset number %1 cannot be stored</source>
            <translation>預設編號 %1 無法儲存</translation>
        </message>
        <message>
            <source>windows: %1</source>
            <translation>視窗：%1</translation>
        </message>
        <message>
            <source>preset %1</source>
            <translation>預設 %1</translation>
        </message>
        <message>
            <source>preset %1 outputs</source>
            <translation>預設 %1 輸出</translation>
        </message>
        <message>
            <source>a preset keeps the outputs of the device that stores it</source>
            <translation>預設保存的是儲存它的設備的輸出</translation>
        </message>
        <message>
            <source>a stored preset cannot be deleted</source>
            <translation>已儲存的預設無法刪除</translation>
        </message>
        <message>
            <source>the device has %1 output ports</source>
            <translation>設備有 %1 個輸出埠</translation>
        </message>
        <message>
            <source>the device has %1 inputs</source>
            <translation>設備有 %1 個輸入</translation>
        </message>
        <message>
            <source>output resolution</source>
            <translation>輸出解析度</translation>
        </message>
        <message>
            <source>%1 rows, %2 columns, order %3</source>
            <translation>%1 列，%2 欄，順序 %3</translation>
        </message>
        <message>
            <source>area layout</source>
            <translation>區域佈局</translation>
        </message>
        <message>
            <source>area %1</source>
            <translation>區域 %1</translation>
        </message>
        <message>
            <source>the device has %1 areas</source>
            <translation>設備有 %1 個區域</translation>
        </message>
        <message>
            <source>output port %1</source>
            <translation>輸出埠 %1</translation>
        </message>
        <message>
            <source>%1, layer %2</source>
            <translation>%1，圖層 %2</translation>
        </message>
        <message>
            <source>it has window %1 on input %2, beyond the device's cards</source>
            <translation>其中視窗%1 使用輸入 %2，超出設備的板卡</translation>
        </message>
        <message>
            <source>Outputs</source>
            <translation>輸出</translation>
        </message>
        <message>
            <source>Presets</source>
            <translation>預設</translation>
        </message>
        <message>
            <source>Layout</source>
            <translation>佈局</translation>
        </message>
        <message>
            <source>Picture</source>
            <translation>畫質</translation>
        </message>
        <message>
            <source>EDID</source>
            <translation>EDID</translation>
        </message>
        <message>
            <source>Mosaic</source>
            <translation>拼接</translation>
        </message>
        <message>
            <source>Chroma key</source>
            <translation>摳像</translation>
        </message>
        <message>
            <source>Audio</source>
            <translation>音訊</translation>
        </message>
        <message>
            <source>Switches</source>
            <translation>開關</translation>
        </message>
        <message>
            <source>Timed tasks</source>
            <translation>定時任務</translation>
        </message>
        <message>
            <source>device family</source>
            <translation>設備系列</translation>
        </message>
        <message>
            <source>a configuration restores only to a device of the same family</source>
            <translation>配置只能還原到同系列的設備</translation>
        </message>
    </context>
    <context>
        <name>ConfigFile</name>
        <message>
            <source>%1 is not a number</source>
            <translation>%1 不是數字</translation>
        </message>
        <message>
            <source>%1 is not a whole number</source>
            <translation>%1 不是整數</translation>
        </message>
        <message>
            <source>%1 is outside %2..%3</source>
            <translation>%1 超出 %2..%3</translation>
        </message>
        <message>
            <source>%1 is not a text</source>
            <translation>%1 不是文字</translation>
        </message>
        <message>
            <source>is not an object</source>
            <translation>不是物件</translation>
        </message>
        <message>
            <source>has %1 entries, %2 are required</source>
            <translation>有 %1 項，需要 %2 項</translation>
        </message>
        <message>
            <source>key %1 appears twice (also at %2)</source>
            <translation>鍵 %1 重複出現（另見 %2）</translation>
        </message>
        <message>
            <source>is not a list</source>
            <translation>不是清單</translation>
        </message>
        <message>
            <source>has %1 values, %2 are required</source>
            <translation>有 %1 個值，需要 %2 個</translation>
        </message>
        <message>
            <source>is missing</source>
            <translation>缺少</translation>
        </message>
        <message>
            <source>has %1 entries, at most %2 are allowed</source>
            <translation>有 %1 項，最多允許 %2 項</translation>
        </message>
        <message>
            <source>%1 is not a supported device type (%2)</source>
            <translation>%1 不是支援的設備類型（%2）</translation>
        </message>
        <message>
            <source>"%1" does not match type %2 (%3)</source>
            <translation>"%1" 與類型 %2（%3）不符</translation>
        </message>
        <message>
            <source>"%1" is not 24 lower-case hexadecimal digits</source>
            <translation>"%1" 不是 24 位小寫十六進位數字</translation>
        </message>
        <message>
            <source>"%1" is not an IP address</source>
            <translation>"%1" 不是 IP 位址</translation>
        </message>
        <message>
            <source>The file is empty.</source>
            <translation>檔案為空。</translation>
        </message>
        <message>
            <source>The file ends early at byte %1: it is truncated.</source>
            <translation>檔案在第 %1 位元組處提前結束：檔案不完整。</translation>
        </message>
        <message>
            <source>The file is not valid JSON: %1 at byte %2.</source>
            <translation>檔案不是有效的 JSON：第 %2 位元組處 %1。</translation>
        </message>
        <message>
            <source>The file gives format %1, which no version of this program writes.</source>
            <translation>檔案格式為 %1，本程式的任何版本都不會寫出該格式。</translation>
        </message>
        <message>
            <source>The file is of format %1, this program reads up to %2.</source>
            <translation>檔案格式為 %1，本程式最高只能讀取格式 %2。</translation>
        </message>
        <message>
            <source>The file is of format %1, which this program cannot convert.</source>
            <translation>檔案格式為 %1，本程式無法轉換。</translation>
        </message>
        <message>
            <source>The file is not a configuration file: it has no format number.</source>
            <translation>該檔案不是配置檔案：沒有格式編號。</translation>
        </message>
        <message>
            <source>"%1" is not a date and time</source>
            <translation>"%1" 不是日期時間</translation>
        </message>
        <message>
            <source>"%1" is also the cpuid of devices[%2]</source>
            <translation>"%1" 也是 devices[%2] 的 cpuid</translation>
        </message>
        <message>
            <source>Cannot write %1: %2</source>
            <translation>無法寫入 %1：%2</translation>
        </message>
        <message>
            <source>Cannot read %1: %2</source>
            <translation>無法讀取 %1：%2</translation>
        </message>
        <message>
            <source>%1 is too large to be a configuration file.</source>
            <translation>%1 太大，不是配置檔案。</translation>
        </message>
    </context>
    <context>
        <name>DeviceHub</name>
        <message>
            <source>%1: back online after %2 tries</source>
            <translation>%1：嘗試 %2 次後重新上線</translation>
        </message>
        <message>
            <source>%1: in use by another computer</source>
            <translation>%1：已被其他電腦佔用</translation>
        </message>
        <message>
            <source>Connect interrupt</source>
            <translation>連線中斷</translation>
        </message>
        <message>
            <source>%1: link lost</source>
            <translation>%1：連線中斷</translation>
        </message>
        <message>
            <source>%1: link lost (%2)</source>
            <translation>%1：連線中斷（%2）</translation>
        </message>
        <message>
            <source>%1: reconnecting, try %2: probing %3</source>
            <translation>%1：正在重新連線，第 %2 次嘗試：探測 %3</translation>
        </message>
        <message>
            <source>%1: reconnecting, try %2: asking %3</source>
            <translation>%1：正在重新連線，第 %2 次嘗試：詢問 %3</translation>
        </message>
        <message>
            <source>%1: taken over from another computer</source>
            <translation>%1：已從其他電腦接管</translation>
        </message>
        <message>
            <source>Device Not Connect!</source>
            <translation>裝置未連線！</translation>
        </message>
        <message>
            <source>The device acknowledged %1 of %2 frames.</source>
            <translation>裝置已確認 %2 幀中的 %1 幀。</translation>
        </message>
        <message>
            <source>The device refused %1 of %2 frames.</source>
            <translation>裝置拒絕了 %2 幀中的 %1 幀。</translation>
        </message>
        <message>
            <source>The link to the device was lost (%1 of %2 frames answered).</source>
            <translation>與裝置的連線已中斷（%2 幀中 %1 幀已應答）。</translation>
        </message>
        <message>
            <source>The device did not answer within %1 ms (%2 of %3 frames answered).</source>
            <translation>裝置在 %1 毫秒內沒有應答（%3 幀中 %2 幀已應答）。</translation>
        </message>
    </context>
    <context>
        <name>DialogAddWindow</name>
        <message>
            <source>Add Window</source>
            <translation>新增視窗</translation>
        </message>
        <message>
            <source>h_start</source>
            <translation>水平起始</translation>
        </message>
        <message>
            <source>v_start</source>
            <translation>垂直起始</translation>
        </message>
        <message>
            <source>h_width</source>
            <translation>水平寬度</translation>
        </message>
        <message>
            <source>v_height</source>
            <translation>垂直高度</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>確定</translation>
        </message>
        <message>
            <source>tips</source>
            <translation>提示</translation>
        </message>
        <message>
            <source>Parameter beyond range</source>
            <translation>參數超出範圍</translation>
        </message>
    </context>
    <context>
        <name>DialogAttribute</name>
        <message>
            <source>Window Attribute</source>
            <translation>視窗屬性</translation>
        </message>
        <message>
            <source>QLabel#label_inputResoltion{padding-left: 9;}</source>
            <translation>QLabel#label_inputResoltion{padding-left: 9;}</translation>
        </message>
        <message>
            <source>Input Resolution: unknown</source>
            <translation>輸入解析度：未知</translation>
        </message>
        <message>
            <source>input crop</source>
            <translation>輸入裁剪</translation>
        </message>
        <message>
            <source>crop</source>
            <translation>裁剪</translation>
        </message>
        <message>
            <source>h_start</source>
            <translation>水平起始</translation>
        </message>
        <message>
            <source>v_start</source>
            <translation>垂直起始</translation>
        </message>
        <message>
            <source>h_width</source>
            <translation>水平寬度</translation>
        </message>
        <message>
            <source>v_height</source>
            <translation>垂直高度</translation>
        </message>
        <message>
            <source>window setting</source>
            <translation>視窗設定</translation>
        </message>
        <message>
            <source>transparence</source>
            <translation>透明度</translation>
        </message>
        <message>
            <source>Apply</source>
            <translation>應用</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>關閉</translation>
        </message>
        <message>
            <source>window %1</source>
            <translation>視窗%1</translation>
        </message>
        <message>
            <source>Input Resolution: %1x%2x%3</source>
            <translation>輸入解析度：%1x%2x%3</translation>
        </message>
    </context>
    <context>
        <name>DialogAudio</name>
        <message>
            <source>Audio</source>
            <translation>音訊</translation>
        </message>
        <message>
            <source>Working Mode</source>
            <translation>工作模式</translation>
        </message>
        <message>
            <source>Choose Window</source>
            <translation>選擇視窗</translation>
        </message>
        <message>
            <source>Sound Off</source>
            <translation>靜音</translation>
        </message>
        <message>
            <source>Volume</source>
            <translation>音量</translation>
        </message>
        <message>
            <source>bind window</source>
            <translation>繫結視窗</translation>
        </message>
        <message>
            <source>follow switch</source>
            <translation>跟隨切換</translation>
        </message>
        <message>
            <source>window %1</source>
            <translation>視窗%1</translation>
        </message>
    </context>
    <context>
        <name>DialogChromaKey</name>
        <message>
            <source>Chroma Key</source>
            <translation>摳像</translation>
        </message>
        <message>
            <source>Mode</source>
            <translation>模式</translation>
        </message>
        <message>
            <source>Preset</source>
            <translation>預設</translation>
        </message>
        <message>
            <source>Custom</source>
            <translation>自定義</translation>
        </message>
        <message>
            <source>Color Filter</source>
            <translation>顏色過濾</translation>
        </message>
        <message>
            <source>Red</source>
            <translation>紅色</translation>
        </message>
        <message>
            <source>Green</source>
            <translation>綠色</translation>
        </message>
        <message>
            <source>Blue</source>
            <translation>藍色</translation>
        </message>
        <message>
            <source>Black</source>
            <translation>黑色</translation>
        </message>
        <message>
            <source>White</source>
            <translation>白色</translation>
        </message>
        <message>
            <source>RGB Filter1</source>
            <translation>RGB過濾1</translation>
        </message>
        <message>
            <source>Above</source>
            <translation>上方</translation>
        </message>
        <message>
            <source>Below</source>
            <translation>下方</translation>
        </message>
        <message>
            <source>RGB Filter2</source>
            <translation>RGB過濾2</translation>
        </message>
        <message>
            <source>And</source>
            <translation>且</translation>
        </message>
        <message>
            <source>Or</source>
            <translation>或</translation>
        </message>
        <message>
            <source>Apply</source>
            <translation>應用</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>關閉</translation>
        </message>
        <message>
            <source>Chroma Key - Window%1</source>
            <translation>摳像 - 視窗%1</translation>
        </message>
    </context>
    <context>
        <name>DialogConfigRestore</name>
        <message>
            <source>Restore configuration</source>
            <translation>還原配置</translation>
        </message>
        <message>
            <source>File:</source>
            <translation>檔案：</translation>
        </message>
        <message>
            <source>Browse…</source>
            <translation>瀏覽…</translation>
        </message>
        <message>
            <source>Open</source>
            <translation>開啟</translation>
        </message>
        <message>
            <source>Devices of the file, and the online device each one is restored to:</source>
            <translation>檔案中的裝置，以及每台要還原到的在線裝置：</translation>
        </message>
        <message>
            <source>Compare</source>
            <translation>比較</translation>
        </message>
        <message>
            <source>Reads each chosen device back and lists every setting that differs from the file. Nothing is sent yet.</source>
            <translation>回讀所選的每台裝置，列出與檔案不同的每項設定。此時不傳送任何內容。</translation>
        </message>
        <message>
            <source>Settings that differ; tick the groups to restore:</source>
            <translation>不同的設定；請勾選要還原的分組：</translation>
        </message>
        <message>
            <source>What was restored, verified by reading each device back:</source>
            <translation>已還原的內容（已透過回讀每台裝置校驗）：</translation>
        </message>
        <message>
            <source>Restore</source>
            <translation>還原</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>取消</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>關閉</translation>
        </message>
        <message>
            <source>tips</source>
            <translation>提示</translation>
        </message>
        <message>
            <source>Reading back %1 (%2 of %3)…</source>
            <translation>正在回讀 %1（第 %2 個，共 %3 個）…</translation>
        </message>
        <message>
            <source>Reading back %1…</source>
            <translation>正在回讀 %1…</translation>
        </message>
        <message>
            <source>Verifying %1…</source>
            <translation>正在校驗 %1…</translation>
        </message>
        <message>
            <source>%1: step %2 of %3, %4: %5</source>
            <translation>%1：第 %2 步，共 %3 步，%4：%5</translation>
        </message>
        <message>
            <source>In the file</source>
            <translation>檔案中</translation>
        </message>
        <message>
            <source>Restore to</source>
            <translation>還原到</translation>
        </message>
        <message>
            <source>Note</source>
            <translation>說明</translation>
        </message>
        <message>
            <source>Setting</source>
            <translation>設定</translation>
        </message>
        <message>
            <source>On the device</source>
            <translation>裝置上</translation>
        </message>
        <message>
            <source>Devices: %1. Read back %2 by %3.</source>
            <translation>裝置：%1。由 %3 於 %2 回讀。</translation>
        </message>
        <message>
            <source>Do not restore</source>
            <translation>不還原</translation>
        </message>
        <message>
            <source>Choose a configuration file.</source>
            <translation>請選擇配置檔案。</translation>
        </message>
        <message>
            <source>Configuration files (*.json)</source>
            <translation>配置檔案 (*.json)</translation>
        </message>
        <message>
            <source>%1 cannot be restored: %2</source>
            <translation>無法還原 %1：%2</translation>
        </message>
        <message>
            <source>%1 holds no device.</source>
            <translation>%1 中沒有裝置。</translation>
        </message>
        <message>
            <source>No online device of this family.</source>
            <translation>沒有該系列的在線裝置。</translation>
        </message>
        <message>
            <source>%1 is chosen for more than one device of the file.</source>
            <translation>%1 被選給了檔案中的多台裝置。</translation>
        </message>
        <message>
            <source>Choose the device each device of the file is restored to.</source>
            <translation>請為檔案中的每台裝置選擇要還原到的裝置。</translation>
        </message>
        <message>
            <source>Compared. Nothing has been sent yet.</source>
            <translation>比較完成。尚未傳送任何內容。</translation>
        </message>
        <message>
            <source>%1 → %2</source>
            <translation>%1 → %2</translation>
        </message>
        <message>
            <source>to restore: %1</source>
            <translation>待還原：%1</translation>
        </message>
        <message>
            <source>not applicable: %1</source>
            <translation>無法應用：%1</translation>
        </message>
        <message>
            <source>, </source>
            <translation>，</translation>
        </message>
        <message>
            <source>cannot be applied: %1</source>
            <translation>無法應用：%1</translation>
        </message>
        <message>
            <source>No differences: the device matches the file.</source>
            <translation>沒有差異：裝置與檔案一致。</translation>
        </message>
        <message>
            <source>differences: %1</source>
            <translation>差異：%1</translation>
        </message>
        <message>
            <source>another model; not applicable: %1</source>
            <translation>其他型號；無法應用：%1</translation>
        </message>
        <message>
            <source>%1: %2</source>
            <translation>%1：%2</translation>
        </message>
        <message>
            <source>Tick at least one group to restore.</source>
            <translation>請至少勾選一個要還原的分組。</translation>
        </message>
        <message>
            <source>Restore now?</source>
            <translation>現在還原嗎？</translation>
        </message>
        <message>
            <source>%1 → %2: not started (cancelled)</source>
            <translation>%1 → %2：未開始（已取消）</translation>
        </message>
        <message>
            <source>%1 → %2: %3</source>
            <translation>%1 → %2：%3</translation>
        </message>
        <message>
            <source>Applied: %1</source>
            <translation>已應用：%1</translation>
        </message>
        <message>
            <source>Partly applied: %1</source>
            <translation>部分應用：%1</translation>
        </message>
        <message>
            <source>Not applied: %1</source>
            <translation>未應用：%1</translation>
        </message>
        <message>
            <source>Not verified: the device could not be read back.</source>
            <translation>未校驗：無法回讀裝置。</translation>
        </message>
        <message>
            <source>Cannot be applied on this device:</source>
            <translation>此裝置無法應用：</translation>
        </message>
        <message>
            <source>Does not match the file after the restore:</source>
            <translation>還原後與檔案不符：</translation>
        </message>
        <message>
            <source>%1: file %2, device %3</source>
            <translation>%1：檔案 %2，裝置 %3</translation>
        </message>
        <message>
            <source>Restore done and verified.</source>
            <translation>還原完成並已校驗。</translation>
        </message>
        <message>
            <source>Restore cancelled; see the report for what was applied.</source>
            <translation>還原已取消；已應用的內容見報告。</translation>
        </message>
        <message>
            <source>Restore not fully applied; see the report.</source>
            <translation>還原未完全應用；詳見報告。</translation>
        </message>
        <message>
            <source>Cancelling before the next step…</source>
            <translation>正在取消，將在下一步之前停止…</translation>
        </message>
    </context>
    <context>
        <name>DialogConfigSave</name>
        <message>
            <source>Save configuration</source>
            <translation>儲存配置</translation>
        </message>
        <message>
            <source>Devices to back up (each is read back in full first):</source>
            <translation>要備份的裝置（每台先完整回讀）：</translation>
        </message>
        <message>
            <source>File:</source>
            <translation>檔案：</translation>
        </message>
        <message>
            <source>Browse…</source>
            <translation>瀏覽…</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>儲存</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>取消</translation>
        </message>
        <message>
            <source>tips</source>
            <translation>提示</translation>
        </message>
        <message>
            <source>Current device: %1</source>
            <translation>目前裝置：%1</translation>
        </message>
        <message>
            <source>Current device (not online)</source>
            <translation>目前裝置（不在線）</translation>
        </message>
        <message>
            <source>All online devices (%1)</source>
            <translation>所有在線裝置（%1）</translation>
        </message>
        <message>
            <source>Configuration files (*.json)</source>
            <translation>配置檔案 (*.json)</translation>
        </message>
        <message>
            <source>Please choose a file to save to.</source>
            <translation>請選擇要儲存到的檔案。</translation>
        </message>
        <message>
            <source>No device is online.</source>
            <translation>沒有在線的裝置。</translation>
        </message>
        <message>
            <source>Cancelling after the read-back that runs…</source>
            <translation>正在取消，目前回讀結束後停止…</translation>
        </message>
        <message>
            <source>Reading back %1 (%2 of %3)…</source>
            <translation>正在回讀 %1（第 %2 個，共 %3 個）…</translation>
        </message>
        <message>
            <source>Writing %1…</source>
            <translation>正在寫入 %1…</translation>
        </message>
        <message>
            <source>Saved.</source>
            <translation>已儲存。</translation>
        </message>
        <message>
            <source>Saved to %1 (devices: %2).</source>
            <translation>已儲存到 %1（裝置：%2）。</translation>
        </message>
        <message>
            <source>Nothing was saved: %1</source>
            <translation>未儲存任何內容：%1</translation>
        </message>
    </context>
    <context>
        <name>DialogDiagnostics</name>
        <message>
            <source>Diagnostics</source>
            <translation>診斷</translation>
        </message>
        <message>
            <source>Event history</source>
            <translation>事件記錄</translation>
        </message>
        <message>
            <source>Frame monitor</source>
            <translation>幀監視</translation>
        </message>
        <message>
            <source>Pause</source>
            <translation>暫停</translation>
        </message>
        <message>
            <source>Command:</source>
            <translation>命令：</translation>
        </message>
        <message>
            <source>Clear</source>
            <translation>清除</translation>
        </message>
        <message>
            <source>Save...</source>
            <translation>儲存...</translation>
        </message>
        <message>
            <source>image quality</source>
            <translation>畫質</translation>
        </message>
        <message>
            <source>input crop</source>
            <translation>輸入裁剪</translation>
        </message>
        <message>
            <source>window</source>
            <translation>視窗</translation>
        </message>
        <message>
            <source>template / preset</source>
            <translation>模板 / 預設</translation>
        </message>
        <message>
            <source>output</source>
            <translation>輸出</translation>
        </message>
        <message>
            <source>mosaic / frame sync</source>
            <translation>拼接 / 幀同步</translation>
        </message>
        <message>
            <source>audio</source>
            <translation>音訊</translation>
        </message>
        <message>
            <source>switch input</source>
            <translation>切換輸入</translation>
        </message>
        <message>
            <source>time / timed task</source>
            <translation>時間 / 定時任務</translation>
        </message>
        <message>
            <source>test pattern</source>
            <translation>測試圖卡</translation>
        </message>
        <message>
            <source>EDID setting</source>
            <translation>EDID設定</translation>
        </message>
        <message>
            <source>chroma key</source>
            <translation>摳像</translation>
        </message>
        <message>
            <source>picture in picture</source>
            <translation>子母畫面</translation>
        </message>
        <message>
            <source>device name</source>
            <translation>裝置名稱</translation>
        </message>
        <message>
            <source>freeze</source>
            <translation>凍結</translation>
        </message>
        <message>
            <source>switch mode</source>
            <translation>切換模式</translation>
        </message>
        <message>
            <source>local</source>
            <translation>區域性全屏</translation>
        </message>
        <message>
            <source>black screen</source>
            <translation>黑屏</translation>
        </message>
        <message>
            <source>VGA adjust</source>
            <translation>VGA 調整</translation>
        </message>
        <message>
            <source>background colour</source>
            <translation>背景顏色</translation>
        </message>
        <message>
            <source>border</source>
            <translation>邊框</translation>
        </message>
        <message>
            <source>output enhance</source>
            <translation>輸出增強</translation>
        </message>
        <message>
            <source>factory reset</source>
            <translation>恢復原廠設定</translation>
        </message>
        <message>
            <source>USB play</source>
            <translation>USB播放</translation>
        </message>
        <message>
            <source>panels</source>
            <translation>螢幕列表</translation>
        </message>
        <message>
            <source>windows</source>
            <translation>視窗列表</translation>
        </message>
        <message>
            <source>input crops</source>
            <translation>輸入裁剪</translation>
        </message>
        <message>
            <source>input signals</source>
            <translation>輸入訊號</translation>
        </message>
        <message>
            <source>image quality read</source>
            <translation>畫質讀取</translation>
        </message>
        <message>
            <source>presets</source>
            <translation>預設列表</translation>
        </message>
        <message>
            <source>templates</source>
            <translation>模板列表</translation>
        </message>
        <message>
            <source>mosaic read</source>
            <translation>拼接讀取</translation>
        </message>
        <message>
            <source>timed tasks</source>
            <translation>定時任務列表</translation>
        </message>
        <message>
            <source>EDID read</source>
            <translation>EDID 讀取</translation>
        </message>
        <message>
            <source>chroma keys</source>
            <translation>摳像列表</translation>
        </message>
        <message>
            <source>borders</source>
            <translation>邊框列表</translation>
        </message>
        <message>
            <source>output enhance read</source>
            <translation>輸出增強讀取</translation>
        </message>
        <message>
            <source>other settings</source>
            <translation>其他設定</translation>
        </message>
        <message>
            <source>read all</source>
            <translation>全部讀取</translation>
        </message>
        <message>
            <source>output update</source>
            <translation>輸出更新</translation>
        </message>
        <message>
            <source>firmware upgrade</source>
            <translation>韌體升級</translation>
        </message>
        <message>
            <source>link</source>
            <translation>鏈路</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>時間</translation>
        </message>
        <message>
            <source>Event</source>
            <translation>事件</translation>
        </message>
        <message>
            <source>Direction</source>
            <translation>方向</translation>
        </message>
        <message>
            <source>Command</source>
            <translation>命令</translation>
        </message>
        <message>
            <source>Sub-command</source>
            <translation>子命令</translation>
        </message>
        <message>
            <source>Length</source>
            <translation>長度</translation>
        </message>
        <message>
            <source>Frame</source>
            <translation>幀</translation>
        </message>
        <message>
            <source>All commands</source>
            <translation>全部命令</translation>
        </message>
        <message>
            <source>search / announcement</source>
            <translation>搜尋 / 裝置應答</translation>
        </message>
        <message>
            <source>heartbeat</source>
            <translation>心跳</translation>
        </message>
        <message>
            <source>connection interrupted</source>
            <translation>連線中斷</translation>
        </message>
        <message>
            <source>enter boot</source>
            <translation>進入開機引導</translation>
        </message>
        <message>
            <source>begin upgrade</source>
            <translation>開始升級</translation>
        </message>
        <message>
            <source>data block</source>
            <translation>資料塊</translation>
        </message>
        <message>
            <source>end upgrade</source>
            <translation>結束升級</translation>
        </message>
        <message>
            <source>load template</source>
            <translation>呼叫模板</translation>
        </message>
        <message>
            <source>load preset</source>
            <translation>呼叫預設</translation>
        </message>
        <message>
            <source>save preset</source>
            <translation>儲存預設</translation>
        </message>
        <message>
            <source>sent</source>
            <translation>傳送</translation>
        </message>
        <message>
            <source>received</source>
            <translation>接收</translation>
        </message>
        <message>
            <source>%1 frames</source>
            <translation>%1 幀</translation>
        </message>
        <message>
            <source>Resume</source>
            <translation>繼續</translation>
        </message>
        <message>
            <source>Save frames</source>
            <translation>儲存幀</translation>
        </message>
        <message>
            <source>Text files (*.txt)</source>
            <translation>文字檔案 (*.txt)</translation>
        </message>
        <message>
            <source>The file %1 cannot be written.</source>
            <translation>無法寫入檔案 %1。</translation>
        </message>
    </context>
    <context>
        <name>DialogEDID</name>
        <message>
            <source>EDID Setting</source>
            <translation>EDID設定</translation>
        </message>
        <message>
            <source>Input Selete</source>
            <translation>輸入選擇</translation>
        </message>
        <message>
            <source>Resolution:</source>
            <translation>解析度：</translation>
        </message>
        <message>
            <source>Width</source>
            <translation>寬度</translation>
        </message>
        <message>
            <source>Height</source>
            <translation>高度</translation>
        </message>
        <message>
            <source>Frame Rate</source>
            <translation>幀率</translation>
        </message>
        <message>
            <source>DVI Signal Mode</source>
            <translation>DVI訊號模式</translation>
        </message>
        <message>
            <source>Reset All</source>
            <translation>全部復位</translation>
        </message>
        <message>
            <source>Apply</source>
            <translation>應用</translation>
        </message>
        <message>
            <source>Input%1</source>
            <translation>輸入%1</translation>
        </message>
        <message>
            <source>Custom</source>
            <translation>自定義</translation>
        </message>
        <message>
            <source>DVI</source>
            <translation>DVI</translation>
        </message>
        <message>
            <source>HDMI</source>
            <translation>HDMI</translation>
        </message>
        <message>
            <source>DVI Audio Input</source>
            <translation>DVI音訊輸入</translation>
        </message>
        <message>
            <source>Analog</source>
            <translation>模擬</translation>
        </message>
        <message>
            <source>Digital</source>
            <translation>數字</translation>
        </message>
        <message>
            <source>tips</source>
            <translation>提示</translation>
        </message>
        <message>
            <source>Reset All EDID Setting?</source>
            <translation>復位所有EDID設定？</translation>
        </message>
    </context>
    <context>
        <name>DialogGWImageQuality</name>
        <message>
            <source>Image Quality</source>
            <translation>畫質調節</translation>
        </message>
        <message>
            <source>Window</source>
            <translation>視窗</translation>
        </message>
        <message>
            <source>Brightness</source>
            <translation>亮度</translation>
        </message>
        <message>
            <source>Contrast</source>
            <translation>對比度</translation>
        </message>
        <message>
            <source>Saturation</source>
            <translation>飽和度</translation>
        </message>
        <message>
            <source>Color Offset and Gain</source>
            <translation>顏色偏移與增益</translation>
        </message>
        <message>
            <source>Red</source>
            <translation>紅色</translation>
        </message>
        <message>
            <source>Green</source>
            <translation>綠色</translation>
        </message>
        <message>
            <source>Blue</source>
            <translation>藍色</translation>
        </message>
        <message>
            <source>Red Gain</source>
            <translation>紅色增益</translation>
        </message>
        <message>
            <source>Green Gain</source>
            <translation>綠色增益</translation>
        </message>
        <message>
            <source>Blue Gain</source>
            <translation>藍色增益</translation>
        </message>
        <message>
            <source>Reset</source>
            <translation>復位</translation>
        </message>
        <message>
            <source>tips</source>
            <translation>提示</translation>
        </message>
        <message>
            <source>Reset All Picture Params?</source>
            <translation>復位所有畫質參數？</translation>
        </message>
    </context>
    <context>
        <name>DialogGWPanel</name>
        <message>
            <source>Output Setting</source>
            <translation>輸出設定</translation>
        </message>
        <message>
            <source>Basic parameters</source>
            <translation>基本參數</translation>
        </message>
        <message>
            <source>Resolution</source>
            <translation>解析度</translation>
        </message>
        <message>
            <source>Width</source>
            <translation>寬度</translation>
        </message>
        <message>
            <source>Height</source>
            <translation>高度</translation>
        </message>
        <message>
            <source>Frame Rate</source>
            <translation>幀率</translation>
        </message>
        <message>
            <source>Rows</source>
            <translation>行數</translation>
        </message>
        <message>
            <source>Columns</source>
            <translation>列數</translation>
        </message>
        <message>
            <source>Numbering Order</source>
            <translation>編號順序</translation>
        </message>
        <message>
            <source>First horizontal and then vertical</source>
            <translation>先橫後豎</translation>
        </message>
        <message>
            <source>First vertical and then horizontal</source>
            <translation>先豎後橫</translation>
        </message>
        <message>
            <source>Apply</source>
            <translation>應用</translation>
        </message>
        <message>
            <source>Screen parameters</source>
            <translation>螢幕參數</translation>
        </message>
        <message>
            <source>Double clicking the table on the left and top can modify the screen parameters.</source>
            <translation>雙擊左側和頂部的表格可修改螢幕參數。</translation>
        </message>
        <message>
            <source>Output mapping</source>
            <translation>輸出對映</translation>
        </message>
        <message>
            <source>Output Port</source>
            <translation>輸出埠</translation>
        </message>
        <message>
            <source>Display Areas</source>
            <translation>顯示區域</translation>
        </message>
        <message>
            <source>
screen: %1 
h_width: %2 
v_height: %3 
</source>
            <translation>
螢幕：%1 
水平寬度：%2 
垂直高度：%3 
</translation>
        </message>
        <message>
            <source>custom</source>
            <translation>自定義</translation>
        </message>
        <message>
            <source>Row and column cannot be greater than %1</source>
            <translation>行數和列數不能大於%1</translation>
        </message>
        <message>
            <source>Please enter a valid width of the screen.</source>
            <translation>請輸入有效的螢幕寬度。</translation>
        </message>
        <message>
            <source>Please enter a valid height of the screen.</source>
            <translation>請輸入有效的螢幕高度。</translation>
        </message>
        <message>
            <source>The width of the screen can not be larger than the width of the resolution.</source>
            <translation>螢幕寬度不能大於解析度寬度。</translation>
        </message>
        <message>
            <source>The height of the screen can not be larger than the height of the resolution.</source>
            <translation>螢幕高度不能大於解析度高度。</translation>
        </message>
        <message>
            <source>Input Screen ID Error</source>
            <translation>輸入螢幕ID錯誤</translation>
        </message>
        <message>
            <source>tips</source>
            <translation>提示</translation>
        </message>
    </context>
    <context>
        <name>DialogImageQuality</name>
        <message>
            <source>Image Quality</source>
            <translation>畫質調節</translation>
        </message>
        <message>
            <source>Window</source>
            <translation>視窗</translation>
        </message>
        <message>
            <source>Brightness</source>
            <translation>亮度</translation>
        </message>
        <message>
            <source>Contrast</source>
            <translation>對比度</translation>
        </message>
        <message>
            <source>Sharpness</source>
            <translation>銳度</translation>
        </message>
        <message>
            <source>Hue</source>
            <translation>色調</translation>
        </message>
        <message>
            <source>Saturation</source>
            <translation>飽和度</translation>
        </message>
        <message>
            <source>Color Offset</source>
            <translation>顏色偏移</translation>
        </message>
        <message>
            <source>Red</source>
            <translation>紅色</translation>
        </message>
        <message>
            <source>Green</source>
            <translation>綠色</translation>
        </message>
        <message>
            <source>Blue</source>
            <translation>藍色</translation>
        </message>
        <message>
            <source>Reset</source>
            <translation>復位</translation>
        </message>
        <message>
            <source>tips</source>
            <translation>提示</translation>
        </message>
        <message>
            <source>Reset All Picture Params?</source>
            <translation>復位所有畫質參數？</translation>
        </message>
    </context>
    <context>
        <name>DialogKXImageQuality</name>
        <message>
            <source>Image Quality</source>
            <translation>畫質調節</translation>
        </message>
        <message>
            <source>Window</source>
            <translation>視窗</translation>
        </message>
        <message>
            <source>Basic Setting</source>
            <translation>基本設定</translation>
        </message>
        <message>
            <source>Brightness</source>
            <translation>亮度</translation>
        </message>
        <message>
            <source>Contrast</source>
            <translation>對比度</translation>
        </message>
        <message>
            <source>Sharpness</source>
            <translation>銳度</translation>
        </message>
        <message>
            <source>Hue</source>
            <translation>色調</translation>
        </message>
        <message>
            <source>Saturation</source>
            <translation>飽和度</translation>
        </message>
        <message>
            <source>Gamma</source>
            <translation>伽馬</translation>
        </message>
        <message>
            <source>Color Offset</source>
            <translation>顏色偏移</translation>
        </message>
        <message>
            <source>Red</source>
            <translation>紅色</translation>
        </message>
        <message>
            <source>Green</source>
            <translation>綠色</translation>
        </message>
        <message>
            <source>Blue</source>
            <translation>藍色</translation>
        </message>
        <message>
            <source>Advanced Setting</source>
            <translation>高階設定</translation>
        </message>
        <message>
            <source>Color Temp</source>
            <translation>色溫</translation>
        </message>
        <message>
            <source>Color Mode</source>
            <translation>顏色模式</translation>
        </message>
        <message>
            <source>RGBCMY Color Setting</source>
            <translation>RGBCMY顏色設定</translation>
        </message>
        <message>
            <source>Cyan</source>
            <translation>青色</translation>
        </message>
        <message>
            <source>Magenta</source>
            <translation>品紅</translation>
        </message>
        <message>
            <source>Yellow</source>
            <translation>黃色</translation>
        </message>
        <message>
            <source>Expert Setting</source>
            <translation>專家設定</translation>
        </message>
        <message>
            <source>Image Effects</source>
            <translation>影象效果</translation>
        </message>
        <message>
            <source>Clear Vision</source>
            <translation>清晰視覺</translation>
        </message>
        <message>
            <source>Luminance</source>
            <translation>亮度增強</translation>
        </message>
        <message>
            <source>Skin Tone</source>
            <translation>膚色</translation>
        </message>
        <message>
            <source>Gaussian Blur</source>
            <translation>高斯模糊</translation>
        </message>
        <message>
            <source>Color Gamut</source>
            <translation>色域</translation>
        </message>
        <message>
            <source>Input Color Range</source>
            <translation>輸入顏色範圍</translation>
        </message>
        <message>
            <source>Input Color Format</source>
            <translation>輸入顏色格式</translation>
        </message>
        <message>
            <source>Window Color Format</source>
            <translation>視窗顏色格式</translation>
        </message>
        <message>
            <source>Reset</source>
            <translation>復位</translation>
        </message>
        <message>
            <source>Standard</source>
            <translation>標準</translation>
        </message>
        <message>
            <source>Cool</source>
            <translation>冷色</translation>
        </message>
        <message>
            <source>Warm</source>
            <translation>暖色</translation>
        </message>
        <message>
            <source>User</source>
            <translation>使用者</translation>
        </message>
        <message>
            <source>Vivid</source>
            <translation>鮮豔</translation>
        </message>
        <message>
            <source>Game</source>
            <translation>遊戲</translation>
        </message>
        <message>
            <source>Movie</source>
            <translation>電影</translation>
        </message>
        <message>
            <source>RGBCMY Brightness</source>
            <translation>RGBCMY亮度</translation>
        </message>
        <message>
            <source>RGBCMY Saturation</source>
            <translation>RGBCMY飽和度</translation>
        </message>
        <message>
            <source>RGBCMY Hue</source>
            <translation>RGBCMY色調</translation>
        </message>
        <message>
            <source>Off</source>
            <translation>關</translation>
        </message>
        <message>
            <source>Weak</source>
            <translation>弱</translation>
        </message>
        <message>
            <source>Medium</source>
            <translation>中</translation>
        </message>
        <message>
            <source>Strong</source>
            <translation>強</translation>
        </message>
        <message>
            <source>Auto</source>
            <translation>自動</translation>
        </message>
        <message>
            <source>Full</source>
            <translation>全範圍</translation>
        </message>
        <message>
            <source>Limit</source>
            <translation>有限範圍</translation>
        </message>
        <message>
            <source>All window</source>
            <translation>所有視窗</translation>
        </message>
        <message>
            <source>window %1</source>
            <translation>視窗%1</translation>
        </message>
        <message>
            <source>tips</source>
            <translation>提示</translation>
        </message>
        <message>
            <source>Reset All Picture Params?</source>
            <translation>復位所有畫質參數？</translation>
        </message>
    </context>
    <context>
        <name>DialogMosaic</name>
        <message>
            <source>Mosaic</source>
            <translation>拼接</translation>
        </message>
        <message>
            <source>Mosaic OnOff</source>
            <translation>拼接開關</translation>
        </message>
        <message>
            <source>Mosaic Mode</source>
            <translation>拼接模式</translation>
        </message>
        <message>
            <source>QComboBox#combo_mosaicMode{min-width:108px;}</source>
            <translation>QComboBox#combo_mosaicMode{min-width:108px;}</translation>
        </message>
        <message>
            <source>Equal</source>
            <translation>等分</translation>
        </message>
        <message>
            <source>Unequal</source>
            <translation>不等分</translation>
        </message>
        <message>
            <source>Mosaic Params</source>
            <translation>拼接參數</translation>
        </message>
        <message>
            <source>H Units</source>
            <translation>水平單元數</translation>
        </message>
        <message>
            <source>V Units</source>
            <translation>垂直單元數</translation>
        </message>
        <message>
            <source>Position</source>
            <translation>位置</translation>
        </message>
        <message>
            <source>H Total</source>
            <translation>水平總數</translation>
        </message>
        <message>
            <source>V Total</source>
            <translation>垂直總數</translation>
        </message>
        <message>
            <source>H Start</source>
            <translation>水平起始</translation>
        </message>
        <message>
            <source>V Start</source>
            <translation>垂直起始</translation>
        </message>
        <message>
            <source>Mosaic Tune</source>
            <translation>拼接微調</translation>
        </message>
        <message>
            <source>H Start Tune</source>
            <translation>水平起始微調</translation>
        </message>
        <message>
            <source>V Start Tune</source>
            <translation>垂直起始微調</translation>
        </message>
        <message>
            <source>Width Tune</source>
            <translation>寬度微調</translation>
        </message>
        <message>
            <source>Height Tune</source>
            <translation>高度微調</translation>
        </message>
        <message>
            <source>Apply</source>
            <translation>應用</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>關閉</translation>
        </message>
        <message>
            <source>window %1</source>
            <translation>視窗%1</translation>
        </message>
    </context>
    <context>
        <name>DialogMultiMachine</name>
        <message>
            <source>MultiMachine</source>
            <translation>多機</translation>
        </message>
        <message>
            <source>Model</source>
            <translation>型號</translation>
        </message>
        <message>
            <source>Connection</source>
            <translation>連線</translation>
        </message>
        <message>
            <source>Version</source>
            <translation>版本</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>名稱</translation>
        </message>
        <message>
            <source>Select</source>
            <translation>選擇</translation>
        </message>
        <message>
            <source>Preset</source>
            <translation>預設</translation>
        </message>
        <message>
            <source>1</source>
            <translation>1</translation>
        </message>
        <message>
            <source>2</source>
            <translation>2</translation>
        </message>
        <message>
            <source>3</source>
            <translation>3</translation>
        </message>
        <message>
            <source>4</source>
            <translation>4</translation>
        </message>
        <message>
            <source>5</source>
            <translation>5</translation>
        </message>
        <message>
            <source>6</source>
            <translation>6</translation>
        </message>
        <message>
            <source>7</source>
            <translation>7</translation>
        </message>
        <message>
            <source>8</source>
            <translation>8</translation>
        </message>
        <message>
            <source>9</source>
            <translation>9</translation>
        </message>
        <message>
            <source>10</source>
            <translation>10</translation>
        </message>
        <message>
            <source>Load Preset</source>
            <translation>呼叫預設</translation>
        </message>
        <message>
            <source>usb</source>
            <translation>USB</translation>
        </message>
        <message>
            <source>network</source>
            <translation>網路</translation>
        </message>
        <message>
            <source>tips</source>
            <translation>提示</translation>
        </message>
        <message>
            <source>Please select a device</source>
            <translation>請選擇裝置</translation>
        </message>
        <message>
            <source>Please select a preset</source>
            <translation>請選擇預設</translation>
        </message>
        <message>
            <source>Sending...</source>
            <translation>正在傳送…</translation>
        </message>
        <message>
            <source>Send completed...</source>
            <translation>傳送完成…</translation>
        </message>
    </context>
    <context>
        <name>DialogOutputSetting</name>
        <message>
            <source>Output Setting</source>
            <translation>輸出設定</translation>
        </message>
        <message>
            <source>Resolution Setting</source>
            <translation>解析度設定</translation>
        </message>
        <message>
            <source>Output Resolution</source>
            <translation>輸出解析度</translation>
        </message>
        <message>
            <source>Output 1</source>
            <translation>輸出1</translation>
        </message>
        <message>
            <source>h_width</source>
            <translation>水平寬度</translation>
        </message>
        <message>
            <source>v_height</source>
            <translation>垂直高度</translation>
        </message>
        <message>
            <source>frames</source>
            <translation>幀</translation>
        </message>
        <message>
            <source>Output 2</source>
            <translation>輸出2</translation>
        </message>
        <message>
            <source>Apply</source>
            <translation>應用</translation>
        </message>
        <message>
            <source>Output</source>
            <translation>輸出</translation>
        </message>
        <message>
            <source>Output mode:</source>
            <translation>輸出模式：</translation>
        </message>
        <message>
            <source>Output 1, 2 exchange</source>
            <translation>輸出1、2互換</translation>
        </message>
        <message>
            <source>Other Setting</source>
            <translation>其他設定</translation>
        </message>
        <message>
            <source>Background Color</source>
            <translation>背景顏色</translation>
        </message>
        <message>
            <source>R</source>
            <translation>R</translation>
        </message>
        <message>
            <source>G</source>
            <translation>G</translation>
        </message>
        <message>
            <source>B</source>
            <translation>B</translation>
        </message>
        <message>
            <source>Border Setting</source>
            <translation>邊框設定</translation>
        </message>
        <message>
            <source>Border Onoff</source>
            <translation>邊框開關</translation>
        </message>
        <message>
            <source>Output Select</source>
            <translation>輸出選擇</translation>
        </message>
        <message>
            <source>h_start</source>
            <translation>水平起始</translation>
        </message>
        <message>
            <source>v_start</source>
            <translation>垂直起始</translation>
        </message>
        <message>
            <source>thickness</source>
            <translation>粗細</translation>
        </message>
        <message>
            <source>Color:</source>
            <translation>顏色：</translation>
        </message>
        <message>
            <source>Output Enhance</source>
            <translation>輸出增強</translation>
        </message>
        <message>
            <source>DVI1-A</source>
            <translation>DVI1-A</translation>
        </message>
        <message>
            <source>DVI1-B</source>
            <translation>DVI1-B</translation>
        </message>
        <message>
            <source>DVI2-A</source>
            <translation>DVI2-A</translation>
        </message>
        <message>
            <source>DVI2-B</source>
            <translation>DVI2-B</translation>
        </message>
        <message>
            <source>Splicing mode</source>
            <translation>拼接模式</translation>
        </message>
        <message>
            <source>Replication mode</source>
            <translation>複製模式</translation>
        </message>
        <message>
            <source>custom</source>
            <translation>自定義</translation>
        </message>
        <message>
            <source>Window Select</source>
            <translation>視窗選擇</translation>
        </message>
        <message>
            <source>DVI2</source>
            <translation>DVI2</translation>
        </message>
        <message>
            <source>window %1</source>
            <translation>視窗%1</translation>
        </message>
        <message>
            <source>DVI%1</source>
            <translation>DVI%1</translation>
        </message>
    </context>
    <context>
        <name>DialogRemoteControl</name>
        <message>
            <source>Remote control</source>
            <translation>遠端控制</translation>
        </message>
        <message>
            <source>Serve remote control over OSC and HTTP</source>
            <translation>透過 OSC 與 HTTP 提供遠端控制</translation>
        </message>
        <message>
            <source>Bind address</source>
            <translation>綁定位址</translation>
        </message>
        <message>
            <source>OSC port (UDP)</source>
            <translation>OSC 連接埠（UDP）</translation>
        </message>
        <message>
            <source>off</source>
            <translation>關閉</translation>
        </message>
        <message>
            <source>HTTP port (TCP)</source>
            <translation>HTTP 連接埠（TCP）</translation>
        </message>
        <message>
            <source>Token</source>
            <translation>權杖</translation>
        </message>
        <message>
            <source>Generate</source>
            <translation>產生</translation>
        </message>
        <message>
            <source>OSC senders</source>
            <translation>OSC 傳送端</translation>
        </message>
        <message>
            <source>Addresses or subnets, separated by commas, e.g. 192.168.1.20, 192.168.1.0/24</source>
            <translation>位址或子網路，以逗號分隔，例如 192.168.1.20, 192.168.1.0/24</translation>
        </message>
        <message>
            <source>none: OSC from this computer only</source>
            <translation>無：僅接受本機的 OSC</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>確定</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>取消</translation>
        </message>
        <message>
            <source>Only programs on this computer can connect.</source>
            <translation>只有本機上的程式可以連線。</translation>
        </message>
        <message>
            <source>Other computers can connect over HTTP with the token. No OSC sender is listed, so OSC messages are taken from this computer only.</source>
            <translation>其他電腦可憑權杖透過 HTTP 連線。未列出 OSC 傳送端，因此只接受來自本機的 OSC 訊息。</translation>
        </message>
        <message>
            <source>Other computers can connect: over HTTP with the token, over OSC from the senders listed.</source>
            <translation>其他電腦可以連線：HTTP 需憑權杖，OSC 僅限所列傳送端。</translation>
        </message>
        <message>
            <source>Not running</source>
            <translation>未執行</translation>
        </message>
        <message>
            <source>Running on %1: OSC port %2, HTTP port %3</source>
            <translation>正在 %1 上執行：OSC 連接埠 %2，HTTP 連接埠 %3</translation>
        </message>
        <message>
            <source>Not running: %1</source>
            <translation>未執行：%1</translation>
        </message>
        <message>
            <source>The servers could not start: %1</source>
            <translation>伺服器無法啟動：%1</translation>
        </message>
    </context>
    <context>
        <name>DialogSearch</name>
        <message>
            <source>Search Device</source>
            <translation>搜尋裝置</translation>
        </message>
        <message>
            <source>current device:</source>
            <translation>當前裝置：</translation>
        </message>
        <message>
            <source>Not Find Device!</source>
            <translation>未找到裝置！</translation>
        </message>
        <message>
            <source>device list</source>
            <translation>裝置列表</translation>
        </message>
        <message>
            <source>Serial port:</source>
            <translation>串列埠：</translation>
        </message>
        <message>
            <source>A serial port the system does not list, e.g. /dev/pts/3</source>
            <translation>系統未列出的串列埠，例如 /dev/pts/3</translation>
        </message>
        <message>
            <source>Add</source>
            <translation>新增</translation>
        </message>
        <message>
            <source>Search</source>
            <translation>搜尋</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>確定</translation>
        </message>
        <message>
            <source>Type</source>
            <translation>型別</translation>
        </message>
        <message>
            <source>Connect</source>
            <translation>連線</translation>
        </message>
        <message>
            <source> Version </source>
            <translation> 版本 </translation>
        </message>
        <message>
            <source>Name</source>
            <translation>名稱</translation>
        </message>
        <message>
            <source>cpuid</source>
            <translation>CPU ID</translation>
        </message>
        <message>
            <source>usb</source>
            <translation>USB</translation>
        </message>
        <message>
            <source>network</source>
            <translation>網路</translation>
        </message>
        <message>
            <source>tips</source>
            <translation>提示</translation>
        </message>
        <message>
            <source>The input is too long!</source>
            <translation>輸入內容過長！</translation>
        </message>
        <message>
            <source>The device network port has been taken up!</source>
            <translation>裝置網路埠已被佔用！</translation>
        </message>
        <message>
            <source>Address:</source>
            <translation>位址：</translation>
        </message>
        <message>
            <source>A device address or host name that broadcasts do not reach, e.g. 10.1.2.3</source>
            <translation>廣播無法到達的裝置位址或主機名稱，例如 10.1.2.3</translation>
        </message>
        <message>
            <source>No connection manager: %1 is not asked.</source>
            <translation>沒有連線管理器：未詢問 %1。</translation>
        </message>
        <message>
            <source>Asking %1 ...</source>
            <translation>正在詢問 %1 ...</translation>
        </message>
    </context>
    <context>
        <name>DialogTestPicCard</name>
        <message>
            <source>TestPicCard</source>
            <translation>測試圖卡</translation>
        </message>
        <message>
            <source>Test Pic Card</source>
            <translation>測試圖卡</translation>
        </message>
        <message>
            <source>Please connect the DVI input signal</source>
            <translation>請接入DVI輸入訊號</translation>
        </message>
    </context>
    <context>
        <name>DialogTimeTake</name>
        <message>
            <source>Task</source>
            <translation>任務</translation>
        </message>
        <message>
            <source>Run Setup</source>
            <translation>執行設定</translation>
        </message>
        <message>
            <source>Task Run</source>
            <translation>任務執行</translation>
        </message>
        <message>
            <source>System Time</source>
            <translation>系統時間</translation>
        </message>
        <message>
            <source>yyyy/MM/dd HH:mm:ss</source>
            <translation>yyyy/MM/dd HH:mm:ss</translation>
        </message>
        <message>
            <source>Use Computer Time</source>
            <translation>使用電腦時間</translation>
        </message>
        <message>
            <source>Apply</source>
            <translation>應用</translation>
        </message>
        <message>
            <source>Task Setting</source>
            <translation>任務設定</translation>
        </message>
        <message>
            <source>Trigger Data</source>
            <translation>觸發日期</translation>
        </message>
        <message>
            <source>yyyy/MM/dd</source>
            <translation>yyyy/MM/dd</translation>
        </message>
        <message>
            <source>Trigger Time</source>
            <translation>觸發時間</translation>
        </message>
        <message>
            <source>HH:mm:ss</source>
            <translation>HH:mm:ss</translation>
        </message>
        <message>
            <source>Task Type</source>
            <translation>任務型別</translation>
        </message>
        <message>
            <source>Only Once</source>
            <translation>僅一次</translation>
        </message>
        <message>
            <source>Every Day</source>
            <translation>每天</translation>
        </message>
        <message>
            <source>Cycle a day</source>
            <translation>每天迴圈</translation>
        </message>
        <message>
            <source>Cycle Daily</source>
            <translation>每日迴圈</translation>
        </message>
        <message>
            <source>Cycle List</source>
            <translation>迴圈列表</translation>
        </message>
        <message>
            <source>Load Target</source>
            <translation>載入目標</translation>
        </message>
        <message>
            <source>Standby</source>
            <translation>待機</translation>
        </message>
        <message>
            <source>Wakeup</source>
            <translation>喚醒</translation>
        </message>
        <message>
            <source>Preset 1</source>
            <translation>預設1</translation>
        </message>
        <message>
            <source>Preset 2</source>
            <translation>預設2</translation>
        </message>
        <message>
            <source>Preset 3</source>
            <translation>預設3</translation>
        </message>
        <message>
            <source>Preset 4</source>
            <translation>預設4</translation>
        </message>
        <message>
            <source>Preset 5</source>
            <translation>預設5</translation>
        </message>
        <message>
            <source>Preset 6</source>
            <translation>預設6</translation>
        </message>
        <message>
            <source>Preset 7</source>
            <translation>預設7</translation>
        </message>
        <message>
            <source>Preset 8</source>
            <translation>預設8</translation>
        </message>
        <message>
            <source>Preset 9</source>
            <translation>預設9</translation>
        </message>
        <message>
            <source>Preset 10</source>
            <translation>預設10</translation>
        </message>
        <message>
            <source>Time Interval</source>
            <translation>時間間隔</translation>
        </message>
        <message>
            <source> min</source>
            <translation> 分鐘</translation>
        </message>
        <message>
            <source>Time Total</source>
            <translation>總時長</translation>
        </message>
        <message>
            <source>Preset %1</source>
            <translation>預設%1</translation>
        </message>
    </context>
    <context>
        <name>DialogUpgrade</name>
        <message>
            <source>Upgrade</source>
            <translation>升級</translation>
        </message>
        <message>
            <source>Open File</source>
            <translation>開啟檔案</translation>
        </message>
        <message>
            <source>Upgrade file type: output card firmware</source>
            <translation>升級檔案型別：輸出卡韌體</translation>
        </message>
        <message>
            <source>Upgrade file type: input card firmware</source>
            <translation>升級檔案型別：輸入卡韌體</translation>
        </message>
        <message>
            <source>Upgrade file type: host firmware</source>
            <translation>升級檔案型別：主機韌體</translation>
        </message>
        <message>
            <source>Upgrade file type: unknown, not upgraded</source>
            <translation>升級檔案型別：未知，未升級</translation>
        </message>
        <message>
            <source>Please select the upgrade file</source>
            <translation>請選擇升級檔案</translation>
        </message>
        <message>
            <source>The upgrade file open faild</source>
            <translation>升級檔案開啟失敗</translation>
        </message>
        <message>
            <source>The upgrade file could not be read completely, not upgraded</source>
            <translation>無法完整讀取升級檔案，未升級</translation>
        </message>
        <message>
            <source>The upgrade file is too large, not upgraded</source>
            <translation>升級檔案過大，未升級</translation>
        </message>
        <message>
            <source>Ready to enter the Boot mode...</source>
            <translation>準備進入Boot模式…</translation>
        </message>
        <message>
            <source>Already into the Boot mode... Start packing up the upgrade data</source>
            <translation>已進入Boot模式…開始打包升級資料</translation>
        </message>
        <message>
            <source>Upgrade file package failure...</source>
            <translation>升級檔案打包失敗…</translation>
        </message>
        <message>
            <source>Upgrade data package finished... Ready to send upgrades</source>
            <translation>升級資料打包完成…準備傳送升級資料</translation>
        </message>
        <message>
            <source>Start sending firmware upgrades...</source>
            <translation>開始傳送韌體升級資料…</translation>
        </message>
        <message>
            <source>Firmware upgrade failure...</source>
            <translation>韌體升級失敗…</translation>
        </message>
        <message>
            <source>The firmware upgrade data is sent out...</source>
            <translation>韌體升級資料已傳送…</translation>
        </message>
        <message>
            <source>Firmware upgrades: success</source>
            <translation>韌體升級：成功</translation>
        </message>
        <message>
            <source>Firmware upgrades: failure</source>
            <translation>韌體升級：失敗</translation>
        </message>
        <message>
            <source>tips</source>
            <translation>提示</translation>
        </message>
        <message>
            <source>Device is being upgraded, Do you want exit?</source>
            <translation>裝置正在升級，確定要退出嗎？</translation>
        </message>
    </context>
    <context>
        <name>DialogUsbPlay</name>
        <message>
            <source>USB Play</source>
            <translation>USB播放</translation>
        </message>
        <message>
            <source>Working mode</source>
            <translation>工作模式</translation>
        </message>
        <message>
            <source>Local Mode</source>
            <translation>本地模式</translation>
        </message>
        <message>
            <source>Remote Mode</source>
            <translation>遠端模式</translation>
        </message>
        <message>
            <source>Wifi Hotspot</source>
            <translation>WiFi熱點</translation>
        </message>
        <message>
            <source>Wireless Display</source>
            <translation>無線投屏</translation>
        </message>
    </context>
    <context>
        <name>ImageQualityStore</name>
        <message>
            <source>All window</source>
            <translation>所有視窗</translation>
        </message>
        <message>
            <source>window %1</source>
            <translation>視窗%1</translation>
        </message>
    </context>
    <context>
        <name>KS9200Interface</name>
        <message>
            <source>Operation conflict</source>
            <translation>操作衝突</translation>
        </message>
    </context>
    <context>
        <name>MainWindow</name>
        <message>
            <source>Test Device</source>
            <translation>測試裝置</translation>
        </message>
        <message>
            <source>tips</source>
            <translation>提示</translation>
        </message>
        <message>
            <source>The serial port %1 does not exist.</source>
            <translation>串列埠%1不存在。</translation>
        </message>
        <message>
            <source>Please connect to the device first!</source>
            <translation>請先連線裝置！</translation>
        </message>
        <message>
            <source>Device Not Connect!</source>
            <translation>裝置未連線！</translation>
        </message>
        <message>
            <source>Connect interrupt</source>
            <translation>連線中斷</translation>
        </message>
        <message>
            <source>Connection abnormal: %1</source>
            <translation>連線異常：%1</translation>
        </message>
        <message>
            <source>Please select a window</source>
            <translation>請選擇視窗</translation>
        </message>
        <message>
            <source>Does not support this feature!</source>
            <translation>不支援此功能！</translation>
        </message>
        <message>
            <source>Factory Reset ?</source>
            <translation>恢復出廠設定？</translation>
        </message>
        <message>
            <source>Input conflict</source>
            <translation>輸入衝突</translation>
        </message>
        <message>
            <source>Output card change is detected, so factory settings must be restored.</source>
            <translation>檢測到輸出卡變更，必須恢復出廠設定。</translation>
        </message>
        <message>
            <source>in use by another computer</source>
            <translation>已被其他電腦佔用</translation>
        </message>
        <message>
            <source>offline for %1</source>
            <translation>已離線 %1</translation>
        </message>
        <message>
            <source>offline</source>
            <translation>離線</translation>
        </message>
        <message>
            <source>reconnecting</source>
            <translation>正在重新連線</translation>
        </message>
        <message>
            <source>Open configuration</source>
            <translation>開啟配置</translation>
        </message>
        <message>
            <source>Configuration files (*.json)</source>
            <translation>配置檔案 (*.json)</translation>
        </message>
        <message>
            <source>%1 cannot be opened: %2</source>
            <translation>無法開啟 %1：%2</translation>
        </message>
        <message>
            <source>The file holds no device.</source>
            <translation>檔案中沒有裝置。</translation>
        </message>
        <message>
            <source>file %1</source>
            <translation>檔案 %1</translation>
        </message>
        <message>
            <source>Configuration file %1: nothing is sent from this tab.</source>
            <translation>配置檔案 %1：此分頁不會傳送任何內容。</translation>
        </message>
        <message>
            <source>%1 (configuration file %2, not a device)</source>
            <translation>%1（配置檔案 %2，不是裝置）</translation>
        </message>
        <message>
            <source>This tab shows a configuration file, not a device: nothing is sent from it. Use "Restore to…" in the main menu to restore it to a device.</source>
            <translation>此分頁顯示的是配置檔案，不是裝置：不會從這裡傳送任何內容。請使用主選單中的「還原到…」將其還原到裝置。</translation>
        </message>
    </context>
    <context>
        <name>QObject</name>
        <message>
            <source>Video processor control</source>
            <translation>影片處理器控制</translation>
        </message>
        <message>
            <source>Also open PATH in every serial search (repeatable), e.g. a pseudo-terminal.</source>
            <translation>每次串列埠搜尋時也開啟 PATH（可重複指定），例如偽終端。</translation>
        </message>
        <message>
            <source>tips</source>
            <translation>提示</translation>
        </message>
        <message>
            <source>Also ask HOST (an address or a name, repeatable) in every network search, for devices that broadcasts do not reach.</source>
            <translation>每次網路搜尋時也詢問 HOST（位址或主機名稱，可重複），用於廣播無法到達的裝置。</translation>
        </message>
    </context>
    <context>
        <name>RemoteControl</name>
        <message>
            <source>Cannot listen for HTTP on %1 port %2</source>
            <translation>無法在 %1 連接埠 %2 上監聽 HTTP</translation>
        </message>
        <message>
            <source>Cannot listen for OSC on %1 port %2: %3</source>
            <translation>無法在 %1 連接埠 %2 上監聽 OSC：%3</translation>
        </message>
        <message>
            <source>Remote control stopped</source>
            <translation>遠端控制已停止</translation>
        </message>
        <message>
            <source>Remote control could not start: %1</source>
            <translation>遠端控制無法啟動：%1</translation>
        </message>
        <message>
            <source>Remote control listening on %1: OSC port %2, HTTP port %3</source>
            <translation>遠端控制正在 %1 上監聽：OSC 連接埠 %2，HTTP 連接埠 %3</translation>
        </message>
        <message>
            <source>off</source>
            <translation>關閉</translation>
        </message>
        <message>
            <source>Remote control: refused %1 from %2: %3</source>
            <translation>遠端控制：已拒絕來自 %2 的 %1：%3</translation>
        </message>
        <message numerus="yes">
            <source> (%n more refusal(s) of this client not logged)</source>
            <translation>
                <numerusform>（該用戶端另有 %n 次拒絕未記錄）</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>RemoteSettings</name>
        <message>
            <source>The bind address "%1" is not an IP address.</source>
            <translation>綁定位址「%1」不是 IP 位址。</translation>
        </message>
        <message>
            <source>Neither an OSC port nor an HTTP port is set.</source>
            <translation>未設定 OSC 連接埠，也未設定 HTTP 連接埠。</translation>
        </message>
        <message>
            <source>Listening on %1 needs a token of at least %2 characters.</source>
            <translation>在 %1 上監聽需要至少 %2 個字元的權杖。</translation>
        </message>
        <message>
            <source>The token must not contain blanks.</source>
            <translation>權杖不能包含空格。</translation>
        </message>
        <message>
            <source>The OSC sender "%1" is not an address or a subnet.</source>
            <translation>OSC 傳送端「%1」不是位址或子網路。</translation>
        </message>
    </context>
    <context>
        <name>RestorePlan</name>
        <message>
            <source>Set %1 to %2</source>
            <translation>將%1設為 %2</translation>
        </message>
        <message>
            <source>Load template %1 for a layout of %2 windows</source>
            <translation>調用模板 %1，得到 %2 個視窗的佈局</translation>
        </message>
        <message>
            <source>Load preset %1 for a layout of %2 windows</source>
            <translation>調用預設 %1，得到 %2 個視窗的佈局</translation>
        </message>
        <message>
            <source>Set window %1 geometry to %2x%3 at %4,%5 (%6)</source>
            <translation>將視窗%1 設為 %2x%3，位於 %4,%5（%6）</translation>
        </message>
        <message>
            <source>the layout of %1 windows could not be put back afterwards</source>
            <translation>之後無法還原 %1 個視窗的佈局</translation>
        </message>
        <message>
            <source>nothing gives a layout of %1 windows</source>
            <translation>沒有可得到 %1 個視窗佈局的模板或預設</translation>
        </message>
        <message>
            <source>preset %1</source>
            <translation>預設 %1</translation>
        </message>
        <message>
            <source>Save the wall as preset %1</source>
            <translation>將目前畫面儲存為預設 %1</translation>
        </message>
        <message>
            <source>live layout put back</source>
            <translation>還原目前佈局</translation>
        </message>
        <message>
            <source>Put window %1 back on %2, transparency %3</source>
            <translation>視窗%1 還原為 %2，透明度 %3</translation>
        </message>
        <message>
            <source>window %1</source>
            <translation>視窗%1</translation>
        </message>
        <message>
            <source>Set window %1 transparency to %2</source>
            <translation>將視窗%1 透明度設為 %2</translation>
        </message>
        <message>
            <source>Switch window %1 to %2</source>
            <translation>將視窗%1 切換到 %2</translation>
        </message>
        <message>
            <source>Set window %1 rotation to %2</source>
            <translation>將視窗%1 旋轉設為 %2</translation>
        </message>
        <message>
            <source>Set window %1 input crop to %2</source>
            <translation>將視窗%1 輸入裁剪設為 %2</translation>
        </message>
        <message>
            <source>Set area %1 to %2x%3 at %4,%5</source>
            <translation>將區域 %1 設為 %2x%3，位於 %4,%5</translation>
        </message>
        <message>
            <source>Lay out preset %1 on the wall (%2 windows)</source>
            <translation>在螢幕上佈置預設 %1（%2 個視窗）</translation>
        </message>
        <message>
            <source>Put the live layout back (%1 windows)</source>
            <translation>還原目前佈局（%1 個視窗）</translation>
        </message>
        <message>
            <source>Close the windows the file does not have</source>
            <translation>關閉檔案中沒有的視窗</translation>
        </message>
        <message>
            <source>Close window %1</source>
            <translation>關閉視窗%1</translation>
        </message>
        <message>
            <source>Place window %1 at %2x%3 at %4,%5, layer %6</source>
            <translation>放置視窗%1：%2x%3，位於 %4,%5，圖層 %6</translation>
        </message>
        <message>
            <source>Switch window %1 to Input%2</source>
            <translation>將視窗%1 切換到 Input%2</translation>
        </message>
        <message>
            <source>Set window %1 input crop</source>
            <translation>設定視窗%1 輸入裁剪</translation>
        </message>
        <message>
            <source>Set window %1 picture item %2 to %3</source>
            <translation>將視窗%1 畫質項 %2 設為 %3</translation>
        </message>
        <message>
            <source>A %1 configuration cannot be restored to a %2: the device must be of the same family.</source>
            <translation>%1 的配置無法還原到 %2：設備必須屬於同一系列。</translation>
        </message>
        <message>
            <source>Restoring a preset lays its windows out on the wall and stores them, so the wall shows each restored preset for a moment; the live layout is put back afterwards.</source>
            <translation>還原預設時會先在螢幕上佈置其視窗再儲存，因此螢幕會短暫顯示每個還原的預設；之後會還原目前佈局。</translation>
        </message>
    </context>
    <context>
        <name>RestoreRunner</name>
        <message>
            <source>done</source>
            <translation>完成</translation>
        </message>
        <message>
            <source>partly applied</source>
            <translation>部分應用</translation>
        </message>
        <message>
            <source>failed</source>
            <translation>失敗</translation>
        </message>
        <message>
            <source>cancelled</source>
            <translation>已取消</translation>
        </message>
        <message>
            <source>There is no group "%1"; the groups are: %2.</source>
            <translation>沒有分組「%1」；可用分組：%2。</translation>
        </message>
        <message>
            <source>%1 is not online: nothing was sent.</source>
            <translation>%1 不在線：未傳送任何內容。</translation>
        </message>
        <message>
            <source>%1 Nothing was sent.</source>
            <translation>%1 未傳送任何內容。</translation>
        </message>
        <message>
            <source>%1 is not online.</source>
            <translation>%1 不在線。</translation>
        </message>
        <message>
            <source>The restore was cancelled before anything was sent.</source>
            <translation>還原在傳送任何內容之前已取消。</translation>
        </message>
        <message>
            <source>The restore was cancelled after %1 of %2 steps.</source>
            <translation>還原在第 %1 步（共 %2 步）之後取消。</translation>
        </message>
        <message>
            <source>step %1 of %2 (%3)</source>
            <translation>第 %1 步，共 %2 步（%3）</translation>
        </message>
        <message>
            <source>%1 refused %2.</source>
            <translation>%1 拒絕了%2。</translation>
        </message>
        <message>
            <source>%1 did not answer %2 in time.</source>
            <translation>%1 未及時應答%2。</translation>
        </message>
        <message>
            <source>The link to %1 was lost at %2.</source>
            <translation>與 %1 的連線在%2時中斷。</translation>
        </message>
        <message>
            <source>%1 was not online for %2.</source>
            <translation>執行%2時 %1 不在線。</translation>
        </message>
        <message>
            <source>Every step was acknowledged, but %1 could not be read back to verify them: %2</source>
            <translation>每一步都已確認，但無法回讀 %1 進行校驗：%2</translation>
        </message>
        <message>
            <source>Every step was acknowledged, but %1 does not match the file after the restore (differences: %2).</source>
            <translation>每一步都已確認，但還原後 %1 與檔案不符（差異：%2）。</translation>
        </message>
        <message>
            <source>%1 already matches the file: nothing was sent.</source>
            <translation>%1 已與檔案一致：未傳送任何內容。</translation>
        </message>
        <message>
            <source>%1 restored: %2 steps applied and verified.</source>
            <translation>%1 已還原：%2 步已應用並校驗。</translation>
        </message>
    </context>
    <context>
        <name>SxDialogTitle</name>
        <message>
            <source>close</source>
            <translation>關閉</translation>
        </message>
    </context>
    <context>
        <name>SxGraphicsItem</name>
        <message>
            <source>window %1</source>
            <translation>視窗%1</translation>
        </message>
    </context>
    <context>
        <name>SxGraphicsView</name>
        <message>
            <source>preset %1</source>
            <translation>預設 %1</translation>
        </message>
        <message>
            <source>attribute</source>
            <translation>屬性</translation>
        </message>
        <message>
            <source>maximize</source>
            <translation>最大化</translation>
        </message>
        <message>
            <source>save</source>
            <translation>儲存</translation>
        </message>
        <message>
            <source>window %1</source>
            <translation>視窗%1</translation>
        </message>
        <message>
            <source>input: [%1][%2]</source>
            <translation>輸入：[%1][%2]</translation>
        </message>
        <message>
            <source>unkown</source>
            <translation>未知</translation>
        </message>
        <message>
            <source>Area: %1</source>
            <translation>區域：%1</translation>
        </message>
        <message>
            <source>Output: %1</source>
            <translation>輸出：%1</translation>
        </message>
        <message>
            <source>input: [%1][%2x%3  %4Hz]</source>
            <translation>輸入：[%1][%2x%3  %4Hz]</translation>
        </message>
        <message>
            <source>error</source>
            <translation>錯誤</translation>
        </message>
        <message>
            <source>The window number has reached the maximum, please delete a window first.</source>
            <translation>視窗數量已達上限，請先刪除一個視窗。</translation>
        </message>
        <message>
            <source>Preset %1 has been saved. Replace it?</source>
            <translation>預設%1已儲存，是否替換？</translation>
        </message>
    </context>
    <context>
        <name>SxGraphicsViewGW</name>
        <message>
            <source>Add</source>
            <translation>新增</translation>
        </message>
        <message>
            <source>Remove</source>
            <translation>刪除</translation>
        </message>
        <message>
            <source>Remove all</source>
            <translation>全部刪除</translation>
        </message>
        <message>
            <source>Fill</source>
            <translation>填充</translation>
        </message>
        <message>
            <source>Fill all</source>
            <translation>全部填充</translation>
        </message>
        <message>
            <source>Area: %1</source>
            <translation>區域：%1</translation>
        </message>
        <message>
            <source>Output: %1</source>
            <translation>輸出：%1</translation>
        </message>
        <message>
            <source>Are you sure remove all window?</source>
            <translation>確定刪除所有視窗嗎？</translation>
        </message>
    </context>
    <context>
        <name>SxGraphicsViewKS</name>
        <message>
            <source>Multi-machine Mosaic</source>
            <translation>多機拼接</translation>
        </message>
        <message>
            <source>Chroma Key</source>
            <translation>摳像</translation>
        </message>
        <message>
            <source>image rotation</source>
            <translation>影象旋轉</translation>
        </message>
        <message>
            <source>OFF</source>
            <translation>關</translation>
        </message>
        <message>
            <source>H Flip</source>
            <translation>水平翻轉</translation>
        </message>
        <message>
            <source>V Flip</source>
            <translation>垂直翻轉</translation>
        </message>
    </context>
    <context>
        <name>SxPreviewBox</name>
        <message>
            <source>Not Used</source>
            <translation>未使用</translation>
        </message>
    </context>
    <context>
        <name>SxSignalBoxButton</name>
        <message>
            <source>tips</source>
            <translation>提示</translation>
        </message>
        <message>
            <source>All window are switch to input %1</source>
            <translation>所有視窗已切換到輸入%1</translation>
        </message>
        <message>
            <source>Apply to all windows</source>
            <translation>應用到所有視窗</translation>
        </message>
    </context>
    <context>
        <name>SxTabWidget</name>
        <message>
            <source>offline</source>
            <translation>離線</translation>
        </message>
    </context>
    <context>
        <name>SxTimeTaskButton</name>
        <message>
            <source>Only Once</source>
            <translation>僅一次</translation>
        </message>
        <message>
            <source>Every Day</source>
            <translation>每天</translation>
        </message>
        <message>
            <source>Cycle a day</source>
            <translation>每天迴圈</translation>
        </message>
        <message>
            <source>Cycle Daily</source>
            <translation>每日迴圈</translation>
        </message>
        <message>
            <source>Run</source>
            <translation>執行</translation>
        </message>
        <message>
            <source>Stop</source>
            <translation>停止</translation>
        </message>
        <message>
            <source>Task %1</source>
            <translation>任務%1</translation>
        </message>
    </context>
    <context>
        <name>SxTitleWidget</name>
        <message>
            <source>Search</source>
            <translation>搜尋</translation>
        </message>
        <message>
            <source>Sync</source>
            <translation>同步</translation>
        </message>
        <message>
            <source>Output</source>
            <translation>輸出</translation>
        </message>
        <message>
            <source>EDID</source>
            <translation>EDID</translation>
        </message>
        <message>
            <source>Audio</source>
            <translation>音訊</translation>
        </message>
        <message>
            <source>Image</source>
            <translation>畫質</translation>
        </message>
        <message>
            <source>Test</source>
            <translation>測試圖</translation>
        </message>
        <message>
            <source>USB</source>
            <translation>USB</translation>
        </message>
        <message>
            <source>Upgrade</source>
            <translation>升級</translation>
        </message>
        <message>
            <source>Factory</source>
            <translation>恢復出廠</translation>
        </message>
        <message>
            <source>MultiMachine</source>
            <translation>多機</translation>
        </message>
        <message>
            <source>current device: %1</source>
            <translation>當前裝置：%1</translation>
        </message>
        <message>
            <source>main menu</source>
            <translation>主選單</translation>
        </message>
        <message>
            <source>min</source>
            <translation>最小化</translation>
        </message>
        <message>
            <source>max</source>
            <translation>最大化</translation>
        </message>
        <message>
            <source>restore</source>
            <translation>還原</translation>
        </message>
        <message>
            <source>close</source>
            <translation>關閉</translation>
        </message>
        <message>
            <source>About</source>
            <translation>關於</translation>
        </message>
        <message>
            <source>%1
Version %2</source>
            <translation>%1
版本 %2</translation>
        </message>
        <message>
            <source>Diagnostics</source>
            <translation>診斷</translation>
        </message>
        <message>
            <source>Reconnect automatically</source>
            <translation>自動重新連線</translation>
        </message>
        <message>
            <source>Save configuration…</source>
            <translation>儲存配置…</translation>
        </message>
        <message>
            <source>Restore configuration…</source>
            <translation>還原配置…</translation>
        </message>
        <message>
            <source>Open configuration…</source>
            <translation>開啟配置…</translation>
        </message>
        <message>
            <source>Restore to…</source>
            <translation>還原到…</translation>
        </message>
        <message>
            <source>Remote control…</source>
            <translation>遠端控制…</translation>
        </message>
    </context>
    <context>
        <name>WidgetInBottom</name>
        <message>
            <source>h_start</source>
            <translation>水平起始</translation>
        </message>
        <message>
            <source>v_start</source>
            <translation>垂直起始</translation>
        </message>
        <message>
            <source>h_width</source>
            <translation>水平寬度</translation>
        </message>
        <message>
            <source>v_height</source>
            <translation>垂直高度</translation>
        </message>
        <message>
            <source>ok</source>
            <translation>確定</translation>
        </message>
        <message>
            <source>Online</source>
            <translation>線上</translation>
        </message>
        <message>
            <source>online</source>
            <translation>線上</translation>
        </message>
        <message>
            <source>offline</source>
            <translation>離線</translation>
        </message>
    </context>
    <context>
        <name>WidgetInLeft</name>
        <message>
            <source>Signal Source</source>
            <translation>訊號源</translation>
        </message>
        <message>
            <source>Time &amp;&amp; Task</source>
            <translation>時間和任務</translation>
        </message>
        <message>
            <source>Load Template</source>
            <translation>呼叫模板</translation>
        </message>
        <message>
            <source>Load Preset</source>
            <translation>呼叫預設</translation>
        </message>
        <message>
            <source>VGA Adjust</source>
            <translation>VGA調整</translation>
        </message>
        <message>
            <source>Auto Adjust</source>
            <translation>自動調整</translation>
        </message>
        <message>
            <source>Switch Mode</source>
            <translation>切換模式</translation>
        </message>
        <message>
            <source>Cut</source>
            <translation>直切</translation>
        </message>
        <message>
            <source>Fade</source>
            <translation>淡入淡出</translation>
        </message>
        <message>
            <source>Fade Period</source>
            <translation>淡入淡出時間</translation>
        </message>
        <message>
            <source>ADC Calibration</source>
            <translation>ADC校準</translation>
        </message>
        <message>
            <source>Calibration</source>
            <translation>校準</translation>
        </message>
        <message>
            <source>All Task Onoff</source>
            <translation>全部任務開關</translation>
        </message>
        <message>
            <source>Input%1</source>
            <translation>輸入%1</translation>
        </message>
        <message>
            <source>Task %1</source>
            <translation>任務%1</translation>
        </message>
        <message>
            <source>Preset %1</source>
            <translation>預設%1</translation>
        </message>
        <message>
            <source>Template %1</source>
            <translation>模板%1</translation>
        </message>
    </context>
    <context>
        <name>WidgetInRight</name>
        <message>
            <source>pip</source>
            <translation>畫中畫</translation>
        </message>
        <message>
            <source>freeze</source>
            <translation>凍結</translation>
        </message>
        <message>
            <source>fade</source>
            <translation>淡入淡出</translation>
        </message>
        <message>
            <source>local</source>
            <translation>區域性全屏</translation>
        </message>
        <message>
            <source>black Screen</source>
            <translation>黑屏</translation>
        </message>
        <message>
            <source>frame sync</source>
            <translation>幀同步</translation>
        </message>
        <message>
            <source>lock window</source>
            <translation>鎖定視窗</translation>
        </message>
        <message>
            <source>horizontal</source>
            <translation>水平排列</translation>
        </message>
        <message>
            <source>vertical</source>
            <translation>垂直排列</translation>
        </message>
        <message>
            <source>tips</source>
            <translation>提示</translation>
        </message>
        <message>
            <source>Please select a window</source>
            <translation>請選擇視窗</translation>
        </message>
    </context>
</TS>
