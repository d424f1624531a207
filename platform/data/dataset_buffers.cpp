// TDataSet's record buffer in the native format: its size, each field's
// place in it, the active record's bytes and the current record's copy.
#include <cstring>

#include "platform/data/dataset.h"

Word TDataSet::RecordSize() const {
    std::size_t size = 0;
    for (int i = 0; i < fields_->Count(); ++i)
        if (const int bytes = fields_->Fields(i)->DataSize()) size += 1 + std::size_t(bytes);
    return Word(size);
}

int TDataSet::FieldOffset(const TField* field) const {
    if (field->DataSize() == 0) return -1;
    int offset = 0;
    for (int i = 0; i < fields_->Count(); ++i) {
        const TField* each = fields_->Fields(i);
        if (each->DataSize() == 0) continue;
        if (each == field) return offset + 1;
        offset += 1 + each->DataSize();
    }
    return -1;
}

std::string TDataSet::ActiveBuffer() const {
    if (!HasActiveRecord()) return {};
    std::string buffer;
    for (int i = 0; i < fields_->Count(); ++i) {
        const TField* field = fields_->Fields(i);
        const int bytes = field->DataSize();
        if (bytes == 0) continue;
        std::string value(std::size_t(bytes), '\0');
        buffer += field->GetData(value.data()) ? '\1' : '\0';
        buffer += value;
    }
    return buffer;
}

bool TDataSet::GetCurrentRecord(char* buffer) const {
    if (!HasActiveRecord()) return false;
    const std::string record = ActiveBuffer();
    std::memcpy(buffer, record.data(), record.size());
    return true;
}

int TDataSet::Translate(const char* source, char* dest, bool) const {
    const std::size_t length = std::strlen(source);
    if (dest != source) std::memmove(dest, source, length + 1);
    return int(length);
}
