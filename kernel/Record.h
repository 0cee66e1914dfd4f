// Little-endian byte records of the order file.
//
// A garment writes its measurement block into a RecordWriter and reads it
// back from a RecordReader.  The whole file lives in memory: the writer's
// bytes go to disk in one piece (so a failed save never leaves half a file)
// and the reader checks every length, so a short or damaged file is refused
// instead of being read past its end.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

// A read past the end of the record, or a value the reader refuses.
class ERecordError : public std::runtime_error {
public:
    explicit ERecordError(const std::string& what) : std::runtime_error(what) {}
};

class RecordWriter {
public:
    void WriteInt(std::int32_t v);
    void WriteFloat(float v);
    void WriteByte(std::uint8_t v);
    void WriteBytes(const std::string& bytes);
    const std::string& Bytes() const { return bytes_; }

private:
    std::string bytes_;
};

class RecordReader {
public:
    explicit RecordReader(std::string bytes) : bytes_(std::move(bytes)) {}
    std::int32_t ReadInt();
    float ReadFloat();
    std::uint8_t ReadByte();
    std::string ReadBytes(std::size_t n);
    std::size_t Remaining() const { return bytes_.size() - pos_; }
    std::size_t Position() const { return pos_; }

private:
    void Need(std::size_t n) const;
    std::string bytes_;
    std::size_t pos_ = 0;
};
