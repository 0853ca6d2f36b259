#pragma once

#include <string>
#include <utility>
#include <vector>

namespace density {

// Keys of the language-dependent texts the computations report. The texts
// themselves live in the message catalogue; computations only name them.
enum class MsgKey {
    MsgCaptionAttention,
    MsgTempUnitsError,
    MsgDensityEmpty,
    MsgDensityInvalid,
    MsgTempEmpty,
    MsgTempInvalid,
    MsgDensity20OutOfTable,
    MsgHydrometerOutOfTable,
    MsgCaptionError,
    MsgDensity20Empty,
    MsgDensity20Invalid,
    MsgVolumeEmpty,
    MsgVolumeInvalid,
    MsgVolumeNotPositive,
    MsgTankTempEmpty,
    MsgTankTempInvalid,
    MsgPressureEmpty,
    MsgPressureInvalid,
    MsgPressureOutOfRange,
    TextActualDensityLabel,
    MsgMassEmpty,
    MsgMassInvalid,
    MsgMassNotPositive,
    MsgDensity15Empty,
    MsgDensity15Invalid,
    MsgDensity15OutOfTable,
    MsgGostToApiError,
    MsgApiToGostError,
    MsgVolumeUnitsError,
    MsgPressureUnitsError,
    MsgTempOutOfTable,
    TextUnitCubicMetre,
    MsgActualDensityOutOfTable,
    MsgDensityOutOfTable,
    TextActualDensityError,
    TextUnitKgPerM3,
    TextUnitKgPerCm2,
    MsgApiEmpty,
    MsgApiInvalid,
    MsgApiOutOfRange,
    MsgFilePrefix,
    MsgFileNotFoundSuffix,
    MsgCalcError,
    // Added to the catalogue: mass to volume with no table row for the
    // temperature (nothing to divide by).
    MsgNoTableRow,
    // Added: a table file that is there but cannot be read, or is too large.
    MsgFileUnreadableSuffix,
    MsgFileTooLargeSuffix,
    // Added: why a device, a pipe or a folder given as a table is not read.
    MsgNotRegularFile,
};

constexpr int kMsgKeyCount = static_cast<int>(MsgKey::MsgNotRegularFile) + 1;

// A message is a run of pieces: catalogue entries and literal text (a file
// name, a range suffix), joined with nothing between them.
class Message {
public:
    struct Piece {
        bool isKey;
        MsgKey key;
        std::string text;
    };

    explicit Message(MsgKey key) { then(key); }
    Message& then(MsgKey key)
    {
        m_pieces.push_back({true, key, {}});
        return *this;
    }
    Message& then(std::string literal)
    {
        m_pieces.push_back({false, MsgKey::MsgCaptionAttention, std::move(literal)});
        return *this;
    }

    // The key that names the message: its first catalogue piece.
    MsgKey key() const { return m_pieces.front().key; }
    const std::vector<Piece>& pieces() const { return m_pieces; }

private:
    std::vector<Piece> m_pieces;
};

// Where computations report what the user must be told. The window shows a
// modal box captioned with the attention caption; tests record.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void show(const Message& message) = 0;
};

}  // namespace density
