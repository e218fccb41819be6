"""The about box's button glyph (16 x 22, 16 colours): a round yellow chick
in a red bobble hat, one wing raised to wave. The background is the button
face grey, so the glyph looks right whether or not it is drawn transparent;
it fills the top-left and bottom-left pixels, which either convention uses."""

GLYPH = [
    'ssssssssssssssss',
    'sssssssWWsssssss',
    'ssssssWWWWssssss',
    'sssssskRRkssssss',
    'ssssskRRRRksssss',
    'ssssskRRRRksssss',
    'sssskRRRRRRkssss',
    'ssskWWWWWWWWkkks',
    'ssskYYYYYYYYkYYk',
    'sskYYkYYYYkYYYYk',
    'sskYYkYYYYkYYYks',
    'sskYYYYRRYYYYkss',
    'sskYYYYRRYYYYkss',
    'ssskYYYYYYYYksss',
    'sskYYYYYYYYYYkss',
    'skYkYYYYYYYYYYks',
    'skYkYYYYYYYYYYks',
    'skykYYYYYYYYYyks',
    'sskkyYYYYYYyykss',
    'ssskkkkkkkkkksss',
    'sssssRRssRRsssss',
    'ssssssssssssssss',
]
