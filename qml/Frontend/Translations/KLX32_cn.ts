<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name>12</name>
    <message>
        <source>Function %1</source>
        <translation>功能 %1</translation>
    </message>
    <message>
        <source>FCC-TEST</source>
        <translation>FCC 测试</translation>
    </message>
</context>
<context>
    <name>14_Settings_System</name>
    <message>
        <source>PWM</source>
        <translation>PWM</translation>
    </message>
    <message>
        <source>Z²BUS</source>
        <translation>Z²BUS</translation>
    </message>
    <message>
        <source>S.BUS In</source>
        <translation>S.BUS 输入</translation>
    </message>
    <message>
        <source>SRXL In</source>
        <translation>SRXL 输入</translation>
    </message>
    <message>
        <source>System information successfully exported!</source>
        <translation>系统信息导出成功！</translation>
    </message>
    <message>
        <source>System information cannot be exported to USB device. Check available space or insert another one!</source>
        <translation>系统信息无法导出到 USB 设备。请检查可用空间或插入其他设备！</translation>
    </message>
    <message>
        <source>Pilotname</source>
        <translation>飞手姓名</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>日期/时间</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Manually</source>
        <translation>手动</translation>
    </message>
    <message>
        <source>Location/Time zone</source>
        <translation>位置/时区</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>夏令时</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>冬令时</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>dd-mm-yyyy</source>
        <translation>日-月-年</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>PM</source>
        <translation>下午</translation>
    </message>
    <message>
        <source>AM</source>
        <translation>上午</translation>
    </message>
    <message>
        <source>hh:mm</source>
        <translation>时:分</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>单位</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>英制</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>公制</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>软件</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>检查</translation>
    </message>
    <message>
        <source>Servo/Data:</source>
        <translation>舵机/数据:</translation>
    </message>
    <message>
        <source>Fast start</source>
        <translation>快速启动</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Telemetry logging</source>
        <translation>遥测记录</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>校准</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>System information</source>
        <translation>系统信息</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>UTC</source>
        <translation>UTC</translation>
    </message>
    <message>
        <source>24h</source>
        <translation>24小时</translation>
    </message>
    <message>
        <source>12h</source>
        <translation>12小时</translation>
    </message>
</context>
<context>
    <name>15</name>
    <message>
        <source>Speaker</source>
        <translation>扬声器</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>蓝牙</translation>
    </message>
    <message>
        <source>Vario</source>
        <translation>升降率</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>语音</translation>
    </message>
    <message>
        <source>Trim clicks</source>
        <translation>微调音</translation>
    </message>
    <message>
        <source>Beeps</source>
        <translation>提示音</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音频</translation>
    </message>
</context>
<context>
    <name>18</name>
    <message>
        <source>2-Pos.</source>
        <translation>2段</translation>
    </message>
    <message>
        <source>3-Pos.</source>
        <translation>3段</translation>
    </message>
    <message>
        <source>linear</source>
        <translation>线性</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>超时</translation>
    </message>
    <message>
        <source>Please move the control</source>
        <translation>请移动</translation>
    </message>
    <message>
        <source>you wish to calibrate</source>
        <translation>您要校准的控件</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Direct.</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>Invers</source>
        <translation>反向</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>正常</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>校准</translation>
    </message>
    <message>
        <source>Move Control to</source>
        <translation>将控件移至</translation>
    </message>
    <message>
        <source>Endpositions</source>
        <translation>端点位置</translation>
    </message>
    <message>
        <source>Center Position</source>
        <translation>中位</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Please choose the type of the control first</source>
        <translation>请先选择控件类型</translation>
    </message>
</context>
<context>
    <name>19</name>
    <message>
        <source>Are you sure you would like to delete this mixer?</source>
        <translation>确定要删除此混控吗？</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>from Function</source>
        <translation>源功能</translation>
    </message>
    <message>
        <source>to Function</source>
        <translation>目标功能</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
</context>
<context>
    <name>1_System_Appearance</name>
    <message>
        <source>1 Min.</source>
        <translation>1 分钟</translation>
    </message>
    <message>
        <source>2 Min.</source>
        <translation>2 分钟</translation>
    </message>
    <message>
        <source>5 Min.</source>
        <translation>5 分钟</translation>
    </message>
    <message>
        <source>10 Min.</source>
        <translation>10 分钟</translation>
    </message>
    <message>
        <source>15 Min.</source>
        <translation>15 分钟</translation>
    </message>
    <message>
        <source>30 Min.</source>
        <translation>30 分钟</translation>
    </message>
    <message>
        <source>45 Min.</source>
        <translation>45 分钟</translation>
    </message>
    <message>
        <source>60 Min.</source>
        <translation>60 分钟</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Display dim</source>
        <translation>屏幕变暗</translation>
    </message>
    <message>
        <source>Auto Lock</source>
        <translation>自动锁定</translation>
    </message>
    <message>
        <source>Idle Alarm</source>
        <translation>闲置警报</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>背景</translation>
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
        <source>Accent Color</source>
        <translation>强调色</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>图标</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>亮度</translation>
    </message>
    <message>
        <source>Intro Video</source>
        <translation>开机视频</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开</translation>
    </message>
    <message>
        <source>DebugScreen</source>
        <translation>调试屏幕</translation>
    </message>
</context>
<context>
    <name>20</name>
    <message>
        <source>Do you really want to reset all settings of this mixer to the values of &apos;</source>
        <translation>确定要将此混控的所有设置重置为飞行模式 &apos;</translation>
    </message>
    <message>
        <source>&apos; flight mode?</source>
        <translation>&apos; 的值吗？</translation>
    </message>
    <message>
        <source>Mixer</source>
        <translation>混控</translation>
    </message>
    <message>
        <source>from</source>
        <translation>源</translation>
    </message>
    <message>
        <source>to</source>
        <translation>目标</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>控件</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>增益</translation>
    </message>
    <message>
        <source>Run time</source>
        <translation>运行时间</translation>
    </message>
    <message>
        <source>Flight Mode</source>
        <translation>飞行模式</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>单独</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>全局</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>功能</translation>
    </message>
</context>
<context>
    <name>21</name>
    <message>
        <source>Do you really want to delete this virtual switch?</source>
        <translation>确定要删除此虚拟开关吗？</translation>
    </message>
    <message>
        <source>The selected virtual switch is used as an input of &apos;</source>
        <translation>所选虚拟开关被用作 &apos;</translation>
    </message>
    <message>
        <source>&apos; and cannot be deleted!</source>
        <translation>&apos; 的输入，无法删除！</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>控件</translation>
    </message>
    <message>
        <source>Input state</source>
        <translation>输入状态</translation>
    </message>
    <message>
        <source>Logic</source>
        <translation>逻辑</translation>
    </message>
    <message>
        <source>Output state</source>
        <translation>输出状态</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
</context>
<context>
    <name>22</name>
    <message>
        <source>Do you really want to reset all settings of this trim to the global values?</source>
        <translation>确定要将此微调的所有设置重置为全局值吗？</translation>
    </message>
    <message>
        <source>Trim setup:</source>
        <translation>微调设置:</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>控件</translation>
    </message>
    <message>
        <source>Flight Mode</source>
        <translation>飞行模式</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>单独</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>全局</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>中位</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>偏移</translation>
    </message>
    <message>
        <source>Trim range</source>
        <translation>微调范围</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>步数</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>反向</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>正常</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>蜂鸣</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>振动</translation>
    </message>
    <message>
        <source>Vibr. + Beep</source>
        <translation>振动+蜂鸣</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
</context>
<context>
    <name>23</name>
    <message>
        <source>A1 Tx high</source>
        <translation>A1 Tx 高</translation>
    </message>
    <message>
        <source>A1 Tx mid</source>
        <translation>A1 Tx 中</translation>
    </message>
    <message>
        <source>A1 Tx low</source>
        <translation>A1 Tx 低</translation>
    </message>
    <message>
        <source>A1 hopping</source>
        <translation>A1 跳频</translation>
    </message>
    <message>
        <source>A1 Rx high</source>
        <translation>A1 Rx 高</translation>
    </message>
    <message>
        <source>A1 Rx mid</source>
        <translation>A1 Rx 中</translation>
    </message>
    <message>
        <source>A1 Rx low</source>
        <translation>A1 Rx 低</translation>
    </message>
    <message>
        <source>A2 Tx high</source>
        <translation>A2 Tx 高</translation>
    </message>
    <message>
        <source>A2 Tx mid</source>
        <translation>A2 Tx 中</translation>
    </message>
    <message>
        <source>A2 Tx low</source>
        <translation>A2 Tx 低</translation>
    </message>
    <message>
        <source>A2 hopping</source>
        <translation>A2 跳频</translation>
    </message>
    <message>
        <source>A2 Rx high</source>
        <translation>A2 Rx 高</translation>
    </message>
    <message>
        <source>A2 Rx mid</source>
        <translation>A2 Rx 中</translation>
    </message>
    <message>
        <source>A2 Rx low</source>
        <translation>A2 Rx 低</translation>
    </message>
    <message>
        <source>Test off</source>
        <translation>测试关</translation>
    </message>
    <message>
        <source>Bandwidth EU</source>
        <translation>带宽 EU</translation>
    </message>
    <message>
        <source>-- High channel</source>
        <translation>-- 高频道</translation>
    </message>
    <message>
        <source>++ Low channel</source>
        <translation>++ 低频道</translation>
    </message>
    <message>
        <source>LQI1: </source>
        <translation>LQI1: </translation>
    </message>
    <message>
        <source>LQI2: </source>
        <translation>LQI2: </translation>
    </message>
</context>
<context>
    <name>24</name>
    <message>
        <source>The firmware update is finished.</source>
        <translation>固件更新已完成。</translation>
    </message>
    <message>
        <source>The firmware update failed.</source>
        <translation>固件更新失败。</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>固件更新</translation>
    </message>
    <message>
        <source>Please switch the transmitter off and on again.</source>
        <translation>请关闭发射机后重新开机。</translation>
    </message>
    <message>
        <source>Please switch the transmitter off and on again: the update is repeated at the next start.</source>
        <translation>请关闭发射机后重新开机：下次启动时将重新更新。</translation>
    </message>
    <message>
        <source>The transmitter starts with the controllers&apos; present firmware. The update is repeated at the next start.</source>
        <translation>发射机将以控制器的现有固件启动。下次启动时将重新更新。</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>The controllers receive the firmware of the new software. Do not switch the transmitter off.</source>
        <translation>控制器正在接收新软件中的固件。请勿关闭发射机。</translation>
    </message>
    <message>
        <source>The firmware recovery is finished.</source>
        <translation>固件恢复已完成。</translation>
    </message>
    <message>
        <source>The firmware recovery failed.</source>
        <translation>固件恢复失败。</translation>
    </message>
    <message>
        <source>Firmware recovery</source>
        <translation>固件恢复</translation>
    </message>
    <message>
        <source>The controller&apos;s firmware may be incomplete. Please start the recovery again.</source>
        <translation>控制器的固件可能不完整。请重新开始恢复。</translation>
    </message>
    <message>
        <source>The controller receives the firmware of this software. Do not switch the transmitter off.</source>
        <translation>控制器正在接收本软件的固件。请勿关闭发射机。</translation>
    </message>
</context>
<context>
    <name>26</name>
    <message>
        <source>Servo </source>
        <translation>舵机 </translation>
    </message>
    <message>
        <source>Select servo:</source>
        <translation>选择舵机:</translation>
    </message>
    <message>
        <source>Select function:</source>
        <translation>选择功能:</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>限位</translation>
    </message>
    <message>
        <source>Way</source>
        <translation>行程</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>中位</translation>
    </message>
    <message>
        <source>Direct.</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>Please select servo and function:</source>
        <translation>请选择舵机和功能:</translation>
    </message>
</context>
<context>
    <name>27_FunctionServos</name>
    <message>
        <source>Select servo:</source>
        <translation>选择舵机:</translation>
    </message>
    <message>
        <source>Are you sure you would like to delete this servo?</source>
        <translation>确定要删除此舵机吗？</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Please select an available servo:</source>
        <translation>请选择可用的舵机:</translation>
    </message>
</context>
<context>
    <name>29</name>
    <message>
        <source>Trim</source>
        <translation>微调</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Delete trim</source>
        <translation>删除微调</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>2_Home</name>
    <message>
        <source>Sensors auto rescan...
 Attempt #</source>
        <translation>传感器自动重新扫描...
 尝试 #</translation>
    </message>
    <message>
        <source>sensors found.
</source>
        <translation>个传感器已找到。
</translation>
    </message>
    <message>
        <source>Please perform new rescan manually!</source>
        <translation>请手动重新扫描！</translation>
    </message>
    <message>
        <source>Model Fast Start!</source>
        <translation>模型快速启动！</translation>
    </message>
    <message>
        <source> Trims unlocked!</source>
        <translation> 微调已解锁！</translation>
    </message>
    <message>
        <source>Trims locked!</source>
        <translation>微调已锁定！</translation>
    </message>
    <message>
        <source> - Model error</source>
        <translation> - 模型错误</translation>
    </message>
    <message>
        <source> - File not found or corrupted!</source>
        <translation> - 文件未找到或已损坏！</translation>
    </message>
    <message>
        <source>Model: </source>
        <translation>模型: </translation>
    </message>
    <message>
        <source>Page </source>
        <translation>页 </translation>
    </message>
    <message>
        <source>Model loading...</source>
        <translation>正在加载模型...</translation>
    </message>
    <message>
        <source>Not loaded:</source>
        <translation>未加载:</translation>
    </message>
    <message>
        <source> - SD card smaller than 256 MiB!</source>
        <translation> - SD卡小于256 MiB！</translation>
    </message>
</context>
<context>
    <name>33_MixerCurveEditor</name>
    <message>
        <source>Points</source>
        <translation>点数</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>平滑</translation>
    </message>
    <message>
        <source>Raw</source>
        <translation>折线</translation>
    </message>
    <message>
        <source>Reset curve</source>
        <translation>重置曲线</translation>
    </message>
</context>
<context>
    <name>35_TimerSetup</name>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Do you really want to delete this timer control?</source>
        <translation>确定要删除此计时器控件吗？</translation>
    </message>
    <message>
        <source>Timer name</source>
        <translation>计时器名称</translation>
    </message>
    <message>
        <source>Current value</source>
        <translation>当前值</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>起始时间</translation>
    </message>
    <message>
        <source>Stop time</source>
        <translation>停止时间</translation>
    </message>
    <message>
        <source>Auto reset</source>
        <translation>自动重置</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>控件</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Audio settings</source>
        <translation>音频设置</translation>
    </message>
</context>
<context>
    <name>36_ControlSelector</name>
    <message>
        <source>Function</source>
        <translation>功能</translation>
    </message>
    <message>
        <source>Mixer</source>
        <translation>混控</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>开关</translation>
    </message>
    <message>
        <source>Servo</source>
        <translation>舵机</translation>
    </message>
    <message>
        <source>FM control #</source>
        <translation>飞行模式控件 #</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>计时器</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>语音</translation>
    </message>
    <message>
        <source>Vario</source>
        <translation>升降率</translation>
    </message>
    <message>
        <source>Trainer cord</source>
        <translation>教练线</translation>
    </message>
    <message>
        <source>Sequencer</source>
        <translation>序列器</translation>
    </message>
    <message>
        <source>T-Con On/Off</source>
        <translation>遥测控件开/关</translation>
    </message>
    <message>
        <source>Headup</source>
        <translation>抬头显示</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>向前</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>向后</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>重新开始</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>开/关</translation>
    </message>
    <message>
        <source>Activator</source>
        <translation>触发器</translation>
    </message>
    <message>
        <source>Vorn control</source>
        <translation>Vorn 控件</translation>
    </message>
    <message>
        <source>Activation</source>
        <translation>激活</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Speaker</source>
        <translation>扬声器</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>蓝牙</translation>
    </message>
    <message>
        <source>Trim clicks</source>
        <translation>微调音</translation>
    </message>
    <message>
        <source>Beeps</source>
        <translation>提示音</translation>
    </message>
    <message>
        <source>Diff. input</source>
        <translation>差动输入</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>输入</translation>
    </message>
    <message>
        <source>V-Switch</source>
        <translation>虚拟开关</translation>
    </message>
    <message>
        <source>Telemetry</source>
        <translation>遥测</translation>
    </message>
    <message>
        <source>Fixvalue</source>
        <translation>固定值</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>Momentary</source>
        <translation>瞬时</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>切换</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>4_0</name>
    <message>
        <source>Hold</source>
        <translation>保持</translation>
    </message>
    <message>
        <source>F/S</source>
        <translation>F/S</translation>
    </message>
    <message>
        <source>Failsafe</source>
        <translation>失控保护</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>You are about to delete the following function: </source>
        <translation>即将删除以下功能: </translation>
    </message>
    <message>
        <source>
Proceed?</source>
        <translation>
继续吗？</translation>
    </message>
    <message>
        <source>Failsafe teached!</source>
        <translation>失控保护已学习！</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>FS all</source>
        <translation>全部F/S</translation>
    </message>
    <message>
        <source>Teach</source>
        <translation>学习</translation>
    </message>
    <message>
        <source>This model has no functions yet. &quot;+&quot; adds one; its row then sets its name, control, trim and servos.</source>
        <translation>此模型还没有功能。&quot;+&quot; 添加一个功能；然后在其所在行设置名称、控件、微调和舵机。</translation>
    </message>
</context>
<context>
    <name>5</name>
    <message>
        <source>Function Setup:</source>
        <translation>功能设置:</translation>
    </message>
</context>
<context>
    <name>5_1</name>
    <message>
        <source>Do you really want to reset all settings of this function to the values of &apos;</source>
        <translation>确定要将此功能的所有设置重置为飞行模式 &apos;</translation>
    </message>
    <message>
        <source>&apos; flight mode?</source>
        <translation>&apos; 的值吗？</translation>
    </message>
    <message>
        <source>Flight Mode</source>
        <translation>飞行模式</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>单独</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>全局</translation>
    </message>
    <message>
        <source>Control rate</source>
        <translation>控件比率</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>比率</translation>
    </message>
    <message>
        <source>Control expo</source>
        <translation>控件指数</translation>
    </message>
    <message>
        <source>Expo right</source>
        <translation>右指数</translation>
    </message>
    <message>
        <source>Expo left</source>
        <translation>左指数</translation>
    </message>
    <message>
        <source>Curve</source>
        <translation>曲线</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Run time</source>
        <translation>运行时间</translation>
    </message>
</context>
<context>
    <name>7</name>
    <message>
        <source>Flight Mode: Normal</source>
        <translation>飞行模式: 正常</translation>
    </message>
</context>
<context>
    <name>9_BindingMenu</name>
    <message>
        <source>Type %1</source>
        <translation>类型 %1</translation>
    </message>
    <message>
        <source>S/N %1</source>
        <translation>序列号 %1</translation>
    </message>
    <message>
        <source>Receivers: R-Ediv 21</source>
        <translation>接收机: R-Ediv 21</translation>
    </message>
    <message>
        <source>Receivers: R-Ediv 14</source>
        <translation>接收机: R-Ediv 14</translation>
    </message>
    <message>
        <source>Receivers: own</source>
        <translation>接收机: 自有</translation>
    </message>
    <message>
        <source>Binding receiver %1 ...
Switch the receiver on in binding mode.</source>
        <translation>正在对频接收机 %1 ...
请以对频模式打开接收机。</translation>
    </message>
    <message>
        <source>Do you really want to delete receiver %1?</source>
        <translation>确定要删除接收机 %1 吗？</translation>
    </message>
    <message>
        <source>Deleting receiver %1 ...</source>
        <translation>正在删除接收机 %1 ...</translation>
    </message>
    <message>
        <source>Receivers</source>
        <translation>接收机</translation>
    </message>
    <message>
        <source>Receiver %1</source>
        <translation>接收机 %1</translation>
    </message>
    <message>
        <source>not bound</source>
        <translation>未对频</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>菜单</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Bind</source>
        <translation>对频</translation>
    </message>
    <message>
        <source>Transmitter sensor</source>
        <translation>发射机传感器</translation>
    </message>
    <message>
        <source>Receiver firmware</source>
        <translation>接收机固件</translation>
    </message>
</context>
<context>
    <name>AlarmMessageSettings</name>
    <message>
        <source>Timer Name</source>
        <translation>计时器名称</translation>
    </message>
    <message>
        <source>text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>语音</translation>
    </message>
    <message>
        <source>Press to set voice</source>
        <translation>按下以设置语音</translation>
    </message>
</context>
<context>
    <name>AssistantControlChooser</name>
    <message>
        <source>On</source>
        <translation>开</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>输入</translation>
    </message>
    <message>
        <source>Fix value</source>
        <translation>固定值</translation>
    </message>
    <message>
        <source>Momentary</source>
        <translation>瞬时</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>切换</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>AssistantServoChooser</name>
    <message>
        <source>Please select the servos you would like to add</source>
        <translation>请选择要添加的舵机</translation>
    </message>
    <message>
        <source>Available servo slots: </source>
        <translation>可用舵机位: </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>AssistantTypePage</name>
    <message>
        <source>Sailplane</source>
        <translation>滑翔机</translation>
    </message>
    <message>
        <source>Jet</source>
        <translation>喷气机</translation>
    </message>
    <message>
        <source>Acro</source>
        <translation>特技机</translation>
    </message>
    <message>
        <source>Delta-Wing</source>
        <translation>三角翼</translation>
    </message>
    <message>
        <source>V-Tail</source>
        <translation>V尾</translation>
    </message>
    <message>
        <source>Left wing</source>
        <translation>左翼</translation>
    </message>
    <message>
        <source>Right wing</source>
        <translation>右翼</translation>
    </message>
    <message>
        <source>Wing</source>
        <translation>机翼</translation>
    </message>
    <message>
        <source>Tail</source>
        <translation>尾翼</translation>
    </message>
    <message>
        <source>Throttle + Gear</source>
        <translation>油门 + 起落架</translation>
    </message>
    <message>
        <source>Gyro + Aux</source>
        <translation>陀螺仪 + 辅助</translation>
    </message>
    <message>
        <source>Gear + Brake</source>
        <translation>起落架 + 刹车</translation>
    </message>
    <message>
        <source>Throttle + Smoke</source>
        <translation>油门 + 拉烟</translation>
    </message>
    <message>
        <source>Gyro + Vector</source>
        <translation>陀螺仪 + 矢量</translation>
    </message>
    <message>
        <source>You did not set any function, the assistant will be closed. A new model with an empty function list will be created.
Continue?</source>
        <translation>您未设置任何功能，向导将关闭。将创建一个功能列表为空的新模型。
继续吗？</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>控件</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Aileron Control</source>
        <translation>副翼控件</translation>
    </message>
    <message>
        <source>Elevator Control</source>
        <translation>升降舵控件</translation>
    </message>
    <message>
        <source>Rudder Control</source>
        <translation>方向舵控件</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>BTSettings</name>
    <message>
        <source>It may take up to 15 seconds to scan bluetooth devices</source>
        <translation>扫描蓝牙设备最多可能需要 15 秒</translation>
    </message>
    <message>
        <source>The device is successfully connected</source>
        <translation>设备已成功连接</translation>
    </message>
    <message>
        <source>An unexpected error occurred while searching for devices</source>
        <translation>搜索设备时发生意外错误</translation>
    </message>
    <message>
        <source>An unexpected error occurred when stopping the device search</source>
        <translation>停止搜索设备时发生意外错误</translation>
    </message>
    <message>
        <source>An unexpected error occurred while deleting the device</source>
        <translation>删除设备时发生意外错误</translation>
    </message>
    <message>
        <source>An unexpected error occurred when connecting to the device</source>
        <translation>连接设备时发生意外错误</translation>
    </message>
    <message>
        <source>The maximum number of connected devices has been reached</source>
        <translation>已达到连接设备的最大数量</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>蓝牙</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Scan!</source>
        <translation>扫描!</translation>
    </message>
    <message>
        <source>Sound test</source>
        <translation>声音测试</translation>
    </message>
    <message>
        <source>Bluetooth sound test</source>
        <translation>蓝牙声音测试</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>正在搜索...</translation>
    </message>
    <message>
        <source>No devices known. Touch Scan! to search.</source>
        <translation>没有已知设备。触摸 &quot;扫描!&quot; 开始搜索。</translation>
    </message>
    <message>
        <source>Switch Bluetooth on to see the devices.</source>
        <translation>打开蓝牙以查看设备。</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Switch off</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Switch on</source>
        <translation>开启</translation>
    </message>
</context>
<context>
    <name>CComplexTimer</name>
    <message>
        <source>hour</source>
        <translation>小时</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>小时</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>负</translation>
    </message>
    <message>
        <source>second</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>秒</translation>
    </message>
</context>
<context>
    <name>ControlConfigLinear</name>
    <message>
        <source>Input</source>
        <translation>输入</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>高于</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>低于</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Fixed control</source>
        <translation>固定控件</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>No input is chosen yet. Touch &quot;Input&quot; above, then move the control you want (or pick a switch) and confirm with OK.</source>
        <translation>尚未选择输入。请触摸上方的 &quot;输入&quot;，然后拨动所需控件（或选择开关），并按 &quot;确定&quot; 确认。</translation>
    </message>
    <message>
        <source>No input is chosen yet.</source>
        <translation>尚未选择输入。</translation>
    </message>
</context>
<context>
    <name>CoordSequenserV3</name>
    <message>
        <source>Srv.</source>
        <translation>舵机</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>已锁定</translation>
    </message>
</context>
<context>
    <name>CountrySelector</name>
    <message>
        <source>Not specified</source>
        <translation>未指定</translation>
    </message>
    <message>
        <source>Time zone [ ±hh:mm ]</source>
        <translation>时区 [ ±hh:mm ]</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>CurveEditPanel</name>
    <message>
        <source>Points</source>
        <translation>点数</translation>
    </message>
    <message>
        <source>Select Point</source>
        <translation>选择点</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>数值</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>平滑</translation>
    </message>
    <message>
        <source>Raw</source>
        <translation>折线</translation>
    </message>
    <message>
        <source>Reset Curve</source>
        <translation>重置曲线</translation>
    </message>
</context>
<context>
    <name>CutoffSettings</name>
    <message>
        <source>Do you really want to delete this Servo Cut-off?</source>
        <translation>确定要删除此舵机切断吗？</translation>
    </message>
    <message>
        <source>Servo</source>
        <translation>舵机</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>控件</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Actual</source>
        <translation>当前</translation>
    </message>
    <message>
        <source>Delete Servo Cut-off</source>
        <translation>删除舵机切断</translation>
    </message>
    <message>
        <source>Please select an available servo:</source>
        <translation>请选择可用的舵机:</translation>
    </message>
</context>
<context>
    <name>DifferentialsList</name>
    <message>
        <source>Do you really want to clear this differential?</source>
        <translation>确定要清除此差动吗？</translation>
    </message>
    <message>
        <source>Servo </source>
        <translation>舵机 </translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Please select an available function:</source>
        <translation>请选择可用的功能:</translation>
    </message>
    <message>
        <source>Please assign servos to the left or right side:</source>
        <translation>请将舵机分配到左侧或右侧:</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右</translation>
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
        <source>Function</source>
        <translation>功能</translation>
    </message>
    <message>
        <source>Servos</source>
        <translation>舵机</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>输出</translation>
    </message>
    <message>
        <source>No function has a differential yet. &quot;+&quot; gives one a differential; its row then sets the servos&apos; sides and the setup.</source>
        <translation>还没有功能设置差动。&quot;+&quot; 为一个功能添加差动；然后在其所在行设置舵机的侧别和设置。</translation>
    </message>
</context>
<context>
    <name>EmptyOutroStop</name>
    <message>
        <source>System shutting down</source>
        <translation>系统正在关闭</translation>
    </message>
</context>
<context>
    <name>FastMain</name>
    <message>
        <source>System starting...</source>
        <translation>系统正在启动...</translation>
    </message>
</context>
<context>
    <name>FileBrowser</name>
    <message>
        <source>Nothing to choose from here</source>
        <translation>此处没有可选项</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>FileManager</name>
    <message>
        <source>Choose a storage</source>
        <translation>选择存储设备</translation>
    </message>
    <message>
        <source>Delete the %1 selected files and folders?</source>
        <translation>删除所选的 %1 个文件和文件夹？</translation>
    </message>
    <message>
        <source>Copying complete</source>
        <translation>复制完成</translation>
    </message>
    <message>
        <source>Deleting complete</source>
        <translation>删除完成</translation>
    </message>
    <message>
        <source>Canceled by the user</source>
        <translation>已被用户取消</translation>
    </message>
    <message>
        <source>A file or folder cannot be deleted</source>
        <translation>无法删除某个文件或文件夹</translation>
    </message>
    <message>
        <source>A file or folder cannot be created in the destination folder</source>
        <translation>无法在目标文件夹中创建文件或文件夹</translation>
    </message>
    <message>
        <source>Copying complete. Files that existed already were skipped</source>
        <translation>复制完成。已跳过已存在的文件</translation>
    </message>
    <message>
        <source>A source file cannot be opened</source>
        <translation>无法打开源文件</translation>
    </message>
    <message>
        <source>A source file cannot be read</source>
        <translation>无法读取源文件</translation>
    </message>
    <message>
        <source>A file cannot be written in the destination folder</source>
        <translation>无法向目标文件夹写入文件</translation>
    </message>
    <message>
        <source>The destination folder is not available</source>
        <translation>目标文件夹不可用</translation>
    </message>
    <message>
        <source>Not enough memory</source>
        <translation>存储空间不足</translation>
    </message>
    <message>
        <source>The source was not found</source>
        <translation>未找到源</translation>
    </message>
    <message>
        <source>The file name cannot be generated automatically</source>
        <translation>无法自动生成文件名</translation>
    </message>
    <message>
        <source>The destination folder is a subfolder of the source folder</source>
        <translation>目标文件夹是源文件夹的子文件夹</translation>
    </message>
    <message>
        <source>The source folder is the same as the destination folder</source>
        <translation>源文件夹与目标文件夹相同</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>&quot;%1&quot; exists already in the destination folder.</source>
        <translation>目标文件夹中已存在 &quot;%1&quot;。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no WAVE sound file and cannot be played.</source>
        <translation>&quot;%1&quot; 不是 WAVE 声音文件，无法播放。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be played.</source>
        <translation>&quot;%1&quot; 无法播放。</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>源:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>目标:</translation>
    </message>
    <message>
        <source>Copy here ▶</source>
        <translation>复制到此处 ▶</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>%1 selected</source>
        <translation>已选 %1 项</translation>
    </message>
    <message>
        <source>Copying %1 of %2</source>
        <translation>正在复制 %1/%2</translation>
    </message>
    <message>
        <source>Deleting %1 of %2</source>
        <translation>正在删除 %1/%2</translation>
    </message>
</context>
<context>
    <name>FileSelector</name>
    <message>
        <source>No WLAN network is set up. Please set one up in the WLAN settings first.</source>
        <translation>尚未设置 WLAN 网络。请先在 WLAN 设置中进行设置。</translation>
    </message>
    <message>
        <source>Connecting to the WLAN ...</source>
        <translation>正在连接 WLAN ...</translation>
    </message>
    <message>
        <source>Looking for receiver firmware ...</source>
        <translation>正在查找接收机固件 ...</translation>
    </message>
    <message>
        <source>The download could not be started.</source>
        <translation>无法开始下载。</translation>
    </message>
    <message>
        <source>The WLAN connection could not be established.</source>
        <translation>无法建立 WLAN 连接。</translation>
    </message>
    <message>
        <source>The update was not found.</source>
        <translation>未找到更新。</translation>
    </message>
    <message>
        <source>There is not enough memory on the SD card.</source>
        <translation>SD卡空间不足。</translation>
    </message>
    <message>
        <source>A file of the update is corrupted. Please start the download again.</source>
        <translation>更新文件已损坏。请重新开始下载。</translation>
    </message>
    <message>
        <source>The connection to the update server failed.</source>
        <translation>连接更新服务器失败。</translation>
    </message>
    <message>
        <source>Download complete</source>
        <translation>下载完成</translation>
    </message>
    <message>
        <source>Receiver firmware</source>
        <translation>接收机固件</translation>
    </message>
    <message>
        <source>No receiver firmware on the SD card. &quot;Download&quot; fetches it from the update server.</source>
        <translation>SD卡上没有接收机固件。&quot;下载&quot; 可从更新服务器获取。</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>Receiver firmware download</source>
        <translation>接收机固件下载</translation>
    </message>
    <message>
        <source>Receiver %1</source>
        <translation>接收机 %1</translation>
    </message>
    <message>
        <source>Write %1 into receiver %2?</source>
        <translation>将 %1 写入接收机 %2？</translation>
    </message>
    <message>
        <source>Receiver %1 runs firmware %2.</source>
        <translation>接收机 %1 的固件为 %2。</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Receiver firmware update</source>
        <translation>接收机固件更新</translation>
    </message>
</context>
<context>
    <name>FlightModeEditor</name>
    <message>
        <source>Do you really want to delete this
No Fade-in function?</source>
        <translation>确定要删除此
无渐变功能吗？</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>使用</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Fade-in</source>
        <translation>渐变</translation>
    </message>
    <message>
        <source>No Fade-in Functions</source>
        <translation>无渐变功能</translation>
    </message>
    <message>
        <source>Delete function</source>
        <translation>删除功能</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Please select available functions:</source>
        <translation>请选择可用的功能:</translation>
    </message>
    <message>
        <source>
Standard Flight Mode should be created first!</source>
        <translation>
请先创建标准飞行模式！</translation>
    </message>
</context>
<context>
    <name>FlightModeSelector</name>
    <message>
        <source>Null string</source>
        <translation>无名称</translation>
    </message>
    <message>
        <source>
Standard Flight Mode should be created first!</source>
        <translation>
请先创建标准飞行模式！</translation>
    </message>
    <message>
        <source>Delete Flight Mode</source>
        <translation>删除飞行模式</translation>
    </message>
    <message>
        <source>Delete FM Control</source>
        <translation>删除飞行模式控件</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>交换</translation>
    </message>
    <message>
        <source>Do you really want to delete this
Flight Mode control?</source>
        <translation>确定要删除此
飞行模式控件吗？</translation>
    </message>
    <message>
        <source>Do you really want to delete
this Flight Mode?</source>
        <translation>确定要删除
此飞行模式吗？</translation>
    </message>
    <message>
        <source>
Cannot delete standard Flight Mode!</source>
        <translation>
无法删除标准飞行模式！</translation>
    </message>
    <message>
        <source>Model: </source>
        <translation>模型: </translation>
    </message>
</context>
<context>
    <name>FlyinIncDec</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>FuncDiffSettings</name>
    <message>
        <source>Differential</source>
        <translation>差动</translation>
    </message>
    <message>
        <source>Flight Mode</source>
        <translation>飞行模式</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>单独</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>全局</translation>
    </message>
    <message>
        <source>Diff. control</source>
        <translation>差动控件</translation>
    </message>
    <message>
        <source>Diff. trim</source>
        <translation>差动微调</translation>
    </message>
    <message>
        <source>View</source>
        <translation>视图</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>功能</translation>
    </message>
    <message>
        <source>No servo has a side yet: the differential acts only on servos set to the left or right side in the differential list&apos;s servo column.</source>
        <translation>尚无舵机分配侧别：差动仅作用于在差动列表舵机栏中设为左侧或右侧的舵机。</translation>
    </message>
</context>
<context>
    <name>FunctionDiffItemV2</name>
    <message>
        <source>Setup</source>
        <translation>设置</translation>
    </message>
</context>
<context>
    <name>GPSSideBoard</name>
    <message>
        <source>Latitude</source>
        <translation>纬度</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>经度</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>航向</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>距离</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>卫星数</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
</context>
<context>
    <name>HeadupMenu</name>
    <message>
        <source>Telemetry</source>
        <translation>遥测</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>计时器</translation>
    </message>
    <message>
        <source>Servo</source>
        <translation>舵机</translation>
    </message>
    <message>
        <source>Placeholder</source>
        <translation>占位</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>无数据</translation>
    </message>
    <message>
        <source>Kind of the item</source>
        <translation>项目类型</translation>
    </message>
    <message>
        <source>Telemetry value</source>
        <translation>遥测值</translation>
    </message>
    <message>
        <source>There is nothing of this kind to choose.</source>
        <translation>没有此类型的可选项。</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一个</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>上一个</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>No items. Touch + to add one.</source>
        <translation>没有项目。触摸 + 添加。</translation>
    </message>
</context>
<context>
    <name>HeldRowBar</name>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>ImageViewer</name>
    <message>
        <source>Crop</source>
        <translation>裁剪</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>ItemChooser</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>KLX_CopyModelData</name>
    <message>
        <source>The file already exists in the target folder, overwrite?</source>
        <translation>目标文件夹中已有该文件，是否覆盖？</translation>
    </message>
    <message>
        <source>The following file was already deleted!</source>
        <translation>以下文件已被删除！</translation>
    </message>
    <message>
        <source>Add and replace files in destination folder:</source>
        <translation>在目标文件夹中添加并替换文件：</translation>
    </message>
    <message>
        <source>Not on the card:</source>
        <translation>不在存储卡上：</translation>
    </message>
</context>
<context>
    <name>KLX_DataBaseManager</name>
    <message>
        <source>mixer</source>
        <translation>混控</translation>
    </message>
    <message>
        <source>sequencer</source>
        <translation>序列器</translation>
    </message>
    <message>
        <source>servo</source>
        <translation>舵机</translation>
    </message>
    <message>
        <source>telecontrol</source>
        <translation>遥测控件</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Constant</source>
        <translation>常量</translation>
    </message>
</context>
<context>
    <name>KLX_ErrorData</name>
    <message>
        <source>Model currently active – cannot erase!</source>
        <translation>模型正在使用 – 无法删除！</translation>
    </message>
    <message>
        <source>Battery is weak - please charge before update!</source>
        <translation>电池电量低 - 请在更新前充电！</translation>
    </message>
    <message>
        <source>Target file already exists – cannot copy!</source>
        <translation>目标文件已存在 – 无法复制！</translation>
    </message>
    <message>
        <source>No source file selected – cannot copy!</source>
        <translation>未选择源文件 – 无法复制！</translation>
    </message>
    <message>
        <source>No USB stick plugged – cannot copy!</source>
        <translation>未插入U盘 – 无法复制！</translation>
    </message>
    <message>
        <source>Bad servoindex or mixerindex in servo configuration!</source>
        <translation>舵机配置中的舵机或混控索引无效！</translation>
    </message>
    <message>
        <source>Servo configuration not used!</source>
        <translation>舵机配置未使用！</translation>
    </message>
    <message>
        <source>Bad function index in servomixer!</source>
        <translation>舵机混控中的功能索引无效！</translation>
    </message>
    <message>
        <source>Wrong function count in flightmode!</source>
        <translation>飞行模式中的功能数量错误！</translation>
    </message>
    <message>
        <source>Wrong setup count in functions!</source>
        <translation>功能中的设置数量错误！</translation>
    </message>
    <message>
        <source>Wrong setup count in mixers!</source>
        <translation>混控中的设置数量错误！</translation>
    </message>
    <message>
        <source>No receiver found!</source>
        <translation>未找到接收机！</translation>
    </message>
    <message>
        <source>This unit cannot be loaded!</source>
        <translation>无法加载此单元！</translation>
    </message>
    <message>
        <source>Cannot delete file or folder!</source>
        <translation>无法删除文件或文件夹！</translation>
    </message>
    <message>
        <source>No destination folder!</source>
        <translation>没有目标文件夹！</translation>
    </message>
    <message>
        <source>No source folder!</source>
        <translation>没有源文件夹！</translation>
    </message>
    <message>
        <source>Not enough memory on the SD card – cannot copy!</source>
        <translation>SD卡存储空间不足 – 无法复制！</translation>
    </message>
    <message>
        <source>Not enough memory on the target – cannot copy!</source>
        <translation>目标存储空间不足 – 无法复制！</translation>
    </message>
    <message>
        <source>No usable SD card – cannot copy!</source>
        <translation>没有可用的SD卡 – 无法复制！</translation>
    </message>
    <message>
        <source>The model file could not be copied into the target folder!</source>
        <translation>无法将模型文件复制到目标文件夹！</translation>
    </message>
    <message>
        <source>The model is being saved – please try again!</source>
        <translation>模型正在保存 – 请重试！</translation>
    </message>
    <message>
        <source>Model path outside the model folders – cannot copy!</source>
        <translation>模型路径不在模型文件夹内 – 无法复制！</translation>
    </message>
    <message>
        <source>The copy could not be set up!</source>
        <translation>无法准备复制！</translation>
    </message>
    <message>
        <source>The copy was in no known step and was stopped!</source>
        <translation>复制处于未知步骤，已停止！</translation>
    </message>
    <message>
        <source>The copy took too long and was stopped!</source>
        <translation>复制耗时过长，已停止！</translation>
    </message>
    <message>
        <source>Reading or writing failed – cannot copy!</source>
        <translation>读取或写入失败 – 无法复制！</translation>
    </message>
    <message>
        <source>No backup of the model file could be made!</source>
        <translation>无法创建模型文件的备份！</translation>
    </message>
    <message>
        <source>The loaded model and the settings files cannot be deleted!</source>
        <translation>无法删除已加载的模型和设置文件！</translation>
    </message>
    <message>
        <source>Path outside the allowed folders!</source>
        <translation>路径不在允许的文件夹内！</translation>
    </message>
    <message>
        <source>More than 5 GB – cannot copy!</source>
        <translation>超过 5 GB – 无法复制！</translation>
    </message>
    <message>
        <source>The new folder could not be created!</source>
        <translation>无法创建新文件夹！</translation>
    </message>
    <message>
        <source>Unknown copy or delete request – nothing was done!</source>
        <translation>未知的复制或删除请求 – 未执行任何操作！</translation>
    </message>
</context>
<context>
    <name>KLX_ProcessVorn</name>
    <message>
        <source>System synchronization</source>
        <translation>系统同步</translation>
    </message>
    <message>
        <source>Loading model</source>
        <translation>正在加载模型</translation>
    </message>
    <message>
        <source>Loading unit</source>
        <translation>正在加载单元</translation>
    </message>
    <message>
        <source>Deleting unit</source>
        <translation>正在删除单元</translation>
    </message>
    <message>
        <source>Sending binding configuration</source>
        <translation>正在发送对频配置</translation>
    </message>
    <message>
        <source>Binding</source>
        <translation>对频</translation>
    </message>
    <message>
        <source>Calibrating controls</source>
        <translation>正在校准控件</translation>
    </message>
    <message>
        <source>Generating new model</source>
        <translation>正在生成新模型</translation>
    </message>
    <message>
        <source>Deleting model</source>
        <translation>正在删除模型</translation>
    </message>
    <message>
        <source>Receiving modeldata</source>
        <translation>正在接收模型数据</translation>
    </message>
    <message>
        <source>Renaming model</source>
        <translation>正在重命名模型</translation>
    </message>
    <message>
        <source>Onboard firmware update</source>
        <translation>板载固件更新</translation>
    </message>
    <message>
        <source>System update</source>
        <translation>系统更新</translation>
    </message>
    <message>
        <source>Copy model</source>
        <translation>复制模型</translation>
    </message>
    <message>
        <source>Capture sensor menue data</source>
        <translation>读取传感器菜单数据</translation>
    </message>
    <message>
        <source>Set sensor data</source>
        <translation>设置传感器数据</translation>
    </message>
    <message>
        <source>Set sensor mainadress</source>
        <translation>设置传感器主地址</translation>
    </message>
    <message>
        <source>Copy model data to external device</source>
        <translation>将模型数据复制到外部设备</translation>
    </message>
    <message>
        <source>Read menu data continiously</source>
        <translation>持续读取菜单数据</translation>
    </message>
    <message>
        <source>Capture telemetrie data</source>
        <translation>采集遥测数据</translation>
    </message>
</context>
<context>
    <name>KLX_RuntimeCalcAlarm</name>
    <message>
        <source>volts</source>
        <translation>伏</translation>
    </message>
    <message>
        <source>millivolts</source>
        <translation>毫伏</translation>
    </message>
    <message>
        <source>amps</source>
        <translation>安</translation>
    </message>
    <message>
        <source>milliamps</source>
        <translation>毫安</translation>
    </message>
    <message>
        <source>milliampere-hours</source>
        <translation>毫安时</translation>
    </message>
    <message>
        <source>feet per second</source>
        <translation>英尺每秒</translation>
    </message>
    <message>
        <source>meters per second</source>
        <translation>米每秒</translation>
    </message>
    <message>
        <source>degree Celsius</source>
        <translation>摄氏度</translation>
    </message>
    <message>
        <source>degree Fahrenheit</source>
        <translation>华氏度</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>警报</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>expired</source>
        <translation>时间到</translation>
    </message>
    <message>
        <source>attention</source>
        <translation>注意</translation>
    </message>
</context>
<context>
    <name>KLX_Timer</name>
    <message>
        <source>hour</source>
        <translation>小时</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>小时</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>second</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>负</translation>
    </message>
</context>
<context>
    <name>KLX_TimersAlarms</name>
    <message>
        <source>Attention:data synchronization failed!Please land your aircraft!</source>
        <translation>注意：数据同步失败！请让飞机降落！</translation>
    </message>
</context>
<context>
    <name>Keyboard</name>
    <message>
        <source>Space</source>
        <translation>空格</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>No more than three lines</source>
        <translation>最多三行</translation>
    </message>
    <message>
        <source>No more than %1 characters</source>
        <translation>最多 %1 个字符</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Functions</source>
        <translation>功能</translation>
    </message>
    <message>
        <source>Servos</source>
        <translation>舵机</translation>
    </message>
    <message>
        <source>ServoMonitor</source>
        <translation>舵机监视</translation>
    </message>
    <message>
        <source>Flight Modes</source>
        <translation>飞行模式</translation>
    </message>
    <message>
        <source>Virtual Switches</source>
        <translation>虚拟开关</translation>
    </message>
    <message>
        <source>Mixer</source>
        <translation>混控</translation>
    </message>
    <message>
        <source>Servo Cut-off</source>
        <translation>舵机切断</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>模型</translation>
    </message>
    <message>
        <source>Receivers</source>
        <translation>接收机</translation>
    </message>
    <message>
        <source>Voice Settings</source>
        <translation>语音设置</translation>
    </message>
    <message>
        <source>Vario Settings</source>
        <translation>升降率设置</translation>
    </message>
    <message>
        <source>Sequencers</source>
        <translation>序列器</translation>
    </message>
    <message>
        <source>Differential</source>
        <translation>差动</translation>
    </message>
    <message>
        <source>Telemetry Controls</source>
        <translation>遥测控件</translation>
    </message>
    <message>
        <source>Trainer cord Settings</source>
        <translation>教练线设置</translation>
    </message>
    <message>
        <source>Anchorman</source>
        <translation>顺序播报</translation>
    </message>
    <message>
        <source>GPS Compass</source>
        <translation>GPS 罗盘</translation>
    </message>
    <message>
        <source>HeadUp Display</source>
        <translation>抬头显示</translation>
    </message>
    <message>
        <source>Preflight Checklist</source>
        <translation>飞行前检查</translation>
    </message>
    <message>
        <source>File Manager</source>
        <translation>文件管理</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>System</source>
        <translation>系统</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>外观</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音频</translation>
    </message>
    <message>
        <source>WiFi</source>
        <translation>WiFi</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>蓝牙</translation>
    </message>
</context>
<context>
    <name>MenuGrid</name>
    <message>
        <source>&quot;%1&quot; is now in the user menu.</source>
        <translation>&quot;%1&quot; 已添加到用户菜单。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already in the user menu.</source>
        <translation>&quot;%1&quot; 已在用户菜单中。</translation>
    </message>
</context>
<context>
    <name>ModelMenu</name>
    <message>
        <source>Plane</source>
        <translation>固定翼</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>直升机</translation>
    </message>
    <message>
        <source>Multicopter</source>
        <translation>多旋翼</translation>
    </message>
    <message>
        <source>Boat</source>
        <translation>船模</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>车模</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>This name cannot be used.
A name must not contain / %1 : * ? &quot; &lt; &gt; | or &quot;..&quot;.</source>
        <translation>此名称无法使用。
名称不得包含 / %1 : * ? &quot; &lt; &gt; | 或 &quot;..&quot;。</translation>
    </message>
    <message>
        <source>New name of the folder:</source>
        <translation>文件夹新名称:</translation>
    </message>
    <message>
        <source>New name of the model:</source>
        <translation>模型新名称:</translation>
    </message>
    <message>
        <source>Name of the new model in %1:</source>
        <translation>%1 中新模型的名称:</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>超时</translation>
    </message>
    <message>
        <source>Model loading...</source>
        <translation>正在加载模型...</translation>
    </message>
    <message>
        <source>The model could not be loaded.</source>
        <translation>无法加载模型。</translation>
    </message>
    <message>
        <source>Generating new model</source>
        <translation>正在创建新模型</translation>
    </message>
    <message>
        <source>There is no current model.
Load a model or make a new one first.</source>
        <translation>当前没有模型。
请先加载模型或新建模型。</translation>
    </message>
    <message>
        <source>Copy %1 to:</source>
        <translation>将 %1 复制到:</translation>
    </message>
    <message>
        <source>The model is copied as: </source>
        <translation>模型已复制为: </translation>
    </message>
    <message>
        <source>Folder: </source>
        <translation>文件夹: </translation>
    </message>
    <message>
        <source>
Proceed?</source>
        <translation>
继续吗？</translation>
    </message>
    <message>
        <source>Only the current model can be renamed.
Load this model now and rename it?</source>
        <translation>只能重命名当前模型。
现在加载此模型并重命名吗？</translation>
    </message>
    <message>
        <source>You are about to delete the following model: </source>
        <translation>即将删除以下模型: </translation>
    </message>
    <message>
        <source>Picture for</source>
        <translation>图片用于</translation>
    </message>
    <message>
        <source>You are about to delete the following folder: </source>
        <translation>即将删除以下文件夹: </translation>
    </message>
    <message>
        <source>Current model: </source>
        <translation>当前模型: </translation>
    </message>
    <message>
        <source>No model loaded: load one or make a new one.</source>
        <translation>未加载模型: 请加载或新建一个模型。</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>+ Folder</source>
        <translation>+ 文件夹</translation>
    </message>
    <message>
        <source>Current model</source>
        <translation>当前模型</translation>
    </message>
    <message>
        <source>No models in this folder.
&quot;New&quot; makes one here.</source>
        <translation>此文件夹中没有模型。
&quot;新建&quot; 可在此创建模型。</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>加载</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>图片</translation>
    </message>
</context>
<context>
    <name>ModelTask</name>
    <message>
        <source>Timeout</source>
        <translation>超时</translation>
    </message>
</context>
<context>
    <name>ModelTypeChoose</name>
    <message>
        <source>Please select the model type:</source>
        <translation>请选择模型类型:</translation>
    </message>
    <message>
        <source>Sailplane</source>
        <translation>滑翔机</translation>
    </message>
    <message>
        <source>Jet</source>
        <translation>喷气机</translation>
    </message>
    <message>
        <source>Acro</source>
        <translation>特技机</translation>
    </message>
    <message>
        <source>Delta-Wing</source>
        <translation>三角翼</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>V-Tail</source>
        <translation>V尾</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>继续</translation>
    </message>
</context>
<context>
    <name>Modelbuilder</name>
    <message>
        <source>Timeout</source>
        <translation>超时</translation>
    </message>
    <message>
        <source>Functions</source>
        <translation>功能</translation>
    </message>
    <message>
        <source>Servos</source>
        <translation>舵机</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
</context>
<context>
    <name>MultiLineTextEditor</name>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>Numpad</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>OptionsBar</name>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>PreflightChecklist</name>
    <message>
        <source>Controls teached!</source>
        <translation>控件位置已学习！</translation>
    </message>
    <message>
        <source>Controls teached incorrect - try again!</source>
        <translation>控件学习有误 - 请重试！</translation>
    </message>
    <message>
        <source>Preflight Checklist</source>
        <translation>飞行前检查</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>选择</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>启用</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>禁用</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>控件</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Teach controls</source>
        <translation>学习控件</translation>
    </message>
    <message>
        <source>Teach</source>
        <translation>学习</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>PreflightOverlay</name>
    <message>
        <source>Starting radio...</source>
        <translation>正在启动射频...</translation>
    </message>
    <message>
        <source>Check positions:</source>
        <translation>检查位置:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>ProgressBox</name>
    <message>
        <source>Abort</source>
        <translation>中止</translation>
    </message>
</context>
<context>
    <name>QuestionBox</name>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>中止</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>跳过</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Unmount</source>
        <translation>弹出</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>覆盖</translation>
    </message>
</context>
<context>
    <name>SensorAddressInfo</name>
    <message>
        <source>Original:</source>
        <translation>原名:</translation>
    </message>
    <message>
        <source>Alias:</source>
        <translation>别名:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>地址:</translation>
    </message>
    <message>
        <source>Page:</source>
        <translation>页:</translation>
    </message>
    <message>
        <source>Edit alias</source>
        <translation>编辑别名</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>SensorMenuFrame</name>
    <message>
        <source>No responce from Backend!</source>
        <translation>后台无响应！</translation>
    </message>
    <message>
        <source>Stepping value error!</source>
        <translation>步进值错误！</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>超时</translation>
    </message>
    <message>
        <source>Stepping value none!</source>
        <translation>无步进值！</translation>
    </message>
</context>
<context>
    <name>SensorMenuItem</name>
    <message>
        <source>Activate</source>
        <translation>激活</translation>
    </message>
    <message>
        <source>Deactivate</source>
        <translation>停用</translation>
    </message>
</context>
<context>
    <name>SeqServoItem</name>
    <message>
        <source>Servo </source>
        <translation>舵机 </translation>
    </message>
</context>
<context>
    <name>SequencerItem</name>
    <message>
        <source>Loop</source>
        <translation>循环</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>单次</translation>
    </message>
</context>
<context>
    <name>SequencerServoEditor</name>
    <message>
        <source>Running</source>
        <translation>运行中</translation>
    </message>
    <message>
        <source>Srv.</source>
        <translation>舵机</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>向前</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>向后</translation>
    </message>
    <message>
        <source>Select point</source>
        <translation>选择点</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Locked since the start, so that it does not run by itself: move %1 to where its last run ended. It then follows its control again and can be edited.</source>
        <translation>自启动起已锁定，以免其自行运行：将 %1 移到上次运行结束的位置。之后它会重新跟随其控件，并可编辑。</translation>
    </message>
</context>
<context>
    <name>SequencerServoList</name>
    <message>
        <source>Do you really want to delete this servo from sequencer?</source>
        <translation>确定要从序列器中删除此舵机吗？</translation>
    </message>
    <message>
        <source>Servo</source>
        <translation>舵机</translation>
    </message>
    <message>
        <source>Active time</source>
        <translation>动作时间</translation>
    </message>
    <message>
        <source>Movement range</source>
        <translation>运动范围</translation>
    </message>
    <message>
        <source>Dir.</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Please select available servos:</source>
        <translation>请选择可用的舵机:</translation>
    </message>
</context>
<context>
    <name>SequencerServos</name>
    <message>
        <source>Servo </source>
        <translation>舵机 </translation>
    </message>
</context>
<context>
    <name>SequencersList</name>
    <message>
        <source>Do you really want to delete this sequencer?</source>
        <translation>确定要删除此序列器吗？</translation>
    </message>
    <message>
        <source>Sequencer is running. Try again when finished!</source>
        <translation>序列器正在运行。请在结束后重试！</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>控件</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>Servos</source>
        <translation>舵机</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Please select available servos:</source>
        <translation>请选择可用的舵机:</translation>
    </message>
    <message>
        <source>No sequencers yet. &quot;+&quot; adds one; its row then sets its name, control, mode, servos and waypoints.</source>
        <translation>还没有序列器。&quot;+&quot; 添加一个；然后在其所在行设置名称、控件、模式、舵机和路点。</translation>
    </message>
</context>
<context>
    <name>SequentialTA</name>
    <message>
        <source>No voice</source>
        <translation>无语音</translation>
    </message>
    <message>
        <source>A list of this name exists already.
Overwrite it?</source>
        <translation>已存在同名列表。
要覆盖吗？</translation>
    </message>
    <message>
        <source>This name cannot be used.
A name must not contain / or &quot;..&quot;.</source>
        <translation>此名称无法使用。
名称不得包含 / 或 &quot;..&quot;。</translation>
    </message>
    <message>
        <source>The list could not be copied to the SD card.</source>
        <translation>无法将列表复制到SD卡。</translation>
    </message>
    <message>
        <source>The list was written to the USB stick.</source>
        <translation>列表已写入U盘。</translation>
    </message>
    <message>
        <source>No USB stick found, or the list could not be written to it.</source>
        <translation>未找到U盘，或无法将列表写入U盘。</translation>
    </message>
    <message>
        <source>Do you really want to delete this announcement?</source>
        <translation>确定要删除此播报吗？</translation>
    </message>
    <message>
        <source>Anchorman</source>
        <translation>顺序播报</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>The list is empty. &quot;+&quot; adds an announcement.</source>
        <translation>列表为空。&quot;+&quot; 可添加播报。</translation>
    </message>
    <message>
        <source>No list. &quot;New&quot; starts one, &quot;Open&quot; loads one.</source>
        <translation>没有列表。&quot;新建&quot; 创建列表，&quot;打开&quot; 加载列表。</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>语音</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>向前</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>向后</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>重新开始</translation>
    </message>
    <message>
        <source>Open a list</source>
        <translation>打开列表</translation>
    </message>
    <message>
        <source>Name of the new list:</source>
        <translation>新列表的名称:</translation>
    </message>
</context>
<context>
    <name>ServoCurveEditor</name>
    <message>
        <source>Servo</source>
        <translation>舵机</translation>
    </message>
</context>
<context>
    <name>ServoCurveSettings</name>
    <message>
        <source>Servo</source>
        <translation>舵机</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>功能:</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>中位</translation>
    </message>
    <message>
        <source>Curve Editor</source>
        <translation>曲线编辑器</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>View</source>
        <translation>视图</translation>
    </message>
    <message>
        <source>Servo curve</source>
        <translation>舵机曲线</translation>
    </message>
    <message>
        <source>Function curve</source>
        <translation>功能曲线</translation>
    </message>
    <message>
        <source>Result curve</source>
        <translation>结果曲线</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>控件</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>功能</translation>
    </message>
    <message>
        <source>Mixers</source>
        <translation>混控</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
</context>
<context>
    <name>ServoCutOffItem</name>
    <message>
        <source>On</source>
        <translation>开</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
</context>
<context>
    <name>ServoItemV2</name>
    <message>
        <source>Servo</source>
        <translation>舵机</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Reset curve</source>
        <translation>重置曲线</translation>
    </message>
    <message>
        <source>Rev</source>
        <translation>反向</translation>
    </message>
    <message>
        <source>Norm</source>
        <translation>正常</translation>
    </message>
</context>
<context>
    <name>ServoLists</name>
    <message>
        <source>Servo </source>
        <translation>舵机 </translation>
    </message>
</context>
<context>
    <name>SoftwareInfo</name>
    <message>
        <source>The batteries are too low for an update. Please charge them first.</source>
        <translation>电池电量过低，无法更新。请先充电。</translation>
    </message>
    <message>
        <source>No application update was found on a USB stick. Download it from the update server?</source>
        <translation>U盘上未找到应用程序更新。要从更新服务器下载吗？</translation>
    </message>
    <message>
        <source>No system update was found on a USB stick. Download it from the update server?</source>
        <translation>U盘上未找到系统更新。要从更新服务器下载吗？</translation>
    </message>
    <message>
        <source>No WLAN network is set up. Please set one up in the WLAN settings first.</source>
        <translation>尚未设置 WLAN 网络。请先在 WLAN 设置中进行设置。</translation>
    </message>
    <message>
        <source>Connecting to the WLAN ...</source>
        <translation>正在连接 WLAN ...</translation>
    </message>
    <message>
        <source>The update could not be started.</source>
        <translation>无法开始更新。</translation>
    </message>
    <message>
        <source>Looking for the update ...</source>
        <translation>正在查找更新 ...</translation>
    </message>
    <message>
        <source>The WLAN connection could not be established.</source>
        <translation>无法建立 WLAN 连接。</translation>
    </message>
    <message>
        <source>The update was not found.</source>
        <translation>未找到更新。</translation>
    </message>
    <message>
        <source>There is not enough memory on the SD card.</source>
        <translation>SD卡空间不足。</translation>
    </message>
    <message>
        <source>A file of the update is corrupted. Please copy the update to the USB stick again.</source>
        <translation>更新文件已损坏。请重新将更新复制到U盘。</translation>
    </message>
    <message>
        <source>A file of the update is corrupted. Please start the download again.</source>
        <translation>更新文件已损坏。请重新开始下载。</translation>
    </message>
    <message>
        <source>The newest software is installed already.</source>
        <translation>已安装最新软件。</translation>
    </message>
    <message>
        <source>The update could not be installed.</source>
        <translation>无法安装更新。</translation>
    </message>
    <message>
        <source>Internal error while installing the update.</source>
        <translation>安装更新时发生内部错误。</translation>
    </message>
    <message>
        <source>This update is unsuitable for this device.</source>
        <translation>此更新不适用于本设备。</translation>
    </message>
    <message>
        <source>The connection to the update server failed.</source>
        <translation>连接更新服务器失败。</translation>
    </message>
    <message>
        <source>Update from the USB stick:</source>
        <translation>来自U盘的更新：</translation>
    </message>
    <message>
        <source>Update from the update server:</source>
        <translation>来自更新服务器的更新：</translation>
    </message>
    <message>
        <source>A file of the update is missing or does not match its list. Please copy the update to the USB stick again.</source>
        <translation>更新的某个文件缺失或与其列表不符。请重新将更新复制到U盘。</translation>
    </message>
    <message>
        <source>The update is installed. Please switch the model off and restart the transmitter.</source>
        <translation>更新已安装。请关闭模型电源并重启发射机。</translation>
    </message>
    <message>
        <source>The update is installed. Switch the transmitter off to finish it: until then the keys and the status strip stay locked.</source>
        <translation>更新已安装。请关闭发射机以完成更新：在此之前，按键和状态栏保持锁定。</translation>
    </message>
    <message>
        <source>The system update is installed when the transmitter is switched on next time.</source>
        <translation>系统更新将在下次打开发射机时安装。</translation>
    </message>
    <message>
        <source>Downloading ...</source>
        <translation>正在下载 ...</translation>
    </message>
    <message>
        <source>The update is ready. Install it now?</source>
        <translation>更新已就绪。现在安装吗？</translation>
    </message>
    <message>
        <source>This version is installed already. Install it anyway?</source>
        <translation>此版本已安装。仍要安装吗？</translation>
    </message>
    <message>
        <source>Waiting for your answer</source>
        <translation>等待您的回答</translation>
    </message>
    <message>
        <source>Installing ...</source>
        <translation>正在安装 ...</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>应用程序</translation>
    </message>
    <message>
        <source>Operating system</source>
        <translation>操作系统</translation>
    </message>
    <message>
        <source>Transceiver</source>
        <translation>收发器</translation>
    </message>
    <message>
        <source>Stick controller</source>
        <translation>摇杆控制器</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>软件</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Touch &quot;Update&quot; for the application update, hold it for the system update. A USB stick is looked at first, then the update server.</source>
        <translation>触摸 &quot;更新&quot; 更新应用程序，长按则更新系统。先查找U盘，再查找更新服务器。</translation>
    </message>
    <message>
        <source>Application update</source>
        <translation>应用程序更新</translation>
    </message>
    <message>
        <source>System update</source>
        <translation>系统更新</translation>
    </message>
    <message>
        <source>stick controller</source>
        <translation>摇杆控制器</translation>
    </message>
    <message>
        <source>transceiver</source>
        <translation>收发器</translation>
    </message>
    <message>
        <source>The firmware of this software is written into the %1 again. Go on?</source>
        <translation>将把本软件附带的固件重新写入%1。继续吗？</translation>
    </message>
    <message>
        <source>The firmware recovery requires the same version of Update.xml as this application.</source>
        <translation>固件恢复需要与本应用程序版本相同的 Update.xml。</translation>
    </message>
    <message>
        <source>The firmware file does not match its checksum.</source>
        <translation>固件文件与其校验和不符。</translation>
    </message>
    <message>
        <source>The update folder holds no package to write again: its Update.xml could not be read.</source>
        <translation>更新文件夹中没有可重新写入的软件包：无法读取其 Update.xml。</translation>
    </message>
    <message>
        <source>The package in the update folder holds no firmware for the stick controller.</source>
        <translation>更新文件夹中的软件包不包含摇杆控制器的固件。</translation>
    </message>
    <message>
        <source>The package in the update folder holds no firmware for the transceiver.</source>
        <translation>更新文件夹中的软件包不包含收发器的固件。</translation>
    </message>
    <message>
        <source>Recovery</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>The SD card is smaller than the 256 MiB the transmitter needs.</source>
        <translation>SD卡小于发射机所需的256 MiB。</translation>
    </message>
    <message>
        <source>There is not enough room for the program in the transmitter&apos;s memory.</source>
        <translation>发射机的存储器中没有足够的空间容纳程序。</translation>
    </message>
</context>
<context>
    <name>Storages</name>
    <message>
        <source>SD card</source>
        <translation>SD卡</translation>
    </message>
    <message>
        <source>USB stick</source>
        <translation>U盘</translation>
    </message>
</context>
<context>
    <name>TeleWidgetSetupBar</name>
    <message>
        <source>You are about to delete this widget
Proceed?</source>
        <translation>即将删除此小部件
继续吗？</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>小</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>中</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>大</translation>
    </message>
    <message>
        <source>Delete widget</source>
        <translation>删除小部件</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>TeleWidgetsVoiceSettings</name>
    <message>
        <source>Telemetry status alarms</source>
        <translation>遥测状态警报</translation>
    </message>
    <message>
        <source>Telemetry alarms</source>
        <translation>遥测警报</translation>
    </message>
    <message>
        <source>Telemetry warnings</source>
        <translation>遥测警告</translation>
    </message>
    <message>
        <source>Global telemetry widget voice settings</source>
        <translation>全局遥测小部件语音设置</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>TelemetryControlItem</name>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
</context>
<context>
    <name>TelemetryControlSett2</name>
    <message>
        <source>Decimal point separator of this telemetry control is incorrect! Please rescan sensors and assign a sensor again!</source>
        <translation>此遥测控件的小数点分隔符不正确！请重新扫描传感器并重新分配传感器！</translation>
    </message>
    <message>
        <source>Actual parameters of the sensor value doesn&apos;t match to the settings of this control! Probably another sensor is used. Please reassign the sensor again!</source>
        <translation>传感器数值的当前参数与此控件的设置不符！可能使用了其他传感器。请重新分配传感器！</translation>
    </message>
    <message>
        <source>Telemetry</source>
        <translation>遥测</translation>
    </message>
    <message>
        <source>control</source>
        <translation>控件</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>输入</translation>
    </message>
    <message>
        <source>Limiter</source>
        <translation>限幅</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>输出</translation>
    </message>
    <message>
        <source>Sim:</source>
        <translation>模拟:</translation>
    </message>
    <message>
        <source>FS:</source>
        <translation>FS:</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>Inverse</source>
        <translation>反向</translation>
    </message>
    <message>
        <source>Inv</source>
        <translation>反向</translation>
    </message>
    <message>
        <source>Norm</source>
        <translation>正常</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>TelemetryControls</name>
    <message>
        <source>You are about to delete the following telemetry contol: </source>
        <translation>即将删除以下遥测控件: </translation>
    </message>
    <message>
        <source>
Proceed?</source>
        <translation>
继续吗？</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>来源</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>输入</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>限值</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>输出</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
</context>
<context>
    <name>TelemetrySensorAlarmConfig</name>
    <message>
        <source>Red below</source>
        <translation>红色低于</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>警报</translation>
    </message>
    <message>
        <source>Yellow below</source>
        <translation>黄色低于</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Yellow above</source>
        <translation>黄色高于</translation>
    </message>
    <message>
        <source>Red above</source>
        <translation>红色高于</translation>
    </message>
    <message>
        <source>No Alarm</source>
        <translation>无警报</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>蜂鸣</translation>
    </message>
    <message>
        <source>Beep + Vib.</source>
        <translation>蜂鸣+振动</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>振动</translation>
    </message>
    <message>
        <source>Speech only</source>
        <translation>仅语音</translation>
    </message>
    <message>
        <source>Speech + Beep</source>
        <translation>语音+蜂鸣</translation>
    </message>
    <message>
        <source>Speech + Vib.</source>
        <translation>语音+振动</translation>
    </message>
    <message>
        <source>Spch+Beep+Vib.</source>
        <translation>语音+蜂鸣+振动</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>One shot</source>
        <translation>单次</translation>
    </message>
    <message>
        <source>Repetitive</source>
        <translation>重复</translation>
    </message>
    <message>
        <source>Status alarm</source>
        <translation>状态警报</translation>
    </message>
    <message>
        <source>Signalling</source>
        <translation>提示方式</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Alert kind</source>
        <translation>警报类型</translation>
    </message>
</context>
<context>
    <name>TelemetrySensorItem</name>
    <message>
        <source>Alarm</source>
        <translation>警报</translation>
    </message>
</context>
<context>
    <name>TelemetrySensorMainMenu</name>
    <message>
        <source>Menu is empty!</source>
        <translation>菜单为空！</translation>
    </message>
    <message>
        <source>Scanning for menu...</source>
        <translation>正在扫描菜单...</translation>
    </message>
    <message>
        <source>No response from backend!</source>
        <translation>后台无响应！</translation>
    </message>
    <message>
        <source>Getting Menu...</source>
        <translation>正在获取菜单...</translation>
    </message>
    <message>
        <source>Getting Menu error!</source>
        <translation>获取菜单出错！</translation>
    </message>
    <message>
        <source>Getting menu timeout!</source>
        <translation>获取菜单超时！</translation>
    </message>
    <message>
        <source>Getting Menu none!</source>
        <translation>未获取到菜单！</translation>
    </message>
    <message>
        <source>Prev.</source>
        <translation>上一个</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一个</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>TelemetryTimerItem</name>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>警报</translation>
    </message>
    <message>
        <source>Delete timer</source>
        <translation>删除计时器</translation>
    </message>
</context>
<context>
    <name>TelemetryValueInformation</name>
    <message>
        <source>Sensor Information</source>
        <translation>传感器信息</translation>
    </message>
    <message>
        <source>Reset Alerts</source>
        <translation>重置警报</translation>
    </message>
    <message>
        <source>Reset Values</source>
        <translation>重置数值</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>TelemetryValueInformationItem</name>
    <message>
        <source>Max.</source>
        <translation>最大</translation>
    </message>
    <message>
        <source>Min.</source>
        <translation>最小</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetChooser</name>
    <message>
        <source>Telemetry</source>
        <translation>遥测</translation>
    </message>
    <message>
        <source>Servo</source>
        <translation>舵机</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>计时器</translation>
    </message>
    <message>
        <source>QuickLink</source>
        <translation>快捷链接</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>ModelImage</source>
        <translation>模型图片</translation>
    </message>
    <message>
        <source>Select a widget type to add</source>
        <translation>选择要添加的小部件类型</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetLabelSetup</name>
    <message>
        <source>Export successful</source>
        <translation>导出成功</translation>
    </message>
    <message>
        <source>Export failed!</source>
        <translation>导出失败！</translation>
    </message>
    <message>
        <source>Please check if USB is connected and working</source>
        <translation>请检查 USB 是否已连接并正常工作</translation>
    </message>
    <message>
        <source>Attention!
The text will probably not be displayed correctly due to its length</source>
        <translation>注意！
文本过长，可能无法正确显示</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetQuickLink</name>
    <message>
        <source>Select entry</source>
        <translation>选择条目</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetServo</name>
    <message>
        <source>Select servo:</source>
        <translation>选择舵机:</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetServoSetup</name>
    <message>
        <source>Servo</source>
        <translation>舵机</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetTimer</name>
    <message>
        <source>Select timer!</source>
        <translation>选择计时器！</translation>
    </message>
    <message>
        <source>Empty timer</source>
        <translation>空计时器</translation>
    </message>
    <message>
        <source>Stop:</source>
        <translation>停止:</translation>
    </message>
    <message>
        <source>Warn:</source>
        <translation>警告:</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetTimerAlarmConfig</name>
    <message>
        <source>No Alarm</source>
        <translation>无警报</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>蜂鸣</translation>
    </message>
    <message>
        <source>Beep + Vib.</source>
        <translation>蜂鸣+振动</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>振动</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>起始时间</translation>
    </message>
    <message>
        <source>Stop time</source>
        <translation>停止时间</translation>
    </message>
    <message>
        <source>Warning time</source>
        <translation>警告时间</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>End alarm</source>
        <translation>结束警报</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Alert kind</source>
        <translation>警报类型</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetTimerSetup</name>
    <message>
        <source>Do you really want to delete this timer?</source>
        <translation>确定要删除此计时器吗？</translation>
    </message>
    <message>
        <source>No timer is selected for this widget!</source>
        <translation>此小部件未选择计时器！</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetValue</name>
    <message>
        <source>Select sensor!</source>
        <translation>选择传感器！</translation>
    </message>
    <message>
        <source>Select value!</source>
        <translation>选择数值！</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetValueSensorSlaveChooser</name>
    <message>
        <source>Capturing sensor information...</source>
        <translation>正在获取传感器信息...</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>传感器</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>数值</translation>
    </message>
    <message>
        <source>Searching for sensors...</source>
        <translation>正在搜索传感器...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetValueSetup</name>
    <message>
        <source>Timeout</source>
        <translation>超时</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>传感器</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>菜单</translation>
    </message>
    <message>
        <source>Addr.</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>数值</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>警报</translation>
    </message>
    <message>
        <source>Add values</source>
        <translation>添加数值</translation>
    </message>
    <message>
        <source>Rescan sensors</source>
        <translation>重新扫描传感器</translation>
    </message>
    <message>
        <source>Scanning for sensors</source>
        <translation>正在扫描传感器</translation>
    </message>
</context>
<context>
    <name>TelemetryWidgetValueSlaveChooser</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>TimeRangeAlarmSettings</name>
    <message>
        <source>(Down)</source>
        <translation>(倒计时)</translation>
    </message>
    <message>
        <source>(Up)</source>
        <translation>(正计时)</translation>
    </message>
    <message>
        <source>of</source>
        <translation>/</translation>
    </message>
    <message>
        <source>Signal start</source>
        <translation>提示开始</translation>
    </message>
    <message>
        <source>One shot</source>
        <translation>单次</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>间隔</translation>
    </message>
    <message>
        <source>Signal end</source>
        <translation>提示结束</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>重复</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>禁用</translation>
    </message>
    <message>
        <source>Signal type</source>
        <translation>提示类型</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>蜂鸣</translation>
    </message>
    <message>
        <source>Long beep</source>
        <translation>长蜂鸣</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>振动</translation>
    </message>
    <message>
        <source>Speech</source>
        <translation>语音</translation>
    </message>
    <message>
        <source>Short speech</source>
        <translation>简短语音</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文本</translation>
    </message>
</context>
<context>
    <name>TimerAlarmItem</name>
    <message>
        <source>No Alarm</source>
        <translation>无警报</translation>
    </message>
    <message>
        <source>No alarm</source>
        <translation>无警报</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>蜂鸣</translation>
    </message>
    <message>
        <source>Beep + Vib.</source>
        <translation>蜂鸣+振动</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>振动</translation>
    </message>
    <message>
        <source>Speech only</source>
        <translation>仅语音</translation>
    </message>
    <message>
        <source>Speech + Beep</source>
        <translation>语音+蜂鸣</translation>
    </message>
    <message>
        <source>Speech + Vib.</source>
        <translation>语音+振动</translation>
    </message>
    <message>
        <source>Spch+Beep+Vib.</source>
        <translation>语音+蜂鸣+振动</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>一次</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>禁用</translation>
    </message>
    <message>
        <source>One shot</source>
        <translation>单次</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>简短</translation>
    </message>
    <message>
        <source>Msg</source>
        <translation>消息</translation>
    </message>
</context>
<context>
    <name>TimerAudioSettings</name>
    <message>
        <source>Do you really want to delete this alarm?</source>
        <translation>确定要删除此警报吗？</translation>
    </message>
    <message>
        <source>No alarm</source>
        <translation>无警报</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>蜂鸣</translation>
    </message>
    <message>
        <source>Beep + Vib.</source>
        <translation>蜂鸣+振动</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>振动</translation>
    </message>
    <message>
        <source>Speech only</source>
        <translation>仅语音</translation>
    </message>
    <message>
        <source>Speech + Beep</source>
        <translation>语音+蜂鸣</translation>
    </message>
    <message>
        <source>Speech + Vib.</source>
        <translation>语音+振动</translation>
    </message>
    <message>
        <source>Spch+Beep+Vib.</source>
        <translation>语音+蜂鸣+振动</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Time/Range</source>
        <translation>时间/范围</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>重播</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>控件</translation>
    </message>
    <message>
        <source>Delete alarm</source>
        <translation>删除警报</translation>
    </message>
</context>
<context>
    <name>TutorPupilItem</name>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
</context>
<context>
    <name>TutorPupilSettings</name>
    <message>
        <source>Timeout</source>
        <translation>超时</translation>
    </message>
    <message>
        <source>Do you really want to delete this vorn control?</source>
        <translation>确定要删除此 Vorn 控件吗？</translation>
    </message>
    <message>
        <source>Trainer cord switch:</source>
        <translation>教练线开关:</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>启用</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>禁用</translation>
    </message>
    <message>
        <source>Vorn control</source>
        <translation>Vorn 控件</translation>
    </message>
    <message>
        <source>External channel</source>
        <translation>外部通道</translation>
    </message>
    <message>
        <source>In use</source>
        <translation>使用中</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Detection...</source>
        <translation>正在检测...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Auto detect</source>
        <translation>自动检测</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>UpdateTask</name>
    <message>
        <source>Which USB stick?</source>
        <translation>哪个U盘？</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>超时</translation>
    </message>
</context>
<context>
    <name>UpperFrame</name>
    <message>
        <source>Main menu</source>
        <translation>主菜单</translation>
    </message>
    <message>
        <source>Model menu</source>
        <translation>模型菜单</translation>
    </message>
    <message>
        <source>Min/Max reset</source>
        <translation>重置最小/最大</translation>
    </message>
    <message>
        <source>Do you really want to clear Max/Min values and all alerts for all widgets?</source>
        <translation>确定要清除所有小部件的最大/最小值和全部警报吗？</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>亮度</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
</context>
<context>
    <name>UserMenu</name>
    <message>
        <source>No favorites found</source>
        <translation>未找到收藏</translation>
    </message>
</context>
<context>
    <name>VarioSettings2</name>
    <message>
        <source>No sensor is known yet.
The sensors are found when the model starts, or by a rescan.</source>
        <translation>尚无已知传感器。
传感器会在模型启动时或重新扫描时被找到。</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Vario off</source>
        <translation>升降率关</translation>
    </message>
    <message>
        <source>silent</source>
        <translation>静音</translation>
    </message>
    <message>
        <source>Vario</source>
        <translation>升降率</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>传感器</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>开/关</translation>
    </message>
    <message>
        <source>Start tone</source>
        <translation>起始音</translation>
    </message>
    <message>
        <source>Climb</source>
        <translation>爬升</translation>
    </message>
    <message>
        <source>Sink</source>
        <translation>下沉</translation>
    </message>
    <message>
        <source>Flight Mode</source>
        <translation>飞行模式</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>单独</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>全局</translation>
    </message>
    <message>
        <source>Vario sensor</source>
        <translation>升降率传感器</translation>
    </message>
</context>
<context>
    <name>VirtualSwitchItem</name>
    <message>
        <source>ON</source>
        <translation>开</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>关</translation>
    </message>
</context>
<context>
    <name>VoiceSelector</name>
    <message>
        <source>Voice</source>
        <translation>语音</translation>
    </message>
    <message>
        <source>All languages</source>
        <translation>所有语言</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>No voices are installed.</source>
        <translation>未安装语音。</translation>
    </message>
    <message>
        <source>No voice speaks this language.</source>
        <translation>没有该语言的语音。</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>选择</translation>
    </message>
    <message>
        <source>Delete the voice &quot;%1&quot;?</source>
        <translation>删除语音 &quot;%1&quot;？</translation>
    </message>
    <message>
        <source>Deleting the voice ...</source>
        <translation>正在删除语音 ...</translation>
    </message>
    <message>
        <source>Speech is paused for the update ...</source>
        <translation>更新期间暂停语音播报 ...</translation>
    </message>
    <message>
        <source>Copying the voice packs ...</source>
        <translation>正在复制语音包 ...</translation>
    </message>
    <message>
        <source>Unpacking the voice packs ...</source>
        <translation>正在解压语音包 ...</translation>
    </message>
    <message>
        <source>1 voice installed.</source>
        <translation>已安装 1 个语音。</translation>
    </message>
    <message>
        <source>1 voice pack was not installed: it failed its check.</source>
        <translation>1 个语音包未安装：校验未通过。</translation>
    </message>
    <message>
        <source>There is not enough memory on the SD card.</source>
        <translation>SD卡空间不足。</translation>
    </message>
    <message>
        <source>%1 voice packs were not installed: they failed their check.</source>
        <translation>%1 个语音包未安装：校验未通过。</translation>
    </message>
    <message>
        <source>%1 voices installed.</source>
        <translation>已安装 %1 个语音。</translation>
    </message>
    <message>
        <source>No voice pack was found on the USB stick.</source>
        <translation>U盘上未找到语音包。</translation>
    </message>
    <message>
        <source>The voice data is corrupted. No voice was installed.</source>
        <translation>语音数据已损坏。未安装任何语音。</translation>
    </message>
    <message>
        <source>No voice was installed.</source>
        <translation>未安装任何语音。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is encrypted.</source>
        <translation>&quot;%1&quot; 已加密。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; uses a compression that cannot be unpacked.</source>
        <translation>&quot;%1&quot; 使用了无法解压的压缩方式。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is an archive of a kind the transmitter cannot unpack.</source>
        <translation>&quot;%1&quot; 是发射机无法解压的归档类型。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; failed its check.</source>
        <translation>&quot;%1&quot; 校验未通过。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: it is no whole zip archive.</source>
        <translation>&quot;%1&quot; 无法读取：它不是完整的 zip 压缩包。</translation>
    </message>
    <message>
        <source>No USB stick was found.</source>
        <translation>未找到U盘。</translation>
    </message>
    <message>
        <source>The voice cannot be deleted.</source>
        <translation>无法删除该语音。</translation>
    </message>
    <message>
        <source>Installed voices</source>
        <translation>已安装语音</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>安装</translation>
    </message>
    <message>
        <source>Please wait ...</source>
        <translation>请稍候 ...</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds too many files: its checksum list may name at most 100.</source>
        <translation>&quot;%1&quot; 包含的文件过多：其校验和列表最多只能列出 100 个文件。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not fit on the SD card.</source>
        <translation>&quot;%1&quot; 超出SD卡的可用空间。</translation>
    </message>
    <message>
        <source>The voice packs cannot be installed: the folder &quot;%1&quot; on the SD card cannot be cleared.</source>
        <translation>无法安装语音包：无法清空SD卡上的文件夹 &quot;%1&quot;。</translation>
    </message>
    <message>
        <source>1 voice pack was not installed: there is not enough memory on the SD card.</source>
        <translation>1 个语音包未安装：SD卡空间不足。</translation>
    </message>
    <message>
        <source>%1 voice packs were not installed: there is not enough memory on the SD card.</source>
        <translation>%1 个语音包未安装：SD卡空间不足。</translation>
    </message>
    <message>
        <source>1 voice pack was not installed: it cannot be read.</source>
        <translation>1 个语音包未安装：无法读取。</translation>
    </message>
    <message>
        <source>%1 voice packs were not installed: they cannot be read.</source>
        <translation>%1 个语音包未安装：无法读取。</translation>
    </message>
    <message>
        <source>1 voice pack was not installed: it holds too many files.</source>
        <translation>1 个语音包未安装：包含的文件过多。</translation>
    </message>
    <message>
        <source>%1 voice packs were not installed: they hold too many files.</source>
        <translation>%1 个语音包未安装：包含的文件过多。</translation>
    </message>
</context>
<context>
    <name>VoiceSettings</name>
    <message>
        <source>Text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>Telemetry</source>
        <translation>遥测</translation>
    </message>
    <message>
        <source>Telemetry full</source>
        <translation>遥测完整</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>计时器</translation>
    </message>
    <message>
        <source>Flight mode</source>
        <translation>飞行模式</translation>
    </message>
    <message>
        <source>Timer short</source>
        <translation>计时器简短</translation>
    </message>
    <message>
        <source>Telemetry no units</source>
        <translation>遥测无单位</translation>
    </message>
    <message>
        <source>Individual</source>
        <translation>自定义</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>No more voice alarms available</source>
        <translation>没有更多可用的语音警报</translation>
    </message>
    <message>
        <source>Press to set voice</source>
        <translation>按下以设置语音</translation>
    </message>
    <message>
        <source>Do you really want to delete this voice alarm?</source>
        <translation>确定要删除此语音警报吗？</translation>
    </message>
    <message>
        <source>Voice alarm</source>
        <translation>语音警报</translation>
    </message>
    <message>
        <source>Voice Settings</source>
        <translation>语音设置</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>来源</translation>
    </message>
    <message>
        <source>Activator</source>
        <translation>触发器</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>重复</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>语音</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Voices</source>
        <translation>语音包</translation>
    </message>
</context>
<context>
    <name>VoiceTelemetryIndividual</name>
    <message>
        <source>Sensor name</source>
        <translation>传感器名称</translation>
    </message>
    <message>
        <source>Value name</source>
        <translation>数值名称</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>单位</translation>
    </message>
    <message>
        <source>Voice alarm</source>
        <translation>语音警报</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>来源</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>VoiceTimerAlarmSelector</name>
    <message>
        <source>Voice alarm for</source>
        <translation>语音警报用于</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>注意</translation>
    </message>
    <message>
        <source>Expired</source>
        <translation>时间到</translation>
    </message>
    <message>
        <source>Attention + Expired</source>
        <translation>注意 + 时间到</translation>
    </message>
</context>
<context>
    <name>VoiceTimerSelector</name>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>注意</translation>
    </message>
    <message>
        <source>Expired</source>
        <translation>时间到</translation>
    </message>
    <message>
        <source>Att. + Exp.</source>
        <translation>注意+时间到</translation>
    </message>
    <message>
        <source>Timer Name</source>
        <translation>计时器名称</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>间隔</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>警报</translation>
    </message>
</context>
<context>
    <name>WlanSettings</name>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>已连接</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>正在连接...</translation>
    </message>
    <message>
        <source>Waiting for an address</source>
        <translation>正在等待地址</translation>
    </message>
    <message>
        <source>On, not connected</source>
        <translation>开，未连接</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>正在搜索...</translation>
    </message>
    <message>
        <source>Switch WiFi on to find the networks in range.</source>
        <translation>打开 WiFi 以查找范围内的网络。</translation>
    </message>
    <message>
        <source>No networks found. Touch Scan to search again.</source>
        <translation>未找到网络。触摸 &quot;扫描&quot; 重新搜索。</translation>
    </message>
    <message>
        <source>A passphrase has 8 to 63 characters.</source>
        <translation>密码须为 8 到 63 个字符。</translation>
    </message>
    <message>
        <source>The passphrase could not be stored.</source>
        <translation>无法保存密码。</translation>
    </message>
    <message>
        <source>This network cannot be joined with this name and passphrase.</source>
        <translation>无法使用此名称和密码加入该网络。</translation>
    </message>
    <message>
        <source>This network is not stored.</source>
        <translation>此网络未保存。</translation>
    </message>
    <message>
        <source>A passphrase cannot hold a # after a &quot;.</source>
        <translation>密码中 &quot; 之后不能有 #。</translation>
    </message>
    <message>
        <source>The connection failed. Check the passphrase and try again.</source>
        <translation>连接失败。请检查密码后重试。</translation>
    </message>
    <message>
        <source>WiFi</source>
        <translation>WiFi</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>扫描</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>网络</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>信号</translation>
    </message>
    <message>
        <source>Chosen</source>
        <translation>已选</translation>
    </message>
    <message>
        <source>Touch a network</source>
        <translation>触摸选择网络</translation>
    </message>
    <message>
        <source>Passphrase</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>断开</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>Forget</source>
        <translation>忘记</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Screenshot is stored in file:</source>
        <translation>截图已保存到文件：</translation>
    </message>
    <message>
        <source>No screenshot is stored!</source>
        <translation>未保存截图！</translation>
    </message>
    <message>
        <source>Battery is weak!
GUI is shutting down...</source>
        <translation>电池电量低！
界面正在关闭...</translation>
    </message>
    <message>
        <source>General error occured</source>
        <translation>发生一般错误</translation>
    </message>
    <message>
        <source>Function don&apos;t exist</source>
        <translation>功能不存在</translation>
    </message>
    <message>
        <source>More than one control recognized</source>
        <translation>识别到多个控件</translation>
    </message>
    <message>
        <source>No movement detected</source>
        <translation>未检测到移动</translation>
    </message>
    <message>
        <source>Index off the limits</source>
        <translation>索引超出范围</translation>
    </message>
    <message>
        <source>Unknown control</source>
        <translation>未知控件</translation>
    </message>
    <message>
        <source>Servo already in use</source>
        <translation>舵机已被使用</translation>
    </message>
    <message>
        <source>Servo not used</source>
        <translation>舵机未使用</translation>
    </message>
    <message>
        <source>Servo not assigned</source>
        <translation>舵机未分配</translation>
    </message>
    <message>
        <source>Reached maximum servos per function</source>
        <translation>已达到每个功能的最大舵机数</translation>
    </message>
    <message>
        <source>Reached maximum curves</source>
        <translation>已达到最大曲线数</translation>
    </message>
    <message>
        <source>Reached maximum Flight Mode count</source>
        <translation>已达到最大飞行模式数</translation>
    </message>
    <message>
        <source>Reached maximum function count</source>
        <translation>已达到最大功能数</translation>
    </message>
    <message>
        <source>Reached maximum limit count</source>
        <translation>已达到最大限值数</translation>
    </message>
    <message>
        <source>Reached maximum mixer count</source>
        <translation>已达到最大混控数</translation>
    </message>
    <message>
        <source>Reached maximum sequencer count</source>
        <translation>已达到最大序列器数</translation>
    </message>
    <message>
        <source>Reached maximum servo config count</source>
        <translation>已达到最大舵机配置数</translation>
    </message>
    <message>
        <source>Sensor not in use</source>
        <translation>传感器未使用</translation>
    </message>
    <message>
        <source>Widget not used</source>
        <translation>小部件未使用</translation>
    </message>
    <message>
        <source>Reached maximum of widgets</source>
        <translation>已达到最大小部件数</translation>
    </message>
    <message>
        <source>Reached maximum of sensors</source>
        <translation>已达到最大传感器数</translation>
    </message>
    <message>
        <source>Reached maximum of timers</source>
        <translation>已达到最大计时器数</translation>
    </message>
    <message>
        <source>Reached maximum of virtual switches</source>
        <translation>已达到最大虚拟开关数</translation>
    </message>
    <message>
        <source>Reached maximum number of functions that can control this servo</source>
        <translation>已达到可控制此舵机的最大功能数</translation>
    </message>
    <message>
        <source>The maximum number of headup items has been reached.</source>
        <translation>已达到抬头显示项目的最大数量。</translation>
    </message>
    <message>
        <source>This control is already assigned as a channel Vorn control. Please select another control!</source>
        <translation>此控件已被分配为通道 Vorn 控件。请选择其他控件！</translation>
    </message>
    <message>
        <source>This control is already assigned to Trainer cord switch. Please select another control!</source>
        <translation>此控件已被分配给教练线开关。请选择其他控件！</translation>
    </message>
    <message>
        <source>This control is already assigned as an input of FM/Sequencer/Servo-Cut/Mixer/Vario control virtual switch. Please select another control!</source>
        <translation>此控件已被分配为飞行模式/序列器/舵机切断/混控/升降率控制虚拟开关的输入。请选择其他控件！</translation>
    </message>
    <message>
        <source>File of the active model cannot be modified!</source>
        <translation>无法修改当前模型的文件！</translation>
    </message>
    <message>
        <source>Cannot delete non-empty folder!</source>
        <translation>无法删除非空文件夹！</translation>
    </message>
    <message>
        <source>Reached maximum of telemetry controls.</source>
        <translation>已达到最大遥测控件数。</translation>
    </message>
    <message>
        <source>Cancelled by the user.</source>
        <translation>已被用户取消。</translation>
    </message>
    <message>
        <source>Not yet implemented</source>
        <translation>尚未实现</translation>
    </message>
    <message>
        <source>Empty input not allowed</source>
        <translation>不允许输入为空</translation>
    </message>
    <message>
        <source>This name is already being used</source>
        <translation>此名称已被使用</translation>
    </message>
    <message>
        <source>Reached maximum entry count</source>
        <translation>已达到最大条目数</translation>
    </message>
    <message>
        <source>This item cannot be deleted</source>
        <translation>此项目无法删除</translation>
    </message>
    <message>
        <source>No USB device detected. Please connect USB device and try again</source>
        <translation>未检测到 USB 设备。请连接 USB 设备后重试</translation>
    </message>
    <message>
        <source>Installed software is already up-to-date</source>
        <translation>已安装的软件已是最新版本</translation>
    </message>
    <message>
        <source>No Update.xml file is found on the USB device</source>
        <translation>USB 设备上未找到 Update.xml 文件</translation>
    </message>
    <message>
        <source>No telemetry control can be assigned as an input of this VS, since this VS controls another telemetry control!</source>
        <translation>由于此虚拟开关控制着另一个遥测控件，不能将遥测控件分配为此虚拟开关的输入！</translation>
    </message>
    <message>
        <source>Error:
Unknown Error, Errorcode: </source>
        <translation>错误:
未知错误，错误代码: </translation>
    </message>
    <message>
        <source>General Error

No errortext defined.</source>
        <translation>一般错误

未定义错误文本。</translation>
    </message>
    <message>
        <source>SD card not detected in system!</source>
        <translation>系统未检测到SD卡！</translation>
    </message>
    <message>
        <source>Model CRC data is bad!</source>
        <translation>模型 CRC 数据错误！</translation>
    </message>
    <message>
        <source>Fast start is not possible next time.</source>
        <translation>下次无法快速启动。</translation>
    </message>
    <message>
        <source>There is no current model to set up.
Open the model menu to load or make one?</source>
        <translation>当前没有可设置的模型。
打开模型菜单以加载或新建模型吗？</translation>
    </message>
    <message>
        <source>Your changes to the model were not saved: the SD card is full.</source>
        <translation>您对模型的更改未保存：SD卡已满。</translation>
    </message>
    <message>
        <source>Your changes to the model were not saved: the SD card is smaller than the 256 MiB the transmitter needs.</source>
        <translation>您对模型的更改未保存：SD卡小于发射机所需的256 MiB。</translation>
    </message>
    <message>
        <source>Your changes to the model were not saved: the SD card could not be written.</source>
        <translation>您对模型的更改未保存：无法写入SD卡。</translation>
    </message>
    <message>
        <source>The model&apos;s run time and timer values could not be saved: the SD card is full.</source>
        <translation>无法保存模型的运行时间和计时器数值：SD卡已满。</translation>
    </message>
    <message>
        <source>The model&apos;s run time and timer values could not be saved: the SD card is smaller than the 256 MiB the transmitter needs.</source>
        <translation>无法保存模型的运行时间和计时器数值：SD卡小于发射机所需的256 MiB。</translation>
    </message>
    <message>
        <source>The model&apos;s run time and timer values could not be saved: the SD card could not be written.</source>
        <translation>无法保存模型的运行时间和计时器数值：无法写入SD卡。</translation>
    </message>
    <message>
        <source>The SD card is smaller than the 256 MiB the transmitter needs.</source>
        <translation>SD卡小于发射机所需的256 MiB。</translation>
    </message>
    <message>
        <source>Your changes to the settings were not saved: the SD card is full.</source>
        <translation>您对设置的更改未保存：SD卡已满。</translation>
    </message>
    <message>
        <source>Your changes to the settings were not saved: the SD card is smaller than the 256 MiB the transmitter needs.</source>
        <translation>您对设置的更改未保存：SD卡小于发射机所需的256 MiB。</translation>
    </message>
    <message>
        <source>Your changes to the settings were not saved: the SD card could not be written.</source>
        <translation>您对设置的更改未保存：无法写入SD卡。</translation>
    </message>
</context>
</TS>
