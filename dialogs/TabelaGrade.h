#pragma once
// What the data grid needs of its table, and that view of the in-memory table (TClientDataset).

#include <string>
#include <string_view>

#include "catalogue/ClientDataset.h"

namespace nq {

// How the grid draws a field.
enum class TTipoCampo { Texto, Inteiro, Logico, Memo, Data, DataHora, Flutuante, Moeda };

class TTabelaGrade {
public:
    virtual ~TTabelaGrade() = default;

    virtual bool Active() const = 0;
    virtual TDataSetState State() const = 0;
    // Counted among the visible records; RecNo is 1-based, -1 when there is no current record.
    virtual int RecordCount() const = 0;
    virtual int RecNo() const = 0;
    virtual int MoveBy(int Distance) = 0;
    virtual void First() = 0;
    virtual void Last() = 0;

    // -1 for a name the table does not know (matched without regard to case).
    virtual int FindField(std::string_view Nome) const = 0;
    virtual std::string FieldName(int Campo) const = 0;
    virtual TTipoCampo FieldType(int Campo) const = 0;
    virtual int DisplayWidth(int Campo) const = 0;
    // A field of the visible record at RecNo, without moving the current record.
    virtual std::string DisplayText(int RecNo, int Campo) const = 0;
    virtual bool AsBoolean(int RecNo, int Campo) const = 0;

    // Orders the records by a list of field names separated by ";", keeping the current record.
    virtual void Ordenar(const std::string& Campos) = 0;
};

class TTabelaCds final : public TTabelaGrade {
public:
    explicit TTabelaCds(TClientDataset& cds) : cds_(cds) {}
    TClientDataset& Cds() { return cds_; }

    bool Active() const override { return cds_.Active(); }
    TDataSetState State() const override { return cds_.State(); }
    int RecordCount() const override { return cds_.Active() ? cds_.RecordCount() : 0; }
    int RecNo() const override { return cds_.Active() ? cds_.RecNo() : -1; }
    int MoveBy(int Distance) override { return cds_.MoveBy(Distance); }
    void First() override { cds_.First(); }
    void Last() override { cds_.Last(); }
    int FindField(std::string_view Nome) const override;
    std::string FieldName(int Campo) const override;
    TTipoCampo FieldType(int Campo) const override;
    int DisplayWidth(int Campo) const override;
    std::string DisplayText(int RecNo, int Campo) const override;
    bool AsBoolean(int RecNo, int Campo) const override;
    void Ordenar(const std::string& Campos) override;

private:
    TField& Campo(int i) const { return cds_.Fields(i); }
    TClientDataset& cds_;
};

}  // namespace nq
