<?php
// Answers the contact form: save it as contact.php, the form's action.
// Checks the fields and shows what was sent.
$name = trim($_POST['name'] ?? '');
$email = trim($_POST['email'] ?? '');
$message = trim($_POST['message'] ?? '');
$errors = [];
if ($name === '') {
    $errors[] = 'Please give your name.';
}
if (!filter_var($email, FILTER_VALIDATE_EMAIL)) {
    $errors[] = 'Please give a valid e-mail address.';
}
if ($message === '') {
    $errors[] = 'Please write a message.';
}
function h(string $text): string
{
    return htmlspecialchars($text, ENT_QUOTES, 'UTF-8');
}
?>
<!DOCTYPE html>
<html lang="en">
<head>
  <meta charset="utf-8">
  <title>Contact</title>
</head>
<body>
<?php if ($errors): ?>
  <h1>Something is missing</h1>
  <ul>
<?php foreach ($errors as $error): ?>
    <li><?= h($error) ?></li>
<?php endforeach; ?>
  </ul>
  <p><a href="javascript:history.back()">Back to the form</a></p>
<?php else: ?>
  <h1>Thank you, <?= h($name) ?></h1>
  <p>Your message was received:</p>
  <blockquote><?= nl2br(h($message)) ?></blockquote>
<?php endif; ?>
</body>
</html>
