// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <curl/curl.h>

namespace phodex {

// An owned libcurl string list.
class CurlList {
public:
    CurlList() = default;
    ~CurlList() { curl_slist_free_all(m_list); }
    CurlList(const CurlList&) = delete;
    CurlList& operator=(const CurlList&) = delete;

    void append(const QByteArray& line) { m_list = curl_slist_append(m_list, line.constData()); }
    curl_slist* get() const { return m_list; }

private:
    curl_slist* m_list = nullptr;
};

} // namespace phodex
