<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
    <context>
        <name>CommManager</name>
        <message>
            <source>QAbstractSocket::ConnectionRefusedError</source>
            <translation>QAbstractSocket::ConnectionRefusedError</translation>
        </message>
        <message>
            <source>QAbstractSocket::RemoteHostClosedError</source>
            <translation>QAbstractSocket::RemoteHostClosedError</translation>
        </message>
        <message>
            <source>QAbstractSocket::OtherError</source>
            <translation>QAbstractSocket::OtherError</translation>
        </message>
        <message>
            <source> access denied</source>
            <translation> access denied</translation>
        </message>
        <message>
            <source> is removed</source>
            <translation> is removed</translation>
        </message>
        <message>
            <source> error</source>
            <translation> error</translation>
        </message>
        <message>
            <source>The address %1 cannot be resolved: %2</source>
            <translation>The address %1 cannot be resolved: %2</translation>
        </message>
        <message>
            <source>The address %1 has no IPv4 address.</source>
            <translation>The address %1 has no IPv4 address.</translation>
        </message>
        <message>
            <source>no IPv4 route</source>
            <translation>no IPv4 route</translation>
        </message>
        <message>
            <source>The address %1 cannot be reached: %2</source>
            <translation>The address %1 cannot be reached: %2</translation>
        </message>
        <message>
            <source>No device answered at %1.</source>
            <translation>No device answered at %1.</translation>
        </message>
    </context>
    <context>
        <name>ConfigBackup</name>
        <message>
            <source>The link to %1 was lost during its read-back.</source>
            <translation>The link to %1 was lost during its read-back.</translation>
        </message>
        <message>
            <source>%1 did not finish its read-back within %2 s.</source>
            <translation>%1 did not finish its read-back within %2 s.</translation>
        </message>
        <message>
            <source>%1 is not online.</source>
            <translation>%1 is not online.</translation>
        </message>
        <message>
            <source>%1 refused to be read back.</source>
            <translation>%1 refused to be read back.</translation>
        </message>
        <message>
            <source>The backup was cancelled.</source>
            <translation>The backup was cancelled.</translation>
        </message>
    </context>
    <context>
        <name>ConfigDiff</name>
        <message>
            <source>none</source>
            <translation>none</translation>
        </message>
        <message>
            <source>on</source>
            <translation>on</translation>
        </message>
        <message>
            <source>off</source>
            <translation>off</translation>
        </message>
        <message>
            <source>%1x%2 %3 Hz, preset %4</source>
            <translation>%1x%2 %3 Hz, preset %4</translation>
        </message>
        <message>
            <source>outputs: %1 | windows: %2</source>
            <translation>outputs: %1 | windows: %2</translation>
        </message>
        <message>
            <source>once</source>
            <translation>once</translation>
        </message>
        <message>
            <source>every day</source>
            <translation>every day</translation>
        </message>
        <message>
            <source>cycle within a day</source>
            <translation>cycle within a day</translation>
        </message>
        <message>
            <source>cycle daily</source>
            <translation>cycle daily</translation>
        </message>
        <message>
            <source>type %1</source>
            <translation>type %1</translation>
        </message>
        <message>
            <source>target %1</source>
            <translation>target %1</translation>
        </message>
        <message>
            <source>presets %1, every %2 min for %3 min</source>
            <translation>presets %1, every %2 min for %3 min</translation>
        </message>
        <message>
            <source>units %1x%2 position %3</source>
            <translation>units %1x%2 position %3</translation>
        </message>
        <message>
            <source>pixels %1</source>
            <translation>pixels %1</translation>
        </message>
        <message>
            <source>mode %1</source>
            <translation>mode %1</translation>
        </message>
        <message>
            <source>%1, %2, tune %3 %4 %5 %6</source>
            <translation>%1, %2, tune %3 %4 %5 %6</translation>
        </message>
        <message>
            <source>%1, preset colour %2</source>
            <translation>%1, preset colour %2</translation>
        </message>
        <message>
            <source>%1, mode %2, filters %3 %4, colour %5 %6 %7</source>
            <translation>%1, mode %2, filters %3 %4, colour %5 %6 %7</translation>
        </message>
        <message>
            <source>brightness</source>
            <translation>brightness</translation>
        </message>
        <message>
            <source>contrast</source>
            <translation>contrast</translation>
        </message>
        <message>
            <source>sharpness</source>
            <translation>sharpness</translation>
        </message>
        <message>
            <source>hue</source>
            <translation>hue</translation>
        </message>
        <message>
            <source>saturation</source>
            <translation>saturation</translation>
        </message>
        <message>
            <source>red offset</source>
            <translation>red offset</translation>
        </message>
        <message>
            <source>green offset</source>
            <translation>green offset</translation>
        </message>
        <message>
            <source>blue offset</source>
            <translation>blue offset</translation>
        </message>
        <message>
            <source>gamma</source>
            <translation>gamma</translation>
        </message>
        <message>
            <source>red gain</source>
            <translation>red gain</translation>
        </message>
        <message>
            <source>green gain</source>
            <translation>green gain</translation>
        </message>
        <message>
            <source>blue gain</source>
            <translation>blue gain</translation>
        </message>
        <message>
            <source>the device's layout has %1 windows</source>
            <translation>the device's layout has %1 windows</translation>
        </message>
        <message>
            <source>the %1 has no such setting</source>
            <translation>the %1 has no such setting</translation>
        </message>
        <message>
            <source>mode %1, exchange %2</source>
            <translation>mode %1, exchange %2</translation>
        </message>
        <message>
            <source>output mode</source>
            <translation>output mode</translation>
        </message>
        <message>
            <source>output %1 resolution</source>
            <translation>output %1 resolution</translation>
        </message>
        <message>
            <source>the %1 sets all outputs to one resolution</source>
            <translation>the %1 sets all outputs to one resolution</translation>
        </message>
        <message>
            <source>the %1 has %2 settable outputs</source>
            <translation>the %1 has %2 settable outputs</translation>
        </message>
        <message>
            <source>background colour</source>
            <translation>background colour</translation>
        </message>
        <message>
            <source>no frame switches the background colour off</source>
            <translation>no frame switches the background colour off</translation>
        </message>
        <message>
            <source>%1, colour %2, %3, thickness %4</source>
            <translation>%1, colour %2, %3, thickness %4</translation>
        </message>
        <message>
            <source>border %1</source>
            <translation>border %1</translation>
        </message>
        <message>
            <source>the device has %1 borders</source>
            <translation>the device has %1 borders</translation>
        </message>
        <message>
            <source>output enhance</source>
            <translation>output enhance</translation>
        </message>
        <message>
            <source>number of windows</source>
            <translation>number of windows</translation>
        </message>
        <message>
            <source>a layout of %1 windows comes only from a template or preset of that many windows, and neither the file nor the device has one</source>
            <translation>a layout of %1 windows comes only from a template or preset of that many windows, and neither the file nor the device has one</translation>
        </message>
        <message>
            <source>window %1 geometry</source>
            <translation>window %1 geometry</translation>
        </message>
        <message>
            <source>window %1 transparency</source>
            <translation>window %1 transparency</translation>
        </message>
        <message>
            <source>the %1 has no %2</source>
            <translation>the %1 has no %2</translation>
        </message>
        <message>
            <source>window %1 source</source>
            <translation>window %1 source</translation>
        </message>
        <message>
            <source>window %1 rotation</source>
            <translation>window %1 rotation</translation>
        </message>
        <message>
            <source>window %1 input crop</source>
            <translation>window %1 input crop</translation>
        </message>
        <message>
            <source>window %1 %2</source>
            <translation>window %1 %2</translation>
        </message>
        <message>
            <source>mode %1, %2 %3 %4</source>
            <translation>mode %1, %2 %3 %4</translation>
        </message>
        <message>
            <source>window %1 colour temperature</source>
            <translation>window %1 colour temperature</translation>
        </message>
        <message>
            <source>window %1 colour mode</source>
            <translation>window %1 colour mode</translation>
        </message>
        <message>
            <source>window %1 RGBCMY %2</source>
            <translation>window %1 RGBCMY %2</translation>
        </message>
        <message>
            <source>window %1 image effects</source>
            <translation>window %1 image effects</translation>
        </message>
        <message>
            <source>window %1 colour formats</source>
            <translation>window %1 colour formats</translation>
        </message>
        <message>
            <source>EDID %1</source>
            <translation>EDID %1</translation>
        </message>
        <message>
            <source>DVI signal mode</source>
            <translation>DVI signal mode</translation>
        </message>
        <message>
            <source>DVI audio input</source>
            <translation>DVI audio input</translation>
        </message>
        <message>
            <source>mode %1 cannot be set</source>
            <translation>mode %1 cannot be set</translation>
        </message>
        <message>
            <source>window %1 mosaic</source>
            <translation>window %1 mosaic</translation>
        </message>
        <message>
            <source>window %1 chroma key</source>
            <translation>window %1 chroma key</translation>
        </message>
        <message>
            <source>follows the switch</source>
            <translation>follows the switch</translation>
        </message>
        <message>
            <source>window %1</source>
            <translation>window %1</translation>
        </message>
        <message>
            <source>audio source</source>
            <translation>audio source</translation>
        </message>
        <message>
            <source>audio mute</source>
            <translation>audio mute</translation>
        </message>
        <message>
            <source>audio volume</source>
            <translation>audio volume</translation>
        </message>
        <message>
            <source>freeze</source>
            <translation>freeze</translation>
        </message>
        <message>
            <source>black screen</source>
            <translation>black screen</translation>
        </message>
        <message>
            <source>picture-in-picture</source>
            <translation>picture-in-picture</translation>
        </message>
        <message>
            <source>fade, period %1</source>
            <translation>fade, period %1</translation>
        </message>
        <message>
            <source>cut</source>
            <translation>cut</translation>
        </message>
        <message>
            <source>switch mode</source>
            <translation>switch mode</translation>
        </message>
        <message>
            <source>frame sync</source>
            <translation>frame sync</translation>
        </message>
        <message>
            <source>it is set through a window</source>
            <translation>it is set through a window</translation>
        </message>
        <message>
            <source>task %1</source>
            <translation>task %1</translation>
        </message>
        <message>
            <source>task type %1 cannot be stored</source>
            <translation>task type %1 cannot be stored</translation>
        </message>
        <message>
            <source>all tasks switch</source>
            <translation>all tasks switch</translation>
        </message>
        <message>
            <source>preset number %1 cannot be stored</source>
            <translation>preset number %1 cannot be stored</translation>
        </message>
        <message>
            <source>windows: %1</source>
            <translation>windows: %1</translation>
        </message>
        <message>
            <source>preset %1</source>
            <translation>preset %1</translation>
        </message>
        <message>
            <source>preset %1 outputs</source>
            <translation>preset %1 outputs</translation>
        </message>
        <message>
            <source>a preset keeps the outputs of the device that stores it</source>
            <translation>a preset keeps the outputs of the device that stores it</translation>
        </message>
        <message>
            <source>a stored preset cannot be deleted</source>
            <translation>a stored preset cannot be deleted</translation>
        </message>
        <message>
            <source>the device has %1 output ports</source>
            <translation>the device has %1 output ports</translation>
        </message>
        <message>
            <source>the device has %1 inputs</source>
            <translation>the device has %1 inputs</translation>
        </message>
        <message>
            <source>output resolution</source>
            <translation>output resolution</translation>
        </message>
        <message>
            <source>%1 rows, %2 columns, order %3</source>
            <translation>%1 rows, %2 columns, order %3</translation>
        </message>
        <message>
            <source>area layout</source>
            <translation>area layout</translation>
        </message>
        <message>
            <source>area %1</source>
            <translation>area %1</translation>
        </message>
        <message>
            <source>the device has %1 areas</source>
            <translation>the device has %1 areas</translation>
        </message>
        <message>
            <source>output port %1</source>
            <translation>output port %1</translation>
        </message>
        <message>
            <source>%1, layer %2</source>
            <translation>%1, layer %2</translation>
        </message>
        <message>
            <source>it has window %1 on input %2, beyond the device's cards</source>
            <translation>it has window %1 on input %2, beyond the device's cards</translation>
        </message>
        <message>
            <source>Outputs</source>
            <translation>Outputs</translation>
        </message>
        <message>
            <source>Presets</source>
            <translation>Presets</translation>
        </message>
        <message>
            <source>Layout</source>
            <translation>Layout</translation>
        </message>
        <message>
            <source>Picture</source>
            <translation>Picture</translation>
        </message>
        <message>
            <source>EDID</source>
            <translation>EDID</translation>
        </message>
        <message>
            <source>Mosaic</source>
            <translation>Mosaic</translation>
        </message>
        <message>
            <source>Chroma key</source>
            <translation>Chroma key</translation>
        </message>
        <message>
            <source>Audio</source>
            <translation>Audio</translation>
        </message>
        <message>
            <source>Switches</source>
            <translation>Switches</translation>
        </message>
        <message>
            <source>Timed tasks</source>
            <translation>Timed tasks</translation>
        </message>
        <message>
            <source>device family</source>
            <translation>device family</translation>
        </message>
        <message>
            <source>a configuration restores only to a device of the same family</source>
            <translation>a configuration restores only to a device of the same family</translation>
        </message>
    </context>
    <context>
        <name>ConfigFile</name>
        <message>
            <source>%1 is not a number</source>
            <translation>%1 is not a number</translation>
        </message>
        <message>
            <source>%1 is not a whole number</source>
            <translation>%1 is not a whole number</translation>
        </message>
        <message>
            <source>%1 is outside %2..%3</source>
            <translation>%1 is outside %2..%3</translation>
        </message>
        <message>
            <source>%1 is not a text</source>
            <translation>%1 is not a text</translation>
        </message>
        <message>
            <source>is not an object</source>
            <translation>is not an object</translation>
        </message>
        <message>
            <source>has %1 entries, %2 are required</source>
            <translation>has %1 entries, %2 are required</translation>
        </message>
        <message>
            <source>key %1 appears twice (also at %2)</source>
            <translation>key %1 appears twice (also at %2)</translation>
        </message>
        <message>
            <source>is not a list</source>
            <translation>is not a list</translation>
        </message>
        <message>
            <source>has %1 values, %2 are required</source>
            <translation>has %1 values, %2 are required</translation>
        </message>
        <message>
            <source>is missing</source>
            <translation>is missing</translation>
        </message>
        <message>
            <source>has %1 entries, at most %2 are allowed</source>
            <translation>has %1 entries, at most %2 are allowed</translation>
        </message>
        <message>
            <source>%1 is not a supported device type (%2)</source>
            <translation>%1 is not a supported device type (%2)</translation>
        </message>
        <message>
            <source>"%1" does not match type %2 (%3)</source>
            <translation>"%1" does not match type %2 (%3)</translation>
        </message>
        <message>
            <source>"%1" is not 24 lower-case hexadecimal digits</source>
            <translation>"%1" is not 24 lower-case hexadecimal digits</translation>
        </message>
        <message>
            <source>"%1" is not an IP address</source>
            <translation>"%1" is not an IP address</translation>
        </message>
        <message>
            <source>The file is empty.</source>
            <translation>The file is empty.</translation>
        </message>
        <message>
            <source>The file ends early at byte %1: it is truncated.</source>
            <translation>The file ends early at byte %1: it is truncated.</translation>
        </message>
        <message>
            <source>The file is not valid JSON: %1 at byte %2.</source>
            <translation>The file is not valid JSON: %1 at byte %2.</translation>
        </message>
        <message>
            <source>The file gives format %1, which no version of this program writes.</source>
            <translation>The file gives format %1, which no version of this program writes.</translation>
        </message>
        <message>
            <source>The file is of format %1, this program reads up to %2.</source>
            <translation>The file is of format %1, this program reads up to %2.</translation>
        </message>
        <message>
            <source>The file is of format %1, which this program cannot convert.</source>
            <translation>The file is of format %1, which this program cannot convert.</translation>
        </message>
        <message>
            <source>The file is not a configuration file: it has no format number.</source>
            <translation>The file is not a configuration file: it has no format number.</translation>
        </message>
        <message>
            <source>"%1" is not a date and time</source>
            <translation>"%1" is not a date and time</translation>
        </message>
        <message>
            <source>"%1" is also the cpuid of devices[%2]</source>
            <translation>"%1" is also the cpuid of devices[%2]</translation>
        </message>
        <message>
            <source>Cannot write %1: %2</source>
            <translation>Cannot write %1: %2</translation>
        </message>
        <message>
            <source>Cannot read %1: %2</source>
            <translation>Cannot read %1: %2</translation>
        </message>
        <message>
            <source>%1 is too large to be a configuration file.</source>
            <translation>%1 is too large to be a configuration file.</translation>
        </message>
    </context>
    <context>
        <name>DeviceHub</name>
        <message>
            <source>%1: back online after %2 tries</source>
            <translation>%1: back online after %2 tries</translation>
        </message>
        <message>
            <source>%1: in use by another computer</source>
            <translation>%1: in use by another computer</translation>
        </message>
        <message>
            <source>Connect interrupt</source>
            <translation>Connect interrupt</translation>
        </message>
        <message>
            <source>%1: link lost</source>
            <translation>%1: link lost</translation>
        </message>
        <message>
            <source>%1: link lost (%2)</source>
            <translation>%1: link lost (%2)</translation>
        </message>
        <message>
            <source>%1: reconnecting, try %2: probing %3</source>
            <translation>%1: reconnecting, try %2: probing %3</translation>
        </message>
        <message>
            <source>%1: reconnecting, try %2: asking %3</source>
            <translation>%1: reconnecting, try %2: asking %3</translation>
        </message>
        <message>
            <source>%1: taken over from another computer</source>
            <translation>%1: taken over from another computer</translation>
        </message>
        <message>
            <source>Device Not Connect!</source>
            <translation>Device Not Connect!</translation>
        </message>
        <message>
            <source>The device acknowledged %1 of %2 frames.</source>
            <translation>The device acknowledged %1 of %2 frames.</translation>
        </message>
        <message>
            <source>The device refused %1 of %2 frames.</source>
            <translation>The device refused %1 of %2 frames.</translation>
        </message>
        <message>
            <source>The link to the device was lost (%1 of %2 frames answered).</source>
            <translation>The link to the device was lost (%1 of %2 frames answered).</translation>
        </message>
        <message>
            <source>The device did not answer within %1 ms (%2 of %3 frames answered).</source>
            <translation>The device did not answer within %1 ms (%2 of %3 frames answered).</translation>
        </message>
    </context>
    <context>
        <name>DialogAddWindow</name>
        <message>
            <source>Add Window</source>
            <translation>Add Window</translation>
        </message>
        <message>
            <source>h_start</source>
            <translation>h_start</translation>
        </message>
        <message>
            <source>v_start</source>
            <translation>v_start</translation>
        </message>
        <message>
            <source>h_width</source>
            <translation>h_width</translation>
        </message>
        <message>
            <source>v_height</source>
            <translation>v_height</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>tips</source>
            <translation>tips</translation>
        </message>
        <message>
            <source>Parameter beyond range</source>
            <translation>Parameter beyond range</translation>
        </message>
    </context>
    <context>
        <name>DialogAttribute</name>
        <message>
            <source>Window Attribute</source>
            <translation>Window Attribute</translation>
        </message>
        <message>
            <source>QLabel#label_inputResoltion{padding-left: 9;}</source>
            <translation>QLabel#label_inputResoltion{padding-left: 9;}</translation>
        </message>
        <message>
            <source>Input Resolution: unknown</source>
            <translation>Input Resolution: unknown</translation>
        </message>
        <message>
            <source>input crop</source>
            <translation>input crop</translation>
        </message>
        <message>
            <source>crop</source>
            <translation>crop</translation>
        </message>
        <message>
            <source>h_start</source>
            <translation>h_start</translation>
        </message>
        <message>
            <source>v_start</source>
            <translation>v_start</translation>
        </message>
        <message>
            <source>h_width</source>
            <translation>h_width</translation>
        </message>
        <message>
            <source>v_height</source>
            <translation>v_height</translation>
        </message>
        <message>
            <source>window setting</source>
            <translation>window setting</translation>
        </message>
        <message>
            <source>transparence</source>
            <translation>transparence</translation>
        </message>
        <message>
            <source>Apply</source>
            <translation>Apply</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Close</translation>
        </message>
        <message>
            <source>window %1</source>
            <translation>window %1</translation>
        </message>
        <message>
            <source>Input Resolution: %1x%2x%3</source>
            <translation>Input Resolution: %1x%2x%3</translation>
        </message>
    </context>
    <context>
        <name>DialogAudio</name>
        <message>
            <source>Audio</source>
            <translation>Audio</translation>
        </message>
        <message>
            <source>Working Mode</source>
            <translation>Working Mode</translation>
        </message>
        <message>
            <source>Choose Window</source>
            <translation>Choose Window</translation>
        </message>
        <message>
            <source>Sound Off</source>
            <translation>Sound Off</translation>
        </message>
        <message>
            <source>Volume</source>
            <translation>Volume</translation>
        </message>
        <message>
            <source>bind window</source>
            <translation>bind window</translation>
        </message>
        <message>
            <source>follow switch</source>
            <translation>follow switch</translation>
        </message>
        <message>
            <source>window %1</source>
            <translation>window %1</translation>
        </message>
    </context>
    <context>
        <name>DialogChromaKey</name>
        <message>
            <source>Chroma Key</source>
            <translation>Chroma Key</translation>
        </message>
        <message>
            <source>Mode</source>
            <translation>Mode</translation>
        </message>
        <message>
            <source>Preset</source>
            <translation>Preset</translation>
        </message>
        <message>
            <source>Custom</source>
            <translation>Custom</translation>
        </message>
        <message>
            <source>Color Filter</source>
            <translation>Color Filter</translation>
        </message>
        <message>
            <source>Red</source>
            <translation>Red</translation>
        </message>
        <message>
            <source>Green</source>
            <translation>Green</translation>
        </message>
        <message>
            <source>Blue</source>
            <translation>Blue</translation>
        </message>
        <message>
            <source>Black</source>
            <translation>Black</translation>
        </message>
        <message>
            <source>White</source>
            <translation>White</translation>
        </message>
        <message>
            <source>RGB Filter1</source>
            <translation>RGB Filter1</translation>
        </message>
        <message>
            <source>Above</source>
            <translation>Above</translation>
        </message>
        <message>
            <source>Below</source>
            <translation>Below</translation>
        </message>
        <message>
            <source>RGB Filter2</source>
            <translation>RGB Filter2</translation>
        </message>
        <message>
            <source>And</source>
            <translation>And</translation>
        </message>
        <message>
            <source>Or</source>
            <translation>Or</translation>
        </message>
        <message>
            <source>Apply</source>
            <translation>Apply</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Close</translation>
        </message>
        <message>
            <source>Chroma Key - Window%1</source>
            <translation>Chroma Key - Window%1</translation>
        </message>
    </context>
    <context>
        <name>DialogConfigRestore</name>
        <message>
            <source>Restore configuration</source>
            <translation>Restore configuration</translation>
        </message>
        <message>
            <source>File:</source>
            <translation>File:</translation>
        </message>
        <message>
            <source>Browse…</source>
            <translation>Browse…</translation>
        </message>
        <message>
            <source>Open</source>
            <translation>Open</translation>
        </message>
        <message>
            <source>Devices of the file, and the online device each one is restored to:</source>
            <translation>Devices of the file, and the online device each one is restored to:</translation>
        </message>
        <message>
            <source>Compare</source>
            <translation>Compare</translation>
        </message>
        <message>
            <source>Reads each chosen device back and lists every setting that differs from the file. Nothing is sent yet.</source>
            <translation>Reads each chosen device back and lists every setting that differs from the file. Nothing is sent yet.</translation>
        </message>
        <message>
            <source>Settings that differ; tick the groups to restore:</source>
            <translation>Settings that differ; tick the groups to restore:</translation>
        </message>
        <message>
            <source>What was restored, verified by reading each device back:</source>
            <translation>What was restored, verified by reading each device back:</translation>
        </message>
        <message>
            <source>Restore</source>
            <translation>Restore</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Close</translation>
        </message>
        <message>
            <source>tips</source>
            <translation>tips</translation>
        </message>
        <message>
            <source>Reading back %1 (%2 of %3)…</source>
            <translation>Reading back %1 (%2 of %3)…</translation>
        </message>
        <message>
            <source>Reading back %1…</source>
            <translation>Reading back %1…</translation>
        </message>
        <message>
            <source>Verifying %1…</source>
            <translation>Verifying %1…</translation>
        </message>
        <message>
            <source>%1: step %2 of %3, %4: %5</source>
            <translation>%1: step %2 of %3, %4: %5</translation>
        </message>
        <message>
            <source>In the file</source>
            <translation>In the file</translation>
        </message>
        <message>
            <source>Restore to</source>
            <translation>Restore to</translation>
        </message>
        <message>
            <source>Note</source>
            <translation>Note</translation>
        </message>
        <message>
            <source>Setting</source>
            <translation>Setting</translation>
        </message>
        <message>
            <source>On the device</source>
            <translation>On the device</translation>
        </message>
        <message>
            <source>Devices: %1. Read back %2 by %3.</source>
            <translation>Devices: %1. Read back %2 by %3.</translation>
        </message>
        <message>
            <source>Do not restore</source>
            <translation>Do not restore</translation>
        </message>
        <message>
            <source>Choose a configuration file.</source>
            <translation>Choose a configuration file.</translation>
        </message>
        <message>
            <source>Configuration files (*.json)</source>
            <translation>Configuration files (*.json)</translation>
        </message>
        <message>
            <source>%1 cannot be restored: %2</source>
            <translation>%1 cannot be restored: %2</translation>
        </message>
        <message>
            <source>%1 holds no device.</source>
            <translation>%1 holds no device.</translation>
        </message>
        <message>
            <source>No online device of this family.</source>
            <translation>No online device of this family.</translation>
        </message>
        <message>
            <source>%1 is chosen for more than one device of the file.</source>
            <translation>%1 is chosen for more than one device of the file.</translation>
        </message>
        <message>
            <source>Choose the device each device of the file is restored to.</source>
            <translation>Choose the device each device of the file is restored to.</translation>
        </message>
        <message>
            <source>Compared. Nothing has been sent yet.</source>
            <translation>Compared. Nothing has been sent yet.</translation>
        </message>
        <message>
            <source>%1 → %2</source>
            <translation>%1 → %2</translation>
        </message>
        <message>
            <source>to restore: %1</source>
            <translation>to restore: %1</translation>
        </message>
        <message>
            <source>not applicable: %1</source>
            <translation>not applicable: %1</translation>
        </message>
        <message>
            <source>, </source>
            <translation>, </translation>
        </message>
        <message>
            <source>cannot be applied: %1</source>
            <translation>cannot be applied: %1</translation>
        </message>
        <message>
            <source>No differences: the device matches the file.</source>
            <translation>No differences: the device matches the file.</translation>
        </message>
        <message>
            <source>differences: %1</source>
            <translation>differences: %1</translation>
        </message>
        <message>
            <source>another model; not applicable: %1</source>
            <translation>another model; not applicable: %1</translation>
        </message>
        <message>
            <source>%1: %2</source>
            <translation>%1: %2</translation>
        </message>
        <message>
            <source>Tick at least one group to restore.</source>
            <translation>Tick at least one group to restore.</translation>
        </message>
        <message>
            <source>Restore now?</source>
            <translation>Restore now?</translation>
        </message>
        <message>
            <source>%1 → %2: not started (cancelled)</source>
            <translation>%1 → %2: not started (cancelled)</translation>
        </message>
        <message>
            <source>%1 → %2: %3</source>
            <translation>%1 → %2: %3</translation>
        </message>
        <message>
            <source>Applied: %1</source>
            <translation>Applied: %1</translation>
        </message>
        <message>
            <source>Partly applied: %1</source>
            <translation>Partly applied: %1</translation>
        </message>
        <message>
            <source>Not applied: %1</source>
            <translation>Not applied: %1</translation>
        </message>
        <message>
            <source>Not verified: the device could not be read back.</source>
            <translation>Not verified: the device could not be read back.</translation>
        </message>
        <message>
            <source>Cannot be applied on this device:</source>
            <translation>Cannot be applied on this device:</translation>
        </message>
        <message>
            <source>Does not match the file after the restore:</source>
            <translation>Does not match the file after the restore:</translation>
        </message>
        <message>
            <source>%1: file %2, device %3</source>
            <translation>%1: file %2, device %3</translation>
        </message>
        <message>
            <source>Restore done and verified.</source>
            <translation>Restore done and verified.</translation>
        </message>
        <message>
            <source>Restore cancelled; see the report for what was applied.</source>
            <translation>Restore cancelled; see the report for what was applied.</translation>
        </message>
        <message>
            <source>Restore not fully applied; see the report.</source>
            <translation>Restore not fully applied; see the report.</translation>
        </message>
        <message>
            <source>Cancelling before the next step…</source>
            <translation>Cancelling before the next step…</translation>
        </message>
    </context>
    <context>
        <name>DialogConfigSave</name>
        <message>
            <source>Save configuration</source>
            <translation>Save configuration</translation>
        </message>
        <message>
            <source>Devices to back up (each is read back in full first):</source>
            <translation>Devices to back up (each is read back in full first):</translation>
        </message>
        <message>
            <source>File:</source>
            <translation>File:</translation>
        </message>
        <message>
            <source>Browse…</source>
            <translation>Browse…</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>Save</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>tips</source>
            <translation>tips</translation>
        </message>
        <message>
            <source>Current device: %1</source>
            <translation>Current device: %1</translation>
        </message>
        <message>
            <source>Current device (not online)</source>
            <translation>Current device (not online)</translation>
        </message>
        <message>
            <source>All online devices (%1)</source>
            <translation>All online devices (%1)</translation>
        </message>
        <message>
            <source>Configuration files (*.json)</source>
            <translation>Configuration files (*.json)</translation>
        </message>
        <message>
            <source>Please choose a file to save to.</source>
            <translation>Please choose a file to save to.</translation>
        </message>
        <message>
            <source>No device is online.</source>
            <translation>No device is online.</translation>
        </message>
        <message>
            <source>Cancelling after the read-back that runs…</source>
            <translation>Cancelling after the read-back that runs…</translation>
        </message>
        <message>
            <source>Reading back %1 (%2 of %3)…</source>
            <translation>Reading back %1 (%2 of %3)…</translation>
        </message>
        <message>
            <source>Writing %1…</source>
            <translation>Writing %1…</translation>
        </message>
        <message>
            <source>Saved.</source>
            <translation>Saved.</translation>
        </message>
        <message>
            <source>Saved to %1 (devices: %2).</source>
            <translation>Saved to %1 (devices: %2).</translation>
        </message>
        <message>
            <source>Nothing was saved: %1</source>
            <translation>Nothing was saved: %1</translation>
        </message>
    </context>
    <context>
        <name>DialogDiagnostics</name>
        <message>
            <source>Diagnostics</source>
            <translation>Diagnostics</translation>
        </message>
        <message>
            <source>Event history</source>
            <translation>Event history</translation>
        </message>
        <message>
            <source>Frame monitor</source>
            <translation>Frame monitor</translation>
        </message>
        <message>
            <source>Pause</source>
            <translation>Pause</translation>
        </message>
        <message>
            <source>Command:</source>
            <translation>Command:</translation>
        </message>
        <message>
            <source>Clear</source>
            <translation>Clear</translation>
        </message>
        <message>
            <source>Save...</source>
            <translation>Save...</translation>
        </message>
        <message>
            <source>image quality</source>
            <translation>image quality</translation>
        </message>
        <message>
            <source>input crop</source>
            <translation>input crop</translation>
        </message>
        <message>
            <source>window</source>
            <translation>window</translation>
        </message>
        <message>
            <source>template / preset</source>
            <translation>template / preset</translation>
        </message>
        <message>
            <source>output</source>
            <translation>output</translation>
        </message>
        <message>
            <source>mosaic / frame sync</source>
            <translation>mosaic / frame sync</translation>
        </message>
        <message>
            <source>audio</source>
            <translation>audio</translation>
        </message>
        <message>
            <source>switch input</source>
            <translation>switch input</translation>
        </message>
        <message>
            <source>time / timed task</source>
            <translation>time / timed task</translation>
        </message>
        <message>
            <source>test pattern</source>
            <translation>test pattern</translation>
        </message>
        <message>
            <source>EDID setting</source>
            <translation>EDID setting</translation>
        </message>
        <message>
            <source>chroma key</source>
            <translation>chroma key</translation>
        </message>
        <message>
            <source>picture in picture</source>
            <translation>picture in picture</translation>
        </message>
        <message>
            <source>device name</source>
            <translation>device name</translation>
        </message>
        <message>
            <source>freeze</source>
            <translation>freeze</translation>
        </message>
        <message>
            <source>switch mode</source>
            <translation>switch mode</translation>
        </message>
        <message>
            <source>local</source>
            <translation>local</translation>
        </message>
        <message>
            <source>black screen</source>
            <translation>black screen</translation>
        </message>
        <message>
            <source>VGA adjust</source>
            <translation>VGA adjust</translation>
        </message>
        <message>
            <source>background colour</source>
            <translation>background colour</translation>
        </message>
        <message>
            <source>border</source>
            <translation>border</translation>
        </message>
        <message>
            <source>output enhance</source>
            <translation>output enhance</translation>
        </message>
        <message>
            <source>factory reset</source>
            <translation>factory reset</translation>
        </message>
        <message>
            <source>USB play</source>
            <translation>USB play</translation>
        </message>
        <message>
            <source>panels</source>
            <translation>panels</translation>
        </message>
        <message>
            <source>windows</source>
            <translation>windows</translation>
        </message>
        <message>
            <source>input crops</source>
            <translation>input crops</translation>
        </message>
        <message>
            <source>input signals</source>
            <translation>input signals</translation>
        </message>
        <message>
            <source>image quality read</source>
            <translation>image quality read</translation>
        </message>
        <message>
            <source>presets</source>
            <translation>presets</translation>
        </message>
        <message>
            <source>templates</source>
            <translation>templates</translation>
        </message>
        <message>
            <source>mosaic read</source>
            <translation>mosaic read</translation>
        </message>
        <message>
            <source>timed tasks</source>
            <translation>timed tasks</translation>
        </message>
        <message>
            <source>EDID read</source>
            <translation>EDID read</translation>
        </message>
        <message>
            <source>chroma keys</source>
            <translation>chroma keys</translation>
        </message>
        <message>
            <source>borders</source>
            <translation>borders</translation>
        </message>
        <message>
            <source>output enhance read</source>
            <translation>output enhance read</translation>
        </message>
        <message>
            <source>other settings</source>
            <translation>other settings</translation>
        </message>
        <message>
            <source>read all</source>
            <translation>read all</translation>
        </message>
        <message>
            <source>output update</source>
            <translation>output update</translation>
        </message>
        <message>
            <source>firmware upgrade</source>
            <translation>firmware upgrade</translation>
        </message>
        <message>
            <source>link</source>
            <translation>link</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Time</translation>
        </message>
        <message>
            <source>Event</source>
            <translation>Event</translation>
        </message>
        <message>
            <source>Direction</source>
            <translation>Direction</translation>
        </message>
        <message>
            <source>Command</source>
            <translation>Command</translation>
        </message>
        <message>
            <source>Sub-command</source>
            <translation>Sub-command</translation>
        </message>
        <message>
            <source>Length</source>
            <translation>Length</translation>
        </message>
        <message>
            <source>Frame</source>
            <translation>Frame</translation>
        </message>
        <message>
            <source>All commands</source>
            <translation>All commands</translation>
        </message>
        <message>
            <source>search / announcement</source>
            <translation>search / announcement</translation>
        </message>
        <message>
            <source>heartbeat</source>
            <translation>heartbeat</translation>
        </message>
        <message>
            <source>connection interrupted</source>
            <translation>connection interrupted</translation>
        </message>
        <message>
            <source>enter boot</source>
            <translation>enter boot</translation>
        </message>
        <message>
            <source>begin upgrade</source>
            <translation>begin upgrade</translation>
        </message>
        <message>
            <source>data block</source>
            <translation>data block</translation>
        </message>
        <message>
            <source>end upgrade</source>
            <translation>end upgrade</translation>
        </message>
        <message>
            <source>load template</source>
            <translation>load template</translation>
        </message>
        <message>
            <source>load preset</source>
            <translation>load preset</translation>
        </message>
        <message>
            <source>save preset</source>
            <translation>save preset</translation>
        </message>
        <message>
            <source>sent</source>
            <translation>sent</translation>
        </message>
        <message>
            <source>received</source>
            <translation>received</translation>
        </message>
        <message>
            <source>%1 frames</source>
            <translation>%1 frames</translation>
        </message>
        <message>
            <source>Resume</source>
            <translation>Resume</translation>
        </message>
        <message>
            <source>Save frames</source>
            <translation>Save frames</translation>
        </message>
        <message>
            <source>Text files (*.txt)</source>
            <translation>Text files (*.txt)</translation>
        </message>
        <message>
            <source>The file %1 cannot be written.</source>
            <translation>The file %1 cannot be written.</translation>
        </message>
    </context>
    <context>
        <name>DialogEDID</name>
        <message>
            <source>EDID Setting</source>
            <translation>EDID Setting</translation>
        </message>
        <message>
            <source>Input Selete</source>
            <translation>Input Selete</translation>
        </message>
        <message>
            <source>Resolution:</source>
            <translation>Resolution:</translation>
        </message>
        <message>
            <source>Width</source>
            <translation>Width</translation>
        </message>
        <message>
            <source>Height</source>
            <translation>Height</translation>
        </message>
        <message>
            <source>Frame Rate</source>
            <translation>Frame Rate</translation>
        </message>
        <message>
            <source>DVI Signal Mode</source>
            <translation>DVI Signal Mode</translation>
        </message>
        <message>
            <source>Reset All</source>
            <translation>Reset All</translation>
        </message>
        <message>
            <source>Apply</source>
            <translation>Apply</translation>
        </message>
        <message>
            <source>Input%1</source>
            <translation>Input%1</translation>
        </message>
        <message>
            <source>Custom</source>
            <translation>Custom</translation>
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
            <translation>DVI Audio Input</translation>
        </message>
        <message>
            <source>Analog</source>
            <translation>Analog</translation>
        </message>
        <message>
            <source>Digital</source>
            <translation>Digital</translation>
        </message>
        <message>
            <source>tips</source>
            <translation>tips</translation>
        </message>
        <message>
            <source>Reset All EDID Setting?</source>
            <translation>Reset All EDID Setting?</translation>
        </message>
    </context>
    <context>
        <name>DialogGWImageQuality</name>
        <message>
            <source>Image Quality</source>
            <translation>Image Quality</translation>
        </message>
        <message>
            <source>Window</source>
            <translation>Window</translation>
        </message>
        <message>
            <source>Brightness</source>
            <translation>Brightness</translation>
        </message>
        <message>
            <source>Contrast</source>
            <translation>Contrast</translation>
        </message>
        <message>
            <source>Saturation</source>
            <translation>Saturation</translation>
        </message>
        <message>
            <source>Color Offset and Gain</source>
            <translation>Color Offset and Gain</translation>
        </message>
        <message>
            <source>Red</source>
            <translation>Red</translation>
        </message>
        <message>
            <source>Green</source>
            <translation>Green</translation>
        </message>
        <message>
            <source>Blue</source>
            <translation>Blue</translation>
        </message>
        <message>
            <source>Red Gain</source>
            <translation>Red Gain</translation>
        </message>
        <message>
            <source>Green Gain</source>
            <translation>Green Gain</translation>
        </message>
        <message>
            <source>Blue Gain</source>
            <translation>Blue Gain</translation>
        </message>
        <message>
            <source>Reset</source>
            <translation>Reset</translation>
        </message>
        <message>
            <source>tips</source>
            <translation>tips</translation>
        </message>
        <message>
            <source>Reset All Picture Params?</source>
            <translation>Reset All Picture Params?</translation>
        </message>
    </context>
    <context>
        <name>DialogGWPanel</name>
        <message>
            <source>Output Setting</source>
            <translation>Output Setting</translation>
        </message>
        <message>
            <source>Basic parameters</source>
            <translation>Basic parameters</translation>
        </message>
        <message>
            <source>Resolution</source>
            <translation>Resolution</translation>
        </message>
        <message>
            <source>Width</source>
            <translation>Width</translation>
        </message>
        <message>
            <source>Height</source>
            <translation>Height</translation>
        </message>
        <message>
            <source>Frame Rate</source>
            <translation>Frame Rate</translation>
        </message>
        <message>
            <source>Rows</source>
            <translation>Rows</translation>
        </message>
        <message>
            <source>Columns</source>
            <translation>Columns</translation>
        </message>
        <message>
            <source>Numbering Order</source>
            <translation>Numbering Order</translation>
        </message>
        <message>
            <source>First horizontal and then vertical</source>
            <translation>First horizontal and then vertical</translation>
        </message>
        <message>
            <source>First vertical and then horizontal</source>
            <translation>First vertical and then horizontal</translation>
        </message>
        <message>
            <source>Apply</source>
            <translation>Apply</translation>
        </message>
        <message>
            <source>Screen parameters</source>
            <translation>Screen parameters</translation>
        </message>
        <message>
            <source>Double clicking the table on the left and top can modify the screen parameters.</source>
            <translation>Double clicking the table on the left and top can modify the screen parameters.</translation>
        </message>
        <message>
            <source>Output mapping</source>
            <translation>Output mapping</translation>
        </message>
        <message>
            <source>Output Port</source>
            <translation>Output Port</translation>
        </message>
        <message>
            <source>Display Areas</source>
            <translation>Display Areas</translation>
        </message>
        <message>
            <source>
screen: %1 
h_width: %2 
v_height: %3 
</source>
            <translation>
screen: %1 
h_width: %2 
v_height: %3 
</translation>
        </message>
        <message>
            <source>custom</source>
            <translation>custom</translation>
        </message>
        <message>
            <source>Row and column cannot be greater than %1</source>
            <translation>Row and column cannot be greater than %1</translation>
        </message>
        <message>
            <source>Please enter a valid width of the screen.</source>
            <translation>Please enter a valid width of the screen.</translation>
        </message>
        <message>
            <source>Please enter a valid height of the screen.</source>
            <translation>Please enter a valid height of the screen.</translation>
        </message>
        <message>
            <source>The width of the screen can not be larger than the width of the resolution.</source>
            <translation>The width of the screen can not be larger than the width of the resolution.</translation>
        </message>
        <message>
            <source>The height of the screen can not be larger than the height of the resolution.</source>
            <translation>The height of the screen can not be larger than the height of the resolution.</translation>
        </message>
        <message>
            <source>Input Screen ID Error</source>
            <translation>Input Screen ID Error</translation>
        </message>
        <message>
            <source>tips</source>
            <translation>tips</translation>
        </message>
    </context>
    <context>
        <name>DialogImageQuality</name>
        <message>
            <source>Image Quality</source>
            <translation>Image Quality</translation>
        </message>
        <message>
            <source>Window</source>
            <translation>Window</translation>
        </message>
        <message>
            <source>Brightness</source>
            <translation>Brightness</translation>
        </message>
        <message>
            <source>Contrast</source>
            <translation>Contrast</translation>
        </message>
        <message>
            <source>Sharpness</source>
            <translation>Sharpness</translation>
        </message>
        <message>
            <source>Hue</source>
            <translation>Hue</translation>
        </message>
        <message>
            <source>Saturation</source>
            <translation>Saturation</translation>
        </message>
        <message>
            <source>Color Offset</source>
            <translation>Color Offset</translation>
        </message>
        <message>
            <source>Red</source>
            <translation>Red</translation>
        </message>
        <message>
            <source>Green</source>
            <translation>Green</translation>
        </message>
        <message>
            <source>Blue</source>
            <translation>Blue</translation>
        </message>
        <message>
            <source>Reset</source>
            <translation>Reset</translation>
        </message>
        <message>
            <source>tips</source>
            <translation>tips</translation>
        </message>
        <message>
            <source>Reset All Picture Params?</source>
            <translation>Reset All Picture Params?</translation>
        </message>
    </context>
    <context>
        <name>DialogKXImageQuality</name>
        <message>
            <source>Image Quality</source>
            <translation>Image Quality</translation>
        </message>
        <message>
            <source>Window</source>
            <translation>Window</translation>
        </message>
        <message>
            <source>Basic Setting</source>
            <translation>Basic Setting</translation>
        </message>
        <message>
            <source>Brightness</source>
            <translation>Brightness</translation>
        </message>
        <message>
            <source>Contrast</source>
            <translation>Contrast</translation>
        </message>
        <message>
            <source>Sharpness</source>
            <translation>Sharpness</translation>
        </message>
        <message>
            <source>Hue</source>
            <translation>Hue</translation>
        </message>
        <message>
            <source>Saturation</source>
            <translation>Saturation</translation>
        </message>
        <message>
            <source>Gamma</source>
            <translation>Gamma</translation>
        </message>
        <message>
            <source>Color Offset</source>
            <translation>Color Offset</translation>
        </message>
        <message>
            <source>Red</source>
            <translation>Red</translation>
        </message>
        <message>
            <source>Green</source>
            <translation>Green</translation>
        </message>
        <message>
            <source>Blue</source>
            <translation>Blue</translation>
        </message>
        <message>
            <source>Advanced Setting</source>
            <translation>Advanced Setting</translation>
        </message>
        <message>
            <source>Color Temp</source>
            <translation>Color Temp</translation>
        </message>
        <message>
            <source>Color Mode</source>
            <translation>Color Mode</translation>
        </message>
        <message>
            <source>RGBCMY Color Setting</source>
            <translation>RGBCMY Color Setting</translation>
        </message>
        <message>
            <source>Cyan</source>
            <translation>Cyan</translation>
        </message>
        <message>
            <source>Magenta</source>
            <translation>Magenta</translation>
        </message>
        <message>
            <source>Yellow</source>
            <translation>Yellow</translation>
        </message>
        <message>
            <source>Expert Setting</source>
            <translation>Expert Setting</translation>
        </message>
        <message>
            <source>Image Effects</source>
            <translation>Image Effects</translation>
        </message>
        <message>
            <source>Clear Vision</source>
            <translation>Clear Vision</translation>
        </message>
        <message>
            <source>Luminance</source>
            <translation>Luminance</translation>
        </message>
        <message>
            <source>Skin Tone</source>
            <translation>Skin Tone</translation>
        </message>
        <message>
            <source>Gaussian Blur</source>
            <translation>Gaussian Blur</translation>
        </message>
        <message>
            <source>Color Gamut</source>
            <translation>Color Gamut</translation>
        </message>
        <message>
            <source>Input Color Range</source>
            <translation>Input Color Range</translation>
        </message>
        <message>
            <source>Input Color Format</source>
            <translation>Input Color Format</translation>
        </message>
        <message>
            <source>Window Color Format</source>
            <translation>Window Color Format</translation>
        </message>
        <message>
            <source>Reset</source>
            <translation>Reset</translation>
        </message>
        <message>
            <source>Standard</source>
            <translation>Standard</translation>
        </message>
        <message>
            <source>Cool</source>
            <translation>Cool</translation>
        </message>
        <message>
            <source>Warm</source>
            <translation>Warm</translation>
        </message>
        <message>
            <source>User</source>
            <translation>User</translation>
        </message>
        <message>
            <source>Vivid</source>
            <translation>Vivid</translation>
        </message>
        <message>
            <source>Game</source>
            <translation>Game</translation>
        </message>
        <message>
            <source>Movie</source>
            <translation>Movie</translation>
        </message>
        <message>
            <source>RGBCMY Brightness</source>
            <translation>RGBCMY Brightness</translation>
        </message>
        <message>
            <source>RGBCMY Saturation</source>
            <translation>RGBCMY Saturation</translation>
        </message>
        <message>
            <source>RGBCMY Hue</source>
            <translation>RGBCMY Hue</translation>
        </message>
        <message>
            <source>Off</source>
            <translation>Off</translation>
        </message>
        <message>
            <source>Weak</source>
            <translation>Weak</translation>
        </message>
        <message>
            <source>Medium</source>
            <translation>Medium</translation>
        </message>
        <message>
            <source>Strong</source>
            <translation>Strong</translation>
        </message>
        <message>
            <source>Auto</source>
            <translation>Auto</translation>
        </message>
        <message>
            <source>Full</source>
            <translation>Full</translation>
        </message>
        <message>
            <source>Limit</source>
            <translation>Limit</translation>
        </message>
        <message>
            <source>All window</source>
            <translation>All window</translation>
        </message>
        <message>
            <source>window %1</source>
            <translation>window %1</translation>
        </message>
        <message>
            <source>tips</source>
            <translation>tips</translation>
        </message>
        <message>
            <source>Reset All Picture Params?</source>
            <translation>Reset All Picture Params?</translation>
        </message>
    </context>
    <context>
        <name>DialogMosaic</name>
        <message>
            <source>Mosaic</source>
            <translation>Mosaic</translation>
        </message>
        <message>
            <source>Mosaic OnOff</source>
            <translation>Mosaic OnOff</translation>
        </message>
        <message>
            <source>Mosaic Mode</source>
            <translation>Mosaic Mode</translation>
        </message>
        <message>
            <source>QComboBox#combo_mosaicMode{min-width:108px;}</source>
            <translation>QComboBox#combo_mosaicMode{min-width:108px;}</translation>
        </message>
        <message>
            <source>Equal</source>
            <translation>Equal</translation>
        </message>
        <message>
            <source>Unequal</source>
            <translation>Unequal</translation>
        </message>
        <message>
            <source>Mosaic Params</source>
            <translation>Mosaic Params</translation>
        </message>
        <message>
            <source>H Units</source>
            <translation>H Units</translation>
        </message>
        <message>
            <source>V Units</source>
            <translation>V Units</translation>
        </message>
        <message>
            <source>Position</source>
            <translation>Position</translation>
        </message>
        <message>
            <source>H Total</source>
            <translation>H Total</translation>
        </message>
        <message>
            <source>V Total</source>
            <translation>V Total</translation>
        </message>
        <message>
            <source>H Start</source>
            <translation>H Start</translation>
        </message>
        <message>
            <source>V Start</source>
            <translation>V Start</translation>
        </message>
        <message>
            <source>Mosaic Tune</source>
            <translation>Mosaic Tune</translation>
        </message>
        <message>
            <source>H Start Tune</source>
            <translation>H Start Tune</translation>
        </message>
        <message>
            <source>V Start Tune</source>
            <translation>V Start Tune</translation>
        </message>
        <message>
            <source>Width Tune</source>
            <translation>Width Tune</translation>
        </message>
        <message>
            <source>Height Tune</source>
            <translation>Height Tune</translation>
        </message>
        <message>
            <source>Apply</source>
            <translation>Apply</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Close</translation>
        </message>
        <message>
            <source>window %1</source>
            <translation>window %1</translation>
        </message>
    </context>
    <context>
        <name>DialogMultiMachine</name>
        <message>
            <source>MultiMachine</source>
            <translation>MultiMachine</translation>
        </message>
        <message>
            <source>Model</source>
            <translation>Model</translation>
        </message>
        <message>
            <source>Connection</source>
            <translation>Connection</translation>
        </message>
        <message>
            <source>Version</source>
            <translation>Version</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>Name</translation>
        </message>
        <message>
            <source>Select</source>
            <translation>Select</translation>
        </message>
        <message>
            <source>Preset</source>
            <translation>Preset</translation>
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
            <translation>Load Preset</translation>
        </message>
        <message>
            <source>usb</source>
            <translation>usb</translation>
        </message>
        <message>
            <source>network</source>
            <translation>network</translation>
        </message>
        <message>
            <source>tips</source>
            <translation>tips</translation>
        </message>
        <message>
            <source>Please select a device</source>
            <translation>Please select a device</translation>
        </message>
        <message>
            <source>Please select a preset</source>
            <translation>Please select a preset</translation>
        </message>
        <message>
            <source>Sending...</source>
            <translation>Sending...</translation>
        </message>
        <message>
            <source>Send completed...</source>
            <translation>Send completed...</translation>
        </message>
    </context>
    <context>
        <name>DialogOutputSetting</name>
        <message>
            <source>Output Setting</source>
            <translation>Output Setting</translation>
        </message>
        <message>
            <source>Resolution Setting</source>
            <translation>Resolution Setting</translation>
        </message>
        <message>
            <source>Output Resolution</source>
            <translation>Output Resolution</translation>
        </message>
        <message>
            <source>Output 1</source>
            <translation>Output 1</translation>
        </message>
        <message>
            <source>h_width</source>
            <translation>h_width</translation>
        </message>
        <message>
            <source>v_height</source>
            <translation>v_height</translation>
        </message>
        <message>
            <source>frames</source>
            <translation>frames</translation>
        </message>
        <message>
            <source>Output 2</source>
            <translation>Output 2</translation>
        </message>
        <message>
            <source>Apply</source>
            <translation>Apply</translation>
        </message>
        <message>
            <source>Output</source>
            <translation>Output</translation>
        </message>
        <message>
            <source>Output mode:</source>
            <translation>Output mode:</translation>
        </message>
        <message>
            <source>Output 1, 2 exchange</source>
            <translation>Output 1, 2 exchange</translation>
        </message>
        <message>
            <source>Other Setting</source>
            <translation>Other Setting</translation>
        </message>
        <message>
            <source>Background Color</source>
            <translation>Background Color</translation>
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
            <translation>Border Setting</translation>
        </message>
        <message>
            <source>Border Onoff</source>
            <translation>Border Onoff</translation>
        </message>
        <message>
            <source>Output Select</source>
            <translation>Output Select</translation>
        </message>
        <message>
            <source>h_start</source>
            <translation>h_start</translation>
        </message>
        <message>
            <source>v_start</source>
            <translation>v_start</translation>
        </message>
        <message>
            <source>thickness</source>
            <translation>thickness</translation>
        </message>
        <message>
            <source>Color:</source>
            <translation>Color:</translation>
        </message>
        <message>
            <source>Output Enhance</source>
            <translation>Output Enhance</translation>
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
            <translation>Splicing mode</translation>
        </message>
        <message>
            <source>Replication mode</source>
            <translation>Replication mode</translation>
        </message>
        <message>
            <source>custom</source>
            <translation>custom</translation>
        </message>
        <message>
            <source>Window Select</source>
            <translation>Window Select</translation>
        </message>
        <message>
            <source>DVI2</source>
            <translation>DVI2</translation>
        </message>
        <message>
            <source>window %1</source>
            <translation>window %1</translation>
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
            <translation>Remote control</translation>
        </message>
        <message>
            <source>Serve remote control over OSC and HTTP</source>
            <translation>Serve remote control over OSC and HTTP</translation>
        </message>
        <message>
            <source>Bind address</source>
            <translation>Bind address</translation>
        </message>
        <message>
            <source>OSC port (UDP)</source>
            <translation>OSC port (UDP)</translation>
        </message>
        <message>
            <source>off</source>
            <translation>off</translation>
        </message>
        <message>
            <source>HTTP port (TCP)</source>
            <translation>HTTP port (TCP)</translation>
        </message>
        <message>
            <source>Token</source>
            <translation>Token</translation>
        </message>
        <message>
            <source>Generate</source>
            <translation>Generate</translation>
        </message>
        <message>
            <source>OSC senders</source>
            <translation>OSC senders</translation>
        </message>
        <message>
            <source>Addresses or subnets, separated by commas, e.g. 192.168.1.20, 192.168.1.0/24</source>
            <translation>Addresses or subnets, separated by commas, e.g. 192.168.1.20, 192.168.1.0/24</translation>
        </message>
        <message>
            <source>none: OSC from this computer only</source>
            <translation>none: OSC from this computer only</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>Only programs on this computer can connect.</source>
            <translation>Only programs on this computer can connect.</translation>
        </message>
        <message>
            <source>Other computers can connect over HTTP with the token. No OSC sender is listed, so OSC messages are taken from this computer only.</source>
            <translation>Other computers can connect over HTTP with the token. No OSC sender is listed, so OSC messages are taken from this computer only.</translation>
        </message>
        <message>
            <source>Other computers can connect: over HTTP with the token, over OSC from the senders listed.</source>
            <translation>Other computers can connect: over HTTP with the token, over OSC from the senders listed.</translation>
        </message>
        <message>
            <source>Not running</source>
            <translation>Not running</translation>
        </message>
        <message>
            <source>Running on %1: OSC port %2, HTTP port %3</source>
            <translation>Running on %1: OSC port %2, HTTP port %3</translation>
        </message>
        <message>
            <source>Not running: %1</source>
            <translation>Not running: %1</translation>
        </message>
        <message>
            <source>The servers could not start: %1</source>
            <translation>The servers could not start: %1</translation>
        </message>
    </context>
    <context>
        <name>DialogSearch</name>
        <message>
            <source>Search Device</source>
            <translation>Search Device</translation>
        </message>
        <message>
            <source>current device:</source>
            <translation>current device:</translation>
        </message>
        <message>
            <source>Not Find Device!</source>
            <translation>Not Find Device!</translation>
        </message>
        <message>
            <source>device list</source>
            <translation>device list</translation>
        </message>
        <message>
            <source>Serial port:</source>
            <translation>Serial port:</translation>
        </message>
        <message>
            <source>A serial port the system does not list, e.g. /dev/pts/3</source>
            <translation>A serial port the system does not list, e.g. /dev/pts/3</translation>
        </message>
        <message>
            <source>Add</source>
            <translation>Add</translation>
        </message>
        <message>
            <source>Search</source>
            <translation>Search</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Type</source>
            <translation>Type</translation>
        </message>
        <message>
            <source>Connect</source>
            <translation>Connect</translation>
        </message>
        <message>
            <source> Version </source>
            <translation> Version </translation>
        </message>
        <message>
            <source>Name</source>
            <translation>Name</translation>
        </message>
        <message>
            <source>cpuid</source>
            <translation>cpuid</translation>
        </message>
        <message>
            <source>usb</source>
            <translation>usb</translation>
        </message>
        <message>
            <source>network</source>
            <translation>network</translation>
        </message>
        <message>
            <source>tips</source>
            <translation>tips</translation>
        </message>
        <message>
            <source>The input is too long!</source>
            <translation>The input is too long!</translation>
        </message>
        <message>
            <source>The device network port has been taken up!</source>
            <translation>The device network port has been taken up!</translation>
        </message>
        <message>
            <source>Address:</source>
            <translation>Address:</translation>
        </message>
        <message>
            <source>A device address or host name that broadcasts do not reach, e.g. 10.1.2.3</source>
            <translation>A device address or host name that broadcasts do not reach, e.g. 10.1.2.3</translation>
        </message>
        <message>
            <source>No connection manager: %1 is not asked.</source>
            <translation>No connection manager: %1 is not asked.</translation>
        </message>
        <message>
            <source>Asking %1 ...</source>
            <translation>Asking %1 ...</translation>
        </message>
    </context>
    <context>
        <name>DialogTestPicCard</name>
        <message>
            <source>TestPicCard</source>
            <translation>TestPicCard</translation>
        </message>
        <message>
            <source>Test Pic Card</source>
            <translation>Test Pic Card</translation>
        </message>
        <message>
            <source>Please connect the DVI input signal</source>
            <translation>Please connect the DVI input signal</translation>
        </message>
    </context>
    <context>
        <name>DialogTimeTake</name>
        <message>
            <source>Task</source>
            <translation>Task</translation>
        </message>
        <message>
            <source>Run Setup</source>
            <translation>Run Setup</translation>
        </message>
        <message>
            <source>Task Run</source>
            <translation>Task Run</translation>
        </message>
        <message>
            <source>System Time</source>
            <translation>System Time</translation>
        </message>
        <message>
            <source>yyyy/MM/dd HH:mm:ss</source>
            <translation>yyyy/MM/dd HH:mm:ss</translation>
        </message>
        <message>
            <source>Use Computer Time</source>
            <translation>Use Computer Time</translation>
        </message>
        <message>
            <source>Apply</source>
            <translation>Apply</translation>
        </message>
        <message>
            <source>Task Setting</source>
            <translation>Task Setting</translation>
        </message>
        <message>
            <source>Trigger Data</source>
            <translation>Trigger Data</translation>
        </message>
        <message>
            <source>yyyy/MM/dd</source>
            <translation>yyyy/MM/dd</translation>
        </message>
        <message>
            <source>Trigger Time</source>
            <translation>Trigger Time</translation>
        </message>
        <message>
            <source>HH:mm:ss</source>
            <translation>HH:mm:ss</translation>
        </message>
        <message>
            <source>Task Type</source>
            <translation>Task Type</translation>
        </message>
        <message>
            <source>Only Once</source>
            <translation>Only Once</translation>
        </message>
        <message>
            <source>Every Day</source>
            <translation>Every Day</translation>
        </message>
        <message>
            <source>Cycle a day</source>
            <translation>Cycle a day</translation>
        </message>
        <message>
            <source>Cycle Daily</source>
            <translation>Cycle Daily</translation>
        </message>
        <message>
            <source>Cycle List</source>
            <translation>Cycle List</translation>
        </message>
        <message>
            <source>Load Target</source>
            <translation>Load Target</translation>
        </message>
        <message>
            <source>Standby</source>
            <translation>Standby</translation>
        </message>
        <message>
            <source>Wakeup</source>
            <translation>Wakeup</translation>
        </message>
        <message>
            <source>Preset 1</source>
            <translation>Preset 1</translation>
        </message>
        <message>
            <source>Preset 2</source>
            <translation>Preset 2</translation>
        </message>
        <message>
            <source>Preset 3</source>
            <translation>Preset 3</translation>
        </message>
        <message>
            <source>Preset 4</source>
            <translation>Preset 4</translation>
        </message>
        <message>
            <source>Preset 5</source>
            <translation>Preset 5</translation>
        </message>
        <message>
            <source>Preset 6</source>
            <translation>Preset 6</translation>
        </message>
        <message>
            <source>Preset 7</source>
            <translation>Preset 7</translation>
        </message>
        <message>
            <source>Preset 8</source>
            <translation>Preset 8</translation>
        </message>
        <message>
            <source>Preset 9</source>
            <translation>Preset 9</translation>
        </message>
        <message>
            <source>Preset 10</source>
            <translation>Preset 10</translation>
        </message>
        <message>
            <source>Time Interval</source>
            <translation>Time Interval</translation>
        </message>
        <message>
            <source> min</source>
            <translation> min</translation>
        </message>
        <message>
            <source>Time Total</source>
            <translation>Time Total</translation>
        </message>
        <message>
            <source>Preset %1</source>
            <translation>Preset %1</translation>
        </message>
    </context>
    <context>
        <name>DialogUpgrade</name>
        <message>
            <source>Upgrade</source>
            <translation>Upgrade</translation>
        </message>
        <message>
            <source>Open File</source>
            <translation>Open File</translation>
        </message>
        <message>
            <source>Upgrade file type: output card firmware</source>
            <translation>Upgrade file type: output card firmware</translation>
        </message>
        <message>
            <source>Upgrade file type: input card firmware</source>
            <translation>Upgrade file type: input card firmware</translation>
        </message>
        <message>
            <source>Upgrade file type: host firmware</source>
            <translation>Upgrade file type: host firmware</translation>
        </message>
        <message>
            <source>Upgrade file type: unknown, not upgraded</source>
            <translation>Upgrade file type: unknown, not upgraded</translation>
        </message>
        <message>
            <source>Please select the upgrade file</source>
            <translation>Please select the upgrade file</translation>
        </message>
        <message>
            <source>The upgrade file open faild</source>
            <translation>The upgrade file open faild</translation>
        </message>
        <message>
            <source>The upgrade file could not be read completely, not upgraded</source>
            <translation>The upgrade file could not be read completely, not upgraded</translation>
        </message>
        <message>
            <source>The upgrade file is too large, not upgraded</source>
            <translation>The upgrade file is too large, not upgraded</translation>
        </message>
        <message>
            <source>Ready to enter the Boot mode...</source>
            <translation>Ready to enter the Boot mode...</translation>
        </message>
        <message>
            <source>Already into the Boot mode... Start packing up the upgrade data</source>
            <translation>Already into the Boot mode... Start packing up the upgrade data</translation>
        </message>
        <message>
            <source>Upgrade file package failure...</source>
            <translation>Upgrade file package failure...</translation>
        </message>
        <message>
            <source>Upgrade data package finished... Ready to send upgrades</source>
            <translation>Upgrade data package finished... Ready to send upgrades</translation>
        </message>
        <message>
            <source>Start sending firmware upgrades...</source>
            <translation>Start sending firmware upgrades...</translation>
        </message>
        <message>
            <source>Firmware upgrade failure...</source>
            <translation>Firmware upgrade failure...</translation>
        </message>
        <message>
            <source>The firmware upgrade data is sent out...</source>
            <translation>The firmware upgrade data is sent out...</translation>
        </message>
        <message>
            <source>Firmware upgrades: success</source>
            <translation>Firmware upgrades: success</translation>
        </message>
        <message>
            <source>Firmware upgrades: failure</source>
            <translation>Firmware upgrades: failure</translation>
        </message>
        <message>
            <source>tips</source>
            <translation>tips</translation>
        </message>
        <message>
            <source>Device is being upgraded, Do you want exit?</source>
            <translation>Device is being upgraded, Do you want exit?</translation>
        </message>
    </context>
    <context>
        <name>DialogUsbPlay</name>
        <message>
            <source>USB Play</source>
            <translation>USB Play</translation>
        </message>
        <message>
            <source>Working mode</source>
            <translation>Working mode</translation>
        </message>
        <message>
            <source>Local Mode</source>
            <translation>Local Mode</translation>
        </message>
        <message>
            <source>Remote Mode</source>
            <translation>Remote Mode</translation>
        </message>
        <message>
            <source>Wifi Hotspot</source>
            <translation>Wifi Hotspot</translation>
        </message>
        <message>
            <source>Wireless Display</source>
            <translation>Wireless Display</translation>
        </message>
    </context>
    <context>
        <name>ImageQualityStore</name>
        <message>
            <source>All window</source>
            <translation>All window</translation>
        </message>
        <message>
            <source>window %1</source>
            <translation>window %1</translation>
        </message>
    </context>
    <context>
        <name>KS9200Interface</name>
        <message>
            <source>Operation conflict</source>
            <translation>Operation conflict</translation>
        </message>
    </context>
    <context>
        <name>MainWindow</name>
        <message>
            <source>Test Device</source>
            <translation>Test Device</translation>
        </message>
        <message>
            <source>tips</source>
            <translation>tips</translation>
        </message>
        <message>
            <source>The serial port %1 does not exist.</source>
            <translation>The serial port %1 does not exist.</translation>
        </message>
        <message>
            <source>Please connect to the device first!</source>
            <translation>Please connect to the device first!</translation>
        </message>
        <message>
            <source>Device Not Connect!</source>
            <translation>Device Not Connect!</translation>
        </message>
        <message>
            <source>Connect interrupt</source>
            <translation>Connect interrupt</translation>
        </message>
        <message>
            <source>Connection abnormal: %1</source>
            <translation>Connection abnormal: %1</translation>
        </message>
        <message>
            <source>Please select a window</source>
            <translation>Please select a window</translation>
        </message>
        <message>
            <source>Does not support this feature!</source>
            <translation>Does not support this feature!</translation>
        </message>
        <message>
            <source>Factory Reset ?</source>
            <translation>Factory Reset ?</translation>
        </message>
        <message>
            <source>Input conflict</source>
            <translation>Input conflict</translation>
        </message>
        <message>
            <source>Output card change is detected, so factory settings must be restored.</source>
            <translation>Output card change is detected, so factory settings must be restored.</translation>
        </message>
        <message>
            <source>in use by another computer</source>
            <translation>in use by another computer</translation>
        </message>
        <message>
            <source>offline for %1</source>
            <translation>offline for %1</translation>
        </message>
        <message>
            <source>offline</source>
            <translation>offline</translation>
        </message>
        <message>
            <source>reconnecting</source>
            <translation>reconnecting</translation>
        </message>
        <message>
            <source>Open configuration</source>
            <translation>Open configuration</translation>
        </message>
        <message>
            <source>Configuration files (*.json)</source>
            <translation>Configuration files (*.json)</translation>
        </message>
        <message>
            <source>%1 cannot be opened: %2</source>
            <translation>%1 cannot be opened: %2</translation>
        </message>
        <message>
            <source>The file holds no device.</source>
            <translation>The file holds no device.</translation>
        </message>
        <message>
            <source>file %1</source>
            <translation>file %1</translation>
        </message>
        <message>
            <source>Configuration file %1: nothing is sent from this tab.</source>
            <translation>Configuration file %1: nothing is sent from this tab.</translation>
        </message>
        <message>
            <source>%1 (configuration file %2, not a device)</source>
            <translation>%1 (configuration file %2, not a device)</translation>
        </message>
        <message>
            <source>This tab shows a configuration file, not a device: nothing is sent from it. Use "Restore to…" in the main menu to restore it to a device.</source>
            <translation>This tab shows a configuration file, not a device: nothing is sent from it. Use "Restore to…" in the main menu to restore it to a device.</translation>
        </message>
    </context>
    <context>
        <name>QObject</name>
        <message>
            <source>Video processor control</source>
            <translation>Video processor control</translation>
        </message>
        <message>
            <source>Also open PATH in every serial search (repeatable), e.g. a pseudo-terminal.</source>
            <translation>Also open PATH in every serial search (repeatable), e.g. a pseudo-terminal.</translation>
        </message>
        <message>
            <source>tips</source>
            <translation>tips</translation>
        </message>
        <message>
            <source>Also ask HOST (an address or a name, repeatable) in every network search, for devices that broadcasts do not reach.</source>
            <translation>Also ask HOST (an address or a name, repeatable) in every network search, for devices that broadcasts do not reach.</translation>
        </message>
    </context>
    <context>
        <name>RemoteControl</name>
        <message>
            <source>Cannot listen for HTTP on %1 port %2</source>
            <translation>Cannot listen for HTTP on %1 port %2</translation>
        </message>
        <message>
            <source>Cannot listen for OSC on %1 port %2: %3</source>
            <translation>Cannot listen for OSC on %1 port %2: %3</translation>
        </message>
        <message>
            <source>Remote control stopped</source>
            <translation>Remote control stopped</translation>
        </message>
        <message>
            <source>Remote control could not start: %1</source>
            <translation>Remote control could not start: %1</translation>
        </message>
        <message>
            <source>Remote control listening on %1: OSC port %2, HTTP port %3</source>
            <translation>Remote control listening on %1: OSC port %2, HTTP port %3</translation>
        </message>
        <message>
            <source>off</source>
            <translation>off</translation>
        </message>
        <message>
            <source>Remote control: refused %1 from %2: %3</source>
            <translation>Remote control: refused %1 from %2: %3</translation>
        </message>
        <message numerus="yes">
            <source> (%n more refusal(s) of this client not logged)</source>
            <translation>
                <numerusform> (%n more refusal(s) of this client not logged)</numerusform>
                <numerusform> (%n more refusal(s) of this client not logged)</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>RemoteSettings</name>
        <message>
            <source>The bind address "%1" is not an IP address.</source>
            <translation>The bind address "%1" is not an IP address.</translation>
        </message>
        <message>
            <source>Neither an OSC port nor an HTTP port is set.</source>
            <translation>Neither an OSC port nor an HTTP port is set.</translation>
        </message>
        <message>
            <source>Listening on %1 needs a token of at least %2 characters.</source>
            <translation>Listening on %1 needs a token of at least %2 characters.</translation>
        </message>
        <message>
            <source>The token must not contain blanks.</source>
            <translation>The token must not contain blanks.</translation>
        </message>
        <message>
            <source>The OSC sender "%1" is not an address or a subnet.</source>
            <translation>The OSC sender "%1" is not an address or a subnet.</translation>
        </message>
    </context>
    <context>
        <name>RestorePlan</name>
        <message>
            <source>Set %1 to %2</source>
            <translation>Set %1 to %2</translation>
        </message>
        <message>
            <source>Load template %1 for a layout of %2 windows</source>
            <translation>Load template %1 for a layout of %2 windows</translation>
        </message>
        <message>
            <source>Load preset %1 for a layout of %2 windows</source>
            <translation>Load preset %1 for a layout of %2 windows</translation>
        </message>
        <message>
            <source>Set window %1 geometry to %2x%3 at %4,%5 (%6)</source>
            <translation>Set window %1 geometry to %2x%3 at %4,%5 (%6)</translation>
        </message>
        <message>
            <source>the layout of %1 windows could not be put back afterwards</source>
            <translation>the layout of %1 windows could not be put back afterwards</translation>
        </message>
        <message>
            <source>nothing gives a layout of %1 windows</source>
            <translation>nothing gives a layout of %1 windows</translation>
        </message>
        <message>
            <source>preset %1</source>
            <translation>preset %1</translation>
        </message>
        <message>
            <source>Save the wall as preset %1</source>
            <translation>Save the wall as preset %1</translation>
        </message>
        <message>
            <source>live layout put back</source>
            <translation>live layout put back</translation>
        </message>
        <message>
            <source>Put window %1 back on %2, transparency %3</source>
            <translation>Put window %1 back on %2, transparency %3</translation>
        </message>
        <message>
            <source>window %1</source>
            <translation>window %1</translation>
        </message>
        <message>
            <source>Set window %1 transparency to %2</source>
            <translation>Set window %1 transparency to %2</translation>
        </message>
        <message>
            <source>Switch window %1 to %2</source>
            <translation>Switch window %1 to %2</translation>
        </message>
        <message>
            <source>Set window %1 rotation to %2</source>
            <translation>Set window %1 rotation to %2</translation>
        </message>
        <message>
            <source>Set window %1 input crop to %2</source>
            <translation>Set window %1 input crop to %2</translation>
        </message>
        <message>
            <source>Set area %1 to %2x%3 at %4,%5</source>
            <translation>Set area %1 to %2x%3 at %4,%5</translation>
        </message>
        <message>
            <source>Lay out preset %1 on the wall (%2 windows)</source>
            <translation>Lay out preset %1 on the wall (%2 windows)</translation>
        </message>
        <message>
            <source>Put the live layout back (%1 windows)</source>
            <translation>Put the live layout back (%1 windows)</translation>
        </message>
        <message>
            <source>Close the windows the file does not have</source>
            <translation>Close the windows the file does not have</translation>
        </message>
        <message>
            <source>Close window %1</source>
            <translation>Close window %1</translation>
        </message>
        <message>
            <source>Place window %1 at %2x%3 at %4,%5, layer %6</source>
            <translation>Place window %1 at %2x%3 at %4,%5, layer %6</translation>
        </message>
        <message>
            <source>Switch window %1 to Input%2</source>
            <translation>Switch window %1 to Input%2</translation>
        </message>
        <message>
            <source>Set window %1 input crop</source>
            <translation>Set window %1 input crop</translation>
        </message>
        <message>
            <source>Set window %1 picture item %2 to %3</source>
            <translation>Set window %1 picture item %2 to %3</translation>
        </message>
        <message>
            <source>A %1 configuration cannot be restored to a %2: the device must be of the same family.</source>
            <translation>A %1 configuration cannot be restored to a %2: the device must be of the same family.</translation>
        </message>
        <message>
            <source>Restoring a preset lays its windows out on the wall and stores them, so the wall shows each restored preset for a moment; the live layout is put back afterwards.</source>
            <translation>Restoring a preset lays its windows out on the wall and stores them, so the wall shows each restored preset for a moment; the live layout is put back afterwards.</translation>
        </message>
    </context>
    <context>
        <name>RestoreRunner</name>
        <message>
            <source>done</source>
            <translation>done</translation>
        </message>
        <message>
            <source>partly applied</source>
            <translation>partly applied</translation>
        </message>
        <message>
            <source>failed</source>
            <translation>failed</translation>
        </message>
        <message>
            <source>cancelled</source>
            <translation>cancelled</translation>
        </message>
        <message>
            <source>There is no group "%1"; the groups are: %2.</source>
            <translation>There is no group "%1"; the groups are: %2.</translation>
        </message>
        <message>
            <source>%1 is not online: nothing was sent.</source>
            <translation>%1 is not online: nothing was sent.</translation>
        </message>
        <message>
            <source>%1 Nothing was sent.</source>
            <translation>%1 Nothing was sent.</translation>
        </message>
        <message>
            <source>%1 is not online.</source>
            <translation>%1 is not online.</translation>
        </message>
        <message>
            <source>The restore was cancelled before anything was sent.</source>
            <translation>The restore was cancelled before anything was sent.</translation>
        </message>
        <message>
            <source>The restore was cancelled after %1 of %2 steps.</source>
            <translation>The restore was cancelled after %1 of %2 steps.</translation>
        </message>
        <message>
            <source>step %1 of %2 (%3)</source>
            <translation>step %1 of %2 (%3)</translation>
        </message>
        <message>
            <source>%1 refused %2.</source>
            <translation>%1 refused %2.</translation>
        </message>
        <message>
            <source>%1 did not answer %2 in time.</source>
            <translation>%1 did not answer %2 in time.</translation>
        </message>
        <message>
            <source>The link to %1 was lost at %2.</source>
            <translation>The link to %1 was lost at %2.</translation>
        </message>
        <message>
            <source>%1 was not online for %2.</source>
            <translation>%1 was not online for %2.</translation>
        </message>
        <message>
            <source>Every step was acknowledged, but %1 could not be read back to verify them: %2</source>
            <translation>Every step was acknowledged, but %1 could not be read back to verify them: %2</translation>
        </message>
        <message>
            <source>Every step was acknowledged, but %1 does not match the file after the restore (differences: %2).</source>
            <translation>Every step was acknowledged, but %1 does not match the file after the restore (differences: %2).</translation>
        </message>
        <message>
            <source>%1 already matches the file: nothing was sent.</source>
            <translation>%1 already matches the file: nothing was sent.</translation>
        </message>
        <message>
            <source>%1 restored: %2 steps applied and verified.</source>
            <translation>%1 restored: %2 steps applied and verified.</translation>
        </message>
    </context>
    <context>
        <name>SxDialogTitle</name>
        <message>
            <source>close</source>
            <translation>close</translation>
        </message>
    </context>
    <context>
        <name>SxGraphicsItem</name>
        <message>
            <source>window %1</source>
            <translation>window %1</translation>
        </message>
    </context>
    <context>
        <name>SxGraphicsView</name>
        <message>
            <source>preset %1</source>
            <translation>preset %1</translation>
        </message>
        <message>
            <source>attribute</source>
            <translation>attribute</translation>
        </message>
        <message>
            <source>maximize</source>
            <translation>maximize</translation>
        </message>
        <message>
            <source>save</source>
            <translation>save</translation>
        </message>
        <message>
            <source>window %1</source>
            <translation>window %1</translation>
        </message>
        <message>
            <source>input: [%1][%2]</source>
            <translation>input: [%1][%2]</translation>
        </message>
        <message>
            <source>unkown</source>
            <translation>unkown</translation>
        </message>
        <message>
            <source>Area: %1</source>
            <translation>Area: %1</translation>
        </message>
        <message>
            <source>Output: %1</source>
            <translation>Output: %1</translation>
        </message>
        <message>
            <source>input: [%1][%2x%3  %4Hz]</source>
            <translation>input: [%1][%2x%3  %4Hz]</translation>
        </message>
        <message>
            <source>error</source>
            <translation>error</translation>
        </message>
        <message>
            <source>The window number has reached the maximum, please delete a window first.</source>
            <translation>The window number has reached the maximum, please delete a window first.</translation>
        </message>
        <message>
            <source>Preset %1 has been saved. Replace it?</source>
            <translation>Preset %1 has been saved. Replace it?</translation>
        </message>
    </context>
    <context>
        <name>SxGraphicsViewGW</name>
        <message>
            <source>Add</source>
            <translation>Add</translation>
        </message>
        <message>
            <source>Remove</source>
            <translation>Remove</translation>
        </message>
        <message>
            <source>Remove all</source>
            <translation>Remove all</translation>
        </message>
        <message>
            <source>Fill</source>
            <translation>Fill</translation>
        </message>
        <message>
            <source>Fill all</source>
            <translation>Fill all</translation>
        </message>
        <message>
            <source>Area: %1</source>
            <translation>Area: %1</translation>
        </message>
        <message>
            <source>Output: %1</source>
            <translation>Output: %1</translation>
        </message>
        <message>
            <source>Are you sure remove all window?</source>
            <translation>Are you sure remove all window?</translation>
        </message>
    </context>
    <context>
        <name>SxGraphicsViewKS</name>
        <message>
            <source>Multi-machine Mosaic</source>
            <translation>Multi-machine Mosaic</translation>
        </message>
        <message>
            <source>Chroma Key</source>
            <translation>Chroma Key</translation>
        </message>
        <message>
            <source>image rotation</source>
            <translation>image rotation</translation>
        </message>
        <message>
            <source>OFF</source>
            <translation>OFF</translation>
        </message>
        <message>
            <source>H Flip</source>
            <translation>H Flip</translation>
        </message>
        <message>
            <source>V Flip</source>
            <translation>V Flip</translation>
        </message>
    </context>
    <context>
        <name>SxPreviewBox</name>
        <message>
            <source>Not Used</source>
            <translation>Not Used</translation>
        </message>
    </context>
    <context>
        <name>SxSignalBoxButton</name>
        <message>
            <source>tips</source>
            <translation>tips</translation>
        </message>
        <message>
            <source>All window are switch to input %1</source>
            <translation>All window are switch to input %1</translation>
        </message>
        <message>
            <source>Apply to all windows</source>
            <translation>Apply to all windows</translation>
        </message>
    </context>
    <context>
        <name>SxTabWidget</name>
        <message>
            <source>offline</source>
            <translation>offline</translation>
        </message>
    </context>
    <context>
        <name>SxTimeTaskButton</name>
        <message>
            <source>Only Once</source>
            <translation>Only Once</translation>
        </message>
        <message>
            <source>Every Day</source>
            <translation>Every Day</translation>
        </message>
        <message>
            <source>Cycle a day</source>
            <translation>Cycle a day</translation>
        </message>
        <message>
            <source>Cycle Daily</source>
            <translation>Cycle Daily</translation>
        </message>
        <message>
            <source>Run</source>
            <translation>Run</translation>
        </message>
        <message>
            <source>Stop</source>
            <translation>Stop</translation>
        </message>
        <message>
            <source>Task %1</source>
            <translation>Task %1</translation>
        </message>
    </context>
    <context>
        <name>SxTitleWidget</name>
        <message>
            <source>Search</source>
            <translation>Search</translation>
        </message>
        <message>
            <source>Sync</source>
            <translation>Sync</translation>
        </message>
        <message>
            <source>Output</source>
            <translation>Output</translation>
        </message>
        <message>
            <source>EDID</source>
            <translation>EDID</translation>
        </message>
        <message>
            <source>Audio</source>
            <translation>Audio</translation>
        </message>
        <message>
            <source>Image</source>
            <translation>Image</translation>
        </message>
        <message>
            <source>Test</source>
            <translation>Test</translation>
        </message>
        <message>
            <source>USB</source>
            <translation>USB</translation>
        </message>
        <message>
            <source>Upgrade</source>
            <translation>Upgrade</translation>
        </message>
        <message>
            <source>Factory</source>
            <translation>Factory</translation>
        </message>
        <message>
            <source>MultiMachine</source>
            <translation>MultiMachine</translation>
        </message>
        <message>
            <source>current device: %1</source>
            <translation>current device: %1</translation>
        </message>
        <message>
            <source>main menu</source>
            <translation>main menu</translation>
        </message>
        <message>
            <source>min</source>
            <translation>min</translation>
        </message>
        <message>
            <source>max</source>
            <translation>max</translation>
        </message>
        <message>
            <source>restore</source>
            <translation>restore</translation>
        </message>
        <message>
            <source>close</source>
            <translation>close</translation>
        </message>
        <message>
            <source>About</source>
            <translation>About</translation>
        </message>
        <message>
            <source>%1
Version %2</source>
            <translation>%1
Version %2</translation>
        </message>
        <message>
            <source>Diagnostics</source>
            <translation>Diagnostics</translation>
        </message>
        <message>
            <source>Reconnect automatically</source>
            <translation>Reconnect automatically</translation>
        </message>
        <message>
            <source>Save configuration…</source>
            <translation>Save configuration…</translation>
        </message>
        <message>
            <source>Restore configuration…</source>
            <translation>Restore configuration…</translation>
        </message>
        <message>
            <source>Open configuration…</source>
            <translation>Open configuration…</translation>
        </message>
        <message>
            <source>Restore to…</source>
            <translation>Restore to…</translation>
        </message>
        <message>
            <source>Remote control…</source>
            <translation>Remote control…</translation>
        </message>
    </context>
    <context>
        <name>WidgetInBottom</name>
        <message>
            <source>h_start</source>
            <translation>h_start</translation>
        </message>
        <message>
            <source>v_start</source>
            <translation>v_start</translation>
        </message>
        <message>
            <source>h_width</source>
            <translation>h_width</translation>
        </message>
        <message>
            <source>v_height</source>
            <translation>v_height</translation>
        </message>
        <message>
            <source>ok</source>
            <translation>ok</translation>
        </message>
        <message>
            <source>Online</source>
            <translation>Online</translation>
        </message>
        <message>
            <source>online</source>
            <translation>online</translation>
        </message>
        <message>
            <source>offline</source>
            <translation>offline</translation>
        </message>
    </context>
    <context>
        <name>WidgetInLeft</name>
        <message>
            <source>Signal Source</source>
            <translation>Signal Source</translation>
        </message>
        <message>
            <source>Time &amp;&amp; Task</source>
            <translation>Time &amp;&amp; Task</translation>
        </message>
        <message>
            <source>Load Template</source>
            <translation>Load Template</translation>
        </message>
        <message>
            <source>Load Preset</source>
            <translation>Load Preset</translation>
        </message>
        <message>
            <source>VGA Adjust</source>
            <translation>VGA Adjust</translation>
        </message>
        <message>
            <source>Auto Adjust</source>
            <translation>Auto Adjust</translation>
        </message>
        <message>
            <source>Switch Mode</source>
            <translation>Switch Mode</translation>
        </message>
        <message>
            <source>Cut</source>
            <translation>Cut</translation>
        </message>
        <message>
            <source>Fade</source>
            <translation>Fade</translation>
        </message>
        <message>
            <source>Fade Period</source>
            <translation>Fade Period</translation>
        </message>
        <message>
            <source>ADC Calibration</source>
            <translation>ADC Calibration</translation>
        </message>
        <message>
            <source>Calibration</source>
            <translation>Calibration</translation>
        </message>
        <message>
            <source>All Task Onoff</source>
            <translation>All Task Onoff</translation>
        </message>
        <message>
            <source>Input%1</source>
            <translation>Input%1</translation>
        </message>
        <message>
            <source>Task %1</source>
            <translation>Task %1</translation>
        </message>
        <message>
            <source>Preset %1</source>
            <translation>Preset %1</translation>
        </message>
        <message>
            <source>Template %1</source>
            <translation>Template %1</translation>
        </message>
    </context>
    <context>
        <name>WidgetInRight</name>
        <message>
            <source>pip</source>
            <translation>pip</translation>
        </message>
        <message>
            <source>freeze</source>
            <translation>freeze</translation>
        </message>
        <message>
            <source>fade</source>
            <translation>fade</translation>
        </message>
        <message>
            <source>local</source>
            <translation>local</translation>
        </message>
        <message>
            <source>black Screen</source>
            <translation>black Screen</translation>
        </message>
        <message>
            <source>frame sync</source>
            <translation>frame sync</translation>
        </message>
        <message>
            <source>lock window</source>
            <translation>lock window</translation>
        </message>
        <message>
            <source>horizontal</source>
            <translation>horizontal</translation>
        </message>
        <message>
            <source>vertical</source>
            <translation>vertical</translation>
        </message>
        <message>
            <source>tips</source>
            <translation>tips</translation>
        </message>
        <message>
            <source>Please select a window</source>
            <translation>Please select a window</translation>
        </message>
    </context>
</TS>
