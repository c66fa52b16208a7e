#!/usr/bin/env python3
"""Builds the colouring benchmark's corpus: HTML pages and PHP templates,
half of each by bytes, with CR LF line ends, at 100 KB, 2 MB and 20 MB.

The pages are written here with varying content from a fixed seed, so every
build measures the same bytes.

usage: make_corpus.py OUTPUT_FOLDER
"""

import random
import sys
from pathlib import Path

SIZES = {"100k": 100 * 1024, "2m": 2 * 1024 * 1024, "20m": 20 * 1024 * 1024}

SENTENCES = [
    "We ship every order within two working days, and you can track it online.",
    "Don't forget to bring your ticket; the doors open at half past seven.",
    "The committee's report is attached below, together with last year's figures.",
    "Prices include VAT & delivery within the EU &mdash; see the terms for details.",
    "Our new opening hours are Monday to Friday, 9:00 to 18:00.",
    "Click \"Save\" when you're done, or press Escape to leave without saving.",
    "It's the third time this month that the server has been down for maintenance.",
    "Registration closes on 31 March; late entries cost an extra 10 %.",
    "The library lends books, films and music to anyone with a reader's card.",
    "Use the form below to send us a message &ndash; we answer within a day.",
]
WORDS = ("garden kitchen river station summer winter market harbour museum "
         "castle bridge valley forest meadow village school office studio "
         "concert lecture workshop festival journey").split()
NAMES = ["Anna", "Boris", "Chloe", "David", "Elena", "Farid", "Greta", "Hugo",
         "Ines", "Jonas", "Karin", "Liam", "Maya", "Nils", "Olga", "Pavel"]


def sentence(rnd):
    return rnd.choice(SENTENCES)


def title(rnd):
    return " ".join(w.capitalize() for w in rnd.sample(WORDS, 3))


def html_article(rnd):
    paragraphs = "\n".join(
        f"      <p>{sentence(rnd)} {sentence(rnd)}</p>" for _ in range(rnd.randint(3, 8)))
    items = "\n".join(
        f'        <li><a href="/{w}.html" title="More about the {w}">{w.capitalize()}</a></li>'
        for w in rnd.sample(WORDS, 5))
    return f"""<!DOCTYPE html>
<html lang="en">
<head>
  <meta charset="utf-8">
  <meta name="viewport" content="width=device-width, initial-scale=1">
  <title>{title(rnd)}</title>
  <link rel="stylesheet" href="/css/site.css">
  <style>
    body {{ font-family: 'Georgia', serif; margin: 0 auto; max-width: 48em; }}
    nav a[href^="http"] {{ color: #{rnd.randint(0, 0xFFFFFF):06x}; }}
    .note::before {{ content: "\\2192  "; }}
  </style>
</head>
<body class="article">
  <!-- header and navigation -->
  <header>
    <h1>{title(rnd)}</h1>
    <nav>
      <ul>
{items}
      </ul>
    </nav>
  </header>
  <main>
    <article id="post-{rnd.randint(1, 99999)}">
      <h2>{title(rnd)}</h2>
      <p class="byline">By {rnd.choice(NAMES)} on <time datetime="2024-0{rnd.randint(1, 9)}-1{rnd.randint(0, 9)}">a sunny day</time></p>
{paragraphs}
      <blockquote cite="https://example.org/quotes">{sentence(rnd)}</blockquote>
      <img src="/images/{rnd.choice(WORDS)}.jpg" alt="A view of the {rnd.choice(WORDS)}" width="640" height="400">
    </article>
  </main>
  <footer><p>&copy; 2024 {rnd.choice(NAMES)}'s Pages &middot; <a href="mailto:info@example.org">Contact</a></p></footer>
  <script>
    document.querySelectorAll('a[href^="http"]').forEach(function (link) {{
      link.setAttribute("target", "_blank");
      if (link.title === '') {{ link.title = `Opens ${{link.host}}`; }}
    }});
  </script>
</body>
</html>
"""


def html_table(rnd):
    rows = "\n".join(
        f"""      <tr class="{rnd.choice(['odd', 'even'])}">
        <td>{rnd.choice(NAMES)}</td><td>{rnd.choice(WORDS)}</td>
        <td align="right">{rnd.randint(1, 999)}.{rnd.randint(0, 99):02d}</td>
        <td><input type="checkbox" name="pick[]" value="{i}" checked></td>
      </tr>""" for i in range(rnd.randint(10, 40)))
    return f"""<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN" "http://www.w3.org/TR/html4/loose.dtd">
<HTML>
<HEAD>
<TITLE>Price list - {title(rnd)}</TITLE>
<META http-equiv="Content-Type" content="text/html; charset=windows-1252">
</HEAD>
<BODY bgcolor="#FFFFFF" text="#000000" link="#0000CC">
<CENTER><FONT face="Arial, Helvetica" size="4"><B>{title(rnd)}</B></FONT></CENTER>
<FORM action="order.cgi" method="post" name="order" onsubmit="return check(this);">
  <TABLE border="1" cellpadding="4" cellspacing="0" width="100%">
    <THEAD>
      <TR><TH>Name</TH><TH>Item</TH><TH>Price</TH><TH>Pick</TH></TR>
    </THEAD>
    <TBODY>
{rows}
    </TBODY>
  </TABLE>
  <P>{sentence(rnd)}</P>
  <P><LABEL for="mail">E-mail:</LABEL> <INPUT type="text" id="mail" name="mail" size="30" value=""></P>
  <P><SELECT name="ship"><OPTION value="1" selected>Post</OPTION><OPTION value="2">Courier</OPTION></SELECT>
  <INPUT type="submit" value="Send order"> <INPUT type="reset" value='Clear'></P>
</FORM>
<SCRIPT type="text/javascript">
<!--
function check(form) {{
  if (form.mail.value.indexOf("@") < 0) {{ alert('Please enter your e-mail address.'); return false; }}
  return true;
}}
// -->
</SCRIPT>
</BODY>
</HTML>
"""


def php_listing(rnd):
    cells = "\n".join(
        f"""    <li class="item<?php echo $i % 2 ? ' odd' : ''; ?>" data-id="<?= (int) $product->id ?>">
      <a href="product.php?id=<?php echo urlencode($product->id); ?>&amp;ref={rnd.choice(WORDS)}"><?php echo htmlspecialchars($product->name); ?></a>
      <span class='price'><?php echo format_price($product->price, "EUR"); ?></span>
      <?php if ($product->stock < {rnd.randint(1, 9)}): ?><em>Only a few left!</em><?php endif; ?>
    </li>""" for _ in range(rnd.randint(4, 12)))
    return f"""<?php
/**
 * Product list for the {rnd.choice(WORDS)} shop.
 */
declare(strict_types=1);

namespace Shop\\View;

use Shop\\Model\\Product;
use Shop\\Model\\Repository;

function format_price(float $amount, string $currency = 'EUR'): string
{{
    return number_format($amount, 2, ',', '.') . ' ' . $currency;
}}

$repository = new Repository($pdo);
$category = isset($_GET['cat']) ? trim($_GET['cat']) : "all";
$products = $repository->findByCategory($category, {rnd.randint(10, 50)});
$title = "Products in \\"{{$category}}\\"";
?>
<!DOCTYPE html>
<html lang="en">
<head>
  <meta charset="utf-8">
  <title><?= htmlspecialchars($title) ?></title>
</head>
<body>
<?php if (count($products) === 0): ?>
  <p class="empty">No products found. <?php echo 'Try another category, please.'; ?></p>
<?php else: ?>
  <ul class="products">
  <?php foreach ($products as $i => $product): ?>
{cells}
  <?php endforeach; ?>
  </ul>
<?php endif; ?>
<p><?php printf("%d of %d shown", count($products), $repository->count()); ?></p>
</body>
</html>
"""


def php_class(rnd):
    methods = "\n".join(
        f"""    /**
     * {sentence(rnd)}
     */
    public function {rnd.choice(['load', 'save', 'find', 'remove', 'update'])}{rnd.choice(WORDS).capitalize()}(int $id, ?array $options = null): ?array
    {{
        if ($id <= 0) {{
            throw new \\InvalidArgumentException("Invalid id: $id");
        }}
        $sql = 'SELECT * FROM {rnd.choice(WORDS)}s WHERE id = :id AND owner = :owner';
        $statement = $this->pdo->prepare($sql);
        $statement->execute(['id' => $id, 'owner' => $this->owner]);
        $row = $statement->fetch(\\PDO::FETCH_ASSOC);
        foreach ($options ?? [] as $key => $value) {{
            switch ($key) {{
                case 'trim':
                    $row = array_map('trim', $row);
                    break;
                default:
                    $row[$key] = $value;
            }}
        }}
        return $row === false ? null : $row;
    }}
""" for _ in range(rnd.randint(3, 8)))
    return f"""<?php
// {sentence(rnd)}
namespace App\\Data;

use PDO;
use RuntimeException;

abstract class Base{rnd.randint(1, 999)}
{{
    abstract protected function table(): string;
}}

final class {rnd.choice(WORDS).capitalize()}Store extends Base{rnd.randint(1, 999)} implements \\Countable
{{
    private const VERSION = {rnd.randint(1, 9)};
    private static ?self $instance = null;

    public function __construct(private PDO $pdo, private string $owner = "admin")
    {{
    }}

    public static function instance(PDO $pdo): static
    {{
        return self::$instance ??= new static($pdo);
    }}

{methods}
    public function count(): int
    {{
        try {{
            return (int) $this->pdo->query("SELECT COUNT(*) FROM `items`")->fetchColumn();
        }} catch (\\PDOException $e) {{
            echo "Counting failed: " . $e->getMessage() . "\\n";
            return 0;
        }} finally {{
            $this->pdo = $this->pdo;
        }}
    }}
}}
?>
"""


def build(size, rnd):
    html_makers = [html_article, html_table]
    php_makers = [php_listing, php_class]
    parts, html_bytes, php_bytes = [], 0, 0
    while html_bytes + php_bytes < size:
        makers = html_makers if html_bytes <= php_bytes else php_makers
        page = rnd.choice(makers)(rnd).replace("\n", "\r\n")
        if makers is html_makers:
            html_bytes += len(page)
        else:
            php_bytes += len(page)
        parts.append(page)
    return "".join(parts).encode("ascii"), html_bytes, php_bytes


def main():
    out = Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    for name, size in SIZES.items():
        data, html_bytes, php_bytes = build(size, random.Random(size))
        (out / f"corpus_{name}.txt").write_bytes(data)
        print(f"corpus_{name}.txt: {len(data)} bytes, "
              f"HTML {html_bytes}, PHP {php_bytes}")


if __name__ == "__main__":
    main()
