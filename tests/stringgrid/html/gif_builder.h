// A tiny GIF writer for picture fixtures: a four-colour global table and
// frames with or without graphic control extensions. Its LZW stream sends a
// clear code before every second pixel, so codes stay three bits wide.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class GifBuilder {
public:
    // Colours 0..3: red, blue, green, white.
    GifBuilder(int width, int height) {
        data_ = "GIF89a";
        Word(width);
        Word(height);
        data_ += "\x81";
        data_.push_back('\0');
        data_.push_back('\0');
        data_ += std::string("\xFF\0\0\0\0\xFF\0\xFF\0\xFF\xFF\xFF", 12);
    }

    // A frame filled with one colour; with `control` a graphic control
    // extension comes first.
    GifBuilder& Frame(int left, int top, int width, int height, int colour, bool control = true) {
        if (control) data_ += std::string("\x21\xF9\x04\x00\x0A\x00\x00\x00", 8);
        data_ += "\x2C";
        Word(left);
        Word(top);
        Word(width);
        Word(height);
        data_.push_back('\0');
        data_ += Pixels(std::vector<int>(std::size_t(width * height), colour));
        return *this;
    }

    std::string Done() const { return data_ + "\x3B"; }
    const std::string& SoFar() const { return data_; }

private:
    void Word(int value) {
        data_.push_back(char(value & 0xFF));
        data_.push_back(char(value >> 8));
    }

    static std::string Pixels(const std::vector<int>& pixels) {
        std::vector<int> bits;
        auto put = [&](int code) {
            for (int i = 0; i < 3; ++i) bits.push_back((code >> i) & 1);
        };
        for (std::size_t i = 0; i < pixels.size(); ++i) {
            if (i % 2 == 0) put(4);
            put(pixels[i]);
        }
        put(5);
        while (bits.size() % 8) bits.push_back(0);
        std::string bytes;
        for (std::size_t i = 0; i < bits.size(); i += 8) {
            int byte = 0;
            for (int j = 0; j < 8; ++j) byte |= bits[i + j] << j;
            bytes.push_back(char(byte));
        }
        std::string out = "\x02";
        for (std::size_t i = 0; i < bytes.size(); i += 255) {
            std::string chunk = bytes.substr(i, 255);
            out.push_back(char(chunk.size()));
            out += chunk;
        }
        out.push_back('\0');
        return out;
    }

    std::string data_;
};
