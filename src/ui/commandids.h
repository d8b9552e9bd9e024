// SPDX-License-Identifier: MIT
#pragma once

// The window's controls and menu commands by their numbers, so that tests and
// the options table can name them.
namespace phodex {

namespace Control {
constexpr int SavePath = 1000;
constexpr int Address = 1001;
constexpr int Category = 1002;
constexpr int Grid = 1003;
constexpr int GetList = 1004;
constexpr int Download = 1005;
constexpr int DetailLine = 1006;
constexpr int SetFolder = 1007;
constexpr int OpenFolder = 1008;
constexpr int StatusLine = 1009;
constexpr int AlbumGroup = 1011;
constexpr int SelectAll = 1012;
constexpr int ThumbnailMode = 1014;
constexpr int FindLink = 1034;
constexpr int SubType = 1035;
constexpr int FilterLink = 1036;
constexpr int ExportLink = 1037;
} // namespace Control

namespace Command {
constexpr int SoftwareAdvice = 32773; // "软件咨询"
constexpr int Feedback = 32772;       // "问题反馈"
constexpr int About = 32775;          // "版本信息"
constexpr int DownloadSettings = 32778;
constexpr int NameSettings = 32779;
constexpr int LoginModeless = 32796;
constexpr int Manual = 32806;        // "使用说明"
constexpr int FileTools = 32807;     // "文件处理"
constexpr int ImportList = 32811;    // "导入下载文件并开始下载"
constexpr int ExportList = 32809;    // "导出下载文件"
constexpr int ExportThunder = 32810; // "导出迅雷下载列表"
// The language of the next start.
constexpr int LanguageChinese = 32830;
constexpr int LanguageEnglish = 32831;
} // namespace Command

} // namespace phodex
