<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
    <context>
        <name>CommManager</name>
        <message>
            <source>QAbstractSocket::ConnectionRefusedError</source>
            <translation>连接被拒绝</translation>
        </message>
        <message>
            <source>QAbstractSocket::RemoteHostClosedError</source>
            <translation>远程主机已关闭连接</translation>
        </message>
        <message>
            <source>QAbstractSocket::OtherError</source>
            <translation>其他网络错误</translation>
        </message>
        <message>
            <source> access denied</source>
            <translation> 拒绝访问</translation>
        </message>
        <message>
            <source> is removed</source>
            <translation> 已移除</translation>
        </message>
        <message>
            <source> error</source>
            <translation> 错误</translation>
        </message>
        <message>
            <source>The address %1 cannot be resolved: %2</source>
            <translation>无法解析地址 %1：%2</translation>
        </message>
        <message>
            <source>The address %1 has no IPv4 address.</source>
            <translation>地址 %1 没有 IPv4 地址。</translation>
        </message>
        <message>
            <source>no IPv4 route</source>
            <translation>没有 IPv4 路由</translation>
        </message>
        <message>
            <source>The address %1 cannot be reached: %2</source>
            <translation>无法到达地址 %1：%2</translation>
        </message>
        <message>
            <source>No device answered at %1.</source>
            <translation>%1 没有设备应答。</translation>
        </message>
    </context>
    <context>
        <name>ConfigBackup</name>
        <message>
            <source>The link to %1 was lost during its read-back.</source>
            <translation>与 %1 的连接在回读期间中断。</translation>
        </message>
        <message>
            <source>%1 did not finish its read-back within %2 s.</source>
            <translation>%1 未在 %2 秒内完成回读。</translation>
        </message>
        <message>
            <source>%1 is not online.</source>
            <translation>%1 不在线。</translation>
        </message>
        <message>
            <source>%1 refused to be read back.</source>
            <translation>%1 拒绝回读。</translation>
        </message>
        <message>
            <source>The backup was cancelled.</source>
            <translation>备份已取消。</translation>
        </message>
    </context>
    <context>
        <name>ConfigDiff</name>
        <message>
            <source>none</source>
            <translation>无</translation>
        </message>
        <message>
            <source>on</source>
            <translation>开</translation>
        </message>
        <message>
            <source>off</source>
            <translation>关闭</translation>
        </message>
        <message>
            <source>%1x%2 %3 Hz, preset %4</source>
            <translation>%1x%2 %3 Hz，预设 %4</translation>
        </message>
        <message>
            <source>outputs: %1 | windows: %2</source>
            <translation>输出：%1 | 窗口：%2</translation>
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
            <translation>当天循环</translation>
        </message>
        <message>
            <source>cycle daily</source>
            <translation>每天循环</translation>
        </message>
        <message>
            <source>type %1</source>
            <translation>类型 %1</translation>
        </message>
        <message>
            <source>target %1</source>
            <translation>目标 %1</translation>
        </message>
        <message>
            <source>presets %1, every %2 min for %3 min</source>
            <translation>预设 %1，每 %2 分钟，共 %3 分钟</translation>
        </message>
        <message>
            <source>units %1x%2 position %3</source>
            <translation>单元 %1x%2，位置 %3</translation>
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
            <translation>%1，%2，微调 %3 %4 %5 %6</translation>
        </message>
        <message>
            <source>%1, preset colour %2</source>
            <translation>%1，预设颜色 %2</translation>
        </message>
        <message>
            <source>%1, mode %2, filters %3 %4, colour %5 %6 %7</source>
            <translation>%1，模式 %2，过滤 %3 %4，颜色 %5 %6 %7</translation>
        </message>
        <message>
            <source>brightness</source>
            <translation>亮度</translation>
        </message>
        <message>
            <source>contrast</source>
            <translation>对比度</translation>
        </message>
        <message>
            <source>sharpness</source>
            <translation>锐度</translation>
        </message>
        <message>
            <source>hue</source>
            <translation>色调</translation>
        </message>
        <message>
            <source>saturation</source>
            <translation>饱和度</translation>
        </message>
        <message>
            <source>red offset</source>
            <translation>红色偏移</translation>
        </message>
        <message>
            <source>green offset</source>
            <translation>绿色偏移</translation>
        </message>
        <message>
            <source>blue offset</source>
            <translation>蓝色偏移</translation>
        </message>
        <message>
            <source>gamma</source>
            <translation>伽马</translation>
        </message>
        <message>
            <source>red gain</source>
            <translation>红色增益</translation>
        </message>
        <message>
            <source>green gain</source>
            <translation>绿色增益</translation>
        </message>
        <message>
            <source>blue gain</source>
            <translation>蓝色增益</translation>
        </message>
        <message>
            <source>the device's layout has %1 windows</source>
            <translation>设备的布局有 %1 个窗口</translation>
        </message>
        <message>
            <source>the %1 has no such setting</source>
            <translation>%1 没有此设置</translation>
        </message>
        <message>
            <source>mode %1, exchange %2</source>
            <translation>模式 %1，交换 %2</translation>
        </message>
        <message>
            <source>output mode</source>
            <translation>输出模式</translation>
        </message>
        <message>
            <source>output %1 resolution</source>
            <translation>输出 %1 分辨率</translation>
        </message>
        <message>
            <source>the %1 sets all outputs to one resolution</source>
            <translation>%1 的所有输出使用同一分辨率</translation>
        </message>
        <message>
            <source>the %1 has %2 settable outputs</source>
            <translation>%1 有 %2 个可设置的输出</translation>
        </message>
        <message>
            <source>background colour</source>
            <translation>背景颜色</translation>
        </message>
        <message>
            <source>no frame switches the background colour off</source>
            <translation>没有关闭背景颜色的指令</translation>
        </message>
        <message>
            <source>%1, colour %2, %3, thickness %4</source>
            <translation>%1，颜色 %2，%3，粗细 %4</translation>
        </message>
        <message>
            <source>border %1</source>
            <translation>边框 %1</translation>
        </message>
        <message>
            <source>the device has %1 borders</source>
            <translation>设备有 %1 个边框</translation>
        </message>
        <message>
            <source>output enhance</source>
            <translation>输出增强</translation>
        </message>
        <message>
            <source>number of windows</source>
            <translation>窗口数量</translation>
        </message>
        <message>
            <source>a layout of %1 windows comes only from a template or preset of that many windows, and neither the file nor the device has one</source>
            <translation>%1 个窗口的布局只能来自窗口数相同的模板或预设，文件和设备中都没有</translation>
        </message>
        <message>
            <source>window %1 geometry</source>
            <translation>窗口%1 位置和大小</translation>
        </message>
        <message>
            <source>window %1 transparency</source>
            <translation>窗口%1 透明度</translation>
        </message>
        <message>
            <source>the %1 has no %2</source>
            <translation>%1 没有 %2</translation>
        </message>
        <message>
            <source>window %1 source</source>
            <translation>窗口%1 信号源</translation>
        </message>
        <message>
            <source>window %1 rotation</source>
            <translation>窗口%1 旋转</translation>
        </message>
        <message>
            <source>window %1 input crop</source>
            <translation>窗口%1 输入裁剪</translation>
        </message>
        <message>
            <source>window %1 %2</source>
            <translation>窗口%1 %2</translation>
        </message>
        <message>
            <source>mode %1, %2 %3 %4</source>
            <translation>模式 %1，%2 %3 %4</translation>
        </message>
        <message>
            <source>window %1 colour temperature</source>
            <translation>窗口%1 色温</translation>
        </message>
        <message>
            <source>window %1 colour mode</source>
            <translation>窗口%1 色彩模式</translation>
        </message>
        <message>
            <source>window %1 RGBCMY %2</source>
            <translation>窗口%1 RGBCMY %2</translation>
        </message>
        <message>
            <source>window %1 image effects</source>
            <translation>窗口%1 图像效果</translation>
        </message>
        <message>
            <source>window %1 colour formats</source>
            <translation>窗口%1 色彩格式</translation>
        </message>
        <message>
            <source>EDID %1</source>
            <translation>EDID %1</translation>
        </message>
        <message>
            <source>DVI signal mode</source>
            <translation>DVI 信号模式</translation>
        </message>
        <message>
            <source>DVI audio input</source>
            <translation>DVI 音频输入</translation>
        </message>
        <message>
            <source>mode %1 cannot be set</source>
            <translation>模式 %1 无法设置</translation>
        </message>
        <message>
            <source>window %1 mosaic</source>
            <translation>窗口%1 拼接</translation>
        </message>
        <message>
            <source>window %1 chroma key</source>
            <translation>窗口%1 抠像</translation>
        </message>
        <message>
            <source>follows the switch</source>
            <translation>跟随切换</translation>
        </message>
        <message>
            <source>window %1</source>
            <translation>窗口%1</translation>
        </message>
        <message>
            <source>audio source</source>
            <translation>音频来源</translation>
        </message>
        <message>
            <source>audio mute</source>
            <translation>静音</translation>
        </message>
        <message>
            <source>audio volume</source>
            <translation>音量</translation>
        </message>
        <message>
            <source>freeze</source>
            <translation>冻结</translation>
        </message>
        <message>
            <source>black screen</source>
            <translation>黑屏</translation>
        </message>
        <message>
            <source>picture-in-picture</source>
            <translation>画中画</translation>
        </message>
        <message>
            <source>fade, period %1</source>
            <translation>淡入淡出，时间 %1</translation>
        </message>
        <message>
            <source>cut</source>
            <translation>直切</translation>
        </message>
        <message>
            <source>switch mode</source>
            <translation>切换模式</translation>
        </message>
        <message>
            <source>frame sync</source>
            <translation>帧同步</translation>
        </message>
        <message>
            <source>it is set through a window</source>
            <translation>需要通过窗口设置</translation>
        </message>
        <message>
            <source>task %1</source>
            <translation>任务 %1</translation>
        </message>
        <message>
            <source>task type %1 cannot be stored</source>
            <translation>任务类型 %1 无法保存</translation>
        </message>
        <message>
            <source>all tasks switch</source>
            <translation>全部任务开关</translation>
        </message>
        <message>
            <source>preset number %1 cannot be stored</source>
            <translation>预设编号 %1 无法保存</translation>
        </message>
        <message>
            <source>windows: %1</source>
            <translation>窗口：%1</translation>
        </message>
        <message>
            <source>preset %1</source>
            <translation>预设 %1</translation>
        </message>
        <message>
            <source>preset %1 outputs</source>
            <translation>预设 %1 输出</translation>
        </message>
        <message>
            <source>a preset keeps the outputs of the device that stores it</source>
            <translation>预设保存的是存储它的设备的输出</translation>
        </message>
        <message>
            <source>a stored preset cannot be deleted</source>
            <translation>已保存的预设无法删除</translation>
        </message>
        <message>
            <source>the device has %1 output ports</source>
            <translation>设备有 %1 个输出端口</translation>
        </message>
        <message>
            <source>the device has %1 inputs</source>
            <translation>设备有 %1 个输入</translation>
        </message>
        <message>
            <source>output resolution</source>
            <translation>输出分辨率</translation>
        </message>
        <message>
            <source>%1 rows, %2 columns, order %3</source>
            <translation>%1 行，%2 列，顺序 %3</translation>
        </message>
        <message>
            <source>area layout</source>
            <translation>区域布局</translation>
        </message>
        <message>
            <source>area %1</source>
            <translation>区域 %1</translation>
        </message>
        <message>
            <source>the device has %1 areas</source>
            <translation>设备有 %1 个区域</translation>
        </message>
        <message>
            <source>output port %1</source>
            <translation>输出端口 %1</translation>
        </message>
        <message>
            <source>%1, layer %2</source>
            <translation>%1，图层 %2</translation>
        </message>
        <message>
            <source>it has window %1 on input %2, beyond the device's cards</source>
            <translation>其中窗口%1 使用输入 %2，超出设备的板卡</translation>
        </message>
        <message>
            <source>Outputs</source>
            <translation>输出</translation>
        </message>
        <message>
            <source>Presets</source>
            <translation>预设</translation>
        </message>
        <message>
            <source>Layout</source>
            <translation>布局</translation>
        </message>
        <message>
            <source>Picture</source>
            <translation>画质</translation>
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
            <translation>抠像</translation>
        </message>
        <message>
            <source>Audio</source>
            <translation>音频</translation>
        </message>
        <message>
            <source>Switches</source>
            <translation>开关</translation>
        </message>
        <message>
            <source>Timed tasks</source>
            <translation>定时任务</translation>
        </message>
        <message>
            <source>device family</source>
            <translation>设备系列</translation>
        </message>
        <message>
            <source>a configuration restores only to a device of the same family</source>
            <translation>配置只能恢复到同系列的设备</translation>
        </message>
    </context>
    <context>
        <name>ConfigFile</name>
        <message>
            <source>%1 is not a number</source>
            <translation>%1 不是数字</translation>
        </message>
        <message>
            <source>%1 is not a whole number</source>
            <translation>%1 不是整数</translation>
        </message>
        <message>
            <source>%1 is outside %2..%3</source>
            <translation>%1 超出 %2..%3</translation>
        </message>
        <message>
            <source>%1 is not a text</source>
            <translation>%1 不是文本</translation>
        </message>
        <message>
            <source>is not an object</source>
            <translation>不是对象</translation>
        </message>
        <message>
            <source>has %1 entries, %2 are required</source>
            <translation>有 %1 项，需要 %2 项</translation>
        </message>
        <message>
            <source>key %1 appears twice (also at %2)</source>
            <translation>键 %1 重复出现（另见 %2）</translation>
        </message>
        <message>
            <source>is not a list</source>
            <translation>不是列表</translation>
        </message>
        <message>
            <source>has %1 values, %2 are required</source>
            <translation>有 %1 个值，需要 %2 个</translation>
        </message>
        <message>
            <source>is missing</source>
            <translation>缺失</translation>
        </message>
        <message>
            <source>has %1 entries, at most %2 are allowed</source>
            <translation>有 %1 项，最多允许 %2 项</translation>
        </message>
        <message>
            <source>%1 is not a supported device type (%2)</source>
            <translation>%1 不是支持的设备类型（%2）</translation>
        </message>
        <message>
            <source>"%1" does not match type %2 (%3)</source>
            <translation>"%1" 与类型 %2（%3）不符</translation>
        </message>
        <message>
            <source>"%1" is not 24 lower-case hexadecimal digits</source>
            <translation>"%1" 不是 24 位小写十六进制数字</translation>
        </message>
        <message>
            <source>"%1" is not an IP address</source>
            <translation>"%1" 不是 IP 地址</translation>
        </message>
        <message>
            <source>The file is empty.</source>
            <translation>文件为空。</translation>
        </message>
        <message>
            <source>The file ends early at byte %1: it is truncated.</source>
            <translation>文件在第 %1 字节处提前结束：文件不完整。</translation>
        </message>
        <message>
            <source>The file is not valid JSON: %1 at byte %2.</source>
            <translation>文件不是有效的 JSON：第 %2 字节处 %1。</translation>
        </message>
        <message>
            <source>The file gives format %1, which no version of this program writes.</source>
            <translation>文件格式为 %1，本程序的任何版本都不会写出该格式。</translation>
        </message>
        <message>
            <source>The file is of format %1, this program reads up to %2.</source>
            <translation>文件格式为 %1，本程序最高只能读取格式 %2。</translation>
        </message>
        <message>
            <source>The file is of format %1, which this program cannot convert.</source>
            <translation>文件格式为 %1，本程序无法转换。</translation>
        </message>
        <message>
            <source>The file is not a configuration file: it has no format number.</source>
            <translation>该文件不是配置文件：没有格式编号。</translation>
        </message>
        <message>
            <source>"%1" is not a date and time</source>
            <translation>"%1" 不是日期时间</translation>
        </message>
        <message>
            <source>"%1" is also the cpuid of devices[%2]</source>
            <translation>"%1" 也是 devices[%2] 的 cpuid</translation>
        </message>
        <message>
            <source>Cannot write %1: %2</source>
            <translation>无法写入 %1：%2</translation>
        </message>
        <message>
            <source>Cannot read %1: %2</source>
            <translation>无法读取 %1：%2</translation>
        </message>
        <message>
            <source>%1 is too large to be a configuration file.</source>
            <translation>%1 太大，不是配置文件。</translation>
        </message>
    </context>
    <context>
        <name>DeviceHub</name>
        <message>
            <source>%1: back online after %2 tries</source>
            <translation>%1：尝试 %2 次后重新在线</translation>
        </message>
        <message>
            <source>%1: in use by another computer</source>
            <translation>%1：已被其他电脑占用</translation>
        </message>
        <message>
            <source>Connect interrupt</source>
            <translation>连接中断</translation>
        </message>
        <message>
            <source>%1: link lost</source>
            <translation>%1：连接中断</translation>
        </message>
        <message>
            <source>%1: link lost (%2)</source>
            <translation>%1：连接中断（%2）</translation>
        </message>
        <message>
            <source>%1: reconnecting, try %2: probing %3</source>
            <translation>%1：正在重新连接，第 %2 次尝试：探测 %3</translation>
        </message>
        <message>
            <source>%1: reconnecting, try %2: asking %3</source>
            <translation>%1：正在重新连接，第 %2 次尝试：询问 %3</translation>
        </message>
        <message>
            <source>%1: taken over from another computer</source>
            <translation>%1：已从其他电脑接管</translation>
        </message>
        <message>
            <source>Device Not Connect!</source>
            <translation>设备未连接！</translation>
        </message>
        <message>
            <source>The device acknowledged %1 of %2 frames.</source>
            <translation>设备已确认 %2 帧中的 %1 帧。</translation>
        </message>
        <message>
            <source>The device refused %1 of %2 frames.</source>
            <translation>设备拒绝了 %2 帧中的 %1 帧。</translation>
        </message>
        <message>
            <source>The link to the device was lost (%1 of %2 frames answered).</source>
            <translation>与设备的连接已中断（%2 帧中 %1 帧已应答）。</translation>
        </message>
        <message>
            <source>The device did not answer within %1 ms (%2 of %3 frames answered).</source>
            <translation>设备在 %1 毫秒内没有应答（%3 帧中 %2 帧已应答）。</translation>
        </message>
    </context>
    <context>
        <name>DialogAddWindow</name>
        <message>
            <source>Add Window</source>
            <translation>添加窗口</translation>
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
            <translation>水平宽度</translation>
        </message>
        <message>
            <source>v_height</source>
            <translation>垂直高度</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>确定</translation>
        </message>
        <message>
            <source>tips</source>
            <translation>提示</translation>
        </message>
        <message>
            <source>Parameter beyond range</source>
            <translation>参数超出范围</translation>
        </message>
    </context>
    <context>
        <name>DialogAttribute</name>
        <message>
            <source>Window Attribute</source>
            <translation>窗口属性</translation>
        </message>
        <message>
            <source>QLabel#label_inputResoltion{padding-left: 9;}</source>
            <translation>QLabel#label_inputResoltion{padding-left: 9;}</translation>
        </message>
        <message>
            <source>Input Resolution: unknown</source>
            <translation>输入分辨率：未知</translation>
        </message>
        <message>
            <source>input crop</source>
            <translation>输入裁剪</translation>
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
            <translation>水平宽度</translation>
        </message>
        <message>
            <source>v_height</source>
            <translation>垂直高度</translation>
        </message>
        <message>
            <source>window setting</source>
            <translation>窗口设置</translation>
        </message>
        <message>
            <source>transparence</source>
            <translation>透明度</translation>
        </message>
        <message>
            <source>Apply</source>
            <translation>应用</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>关闭</translation>
        </message>
        <message>
            <source>window %1</source>
            <translation>窗口%1</translation>
        </message>
        <message>
            <source>Input Resolution: %1x%2x%3</source>
            <translation>输入分辨率：%1x%2x%3</translation>
        </message>
    </context>
    <context>
        <name>DialogAudio</name>
        <message>
            <source>Audio</source>
            <translation>音频</translation>
        </message>
        <message>
            <source>Working Mode</source>
            <translation>工作模式</translation>
        </message>
        <message>
            <source>Choose Window</source>
            <translation>选择窗口</translation>
        </message>
        <message>
            <source>Sound Off</source>
            <translation>静音</translation>
        </message>
        <message>
            <source>Volume</source>
            <translation>音量</translation>
        </message>
        <message>
            <source>bind window</source>
            <translation>绑定窗口</translation>
        </message>
        <message>
            <source>follow switch</source>
            <translation>跟随切换</translation>
        </message>
        <message>
            <source>window %1</source>
            <translation>窗口%1</translation>
        </message>
    </context>
    <context>
        <name>DialogChromaKey</name>
        <message>
            <source>Chroma Key</source>
            <translation>抠像</translation>
        </message>
        <message>
            <source>Mode</source>
            <translation>模式</translation>
        </message>
        <message>
            <source>Preset</source>
            <translation>预设</translation>
        </message>
        <message>
            <source>Custom</source>
            <translation>自定义</translation>
        </message>
        <message>
            <source>Color Filter</source>
            <translation>颜色过滤</translation>
        </message>
        <message>
            <source>Red</source>
            <translation>红色</translation>
        </message>
        <message>
            <source>Green</source>
            <translation>绿色</translation>
        </message>
        <message>
            <source>Blue</source>
            <translation>蓝色</translation>
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
            <translation>RGB过滤1</translation>
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
            <translation>RGB过滤2</translation>
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
            <translation>应用</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>关闭</translation>
        </message>
        <message>
            <source>Chroma Key - Window%1</source>
            <translation>抠像 - 窗口%1</translation>
        </message>
    </context>
    <context>
        <name>DialogConfigRestore</name>
        <message>
            <source>Restore configuration</source>
            <translation>还原配置</translation>
        </message>
        <message>
            <source>File:</source>
            <translation>文件：</translation>
        </message>
        <message>
            <source>Browse…</source>
            <translation>浏览…</translation>
        </message>
        <message>
            <source>Open</source>
            <translation>打开</translation>
        </message>
        <message>
            <source>Devices of the file, and the online device each one is restored to:</source>
            <translation>文件中的设备，以及每台要还原到的在线设备：</translation>
        </message>
        <message>
            <source>Compare</source>
            <translation>比较</translation>
        </message>
        <message>
            <source>Reads each chosen device back and lists every setting that differs from the file. Nothing is sent yet.</source>
            <translation>回读所选的每台设备，列出与文件不同的每项设置。此时不发送任何内容。</translation>
        </message>
        <message>
            <source>Settings that differ; tick the groups to restore:</source>
            <translation>不同的设置；请勾选要还原的分组：</translation>
        </message>
        <message>
            <source>What was restored, verified by reading each device back:</source>
            <translation>已还原的内容（已通过回读每台设备校验）：</translation>
        </message>
        <message>
            <source>Restore</source>
            <translation>还原</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>取消</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>关闭</translation>
        </message>
        <message>
            <source>tips</source>
            <translation>提示</translation>
        </message>
        <message>
            <source>Reading back %1 (%2 of %3)…</source>
            <translation>正在回读 %1（第 %2 个，共 %3 个）…</translation>
        </message>
        <message>
            <source>Reading back %1…</source>
            <translation>正在回读 %1…</translation>
        </message>
        <message>
            <source>Verifying %1…</source>
            <translation>正在校验 %1…</translation>
        </message>
        <message>
            <source>%1: step %2 of %3, %4: %5</source>
            <translation>%1：第 %2 步，共 %3 步，%4：%5</translation>
        </message>
        <message>
            <source>In the file</source>
            <translation>文件中</translation>
        </message>
        <message>
            <source>Restore to</source>
            <translation>还原到</translation>
        </message>
        <message>
            <source>Note</source>
            <translation>说明</translation>
        </message>
        <message>
            <source>Setting</source>
            <translation>设置</translation>
        </message>
        <message>
            <source>On the device</source>
            <translation>设备上</translation>
        </message>
        <message>
            <source>Devices: %1. Read back %2 by %3.</source>
            <translation>设备：%1。由 %3 于 %2 回读。</translation>
        </message>
        <message>
            <source>Do not restore</source>
            <translation>不还原</translation>
        </message>
        <message>
            <source>Choose a configuration file.</source>
            <translation>请选择配置文件。</translation>
        </message>
        <message>
            <source>Configuration files (*.json)</source>
            <translation>配置文件 (*.json)</translation>
        </message>
        <message>
            <source>%1 cannot be restored: %2</source>
            <translation>无法还原 %1：%2</translation>
        </message>
        <message>
            <source>%1 holds no device.</source>
            <translation>%1 中没有设备。</translation>
        </message>
        <message>
            <source>No online device of this family.</source>
            <translation>没有该系列的在线设备。</translation>
        </message>
        <message>
            <source>%1 is chosen for more than one device of the file.</source>
            <translation>%1 被选给了文件中的多台设备。</translation>
        </message>
        <message>
            <source>Choose the device each device of the file is restored to.</source>
            <translation>请为文件中的每台设备选择要还原到的设备。</translation>
        </message>
        <message>
            <source>Compared. Nothing has been sent yet.</source>
            <translation>比较完成。尚未发送任何内容。</translation>
        </message>
        <message>
            <source>%1 → %2</source>
            <translation>%1 → %2</translation>
        </message>
        <message>
            <source>to restore: %1</source>
            <translation>待还原：%1</translation>
        </message>
        <message>
            <source>not applicable: %1</source>
            <translation>无法应用：%1</translation>
        </message>
        <message>
            <source>, </source>
            <translation>，</translation>
        </message>
        <message>
            <source>cannot be applied: %1</source>
            <translation>无法应用：%1</translation>
        </message>
        <message>
            <source>No differences: the device matches the file.</source>
            <translation>没有差异：设备与文件一致。</translation>
        </message>
        <message>
            <source>differences: %1</source>
            <translation>差异：%1</translation>
        </message>
        <message>
            <source>another model; not applicable: %1</source>
            <translation>其他型号；无法应用：%1</translation>
        </message>
        <message>
            <source>%1: %2</source>
            <translation>%1：%2</translation>
        </message>
        <message>
            <source>Tick at least one group to restore.</source>
            <translation>请至少勾选一个要还原的分组。</translation>
        </message>
        <message>
            <source>Restore now?</source>
            <translation>现在还原吗？</translation>
        </message>
        <message>
            <source>%1 → %2: not started (cancelled)</source>
            <translation>%1 → %2：未开始（已取消）</translation>
        </message>
        <message>
            <source>%1 → %2: %3</source>
            <translation>%1 → %2：%3</translation>
        </message>
        <message>
            <source>Applied: %1</source>
            <translation>已应用：%1</translation>
        </message>
        <message>
            <source>Partly applied: %1</source>
            <translation>部分应用：%1</translation>
        </message>
        <message>
            <source>Not applied: %1</source>
            <translation>未应用：%1</translation>
        </message>
        <message>
            <source>Not verified: the device could not be read back.</source>
            <translation>未校验：无法回读设备。</translation>
        </message>
        <message>
            <source>Cannot be applied on this device:</source>
            <translation>此设备无法应用：</translation>
        </message>
        <message>
            <source>Does not match the file after the restore:</source>
            <translation>还原后与文件不符：</translation>
        </message>
        <message>
            <source>%1: file %2, device %3</source>
            <translation>%1：文件 %2，设备 %3</translation>
        </message>
        <message>
            <source>Restore done and verified.</source>
            <translation>还原完成并已校验。</translation>
        </message>
        <message>
            <source>Restore cancelled; see the report for what was applied.</source>
            <translation>还原已取消；已应用的内容见报告。</translation>
        </message>
        <message>
            <source>Restore not fully applied; see the report.</source>
            <translation>还原未完全应用；详见报告。</translation>
        </message>
        <message>
            <source>Cancelling before the next step…</source>
            <translation>正在取消，将在下一步之前停止…</translation>
        </message>
    </context>
    <context>
        <name>DialogConfigSave</name>
        <message>
            <source>Save configuration</source>
            <translation>保存配置</translation>
        </message>
        <message>
            <source>Devices to back up (each is read back in full first):</source>
            <translation>要备份的设备（每台先完整回读）：</translation>
        </message>
        <message>
            <source>File:</source>
            <translation>文件：</translation>
        </message>
        <message>
            <source>Browse…</source>
            <translation>浏览…</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>保存</translation>
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
            <translation>当前设备：%1</translation>
        </message>
        <message>
            <source>Current device (not online)</source>
            <translation>当前设备（不在线）</translation>
        </message>
        <message>
            <source>All online devices (%1)</source>
            <translation>所有在线设备（%1）</translation>
        </message>
        <message>
            <source>Configuration files (*.json)</source>
            <translation>配置文件 (*.json)</translation>
        </message>
        <message>
            <source>Please choose a file to save to.</source>
            <translation>请选择要保存到的文件。</translation>
        </message>
        <message>
            <source>No device is online.</source>
            <translation>没有在线的设备。</translation>
        </message>
        <message>
            <source>Cancelling after the read-back that runs…</source>
            <translation>正在取消，当前回读结束后停止…</translation>
        </message>
        <message>
            <source>Reading back %1 (%2 of %3)…</source>
            <translation>正在回读 %1（第 %2 个，共 %3 个）…</translation>
        </message>
        <message>
            <source>Writing %1…</source>
            <translation>正在写入 %1…</translation>
        </message>
        <message>
            <source>Saved.</source>
            <translation>已保存。</translation>
        </message>
        <message>
            <source>Saved to %1 (devices: %2).</source>
            <translation>已保存到 %1（设备：%2）。</translation>
        </message>
        <message>
            <source>Nothing was saved: %1</source>
            <translation>未保存任何内容：%1</translation>
        </message>
    </context>
    <context>
        <name>DialogDiagnostics</name>
        <message>
            <source>Diagnostics</source>
            <translation>诊断</translation>
        </message>
        <message>
            <source>Event history</source>
            <translation>事件记录</translation>
        </message>
        <message>
            <source>Frame monitor</source>
            <translation>帧监视</translation>
        </message>
        <message>
            <source>Pause</source>
            <translation>暂停</translation>
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
            <translation>保存...</translation>
        </message>
        <message>
            <source>image quality</source>
            <translation>画质</translation>
        </message>
        <message>
            <source>input crop</source>
            <translation>输入裁剪</translation>
        </message>
        <message>
            <source>window</source>
            <translation>窗口</translation>
        </message>
        <message>
            <source>template / preset</source>
            <translation>模板 / 预设</translation>
        </message>
        <message>
            <source>output</source>
            <translation>输出</translation>
        </message>
        <message>
            <source>mosaic / frame sync</source>
            <translation>拼接 / 帧同步</translation>
        </message>
        <message>
            <source>audio</source>
            <translation>音频</translation>
        </message>
        <message>
            <source>switch input</source>
            <translation>切换输入</translation>
        </message>
        <message>
            <source>time / timed task</source>
            <translation>时间 / 定时任务</translation>
        </message>
        <message>
            <source>test pattern</source>
            <translation>测试图卡</translation>
        </message>
        <message>
            <source>EDID setting</source>
            <translation>EDID设置</translation>
        </message>
        <message>
            <source>chroma key</source>
            <translation>抠像</translation>
        </message>
        <message>
            <source>picture in picture</source>
            <translation>画中画</translation>
        </message>
        <message>
            <source>device name</source>
            <translation>设备名称</translation>
        </message>
        <message>
            <source>freeze</source>
            <translation>冻结</translation>
        </message>
        <message>
            <source>switch mode</source>
            <translation>切换模式</translation>
        </message>
        <message>
            <source>local</source>
            <translation>局部全屏</translation>
        </message>
        <message>
            <source>black screen</source>
            <translation>黑屏</translation>
        </message>
        <message>
            <source>VGA adjust</source>
            <translation>VGA 调整</translation>
        </message>
        <message>
            <source>background colour</source>
            <translation>背景颜色</translation>
        </message>
        <message>
            <source>border</source>
            <translation>边框</translation>
        </message>
        <message>
            <source>output enhance</source>
            <translation>输出增强</translation>
        </message>
        <message>
            <source>factory reset</source>
            <translation>恢复出厂设置</translation>
        </message>
        <message>
            <source>USB play</source>
            <translation>USB播放</translation>
        </message>
        <message>
            <source>panels</source>
            <translation>屏幕列表</translation>
        </message>
        <message>
            <source>windows</source>
            <translation>窗口列表</translation>
        </message>
        <message>
            <source>input crops</source>
            <translation>输入裁剪</translation>
        </message>
        <message>
            <source>input signals</source>
            <translation>输入信号</translation>
        </message>
        <message>
            <source>image quality read</source>
            <translation>画质读取</translation>
        </message>
        <message>
            <source>presets</source>
            <translation>预设列表</translation>
        </message>
        <message>
            <source>templates</source>
            <translation>模板列表</translation>
        </message>
        <message>
            <source>mosaic read</source>
            <translation>拼接读取</translation>
        </message>
        <message>
            <source>timed tasks</source>
            <translation>定时任务列表</translation>
        </message>
        <message>
            <source>EDID read</source>
            <translation>EDID 读取</translation>
        </message>
        <message>
            <source>chroma keys</source>
            <translation>抠像列表</translation>
        </message>
        <message>
            <source>borders</source>
            <translation>边框列表</translation>
        </message>
        <message>
            <source>output enhance read</source>
            <translation>输出增强读取</translation>
        </message>
        <message>
            <source>other settings</source>
            <translation>其他设置</translation>
        </message>
        <message>
            <source>read all</source>
            <translation>全部读取</translation>
        </message>
        <message>
            <source>output update</source>
            <translation>输出更新</translation>
        </message>
        <message>
            <source>firmware upgrade</source>
            <translation>固件升级</translation>
        </message>
        <message>
            <source>link</source>
            <translation>链路</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>时间</translation>
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
            <translation>长度</translation>
        </message>
        <message>
            <source>Frame</source>
            <translation>帧</translation>
        </message>
        <message>
            <source>All commands</source>
            <translation>全部命令</translation>
        </message>
        <message>
            <source>search / announcement</source>
            <translation>搜索 / 设备应答</translation>
        </message>
        <message>
            <source>heartbeat</source>
            <translation>心跳</translation>
        </message>
        <message>
            <source>connection interrupted</source>
            <translation>连接中断</translation>
        </message>
        <message>
            <source>enter boot</source>
            <translation>进入引导</translation>
        </message>
        <message>
            <source>begin upgrade</source>
            <translation>开始升级</translation>
        </message>
        <message>
            <source>data block</source>
            <translation>数据块</translation>
        </message>
        <message>
            <source>end upgrade</source>
            <translation>结束升级</translation>
        </message>
        <message>
            <source>load template</source>
            <translation>调用模板</translation>
        </message>
        <message>
            <source>load preset</source>
            <translation>调用预设</translation>
        </message>
        <message>
            <source>save preset</source>
            <translation>保存预设</translation>
        </message>
        <message>
            <source>sent</source>
            <translation>发送</translation>
        </message>
        <message>
            <source>received</source>
            <translation>接收</translation>
        </message>
        <message>
            <source>%1 frames</source>
            <translation>%1 帧</translation>
        </message>
        <message>
            <source>Resume</source>
            <translation>继续</translation>
        </message>
        <message>
            <source>Save frames</source>
            <translation>保存帧</translation>
        </message>
        <message>
            <source>Text files (*.txt)</source>
            <translation>文本文件 (*.txt)</translation>
        </message>
        <message>
            <source>The file %1 cannot be written.</source>
            <translation>无法写入文件 %1。</translation>
        </message>
    </context>
    <context>
        <name>DialogEDID</name>
        <message>
            <source>EDID Setting</source>
            <translation>EDID设置</translation>
        </message>
        <message>
            <source>Input Selete</source>
            <translation>输入选择</translation>
        </message>
        <message>
            <source>Resolution:</source>
            <translation>分辨率：</translation>
        </message>
        <message>
            <source>Width</source>
            <translation>宽度</translation>
        </message>
        <message>
            <source>Height</source>
            <translation>高度</translation>
        </message>
        <message>
            <source>Frame Rate</source>
            <translation>帧率</translation>
        </message>
        <message>
            <source>DVI Signal Mode</source>
            <translation>DVI信号模式</translation>
        </message>
        <message>
            <source>Reset All</source>
            <translation>全部复位</translation>
        </message>
        <message>
            <source>Apply</source>
            <translation>应用</translation>
        </message>
        <message>
            <source>Input%1</source>
            <translation>输入%1</translation>
        </message>
        <message>
            <source>Custom</source>
            <translation>自定义</translation>
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
            <translation>DVI音频输入</translation>
        </message>
        <message>
            <source>Analog</source>
            <translation>模拟</translation>
        </message>
        <message>
            <source>Digital</source>
            <translation>数字</translation>
        </message>
        <message>
            <source>tips</source>
            <translation>提示</translation>
        </message>
        <message>
            <source>Reset All EDID Setting?</source>
            <translation>复位所有EDID设置？</translation>
        </message>
    </context>
    <context>
        <name>DialogGWImageQuality</name>
        <message>
            <source>Image Quality</source>
            <translation>画质调节</translation>
        </message>
        <message>
            <source>Window</source>
            <translation>窗口</translation>
        </message>
        <message>
            <source>Brightness</source>
            <translation>亮度</translation>
        </message>
        <message>
            <source>Contrast</source>
            <translation>对比度</translation>
        </message>
        <message>
            <source>Saturation</source>
            <translation>饱和度</translation>
        </message>
        <message>
            <source>Color Offset and Gain</source>
            <translation>颜色偏移与增益</translation>
        </message>
        <message>
            <source>Red</source>
            <translation>红色</translation>
        </message>
        <message>
            <source>Green</source>
            <translation>绿色</translation>
        </message>
        <message>
            <source>Blue</source>
            <translation>蓝色</translation>
        </message>
        <message>
            <source>Red Gain</source>
            <translation>红色增益</translation>
        </message>
        <message>
            <source>Green Gain</source>
            <translation>绿色增益</translation>
        </message>
        <message>
            <source>Blue Gain</source>
            <translation>蓝色增益</translation>
        </message>
        <message>
            <source>Reset</source>
            <translation>复位</translation>
        </message>
        <message>
            <source>tips</source>
            <translation>提示</translation>
        </message>
        <message>
            <source>Reset All Picture Params?</source>
            <translation>复位所有画质参数？</translation>
        </message>
    </context>
    <context>
        <name>DialogGWPanel</name>
        <message>
            <source>Output Setting</source>
            <translation>输出设置</translation>
        </message>
        <message>
            <source>Basic parameters</source>
            <translation>基本参数</translation>
        </message>
        <message>
            <source>Resolution</source>
            <translation>分辨率</translation>
        </message>
        <message>
            <source>Width</source>
            <translation>宽度</translation>
        </message>
        <message>
            <source>Height</source>
            <translation>高度</translation>
        </message>
        <message>
            <source>Frame Rate</source>
            <translation>帧率</translation>
        </message>
        <message>
            <source>Rows</source>
            <translation>行数</translation>
        </message>
        <message>
            <source>Columns</source>
            <translation>列数</translation>
        </message>
        <message>
            <source>Numbering Order</source>
            <translation>编号顺序</translation>
        </message>
        <message>
            <source>First horizontal and then vertical</source>
            <translation>先横后竖</translation>
        </message>
        <message>
            <source>First vertical and then horizontal</source>
            <translation>先竖后横</translation>
        </message>
        <message>
            <source>Apply</source>
            <translation>应用</translation>
        </message>
        <message>
            <source>Screen parameters</source>
            <translation>屏幕参数</translation>
        </message>
        <message>
            <source>Double clicking the table on the left and top can modify the screen parameters.</source>
            <translation>双击左侧和顶部的表格可修改屏幕参数。</translation>
        </message>
        <message>
            <source>Output mapping</source>
            <translation>输出映射</translation>
        </message>
        <message>
            <source>Output Port</source>
            <translation>输出端口</translation>
        </message>
        <message>
            <source>Display Areas</source>
            <translation>显示区域</translation>
        </message>
        <message>
            <source>
screen: %1 
h_width: %2 
v_height: %3 
</source>
            <translation>
屏幕：%1 
水平宽度：%2 
垂直高度：%3 
</translation>
        </message>
        <message>
            <source>custom</source>
            <translation>自定义</translation>
        </message>
        <message>
            <source>Row and column cannot be greater than %1</source>
            <translation>行数和列数不能大于%1</translation>
        </message>
        <message>
            <source>Please enter a valid width of the screen.</source>
            <translation>请输入有效的屏幕宽度。</translation>
        </message>
        <message>
            <source>Please enter a valid height of the screen.</source>
            <translation>请输入有效的屏幕高度。</translation>
        </message>
        <message>
            <source>The width of the screen can not be larger than the width of the resolution.</source>
            <translation>屏幕宽度不能大于分辨率宽度。</translation>
        </message>
        <message>
            <source>The height of the screen can not be larger than the height of the resolution.</source>
            <translation>屏幕高度不能大于分辨率高度。</translation>
        </message>
        <message>
            <source>Input Screen ID Error</source>
            <translation>输入屏幕ID错误</translation>
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
            <translation>画质调节</translation>
        </message>
        <message>
            <source>Window</source>
            <translation>窗口</translation>
        </message>
        <message>
            <source>Brightness</source>
            <translation>亮度</translation>
        </message>
        <message>
            <source>Contrast</source>
            <translation>对比度</translation>
        </message>
        <message>
            <source>Sharpness</source>
            <translation>锐度</translation>
        </message>
        <message>
            <source>Hue</source>
            <translation>色调</translation>
        </message>
        <message>
            <source>Saturation</source>
            <translation>饱和度</translation>
        </message>
        <message>
            <source>Color Offset</source>
            <translation>颜色偏移</translation>
        </message>
        <message>
            <source>Red</source>
            <translation>红色</translation>
        </message>
        <message>
            <source>Green</source>
            <translation>绿色</translation>
        </message>
        <message>
            <source>Blue</source>
            <translation>蓝色</translation>
        </message>
        <message>
            <source>Reset</source>
            <translation>复位</translation>
        </message>
        <message>
            <source>tips</source>
            <translation>提示</translation>
        </message>
        <message>
            <source>Reset All Picture Params?</source>
            <translation>复位所有画质参数？</translation>
        </message>
    </context>
    <context>
        <name>DialogKXImageQuality</name>
        <message>
            <source>Image Quality</source>
            <translation>画质调节</translation>
        </message>
        <message>
            <source>Window</source>
            <translation>窗口</translation>
        </message>
        <message>
            <source>Basic Setting</source>
            <translation>基本设置</translation>
        </message>
        <message>
            <source>Brightness</source>
            <translation>亮度</translation>
        </message>
        <message>
            <source>Contrast</source>
            <translation>对比度</translation>
        </message>
        <message>
            <source>Sharpness</source>
            <translation>锐度</translation>
        </message>
        <message>
            <source>Hue</source>
            <translation>色调</translation>
        </message>
        <message>
            <source>Saturation</source>
            <translation>饱和度</translation>
        </message>
        <message>
            <source>Gamma</source>
            <translation>伽马</translation>
        </message>
        <message>
            <source>Color Offset</source>
            <translation>颜色偏移</translation>
        </message>
        <message>
            <source>Red</source>
            <translation>红色</translation>
        </message>
        <message>
            <source>Green</source>
            <translation>绿色</translation>
        </message>
        <message>
            <source>Blue</source>
            <translation>蓝色</translation>
        </message>
        <message>
            <source>Advanced Setting</source>
            <translation>高级设置</translation>
        </message>
        <message>
            <source>Color Temp</source>
            <translation>色温</translation>
        </message>
        <message>
            <source>Color Mode</source>
            <translation>颜色模式</translation>
        </message>
        <message>
            <source>RGBCMY Color Setting</source>
            <translation>RGBCMY颜色设置</translation>
        </message>
        <message>
            <source>Cyan</source>
            <translation>青色</translation>
        </message>
        <message>
            <source>Magenta</source>
            <translation>品红</translation>
        </message>
        <message>
            <source>Yellow</source>
            <translation>黄色</translation>
        </message>
        <message>
            <source>Expert Setting</source>
            <translation>专家设置</translation>
        </message>
        <message>
            <source>Image Effects</source>
            <translation>图像效果</translation>
        </message>
        <message>
            <source>Clear Vision</source>
            <translation>清晰视觉</translation>
        </message>
        <message>
            <source>Luminance</source>
            <translation>亮度增强</translation>
        </message>
        <message>
            <source>Skin Tone</source>
            <translation>肤色</translation>
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
            <translation>输入颜色范围</translation>
        </message>
        <message>
            <source>Input Color Format</source>
            <translation>输入颜色格式</translation>
        </message>
        <message>
            <source>Window Color Format</source>
            <translation>窗口颜色格式</translation>
        </message>
        <message>
            <source>Reset</source>
            <translation>复位</translation>
        </message>
        <message>
            <source>Standard</source>
            <translation>标准</translation>
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
            <translation>用户</translation>
        </message>
        <message>
            <source>Vivid</source>
            <translation>鲜艳</translation>
        </message>
        <message>
            <source>Game</source>
            <translation>游戏</translation>
        </message>
        <message>
            <source>Movie</source>
            <translation>电影</translation>
        </message>
        <message>
            <source>RGBCMY Brightness</source>
            <translation>RGBCMY亮度</translation>
        </message>
        <message>
            <source>RGBCMY Saturation</source>
            <translation>RGBCMY饱和度</translation>
        </message>
        <message>
            <source>RGBCMY Hue</source>
            <translation>RGBCMY色调</translation>
        </message>
        <message>
            <source>Off</source>
            <translation>关</translation>
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
            <translation>强</translation>
        </message>
        <message>
            <source>Auto</source>
            <translation>自动</translation>
        </message>
        <message>
            <source>Full</source>
            <translation>全范围</translation>
        </message>
        <message>
            <source>Limit</source>
            <translation>有限范围</translation>
        </message>
        <message>
            <source>All window</source>
            <translation>所有窗口</translation>
        </message>
        <message>
            <source>window %1</source>
            <translation>窗口%1</translation>
        </message>
        <message>
            <source>tips</source>
            <translation>提示</translation>
        </message>
        <message>
            <source>Reset All Picture Params?</source>
            <translation>复位所有画质参数？</translation>
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
            <translation>拼接开关</translation>
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
            <translation>拼接参数</translation>
        </message>
        <message>
            <source>H Units</source>
            <translation>水平单元数</translation>
        </message>
        <message>
            <source>V Units</source>
            <translation>垂直单元数</translation>
        </message>
        <message>
            <source>Position</source>
            <translation>位置</translation>
        </message>
        <message>
            <source>H Total</source>
            <translation>水平总数</translation>
        </message>
        <message>
            <source>V Total</source>
            <translation>垂直总数</translation>
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
            <translation>拼接微调</translation>
        </message>
        <message>
            <source>H Start Tune</source>
            <translation>水平起始微调</translation>
        </message>
        <message>
            <source>V Start Tune</source>
            <translation>垂直起始微调</translation>
        </message>
        <message>
            <source>Width Tune</source>
            <translation>宽度微调</translation>
        </message>
        <message>
            <source>Height Tune</source>
            <translation>高度微调</translation>
        </message>
        <message>
            <source>Apply</source>
            <translation>应用</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>关闭</translation>
        </message>
        <message>
            <source>window %1</source>
            <translation>窗口%1</translation>
        </message>
    </context>
    <context>
        <name>DialogMultiMachine</name>
        <message>
            <source>MultiMachine</source>
            <translation>多机</translation>
        </message>
        <message>
            <source>Model</source>
            <translation>型号</translation>
        </message>
        <message>
            <source>Connection</source>
            <translation>连接</translation>
        </message>
        <message>
            <source>Version</source>
            <translation>版本</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>名称</translation>
        </message>
        <message>
            <source>Select</source>
            <translation>选择</translation>
        </message>
        <message>
            <source>Preset</source>
            <translation>预设</translation>
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
            <translation>调用预设</translation>
        </message>
        <message>
            <source>usb</source>
            <translation>USB</translation>
        </message>
        <message>
            <source>network</source>
            <translation>网络</translation>
        </message>
        <message>
            <source>tips</source>
            <translation>提示</translation>
        </message>
        <message>
            <source>Please select a device</source>
            <translation>请选择设备</translation>
        </message>
        <message>
            <source>Please select a preset</source>
            <translation>请选择预设</translation>
        </message>
        <message>
            <source>Sending...</source>
            <translation>正在发送…</translation>
        </message>
        <message>
            <source>Send completed...</source>
            <translation>发送完成…</translation>
        </message>
    </context>
    <context>
        <name>DialogOutputSetting</name>
        <message>
            <source>Output Setting</source>
            <translation>输出设置</translation>
        </message>
        <message>
            <source>Resolution Setting</source>
            <translation>分辨率设置</translation>
        </message>
        <message>
            <source>Output Resolution</source>
            <translation>输出分辨率</translation>
        </message>
        <message>
            <source>Output 1</source>
            <translation>输出1</translation>
        </message>
        <message>
            <source>h_width</source>
            <translation>水平宽度</translation>
        </message>
        <message>
            <source>v_height</source>
            <translation>垂直高度</translation>
        </message>
        <message>
            <source>frames</source>
            <translation>帧</translation>
        </message>
        <message>
            <source>Output 2</source>
            <translation>输出2</translation>
        </message>
        <message>
            <source>Apply</source>
            <translation>应用</translation>
        </message>
        <message>
            <source>Output</source>
            <translation>输出</translation>
        </message>
        <message>
            <source>Output mode:</source>
            <translation>输出模式：</translation>
        </message>
        <message>
            <source>Output 1, 2 exchange</source>
            <translation>输出1、2互换</translation>
        </message>
        <message>
            <source>Other Setting</source>
            <translation>其他设置</translation>
        </message>
        <message>
            <source>Background Color</source>
            <translation>背景颜色</translation>
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
            <translation>边框设置</translation>
        </message>
        <message>
            <source>Border Onoff</source>
            <translation>边框开关</translation>
        </message>
        <message>
            <source>Output Select</source>
            <translation>输出选择</translation>
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
            <translation>粗细</translation>
        </message>
        <message>
            <source>Color:</source>
            <translation>颜色：</translation>
        </message>
        <message>
            <source>Output Enhance</source>
            <translation>输出增强</translation>
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
            <translation>复制模式</translation>
        </message>
        <message>
            <source>custom</source>
            <translation>自定义</translation>
        </message>
        <message>
            <source>Window Select</source>
            <translation>窗口选择</translation>
        </message>
        <message>
            <source>DVI2</source>
            <translation>DVI2</translation>
        </message>
        <message>
            <source>window %1</source>
            <translation>窗口%1</translation>
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
            <translation>远程控制</translation>
        </message>
        <message>
            <source>Serve remote control over OSC and HTTP</source>
            <translation>通过 OSC 和 HTTP 提供远程控制</translation>
        </message>
        <message>
            <source>Bind address</source>
            <translation>绑定地址</translation>
        </message>
        <message>
            <source>OSC port (UDP)</source>
            <translation>OSC 端口（UDP）</translation>
        </message>
        <message>
            <source>off</source>
            <translation>关闭</translation>
        </message>
        <message>
            <source>HTTP port (TCP)</source>
            <translation>HTTP 端口（TCP）</translation>
        </message>
        <message>
            <source>Token</source>
            <translation>令牌</translation>
        </message>
        <message>
            <source>Generate</source>
            <translation>生成</translation>
        </message>
        <message>
            <source>OSC senders</source>
            <translation>OSC 发送方</translation>
        </message>
        <message>
            <source>Addresses or subnets, separated by commas, e.g. 192.168.1.20, 192.168.1.0/24</source>
            <translation>地址或子网，以逗号分隔，例如 192.168.1.20, 192.168.1.0/24</translation>
        </message>
        <message>
            <source>none: OSC from this computer only</source>
            <translation>无：仅接受本机的 OSC</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>确定</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>取消</translation>
        </message>
        <message>
            <source>Only programs on this computer can connect.</source>
            <translation>只有本机上的程序可以连接。</translation>
        </message>
        <message>
            <source>Other computers can connect over HTTP with the token. No OSC sender is listed, so OSC messages are taken from this computer only.</source>
            <translation>其他计算机可凭令牌通过 HTTP 连接。未列出 OSC 发送方，因此只接受来自本机的 OSC 消息。</translation>
        </message>
        <message>
            <source>Other computers can connect: over HTTP with the token, over OSC from the senders listed.</source>
            <translation>其他计算机可以连接：HTTP 需凭令牌，OSC 仅限所列发送方。</translation>
        </message>
        <message>
            <source>Not running</source>
            <translation>未运行</translation>
        </message>
        <message>
            <source>Running on %1: OSC port %2, HTTP port %3</source>
            <translation>正在 %1 上运行：OSC 端口 %2，HTTP 端口 %3</translation>
        </message>
        <message>
            <source>Not running: %1</source>
            <translation>未运行：%1</translation>
        </message>
        <message>
            <source>The servers could not start: %1</source>
            <translation>服务器无法启动：%1</translation>
        </message>
    </context>
    <context>
        <name>DialogSearch</name>
        <message>
            <source>Search Device</source>
            <translation>搜索设备</translation>
        </message>
        <message>
            <source>current device:</source>
            <translation>当前设备：</translation>
        </message>
        <message>
            <source>Not Find Device!</source>
            <translation>未找到设备！</translation>
        </message>
        <message>
            <source>device list</source>
            <translation>设备列表</translation>
        </message>
        <message>
            <source>Serial port:</source>
            <translation>串口：</translation>
        </message>
        <message>
            <source>A serial port the system does not list, e.g. /dev/pts/3</source>
            <translation>系统未列出的串口，例如 /dev/pts/3</translation>
        </message>
        <message>
            <source>Add</source>
            <translation>添加</translation>
        </message>
        <message>
            <source>Search</source>
            <translation>搜索</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>确定</translation>
        </message>
        <message>
            <source>Type</source>
            <translation>类型</translation>
        </message>
        <message>
            <source>Connect</source>
            <translation>连接</translation>
        </message>
        <message>
            <source> Version </source>
            <translation> 版本 </translation>
        </message>
        <message>
            <source>Name</source>
            <translation>名称</translation>
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
            <translation>网络</translation>
        </message>
        <message>
            <source>tips</source>
            <translation>提示</translation>
        </message>
        <message>
            <source>The input is too long!</source>
            <translation>输入内容过长！</translation>
        </message>
        <message>
            <source>The device network port has been taken up!</source>
            <translation>设备网络端口已被占用！</translation>
        </message>
        <message>
            <source>Address:</source>
            <translation>地址：</translation>
        </message>
        <message>
            <source>A device address or host name that broadcasts do not reach, e.g. 10.1.2.3</source>
            <translation>广播无法到达的设备地址或主机名，例如 10.1.2.3</translation>
        </message>
        <message>
            <source>No connection manager: %1 is not asked.</source>
            <translation>没有连接管理器：未询问 %1。</translation>
        </message>
        <message>
            <source>Asking %1 ...</source>
            <translation>正在询问 %1 ...</translation>
        </message>
    </context>
    <context>
        <name>DialogTestPicCard</name>
        <message>
            <source>TestPicCard</source>
            <translation>测试图卡</translation>
        </message>
        <message>
            <source>Test Pic Card</source>
            <translation>测试图卡</translation>
        </message>
        <message>
            <source>Please connect the DVI input signal</source>
            <translation>请接入DVI输入信号</translation>
        </message>
    </context>
    <context>
        <name>DialogTimeTake</name>
        <message>
            <source>Task</source>
            <translation>任务</translation>
        </message>
        <message>
            <source>Run Setup</source>
            <translation>运行设置</translation>
        </message>
        <message>
            <source>Task Run</source>
            <translation>任务运行</translation>
        </message>
        <message>
            <source>System Time</source>
            <translation>系统时间</translation>
        </message>
        <message>
            <source>yyyy/MM/dd HH:mm:ss</source>
            <translation>yyyy/MM/dd HH:mm:ss</translation>
        </message>
        <message>
            <source>Use Computer Time</source>
            <translation>使用电脑时间</translation>
        </message>
        <message>
            <source>Apply</source>
            <translation>应用</translation>
        </message>
        <message>
            <source>Task Setting</source>
            <translation>任务设置</translation>
        </message>
        <message>
            <source>Trigger Data</source>
            <translation>触发日期</translation>
        </message>
        <message>
            <source>yyyy/MM/dd</source>
            <translation>yyyy/MM/dd</translation>
        </message>
        <message>
            <source>Trigger Time</source>
            <translation>触发时间</translation>
        </message>
        <message>
            <source>HH:mm:ss</source>
            <translation>HH:mm:ss</translation>
        </message>
        <message>
            <source>Task Type</source>
            <translation>任务类型</translation>
        </message>
        <message>
            <source>Only Once</source>
            <translation>仅一次</translation>
        </message>
        <message>
            <source>Every Day</source>
            <translation>每天</translation>
        </message>
        <message>
            <source>Cycle a day</source>
            <translation>每天循环</translation>
        </message>
        <message>
            <source>Cycle Daily</source>
            <translation>每日循环</translation>
        </message>
        <message>
            <source>Cycle List</source>
            <translation>循环列表</translation>
        </message>
        <message>
            <source>Load Target</source>
            <translation>加载目标</translation>
        </message>
        <message>
            <source>Standby</source>
            <translation>待机</translation>
        </message>
        <message>
            <source>Wakeup</source>
            <translation>唤醒</translation>
        </message>
        <message>
            <source>Preset 1</source>
            <translation>预设1</translation>
        </message>
        <message>
            <source>Preset 2</source>
            <translation>预设2</translation>
        </message>
        <message>
            <source>Preset 3</source>
            <translation>预设3</translation>
        </message>
        <message>
            <source>Preset 4</source>
            <translation>预设4</translation>
        </message>
        <message>
            <source>Preset 5</source>
            <translation>预设5</translation>
        </message>
        <message>
            <source>Preset 6</source>
            <translation>预设6</translation>
        </message>
        <message>
            <source>Preset 7</source>
            <translation>预设7</translation>
        </message>
        <message>
            <source>Preset 8</source>
            <translation>预设8</translation>
        </message>
        <message>
            <source>Preset 9</source>
            <translation>预设9</translation>
        </message>
        <message>
            <source>Preset 10</source>
            <translation>预设10</translation>
        </message>
        <message>
            <source>Time Interval</source>
            <translation>时间间隔</translation>
        </message>
        <message>
            <source> min</source>
            <translation> 分钟</translation>
        </message>
        <message>
            <source>Time Total</source>
            <translation>总时长</translation>
        </message>
        <message>
            <source>Preset %1</source>
            <translation>预设%1</translation>
        </message>
    </context>
    <context>
        <name>DialogUpgrade</name>
        <message>
            <source>Upgrade</source>
            <translation>升级</translation>
        </message>
        <message>
            <source>Open File</source>
            <translation>打开文件</translation>
        </message>
        <message>
            <source>Upgrade file type: output card firmware</source>
            <translation>升级文件类型：输出卡固件</translation>
        </message>
        <message>
            <source>Upgrade file type: input card firmware</source>
            <translation>升级文件类型：输入卡固件</translation>
        </message>
        <message>
            <source>Upgrade file type: host firmware</source>
            <translation>升级文件类型：主机固件</translation>
        </message>
        <message>
            <source>Upgrade file type: unknown, not upgraded</source>
            <translation>升级文件类型：未知，未升级</translation>
        </message>
        <message>
            <source>Please select the upgrade file</source>
            <translation>请选择升级文件</translation>
        </message>
        <message>
            <source>The upgrade file open faild</source>
            <translation>升级文件打开失败</translation>
        </message>
        <message>
            <source>The upgrade file could not be read completely, not upgraded</source>
            <translation>无法完整读取升级文件，未升级</translation>
        </message>
        <message>
            <source>The upgrade file is too large, not upgraded</source>
            <translation>升级文件过大，未升级</translation>
        </message>
        <message>
            <source>Ready to enter the Boot mode...</source>
            <translation>准备进入Boot模式…</translation>
        </message>
        <message>
            <source>Already into the Boot mode... Start packing up the upgrade data</source>
            <translation>已进入Boot模式…开始打包升级数据</translation>
        </message>
        <message>
            <source>Upgrade file package failure...</source>
            <translation>升级文件打包失败…</translation>
        </message>
        <message>
            <source>Upgrade data package finished... Ready to send upgrades</source>
            <translation>升级数据打包完成…准备发送升级数据</translation>
        </message>
        <message>
            <source>Start sending firmware upgrades...</source>
            <translation>开始发送固件升级数据…</translation>
        </message>
        <message>
            <source>Firmware upgrade failure...</source>
            <translation>固件升级失败…</translation>
        </message>
        <message>
            <source>The firmware upgrade data is sent out...</source>
            <translation>固件升级数据已发送…</translation>
        </message>
        <message>
            <source>Firmware upgrades: success</source>
            <translation>固件升级：成功</translation>
        </message>
        <message>
            <source>Firmware upgrades: failure</source>
            <translation>固件升级：失败</translation>
        </message>
        <message>
            <source>tips</source>
            <translation>提示</translation>
        </message>
        <message>
            <source>Device is being upgraded, Do you want exit?</source>
            <translation>设备正在升级，确定要退出吗？</translation>
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
            <translation>远程模式</translation>
        </message>
        <message>
            <source>Wifi Hotspot</source>
            <translation>WiFi热点</translation>
        </message>
        <message>
            <source>Wireless Display</source>
            <translation>无线投屏</translation>
        </message>
    </context>
    <context>
        <name>ImageQualityStore</name>
        <message>
            <source>All window</source>
            <translation>所有窗口</translation>
        </message>
        <message>
            <source>window %1</source>
            <translation>窗口%1</translation>
        </message>
    </context>
    <context>
        <name>KS9200Interface</name>
        <message>
            <source>Operation conflict</source>
            <translation>操作冲突</translation>
        </message>
    </context>
    <context>
        <name>MainWindow</name>
        <message>
            <source>Test Device</source>
            <translation>测试设备</translation>
        </message>
        <message>
            <source>tips</source>
            <translation>提示</translation>
        </message>
        <message>
            <source>The serial port %1 does not exist.</source>
            <translation>串口%1不存在。</translation>
        </message>
        <message>
            <source>Please connect to the device first!</source>
            <translation>请先连接设备！</translation>
        </message>
        <message>
            <source>Device Not Connect!</source>
            <translation>设备未连接！</translation>
        </message>
        <message>
            <source>Connect interrupt</source>
            <translation>连接中断</translation>
        </message>
        <message>
            <source>Connection abnormal: %1</source>
            <translation>连接异常：%1</translation>
        </message>
        <message>
            <source>Please select a window</source>
            <translation>请选择窗口</translation>
        </message>
        <message>
            <source>Does not support this feature!</source>
            <translation>不支持此功能！</translation>
        </message>
        <message>
            <source>Factory Reset ?</source>
            <translation>恢复出厂设置？</translation>
        </message>
        <message>
            <source>Input conflict</source>
            <translation>输入冲突</translation>
        </message>
        <message>
            <source>Output card change is detected, so factory settings must be restored.</source>
            <translation>检测到输出卡变更，必须恢复出厂设置。</translation>
        </message>
        <message>
            <source>in use by another computer</source>
            <translation>已被其他电脑占用</translation>
        </message>
        <message>
            <source>offline for %1</source>
            <translation>已离线 %1</translation>
        </message>
        <message>
            <source>offline</source>
            <translation>离线</translation>
        </message>
        <message>
            <source>reconnecting</source>
            <translation>正在重新连接</translation>
        </message>
        <message>
            <source>Open configuration</source>
            <translation>打开配置</translation>
        </message>
        <message>
            <source>Configuration files (*.json)</source>
            <translation>配置文件 (*.json)</translation>
        </message>
        <message>
            <source>%1 cannot be opened: %2</source>
            <translation>无法打开 %1：%2</translation>
        </message>
        <message>
            <source>The file holds no device.</source>
            <translation>文件中没有设备。</translation>
        </message>
        <message>
            <source>file %1</source>
            <translation>文件 %1</translation>
        </message>
        <message>
            <source>Configuration file %1: nothing is sent from this tab.</source>
            <translation>配置文件 %1：此标签页不会发送任何内容。</translation>
        </message>
        <message>
            <source>%1 (configuration file %2, not a device)</source>
            <translation>%1（配置文件 %2，不是设备）</translation>
        </message>
        <message>
            <source>This tab shows a configuration file, not a device: nothing is sent from it. Use "Restore to…" in the main menu to restore it to a device.</source>
            <translation>此标签页显示的是配置文件，不是设备：不会从这里发送任何内容。请使用主菜单中的“还原到…”将其还原到设备。</translation>
        </message>
    </context>
    <context>
        <name>QObject</name>
        <message>
            <source>Video processor control</source>
            <translation>视频处理器控制</translation>
        </message>
        <message>
            <source>Also open PATH in every serial search (repeatable), e.g. a pseudo-terminal.</source>
            <translation>每次串口搜索时也打开 PATH（可重复指定），例如伪终端。</translation>
        </message>
        <message>
            <source>tips</source>
            <translation>提示</translation>
        </message>
        <message>
            <source>Also ask HOST (an address or a name, repeatable) in every network search, for devices that broadcasts do not reach.</source>
            <translation>每次网络搜索时也询问 HOST（地址或主机名，可重复），用于广播无法到达的设备。</translation>
        </message>
    </context>
    <context>
        <name>RemoteControl</name>
        <message>
            <source>Cannot listen for HTTP on %1 port %2</source>
            <translation>无法在 %1 端口 %2 上监听 HTTP</translation>
        </message>
        <message>
            <source>Cannot listen for OSC on %1 port %2: %3</source>
            <translation>无法在 %1 端口 %2 上监听 OSC：%3</translation>
        </message>
        <message>
            <source>Remote control stopped</source>
            <translation>远程控制已停止</translation>
        </message>
        <message>
            <source>Remote control could not start: %1</source>
            <translation>远程控制无法启动：%1</translation>
        </message>
        <message>
            <source>Remote control listening on %1: OSC port %2, HTTP port %3</source>
            <translation>远程控制正在 %1 上监听：OSC 端口 %2，HTTP 端口 %3</translation>
        </message>
        <message>
            <source>off</source>
            <translation>关闭</translation>
        </message>
        <message>
            <source>Remote control: refused %1 from %2: %3</source>
            <translation>远程控制：已拒绝来自 %2 的 %1：%3</translation>
        </message>
        <message numerus="yes">
            <source> (%n more refusal(s) of this client not logged)</source>
            <translation>
                <numerusform>（该客户端另有 %n 次拒绝未记录）</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>RemoteSettings</name>
        <message>
            <source>The bind address "%1" is not an IP address.</source>
            <translation>绑定地址“%1”不是 IP 地址。</translation>
        </message>
        <message>
            <source>Neither an OSC port nor an HTTP port is set.</source>
            <translation>未设置 OSC 端口，也未设置 HTTP 端口。</translation>
        </message>
        <message>
            <source>Listening on %1 needs a token of at least %2 characters.</source>
            <translation>在 %1 上监听需要至少 %2 个字符的令牌。</translation>
        </message>
        <message>
            <source>The token must not contain blanks.</source>
            <translation>令牌不能包含空格。</translation>
        </message>
        <message>
            <source>The OSC sender "%1" is not an address or a subnet.</source>
            <translation>OSC 发送方“%1”不是地址或子网。</translation>
        </message>
    </context>
    <context>
        <name>RestorePlan</name>
        <message>
            <source>Set %1 to %2</source>
            <translation>将%1设为 %2</translation>
        </message>
        <message>
            <source>Load template %1 for a layout of %2 windows</source>
            <translation>调用模板 %1，得到 %2 个窗口的布局</translation>
        </message>
        <message>
            <source>Load preset %1 for a layout of %2 windows</source>
            <translation>调用预设 %1，得到 %2 个窗口的布局</translation>
        </message>
        <message>
            <source>Set window %1 geometry to %2x%3 at %4,%5 (%6)</source>
            <translation>将窗口%1 设为 %2x%3，位于 %4,%5（%6）</translation>
        </message>
        <message>
            <source>the layout of %1 windows could not be put back afterwards</source>
            <translation>之后无法恢复 %1 个窗口的布局</translation>
        </message>
        <message>
            <source>nothing gives a layout of %1 windows</source>
            <translation>没有可得到 %1 个窗口布局的模板或预设</translation>
        </message>
        <message>
            <source>preset %1</source>
            <translation>预设 %1</translation>
        </message>
        <message>
            <source>Save the wall as preset %1</source>
            <translation>将当前画面保存为预设 %1</translation>
        </message>
        <message>
            <source>live layout put back</source>
            <translation>恢复当前布局</translation>
        </message>
        <message>
            <source>Put window %1 back on %2, transparency %3</source>
            <translation>窗口%1 恢复为 %2，透明度 %3</translation>
        </message>
        <message>
            <source>window %1</source>
            <translation>窗口%1</translation>
        </message>
        <message>
            <source>Set window %1 transparency to %2</source>
            <translation>将窗口%1 透明度设为 %2</translation>
        </message>
        <message>
            <source>Switch window %1 to %2</source>
            <translation>将窗口%1 切换到 %2</translation>
        </message>
        <message>
            <source>Set window %1 rotation to %2</source>
            <translation>将窗口%1 旋转设为 %2</translation>
        </message>
        <message>
            <source>Set window %1 input crop to %2</source>
            <translation>将窗口%1 输入裁剪设为 %2</translation>
        </message>
        <message>
            <source>Set area %1 to %2x%3 at %4,%5</source>
            <translation>将区域 %1 设为 %2x%3，位于 %4,%5</translation>
        </message>
        <message>
            <source>Lay out preset %1 on the wall (%2 windows)</source>
            <translation>在屏幕上布置预设 %1（%2 个窗口）</translation>
        </message>
        <message>
            <source>Put the live layout back (%1 windows)</source>
            <translation>恢复当前布局（%1 个窗口）</translation>
        </message>
        <message>
            <source>Close the windows the file does not have</source>
            <translation>关闭文件中没有的窗口</translation>
        </message>
        <message>
            <source>Close window %1</source>
            <translation>关闭窗口%1</translation>
        </message>
        <message>
            <source>Place window %1 at %2x%3 at %4,%5, layer %6</source>
            <translation>放置窗口%1：%2x%3，位于 %4,%5，图层 %6</translation>
        </message>
        <message>
            <source>Switch window %1 to Input%2</source>
            <translation>将窗口%1 切换到 Input%2</translation>
        </message>
        <message>
            <source>Set window %1 input crop</source>
            <translation>设置窗口%1 输入裁剪</translation>
        </message>
        <message>
            <source>Set window %1 picture item %2 to %3</source>
            <translation>将窗口%1 画质项 %2 设为 %3</translation>
        </message>
        <message>
            <source>A %1 configuration cannot be restored to a %2: the device must be of the same family.</source>
            <translation>%1 的配置无法恢复到 %2：设备必须属于同一系列。</translation>
        </message>
        <message>
            <source>Restoring a preset lays its windows out on the wall and stores them, so the wall shows each restored preset for a moment; the live layout is put back afterwards.</source>
            <translation>恢复预设时会先在屏幕上布置其窗口再保存，因此屏幕会短暂显示每个恢复的预设；之后会恢复当前布局。</translation>
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
            <translation>部分应用</translation>
        </message>
        <message>
            <source>failed</source>
            <translation>失败</translation>
        </message>
        <message>
            <source>cancelled</source>
            <translation>已取消</translation>
        </message>
        <message>
            <source>There is no group "%1"; the groups are: %2.</source>
            <translation>没有分组“%1”；可用分组：%2。</translation>
        </message>
        <message>
            <source>%1 is not online: nothing was sent.</source>
            <translation>%1 不在线：未发送任何内容。</translation>
        </message>
        <message>
            <source>%1 Nothing was sent.</source>
            <translation>%1 未发送任何内容。</translation>
        </message>
        <message>
            <source>%1 is not online.</source>
            <translation>%1 不在线。</translation>
        </message>
        <message>
            <source>The restore was cancelled before anything was sent.</source>
            <translation>还原在发送任何内容之前已取消。</translation>
        </message>
        <message>
            <source>The restore was cancelled after %1 of %2 steps.</source>
            <translation>还原在第 %1 步（共 %2 步）之后取消。</translation>
        </message>
        <message>
            <source>step %1 of %2 (%3)</source>
            <translation>第 %1 步，共 %2 步（%3）</translation>
        </message>
        <message>
            <source>%1 refused %2.</source>
            <translation>%1 拒绝了%2。</translation>
        </message>
        <message>
            <source>%1 did not answer %2 in time.</source>
            <translation>%1 未及时应答%2。</translation>
        </message>
        <message>
            <source>The link to %1 was lost at %2.</source>
            <translation>与 %1 的连接在%2时中断。</translation>
        </message>
        <message>
            <source>%1 was not online for %2.</source>
            <translation>执行%2时 %1 不在线。</translation>
        </message>
        <message>
            <source>Every step was acknowledged, but %1 could not be read back to verify them: %2</source>
            <translation>每一步都已确认，但无法回读 %1 进行校验：%2</translation>
        </message>
        <message>
            <source>Every step was acknowledged, but %1 does not match the file after the restore (differences: %2).</source>
            <translation>每一步都已确认，但还原后 %1 与文件不符（差异：%2）。</translation>
        </message>
        <message>
            <source>%1 already matches the file: nothing was sent.</source>
            <translation>%1 已与文件一致：未发送任何内容。</translation>
        </message>
        <message>
            <source>%1 restored: %2 steps applied and verified.</source>
            <translation>%1 已还原：%2 步已应用并校验。</translation>
        </message>
    </context>
    <context>
        <name>SxDialogTitle</name>
        <message>
            <source>close</source>
            <translation>关闭</translation>
        </message>
    </context>
    <context>
        <name>SxGraphicsItem</name>
        <message>
            <source>window %1</source>
            <translation>窗口%1</translation>
        </message>
    </context>
    <context>
        <name>SxGraphicsView</name>
        <message>
            <source>preset %1</source>
            <translation>预设 %1</translation>
        </message>
        <message>
            <source>attribute</source>
            <translation>属性</translation>
        </message>
        <message>
            <source>maximize</source>
            <translation>最大化</translation>
        </message>
        <message>
            <source>save</source>
            <translation>保存</translation>
        </message>
        <message>
            <source>window %1</source>
            <translation>窗口%1</translation>
        </message>
        <message>
            <source>input: [%1][%2]</source>
            <translation>输入：[%1][%2]</translation>
        </message>
        <message>
            <source>unkown</source>
            <translation>未知</translation>
        </message>
        <message>
            <source>Area: %1</source>
            <translation>区域：%1</translation>
        </message>
        <message>
            <source>Output: %1</source>
            <translation>输出：%1</translation>
        </message>
        <message>
            <source>input: [%1][%2x%3  %4Hz]</source>
            <translation>输入：[%1][%2x%3  %4Hz]</translation>
        </message>
        <message>
            <source>error</source>
            <translation>错误</translation>
        </message>
        <message>
            <source>The window number has reached the maximum, please delete a window first.</source>
            <translation>窗口数量已达上限，请先删除一个窗口。</translation>
        </message>
        <message>
            <source>Preset %1 has been saved. Replace it?</source>
            <translation>预设%1已保存，是否替换？</translation>
        </message>
    </context>
    <context>
        <name>SxGraphicsViewGW</name>
        <message>
            <source>Add</source>
            <translation>添加</translation>
        </message>
        <message>
            <source>Remove</source>
            <translation>删除</translation>
        </message>
        <message>
            <source>Remove all</source>
            <translation>全部删除</translation>
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
            <translation>区域：%1</translation>
        </message>
        <message>
            <source>Output: %1</source>
            <translation>输出：%1</translation>
        </message>
        <message>
            <source>Are you sure remove all window?</source>
            <translation>确定删除所有窗口吗？</translation>
        </message>
    </context>
    <context>
        <name>SxGraphicsViewKS</name>
        <message>
            <source>Multi-machine Mosaic</source>
            <translation>多机拼接</translation>
        </message>
        <message>
            <source>Chroma Key</source>
            <translation>抠像</translation>
        </message>
        <message>
            <source>image rotation</source>
            <translation>图像旋转</translation>
        </message>
        <message>
            <source>OFF</source>
            <translation>关</translation>
        </message>
        <message>
            <source>H Flip</source>
            <translation>水平翻转</translation>
        </message>
        <message>
            <source>V Flip</source>
            <translation>垂直翻转</translation>
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
            <translation>所有窗口已切换到输入%1</translation>
        </message>
        <message>
            <source>Apply to all windows</source>
            <translation>应用到所有窗口</translation>
        </message>
    </context>
    <context>
        <name>SxTabWidget</name>
        <message>
            <source>offline</source>
            <translation>离线</translation>
        </message>
    </context>
    <context>
        <name>SxTimeTaskButton</name>
        <message>
            <source>Only Once</source>
            <translation>仅一次</translation>
        </message>
        <message>
            <source>Every Day</source>
            <translation>每天</translation>
        </message>
        <message>
            <source>Cycle a day</source>
            <translation>每天循环</translation>
        </message>
        <message>
            <source>Cycle Daily</source>
            <translation>每日循环</translation>
        </message>
        <message>
            <source>Run</source>
            <translation>运行</translation>
        </message>
        <message>
            <source>Stop</source>
            <translation>停止</translation>
        </message>
        <message>
            <source>Task %1</source>
            <translation>任务%1</translation>
        </message>
    </context>
    <context>
        <name>SxTitleWidget</name>
        <message>
            <source>Search</source>
            <translation>搜索</translation>
        </message>
        <message>
            <source>Sync</source>
            <translation>同步</translation>
        </message>
        <message>
            <source>Output</source>
            <translation>输出</translation>
        </message>
        <message>
            <source>EDID</source>
            <translation>EDID</translation>
        </message>
        <message>
            <source>Audio</source>
            <translation>音频</translation>
        </message>
        <message>
            <source>Image</source>
            <translation>画质</translation>
        </message>
        <message>
            <source>Test</source>
            <translation>测试图</translation>
        </message>
        <message>
            <source>USB</source>
            <translation>USB</translation>
        </message>
        <message>
            <source>Upgrade</source>
            <translation>升级</translation>
        </message>
        <message>
            <source>Factory</source>
            <translation>恢复出厂</translation>
        </message>
        <message>
            <source>MultiMachine</source>
            <translation>多机</translation>
        </message>
        <message>
            <source>current device: %1</source>
            <translation>当前设备：%1</translation>
        </message>
        <message>
            <source>main menu</source>
            <translation>主菜单</translation>
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
            <translation>还原</translation>
        </message>
        <message>
            <source>close</source>
            <translation>关闭</translation>
        </message>
        <message>
            <source>About</source>
            <translation>关于</translation>
        </message>
        <message>
            <source>%1
Version %2</source>
            <translation>%1
版本 %2</translation>
        </message>
        <message>
            <source>Diagnostics</source>
            <translation>诊断</translation>
        </message>
        <message>
            <source>Reconnect automatically</source>
            <translation>自动重新连接</translation>
        </message>
        <message>
            <source>Save configuration…</source>
            <translation>保存配置…</translation>
        </message>
        <message>
            <source>Restore configuration…</source>
            <translation>还原配置…</translation>
        </message>
        <message>
            <source>Open configuration…</source>
            <translation>打开配置…</translation>
        </message>
        <message>
            <source>Restore to…</source>
            <translation>还原到…</translation>
        </message>
        <message>
            <source>Remote control…</source>
            <translation>远程控制…</translation>
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
            <translation>水平宽度</translation>
        </message>
        <message>
            <source>v_height</source>
            <translation>垂直高度</translation>
        </message>
        <message>
            <source>ok</source>
            <translation>确定</translation>
        </message>
        <message>
            <source>Online</source>
            <translation>在线</translation>
        </message>
        <message>
            <source>online</source>
            <translation>在线</translation>
        </message>
        <message>
            <source>offline</source>
            <translation>离线</translation>
        </message>
    </context>
    <context>
        <name>WidgetInLeft</name>
        <message>
            <source>Signal Source</source>
            <translation>信号源</translation>
        </message>
        <message>
            <source>Time &amp;&amp; Task</source>
            <translation>时间和任务</translation>
        </message>
        <message>
            <source>Load Template</source>
            <translation>调用模板</translation>
        </message>
        <message>
            <source>Load Preset</source>
            <translation>调用预设</translation>
        </message>
        <message>
            <source>VGA Adjust</source>
            <translation>VGA调整</translation>
        </message>
        <message>
            <source>Auto Adjust</source>
            <translation>自动调整</translation>
        </message>
        <message>
            <source>Switch Mode</source>
            <translation>切换模式</translation>
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
            <translation>淡入淡出时间</translation>
        </message>
        <message>
            <source>ADC Calibration</source>
            <translation>ADC校准</translation>
        </message>
        <message>
            <source>Calibration</source>
            <translation>校准</translation>
        </message>
        <message>
            <source>All Task Onoff</source>
            <translation>全部任务开关</translation>
        </message>
        <message>
            <source>Input%1</source>
            <translation>输入%1</translation>
        </message>
        <message>
            <source>Task %1</source>
            <translation>任务%1</translation>
        </message>
        <message>
            <source>Preset %1</source>
            <translation>预设%1</translation>
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
            <translation>画中画</translation>
        </message>
        <message>
            <source>freeze</source>
            <translation>冻结</translation>
        </message>
        <message>
            <source>fade</source>
            <translation>淡入淡出</translation>
        </message>
        <message>
            <source>local</source>
            <translation>局部全屏</translation>
        </message>
        <message>
            <source>black Screen</source>
            <translation>黑屏</translation>
        </message>
        <message>
            <source>frame sync</source>
            <translation>帧同步</translation>
        </message>
        <message>
            <source>lock window</source>
            <translation>锁定窗口</translation>
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
            <translation>请选择窗口</translation>
        </message>
    </context>
</TS>
