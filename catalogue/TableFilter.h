#pragma once
// The filter expressions of the in-memory table, compiled once and run against each record.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/ClientDataset.h"

namespace nq {

class TableFilter {
public:
    struct Column {
        std::string name;
        TFieldType type;
    };

    // Compiles a filter text over the given columns; nothing for a blank text (every record passes).
    // EDatabaseError for a text it cannot read or a name that is no column.
    static std::unique_ptr<TableFilter> Compile(std::string_view Text, const std::vector<Column>& Columns);

    ~TableFilter();
    // A comparison or a Boolean column without a value counts as false.
    bool Matches(const TFieldValue* Values) const;

    struct Node;

private:
    TableFilter();
    std::unique_ptr<Node> root_;
    std::vector<TFieldType> types_;
};

}  // namespace nq
