// SPDX-License-Identifier: MIT
#pragma once

#include "listjobfixture.h"

#include <map>
#include <mutex>
#include <utility>
#include <vector>

namespace phodex::test {

using OpCall = std::pair<ListOp, QString>;

// The list job over a table whose every list operation the rows name only
// records the address it was given and "finds" a set number of albums.
class DispatchTest : public ListJobTest {
protected:
    void SetUp() override {
        ListJobTest::SetUp();
        for (const SiteRow& row : table.rows()) {
            for (const ListOp op : row.listOps)
                table.setList(op, [this, op](ListContext& ctx, const QString& address) {
                    record(ctx, op, address);
                });
        }
    }

    std::vector<OpCall> calls() const {
        std::lock_guard lock(m_mutex);
        return m_calls;
    }

    std::map<ListOp, int> finds; // set before the job starts

private:
    void record(ListContext& ctx, ListOp op, const QString& address) {
        int found = 0;
        {
            std::lock_guard lock(m_mutex);
            m_calls.emplace_back(op, address);
            const auto it = finds.find(op);
            found = it == finds.end() ? 0 : it->second;
        }
        for (int n = 1; n <= found; ++n) {
            AlbumInfo album;
            album.name = QStringLiteral("%1 %2")
                             .arg(QLatin1String(op.name.data(), qsizetype(op.name.size())))
                             .arg(n);
            album.key = QString::number(n);
            if (!ctx.addAlbum(album))
                return;
        }
    }

    mutable std::mutex m_mutex;
    std::vector<OpCall> m_calls;
};

inline std::string Describe(const std::vector<OpCall>& calls) {
    std::string text;
    for (const auto& [op, address] : calls)
        text += std::string(op.name) + "(" + address.toStdString() + ") ";
    return text;
}

} // namespace phodex::test
