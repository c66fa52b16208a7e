<html>
<body bgcolor="#FFFFFF">
<?php echo "a<b>"; if ($x) { ?>
<a href='x'>`t`</a>
<? } ?>
</body>
