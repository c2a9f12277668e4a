# SPDX-License-Identifier: GPL-3.0-or-later
"""Drawing code for Tallowby's pictures (see assets/README.md)."""
