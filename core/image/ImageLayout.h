// Named offsets of the radio memory image, grouped by region. Fields inside a
// region that only one editor touches are named in that editor's own file.
#pragma once

#include <cstddef>

namespace dpmr::layout {

// Header bytes; no editor reads or writes them.
constexpr std::size_t kHeader = 0x0000;

// Factory adjustment block, moved only by the adjustment transfer.
constexpr std::size_t kAdjustment = 0x0040;
constexpr std::size_t kAdjustmentSize = 0x48;

// 16 channel records of 32 bytes.
constexpr std::size_t kChannels = 0x0100;
constexpr std::size_t kChannelSize = 32;
constexpr int kChannelCount = 16;

// Basic options, tone and light, side keys.
constexpr std::size_t kBasicOptions = 0x0300;
constexpr std::size_t kToneLight = 0x0318;
constexpr std::size_t kToneLight2 = 0x031A;
constexpr std::size_t kSideKeys = 0x0320;

// Scan settings and the scan membership bitmap of the 16 channels.
constexpr std::size_t kScan = 0x0340;
constexpr std::size_t kScanBitmap = 0x034C;

// Alarm and lone worker; dPMR basic parameters.
constexpr std::size_t kAlarm = 0x0350;
constexpr std::size_t kDpmrBasic = 0x037B;

// Contacts: 64 little-endian offsets, then 64 records of 16 bytes.
constexpr std::size_t kContactIndex = 0x04C0;
constexpr std::size_t kContactRecords = 0x0540;
constexpr std::size_t kContactRecordSize = 16;
constexpr int kContactCount = 64;
constexpr std::size_t kContactLastRecord = 0x0930;

// Preset short messages: 16 offsets at 0x0960, 16 texts of 128 bytes.
constexpr std::size_t kPresetMessageIndex = 0x0960;
constexpr std::size_t kPresetMessages = 0x0980;
constexpr std::size_t kPresetMessageSize = 128;

// Received short messages: 16 offsets at 0x1180, records of 160 bytes.
constexpr std::size_t kReceivedMessageIndex = 0x1180;
constexpr std::size_t kReceivedMessagesFirst = 0x1180;
constexpr std::size_t kReceivedMessagesLast = 0x1AE0;

// 16 group receive lists of 8 contact numbers.
constexpr std::size_t kGroupLists = 0x1BA0;
constexpr std::size_t kGroupListSize = 8;
constexpr int kGroupListCount = 16;

// DTMF settings and the 16 DTMF contact codes.
constexpr std::size_t kDtmfEncode = 0x2000;
constexpr std::size_t kDtmfDecode = 0x2030;
constexpr std::size_t kDtmfCodes = 0x2060;
constexpr std::size_t kDtmfCodeSize = 16;

// Squelch calibration values and noise thresholds.
constexpr std::size_t kSquelchValues = 0x3E00;
constexpr std::size_t kSquelchValuesSize = 17;
constexpr std::size_t kSquelchThresholds = 0x3E3A;
constexpr std::size_t kSquelchThresholdsSize = 4;

// Band edges reported by the radio during Read (lower, upper; 4-byte BCD).
constexpr std::size_t kRadioBandLower = 0x3F80;
constexpr std::size_t kRadioBandUpper = 0x3F84;
constexpr std::size_t kRadioName = 0x3F88;

// Band edges of the channel table (4-byte BCD, tens of Hz).
constexpr std::size_t kTableBandLower = 0x3FA0;
constexpr std::size_t kTableBandUpper = 0x3FA4;

// Written by each store of the channel table.
constexpr std::size_t kShortMessageCount = 0x3FD4;
constexpr std::size_t kBandSelector = 0x3FD6;
constexpr std::size_t kStoreMarker = 0x3FD7;

}  // namespace dpmr::layout
