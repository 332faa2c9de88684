// Current generation of the identity library. Its record lives in
// CustomerIdentity.ini beside the DLL. Without a record every getter returns
// NULL, except Func_GetOtherInfo, which returns "": the legacy generation
// borrows it, and must keep working on machines that have only the legacy
// record.
#include "CustomerIdentityApi.h"
#include "IdentityRecord.h"

const TIdentityRecord& IdentityRecordOfThisLibrary() {
  static const TIdentityRecord record("CustomerIdentity.ini",
                                      reinterpret_cast<const void*>(&IdentityRecordOfThisLibrary));
  return record;
}

extern "C" const char* WINAPI Func_GetOtherInfo() {
  const char* value = IdentityRecordOfThisLibrary().Get(TIdentityField::OtherInfo);
  return value != nullptr ? value : "";
}
