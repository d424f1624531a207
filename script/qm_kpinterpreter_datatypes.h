// Declared types of script variables, fields and array elements: each makes
// the fresh value a declaration starts with.
#pragma once

#include <array>
#include <memory>

#include "platform/rtl/variant.h"

class TKpInterpreterRecord;

class IKpInterpreterDataType {
public:
    virtual ~IKpInterpreterDataType() = default;
    virtual void NewValue(Variant& value) const = 0;
    virtual TVarType ValueType() const = 0;
};

using TKpDataTypePtr = std::shared_ptr<IKpInterpreterDataType>;

class TKpInterpreterRecordDataType final : public IKpInterpreterDataType {
public:
    explicit TKpInterpreterRecordDataType(const TKpInterpreterRecord& record) : record_(record) {}
    void NewValue(Variant& value) const override;
    TVarType ValueType() const override { return 0; }

private:
    const TKpInterpreterRecord& record_;
};

class TKpInterpreterArrayDataType final : public IKpInterpreterDataType {
public:
    TKpInterpreterArrayDataType(int dimCount, const std::array<int, 10>& lowBounds,
                                const std::array<int, 10>& highBounds, TVarType elemType, TKpDataTypePtr elemDataType);
    void NewValue(Variant& value) const override;
    TVarType ValueType() const override;

private:
    int dimCount_;
    std::array<int, 10> lowBounds_;
    std::array<int, 10> highBounds_;
    TVarType elemType_;
    TKpDataTypePtr elemDataType_;
};

class TKpInterpreterSimpleDataType final : public IKpInterpreterDataType {
public:
    explicit TKpInterpreterSimpleDataType(TVarType type) : type_(type) {}
    void NewValue(Variant& value) const override;
    TVarType ValueType() const override { return type_; }

private:
    TVarType type_;
};
