// Legacy generation of the identity library: the first five getters, with
// its record in CustomerIdentityLegacy.ini beside the DLL. Without a record
// every getter returns NULL. It has no Func_GetOtherInfo; its users take
// that field from the current generation.
#include "CustomerIdentityApi.h"
#include "IdentityRecord.h"

const TIdentityRecord& IdentityRecordOfThisLibrary() {
  static const TIdentityRecord record("CustomerIdentityLegacy.ini",
                                      reinterpret_cast<const void*>(&IdentityRecordOfThisLibrary));
  return record;
}
