#!/usr/bin/env python3
"""Draws the project's own icons as SVG (run once; the output is committed)."""
import os

HERE = os.path.dirname(os.path.abspath(__file__))

def svg(path, body, size=32):
    with open(os.path.join(HERE, path), "w", encoding="utf-8") as f:
        f.write(f'<svg xmlns="http://www.w3.org/2000/svg" width="{size}" height="{size}" viewBox="0 0 32 32">{body}</svg>\n')

def rounded(fill, stroke="#1d3f6e"):
    return f'<rect x="3" y="3" width="26" height="26" rx="6" fill="{fill}" stroke="{stroke}" stroke-width="1.5"/>'

# Tab icons 0..16: a coloured tile with a simple pictogram each.
tiles = {
    0: ("#2f6db5", '<rect x="8" y="9" width="16" height="3" fill="#fff"/><rect x="8" y="15" width="16" height="3" fill="#fff"/><rect x="8" y="21" width="10" height="3" fill="#fff"/>'),
    1: ("#3a8f5c", '<path d="M9 8h11l4 4v12H9z" fill="#fff"/><path d="M12 15h9M12 19h9" stroke="#3a8f5c" stroke-width="2"/>'),
    2: ("#c0772a", '<circle cx="16" cy="16" r="8" fill="none" stroke="#fff" stroke-width="2.5"/><path d="M16 11v6l4 2" stroke="#fff" stroke-width="2.5" fill="none"/>'),
    5: ("#8a4fb0", '<path d="M8 13h5l8-5v16l-8-5H8z" fill="#fff"/>'),
    6: ("#d23b3b", '<path d="M16 7l2.6 6 6.4.5-4.9 4.2 1.5 6.3L16 20.6 10.4 24l1.5-6.3L7 13.5l6.4-.5z" fill="#fff"/>'),
    7: ("#2a8c8c", '<path d="M8 23h16M10 21v-6M15 21V11M20 21v-8" stroke="#fff" stroke-width="3"/>'),
    8: ("#e08a1e", '<path d="M7 10h3l3 10h10l2-7H12" fill="none" stroke="#fff" stroke-width="2.2"/><circle cx="14" cy="24" r="1.8" fill="#fff"/><circle cx="22" cy="24" r="1.8" fill="#fff"/>'),
    10: ("#1f9e4a", '<text x="16" y="21" font-family="Arial" font-weight="bold" font-size="11" fill="#fff" text-anchor="middle">YENİ</text>'),
    11: ("#3c5a8c", '<rect x="7" y="10" width="18" height="12" rx="2" fill="#fff"/><rect x="7" y="13" width="18" height="3" fill="#3c5a8c"/>'),
    13: ("#9c6b22", '<circle cx="16" cy="16" r="8" fill="#fff"/><text x="16" y="20" font-family="Arial" font-weight="bold" font-size="11" fill="#9c6b22" text-anchor="middle">O</text>'),
    16: ("#566b80", '<path d="M8 11h6l2 2h8v11H8z" fill="#fff"/>'),
}
for i in range(17):
    fill, body = tiles.get(i, ("#6f87a6", f'<text x="16" y="21" font-family="Arial" font-size="12" fill="#fff" text-anchor="middle">{i}</text>'))
    svg(f"sekme/{i}.svg", rounded(fill) + body)

# Stock status icons 0..9 (index mapping lives with the stock list).
durum = {
    0: '<circle cx="16" cy="16" r="11" fill="#2fa84f"/><path d="M10 16l4 4 8-8" stroke="#fff" stroke-width="3" fill="none"/>',
    1: '<circle cx="16" cy="16" r="11" fill="#7b4fc9"/><text x="16" y="21" font-family="Arial" font-weight="bold" font-size="14" fill="#fff" text-anchor="middle">Ö</text>',
    2: '<rect x="4" y="11" width="15" height="10" fill="#2f7fd0"/><path d="M19 14h5l4 4v3h-9z" fill="#2f7fd0"/><circle cx="9" cy="23" r="2.5" fill="#333"/><circle cx="23" cy="23" r="2.5" fill="#333"/>',
    3: '<circle cx="16" cy="16" r="11" fill="none" stroke="#9aa6b2" stroke-width="2" stroke-dasharray="3 3"/>',
    4: '<circle cx="16" cy="16" r="11" fill="#d43a3a"/><path d="M11 11l10 10M21 11L11 21" stroke="#fff" stroke-width="3"/>',
    5: '<circle cx="16" cy="16" r="11" fill="#e3a21a"/><path d="M16 10v7l4 3" stroke="#fff" stroke-width="2.5" fill="none"/>',
    6: '<circle cx="16" cy="16" r="11" fill="#8aa0b5"/>',
    7: '<circle cx="16" cy="16" r="11" fill="#5a6f84"/>',
    8: '<circle cx="16" cy="16" r="11" fill="#f08a24"/><path d="M11 10c0 7 4 11 11 12l1-3-3-2-2 1c-2-1-3-3-4-4l1-2-2-3z" fill="#fff"/>',
    9: '<circle cx="16" cy="16" r="11" fill="#3c3c3c"/>',
}
for i, body in durum.items():
    svg(f"durum/{i}.svg", body)

svg("ara.svg", '<circle cx="13" cy="13" r="8" fill="none" stroke="#1d4f91" stroke-width="3"/><path d="M19 19l8 8" stroke="#1d4f91" stroke-width="4" stroke-linecap="round"/>')
svg("temizle.svg", '<path d="M9 9l14 14M23 9L9 23" stroke="#b83232" stroke-width="4" stroke-linecap="round"/>')
svg("menu.svg", '<rect x="5" y="8" width="22" height="3" rx="1.5" fill="#1d4f91"/><rect x="5" y="15" width="22" height="3" rx="1.5" fill="#1d4f91"/><rect x="5" y="22" width="22" height="3" rx="1.5" fill="#1d4f91"/>')

# Yes / no / campaign icons of the "Yeni" and "Kampanyalı" columns (24 x 24 lists).
def svg24(path, body):
    with open(os.path.join(HERE, path), "w", encoding="utf-8") as f:
        f.write(f'<svg xmlns="http://www.w3.org/2000/svg" width="24" height="24" viewBox="0 0 32 32">{body}</svg>\n')

os.makedirs(os.path.join(HERE, "evethayir"), exist_ok=True)
svg24("evethayir/0.svg", '<circle cx="16" cy="16" r="10" fill="#eef1f5" stroke="#a9b4c2" stroke-width="2"/><path d="M11.5 16h9" stroke="#a9b4c2" stroke-width="3" stroke-linecap="round"/>')
svg24("evethayir/1.svg", '<circle cx="16" cy="16" r="11" fill="#2fa84f" stroke="#1f7a37" stroke-width="1.5"/><path d="M10 16.5l4 4 8-9" stroke="#fff" stroke-width="3.2" fill="none" stroke-linecap="round" stroke-linejoin="round"/>')
svg24("evethayir/2.svg", '<path d="M16 4l3.3 7.2 7.7.8-5.8 5.2 1.7 7.8L16 21l-6.9 4 1.7-7.8L5 12l7.7-.8z" fill="#f0a020" stroke="#b86e00" stroke-width="1.4" stroke-linejoin="round"/><text x="16" y="19" font-family="Arial" font-weight="bold" font-size="8" fill="#fff" text-anchor="middle">%</text>')

# File-type icons of the documents list, 32 x 32, one per code 0..6.
os.makedirs(os.path.join(HERE, "dosya"), exist_ok=True)
def sayfa(renk, etiket):
    return ('<path d="M7 3h13l6 6v20H7z" fill="#ffffff" stroke="#6b7b8e" stroke-width="1.4" stroke-linejoin="round"/>'
            '<path d="M20 3v6h6" fill="#e3e8ef" stroke="#6b7b8e" stroke-width="1.4" stroke-linejoin="round"/>'
            f'<rect x="4" y="15" width="20" height="10" rx="1.5" fill="{renk}"/>'
            f'<text x="14" y="23" font-family="Arial" font-weight="bold" font-size="7.5" fill="#fff" text-anchor="middle">{etiket}</text>')
dosyalar = {
    0: sayfa("#7d8a99", "?"),
    1: sayfa("#a4373a", "MDB"),
    2: sayfa("#2b8a9e", "IMG"),
    3: sayfa("#2b579a", "DOC"),
    4: sayfa("#d32f2f", "PDF"),
    5: sayfa("#d24726", "PPT"),
    6: sayfa("#217346", "XLS"),
}
for i, body in dosyalar.items():
    svg(f"dosya/{i}.svg", body)

# The quantity dialog's placeholder for a stock without a picture.
with open(os.path.join(HERE, "resimyok.svg"), "w", encoding="utf-8") as f:
    f.write('<svg xmlns="http://www.w3.org/2000/svg" width="240" height="180" viewBox="0 0 240 180">'
            '<rect x="1" y="1" width="238" height="178" rx="10" fill="#f2f5f9" stroke="#b8c4d2" stroke-width="2" stroke-dasharray="8 5"/>'
            '<g transform="translate(120 74)" fill="none" stroke="#8a9ab0" stroke-width="5">'
            '<circle r="30"/><circle r="10" fill="#8a9ab0"/>'
            '<path d="M0-30v12M0 18v12M-30 0h12M18 0h12M-21-21l8 8M13 13l8 8M21-21l-8 8M-13 13l-8 8" stroke-linecap="round"/></g>'
            '<text x="120" y="140" font-family="Arial" font-size="15" fill="#6b7b8e" text-anchor="middle">Resim Yok</text></svg>\n')
