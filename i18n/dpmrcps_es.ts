<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Field</name>
    <message>
        <source>Channel table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The main window&apos;s table: each row one channel&apos;s main settings, edited in place; the Channel edit dialog has them all.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*和# tone (ms)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10M</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1750 signal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1H</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2H</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>30M</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A DTMF code of up to 16 symbols 0-9, A-D, * and #: a channel sends the code of this number as its Analog call 1 or 2 (Channel edit &gt; Analog).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A beep when scanning ends.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A beep when scanning starts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A channel the radio keeps looking at while it scans, so that a call on it is not missed; None for no priority channel. The list offers the channels that hold a frequency.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A group code of up to 7 symbols 0-9, A-D, * and # (0x390). Only the bytes are known, not what the radio does with them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A tone when a digital call&apos;s link ends and the radio returns to its channel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A tone when a group call is received.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A tone when a received transmission ends (a roger beep on reception).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A tone when a single call (a call to this radio alone) is received.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A tone when the radio is switched off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A tone when the radio is switched on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A tone when the radio sends a call.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A warning tone before the radio shuts itself down.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A warning tone when the battery runs low.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ACK reply delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ACK reply times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ACK reply wait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AMBE+2C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ASELP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ASELP 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adjustable parameters: the factory levels of the radio&apos;s audio, modulation, receive and DTMF paths (数字: digital channels, 模拟: analog channels). Read them from the radio, change them only with measuring equipment, and write them back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After a time-out, the seconds the radio waits before it transmits again when PTT is pressed, 0 to 60.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm time (s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allocated:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow all call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow: after sending a DTMF call the radio waits for an answer for the Response wait time; Inhibit: it does not wait.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow: you hear the DTMF tones in the speaker while the radio sends them; Inhibit: they are sent silently.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analog alarm id code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analog call 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analog call 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analog channel width: Wide (25 kHz) or Narrow (12.5 kHz, as PMR446 uses). Radios that talk to each other need the same width.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analog signalling on this channel: Off, or DTMF (the analog calls and PTTID below).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analog: FM only. Digit: dPMR digital only. Mixed(Digit) and Mixed(Analog): the channel takes both kinds of call and transmits digital or analog respectively.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto contact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto reset time (s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic contact on this channel, the function set in Alarm &gt; Auto contact.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic contact: allow lets the radio check in by itself at regular times, with the Tx interval and Query interval below; prohibit switches it off. dPMR param &gt; Basic uses the same byte (0x378) for OACSU and Data type: this dialog writes it only when you change this control.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic contact: minutes between its queries, 1 to 10 (a value outside becomes 1). dPMR param &gt; Basic uses the same byte (0x37A) for ACK reply wait: this dialog writes it only when you change this control.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic contact: seconds between its transmissions, 10 to 60 in steps of 5 (a typed value is rounded down to a step; a value outside becomes 25). dPMR param &gt; Basic uses the same byte (0x379) for ACK reply delay: this dialog writes it only when you change this control.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic power off: the radio switches itself off after 10 or 30 minutes, 1 or 2 hours without use; Off never does.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backlight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Basic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Basic setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battery saving while the radio waits for a signal: Off, or a ratio from 1:1 to 1:12. A larger second number lets the receiver sleep longer, saving battery, but the start of a call may be missed. Default 1:10.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bit 0 of byte 0x31B, named Shock (a vibrating alert, by its name); kept as stored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bit 7 of byte 0x318; what the radio does with it is not known. The channel table sets this bit whenever it stores the channels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bit 7 of byte 0x31A; what the radio does with it is not known. The channel table sets this bit whenever it stores the channels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Both</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Busy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Busy channel lockout: Carrier keeps the radio from transmitting while a signal is on the channel; Off allows it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CTCSS signal gain: the level of the sub-audible CTCSS tone sent with analog transmissions. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CTCSS信号增益</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call link reset tone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call out tone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carrier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel 10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel 11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel 12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel 13</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel 14</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel 15</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel 16</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel 8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel 9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel no.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Codec type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cycle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DCS signal gain: the level of the DCS code sent with analog transmissions. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DCS信号增益</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DTMF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DTMF code sent at the end of a transmission (PTTID type Off line or Both), up to 16 symbols 0-9, A-D, * and #.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DTMF code sent at the start of a transmission (PTTID type On line or Both), up to 16 symbols 0-9, A-D, * and #.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DTMF encoding amplitude adjustment: the level of the DTMF tones the radio sends. One byte typed in hexadecimal, 00 to FF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DTMF hold time, 0.5 to 2.0 seconds in steps of 0.1. Only the byte and its range are known, not what the radio times with it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DTMF编码幅度调节</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data type 1 or 2 (bits 3 and 4 of 0x378). Only the bits are known, not which data format each number stands for. The Alarm dialog uses the same byte (0x378) for &quot;Auto contact&quot;; it writes the byte only when that control is changed there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decode display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decode response</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decoder input gain: the level of the received signal fed to the digital decoder. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Del</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delay before the radio transmits, 0.1 to 5.0 seconds. Only the byte and its range are known, not which transmissions the radio delays.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dial access</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dial access, 0 to 7 (byte 0x398). Only the byte and its range are known, not what the radio does with it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Digit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Digit alarm id code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direct: digital calls go from radio to radio. Repeat: they go through a dPMR repeater.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EMI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EMI close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entry delay time (s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit delay (s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First digit (ms)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First digit delay (ms)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flashlight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freq</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gain of the two modulation signals together, on digital channels. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group call code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group call tone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group hold time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group rx list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hihg/Low power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold time (s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How fast DTMF digits are sent: 5, 6 or 10 digits a second. Slow down for receivers that miss digits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How long a side key must be held to count as a long press, 0.5 to 2.5 seconds in steps of 0.1 (a stored value outside shows 1.0).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How long scanning waits after a transmission or a reception ends before it goes on, 0.1 to 5.0 seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How long the alarm lasts, 1 to 255 seconds (a value outside becomes 10).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How long the radio keeps transmitting after you stop speaking with VOX, 0.1 to 2.0 seconds in steps of 0.1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How long the radio listens between the alarm&apos;s transmissions, 1 to 255 seconds (a value outside becomes 8).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How long the radio sends carrier before a digital transmission, 0 to 1000 ms in steps of 20 (a typed value is rounded down to a step).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How long the radio stays in a group call after its last transmission, so that an answer goes back to the same group; 0 to 30, in the radio&apos;s own unit (not known to this program).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How long the radio stays in a single call after its last transmission, so that an answer goes back to the same radio; 0 to 30, in the radio&apos;s own unit (not known to this program).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How long the radio transmits in each alarm cycle, 1 to 255 seconds (a value outside becomes 5).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How long the radio waits before it sends an acknowledgement of a call or message, 0.1 to 5.0 seconds. The Alarm dialog uses the same byte (0x379) for &quot;Tx interval (s)&quot;; it writes the byte only when that control is changed there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How long the radio waits for an acknowledgement of its own call, 0 to 10, in the radio&apos;s own unit (not known to this program). The Alarm dialog uses the same byte (0x37A) for &quot;Query interval (min)&quot;; it writes the byte only when that control is changed there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How long the radio waits for an answer to a DTMF call, 0.5 to 10.0 seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many times the radio sends a call that is not acknowledged, 1 to 10.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many transmit and listen cycles the alarm runs, 1 to 255; continue (0) repeats them until the alarm is stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How scanning goes on after it stops on a busy channel: Time moves on after the stop time even if the signal is still there; Carrier waits until the signal ends.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How the alarm identity is sent on analog channels: Off (not sent) or DTMF (the Analog alarm id code as DTMF tones).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How the radio scans the channels whose Scan is on, and where it stops and answers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How the radio sends DTMF signalling on analog channels, how it answers received DTMF (calls, remote kill), and the 16 DTMF codes channels can send.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inhibit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kill Active</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kill code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kill type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kill/active decode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOUT DC offset adjustment: the DC offset of the left output (LOUT) of the radio&apos;s audio converter. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOUT直流偏置调节</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left channel output gain adjustment, on analog channels. A step from -57 to 6. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left channel output gain adjustment, on digital channels. A step from -57 to 6. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left channel signal gain adjustment, on analog channels. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left channel signal gain adjustment, on digital channels. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length of the * and # tones, 0 to 1000 ms in steps of 100.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length of the first DTMF digit, 0 to 1000 ms in steps of 100.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length of the wake-up sent ahead of a digital call, 0 to 1200 in steps of 80, so that radios saving battery are awake when the call begins; 0 sends none.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lone worker on this channel, the function set in Alarm &gt; Work alone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lone worker: allow makes the radio ask its user to respond after a time without use and raise the alarm when nobody does; prohibit switches the function off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lone worker: minutes without use before the radio asks its user to respond, 1 to 255 (a value outside becomes 10).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lone worker: seconds of warning before the alarm is raised, 0 to 255 (a value outside becomes 10).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Long key (s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Long press</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low voltage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low voltage light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MIC输入增益调节 (db)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Man down: allow raises the alarm when the radio stays tipped over (its user may have fallen); prohibit switches the function off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Man down: exit delay, 0 to 254 seconds, or unlimited (255); a value outside becomes 10. Only the byte is known: what the radio times with it is not.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Man down: seconds of warning before the alarm is raised, 0 to 59 (a value outside becomes 5).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Man down: seconds the radio must stay tipped over before the function starts, 1 to 60 (a value outside becomes 10).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Microphone input gain on analog channels. In dB, from -12 to 35.25 in steps of 0.75. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Microphone input gain on digital channels. In dB, from -12 to 35.25 in steps of 0.75. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mixed mode reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mixed(Analog)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mixed(Digit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Msg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Msg no.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Narrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Narrow noise close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Narrow noise open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Noise ch tmp remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Noise squelch threshold of narrow channels, 0 to 127: the noise level at which the squelch closes. A factory calibration: change it only with a signal generator at hand.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Noise squelch threshold of narrow channels, 0 to 127: the noise level at which the squelch opens. A factory calibration: change it only with a signal generator at hand.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Noise squelch threshold of wide channels, 0 to 127: the noise level at which the squelch closes. A factory calibration: change it only with a signal generator at hand.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Noise squelch threshold of wide channels, 0 to 127: the noise level at which the squelch opens. A factory calibration: change it only with a signal generator at hand.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Noise suppression switch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non pri ch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None: nothing. Monitor (long press only): opens the squelch to listen to weak signals. Scan: starts or stops scanning. Noise ch tmp remove: takes the channel scanning stopped on out of the scan for now. VOX: switches VOX on or off. Hihg/Low power: changes the transmit power. Power detect: tells the battery level. EMI: raises the emergency alarm. Auto contact, Work alone, Talk around, Reverse: switch that function. Call 1, Call 2: send the channel&apos;s call. Channel type: changes between analog and digital. 1750 signal: sends the 1750 Hz tone that opens many analog repeaters. Group call: calls a group. Pri ch scan: scans with the priority channel. Kill, Wake: send the remote kill or wake-up command.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not detect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OACSU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off Air Call Set-Up: before a single call the radio first checks that the called radio is there and answers, and only then opens the voice link, so that nobody talks into the void. Off: the call starts at once. The Alarm dialog uses the same byte (0x378) for &quot;Auto contact&quot;; it writes the byte only when that control is changed there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off-line  code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offset direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offset freq (MHz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On mixed channels: how long the radio keeps the mode (analog or digital) of the last call before it listens for both again; 0 to 30, in the radio&apos;s own unit (not known to this program).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On which channels scanning checks the receive tone before it stops: Not detect on none (it stops on any signal), Non pri ch on the channels other than the priority channel, Priority ch on the priority channel only, all ch on every channel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On-line code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On: pressing PTT while scanning has stopped on a channel answers on that channel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On: the channel works through a repeater, with different receive and transmit frequencies. With both frequencies equal the dialog sets Off and leaves it so.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On: the radio obeys the DTMF remote kill (Kill code) and the command that makes it active again; Off: it ignores them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On: the radio obeys the digital remote kill and activate commands (Kill code, Active code); Off: it ignores them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On: the radio receives all calls, the calls addressed to every radio; Off: it ignores them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One channel at a time, with its analog and its digital settings; Channel no. and its spin step through the 16 channels. Closing keeps the edits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only rx</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only whistle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PTTID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PTTID type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause between the start of the transmission and the first DTMF digit, 100 to 1000 ms in steps of 100, so that the receiver has opened before the digits come.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Person ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power detect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power-on light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power-on tone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pri ch scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Priority ch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Priority channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Query interval (min)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ROUT DC offset adjustment: the DC offset of the right output (ROUT) of the radio&apos;s audio converter. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ROUT直流偏置调节</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio id</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receive frequency in MHz, for example 446.00625 (PMR446 lies from 446.0 to 446.2 MHz). A frequency outside the band in use becomes its lower edge, and one off the 2.5 and 3.125 kHz rasters moves to the nearest point. Clearing it empties the channel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receive input gain on analog channels. In dB, from -12 to 35.25 in steps of 0.75. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receive input gain on digital channels. In dB, from -12 to 35.25 in steps of 0.75. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receive only (bit 7 of record byte +0x11); the dialog always stores Off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Received voice output gain on analog channels: the level of the received voice. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remind and Reply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeat mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Response wait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Response wait time (s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right channel output gain adjustment, on analog channels. A step from -57 to 6. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right channel output gain adjustment, on digital channels. A step from -57 to 6. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right channel signal gain adjustment, on analog channels. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right channel signal gain adjustment, on digital channels. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rx</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rx Freq</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rx Tone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rx color code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rx exit tone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rx freq (MHz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rx light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rx time (s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rx tone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SK1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SK2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SQL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Same byte as Alarm &gt; Auto contact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Same byte as Alarm &gt; Query interval (min)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Same byte as Alarm &gt; Tx interval (s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Same byte as dPMR param &gt; Basic &gt; ACK reply delay; written only when changed here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Same byte as dPMR param &gt; Basic &gt; ACK reply wait; written only when changed here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Same byte as dPMR param &gt; Basic &gt; OACSU and Data type; written only when changed here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving delay time (s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan begin beep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan end beep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan state light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan tx channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan tx/rx resume delay time (s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seconds PTT must stay released before the time-out timer starts counting afresh, 0 to 30.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seconds after a decoded DTMF call before the radio returns to its normal state, 0 to 255.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seconds before the time-out timer runs out at which the radio warns with a tone, 0 to 15 (0: no warning).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seconds without activity before battery saving starts, 10 to 60 in steps of 5 (a typed value is rounded down to a step).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secret</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send alarm id</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sends the DTMF identity (DTMF &gt; Encode: PTTID type, On-line and Off-line code) with each transmission on this channel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Short beep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Short beep, Inhibit or Allow (bit 1 of 0x2007); only the bit is known, not what the radio does with it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Short press</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shutdown pre-aleat tone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shutdown tone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Side Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Side tone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signal gain after the limiter, on analog channels: the transmitted deviation of the voice. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signal gain before the limiter, on analog channels: how hard the voice drives the deviation limiter. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signal type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single call time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single call tone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single call: one radio. Group call: a group of radios sharing the number; only group calls can be members of a group receive list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specified ch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specified channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed (digit/s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spoken announcements of the radio (the channel, for example): Off, in Chinese or in English.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sql</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Squelch calibration at this frequency of the band, 1 to 255 (an empty cell stores 60): the reference the radio&apos;s SQL levels are set from near this frequency. A factory calibration: change it only with a signal generator at hand.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Squelch calibration: the noise thresholds at which the squelch opens and closes, and a squelch reference at points across the band. A factory calibration: change it only with a signal generator at hand.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Squelch level, 0 to 9: how strong a signal must be before the radio opens its speaker. Low levels let weak signals (and more noise) through, high levels need stronger signals. Default 5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Squelch tail elimination, against the burst of noise heard when the other radio stops transmitting: Freq, or 120, 180 or 240, the degrees by which the CTCSS tone&apos;s phase is turned at the end of a transmission. Use the setting the other radios of the group use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop time (s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swaps receive and transmit frequency, to listen on a repeater&apos;s input.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TCXO (reference oscillator) output gain adjustment. A step from -57 to 6. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TCXO输出增益调节 (db)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TK1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TOT (s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TOT pre-aleat  (s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TOT re-key time (s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TOT reset time (s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Talk around</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Talk back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The 16 group receive lists. A channel that uses a list (Channel edit &gt; Group rx list) receives the group calls to its members; choose a list to edit them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The 7-digit code of the command that makes a killed radio active again. An invalid code (0000000, a whole million, above 9000000) becomes 9999991.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The 7-digit code of the digital kill command this radio obeys. An invalid code (0000000, a whole million, above 9000000) becomes 9999990.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The 7-digit identity the alarm sends on digital channels. 0000000, the whole millions 1000000 to 9000000 and numbers above 9000000 are not valid and become 9999998.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The CTCSS tone (63.0 to 254.1 Hz) or DCS code (D023N, or D023I inverted) a signal must carry before the radio opens its speaker; None hears every signal. A number typed without a point is taken as a DCS code.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The CTCSS tone or DCS code sent with each transmission, so that receivers set to it hear you; None sends none. A number typed without a point is taken as a DCS code.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The DTMF code (DTMF &gt; Contact) the Call 1 key function sends on this channel, or None.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The DTMF code (DTMF &gt; Contact) the Call 2 key function sends on this channel, or None.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The DTMF code that kills the radio when it is received, up to 15 symbols 0-9, A-D, * and #; a # is stored after the last one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The DTMF symbol that makes a received code a group call (A, B, C, D, * or #), or None for no group calls.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The channel PTT transmits on during a scan when Scan tx channel is Specified ch; None for none.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The channel PTT transmits on during a scan: the channel in use before the scan began, the last channel where a signal was heard, or the specified channel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The channel on show, 1 to 16. The spin and the arrow keys step through the channels (16 follows 1 backwards); the channel left is stored first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The channel takes part in scanning. The channel table shows this as Add or Del.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The channel&apos;s number, 1 to 16. An empty row is an empty channel: type a receive frequency to make it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The contact a digital transmission on this channel calls (dPMR param &gt; Contact), or None.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The contact the Call 1 key function calls, or None.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The contact the Call 2 key function calls, or None.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The contact&apos;s dPMR number, 7 characters of 0-9 and *, different from every other contact&apos;s: the number the radio calls.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The contact&apos;s name, up to 8 characters, different from every other contact&apos;s: the radio shows it, and channels and group receive lists choose contacts by it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The contact&apos;s place in the list, 1 to 64; the list is sorted by name when the page stores.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The dPMR colour code, 0 to 63, received digital signals must carry, so that groups sharing a frequency do not hear each other; Auto: the radio&apos;s own choice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The dPMR colour code, 0 to 63, sent with digital transmissions; Auto: the radio&apos;s own choice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The direction of a repeater shift, Off, + or -. Kept only while the dialog is open; it is never stored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The emergency alarm, the lone worker function (Work alone), the man-down function (Upside) and automatic contact.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The group receive list (dPMR param &gt; Group rx list) whose group calls this channel receives, or None.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The group-call contacts that are not members of the list; Add &gt;&gt; makes the selected ones members. Single-call contacts are never offered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The identity the alarm sends on analog channels as DTMF tones, up to 8 symbols (0-9, A-D, * and #).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The indicator light shows when the radio is switched on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The indicator light shows while the radio receives.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The indicator light shows while the radio scans.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The indicator light shows while the radio transmits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The indicator light warns when the battery runs low.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The members of the list, up to 8 group-call contacts, in order. Del &lt;&lt; takes the selected ones out; Up and Down move them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radio&apos;s dPMR identity and digital call settings, its contacts and its group receive lists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radio&apos;s general options (squelch, battery saving, time-out, VOX), what its side keys do, and its prompt tones and lights.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radio&apos;s name, up to 8 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radio&apos;s own DTMF identity: a received call with this code is for this radio. Up to 16 symbols 0-9, A-D, * and #.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radio&apos;s own dPMR identity, 7 digits: other radios call it by this number, and every radio of a group needs its own. 0000000, the whole millions 1000000 to 9000000 and numbers above 9000000 are not valid and become 0000001.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The repeater shift in MHz, 0 to 50. Kept only while the dialog is open; it is never stored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The short message the Call 1 key function sends, 1 to 16, or Off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The short message the Call 2 key function sends, 1 to 16, or Off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The voice codec of digital calls: AMBE+2C (the codec of the dPMR standard, which other makes of dPMR radio use), ASELP or ASELP 2. Radios that talk to each other need the same codec.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time-out timer: the longest a single transmission may last, 30 to 600 seconds in steps of 30 (a typed value is rounded down to a step). The radio stops transmitting when it runs out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tone and Light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tone scan mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmit frequency in MHz; a new channel gets its receive frequency. A different one (a repeater&apos;s input) switches Repeat on. It is brought into the band and onto the raster like the receive frequency.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmit power, Low or High. Low saves battery; PMR446 allows 0.5 W, so keep to what your licence allows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmits on the receive frequency, to reach radios nearby directly when the repeater is out of reach.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tx</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tx Freq</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tx Tone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tx color code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tx contact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tx delay time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tx freq (MHz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tx inhibit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tx interval (s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tx light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tx power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tx time (s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tx tone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unallocated:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upside</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upside pre-prompt  (s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VCO output gain adjustment. A step from -57 to 6. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VCO输出增益调节 (db)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VFO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VOX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VOX delay (s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VOX sense</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VOX sensitivity level, 0 to 9: how readily speech starts a VOX transmission. Default 5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voice broadcast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voice store and replay, Off or On (0x39F bit 3): by its name, the radio records calls to play them again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voice store/replay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voice-operated transmit: On lets the radio transmit when you speak into the microphone (with a headset, for example) without pressing PTT.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wake frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What a received DTMF kill does: tx inhibit (the radio can no longer transmit), tx/rx inhibit (it can neither transmit nor receive) or Kill (it is disabled).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What a received digital kill command does: Tx inhibit (the radio can no longer transmit), tx/rx inhibit (it can neither transmit nor receive) or Kill (it is disabled).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What a short press on side key 1 does. None: nothing. Monitor (long press only): opens the squelch to listen to weak signals. Scan: starts or stops scanning. Noise ch tmp remove: takes the channel scanning stopped on out of the scan for now. VOX: switches VOX on or off. Hihg/Low power: changes the transmit power. Power detect: tells the battery level. EMI: raises the emergency alarm. Auto contact, Work alone, Talk around, Reverse: switch that function. Call 1, Call 2: send the channel&apos;s call. Channel type: changes between analog and digital. 1750 signal: sends the 1750 Hz tone that opens many analog repeaters. Group call: calls a group. Pri ch scan: scans with the priority channel. Kill, Wake: send the remote kill or wake-up command.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What a short press on side key 2 does. None: nothing. Monitor (long press only): opens the squelch to listen to weak signals. Scan: starts or stops scanning. Noise ch tmp remove: takes the channel scanning stopped on out of the scan for now. VOX: switches VOX on or off. Hihg/Low power: changes the transmit power. Power detect: tells the battery level. EMI: raises the emergency alarm. Auto contact, Work alone, Talk around, Reverse: switch that function. Call 1, Call 2: send the channel&apos;s call. Channel type: changes between analog and digital. 1750 signal: sends the 1750 Hz tone that opens many analog repeaters. Group call: calls a group. Pri ch scan: scans with the priority channel. Kill, Wake: send the remote kill or wake-up command.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What a short press on the top key TK1 does. None: nothing. Monitor (long press only): opens the squelch to listen to weak signals. Scan: starts or stops scanning. Noise ch tmp remove: takes the channel scanning stopped on out of the scan for now. VOX: switches VOX on or off. Hihg/Low power: changes the transmit power. Power detect: tells the battery level. EMI: raises the emergency alarm. Auto contact, Work alone, Talk around, Reverse: switch that function. Call 1, Call 2: send the channel&apos;s call. Channel type: changes between analog and digital. 1750 signal: sends the 1750 Hz tone that opens many analog repeaters. Group call: calls a group. Pri ch scan: scans with the priority channel. Kill, Wake: send the remote kill or wake-up command.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What holding side key 1 does. None: nothing. Monitor (long press only): opens the squelch to listen to weak signals. Scan: starts or stops scanning. Noise ch tmp remove: takes the channel scanning stopped on out of the scan for now. VOX: switches VOX on or off. Hihg/Low power: changes the transmit power. Power detect: tells the battery level. EMI: raises the emergency alarm. Auto contact, Work alone, Talk around, Reverse: switch that function. Call 1, Call 2: send the channel&apos;s call. Channel type: changes between analog and digital. 1750 signal: sends the 1750 Hz tone that opens many analog repeaters. Group call: calls a group. Pri ch scan: scans with the priority channel. Kill, Wake: send the remote kill or wake-up command.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What holding side key 2 does. None: nothing. Monitor (long press only): opens the squelch to listen to weak signals. Scan: starts or stops scanning. Noise ch tmp remove: takes the channel scanning stopped on out of the scan for now. VOX: switches VOX on or off. Hihg/Low power: changes the transmit power. Power detect: tells the battery level. EMI: raises the emergency alarm. Auto contact, Work alone, Talk around, Reverse: switch that function. Call 1, Call 2: send the channel&apos;s call. Channel type: changes between analog and digital. 1750 signal: sends the 1750 Hz tone that opens many analog repeaters. Group call: calls a group. Pri ch scan: scans with the priority channel. Kill, Wake: send the remote kill or wake-up command.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What holding the top key TK1 does. None: nothing. Monitor (long press only): opens the squelch to listen to weak signals. Scan: starts or stops scanning. Noise ch tmp remove: takes the channel scanning stopped on out of the scan for now. VOX: switches VOX on or off. Hihg/Low power: changes the transmit power. Power detect: tells the battery level. EMI: raises the emergency alarm. Auto contact, Work alone, Talk around, Reverse: switch that function. Call 1, Call 2: send the channel&apos;s call. Channel type: changes between analog and digital. 1750 signal: sends the 1750 Hz tone that opens many analog repeaters. Group call: calls a group. Pri ch scan: scans with the priority channel. Kill, Wake: send the remote kill or wake-up command.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the Call 1 key function sends on this channel: Off, Call (a call to the contact below) or Msg (a short message to it).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the Call 2 key function sends on this channel: Off, Call (a call to the contact below) or Msg (a short message to it).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the emergency alarm does: Off (no alarm), Only whistle (a siren at the radio only), Normal, Secret (no sound at the radio) or Send alarm id (the alarm id code is sent).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the radio does when it receives a call to its Person ID: None, Remind (an alert at the radio), Reply (it answers automatically) or Remind and Reply.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When a channel with PTTID sends its identity: On line (the On-line code when PTT is pressed), Off line (the Off-line code when it is released) or Both.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whether the radio may be copied (cloned) to another radio over a cable: On allows it, Off refuses.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whether the radio may copy its configuration to another radio over the air: On allows it, Off refuses.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wide noise close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wide noise open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wired copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wireless copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With scan mode Time: how long scanning stays on a busy channel before it moves on, 0.5 to 10.0 seconds in steps of 0.5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work alone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work alone pre-remind (s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work alone time (min)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>all ch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>allow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>allow: the radio shows a received DTMF code on its display; prohibit: it does not.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dPMR param</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>entry ch before scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>last active ch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>prohibit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tx inhibit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tx pre-carrier time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tx/rx inhibit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unlimited</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>两路调制信号增益调节</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>可调节参数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>右通道信号增益调节</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>右通道输出增益调节</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>左通道信号增益调节</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>左通道输出增益调节</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>接收话音输出增益调节</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>接收输入增益调节 (db)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>数字</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>模拟</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>解码输入增益调节</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>限幅前信号增益</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>限幅后信号增益</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>reference</name>
    <message>
        <source>%1, rows 1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(factory)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings reference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;Every setting of the window and the dialogs, with what it does on the radio,
grouped by dialog and page. The names in &lt;code&gt;code&lt;/code&gt; are the keys that
&lt;code&gt;dpmrtool get&lt;/code&gt; and &lt;code&gt;dpmrtool set&lt;/code&gt; and the YAML codeplug use
(&lt;code&gt;channelN&lt;/code&gt; stands for &lt;code&gt;channel1&lt;/code&gt; to &lt;code&gt;channel16&lt;/code&gt;).
A setting marked &lt;i&gt;not shown&lt;/i&gt; has no control in its dialog: the program keeps
it as the radio stored it. &lt;i&gt;(factory)&lt;/i&gt; marks the dialogs of the radio&apos;s
factory adjustment and calibration.&lt;/p&gt;
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
