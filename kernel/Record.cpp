#include "kernel/Record.h"

#include <cstring>

void RecordWriter::WriteInt(std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i) bytes_.push_back(static_cast<char>((u >> (8 * i)) & 0xFF));
}

void RecordWriter::WriteFloat(float v) {
    std::uint32_t u;
    std::memcpy(&u, &v, 4);
    WriteInt(static_cast<std::int32_t>(u));
}

void RecordWriter::WriteByte(std::uint8_t v) { bytes_.push_back(static_cast<char>(v)); }

void RecordWriter::WriteBytes(const std::string& bytes) { bytes_ += bytes; }

void RecordReader::Need(std::size_t n) const {
    if (Remaining() < n) throw ERecordError("record ends early");
}

std::int32_t RecordReader::ReadInt() {
    Need(4);
    std::uint32_t u = 0;
    for (int i = 0; i < 4; ++i) u |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes_[pos_ + i])) << (8 * i);
    pos_ += 4;
    return static_cast<std::int32_t>(u);
}

float RecordReader::ReadFloat() {
    const auto u = static_cast<std::uint32_t>(ReadInt());
    float v;
    std::memcpy(&v, &u, 4);
    return v;
}

std::uint8_t RecordReader::ReadByte() {
    Need(1);
    return static_cast<std::uint8_t>(bytes_[pos_++]);
}

std::string RecordReader::ReadBytes(std::size_t n) {
    Need(n);
    std::string out = bytes_.substr(pos_, n);
    pos_ += n;
    return out;
}
