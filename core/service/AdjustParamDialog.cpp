// Field tables of the factory adjustment dialog.
#include "service/AdjustParamDialog.h"

#include <cstdio>

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
            Gain("lout_dc_offset", "LOUT直流偏置调节", 0x40),
            Gain("rout_dc_offset", "ROUT直流偏置调节", 0x42),
            Gain("digital_mod_gain", "两路调制信号增益调节", 0x48).InGroup(kDigital),
            Gain("digital_left_gain", "左通道信号增益调节", 0x4C).InGroup(kDigital),
            Gain("digital_right_gain", "右通道信号增益调节", 0x4E).InGroup(kDigital),
            DecibelList("digital_mic_gain", "MIC输入增益调节 (db)", 0x50).InGroup(kDigital),
            StepList("digital_left_out", "左通道输出增益调节", 0x52).InGroup(kDigital),
            StepList("digital_right_out", "右通道输出增益调节", 0x53).InGroup(kDigital),
            Gain("analog_left_gain", "左通道信号增益调节", 0x5C).InGroup(kAnalog),
            Gain("analog_right_gain", "右通道信号增益调节", 0x5E).InGroup(kAnalog),
            DecibelList("analog_mic_gain", "MIC输入增益调节 (db)", 0x60).InGroup(kAnalog),
            StepList("analog_left_out", "左通道输出增益调节", 0x62).InGroup(kAnalog),
            StepList("analog_right_out", "右通道输出增益调节", 0x63).InGroup(kAnalog),
            Gain("analog_pre_limit_gain", "限幅前信号增益", 0x68).InGroup(kAnalog),
            Gain("analog_post_limit_gain", "限幅后信号增益", 0x6A).InGroup(kAnalog),
            Gain("analog_ctcss_gain", "CTCSS信号增益", 0x6C).InGroup(kAnalog),
            Gain("analog_dcs_gain", "DCS信号增益", 0x6E).InGroup(kAnalog),
        }};
    return page;
}

const PageDecl& AdjustRxPageDecl() {
    static const PageDecl page{
        "adjustrx",
        "Rx",
        {
            DecibelList("digital_rx_gain", "接收输入增益调节 (db)", 0x70).InGroup(kDigital),
            Gain("digital_decode_gain", "解码输入增益调节", 0x74, 0x0000).InGroup(kDigital),
            DecibelList("analog_rx_gain", "接收输入增益调节 (db)", 0x78).InGroup(kAnalog),
            Gain("analog_voice_gain", "接收话音输出增益调节", 0x7C).InGroup(kAnalog),
        }};
    return page;
}

const PageDecl& AdjustDtmfPageDecl() {
    static const PageDecl page{"adjustdtmf",
                               "DTMF",
                               {
                                   // One byte: two hexadecimal characters.
                                   Hex("amplitude", "DTMF编码幅度调节", Byte(0x80), 0x7F),
                                   StepList("vco_gain", "VCO输出增益调节 (db)", 0x81),
                                   StepList("tcxo_gain", "TCXO输出增益调节 (db)", 0x82),
                               }};
    return page;
}

const DialogDecl& AdjustParamDialogDecl() {
    static const DialogDecl dialog{
        "可调节参数",
        true,
        {{&AdjustTxPageDecl(), {}}, {&AdjustRxPageDecl(), {}}, {&AdjustDtmfPageDecl(), {}}},
        true};
    return dialog;
}

}  // namespace dpmr
