#include "browse/table_transfer.h"

#include <algorithm>
#include <cstdint>
#include <memory>

#include "platform/text/cformat.h"
#include "projectdb/project_file.h"
#include "projectdb/record_access.h"

namespace browse {

namespace {

void PutInt(std::string& out, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

void PutString(std::string& out, const std::string& s) {
    const auto n = static_cast<std::uint32_t>(s.size());
    if (n < 0xFF) {
        PutInt(out, n, 1);
    } else if (n < 0xFFFF) {
        PutInt(out, 0xFF, 1);
        PutInt(out, n, 2);
    } else {
        PutInt(out, 0xFF, 1);
        PutInt(out, 0xFFFF, 2);
        PutInt(out, n, 4);
    }
    out += s;
}

class Reader {
public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}
    bool Int(std::uint32_t& v, int n) {
        if (bytes_.size() - pos_ < static_cast<std::size_t>(n)) return false;
        v = 0;
        for (int i = 0; i < n; ++i)
            v |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes_[pos_ + i])) << (8 * i);
        pos_ += n;
        return true;
    }
    bool String(std::string& s) {
        std::uint32_t n;
        if (!Int(n, 1)) return false;
        if (n == 0xFF) {
            if (!Int(n, 2)) return false;
            if (n == 0xFFFF && !Int(n, 4)) return false;
        }
        if (bytes_.size() - pos_ < n) return false;
        s.assign(bytes_.substr(pos_, n));
        pos_ += n;
        return true;
    }
    bool AtEnd() const { return pos_ == bytes_.size(); }

private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
};

}  // namespace

std::string EncodeTransfer(const TransferDescriptor& d) {
    std::string out;
    PutInt(out, static_cast<std::uint16_t>(d.kind), 2);
    PutString(out, d.databasePath);
    PutString(out, d.connect);
    PutString(out, d.table);
    return out;
}

std::optional<TransferDescriptor> DecodeTransfer(std::string_view bytes) {
    Reader in(bytes);
    std::uint32_t kind;
    TransferDescriptor d;
    if (!in.Int(kind, 2) || !in.String(d.databasePath) || !in.String(d.connect) || !in.String(d.table) || !in.AtEnd())
        return std::nullopt;
    d.kind = static_cast<short>(kind);
    return d;
}

std::optional<std::string> ChooseTargetName(dao::Database& target, const std::string& name,
                                            const NewNamePrompt& askNewName) {
    std::string candidate = name;
    while (candidate.empty() || target.HasTableDef(candidate)) {
        std::optional<std::string> typed = askNewName(candidate);
        if (!typed) return std::nullopt;
        candidate = *typed;
    }
    return candidate;
}

std::optional<std::string> CopyTableInto(dao::Database& source, const std::string& table, dao::Database& target,
                                         const NewNamePrompt& askNewName, ui::Prompter& prompt) {
    try {
        std::optional<std::string> name = ChooseTargetName(target, table, askNewName);
        if (!name) return std::nullopt;
        projectdb::CopyTableAs(source, table, target, *name);
        return name;
    } catch (const dao::DaoException& e) {
        projectdb::ReportDaoError(e, prompt);
        return std::nullopt;
    }
}

std::optional<std::string> DropTable(const TransferDescriptor& descriptor, dao::Database& target,
                                     const NewNamePrompt& askNewName, ui::Prompter& prompt) {
    if (descriptor.kind != kTransferKindTable) return std::nullopt;
    // A second connection to the file being written would wait for its own lock; a drop onto the same
    // project reads through the target's connection instead.
    if (projectdb::IsSameFile(descriptor.databasePath, target.GetName()))
        return CopyTableInto(target, descriptor.table, target, askNewName, prompt);
    std::unique_ptr<dao::Database> source;
    try {
        source = dao::Database::Open(descriptor.databasePath, /*readOnly=*/true);
    } catch (const dao::DaoException& e) {
        projectdb::ReportDaoError(e, prompt);
        return std::nullopt;
    }
    return CopyTableInto(*source, descriptor.table, target, askNewName, prompt);
}

std::optional<std::string> CopyTableToFile(dao::Database& source, const std::string& table,
                                           const std::string& targetPath, const NewNamePrompt& askNewName,
                                           ui::Prompter& prompt) {
    if (projectdb::IsSameFile(targetPath, source.GetName()))
        return CopyTableInto(source, table, source, askNewName, prompt);
    std::unique_ptr<dao::Database> target;
    try {
        target = dao::Database::Open(targetPath);
    } catch (const dao::DaoException& e) {
        projectdb::ReportDaoError(e, prompt);
        return std::nullopt;
    }
    std::optional<std::string> copied = CopyTableInto(source, table, *target, askNewName, prompt);
    target->Close();
    return copied;
}

bool ConfirmDeleteTable(const std::string& table, ui::Prompter& prompt) {
    return prompt.message(text::Format("你是否真的要删除表：%s?", table), ui::Buttons::YesNo, ui::Icon::Exclamation,
                          kDeleteCaption) == ui::Answer::Yes;
}

bool DeleteTableDefinition(dao::Database& db, const std::string& table, ui::Prompter& prompt) {
    try {
        db.DeleteTableDef(table);
        return true;
    } catch (const dao::DaoException& e) {
        prompt.message(e.m_strDescription, ui::Buttons::Ok, ui::Icon::Exclamation, kDeleteCaption);
        return false;
    }
}

}  // namespace browse
