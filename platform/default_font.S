// The default font's TrueType file, embedded at build time (DEFAULT_FONT_FILE
// is the path of the installed DejaVu Sans) so no data file is needed for it.
        .section .rodata
        .balign 16
        .globl  quorvane_default_font
        .type   quorvane_default_font, @object
quorvane_default_font:
        .incbin DEFAULT_FONT_FILE
quorvane_default_font_end:
        .size   quorvane_default_font, quorvane_default_font_end - quorvane_default_font

        .balign 8
        .globl  quorvane_default_font_size
        .type   quorvane_default_font_size, @object
quorvane_default_font_size:
        .quad   quorvane_default_font_end - quorvane_default_font
        .size   quorvane_default_font_size, 8

        .section .note.GNU-stack,"",@progbits
