#include "store/native_statement.h"

#include <mysql.h>

#if defined(__x86_64__)
#include <immintrin.h>

namespace {

__attribute__((target("avx"))) void ClearUpperHalves() { _mm256_zeroupper(); }

void ClearVectorState() {
  // Machines without AVX have no upper halves to clear, and no instruction to clear them.
  static const bool hasAvx = __builtin_cpu_supports("avx");
  if (hasAvx) ClearUpperHalves();
}

}  // namespace
#else
namespace {
void ClearVectorState() {}
}  // namespace
#endif

bool SendStatement(st_mysql* connection, QByteArrayView statement) {
  ClearVectorState();
  return mysql_real_query(connection, statement.data(),
                          static_cast<unsigned long>(statement.size())) == 0;
}
