# SPDX-License-Identifier: GPL-3.0-or-later
# The three web addresses with real clicks: About's two credits, then EXIT.
e2e_start
menu=$(e2e_window '^Tallowby - MATH - Numbers 1-10$')
e2e_click "$menu" 7515 6592 # About
about=$(e2e_window '^About Tallowby Rererezezado$')
e2e_click "$about" 1500 4740 # the maker's credit, above the overlap
e2e_click "$about" 1500 5300 # the sound credit, below it
e2e_click "$about" 3315 5752 # About's EXIT closes only About
e2e_wait_gone '^About Tallowby'
e2e_click "$menu" 7515 7192 # EXIT
e2e_expect_exit 0
