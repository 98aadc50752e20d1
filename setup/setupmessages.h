#pragma once

#include <QString>

// The setup tool's own message texts.
namespace SetupMessages {

inline const QString kReadConfigFailed = QStringLiteral("读系统文件出错，请检查系统注册表！");
inline const QString kSaveConfigFailed = QStringLiteral("系统文件保存失败！");
inline const QString kServerUnreachable = QStringLiteral("连接失败，请检查数据是否处于监听状态...");
inline const QString kEnterDatabaseName = QStringLiteral("请输入数据库名称！");
inline const QString kEnterServerName = QStringLiteral("请输入服务器名称！");
inline const QString kTestSucceeded = QStringLiteral("数据连接成功。。。");
inline const QString kTestFailed = QStringLiteral("数据连接失败,请检查数据库配置。。。！");
inline const QString kCreated = QStringLiteral("数据库创建成功！");
inline const QString kCreateFailed = QStringLiteral("数据库创建失败，请检查数据文件是否存在！");
inline const QString kDatabaseExists = QStringLiteral("该数据库名已经存在，真的需要安装另一个数据库\n并覆盖原来已装的同名数据库吗？");
inline const QString kDetachFailed = QStringLiteral("数据库正在使用，分离不成功！");

}  // namespace SetupMessages
