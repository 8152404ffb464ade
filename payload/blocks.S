/* The ten build inputs as read-only byte blocks, each between a start and an end symbol.
   PAYLOAD_FILE_<NAME> is the quoted path of each file, set by CMake from VELKOR_PAYLOAD_DIR. */

#define PAYLOAD_JOIN2(a, b) a##b
#define PAYLOAD_JOIN(a, b) PAYLOAD_JOIN2(a, b)
/* C names carry a leading underscore on i686 Windows and none on x86-64 ELF. */
#define PAYLOAD_SYMBOL(name) PAYLOAD_JOIN(__USER_LABEL_PREFIX__, name)

#if defined(_WIN32)
  .section .rdata, "dr"
#define PAYLOAD_TYPE(sym)
#define PAYLOAD_SIZE(sym)
#else
  .section .rodata, "a"
#define PAYLOAD_TYPE(sym) .type sym, @object
#define PAYLOAD_SIZE(sym) .size sym, . - sym
#endif

#define PAYLOAD_BLOCK(name, file)                 \
  .balign 4;                                      \
  .globl PAYLOAD_SYMBOL(name##_start);            \
  .globl PAYLOAD_SYMBOL(name##_end);              \
  PAYLOAD_TYPE(PAYLOAD_SYMBOL(name##_start));     \
  PAYLOAD_SYMBOL(name##_start):                   \
  .incbin file;                                   \
  PAYLOAD_SYMBOL(name##_end):                     \
  PAYLOAD_SIZE(PAYLOAD_SYMBOL(name##_start))

PAYLOAD_BLOCK(velkor_payload_library, PAYLOAD_FILE_LIBRARY)
PAYLOAD_BLOCK(velkor_payload_help, PAYLOAD_FILE_HELP)
PAYLOAD_BLOCK(velkor_payload_picture1, PAYLOAD_FILE_PICTURE1)
PAYLOAD_BLOCK(velkor_payload_picture2, PAYLOAD_FILE_PICTURE2)
PAYLOAD_BLOCK(velkor_payload_picture3, PAYLOAD_FILE_PICTURE3)
PAYLOAD_BLOCK(velkor_payload_picture4, PAYLOAD_FILE_PICTURE4)
PAYLOAD_BLOCK(velkor_payload_picture5, PAYLOAD_FILE_PICTURE5)
PAYLOAD_BLOCK(velkor_payload_picture6, PAYLOAD_FILE_PICTURE6)
PAYLOAD_BLOCK(velkor_payload_example, PAYLOAD_FILE_EXAMPLE)
PAYLOAD_BLOCK(velkor_payload_setup_picture, PAYLOAD_FILE_SETUP_PICTURE)

#if !defined(_WIN32)
  .section .note.GNU-stack, "", @progbits
#endif
