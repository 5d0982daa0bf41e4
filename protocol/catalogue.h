#pragma once
// The remote methods of TServerMethods1: names, parameters by ordinal, results.
// Shared by the client class (to build requests) and mivo-server (to check them).
#include <QString>
#include <vector>

namespace protocol {

enum class ParamType { Integer, Int64, Double, String, Boolean, SonucBilgisi, Object, Callback };
enum class ResultType { None, RowSet, Stream, Object, JsonArray, Integer, Boolean, String };

struct ParamSpec {
    const char* name;
    ParamType type;
    bool out = false;
};

struct MethodSpec {
    const char* name;
    std::vector<ParamSpec> params;
    ResultType result;
    const char* resultClass = "";   // qualified class of an object result
    bool calledByClient = false;

    int resultOrdinal() const { return int(params.size()); }
    QString command() const { return QStringLiteral("TServerMethods1.") + QString::fromLatin1(name); }
};

const std::vector<MethodSpec>& methods();
const MethodSpec* findMethod(QStringView name);   // name without the class prefix
const MethodSpec* findCommand(QStringView command); // "TServerMethods1." + name

} // namespace protocol
