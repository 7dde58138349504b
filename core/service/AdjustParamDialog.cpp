// Field tables of the factory adjustment dialog.
#include "service/AdjustParamDialog.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace dpmr {

using namespace form;

namespace {

constexpr const char* kDigital = "数字";
constexpr const char* kAnalog = "模拟";
constexpr unsigned kGainDefault = 0x0800;  // what an empty gain edit stores

// A two-byte gain or offset typed in hexadecimal.
FieldDecl Gain(std::string key, std::string label, std::size_t off,
               unsigned emptyStores = kGainDefault) {
    return Hex(std::move(key), std::move(label), Word(off), emptyStores);
}

FieldDecl DecibelList(std::string key, std::string label, std::size_t off) {
    return List(std::move(key), std::move(label), Byte(off), DecibelListTexts(), kDecibelZeroEntry,
                kDecibelZeroEntry);
}

FieldDecl StepList(std::string key, std::string label, std::size_t off) {
    return List(std::move(key), std::move(label), Byte(off), StepListTexts(), kStepZeroEntry,
                kStepZeroEntry);
}

// What every adjustment's help ends with: how its value is written, and that
// it is a factory value.
std::string ServiceHelp(std::string_view kind) {
    std::string how;
    if (kind == "hex2")
        how = " A 16-bit value typed in hexadecimal, 0000 to FFFF.";
    else if (kind == "hex1")
        how = " One byte typed in hexadecimal, 00 to FF.";
    else if (kind == "db")
        how = " In dB, from -12 to 35.25 in steps of 0.75.";
    else
        how = " A step from -57 to 6.";
    return how +
           " A factory adjustment: change it only with measuring equipment at hand; it travels "
           "only with this dialog's own Read and Write.";
}

}  // namespace

const std::vector<std::string>& DecibelListTexts() {
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> t;
        for (int i = 0; i < 64; ++i) {
            char buf[32];
            // i x 0.75 is exact in binary, so "%G" prints the exact value.
            std::snprintf(buf, sizeof buf, "%G", i * 0.75 - 12.0);
            t.emplace_back(buf);
        }
        return t;
    }();
    return texts;
}

const std::vector<std::string>& StepListTexts() {
    static const std::vector<std::string> texts = NumberTexts(-57, 6);
    return texts;
}

const PageDecl& AdjustTxPageDecl() {
    static const PageDecl page{
        "adjusttx",
        "Tx",
        {
            Gain("lout_dc_offset", "LOUT直流偏置调节", 0x40)
                .Help("LOUT DC offset adjustment: the DC offset of the left output (LOUT) of the "
                      "radio's audio converter." +
                      ServiceHelp("hex2")),
            Gain("rout_dc_offset", "ROUT直流偏置调节", 0x42)
                .Help("ROUT DC offset adjustment: the DC offset of the right output (ROUT) of the "
                      "radio's audio converter." +
                      ServiceHelp("hex2")),
            Gain("digital_mod_gain", "两路调制信号增益调节", 0x48)
                .InGroup(kDigital)
                .Help("Gain of the two modulation signals together, on digital channels." +
                      ServiceHelp("hex2")),
            Gain("digital_left_gain", "左通道信号增益调节", 0x4C)
                .InGroup(kDigital)
                .Help("Left channel signal gain adjustment, on digital channels." +
                      ServiceHelp("hex2")),
            Gain("digital_right_gain", "右通道信号增益调节", 0x4E)
                .InGroup(kDigital)
                .Help("Right channel signal gain adjustment, on digital channels." +
                      ServiceHelp("hex2")),
            DecibelList("digital_mic_gain", "MIC输入增益调节 (db)", 0x50)
                .InGroup(kDigital)
                .Help("Microphone input gain on digital channels." + ServiceHelp("db")),
            StepList("digital_left_out", "左通道输出增益调节", 0x52)
                .InGroup(kDigital)
                .Help("Left channel output gain adjustment, on digital channels." +
                      ServiceHelp("step")),
            StepList("digital_right_out", "右通道输出增益调节", 0x53)
                .InGroup(kDigital)
                .Help("Right channel output gain adjustment, on digital channels." +
                      ServiceHelp("step")),
            Gain("analog_left_gain", "左通道信号增益调节", 0x5C)
                .InGroup(kAnalog)
                .Help("Left channel signal gain adjustment, on analog channels." +
                      ServiceHelp("hex2")),
            Gain("analog_right_gain", "右通道信号增益调节", 0x5E)
                .InGroup(kAnalog)
                .Help("Right channel signal gain adjustment, on analog channels." +
                      ServiceHelp("hex2")),
            DecibelList("analog_mic_gain", "MIC输入增益调节 (db)", 0x60)
                .InGroup(kAnalog)
                .Help("Microphone input gain on analog channels." + ServiceHelp("db")),
            StepList("analog_left_out", "左通道输出增益调节", 0x62)
                .InGroup(kAnalog)
                .Help("Left channel output gain adjustment, on analog channels." +
                      ServiceHelp("step")),
            StepList("analog_right_out", "右通道输出增益调节", 0x63)
                .InGroup(kAnalog)
                .Help("Right channel output gain adjustment, on analog channels." +
                      ServiceHelp("step")),
            Gain("analog_pre_limit_gain", "限幅前信号增益", 0x68)
                .InGroup(kAnalog)
                .Help("Signal gain before the limiter, on analog channels: how hard the voice "
                      "drives the deviation limiter." +
                      ServiceHelp("hex2")),
            Gain("analog_post_limit_gain", "限幅后信号增益", 0x6A)
                .InGroup(kAnalog)
                .Help("Signal gain after the limiter, on analog channels: the transmitted "
                      "deviation of the voice." +
                      ServiceHelp("hex2")),
            Gain("analog_ctcss_gain", "CTCSS信号增益", 0x6C)
                .InGroup(kAnalog)
                .Help("CTCSS signal gain: the level of the sub-audible CTCSS tone sent with analog "
                      "transmissions." +
                      ServiceHelp("hex2")),
            Gain("analog_dcs_gain", "DCS信号增益", 0x6E)
                .InGroup(kAnalog)
                .Help("DCS signal gain: the level of the DCS code sent with analog transmissions." +
                      ServiceHelp("hex2")),
        }};
    return page;
}

const PageDecl& AdjustRxPageDecl() {
    static const PageDecl page{
        "adjustrx",
        "Rx",
        {
            DecibelList("digital_rx_gain", "接收输入增益调节 (db)", 0x70)
                .InGroup(kDigital)
                .Help("Receive input gain on digital channels." + ServiceHelp("db")),
            Gain("digital_decode_gain", "解码输入增益调节", 0x74, 0x0000)
                .InGroup(kDigital)
                .Help("Decoder input gain: the level of the received signal fed to the digital "
                      "decoder." +
                      ServiceHelp("hex2")),
            DecibelList("analog_rx_gain", "接收输入增益调节 (db)", 0x78)
                .InGroup(kAnalog)
                .Help("Receive input gain on analog channels." + ServiceHelp("db")),
            Gain("analog_voice_gain", "接收话音输出增益调节", 0x7C)
                .InGroup(kAnalog)
                .Help("Received voice output gain on analog channels: the level of the received "
                      "voice." +
                      ServiceHelp("hex2")),
        }};
    return page;
}

const PageDecl& AdjustDtmfPageDecl() {
    static const PageDecl page{
        "adjustdtmf",
        "DTMF",
        {
            // One byte: two hexadecimal characters.
            Hex("amplitude", "DTMF编码幅度调节", Byte(0x80), 0x7F)
                .Help("DTMF encoding amplitude adjustment: the level of the "
                      "DTMF tones the radio sends." +
                      ServiceHelp("hex1")),
            StepList("vco_gain", "VCO输出增益调节 (db)", 0x81)
                .Help("VCO output gain adjustment." + ServiceHelp("step")),
            StepList("tcxo_gain", "TCXO输出增益调节 (db)", 0x82)
                .Help("TCXO (reference oscillator) output gain adjustment." + ServiceHelp("step")),
        }};
    return page;
}

const DialogDecl& AdjustParamDialogDecl() {
    static const DialogDecl dialog{
        "可调节参数",
        true,
        {{&AdjustTxPageDecl(), {}}, {&AdjustRxPageDecl(), {}}, {&AdjustDtmfPageDecl(), {}}},
        true,
        "Adjustable parameters: the factory levels of the radio's audio, modulation, receive "
        "and DTMF paths (数字: digital channels, 模拟: analog channels). Read them from the "
        "radio, change them only with measuring equipment, and write them back."};
    return dialog;
}

}  // namespace dpmr
