# SPDX-License-Identifier: GPL-3.0-or-later
# The menu with the real program and real mouse events: its window, About,
# a bar's slide into its activity, EXIT.
e2e_start
menu=$(e2e_window '^Tallowby - MATH - Numbers 1-10$')
[ "$(e2e_size "$menu")" = "589 505" ] || e2e_fail "menu size $(e2e_size "$menu")"
e2e_shot menu

e2e_click "$menu" 7515 6592 # About
about=$(e2e_window '^About Tallowby Rererezezado$')
[ "$(e2e_size "$about")" = "449 405" ] || e2e_fail "About size $(e2e_size "$about")"
e2e_shot about
e2e_click "$about" 3315 5752 # its EXIT closes only About
e2e_wait_gone '^About Tallowby'

e2e_click "$menu" 4200 3120 # Number Matching
sleep 0.4
e2e_shot menu-slide
e2e_window '^Number Matching - Round' >/dev/null
e2e_shot number-matching

e2e_raise "$menu"
e2e_click "$menu" 7515 7192 # EXIT
e2e_expect_exit 0
