#pragma once
// Fixed names and user-interface texts of the launcher (UTF-16).
#include <windows.h>

inline constexpr const wchar_t* kAppTitle = L"Velmora软件报修";
inline constexpr const wchar_t* kMainWindowClass = L"TFrm_RepairMain";
inline constexpr const wchar_t* kInstanceMutexName = L"RepairMain";

// Every warning the user sees is a modal box with this caption and these
// flags (an OK button and the exclamation icon), followed by the program's end.
inline constexpr const wchar_t* kWarningCaption = L"提示";
inline constexpr UINT kWarningFlags = MB_OK | MB_ICONEXCLAMATION;  // 48

inline constexpr const wchar_t* kAlreadyRunningText = L"软件报修已经运行...";
inline constexpr const wchar_t* kConfigMissingText = L"配置文件不存在,无法启动软件";
inline constexpr const wchar_t* kRepairUrlEmptyText = L"读取软件报修页面地址为空,无法启动软件";

inline constexpr const wchar_t* kPhonePrefix = L"客服电话:【";
inline constexpr const wchar_t* kPhoneSuffix = L"】";
inline constexpr const wchar_t* kDefaultCompanyName = L"无";
